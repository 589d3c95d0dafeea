#include "vcard.h"

#include "contactname.h"
#include "numberfilter.h"

#include "text/cp1252.h"
#include "text/textfile.h"

#include <QByteArrayView>
#include <QFile>
#include <QSet>
#include <QStringDecoder>

#include <optional>

namespace VCard {

namespace {

// ---- Writing

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

// ---- Reading: lines

// The logical lines of a file. A line starting with a space or tab continues the one before,
// without that character; in a quoted-printable value a "=" at the end continues it with the
// next line as it is. A line end is CR LF, a lone CR or a lone LF.
class LogicalLines
{
public:
    explicit LogicalLines(QByteArrayView bytes) : bytes_(bytes) {}

    struct Line
    {
        QByteArray text;
        bool overlong = false; // beyond MaxLineBytes; text is empty then
    };
    bool next(Line *line);

private:
    QByteArrayView takePhysical();
    static void append(Line *line, QByteArrayView piece);
    static bool isQuotedPrintable(QByteArrayView firstPiece);

    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

bool LogicalLines::next(Line *line)
{
    if (pos_ >= bytes_.size())
        return false;
    *line = Line();
    QByteArrayView piece = takePhysical();
    const bool quotedPrintable = isQuotedPrintable(piece);
    append(line, piece);
    bool softBreak = quotedPrintable && piece.endsWith('=');
    while (pos_ < bytes_.size()) {
        const char first = bytes_.at(pos_);
        if (softBreak) {
            if (!line->overlong)
                line->text.chop(1);
            piece = takePhysical();
        } else if (first == ' ' || first == '\t') {
            piece = takePhysical().sliced(1);
        } else {
            break;
        }
        append(line, piece);
        softBreak = quotedPrintable && piece.endsWith('=');
    }
    return true;
}

QByteArrayView LogicalLines::takePhysical()
{
    qsizetype end = pos_;
    while (end < bytes_.size() && bytes_.at(end) != '\r' && bytes_.at(end) != '\n')
        ++end;
    const QByteArrayView piece = bytes_.sliced(pos_, end - pos_);
    pos_ = end;
    // CR LF is one line end; so is a lone CR or a lone LF.
    const bool carriageReturn = pos_ < bytes_.size() && bytes_.at(pos_) == '\r';
    if (carriageReturn)
        ++pos_;
    if (pos_ < bytes_.size() && bytes_.at(pos_) == '\n' && (carriageReturn || pos_ == end))
        ++pos_;
    return piece;
}

void LogicalLines::append(Line *line, QByteArrayView piece)
{
    if (line->overlong)
        return;
    if (line->text.size() + piece.size() > MaxLineBytes) {
        line->overlong = true;
        line->text = QByteArray();
        return;
    }
    line->text.append(piece);
}

bool LogicalLines::isQuotedPrintable(QByteArrayView firstPiece)
{
    const qsizetype colon = firstPiece.indexOf(':');
    return colon > 0 && firstPiece.first(colon).toByteArray().toUpper().contains("QUOTED-PRINTABLE");
}

// Control bytes other than the tab have no place in any vCard line.
bool isBinary(const QByteArray &line)
{
    for (const char c : line) {
        const auto byte = static_cast<uchar>(c);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F)
            return true;
    }
    return false;
}

// ---- Reading: properties

struct Property
{
    QByteArray name;         // upper case, without its group
    QList<QByteArray> types; // upper case: TYPE values and bare parameters (2.1)
    QByteArray charset;
    bool quotedPrintable = false;
    QByteArray value; // as in the file
};

// Splits at separator where it is not inside double quotes.
QList<QByteArrayView> splitOutsideQuotes(QByteArrayView text, char separator)
{
    QList<QByteArrayView> parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == '"')
            quoted = !quoted;
        else if (text.at(i) == separator && !quoted) {
            parts.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    parts.append(text.sliced(start));
    return parts;
}

QByteArray unquoted(QByteArrayView text)
{
    QByteArray value = text.trimmed().toByteArray();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.mid(1, value.size() - 2);
    return value;
}

void takeParameter(QByteArrayView parameter, Property *property)
{
    const qsizetype equals = parameter.indexOf('=');
    if (equals < 0) {
        const QByteArray bare = parameter.trimmed().toByteArray().toUpper();
        if (bare == "QUOTED-PRINTABLE")
            property->quotedPrintable = true;
        else
            property->types.append(bare);
        return;
    }
    const QByteArray name = parameter.first(equals).trimmed().toByteArray().toUpper();
    const QByteArray value = unquoted(parameter.sliced(equals + 1));
    if (name == "TYPE") {
        for (const QByteArray &type : value.split(','))
            property->types.append(type.trimmed().toUpper());
    } else if (name == "ENCODING") {
        property->quotedPrintable = property->quotedPrintable || value.toUpper() == "QUOTED-PRINTABLE";
    } else if (name == "CHARSET") {
        property->charset = value;
    }
}

// [group "."] name *(";" parameter) ":" value. None for a line without a colon.
std::optional<Property> parseProperty(const QByteArray &line)
{
    qsizetype colon = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size() && colon < 0; ++i) {
        if (line.at(i) == '"')
            quoted = !quoted;
        else if (line.at(i) == ':' && !quoted)
            colon = i;
    }
    if (colon < 0)
        return std::nullopt;
    const QList<QByteArrayView> head = splitOutsideQuotes(QByteArrayView(line).first(colon), ';');
    Property property;
    const QByteArray name = head.first().trimmed().toByteArray().toUpper();
    property.name = name.mid(name.lastIndexOf('.') + 1);
    for (qsizetype i = 1; i < head.size(); ++i)
        takeParameter(head.at(i), &property);
    property.value = line.mid(colon + 1);
    return property;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// "=" and two hex digits is a byte; anything else stays as it is.
QByteArray fromQuotedPrintable(const QByteArray &value)
{
    QByteArray bytes;
    bytes.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) == '=' && i + 2 < value.size() && hexValue(value.at(i + 1)) >= 0 &&
            hexValue(value.at(i + 2)) >= 0) {
            bytes.append(static_cast<char>(hexValue(value.at(i + 1)) * 16 + hexValue(value.at(i + 2))));
            i += 2;
        } else {
            bytes.append(value.at(i));
        }
    }
    return bytes;
}

