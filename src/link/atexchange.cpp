#include "atexchange.h"

#include "replyframing.h"
#include "serialline.h"

#include <QElapsedTimer>
#include <QEventLoop>

#include <cmath>
#include <utility>

namespace {

void setUpTimer(QTimer &timer, const char *name, int interval)
{
    timer.setObjectName(QLatin1String(name));
    timer.setInterval(interval);
    timer.setSingleShot(true);
    // A coarse timer may end a wait a twentieth early, and refuse an answer in time.
    timer.setTimerType(Qt::PreciseTimer);
}

bool holdsWholeReply(const QString &buffer)
{
    return ReplyFraming::findEnd(buffer).has_value();
}

} // namespace

QString AtExchange::Reply::lineStartingWith(const QString &prefix) const
{
    for (const QString &line : lines) {
        if (line.startsWith(prefix))
            return line;
    }
    return QString();
}

bool AtExchange::Expected::isMetBy(const Reply &reply) const
{
    switch (kind_) {
    case Kind::ResultOnly:
        return true;
    case Kind::Line:
        return !reply.lineStartingWith(prefix_).isEmpty();
    case Kind::Text:
        return ReplyFraming::holdsInformation(reply.text);
    }
    return true;
}

AtExchange::AtExchange(SerialLine &line, QObject *parent) : QObject(parent), line_(line)
{
    setUpTimer(timTimeout, "timTimeout", 5000);
    setUpTimer(timTimeOutLong, "timTimeOutLong", 30000);
    setUpTimer(timTimeoutState, "timTimeoutState", 1400);
    setUpTimer(timPause, "timPause", 300);
}

AtExchange::Wait AtExchange::collect(QString &buffer, const QTimer &timer,
                                     const std::function<bool(const QString &)> &done, const QTimer *wakeAlso)
{
    QEventLoop loop;
    std::optional<Wait> finished;
    const auto pass = [&] {
        buffer += line_.input();
        if (done(buffer))
            finished = Wait::Satisfied;
        else if (!timer.isActive())
            finished = Wait::TimerEnded;
        else
            return;
        loop.quit();
    };
    // Whatever arrived before the wait began counts too.
    pass();
    if (finished)
        return *finished;
    QEventLoop *const outer = std::exchange(wait_, &loop);
    const bool outerAbandoned = std::exchange(abandoned_, false);
    const auto onData = QObject::connect(&line_, &SerialLine::dataArrived, &loop, pass);
    const auto onSent = QObject::connect(&line_, &SerialLine::sendingProgressed, &loop, pass);
    const auto onTimer = QObject::connect(&timer, &QTimer::timeout, &loop, pass);
    QMetaObject::Connection onOther;
    if (wakeAlso)
        onOther = QObject::connect(wakeAlso, &QTimer::timeout, &loop, pass);
    loop.exec();
    QObject::disconnect(onData);
    QObject::disconnect(onSent);
    QObject::disconnect(onTimer);
    QObject::disconnect(onOther);
    wait_ = outer;
    const bool abandoned = std::exchange(abandoned_, outerAbandoned);
    if (finished)
        return *finished;
    return abandoned ? Wait::Abandoned : Wait::Quit;
}

AtExchange::Reply AtExchange::SendAndWait(const QString &command, QTimer &timer, const Expected &expected)
{
    // Stray results are rare; three in a row for the same command are taken as its answer.
    constexpr int Asks = 3;
    Reply reply = exchange(command, timer);
    for (int ask = 1; ask < Asks && expected.checks() && reply.completed(); ++ask) {
        if (expected.isMetBy(reply))
            break;
        const Outcome inStep = resynchronise(timer).outcome;
        if (inStep != Outcome::Completed) {
            reply.outcome = inStep;
            return reply;
        }
        reply = exchange(command, timer);
    }
    return reply;
}

AtExchange::Wait AtExchange::sendLine(const QString &command, QTimer &timer, QString &soFar)
{
    if (const Wait cleared = takeForeignAnswers(); cleared == Wait::Abandoned || cleared == Wait::Quit)
        return cleared;
    // Stray results and codes that came between two commands would end this one's wait.
    line_.drain();
    return sendData(command + QLatin1Char('\r'), timer, soFar);
}

