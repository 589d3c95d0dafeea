#pragma once

#include <QString>

// A contact name as the phone can hold it, whether typed or read from a file.
namespace ContactName {

constexpr int MaxLength = 16;

// Fits the name to the phone's character set (PhoneCharset::fit), drops what QuotedFieldText
// drops and cuts to MaxLength. A name that already fits comes back unchanged.
QString fitForPhone(const QString &name);

} // namespace ContactName
