#pragma once

#include <QString>
#include <QStringList>

namespace simphone {

// Re-points link at target in one step, so a client never finds it missing.
bool pointLink(const QString &link, const QString &target, QString *error);

// Symbolic links that follow the phone's device wherever it is, removed with this object.
// A link replaces a link, never a file.
class DeviceLinks
{
public:
    DeviceLinks() = default;
    DeviceLinks(const DeviceLinks &) = delete;
    DeviceLinks &operator=(const DeviceLinks &) = delete;
    ~DeviceLinks();

    bool add(const QString &path, const QString &target, QString *error);
    bool repoint(const QString &target, QString *error);

private:
    QStringList links_;
};

} // namespace simphone
