#pragma once

#include "exitcode.h"
#include "interrupt.h"
#include "terminal.h"

#include "handset/handset.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

// The phone as one run of the command line sees it: the link and subsystems the window uses,
// greeted once at the start instead of watched for the program's whole life.
class PhoneSession
{
    Q_DECLARE_TR_FUNCTIONS(PhoneSession)

public:
    explicit PhoneSession(bool answerYes);
    // Waits (within their time) for the answers the phone still owes to a cancelled run, so
    // that the next run does not read them as its own.
    ~PhoneSession();

    // Opens the port (devicePath, or the one the settings name), probes and greets the phone
    // as the window does. False, with the reason on stderr, when no phone is there.
    bool connectPhone(const QString &devicePath);
    // The exit status of a run whose operation ended with result. An interrupted run and a
    // phone that stopped answering are explained on stderr; the rest the operation's messages
    // have told.
    ExitCode outcome(const OperationResult &result) const;

    // How long the greeting may take before the run gives up: room for three probes, so that
    // one late or garbled answer does not cost the run.
    static constexpr int GreetingDeadlineMs = 5000;

    Interrupt interrupt;
    TerminalBoxes boxes;
    TerminalProgress progress;
    Handset handset;
    PhoneLink &link = handset.link;
    DeviceInfo &info = handset.subsystems.info;
    Phonebook &phonebook = handset.subsystems.phonebook;
    ShortMessages &sms = handset.subsystems.sms;
    PhoneMelodies &melodies = handset.subsystems.melodies;
};
