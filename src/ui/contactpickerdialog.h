#pragma once

#include <QDialog>

class ContactsCache;
class QListWidget;
class QPushButton;

// frmNames "Contacts": every cached contact; OK or a double click hands over its number.
class ContactPickerDialog : public QDialog
{
    Q_OBJECT
public:
    ContactPickerDialog(const ContactsCache &cache, QWidget *parent = nullptr);

    // The number of the row picked by OK; empty when no row was selected.
    QString number() const { return number_; }

    QListWidget *lstContacts;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;

private:
    void take();

    QString number_;
};
