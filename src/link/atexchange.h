#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QEventLoop;
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
        TimedOut,
        Cancelled // the user cancelled the operation while it waited
    };
    struct Reply
    {
        QString text;
        Outcome outcome = Outcome::TimedOut;
        bool timedOut() const { return outcome == Outcome::TimedOut; }
        bool cancelled() const { return outcome == Outcome::Cancelled; }
        bool answered() const { return outcome == Outcome::Completed || outcome == Outcome::StopToken; }
    };

    static const QString FinalResult; // "OK" CR LF
    static constexpr QChar CtrlZ{26}; // closes the text a command takes after its line

    explicit AtExchange(SerialLine &line, QObject *parent = nullptr);

    SerialLine &line() { return line_; }

    Reply SendAndWait(const QString &command, QTimer &timer, bool drainFirst = false,
                      const QStringList &stopTokens = {});
    // The data a command line announced (a message text with its closing Ctrl-Z), written as it
    // stands, without a CR, and waited for as SendAndWait waits. What the phone said to the
    // command line meanwhile opens the reply. When a stop token is already among it, the phone
    // refused the command and the data is not written: it would be read as command lines.
    Reply SendDataAndWait(const QString &data, QTimer &timer, const QStringList &stopTokens = {});
    // Takes off the line the answers meant for others (a pending probe's, those owed to cancelled
    // commands), as every SendAndWait does first. False when that wait was cancelled or the
    // program quits; nothing may be sent then.
    bool clearLine();
    // Writes the command and CR and does not wait for the answer; whoever reads next gets it.
    void sendWithoutWaiting(const QString &command);
    // Writes the command and CR without waiting, but its answer is owed: the next command
    // first takes it off the line instead of reading it as its own reply.
    void sendUnawaited(const QString &command);
    // Waits timPause out (300 ms) with events running.
    void Pause();

    // Ends the wait now running at once as Cancelled. The phone still owes the answer to the
    // command that was waited for; it is taken off the line like the answer of sendUnawaited.
    void abandonWait();

    // Answers the phone still owes to commands nobody waits for any more.
    bool owesAnswers() const { return owed_ > 0; }
    // Takes off the line what has arrived of those answers, without waiting. True once none
    // is owed any more (all arrived, or their time ran out).
    bool settleOwedAnswers();

    // The connection probe's "AT" is on the line and its answer not yet taken. The first
    // exchange to start meanwhile takes that answer off the line before sending its own
    // command, so neither the probe nor the operation reads the other's reply.
    void beginProbe();
    void endProbe();
    bool probePending() const { return probePending_; }

    // Final results ("OK", "ERROR", "+CME ERROR: n", "+CMS ERROR: n") among the complete
    // lines of text.
    static int finalResultsIn(const QString &text);

    // One-shot timers bounding the waits; they do nothing but stop when they fire.
    QTimer timTimeout;      // 5000 ms: every ordinary command
    QTimer timTimeOutLong;  // 30000 ms: reading a whole phonebook
    QTimer timTimeoutState; // 1400 ms: the probe and each handshake command
    QTimer timPause;        // 300 ms: fixed pauses

private:
    enum class WaitEnd
    {
        Done,      // done(buffer) held or the timer ran out
        Abandoned, // abandonWait()
        Quit       // the loop was ended from outside: the program is quitting
    };
    // Appends what the line brings to buffer until done(buffer) holds or the timer stops.
    WaitEnd collect(QString &buffer, const QTimer &timer, const std::function<bool(const QString &)> &done);
    // Waits for the reply to what was just written, with the timer running.
    Reply awaitReply(Reply reply, QTimer &timer, const QStringList &stopTokens);
    WaitEnd takeForeignAnswers();
    WaitEnd takeProbeAnswer();
    WaitEnd takeOwedAnswers();
    void owe(int answers, QTimer &deadline);
    void forgetOwed();

    SerialLine &line_;
    bool probePending_ = false;

    QEventLoop *wait_ = nullptr; // the innermost wait now running
    bool abandoned_ = false;

    int owed_ = 0;
    QString owedSoFar_;
    QTimer *owedDeadline_ = nullptr;
};
