#include "phonebook.h"

#include "phonebookblockreader.h"
#include "phonebooklisting.h"

#include "contactname.h"
#include "link/atexchange.h"
#include "link/operationlock.h"

#include "link/supervisor.h"
#include "text/charconv.h"
#include "text/replyparser.h"

#include <algorithm>

Phonebook::Phonebook(AtExchange &exchange, OperationLock &lock, Supervisor &supervisor, QObject *parent)
    : QObject(parent), exchange_(exchange), lock_(lock), supervisor_(supervisor)
{
}

int Phonebook::simCapacity() const
{
    // Until a load of the SIM card has asked, the size learned when the phone was greeted.
    return simCapacity_ >= 0 ? simCapacity_ : supervisor_.MaxPhoneNum;
}

std::optional<int> Phonebook::numberLength() const
{
    return isTriumMars() ? simNumberLength_ : details_.numberLength;
}

int Phonebook::highestPlace() const
{
    return isTriumMars() ? simCapacity() : details_.last;
}

int Phonebook::nameLength() const
{
    return isTriumMars() ? ContactName::MaxLength : details_.nameLength.value_or(ContactName::MaxLength);
}

bool Phonebook::isTriumMars() const
{
    return phoneText().isTriumMars();
}

bool Phonebook::readOnlyList() const
{
    return !isTriumMars() && !PhonebookMemory::isWritable(memory_);
}

void Phonebook::updateCaption()
{
    caption_ = isTriumMars() ? table_.caption(simSelected(), simCapacity()) : details_.caption(table_.size());
    emit captionChanged(caption_);
}

OperationResult Phonebook::LoadPhonebook()
{
    return lock_.perform([&] {
        if (!lock_.guard(OperationLock::LoadingContacts))
            return lock_.refusal();
        table_.clear();
        listingChecked_ = false;

        std::optional<int> used;
        if (!isTriumMars()) {
            if (!loadStandardMemory())
                return lock_.result();
        } else if (!selectMemory(&used) || !readListing(used)) {
            return lock_.result();
        }

        QList<ContactsCache::Entry> seen;
        for (const PhonebookEntry &entry : table_.entries())
            seen.append({entry.contact.name, entry.contact.number});
        cache_.merge(seen);

        if (isTriumMars() && simSelected() && !learnSimCapacity())
            return lock_.result();
        updateCaption();
        lock_.finish();
        return lock_.result();
    });
}

bool Phonebook::selectMemory(std::optional<int> *used)
{
    const QString memory = memory_;
    const QString select = QStringLiteral("AT+CPBS=\"") + memory + QLatin1Char('"');
    // An "OK" that strayed onto the line reads like the answer to a selection the phone refuses
    // right after it; the memory the phone then names tells. Once more sorts out a chance stray.
    constexpr int Selections = 2;
    PhonebookListing::MemoryStatus status;
    for (int selection = 1; selection <= Selections; ++selection) {
        if (!lock_.answered(exchange_.SendAndWait(select, exchange_.timTimeout)))
            return false;
        if (!askMemoryStatus(&status))
            return false;
        // A phone that does not tell is asked to select once more, with the line in step: a
        // refusal that came behind a stray "OK" shows then. The second "OK" is taken on trust.
        if (status.memory.isEmpty() && selection < Selections) {
            if (!lock_.answered(exchange_.resynchronise(exchange_.timTimeout)))
                return false;
            continue;
        }
        if (status.memory.isEmpty() || status.memory.compare(memory, Qt::CaseInsensitive) == 0) {
            *used = status.used;
            return true;
        }
    }
    const QString kept = tr("it kept the memory \"%1\"").arg(status.memory);
    return lock_.fail(OperationResult::refused(select, kept),
                      tr("The phone refused \"%1\": %2.").arg(select, kept));
}

bool Phonebook::askMemoryStatus(PhonebookListing::MemoryStatus *status)
{
    // The refusal of a selection that came after a stray "OK" may still be on its way: it would
    // read as this question's. A phone that cannot tell refuses twice.
    constexpr int Asks = 2;
    for (int ask = 1; ask <= Asks; ++ask) {
        const AtExchange::Reply reply =
            exchange_.SendAndWait(QStringLiteral("AT+CPBS?"), exchange_.timTimeout,
                                  AtExchange::Expected::line(QStringLiteral("+CPBS:")));
        if (reply.refused())
            continue;
        if (!lock_.answered(reply))
            return false;
        *status = PhonebookListing::memoryStatus(reply.text);
        return true;
    }
    *status = {};
    return true;
}

