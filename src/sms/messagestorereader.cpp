#include "messagestorereader.h"

#include "messageheader.h"
#include "sendernames.h"
#include "shortmessages.h"

#include "link/atexchange.h"
#include "link/operationlock.h"

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
    if (store->messages.contains(0))
        store->firstSlot = 0;
    // A phone that does not tell its size holds at least what it gave.
    if (!store->messages.isEmpty())
        store->slotCount = std::max(store->slotCount, store->messages.lastKey() + 1 - store->firstSlot);
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
    // String parameters are in the phone's character set ("0041004C004C" under UCS2).
    const AtExchange::Reply reply = exchange_.SendAndWait(
        QStringLiteral("AT+CMGL=\"") + phone.toPhone(QStringLiteral("ALL")) + QLatin1Char('"'),
        exchange_.timTimeOutLong);
    *listed = reply.completed();
    if (!reply.completed())
        return reply.refused() || lock_.answered(reply);
    for (const MessageListing::Entry &entry : MessageListing::entries(reply.text)) {
        const auto header = MessageHeader::parse(entry.header, QStringLiteral("+CMGL:"), phone);
        if (!header)
            continue;
        const int slot = *header->index;
        store->messages.insert(slot, named(replies_.take(*header, entry.body, qint16(slot), phone)));
    }
    return true;
}

bool MessageStoreReader::readSlot(int slot, Store *store, bool refusalCounts)
{
    const PhoneText phone = exchange_.phoneText();
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
    const auto header = MessageHeader::parse(line, CmgrReply::Header, phone);
    if (!header)
        return true;
    const QString fromHeader = reply.text.mid(reply.text.indexOf(CmgrReply::Header));
    QString body = CmgrReply::bodyOf(QLatin1Char('\n') + fromHeader);
    store->messages.insert(slot, named(replies_.take(*header, body, qint16(slot), phone)));
    return true;
}
