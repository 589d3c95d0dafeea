// A reply to "AT+CPBR=1,255" as the phonebook load takes it: the entry lines, the character
// repair and the contact table with its index rule and free places.
#include "fuzzinput.h"

#include "phonebook/contacttable.h"
#include "phonebook/phonebooklisting.h"
#include "text/charconv.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList entries = PhonebookListing::entryLines(lineText(data, size));
    if (entries.size() > PhonebookListing::MaxEntries)
        std::abort();
    ContactTable table;
    for (QString line : entries) {
        if (!line.startsWith(QLatin1String("+CPBR: ")))
            std::abort();
        PhoneToPC(line);
        table.appendListed(line);
    }
    for (int k = 0; k < table.size(); ++k) {
        table.indexText(k);
        if (table.entryOf(table.platz().at(k)) > k)
            std::abort();
    }
    table.lowestFreePlace(250);
    table.caption(true, 250);
    return 0;
}
