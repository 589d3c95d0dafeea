#pragma once

#include "contact.h"

#include <QList>
#include <QString>

// Every contact ever read from the phone, as contact lines in the order first seen. It only
// grows: names stay for numbers that were deleted or changed on the phone. The message list
// and the contact picker read it to put names to numbers.
class ContactsCache
{
public:
    using Entry = Contact;

    explicit ContactsCache(const QString &path = defaultPath());
    static QString defaultPath();
    QString path() const { return path_; }

    // Appends the contacts whose line is not in the file yet, leaving out those without a name
    // or a number. Nothing to append leaves the file alone (not even creating it); a file that
    // cannot be read is not appended to, and one that cannot be written is ignored.
    void merge(const QList<Entry> &contacts) const;
    // One entry per line; a line without separator gives an empty name and number. A missing
    // or unreadable file gives no entries.
    QList<Entry> read() const;

private:
    QString path_;
};
