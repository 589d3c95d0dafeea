#include "printers.h"

#include "info/deviceinfo.h"
#include "phonebook/contacttable.h"
#include "ringtones/phonemelodies.h"
#include "sms/shortmessages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>

#include <utility>

namespace CommandLine {
namespace {

QJsonObject jsonOf(const SMSRecord &message)
{
    return {{QStringLiteral("slot"), message.slot},
            {QStringLiteral("key"), message.key},
            {QStringLiteral("number"), message.number},
            {QStringLiteral("name"), message.name},
            {QStringLiteral("text"),
             QString(message.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))}};
}

} // namespace

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

void printJson(const QJsonValue &value)
{
    const QJsonDocument document =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    out() << document.toJson(QJsonDocument::Indented) << Qt::flush;
}

void printLine(const QString &line)
{
    out() << line << '\n' << Qt::flush;
}

void printInfo(const DeviceInfo &info, bool json)
{
    if (json) {
        printJson(info.json());
        return;
    }
    const DeviceInfo::Fields &f = info.fields();
    QList<std::pair<QString, QString>> fields = {
        {QStringLiteral("Battery"), f.battery},
        {QStringLiteral("Manufacturer"), f.manufacturer},
        {QStringLiteral("Model"), f.model},
        {QStringLiteral("Operator"), f.operatorName},
        {QStringLiteral("Operator ID"), f.operatorId},
        {QStringLiteral("State"), f.netState},
        {QStringLiteral("Net"), f.net},
        {QStringLiteral("Cell"), f.cell},
        {QStringLiteral("IMSI"), f.imsi},
    };
    // What only other phones than the Trium Mars tell.
    for (const auto &[label, value] :
         {std::pair{QStringLiteral("Revision"), f.revision}, std::pair{QStringLiteral("IMEI"), f.imei},
          std::pair{QStringLiteral("Signal"), f.signal}}) {
        if (!value.isEmpty())
            fields.append({label, value});
    }
    for (const auto &[label, value] : fields)
        out() << label << ": " << value << '\n';
    out() << Qt::flush;
}

void printContact(const ContactTable &table, int k)
{
    const PhonebookEntry &entry = table.entry(k);
    out() << entry.place << '\t' << entry.contact.name << '\t' << entry.contact.number << '\n';
}

void printContacts(const ContactTable &table, bool json)
{
    if (json) {
        QJsonArray array;
        for (const PhonebookEntry &entry : table.entries())
            array.append(QJsonObject{{QStringLiteral("place"), entry.place.toInt()},
                                     {QStringLiteral("name"), entry.contact.name},
                                     {QStringLiteral("number"), entry.contact.number}});
        printJson(array);
        return;
    }
    for (int k = 0; k < table.size(); ++k)
        printContact(table, k);
    out() << Qt::flush;
}

void printMessages(const ShortMessages &sms, bool json)
{
    const QList<SMSRecord> &messages = sms.messages().sorted();
    if (json) {
        QJsonArray array;
        for (const SMSRecord &message : messages)
            array.append(jsonOf(message));
        for (const ShortMessages::UnreadableSlot &unreadable : sms.unreadable())
            array.append(QJsonObject{{QStringLiteral("slot"), unreadable.slot},
                                     {QStringLiteral("error"), unreadable.result}});
        printJson(array);
        return;
    }
    for (const SMSRecord &message : messages) {
        out() << message.slot << '\t' << message.key << '\t' << message.number << '\t' << message.name
              << '\n';
        for (const QString &line : message.text.split(QStringLiteral("\r\n")))
            out() << "  " << line << '\n';
    }
    out() << Qt::flush;
}

void printMelodies(const PhoneMelodies &melodies, bool json)
{
    if (json) {
        const QStringList &names = melodies.names();
        QJsonArray array;
        for (int slot = 1; slot <= names.size(); ++slot)
            array.append(QJsonObject{{QStringLiteral("slot"), slot},
                                     {QStringLiteral("shown"), PhoneMelodies::displayNumber(slot)},
                                     {QStringLiteral("name"), names.at(slot - 1)}});
        printJson(array);
        return;
    }
    for (const QString &line : melodies.slotLines())
        out() << line << '\n';
    out() << Qt::flush;
}

} // namespace CommandLine
