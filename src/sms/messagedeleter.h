#pragma once

#include "link/operationresult.h"

#include <QCoreApplication>
#include <QtGlobal>

class ShortMessages;

// Deletes messages on the phone: the selected one from its own slot, or every listed one
// followed by a fresh download.
class MessageDeleter
{
    Q_DECLARE_TR_FUNCTIONS(MessageDeleter)

public:
    explicit MessageDeleter(ShortMessages &messages);

    // "Delete SMS" for row of the sorted message list; -1 when none is selected.
    OperationResult remove(int row);
    // "Delete All".
    OperationResult removeAll();
    // The message in that slot, whether listed or not; for front ends that address slots.
    OperationResult removeSlot(qint16 slot);

private:
    // With the slots of a long message's other parts.
    OperationResult deleteWithLockHeld(qint16 slot, const QList<qint16> &partSlots = {});

    ShortMessages &messages_;
};
