#include "calling.h"

#include "link/atexchange.h"
#include "link/operationlock.h"

namespace {

QString dialCommand(const QString &number)
{
    return QStringLiteral("ATD") + number + QLatin1Char(';');
}

} // namespace

Calling::Calling(AtExchange &exchange, OperationLock &lock) : exchange_(exchange), lock_(lock) {}

void Calling::placeCall(const QString &number)
{
    if (!lock_.guard(OperationLock::PlacingCall))
        return;
    // "Finish" before the phone has answered ends that wait; its answer is then taken off the
    // line before the hang-up.
    if (window_)
        window_->open(number, [this] { exchange_.abandonWait(); });
    const AtExchange::Reply dialled = exchange_.SendAndWait(dialCommand(number), exchange_.timTimeout);
    if (dialled.refused()) {
        if (window_)
            window_->close();
        lock_.answered(dialled);
        return;
    }
    // No answer in time is no failure: a phone may answer a dial only once the call is taken.
    if (window_)
        window_->waitForFinish();
    endCall();
}

bool Calling::dialAnswered(const QString &number)
{
    if (!lock_.guard(OperationLock::PlacingCall))
        return false;
    return lock_.answered(exchange_.SendAndWait(dialCommand(number), exchange_.timTimeout));
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
