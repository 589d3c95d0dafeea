#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// The character sets a phone may be told to use ("AT+CSCS"), as names, numbers and texts
// cross the line in them. Pure, no I/O.
namespace CharacterSets {

enum class Set
{
    Ucs2, // each UTF-16 unit as four hex digits
    Utf8,
    Latin1,  // "8859-1"
    Ira,     // ASCII
    Gsm,     // the GSM 7-bit default alphabet, one code a byte
    Pccp437, // code page 437
};

// "UCS2", "UTF-8" or "UTF8", "8859-1", "IRA", "GSM", "PCCP437", whatever the case.
std::optional<Set> named(QStringView name);

// Whether the set carries c.
bool holds(Set set, char32_t c);
// text as the phone is sent it in set; a character the set lacks becomes "?".
QByteArray encode(Set set, const QString &text);
// What the phone sent in set, as text. Phones mix forms: what is not valid in the set (a
// UCS2 phone's plain text, hex of odd length) is kept as it came, byte for character; UCS2
// hex with a trailing "00" is read without it.
QString decode(Set set, const QByteArray &field);

} // namespace CharacterSets
