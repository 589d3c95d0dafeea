#pragma once

#include "link/operationresult.h"
#include <QString>
#include <QStringList>

class AtExchange;
class OperationLock;

// One key press on the phone.
class KeyRelay
{
public:
    KeyRelay(AtExchange &exchange, OperationLock &lock);

    // Press time in tenths of a second; below 1 it is raised to 1 in the caller's variable too.
    // True only when the phone acknowledged the key.
    OperationResult SendKey(const QString &key, qint16 &pressTime);
    // Single keys with press time 1 and a pause between them, none after the last. Stops at the
    // first key refused or unanswered, so at most one message is shown. True when every key
    // was acknowledged.
    OperationResult SendKeys(const QStringList &keys);

private:
    AtExchange &exchange_;
    OperationLock &lock_;
};
