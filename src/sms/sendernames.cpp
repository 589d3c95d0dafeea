#include "sendernames.h"

SenderNames::SenderNames(const QList<ContactsCache::Entry> &cached)
{
    for (const ContactsCache::Entry &entry : cached) {
        // A line without the separator names nobody.
        if (!entry.name.isEmpty() || !entry.number.isEmpty())
            cached_.append({entry.name, normalisedCacheNumber(entry.number)});
    }
}

QString SenderNames::normalisedCacheNumber(const QString &number)
{
    // An international number loses its country code: +49 30... compares as 030...
    return number.startsWith(QLatin1Char('+')) ? QLatin1Char('0') + number.mid(3) : number;
}

QString SenderNames::normalisedMessageNumber(const QString &number)
{
    const QString local = normalisedCacheNumber(number);
    return local.startsWith(QLatin1String("49")) ? QLatin1Char('0') + local.mid(2) : local;
}

bool SenderNames::find(const QString &number, QString *name) const
{
    const QString wanted = normalisedMessageNumber(number);
    for (const ContactsCache::Entry &entry : cached_) {
        if (entry.number == wanted) {
            *name = entry.name;
            return true;
        }
    }
    return false;
}
