#include "phonebooklisting.h"

namespace PhonebookListing {

namespace {

const QString EntryPrefix = QStringLiteral("+CPBR: ");

// The end of the line that starts at from: just past its line feed, or the end of the text.
// In an entry a line feed inside quotes does not end the line, as long as the quote closes
// before the next line feed; an unbalanced quote swallows no further line.
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
        const qsizetype nextFeed = text.indexOf(QLatin1Char('\n'), i + 1);
        if (nextQuote < 0 || (nextFeed >= 0 && nextFeed < nextQuote))
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

} // namespace PhonebookListing
