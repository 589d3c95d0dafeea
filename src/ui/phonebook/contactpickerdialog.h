#pragma once

#include "ui/widgets/numberpickerdialog.h"

class ContactsCache;

// frmNames "Contacts": every cached contact; OK or a double click hands over its number.
class ContactPickerDialog : public NumberPickerDialog
{
    Q_OBJECT
public:
    ContactPickerDialog(const ContactsCache &cache, QWidget *parent = nullptr);

    QListWidget *lstContacts;
};
