#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace CommandLine {

class Run;

struct Command
{
    QStringList words;
    QString arguments; // as the usage line shows them
    QString summary;
    QList<QCommandLineOption> options;
    int minArguments = 0;
    int maxArguments = 0;
    std::function<int(Run &)> run;
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
