#include "keyrelay.h"

#include "link/atexchange.h"
#include "link/operationlock.h"

KeyRelay::KeyRelay(AtExchange &exchange, OperationLock &lock) : exchange_(exchange), lock_(lock) {}

OperationResult KeyRelay::SendKey(const QString &key, qint16 &pressTime)
{
    return lock_.perform([&] {
        if (!lock_.guard(OperationLock::SendingKeys))
            return lock_.refusal();
        if (pressTime < 1)
            pressTime = 1;
        const QString command =
            QStringLiteral("AT+CKPD=\"") + key + QStringLiteral("\",") + QString::number(pressTime);
        if (!lock_.answered(exchange_.SendAndWait(command, exchange_.timTimeout)))
            return lock_.result();
        lock_.finish();
        return lock_.result();
    });
}

OperationResult KeyRelay::SendKeys(const QStringList &keys)
{
    return lock_.perform([&] {
        for (qsizetype i = 0; i < keys.size(); ++i) {
            // The lock is free between keys, so each key runs the guard again.
            if (i > 0)
                exchange_.Pause();
            qint16 pressTime = 1;
            if (const OperationResult pressed = SendKey(keys.at(i), pressTime); !pressed)
                return pressed;
        }
        return OperationResult::done();
    });
}
