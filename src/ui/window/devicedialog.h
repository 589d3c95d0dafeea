#pragma once

#include "link/platform.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// frmDevice: the serial ports the system has, with the names that tell them apart, and the
// device to use for the port in use, picked from the list or typed.
class DeviceDialog : public QDialog
{
    Q_OBJECT
public:
    DeviceDialog(int port, const QString &current, const QList<Platform::SerialPortEntry> &ports,
                 QWidget *parent = nullptr);

    QString device() const;
    // The user picked or typed another device than the one shown at first.
    bool changed() const;
    // The line's speed shown, one of SerialLine::Speeds.
    void setSpeed(int baud);
    int speed() const;

    QTreeWidget *lstDevices;
    QLineEdit *txtDevice;
    QComboBox *cmbSpeed;
    // Other phones' messages in text mode even where they offer PDU mode.
    QCheckBox *chkTextMode;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;

private:
    QString shownFirst_;
};
