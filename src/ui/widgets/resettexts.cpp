#include "resettexts.h"

#include <QCoreApplication>

namespace ResetTexts {

QString Entry::shown() const
{
    return QCoreApplication::translate("ResetTexts", text);
}

const QList<Entry> &table()
{
    static const QList<Entry> entries = {
        {QStringLiteral("txtSMS"), QT_TRANSLATE_NOOP("ResetTexts", "Choose Message to Display it here!")},
        {QStringLiteral("txtNumber"), QT_TRANSLATE_NOOP("ResetTexts", "Cellular Number")},
        //: The sender's name box of the View SMS tab, while no message is chosen.
        {QStringLiteral("txtSMSName"), QT_TRANSLATE_NOOP("ResetTexts", "Name")},
        {QStringLiteral("frmContacts"), QT_TRANSLATE_NOOP("ResetTexts", "Contacts on Cellular")},
    };
    return entries;
}

QString of(const QString &name)
{
    for (const Entry &entry : table()) {
        if (entry.name == name)
            return entry.shown();
    }
    return QString();
}

} // namespace ResetTexts
