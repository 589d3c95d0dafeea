#include "contactsfiledialog.h"

#include "link/settings.h"
#include "phonebook/contactsfile.h"

#include <QLineEdit>

ContactsFileDialog::ContactsFileDialog(Mode mode, ContactsFile &file, Settings &settings, QWidget *parent)
    : FileChooserDialog(mode == Mode::Export ? QStringLiteral("frmExp") : QStringLiteral("frmImp"),
                        mode == Mode::Export ? tr("Export Contacts To File")
                                             : tr("Import Contacts From File"),
                        QStringLiteral("*.qd5 *.vcf"), parent),
      mode_(mode), file_(file), settings_(settings)
{
    startAt(settings_.driveexp(), settings_.pathexp(), settings_.fileexp());
}

void ContactsFileDialog::accept()
{
    const QString path = Text1->text();
    const ContactsFile::Answer answer =
        mode_ == Mode::Export ? file_.acceptExport(path) : file_.acceptImport(path);
    switch (answer) {
    case ContactsFile::Answer::Close:
        accepted_ = path;
        QDialog::accept();
        break;
    case ContactsFile::Answer::InvalidName:
        Text1->setText(settings_.fileexp());
        break;
    case ContactsFile::Answer::StayOpen:
        break;
    }
}

void ContactsFileDialog::remember(const QString &drive, const QString &folder)
{
    settings_.setPathexp(folder);
    settings_.setDriveexp(drive);
}
