#include "phonebookpage.h"

#include "tabcolumnsdelegate.h"

#include "ui/widgets/controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Controls;

PhonebookPage::PhonebookPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pagePhonebook"));

    frmContacts = frame("frmContacts", tr("Contacts On Cellular"));
    lstContacts = list("lstContacts", tr("Contacts"),
                       tr("The contacts of the memory chosen under Options; choosing one shows it in the "
                          "editor beside"));
    lstContacts->setItemDelegate(new TabColumnsDelegate(lstContacts));
    auto *contacts = new QVBoxLayout(frmContacts);
    contacts->addWidget(lstContacts);

    Frame9 = frame("Frame9", tr("Edit Contacts"));
    Label5 = label("Label5", tr("Name", "a contact's name, in the contact editor"));
    txtName = textBox("txtName");
    Label5->setBuddy(txtName);
    Label6 = label("Label6", tr("Number", "a contact's phone number, in the contact editor"));
    txtPhone = textBox("txtPhone");
    Label6->setBuddy(txtPhone);
    cmdSavePhone = button("cmdSavePhone", tr("S&ave Changes"));
    cmdCreatePhone = button("cmdCreatePhone", tr("&Create As New"));
    cmdDeletePhone = button("cmdDeletePhone", tr("&Delete", "deletes the chosen contact"));
    cmdDelePhoneAdv = new QToolButton;
    cmdDelePhoneAdv->setObjectName(QStringLiteral("cmdDelePhoneAdv"));
    cmdDelePhoneAdv->setText(QStringLiteral("\u25BC"));
    // Reached by Tab, pressed by Space; a click leaves the focus where it is.
    cmdDelePhoneAdv->setFocusPolicy(Qt::TabFocus);
    cmdDelePhoneAdv->setAccessibleName(tr("Delete menu"));
    cmdDelePhoneAdv->setAccessibleDescription(tr("Opens a menu with Delete All, beside Delete"));
    cmdDelePhoneAdv->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    cmdExp = button("cmdExp", tr("Export", "writes the contacts to a file"));
    cmdExp->setAccessibleDescription(tr("Writes the contacts to a file"));
    cmdImp = button("cmdImp", tr("Import", "reads contacts from a file into the phone"));
    cmdImp->setAccessibleDescription(tr("Reads contacts from a file into the phone"));
    connect(cmdDelePhoneAdv, &QToolButton::clicked, this, &PhonebookPage::openDeleteMenu);

    auto *deleteRow = new QHBoxLayout;
    deleteRow->setSpacing(0);
    deleteRow->addWidget(cmdDeletePhone, 1);
    deleteRow->addWidget(cmdDelePhoneAdv);
    auto *edit = new QGridLayout(Frame9);
    edit->addWidget(Label5, 0, 0);
    edit->addWidget(txtName, 0, 1, 1, 2);
    edit->addWidget(Label6, 1, 0);
    edit->addWidget(txtPhone, 1, 1, 1, 2);
    edit->addWidget(cmdSavePhone, 2, 1);
    edit->addWidget(cmdCreatePhone, 2, 2);
    edit->addLayout(deleteRow, 3, 1);
    edit->addWidget(cmdExp, 4, 1);
    edit->addWidget(cmdImp, 4, 2);
    edit->setColumnStretch(1, 1);
    edit->setColumnStretch(2, 1);

    frmPhonebookOptions =
        frame("frmPhonebookOptions", tr("Options", "the frame of the phonebook memory choice"));
    optPhone = option("optPhone", tr("Contacts from &Phone"));
    optSIM = option("optSIM", tr("Contacts from &SIM"));
    cmbMemory = new QComboBox(frmPhonebookOptions);
    cmbMemory->setObjectName(QStringLiteral("cmbMemory"));
    cmbMemory->setAccessibleName(tr("Phonebook memory"));
    cmbMemory->setAccessibleDescription(tr("The memory of the phone whose contacts are listed"));
    cmbMemory->hide();
    auto *options = new QVBoxLayout(frmPhonebookOptions);
    options->addWidget(optPhone);
    options->addWidget(optSIM);
    options->addWidget(cmbMemory);

    Frame8 = frame("Frame8", QString());
    cmdPlaceCall = button("cmdPlaceCall", tr("Call", "dials the contact's number"));
    cmdPlaceCall->setAccessibleDescription(tr("Dials the chosen contact's number"));
    cmdSMSfromPhB =
        button("cmdSMSfromPhB", tr("Send SMS", "opens the message form for the contact's number"));
    cmdSMSfromPhB->setAccessibleDescription(tr("Opens the message form for the chosen contact's number"));
    auto *call = new QHBoxLayout(Frame8);
    call->addWidget(cmdPlaceCall);
    call->addWidget(cmdSMSfromPhB);

    auto *right = new QVBoxLayout;
    right->addWidget(Frame9);
    right->addWidget(frmPhonebookOptions);
    right->addWidget(Frame8);
    right->addStretch();

    auto *page = new QHBoxLayout(this);
    page->addWidget(frmContacts, 1);
    page->addLayout(right);

    oneTabStop({optPhone, optSIM});
    chainTabs({lstContacts, txtName, txtPhone, cmdSavePhone, cmdCreatePhone, cmdDeletePhone, cmdDelePhoneAdv,
               cmdExp, cmdImp, optPhone, optSIM, cmbMemory, cmdPlaceCall, cmdSMSfromPhB});
}

void PhonebookPage::openDeleteMenu()
{
    cmdDeletePhone->setFocus();
    if (!deleteMenu_)
        return;
    // Centred under the arrow, so "Delete All" sits next to the button it belongs to.
    const QSize size = deleteMenu_->sizeHint();
    const QPoint below =
        cmdDelePhoneAdv->mapToGlobal(QPoint(cmdDelePhoneAdv->width() / 2, cmdDelePhoneAdv->height()));
    deleteMenu_->popup(QPoint(below.x() - size.width() / 2, below.y()));
}
