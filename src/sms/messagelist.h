#pragma once

#include "smsrecord.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

// The messages of the last download: every slot of the phone's storage, each empty or holding
// its message. The sorted message list and the display boxes are views of it.
class MessageList : public QObject
{
    Q_OBJECT
public:
    static const QString Empty; // a slot map row without a message

    explicit MessageList(QObject *parent = nullptr);

    void clear();
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

    // "SMS on Trium Mars - N Stored - F Free".
    QString caption(int maxSms) const;

signals:
    void changed();

private:
    QList<SMSRecord> slots_; // slot 0 marks an empty slot
    QList<SMSRecord> sorted_;
};
