#pragma once

#include <QByteArray>
#include <QString>

// The PC side of the line and of every file the tool writes: one byte per character in
// Windows-1252. Bytes that code page leaves undefined map to the character of the same number.
namespace Cp1252 {

QString decode(const QByteArray &bytes);

// A character outside the code page becomes '?', never a control byte: a stray Ctrl-Z
// would end a message body on the phone.
QByteArray encode(const QString &text);

// True when c is one of the 256 characters decode gives, so encode keeps it.
bool holds(char32_t c);

} // namespace Cp1252
