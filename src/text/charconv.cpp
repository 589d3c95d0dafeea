#include "charconv.h"

#include "cp1252.h"
#include "cp437.h"

#include <array>

namespace {

// The phone shows the control byte 0x15 as §. It never gets that byte: a § goes out as S.
constexpr char16_t SectionByte = 0x15;
constexpr char16_t Section = 0x00A7;

// The character the line gives each byte from 0x80 up, as the serial line reads it.
const std::array<char16_t, 128> &lineCharacters()
{
    static const std::array<char16_t, 128> characters = [] {
        QByteArray upper(128, Qt::Uninitialized);
        for (int b = 0; b < 128; ++b)
            upper[b] = static_cast<char>(0x80 + b);
        const QString read = Cp1252::decode(upper);
        std::array<char16_t, 128> chars{};
        for (int b = 0; b < 128 && b < read.size(); ++b)
            chars[b] = read.at(b).unicode();
        return chars;
    }();
    return characters;
}

// The byte (less 0x80) that stands for c in line; -1 when none does.
int lineIndexOf(char16_t c, const std::array<char16_t, 128> &line)
{
    for (int b = 0; b < 128; ++b) {
        if (line[b] == c)
            return b;
    }
    return -1;
}

} // namespace

void PhoneToPC(QString &text)
{
    const std::array<char16_t, 128> &line = lineCharacters();
    for (QChar &c : text) {
        if (c.unicode() == SectionByte) {
            c = QChar(Section);
            continue;
        }
        if (c.unicode() < 0x80)
            continue;
        if (const int b = lineIndexOf(c.unicode(), line); b >= 0)
            c = QChar(Cp437::upperCharacter(b));
    }
}

void PCToPhone(QString &text)
{
    const std::array<char16_t, 128> &line = lineCharacters();
    for (QChar &c : text) {
        if (c.unicode() == Section) {
            c = QLatin1Char('S');
            continue;
        }
        if (c.unicode() < 0x80)
            continue;
        const int b = Cp437::upperIndexOf(c.unicode());
        c = b >= 0 ? QChar(line[b]) : QLatin1Char('?');
    }
}

bool CarriedToPhone(char32_t c)
{
    if (c < 0x80 || c == Section)
        return true;
    return c <= 0xFFFF && Cp437::upperIndexOf(static_cast<char16_t>(c)) >= 0;
}
