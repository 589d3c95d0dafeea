#include "callingdialog.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

void CallingDialog::waitForFinish(const QString &number)
{
    QDialog dialog(owner_);
    dialog.setObjectName(QStringLiteral("frmWaitCall"));
    dialog.setWindowTitle(QStringLiteral("Calling..."));
    auto *labNummer = new QLabel(number, &dialog);
    labNummer->setObjectName(QStringLiteral("labNummer"));
    labNummer->setAlignment(Qt::AlignCenter);
    auto *finish = new QPushButton(QStringLiteral("Finish"), &dialog);
    finish->setObjectName(QStringLiteral("cmdFinish"));
    finish->setDefault(true);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(labNummer);
    layout->addWidget(finish);
    QObject::connect(finish, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.exec();
}
