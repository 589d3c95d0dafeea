#pragma once

#include "phonestate.h"

#include <QByteArray>

namespace simphone {

// Names, numbers and texts as held (PhoneState::heldSet), in the character set the phone was
// told to use (AT+CSCS), and back. A phone holding code page 437 sends it as it is under IRA
// too, as the Trium Mars does.
QByteArray onLine(const PhoneState &state, const QByteArray &text);
QByteArray fromLine(const PhoneState &state, const QByteArray &sent);
// A held text as characters, and characters as held.
QString heldText(const PhoneState &state, const QByteArray &text);
QByteArray toHeld(const PhoneState &state, const QString &text);
// The characters of a text as held.
int heldLength(const PhoneState &state, const QByteArray &text);

} // namespace simphone
