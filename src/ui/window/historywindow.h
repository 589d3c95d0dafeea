#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// What changed from release to release, newest first.
class HistoryWindow : public QDialog
{
    Q_OBJECT
public:
    explicit HistoryWindow(QWidget *parent = nullptr);

    static QString releaseNotes();

    QPlainTextEdit *txtHistory;
    QPushButton *cmdOK;
};
