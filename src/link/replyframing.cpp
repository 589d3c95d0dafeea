#include "replyframing.h"

#include <initializer_list>
#include <utility>

namespace ReplyFraming {

bool announcesText(QStringView line)
{
    return line.startsWith(QLatin1String("+CMGR:")) || line.startsWith(QLatin1String("+CMGL:")) ||
           line.startsWith(QLatin1String("+CMT:"));
}

namespace {

QStringView withoutCarriageReturns(QStringView line)
{
    while (line.startsWith(QLatin1Char('\r')))
        line = line.mid(1);
    while (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

struct Line
{
    qsizetype start = 0;
    qsizetype end = 0;   // past its line feed, or the end of the text
    QStringView line;    // without CRs and line feed
    bool whole = false;  // its line feed has arrived
    bool inText = false; // inside the free text a header announced
    bool ofCode = false; // the header or the text of a code sent unasked ("+CMT:")

    bool isResultLine() const { return whole && !inText && !ofCode; }
};

Line lineAt(QStringView text, qsizetype start)
{
    Line l;
    l.start = start;
    const qsizetype lf = text.indexOf(QLatin1Char('\n'), start);
    l.whole = lf >= 0;
    l.end = l.whole ? lf + 1 : text.size();
    l.line = withoutCarriageReturns(text.mid(start, (l.whole ? lf : text.size()) - start));
    return l;
}

// The one walk over a reply's lines that every rule here follows, so where a reply ends and
// what is taken out of it can never disagree. Calls visit(line) for every line, the last one
// even without its line feed, until it returns true. The text a header announces runs to the
// first empty line; a code that came between the header and its text, with the empty line of
// its frame, is no part of the text. The empty line after a code's own text ("+CMT:") frames
// what follows.
template <typename Visit> void walkLines(QStringView text, Visit visit)
{
    enum class Mode
    {
        Lines,
        TextAhead, // a header came, its text has not begun
        Text
    };
    Mode mode = Mode::Lines;
    bool codeText = false;
    qsizetype start = 0;
    while (start < text.size()) {
        Line l = lineAt(text, start);
        if (mode == Mode::TextAhead && l.whole && l.line.isEmpty()) {
            const Line next = lineAt(text, l.end);
            if (next.whole && isUnsolicited(next.line) && !announcesText(next.line)) {
                if (visit(l) || visit(next))
                    return;
                start = next.end;
                continue;
            }
        }
        if (mode != Mode::Lines) {
            const bool ends = l.line.isEmpty();
            l.inText = !(ends && codeText);
            l.ofCode = codeText && !ends;
            mode = ends ? Mode::Lines : Mode::Text;
        } else if (announcesText(l.line)) {
            mode = Mode::TextAhead;
            codeText = isUnsolicited(l.line);
            l.ofCode = codeText;
        }
        if (visit(l))
            return;
        start = l.end;
    }
}

// Calls visit(line) for every whole final result outside any text until it returns true.
template <typename Visit> void forEachResultLine(QStringView text, Visit visit)
{
    walkLines(text,
              [&visit](const Line &l) { return l.isResultLine() && isFinalResult(l.line) && visit(l); });
}

} // namespace

bool holdsPrompt(QStringView text)
{
    return text.startsWith(QLatin1String("> ")) || text.contains(QLatin1String("\n> "));
}

bool isRefusal(QStringView line)
{
    return line == QLatin1String("ERROR") || line.startsWith(QLatin1String("+CME ERROR")) ||
           line.startsWith(QLatin1String("+CMS ERROR"));
}

bool isFinalResult(QStringView line)
{
    return line == QLatin1String("OK") || isRefusal(line);
}

bool isUnsolicited(QStringView line)
{
    // Call progress counts here too: "ATD" is never waited for, so its results come unasked.
    for (const char *code : {"RING", "NO CARRIER", "BUSY", "NO ANSWER", "NO DIALTONE"}) {
        if (line == QLatin1String(code))
            return true;
    }
    for (const char *prefix : {"+CRING:", "+CLIP:", "+CCWA:", "+CMTI:", "+CMT:", "+CBM:", "+CDS:", "+CDSI:",
                               "+CREG:", "+CGREG:", "+CUSD:", "+CSSI:", "+CSSU:", "+CIEV:"}) {
        if (line.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

std::optional<End> findEnd(QStringView text)
{
    std::optional<End> found;
    forEachResultLine(text, [&found](const Line &l) {
        found = End{l.start, l.end, l.line.toString()};
        return true;
    });
    return found;
}

std::optional<End> findRefusal(QStringView text)
{
    std::optional<End> found;
    forEachResultLine(text, [&found](const Line &l) {
        if (!isRefusal(l.line))
            return false;
        found = End{l.start, l.end, l.line.toString()};
        return true;
    });
    return found;
}

int countReplies(QStringView text)
{
    int count = 0;
    forEachResultLine(text, [&count](const Line &) {
        ++count;
        return false;
    });
    return count;
}

QString withoutEcho(const QString &text, QStringView command)
{
    if (command.isEmpty() || !QStringView(text).startsWith(command, Qt::CaseInsensitive))
        return text;
    const QStringView after = QStringView(text).mid(command.size());
    if (!after.startsWith(QLatin1Char('\r')))
        return text;
    return after.mid(1).toString();
}

QString ownPrefix(QStringView command)
{
    if (!command.startsWith(QLatin1String("AT"), Qt::CaseInsensitive) || command.size() < 3)
        return QString();
    qsizetype end = 2;
    while (end < command.size() && command.at(end) != QLatin1Char('=') && command.at(end) != QLatin1Char('?'))
        ++end;
    return command.mid(2, end - 2).toString().toUpper() + QLatin1Char(':');
}

QString withoutUnsolicited(QStringView text, QStringView ownPrefix)
{
    QString kept;
    kept.reserve(text.size());
    // A code comes framed by an empty line, before or after it; the frame goes with it.
    QStringView heldEmpty;
    bool frameOpen = false;
    walkLines(text, [&](const Line &l) {
        const QStringView raw = text.mid(l.start, l.end - l.start);
        if (l.ofCode && l.inText)
            return false; // a code's text goes with its header
        if (!l.inText && l.line.isEmpty()) {
            if (!std::exchange(frameOpen, false)) {
                kept += heldEmpty;
                heldEmpty = raw;
            }
            return false;
        }
        if (!l.inText && isUnsolicited(l.line) && (ownPrefix.isEmpty() || !l.line.startsWith(ownPrefix))) {
            frameOpen = heldEmpty.isEmpty();
            heldEmpty = {};
            return false;
        }
        kept += heldEmpty;
        heldEmpty = {};
        frameOpen = false;
        kept += raw;
        return false;
    });
    kept += heldEmpty;
    return kept;
}

namespace {

// "+COPS: 0,0,..." or "~MMYR: 1,...": the information line of some command.
bool isPrefixedInformation(QStringView line)
{
    if (line.size() < 3 || (line.at(0) != QLatin1Char('+') && line.at(0) != QLatin1Char('~')))
        return false;
    qsizetype i = 1;
    while (i < line.size() && line.at(i).isLetter())
        ++i;
    return i > 1 && i < line.size() && line.at(i) == QLatin1Char(':');
}

} // namespace

bool holdsInformation(QStringView text)
{
    bool found = false;
    walkLines(text, [&found](const Line &l) {
        found = !l.inText && !l.ofCode && !l.line.isEmpty() && !isFinalResult(l.line) &&
                !isUnsolicited(l.line) && !isPrefixedInformation(l.line);
        return found;
    });
    return found;
}

QStringList informationLines(QStringView text)
{
    QStringList lines;
    walkLines(text, [&lines](const Line &l) {
        if (l.whole && !l.inText && !l.ofCode && !l.line.isEmpty() && !isFinalResult(l.line))
            lines.append(l.line.toString());
        return false;
    });
    return lines;
}

} // namespace ReplyFraming
