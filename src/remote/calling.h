#pragma once

#include <QString>

class AtExchange;
class OperationLock;

// Shown while the phone dials: "Calling..." with the number, until the user presses "Finish".
class CallWindow
{
public:
    virtual ~CallWindow() = default;
    // Blocks (modal) until the user ends the call.
    virtual void waitForFinish(const QString &number) = 0;
};

// A voice call to the number as it stands, hung up when the user says so.
class Calling
{
public:
    Calling(AtExchange &exchange, OperationLock &lock);
    void setCallWindow(CallWindow *window) { window_ = window; }

    void placeCall(const QString &number);
    // The two halves of a call, for front ends that end it some other way. dial leaves the
    // lock taken until hangUp; hangUp also ends a call another run of the program placed.
    bool dial(const QString &number);
    // As dial, for a front end that cannot show the call: waits for the phone's answer to the
    // dial, and is false when it refused it (the reason in a box) or gave none in time.
    bool dialAnswered(const QString &number);
    bool hangUp();

private:
    // "ATH" with the lock already held for the call.
    bool endCall();

    AtExchange &exchange_;
    OperationLock &lock_;
    CallWindow *window_ = nullptr;
};
