#include "contactname.h"

#include "text/cp1252.h"
#include "text/quotedfield.h"

#include <QList>

#include <optional>

namespace ContactName {

namespace {

bool isMark(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

// What the phone gets for c: c itself when Windows-1252 holds it; nothing for a combining mark
// (its letter is there already); else what its decomposition gives ("ő" gives "o", "ﬁ" gives
// "fi"). None when part of it cannot be held.
std::optional<QString> phoneText(char32_t c, int levels)
{
    if (Cp1252::holds(c))
        return QString(QChar(static_cast<char16_t>(c)));
    if (isMark(c))
        return QString();
    const QList<uint> parts = QChar::decomposition(c).toUcs4();
    if (parts.isEmpty() || levels == 0)
        return std::nullopt;
    QString text;
    for (const char32_t part : parts) {
        const std::optional<QString> mapped = phoneText(part, levels - 1);
        if (!mapped)
            return std::nullopt;
        text += *mapped;
    }
    return text;
}

} // namespace

QString fitForPhone(const QString &name)
{
    // Composed first, so that a letter followed by its accent counts as one letter.
    const QString composed = name.normalized(QString::NormalizationForm_C);
    QString mapped;
    mapped.reserve(composed.size());
    for (const char32_t c : composed.toUcs4()) {
        // Decompositions nest a few levels at most (a letter with two accents).
        mapped += phoneText(c, 4).value_or(QStringLiteral("?"));
    }
    return QuotedFieldText(mapped).left(MaxLength);
}

} // namespace ContactName
