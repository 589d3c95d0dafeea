#include "rtttl.h"

#include "melodyfile.h"
#include "melodynotation.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace Rtttl {

namespace {

using MelodyNotation::HighestPitch;
using MelodyNotation::isLength;
using MelodyNotation::LowestPitch;
using MelodyNotation::Note;

const QString FallbackName = QStringLiteral("Ringtone");
constexpr int MaxFileNameLength = 64;
constexpr int ExamplesShown = 3;

// RTTTL's own defaults, changed by the settings section and by settings among the notes.
struct Defaults
{
    int length = 4;
    int octave = 6;
    int tempo = 63;
};

// Some RTTTL texts write b the German way.
std::optional<int> stepOf(QChar letter)
{
    return letter == QLatin1Char('h') ? 11 : MelodyNotation::letterStep(letter);
}

// Digits at pos, at most maxDigits of them; nothing when there are none.
std::optional<int> digitsAt(const QString &text, qsizetype &pos, int maxDigits)
{
    const qsizetype start = pos;
    while (pos < text.size() && pos - start < maxDigits && text.at(pos) >= QLatin1Char('0') &&
           text.at(pos) <= QLatin1Char('9'))
        ++pos;
    if (pos == start)
        return std::nullopt;
    return QStringView(text).mid(start, pos - start).toInt();
}

// "d=8", "o=5", "b=140" (the "=" may be missing); unknown keys count for nothing.
void applySetting(const QString &pair, Defaults &defaults, QStringList &remarks)
{
    if (pair.isEmpty())
        return;
    const qsizetype equals = pair.indexOf(QLatin1Char('='));
    const QString key = equals < 0 ? pair.left(1) : pair.left(equals);
    const QString text = equals < 0 ? pair.mid(1) : pair.mid(equals + 1);
    bool number = false;
    const int value = text.size() <= 6 ? text.toInt(&number) : 0;
    if (key == QLatin1String("d")) {
        if (number && isLength(value))
            defaults.length = value;
        else
            remarks.append(QCoreApplication::translate("Rtttl", "\"%1\" is no note length, kept %2")
                               .arg(pair.left(12), QString::number(defaults.length)));
    } else if (key == QLatin1String("o")) {
        if (number && value >= 0 && value <= 9)
            defaults.octave = value;
        else
            remarks.append(QCoreApplication::translate("Rtttl", "\"%1\" is no octave, kept %2")
                               .arg(pair.left(12), QString::number(defaults.octave)));
    } else if (key == QLatin1String("b")) {
        if (number && value > 0) {
            defaults.tempo = MelodyNotation::clampedTempo(value);
            if (defaults.tempo != value)
                remarks.append(
                    QCoreApplication::translate("Rtttl", "tempo %1 made %2").arg(value).arg(defaults.tempo));
        } else {
            remarks.append(QCoreApplication::translate("Rtttl", "\"%1\" is no tempo, kept %2")
                               .arg(pair.left(12), QString::number(defaults.tempo)));
        }
    }
}

// [length][.]letter[#][.][octave][.], one dot at most; the pitch may lie outside the phone's range.
std::optional<Note> readNote(const QString &command, const Defaults &defaults)
{
    Note note;
    qsizetype pos = 0;
    int dots = 0;
    const auto dot = [&] {
        if (pos < command.size() && command.at(pos) == QLatin1Char('.')) {
            ++dots;
            ++pos;
        }
    };
    note.length = digitsAt(command, pos, 2).value_or(defaults.length);
    dot();
    if (pos >= command.size())
        return std::nullopt;
    const QChar letter = command.at(pos++);
    const bool pause = letter == QLatin1Char('p');
    const std::optional<int> step = stepOf(letter);
    if (!pause && !step)
        return std::nullopt;
    const bool sharp = !pause && pos < command.size() && command.at(pos) == QLatin1Char('#');
    if (sharp)
        ++pos;
    dot();
    const int octave = digitsAt(command, pos, 1).value_or(defaults.octave);
    dot();
    if (pos != command.size() || dots > 1 || !isLength(note.length))
        return std::nullopt;
    note.dotted = dots == 1;
    if (!pause)
        note.pitch = *step + (sharp ? 1 : 0) + 12 * (octave + 1);
    return note;
}

int fittingNotes(const QList<Note> &notes, int shift)
{
    return static_cast<int>(std::count_if(notes.cbegin(), notes.cend(), [shift](const Note &note) {
        return note.pitch && *note.pitch + shift >= LowestPitch && *note.pitch + shift <= HighestPitch;
    }));
}

// The whole octaves that bring the most notes into range; the smallest such move.
int bestShift(const QList<Note> &notes)
{
    int best = 0;
    int bestFitting = fittingNotes(notes, 0);
    for (int octaves = 1; octaves <= 10; ++octaves) {
        for (const int shift : {-12 * octaves, 12 * octaves}) {
            const int fitting = fittingNotes(notes, shift);
            if (fitting > bestFitting) {
                best = shift;
                bestFitting = fitting;
            }
        }
    }
    return best;
}

QString examples(const QStringList &texts)
{
    QStringList shown;
    for (const QString &text : texts.mid(0, ExamplesShown))
        shown.append(QLatin1Char('"') + text.left(12) + QLatin1Char('"'));
    return shown.join(QStringLiteral(", ")) +
           (texts.size() > ExamplesShown ? QStringLiteral(", ...") : QString());
}

QString octavesText(int shift)
{
    const int octaves = std::abs(shift) / 12;
    if (shift > 0)
        return octaves == 1 ? QCoreApplication::translate("Rtttl", "moved up 1 octave")
                            : QCoreApplication::translate("Rtttl", "moved up %1 octaves").arg(octaves);
    return octaves == 1 ? QCoreApplication::translate("Rtttl", "moved down 1 octave")
                        : QCoreApplication::translate("Rtttl", "moved down %1 octaves").arg(octaves);
}

bool isReservedName(const QString &name)
{
    static const QStringList reserved = {QStringLiteral("con"), QStringLiteral("prn"), QStringLiteral("aux"),
                                         QStringLiteral("nul")};
    const QString lower = name.toLower();
    if (reserved.contains(lower))
        return true;
    return lower.size() == 4 &&
           (lower.startsWith(QLatin1String("com")) || lower.startsWith(QLatin1String("lpt"))) &&
           lower.at(3) >= QLatin1Char('1') && lower.at(3) <= QLatin1Char('9');
}

QString withoutWhitespace(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace())
            kept.append(c);
    }
    return kept;
}

} // namespace

