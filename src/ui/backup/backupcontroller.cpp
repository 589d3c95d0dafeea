#include "backupcontroller.h"

#include "backup/phonebackup.h"
#include "link/phonelink.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>

BackupController::BackupController(PhoneLink &link, QWidget *window)
    : QObject(window), link_(link), window_(window)
{
    chooseFolder = [this] { return askForFolder(); };
}

QString BackupController::askForFolder() const
{
    // A name for a new folder, so that the backup does not land among other files.
    QFileDialog dialog(window_, tr("Back Up Phone"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDirectory(QDir::home());
    // The folder's name stays the same in every language, as the backup's own files do.
    dialog.selectFile(QStringLiteral("Trium Mars ") + QDate::currentDate().toString(Qt::ISODate));
    dialog.setLabelText(QFileDialog::Accept,
                        tr("Back Up", "the accept button of the backup's folder dialog"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void BackupController::backUp()
{
    OperationLock &lock = link_.lock;
    PhoneBackup::Summary summary;
    // Refused before the folder is asked for, as the backup itself would refuse after.
    lock.perform([&] {
        if (!lock.mayStart())
            return lock.refusal();
        const QString folder = chooseFolder();
        if (folder.isEmpty())
            return OperationResult::declined();
        const OperationResult backedUp = PhoneBackup(link_).run(folder, &summary);
        return backedUp ? backedUp.told(summary.text(), tr("Back Up Phone")) : backedUp;
    });
}
