#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>

// A session bus of the test's own (dbus-daemon), so that what the program says on the desktop's
// bus is seen by the test alone and no test depends on the desktop it runs on. Built before
// anything connects to the session bus: the address is read once.
class PrivateSessionBus
{
public:
    PrivateSessionBus()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            return;
        daemon_.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                               QStringLiteral("--print-address=1")});
        if (!daemon_.waitForStarted() || !daemon_.waitForReadyRead(10000))
            return;
        address_ = daemon_.readLine().trimmed();
        if (!address_.isEmpty())
            qputenv("DBUS_SESSION_BUS_ADDRESS", address_);
    }
    ~PrivateSessionBus()
    {
        daemon_.kill();
        daemon_.waitForFinished();
    }
    bool isRunning() const { return !address_.isEmpty(); }

private:
    QProcess daemon_;
    QByteArray address_;
};
