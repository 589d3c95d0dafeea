#pragma once

#include "cmgrreply.h"
#include "link/operationresult.h"
#include "messagelist.h"

#include <QObject>
#include <QString>

class AtExchange;
class OperationLock;
class SenderNames;
class Settings;
class Supervisor;

// The messages stored on the phone: reading the slots into the message list, up to the last
// message the phone says it holds, the caption with the stored and free counts, and the
// archive step at the end of a complete download.
class ShortMessages : public QObject
{
    Q_OBJECT
public:
    ShortMessages(AtExchange &exchange, OperationLock &lock, Supervisor &supervisor, Settings &settings,
                  const QString &contactsCachePath, QObject *parent = nullptr);

    MessageList &messages() { return messages_; }
    const MessageList &messages() const { return messages_; }

    // "SMS on Trium Mars" until the first complete download.
    QString caption() const { return caption_; }

    // The phone's answer for a slot without a message.
    static const QString EmptySlot;

    // The user asked for an archive run ("Get New SMs"): the next complete download archives
    // even with Auto-SMS off.
    bool manuell = false;

    // Whether a complete download ends with the archive step.
    enum class ArchiveStep
    {
        AsSettingsSay, // Auto-SMS on, or "Get New SMs" asked for it
        Skip,          // only list what is stored
        Always,
    };
    // archiveFile: where the archive step writes; empty for the archive file of the settings.
    // Done once every message is in the list; Partial when some slots could not be read (a
    // warning names them); Refused when the archive could not be written, the list being in.
    OperationResult SMSDownload(ArchiveStep step = ArchiveStep::AsSettingsSay,
                                const QString &archiveFile = QString());

    AtExchange &exchange() { return exchange_; }
    OperationLock &lock() { return lock_; }
    int maxSms() const;

    // Slots of the last complete download that the phone refused to read (not as empty), with
    // its answer to each.
    using UnreadableSlot = ::UnreadableSlot;
    const QList<UnreadableSlot> &unreadable() const { return unreadable_; }
    int unreadableSlots() const { return int(unreadable_.size()); }

    // The message a phone told of as it arrived ("+CMTI:"), read from slot of memory without the
    // "Working..." window; record stays empty when it is in another memory than the one read,
    // or the slot was found empty. Refused when the phone refused to read it.
    OperationResult readArrived(const QString &memory, int slot, SMSRecord *record);
    // "2 message slots could not be read; the phone answered ERROR."
    static QString unreadableText(int count, const QString &refusal);

signals:
    void captionChanged(const QString &caption);

private:
    OperationResult download(ArchiveStep step, const QString &archiveFile);
    // "AT+CMGF=" in the mode messages are read in; false when the operation ended.
    bool chooseFormat();
    SenderNames senderNames() const;
    // How many messages the phone holds, from "AT+CPMS?"; UnknownCount when it refuses to say
    // or says nothing readable. False when the download must end (time-out, Cancel).
    bool askStoredCount(int &count);
    // The archive step, the caption and the warning of unreadable slots, once the slots are in.
    OperationResult finishDownload(ArchiveStep step, const QString &archiveFile, int slotCount,
                                   const QList<UnreadableSlot> &unreadable, const QString &phone);
    static constexpr int UnknownCount = -1;
    void archive(const QString &path);

    AtExchange &exchange_;
    OperationLock &lock_;
    Supervisor &supervisor_;
    Settings &settings_;
    QString contactsCachePath_;
    MessageList messages_;
    QList<UnreadableSlot> unreadable_;
    CmgrReply replies_;
    QString caption_ = tr("SMS on Trium Mars");
};
