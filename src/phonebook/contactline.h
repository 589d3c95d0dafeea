#pragma once

#include <QString>

// A contact in a file: the name, the separator "‰†‰" (bytes 0x89 0x86 0x89 on disk), the number.
namespace ContactLine {

extern const QString Separator;

QString compose(const QString &name, const QString &number);

// Splits at the first separator. False, leaving name and number alone, when there is none.
bool split(const QString &line, QString *name, QString *number);

} // namespace ContactLine
