#pragma once

#include "phonebook/contactname.h"
#include "phonebook/vcard.h"

#include <QString>

// What every vCard reading keeps to, whatever the file held; shared by the tests and the fuzzer.
namespace VCardChecks {

// Empty when the reading keeps to the rules; otherwise the first rule it breaks.
inline QString brokenRule(const VCard::Reading &reading)
{
    if (reading.skippedCards < 0 || reading.contacts.size() > VCard::MaxContacts)
        return QStringLiteral("counts out of range");
    for (const Contact &contact : reading.contacts) {
        if (contact.number.isEmpty())
            return QStringLiteral("a contact without number");
        for (qsizetype i = 0; i < contact.number.size(); ++i) {
            const QChar c = contact.number.at(i);
            const bool kept = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('*') ||
                              c == QLatin1Char('#') || (c == QLatin1Char('+') && i == 0);
            if (!kept)
                return QStringLiteral("number ") + contact.number;
        }
        if (ContactName::fitForPhone(contact.name) != contact.name ||
            contact.name != contact.name.simplified())
            return QStringLiteral("name not fitted: ") + contact.name;
    }
    // What was read is written and read back unchanged.
    const VCard::Reading again = VCard::parse(VCard::compose(reading.contacts));
    if (again.contacts != reading.contacts || again.skippedCards != 0)
        return QStringLiteral("changed by writing and reading again");
    return QString();
}

} // namespace VCardChecks
