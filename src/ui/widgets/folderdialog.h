#pragma once

#include <QDialog>

class FolderList;
class QComboBox;
class QPushButton;
class Settings;

// frmBrowse "Browse": the folder of the melody files, by drive and folder. Where the user was
// is stored whenever it closes, also after Cancel.
class FolderDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FolderDialog(Settings &settings, QWidget *parent = nullptr);

    // The folder chosen by OK.
    QString folder() const;

    QComboBox *Drive1;
    FolderList *Dir1;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;

protected:
    void done(int result) override;

private:
    Settings &settings_;
};
