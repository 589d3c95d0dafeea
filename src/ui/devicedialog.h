#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTreeWidget;

// frmDevice: the serial ports the system has, with the names that tell them apart, and the
// device to use for the port in use, picked from the list or typed.
class DeviceDialog : public QDialog
{
    Q_OBJECT
public:
    DeviceDialog(int port, const QString &current, QWidget *parent = nullptr);

    QString device() const;

    QTreeWidget *lstDevices;
    QLineEdit *txtDevice;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
};
