#pragma once

#include <QString>

#include <functional>

// What the phone shows as the user typed it. Names and message texts reach it in its code page
// 437 through PCToPhone, so it takes printable ASCII, the line breaks and the characters of the
// code page's upper half, and § (which arrives as S); any other character would arrive as "?".
namespace PhoneCharset {

bool holds(char32_t c);

struct Fitted
{
    QString text;
    QString lost; // every character that became "?", once each, in the order of the text
};

// Composes the text first; a character the phone lacks becomes its base letters ("é" gives "e",
// "ﬁ" gives "fi") or, without any, "?". Control characters other than CR and LF are dropped:
// Ctrl-Z or ESC would end a text early and leave the rest to be read as command lines.
Fitted fit(const QString &text);
// As fit, for a phone that holds what holds says (CR and LF among it where texts may break).
Fitted fitTo(const QString &text, const std::function<bool(char32_t)> &holds);

} // namespace PhoneCharset
