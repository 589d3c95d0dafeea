#include "calling.h"

#include "link/atexchange.h"
#include "link/operationlock.h"
#include "link/serialline.h"

Calling::Calling(AtExchange &exchange, OperationLock &lock) : exchange_(exchange), lock_(lock) {}

void Calling::placeCall(const QString &number)
{
    if (!dial(number))
        return;
    if (window_)
        window_->waitForFinish(number);
    endCall();
}

bool Calling::dial(const QString &number)
{
    if (!lock_.guard(OperationLock::PlacingCall))
        return false;
    // The dial's own answer is not awaited: a call may ring for as long as the user likes.
    exchange_.sendWithoutWaiting(QStringLiteral("ATD") + number + QLatin1Char(';'));
    return true;
}

bool Calling::dialAnswered(const QString &number)
{
    if (!lock_.guard(OperationLock::PlacingCall))
        return false;
    return lock_.answered(
        exchange_.SendAndWait(QStringLiteral("ATD") + number + QLatin1Char(';'), exchange_.timTimeout));
}

bool Calling::hangUp()
{
    if (lock_.action() != OperationLock::PlacingCall && !lock_.guard(OperationLock::PlacingCall))
        return false;
    return endCall();
}

bool Calling::endCall()
{
    if (!lock_.answered(exchange_.SendAndWait(QStringLiteral("ATH"), exchange_.timTimeout)))
        return false;
    lock_.finish();
    return true;
}
