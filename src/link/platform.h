#pragma once

#include <QList>
#include <QString>

// What the desktop this tool grew up on offered and Linux does not, in one place.
namespace Platform {

// The device behind port number n: the configured name when there is one, else
// /dev/ttyUSB<n-1> when it exists, else /dev/ttyS<n-1>. Empty for a number below 1.
QString deviceForPort(int n, const QString &configuredDevice);

// A serial port the system has, as a person picks one.
struct SerialPortEntry
{
    QString device;     // /dev/ttyUSB0
    QString stableName; // its /dev/serial/by-id/ name, which survives replugging; empty if none
    QString description;
    QString maker;
    QString usbIds; // "067b:2303"; empty for a port that is not on USB
};
QList<SerialPortEntry> serialPorts();
// The /dev/serial/by-id/ link that leads to device, or empty.
QString stableNameOf(const QString &device);

// Folder of the tool's own data files ($XDG_DATA_HOME/Quenda), created when first asked for.
// Holds what lay in the Windows directory before. No trailing separator.
QString dataDirectory();

// A default file or folder that used to sit at the root of drive C: now lies in the home folder.
QString homePath(const QString &name = QString());

} // namespace Platform
