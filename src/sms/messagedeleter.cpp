#include "messagedeleter.h"

#include "shortmessages.h"

#include "link/atexchange.h"
#include "link/operationlock.h"

namespace {

AtExchange::Reply deleteSlot(AtExchange &exchange, qint16 slot)
{
    return exchange.SendAndWait(QStringLiteral("AT+CMGD=") + QString::number(slot), exchange.timTimeout);
}

} // namespace

MessageDeleter::MessageDeleter(ShortMessages &messages) : messages_(messages) {}

OperationResult MessageDeleter::remove(int row)
{
    OperationLock &lock = messages_.lock();
    return lock.perform([&] {
        if (!lock.guard(OperationLock::DeletingSMS))
            return lock.refusal();
        const SMSRecord *selected = messages_.messages().at(row);
        if (!selected) {
            lock.finish();
            return OperationResult::notStarted(tr("No message selected"));
        }
        // Only the message the user chose: another one may carry the same key.
        return deleteWithLockHeld(selected->slot, selected->partSlots);
    });
}

OperationResult MessageDeleter::removeSlot(qint16 slot)
{
    OperationLock &lock = messages_.lock();
    return lock.perform([&] {
        if (!lock.guard(OperationLock::DeletingSMS))
            return lock.refusal();
        QList<qint16> partSlots;
        for (const SMSRecord &message : messages_.messages().bySlot()) {
            if (message.slot == slot)
                partSlots = message.partSlots;
        }
        return deleteWithLockHeld(slot, partSlots);
    });
}

OperationResult MessageDeleter::deleteWithLockHeld(qint16 slot, const QList<qint16> &partSlots)
{
    OperationLock &lock = messages_.lock();
    // A long message's other parts first: the message stays listed until the last is gone.
    AtExchange::Reply reply;
    for (const qint16 part : partSlots + QList<qint16>{slot}) {
        reply = deleteSlot(messages_.exchange(), part);
        if (!reply.completed())
            break;
    }
    if (reply.cancelled())
        return lock.resultOf(reply);
    if (reply.timedOut() || reply.refused()) {
        // The phone is there; it refused. Its answer for an empty slot needs no naming.
        const bool named = reply.refused() && reply.result != ShortMessages::EmptySlot;
        lock.setResult(reply.timedOut() ? OperationResult::timedOut()
                                        : OperationResult::refused(reply.command, reply.result));
        lock.tell(named ? tr("Unable to delete SMS: %1").arg(reply.result) : tr("Unable to delete SMS"));
        lock.finish();
        return lock.result();
    }
    messages_.messages().removeSlot(slot);
    lock.finish();
    return lock.result();
}

OperationResult MessageDeleter::removeAll()
{
    OperationLock &lock = messages_.lock();
    return lock.perform([&] {
        if (!lock.guard(OperationLock::DeletingAllSMs))
            return lock.refusal();
        const QList<SMSRecord> listed = messages_.messages().sorted();
        for (const SMSRecord &message : listed) {
            // What the phone refuses shows in the download that follows.
            for (const qint16 slot : message.partSlots + QList<qint16>{message.slot}) {
                if (deleteSlot(messages_.exchange(), slot).cancelled())
                    return lock.result();
            }
        }
        lock.finish();
        return messages_.SMSDownload();
    });
}
