#pragma once

#include <QObject>
#include <QSerialPort>
#include <QString>

#include <functional>

// The one serial port to the phone: 38400 8N1, no flow control, text one byte per character
// in Windows-1252. Opening and writing fail silently, as the rest of the program expects;
// the reason of the last failed open is kept for the window to show.
class SerialLine : public QObject
{
    Q_OBJECT
public:
    using DeviceResolver = std::function<QString(int port)>;

    explicit SerialLine(QObject *parent = nullptr);

    void setDeviceResolver(DeviceResolver resolver);
    void setPortNumber(int port);
    int portNumber() const { return portNumber_; }
    // The device the current port number maps to now.
    QString deviceName() const;

    void connect();
    void deconnect();
    bool isOpen() const;
    // Why the last attempt to open failed; empty after a successful open.
    QString openFailure() const { return openFailure_; }
    QSerialPort::SerialPortError openError() const { return openError_; }

    // Writes the text as it stands; nothing happens on a closed port.
    void write(const QString &text);
    // Everything received since the last read, removed from the port.
    QString input();
    // Throws away whatever has been received, in Qt's buffer and in the driver's.
    void drain();

signals:
    // Bytes are waiting to be read.
    void dataArrived();
    // Opened, closed, or an open failed.
    void lineStateChanged();
    // The device went away under an open port (cable pulled, phone switched off).
    void deviceLost();

private:
    void onError(QSerialPort::SerialPortError error);
    void closeAfterDeviceLoss();

    QSerialPort port_;
    DeviceResolver resolver_;
    int portNumber_ = 1;
    QString openFailure_;
    QSerialPort::SerialPortError openError_ = QSerialPort::NoError;
    bool closePending_ = false;
};
