#include "shortmessages.h"

#include "messagestorereader.h"
#include "sendernames.h"
#include "smsarchive.h"

#include "link/atexchange.h"
#include "link/operationlock.h"
#include "link/settings.h"
#include "link/supervisor.h"
#include "phonebook/contactscache.h"
#include "text/replyparser.h"
#include "text/textfile.h"

#include <QFileInfo>

const QString ShortMessages::EmptySlot = QStringLiteral("+CMS ERROR: 321");

ShortMessages::ShortMessages(AtExchange &exchange, OperationLock &lock, Supervisor &supervisor,
                             Settings &settings, const QString &contactsCachePath, QObject *parent)
    : QObject(parent), exchange_(exchange), lock_(lock), supervisor_(supervisor), settings_(settings),
      contactsCachePath_(contactsCachePath)
{
}

int ShortMessages::maxSms() const
{
    return supervisor_.MaxSMS;
}

OperationResult ShortMessages::SMSDownload(ArchiveStep step, const QString &archiveFile)
{
    return lock_.perform([&] { return download(step, archiveFile); });
}

bool ShortMessages::chooseFormat()
{
    const QString format = exchange_.phone().isTriumMars()     ? QStringLiteral("at+cmgf=1")
                           : exchange_.phone().messagesInPdu() ? QStringLiteral("AT+CMGF=0")
                                                               : QStringLiteral("AT+CMGF=1");
    return lock_.answered(exchange_.SendAndWait(format, exchange_.timTimeout));
}

SenderNames ShortMessages::senderNames() const
{
    if (!QFileInfo::exists(contactsCachePath_))
        TextFile::appendLines(contactsCachePath_, {});
    return SenderNames(ContactsCache(contactsCachePath_).read());
}

OperationResult ShortMessages::readArrived(const QString &memory, int slot, SMSRecord *record)
{
    *record = SMSRecord();
    if (!lock_.guard(OperationLock::LoadingSMs))
        return lock_.refusal();
    if (!chooseFormat())
        return lock_.result();
    replies_.startDownload();
    const SenderNames names = senderNames();
    MessageStoreReader reader(exchange_, lock_, replies_, names);
    // The slot counts in the memory messages are read from; a code for another says nothing.
    MessageStorage storage;
    if (!reader.askStorage(&storage))
        return lock_.result();
    if (!storage.memory.isEmpty() && storage.memory.compare(memory, Qt::CaseInsensitive) != 0) {
        lock_.finish();
        return lock_.result();
    }
    MessageStoreReader::Store store;
    if (!reader.readOne(slot, &store))
        return lock_.result();
    lock_.finish();
    if (!store.unreadable.isEmpty())
        return OperationResult::refused(QStringLiteral("AT+CMGR=") + QString::number(slot),
                                        store.unreadable.constFirst().result);
    *record = store.messages.value(slot);
    return lock_.result();
}

