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

OperationResult Calling::placeCall(const QString &number)
{
    return lock_.perform([&] {
        if (!lock_.guard(OperationLock::PlacingCall))
            return lock_.refusal();
        // "Finish" before the phone has answered ends that wait; its answer is then taken off the
        // line before the hang-up.
        if (window_)
            window_->open(number, [this] { exchange_.abandonWait(); });
        const AtExchange::Reply dialled = exchange_.SendAndWait(dialCommand(number), exchange_.timTimeout);
        if (dialled.refused()) {
            if (window_)
                window_->close();
            return lock_.resultOf(dialled);
        }
        // No answer in time is no failure: a phone may answer a dial only once the call is taken.
        if (window_)
            window_->waitForFinish();
        return endCall();
    });
}

OperationResult Calling::dialAnswered(const QString &number)
{
    return lock_.perform([&] {
        if (!lock_.guard(OperationLock::PlacingCall))
            return lock_.refusal();
        return lock_.resultOf(exchange_.SendAndWait(dialCommand(number), exchange_.timTimeout));
    });
}

OperationResult Calling::hangUp()
{
    return lock_.perform([&] {
        if (lock_.action() != OperationLock::PlacingCall && !lock_.guard(OperationLock::PlacingCall))
            return lock_.refusal();
        return endCall();
    });
}

OperationResult Calling::endCall()
{
    if (!lock_.answered(exchange_.SendAndWait(QStringLiteral("ATH"), exchange_.timTimeout)))
        return lock_.result();
    lock_.finish();
    return lock_.result();
}
