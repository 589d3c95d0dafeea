#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What an operation did, for whoever started it: a front end showing it, a command line
// choosing its exit status, an operation made of others passing it on.
struct OperationResult
{
    enum class Kind
    {
        Done,
        Partial,        // done, but some of it could not be read: see missing
        NotStarted,     // no phone, another operation running, or nothing fit to send
        Declined,       // the person answered No to the operation's question
        Refused,        // the phone said no to command, or a file could not be written
        TimedOut,       // the phone stopped answering: it counts as gone
        Cancelled,      // the person pressed Cancel
        DataUnanswered, // the phone answers again, but not to the text or melody it was sent
    };

    // A message box the person is shown of it; an empty title means the program's title.
    struct Notice
    {
        QString text;
        QString title;
        bool operator==(const Notice &other) const { return text == other.text && title == other.title; }
    };

    Kind kind = Kind::Done;
    QString command;       // the command refused, or the one whose data found no answer
    QString error;         // the phone's error ("+CMS ERROR: 321"), or the reason in words
    QStringList missing;   // of a partial result: each item that could not be read
    QList<Notice> notices; // what the person is told of it, in the order it happened

    static OperationResult done() { return {}; }
    static OperationResult partial(const QStringList &missing)
    {
        return {Kind::Partial, {}, {}, missing, {}};
    }
    static OperationResult notStarted(const QString &reason = QString())
    {
        return {Kind::NotStarted, {}, reason, {}, {}};
    }
    static OperationResult declined() { return {Kind::Declined, {}, {}, {}, {}}; }
    static OperationResult refused(const QString &command, const QString &error)
    {
        return {Kind::Refused, command, error, {}, {}};
    }
    static OperationResult timedOut() { return {Kind::TimedOut, {}, {}, {}, {}}; }
    static OperationResult cancelled() { return {Kind::Cancelled, {}, {}, {}, {}}; }
    static OperationResult dataUnanswered(const QString &command, const QString &reason)
    {
        return {Kind::DataUnanswered, command, reason, {}, {}};
    }

    // The operation did its work, perhaps with gaps (Partial).
    bool succeeded() const { return kind == Kind::Done || kind == Kind::Partial; }
    explicit operator bool() const { return succeeded(); }
    bool is(Kind k) const { return kind == k; }

    // This result, telling the person text as well.
    OperationResult told(const QString &text, const QString &title = QString()) const
    {
        OperationResult result = *this;
        result.notices.append({text, title});
        return result;
    }

    // Two parts of one operation as one: the first failure, else gaps, else done; what either
    // part could not read, and what either told, is kept.
    static OperationResult worse(const OperationResult &a, const OperationResult &b)
    {
        OperationResult both = !a.succeeded() ? a : !b.succeeded() ? b : a.is(Kind::Partial) ? a : b;
        both.missing = a.missing + b.missing;
        both.notices = a.notices + b.notices;
        return both;
    }
};
