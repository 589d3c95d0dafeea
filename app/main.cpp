#include "handset/handset.h"
#include "link/language.h"
#include "link/settings.h"
#include "programinfo.h"
#include "ui/widgets/controls.h"
#include "ui/window/mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace {

struct Options
{
    QCommandLineOption trace{
        QStringLiteral("trace"),
        QCoreApplication::translate("main", "Record every byte on the line, and what happened, in FILE."),
        //: The value name of --trace in --help; the description above names it too.
        QCoreApplication::translate("main", "FILE")};
    QCommandLineOption device{
        QStringLiteral("device"),
        QCoreApplication::translate("main", "The serial device of the phone, for this run (Settings, "
                                            "Device... chooses one for good)."),
        //: The value name of --device in --help.
        QCoreApplication::translate("main", "PATH")};
};

void describe(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Manages a Mitsubishi Trium Mars over its data cable."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(options.trace);
    parser.addOption(options.device);
}

// The language of the desktop, unless the person keeps English; before any text is made.
void speakTheDesktopsLanguage(QCoreApplication &app)
{
    Language::install(app, Settings().keepEnglish());
}

// --help and --version need no display, and the window's application object aborts without
// one. Qt's own options are unknown here, and checked once that object exists; read as long
// options, "-reverse" is not taken for -v.
void answerWithoutDisplay(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    speakTheDesktopsLanguage(app);
    const Options options;
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
    answerWithoutDisplay(argc, argv);

    QApplication app(argc, argv);
    speakTheDesktopsLanguage(app);
    QApplication::setWindowIcon(Controls::programIcon());
    const Options options;
    QCommandLineParser parser;
    describe(parser, options);
    parser.process(app);

    Handset handset;
    PhoneLink &link = handset.link;
    if (parser.isSet(options.trace)) {
        QString error;
        if (!link.recorder.start(parser.value(options.trace), &error)) {
            const QString message =
                QCoreApplication::translate("main", "quenda: cannot record the line in %1: %2")
                    .arg(parser.value(options.trace), error);
            std::fprintf(stderr, "%s\n", qPrintable(message));
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
