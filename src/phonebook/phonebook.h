#pragma once

#include "contactscache.h"
#include "contacttable.h"
#include "link/operationresult.h"
#include "phonebooklisting.h"
#include "phonebookmemory.h"
#include "text/phonetext.h"

#include <QObject>
#include <QString>

#include <optional>

class AtExchange;
class OperationLock;
class Supervisor;

// The phonebook memory in use (SIM card or phone; on other phones also their call lists and
// own numbers), its contacts as last read or written, the caption with the used and free
// counts, and the reading of the whole memory.
class Phonebook : public QObject
{
    Q_OBJECT
public:
    Phonebook(AtExchange &exchange, OperationLock &lock, Supervisor &supervisor, QObject *parent = nullptr);

    ContactTable &table() { return table_; }
    const ContactTable &table() const { return table_; }
    const ContactsCache &cache() const { return cache_; }

    bool simSelected() const { return memory_ == QLatin1String("SM"); }
    void setSimSelected(bool sim) { memory_ = sim ? QStringLiteral("SM") : QStringLiteral("ME"); }
    // The memory as "AT+CPBS" names it. The Trium Mars has only "SM" and "ME".
    QString memory() const { return memory_; }
    void setMemory(const QString &code) { memory_ = code; }
    // Another phone's list that Quenda only reads (its call lists, own numbers...).
    bool readOnlyList() const;
    // The places, lengths and name of another phone's memory, as its last load found them.
    const PhonebookMemory &memoryDetails() const { return details_; }
    // The highest place of the SIM card, as the phone reported it when the SIM card was last
    // loaded.
    int simCapacity() const;
    // The longest number the memory takes (on the Trium Mars the SIM card's), as the phone
    // reported it with the size; none before that or when the phone does not say.
    std::optional<int> numberLength() const;
    // The highest place a new contact may go to; the longest name the memory takes.
    int highestPlace() const;
    int nameLength() const;

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
    bool isTriumMars() const;
    // Another phone's memory: its places and lengths, then its rows in blocks.
    bool loadStandardMemory();
    // A row of another phone taken at the index it carries; false for a place already taken.
    bool takeStandardRow(const QString &line);

    AtExchange &exchange_;
    OperationLock &lock_;
    Supervisor &supervisor_;
    ContactTable table_;
    ContactsCache cache_;
    QString memory_ = QStringLiteral("SM");
    PhonebookMemory details_;
    bool listingChecked_ = false;
    int simCapacity_ = -1; // not asked yet
    std::optional<int> simNumberLength_;
    QString caption_ = tr("Contacts On Cellular");
};
