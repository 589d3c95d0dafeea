#pragma once

#include "link/userinterfaces.h"

#include <QCoreApplication>
#include <QString>

// Message boxes as lines on stderr. Questions take the answer given on the command line.
class TerminalBoxes : public MessageBoxes
{
    Q_DECLARE_TR_FUNCTIONS(TerminalBoxes)

public:
    explicit TerminalBoxes(bool answerYes) : answerYes_(answerYes) {}

    void inform(const QString &text, const QString &title = QString()) override;
    bool ask(const QString &text, const QString &title = QString()) override;

private:
    bool answerYes_;
};

// The progress window as a line on stderr that rewrites itself; nothing at all when stderr is
// not a terminal, so logs of scripts stay clean.
class TerminalProgress : public ProgressWindow
{
    Q_DECLARE_TR_FUNCTIONS(TerminalProgress)

public:
    TerminalProgress();

    void open() override;
    void setProgress(int value, const QString &text) override;
    void close() override;

private:
    bool enabled_;
    bool shown_ = false;
};

// Lines for the person at the terminal.
void printError(const QString &text);
