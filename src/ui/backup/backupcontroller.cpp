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
    QFileDialog dialog(window_, QStringLiteral("Back Up Phone"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDirectory(QDir::home());
    dialog.selectFile(QStringLiteral("Trium Mars ") + QDate::currentDate().toString(Qt::ISODate));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Back Up"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void BackupController::backUp()
{
    if (!link_.lock.mayStart())
        return;
    const QString folder = chooseFolder();
    if (folder.isEmpty())
        return;
    PhoneBackup::Summary summary;
    if (PhoneBackup(link_).run(folder, &summary))
        link_.lock.inform(summary.text(), QStringLiteral("Back Up Phone"));
}
