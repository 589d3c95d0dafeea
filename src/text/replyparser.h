#pragma once

#include <QChar>
#include <QString>

// Cut one field out of a reply: the text after the n-th start delimiter up to the next end
// delimiter. Both replace the text in place and never fail; a missing delimiter leaves the
// text cut by whatever position was found last (the position carries over between searches).
void ParseField(QString &text, int n, QChar startDelimiter, QChar endDelimiter);

// The field ParseField cuts out of reply, as a 16-bit whole number. A text that is not one
// leaves target as it was and gives false.
bool ParseNumberField(QString reply, int n, QChar startDelimiter, QChar endDelimiter, qint16 &target);

// As ParseField, but also skips the character after each start delimiter: fits a line that
// follows a CR LF pair.
void ParseLine(QString &text, int n, QChar startDelimiter, QChar endDelimiter);
