#include "commands.h"

#include "options.h"
#include "printers.h"
#include "run.h"

#include "link/supervisor.h"
#include "link/tabloader.h"

#include "sms/messagedeleter.h"
#include "sms/messagesender.h"

#include <QCoreApplication>
#include <QFile>

namespace CommandLine {
namespace {

// The slots the download could not read, after the warning that counts them: "Not listed:
// slots 2 (ERROR), 5 (+CMS ERROR: 500)." oneSlot and manySlots are that sentence for one slot
// and for more, %1 standing for the list; the phone's answers in it stay as it gave them.
void nameUnreadable(const ShortMessages &sms, const QString &oneSlot, const QString &manySlots)
{
    QStringList missing;
    for (const ShortMessages::UnreadableSlot &unreadable : sms.unreadable())
        missing.append(QStringLiteral("%1 (%2)").arg(unreadable.slot).arg(unreadable.result));
    if (!missing.isEmpty())
        printError((missing.size() == 1 ? oneSlot : manySlots).arg(missing.join(QStringLiteral(", "))));
}

// The message text: the argument, or standard input for "-".
QString messageText(const QString &argument)
{
    if (argument != QLatin1String("-"))
        return MessageSender::withCrLfLineBreaks(argument);
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return QString();
    // Far more than a message holds, so an endless input is refused as too long, not read up.
    QString text = QString::fromUtf8(in.read(64 * 1024));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(text.endsWith(QLatin1String("\r\n")) ? 2 : 1);
    return MessageSender::withCrLfLineBreaks(text);
}

// The window's text box holds no more either; a phone in PDU mode takes a long message.
int refuseOverlong(Run &run, const QString &text, const PhoneProfile &phone)
{
    const int longest = MessageSender::longestText(phone);
    if (text.size() <= longest)
        return Success;
    return run.usage(QCoreApplication::translate("CommandLine::SmsCommands",
                                                 "The message has %1 characters; it holds %2 at most.")
                         .arg(text.size())
                         .arg(longest));
}

} // namespace

int smsList(Run &run)
{
    PhoneSession *phone = run.phone(TabLoader::ViewSMS);
    if (!phone)
        return run.failure();
    const OperationResult read = phone->sms.SMSDownload(ShortMessages::ArchiveStep::Skip);
    const ExitCode code = phone->outcome(read);
    if (!read)
        return code;
    // What was read is the user's data even when some slots were not: printed, and the exit
    // code tells scripts the list is incomplete.
    printMessages(phone->sms, run.isSet(options().json));
    nameUnreadable(phone->sms,
                   //: %1 is a slot with the phone's answer in brackets: "2 (ERROR)".
                   QCoreApplication::translate("CommandLine::SmsCommands", "Not listed: slot %1."),
                   //: %1 lists slots with the phone's answers in brackets: "2 (ERROR), 5 (ERROR)".
                   QCoreApplication::translate("CommandLine::SmsCommands", "Not listed: slots %1."));
    return code;
}

int smsArchive(Run &run)
{
    PhoneSession *phone = run.phone(TabLoader::ViewSMS);
    if (!phone)
        return run.failure();
    const OperationResult read = phone->sms.SMSDownload(ShortMessages::ArchiveStep::Always, run.argument(0));
    const ExitCode code = phone->outcome(read);
    // Also when the archive could not be written: what it would have lacked.
    if (read || !read.missing.isEmpty())
        nameUnreadable(phone->sms,
                       //: %1 is a slot with the phone's answer in brackets: "2 (ERROR)".
                       QCoreApplication::translate("CommandLine::SmsCommands", "Not archived: slot %1."),
                       //: %1 lists slots with the phone's answers in brackets: "2 (ERROR), 5 (ERROR)".
                       QCoreApplication::translate("CommandLine::SmsCommands", "Not archived: slots %1."));
    return code;
}

int smsSend(Run &run)
{
    const QString number = run.value(options().to);
    if (!isDialable(number))
        return run.usage(
            //: NUMBER is the value of --to, as its help names it.
            QCoreApplication::translate("CommandLine::SmsCommands",
                                        "Give the recipient with --to NUMBER (digits, *, #, a leading +)."));
    const QString text = messageText(run.argument(0));
    PhoneSession *phone = run.phone(TabLoader::CreateSMS);
    if (!phone)
        return run.failure();
    if (const int code = refuseOverlong(run, text, phone->link.supervisor.profile()); code != Success)
        return code;
    const QString centre =
        run.isSet(options().smsc) ? run.value(options().smsc) : phone->link.settings.servicecenter();
    if (!isDialable(centre))
        return run.usage(
            //: NUMBER is the value of --smsc, as its help names it.
            QCoreApplication::translate("CommandLine::SmsCommands",
                                        "Give the service centre with --smsc NUMBER."));
    return phone->outcome(MessageSender(phone->link.exchange, phone->link.lock).send(text, number, centre));
}

int smsStore(Run &run)
{
    const QString number = run.value(options().to);
    if (run.isSet(options().to) && !isDialable(number))
        return run.usage(QCoreApplication::translate("CommandLine::SmsCommands",
                                                     "--to takes digits, *, # and a leading +: %1")
                             .arg(number));
    const QString text = messageText(run.argument(0));
    PhoneSession *phone = run.phone(TabLoader::CreateSMS);
    if (!phone)
        return run.failure();
    if (const int code = refuseOverlong(run, text, phone->link.supervisor.profile()); code != Success)
        return code;
    return phone->outcome(MessageSender(phone->link.exchange, phone->link.lock).upload(text, number));
}

int smsDelete(Run &run)
{
    int slot = 0;
    int code = Success;
    if (!run.number(run.argument(0),
                    QCoreApplication::translate("CommandLine::SmsCommands",
                                                "The slot must be a whole number from %1 to %2: %3"),
                    1, 255, &slot, &code))
        return code;
    PhoneSession *phone = run.phone(TabLoader::ViewSMS);
    if (!phone)
        return run.failure();
    if (slot > phone->sms.maxSms())
        return run.usage(
            QCoreApplication::translate("CommandLine::SmsCommands", "The phone has %1 message slots.")
                .arg(phone->sms.maxSms()));
    return phone->outcome(MessageDeleter(phone->sms).removeSlot(static_cast<qint16>(slot)));
}

} // namespace CommandLine
