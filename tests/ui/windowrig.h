#pragma once

#include "recorders.h"

#include "info/deviceinfo.h"
#include "link/phonelink.h"
#include "phonebook/phonebook.h"
#include "ringtones/phonemelodies.h"
#include "simphone.h"
#include "sms/shortmessages.h"
#include "ui/window/mainwindow.h"
#include "ui/window/programstate.h"

#include <QLabel>
#include <QSettings>
#include <QTest>

// The whole program: the main window over the phone link, with the simulated phone on a
// pseudo-terminal as Com 1 and the messages recorded instead of shown.
struct WindowRig
{
    enum Store
    {
        FreshSettings,
        KeepSettings
    };

    explicit WindowRig(Store store = FreshSettings)
    {
        if (store == FreshSettings)
            QSettings(QStringLiteral("Quenda"), QStringLiteral("Quenda")).clear();
        started = sim.start();
        link.settings.setDevice(1, sim.devicePath());
        window.setMessageBoxes(&boxes);
    }

    void start()
    {
        window.startUp();
        window.show();
    }

    // Waits until the phone counts as connected, the tab on show has loaded what it loads after
    // a connect, and the window has unlocked.
    bool connected(int timeoutMs = 5000)
    {
        return QTest::qWaitFor(
            [this] {
                return link.lock.action() == OperationLock::Idle && !window.programState->gesperrt &&
                       !link.tabs.timWaitforLoad.isActive() && !link.tabs.timTabChange.isActive();
            },
            timeoutMs);
    }

    bool startAndConnect()
    {
        start();
        return connected();
    }

    // The commands the phone received, without the connection probes.
    QList<QByteArray> commands() const
    {
        QList<QByteArray> all = sim.transcript();
        all.removeAll("AT");
        return all;
    }

    template <typename T = QWidget> T *find(const char *name) const
    {
        return window.findChild<T *>(QLatin1String(name));
    }

    simphone::SimPhone sim;
    PhoneLink link;
    DeviceInfo info{link.exchange, link.lock};
    Phonebook phonebook{link.exchange, link.lock, link.supervisor};
    RecordingBoxes boxes;
    ShortMessages sms{link.exchange, link.lock, link.supervisor, link.settings, phonebook.cache().path()};
    PhoneMelodies melodies{link.exchange, link.lock};
    MainWindow window{link, info, phonebook, sms, melodies};
    bool started = false;
};
