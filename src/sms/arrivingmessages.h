#pragma once

#include "smsrecord.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class AtExchange;
class OperationLock;
class ShortMessages;
class UnsolicitedCodes;

// The messages a phone tells of as they arrive ("+CMTI: "SM",3"), where its greeting asked it
// to: each is read once no operation runs, so none is disturbed, and then told. A code from a
// phone that was not asked (the Trium Mars sends them by itself) changes nothing.
class ArrivingMessages : public QObject
{
    Q_OBJECT
public:
    ArrivingMessages(UnsolicitedCodes &codes, AtExchange &exchange, OperationLock &lock, ShortMessages &sms,
                     QObject *parent = nullptr);

    // Off until a front end that tells them turns it on.
    void setActive(bool active);
    bool isActive() const { return active_; }

    // The next try while an operation holds the line.
    QTimer timArrival;

signals:
    // message as read from its slot; without number and text when the phone keeps it where
    // Quenda does not read (another memory) or had nothing there by then.
    void arrived(const SMSRecord &message);

private:
    void take(const QString &code);
    void readWhenIdle();

    struct Indication
    {
        QString memory;
        int slot = 0;
    };

    AtExchange &exchange_;
    OperationLock &lock_;
    ShortMessages &sms_;
    bool active_ = false;
    QList<Indication> pending_;
};
