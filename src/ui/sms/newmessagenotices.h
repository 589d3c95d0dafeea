#pragma once

#include <QObject>
#include <QString>

struct SMSRecord;
class ArrivingMessages;
class PhoneLink;
class ShortMessages;

// What the window makes of a message that arrives while it is open: a desktop notification
// with its sender and first words, and the message list read anew when it is on show (with
// Auto-SMS into the archive too), or at its next showing.
class NewMessageNotices : public QObject
{
    Q_OBJECT
public:
    NewMessageNotices(ArrivingMessages &arrivals, ShortMessages &sms, PhoneLink &link,
                      QObject *parent = nullptr);

    // "Anna" or the number, and the first words of the text, as the notification shows them.
    static QString summaryOf(const SMSRecord &message);
    static QString firstWords(const QString &text);

private:
    void arrived(const SMSRecord &message);

    ShortMessages &sms_;
    PhoneLink &link_;
};
