#pragma once

#include "smsrecord.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The Auto-SMS archive: a text file that only grows, one record per message (an empty line,
// the key or its bare label, "Number: ", the text, "Name:   "). A message counts as archived
// when a record with its key, then its number, then the beginning of its text is in the file.
class SmsArchive
{
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

    // What the archive holds, read once and looked up by the lines records of the given
    // messages would start with, so a download does not scan the whole file once per message.
    class Contents
    {
    public:
        explicit Contents(const QList<SMSRecord> &messages, const QStringList &lines = {});
        // Lines as a file of them reads, empty ones included.
        void add(const QStringList &lines);
        // True when a record of the message is in: its key (or bare label), then its number,
        // then the beginning of its text, empty lines not counted.
        bool holds(const SMSRecord &message) const;

    private:
        QStringList lines_;                 // without the empty ones
        QHash<QString, QList<int>> starts_; // key and label lines -> where they stand in lines_
    };

private:
    QString path_;
};
