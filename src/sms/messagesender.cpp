#include "messagesender.h"

#include "smspdu.h"

#include "link/operationlock.h"
#include "text/quotedfield.h"

#include <QRandomGenerator>

namespace {

const QString NotSent = QStringLiteral("SMS not sent: ");
const QString NotStored = QStringLiteral("SMS not stored: ");

} // namespace

MessageSender::MessageSender(AtExchange &exchange, OperationLock &lock) : exchange_(exchange), lock_(lock) {}

QString MessageSender::phoneText(const QString &text, const PhoneText &phone)
{
    return DataText(phone.toPhone(phone.fit(text).text));
}

bool MessageSender::answered(const AtExchange::Reply &reply, const QString &failure)
{
    if (reply.refused())
        return lock_.fail(OperationResult::refused(reply.command, reply.result), failure + reply.result);
    return lock_.answered(reply);
}

const QString MessageSender::SentNotice = QStringLiteral("SMS succesfully send.");

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
        return QStringLiteral("Characters: %1/%2").arg(text.size()).arg(MaxText);
    const int parts = int(SmsPdu::split(text).parts.size());
    return QStringLiteral("Characters: %1 (%2)")
        .arg(text.size())
        .arg(parts == 1 ? QStringLiteral("1 message") : QStringLiteral("%1 messages").arg(parts));
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
                                 const QString &confirmation, const QString &failure)
{
    // One reference for the parts of one long message, another for the next.
    const QList<SmsPdu::Encoded> parts =
        SmsPdu::encodeSubmit(QuotedFieldText(number), text, int(QRandomGenerator::global()->bounded(256)));
    for (qsizetype k = 0; k < parts.size(); ++k) {
        const QString which =
            parts.size() > 1 ? QStringLiteral("part %1 of %2: ").arg(k + 1).arg(parts.size()) : QString();
        if (!transferLine(command + QString::number(parts.at(k).length), QString::fromLatin1(parts.at(k).hex),
                          confirmation, failure + which))
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
        const QString unconfirmed = QStringLiteral("no confirmation from the phone");
        return lock_.fail(OperationResult::refused(commandLine, unconfirmed), failure + unconfirmed);
    }
    return answered(reply, failure);
}

bool MessageSender::acceptsLosses(const QString &text, const QString &verb)
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
    return lock_.ask(
        QStringLiteral("The phone cannot show %1; it would get \"?\" instead. %2 the message anyway?")
            .arg(shown.join(QLatin1Char(' ')), verb),
        QStringLiteral("Warning"));
}

std::optional<OperationResult> MessageSender::missingField(const QString &number,
                                                           const QString &serviceCentre)
{
    // The guard's refusals come before those of the fields.
    if (lock_.action() != OperationLock::Idle)
        return std::nullopt;
    QString missing;
    if (serviceCentre.isEmpty())
        missing = QStringLiteral("Please enter the number of your Service Center (SMSC)");
    else if (number.isEmpty())
        missing = QStringLiteral("Please enter phonenumber.");
    else
        return std::nullopt;
    return OperationResult::notStarted(missing).told(missing);
}

OperationResult MessageSender::send(const QString &text, const QString &number, const QString &serviceCentre)
{
    return lock_.perform([&] {
        if (const auto missing = missingField(number, serviceCentre))
            return *missing;
        if (lock_.action() == OperationLock::Idle && !acceptsLosses(text, QStringLiteral("Send")))
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
        if (!command(QStringLiteral("AT+CMGF=0"), NotSent) ||
            !command(QStringLiteral("AT+CSCA=\"") + QuotedFieldText(serviceCentre) + QLatin1Char('"'),
                     NotSent) ||
            !transferPdus(QStringLiteral("AT+CMGS="), number, text, QStringLiteral("+CMGS:"), NotSent))
            return lock_.result();
    } else if (!command(QStringLiteral("AT+CMGF=1"), NotSent) ||
               !command(QStringLiteral("AT+CSCA=\"") + QuotedFieldText(serviceCentre) + QLatin1Char('"'),
                        NotSent) ||
               !transfer(QStringLiteral("AT+CMGS="), number, text, QStringLiteral("+CMGS:"), NotSent)) {
        return lock_.result();
    }
    lock_.finish();
    lock_.tell(SentNotice);
    return lock_.result();
}

OperationResult MessageSender::upload(const QString &text, const QString &number)
{
    return lock_.perform([&] {
        if (lock_.action() == OperationLock::Idle && !acceptsLosses(text, QStringLiteral("Store")))
            return OperationResult::declined();
        return uploadFitted(text, number);
    });
}

OperationResult MessageSender::uploadFitted(const QString &text, const QString &number)
{
    if (!lock_.guard(OperationLock::UploadingSMS))
        return lock_.refusal();
    const bool stored =
        inPdu()
            ? command(QStringLiteral("AT+CMGF=0"), NotStored) &&
                  transferPdus(QStringLiteral("AT+CMGW="), number, text, QStringLiteral("+CMGW:"), NotStored)
            : command(QStringLiteral("AT+CMGF=1"), NotStored) &&
                  transfer(QStringLiteral("AT+CMGW="), number, text, QStringLiteral("+CMGW:"), NotStored);
    if (stored)
        lock_.finish();
    return lock_.result();
}

OperationResult MessageSender::uploadAndSend(const QString &text, const QString &number,
                                             const QString &serviceCentre)
{
    return lock_.perform([&] {
        // One question for both.
        if (lock_.action() == OperationLock::Idle && !acceptsLosses(text, QStringLiteral("Store and send")))
            return OperationResult::declined();
        const OperationResult stored = uploadFitted(text, number);
        if (const auto missing = missingField(number, serviceCentre))
            return OperationResult::worse(stored, *missing);
        return OperationResult::worse(stored, sendFitted(text, number, serviceCentre));
    });
}
