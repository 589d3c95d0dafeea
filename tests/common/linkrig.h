#pragma once

#include "recorders.h"

#include "link/phonelink.h"
#include "simphone.h"

#include <QSettings>
#include <QTest>

// The phone link wired to a simulated phone on a pseudo-terminal, as Com 1.
struct LinkRig
{
    LinkRig()
    {
        QSettings(QStringLiteral("Quenda"), QStringLiteral("Quenda")).clear();
        started = sim.start();
        link.settings.setDevice(1, sim.devicePath());
        link.lock.setMessageBoxes(&boxes);
        link.lock.setProgressWindow(&progress);
    }

    // Starts the program's side and waits for the phone to count as connected.
    bool startAndConnect(int timeoutMs = 3000)
    {
        link.beginStartUp();
        link.finishStartUp();
        return QTest::qWaitFor([this] { return link.lock.action() == OperationLock::Idle; }, timeoutMs);
    }

    // Presses Cancel the moment the phone takes a command line beginning with command, while
    // its answer is on the way.
    void cancelWhenPhoneTakes(const QByteArray &command)
    {
        QObject::connect(&sim, &simphone::SimPhone::commandReceived, &sim,
                         [this, command](const QByteArray &line) {
                             if (line.startsWith(command))
                                 link.lock.cancel();
                         });
    }

    // The command lines the phone took that begin with prefix, in order.
    QList<QByteArray> commandsOf(const QByteArray &prefix) const
    {
        QList<QByteArray> found;
        for (const QByteArray &line : sim.transcript()) {
            if (line.startsWith(prefix))
                found.append(line);
        }
        return found;
    }

    simphone::SimPhone sim;
    PhoneLink link;
    RecordingBoxes boxes;
    RecordingProgress progress;
    bool started = false;
};
