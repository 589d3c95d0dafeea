#include "commands.h"

#include "options.h"
#include "printers.h"
#include "run.h"

#include "link/supervisor.h"
#include "link/tabloader.h"

#include "sms/messagedeleter.h"
#include "sms/messagesender.h"

#include <QFile>

namespace CommandLine {
namespace {

// The slots the download could not read, after the warning that counts them: "Not listed:
// slots 2 (ERROR), 5 (+CMS ERROR: 500)."
void nameUnreadable(const ShortMessages &sms, const QString &missingFrom)
{
    QStringList missing;
    for (const ShortMessages::UnreadableSlot &unreadable : sms.unreadable())
        missing.append(QStringLiteral("%1 (%2)").arg(unreadable.slot).arg(unreadable.result));
    if (!missing.isEmpty())
        printError(QStringLiteral("%1: %2 %3.")
                       .arg(missingFrom,
                            missing.size() == 1 ? QStringLiteral("slot") : QStringLiteral("slots"),
                            missing.join(QStringLiteral(", "))));
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
    return run.usage(
        QStringLiteral("The message has %1 characters; it holds %2 at most.").arg(text.size()).arg(longest));
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
    nameUnreadable(phone->sms, QStringLiteral("Not listed"));
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
        nameUnreadable(phone->sms, QStringLiteral("Not archived"));
    return code;
}

int smsSend(Run &run)
{
    const QString number = run.value(options().to);
    if (!isDialable(number))
        return run.usage(QStringLiteral("Give the recipient with --to NUMBER (digits, *, #, a leading +)."));
    const QString text = messageText(run.argument(0));
    PhoneSession *phone = run.phone(TabLoader::CreateSMS);
    if (!phone)
        return run.failure();
    if (const int code = refuseOverlong(run, text, phone->link.supervisor.profile()); code != Success)
        return code;
    const QString centre =
        run.isSet(options().smsc) ? run.value(options().smsc) : phone->link.settings.servicecenter();
    if (!isDialable(centre))
        return run.usage(QStringLiteral("Give the service centre with --smsc NUMBER."));
    return phone->outcome(MessageSender(phone->link.exchange, phone->link.lock).send(text, number, centre));
}

int smsStore(Run &run)
{
    const QString number = run.value(options().to);
    if (run.isSet(options().to) && !isDialable(number))
        return run.usage(QStringLiteral("--to takes digits, *, # and a leading +: ") + number);
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
    if (!run.number(run.argument(0), QStringLiteral("The slot"), 1, 255, &slot, &code))
        return code;
    PhoneSession *phone = run.phone(TabLoader::ViewSMS);
    if (!phone)
        return run.failure();
    if (slot > phone->sms.maxSms())
        return run.usage(QStringLiteral("The phone has %1 message slots.").arg(phone->sms.maxSms()));
    return phone->outcome(MessageDeleter(phone->sms).removeSlot(static_cast<qint16>(slot)));
}

} // namespace CommandLine
