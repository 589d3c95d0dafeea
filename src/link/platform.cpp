#include "platform.h"

#include <QDir>
#include <QFileInfo>
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
