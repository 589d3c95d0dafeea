#pragma once

#include <QByteArray>

// GSM 7-bit codes packed eight into seven octets, low bits first (3GPP TS 23.038, 6.1.2.1).
// After a user data header the text starts at the next septet boundary: fillBits zero bits
// come before the first code. Pure.
namespace Septets {

QByteArray pack(const QByteArray &codes, int fillBits = 0);
// count codes from octets; fewer when the octets end before them.
QByteArray unpack(const QByteArray &octets, int count, int fillBits = 0);
// The fill bits before a text that follows a header of headerOctets (its length octet too).
inline int fillAfter(int headerOctets)
{
    return (7 - (headerOctets * 8) % 7) % 7;
}

} // namespace Septets
