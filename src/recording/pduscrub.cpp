#include "pduscrub.h"

namespace PduScrub {

namespace {

// Replaces count BCD digits from octet at with the placeholder's, fill nibbles kept.
bool scrubDigits(QByteArray &pdu, qsizetype at, int count, const Digits &placeholder)
{
    const qsizetype octets = (count + 1) / 2;
    if (count < 0 || at + octets > pdu.size())
        return false;
    QByteArray digits;
    for (int k = 0; k < count; ++k) {
        const int nibble = (uchar(pdu.at(at + k / 2)) >> (k % 2 ? 4 : 0)) & 0x0F;
        digits.append(nibble < 10 ? char('0' + nibble) : '0');
    }
    const QByteArray replaced = placeholder(digits);
    for (int k = 0; k < count && k < replaced.size(); ++k) {
        const int digit = replaced.at(k) >= '0' && replaced.at(k) <= '9' ? replaced.at(k) - '0' : 0;
        uchar octet = uchar(pdu.at(at + k / 2));
        octet = k % 2 ? uchar((octet & 0x0F) | digit << 4) : uchar((octet & 0xF0) | digit);
        pdu[at + k / 2] = char(octet);
    }
    return true;
}

} // namespace

QByteArray scrubbed(const QByteArray &hex, const Digits &placeholder)
{
    QByteArray pdu = QByteArray::fromHex(hex);
    if (pdu.isEmpty() || pdu.toHex().toUpper() != hex.toUpper())
        return hex;
    qsizetype at = 0;
    const auto octet = [&pdu, &at]() { return at < pdu.size() ? int(uchar(pdu.at(at++))) : -1; };
    const int centre = octet();
    if (centre < 0 || (centre > 0 && !scrubDigits(pdu, at + 1, (centre - 1) * 2, placeholder)))
        return hex;
    at += centre;
    const int first = octet();
    const int type = first & 0x03;
    if (first < 0 || type == 0x03)
        return hex;
    if (type != 0x00)
        octet(); // message reference
    const int digits = octet();
    const int addressType = octet();
    if (digits < 0 || addressType < 0)
        return hex;
    // An alphanumeric sender is text: its octets become "@".
    if ((addressType & 0x70) == 0x50) {
        if (at + (digits + 1) / 2 > pdu.size())
            return hex;
        for (qsizetype k = 0; k < (digits + 1) / 2; ++k)
            pdu[at + k] = '\0';
    } else if (!scrubDigits(pdu, at, digits, placeholder)) {
        return hex;
    }
    at += (digits + 1) / 2;
    if (type == 0x02)
        return pdu.toHex().toUpper(); // a status report holds no text
    octet();                          // protocol identifier
    const int dcs = octet();
    const int validity = (first >> 3) & 0x03;
    at += type == 0x00 ? 7 : validity == 0x02 ? 1 : validity == 0x00 ? 0 : 7;
    const int length = octet();
    if (dcs < 0 || length < 0 || at > pdu.size())
        return hex;
    qsizetype body = at;
    if ((first & 0x40) && at < pdu.size())
        body += 1 + uchar(pdu.at(at));
    const bool sevenBit =
        (dcs & 0xC0) == 0x00 ? ((dcs >> 2) & 0x03) == 0 : (dcs & 0xF4) == 0xF0 || (dcs & 0xE0) == 0xC0;
    const bool ucs2 = (dcs & 0xC0) == 0x00 ? ((dcs >> 2) & 0x03) == 2 : (dcs & 0xF0) == 0xE0;
    for (qsizetype k = body; k < pdu.size(); ++k)
        pdu[k] = sevenBit ? '\0' : (ucs2 && (k - body) % 2 == 0) ? '\0' : 'x';
    return pdu.toHex().toUpper();
}

} // namespace PduScrub
