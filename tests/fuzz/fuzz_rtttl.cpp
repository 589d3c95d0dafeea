// RTTTL text of any content, as "Import RTTTL" converts it: every melody it makes must read back
// as it was written, note for note, also when the octave raise applies; and the same bytes as a
// melody file's lines must not trouble the preview.
#include "fuzzinput.h"

#include "ringtones/melodyevents.h"
#include "ringtones/melodyfile.h"
#include "ringtones/melodynotation.h"
#include "ringtones/rtttl.h"

#include <cstdlib>

namespace {

bool safeFileName(const QString &name)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    if (name.size() <= 4 || !name.endsWith(QLatin1String(".mdy")) || name.startsWith(QLatin1Char('.')))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || forbidden.contains(c))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = lineText(data, size);
    for (const RtttlConversion &conversion : Rtttl::convertText(text)) {
        if (!conversion.converted()) {
            if (!conversion.melodyLines.isEmpty())
                std::abort();
            continue;
        }
        if (!safeFileName(conversion.fileName) || conversion.notes != conversion.melodyLines.size() - 2 ||
            conversion.tempo < MelodyNotation::SlowestTempo ||
            conversion.tempo > MelodyNotation::FastestTempo)
            std::abort();
        const MelodyFile melody = ParseMelody(conversion.melodyLines);
        if (melody.name.isEmpty() || melody.shortName() != melody.name ||
            melody.tempoToSend() != QString::number(conversion.tempo))
            std::abort();
        for (const QString &line : conversion.melodyLines.mid(2)) {
            if (!MelodyNotation::readNoteLine(line) || KindOfMelodyLine(line) != MelodyLineKind::Note)
                std::abort();
        }
        if (MelodyEvents(melody, false).size() != conversion.notes ||
            MelodyEvents(melody, true).size() != conversion.notes)
            std::abort();
    }
    MelodyEvents(ParseMelody(text.split(QLatin1Char('\n'))), true);
    return 0;
}
