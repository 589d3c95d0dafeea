#include "melodyevents.h"

#include "melodyfile.h"
#include "melodynotation.h"

QList<ToneEvent> MelodyEvents(const MelodyFile &melody, bool raiseTicked)
{
    const bool raised = RaiseApplies(melody.lines, raiseTicked);
    const int tempo = MelodyNotation::tempo(melody.tempoToSend());
    QList<ToneEvent> events;
    for (const QString &line : melody.lines) {
        if (KindOfMelodyLine(line) != MelodyLineKind::Note)
            continue;
        const std::optional<MelodyNotation::Note> note =
            MelodyNotation::readNoteLine(NoteLineToPhone(line, raised));
        if (!note)
            continue;
        const double frequency = note->pitch ? MelodyNotation::frequency(*note->pitch) : 0.0;
        events.append({frequency, note->durationMs(tempo)});
    }
    return events;
}
