#include "replyframing.h"

#include <initializer_list>

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

int countReplies(QStringView text)
{
    int count = 0;
    forEachResultLine(text, [&count](qsizetype, qsizetype, QStringView) {
        ++count;
        return false;
    });
    return count;
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
