#include "info/deviceinfo.h"
#include "link/phonelink.h"
#include "mainwindow.h"
#include "phonebook/phonebook.h"
#include "programinfo.h"
#include "ringtones/phonemelodies.h"
#include "sms/shortmessages.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(ProgramInfo::name());
    QApplication::setApplicationName(ProgramInfo::name());
    QApplication::setApplicationVersion(ProgramInfo::version());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Manages a Mitsubishi Trium Mars over its data cable."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption trace(
        QStringLiteral("trace"), QStringLiteral("Record every byte on the line, and what happened, in FILE."),
        QStringLiteral("FILE"));
    parser.addOption(trace);
    parser.process(app);

    PhoneLink link;
    if (parser.isSet(trace)) {
        QString error;
        if (!link.recorder.start(parser.value(trace), &error)) {
            std::fprintf(stderr, "quenda: cannot record the line in %s: %s\n",
                         qPrintable(parser.value(trace)), qPrintable(error));
            return 2;
        }
    }
    DeviceInfo info(link.exchange, link.lock);
    Phonebook phonebook(link.exchange, link.lock, link.supervisor);
    ShortMessages sms(link.exchange, link.lock, link.supervisor, link.settings, phonebook.cache().path());
    PhoneMelodies melodies(link.exchange, link.lock);
    MainWindow window(link, info, phonebook, sms, melodies);
    // Closing the window ends the program at once, also in the middle of an operation's wait.
    QObject::connect(&window, &MainWindow::programEnds, &app, [] { QCoreApplication::exit(0); });
    window.startUp();
    window.show();
    return app.exec();
}
