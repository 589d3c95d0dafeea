#pragma once

#include "smsrecord.h"

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
    // True when the archive's lines (empty ones included) hold a record of the message.
    static bool holds(const QStringList &lines, const SMSRecord &message);

private:
    QString path_;
};
