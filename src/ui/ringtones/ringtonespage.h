#pragma once

#include <QWidget>

class FileList;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "&Ringtones": melody files on the PC with their preview and the RTTTL import, the melodies in
// the phone, and the upload.
class RingtonesPage : public QWidget
{
    Q_OBJECT
public:
    explicit RingtonesPage(QWidget *parent = nullptr);

    // "Ringtones On PC - " and the folder the file list shows.
    void captionFromFolder();

    QGroupBox *frmRingOnPC;
    QPushButton *cmdRingtonesOnHDRefresh;
    QPushButton *cmdPath;
    FileList *FileMDY;
    QPushButton *cmdImportRtttl;
    QPushButton *cmdPlay; // "Play", or "Stop" while a melody plays
    QPushButton *cmdSaveWav;
    QLabel *labPlayer; // what the preview does, or why it cannot
    QGroupBox *Frame3;
    QPushButton *cmdDown;
    QPushButton *cmdRefresh;
    QListWidget *listRingtones;
    QGroupBox *Frame1;
    QCheckBox *chkInc;
    QLabel *Label2;
    QLineEdit *txtReplace;
    QPushButton *cmdUpload;
    QLineEdit *txtMelody; // the chosen melody file, full path; kept out of sight
};
