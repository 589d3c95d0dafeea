#include "messageheader.h"

#include "link/replyframing.h"
#include "text/atfields.h"

#include <QRegularExpression>

QString MessageHeader::normalisedTimeStamp(const QString &text)
{
    static const QRegularExpression stamp(QStringLiteral(
        "^(\\d{2}|\\d{4})/(\\d{1,2})/(\\d{1,2}),\\s*(\\d{1,2}):(\\d{2}):(\\d{2})([+-]\\d{1,2})?$"));
    const QRegularExpressionMatch m = stamp.match(text.trimmed());
    if (!m.hasMatch())
        return QString();
    const auto two = [&m](int k) { return m.captured(k).right(2).rightJustified(2, QLatin1Char('0')); };
    return two(1) + QLatin1Char('/') + two(2) + QLatin1Char('/') + two(3) + QLatin1Char(',') + two(4) +
           QLatin1Char(':') + m.captured(5) + QLatin1Char(':') + m.captured(6) + m.captured(7);
}

std::optional<MessageHeader> MessageHeader::parse(QStringView line, const QString &prefix,
                                                  const PhoneText &phone)
{
    const auto fields = AtFields::ofLine(line.trimmed(), prefix);
    if (!fields || fields->isEmpty())
        return std::nullopt;
    MessageHeader header;
    int at = 0;
    if (prefix == QLatin1String("+CMGL:")) {
        header.index = fields->at(0).toNumber();
        if (!header.index)
            return std::nullopt;
        at = 1;
    }
    if (fields->size() < at + 2)
        return std::nullopt;
    header.status = phone.fromPhone(fields->at(at).text);
    header.address = phone.numberFromPhone(fields->at(at + 1).text);
    for (int k = at + 2; k < fields->size() && header.timeStamp.isEmpty(); ++k) {
        const AtFields::Field &field = fields->at(k);
        if (!field.quoted)
            continue;
        header.timeStamp = normalisedTimeStamp(field.text);
        // A date and a time in two fields.
        if (header.timeStamp.isEmpty() && k + 1 < fields->size())
            header.timeStamp = normalisedTimeStamp(field.text + QLatin1Char(',') + fields->at(k + 1).text);
    }
    return header;
}

namespace MessageListing {

QList<Entry> entries(const QString &reply)
{
    // A header carries its slot: a line of a text that begins like one stays in the text.
    static const QRegularExpression header(QStringLiteral("^\\+CMGL:\\s*\\d+\\s*,"),
                                           QRegularExpression::MultilineOption);
    const auto end = ReplyFraming::findEnd(reply);
    const qsizetype stop = end ? end->resultStart : reply.size();
    QList<qsizetype> starts;
    for (auto it = header.globalMatch(reply); it.hasNext();) {
        const qsizetype at = it.next().capturedStart();
        if (at < stop)
            starts.append(at);
    }
    QList<Entry> found;
    for (qsizetype k = 0; k < starts.size(); ++k) {
        const qsizetype at = starts.at(k);
        const qsizetype next = k + 1 < starts.size() ? starts.at(k + 1) : stop;
        const qsizetype lineEnd = reply.indexOf(QLatin1Char('\n'), at);
        if (lineEnd < 0 || lineEnd >= next)
            break; // a header the reply has not ended
        Entry entry;
        entry.header = reply.mid(at, lineEnd - at).trimmed();
        entry.body = reply.mid(lineEnd + 1, next - lineEnd - 1);
        // The text's own line end, and the empty line before the final result.
        while (entry.body.endsWith(QLatin1String("\r\n")))
            entry.body.chop(2);
        found.append(entry);
    }
    return found;
}

} // namespace MessageListing
