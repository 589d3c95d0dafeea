#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A melody as the PC keeps it: header lines "NAME=" and "TEMPO=", then lines in the phone's own
// note notation, one note per line.
struct MelodyFile
{
    static constexpr int NameLength = 11;
    // Far above any ringtone (a hundred notes take about a kilobyte); a larger file is no melody.
    static constexpr qint64 MaxFileBytes = 64 * 1024;

    QString name;  // the last name value, as in the file
    QString tempo; // the last tempo value, as in the file
    QStringList lines;

    // The phone takes no more than this of the name.
    QString shortName() const;
    // What may be sent: a quote or control character in the name would end the command early,
    // anything but a digit in the tempo is not a tempo.
    QString nameToSend() const;
    QString tempoToSend() const;
};

MelodyFile ParseMelody(const QStringList &lines);
// Nothing when the file cannot be read, or is larger than MaxFileBytes (tooLarge set then).
std::optional<MelodyFile> ReadMelodyFile(const QString &path, bool *tooLarge = nullptr);

// A melody with a note this high cannot go one octave up.
bool HasTopNotes(const QStringList &lines);
// A file that cannot be read has no top notes.
bool HasTopNotes(const QString &path);

// Whether "Increase Tone Height" raises this melody: ticked, and no note too high to go up.
bool RaiseApplies(const QStringList &lines, bool ticked);

// One octave up; a line that is no known note stays as it is.
QString RaiseNoteLine(const QString &line);

enum class MelodyLineKind
{
    Header,  // "NAME=", "TEMPO=": never sent as a line
    Command, // "M"/"m": sent as "F3" and the rest
    Note,    // everything else, sent as it stands or raised
};
MelodyLineKind KindOfMelodyLine(const QString &line);

// A note line as the phone gets it, without the CR.
QString NoteLineToPhone(const QString &line, bool raise);

// The line as sent during an upload, CR included; nothing for the header lines.
std::optional<QString> MelodyLineToPhone(const QString &line, bool raise);