// In the declared character set when Qt knows it and the bytes fit it; otherwise UTF-8, and
// Windows-1252 for bytes that are not UTF-8 (old files written without CHARSET).
QString decodedText(const Property &property)
{
    const QByteArray bytes = property.quotedPrintable ? fromQuotedPrintable(property.value) : property.value;
    if (!property.charset.isEmpty()) {
        QStringDecoder declared(property.charset.constData());
        if (declared.isValid()) {
            const QString text = declared.decode(bytes);
            if (!declared.hasError())
                return text;
        }
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? Cp1252::decode(bytes) : text;
}

// Splits at separator where no "\" escapes it; the parts keep their escapes.
QStringList splitUnescaped(const QString &text, QChar separator)
{
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\\'))
            ++i;
        else if (text.at(i) == separator) {
            parts.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
    parts.append(text.mid(start));
    return parts;
}

QString unescaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar escapedChar = text.at(++i);
        if (escapedChar == QLatin1Char('n') || escapedChar == QLatin1Char('N'))
            out += QLatin1Char('\n');
        else if (escapedChar == QLatin1Char('\\') || escapedChar == QLatin1Char(',') ||
                 escapedChar == QLatin1Char(';'))
            out += escapedChar;
        else {
            out += c; // not an escape: a path, say
            out += escapedChar;
        }
    }
    return out;
}

// A component of N or ORG that may list several values ("Anna,Maria"): one blank between them.
QString componentText(const QStringList &components, int index)
{
    if (index >= components.size())
        return QString();
    QStringList values;
    for (const QString &value : splitUnescaped(components.at(index), QLatin1Char(',')))
        values.append(unescaped(value));
    return values.join(QLatin1Char(' ')).simplified();
}

// The number as the phone takes it: a leading "+", digits, "*" and "#", without the separators
// people write. Empty when anything else is in it (letters, an extension): better no number
// than a wrong one.
QString phoneNumber(QString text)
{
    text = text.trimmed();
    if (text.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) {
        text = text.mid(4);
        const qsizetype parameters = text.indexOf(QLatin1Char(';')); // such as ";ext="
        if (parameters >= 0)
            text.truncate(parameters);
    }
    // "+49 (0)30": the 0 is dialled only without the country code.
    if (text.startsWith(QLatin1Char('+')))
        text.remove(QLatin1String("(0)"));
    QString number;
    bool hasDigit = false;
    for (const QChar c : text) {
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        hasDigit = hasDigit || digit;
        if (digit || c == QLatin1Char('*') || c == QLatin1Char('#') ||
            (c == QLatin1Char('+') && number.isEmpty()))
            number += c;
        else if (!c.isSpace() && !QStringLiteral("-.()/").contains(c))
            return QString();
    }
    return hasDigit && number.size() <= NumberFilter::MaxLength ? number : QString();
}

// ---- Reading: cards

// What one card has said so far, and the contacts it makes.
class Card
{
public:
    void take(const Property &property);
    void spoil() { spoiled_ = true; }
    // None for a spoiled card or one without a usable number.
    QList<Contact> contacts() const;

private:
    struct Number
    {
        QString digits;
        QChar typeLetter; // null when the type says nothing the suffix could tell
    };
    static QChar typeLetter(const QList<QByteArray> &types);
    static QString withSuffix(const QString &fittedName, const QString &suffix);

