#include "vcard.h"

#include "text/textfile.h"

namespace VCard {

namespace {

constexpr qsizetype FoldOctets = 75;

// A text value: "\", "," and ";" escaped, a line break as "\n". Other control characters have
// no place in a vCard and are left out.
QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += QLatin1String("\\n");
        } else if (c.unicode() >= 0x20 && c.unicode() != 0x7F) {
            out += c;
        }
    }
    return out;
}

void appendFolded(QByteArray &out, const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    qsizetype start = 0;
    qsizetype room = FoldOctets;
    while (bytes.size() - start > room) {
        qsizetype cut = start + room;
        // Back to the first byte of a character, so that no line holds half of one.
        while ((static_cast<uchar>(bytes.at(cut)) & 0xC0) == 0x80)
            --cut;
        out += bytes.mid(start, cut - start);
        out += "\r\n ";
        start = cut;
        room = FoldOctets - 1; // the continuation's leading space counts
    }
    out += bytes.mid(start);
    out += "\r\n";
}

// "Berg, Anna" and "Anna Berg" both give family Berg, given Anna; one word is the family name.
void splitName(const QString &name, QString *family, QString *given)
{
    const qsizetype comma = name.indexOf(QLatin1Char(','));
    const qsizetype space = name.lastIndexOf(QLatin1Char(' '));
    if (comma >= 0) {
        *family = name.left(comma).trimmed();
        *given = name.mid(comma + 1).trimmed();
    } else if (space >= 0) {
        *family = name.mid(space + 1);
        *given = name.left(space).trimmed();
    } else {
        *family = name;
        given->clear();
    }
}

} // namespace

QByteArray compose(const QList<Contact> &contacts)
{
    QByteArray out;
    for (const Contact &contact : contacts) {
        QString family;
        QString given;
        splitName(contact.name, &family, &given);
        appendFolded(out, QStringLiteral("BEGIN:VCARD"));
        appendFolded(out, QStringLiteral("VERSION:3.0"));
        appendFolded(out, QStringLiteral("FN:") + escaped(contact.name));
        appendFolded(out, QStringLiteral("N:") + escaped(family) + QLatin1Char(';') + escaped(given) +
                              QStringLiteral(";;;"));
        appendFolded(out, QStringLiteral("TEL;TYPE=CELL:") + escaped(contact.number));
        appendFolded(out, QStringLiteral("END:VCARD"));
    }
    return out;
}

bool write(const QString &path, const QList<Contact> &contacts, QString *error)
{
    return TextFile::writeBytes(path, compose(contacts), error);
}

} // namespace VCard
