#include "handset/handset.h"
#include "programinfo.h"
#include "ui/window/mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace {

struct Options
{
    QCommandLineOption trace{QStringLiteral("trace"),
                             QStringLiteral("Record every byte on the line, and what happened, in FILE."),
                             QStringLiteral("FILE")};
    QCommandLineOption device{QStringLiteral("device"),
                              QStringLiteral("The serial device of the phone, for this run (Settings, "
                                             "Device... chooses one for good)."),
                              QStringLiteral("PATH")};
};

void describe(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(QStringLiteral("Manages a Mitsubishi Trium Mars over its data cable."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(options.trace);
    parser.addOption(options.device);
}

// --help and --version need no display, and the window's application object aborts without
// one. Qt's own options are unknown here, and checked once that object exists; read as long
// options, "-reverse" is not taken for -v.
void answerWithoutDisplay(int argc, char *argv[], const Options &options)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    describe(parser, options);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp();
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(ProgramInfo::name());
    QCoreApplication::setApplicationName(ProgramInfo::name());
    QCoreApplication::setApplicationVersion(ProgramInfo::version());
    const Options options;
    answerWithoutDisplay(argc, argv, options);

    QApplication app(argc, argv);
    QCommandLineParser parser;
    describe(parser, options);
    parser.process(app);

    Handset handset;
    PhoneLink &link = handset.link;
    if (parser.isSet(options.trace)) {
        QString error;
        if (!link.recorder.start(parser.value(options.trace), &error)) {
            std::fprintf(stderr, "quenda: cannot record the line in %s: %s\n",
                         qPrintable(parser.value(options.trace)), qPrintable(error));
            return 2;
        }
    }
    if (parser.isSet(options.device))
        link.useDeviceForThisRun(parser.value(options.device));
    Subsystems &parts = handset.subsystems;
    MainWindow window(link, parts.info, parts.phonebook, parts.sms, parts.melodies);
    // Closing the window ends the program at once, also in the middle of an operation's wait.
    QObject::connect(&window, &MainWindow::programEnds, &app, [] { QCoreApplication::exit(0); });
    window.startUp();
    window.show();
    return app.exec();
}