QList<RtttlConversion> convertText(const QString &text)
{
    QList<RtttlConversion> conversions;
    const QStringList lines = QString(text)
                                  .replace(QLatin1String("\r\n"), QLatin1String("\n"))
                                  .replace(QLatin1Char('\r'), QLatin1Char('\n'))
                                  .split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().isEmpty())
            continue;
        RtttlConversion conversion = convert(lines.at(i));
        conversion.line = i + 1;
        conversions.append(conversion);
    }
    return conversions;
}

RtttlConversion convert(const QString &ringtone)
{
    RtttlConversion result;
    if (ringtone.size() > MaxLength) {
        result.failure = QCoreApplication::translate("Rtttl", "too long: %1 characters, at most %2")
                             .arg(ringtone.size())
                             .arg(MaxLength);
        return result;
    }
    // The name may hold colons, the settings and the notes cannot.
    const qsizetype notesColon = ringtone.lastIndexOf(QLatin1Char(':'));
    const qsizetype settingsColon =
        notesColon > 0 ? ringtone.lastIndexOf(QLatin1Char(':'), notesColon - 1) : -1;
    if (settingsColon < 0) {
        result.failure =
            QCoreApplication::translate("Rtttl", "missing sections: not \"name:settings:notes\"");
        return result;
    }
    result.name = ringtone.left(settingsColon).trimmed();

    Defaults defaults;
    const QString settings =
        withoutWhitespace(ringtone.mid(settingsColon + 1, notesColon - settingsColon - 1));
    for (const QString &pair : settings.toLower().split(QLatin1Char(',')))
        applySetting(pair, defaults, result.remarks);
    // Settings among the notes change the defaults from there on, not the melody's tempo.
    result.tempo = defaults.tempo;

    QList<Note> notes;
    QStringList unreadable;
    const QString commands = withoutWhitespace(ringtone.mid(notesColon + 1)).toLower();
    for (const QString &command : commands.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (command.contains(QLatin1Char('='))) {
            applySetting(command, defaults, result.remarks);
        } else if (const std::optional<Note> note = readNote(command, defaults)) {
            notes.append(*note);
        } else {
            unreadable.append(command);
        }
    }
    if (defaults.tempo != result.tempo)
        result.remarks.append(
            QCoreApplication::translate("Rtttl", "tempo change to %1 among the notes ignored")
                .arg(defaults.tempo));
    if (notes.isEmpty()) {
        result.failure =
            unreadable.isEmpty()
                ? QCoreApplication::translate("Rtttl", "no notes")
                : QCoreApplication::translate("Rtttl", "no note it could read: %1").arg(examples(unreadable));
        return result;
    }
    if (!unreadable.isEmpty())
        result.remarks.append(QCoreApplication::translate("Rtttl", "skipped %1 unreadable: %2")
                                  .arg(QString::number(unreadable.size()), examples(unreadable)));

    const int shift = bestShift(notes);
    if (shift != 0)
        result.remarks.append(octavesText(shift));
    QStringList movedAlone;
    for (Note &note : notes) {
        if (!note.pitch)
            continue;
        int pitch = *note.pitch + shift;
        // Any pitch has an octave within the range, which spans more than one.
        while (pitch < LowestPitch)
            pitch += 12;
        while (pitch > HighestPitch)
            pitch -= 12;
        if (pitch != *note.pitch + shift)
            movedAlone.append(MelodyNotation::noteLine(Note{pitch, note.length, note.dotted}));
        note.pitch = pitch;
    }
    if (!movedAlone.isEmpty())
        result.remarks.append(
            QCoreApplication::translate("Rtttl", "%1 out of range, moved on their own to %2")
                .arg(QString::number(movedAlone.size()), examples(movedAlone)));

    const QString shownName = result.name.isEmpty() ? FallbackName : result.name;
    result.fileName = fileNameFor(result.name);
    result.melodyLines = {QStringLiteral("NAME=") + shownName.left(MelodyFile::NameLength),
                          QStringLiteral("TEMPO=") + QString::number(result.tempo)};
    for (const Note &note : notes)
        result.melodyLines.append(MelodyNotation::noteLine(note));
    result.notes = static_cast<int>(notes.size());
    return result;
}

QString fileNameFor(const QString &name)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    QString safe;
    for (const QChar c : name.left(MaxFileNameLength)) {
        const bool control = c.unicode() < 0x20 || c.unicode() == 0x7F;
        safe.append(control || forbidden.contains(c) ? QLatin1Char('_') : c);
    }
    // A leading dot hides the file; Windows drops trailing dots and spaces.
    while (safe.startsWith(QLatin1Char('.')) || safe.startsWith(QLatin1Char(' ')))
        safe.remove(0, 1);
    while (safe.endsWith(QLatin1Char('.')) || safe.endsWith(QLatin1Char(' ')))
        safe.chop(1);
    if (safe.isEmpty())
        safe = FallbackName;
    if (isReservedName(safe))
        safe.append(QLatin1Char('_'));
    return safe + QStringLiteral(".mdy");
}

} // namespace Rtttl
