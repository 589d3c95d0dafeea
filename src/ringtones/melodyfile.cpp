#include "melodyfile.h"

#include "text/quotedfield.h"
#include "text/textfile.h"

#include <array>

namespace {

const QString NameKey = QStringLiteral("NAME=");
const QString TempoKey = QStringLiteral("TEMPO=");

// Lower case only; each upper-case twin is tried right after it. The order is the testing order.
struct RaiseRule
{
    const char *from;
    const char *to;
};
constexpr std::array<RaiseRule, 40> RaiseRules = {{
    {"f-", "f"},    {"f", "f+"},  {"f#-", "f#"},  {"f#", "f#+"},  //
    {"g-", "g"},    {"g", "g+"},  {"g#-", "g#"},  {"g#", "g#+"},  //
    {"a-", "a"},    {"a", "a+"},  {"a#-", "a#"},  {"a#", "a#+"},  //
    {"b-", "b"},    {"b", "b+"},  {"c", "c+"},    {"c+", "c++"},  //
    {"c#", "c#+"},  {"d", "d+"},  {"d#", "d#+"},  {"e", "e+"},    //
    {"f3", "f4"},   {"f4", "f5"}, {"f#3", "f#4"}, {"f#4", "f#5"}, //
    {"g3", "g4"},   {"g4", "g5"}, {"g#3", "g#4"}, {"g#4", "g#5"}, //
    {"a3", "a4"},   {"a4", "a5"}, {"a#3", "a#4"}, {"a#4", "a#5"}, //
    {"b3", "b4"},   {"b4", "b5"}, {"c4", "c5"},   {"c5", "c6"},   //
    {"c#4", "c#5"}, {"d4", "d5"}, {"d#4", "d#5"}, {"e4", "e5"},   //
}};

// "c+" and "c5" are missing on purpose: they still rise to "c++" and "c6".
constexpr std::array<const char *, 24> TopTokens = {
    "c#+", "C#+", "d#+", "D#+", "e#+", "E#+", "f#+", "F#+", "g#+", "G#+", "c++", "C++",
    "a#+", "A#+", "c#5", "C#5", "d#5", "D#5", "f#5", "F#5", "g#5", "G#5", "a#5", "A#5",
};
// Without the space "d+4" would be a different, unknown token.
constexpr std::array<const char *, 26> TopTokensBeforeSpace = {
    "d+", "D+", "e+", "E+", "f+", "F+", "g+", "G+", "a+", "A+", "b+", "B+", "d5",
    "D5", "e5", "E5", "f5", "F5", "g5", "G5", "a5", "A5", "b5", "B5", "c6", "C6",
};

bool isTopNote(const QString &line)
{
    for (const char *token : TopTokens) {
        if (line.startsWith(QLatin1String(token)))
            return true;
    }
    if (line.size() < 3 || line.at(2) != QLatin1Char(' '))
        return false;
    for (const char *token : TopTokensBeforeSpace) {
        if (line.startsWith(QLatin1String(token)))
            return true;
    }
    return false;
}

// A short token only counts when a space ends it, so "c" does not catch "c#" or "c+".
std::optional<QString> raisedBy(const QString &line, const QString &from, const QString &to)
{
    const QString pattern = from.size() < 3 ? from + QLatin1Char(' ') : from;
    if (!line.startsWith(pattern))
        return std::nullopt;
    return to + line.mid(from.size());
}

} // namespace

QString MelodyFile::shortName() const
{
    return name.left(NameLength);
}

QString MelodyFile::nameToSend() const
{
    return QuotedFieldText(name).left(NameLength);
}

QString MelodyFile::tempoToSend() const
{
    QString digits;
    for (const QChar c : tempo) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    }
    return digits;
}

MelodyFile ParseMelody(const QStringList &lines)
{
    MelodyFile melody;
    melody.lines = lines;
    for (const QString &line : lines) {
        if (line.startsWith(NameKey))
            melody.name = line.mid(NameKey.size());
        else if (line.startsWith(TempoKey))
            melody.tempo = line.mid(TempoKey.size());
    }
    return melody;
}

std::optional<MelodyFile> ReadMelodyFile(const QString &path, bool *tooLarge)
{
    bool ok = false;
    bool large = false;
    const QStringList lines = TextFile::readLinesUpTo(path, MelodyFile::MaxFileBytes, &ok, &large);
    if (tooLarge)
        *tooLarge = large;
    if (!ok)
        return std::nullopt;
    return ParseMelody(lines);
}

bool HasTopNotes(const QStringList &lines)
{
    for (const QString &line : lines) {
        if (isTopNote(line))
            return true;
    }
    return false;
}

bool HasTopNotes(const QString &path)
{
    const std::optional<MelodyFile> melody = ReadMelodyFile(path);
    return melody && HasTopNotes(melody->lines);
}

bool RaiseApplies(const QStringList &lines, bool ticked)
{
    return ticked && !HasTopNotes(lines);
}

QString RaiseNoteLine(const QString &line)
{
    for (const RaiseRule &rule : RaiseRules) {
        const QString from = QLatin1String(rule.from);
        const QString to = QLatin1String(rule.to);
        if (auto raised = raisedBy(line, from, to))
            return *raised;
        if (auto raised = raisedBy(line, from.toUpper(), to.toUpper()))
            return *raised;
    }
    return line;
}

MelodyLineKind KindOfMelodyLine(const QString &line)
{
    if (line.startsWith(NameKey) || line.startsWith(TempoKey))
        return MelodyLineKind::Header;
    if (line.startsWith(QLatin1Char('M')) || line.startsWith(QLatin1Char('m')))
        return MelodyLineKind::Command;
    return MelodyLineKind::Note;
}

QString NoteLineToPhone(const QString &line, bool raise)
{
    return DataText(raise ? RaiseNoteLine(line) : line);
}

std::optional<QString> MelodyLineToPhone(const QString &line, bool raise)
{
    switch (KindOfMelodyLine(line)) {
    case MelodyLineKind::Header:
        return std::nullopt;
    case MelodyLineKind::Command:
        return DataText(QStringLiteral("F3") + line.mid(1)) + QLatin1Char('\r');
    case MelodyLineKind::Note:
        break;
    }
    return NoteLineToPhone(line, raise) + QLatin1Char('\r');
}
