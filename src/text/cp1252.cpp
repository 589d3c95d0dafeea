#include "cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

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

} // namespace Cp1252
