#pragma once

#include "link/operationresult.h"
#include <QString>

#include <functional>

class AtExchange;
class OperationLock;

// Shown while the phone dials: "Calling..." with the number, until the user presses "Finish".
class CallWindow
{
public:
    virtual ~CallWindow() = default;
    // Shows the call and returns at once; finished runs when the user ends it.
    virtual void open(const QString &number, std::function<void()> finished) = 0;
    // Blocks (modal) until the user ends the call; returns at once when he already has.
    virtual void waitForFinish() = 0;
    // The phone refused to dial: the call is over without the user.
    virtual void close() = 0;
};

// A voice call to the number as it stands, hung up when the user says so.
class Calling
{
public:
    Calling(AtExchange &exchange, OperationLock &lock);
    void setCallWindow(CallWindow *window) { window_ = window; }

    // The call shows while the phone is asked to dial; a refusal closes it and says why.
    OperationResult placeCall(const QString &number);
    // The two halves of a call, for a front end that cannot show it. dialAnswered waits for
    // the phone's answer to the dial, is false when it refused it (the reason in a box) or gave
    // none in time, and leaves the lock taken until hangUp; hangUp also ends a call another
    // run of the program placed.
    OperationResult dialAnswered(const QString &number);
    OperationResult hangUp();

private:
    // "ATH" with the lock already held for the call.
    OperationResult endCall();

    AtExchange &exchange_;
    OperationLock &lock_;
    CallWindow *window_ = nullptr;
};
