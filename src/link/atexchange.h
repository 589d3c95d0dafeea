#pragma once

#include "owedanswers.h"

#include "phoneprofile.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QEventLoop;
class SerialLine;

// One command line out, its reply collected until its final result has arrived as a whole
// line of its own (see ReplyFraming) or the timer runs out. The wait is a nested event loop
// woken by the line's data and the timer, so the window and the other timers keep running.
class AtExchange : public QObject
{
    Q_OBJECT
public:
    enum class Outcome
    {
        Completed, // "OK"
        StopToken, // an error result ("ERROR", "+CME ERROR: n", "+CMS ERROR: n"): refused
        TimedOut,
        Cancelled // the user cancelled the operation while it waited
    };
    struct Reply
    {
        QString command;   // the command line answered, without its CR
        QString text;      // what arrived up to the end of the final result's line, less unsolicited codes
        QStringList lines; // text's information lines, framed (ReplyFraming::informationLines)
        QString result;    // the final result line ("OK", "+CMS ERROR: 321"); empty without one
        Outcome outcome = Outcome::TimedOut;
        bool timedOut() const { return outcome == Outcome::TimedOut; }
        bool cancelled() const { return outcome == Outcome::Cancelled; }
        bool completed() const { return outcome == Outcome::Completed; }
        bool refused() const { return outcome == Outcome::StopToken; }
        // The phone answered, either way: the line and the phone are fine.
        bool answered() const { return completed() || refused(); }
        // The information line of this reply that begins with prefix; empty if none.
        QString lineStartingWith(const QString &prefix) const;
    };

    static constexpr QChar CtrlZ{26}; // closes the text a command takes after its line

    explicit AtExchange(SerialLine &line, QObject *parent = nullptr);

    SerialLine &line() { return line_; }

    // What only the command's own answer carries beside its final result. A stray result that
    // came ahead of the answer ends the wait with an "OK" that lacks it; the line is then brought
    // back in step and the command asked again (twice at most).
    class Expected
    {
    public:
        // The final result alone: a setting, a write. A stray "OK" cannot be told apart.
        static Expected resultOnly() { return Expected(Kind::ResultOnly); }
        // The information line with this prefix ("+CMGR:").
        static Expected line(const QString &prefix) { return Expected(Kind::Line, prefix); }
        // A line of bare text ("AT+CGMI": the maker's name).
        static Expected text() { return Expected(Kind::Text); }

        bool checks() const { return kind_ != Kind::ResultOnly; }
        bool isMetBy(const Reply &reply) const;

    private:
        enum class Kind
        {
            ResultOnly,
            Line,
            Text
        };
        explicit Expected(Kind kind, const QString &prefix = QString()) : kind_(kind), prefix_(prefix) {}
        Kind kind_;
        QString prefix_;
    };
    // Whatever the line holds before the command goes is not its answer and is thrown away.
    Reply SendAndWait(const QString &command, QTimer &timer,
                      const Expected &expected = Expected::resultOnly());
    // A command line that announces text ("AT+CMGS=..."), written as SendAndWait writes it, then
    // waited for until the phone's "> " prompt has arrived and timPause has run out, so that the
    // text only ever goes where the phone takes it as text. Completed (result "> ") once it may
    // go; otherwise refused, timed out or cancelled as SendAndWait. When it did not complete the
    // phone may still be in text entry: escapeEntry() takes it out.
    // A command that gives no prompt (the melody header) is waited for through timPause alone:
    // Completed (result empty) when it has not refused the command by then.
    enum class Prompt
    {
        Expected,
        None
    };
    Reply SendAndWaitForPrompt(const QString &command, QTimer &timer, Prompt prompt = Prompt::Expected);
    // Data the phone takes without a word (a melody's note line), written as it stands and
    // waited for through timPause: refused when the phone answers it with a refusal meanwhile,
    // i.e. it was in command mode and read the data as a command line; Completed otherwise.
    Reply SendDataThroughPause(const QString &data, QTimer &timer, const QString &commandLine);
    // ESC, which ends the text entry a phone may be in, then a bare CR, each after the phone's
    // moment (timPause): a phone in command mode that took the ESC into its command line
    // finds that line ended. Waits with events running; asks nothing.
    void escapeEntry();
    static constexpr QChar Escape{27};
    // After text or melody lines that found no answer in time: what has not left yet is thrown
    // away, ESC (which drops a message text) and Ctrl-Z (which ends a melody) go, followed by a
    // bare CR as escapeEntry, and the phone is asked whether it answers again (resynchronise).
    // Completed once it does.
    Reply dropDataAndResynchronise(QTimer &timer);
    // The data a command line announced (a message text with its closing Ctrl-Z), written as it
    // stands, without a CR, and waited for as SendAndWait waits. What the phone said to the
    // command line meanwhile opens the reply. When it already refused the command the data is
    // not written: it would be read as command lines. The reply names commandLine, the line
    // that announced the data, as the command it answers.
    // With confirmation set ("+CMGS:"), an "OK" before that line is no end: the phone's answer
    // to the text always carries it, so a stray result cannot pass for the phone's word.
    Reply SendDataAndWait(const QString &data, QTimer &timer, const QString &commandLine,
                          const QString &confirmation = QString());
    // How a wait for the line ended.
    enum class Wait
    {
        Satisfied,  // what was waited for is there
        TimerEnded, // the timer ran out first
        Stuck,      // the line took nothing more of what was written for the timer's time
        Abandoned,  // abandonWait()
        Quit        // the loop was ended from outside: the program is quitting
    };
    // Takes off the line the answers meant for others (one its sender reads by itself, those
    // owed to cancelled commands), as every command does first. Abandoned or Quit when that wait
    // was cancelled or the program quits; nothing may be sent then.
    Wait takeForeignAnswers();
    // Writes the command and CR and no more: the caller reads the answer itself (the probe).
    void writeCommand(const QString &command);
    // Writes the command and CR and leaves its answer to be dropped: the next command first
    // takes it off the line instead of reading it as its own reply.
    void sendAndDropAnswer(const QString &command);
    // Waits timPause out with events running; never less than its interval, which the handset
    // needs between keys.
    void Pause();
    // Takes off the line everything the phone still sends for earlier commands: the sync query
    // is sent, and all up to the end of its answer is dropped. Completed once the line is in
    // step; timed out or cancelled as a command's wait is.
    Reply resynchronise(QTimer &timer);
    // The command whose answer nothing else carries, and a word only that answer holds; empty
    // marker: the first answer with a line of bare text. The handshake names the phone's maker.
    struct SyncQuery
    {
        QString command = QStringLiteral("AT+CGMI");
        QString answerMarker;
    };
    void setSyncQuery(const SyncQuery &query) { sync_ = query; }
    // What the phone greeted last is and can do, as its greeting found out; every operation
    // asks this.
    const PhoneProfile &phone() const { return phone_; }
    void setPhone(const PhoneProfile &phone) { phone_ = phone; }
    // How names and texts cross the line to that phone.
    PhoneText phoneText() const { return phone_.text(); }

