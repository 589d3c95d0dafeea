#pragma once

#include "text/phonetext.h"

#include <QString>
#include <QStringList>

#include <optional>

// The header of a message as a phone other than the Trium Mars writes it in text mode, in a
// listing ("+CMGL: 3,"REC READ","+4917...",,"09/08/18,19:11:45+08"") or a read ("+CMGR: ...").
// Phones leave the name field out, add the detailed fields of "AT+CSDH=1", put spaces after
// commas, and write the time with a four-digit year and no zone: the time stamp is the field
// that reads as one, wherever it stands.
struct MessageHeader
{
    std::optional<int> index; // a listing's slot
    QString status;           // "REC READ", "STO UNSENT"...
    QString address;          // PC text
    QString timeStamp;        // "yy/MM/dd,hh:mm:ss" and the zone where the phone gave one

    // None for a line that is no such header.
    static std::optional<MessageHeader> parse(QStringView line, const QString &prefix,
                                              const PhoneText &phone);
    // "2009/8/18,19:11:45" as "09/08/18,19:11:45"; empty for text that is no time stamp.
    static QString normalisedTimeStamp(const QString &text);
};

// The reply to "AT+CMGL": each message's header line and its text as the line carried it,
// lines of a text joined by CR LF.
namespace MessageListing {

struct Entry
{
    QString header;
    QString body;
};
QList<Entry> entries(const QString &reply);

} // namespace MessageListing
