// quenda-simphone: serves the simulated phone on a pseudo-terminal until SIGINT or SIGTERM.

#include "replayphone.h"
#include "simphone.h"

#include "recording/linerecording.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &byte, 1);
}

// Turns SIGINT and SIGTERM into an orderly quit, so the links are removed.
bool quitOnSignals(QCoreApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return false;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        char byte;
        [[maybe_unused]] const auto n = ::read(signalPipe[0], &byte, 1);
        app.quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGINT, &action, nullptr) == 0 && ::sigaction(SIGTERM, &action, nullptr) == 0;
}

int fail(const QString &message)
{
    std::fprintf(stderr, "quenda-simphone: %s\n", qPrintable(message));
    return 1;
}

// Prints the path a client opens, then serves until SIGINT or SIGTERM.
int serve(QCoreApplication &app, const QString &path)
{
    if (!quitOnSignals(app))
        return fail(QStringLiteral("cannot handle signals"));
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quenda-simphone"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A simulated Mitsubishi Trium Mars on a pseudo-terminal. Prints the device path, "
                       "then serves until interrupted."));
    parser.addHelpOption();
    const QCommandLineOption scenario(QStringLiteral("scenario"),
                                      QStringLiteral("Loads the phone's contents from a JSON file."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption link(QStringLiteral("link"),
                                  QStringLiteral("Also makes a symbolic link to the device at PATH."),
                                  QStringLiteral("PATH"));
    const auto valueOption = [&parser](const char *name, const char *description, const char *valueName) {
        const QCommandLineOption option{QLatin1String(name), QLatin1String(description),
                                        QLatin1String(valueName)};
        parser.addOption(option);
        return option;
    };
    const QCommandLineOption rate =
        valueOption("bytes-per-second",
                    "How fast replies cross the line (default 3840: a 38400-baud cable; 0: at once).", "N");
    const QCommandLineOption piece =
        valueOption("piece-bytes", "Replies arrive in pieces of N bytes (default 16; 0: whole).", "N");
    const QCommandLineOption randomPieces(QStringLiteral("random-pieces"),
                                          QStringLiteral("Pieces of random sizes up to the piece size."));
    parser.addOption(randomPieces);
    const QCommandLineOption readRate =
        valueOption("read-rate", "Takes what it is sent at N bytes a second (default: at once).", "N");
    const QCommandLineOption replyDelay = valueOption("reply-delay", "Answers every command MS late.", "MS");
    const QCommandLineOption stray = valueOption(
        "stray", "PERCENT of the replies bring an unsolicited code along, or a stray OK before them.",
        "PERCENT");
    const QCommandLineOption keepControls(
        QStringLiteral("keep-control-bytes"),
        QStringLiteral(
            "Takes ESC and Ctrl-Z outside text entry into the command line, as phones do that then "
            "refuse the line."));
    parser.addOption(keepControls);
    const QCommandLineOption replay(
        QStringLiteral("replay"),
        QStringLiteral("Plays the phone of a line recording (quenda --trace) instead."),
        QStringLiteral("FILE"));
    parser.addOption(scenario);
    parser.addOption(link);
    parser.addOption(replay);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().constFirst()));

    if (parser.isSet(replay)) {
        simphone::ReplayPhone player;
        QString why;
        if (!player.load(parser.value(replay), &why) || !player.start(&why))
            return fail(why);
        QObject::connect(&player, &simphone::ReplayPhone::unknownCommand, [](const QByteArray &unit) {
            std::fprintf(stderr, "quenda-simphone: not in the recording, answered ERROR: %s\n",
                         LineRecording::escape(unit).constData());
        });
        if (parser.isSet(link) && !player.addLink(parser.value(link), &why))
            return fail(why);
        return serve(app, parser.isSet(link) ? QFileInfo(parser.value(link)).absoluteFilePath()
                                             : player.devicePath());
    }

    simphone::SimPhone phone;
    if (!phone.start())
        return fail(phone.errorString());
    QString error;
    // A cable's pace unless the scenario or the options say otherwise.
    phone.setLinePace(simphone::SimPhone::cablePace());
    if (parser.isSet(scenario) && !phone.loadScenario(parser.value(scenario), &error))
        return fail(error);
    const auto whole = [&parser](const QCommandLineOption &option, int *value) {
        bool ok = false;
        const int n = parser.value(option).toInt(&ok);
        if (!ok || n < 0)
            return false;
        *value = n;
        return true;
    };
    int n = 0;
    simphone::LinePace pace = phone.linePace();
    for (const auto &[option, target] :
         {std::pair{&rate, &pace.bytesPerSecond}, std::pair{&piece, &pace.pieceBytes}}) {
        if (parser.isSet(*option) && !whole(*option, target))
            return fail(QStringLiteral("--%1 takes a whole number").arg(option->names().constFirst()));
    }
    if (parser.isSet(randomPieces))
        pace.randomPieces = true;
    phone.setLinePace(pace);
    if (parser.isSet(readRate)) {
        if (!whole(readRate, &n))
            return fail(QStringLiteral("--read-rate takes a whole number"));
        phone.setReadRate(n);
    }
    if (parser.isSet(replyDelay)) {
        if (!whole(replyDelay, &n))
            return fail(QStringLiteral("--reply-delay takes a whole number"));
        phone.setReplyDelay(n);
    }
    if (parser.isSet(stray)) {
        if (!whole(stray, &n) || n > 100)
            return fail(QStringLiteral("--stray takes a percentage from 0 to 100"));
        phone.setStrayCodes(n);
    }
    phone.state().keepsControlBytes = parser.isSet(keepControls);
    QString path = phone.devicePath();
    if (parser.isSet(link)) {
        if (!phone.addLink(parser.value(link), &error))
            return fail(error);
        path = QFileInfo(parser.value(link)).absoluteFilePath();
    }
    return serve(app, path);
}
