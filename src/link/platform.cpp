#include "platform.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStandardPaths>

namespace Platform {

QString deviceForPort(int n, const QString &configuredDevice)
{
    if (n < 1)
        return QString();
    if (!configuredDevice.isEmpty())
        return configuredDevice;
    QString usb = QStringLiteral("/dev/ttyUSB%1").arg(n - 1);
    if (QFileInfo::exists(usb))
        return usb;
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
}

QString stableNameOf(const QString &device)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.isEmpty())
        return QString();
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo &link : byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        if (link.canonicalFilePath() == target)
            return link.absoluteFilePath();
    }
    return QString();
}

QList<SerialPortEntry> serialPorts()
{
    QList<SerialPortEntry> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        SerialPortEntry entry;
        entry.device = info.systemLocation();
        entry.stableName = stableNameOf(entry.device);
        entry.description = info.description();
        entry.maker = info.manufacturer();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier())
            entry.usbIds = QStringLiteral("%1:%2")
                               .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                               .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
        ports.append(entry);
    }
    return ports;
}

QString dataDirectory()
{
    // GenericDataLocation is $XDG_DATA_HOME, without an application folder of its own.
    QString dir =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Quenda");
    QDir().mkpath(dir);
    return dir;
}

QString homePath(const QString &name)
{
    const QString home = QDir::homePath();
    return name.isEmpty() ? home : home + QLatin1Char('/') + name;
}

} // namespace Platform
