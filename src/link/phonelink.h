#pragma once

#include "atexchange.h"
#include "operationlock.h"
#include "serialline.h"
#include "settings.h"
#include "supervisor.h"
#include "tabloader.h"
#include "unsolicitedcodes.h"

#include "recording/linerecorder.h"

#include <QObject>

// The phone link as one piece: the settings, the serial line, the exchange, the lock, the
// supervision and the tab loading, wired together. Front ends drive it and listen to it.
class PhoneLink : public QObject
{
    Q_OBJECT
public:
    explicit PhoneLink(QObject *parent = nullptr);

    // Start-up, around the window's own restoring of its fields.
    void beginStartUp();
    void finishStartUp();
    bool starting() const { return starting_; }

    // Applies the port and phonebook memory settings and lets supervision reconnect.
    void GetSettings();
    // GetSettings without the memory: the port from the settings, the connection reset.
    void resetConnection();
    // A port menu item: a new port is stored and connected to; the ticked one changes nothing.
    void chooseComPort(int port);
    int tickedComPort() const { return tickedComPort_; }

    // The device behind the current port, and why it cannot be opened when that is so.
    QString lineDescription() const;
    // The device port n maps to now: the one of this run, else the configured one.
    QString deviceForPort(int port) const;
    // The device chosen for the port in use; it takes effect at once, as a new port does, and
    // ends the device of this run.
    void useDevice(const QString &device);
    // One device for every port, for this run only (--device); the settings stay as they are.
    void useDeviceForThisRun(const QString &device) { runDevice_ = device; }
    QString deviceForThisRun() const { return runDevice_; }
    // One line speed for this run (--baud); the settings stay as they are.
    void useBaudForThisRun(int baud) { baudForThisRun_ = baud; }

    // Why there is no phone, in words a person can act on; empty while nothing is wrong or
    // the phone has not yet had a fair chance to answer.
    QString lineProblem() const;
    // lineProblem() is that the phone stays silent on an open line: a fact to decide by, where
    // the text is in the user's language.
    bool phoneSilent() const;
    static constexpr int SilentProbesBeforeHint = 3;

    Settings settings;
    SerialLine line;
    AtExchange exchange{line};
    OperationLock lock{&exchange};
    Supervisor supervisor{exchange, lock};
    UnsolicitedCodes codes{line};
    TabLoader tabs{lock};
    LineRecorder recorder;

signals:
    // The port menu item to tick, 0 for none.
    void comPortTicked(int port);
    // The phonebook memory option to select: SIM card or phone.
    void phonebookMemoryChosen(bool sim);
    // lineProblem() may say something else now.
    void lineProblemChanged();

private:
    void recordLine();

    bool starting_ = false;
    int tickedComPort_ = 0;
    int silentProbes_ = 0;   // unanswered in a row on an open line
    QString runDevice_;      // --device
    int baudForThisRun_ = 0; // --baud
};
