#pragma once

#include <QStringList>

// quenda-cli's command line: which command, its options and arguments, and running it.
namespace CommandLine {

// Runs the command that arguments (as main received them) name; the result is the exit code.
int run(const QStringList &arguments);

} // namespace CommandLine
