#include "sendernames.h"

SenderNames::SenderNames(const QList<ContactsCache::Entry> &cached)
{
    nameOfNumber_.reserve(cached.size());
    for (const ContactsCache::Entry &entry : cached) {
        // A line without the separator names nobody; of two lines for a number the first wins.
        const QString number = normalisedCacheNumber(entry.number);
        if ((!entry.name.isEmpty() || !entry.number.isEmpty()) && !nameOfNumber_.contains(number))
            nameOfNumber_.insert(number, entry.name);
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
    const auto found = nameOfNumber_.constFind(normalisedMessageNumber(number));
    if (found == nameOfNumber_.constEnd())
        return false;
    *name = found.value();
    return true;
}
