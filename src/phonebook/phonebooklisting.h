#pragma once

#include "contact.h"

#include "text/phonetext.h"

#include <QString>
#include <QStringList>

#include <optional>

// The reply to "AT+CPBR=1,255": one entry line per contact, +CPBR: index,"number",type,"name".
// Only lines that begin with "+CPBR: " are entries, so a RING, a registration report or a
// stray "OK" between them costs no contact and adds none. A line break inside a quoted
// field belongs to the field and is dropped from it.
namespace PhonebookListing {

constexpr int MaxEntries = 250;

// The entry lines in reply order, at most MaxEntries, each with its own line end.
QStringList entryLines(const QString &reply);

// The number and the name of an entry line (PC text).
Contact contactOf(const QString &entryLine);
// An entry line of a phone other than the Trium Mars, its number and name decoded from the
// phone's set; fields after the name (dates, empty ones) do not count. None for a line that
// does not split into fields.
struct ListedEntry
{
    int index = 0;
    QString number;
    int type = 129;
    QString name;
};
std::optional<ListedEntry> decodedEntry(const QString &entryLine, const PhoneText &phone);

// What the reply to "AT+CPBS?" (+CPBS: "SM",used,total) says: the memory selected, empty when
// the phone does not say, the places in use and all places, none when it does not say.
struct MemoryStatus
{
    QString memory;
    std::optional<int> used;
    std::optional<int> total;
};
MemoryStatus memoryStatus(const QString &reply);

} // namespace PhonebookListing
