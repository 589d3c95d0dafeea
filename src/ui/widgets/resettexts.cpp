#include "resettexts.h"

namespace ResetTexts {

const QList<Entry> &table()
{
    static const QList<Entry> entries = {
        {QStringLiteral("txtSMS"), QStringLiteral("Choose Message to Display it here!")},
        {QStringLiteral("txtNumber"), QStringLiteral("Cellular Number")},
        {QStringLiteral("txtSMSName"), QStringLiteral("Name")},
        {QStringLiteral("frmContacts"), QStringLiteral("Contacts on Cellular")},
    };
    return entries;
}

QString of(const QString &name)
{
    for (const Entry &entry : table()) {
        if (entry.name == name)
            return entry.text;
    }
    return QString();
}

} // namespace ResetTexts
