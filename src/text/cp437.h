#pragma once

#include <QByteArray>
#include <QString>

// Code page 437, the phone's own character set once "PCCP437" is chosen: the one table the
// program and the simulated phone share. Pure, no I/O.
namespace Cp437 {

// The character of byte 0x80 + index, index from 0 to 127.
char16_t upperCharacter(int index);
// The index (byte less 0x80) of c in the upper half; -1 when the code page lacks it.
int upperIndexOf(char16_t c);
// text as the code page's bytes, as a phone keeps names and texts; characters the code page
// lacks become '?'. Of the glyphs it gives to control bytes only the two that turn up in text
// count: the pilcrow (0x14) and the section sign (0x15).
QByteArray encode(const QString &text);

} // namespace Cp437
