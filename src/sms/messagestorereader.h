#pragma once

#include "cmgrreply.h"
#include "messagestorage.h"
#include "smspdu.h"
#include "smsrecord.h"

#include <QList>
#include <QMap>

class AtExchange;
class OperationLock;
class SenderNames;

// Reads every message another phone holds: listed at once with "AT+CMGL="ALL"" where the
// phone has it and lists as many as "AT+CPMS?" counts, otherwise slot by slot until that many
// came (an empty slot answers a bare "OK" or "+CMS ERROR: 321").
class MessageStoreReader
{
public:
    MessageStoreReader(AtExchange &exchange, OperationLock &lock, CmgrReply &replies,
                       const SenderNames &names);

    struct Store
    {
        QMap<int, SMSRecord> messages; // by slot
        QList<UnreadableSlot> unreadable;
        QMap<int, SmsPdu::Concatenation> parts; // of the slots that hold a part of a long message
        int firstSlot = 1;
        int slotCount = 0; // as many as the storage holds
    };
    // False when the operation has ended (time-out, Cancel).
    bool read(int knownSlots, Store *store);
    // The one message in slot, into store (nothing for an empty slot, unreadable when refused).
    bool readOne(int slot, Store *store);
    // What "AT+CPMS?" says of the storage read; false when the operation ended.
    bool askStorage(MessageStorage *storage);

private:
    // Slots read of a phone that tells neither its size nor lists its messages.
    static constexpr int UntoldSlots = 50;

    bool readAll(int knownSlots, Store *store);
    // True with listed false when the phone has no listing.
    bool list(Store *store, bool *listed);
    // refusalCounts: a refusal other than the empty slot's makes the slot unreadable.
    bool readSlot(int slot, Store *store, bool refusalCounts);
    SMSRecord named(SMSRecord record) const;
    // A message as its header and text came: in text mode or as a PDU.
    void take(int slot, const QString &header, const QString &prefix, const QString &body, Store *store);

    AtExchange &exchange_;
    OperationLock &lock_;
    CmgrReply &replies_;
    const SenderNames &names_;
};
