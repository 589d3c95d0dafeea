#pragma once

#include "atexchange.h"
#include "phoneprofile.h"

#include <QString>
#include <QStringList>

class QTimer;

// The greeting of a phone that is not a Trium Mars: numbered errors on, echo and registration
// reports off, what the phone is, a character set, and what it can do as its test commands
// say. A refused setting changes nothing, a refused question leaves the profile's default;
// only a phone that stops answering ends the greeting.
class StandardGreeting
{
public:
    StandardGreeting(AtExchange &exchange, QTimer &timer);

    // False when the phone stopped answering on the way. maker: its answer to "AT+CGMI".
    // With indications, a phone that offers them is asked to tell each new message it stores.
    bool greet(const QString &maker, PhoneProfile *profile, bool indications = false);

    // The first of Quenda's character sets the phone offers, in the order Quenda prefers them;
    // "GSM" when it offers none of them (or says nothing).
    static QString preferredCharacterSet(const QStringList &offered);
    // The "AT+CNMI=" setting, from the ranges "AT+CNMI=?" offers, by which a new message stays
    // stored and its slot is told ("+CMTI:"), while the phone buffers codes during a reply
    // where it can; empty when the phone cannot do that.
    static QString indicationSetting(const QList<QStringList> &offered);
    // An identity line as phones write it: "Nokia", "+CGMM: \"S55\"", "  SIM800 R14.18 ".
    static QString identityOf(const AtExchange::Reply &reply, const QString &prefix);

private:
    // The reply, or false once the phone stopped answering.
    bool ask(const QString &command, AtExchange::Reply *reply = nullptr);
    bool askIdentity(const QString &command, QString *value);
    bool chooseCharacterSet(PhoneProfile *profile);
    bool learnCapabilities(PhoneProfile *profile);
    bool askForIndications(PhoneProfile *profile);
    // The value lists of a test command's answer; empty when it was refused.
    bool askTest(const QString &command, QList<QStringList> *parameters);

    AtExchange &exchange_;
    QTimer &timer_;
};
