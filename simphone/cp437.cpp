#include "cp437.h"

#include "text/cp437.h"

namespace simphone {

namespace {

// Of the glyphs the code page gives to control bytes, only these two turn up in text.
constexpr char16_t pilcrow = 0x00B6;
constexpr char16_t section = 0x00A7;

} // namespace

QByteArray toCp437(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            bytes.append(char(u));
            continue;
        }
        if (u == pilcrow) {
            bytes.append('\x14');
            continue;
        }
        if (u == section) {
            bytes.append('\x15');
            continue;
        }
        const int index = Cp437::upperIndexOf(u);
        bytes.append(index >= 0 ? char(0x80 + index) : '?');
    }
    return bytes;
}

} // namespace simphone
