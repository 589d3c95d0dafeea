#pragma once

#include "text/phonetext.h"

#include <QString>

// A contact name as the phone can hold it, whether typed or read from a file.
namespace ContactName {

constexpr int MaxLength = 16;

// Fits the name to the phone's character set (PhoneCharset::fit), drops what QuotedFieldText
// drops and cuts to length, the memory's own or MaxLength. A name that already fits comes back
// unchanged.
QString fitForPhone(const QString &name, const PhoneText &phone = PhoneText(), int length = MaxLength);

// The name as the write command carries it: what may go between quotes, in the phone's
// characters (PhoneText::toPhone).
QString onLine(const QString &name, const PhoneText &phone = PhoneText());
// The name as the phone lists it again after the write, and the table shows it: a § has become S.
QString asWritten(const QString &name, const PhoneText &phone = PhoneText());

} // namespace ContactName
