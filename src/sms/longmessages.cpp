#include "longmessages.h"

#include <tuple>

namespace LongMessages {

QString missingText(int part, int parts)
{
    return QStringLiteral("[Part %1 of %2 is missing.]").arg(part).arg(parts);
}

QMap<int, SMSRecord> joined(QMap<int, SMSRecord> messages, const QMap<int, SmsPdu::Concatenation> &parts)
{
    // One long message: the same sender, reference and number of parts.
    using Key = std::tuple<QString, int, int>;
    QMap<Key, QMap<int, int>> slotsOfPart; // part number -> slot
    for (auto it = parts.begin(); it != parts.end(); ++it) {
        if (!messages.contains(it.key()))
            continue;
        const Key key{messages.value(it.key()).number, it->reference, it->parts};
        // A part listed twice counts once, at its first slot.
        if (!slotsOfPart[key].contains(it->part))
            slotsOfPart[key].insert(it->part, it.key());
    }
    for (auto group = slotsOfPart.begin(); group != slotsOfPart.end(); ++group) {
        const int count = std::get<2>(group.key());
        const QMap<int, int> &slotOfPart = group.value();
        const int first = slotOfPart.first();
        SMSRecord message = messages.value(first);
        message.text.clear();
        for (int part = 1; part <= count; ++part) {
            if (!slotOfPart.contains(part)) {
                message.text += missingText(part, count);
                continue;
            }
            const int slot = slotOfPart.value(part);
            message.text += messages.value(slot).text;
            if (slot != first) {
                message.partSlots.append(qint16(slot));
                messages.remove(slot);
            }
        }
        messages.insert(first, message);
    }
    return messages;
}

} // namespace LongMessages
