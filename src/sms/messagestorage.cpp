#include "messagestorage.h"

#include "text/atfields.h"

MessageStorage MessageStorage::of(const QString &reply)
{
    static const QString Prefix = QStringLiteral("+CPMS:");
    MessageStorage storage;
    const auto fields = AtFields::ofLine(AtFields::lineOf(reply, Prefix), Prefix);
    if (!fields || fields->isEmpty())
        return storage;
    if (fields->at(0).quoted)
        storage.memory = fields->at(0).text;
    const auto used = fields->value(1).toNumber();
    const auto total = fields->value(2).toNumber();
    if (used && total && *used >= 0 && *total > 0) {
        storage.used = used;
        storage.total = total;
    }
    return storage;
}
