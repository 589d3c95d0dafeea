#include "terminal.h"

#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

} // namespace

void printError(const QString &text)
{
    err() << "quenda-cli: " << text << Qt::endl;
}

void TerminalBoxes::inform(const QString &text, const QString &title)
{
    Q_UNUSED(title)
    printError(text);
}

bool TerminalBoxes::ask(const QString &text, const QString &title)
{
    Q_UNUSED(title)
    if (answerYes_) {
        printError(text + QStringLiteral(" Yes (--yes)"));
        return true;
    }
    printError(text + QStringLiteral(" No: give --yes to answer Yes."));
    return false;
}

TerminalProgress::TerminalProgress() : enabled_(isatty(STDERR_FILENO) != 0) {}

void TerminalProgress::open() {}

void TerminalProgress::setProgress(int value, const QString &text)
{
    Q_UNUSED(value)
    if (!enabled_)
        return;
    err() << "\rWorking... " << text << Qt::flush;
    shown_ = true;
}

void TerminalProgress::close()
{
    if (shown_)
        err() << "\r\033[K" << Qt::flush;
    shown_ = false;
}
