#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Short messages as PDUs (3GPP TS 23.040, 27.005 PDU mode): SMS-DELIVER, SMS-SUBMIT and
// SMS-STATUS-REPORT, read from hex with their service-centre part; SMS-SUBMIT written. Pure.
namespace SmsPdu {

enum class Type
{
    Deliver,
    Submit,
    StatusReport,
};

enum class Coding
{
    Gsm7,
    EightBit,
    Ucs2,
};

// One part of a long message: which message (the reference), how many parts, which one.
struct Concatenation
{
    int reference = 0;
    int parts = 0;
    int part = 0;
    bool sixteenBitReference = false;
};

struct Message
{
    Type type = Type::Deliver;
    QString serviceCentre;  // "+491710760000"; empty when the PDU has none
    QString address;        // sender or recipient: "+4917...", "0301...", or a name ("Vodafone")
    int addressType = 0x81; // the type-of-address octet
    QString timeStamp;      // "yy/MM/dd,hh:mm:ss+zz", the zone in quarter hours; empty for a submit
    Coding coding = Coding::Gsm7;
    QString text;              // 8-bit data shown as "(8-bit data) " and its hex
    QByteArray userDataHeader; // as it came, without its length octet
    std::optional<Concatenation> concatenation;
    int messageReference = 0; // submit and status report
    int status = 0;           // status report: TP-ST
    QString dischargeTime;    // status report
};

// A PDU as the phone gives it in hex, with the service-centre part first. None, and the
// reason, for one that is not whole or not well-formed.
std::optional<Message> decode(const QByteArray &hex, QString *error = nullptr);

// Text of an SMS-SUBMIT: GSM 7-bit where every character fits the default alphabet or its
// extension, else UCS2; one part up to 160 septets or 70 UTF-16 units, else parts of 153 or 67
// with a concatenation header, never cutting an escape or a surrogate pair.
struct Split
{
    Coding coding = Coding::Gsm7;
    QStringList parts;
};
Split split(const QString &text);

// The SMS-SUBMIT PDUs of a text to number, in hex with an empty service-centre part ("00", the
// phone's own centre), each with the length "AT+CMGS=" announces (the octets after that part).
struct Encoded
{
    QByteArray hex;
    int length = 0;
};
QList<Encoded> encodeSubmit(const QString &number, const QString &text, int concatenationReference = 0);

// The address octets (length, type, digits) of a number, as a submit carries it.
QByteArray addressField(const QString &number);

} // namespace SmsPdu
