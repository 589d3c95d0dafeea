#pragma once

#include "smsrecord.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

// The messages of the last download: every slot of the phone's storage, each empty or holding
// its message. The sorted message list and the display boxes are views of it.
class MessageList : public QObject
{
    Q_OBJECT
public:
    static const QString Empty; // a slot map row without a message

    explicit MessageList(QObject *parent = nullptr);

    // Slots count from 1 on the Trium Mars; some modems count theirs from 0.
    void clear(int firstSlot = 1);
    // The next slot, in slot order.
    void appendEmpty();
    void append(const SMSRecord &record);

    // One row per slot: "empty" or the key of the message there.
    QStringList slotMap() const;
    // The messages sorted by key, ascending and ignoring letter case; equal keys in slot order.
    const QList<SMSRecord> &sorted() const { return sorted_; }
    int count() const { return static_cast<int>(sorted_.size()); }
    // The messages in slot order.
    QList<SMSRecord> bySlot() const;
    // The message at row i of the sorted list; nullptr when there is none.
    const SMSRecord *at(int row) const;
    // The message in that slot is gone from the phone.
    void removeSlot(qint16 slot);

    // "SMS on Trium Mars - N Stored - F Free", or on the phone named.
    QString caption(int maxSms, const QString &phone = QStringLiteral("Trium Mars")) const;

signals:
    void changed();

private:
    QList<std::optional<SMSRecord>> slots_; // none for an empty slot
    int firstSlot_ = 1;
    QList<SMSRecord> sorted_;
};
