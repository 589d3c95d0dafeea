#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

namespace simphone {

// Names and bodies are held in PhoneState::heldSet: code page 437 bytes, as the Trium Mars holds them
// after AT+CSCS="PCCP437", unless a test or scenario says otherwise.
struct Contact
{
    QByteArray number;
    int type = 129;
    QByteArray name;
};

struct Message
{
    QByteArray status;    // "REC READ", "REC UNREAD", "STO SENT", "STO UNSENT"
    QByteArray address;   // originator or destination
    QByteArray timestamp; // "yy/MM/dd,hh:mm:ss+zz"; empty for stored messages
    QByteArray body;      // lines separated by CR LF
    // In PDU mode: a part of a long message (reference, parts, part), or the PDU as a real
    // phone gave it, sent as it stands.
    int reference = 0;
    int parts = 0;
    int part = 0;
    QByteArray pdu{};
};

struct Melody
{
    QByteArray name;
    int tempo = 0;
    QList<QByteArray> lines;
};

struct PhoneState
{
    // Identity and network
    QByteArray manufacturer = "Mitsubishi";
    QByteArray model = "Trium Mars";
    QByteArray imsi = "262011234567890";
    QByteArray imei = "350123456789012";
    QByteArray charset = "IRA";
    bool echo = true;
    // Outside text entry ESC and Ctrl-Z go into the command line, as on phones that refuse
    // such a line ("\x1bAT" answered "ERROR"); otherwise they are ignored.
    bool keepsControlBytes = false;
    int cregMode = 0;
    int registration = 1; // 0 not registered, 1 home, 2 searching, 3 denied, 5 roaming
    QByteArray lac = "00C3";
    QByteArray cellId = "1A2B";
    int copsFormat = 0;
    QByteArray operatorName = "D1-TELEKOM"; // empty: not registered to any operator
    QByteArray operatorNumeric = "26201";
    int batteryStatus = 0;
    int batteryLevel = 3;      // bars, 0 to 3; a percentage on other handsets
    int batteryMillivolts = 0; // a third "+CBC:" field when above 0
    int signalStrength = 17;   // "+CSQ:" rssi, 0 to 31, 99 unknown

    // Ways of other handsets (scenario key "handset")
    QByteArray revision;                                                   // AT+CGMR; empty: refused
    QList<QByteArray> characterSets = {"GSM", "IRA", "PCCP437", "8859-1"}; // AT+CSCS=?
    bool echoStuck = false;        // ATE0 is answered "OK", but the echo stays
    bool identityPrefixed = false; // "+CGMI: Nokia" where the Trium Mars says "Nokia"
    int errorReports = 0;          // AT+CMEE
    bool textModeOffered = true;   // false: messages in PDU mode only
    bool pduModeOffered = false;   // "AT+CMGF=?" offers PDU mode beside text mode
    // How names and texts are held: "PCCP437" as the Trium Mars holds them, "UTF-8" for a
    // handset whose names no code page holds (Cyrillic, Chinese).
    QByteArray heldSet = "PCCP437";

    // Phonebooks: index -> entry
    QMap<int, Contact> phoneBook; // "ME"
    QMap<int, Contact> simBook;   // "SM"
    int phoneBookCapacity = 100;
    int simBookCapacity = 250;
    QByteArray selectedBook = "SM";
    // Other handsets' phonebooks (scenario keys "phonebooks" and "handset")
    QList<QByteArray> phonebooks = {"ME", "SM"};        // AT+CPBS=?
    QMap<QByteArray, QMap<int, Contact>> readOnlyBooks; // "DC", "RC", "MC", "ON"...
    int readOnlyBookCapacity = 30;
    int nameLength = 16;           // characters of a name the phone keeps
    int blockLimit = 0;            // AT+CPBR=a,b over more places is refused; 0: no limit
    bool memoryCounts = true;      // AT+CPBS? tells the places used and all places
    bool emptyReadRefused = false; // a read that finds nothing answers "+CME ERROR: 22"
    // A read that finds nothing answers the row of the used place before it, under that
    // place's index.
    bool indexShift = false;
    QByteArray rowTail; // after the name of every +CPBR row: ",0", ",,,,,,,"
    // Commands (by the start of their line) this handset ends with another final result, such
    // as "COMMAND NOT SUPPORT" (scenario key "results").
    QMap<QByteArray, QByteArray> resultsInstead;

    // Messages: slot -> message
    QMap<int, Message> messages;
    int messageCapacity = 10;
    // Other handsets' messages (scenario key "handset")
    bool listing = false;               // AT+CMGL, which the Trium Mars lacks
    int listingLimit = 0;               // lists at most so many; 0: all
    QByteArray headerStyle = "trium";   // "spaced", "longYear", "noAlpha", "detailed" (AT+CSDH=1)
    QByteArray storageShape = "counts"; // "+CPMS:" as "spaced", "names" or "empty"
    bool emptySlotOk = false;           // an empty slot answers "OK" rather than "+CMS ERROR: 321"
    int firstSlot = 1;                  // some modems count their slots from 0
    bool textMode = false;
    // New-message indications, which the Trium Mars lacks: the ranges "AT+CNMI=?" offers
    // ("(0-2),(0-3),(0,2),(0-2),(0,1)"; empty: the command is refused) and what was set.
    QByteArray indications;
    QList<int> indicationSetting = {0, 0, 0, 0, 0}; // mode, mt, bm, ds, bfr
    QByteArray serviceCentre;
    int nextMessageReference = 1;
    QList<Message> sentMessages; // what AT+CMGS sent out
    // The network refuses messages to these numbers: the result line answering their text.
    QMap<QByteArray, QByteArray> refusedRecipients;

    // Melodies: 16 slots, index 0 is slot 1
    QList<Melody> melodies = QList<Melody>(16);

    // Keypad and calls
    QList<QByteArray> keysPressed; // the argument of every AT+CKPD, as received
    QList<QByteArray> dialled;     // the number of every ATD
    int hangups = 0;
};

} // namespace simphone
