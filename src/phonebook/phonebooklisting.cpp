#include "phonebooklisting.h"

#include "text/atfields.h"

namespace PhonebookListing {

namespace {

const QString EntryPrefix = QStringLiteral("+CPBR: ");

// Where the next line of the listing that cannot belong to a field begins after the line feed
// at lf: an empty line, or the next entry.
qsizetype nextListingLine(const QString &text, qsizetype lf)
{
    qsizetype next = -1;
    for (const QLatin1String start :
         {QLatin1String("\n\r\n"), QLatin1String("\n\n"), QLatin1String("\n+CPBR: ")}) {
        const qsizetype at = text.indexOf(start, lf + 1);
        if (at >= 0 && (next < 0 || at < next))
            next = at;
    }
    return next;
}

// The end of the line that starts at from: just past its line feed, or the end of the text.
// In an entry a line feed inside quotes does not end the line as long as the quote closes
// before the listing's next line; an unclosed quote swallows no further line.
qsizetype lineEnd(const QString &text, qsizetype from, bool entry)
{
    int quotes = 0;
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"')) {
            ++quotes;
            continue;
        }
        if (c != QLatin1Char('\n'))
            continue;
        if (!entry || quotes % 2 == 0)
            return i + 1;
        const qsizetype nextQuote = text.indexOf(QLatin1Char('"'), i + 1);
        const qsizetype nextLine = nextListingLine(text, i);
        if (nextQuote < 0 || (nextLine >= 0 && nextLine < nextQuote))
            return i + 1;
    }
    return text.size();
}

// The entry without the CR and LF characters inside it; its own line end stays.
QString withoutInnerBreaks(const QString &line)
{
    qsizetype bodyEnd = line.size();
    if (line.endsWith(QLatin1String("\r\n")))
        bodyEnd -= 2;
    else if (line.endsWith(QLatin1Char('\n')))
        bodyEnd -= 1;
    QString body = line.left(bodyEnd);
    body.remove(QLatin1Char('\r'));
    body.remove(QLatin1Char('\n'));
    return body + line.mid(bodyEnd);
}

// The text between quote number first and the next one (counting from 1); empty when the
// line has fewer quotes.
QString betweenQuotes(const QString &line, int first)
{
    qsizetype at = -1;
    for (int i = 0; i < first; ++i) {
        at = line.indexOf(QLatin1Char('"'), at + 1);
        if (at < 0)
            return QString();
    }
    const qsizetype end = line.indexOf(QLatin1Char('"'), at + 1);
    if (end < 0)
        return QString();
    return line.mid(at + 1, end - at - 1);
}

} // namespace

QStringList entryLines(const QString &reply)
{
    QStringList entries;
    qsizetype at = 0;
    while (at < reply.size() && entries.size() < MaxEntries) {
        const bool entry = QStringView(reply).mid(at).startsWith(EntryPrefix);
        const qsizetype end = lineEnd(reply, at, entry);
        // A line the reply has not ended is no entry yet.
        if (entry && reply.at(end - 1) == QLatin1Char('\n'))
            entries.append(withoutInnerBreaks(reply.mid(at, end - at)));
        at = end;
    }
    return entries;
}

Contact contactOf(const QString &entryLine)
{
    const auto fields = AtFields::ofLine(entryLine, EntryPrefix);
    if (fields && fields->size() == 4 && !fields->at(0).quoted && fields->at(1).quoted &&
        !fields->at(2).quoted && fields->at(3).quoted)
        return {fields->at(3).text, fields->at(1).text};
    // Any other line, such as one whose name holds a quote, keeps the cut by quotes it has
    // always had: a name stops at its first inner quote.
    return {betweenQuotes(entryLine, 3), betweenQuotes(entryLine, 1)};
}

std::optional<ListedEntry> decodedEntry(const QString &entryLine, const PhoneText &phone)
{
    const auto fields = AtFields::ofLine(entryLine, EntryPrefix);
    if (!fields || fields->size() < 4 || fields->at(0).quoted || !fields->at(0).toNumber())
        return std::nullopt;
    ListedEntry entry;
    entry.index = *fields->at(0).toNumber();
    entry.number = phone.numberFromPhone(fields->at(1).text);
    entry.type = fields->at(2).toNumber().value_or(129);
    entry.name = phone.fromPhone(fields->at(3).text);
    return entry;
}

MemoryStatus memoryStatus(const QString &reply)
{
    static const QString Prefix = QStringLiteral("+CPBS:");
    MemoryStatus status;
    const QStringView line = AtFields::lineOf(reply, Prefix);
    if (line.isEmpty())
        return status;
    const auto fields = AtFields::ofLine(line, Prefix);
    if (!fields) {
        // A line that does not split cleanly keeps the cut at every comma it has always had.
        const QStringList cut = line.mid(6).toString().split(QLatin1Char(','));
        const QString memory = cut.at(0).trimmed();
        if (memory.size() > 2 && memory.startsWith(QLatin1Char('"')) && memory.endsWith(QLatin1Char('"')))
            status.memory = memory.mid(1, memory.size() - 2);
        bool ok = false;
        const int used = cut.value(1).trimmed().toInt(&ok);
        if (ok && used >= 0)
            status.used = used;
        return status;
    }
    if (fields->isEmpty())
        return status;
    if (fields->at(0).quoted)
        status.memory = fields->at(0).text;
    const auto used = fields->value(1).toNumber();
    if (used && *used >= 0)
        status.used = used;
    const auto total = fields->value(2).toNumber();
    if (total && *total > 0)
        status.total = total;
    return status;
}

} // namespace PhonebookListing
