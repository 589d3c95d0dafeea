#pragma once

#include "charactersets.h"
#include "phonecharset.h"

#include <QString>

#include <optional>

// Names, numbers and texts as they cross the line to the phone in use. The line carries each
// byte as the Windows-1252 character of that byte (Cp1252); the Trium Mars's code page 437
// goes as it always went (PhoneToPC, PCToPhone), any other phone's in the set it confirmed.
class PhoneText
{
public:
    // The Trium Mars.
    PhoneText() = default;
    explicit PhoneText(CharacterSets::Set set) : set_(set) {}

    bool isTriumMars() const { return !set_; }
    std::optional<CharacterSets::Set> set() const { return set_; }

    // A field the phone sent, as the line reads it, as the PC shows it.
    QString fromPhone(const QString &field) const;
    // A number the phone sent: decoded where that gives a number, else as it came (phones in
    // UCS2 answer numbers either way).
    QString numberFromPhone(const QString &field) const;
    // Text as the phone is sent it, as the line writes it.
    QString toPhone(const QString &text) const;
    // A number as the phone is sent it: as typed to the Trium Mars, in their set to others.
    QString numberToPhone(const QString &number) const;
    // The text fitted to what the phone can show (PhoneCharset::fit).
    PhoneCharset::Fitted fit(const QString &text) const;

private:
    std::optional<CharacterSets::Set> set_;
};
