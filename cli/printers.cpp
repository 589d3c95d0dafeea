#include "printers.h"

#include "info/deviceinfo.h"
#include "phonebook/contacttable.h"
#include "ringtones/phonemelodies.h"
#include "sms/shortmessages.h"

#include <QCoreApplication>
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
    // The labels are for the person reading, as on the Infos tab; scripts take --json, whose
    // names stay as they are.
    QList<std::pair<QString, QString>> fields = {
        {QCoreApplication::translate("CommandLine::Printers", "Battery", "quenda-cli info: the charge"),
         f.battery},
        {QCoreApplication::translate("CommandLine::Printers", "Manufacturer", "quenda-cli info"),
         f.manufacturer},
        {QCoreApplication::translate("CommandLine::Printers", "Model", "quenda-cli info: the phone's model"),
         f.model},
        {QCoreApplication::translate("CommandLine::Printers", "Operator", "quenda-cli info: the network's"),
         f.operatorName},
        {QCoreApplication::translate("CommandLine::Printers", "Operator ID",
                                     "quenda-cli info: the network's"),
         f.operatorId},
        {QCoreApplication::translate("CommandLine::Printers", "State",
                                     "quenda-cli info: how the phone is registered in the network"),
         f.netState},
        {QCoreApplication::translate("CommandLine::Printers", "Net",
                                     "quenda-cli info: the network's code or kind"),
         f.net},
        {QCoreApplication::translate("CommandLine::Printers", "Cell", "quenda-cli info: the radio cell"),
         f.cell},
        {QCoreApplication::translate("CommandLine::Printers", "IMSI", "quenda-cli info"), f.imsi},
    };
    // What only other phones than the Trium Mars tell.
    const std::pair<QString, QString> others[] = {
        {QCoreApplication::translate("CommandLine::Printers", "Revision",
                                     "quenda-cli info: the phone's firmware"),
         f.revision},
        {QCoreApplication::translate("CommandLine::Printers", "IMEI", "quenda-cli info"), f.imei},
        {QCoreApplication::translate("CommandLine::Printers", "Signal",
                                     "quenda-cli info: the signal's strength"),
         f.signal},
    };
    for (const auto &[label, value] : others) {
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
