#pragma once

#include "link/userinterfaces.h"

#include <QDialog>
#include <QTimer>

class OperationLock;
class QLabel;
class QProgressBar;
class QPushButton;

// "Working...": the progress of a long operation, with a Cancel that asks it to stop. It
// does not block the main window and closes itself once no operation runs.
class StatusWindow : public QDialog
{
    Q_OBJECT
public:
    StatusWindow(OperationLock &lock, QWidget *parent);

    // Shows the window afresh, at 0.
    void start();
    void setProgress(int percent, const QString &text);

    QProgressBar *prgStatus;
    QLabel *labStatus;
    QPushButton *cmdCancel;
    QTimer timCheckState; // 1000 ms while shown

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void checkState();

    OperationLock &lock_;
};

// The core's progress window, backed by "Working...".
class DialogProgress : public ProgressWindow
{
public:
    explicit DialogProgress(StatusWindow &window) : window_(window) {}
    void open() override { window_.start(); }
    void setProgress(int value, const QString &text) override { window_.setProgress(value, text); }
    void close() override { window_.close(); }

private:
    StatusWindow &window_;
};
