#include "messagelist.h"

#include <algorithm>

const QString MessageList::Empty = QStringLiteral("empty");

MessageList::MessageList(QObject *parent) : QObject(parent) {}

void MessageList::clear()
{
    slots_.clear();
    sorted_.clear();
    emit changed();
}

void MessageList::appendEmpty()
{
    slots_.append(SMSRecord{});
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
    for (const SMSRecord &record : slots_) {
        if (record.slot != 0)
            messages.append(record);
    }
    return messages;
}

QStringList MessageList::slotMap() const
{
    QStringList rows;
    for (const SMSRecord &record : slots_)
        rows.append(record.slot == 0 ? Empty : record.key);
    return rows;
}

const SMSRecord *MessageList::at(int row) const
{
    return row >= 0 && row < sorted_.size() ? &sorted_.at(row) : nullptr;
}

void MessageList::removeSlot(qint16 slot)
{
    if (slot < 1 || slot > slots_.size())
        return;
    slots_[slot - 1] = SMSRecord{};
    sorted_.erase(std::remove_if(sorted_.begin(), sorted_.end(),
                                 [slot](const SMSRecord &record) { return record.slot == slot; }),
                  sorted_.end());
    emit changed();
}

QString MessageList::caption(int maxSms) const
{
    return QStringLiteral("SMS on Trium Mars - ") + QString::number(count()) + QStringLiteral(" Stored - ") +
           QString::number(maxSms - count()) + QStringLiteral(" Free");
}
