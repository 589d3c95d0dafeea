#include "melodynotation.h"

#include <QtGlobal>

#include <cmath>

namespace MelodyNotation {

namespace {

constexpr const char *PitchNames[12] = {"c", "c#", "d", "d#", "e", "f", "f#", "g", "g#", "a", "a#", "b"};

QChar at(const QString &line, qsizetype i)
{
    return i < line.size() ? line.at(i) : QChar();
}

// The octave of a token after its letter and sharp, from pos on; pos moves past the marks.
int octaveFrom(const QString &line, qsizetype &pos)
{
    const QChar c = at(line, pos);
    if (c == QLatin1Char('-')) {
        ++pos;
        return 3;
    }
    if (c == QLatin1Char('+')) {
        ++pos;
        if (at(line, pos) == QLatin1Char('+')) {
            ++pos;
            return 6;
        }
        return 5;
    }
    // The files always put a space after a digit-notation token; without it "c#4" is c# for a
    // quarter, not c#4 without a length.
    if (c >= QLatin1Char('3') && c <= QLatin1Char('6') && at(line, pos + 1) == QLatin1Char(' ')) {
        ++pos;
        return c.digitValue();
    }
    return 4;
}

} // namespace

bool isLength(int value)
{
    return value == 1 || value == 2 || value == 4 || value == 8 || value == 16 || value == 32;
}

std::optional<int> letterStep(QChar letter)
{
    switch (letter.toLower().unicode()) {
    case 'c':
        return 0;
    case 'd':
        return 2;
    case 'e':
        return 4;
    case 'f':
        return 5;
    case 'g':
        return 7;
    case 'a':
        return 9;
    case 'b':
        return 11;
    default:
        return std::nullopt;
    }
}

double Note::durationMs(int tempo) const
{
    const double plain = 4 * 60000.0 / tempo / length;
    return dotted ? plain * 1.5 : plain;
}

std::optional<Note> readNoteLine(const QString &line)
{
    Note note;
    qsizetype pos = 1;
    const QChar first = at(line, 0);
    if (first == QLatin1Char('p') || first == QLatin1Char('P')) {
        note.pitch = std::nullopt;
    } else {
        const std::optional<int> step = letterStep(first);
        if (!step)
            return std::nullopt;
        int pitch = *step;
        if (at(line, pos) == QLatin1Char('#')) {
            ++pos;
            ++pitch;
        }
        pitch += 12 * (octaveFrom(line, pos) + 1);
        if (pitch < LowestPitch || pitch > HighestPitch)
            return std::nullopt;
        note.pitch = pitch;
    }
    // A token of one character only counts when a space ends it.
    if (pos == 1 && at(line, pos) != QLatin1Char(' '))
        return std::nullopt;

    while (at(line, pos) == QLatin1Char(' '))
        ++pos;
    const qsizetype digits = pos;
    while (pos - digits < 2 && at(line, pos) >= QLatin1Char('0') && at(line, pos) <= QLatin1Char('9'))
        ++pos;
    note.length = QStringView(line).mid(digits, pos - digits).toInt();
    if (!isLength(note.length))
        return std::nullopt;
    if (at(line, pos) == QLatin1Char('.')) {
        note.dotted = true;
        ++pos;
    }
    while (at(line, pos) == QLatin1Char(' '))
        ++pos;
    if (pos != line.size())
        return std::nullopt;
    return note;
}

QString noteLine(const Note &note)
{
    QString token = QStringLiteral("p");
    if (note.pitch) {
        const int pitch = *note.pitch;
        token = QLatin1String(PitchNames[pitch % 12]) + QString::number(pitch / 12 - 1);
    }
    return token + QLatin1Char(' ') + QString::number(note.length) +
           (note.dotted ? QStringLiteral(".") : QString());
}

double frequency(int pitch)
{
    return 440.0 * std::pow(2.0, (pitch - 69) / 12.0);
}

int tempo(const QString &digits)
{
    if (digits.isEmpty())
        return DefaultTempo;
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    // Only digits: a number too long to convert is far too fast.
    return ok ? clampedTempo(static_cast<int>(qMin<qlonglong>(value, FastestTempo))) : FastestTempo;
}

int clampedTempo(int tempo)
{
    return qBound(SlowestTempo, tempo, FastestTempo);
}

} // namespace MelodyNotation
