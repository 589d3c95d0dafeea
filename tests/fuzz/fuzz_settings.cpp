// A settings file of any content: every key read with its conversion and default.
#include "link/settings.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static const bool pointed = [] {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        return QDir(dir.path()).mkpath(QStringLiteral("Quenda"));
    }();
    if (!pointed)
        std::abort();
    {
        QFile file(dir.filePath(QStringLiteral("Quenda/Quenda.conf")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }

    const Settings settings;
    const int tab = settings.starttab();
    if (tab < 1 || tab > 6)
        std::abort();
    settings.comport();
    settings.sim();
    settings.top();
    settings.left();
    settings.replace();
    settings.servicecenter();
    settings.autosms();
    settings.filesms();
    settings.drivesms();
    settings.pathsms();
    settings.path();
    settings.drive();
    settings.fileexp();
    settings.driveexp();
    settings.pathexp();
    for (int port = 0; port <= 5; ++port)
        settings.device(port);
    return 0;
}
