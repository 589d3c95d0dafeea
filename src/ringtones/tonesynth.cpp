#include "tonesynth.h"

#include <QtEndian>

#include <cmath>

namespace ToneSynth {

namespace {

constexpr double Amplitude = 0.5 * 32767;
constexpr qint64 AttackSamples = SampleRate * 5 / 1000;
constexpr qint64 ReleaseSamples = SampleRate * 10 / 1000;
constexpr qint64 MaxSamples = qint64(SampleRate) * MaxSeconds;
constexpr double Pi = 3.14159265358979323846;

// Sample positions come from the time since the start, so rounding never adds up over a melody.
qint64 sampleAt(double ms)
{
    const double sample = ms * SampleRate / 1000.0;
    return sample < MaxSamples ? std::llround(sample) : MaxSamples;
}

double gainAt(qint64 i, qint64 count)
{
    const qint64 attack = std::min(AttackSamples, count / 2);
    const qint64 release = std::min(ReleaseSamples, count / 2);
    if (i < attack)
        return double(i) / attack;
    if (count - i <= release)
        return double(count - i) / release;
    return 1.0;
}

} // namespace

QByteArray render(const QList<ToneEvent> &events, bool *cut)
{
    double totalMs = 0;
    for (const ToneEvent &event : events) {
        if (event.durationMs > 0)
            totalMs += event.durationMs;
    }
    const qint64 total = sampleAt(totalMs);
    if (cut)
        *cut = totalMs * SampleRate / 1000.0 > MaxSamples + 0.5;

    QByteArray pcm(total * 2, Qt::Uninitialized);
    auto *out = reinterpret_cast<uchar *>(pcm.data());
    double elapsedMs = 0;
    for (const ToneEvent &event : events) {
        if (!(event.durationMs > 0))
            continue;
        const qint64 first = sampleAt(elapsedMs);
        elapsedMs += event.durationMs;
        const qint64 count = sampleAt(elapsedMs) - first;
        const double step = 2 * Pi * event.frequency / SampleRate;
        for (qint64 i = 0; i < count; ++i) {
            const double value =
                event.frequency > 0 ? Amplitude * gainAt(i, count) * std::sin(step * i) : 0.0;
            qToLittleEndian<qint16>(static_cast<qint16>(std::lround(value)), out + 2 * (first + i));
        }
        if (first + count >= MaxSamples)
            break;
    }
    return pcm;
}

} // namespace ToneSynth
