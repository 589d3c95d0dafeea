#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "ui/widgets/resettexts.h"

class OperationLock;
class QLabel;

// Turns the lock's code into the program-state label and locks the controls that start
// operations while the code is not "idle". Runs on its own timer for the program's life.
class ProgramState : public QObject
{
    Q_OBJECT
public:
    enum class Lock
    {
        Disable,
        ReadOnly
    };
    enum class Unlock
    {
        Always,
        Never,        // enabled again by the contact editor once a contact is chosen
        WhenSim,      // only the SIM phonebook can be written
        WhenWritable, // another phone's call lists are only read; all else of the Trium Mars is
    };
    struct LockedControl
    {
        QString name;
        Lock lock;
        Unlock unlock;
        bool keptForCall; // stays usable while a call is placed, so it can be ended
    };

    // In the order they are locked and unlocked.
    static const QList<LockedControl> &lockTable();

    // The controls are looked up by name below window; optSIM tells which phonebook is chosen.
    ProgramState(OperationLock &lock, QWidget &window, QLabel &labProgState, QObject *parent = nullptr);

    void tick();

    bool gesperrt = false;
    QTimer timProgState; // 275 ms, repeating

private:
    void lockControls();
    void unlockControls();
    bool simSelected() const;
    bool memoryWritable() const;
    QWidget *control(const QString &name) const;

    OperationLock &lock_;
    QWidget &window_;
    QLabel &labProgState_;
};
