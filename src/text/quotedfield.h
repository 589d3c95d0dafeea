#pragma once

#include <QString>

// What may go between the double quotes of a command line: a quote or a control character
// would end the field or the line early and reach the phone as a command, so they are dropped.
QString QuotedFieldText(const QString &text);

// What may go into the text a command takes after its line (a message, a melody): Ctrl-Z would
// end it early and turn the rest into command lines, ESC would cancel it, so both are dropped.
QString DataText(QString text);
