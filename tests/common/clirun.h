#pragma once

#include "simphone.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

#include <functional>

// Running quenda-cli against the simulated phone. Needs QUENDA_CLI and SIMPHONE_DATA_DIR from
// the test's build rules.

struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The phone as the demo scenario fills it, with what it receives recorded line by line.
struct RecordedPhone
{
    RecordedPhone()
    {
        started = sim.start() && sim.loadScenario(QStringLiteral(SIMPHONE_DATA_DIR "/demo.json"));
        sim.setReplyDelay(0);
        QObject::connect(&sim, &simphone::SimPhone::commandReceived, &sim,
                         [this](const QByteArray &line) { received.append(line); });
    }
    simphone::SimPhone sim;
    QList<QByteArray> received;
    bool started = false;
};

// quenda-cli as a script runs it; the event loop keeps turning meanwhile, for the phone. It
// speaks language whatever the machine's is.
inline CliResult runCli(const QStringList &arguments, const QString &device, const QByteArray &input = {},
                        const std::function<void(QProcess &)> &started = {},
                        const QString &language = QStringLiteral("en"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), language);
    process.setProcessEnvironment(environment);
    // A --device among the arguments comes later and wins.
    process.start(QStringLiteral(QUENDA_CLI), QStringList{QStringLiteral("--device"), device} + arguments);
    process.write(input);
    process.closeWriteChannel();
    if (started)
        started(process);
    CliResult result;
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 20000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}
