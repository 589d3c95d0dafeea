#include "atexchange.h"

#include "serialline.h"

#include <QEventLoop>

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

} // namespace

AtExchange::AtExchange(SerialLine &line, QObject *parent) : QObject(parent), line_(line)
{
    setUpTimer(timTimeout, "timTimeout", 5000);
    setUpTimer(timTimeOutLong, "timTimeOutLong", 30000);
    setUpTimer(timTimeoutState, "timTimeoutState", 1400);
    setUpTimer(timPause, "timPause", 300);
}

bool AtExchange::collect(QString &buffer, const QTimer &timer,
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
        return true;
    const auto onData = QObject::connect(&line_, &SerialLine::dataArrived, &loop, pass);
    const auto onTimer = QObject::connect(&timer, &QTimer::timeout, &loop, pass);
    loop.exec();
    QObject::disconnect(onData);
    QObject::disconnect(onTimer);
    // Otherwise the loop was ended from outside: the program is quitting.
    return finished;
}

AtExchange::Reply AtExchange::SendAndWait(const QString &command, QTimer &timer, bool drainFirst,
                                          const QStringList &stopTokens)
{
    if (probePending_)
        takeProbeAnswer();
    if (drainFirst)
        line_.drain();

    Reply reply;
    line_.write(command + QLatin1Char('\r'));
    timer.start();
    const bool waited = collect(reply.text, timer, [&stopTokens](const QString &buffer) {
        return buffer.contains(FinalResult) || containsAny(buffer, stopTokens);
    });

    // A wait cut short by the program quitting counts as unanswered, so the operation ends at
    // once instead of racing through its remaining commands without waiting.
    if (!waited || !timer.isActive()) {
        timer.stop();
        reply.outcome = Outcome::TimedOut;
        return reply;
    }
    timer.stop();
    reply.outcome = containsAny(reply.text, stopTokens) ? Outcome::StopToken : Outcome::Completed;
    return reply;
}

void AtExchange::sendWithoutWaiting(const QString &command)
{
    line_.write(command + QLatin1Char('\r'));
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

void AtExchange::beginProbe()
{
    probePending_ = true;
}

void AtExchange::endProbe()
{
    probePending_ = false;
}

void AtExchange::takeProbeAnswer()
{
    probePending_ = false;
    QString answer;
    collect(answer, timTimeoutState, [](const QString &buffer) { return buffer.contains(FinalResult); });
    timTimeoutState.stop();
}
