#include "commands.h"

#include "options.h"
#include "printers.h"
#include "run.h"

#include "backup/backupfolder.h"
#include "backup/phonebackup.h"
#include "phonebook/contactsfile.h"

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
            return run.usage(folder + QStringLiteral(" holds an earlier backup; --yes replaces it."));
        break;
    case BackupFolder::Target::Occupied:
        return run.usage(folder + QStringLiteral(" holds other files. Name a new or an empty folder."));
    case BackupFolder::Target::NotAFolder:
        return run.usage(folder + QStringLiteral(" cannot be a folder."));
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
        printError(QStringLiteral("No %1: is %2 a backup folder?").arg(file, run.argument(0)));
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
    printLine(QStringLiteral("%1 contacts written to the SIM card.").arg(table.size() - before));
    return phone->outcome(imported);
}

} // namespace CommandLine
