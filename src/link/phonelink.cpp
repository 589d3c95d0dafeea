#include "phonelink.h"

#include "platform.h"

#include <QFileInfo>

#include <cerrno>

PhoneLink::PhoneLink(QObject *parent) : QObject(parent)
{
    line.setDeviceResolver([this](int port) { return deviceForPort(port); });
    connect(&supervisor, &Supervisor::lost, &tabs, &TabLoader::phoneLost);
    connect(&supervisor, &Supervisor::connected, &tabs, [this] { tabs.timWaitforLoad.start(); });
    // Whatever answers on that path next may be another phone, or the same one switched off
    // and on: in its own character set, with echo on. It is greeted anew.
    connect(&line, &SerialLine::deviceLost, &supervisor, [this] { supervisor.NewConnect = true; });
    connect(&line, &SerialLine::lineStateChanged, this, &PhoneLink::lineProblemChanged);
    connect(&supervisor, &Supervisor::lost, this, [this] {
        if (line.isOpen())
            ++silentProbes_;
        emit lineProblemChanged();
    });
    connect(&supervisor, &Supervisor::greetingProblemChanged, this, &PhoneLink::lineProblemChanged);
    connect(&supervisor, &Supervisor::connectionShown, this, [this](bool connected) {
        if (connected)
            silentProbes_ = 0;
        emit lineProblemChanged();
    });
    recordLine();
}

void PhoneLink::recordLine()
{
    connect(&line, &SerialLine::bytesCrossed, &recorder,
            [this](SerialLine::Direction direction, const QByteArray &bytes) {
                if (direction == SerialLine::Direction::Sent)
                    recorder.bytesSent(bytes);
                else
                    recorder.bytesReceived(bytes);
            });
    connect(&line, &SerialLine::lineStateChanged, &recorder,
            [this] { recorder.portStateChanged(line.isOpen(), line.deviceName()); });
    connect(&supervisor, &Supervisor::lost, &recorder, [this] { recorder.note("phone lost"); });
    connect(&supervisor, &Supervisor::connected, &recorder, [this] { recorder.note("phone greeted"); });
    connect(&lock, &OperationLock::actionChanged, &recorder, [this](qint16 action) {
        recorder.operationChanged(lock.isBusy() ? action : 0, OperationLock::stateName(action));
    });
    connect(&lock, &OperationLock::cancelRequested, &recorder, [this] { recorder.note("cancel"); });
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
    silentProbes_ = 0;
    line.closePort();
    supervisor.NewConnect = true;
    const int port = settings.comport();
    line.setPortNumber(port);
    line.setBaudRate(baudForThisRun_ > 0 ? baudForThisRun_ : settings.baud());
    supervisor.setTextModeOnly(settings.textModeOnly());
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

QString PhoneLink::deviceForPort(int port) const
{
    return runDevice_.isEmpty() ? Platform::deviceForPort(port, settings.device(port)) : runDevice_;
}

void PhoneLink::useDevice(const QString &device)
{
    runDevice_.clear();
    settings.setDevice(line.portNumber(), device);
    resetConnection();
    emit lineProblemChanged();
}

QString PhoneLink::lineProblem() const
{
    const QString device = line.deviceName();
    if (!line.isOpen() && !line.openFailure().isEmpty()) {
        switch (line.openError()) {
        case QSerialPort::DeviceNotFoundError:
            return tr("No such device: %1. Is the cable plugged in? (Settings, Device...)").arg(device);
        case QSerialPort::PermissionError:
            // Qt reports a port that another program has locked or holds exclusively as a
            // permission error too; a device we may read and write is only busy. Qt's text is the
            // system's, in the user's language: it is compared whole, not searched for a word.
            if (line.openFailure() == qt_error_string(EBUSY) ||
                (QFileInfo(device).isReadable() && QFileInfo(device).isWritable()))
                return tr("Device busy: another program holds %1 (ModemManager?).").arg(device);
            return tr("Permission denied on %1: add yourself to the dialout group "
                      "(sudo usermod -aG dialout $USER) and log in again.")
                .arg(device);
        default:
            return tr("%1 cannot be opened: %2").arg(device, line.openFailure());
        }
    }
    if (line.isOpen() && !supervisor.greetingProblem().isEmpty() && !supervisor.isConnectedShown())
        return supervisor.greetingProblem();
    if (phoneSilent())
        return tr("No answer from the phone on %1 at %2 bit/s: is it switched on and the cable seated? %3")
            .arg(device, QString::number(line.baudRate()),
                 line.baudRate() == SerialLine::DefaultBaud
                     ? tr("Many modems answer at 115200 instead (Settings, Device...).")
                     : tr("The Trium Mars answers at 38400 (Settings, Device...)."));
    return QString();
}

bool PhoneLink::phoneSilent() const
{
    // A greeting problem says more than the silence that follows it.
    return line.isOpen() && !supervisor.isConnectedShown() && supervisor.greetingProblem().isEmpty() &&
           silentProbes_ >= SilentProbesBeforeHint;
}
