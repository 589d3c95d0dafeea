#pragma once

#include "atexchange.h"
#include "operationresult.h"

#include <QList>
#include <QObject>
#include <QString>

#include <initializer_list>

class MessageBoxes;
class ProgressWindow;

// The single lock on the line and the name of what is going on: 0 no phone, 1 connected and
// idle, an operation's own code while it runs.
class OperationLock : public QObject
{
    Q_OBJECT
public:
    enum Code : qint16
    {
        NoPhone = 0,
        Idle = 1,
        UploadingRingtone = 21,
        LoadingRingtones = 22,
        ReloadingRingtones = 23,
        LoadingSMs = 24,
        DeletingSMS = 25,
        DeletingAllSMs = 26,
        LoadingContacts = 27,
        SavingContact = 28,
        UploadingContact = 29,
        DeletingContact = 30,
        LoadingInfos = 40,
        PlacingCall = 45,
        SendingKeys = 50,
        SendingSMS = 60,
        UploadingSMS = 61,
    };

    // The exchange is where a cancel ends the wait and sends its "AT"; none in tests of the
    // lock alone.
    explicit OperationLock(AtExchange *exchange = nullptr, QObject *parent = nullptr);

    void setMessageBoxes(MessageBoxes *boxes) { boxes_ = boxes; }
    void setProgressWindow(ProgressWindow *progress) { progress_ = progress; }
    ProgressWindow *progressWindow() const { return progress_; }
    MessageBoxes *messageBoxes() const { return boxes_; }
    // A Yes/No question; No when nobody can be asked.
    bool ask(const QString &text, const QString &title = QString()) const;

    // What the lock saw of the operation that took it last: Done from the guard on, then a
    // refusal, a time-out, a Cancel or lines left unanswered as its replies tell, and what the
    // person is told of it. An operation returns it, or what it found itself (setResult) when
    // that says more.
    const OperationResult &result() const { return result_; }
    void setResult(const OperationResult &result) { result_ = result; }
    // Adds a message box to what the person is told of the running operation.
    void tell(const QString &text, const QString &title = QString()) { result_ = result_.told(text, title); }

    // Runs an operation a front end starts and returns its result. One called by another (the
    // backup's steps, the download after "Delete All") hands its result to the caller; at the
    // end of the outermost, the front end's boxes show what its result tells. A click taken in
    // an operation's wait starts an outermost one of its own.
    template <typename Operation> OperationResult perform(Operation &&operation)
    {
        const bool outermost = beginPerforming();
        const OperationResult result = operation();
        endPerforming(outermost, result);
        return result;
    }

    qint16 action() const { return action_; }
    void setAction(qint16 code);
    bool isBusy() const { return action_ != NoPhone && action_ != Idle; }

    // The guard every operation runs first: "Not Connected!" without a phone, "Busy, try
    // again..." while another operation runs (unless its code is among alsoAccepted);
    // otherwise takes the lock with code and returns true. A Cancel left over from an earlier
    // operation does not reach this one.
    bool guard(qint16 code, std::initializer_list<qint16> alsoAccepted = {});
    // The guard's refusals without taking the lock, for operations that check more before.
    bool mayStart(std::initializer_list<qint16> alsoAccepted = {});
    // Why the guard or mayStart last said no ("Not Connected!", "Busy, try again..."), as the
    // refused operation returns it. Kept apart from result(): a click refused while another
    // operation runs must not change what that one returns.
    const OperationResult &refusal() const { return refusal_; }
    void finish() { setAction(Idle); }
    // The standard time-out handling: the phone counts as gone until the probe finds it.
    void timedOut()
    {
        result_ = OperationResult::timedOut();
        setAction(NoPhone);
    }
    // What an operation makes of a reply: true when the phone answered "OK". A refusal frees
    // the lock and the result names the phone's error; a time-out gets the standard
    // handling; a wait the user cancelled ends the operation as a cancel before its next item
    // does. Whatever the reason, the operation must end at once on false.
    bool answered(const AtExchange::Reply &reply);
    // As answered(), the result of a one-command operation.
    OperationResult resultOf(const AtExchange::Reply &reply)
    {
        answered(reply);
        return result_;
    }
    // After text or melody lines that found no answer in time, with check the phone's answer
    // to AtExchange::dropDataAndResynchronise: a phone that answers again only failed this
    // operation, which ends with failure (its sentence, %1 standing for the reason) telling the
    // reason; otherwise as answered().
    void dataUnanswered(const QString &command, const AtExchange::Reply &check, const QString &failure);
    // The guard's refusals, in words.
    static QString notConnectedText();
    static QString busyText();
    // "The phone refused "<command>": <error>".
    static QString refusalText(const AtExchange::Reply &reply);
    // What another phone than the Trium Mars is told of a command left without a result it knows.
    static QString unansweredText(const AtExchange::Reply &reply);
    // Ends the running operation with a failure the phone is not lost over: result is what the
    // operation returns, told the message box that says so. The lock is free again.
    bool fail(const OperationResult &result, const QString &told, const QString &title = QString());

    // Progress of a long operation.
    void openProgress();
    void closeProgress();
    // Before item i of n: true when the user cancelled, in which case the phone is sent a bare
    // "AT" without waiting, the lock is released and the operation must end.
    bool cancelledBeforeItem();
    void reportItem(int i, int n);
    // The Cancel button of the progress window: releases the lock at once and ends the wait
    // now running. Nothing to cancel while no operation runs.
    void cancel();
    bool abort() const { return abort_; }
    void setAbort(bool abort) { abort_ = abort; }

    // The program-state text of a code, as shown; empty for a code without one.
    static QString stateText(qint16 code);
    // The same untranslated, as the line recording keeps it.
    static QString stateName(qint16 code);
    // Item i of n as a percentage rounded to the nearest whole number, halves to even.
    static int percentOf(int i, int n);
    static QString percentText(int percent);

signals:
    void actionChanged(qint16 action);
    // The user cancelled the operation that runs.
    void cancelRequested();

private:
    void endCancelled();
    bool beginPerforming();
    void endPerforming(bool outermost, const OperationResult &result);

    AtExchange *exchange_ = nullptr;
    qint16 action_ = NoPhone;
    bool abort_ = false;
    OperationResult result_;
    OperationResult refusal_;
    QList<int> performing_; // of each perform() not ended, the event loop level it began in
    MessageBoxes *boxes_ = nullptr;
    ProgressWindow *progress_ = nullptr;
};
