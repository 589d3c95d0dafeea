#pragma once

#include <QObject>
#include <QTimer>

#include <array>
#include <functional>

class OperationLock;

// Decides when a tab's data are read from the phone: the first time the tab is shown while
// the phone is idle, later when a busy operation has ended, and after every connect for the
// tab on show.
class TabLoader : public QObject
{
    Q_OBJECT
public:
    enum Tab
    {
        Ringtones = 1,
        Phonebook,
        ViewSMS,
        CreateSMS,
        Infos,
        RemoteControl
    };
    static constexpr int TabCount = 6;

    explicit TabLoader(OperationLock &lock, QObject *parent = nullptr);

    void setLoader(int tab, std::function<void()> loader);
    bool hasLoader(int tab) const;

    bool isLoaded(int tab) const;
    void setLoaded(int tab, bool loaded);
    // A loss of the phone: ringtones, phonebook and messages must be read again. The device
    // information stays as read. What comes back may answer again: loads are no longer held.
    void phoneLost();
    void forgetAll();

    // Makes tab k current (as a click does) and loads it when it may.
    void select(int k);
    // Makes tab k current without loading anything (start-up).
    void showInitial(int k);

    void tabChangeTick();
    void waitforLoadTick();

    // A phone that is there but does not answer a tab's load would have it started again after
    // every reconnect, for ever. After two automatic loads of a tab in a row ended in a
    // time-out, the tab is no longer loaded by itself until the user shows it again or asks
    // for a load (userLoads).
    static constexpr int HeldAfterTimeouts = 2;
    bool isHeld(int tab) const;
    // A button that loads the tab's data was pressed.
    void userLoads(int tab);

    qint16 MintCurFrame = 1;

    QTimer timTabChange;   // 300 ms, repeating: load once the busy operation has ended
    QTimer timWaitforLoad; // 10 ms: load after a connect

signals:
    // Page k is now on show instead of page previous.
    void pageShown(int k, int previous);
    // The tab's automatic loading was held or resumed.
    void heldChanged(int tab, bool held);

private:
    void markAndLoad(int tab, bool automatic);
    void runLoader(int tab, bool automatic);
    void setHeld(int tab, bool held);

    OperationLock &lock_;
    std::array<std::function<void()>, TabCount + 1> loaders_;
    std::array<bool, TabCount + 1> loaded_{};
    std::array<int, TabCount + 1> automaticTimeouts_{};
    std::array<bool, TabCount + 1> held_{};
};
