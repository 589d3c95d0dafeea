#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The GSM 7-bit default alphabet and its extension table, one code (0 to 127) per character;
// an extension character is the escape code 27 followed by its own. Pure, no I/O.
namespace GsmAlphabet {

constexpr char Escape = 27;

// The character of a code of the default alphabet (0 to 127).
char16_t character(int code);
// The character an escape code followed by code stands for; none when the extension table
// has no such code.
std::optional<char16_t> extension(int code);

// Each character as its code, an extension character as the escape and its code; a character
// the alphabet lacks becomes '?' and, once each, joins *lost.
QByteArray encode(const QString &text, QString *lost = nullptr);
// Codes back to text. Of an escape without a known code after it, that code reads as of the
// default table; a last escape reads as a space, as the standard asks.
QString decode(const QByteArray &codes);
// Whether c can be carried, in one code or two.
bool holds(char32_t c);

} // namespace GsmAlphabet
