#include "phonecharset.h"

#include "charconv.h"

#include <QList>

#include <optional>

namespace PhoneCharset {

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

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

// What the phone gets for c: c itself when it holds it; nothing for a combining mark (its
// letter is there already); else what its decomposition gives. None when part of it cannot be
// held.
std::optional<QString> phoneText(char32_t c, int levels, const std::function<bool(char32_t)> &holds)
{
    if (holds(c))
        return QString::fromUcs4(&c, 1);
    if (isMark(c))
        return QString();
    const QList<uint> parts = QChar::decomposition(c).toUcs4();
    if (parts.isEmpty() || levels == 0)
        return std::nullopt;
    QString text;
    for (const char32_t part : parts) {
        const std::optional<QString> mapped = phoneText(part, levels - 1, holds);
        if (!mapped)
            return std::nullopt;
        text += *mapped;
    }
    return text;
}

} // namespace

bool holds(char32_t c)
{
    if (c == U'\r' || c == U'\n' || (c >= 0x20 && c < 0x7F))
        return true;
    return c >= 0x80 && CarriedToPhone(c);
}

Fitted fit(const QString &text)
{
    return fitTo(text, [](char32_t c) { return holds(c); });
}

Fitted fitTo(const QString &text, const std::function<bool(char32_t)> &holds)
{
    Fitted fitted;
    // Composed first, so that a letter followed by its accent counts as one letter.
    const QString composed = text.normalized(QString::NormalizationForm_C);
    fitted.text.reserve(composed.size());
    for (const char32_t c : composed.toUcs4()) {
        if (isControl(c) && !holds(c))
            continue;
        // Decompositions nest a few levels at most (a letter with two accents).
        if (const std::optional<QString> mapped = phoneText(c, 4, holds)) {
            fitted.text += *mapped;
            continue;
        }
        fitted.text += QLatin1Char('?');
        const QString character = QString::fromUcs4(&c, 1);
        if (!fitted.lost.contains(character))
            fitted.lost += character;
    }
    return fitted;
}

} // namespace PhoneCharset
