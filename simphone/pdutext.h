#pragma once

#include "phonestate.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace simphone {

// Messages as the phone gives and takes them in PDU mode, written here on their own rather
// than with the program's codec, so that each checks the other.
namespace PduText {

// A held message in hex: received ones as SMS-DELIVER, stored ones as SMS-SUBMIT, after the
// service centre's part; Message::pdu as it stands where the scenario gave one.
QByteArray of(const PhoneState &state, const Message &m);

// What an SMS-SUBMIT the program sent holds. None for one this phone cannot read.
struct Submit
{
    QByteArray address;
    QString text;
    int reference = 0; // of a part of a long message; 0 for a whole one
    int parts = 0;
    int part = 0;
};
std::optional<Submit> readSubmit(const QByteArray &hex);

// The octets of the service centre's part that opens a PDU in hex, its length octet left out.
int centreLength(const QByteArray &hex);

// "REC UNREAD" 0, "REC READ" 1, "STO UNSENT" 2, "STO SENT" 3.
int statusNumber(const QByteArray &status);
QByteArray statusName(int number);

} // namespace PduText

} // namespace simphone
