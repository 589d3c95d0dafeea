#include "archivefiledialog.h"

#include "link/settings.h"
#include "link/userinterfaces.h"
#include "sms/smsarchive.h"

#include <QLineEdit>

ArchiveFileDialog::ArchiveFileDialog(Settings &settings, MessageBoxes &boxes, QWidget *parent)
    : FileChooserDialog(QStringLiteral("frmBrowseSMS"), tr("Browse"), QStringLiteral("*.log"), parent),
      settings_(settings), boxes_(boxes)
{
    startAt(settings_.drivesms(), settings_.pathsms(), settings_.filesms());
}

void ArchiveFileDialog::accept()
{
    const QString path = Text1->text();
    if (!SmsArchive::prepare(path)) {
        boxes_.inform(tr("Invalid Filename!"), tr("Warning"));
        Text1->setText(settings_.filesms());
        return;
    }
    settings_.setFilesms(path);
    QDialog::accept();
}

void ArchiveFileDialog::remember(const QString &drive, const QString &folder)
{
    settings_.setPathsms(folder);
    settings_.setDrivesms(drive);
}
