#include "smspdu.h"

#include "septets.h"

#include "text/gsmalphabet.h"

#include <algorithm>

namespace SmsPdu {

namespace {

// The octets of a PDU, read front to back; a read past the end marks it broken.
class Octets
{
public:
    explicit Octets(QByteArray bytes) : bytes_(std::move(bytes)) {}

    int next()
    {
        if (at_ >= bytes_.size()) {
            broken_ = true;
            return 0;
        }
        return static_cast<unsigned char>(bytes_.at(at_++));
    }
    QByteArray take(qsizetype count)
    {
        if (count < 0 || at_ + count > bytes_.size()) {
            broken_ = true;
            at_ = bytes_.size();
            return {};
        }
        const QByteArray part = bytes_.mid(at_, count);
        at_ += count;
        return part;
    }
    QByteArray rest()
    {
        const QByteArray part = bytes_.mid(at_);
        at_ = bytes_.size();
        return part;
    }
    bool broken() const { return broken_; }

private:
    QByteArray bytes_;
    qsizetype at_ = 0;
    bool broken_ = false;
};

constexpr int International = 0x10; // the type of number in the type-of-address octet
constexpr int Alphanumeric = 0x50;
constexpr int NumberTypeMask = 0x70;

// Semi-octets low first, the filler F ending them; A to E as the standard's *, #, a, b, c.
QString digitsOf(const QByteArray &octets, int count)
{
    static const char Digits[] = "0123456789*#abc";
    QString digits;
    for (const char c : octets) {
        for (const int nibble : {c & 0x0F, (c >> 4) & 0x0F}) {
            if (digits.size() >= count || nibble == 0x0F)
                return digits;
            digits += QLatin1Char(Digits[nibble]);
        }
    }
    return digits;
}

QString withPlus(const QString &digits, int type)
{
    return (type & NumberTypeMask) == International && !digits.isEmpty() ? QLatin1Char('+') + digits : digits;
}

QString serviceCentreOf(Octets &pdu)
{
    const int length = pdu.next();
    if (length == 0)
        return QString();
    const int type = pdu.next();
    return withPlus(digitsOf(pdu.take(length - 1), (length - 1) * 2), type);
}

QString addressOf(Octets &pdu, int *type)
{
    const int semiOctets = pdu.next();
    *type = pdu.next();
    const QByteArray octets = pdu.take((semiOctets + 1) / 2);
    if ((*type & NumberTypeMask) == Alphanumeric)
        return GsmAlphabet::decode(Septets::unpack(octets, semiOctets * 4 / 7));
    return withPlus(digitsOf(octets, semiOctets), *type);
}

QString timeStampOf(Octets &pdu)
{
    const QByteArray octets = pdu.take(7);
    if (octets.size() != 7)
        return QString();
    const auto swapped = [&octets](int k) {
        const int o = static_cast<unsigned char>(octets.at(k));
        return QStringLiteral("%1%2").arg(o & 0x0F).arg((o >> 4) & 0x0F);
    };
    // The zone in quarter hours, its sign in bit 3.
    const int zone = static_cast<unsigned char>(octets.at(6));
    const int quarters = (zone & 0x07) * 10 + ((zone >> 4) & 0x0F);
    return swapped(0) + QLatin1Char('/') + swapped(1) + QLatin1Char('/') + swapped(2) + QLatin1Char(',') +
           swapped(3) + QLatin1Char(':') + swapped(4) + QLatin1Char(':') + swapped(5) +
           ((zone & 0x08) ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1").arg(quarters, 2, 10, QLatin1Char('0'));
}

// 3GPP TS 23.038, 4: the alphabet of the data coding scheme; compressed or reserved data
// is shown as data.
Coding codingOf(int dcs)
{
    const int group = dcs >> 4;
    if ((group & 0x0C) == 0x00 || (group & 0x0C) == 0x04) {
        if (dcs & 0x20)
            return Coding::EightBit;
        switch ((dcs >> 2) & 0x03) {
        case 0:
            return Coding::Gsm7;
        case 2:
            return Coding::Ucs2;
        default:
            return Coding::EightBit;
        }
    }
    if (group == 0x0C || group == 0x0D)
        return Coding::Gsm7;
    if (group == 0x0E)
        return Coding::Ucs2;
    if (group == 0x0F)
        return (dcs & 0x04) ? Coding::EightBit : Coding::Gsm7;
    return Coding::EightBit;
}

std::optional<Concatenation> concatenationOf(const QByteArray &header)
{
    for (qsizetype at = 0; at + 2 <= header.size();) {
        const int id = static_cast<unsigned char>(header.at(at));
        const int length = static_cast<unsigned char>(header.at(at + 1));
        const QByteArray data = header.mid(at + 2, length);
        if (data.size() != length)
            return std::nullopt;
        const auto octet = [&data](int k) { return static_cast<unsigned char>(data.at(k)); };
        if (id == 0x00 && length == 3 && octet(1) > 0 && octet(2) > 0 && octet(2) <= octet(1))
            return Concatenation{octet(0), octet(1), octet(2), false};
        if (id == 0x08 && length == 4 && octet(2) > 0 && octet(3) > 0 && octet(3) <= octet(2))
            return Concatenation{octet(0) << 8 | octet(1), octet(2), octet(3), true};
        at += 2 + length;
    }
    return std::nullopt;
}

bool readUserData(Octets &pdu, bool hasHeader, Message *message)
{
    const int length = pdu.next(); // septets for 7-bit, else octets
    const QByteArray data = pdu.rest();
    int headerOctets = 0;
    if (hasHeader) {
        if (data.isEmpty())
            return false;
        headerOctets = 1 + static_cast<unsigned char>(data.at(0));
        if (headerOctets > data.size())
            return false;
        message->userDataHeader = data.mid(1, headerOctets - 1);
        message->concatenation = concatenationOf(message->userDataHeader);
    }
    const QByteArray body = data.mid(headerOctets);
    switch (message->coding) {
    case Coding::Gsm7: {
        const int headerSeptets = (headerOctets * 8 + 6) / 7;
        const QByteArray codes =
            Septets::unpack(body, length - headerSeptets, Septets::fillAfter(headerOctets));
        message->text = GsmAlphabet::decode(codes);
        return length >= headerSeptets && codes.size() == length - headerSeptets;
    }
    case Coding::Ucs2: {
        const QByteArray units = body.left(std::max(0, length - headerOctets));
        QString text;
        for (qsizetype k = 0; k + 1 < units.size(); k += 2)
            text += QChar(char16_t(static_cast<unsigned char>(units.at(k)) << 8 |
                                   static_cast<unsigned char>(units.at(k + 1))));
        message->text = text;
        return units.size() == length - headerOctets && units.size() % 2 == 0;
    }
    case Coding::EightBit: {
        const QByteArray octets = body.left(std::max(0, length - headerOctets));
        message->text = QStringLiteral("(8-bit data) ") + QString::fromLatin1(octets.toHex().toUpper());
        return octets.size() == length - headerOctets;
    }
    }
    return false;
}

} // namespace

std::optional<Message> decode(const QByteArray &hex, QString *error)
{
    const auto fail = [error](const QString &reason) -> std::optional<Message> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    const QByteArray trimmed = hex.trimmed();
    static const QByteArray HexDigits = "0123456789abcdefABCDEF";
    for (const char c : trimmed) {
        if (!HexDigits.contains(c))
            return fail(QStringLiteral("not hex"));
    }
    if (trimmed.size() % 2 != 0)
        return fail(QStringLiteral("an odd number of hex digits"));
    Octets pdu(QByteArray::fromHex(trimmed));
    Message message;
    message.serviceCentre = serviceCentreOf(pdu);
    const int first = pdu.next();
    const bool hasHeader = first & 0x40;
    switch (first & 0x03) {
    case 0x00:
        message.type = Type::Deliver;
        message.address = addressOf(pdu, &message.addressType);
        pdu.next(); // protocol identifier
        message.coding = codingOf(pdu.next());
        message.timeStamp = timeStampOf(pdu);
        break;
    case 0x01: {
        message.type = Type::Submit;
        message.messageReference = pdu.next();
        message.address = addressOf(pdu, &message.addressType);
        pdu.next();
        message.coding = codingOf(pdu.next());
        const int validity = (first >> 3) & 0x03;
        pdu.take(validity == 0x02 ? 1 : validity == 0x00 ? 0 : 7);
        break;
    }
    case 0x02:
        message.type = Type::StatusReport;
        message.messageReference = pdu.next();
        message.address = addressOf(pdu, &message.addressType);
        message.timeStamp = timeStampOf(pdu);
        message.dischargeTime = timeStampOf(pdu);
        message.status = pdu.next();
        if (pdu.broken())
            return fail(QStringLiteral("the PDU ends early"));
        return message;
    default:
        return fail(QStringLiteral("a message type this reader does not know"));
    }
    if (pdu.broken())
        return fail(QStringLiteral("the PDU ends early"));
    if (!readUserData(pdu, hasHeader, &message) || pdu.broken())
        return fail(QStringLiteral("the user data do not match their length"));
    return message;
}

Split split(const QString &text)
{
    Split result;
    bool gsm = true;
    for (const char32_t c : text.toUcs4())
        gsm = gsm && GsmAlphabet::holds(c);
    result.coding = gsm ? Coding::Gsm7 : Coding::Ucs2;
    const int whole = gsm ? 160 : 70;
    const int perPart = gsm ? 153 : 67;
    // A character's cost: septets (an extension character two), or UTF-16 units.
    const auto cost = [gsm](const QString &character) {
        return gsm ? int(GsmAlphabet::encode(character).size()) : int(character.size());
    };
    QStringList characters;
    int total = 0;
    for (const char32_t c : text.toUcs4()) {
        characters.append(QString::fromUcs4(&c, 1));
        total += cost(characters.constLast());
    }
    if (total <= whole) {
        result.parts = {text};
        return result;
    }
    QString part;
    int used = 0;
    for (const QString &character : std::as_const(characters)) {
        if (used + cost(character) > perPart) {
            result.parts.append(part);
            part.clear();
            used = 0;
        }
        part += character;
        used += cost(character);
    }
    result.parts.append(part);
    return result;
}

QByteArray addressField(const QString &number)
{
    const bool international = number.startsWith(QLatin1Char('+'));
    QByteArray nibbles;
    for (const QChar c : international ? number.mid(1) : number) {
        if (c.isDigit())
            nibbles.append(char(c.digitValue()));
        else if (c == QLatin1Char('*'))
            nibbles.append(char(0x0A));
        else if (c == QLatin1Char('#'))
            nibbles.append(char(0x0B));
    }
    QByteArray field;
    field.append(char(nibbles.size()));
    field.append(char(international ? 0x91 : 0x81));
    for (qsizetype k = 0; k < nibbles.size(); k += 2) {
        const int low = nibbles.at(k);
        const int high = k + 1 < nibbles.size() ? nibbles.at(k + 1) : 0x0F;
        field.append(char(high << 4 | low));
    }
    return field;
}

QList<Encoded> encodeSubmit(const QString &number, const QString &text, int concatenationReference)
{
    const Split parts = split(text);
    const bool several = parts.parts.size() > 1;
    QList<Encoded> encoded;
    for (qsizetype k = 0; k < parts.parts.size(); ++k) {
        QByteArray header;
        if (several)
            header = QByteArray::fromHex("050003") + char(concatenationReference & 0xFF) +
                     char(parts.parts.size()) + char(k + 1);
        QByteArray tpdu;
        // SMS-SUBMIT, a relative validity period, a header where the text has one.
        tpdu.append(char(several ? 0x51 : 0x11));
        tpdu.append('\0'); // the phone sets the message reference
        tpdu.append(addressField(number));
        tpdu.append('\0'); // protocol identifier
        tpdu.append(char(parts.coding == Coding::Gsm7 ? 0x00 : 0x08));
        tpdu.append(char(0xA7)); // one day
        if (parts.coding == Coding::Gsm7) {
            const QByteArray codes = GsmAlphabet::encode(parts.parts.at(k));
            const int headerSeptets = (int(header.size()) * 8 + 6) / 7;
            tpdu.append(char(headerSeptets + codes.size()));
            tpdu.append(header + Septets::pack(codes, Septets::fillAfter(int(header.size()))));
        } else {
            QByteArray units;
            for (const QChar c : parts.parts.at(k)) {
                units.append(char(c.unicode() >> 8));
                units.append(char(c.unicode() & 0xFF));
            }
            tpdu.append(char(header.size() + units.size()));
            tpdu.append(header + units);
        }
        encoded.append({"00" + tpdu.toHex().toUpper(), int(tpdu.size())});
    }
    return encoded;
}

} // namespace SmsPdu
