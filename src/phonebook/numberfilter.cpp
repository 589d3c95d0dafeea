#include "numberfilter.h"

namespace NumberFilter {

bool accepts(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+') ||
           c == QLatin1Char('*') || c == QLatin1Char('#') || c == QLatin1Char('p') || c == QLatin1Char('_') ||
           c == QLatin1Char(' ');
}

QString filter(const QString &text, int *caret)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (accepts(c))
            kept.append(c);
    }
    if (kept.size() != text.size() && caret)
        *caret = qBound(0, *caret - 1, static_cast<int>(kept.size()));
    return kept;
}

} // namespace NumberFilter
