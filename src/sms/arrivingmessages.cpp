#include "arrivingmessages.h"

#include "shortmessages.h"

#include "link/atexchange.h"
#include "link/operationlock.h"
#include "link/unsolicitedcodes.h"
#include "text/atfields.h"

ArrivingMessages::ArrivingMessages(UnsolicitedCodes &codes, AtExchange &exchange, OperationLock &lock,
                                   ShortMessages &sms, QObject *parent)
    : QObject(parent), exchange_(exchange), lock_(lock), sms_(sms)
{
    timArrival.setObjectName(QStringLiteral("timArrival"));
    timArrival.setInterval(500);
    timArrival.setSingleShot(true);
    connect(&timArrival, &QTimer::timeout, this, &ArrivingMessages::readWhenIdle);
    connect(&codes, &UnsolicitedCodes::code, this, &ArrivingMessages::take);
}

void ArrivingMessages::setActive(bool active)
{
    active_ = active;
    if (!active) {
        pending_.clear();
        timArrival.stop();
    }
}

void ArrivingMessages::take(const QString &code)
{
    if (!active_ || !exchange_.phone().newMessageIndications)
        return;
    const auto fields = AtFields::ofLine(code, QStringLiteral("+CMTI:"));
    if (!fields || fields->size() < 2)
        return;
    const std::optional<int> slot = fields->at(1).toNumber();
    if (!slot || *slot < 0)
        return;
    const Indication indication{fields->at(0).text.trimmed(), *slot};
    for (const Indication &known : std::as_const(pending_)) {
        if (known.slot == indication.slot && known.memory == indication.memory)
            return;
    }
    pending_.append(indication);
    // Never from inside the wait of the reply that brought the code.
    if (!timArrival.isActive())
        timArrival.start();
}

void ArrivingMessages::readWhenIdle()
{
    if (pending_.isEmpty() || !active_)
        return;
    if (!exchange_.phone().newMessageIndications) {
        pending_.clear();
        return;
    }
    // Another operation, a greeting or a lost phone: the message waits; the next download
    // would find it anyway.
    if (lock_.action() != OperationLock::Idle) {
        if (lock_.action() == OperationLock::NoPhone)
            pending_.clear();
        else
            timArrival.start();
        return;
    }
    const Indication next = pending_.takeFirst();
    SMSRecord message;
    const OperationResult result = sms_.readArrived(next.memory, next.slot, &message);
    if (result.kind == OperationResult::Kind::Done || result.kind == OperationResult::Kind::Refused) {
        if (message.slot == 0)
            message.slot = qint16(next.slot);
        emit arrived(message);
    }
    if (!pending_.isEmpty())
        timArrival.start();
}
