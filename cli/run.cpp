#include "run.h"

#include "link/serialline.h"
#include "link/supervisor.h"

#include "commandtable.h"
#include "options.h"

#include <QRegularExpression>

namespace CommandLine {

Run::Run(const Command &command, const QCommandLineParser &parser)
    : command_(command), parser_(parser), arguments_(parser.positionalArguments().mid(command.words.size()))
{
}

PhoneSession *Run::phone(int tab)
{
    session_ = std::make_unique<PhoneSession>(isSet(options().yes));
    QString error;
    if (isSet(options().trace) && !session_->link.recorder.start(value(options().trace), &error)) {
        printError(tr("Cannot record the line in %1: %2").arg(value(options().trace), error));
        failure_ = UsageError;
        return nullptr;
    }
    if (isSet(options().baud)) {
        const int baud = value(options().baud).toInt();
        if (!SerialLine::Speeds.contains(baud)) {
            failure_ = usage(tr("--baud takes one of %1.").arg(SerialLine::speedsText()));
            return nullptr;
        }
        session_->link.useBaudForThisRun(baud);
    }
    if (!session_->connectPhone(value(options().device))) {
        failure_ = PhoneNotFound;
        return nullptr;
    }
    if (const QString lacking = session_->link.supervisor.profile().lacking(tab); !lacking.isEmpty()) {
        printError(lacking);
        failure_ = PhoneFailed;
        return nullptr;
    }
    return session_.get();
}

int Run::usage(const QString &problem) const
{
    printError(problem);
    //: %1 is a command of quenda-cli, such as "sms send".
    printError(tr("Try 'quenda-cli %1 --help'.").arg(command_.words.join(QLatin1Char(' '))));
    return UsageError;
}

bool Run::number(const QString &text, const QString &problem, int low, int high, int *result,
                 int *exitCode) const
{
    bool ok = false;
    *result = text.toInt(&ok);
    if (ok && *result >= low && *result <= high)
        return true;
    *exitCode = usage(problem.arg(low).arg(high).arg(text));
    return false;
}

bool isDialable(const QString &number)
{
    static const QRegularExpression pattern(QStringLiteral("^\\+?[0-9*#]{1,46}$"));
    return pattern.match(number).hasMatch();
}

} // namespace CommandLine
