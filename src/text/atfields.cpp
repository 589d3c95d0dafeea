#include "atfields.h"

namespace AtFields {

namespace {

// ASCII white space only, as the simulated phone has always trimmed its bytes: a Latin-1
// no-break space is text.
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}

QStringView trimmed(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// Only spaces, not tabs, may stand around a quoted field.
qsizetype skipSpaces(QStringView list, qsizetype pos)
{
    while (pos < list.size() && list.at(pos) == QLatin1Char(' '))
        ++pos;
    return pos;
}

} // namespace

std::optional<int> Field::toNumber() const
{
    if (quoted || text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int value = text.toLatin1().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<Fields> split(QStringView list)
{
    Fields fields;
    if (trimmed(list).isEmpty())
        return fields;
    const QChar quote(QLatin1Char('"'));
    const QChar comma(QLatin1Char(','));
    qsizetype pos = 0;
    while (true) {
        pos = skipSpaces(list, pos);
        Field field;
        if (pos < list.size() && list.at(pos) == quote) {
            const qsizetype close = list.indexOf(quote, pos + 1);
            if (close < 0)
                return std::nullopt;
            field.text = list.sliced(pos + 1, close - pos - 1).toString();
            field.quoted = true;
            pos = skipSpaces(list, close + 1);
            if (pos < list.size() && list.at(pos) != comma)
                return std::nullopt;
        } else {
            const qsizetype next = list.indexOf(comma, pos);
            const qsizetype end = next < 0 ? list.size() : next;
            const QStringView text = trimmed(list.sliced(pos, end - pos));
            if (text.contains(quote))
                return std::nullopt;
            field.text = text.toString();
            pos = end;
        }
        fields.append(field);
        if (pos >= list.size())
            return fields;
        ++pos; // the comma
    }
}

std::optional<Fields> split(const QByteArray &list)
{
    return split(QString::fromLatin1(list));
}

std::optional<Fields> ofLine(QStringView line, QStringView prefix)
{
    if (!line.startsWith(prefix))
        return std::nullopt;
    QStringView list = line.sliced(prefix.size());
    while (list.endsWith(QLatin1Char('\n')) || list.endsWith(QLatin1Char('\r')))
        list.chop(1);
    return split(list);
}

QStringView lineOf(QStringView reply, QStringView prefix)
{
    const qsizetype at = reply.indexOf(prefix);
    if (at < 0)
        return {};
    qsizetype end = reply.indexOf(QLatin1Char('\r'), at);
    if (end < 0)
        end = reply.size();
    return reply.sliced(at, end - at);
}

} // namespace AtFields
