#pragma once

#include <QString>

// The number field takes digits, "+", "*", "#", "p", "_" and the space only.
namespace NumberFilter {

// The longest number the field takes.
constexpr int MaxLength = 46;

bool accepts(QChar c);
// Removes what the field does not take. When anything was removed the caret goes one place
// back from where it was; otherwise it stays.
QString filter(const QString &text, int *caret);

} // namespace NumberFilter