    QString formattedName_;
    QString structuredName_;
    QString organisation_;
    QList<Number> numbers_;
    QSet<QString> digitsSeen_;
    bool spoiled_ = false;
};

void Card::take(const Property &property)
{
    const QByteArray &name = property.name;
    if (spoiled_)
        return;
    if (name == "FN" && formattedName_.isEmpty()) {
        formattedName_ = unescaped(decodedText(property)).simplified();
    } else if (name == "N" && structuredName_.isEmpty()) {
        const QStringList components = splitUnescaped(decodedText(property), QLatin1Char(';'));
        structuredName_ =
            (componentText(components, 1) + QLatin1Char(' ') + componentText(components, 0)).simplified();
    } else if (name == "ORG" && organisation_.isEmpty()) {
        organisation_ = componentText(splitUnescaped(decodedText(property), QLatin1Char(';')), 0);
    } else if (name == "TEL") {
        const QString digits = phoneNumber(decodedText(property));
        if (digits.isEmpty() || digitsSeen_.contains(digits))
            return;
        if (numbers_.size() >= MaxContacts) {
            spoil();
            return;
        }
        digitsSeen_.insert(digits);
        numbers_.append({digits, typeLetter(property.types)});
    }
}

QChar Card::typeLetter(const QList<QByteArray> &types)
{
    struct TypeLetter
    {
        const char *type;
        char letter;
    };
    // A home fax is a fax, a work mobile a mobile.
    constexpr TypeLetter Letters[] = {{"FAX", 'F'}, {"CELL", 'M'}, {"WORK", 'W'}, {"HOME", 'H'}};
    for (const TypeLetter &entry : Letters) {
        if (types.contains(QByteArray(entry.type)))
            return QLatin1Char(entry.letter);
    }
    return QChar();
}

QString Card::withSuffix(const QString &fittedName, const QString &suffix)
{
    return fittedName.left(ContactName::MaxLength - suffix.size()).trimmed() + suffix;
}

QList<Contact> Card::contacts() const
{
    if (spoiled_)
        return {};
    const QString name = !formattedName_.isEmpty()    ? formattedName_
                         : !structuredName_.isEmpty() ? structuredName_
                                                      : organisation_;
    // Blanks collapsed again: dropped control characters may leave two side by side.
    const QString fitted = ContactName::fitForPhone(name).simplified();
    if (numbers_.size() == 1)
        return {{fitted, numbers_.first().digits}};
    QList<Contact> made;
    QString lettersUsed;
    for (qsizetype i = 0; i < numbers_.size(); ++i) {
        const QChar letter = numbers_.at(i).typeLetter;
        QString suffix = QStringLiteral("/");
        if (!letter.isNull() && !lettersUsed.contains(letter)) {
            lettersUsed += letter;
            suffix += letter;
        } else {
            suffix += QString::number(i + 1);
        }
        made.append({withSuffix(fitted, suffix), numbers_.at(i).digits});
    }
    return made;
}

bool isCardBoundary(const Property &property, const char *name)
{
    return property.name == name && property.value.trimmed().toUpper() == "VCARD";
}

// A file that starts with a UTF-16 or UTF-32 byte order mark, as UTF-8; UTF-8's own mark dropped.
QByteArray asUtf8(const QByteArray &bytes)
{
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    if (!marked || *marked == QStringConverter::Utf8) {
        return bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    }
    QStringDecoder decoder(*marked);
    return QString(decoder.decode(bytes)).toUtf8();
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

Reading parse(const QByteArray &bytes)
{
    Reading reading;
    const QByteArray text = asUtf8(bytes);
    LogicalLines lines(text);
    std::optional<Card> card;
    LogicalLines::Line line;
    while (lines.next(&line)) {
        if (line.overlong || isBinary(line.text)) {
            if (card)
                card->spoil();
            continue;
        }
        const std::optional<Property> property = parseProperty(line.text);
        if (!property)
            continue;
        if (isCardBoundary(*property, "BEGIN")) {
            if (card)
                ++reading.skippedCards; // it never ended
            card.emplace();
        } else if (card && isCardBoundary(*property, "END")) {
            const QList<Contact> made = card->contacts();
            if (made.isEmpty() || reading.contacts.size() + made.size() > MaxContacts)
                ++reading.skippedCards;
            else
                reading.contacts += made;
            card.reset();
        } else if (card) {
            card->take(*property);
        }
    }
    if (card)
        ++reading.skippedCards;
    return reading;
}

bool write(const QString &path, const QList<Contact> &contacts, QString *error)
{
    return TextFile::writeBytes(path, compose(contacts), error);
}

Reading read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.read(MaxFileBytes));
}

} // namespace VCard
