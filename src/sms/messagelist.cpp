#include "messagelist.h"

#include <algorithm>

const QString MessageList::Empty = QStringLiteral("empty");

MessageList::MessageList(QObject *parent) : QObject(parent) {}

void MessageList::clear(int firstSlot)
{
    firstSlot_ = firstSlot;
    slots_.clear();
    sorted_.clear();
    emit changed();
}

void MessageList::appendEmpty()
{
    slots_.append(std::nullopt);
}

void MessageList::append(const SMSRecord &record)
{
    slots_.append(record);
    const auto at =
        std::upper_bound(sorted_.begin(), sorted_.end(), record, [](const SMSRecord &a, const SMSRecord &b) {
            return QString::compare(a.key, b.key, Qt::CaseInsensitive) < 0;
        });
    sorted_.insert(at, record);
    emit changed();
}

QList<SMSRecord> MessageList::bySlot() const
{
    QList<SMSRecord> messages;
    for (const std::optional<SMSRecord> &record : slots_) {
        if (record)
            messages.append(*record);
    }
    return messages;
}

QStringList MessageList::slotMap() const
{
    QStringList rows;
    for (const std::optional<SMSRecord> &record : slots_)
        rows.append(record ? record->key : Empty);
    return rows;
}

const SMSRecord *MessageList::at(int row) const
{
    return row >= 0 && row < sorted_.size() ? &sorted_.at(row) : nullptr;
}

void MessageList::removeSlot(qint16 slot)
{
    const int at = slot - firstSlot_;
    if (at < 0 || at >= slots_.size())
        return;
    slots_[at] = std::nullopt;
    sorted_.erase(std::remove_if(sorted_.begin(), sorted_.end(),
                                 [slot](const SMSRecord &record) { return record.slot == slot; }),
                  sorted_.end());
    emit changed();
}

QString MessageList::caption(int maxSms, const QString &phone) const
{
    return tr("SMS on %1 - %2 Stored - %3 Free")
        .arg(phone, QString::number(count()), QString::number(maxSms - count()));
}
