#pragma once

#include "ui/widgets/filechooserdialog.h"

class ContactsFile;
class Settings;

// frmExp "Export Contacts To File" and frmImp "Import Contacts From File": a drive, a folder,
// the "*.qd5" and "*.vcf" files in it and the full file name.
class ContactsFileDialog : public FileChooserDialog
{
    Q_OBJECT
public:
    enum class Mode
    {
        Export,
        Import
    };

    ContactsFileDialog(Mode mode, ContactsFile &file, Settings &settings, QWidget *parent = nullptr);

    // For the import: the file accepted by OK, empty when the dialog was cancelled.
    QString acceptedFile() const { return accepted_; }

protected:
    void remember(const QString &drive, const QString &folder) override;

private:
    void accept() override;

    Mode mode_;
    ContactsFile &file_;
    Settings &settings_;
    QString accepted_;
};
