#pragma once

#include <QJsonValue>
#include <QString>
#include <QTextStream>

class ContactTable;
class DeviceInfo;
class PhoneMelodies;
class ShortMessages;

// What the commands print on standard output: plain lines for reading and cutting, or with
// --json one JSON document. Messages for the person at the terminal go to stderr (printError).
namespace CommandLine {

QTextStream &out();

void printJson(const QJsonValue &value);
// One line, flushed.
void printLine(const QString &line);

void printInfo(const DeviceInfo &info, bool json);

// Row k of the table: place, name and number, tab-separated.
void printContact(const ContactTable &table, int k);
void printContacts(const ContactTable &table, bool json);

// The messages in the order of the sorted list, each with its text indented below it; the JSON
// array names the unreadable slots after them.
void printMessages(const ShortMessages &sms, bool json);

void printMelodies(const PhoneMelodies &melodies, bool json);

} // namespace CommandLine
