#pragma once

#include "smspdu.h"
#include "smsrecord.h"

#include <QMap>

// The parts of long messages, read as PDUs, joined into one message each: in the order of
// their numbers, at the slot of the first part there, a note where a part is missing, the
// other parts' slots kept so that deleting the message deletes them too.
namespace LongMessages {

// messages by slot; parts: the concatenation of the slots that hold a part.
QMap<int, SMSRecord> joined(QMap<int, SMSRecord> messages, const QMap<int, SmsPdu::Concatenation> &parts);

// "[Part 2 of 3 is missing.]"
QString missingText(int part, int parts);

} // namespace LongMessages
