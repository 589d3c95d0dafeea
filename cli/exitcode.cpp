#include "exitcode.h"

ExitCode exitCodeOf(OperationResult::Kind kind)
{
    using Kind = OperationResult::Kind;
    switch (kind) {
    case Kind::Done:
        return Success;
    case Kind::Declined: // a question nobody was there to answer Yes to
        return UsageError;
    case Kind::Cancelled: // only Ctrl-C or SIGTERM cancel a run
        return Interrupted;
    case Kind::Partial: // the output is there, but incomplete
    case Kind::NotStarted:
    case Kind::Refused:
    case Kind::TimedOut:
    case Kind::DataUnanswered:
        return PhoneFailed;
    }
    return PhoneFailed;
}
