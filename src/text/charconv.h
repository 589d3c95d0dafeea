#pragma once

#include <QString>

// The phone holds names and message texts in code page 437; the line carries each of its bytes
// as the Windows-1252 character of that byte. These turn one into the other, character for
// character, so the length never changes.

// After reading from the phone: Windows-1252 reading of the phone's bytes -> what the user sees.
// The byte 0x15 is the phone's §; the other control bytes stay what they are.
void PhoneToPC(QString &text);
// Before sending to the phone. A typed § goes out as the letter S; a character code page 437
// lacks goes out as "?", never as the byte of another character.
void PCToPhone(QString &text);
// Whether PCToPhone carries c to the phone as itself (§ as the letter S).
bool CarriedToPhone(char32_t c);
