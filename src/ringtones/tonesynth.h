#pragma once

#include "melodyevents.h"

#include <QByteArray>

// A melody's tones as sound: 16-bit signed little-endian mono PCM, a sine for each tone with a
// short rise and fall so that notes do not click, silence for a pause.
namespace ToneSynth {

constexpr int SampleRate = 22050;
// A hostile file could ask for days of sound.
constexpr int MaxSeconds = 10 * 60;

// cut tells whether the sound stops at MaxSeconds before the melody ends.
QByteArray render(const QList<ToneEvent> &events, bool *cut = nullptr);

} // namespace ToneSynth
