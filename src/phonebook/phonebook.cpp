#include "phonebook.h"

#include "link/atexchange.h"
#include "link/operationlock.h"
#include "link/supervisor.h"
#include "text/charconv.h"

namespace {

constexpr int MaxReplyLines = 500; // two per entry: at most 250 entries

} // namespace

Phonebook::Phonebook(AtExchange &exchange, OperationLock &lock, Supervisor &supervisor, QObject *parent)
    : QObject(parent), exchange_(exchange), lock_(lock), supervisor_(supervisor)
{
}

int Phonebook::simCapacity() const
{
    return supervisor_.MaxPhoneNum;
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
    if (exchange_.SendAndWait(memory, exchange_.timTimeout).timedOut()) {
        lock_.timedOut();
        return;
    }
    const AtExchange::Reply listing =
        exchange_.SendAndWait(QStringLiteral("AT+CPBR=1,255"), exchange_.timTimeOutLong);
    if (listing.timedOut()) {
        lock_.timedOut();
        return;
    }
    takeListing(listing.text);
    updateCaption();

    QList<ContactsCache::Entry> seen;
    for (int k = 0; k < table_.size(); ++k)
        seen.append({table_.names().at(k), table_.numbers().at(k)});
    cache_.merge(seen);

    lock_.finish();
}

void Phonebook::takeListing(const QString &reply)
{
    // The phone sends an empty line before every entry line: the odd lines are dropped.
    QString rest = reply;
    for (int n = 1; n <= MaxReplyLines; ++n) {
        const qsizetype lf = rest.indexOf(QLatin1Char('\n'));
        if (lf < 0)
            break;
        QString line = rest.left(lf + 1);
        rest.remove(0, lf + 1);
        if (line == AtExchange::FinalResult)
            break;
        PhoneToPC(line);
        if (n % 2 == 0)
            table_.appendListed(line);
    }
}
