// How much processor time the program spends while it only watches the line: connected and
// idle for 10 s, and during one unanswered 5 s wait. Each is printed as a percentage of one
// core. The simulated phone runs as a separate process, so only our own time is counted.

#include "benchsupport.h"

#include "link/phonelink.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdio>

namespace {

using BenchSupport::cpuSeconds;

// Runs body and returns the processor time it took as a percentage of its wall-clock time.
template <typename Body> double cpuShare(Body body, double *wallSeconds)
{
    QElapsedTimer wall;
    const double before = cpuSeconds();
    wall.start();
    body();
    *wallSeconds = wall.elapsed() / 1000.0;
    return 100.0 * (cpuSeconds() - before) / *wallSeconds;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    BenchSupport::useOwnSettings(home);
    QCoreApplication app(argc, argv);

    QProcess phone;
    const QString device = BenchSupport::startPhone(phone, QStringLiteral(SIMPHONE_SCENARIO));
    if (device.isEmpty())
        return 1;

    PhoneLink link;
    link.settings.setDevice(1, device);
    link.beginStartUp();
    link.finishStartUp();
    if (!QTest::qWaitFor([&] { return link.lock.action() == OperationLock::Idle; }, 5000)) {
        std::fprintf(stderr, "no connection to the simulated phone at %s\n", qPrintable(device));
        return 1;
    }

    double idleWall = 0;
    const double idle = cpuShare(
        [] {
            // A plain event loop: QTest::qWait would poll and count its own polling.
            QEventLoop loop;
            QTimer::singleShot(10000, Qt::PreciseTimer, &loop, &QEventLoop::quit);
            loop.exec();
        },
        &idleWall);

    // A phone that has stopped answering: the wait runs its full 5 s.
    ::kill(static_cast<pid_t>(phone.processId()), SIGSTOP);
    link.lock.guard(OperationLock::LoadingInfos);
    double waitWall = 0;
    AtExchange::Outcome outcome = AtExchange::Outcome::Completed;
    const double wait = cpuShare(
        [&] {
            outcome = link.exchange.SendAndWait(QStringLiteral("AT+CGMM"), link.exchange.timTimeout).outcome;
        },
        &waitWall);
    ::kill(static_cast<pid_t>(phone.processId()), SIGCONT);
    phone.terminate();
    phone.waitForFinished(3000);

    std::printf("connected and idle: %.2f %% of one core over %.1f s\n", idle, idleWall);
    std::printf("unanswered wait:    %.2f %% of one core over %.1f s (%s)\n", wait, waitWall,
                outcome == AtExchange::Outcome::TimedOut ? "timed out" : "answered?");
    return outcome == AtExchange::Outcome::TimedOut ? 0 : 1;
}
