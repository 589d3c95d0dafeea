#include "atexchange.h"

#include "serialline.h"

#include <QEventLoop>

#include <utility>

const QString AtExchange::FinalResult = QStringLiteral("OK\r\n");

namespace {

void setUpTimer(QTimer &timer, const char *name, int interval)
{
    timer.setObjectName(QLatin1String(name));
    timer.setInterval(interval);
    timer.setSingleShot(true);
}

bool containsAny(const QString &buffer, const QStringList &tokens)
{
    for (const QString &token : tokens) {
        if (buffer.contains(token))
            return true;
    }
    return false;
}

bool isFinalResult(QStringView line)
{
    return line == QLatin1String("OK") || line == QLatin1String("ERROR") ||
           line.startsWith(QLatin1String("+CME ERROR")) || line.startsWith(QLatin1String("+CMS ERROR"));
}

} // namespace

AtExchange::AtExchange(SerialLine &line, QObject *parent) : QObject(parent), line_(line)
{
    setUpTimer(timTimeout, "timTimeout", 5000);
    setUpTimer(timTimeOutLong, "timTimeOutLong", 30000);
    setUpTimer(timTimeoutState, "timTimeoutState", 1400);
    setUpTimer(timPause, "timPause", 300);
}

int AtExchange::finalResultsIn(const QString &text)
{
    int count = 0;
    qsizetype start = 0;
    for (qsizetype lf = text.indexOf(QLatin1Char('\n')); lf >= 0;
         lf = text.indexOf(QLatin1Char('\n'), start)) {
        QStringView line = QStringView(text).mid(start, lf - start);
        while (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (isFinalResult(line))
            ++count;
        start = lf + 1;
    }
    return count;
}

AtExchange::WaitEnd AtExchange::collect(QString &buffer, const QTimer &timer,
                                        const std::function<bool(const QString &)> &done)
{
    QEventLoop loop;
    bool finished = false;
    const auto pass = [&] {
        buffer += line_.input();
        if (done(buffer) || !timer.isActive()) {
            finished = true;
            loop.quit();
        }
    };
    // Whatever arrived before the wait began counts too (a leftover "OK" ends it at once).
    pass();
    if (finished)
        return WaitEnd::Done;
    QEventLoop *const outer = std::exchange(wait_, &loop);
    const bool outerAbandoned = std::exchange(abandoned_, false);
    const auto onData = QObject::connect(&line_, &SerialLine::dataArrived, &loop, pass);
    const auto onTimer = QObject::connect(&timer, &QTimer::timeout, &loop, pass);
    loop.exec();
    QObject::disconnect(onData);
    QObject::disconnect(onTimer);
    wait_ = outer;
    const bool abandoned = std::exchange(abandoned_, outerAbandoned);
    if (finished)
        return WaitEnd::Done;
    return abandoned ? WaitEnd::Abandoned : WaitEnd::Quit;
}

AtExchange::Reply AtExchange::SendAndWait(const QString &command, QTimer &timer, bool drainFirst,
                                          const QStringList &stopTokens)
{
    Reply reply;
    const WaitEnd cleared = takeForeignAnswers();
    if (cleared != WaitEnd::Done) {
        reply.outcome = cleared == WaitEnd::Abandoned ? Outcome::Cancelled : Outcome::TimedOut;
        return reply;
    }
    if (drainFirst)
        line_.drain();

    line_.write(command + QLatin1Char('\r'));
    timer.start();
    return awaitReply(std::move(reply), timer, stopTokens);
}

AtExchange::Reply AtExchange::SendDataAndWait(const QString &data, QTimer &timer,
                                              const QStringList &stopTokens)
{
    Reply reply;
    reply.text = line_.input();
    if (containsAny(reply.text, stopTokens)) {
        reply.outcome = Outcome::StopToken;
        return reply;
    }
    line_.write(data);
    timer.start();
    return awaitReply(std::move(reply), timer, stopTokens);
}

AtExchange::Reply AtExchange::awaitReply(Reply reply, QTimer &timer, const QStringList &stopTokens)
{
    const WaitEnd end = collect(reply.text, timer, [&stopTokens](const QString &buffer) {
        return buffer.contains(FinalResult) || containsAny(buffer, stopTokens);
    });

    if (end == WaitEnd::Abandoned && timer.isActive()) {
        // The phone answers all the same, within the command's own time.
        owedSoFar_ += reply.text;
        owe(1, timer);
        reply.outcome = Outcome::Cancelled;
        return reply;
    }
    // A wait cut short by the program quitting counts as unanswered, so the operation ends at
    // once instead of racing through its remaining commands without waiting.
    if (end != WaitEnd::Done || !timer.isActive()) {
        timer.stop();
        reply.outcome = Outcome::TimedOut;
        return reply;
    }
    timer.stop();
    reply.outcome = containsAny(reply.text, stopTokens) ? Outcome::StopToken : Outcome::Completed;
    return reply;
}

AtExchange::WaitEnd AtExchange::takeForeignAnswers()
{
    // Answers meant for others go first, or the next command would read them as its own.
    WaitEnd cleared = WaitEnd::Done;
    if (probePending_)
        cleared = takeProbeAnswer();
    if (cleared == WaitEnd::Done && owed_ > 0)
        cleared = takeOwedAnswers();
    return cleared;
}

bool AtExchange::clearLine()
{
    return takeForeignAnswers() == WaitEnd::Done;
}

void AtExchange::sendWithoutWaiting(const QString &command)
{
    line_.write(command + QLatin1Char('\r'));
}

void AtExchange::sendUnawaited(const QString &command)
{
    line_.write(command + QLatin1Char('\r'));
    timTimeout.start();
    owe(1, timTimeout);
}

void AtExchange::Pause()
{
    // Leaves the line alone: what arrives meanwhile belongs to the next reader.
    timPause.start();
    QEventLoop loop;
    const auto onTimer = QObject::connect(&timPause, &QTimer::timeout, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(onTimer);
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
    if (owed_ == 0)
        return true;
    owedSoFar_ += line_.input();
    if (finalResultsIn(owedSoFar_) < owed_ && owedDeadline_->isActive())
        return false;
    forgetOwed();
    return true;
}

void AtExchange::beginProbe()
{
    probePending_ = true;
}

void AtExchange::endProbe()
{
    probePending_ = false;
}

AtExchange::WaitEnd AtExchange::takeProbeAnswer()
{
    probePending_ = false;
    QString answer;
    const WaitEnd end =
        collect(answer, timTimeoutState, [](const QString &buffer) { return buffer.contains(FinalResult); });
    if (end == WaitEnd::Abandoned && timTimeoutState.isActive()) {
        owedSoFar_ += answer;
        owe(1, timTimeoutState);
        return end;
    }
    timTimeoutState.stop();
    return end;
}

AtExchange::WaitEnd AtExchange::takeOwedAnswers()
{
    const WaitEnd end = collect(owedSoFar_, *owedDeadline_,
                                [this](const QString &buffer) { return finalResultsIn(buffer) >= owed_; });
    if (end == WaitEnd::Done)
        forgetOwed();
    return end;
}

void AtExchange::owe(int answers, QTimer &deadline)
{
    owed_ += answers;
    // All owed answers are awaited until the latest of their deadlines.
    if (!owedDeadline_ || !owedDeadline_->isActive() ||
        owedDeadline_->remainingTime() < deadline.remainingTime())
        owedDeadline_ = &deadline;
}

void AtExchange::forgetOwed()
{
    owed_ = 0;
    owedSoFar_.clear();
    if (owedDeadline_)
        owedDeadline_->stop();
    owedDeadline_ = nullptr;
}
