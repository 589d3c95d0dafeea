#include "messagestorage.h"

#include "text/atfields.h"

MessageStorage MessageStorage::of(const QString &reply)
{
    static const QString Prefix = QStringLiteral("+CPMS:");
    MessageStorage storage;
    const qsizetype at = reply.indexOf(Prefix);
    if (at < 0)
        return storage;
    qsizetype end = reply.indexOf(QLatin1Char('\r'), at);
    if (end < 0)
        end = reply.size();
    const auto fields = AtFields::ofLine(QStringView(reply).sliced(at, end - at), Prefix);
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
