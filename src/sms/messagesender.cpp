#include "messagesender.h"

#include "smspdu.h"

#include "link/operationlock.h"
#include "text/quotedfield.h"

#include <QRandomGenerator>

namespace {

// The sentences that tell of a failure, %1 standing for why; of one part of a long message,
// the part and the parts, then why.
QString notSent()
{
    return MessageSender::tr("SMS not sent: %1");
}

QString notStored()
{
    return MessageSender::tr("SMS not stored: %1");
}

QString partNotSent()
{
    return MessageSender::tr("SMS not sent: part %1 of %2: %3");
}

QString partNotStored()
{
    return MessageSender::tr("SMS not stored: part %1 of %2: %3");
}

} // namespace

MessageSender::MessageSender(AtExchange &exchange, OperationLock &lock) : exchange_(exchange), lock_(lock) {}

QString MessageSender::phoneText(const QString &text, const PhoneText &phone)
{
    return DataText(phone.toPhone(phone.fit(text).text));
}

bool MessageSender::answered(const AtExchange::Reply &reply, const QString &failure)
{
    if (reply.refused())
        return lock_.fail(OperationResult::refused(reply.command, reply.result), failure.arg(reply.result));
    return lock_.answered(reply);
}

QString MessageSender::sentNotice()
{
    return tr("SMS succesfully send.");
}

QString MessageSender::withCrLfLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

bool MessageSender::inPdu() const
{
    return exchange_.phone().messagesInPdu();
}

int MessageSender::longestText(const PhoneProfile &phone)
{
    // Ten parts make a long message; phones take more, few people write them.
    return phone.messagesInPdu() ? 10 * 153 : MaxText;
}

QString MessageSender::countText(const QString &text, const PhoneProfile &phone)
{
    if (!phone.messagesInPdu())
        return tr("Characters: %1/%2").arg(text.size()).arg(MaxText);
    const int parts = int(SmsPdu::split(text).parts.size());
    return parts == 1 ? tr("Characters: %1 (1 message)").arg(text.size())
                      : tr("Characters: %1 (%2 messages)").arg(text.size()).arg(parts);
}

bool MessageSender::command(const QString &command, const QString &failure)
{
    return answered(exchange_.SendAndWait(command, exchange_.timTimeout), failure);
}

bool MessageSender::transfer(const QString &command, const QString &number, const QString &text,
                             const QString &confirmation, const QString &failure)
{
    const PhoneText &phone = exchange_.phoneText();
    // A quote or a CR in the number would end the command line early.
    const QString safeNumber = QuotedFieldText(number);
    return transferLine(command + QLatin1Char('"') + phone.numberToPhone(safeNumber) + QLatin1Char('"'),
                        phoneText(text, phone), confirmation, failure);
}

bool MessageSender::transferPdus(const QString &command, const QString &number, const QString &text,
                                 const QString &confirmation, const QString &failure,
                                 const QString &partFailure)
{
    // One reference for the parts of one long message, another for the next.
    const QList<SmsPdu::Encoded> parts =
        SmsPdu::encodeSubmit(QuotedFieldText(number), text, int(QRandomGenerator::global()->bounded(256)));
    for (qsizetype k = 0; k < parts.size(); ++k) {
        // The part's sentence keeps its %3 for the reason.
        const QString ofPart = parts.size() > 1 ? partFailure.arg(k + 1).arg(parts.size()) : failure;
        if (!transferLine(command + QString::number(parts.at(k).length), QString::fromLatin1(parts.at(k).hex),
                          confirmation, ofPart))
            return false;
    }
    return true;
}

bool MessageSender::transferLine(const QString &commandLine, const QString &data, const QString &confirmation,
                                 const QString &failure)
{
    const AtExchange::Reply prompt = exchange_.SendAndWaitForPrompt(commandLine, exchange_.timTimeout);
    if (!prompt.completed()) {
        // The prompt may have come after all, late: the phone must not stay in text entry. A
        // phone that refused is in command mode and gets nothing: an ESC there may stay in
        // its command line.
        if (!prompt.refused())
            exchange_.escapeEntry();
        return answered(prompt, failure);
    }
    const AtExchange::Reply reply =
        exchange_.SendDataAndWait(data + AtExchange::CtrlZ, exchange_.timTimeout, commandLine, confirmation);
    if (reply.timedOut()) {
        // The text may never have left, and the phone still be in text entry.
        lock_.dataUnanswered(commandLine, exchange_.dropDataAndResynchronise(exchange_.timTimeoutState),
                             failure);
        return false;
    }
    // Sent or stored only on the phone's word: the reference or place it gives the message.
    if (reply.completed() && reply.lineStartingWith(confirmation).isEmpty()) {
        const QString unconfirmed = tr("no confirmation from the phone");
        return lock_.fail(OperationResult::refused(commandLine, unconfirmed), failure.arg(unconfirmed));
    }
    return answered(reply, failure);
}

