#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class SerialLine;

// One command line out, its reply collected until the final result "OK" CR LF, a caller's
// stop token or the timer running out. The wait is a nested event loop woken by the line's
// data and the timer, so the window and the other timers keep running meanwhile.
class AtExchange : public QObject
{
    Q_OBJECT
public:
    enum class Outcome
    {
        Completed,
        StopToken,
        TimedOut
    };
    struct Reply
    {
        QString text;
        Outcome outcome = Outcome::TimedOut;
        bool timedOut() const { return outcome == Outcome::TimedOut; }
    };

    static const QString FinalResult; // "OK" CR LF

    explicit AtExchange(SerialLine &line, QObject *parent = nullptr);

    SerialLine &line() { return line_; }

    Reply SendAndWait(const QString &command, QTimer &timer, bool drainFirst = false,
                      const QStringList &stopTokens = {});
    // Writes the command and CR and does not wait for the answer.
    void sendWithoutWaiting(const QString &command);
    // Waits timPause out (300 ms) with events running.
    void Pause();

    // The connection probe's "AT" is on the line and its answer not yet taken. The first
    // exchange to start meanwhile takes that answer off the line before sending its own
    // command, so neither the probe nor the operation reads the other's reply.
    void beginProbe();
    void endProbe();
    bool probePending() const { return probePending_; }

    // One-shot timers bounding the waits; they do nothing but stop when they fire.
    QTimer timTimeout;      // 5000 ms: every ordinary command
    QTimer timTimeOutLong;  // 30000 ms: reading a whole phonebook
    QTimer timTimeoutState; // 1400 ms: the probe and each handshake command
    QTimer timPause;        // 300 ms: fixed pauses

private:
    // Appends what the line brings to buffer until done(buffer) holds or the timer stops.
    // False when the wait was ended from outside instead.
    bool collect(QString &buffer, const QTimer &timer, const std::function<bool(const QString &)> &done);
    void takeProbeAnswer();

    SerialLine &line_;
    bool probePending_ = false;
};
