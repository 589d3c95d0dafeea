#include "quotedfield.h"

QString QuotedFieldText(const QString &text)
{
    QString safe;
    safe.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c.unicode() < 0x20 || c.unicode() == 0x7F)
            continue;
        safe.append(c);
    }
    return safe;
}