bool MessageSender::acceptsLosses(const QString &text, const QString &question)
{
    // A PDU carries every character.
    if (inPdu())
        return true;
    const QString lost = exchange_.phoneText().fit(text).lost;
    if (lost.isEmpty())
        return true;
    QStringList shown;
    for (const char32_t c : lost.toUcs4())
        shown.append(QString::fromUcs4(&c, 1));
    //: The title of a question box
    return lock_.ask(question.arg(shown.join(QLatin1Char(' '))), tr("Warning"));
}

std::optional<OperationResult> MessageSender::missingField(const QString &number,
                                                           const QString &serviceCentre)
{
    // The guard's refusals come before those of the fields.
    if (lock_.action() != OperationLock::Idle)
        return std::nullopt;
    QString missing;
    if (serviceCentre.isEmpty())
        missing = tr("Please enter the number of your Service Center (SMSC)");
    else if (number.isEmpty())
        missing = tr("Please enter phonenumber.");
    else
        return std::nullopt;
    return OperationResult::notStarted(missing).told(missing);
}

OperationResult MessageSender::send(const QString &text, const QString &number, const QString &serviceCentre)
{
    return lock_.perform([&] {
        if (const auto missing = missingField(number, serviceCentre))
            return *missing;
        if (lock_.action() == OperationLock::Idle &&
            !acceptsLosses(text, tr("The phone cannot show %1; it would get \"?\" instead. Send the message "
                                    "anyway?")))
            return OperationResult::declined();
        return sendFitted(text, number, serviceCentre);
    });
}

OperationResult MessageSender::sendFitted(const QString &text, const QString &number,
                                          const QString &serviceCentre)
{
    if (!lock_.guard(OperationLock::SendingSMS))
        return lock_.refusal();
    if (inPdu()) {
        if (!command(QStringLiteral("AT+CMGF=0"), notSent()) ||
            !command(QStringLiteral("AT+CSCA=\"") + QuotedFieldText(serviceCentre) + QLatin1Char('"'),
                     notSent()) ||
            !transferPdus(QStringLiteral("AT+CMGS="), number, text, QStringLiteral("+CMGS:"), notSent(),
                          partNotSent()))
            return lock_.result();
    } else if (!command(QStringLiteral("AT+CMGF=1"), notSent()) ||
               !command(QStringLiteral("AT+CSCA=\"") + QuotedFieldText(serviceCentre) + QLatin1Char('"'),
                        notSent()) ||
               !transfer(QStringLiteral("AT+CMGS="), number, text, QStringLiteral("+CMGS:"), notSent())) {
        return lock_.result();
    }
    lock_.finish();
    lock_.tell(sentNotice());
    return lock_.result();
}

OperationResult MessageSender::upload(const QString &text, const QString &number)
{
    return lock_.perform([&] {
        if (lock_.action() == OperationLock::Idle &&
            !acceptsLosses(text, tr("The phone cannot show %1; it would get \"?\" instead. Store the message "
                                    "anyway?")))
            return OperationResult::declined();
        return uploadFitted(text, number);
    });
}

OperationResult MessageSender::uploadFitted(const QString &text, const QString &number)
{
    if (!lock_.guard(OperationLock::UploadingSMS))
        return lock_.refusal();
    const bool stored = inPdu() ? command(QStringLiteral("AT+CMGF=0"), notStored()) &&
                                      transferPdus(QStringLiteral("AT+CMGW="), number, text,
                                                   QStringLiteral("+CMGW:"), notStored(), partNotStored())
                                : command(QStringLiteral("AT+CMGF=1"), notStored()) &&
                                      transfer(QStringLiteral("AT+CMGW="), number, text,
                                               QStringLiteral("+CMGW:"), notStored());
    if (stored)
        lock_.finish();
    return lock_.result();
}

OperationResult MessageSender::uploadAndSend(const QString &text, const QString &number,
                                             const QString &serviceCentre)
{
    return lock_.perform([&] {
        // One question for both.
        if (lock_.action() == OperationLock::Idle &&
            !acceptsLosses(text,
                           tr("The phone cannot show %1; it would get \"?\" instead. Store and send the "
                              "message anyway?")))
            return OperationResult::declined();
        const OperationResult stored = uploadFitted(text, number);
        if (const auto missing = missingField(number, serviceCentre))
            return OperationResult::worse(stored, *missing);
        return OperationResult::worse(stored, sendFitted(text, number, serviceCentre));
    });
}
