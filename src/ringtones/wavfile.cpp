#include "wavfile.h"

#include "tonesynth.h"

#include "text/textfile.h"

#include <QtEndian>

namespace WavFile {

namespace {

template <typename T> void append(QByteArray &bytes, T value)
{
    char little[sizeof(T)];
    qToLittleEndian(value, little);
    bytes.append(little, sizeof(T));
}

} // namespace

QByteArray header(qint64 pcmBytes)
{
    constexpr quint16 Channels = 1;
    constexpr quint16 BytesPerSample = 2;
    const auto dataSize = static_cast<quint32>(pcmBytes);
    QByteArray bytes;
    bytes.reserve(HeaderSize);
    bytes.append("RIFF");
    append<quint32>(bytes, HeaderSize - 8 + dataSize);
    bytes.append("WAVEfmt ");
    append<quint32>(bytes, 16);
    append<quint16>(bytes, 1); // PCM
    append<quint16>(bytes, Channels);
    append<quint32>(bytes, ToneSynth::SampleRate);
    append<quint32>(bytes, ToneSynth::SampleRate * Channels * BytesPerSample);
    append<quint16>(bytes, Channels * BytesPerSample);
    append<quint16>(bytes, 8 * BytesPerSample);
    bytes.append("data");
    append<quint32>(bytes, dataSize);
    return bytes;
}

bool write(const QString &path, const QByteArray &pcm, QString *error)
{
    // Replaced only once complete, and a full disk reported, as every file of the tool.
    return TextFile::writeBytes(path, header(pcm.size()) + pcm, error);
}

} // namespace WavFile
