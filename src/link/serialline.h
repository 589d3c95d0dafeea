#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>

#include <functional>

// The one serial port to the phone: 38400 8N1, no flow control, text one byte per character
// in Windows-1252. Opening and writing fail silently, as the rest of the program expects;
// the reason of the last failed open is kept for the window to show.
// Writes reach the driver at the wire's pace: a driver buffer that runs full makes Qt report
// the port as gone, and a reply's time may only begin once the phone has had the last byte.
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

    void openPort();
    void closePort();
    bool isOpen() const;
    // Why the last attempt to open failed; empty after a successful open.
    QString openFailure() const { return openFailure_; }
    QSerialPort::SerialPortError openError() const { return openError_; }

    // Writes the text as it stands; nothing happens on a closed port. What the wire cannot
    // carry yet goes on leaving while the event loop runs.
    void write(const QString &text);
    // The Trium Mars's speed, and what the line carries at it: ten bits a byte.
    static constexpr int DefaultBaud = 38400;
    static constexpr int BytesPerSecond = DefaultBaud / 10;
    // The speeds a person may choose; modems often run at 115200 or more.
    static const QList<int> Speeds;
    // "9600, 19200, ..." for a person to choose from.
    static QString speedsText();
    // Takes effect at once on an open port; writes are paced to it.
    void setBaudRate(int baud);
    int baudRate() const { return baud_; }
    int bytesPerSecond() const { return baud_ / 10; }
    // Written bytes are still on their way: held here, in the driver, or on the wire.
    bool sending() const;
    // Milliseconds the wire needs for what the driver has been given, at the least.
    qint64 msUntilSent() const;
    // Throws away what has not left yet (the rest of a melody nobody waits for any more).
    void discardUnsent();
    // Everything received since the last read, removed from the port.
    QString input();
    // Throws away whatever has been received, in Qt's buffer and in the driver's.
    void drain();

    enum class Direction
    {
        Sent,
        Received
    };

signals:
    // Bytes are waiting to be read.
    void dataArrived();
    // Some of what was written has left, or all of it (sending() is false then).
    void sendingProgressed();
    // Opened, closed, or an open failed.
    void lineStateChanged();
    // The device went away under an open port (cable pulled, phone switched off).
    void deviceLost();
    // Bytes crossed the line: handed to the driver, or read (also those drained unread).
    void bytesCrossed(SerialLine::Direction direction, const QByteArray &bytes);

private:
    void onError(QSerialPort::SerialPortError error);
    void closeAfterDeviceLoss();
    // Gives the driver what the wire will carry within WireLeadMs.
    void feed();
    static constexpr int WireLeadMs = 250;

    QSerialPort port_;
    QByteArray unsent_; // written, not yet given to the driver
    QElapsedTimer clock_;
    qint64 wireBusyUntilMs_ = 0; // when the wire has carried what the driver was given
    QTimer feed_;
    QTimer wireFree_; // runs while the wire still carries bytes
    DeviceResolver resolver_;
    int portNumber_ = 1;
    QString openFailure_;
    QSerialPort::SerialPortError openError_ = QSerialPort::NoError;
    bool closePending_ = false;
    int baud_ = DefaultBaud;
};
