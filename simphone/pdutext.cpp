#include "pdutext.h"

#include "heldtext.h"

#include "text/gsmalphabet.h"

namespace simphone {

namespace PduText {

namespace {

const QList<QByteArray> Statuses = {"REC UNREAD", "REC READ", "STO UNSENT", "STO SENT"};

// The octet at k; 0 past the end.
int octetAt(const QByteArray &bytes, qsizetype k)
{
    return k >= 0 && k < bytes.size() ? uchar(bytes.at(k)) : 0;
}

// Bits gathered low first and given out as octets.
class BitWriter
{
public:
    void put(unsigned value, int bits)
    {
        buffer_ |= value << filled_;
        filled_ += bits;
        while (filled_ >= 8) {
            out_.append(char(buffer_ & 0xFF));
            buffer_ >>= 8;
            filled_ -= 8;
        }
    }
    QByteArray finish()
    {
        if (filled_ > 0)
            out_.append(char(buffer_ & 0xFF));
        buffer_ = 0;
        filled_ = 0;
        return out_;
    }

private:
    QByteArray out_;
    unsigned buffer_ = 0;
    int filled_ = 0;
};

QByteArray semiOctets(const QByteArray &digits)
{
    QByteArray out;
    for (qsizetype k = 0; k < digits.size(); k += 2) {
        const int low = digits.at(k) - '0';
        const int high = k + 1 < digits.size() ? digits.at(k + 1) - '0' : 0x0F;
        out.append(char(high << 4 | low));
    }
    return out;
}

QByteArray address(const QByteArray &number)
{
    const bool letters =
        std::any_of(number.begin(), number.end(), [](char c) { return std::isalpha(uchar(c)); });
    if (letters) {
        // An alphanumeric sender: its septets, the length counted in semi-octets.
        const QByteArray codes = GsmAlphabet::encode(QString::fromLatin1(number));
        BitWriter bits;
        for (const char code : codes)
            bits.put(uchar(code), 7);
        const QByteArray packed = bits.finish();
        return char((codes.size() * 7 + 3) / 4) + QByteArray(1, char(0xD0)) + packed;
    }
    const bool international = number.startsWith('+');
    const QByteArray digits = international ? number.mid(1) : number;
    return char(digits.size()) + QByteArray(1, char(international ? 0x91 : 0x81)) + semiOctets(digits);
}

QByteArray serviceCentre(const PhoneState &state)
{
    const QByteArray centre =
        state.serviceCentre.isEmpty() ? QByteArray("+491710760000") : state.serviceCentre;
    const QByteArray field = address(centre).mid(1); // type and digits
    return char(field.size()) + field;
}

// "09/08/18,19:11:45+08": the digits swapped in pairs, the zone's sign in bit 3.
QByteArray timeStamp(const QByteArray &stamp)
{
    QByteArray digits;
    for (const char c : stamp.left(17)) {
        if (c >= '0' && c <= '9')
            digits.append(c);
    }
    QByteArray out = semiOctets(digits);
    const int quarters = stamp.mid(18).toInt();
    out.append(
        char((quarters % 10) << 4 | (quarters / 10) | (stamp.size() > 17 && stamp.at(17) == '-' ? 0x08 : 0)));
    return out;
}

// The user data: its length, a concatenation header where the message is a part, the text in
// the GSM alphabet where it fits, else UCS2. The coding scheme goes to *dcs.
QByteArray userData(const QString &text, const Message &m, int *dcs)
{
    QByteArray header;
    if (m.parts > 1)
        header = QByteArray::fromHex("050003") + char(m.reference) + char(m.parts) + char(m.part);
    bool gsm = true;
    for (const char32_t c : text.toUcs4())
        gsm = gsm && GsmAlphabet::holds(c);
    *dcs = gsm ? 0x00 : 0x08;
    if (!gsm) {
        QByteArray units;
        for (const QChar c : text) {
            units.append(char(c.unicode() >> 8));
            units.append(char(c.unicode() & 0xFF));
        }
        return char(header.size() + units.size()) + header + units;
    }
    BitWriter bits;
    for (const char octet : header)
        bits.put(uchar(octet), 8);
    const int fill = header.isEmpty() ? 0 : (7 - header.size() * 8 % 7) % 7;
    bits.put(0, fill);
    const QByteArray codes = GsmAlphabet::encode(text);
    for (const char code : codes)
        bits.put(uchar(code), 7);
    const int septets = int((header.size() * 8 + fill) / 7 + codes.size());
    return char(septets) + bits.finish();
}

// Octets read front to back; nothing past the end.
struct Reader
{
    QByteArray bytes;
    qsizetype at = 0;
    bool ok = true;
    int next()
    {
        if (at >= bytes.size()) {
            ok = false;
            return 0;
        }
        return uchar(bytes.at(at++));
    }
};

} // namespace

int centreLength(const QByteArray &hex)
{
    return octetAt(QByteArray::fromHex(hex.trimmed().left(2)), 0);
}

int statusNumber(const QByteArray &status)
{
    return int(Statuses.indexOf(status));
}

QByteArray statusName(int number)
{
    return Statuses.value(number);
}

QByteArray of(const PhoneState &state, const Message &m)
{
    if (!m.pdu.isEmpty())
        return m.pdu;
    const QString text = heldText(state, m.body);
    int dcs = 0;
    const QByteArray data = userData(text, m, &dcs);
    QByteArray tpdu;
    if (m.status.startsWith("REC")) {
        tpdu.append(char(0x04 | (m.parts > 1 ? 0x40 : 0)));
        tpdu.append(address(m.address));
        tpdu.append('\0');
        tpdu.append(char(dcs));
        tpdu.append(timeStamp(m.timestamp));
    } else {
        tpdu.append(char(0x11 | (m.parts > 1 ? 0x40 : 0)));
        tpdu.append('\0');
        tpdu.append(address(m.address));
        tpdu.append('\0');
        tpdu.append(char(dcs));
        tpdu.append(char(0xA7));
    }
    return (serviceCentre(state) + tpdu + data).toHex().toUpper();
}

std::optional<Submit> readSubmit(const QByteArray &hex)
{
    Reader pdu{QByteArray::fromHex(hex.trimmed())};
    const int centre = pdu.next();
    pdu.at += centre;
    const int first = pdu.next();
    if ((first & 0x03) != 0x01)
        return std::nullopt;
    pdu.next(); // message reference
    Submit submit;
    const int digits = pdu.next();
    const int type = pdu.next();
    QByteArray number = (type & 0x70) == 0x10 ? "+" : "";
    for (int k = 0; k < (digits + 1) / 2; ++k) {
        const int octet = pdu.next();
        number += char('0' + (octet & 0x0F));
        if (2 * k + 1 < digits)
            number += char('0' + (octet >> 4));
    }
    submit.address = number;
    pdu.next(); // protocol identifier
    const int dcs = pdu.next();
    const int validity = (first >> 3) & 0x03;
    pdu.at += validity == 0x02 ? 1 : validity == 0x00 ? 0 : 7;
    const int length = pdu.next();
    const QByteArray data = pdu.bytes.mid(pdu.at);
    if (!pdu.ok)
        return std::nullopt;
    int headerOctets = 0;
    if (first & 0x40) {
        headerOctets = 1 + octetAt(data, 0);
        const QByteArray header = data.mid(1, headerOctets - 1);
        if (header.size() >= 5 && header.at(0) == 0x00 && header.at(1) == 0x03) {
            submit.reference = uchar(header.at(2));
            submit.parts = uchar(header.at(3));
            submit.part = uchar(header.at(4));
        }
    }
    if ((dcs & 0x0C) == 0x08) {
        const QByteArray units = data.mid(headerOctets, length - headerOctets);
        for (qsizetype k = 0; k + 1 < units.size(); k += 2)
            submit.text += QChar(char16_t(uchar(units.at(k)) << 8 | uchar(units.at(k + 1))));
        return submit;
    }
    // Septets from the bit after the header and its fill.
    const int start = headerOctets == 0 ? 0 : (headerOctets * 8 + 6) / 7 * 7;
    QByteArray codes;
    for (int septet = start / 7; septet < length; ++septet) {
        const int bit = septet * 7;
        unsigned value = unsigned(octetAt(data, bit / 8)) >> (bit % 8);
        if (bit % 8 > 1)
            value |= unsigned(octetAt(data, bit / 8 + 1)) << (8 - bit % 8);
        codes.append(char(value & 0x7F));
    }
    submit.text = GsmAlphabet::decode(codes);
    return submit;
}

} // namespace PduText

} // namespace simphone