    // Ends the wait now running at once as Cancelled. The phone still owes the answer to the
    // command that was waited for; it is taken off the line like the answer of sendAndDropAnswer.
    void abandonWait();

    // Answers the phone still owes to commands nobody waits for any more.
    bool owesAnswers() const { return owed_.any(); }
    // Takes off the line what has arrived of those answers, without waiting. True once none
    // is owed any more (all arrived, or their time ran out).
    bool settleOwedAnswers();

    // An answer on its way that its sender reads by itself as it comes (the connection probe's).
    // The first command to start meanwhile has takeOff take it off the line before sending, so
    // neither reads the other's reply. Cleared once called, or with an empty function.
    void setForeignAnswer(std::function<Wait()> takeOff) { foreignAnswer_ = std::move(takeOff); }
    // Adds what has arrived to soFar until it holds one whole reply or the timer ends; the timer
    // is stopped then. Cancelled while the timer runs, that answer is owed as a cancelled
    // command's is.
    Wait awaitOneReply(QString &soFar, QTimer &timer);

    // One-shot timers bounding the waits; they do nothing but stop when they fire.
    QTimer timTimeout;      // 5000 ms: every ordinary command
    QTimer timTimeOutLong;  // 30000 ms: reading a whole phonebook
    QTimer timTimeoutState; // 1400 ms: the probe and each handshake command
    QTimer timPause;        // 300 ms: fixed pauses

private:
    // Appends what the line brings to buffer until done(buffer) holds or the timer stops.
    // wakeAlso: a second timer whose end is worth a look at done(buffer).
    Wait collect(QString &buffer, const QTimer &timer, const std::function<bool(const QString &)> &done,
                 const QTimer *wakeAlso = nullptr);
    // Takes foreign answers off the line, drains it, writes the command and starts the timer
    // once it has left. What arrives meanwhile goes to soFar.
    Wait sendLine(const QString &command, QTimer &timer, QString &soFar);
    // Writes what the phone takes after a command line, then as sendLine.
    Wait sendData(const QString &data, QTimer &timer, QString &soFar);
    // Waits until the line has carried all that was written. The timer's interval bounds a
    // stall; it starts once all has left, or with the answer owed when the user cancelled.
    Wait finishSending(QTimer &timer, QString &soFar);
    static Outcome unanswered(Wait end);
    // A wait the user cancelled while the phone still had time to answer: its answer is owed.
    bool oweIfAbandoned(Wait end, QTimer &timer, const QString &soFar);
    Reply exchange(const QString &command, QTimer &timer);
    // The end of the sync query's answer is in buffer.
    bool holdsSyncAnswer(const QString &buffer) const;
    // Waits for the reply to what was just written, with the timer running.
    Reply awaitReply(Reply reply, QTimer &timer, const QString &confirmation = QString());
    // Waits for the prompt and timPause after what was just written (SendAndWaitForPrompt).
    Reply awaitPrompt(Reply reply, QTimer &timer, Prompt prompt);
    void endEntry(const QString &closing);
    Wait takeOwedAnswers();

    SerialLine &line_;
    PhoneProfile phone_;
    SyncQuery sync_;
    std::function<Wait()> foreignAnswer_;

    QEventLoop *wait_ = nullptr; // the innermost wait now running
    bool abandoned_ = false;

    OwedAnswers owed_;
};
