#include "commands.h"

#include "options.h"
#include "printers.h"
#include "run.h"

#include "backup/backupfolder.h"
#include "backup/phonebackup.h"
#include "phonebook/contactsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace CommandLine {

int backup(Run &run)
{
    const QString folder = run.argument(0);
    switch (BackupFolder(folder, PhoneBackup::everyFileName()).target()) {
    case BackupFolder::Target::Free:
        break;
    case BackupFolder::Target::EarlierBackup:
        if (!run.isSet(options().yes))
            return run.usage(QCoreApplication::translate("CommandLine::BackupCommands",
                                                         "%1 holds an earlier backup; --yes replaces it.")
                                 .arg(folder));
        break;
    case BackupFolder::Target::Occupied:
        return run.usage(QCoreApplication::translate("CommandLine::BackupCommands",
                                                     "%1 holds other files. Name a new or an empty folder.")
                             .arg(folder));
    case BackupFolder::Target::NotAFolder:
        return run.usage(
            QCoreApplication::translate("CommandLine::BackupCommands", "%1 cannot be a folder.").arg(folder));
    }
    PhoneSession *phone = run.phone();
    if (!phone)
        return run.failure();
    PhoneBackup::Summary summary;
    const OperationResult written = PhoneBackup(phone->link).run(folder, &summary);
    if (!written)
        return phone->outcome(written);
    printLine(summary.text());
    return Success;
}

int restore(Run &run)
{
    const QString file = QDir(run.argument(0)).filePath(PhoneBackup::SimContactsFile);
    if (!QFileInfo(file).isFile()) {
        //: %1 is the file of SIM contacts a backup folder holds, %2 the folder.
        printError(QCoreApplication::translate("CommandLine::BackupCommands", "No %1: is %2 a backup folder?")
                       .arg(file, run.argument(0)));
        return UsageError;
    }
    int code = Success;
    PhoneSession *phone = loadPhonebook(run, true, &code);
    if (!phone)
        return code;
    const ContactTable &table = phone->phonebook.table();
    const int before = table.size();
    const OperationResult imported = ContactsFile(phone->phonebook, phone->link.settings).import(file);
    // Written contacts join the table at its end.
    for (int k = before; k < table.size(); ++k)
        printContact(table, k);
    const int written = table.size() - before;
    printLine(QCoreApplication::translate("CommandLine::BackupCommands",
                                          "%n contacts written to the SIM card.", nullptr, written));
    return phone->outcome(imported);
}

} // namespace CommandLine
