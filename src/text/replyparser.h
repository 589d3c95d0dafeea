#pragma once

#include <QChar>
#include <QString>

// Cut one field out of a reply: the text after the n-th start delimiter up to the next end
// delimiter. Both replace the text in place and never fail; a missing delimiter leaves the
// text cut by whatever position was found last (the position carries over between searches).
void ParseField(QString &text, int n, QChar startDelimiter, QChar endDelimiter);

// As ParseField, but also skips the character after each start delimiter: fits a line that
// follows a CR LF pair.
void ParseLine(QString &text, int n, QChar startDelimiter, QChar endDelimiter);