AtExchange::Wait AtExchange::sendData(const QString &data, QTimer &timer, QString &soFar)
{
    line_.write(data);
    return finishSending(timer, soFar);
}

AtExchange::Wait AtExchange::finishSending(QTimer &timer, QString &soFar)
{
    // A long write (a melody) takes seconds on the wire; the phone's time to answer begins when
    // it has had the last byte. Until then the line only counts as stuck when it takes nothing
    // more for the answer's time.
    QTimer stall;
    stall.setSingleShot(true);
    const auto watch = [this, &stall, &timer] { stall.start(int(line_.msUntilSent()) + timer.interval()); };
    watch();
    const auto onProgress = QObject::connect(&line_, &SerialLine::sendingProgressed, &stall, watch);
    const Wait end = collect(soFar, stall, [this](const QString &buffer) {
        // A refusal while a long text still leaves: the rest would run as command lines.
        return !line_.sending() || ReplyFraming::findRefusal(buffer).has_value();
    });
    QObject::disconnect(onProgress);
    if (line_.sending() && ReplyFraming::findRefusal(soFar))
        line_.discardUnsent();
    timer.start();
    if (end == Wait::Abandoned) {
        oweIfAbandoned(end, timer, soFar);
        return end;
    }
    if (end == Wait::TimerEnded) {
        // Nothing left for a while, and no refusal came: the line is stuck.
        timer.stop();
        return Wait::Stuck;
    }
    return end;
}

AtExchange::Outcome AtExchange::unanswered(Wait end)
{
    return end == Wait::Abandoned ? Outcome::Cancelled : Outcome::TimedOut;
}

bool AtExchange::oweIfAbandoned(Wait end, QTimer &timer, const QString &soFar)
{
    if (end != Wait::Abandoned || !timer.isActive())
        return false;
    // The phone answers all the same, within the command's own time.
    owed_.owe(timer, soFar);
    return true;
}

AtExchange::Reply AtExchange::exchange(const QString &command, QTimer &timer)
{
    Reply reply;
    reply.command = command;
    if (const Wait sent = sendLine(command, timer, reply.text); sent != Wait::Satisfied) {
        reply.outcome = unanswered(sent);
        return reply;
    }
    return awaitReply(std::move(reply), timer);
}

AtExchange::Reply AtExchange::resynchronise(QTimer &timer)
{
    Reply reply;
    reply.command = sync_.command;
    QString answers;
    if (const Wait sent = sendLine(sync_.command, timer, answers); sent != Wait::Satisfied) {
        reply.outcome = unanswered(sent);
        return reply;
    }
    const Wait end =
        collect(answers, timer, [this](const QString &buffer) { return holdsSyncAnswer(buffer); });
    if (oweIfAbandoned(end, timer, answers)) {
        reply.outcome = Outcome::Cancelled;
        return reply;
    }
    const bool inStep = end == Wait::Satisfied && timer.isActive();
    timer.stop();
    reply.outcome = inStep ? Outcome::Completed : Outcome::TimedOut;
    return reply;
}

bool AtExchange::holdsSyncAnswer(const QString &buffer) const
{
    if (!sync_.answerMarker.isEmpty()) {
        const qsizetype marker = buffer.lastIndexOf(sync_.answerMarker);
        return marker >= 0 && ReplyFraming::findEnd(QStringView(buffer).mid(marker)).has_value();
    }
    for (qsizetype from = 0;;) {
        const auto end = ReplyFraming::findEnd(QStringView(buffer).mid(from));
        if (!end)
            return false;
        if (ReplyFraming::holdsInformation(QStringView(buffer).mid(from, end->end)))
            return true;
        from += end->end;
    }
}

