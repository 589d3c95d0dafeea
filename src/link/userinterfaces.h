#pragma once

#include "operationresult.h"

#include <QString>

// How the core reaches the person in front of the screen. The window implements these with
// real dialogs; tests implement them with recorders.

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // A modal message with an OK button. An empty title means the program's title.
    virtual void inform(const QString &text, const QString &title = QString()) = 0;
    // A modal Yes/No question; true for Yes.
    virtual bool ask(const QString &text, const QString &title = QString()) = 0;
    // What a finished operation tells the person: its boxes, one after the other.
    virtual void showResult(const OperationResult &result)
    {
        for (const OperationResult::Notice &notice : result.notices)
            inform(notice.text, notice.title);
    }
};

// The "Working..." window of long operations.
class ProgressWindow
{
public:
    virtual ~ProgressWindow() = default;
    // Shown without blocking; closes itself once no operation runs.
    virtual void open() = 0;
    virtual void setProgress(int value, const QString &text) = 0;
    virtual void close() = 0;
};
