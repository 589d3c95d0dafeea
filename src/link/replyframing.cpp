#include "replyframing.h"

#include <initializer_list>
#include <utility>

namespace ReplyFraming {

namespace {

// Lines after which the phone sends free text up to an empty line.
bool announcesText(QStringView line)
{
    return line.startsWith(QLatin1String("+CMGR:")) || line.startsWith(QLatin1String("+CMGL:")) ||
           line.startsWith(QLatin1String("+CMT:"));
}

QStringView withoutCarriageReturns(QStringView line)
{
    while (line.startsWith(QLatin1Char('\r')))
        line = line.mid(1);
    while (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

// Calls visit(lineStart, lineEnd, line) for every whole line until it returns true.
template <typename Visit> void forEachResultLine(QStringView text, Visit visit)
{
    bool inText = false;
    qsizetype start = 0;
    for (qsizetype lf = text.indexOf(QLatin1Char('\n')); lf >= 0;
         lf = text.indexOf(QLatin1Char('\n'), start)) {
        const QStringView line = withoutCarriageReturns(text.mid(start, lf - start));
        const qsizetype lineStart = start;
        start = lf + 1;
        if (inText) {
            inText = !line.isEmpty();
            continue;
        }
        if (announcesText(line)) {
            inText = true;
            continue;
        }
        if (isFinalResult(line) && visit(lineStart, start, line))
            return;
    }
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
    forEachResultLine(text, [&found](qsizetype start, qsizetype end, QStringView line) {
        found = End{start, end, line.toString()};
        return true;
    });
    return found;
}

std::optional<End> findRefusal(QStringView text)
{
    std::optional<End> found;
    forEachResultLine(text, [&found](qsizetype start, qsizetype end, QStringView line) {
        if (!isRefusal(line))
            return false;
        found = End{start, end, line.toString()};
        return true;
    });
    return found;
}

int countReplies(QStringView text)
{
    int count = 0;
    forEachResultLine(text, [&count](qsizetype, qsizetype, QStringView) {
        ++count;
        return false;
    });
    return count;
}

namespace {

// Calls visit(start, end, line, inText) for every line, the last one even without a line feed.
template <typename Visit> void forEachLine(QStringView text, Visit visit)
{
    const auto lineAt = [text](qsizetype start, qsizetype *end) {
        const qsizetype lf = text.indexOf(QLatin1Char('\n'), start);
        *end = lf < 0 ? text.size() : lf + 1;
        return withoutCarriageReturns(text.mid(start, (lf < 0 ? text.size() : lf) - start));
    };
    bool inText = false;
    bool textBegun = false;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = 0;
        const QStringView line = lineAt(start, &end);
        if (inText && !textBegun && line.isEmpty() && end < text.size()) {
            // A code the phone put between a header and its text, with the empty line of its
            // frame: the text follows it.
            qsizetype codeEnd = 0;
            const QStringView next = lineAt(end, &codeEnd);
            if (isUnsolicited(next)) {
                visit(start, end, line, false);
                visit(end, codeEnd, next, false);
                start = codeEnd;
                continue;
            }
        }
        const bool wasText = inText;
        if (inText) {
            textBegun = true;
            inText = !line.isEmpty();
        } else if (announcesText(line)) {
            inText = true;
            textBegun = false;
        }
        visit(start, end, line, wasText);
        start = end;
    }
}

} // namespace

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
    forEachLine(text, [&](qsizetype start, qsizetype end, QStringView line, bool inText) {
        const QStringView raw = text.mid(start, end - start);
        if (!inText && line.isEmpty()) {
            if (std::exchange(frameOpen, false))
                return;
            kept += heldEmpty;
            heldEmpty = raw;
            return;
        }
        if (!inText && isUnsolicited(line) && (ownPrefix.isEmpty() || !line.startsWith(ownPrefix))) {
            frameOpen = heldEmpty.isEmpty();
            heldEmpty = {};
            return;
        }
        kept += heldEmpty;
        heldEmpty = {};
        frameOpen = false;
        kept += raw;
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
    forEachLine(text, [&found](qsizetype, qsizetype, QStringView line, bool inText) {
        if (!inText && !line.isEmpty() && !isFinalResult(line) && !isUnsolicited(line) &&
            !isPrefixedInformation(line))
            found = true;
    });
    return found;
}

QString lineStartingWith(QStringView text, QStringView prefix)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype lf = text.indexOf(QLatin1Char('\n'), start);
        if (lf < 0)
            lf = text.size();
        const QStringView line = withoutCarriageReturns(text.mid(start, lf - start));
        if (line.startsWith(prefix))
            return line.toString();
        start = lf + 1;
    }
    return QString();
}

} // namespace ReplyFraming
