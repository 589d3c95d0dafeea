#include "messagestorereader.h"

#include "longmessages.h"
#include "messageheader.h"
#include "sendernames.h"
#include "shortmessages.h"

#include "link/atexchange.h"
#include "link/operationlock.h"
#include "text/atfields.h"

#include <algorithm>

MessageStoreReader::MessageStoreReader(AtExchange &exchange, OperationLock &lock, CmgrReply &replies,
                                       const SenderNames &names)
    : exchange_(exchange), lock_(lock), replies_(replies), names_(names)
{
}

SMSRecord MessageStoreReader::named(SMSRecord record) const
{
    names_.find(record.number, &record.name);
    return record;
}

bool MessageStoreReader::askStorage(MessageStorage *storage)
{
    const AtExchange::Reply reply =
        exchange_.SendAndWait(QStringLiteral("AT+CPMS?"), exchange_.timTimeout,
                              AtExchange::Expected::line(QStringLiteral("+CPMS:")));
    *storage = reply.completed() ? MessageStorage::of(reply.text) : MessageStorage();
    return reply.answered() || lock_.answered(reply);
}

bool MessageStoreReader::read(int knownSlots, Store *store)
{
    if (!readAll(knownSlots, store))
        return false;
    store->messages = LongMessages::joined(store->messages, store->parts);
    if (store->messages.contains(0))
        store->firstSlot = 0;
    // A phone that does not tell its size holds at least what it gave.
    if (!store->messages.isEmpty())
        store->slotCount = std::max(store->slotCount, store->messages.lastKey() + 1 - store->firstSlot);
    return true;
}

bool MessageStoreReader::readOne(int slot, Store *store)
{
    if (!readSlot(slot, store, true))
        return false;
    store->messages = LongMessages::joined(store->messages, store->parts);
    return true;
}

bool MessageStoreReader::readAll(int knownSlots, Store *store)
{
    MessageStorage storage;
    if (!askStorage(&storage))
        return false;
    store->slotCount = storage.total.value_or(knownSlots > 0 ? knownSlots : UntoldSlots);
    bool listed = false;
    if (!list(store, &listed))
        return false;
    const int used = storage.used.value_or(-1);
    if (listed && (used < 0 || store->messages.size() >= used))
        return true;

    // Slot by slot, up to the count; a phone that gives none is read to its last slot.
    const auto missing = [&] { return used < 0 || store->messages.size() < used; };
    for (int slot = 1; slot <= store->slotCount && missing(); ++slot) {
        if (lock_.cancelledBeforeItem())
            return false;
        lock_.reportItem(slot, store->slotCount);
        if (store->messages.contains(slot))
            continue;
        if (!readSlot(slot, store, true))
            return false;
    }
    // Some modems count their slots from 0; the others refuse that slot.
    return !missing() || store->messages.contains(0) || readSlot(0, store, false);
}

bool MessageStoreReader::list(Store *store, bool *listed)
{
    const PhoneText phone = exchange_.phoneText();
    // String parameters are in the phone's character set ("0041004C004C" under UCS2); PDU mode
    // numbers the status, 4 for all.
    const QString command =
        exchange_.phone().messagesInPdu()
            ? QStringLiteral("AT+CMGL=4")
            : QStringLiteral("AT+CMGL=\"") + phone.toPhone(QStringLiteral("ALL")) + QLatin1Char('"');
    const AtExchange::Reply reply = exchange_.SendAndWait(command, exchange_.timTimeOutLong);
    *listed = reply.completed();
    if (!reply.completed())
        return reply.refused() || lock_.answered(reply);
    for (const MessageListing::Entry &entry : MessageListing::entries(reply.text)) {
        const auto index = AtFields::ofLine(entry.header, QStringLiteral("+CMGL:"));
        if (index && !index->isEmpty() && index->at(0).toNumber())
            take(*index->at(0).toNumber(), entry.header, QStringLiteral("+CMGL:"), entry.body, store);
    }
    return true;
}

void MessageStoreReader::take(int slot, const QString &header, const QString &prefix, const QString &body,
                              Store *store)
{
    if (!exchange_.phone().messagesInPdu()) {
        const PhoneText phone = exchange_.phoneText();
        if (const auto parsed = MessageHeader::parse(header, prefix, phone))
            store->messages.insert(slot, named(replies_.take(*parsed, body, qint16(slot), phone)));
        return;
    }
    // "+CMGL: 3,1,,23" or "+CMGR: 1,,23": the status as a number, then the PDU on a line of its own.
    const auto fields = AtFields::ofLine(header, prefix);
    const int status = fields && fields->size() > (prefix == QLatin1String("+CMGL:") ? 1 : 0)
                           ? fields->at(prefix == QLatin1String("+CMGL:") ? 1 : 0).toNumber().value_or(-1)
                           : -1;
    QString error;
    const auto message = SmsPdu::decode(body.section(QLatin1Char('\n'), 0, 0).trimmed().toLatin1(), &error);
    if (!message) {
        store->unreadable.append({qint16(slot), QStringLiteral("a PDU Quenda cannot read (%1)").arg(error)});
        return;
    }
    static const QStringList Statuses = {QStringLiteral("REC UNREAD"), QStringLiteral("REC READ"),
                                         QStringLiteral("STO UNSENT"), QStringLiteral("STO SENT")};
    MessageHeader parsed;
    parsed.status = Statuses.value(status);
    parsed.address = message->address;
    parsed.timeStamp = message->timeStamp;
    store->messages.insert(slot, named(replies_.takeText(parsed, message->text, qint16(slot))));
    if (message->concatenation)
        store->parts.insert(slot, *message->concatenation);
}

bool MessageStoreReader::readSlot(int slot, Store *store, bool refusalCounts)
{
    const AtExchange::Reply reply =
        exchange_.SendAndWait(QStringLiteral("AT+CMGR=") + QString::number(slot), exchange_.timTimeout);
    if (reply.refused()) {
        if (refusalCounts && reply.result != ShortMessages::EmptySlot)
            store->unreadable.append({qint16(slot), reply.result});
        return true;
    }
    if (!lock_.answered(reply))
        return false;
    const QString line = reply.lineStartingWith(CmgrReply::Header);
    if (line.isEmpty())
        return true;
    const QString fromHeader = reply.text.mid(reply.text.indexOf(CmgrReply::Header));
    take(slot, line, CmgrReply::Header, CmgrReply::bodyOf(QLatin1Char('\n') + fromHeader), store);
    return true;
}
