#include "serialline.h"

#include "platform.h"

#include "text/cp1252.h"

SerialLine::SerialLine(QObject *parent) : QObject(parent)
{
    resolver_ = [](int port) { return Platform::deviceForPort(port, QString()); };
    connect(&port_, &QSerialPort::readyRead, this, &SerialLine::dataArrived);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialLine::onError);
    connect(&port_, &QSerialPort::bytesWritten, this, &SerialLine::sendingProgressed);
    clock_.start();
    for (QTimer *timer : {&feed_, &wireFree_}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(&feed_, &QTimer::timeout, this, &SerialLine::feed);
    connect(&wireFree_, &QTimer::timeout, this, &SerialLine::sendingProgressed);
}

void SerialLine::setDeviceResolver(DeviceResolver resolver)
{
    resolver_ = std::move(resolver);
}

void SerialLine::setPortNumber(int port)
{
    portNumber_ = port;
}

QString SerialLine::deviceName() const
{
    return resolver_(portNumber_);
}

const QList<int> SerialLine::Speeds = {9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600};

QString SerialLine::speedsText()
{
    QStringList speeds;
    for (const int speed : Speeds)
        speeds.append(QString::number(speed));
    return speeds.join(QStringLiteral(", "));
}

void SerialLine::setBaudRate(int baud)
{
    if (baud <= 0 || baud == baud_)
        return;
    baud_ = baud;
    if (port_.isOpen())
        port_.setBaudRate(baud_);
}

void SerialLine::openPort()
{
    if (port_.isOpen())
        return;
    const QString device = deviceName();
    if (device.isEmpty()) {
        openError_ = QSerialPort::DeviceNotFoundError;
        openFailure_ = tr("No device for port %1").arg(portNumber_);
        emit lineStateChanged();
        return;
    }
    port_.setPortName(device);
    port_.setBaudRate(baud_);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (port_.open(QIODevice::ReadWrite)) {
        // What the line held before is left from an earlier program and answers nothing of ours.
        port_.clear(QSerialPort::Input);
        openFailure_.clear();
        openError_ = QSerialPort::NoError;
    } else {
        openFailure_ = port_.errorString();
        openError_ = port_.error();
        port_.clearError();
    }
    emit lineStateChanged();
}

void SerialLine::closePort()
{
    // What went wrong with the last open is not known to hold for the next one.
    openFailure_.clear();
    openError_ = QSerialPort::NoError;
    if (!port_.isOpen())
        return;
    discardUnsent();
    port_.close();
    emit lineStateChanged();
}

bool SerialLine::isOpen() const
{
    return port_.isOpen();
}

void SerialLine::write(const QString &text)
{
    if (!port_.isOpen())
        return;
    unsent_ += Cp1252::encode(text);
    feed();
}

void SerialLine::feed()
{
    if (!port_.isOpen() || unsent_.isEmpty())
        return;
    const qint64 now = clock_.elapsed();
    const qint64 aheadMs = qMax<qint64>(0, wireBusyUntilMs_ - now);
    const qint64 room = (WireLeadMs - aheadMs) * bytesPerSecond() / 1000;
    if (room > 0) {
        const QByteArray chunk = unsent_.left(room);
        unsent_.remove(0, chunk.size());
        port_.write(chunk);
        port_.flush();
        emit bytesCrossed(Direction::Sent, chunk);
        wireBusyUntilMs_ =
            qMax(now, wireBusyUntilMs_) + (chunk.size() * 1000 + bytesPerSecond() - 1) / bytesPerSecond();
        wireFree_.start(int(wireBusyUntilMs_ - now));
    }
    if (!unsent_.isEmpty())
        feed_.start(qMax(1, int(wireBusyUntilMs_ - now) - WireLeadMs / 2));
}

bool SerialLine::sending() const
{
    return port_.isOpen() && (!unsent_.isEmpty() || port_.bytesToWrite() > 0 || wireFree_.isActive());
}

qint64 SerialLine::msUntilSent() const
{
    return qMax<qint64>(0, wireBusyUntilMs_ - clock_.elapsed()) +
           (unsent_.size() * 1000 + bytesPerSecond() - 1) / bytesPerSecond();
}

void SerialLine::discardUnsent()
{
    unsent_.clear();
    feed_.stop();
    if (port_.isOpen())
        port_.clear(QSerialPort::Output);
    wireBusyUntilMs_ = clock_.elapsed();
    wireFree_.stop();
}

QString SerialLine::input()
{
    if (!port_.isOpen())
        return QString();
    const QByteArray bytes = port_.readAll();
    if (!bytes.isEmpty())
        emit bytesCrossed(Direction::Received, bytes);
    return Cp1252::decode(bytes);
}

void SerialLine::drain()
{
    if (!port_.isOpen())
        return;
    if (const QByteArray dropped = port_.readAll(); !dropped.isEmpty())
        emit bytesCrossed(Direction::Received, dropped);
    // Also what reaches the driver meanwhile.
    port_.clear(QSerialPort::Input);
}

void SerialLine::onError(QSerialPort::SerialPortError error)
{
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)
        return;
    // The device is gone (cable pulled, far end closed). Qt keeps reporting the error from the
    // dead descriptor at full speed until the port is closed; closing inside the port's own
    // signal is unsafe, so close on the next turn of the event loop.
    openFailure_ = port_.errorString();
    if (closePending_)
        return;
    closePending_ = true;
    QMetaObject::invokeMethod(this, &SerialLine::closeAfterDeviceLoss, Qt::QueuedConnection);
}

void SerialLine::closeAfterDeviceLoss()
{
    closePending_ = false;
    const bool wasOpen = port_.isOpen();
    discardUnsent();
    if (wasOpen)
        port_.close();
    port_.clearError();
    emit lineStateChanged();
    if (wasOpen)
        emit deviceLost();
}
