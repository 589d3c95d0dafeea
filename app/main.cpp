#include "link/phonelink.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quenda v4.0"));
    auto *layout = new QVBoxLayout(&window);
    auto *labState = new QLabel(QStringLiteral("Not Connected"));
    labState->setObjectName(QStringLiteral("labState"));
    auto *labProgState = new QLabel(QStringLiteral("Busy"));
    labProgState->setObjectName(QStringLiteral("labProgState"));
    layout->addWidget(labState);
    layout->addWidget(labProgState);

    PhoneLink link;
    QObject::connect(&link.supervisor, &Supervisor::connectionShown, labState, [labState](bool connected) {
        labState->setText(connected ? QStringLiteral("Connected") : QStringLiteral("Not Connected"));
    });
    QObject::connect(&link.lock, &OperationLock::actionChanged, labProgState, [labProgState](qint16 action) {
        const QString text = OperationLock::stateText(action);
        if (!text.isEmpty())
            labProgState->setText(text);
    });
    link.beginStartUp();
    link.finishStartUp();
    window.show();
    return app.exec();
}
