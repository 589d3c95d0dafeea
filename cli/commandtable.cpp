#include "commandtable.h"

#include "commands/commands.h"
#include "options.h"

#include <QCoreApplication>

namespace CommandLine {

const QList<Command> &commands()
{
    const Options &o = options();
    static const QList<Command> all = {
        {{QStringLiteral("info")},
         {},
         QT_TRANSLATE_NOOP("CommandLine::Commands", "Battery, maker, model, network and SIM, one per line."),
         {o.json},
         0,
         0,
         info},
        {{QStringLiteral("contacts"), QStringLiteral("list")},
         {},
         QT_TRANSLATE_NOOP("CommandLine::Commands",
                           "Place, name and number of every contact, tab-separated."),
         {o.memory, o.json},
         0,
         0,
         contactsList},
        {{QStringLiteral("contacts"), QStringLiteral("export")},
         //: A placeholder of the usage lines, in capitals; the summaries name it so too.
         QT_TRANSLATE_NOOP("CommandLine::Commands", "FILE"),
         QT_TRANSLATE_NOOP("CommandLine::Commands",
                           "Write the contacts to FILE: vCard for .vcf, else the window's .qd5 format."),
         {o.memory},
         1,
         1,
         contactsExport},
        {{QStringLiteral("contacts"), QStringLiteral("import")},
         QT_TRANSLATE_NOOP("CommandLine::Commands", "FILE"),
         QT_TRANSLATE_NOOP(
             "CommandLine::Commands",
             "Write the contacts of FILE (.qd5 or .vcf) that the SIM card lacks to its free places."),
         {},
         1,
         1,
         contactsImport},
        {{QStringLiteral("contacts"), QStringLiteral("write")},
         {},
         QT_TRANSLATE_NOOP("CommandLine::Commands", "Write one contact to the SIM card."),
         {o.name, o.number, o.index},
         0,
         0,
         contactsWrite},
        {{QStringLiteral("contacts"), QStringLiteral("delete")},
         QT_TRANSLATE_NOOP("CommandLine::Commands", "PLACE"),
         QT_TRANSLATE_NOOP("CommandLine::Commands", "Delete the contact in PLACE."),
         {o.memory},
         1,
         1,
         contactsDelete},
        {{QStringLiteral("sms"), QStringLiteral("list")},
         {},
         QT_TRANSLATE_NOOP(
             "CommandLine::Commands",
             "Every stored message: slot, date or label, number and name, then its text indented."),
         {o.json},
         0,
         0,
         smsList},
        {{QStringLiteral("sms"), QStringLiteral("archive")},
         QT_TRANSLATE_NOOP("CommandLine::Commands", "[FILE]"),
         QT_TRANSLATE_NOOP("CommandLine::Commands",
                           "Append the messages not yet archived to FILE (default: the window's archive)."),
         {},
         0,
         1,
         smsArchive},
        {{QStringLiteral("sms"), QStringLiteral("send")},
         QT_TRANSLATE_NOOP("CommandLine::Commands", "TEXT"),
         QT_TRANSLATE_NOOP("CommandLine::Commands", "Send TEXT (standard input for -)."),
         {o.to, o.smsc},
         1,
         1,
         smsSend},
        {{QStringLiteral("sms"), QStringLiteral("store")},
         QT_TRANSLATE_NOOP("CommandLine::Commands", "TEXT"),
         QT_TRANSLATE_NOOP("CommandLine::Commands", "Store TEXT (standard input for -) unsent on the phone."),
         {o.to},
         1,
         1,
         smsStore},
        {{QStringLiteral("sms"), QStringLiteral("delete")},
         QT_TRANSLATE_NOOP("CommandLine::Commands", "SLOT"),
         QT_TRANSLATE_NOOP("CommandLine::Commands", "Delete the message in SLOT."),
         {},
         1,
         1,
         smsDelete},
        {{QStringLiteral("ringtones"), QStringLiteral("list")},
         {},
         QT_TRANSLATE_NOOP("CommandLine::Commands",
                           "The phone's sixteen melodies by slot, with the number the window shows."),
         {o.json},
         0,
         0,
         ringtonesList},
        {{QStringLiteral("ringtones"), QStringLiteral("upload")},
         QT_TRANSLATE_NOOP("CommandLine::Commands", "FILE"),
         QT_TRANSLATE_NOOP("CommandLine::Commands", "Upload the melody FILE (.mdy) into a slot."),
         {o.slot, o.raise},
         1,
         1,
         ringtonesUpload},
        {{QStringLiteral("backup")},
         QT_TRANSLATE_NOOP("CommandLine::Commands", "DIR"),
         QT_TRANSLATE_NOOP(
             "CommandLine::Commands",
             "Back up contacts, messages, melody names and phone details into the new folder DIR."),
         {},
         1,
         1,
         backup},
        {{QStringLiteral("restore")},
         QT_TRANSLATE_NOOP("CommandLine::Commands", "DIR"),
         QT_TRANSLATE_NOOP(
             "CommandLine::Commands",
             "Write the SIM contacts of the backup in DIR that the SIM card lacks to its free places."),
         {},
         1,
         1,
         restore},
        {{QStringLiteral("trace-anonymize")},
         QT_TRANSLATE_NOOP("CommandLine::Commands", "IN OUT"),
         QT_TRANSLATE_NOOP("CommandLine::Commands",
                           "Copy the line recording IN to OUT with names, numbers and texts replaced."),
         {},
         2,
         2,
         traceAnonymize},
        {{QStringLiteral("keys")},
         QT_TRANSLATE_NOOP("CommandLine::Commands", "SEQUENCE"),
         QT_TRANSLATE_NOOP("CommandLine::Commands", "Press the keys of SEQUENCE one by one (0-9, *, #)."),
         {},
         1,
         1,
         keys},
        {{QStringLiteral("dial")},
         QT_TRANSLATE_NOOP("CommandLine::Commands", "NUMBER"),
         QT_TRANSLATE_NOOP("CommandLine::Commands", "Call NUMBER and leave the call up."),
         {},
         1,
         1,
         dial},
        {{QStringLiteral("hangup")},
         {},
         QT_TRANSLATE_NOOP("CommandLine::Commands", "End the call."),
         {},
         0,
         0,
         hangup},
    };
    return all;
}

QStringList positionalWords(const QStringList &arguments)
{
    QStringList names;
    for (const QCommandLineOption &option : valueOptions())
        names += option.names();
    QStringList words;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            words += arguments.mid(i + 1);
            break;
        }
        if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-")) {
            const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
            if (names.contains(name))
                ++i; // its value
            continue;
        }
        words.append(argument);
    }
    return words;
}

