#pragma once

#include <QDialog>

class FileList;
class FolderList;
class QComboBox;
class QLineEdit;
class QPushButton;

// The shape of the program's file dialogs: a drive, a folder, the files of one pattern in it,
// the full file name, OK and Cancel. Where the user was is stored whenever it closes.
class FileChooserDialog : public QDialog
{
    Q_OBJECT
public:
    FileChooserDialog(const QString &objectName, const QString &title, const QString &pattern,
                      QWidget *parent = nullptr);

    QComboBox *Drive1;
    FolderList *Dir1;
    FileList *File1;
    QLineEdit *Text1;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;

protected:
    void startAt(const QString &drive, const QString &folder, const QString &file);
    // The drive and folder shown when the dialog closed, by whatever way.
    virtual void remember(const QString &drive, const QString &folder) = 0;
    void done(int result) override;

private:
    void takeFile();
};
