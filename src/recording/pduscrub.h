#pragma once

#include <QByteArray>
#include <functional>

// A PDU in hex (as "AT+CMGL" lists it or "AT+CMGS" sends it) with what is private in it
// replaced and its shape kept: the service centre's and the address's digits by the
// placeholder digits given, the text after any header by "x" (by "@" for 7-bit codes, whose
// octets hold several characters). Lengths, types and headers stay, so it still reads as
// the same kind of message. Hex that does not read as a PDU comes back unchanged.
namespace PduScrub {

using Digits = std::function<QByteArray(const QByteArray &digits)>;

QByteArray scrubbed(const QByteArray &hex, const Digits &placeholder);

} // namespace PduScrub
