#include "commandline.h"

#include "commandtable.h"
#include "completion.h"
#include "exitcode.h"
#include "options.h"
#include "printers.h"
#include "run.h"
#include "terminal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace CommandLine {

int run(const QStringList &arguments)
{
    // The shell's completion asks here (see share/bash-completion).
    if (arguments.value(1) == QLatin1String("__complete")) {
        for (const QString &candidate : completions(arguments.mid(2)))
            out() << candidate << '\n';
        out() << Qt::flush;
        return Success;
    }

    const QStringList words = positionalWords(arguments);
    const Command *command = commandOf(words);
    if (!command) {
        const bool askedForHelp =
            arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"));
        if (askedForHelp && words.isEmpty()) {
            out() << overview() << Qt::flush;
            return Success;
        }
        if (arguments.contains(QLatin1String("--version"))) {
            out() << "quenda-cli " << QCoreApplication::applicationVersion() << Qt::endl;
            return Success;
        }
        if (!words.isEmpty())
            printError(QCoreApplication::translate("CommandLine", "Unknown command: %1")
                           .arg(words.join(QLatin1Char(' '))));
        QTextStream(stderr) << overview();
        return UsageError;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(command->shownSummary());
    parser.addOption(options().help);
    parser.addOption(options().device);
    parser.addOption(options().baud);
    parser.addOption(options().yes);
    parser.addOption(options().trace);
    parser.addOptions(command->options);
    parser.addPositionalArgument(command->words.join(QLatin1Char(' ')),
                                 //: What the command's words are, in its --help.
                                 QCoreApplication::translate("CommandLine", "The command."));
    if (command->arguments)
        parser.addPositionalArgument(command->shownArguments(), QString());
    if (!parser.parse(arguments)) {
        printError(parser.errorText());
        return UsageError;
    }
    if (parser.isSet(options().help)) {
        out() << parser.helpText() << Qt::flush;
        return Success;
    }
    const qsizetype given = parser.positionalArguments().size() - command->words.size();
    Run run(*command, parser);
    if (given < command->minArguments || given > command->maxArguments)
        return run.usage(command->arguments
                             //: %1 is a command, %2 its arguments as its usage line names them.
                             ? QCoreApplication::translate("CommandLine", "%1 takes %2.")
                                   .arg(command->words.join(QLatin1Char(' ')), command->shownArguments())
                             : QCoreApplication::translate("CommandLine", "%1 takes no arguments.")
                                   .arg(command->words.join(QLatin1Char(' '))));
    const int code = command->run(run);
    return run.interrupted() ? Interrupted : code;
}

} // namespace CommandLine
