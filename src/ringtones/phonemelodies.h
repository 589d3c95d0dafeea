#pragma once

#include "link/operationresult.h"
#include <QObject>
#include <QStringList>

class AtExchange;
class OperationLock;

// The melodies stored in the phone as last read: one entry per slot, "display number: name",
// slots 1 to 8 shown as 1 to 8 and slots 9 to 16 as 11 to 18.
class PhoneMelodies : public QObject
{
    Q_OBJECT
public:
    static constexpr int Slots = 16;

    PhoneMelodies(AtExchange &exchange, OperationLock &lock, QObject *parent = nullptr);

    // The names in slot order, as far as they were read.
    const QStringList &names() const { return names_; }
    // As the window lists them: "11: Tune 9" for slot 9.
    QStringList entries() const;
    // As the command line and the backup list them: "9 (shown as 11): Tune 9" (slotLine).
    QStringList slotLines() const;

    // Reads the names of all sixteen slots ("Refresh", the tab, the end of an upload); true
    // once all were read.
    OperationResult ReadMelodyList();

    // The information line of a slot's answer.
    static const QString ReplyPrefix;

    static int displayNumber(int slot);
    // A slot as the command line and the backup name it, by the phone's own number, with the
    // window's beside it where that differs: "13 (shown as 15): Alarm".
    static QString slotLine(int slot, const QString &name);
    // The text between the first and the last double quote of a "~MMYR:" reply; after the only
    // one when there is one, the whole reply when there is none.
    static QString nameIn(const QString &reply);

    AtExchange &exchange() { return exchange_; }
    OperationLock &lock() { return lock_; }

signals:
    void changed();
    // All sixteen slots were read.
    void listRead();

private:
    AtExchange &exchange_;
    OperationLock &lock_;
    QStringList names_;
};
