#pragma once

#include "smsrecord.h"

#include "text/phonetext.h"

#include <QCoreApplication>
#include <QString>

// The reply to "at+cmgr=<slot>" cut into a message record. The address and the time stamp are
// the 3rd and 5th quoted fields as ParseField cuts them (with the position carried over between
// cuts, so stored messages without a time stamp fall to a label), the text is what follows the
// header line.
// The reply is read from its "+CMGR:" line on, so a RING or a registration report that came
// before it changes nothing.
class CmgrReply
{
    Q_DECLARE_TR_FUNCTIONS(CmgrReply)

public:
    // The information line that opens a message; a reply without it holds none.
    static const QString Header;
    // The name of a sender the contacts do not know, as the archive keeps it.
    static const QString UnknownSender;

    // Labels are numbered per download, in slot order.
    void startDownload();

    // The record for a reply that holds no "+CMS ERROR". The name is left to the caller.
    // phone: how the phone's texts cross the line.
    SMSRecord parse(const QString &reply, qint16 slot, const PhoneText &phone = PhoneText());

    // Another phone's message, from its header and its text as the line carried them.
    SMSRecord take(const struct MessageHeader &header, const QString &body, qint16 slot,
                   const PhoneText &phone);
    // The same of a text already decoded (from a PDU).
    SMSRecord takeText(const struct MessageHeader &header, const QString &text, qint16 slot);

    // A key, number or name as the message list shows it: the labels the archive keeps in
    // English ("Unsend Message 2 ", "Unknown") in the program's language, the rest as it is.
    static QString shown(const QString &text);
    // The number as the phone sent it: empty for a message stored without one.
    static QString addressOf(const SMSRecord &record);
    static QString keyOfTimeStamp(const QString &timeStamp);
    static QString textOf(const QString &reply, const PhoneText &phone = PhoneText());
    // The text as the line carried it, before the phone's character set is read.
    static QString bodyOf(const QString &reply);

private:
    // "1 " for the first, "10" for the tenth: keys stay 17 characters long below 100.
    static QString nextCounter(QString &counter);

    QString sendmsg_ = QStringLiteral("0");
    QString unsendmsg_ = QStringLiteral("0");
};
