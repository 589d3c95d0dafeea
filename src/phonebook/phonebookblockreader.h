#pragma once

#include "phonebookmemory.h"

#include <QString>

#include <functional>
#include <optional>

class AtExchange;
class OperationLock;

// Reads the places of a memory of a phone other than the Trium Mars: in blocks
// ("AT+CPBR=1,25"), and one place at a time from the first block the phone refuses. The
// memory's used count, where the phone gave one, ends the reading once that many rows came.
class PhonebookBlockReader
{
public:
    static constexpr int BlockSize = 25;

    // take is given each entry line and says whether it was a row not seen before.
    using Take = std::function<bool(const QString &entryLine)>;

    PhonebookBlockReader(AtExchange &exchange, OperationLock &lock);

    // True once every place was read; false when the operation has ended (time-out, Cancel).
    bool read(const PhonebookMemory &memory, std::optional<int> used, const Take &take);

    // "+CME ERROR: 22": the phone holds nothing in the places asked.
    static bool isNotFound(const QString &result);

private:
    AtExchange &exchange_;
    OperationLock &lock_;
};
