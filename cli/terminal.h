#pragma once

#include "link/userinterfaces.h"

#include <QString>

// Message boxes as lines on stderr. Questions take the answer given on the command line.
class TerminalBoxes : public MessageBoxes
{
public:
    explicit TerminalBoxes(bool answerYes) : answerYes_(answerYes) {}

    void inform(const QString &text, const QString &title = QString()) override;
    bool ask(const QString &text, const QString &title = QString()) override;

    // A message was shown: for an operation that does not say how it ended, the account of why
    // it stopped.
    bool informed() const { return informed_; }
    // A question was answered No because nobody gave --yes.
    bool declined() const { return declined_; }

private:
    bool answerYes_;
    bool informed_ = false;
    bool declined_ = false;
};

// The progress window as a line on stderr that rewrites itself; nothing at all when stderr is
// not a terminal, so logs of scripts stay clean.
class TerminalProgress : public ProgressWindow
{
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
