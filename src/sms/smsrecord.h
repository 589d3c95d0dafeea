#pragma once

#include <QList>
#include <QString>

// One message stored on the phone, as the message list shows it.
struct SMSRecord
{
    qint16 slot = 0;   // the phone's storage index, sent with "at+cmgr=" and "AT+CMGD="
    QString key;       // "MM/dd/yy hh:mm:ss", or a numbered "Send Message"/"Unsend Message" label
    QString number;    // as received; "Unsend Message" when the phone gave none
    QString text;      // PC text; lines end in CR LF
    QString name;      // from the contacts cache, "Unknown", or "Unsend Message"
    QString status;    // the header's status as sent: "REC READ", "STO UNSENT", ...
    QString timeStamp; // the header's time stamp as sent (yy/MM/dd,hh:mm:ss+zz); empty without one
    // The slots of a long message's other parts, joined into this one: deleted with it.
    QList<qint16> partSlots;
};

// A slot the phone refused to read (not as empty), with its answer.
struct UnreadableSlot
{
    qint16 slot = 0;
    QString result;
};
