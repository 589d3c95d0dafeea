#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace CommandLine {

class Run;

// The table keeps its texts untranslated (QT_TRANSLATE_NOOP): the completion reads the
// arguments' words, whatever the language of the help.
struct Command
{
    QStringList words;
    const char *arguments = nullptr; // as the usage line shows them
    const char *summary = nullptr;
    QList<QCommandLineOption> options;
    int minArguments = 0;
    int maxArguments = 0;
    std::function<int(Run &)> run;

    // The arguments and the summary in the language of the help.
    QString shownArguments() const;
    QString shownSummary() const;
};

// Every command, in the order the overview lists them.
const QList<Command> &commands();

// The command whose words begin words, the longest of them; nullptr when none does.
const Command *commandOf(const QStringList &words);

// The words of the command line that are not options or option values.
QStringList positionalWords(const QStringList &arguments);

// The help of quenda-cli without a command.
QString overview();

} // namespace CommandLine
