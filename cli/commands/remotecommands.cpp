#include "commands.h"

#include "run.h"

#include "link/tabloader.h"

#include "remote/calling.h"
#include "remote/keyrelay.h"
#include "remote/servicecodes.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace CommandLine {

int keys(Run &run)
{
    static const QRegularExpression keypad(QStringLiteral("^[0-9*#]+$"));
    const QString sequence = run.argument(0);
    if (!keypad.match(sequence).hasMatch())
        return run.usage(
            QCoreApplication::translate("CommandLine::RemoteCommands", "Keys are 0 to 9, * and #: %1")
                .arg(sequence));
    PhoneSession *phone = run.phone(TabLoader::RemoteControl);
    if (!phone)
        return run.failure();
    return phone->outcome(
        KeyRelay(phone->link.exchange, phone->link.lock).SendKeys(ServiceCodes::keysOf(sequence)));
}

int dial(Run &run)
{
    if (!isDialable(run.argument(0)))
        return run.usage(QCoreApplication::translate("CommandLine::RemoteCommands",
                                                     "A number is digits, *, # and a leading +: %1")
                             .arg(run.argument(0)));
    PhoneSession *phone = run.phone();
    if (!phone)
        return run.failure();
    if (const OperationResult dialled =
            Calling(phone->link.exchange, phone->link.lock).dialAnswered(run.argument(0));
        !dialled)
        return phone->outcome(dialled);
    //: quenda-cli hangup is a command: keep it as it is.
    printError(QCoreApplication::translate("CommandLine::RemoteCommands",
                                           "Dialling %1; 'quenda-cli hangup' ends the call.")
                   .arg(run.argument(0)));
    return Success;
}

int hangup(Run &run)
{
    PhoneSession *phone = run.phone();
    if (!phone)
        return run.failure();
    return phone->outcome(Calling(phone->link.exchange, phone->link.lock).hangUp());
}

} // namespace CommandLine
