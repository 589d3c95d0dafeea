#include "charactersets.h"

#include "cp437.h"
#include "gsmalphabet.h"

#include <QList>
#include <QStringDecoder>

namespace CharacterSets {

namespace {

QString asItCame(const QByteArray &field)
{
    return QString::fromLatin1(field);
}

bool isHex(const QByteArray &field)
{
    for (const char c : field) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

QString fromUcs2(const QByteArray &field)
{
    QByteArray hex = field;
    if (hex.size() % 4 == 2 && hex.endsWith("00"))
        hex.chop(2);
    if (hex.isEmpty() || hex.size() % 4 != 0 || !isHex(hex))
        return asItCame(field);
    const QByteArray bytes = QByteArray::fromHex(hex);
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(char16_t((static_cast<unsigned char>(bytes.at(i)) << 8) |
                               static_cast<unsigned char>(bytes.at(i + 1))));
    return text;
}

QString fromCp437(const QByteArray &field)
{
    QString text;
    text.reserve(field.size());
    for (const char byte : field) {
        const auto b = static_cast<unsigned char>(byte);
        if (b >= 0x80)
            text += QChar(Cp437::upperCharacter(b - 0x80));
        else if (b == 0x14)
            text += QChar(u'¶');
        else if (b == 0x15)
            text += QChar(u'§');
        else
            text += QLatin1Char(char(b));
    }
    return text;
}

bool hasUpperHalf(const QByteArray &field)
{
    for (const char c : field) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

} // namespace

std::optional<Set> named(QStringView name)
{
    const QString upper = name.trimmed().toString().toUpper();
    if (upper == QLatin1String("UCS2"))
        return Set::Ucs2;
    if (upper == QLatin1String("UTF-8") || upper == QLatin1String("UTF8"))
        return Set::Utf8;
    if (upper == QLatin1String("8859-1"))
        return Set::Latin1;
    if (upper == QLatin1String("IRA"))
        return Set::Ira;
    if (upper == QLatin1String("GSM"))
        return Set::Gsm;
    if (upper == QLatin1String("PCCP437"))
        return Set::Pccp437;
    return std::nullopt;
}

bool holds(Set set, char32_t c)
{
    switch (set) {
    case Set::Ucs2:
    case Set::Utf8:
        return c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF);
    case Set::Latin1:
        return c <= 0xFF;
    case Set::Ira:
        return c <= 0x7F;
    case Set::Gsm:
        return GsmAlphabet::holds(c);
    case Set::Pccp437:
        return c <= 0x7F || (c <= 0xFFFF && Cp437::upperIndexOf(char16_t(c)) >= 0) || c == U'§' || c == U'¶';
    }
    return false;
}

QByteArray encode(Set set, const QString &text)
{
    switch (set) {
    case Set::Ucs2: {
        QByteArray units;
        units.reserve(text.size() * 2);
        for (const QChar c : text) {
            units.append(char(c.unicode() >> 8));
            units.append(char(c.unicode() & 0xFF));
        }
        return units.toHex().toUpper();
    }
    case Set::Utf8:
        return text.toUtf8();
    case Set::Gsm:
        return GsmAlphabet::encode(text);
    case Set::Pccp437:
        return Cp437::encode(text);
    case Set::Latin1:
    case Set::Ira: {
        QByteArray bytes;
        bytes.reserve(text.size());
        for (const char32_t c : text.toUcs4())
            bytes.append(holds(set, c) ? char(c) : '?');
        return bytes;
    }
    }
    return QByteArray();
}

QString decode(Set set, const QByteArray &field)
{
    switch (set) {
    case Set::Ucs2:
        return fromUcs2(field);
    case Set::Utf8: {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(field);
        return utf8.hasError() ? asItCame(field) : text;
    }
    case Set::Latin1:
    case Set::Ira:
        return asItCame(field);
    case Set::Gsm:
        // Bytes of the upper half are no GSM codes: that phone sent 8-bit text.
        return hasUpperHalf(field) ? asItCame(field) : GsmAlphabet::decode(field);
    case Set::Pccp437:
        return fromCp437(field);
    }
    return asItCame(field);
}

} // namespace CharacterSets
