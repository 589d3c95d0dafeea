#include "cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>

namespace Cp1252 {

namespace {
constexpr const char *CodecName = "windows-1252";
}

QString decode(const QByteArray &bytes)
{
    static QStringDecoder decoder(CodecName);
    decoder.resetState();
    return decoder.decode(bytes);
}

QByteArray encode(const QString &text)
{
    QStringEncoder encoder(CodecName);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes;

    bytes.clear();
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        // A converter that has failed once stays failed; each character gets a fresh one.
        QStringEncoder single(CodecName);
        const QByteArray one = single.encode(QStringView(&ch, 1));
        bytes.append(single.hasError() || one.size() != 1 ? QByteArray("?") : one);
    }
    return bytes;
}

bool holds(char32_t c)
{
    static const std::array<char16_t, 256> sorted = [] {
        QByteArray every(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            every[b] = static_cast<char>(b);
        const QString all = decode(every);
        std::array<char16_t, 256> chars{};
        for (int b = 0; b < 256; ++b)
            chars[b] = all.at(b).unicode();
        std::sort(chars.begin(), chars.end());
        return chars;
    }();
    return c <= 0xFFFF && std::binary_search(sorted.begin(), sorted.end(), static_cast<char16_t>(c));
}

} // namespace Cp1252