AtExchange::Reply AtExchange::awaitReply(Reply reply, QTimer &timer, const QString &confirmation)
{
    // From where the reply may end: past the confirmation line when one is awaited, unless the
    // phone refused.
    const auto endsFrom = [&confirmation](const QString &buffer) -> qsizetype {
        if (confirmation.isEmpty())
            return 0;
        const qsizetype line = buffer.indexOf(QLatin1Char('\n') + confirmation);
        if (line >= 0)
            return line + 1;
        const auto refusal = ReplyFraming::findRefusal(buffer);
        return refusal ? refusal->resultStart : -1;
    };
    const Wait end = collect(reply.text, timer, [&endsFrom](const QString &buffer) {
        const qsizetype from = endsFrom(buffer);
        return from >= 0 && ReplyFraming::findEnd(QStringView(buffer).mid(from)).has_value();
    });

    if (oweIfAbandoned(end, timer, reply.text)) {
        reply.outcome = Outcome::Cancelled;
        return reply;
    }
    const qsizetype from = endsFrom(reply.text);
    auto final = from >= 0 ? ReplyFraming::findEnd(QStringView(reply.text).mid(from)) : std::nullopt;
    if (final) {
        final->resultStart += from;
        final->end += from;
    }
    // A wait cut short by the program quitting counts as unanswered, so the operation ends at
    // once instead of racing through its remaining commands without waiting.
    if (end != Wait::Satisfied || !timer.isActive() || !final) {
        timer.stop();
        reply.outcome = Outcome::TimedOut;
        return reply;
    }
    timer.stop();
    // What follows the final result is not part of this reply, nor are the codes the phone sent
    // unasked in between.
    reply.text.truncate(final->end);
    reply.text = ReplyFraming::withoutEcho(reply.text, reply.command);
    reply.text = ReplyFraming::withoutUnsolicited(reply.text, ReplyFraming::ownPrefix(reply.command));
    reply.lines = ReplyFraming::informationLines(reply.text);
    reply.result = final->result;
    reply.outcome = ReplyFraming::isRefusal(final->result) ? Outcome::StopToken : Outcome::Completed;
    return reply;
}

AtExchange::Wait AtExchange::takeForeignAnswers()
{
    // Answers meant for others go first, or the next command would read them as its own.
    Wait cleared = Wait::Satisfied;
    if (foreignAnswer_)
        cleared = std::exchange(foreignAnswer_, nullptr)();
    if ((cleared == Wait::Satisfied || cleared == Wait::TimerEnded) && owed_.any())
        cleared = takeOwedAnswers();
    return cleared;
}

void AtExchange::writeCommand(const QString &command)
{
    line_.write(command + QLatin1Char('\r'));
}

void AtExchange::sendAndDropAnswer(const QString &command)
{
    writeCommand(command);
    timTimeout.start();
    owed_.owe(timTimeout);
}

void AtExchange::Pause()
{
    // Leaves the line alone: what arrives meanwhile belongs to the next reader. A timer may fire
    // a little early; what is missing is waited out again.
    QElapsedTimer elapsed;
    elapsed.start();
    const qint64 wanted = qint64(timPause.interval()) * 1000000;
    QTimer rest;
    rest.setSingleShot(true);
    rest.setTimerType(Qt::PreciseTimer);
    QTimer *running = &timPause;
    while (elapsed.nsecsElapsed() < wanted) {
        if (running == &timPause)
            timPause.start();
        else
            rest.start(int(std::ceil(double(wanted - elapsed.nsecsElapsed()) / 1e6)));
        QEventLoop loop;
        const auto onTimer = QObject::connect(running, &QTimer::timeout, &loop, &QEventLoop::quit);
        loop.exec();
        QObject::disconnect(onTimer);
        running = &rest;
    }
}

void AtExchange::abandonWait()
{
    if (!wait_)
        return;
    abandoned_ = true;
    wait_->quit();
}

bool AtExchange::settleOwedAnswers()
{
    return owed_.settle(owed_.any() ? line_.input() : QString());
}

AtExchange::Wait AtExchange::awaitOneReply(QString &soFar, QTimer &timer)
{
    const Wait end = collect(soFar, timer, holdsWholeReply);
    if (!oweIfAbandoned(end, timer, soFar))
        timer.stop();
    return end;
}

AtExchange::Wait AtExchange::takeOwedAnswers()
{
    const Wait end = collect(owed_.soFar(), owed_.deadline(),
                             [this](const QString &buffer) { return owed_.allIn(buffer); });
    if (end == Wait::Satisfied || end == Wait::TimerEnded)
        owed_.forget();
    return end;
}
