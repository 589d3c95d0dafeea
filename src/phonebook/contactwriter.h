#pragma once

#include "link/atexchange.h"
#include "link/operationresult.h"
#include "text/phonetext.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class Phonebook;

// Writes to the phonebook memory selected by the last load: a new contact in the lowest free
// place, a changed contact in its place, deleting one or all. The contact table follows what
// was written without reading the memory again.
class ContactWriter
{
    Q_DECLARE_TR_FUNCTIONS(ContactWriter)

public:
    explicit ContactWriter(Phonebook &phonebook);

    // The edit fields' "&Create As New", "S&ave Changes" and "&Delete"; visibleRow is the
    // selected row of the visible list, -1 for none. A typed name is fitted for the phone
    // (ContactName::fitForPhone).
    OperationResult create(const QString &name, const QString &number);
    OperationResult change(int visibleRow, const QString &name, const QString &number);
    OperationResult remove(int visibleRow);
    // "Delete All", after asking; then the phonebook is read again, and that is its result.
    OperationResult removeAll();
    // Writes the contact into place index, over what is there; for front ends that address
    // places rather than rows.
    OperationResult writeAtPlace(int index, const QString &name, const QString &number);

    // "Phonebook full": the memory takes no more contacts.
    static OperationResult full();

    enum class Placement
    {
        Written,
        Full,
        Ended // refused, timed out or cancelled: the operation must end; the lock has been seen to
    };
    // Writes the contact into the lowest free place and appends it to the table. The caller
    // holds the lock.
    Placement writeToFreePlace(const QString &name, const QString &number);

private:
    PhoneText phoneText() const;
    // The name as the selected memory takes it.
    QString fitted(const QString &name) const;
    // Another phone's call lists and own numbers are not written to; notStarted says so.
    bool mayWrite(OperationResult *notStarted) const;
    // Takes the lock with code and finds the entry of the selected visible row. -1 when the
    // lock was refused or no entry matches, with notStarted saying why; the lock is not held then.
    int lockSelected(qint16 code, int visibleRow, OperationResult *notStarted);
    AtExchange::Reply write(int index, const QString &number, const QString &phoneName);
    // Reads the place from the phone: true when it holds no contact; none when the operation
    // has ended (refused, timed out, cancelled).
    std::optional<bool> placeIsFree(int index);

    Phonebook &phonebook_;
};
