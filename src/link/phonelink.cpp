#include "phonelink.h"

#include "platform.h"

PhoneLink::PhoneLink(QObject *parent) : QObject(parent)
{
    line.setDeviceResolver([this](int port) { return Platform::deviceForPort(port, settings.device(port)); });
    connect(&supervisor, &Supervisor::lost, &tabs, &TabLoader::phoneLost);
    connect(&supervisor, &Supervisor::connected, &tabs, [this] { tabs.timWaitforLoad.start(); });
    // Whatever answers on that path next may be another phone, or the same one switched off
    // and on: in its own character set, with echo on. It is greeted anew.
    connect(&line, &SerialLine::deviceLost, &supervisor, [this] { supervisor.NewConnect = true; });
}

void PhoneLink::beginStartUp()
{
    lock.setAbort(false);
    starting_ = true;
}

void PhoneLink::finishStartUp()
{
    GetSettings();
    lock.setAction(OperationLock::NoPhone);
    tabs.showInitial(settings.starttab());
    tabs.forgetAll();
    starting_ = false;
    supervisor.start();
    supervisor.probeTick();
}

void PhoneLink::GetSettings()
{
    resetConnection();
    emit phonebookMemoryChosen(settings.sim());
}

void PhoneLink::resetConnection()
{
    line.deconnect();
    supervisor.NewConnect = true;
    const int port = settings.comport();
    line.setPortNumber(port);
    lock.setAction(OperationLock::NoPhone);
    tickedComPort_ = port >= 1 && port <= 4 ? port : 0;
    emit comPortTicked(tickedComPort_);
}

void PhoneLink::chooseComPort(int port)
{
    if (port == tickedComPort_)
        return;
    settings.setComport(port);
    // The memory chosen in this session stays; applying the stored one would also load it,
    // which no phone can answer yet.
    resetConnection();
}

QString PhoneLink::lineDescription() const
{
    const QString device = line.deviceName();
    QString text = device.isEmpty() ? tr("Com %1: no device").arg(line.portNumber())
                                    : tr("Com %1: %2").arg(line.portNumber()).arg(device);
    if (!line.isOpen() && !line.openFailure().isEmpty())
        text += QLatin1Char('\n') + line.openFailure();
    return text;
}
