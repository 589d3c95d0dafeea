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

QString DataText(QString text)
{
    text.remove(QChar(26));
    text.remove(QChar(27));
    return text;
}
