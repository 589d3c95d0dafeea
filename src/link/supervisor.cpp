#include "supervisor.h"

#include "atexchange.h"
#include "operationlock.h"
#include "replyframing.h"
#include "serialline.h"
#include "standardgreeting.h"
#include "text/replyparser.h"

Supervisor::Supervisor(AtExchange &exchange, OperationLock &lock, QObject *parent)
    : QObject(parent), exchange_(exchange), lock_(lock)
{
    timState.setObjectName(QStringLiteral("timState"));
    timState.setInterval(1750);
    timGetState.setObjectName(QStringLiteral("timGetState"));
    timGetState.setInterval(75);
    connect(&timState, &QTimer::timeout, this, &Supervisor::probeTick);
    connect(&timGetState, &QTimer::timeout, this, &Supervisor::answerTick);
    // The answer is looked at when it arrives; the tick only bounds how long that may take.
    // Queued: the greeting's own waits need the port's later data signals, which the port
    // holds back while a handler of its signal still runs.
    connect(
        &exchange_.line(), &SerialLine::dataArrived, this,
        [this] {
            if (timGetState.isActive())
                answerTick();
        },
        Qt::QueuedConnection);
}

void Supervisor::start()
{
    timState.start();
}

void Supervisor::probeTick()
{
    if (lock_.isBusy())
        return;
    // The handshake owns the line until it ends, and a probe still awaiting its answer owns
    // it until that tick is through; another "AT" would mix into their replies.
    if (handshakeRunning_ || freeingLine_ || timGetState.isActive())
        return;
    // An answer still owed to a cancelled command would pass for the probe's own; the probe
    // waits for the next tick until it is in (or its time is up).
    if (!exchange_.settleOwedAnswers())
        return;
    exchange_.line().openPort();
    // A phone left in text or melody entry (a program that stopped in the middle) takes every
    // "AT" as text and never answers; ESC ends the entry without sending.
    if (lastProbeUnanswered_) {
        freeingLine_ = true;
        exchange_.escapeEntry();
        freeingLine_ = false;
        if (lock_.isBusy())
            return;
    }
    // Nothing on the line yet can be the answer to this probe.
    exchange_.line().drain();
    exchange_.writeCommand(QStringLiteral("AT"));
    beginProbe();
    exchange_.timTimeoutState.start();
    timGetState.start();
}

void Supervisor::answerTick()
{
    // An operation that took the line meanwhile also took the probe's answer, or will take it
    // when it sends; either way it is not ours to read, nor a sign of loss.
    if (!probePending_ || lock_.isBusy()) {
        timGetState.stop();
        return;
    }

    // The answer may come in pieces over several ticks.
    const QString result = probeResult();
    if (result.isEmpty() && exchange_.timTimeoutState.isActive())
        return;

    timGetState.stop();
    endProbe();

    lastProbeUnanswered_ = result.isEmpty();
    if (lastProbeUnanswered_) {
        markLost();
        return;
    }
    exchange_.timTimeoutState.stop();

    if (ReplyFraming::isRefusal(result) && !probeOnFreedLine())
        return;

    if (NewConnect && !handshake())
        return;

    showConnected(true);
    if (lock_.action() != OperationLock::Idle) {
        lock_.setAction(OperationLock::Idle);
        emit connected();
    }
}

void Supervisor::beginProbe()
{
    probePending_ = true;
    probeAnswer_.clear();
    // A command that starts before the answer is in takes it off the line first, so neither the
    // probe nor the operation reads the other's reply.
    exchange_.setForeignAnswer([this] {
        probePending_ = false;
        QString answer = std::exchange(probeAnswer_, QString());
        return exchange_.awaitOneReply(answer, exchange_.timTimeoutState);
    });
}

void Supervisor::endProbe()
{
    probePending_ = false;
    probeAnswer_.clear();
    exchange_.setForeignAnswer(nullptr);
}

QString Supervisor::probeResult()
{
    probeAnswer_ += exchange_.line().input();
    const auto end = ReplyFraming::findEnd(probeAnswer_);
    return end ? end->result : QString();
}

void Supervisor::markLost()
{
    // A phone that stopped answering is no longer one that answers the wrong way.
    setGreetingProblem(QString());
    showConnected(false);
    lock_.setAction(OperationLock::NoPhone);
    NewConnect = true;
    emit lost();
}

bool Supervisor::probeOnFreedLine()
{
    // The phone is there, but its command line held something before the "AT": a byte left by
    // a cable pulled in the middle of a command, or an ESC it took as text. Until that line is
    // ended and a bare "AT" gets its "OK", no operation may use the phone.
    lock_.setAction(OperationLock::NoPhone);
    freeingLine_ = true;
    exchange_.escapeEntry();
    const AtExchange::Reply reply = exchange_.SendAndWait(QStringLiteral("AT"), exchange_.timTimeoutState);
    freeingLine_ = false;
    if (reply.completed())
        return true;
    lastProbeUnanswered_ = reply.timedOut();
    if (lastProbeUnanswered_) {
        markLost();
    } else {
        // Answers, but refuses even a bare "AT" on an empty line: nothing Quenda can use.
        showConnected(false);
        NewConnect = true;
    }
    return false;
}

