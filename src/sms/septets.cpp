#include "septets.h"

namespace Septets {

QByteArray pack(const QByteArray &codes, int fillBits)
{
    const qsizetype bits = fillBits + codes.size() * 7;
    QByteArray octets((bits + 7) / 8, '\0');
    qsizetype at = fillBits;
    for (const char c : codes) {
        const unsigned code = static_cast<unsigned char>(c) & 0x7F;
        octets[at / 8] = char(static_cast<unsigned char>(octets.at(at / 8)) | ((code << (at % 8)) & 0xFF));
        if (at % 8 > 1)
            octets[at / 8 + 1] = char(code >> (8 - at % 8));
        at += 7;
    }
    return octets;
}

QByteArray unpack(const QByteArray &octets, int count, int fillBits)
{
    QByteArray codes;
    codes.reserve(count);
    for (qsizetype k = 0, at = fillBits; k < count; ++k, at += 7) {
        if (at + 7 > octets.size() * 8)
            break;
        unsigned value = static_cast<unsigned char>(octets.at(at / 8)) >> (at % 8);
        if (at % 8 > 1)
            value |= unsigned(static_cast<unsigned char>(octets.at(at / 8 + 1))) << (8 - at % 8);
        codes.append(char(value & 0x7F));
    }
    return codes;
}

} // namespace Septets
