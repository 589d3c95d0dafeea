#include "devicelinks.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace simphone {

bool pointLink(const QString &link, const QString &target, QString *error)
{
    const QByteArray tmp = QFile::encodeName(link + QStringLiteral(".%1.new").arg(::getpid()));
    ::unlink(tmp.constData());
    if (::symlink(QFile::encodeName(target).constData(), tmp.constData()) != 0 ||
        ::rename(tmp.constData(), QFile::encodeName(link).constData()) != 0) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(link, QString::fromLocal8Bit(std::strerror(errno)));
        ::unlink(tmp.constData());
        return false;
    }
    return true;
}

DeviceLinks::~DeviceLinks()
{
    for (const QString &link : std::as_const(links_))
        QFile::remove(link);
}

bool DeviceLinks::add(const QString &path, const QString &target, QString *error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isSymLink()) {
        if (error)
            *error = path + QStringLiteral(": exists and is not a symbolic link");
        return false;
    }
    const QString link = info.absoluteFilePath();
    if (!pointLink(link, target, error))
        return false;
    links_.append(link);
    return true;
}

bool DeviceLinks::repoint(const QString &target, QString *error)
{
    bool ok = true;
    for (const QString &link : std::as_const(links_))
        ok = pointLink(link, target, error) && ok;
    return ok;
}

} // namespace simphone