bool Phonebook::readListing(std::optional<int> used)
{
    // A result that strayed onto the line ends the listing's wait before its rows have come:
    // fewer rows than the phone counts mean the line is brought back in step and read again.
    const int expected = used ? std::min(*used, PhonebookListing::MaxEntries) : 0;
    constexpr int Reads = 3;
    for (int read = 1; read <= Reads; ++read) {
        const AtExchange::Reply listing =
            exchange_.SendAndWait(QStringLiteral("AT+CPBR=1,255"), exchange_.timTimeOutLong);
        // Some phones refuse to list a memory that holds nothing.
        if (listing.refused() && used == 0)
            break;
        if (!lock_.answered(listing))
            return false;
        const QStringList lines = PhonebookListing::entryLines(listing.text);
        listingChecked_ = used && lines.size() == expected;
        if (!used || listingChecked_ || read == Reads) {
            table_.clear();
            for (const QString &line : lines)
                takeListedLine(line);
            break;
        }
        if (!lock_.answered(exchange_.resynchronise(exchange_.timTimeout)))
            return false;
    }
    return true;
}

bool Phonebook::loadStandardMemory()
{
    PhonebookMemory memory;
    memory.code = memory_;
    if (!lock_.answered(exchange_.SendAndWait(QStringLiteral("AT+CPBS=\"") + memory_ + QLatin1Char('"'),
                                              exchange_.timTimeout)))
        return false;
    // Both questions are only asked: a phone that cannot tell is read over the places it has.
    PhonebookListing::MemoryStatus status;
    const AtExchange::Reply asked =
        exchange_.SendAndWait(QStringLiteral("AT+CPBS?"), exchange_.timTimeout,
                              AtExchange::Expected::line(QStringLiteral("+CPBS:")));
    if (asked.completed())
        status = PhonebookListing::memoryStatus(asked.text);
    else if (!asked.refused() && !lock_.answered(asked))
        return false;
    const AtExchange::Reply places =
        exchange_.SendAndWait(QStringLiteral("AT+CPBR=?"), exchange_.timTimeout,
                              AtExchange::Expected::line(QStringLiteral("+CPBR:")));
    if (!places.answered() && !lock_.answered(places))
        return false;
    if (!places.completed() || !memory.takeReadTest(places.text))
        memory.last = status.total.value_or(PhonebookListing::MaxEntries);
    details_ = memory;

    lock_.openProgress();
    PhonebookBlockReader reader(exchange_, lock_);
    if (!reader.read(memory, status.used, [this](const QString &line) { return takeStandardRow(line); }))
        return false;
    lock_.closeProgress();
    // Every place was read unless the count ended it early; a count the rows fall short of
    // leaves free places to be looked at before they are written.
    listingChecked_ = !status.used || table_.size() >= *status.used;
    return true;
}

bool Phonebook::takeStandardRow(const QString &line)
{
    const auto entry = PhonebookListing::decodedEntry(line, phoneText());
    if (!entry) {
        table_.appendListed(line);
        return true;
    }
    if (table_.entryAtPlace(entry->index) >= 0)
        return false;
    table_.appendWritten(entry->index, entry->number, entry->type, entry->name);
    return true;
}

PhoneText Phonebook::phoneText() const
{
    return exchange_.phoneText();
}

void Phonebook::takeListedLine(QString line)
{
    const PhoneText text = phoneText();
    if (text.isTriumMars()) {
        PhoneToPC(line);
        table_.appendListed(line);
        return;
    }
    takeStandardRow(line);
}

bool Phonebook::learnSimCapacity()
{
    // The size the phone was greeted with belongs to whichever memory it had selected then;
    // the SIM card's own is asked for now that it is selected.
    const AtExchange::Reply reply = exchange_.SendAndWait(QStringLiteral("AT+CPBW=?"), exchange_.timTimeout);
    if (!lock_.answered(reply))
        return false;
    qint16 highest = 0;
    if (ParseNumberField(reply.text, 1, QLatin1Char('-'), QLatin1Char(')'), highest))
        simCapacity_ = highest;
    // "+CPBW: (1-250),40,(129,145),16": the number's length follows the places.
    qint16 length = 0;
    simNumberLength_.reset();
    if (ParseNumberField(reply.text, 1, QLatin1Char(','), QLatin1Char(','), length) && length > 0)
        simNumberLength_ = length;
    return true;
}