const Command *commandOf(const QStringList &words)
{
    const Command *found = nullptr;
    for (const Command &command : commands()) {
        if (words.mid(0, command.words.size()) == command.words &&
            (!found || command.words.size() > found->words.size()))
            found = &command;
    }
    return found;
}

QString Command::shownArguments() const
{
    return QCoreApplication::translate("CommandLine::Commands", arguments);
}

QString Command::shownSummary() const
{
    return QCoreApplication::translate("CommandLine::Commands", summary);
}

QString overview()
{
    QString text =
        QCoreApplication::translate(
            "CommandLine::Commands",
            "Usage: quenda-cli [--device PATH] [--baud N] [--yes] [--trace FILE] COMMAND [options]") +
        QStringLiteral("\n\n") +
        QCoreApplication::translate(
            "CommandLine::Commands",
            "Quenda for scripts: one operation on the Mitsubishi Trium Mars per run.") +
        QStringLiteral("\n\n") +
        //: The heading of the list of commands in quenda-cli --help.
        QCoreApplication::translate("CommandLine::Commands", "Commands:") + QLatin1Char('\n');
    for (const Command &command : commands()) {
        const QString usage =
            (command.words.join(QLatin1Char(' ')) + QLatin1Char(' ') + command.shownArguments()).trimmed();
        text += QStringLiteral("  %1%2\n").arg(usage.leftJustified(28), command.shownSummary());
    }
    text += QLatin1Char('\n') +
            QCoreApplication::translate("CommandLine::Commands",
                                        "'quenda-cli COMMAND --help' describes a command's options.") +
            QLatin1Char('\n') +
            //: The line breaks keep the help within 80 columns. Cancel is the button of the window's
            //: Working... box.
            QCoreApplication::translate(
                "CommandLine::Commands",
                "Exit codes: 0 done, 1 the phone refused or timed out, or the result is\n"
                "incomplete, 2 usage, 3 no phone, 130 interrupted (the operation is cancelled\n"
                "as with Cancel).") +
            QLatin1Char('\n');
    return text;
}

} // namespace CommandLine
