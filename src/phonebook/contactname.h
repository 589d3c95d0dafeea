#pragma once

#include <QString>

// A contact name as the phone can hold it, whether typed or read from a file.
namespace ContactName {

constexpr int MaxLength = 16;

// Replaces a character Windows-1252 cannot hold by its base letters (its Unicode decomposition
// without the accents), or by "?" when it has none, drops what QuotedFieldText drops and cuts
// to MaxLength. A name that already fits comes back unchanged.
QString fitForPhone(const QString &name);

} // namespace ContactName
