#pragma once

#include "contactscache.h"
#include "contacttable.h"
#include "link/operationresult.h"
#include "phonebooklisting.h"
#include "text/phonetext.h"

#include <QObject>
#include <QString>

#include <optional>

class AtExchange;
class OperationLock;
class Supervisor;

// The phonebook memory in use (SIM card or phone), its contacts as last read or written, the
// caption with the used and free counts, and the reading of the whole memory.
class Phonebook : public QObject
{
    Q_OBJECT
public:
    Phonebook(AtExchange &exchange, OperationLock &lock, Supervisor &supervisor, QObject *parent = nullptr);

    ContactTable &table() { return table_; }
    const ContactTable &table() const { return table_; }
    const ContactsCache &cache() const { return cache_; }

    bool simSelected() const { return sim_; }
    void setSimSelected(bool sim) { sim_ = sim; }
    // The highest place of the SIM card, as the phone reported it when the SIM card was last
    // loaded.
    int simCapacity() const;
    // The longest number the SIM card takes, as the phone reported it with the size; none
    // before that or when the phone does not say.
    std::optional<int> simNumberLength() const { return simNumberLength_; }

    // "Contacts On Cellular" until the first load.
    QString caption() const { return caption_; }
    void updateCaption();

    // True once the whole memory was read.
    OperationResult LoadPhonebook();
    // The last load listed as many contacts as the phone counts in the memory, so a place the
    // table shows free is free on the phone.
    bool listingChecked() const { return listingChecked_; }
    // An entry line of "AT+CPBR" as the phone sent it, into the table.
    void takeListedLine(QString line);

    AtExchange &exchange() { return exchange_; }
    OperationLock &lock() { return lock_; }
    // How names and numbers cross the line to the phone connected now.
    PhoneText phoneText() const;

signals:
    void captionChanged(const QString &caption);

private:
    bool selectMemory(std::optional<int> *used);
    bool askMemoryStatus(PhonebookListing::MemoryStatus *status);
    bool readListing(std::optional<int> used);
    bool learnSimCapacity();

    AtExchange &exchange_;
    OperationLock &lock_;
    Supervisor &supervisor_;
    ContactTable table_;
    ContactsCache cache_;
    bool sim_ = true;
    bool listingChecked_ = false;
    int simCapacity_ = -1; // not asked yet
    std::optional<int> simNumberLength_;
    QString caption_ = QStringLiteral("Contacts On Cellular");
};