bool Supervisor::handshake()
{
    handshakeRunning_ = true;
    const bool complete = greet();
    handshakeRunning_ = false;
    if (complete)
        NewConnect = false;
    return complete;
}

bool Supervisor::greet()
{
    const AtExchange::Reply reply =
        exchange_.SendAndWait(QStringLiteral("AT+CGMI"), exchange_.timTimeoutState);
    if (!reply.completed()) {
        if (reply.refused())
            setGreetingProblem(tr("The phone answers, but refuses \"AT+CGMI\" (%1): nothing Quenda can use.")
                                   .arg(reply.result));
        return false;
    }
    if (reply.text.contains(QLatin1String("Mitsubishi")))
        return greetTriumMars();
    const QString maker = StandardGreeting::identityOf(reply, QStringLiteral("+CGMI:"));
    if (maker.isEmpty()) {
        setGreetingProblem(
            tr("The phone answers, but does not name its maker to \"AT+CGMI\": nothing Quenda can use."));
        return false;
    }
    return greetStandardPhone(maker);
}

bool Supervisor::greetTriumMars()
{
    AtExchange::Reply reply;
    const auto ask = [&](const QString &command) {
        reply = exchange_.SendAndWait(command, exchange_.timTimeoutState);
        return reply.completed();
    };
    const QString maker = QStringLiteral("Mitsubishi");
    // Only this answer carries the maker's name: the exchange finds the line in step by it.
    exchange_.setSyncQuery({QStringLiteral("AT+CGMI"), maker});
    if (!ask(QStringLiteral("AT+CSCS=\"PCCP437\"")) || !ask(QStringLiteral("AT+CREG=0")) ||
        !ask(QStringLiteral("ATE0")))
        return false;
    if (!ask(QStringLiteral("AT+CPMS?")))
        return false;
    ParseNumberField(reply.text, 2, QLatin1Char(','), QLatin1Char(','), MaxSMS);
    if (!ask(QStringLiteral("AT+CPBW=?")))
        return false;
    ParseNumberField(reply.text, 1, QLatin1Char('-'), QLatin1Char(')'), MaxPhoneNum);
    PhoneProfile profile;
    profile.family = PhoneProfile::Family::TriumMars;
    profile.manufacturer = maker;
    profile.model = QStringLiteral("Trium Mars");
    profile.characterSet = QStringLiteral("PCCP437");
    profile.phonebooks = {QStringLiteral("SM"), QStringLiteral("ME")};
    profile.melodies = true;
    exchange_.setPhone(profile);
    setGreetingProblem(QString());
    return true;
}

bool Supervisor::greetStandardPhone(const QString &maker)
{
    exchange_.setSyncQuery({QStringLiteral("AT+CGMI"), maker});
    PhoneProfile profile;
    if (!StandardGreeting(exchange_, exchange_.timTimeoutState).greet(maker, &profile, indicationsWanted_))
        return false;
    profile.textModeOnly = textModeOnly_;
    // Sizes as the Trium Mars's are learnt; a phone that refuses to tell keeps none.
    AtExchange::Reply reply = exchange_.SendAndWait(QStringLiteral("AT+CPMS?"), exchange_.timTimeoutState);
    if (!reply.answered())
        return false;
    if (reply.completed())
        ParseNumberField(reply.lineStartingWith(QStringLiteral("+CPMS:")), 2, QLatin1Char(','),
                         QLatin1Char(','), MaxSMS);
    reply = exchange_.SendAndWait(QStringLiteral("AT+CPBW=?"), exchange_.timTimeoutState);
    if (!reply.answered())
        return false;
    if (reply.completed())
        ParseNumberField(reply.lineStartingWith(QStringLiteral("+CPBW:")), 1, QLatin1Char('-'),
                         QLatin1Char(')'), MaxPhoneNum);
    exchange_.setPhone(profile);
    setGreetingProblem(QString());
    return true;
}

const PhoneProfile &Supervisor::profile() const
{
    return exchange_.phone();
}

void Supervisor::setGreetingProblem(const QString &problem)
{
    if (greetingProblem_ == problem)
        return;
    greetingProblem_ = problem;
    emit greetingProblemChanged();
}

void Supervisor::showConnected(bool connected)
{
    if (connectedShown_ == connected)
        return;
    connectedShown_ = connected;
    emit connectionShown(connected);
}
