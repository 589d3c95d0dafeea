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
        //: %1 is the question; Yes is the answer given for the person.
        printError(tr("%1 Yes (--yes)").arg(text));
        return true;
    }
    //: %1 is the question; No is the answer given for the person, Yes the other one.
    printError(tr("%1 No: give --yes to answer Yes.").arg(text));
    return false;
}

TerminalProgress::TerminalProgress() : enabled_(isatty(STDERR_FILENO) != 0) {}

void TerminalProgress::open() {}

void TerminalProgress::setProgress(int value, const QString &text)
{
    Q_UNUSED(value)
    if (!enabled_)
        return;
    //: %1 is what the operation is doing, as the window's Working... box shows it.
    err() << '\r' << tr("Working... %1").arg(text) << Qt::flush;
    shown_ = true;
}

void TerminalProgress::close()
{
    if (shown_)
        err() << "\r\033[K" << Qt::flush;
    shown_ = false;
}
