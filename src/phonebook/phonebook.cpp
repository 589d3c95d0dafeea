#include "phonebook.h"

#include "phonebooklisting.h"

#include "link/atexchange.h"
#include "link/operationlock.h"
#include "link/supervisor.h"
#include "text/charconv.h"
#include "text/replyparser.h"

Phonebook::Phonebook(AtExchange &exchange, OperationLock &lock, Supervisor &supervisor, QObject *parent)
    : QObject(parent), exchange_(exchange), lock_(lock), supervisor_(supervisor)
{
}

int Phonebook::simCapacity() const
{
    // Until a load of the SIM card has asked, the size learned when the phone was greeted.
    return simCapacity_ >= 0 ? simCapacity_ : supervisor_.MaxPhoneNum;
}

void Phonebook::updateCaption()
{
    caption_ = table_.caption(sim_, simCapacity());
    emit captionChanged(caption_);
}

void Phonebook::LoadPhonebook()
{
    if (!lock_.guard(OperationLock::LoadingContacts))
        return;
    table_.clear();

    const QString memory = sim_ ? QStringLiteral("AT+CPBS=\"SM\"") : QStringLiteral("AT+CPBS=\"ME\"");
    if (!lock_.answered(exchange_.SendAndWait(memory, exchange_.timTimeout)))
        return;
    const AtExchange::Reply listing =
        exchange_.SendAndWait(QStringLiteral("AT+CPBR=1,255"), exchange_.timTimeOutLong);
    if (!lock_.answered(listing))
        return;
    takeListing(listing.text);

    QList<ContactsCache::Entry> seen;
    for (int k = 0; k < table_.size(); ++k)
        seen.append({table_.names().at(k), table_.numbers().at(k)});
    cache_.merge(seen);

    if (sim_ && !learnSimCapacity())
        return;
    updateCaption();
    lock_.finish();
}

void Phonebook::takeListing(const QString &reply)
{
    for (QString line : PhonebookListing::entryLines(reply)) {
        PhoneToPC(line);
        table_.appendListed(line);
    }
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
    return true;
}
