#include "contactpickerdialog.h"

#include "tabcolumnsdelegate.h"

#include "phonebook/contactpicker.h"

#include <QListWidget>

ContactPickerDialog::ContactPickerDialog(const ContactsCache &cache, QWidget *parent)
    : NumberPickerDialog(QStringLiteral("frmNames"), tr("Contacts"), QStringLiteral("lstContacts"),
                         ContactPicker::rows(cache), &ContactPicker::numberOf, parent),
      lstContacts(rows_)
{
    lstContacts->setItemDelegate(new TabColumnsDelegate(lstContacts));
    lstContacts->setAccessibleDescription(
        tr("The contacts with their numbers; choosing one and OK puts its number in the message form"));
}
