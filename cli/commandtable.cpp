#include "commandtable.h"

#include "commands/commands.h"
#include "options.h"

namespace CommandLine {

const QList<Command> &commands()
{
    const Options &o = options();
    static const QList<Command> all = {
        {{QStringLiteral("info")},
         {},
         QStringLiteral("Battery, maker, model, network and SIM, one per line."),
         {o.json},
         0,
         0,
         info},
        {{QStringLiteral("contacts"), QStringLiteral("list")},
         {},
         QStringLiteral("Place, name and number of every contact, tab-separated."),
         {o.memory, o.json},
         0,
         0,
         contactsList},
        {{QStringLiteral("contacts"), QStringLiteral("export")},
         QStringLiteral("FILE"),
         QStringLiteral("Write the contacts to FILE: vCard for .vcf, else the window's .qd5 format."),
         {o.memory},
         1,
         1,
         contactsExport},
        {{QStringLiteral("contacts"), QStringLiteral("import")},
         QStringLiteral("FILE"),
         QStringLiteral(
             "Write the contacts of FILE (.qd5 or .vcf) that the SIM card lacks to its free places."),
         {},
         1,
         1,
         contactsImport},
        {{QStringLiteral("contacts"), QStringLiteral("write")},
         {},
         QStringLiteral("Write one contact to the SIM card."),
         {o.name, o.number, o.index},
         0,
         0,
         contactsWrite},
        {{QStringLiteral("contacts"), QStringLiteral("delete")},
         QStringLiteral("PLACE"),
         QStringLiteral("Delete the contact in PLACE."),
         {o.memory},
         1,
         1,
         contactsDelete},
        {{QStringLiteral("sms"), QStringLiteral("list")},
         {},
         QStringLiteral(
             "Every stored message: slot, date or label, number and name, then its text indented."),
         {o.json},
         0,
         0,
         smsList},
        {{QStringLiteral("sms"), QStringLiteral("archive")},
         QStringLiteral("[FILE]"),
         QStringLiteral("Append the messages not yet archived to FILE (default: the window's archive)."),
         {},
         0,
         1,
         smsArchive},
        {{QStringLiteral("sms"), QStringLiteral("send")},
         QStringLiteral("TEXT"),
         QStringLiteral("Send TEXT (standard input for -)."),
         {o.to, o.smsc},
         1,
         1,
         smsSend},
        {{QStringLiteral("sms"), QStringLiteral("store")},
         QStringLiteral("TEXT"),
         QStringLiteral("Store TEXT (standard input for -) unsent on the phone."),
         {o.to},
         1,
         1,
         smsStore},
        {{QStringLiteral("sms"), QStringLiteral("delete")},
         QStringLiteral("SLOT"),
         QStringLiteral("Delete the message in SLOT."),
         {},
         1,
         1,
         smsDelete},
        {{QStringLiteral("ringtones"), QStringLiteral("list")},
         {},
         QStringLiteral("The phone's sixteen melodies by slot, with the number the window shows."),
         {o.json},
         0,
         0,
         ringtonesList},
        {{QStringLiteral("ringtones"), QStringLiteral("upload")},
         QStringLiteral("FILE"),
         QStringLiteral("Upload the melody FILE (.mdy) into a slot."),
         {o.slot, o.raise},
         1,
         1,
         ringtonesUpload},
        {{QStringLiteral("backup")},
         QStringLiteral("DIR"),
         QStringLiteral(
             "Back up contacts, messages, melody names and phone details into the new folder DIR."),
         {},
         1,
         1,
         backup},
        {{QStringLiteral("restore")},
         QStringLiteral("DIR"),
         QStringLiteral(
             "Write the SIM contacts of the backup in DIR that the SIM card lacks to its free places."),
         {},
         1,
         1,
         restore},
        {{QStringLiteral("trace-anonymize")},
         QStringLiteral("IN OUT"),
         QStringLiteral("Copy the line recording IN to OUT with names, numbers and texts replaced."),
         {},
         2,
         2,
         traceAnonymize},
        {{QStringLiteral("keys")},
         QStringLiteral("SEQUENCE"),
         QStringLiteral("Press the keys of SEQUENCE one by one (0-9, *, #)."),
         {},
         1,
         1,
         keys},
        {{QStringLiteral("dial")},
         QStringLiteral("NUMBER"),
         QStringLiteral("Call NUMBER and leave the call up."),
         {},
         1,
         1,
         dial},
        {{QStringLiteral("hangup")}, {}, QStringLiteral("End the call."), {}, 0, 0, hangup},
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

QString overview()
{
    QString text = QStringLiteral(
        "Usage: quenda-cli [--device PATH] [--baud N] [--yes] [--trace FILE] COMMAND [options]\n\n"
        "Quenda for scripts: one operation on the Mitsubishi Trium Mars per run.\n\n"
        "Commands:\n");
    for (const Command &command : commands()) {
        const QString usage =
            (command.words.join(QLatin1Char(' ')) + QLatin1Char(' ') + command.arguments).trimmed();
        text += QStringLiteral("  %1%2\n").arg(usage, -28).arg(command.summary);
    }
    text += QStringLiteral("\n'quenda-cli COMMAND --help' describes a command's options.\n"
                           "Exit codes: 0 done, 1 the phone refused or timed out, or the result is\n"
                           "incomplete, 2 usage, 3 no phone, 130 interrupted (the operation is cancelled\n"
                           "as with Cancel).\n");
    return text;
}

} // namespace CommandLine
