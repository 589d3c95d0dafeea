// quenda-simphone: serves the simulated phone on a pseudo-terminal until SIGINT or SIGTERM.

#include "simphone.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

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
    parser.addOption(scenario);
    parser.addOption(link);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().constFirst()));

    simphone::SimPhone phone;
    if (!phone.start())
        return fail(phone.errorString());
    QString error;
    if (parser.isSet(scenario) && !phone.loadScenario(parser.value(scenario), &error))
        return fail(error);
    QString path = phone.devicePath();
    if (parser.isSet(link)) {
        if (!phone.addLink(parser.value(link), &error))
            return fail(error);
        path = QFileInfo(parser.value(link)).absoluteFilePath();
    }
    if (!quitOnSignals(app))
        return fail(QStringLiteral("cannot handle signals"));

    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
    return app.exec();
}
