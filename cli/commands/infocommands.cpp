#include "commands.h"

#include "options.h"
#include "printers.h"
#include "run.h"

namespace CommandLine {

int info(Run &run)
{
    PhoneSession *phone = run.phone();
    if (!phone)
        return run.failure();
    if (const ExitCode code = phone->outcome(phone->info.InfoDownload()); code != Success)
        return code;
    printInfo(phone->info, run.isSet(options().json));
    return Success;
}

} // namespace CommandLine
