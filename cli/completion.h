#pragma once

#include <QStringList>

namespace CommandLine {

// What Tab may put in place of the last of words (the words after the program's name, the
// last one being typed): candidates one per line, or @files, @folders or @devices for the
// shell to list those.
QStringList completions(const QStringList &words);

} // namespace CommandLine
