#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// frmRtttl "Import RTTTL": ringtones pasted into the box or read from a file, one a line.
class RtttlDialog : public QDialog
{
    Q_OBJECT
public:
    // Ringtone collections are a few kilobytes; anything far larger is no ringtone file.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    explicit RtttlDialog(QWidget *parent = nullptr);

    QString text() const;
    // Puts the file's text into the box, or says in the dialog why not.
    void loadFile(const QString &path);

    QPlainTextEdit *txtRtttl;
    QPushButton *cmdRtttlFile;
    QLabel *labRtttlFile;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
};
