#include "phonesession.h"

#include <QEventLoop>
#include <QTimer>

PhoneSession::PhoneSession(bool answerYes) : boxes(answerYes)
{
    link.lock.setMessageBoxes(&boxes);
    link.lock.setProgressWindow(&progress);
    // Ends the wait now running; the operation then stops before its next step, as with the
    // Cancel button, and the phone is told with a bare "AT".
    QObject::connect(&interrupt, &Interrupt::requested, &link.lock, [this] { link.lock.cancel(); });
    QObject::connect(&link.recorder, &LineRecorder::stopped, &link.recorder, &printError);
}

PhoneSession::~PhoneSession()
{
    link.supervisor.timState.stop();
    link.supervisor.timGetState.stop();
    link.exchange.takeForeignAnswers();
}

bool PhoneSession::connectPhone(const QString &devicePath)
{
    if (!devicePath.isEmpty())
        link.useDeviceForThisRun(devicePath);
    link.resetConnection();
    link.line.openPort();
    if (!link.line.isOpen()) {
        //: %1 says why the port cannot be opened; PATH is the value of --device, as its help names it.
        printError(tr("%1 Name the port with --device PATH.").arg(link.lineProblem()));
        return false;
    }

    QEventLoop loop;
    bool lost = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&link.supervisor, &Supervisor::connected, &loop, &QEventLoop::quit);
    QObject::connect(&interrupt, &Interrupt::requested, &loop, &QEventLoop::quit);
    // A probe left unanswered is tried again until the deadline: the answer may only have
    // been late, or drowned in noise on the line.
    QObject::connect(&link.supervisor, &Supervisor::lost, &loop, [&] { lost = true; });
    // Nobody waits for the window's rhythm here: the next probe goes as soon as one is lost.
    const auto reprobe = QObject::connect(&link.supervisor, &Supervisor::lost, &link.supervisor,
                                          &Supervisor::probeTick, Qt::QueuedConnection);
    // The first probe goes at once; the repeating one only retries.
    link.supervisor.start();
    link.supervisor.probeTick();
    deadline.start(GreetingDeadlineMs);
    if (link.lock.action() != OperationLock::Idle)
        loop.exec();
    // From here on only the operation talks on the line.
    QObject::disconnect(reprobe);
    link.supervisor.timState.stop();
    link.supervisor.timGetState.stop();

    if (interrupt.happened())
        return false;
    if (link.lock.action() == OperationLock::Idle)
        return true;
    const QString device = link.line.deviceName();
    // The link's own hint when it has one for an unanswered line (it knows which speed to
    // suggest).
    if (lost)
        printError(link.phoneSilent()
                       ? link.lineProblem()
                       : tr("No answer from the phone on %1 at %2 bit/s: is it switched on and the "
                            "cable seated?")
                             .arg(device)
                             .arg(link.line.baudRate()));
    else if (!link.supervisor.greetingProblem().isEmpty())
        printError(link.supervisor.greetingProblem());
    else
        printError(tr("The device on %1 answers but does not finish its greeting.").arg(device));
    return false;
}

ExitCode PhoneSession::outcome(const OperationResult &result) const
{
    if (interrupt.happened()) {
        printError(tr("Interrupted."));
        return Interrupted;
    }
    if (link.lock.action() == OperationLock::NoPhone) {
        printError(tr("The phone stopped answering."));
        return PhoneFailed;
    }
    return exitCodeOf(result.kind);
}
