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

void MessageDeleter::remove(int row)
{
    OperationLock &lock = messages_.lock();
    if (!lock.guard(OperationLock::DeletingSMS))
        return;
    const SMSRecord *selected = messages_.messages().at(row);
    if (!selected) {
        lock.finish();
        return;
    }
    // Only the message the user chose: another one may carry the same key.
    deleteWithLockHeld(selected->slot);
}

void MessageDeleter::removeSlot(qint16 slot)
{
    if (messages_.lock().guard(OperationLock::DeletingSMS))
        deleteWithLockHeld(slot);
}

void MessageDeleter::deleteWithLockHeld(qint16 slot)
{
    OperationLock &lock = messages_.lock();
    const AtExchange::Reply reply = deleteSlot(messages_.exchange(), slot);
    if (reply.cancelled()) {
        lock.answered(reply);
        return;
    }
    if (reply.timedOut() || reply.refused()) {
        // The phone is there; it refused. Its answer for an empty slot needs no naming.
        const bool named = reply.refused() && reply.result != ShortMessages::EmptySlot;
        lock.inform(QStringLiteral("Unable to delete SMS") +
                    (named ? QStringLiteral(": ") + reply.result : QString()));
        lock.finish();
        return;
    }
    messages_.messages().removeSlot(slot);
    lock.finish();
}

void MessageDeleter::removeAll()
{
    OperationLock &lock = messages_.lock();
    if (!lock.guard(OperationLock::DeletingAllSMs))
        return;
    const QList<SMSRecord> listed = messages_.messages().sorted();
    for (const SMSRecord &message : listed) {
        // What the phone refuses shows in the download that follows.
        if (deleteSlot(messages_.exchange(), message.slot).cancelled())
            return;
    }
    lock.finish();
    messages_.SMSDownload();
}
