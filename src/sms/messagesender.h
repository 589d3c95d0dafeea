#pragma once

#include "link/atexchange.h"
#include "link/operationresult.h"
#include "link/phoneprofile.h"
#include "text/phonetext.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class OperationLock;

// Sends a message through the phone or stores it in the phone's message memory, in text mode.
class MessageSender
{
    Q_DECLARE_TR_FUNCTIONS(MessageSender)

public:
    MessageSender(AtExchange &exchange, OperationLock &lock);

    // Each done once the phone confirmed it with the message's reference or place.
    // "Send SMS": needs the service centre and the number.
    OperationResult send(const QString &text, const QString &number, const QString &serviceCentre);
    // "Upload SMS": stores the message unsent; the number may be empty.
    OperationResult upload(const QString &text, const QString &number);
    // "Upload+Send": both, each with its own checks; the first failure of the two.
    OperationResult uploadAndSend(const QString &text, const QString &number, const QString &serviceCentre);

    // The longest text, counted with CR LF line breaks: one message, as the Trium Mars takes
    // it; a phone in PDU mode takes a long message in parts (longestText).
    static constexpr int MaxText = 160;
    static int longestText(const PhoneProfile &phone);
    // "Characters: 12/160"; for a phone in PDU mode the messages the text will take as well.
    static QString countText(const QString &text, const PhoneProfile &phone);

    // The text as the phone takes it: fitted to its character set (PhoneText::fit), without
    // Ctrl-Z and ESC, which would end it early and leave the rest to be read as command lines.
    static QString phoneText(const QString &text, const PhoneText &phone = PhoneText());
    // The box that tells of a sent message.
    static QString sentNotice();

    // A text with LF line breaks (a text box, a pipe) as the phone keeps it: CR LF.
    static QString withCrLfLineBreaks(QString text);

private:
    // Asks whether to go on when the phone would show some of the text as "?"; true when
    // nothing is lost or the user says yes. question: %1 standing for the characters lost.
    bool acceptsLosses(const QString &text, const QString &question);
    // The service centre and number a send needs; asked for only when the phone is idle.
    std::optional<OperationResult> missingField(const QString &number, const QString &serviceCentre);
    OperationResult sendFitted(const QString &text, const QString &number, const QString &serviceCentre);
    OperationResult uploadFitted(const QString &text, const QString &number);
    // False when the operation has ended: refused (with a message naming the phone's error,
    // the link being fine), timed out or cancelled. failure: the sentence that tells of it, %1
    // standing for why.
    bool answered(const AtExchange::Reply &reply, const QString &failure);
    bool command(const QString &command, const QString &failure);
    // The command line that announces the text, its prompt (and the pause), the text; done when
    // the phone confirms with a line beginning with confirmation.
    bool transfer(const QString &command, const QString &number, const QString &text,
                  const QString &confirmation, const QString &failure);
    // The same in PDU mode: each part announced by its length ("AT+CMGS=23") after its own
    // prompt; a refused part is named (partFailure: the part, the parts, why) and ends the rest.
    bool transferPdus(const QString &command, const QString &number, const QString &text,
                      const QString &confirmation, const QString &failure, const QString &partFailure);
    bool transferLine(const QString &commandLine, const QString &data, const QString &confirmation,
                      const QString &failure);
    bool inPdu() const;

    AtExchange &exchange_;
    OperationLock &lock_;
};
