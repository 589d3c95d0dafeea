#pragma once

#include <QString>

// The phone holds names and message texts in code page 437; the line carries them as
// Windows-1252 characters. These repair the twelve national characters a phone user is likely
// to type. Every other character passes unchanged, and the length never changes.

// After reading from the phone: Windows-1252 reading of the phone's bytes -> what the user sees.
void PhoneToPC(QString &text);
// Before sending to the phone. A typed § goes out as the letter S.
void PCToPhone(QString &text);
// Whether c is one of the characters PCToPhone carries to the phone (§ as the letter S).
bool RepairedForPhone(QChar c);
