#pragma once

#include <QProcess>
#include <QString>

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

// The device path the phone serves on; empty when it did not start.
inline QString startPhone(QProcess &phone, const QString &scenario)
{
    phone.start(QStringLiteral(SIMPHONE_PROGRAM), {QStringLiteral("--scenario"), scenario});
    if (!phone.waitForStarted() || !phone.waitForReadyRead(5000)) {
        std::fprintf(stderr, "the simulated phone did not start\n");
        return QString();
    }
    return QString::fromLocal8Bit(phone.readLine()).trimmed();
}

} // namespace BenchSupport
