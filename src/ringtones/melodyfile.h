#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A melody as the PC keeps it: header lines "NAME=" and "TEMPO=", then lines in the phone's own
// note notation, one note per line.
struct MelodyFile
{
    static constexpr int NameLength = 11;

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
// Nothing when the file cannot be read.
std::optional<MelodyFile> ReadMelodyFile(const QString &path);

// A melody with a note this high cannot go one octave up.
bool HasTopNotes(const QStringList &lines);
// A file that cannot be read has no top notes.
bool HasTopNotes(const QString &path);

// One octave up; a line that is no known note stays as it is.
QString RaiseNoteLine(const QString &line);

// The line as sent during an upload, CR included; nothing for the header lines.
std::optional<QString> MelodyLineToPhone(const QString &line, bool raise);
