#pragma once

#include "phonebook/contactscache.h"

#include <QHash>
#include <QList>
#include <QString>

// Names for the numbers messages come from, out of the contacts cache as read once per
// download. A cached +49D or 0D names a message from +49D, 49D or 0D; the first cache line that
// fits wins.
class SenderNames
{
public:
    explicit SenderNames(const QList<ContactsCache::Entry> &cached);

    // False, leaving name alone, when no cached number fits.
    bool find(const QString &number, QString *name) const;

    static QString normalisedCacheNumber(const QString &number);
    static QString normalisedMessageNumber(const QString &number);

private:
    QHash<QString, QString> nameOfNumber_; // normalised number -> name of its first cache line
};
