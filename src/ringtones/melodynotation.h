#pragma once

#include <QString>

#include <optional>

// Our reading of the phone's note lines (docs/melody-notation.md): a note token, then a length.
// Pitches are MIDI key numbers, middle c ("c", "c4") being 60.
namespace MelodyNotation {

constexpr int LowestPitch = 53;  // "f-", "f3"
constexpr int HighestPitch = 84; // "c++", "c6"

constexpr int DefaultTempo = 120;
// RTTTL's range of tempos; anything beyond is a typing slip or an attack on the player.
constexpr int SlowestTempo = 25;
constexpr int FastestTempo = 900;

struct Note
{
    std::optional<int> pitch; // nothing for a pause
    int length = 4;           // 1 whole, 2 half, 4 quarter ... 32
    bool dotted = false;

    // How long it sounds at tempo quarter notes a minute.
    double durationMs(int tempo) const;
};

// 1 whole, 2 half, 4 quarter, 8, 16, 32.
bool isLength(int value);
// Semitones above c of a pitch letter c d e f g a b, either case.
std::optional<int> letterStep(QChar letter);

// Nothing when the line is no note we can read.
std::optional<Note> readNoteLine(const QString &line);
// The line in digit notation: "c4 8", "f#5 4.", "p 8"; the pitch within the phone's range.
QString noteLine(const Note &note);

// Equal temperament, a4 = 440 Hz.
double frequency(int pitch);

// Quarter notes a minute from the digits of a tempo value: the default without any digit,
// within SlowestTempo and FastestTempo always.
int tempo(const QString &digits);
int clampedTempo(int tempo);

} // namespace MelodyNotation
