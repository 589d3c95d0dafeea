#include "replyparser.h"

namespace {

// Positions count from 1; 0 means "nothing found yet".
void cutField(QString &text, int n, QChar startDelimiter, QChar endDelimiter, int skipAfterStart)
{
    qsizetype p = 0;
    for (int pass = 0; pass < n; ++pass) {
        const qsizetype found = text.indexOf(startDelimiter);
        if (found >= 0)
            p = found + 1;
        const qsizetype drop = p + skipAfterStart;
        if (drop <= text.size())
            text = text.right(text.size() - drop);
    }
    const qsizetype end = text.indexOf(endDelimiter);
    if (end >= 0)
        p = end + 1;
    if (p > 0)
        text = text.left(p - 1);
}

} // namespace

void ParseField(QString &text, int n, QChar startDelimiter, QChar endDelimiter)
{
    cutField(text, n, startDelimiter, endDelimiter, 0);
}

void ParseLine(QString &text, int n, QChar startDelimiter, QChar endDelimiter)
{
    cutField(text, n, startDelimiter, endDelimiter, 1);
}

bool ParseNumberField(QString reply, int n, QChar startDelimiter, QChar endDelimiter, qint16 &target)
{
    ParseField(reply, n, startDelimiter, endDelimiter);
    bool ok = false;
    const qint16 value = reply.trimmed().toShort(&ok);
    if (ok)
        target = value;
    return ok;
}
