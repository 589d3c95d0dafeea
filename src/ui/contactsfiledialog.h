#pragma once

#include <QDialog>

class ContactsFile;
class FileList;
class FolderList;
class QComboBox;
class QLineEdit;
class QPushButton;
class Settings;

// frmExp "Export Contacts To File" and frmImp "Import Contacts From File": a drive, a folder,
// the "*.qd5" files in it and the full file name.
class ContactsFileDialog : public QDialog
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

    QComboBox *Drive1;
    FolderList *Dir1;
    FileList *File1;
    QLineEdit *Text1;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;

protected:
    void done(int result) override;

private:
    void takeFile();
    void accept() override;

    Mode mode_;
    ContactsFile &file_;
    Settings &settings_;
    QString accepted_;
};
