#pragma once

#include "smsrecord.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The Auto-SMS archive: a text file that only grows, one record per message (an empty line,
// the key or its bare label, "Number: ", the text, "Name:   "). A message counts as archived
// when a record with its key, then its number, then the beginning of its text is in the file.
class SmsArchive
{
    Q_DECLARE_TR_FUNCTIONS(SmsArchive)

public:
    explicit SmsArchive(const QString &path);
    QString path() const { return path_; }

    // Appends the records of the messages the file does not hold yet, each in one write. The
    // file is read once. False, with the reason, when it cannot be created, read or appended
    // to; records written before the failure stay.
    bool archive(const QList<SMSRecord> &messages, QString *error = nullptr) const;

    // The file chosen for the archive exists, or could be created empty.
    static bool prepare(const QString &path);

    static QString recordOf(const SMSRecord &message);

    // Which of the given messages the archive holds, found while its lines go by one at a
    // time, so a download does not keep the file in memory nor scan it once per message.
    class Contents
    {
    public:
        explicit Contents(const QList<SMSRecord> &messages, const QStringList &lines = {});
        // The next line of the file, empty ones included.
        void add(const QString &line);
        void add(const QStringList &lines);
        // True when a record of the message has gone by: its key (or bare label), then its
        // number, then the beginning of its text, empty lines not counted.
        bool holds(const SMSRecord &message) const;

    private:
        // One message on its way through the lines. A record it started takes the next line
        // as its number and, when that fits, the one after as its text; neither can start
        // another record of it.
        struct Match
        {
            SMSRecord message;
            QString text;             // what the first text line must begin
            int linesIntoRecord = -1; // -1: outside a record
            bool held = false;
        };
        QList<Match> matches_;
        QHash<QString, QList<int>> startedBy_; // key and label lines -> the matches they start
        QList<int> inRecord_;
    };

private:
    QString path_;
};
