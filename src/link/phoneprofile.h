#pragma once

#include "text/phonetext.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the connected phone is and what it can do, as its greeting found out. The operations
// ask this, never the maker's name; only the Trium Mars's own path is chosen by its maker.
struct PhoneProfile
{
    enum class Family
    {
        Unknown,   // no phone greeted yet
        TriumMars, // the Mitsubishi handset, greeted and driven as it always was
        Standard,  // any other phone or modem speaking the standard commands
    };

    Family family = Family::Unknown;
    QString manufacturer;
    QString model;
    QString revision;
    QString serialNumber;
    QString characterSet;      // as "AT+CSCS?" confirms it: "UCS2", "GSM", "PCCP437"...
    QStringList phonebooks;    // memories "AT+CPBS=?" offers: "SM", "ME", "DC"...
    bool textMode = true;      // "AT+CMGF=?" offers 1
    bool pduMode = false;      // "AT+CMGF=?" offers 0
    bool textModeOnly = false; // the user keeps messages in text mode (Settings::textModeOnly)
    bool keypad = true;        // "AT+CKPD=?" answered
    // "AT+CNMI" set at the greeting: each new message is stored and told by "+CMTI:".
    bool newMessageIndications = false;
    bool melodies = false; // the Trium Mars's melody commands

    bool isTriumMars() const { return family == Family::TriumMars; }
    // "Nokia 6310i": the maker and the model as a person knows them; empty before a greeting.
    QString name() const;
    // Messages as PDUs: where the phone offers PDU mode, unless the user keeps text mode for a
    // phone that offers both.
    bool messagesInPdu() const
    {
        return family == Family::Standard && pduMode && !(textModeOnly && textMode);
    }
    // How names and texts cross the line to this phone.
    PhoneText text() const;
    // Why this phone cannot do what a tab does (TabLoader::Tab), in one sentence; empty when
    // it can, or before any greeting.
    QString lacking(int tab) const;

    Q_DECLARE_TR_FUNCTIONS(PhoneProfile)
};
