#pragma once

#include <QString>

// What may go between the double quotes of a command line: a quote or a control character
// would end the field or the line early and reach the phone as a command, so they are dropped.
QString QuotedFieldText(const QString &text);
