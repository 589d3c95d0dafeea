#include "contactpickerdialog.h"

#include "tabcolumnsdelegate.h"

#include "phonebook/contactpicker.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ContactPickerDialog::ContactPickerDialog(const ContactsCache &cache, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmNames"));
    setWindowTitle(QStringLiteral("Contacts"));
    setModal(true);

    lstContacts = new QListWidget(this);
    lstContacts->setObjectName(QStringLiteral("lstContacts"));
    lstContacts->setItemDelegate(new TabColumnsDelegate(lstContacts));
    lstContacts->addItems(ContactPicker::rows(cache));
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lstContacts);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    resize(320, 360);

    connect(cmdOK, &QPushButton::clicked, this, &ContactPickerDialog::take);
    connect(lstContacts, &QListWidget::itemDoubleClicked, this, &ContactPickerDialog::take);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ContactPickerDialog::take()
{
    const QListWidgetItem *item = lstContacts->currentItem();
    number_ = ContactPicker::numberOf(item && item->isSelected() ? item->text() : QString());
    accept();
}
