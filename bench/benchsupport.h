#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

// What the benchmarks share: the processor time of this process, and the simulated phone
// started as a process of its own, so that its time is not counted as ours.
namespace BenchSupport {

inline double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Settings and data in home, so a benchmark never touches the user's. Call before anything
// reads them.
inline void useOwnSettings(const QTemporaryDir &home)
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
}

#ifdef SIMPHONE_PROGRAM
// The device path the phone serves on; empty when it did not start.
inline QString startPhone(QProcess &phone, const QString &scenario, const QStringList &options = {})
{
    phone.start(QStringLiteral(SIMPHONE_PROGRAM),
                QStringList{QStringLiteral("--scenario"), scenario} + options);
    if (!phone.waitForStarted() || !phone.waitForReadyRead(5000)) {
        std::fprintf(stderr, "the simulated phone did not start\n");
        return QString();
    }
    return QString::fromLocal8Bit(phone.readLine()).trimmed();
}
#endif

} // namespace BenchSupport
