#pragma once

#include <QList>

struct MelodyFile;

// One sound of a melody as heard: a tone, or silence when frequency is 0.
struct ToneEvent
{
    double frequency = 0; // Hz
    double durationMs = 0;

    bool operator==(const ToneEvent &other) const
    {
        return frequency == other.frequency && durationMs == other.durationMs;
    }
};

// The melody as the phone would play it after an upload with "Increase Tone Height" ticked or
// not: the same raise decision and the same lines the upload sends. Lines we cannot read as
// notes, "M" lines and the header make no sound.
QList<ToneEvent> MelodyEvents(const MelodyFile &melody, bool raiseTicked);
