#pragma once

#include "link/operationresult.h"

// What a run of quenda-cli tells the script that started it.
enum ExitCode : int
{
    Success = 0,
    PhoneFailed = 1,   // the phone refused, or did not answer in time
    UsageError = 2,    // the command line was wrong, or a question was left unanswered
    PhoneNotFound = 3, // no phone on the line
    Interrupted = 130, // Ctrl-C or SIGTERM; the operation was cancelled as the window cancels
};

// What each result of an operation tells the script.
ExitCode exitCodeOf(OperationResult::Kind kind);
