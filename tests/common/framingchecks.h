#pragma once

#include "link/replyframing.h"

#include <QString>

// What must hold of any text the line brings, whatever its lines: the end of a reply and what
// is taken out of it agree. Empty when it holds, else what went wrong.
inline QString framingDisagreement(const QString &text)
{
    using namespace ReplyFraming;
    const auto end = findEnd(text);
    if ((countReplies(text) > 0) != end.has_value())
        return QStringLiteral("counted replies disagree with the end");
    (void)holdsInformation(text);
    (void)informationLines(text);
    if (!end)
        return findRefusal(text) ? QStringLiteral("a refusal without an end") : QString();
    if (end->resultStart >= end->end || end->end > text.size() || !isFinalResult(end->result))
        return QStringLiteral("an end that is no final result's line");
    const QString reply = text.left(end->end);
    const auto again = findEnd(reply);
    if (!again || again->end != end->end)
        return QStringLiteral("the reply alone ends elsewhere");
    if (isRefusal(end->result)) {
        const auto refusal = findRefusal(text);
        if (!refusal || refusal->resultStart != end->resultStart)
            return QStringLiteral("the refusal is not the end");
    }
    // What stays once the codes are out still ends with the same result, as its last line.
    const QString kept = withoutUnsolicited(reply);
    const auto keptEnd = findEnd(kept);
    if (!keptEnd || keptEnd->result != end->result || keptEnd->end != kept.size())
        return QStringLiteral("taking out the codes moved the end");
    return QString();
}
