#pragma once

#include "sms/smsrecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

class SenderNames;

// The downloaded messages in the open formats other tools read: the XML of the Android SMS
// backup apps (restorable onto a modern phone) and RFC 4180 CSV, both UTF-8.
namespace MessageExport {

// The moment of a time stamp "yy/MM/dd,hh:mm:ss+zz" (zone in quarter hours); invalid when the
// text is no such time stamp. Years 80 to 99 are 1980 to 1999, the rest 2000 onwards.
QDateTime timeOf(const QString &timeStamp);

// One <sms/> per message in slot order, under <smses count="n">. Messages without a time
// stamp carry backupTime and say so in readable_date.
QByteArray xml(const QList<SMSRecord> &messages, const SenderNames &names, const QDateTime &backupTime);

// A header row, then slot, status, number, name, time stamp (ISO 8601 with its offset) and
// text per message; rows end in CR LF, line breaks within a text are LF.
QByteArray csv(const QList<SMSRecord> &messages, const SenderNames &names);

} // namespace MessageExport
