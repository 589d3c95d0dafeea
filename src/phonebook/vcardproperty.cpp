#include "vcardproperty.h"

#include "text/cp1252.h"

#include <QByteArrayView>
#include <QStringDecoder>

namespace VCard {

namespace {

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

} // namespace

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

} // namespace VCard
