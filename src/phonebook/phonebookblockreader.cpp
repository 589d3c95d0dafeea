#include "phonebookblockreader.h"

#include "phonebooklisting.h"

#include "link/atexchange.h"
#include "link/operationlock.h"

#include <algorithm>

PhonebookBlockReader::PhonebookBlockReader(AtExchange &exchange, OperationLock &lock)
    : exchange_(exchange), lock_(lock)
{
}

bool PhonebookBlockReader::isNotFound(const QString &result)
{
    const QString error = result.section(QLatin1Char(':'), 1).trimmed();
    return result.startsWith(QLatin1String("+CME ERROR")) &&
           (error == QLatin1String("22") ||
            error.compare(QLatin1String("not found"), Qt::CaseInsensitive) == 0);
}

bool PhonebookBlockReader::read(const PhonebookMemory &memory, std::optional<int> used, const Take &take)
{
    const int places = memory.places();
    int found = 0;
    bool onePlaceAtATime = false;
    int place = memory.first;
    while (place <= memory.last && (!used || found < *used)) {
        if (lock_.cancelledBeforeItem())
            return false;
        lock_.reportItem(place - memory.first + 1, places);
        const int end = onePlaceAtATime ? place : std::min(memory.last, place + BlockSize - 1);
        QString command = QStringLiteral("AT+CPBR=") + QString::number(place);
        if (end > place)
            command += QLatin1Char(',') + QString::number(end);
        const AtExchange::Reply reply =
            exchange_.SendAndWait(command, end > place ? exchange_.timTimeOutLong : exchange_.timTimeout);
        if (reply.refused()) {
            // A block may be too wide for the phone: its places are asked one by one. A single
            // place refused holds nothing, whatever the error says.
            if (end > place && !isNotFound(reply.result)) {
                onePlaceAtATime = true;
                continue;
            }
            place = end + 1;
            continue;
        }
        if (!lock_.answered(reply))
            return false;
        for (const QString &line : PhonebookListing::entryLines(reply.text)) {
            if (take(line))
                ++found;
        }
        place = end + 1;
    }
    return true;
}