OperationResult ShortMessages::download(ArchiveStep step, const QString &archiveFile)
{
    if (!lock_.guard(OperationLock::LoadingSMs))
        return lock_.refusal();
    messages_.clear();
    replies_.startDownload();
    const bool triumMars = exchange_.phone().isTriumMars();
    if (!chooseFormat())
        return lock_.result();
    lock_.openProgress();

    // Read once for the whole download, not once per message.
    const SenderNames names = senderNames();
    if (!triumMars) {
        MessageStoreReader::Store store;
        if (!MessageStoreReader(exchange_, lock_, replies_, names).read(maxSms(), &store))
            return lock_.result();
        messages_.clear(store.firstSlot);
        for (int slot = store.firstSlot; slot < store.firstSlot + store.slotCount; ++slot) {
            if (store.messages.contains(slot))
                messages_.append(store.messages.value(slot));
            else
                messages_.appendEmpty();
        }
        return finishDownload(step, archiveFile, store.slotCount, store.unreadable, exchange_.phone().name());
    }

    // The phone says how many messages it holds: once all are in, the slots after the last
    // one are empty, and reading them only costs time.
    const int slotCount = maxSms();
    int stored = UnknownCount;
    if (slotCount > 0 && !askStoredCount(stored))
        return lock_.result();
    int found = 0;
    QList<UnreadableSlot> unreadable;
    for (int i = 1; i <= slotCount; ++i) {
        if (lock_.cancelledBeforeItem())
            return lock_.result();
        if (stored != UnknownCount && found >= stored) {
            // Unless one came in meanwhile: then the rest is read as without a count.
            int now = UnknownCount;
            if (!askStoredCount(now))
                return lock_.result();
            if (now != UnknownCount && now <= found) {
                for (; i <= slotCount; ++i)
                    messages_.appendEmpty();
                break;
            }
            stored = UnknownCount;
        }
        if (stored > 0)
            lock_.reportItem(found + 1, stored);
        else
            lock_.reportItem(i, slotCount);
        const AtExchange::Reply reply =
            exchange_.SendAndWait(QStringLiteral("at+cmgr=") + QString::number(i), exchange_.timTimeout,
                                  AtExchange::Expected::line(CmgrReply::Header));
        if (reply.refused()) {
            // A slot the phone cannot read costs that slot, not the messages after it.
            if (reply.result != EmptySlot)
                unreadable.append({static_cast<qint16>(i), reply.result});
            messages_.appendEmpty();
            continue;
        }
        if (!lock_.answered(reply))
            return lock_.result();
        if (reply.lineStartingWith(CmgrReply::Header).isEmpty()) {
            messages_.appendEmpty();
            continue;
        }
        SMSRecord record = replies_.parse(reply.text, static_cast<qint16>(i), exchange_.phoneText());
        names.find(record.number, &record.name);
        messages_.append(record);
        ++found;
    }
    return finishDownload(step, archiveFile, slotCount, unreadable, QStringLiteral("Trium Mars"));
}

OperationResult ShortMessages::finishDownload(ArchiveStep step, const QString &archiveFile, int slotCount,
                                              const QList<UnreadableSlot> &unreadable, const QString &phone)
{

    const bool archiving = step == ArchiveStep::Always ||
                           (step == ArchiveStep::AsSettingsSay && (settings_.autosms() || manuell));
    if (archiving)
        archive(archiveFile.isEmpty() ? settings_.filesms() : archiveFile);
    caption_ = messages_.caption(slotCount, phone);
    emit captionChanged(caption_);
    lock_.closeProgress();
    lock_.finish();
    unreadable_ = unreadable;
    if (!unreadable.isEmpty()) {
        QStringList missing;
        for (const UnreadableSlot &slot : unreadable)
            //: A message slot that could not be read, and the phone's answer to it
            missing.append(tr("slot %1 (%2)").arg(QString::number(slot.slot), slot.result));
        lock_.setResult(OperationResult::worse(lock_.result(), OperationResult::partial(missing)));
        //: The title of a message box
        lock_.tell(unreadableText(int(unreadable.size()), unreadable.constLast().result), tr("Warning"));
    }
    return lock_.result();
}

bool ShortMessages::askStoredCount(int &count)
{
    static const QString Header = QStringLiteral("+CPMS:");
    count = UnknownCount;
    const AtExchange::Reply reply = exchange_.SendAndWait(QStringLiteral("AT+CPMS?"), exchange_.timTimeout,
                                                          AtExchange::Expected::line(Header));
    if (reply.refused())
        return true;
    if (!lock_.answered(reply))
        return false;
    // +CPMS: "SM",3,10,...: the first storage is the one "at+cmgr=" reads.
    qint16 used = -1;
    if (ParseNumberField(reply.lineStartingWith(Header), 1, QLatin1Char(','), QLatin1Char(','), used) &&
        used >= 0)
        count = used;
    return true;
}

QString ShortMessages::unreadableText(int count, const QString &refusal)
{
    return count == 1 ? tr("1 message slot could not be read; the phone answered %1.").arg(refusal)
                      : tr("%1 message slots could not be read; the phone answered %2.")
                            .arg(QString::number(count), refusal);
}

void ShortMessages::archive(const QString &path)
{
    manuell = false;
    const SmsArchive file(path);
    QString error;
    if (file.archive(messages_.sorted(), &error))
        return;
    const QString text = tr("The messages could not be archived in %1: %2").arg(file.path(), error);
    lock_.setResult(OperationResult::refused(QString(), text).told(text, tr("Warning")));
}
