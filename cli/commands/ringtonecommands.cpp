#include "commands.h"

#include "options.h"
#include "printers.h"
#include "run.h"

#include "link/tabloader.h"

#include "ringtones/melodyuploader.h"

#include <QCoreApplication>
#include <QFile>

namespace CommandLine {

int ringtonesList(Run &run)
{
    PhoneSession *phone = run.phone(TabLoader::Ringtones);
    if (!phone)
        return run.failure();
    if (const ExitCode code = phone->outcome(phone->melodies.ReadMelodyList()); code != Success)
        return code;
    printMelodies(phone->melodies, run.isSet(options().json));
    return Success;
}

int ringtonesUpload(Run &run)
{
    int slot = 0;
    int code = Success;
    if (!run.isSet(options().slot))
        return run.usage(
            //: N is the value of --slot, as its help names it.
            QCoreApplication::translate("CommandLine::RingtoneCommands",
                                        "Give the slot to replace with --slot N."));
    if (!run.number(run.value(options().slot),
                    QCoreApplication::translate("CommandLine::RingtoneCommands",
                                                "--slot must be a whole number from %1 to %2: %3"),
                    1, PhoneMelodies::Slots, &slot, &code))
        return code;
    if (!QFile::exists(run.argument(0))) {
        printError(QCoreApplication::translate("CommandLine::RingtoneCommands", "File Not Found Error: %1")
                       .arg(run.argument(0)));
        return UsageError;
    }
    PhoneSession *phone = run.phone(TabLoader::Ringtones);
    if (!phone)
        return run.failure();
    return phone->outcome(
        MelodyUploader(phone->melodies)
            .UploadMelody(QString::number(slot), run.argument(0), run.isSet(options().raise)));
}

} // namespace CommandLine
