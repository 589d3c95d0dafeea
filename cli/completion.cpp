#include "completion.h"

#include "commandtable.h"
#include "options.h"

#include "link/serialline.h"

namespace CommandLine {

QStringList completions(const QStringList &words)
{
    const Options &o = options();
    const QString previous = words.size() >= 2 ? words.at(words.size() - 2) : QString();
    const QString current = words.isEmpty() ? QString() : words.constLast();
    const auto named = [&previous](const QCommandLineOption &option) {
        return option.names().contains(previous.mid(2)) && previous.startsWith(QLatin1String("--"));
    };
    if (named(o.device))
        return {QStringLiteral("@devices")};
    if (named(o.baud)) {
        return SerialLine::speedsText().split(QStringLiteral(", "));
    }
    if (named(o.trace))
        return {QStringLiteral("@files")};
    if (named(o.memory))
        return {QStringLiteral("sim"), QStringLiteral("phone")};
    for (const QCommandLineOption &option : valueOptions()) {
        if (named(option))
            return {};
    }

    const QStringList typed = positionalWords(QStringList{QString()} + words.mid(0, words.size() - 1));
    const Command *command = commandOf(typed);
    if (current.startsWith(QLatin1Char('-'))) {
        QStringList names{QStringLiteral("--device"), QStringLiteral("--yes"), QStringLiteral("--trace"),
                          QStringLiteral("--help")};
        if (command) {
            for (const QCommandLineOption &option : command->options)
                names.append(QStringLiteral("--") + option.names().constLast());
        } else {
            names.append(QStringLiteral("--version"));
        }
        return names;
    }
    if (command) {
        const qsizetype given = typed.size() - command->words.size();
        if (given >= command->maxArguments)
            return {};
        // The table's own words, not the help's: they are the same in every language.
        const QLatin1String arguments(command->arguments);
        if (arguments.contains(QLatin1String("DIR")))
            return {QStringLiteral("@folders")};
        if (arguments.contains(QLatin1String("FILE")) || arguments.contains(QLatin1String("IN")))
            return {QStringLiteral("@files")};
        return {};
    }
    QStringList next;
    for (const Command &candidate : commands()) {
        if (candidate.words.size() > typed.size() && candidate.words.mid(0, typed.size()) == typed &&
            !next.contains(candidate.words.at(typed.size())))
            next.append(candidate.words.at(typed.size()));
    }
    return next;
}

} // namespace CommandLine
