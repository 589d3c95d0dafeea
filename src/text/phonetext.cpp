#include "phonetext.h"

#include "charconv.h"
#include "cp1252.h"

#include <algorithm>

QString PhoneText::fromPhone(const QString &field) const
{
    if (!set_) {
        QString text = field;
        PhoneToPC(text);
        return text;
    }
    return CharacterSets::decode(*set_, Cp1252::encode(field));
}

QString PhoneText::numberFromPhone(const QString &field) const
{
    if (!set_)
        return field;
    const QString decoded = fromPhone(field);
    const bool dialable = !decoded.isEmpty() && std::all_of(decoded.begin(), decoded.end(), [](QChar c) {
        return c.isDigit() || QStringLiteral("+*#pPwW,").contains(c);
    });
    return dialable ? decoded : field;
}

QString PhoneText::toPhone(const QString &text) const
{
    if (!set_) {
        QString converted = text;
        PCToPhone(converted);
        return converted;
    }
    return Cp1252::decode(CharacterSets::encode(*set_, text));
}

QString PhoneText::numberToPhone(const QString &number) const
{
    return set_ ? toPhone(number) : number;
}

PhoneCharset::Fitted PhoneText::fit(const QString &text) const
{
    if (!set_)
        return PhoneCharset::fit(text);
    const CharacterSets::Set set = *set_;
    return PhoneCharset::fitTo(text, [set](char32_t c) {
        if (c == U'\r' || c == U'\n')
            return true;
        if (c < 0x20 || c == 0x7F || !CharacterSets::holds(set, c))
            return false;
        // The line carries no control bytes (GSM's @, Δ, its escape for [ and €...).
        const QByteArray bytes = CharacterSets::encode(set, QString::fromUcs4(&c, 1));
        return std::all_of(bytes.begin(), bytes.end(),
                           [](char b) { return static_cast<unsigned char>(b) >= 0x20 && b != 0x7F; });
    });
}
