#pragma once

#include <QByteArray>
#include <QString>

// A RIFF/WAVE file of 16-bit mono PCM at ToneSynth's sample rate.
namespace WavFile {

constexpr int HeaderSize = 44;

QByteArray header(qint64 pcmBytes);
// Replaces the file only once it is complete; error gets the reason of a failure.
bool write(const QString &path, const QByteArray &pcm, QString *error = nullptr);

} // namespace WavFile
