#include "phonebookcontroller.h"

#include "contactpickerdialog.h"
#include "contactsfiledialog.h"
#include "phonebookpage.h"
#include "ui/sms/createsmspage.h"

#include "link/phonelink.h"
#include "link/supervisor.h"
#include "phonebook/contactname.h"
#include "phonebook/numberfilter.h"
#include "phonebook/phonebook.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>

PhonebookController::PhonebookController(PhonebookPage &page, CreateSmsPage &sms, Phonebook &phonebook,
                                         PhoneLink &link, QAction *deleteAll, QWidget *window)
    : QObject(window), page_(page), sms_(sms), phonebook_(phonebook), link_(link), window_(window),
      writer_(phonebook), file_(phonebook, link.settings), calling_(link.exchange, link.lock),
      callingDialog_(window)
{
    calling_.setCallWindow(&callingDialog_);
    page_.txtName->setMaxLength(ContactName::MaxLength);
    page_.txtPhone->setMaxLength(NumberFilter::MaxLength);

    connect(&phonebook_.table(), &ContactTable::changed, this, &PhonebookController::showContacts);
    connect(&phonebook_, &Phonebook::captionChanged, page_.frmContacts, &QGroupBox::setTitle);
    // A selection by mouse or by keyboard fills the fields alike.
    connect(page_.lstContacts, &QListWidget::currentRowChanged, this,
            &PhonebookController::lstContacts_Click);
    connect(page_.txtPhone, &QLineEdit::textChanged, this, &PhonebookController::txtPhone_Change);
    connect(page_.optPhone, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optPhone_Click();
    });
    connect(page_.optSIM, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optSIM_Click();
    });
    connect(page_.cmbMemory, &QComboBox::activated, this, &PhonebookController::cmbMemory_Click);
    connect(&link_.supervisor, &Supervisor::connected, this, &PhonebookController::showMemories);
    connect(page_.cmdCreatePhone, &QPushButton::clicked, this,
            [this] { writer_.create(page_.txtName->text(), page_.txtPhone->text()); });
    connect(page_.cmdSavePhone, &QPushButton::clicked, this, [this] {
        writer_.change(page_.lstContacts->currentRow(), page_.txtName->text(), page_.txtPhone->text());
    });
    connect(page_.cmdDeletePhone, &QPushButton::clicked, this,
            [this] { writer_.remove(page_.lstContacts->currentRow()); });
    if (deleteAll)
        connect(deleteAll, &QAction::triggered, this, [this] { writer_.removeAll(); });
    connect(page_.cmdExp, &QPushButton::clicked, this, &PhonebookController::cmdExp_Click);
    connect(page_.cmdImp, &QPushButton::clicked, this, &PhonebookController::cmdImp_Click);
    connect(page_.cmdPlaceCall, &QPushButton::clicked, this,
            [this] { calling_.placeCall(page_.txtPhone->text()); });
    connect(page_.cmdSMSfromPhB, &QPushButton::clicked, this, &PhonebookController::cmdSMSfromPhB_Click);
    connect(sms_.cmdNumberNamesSMS, &QPushButton::clicked, this,
            &PhonebookController::cmdNumberNamesSMS_Click);
}

void PhonebookController::showContacts()
{
    QListWidget *list = page_.lstContacts;
    const int row = list->currentRow();
    const int before = list->count();
    const QStringList &rows = phonebook_.table().visible();
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(rows);
    // A changed contact keeps its selection. After anything else the old row number would
    // point at another contact than the fields show, and saving would overwrite that one.
    if (rows.size() == before && row >= 0 && row < rows.size())
        list->setCurrentRow(row);
}

void PhonebookController::setSaveButtons(bool enabled)
{
    page_.cmdSavePhone->setEnabled(enabled);
    page_.cmdCreatePhone->setEnabled(enabled);
}

void PhonebookController::lstContacts_Click()
{
    const QListWidgetItem *item = page_.lstContacts->currentItem();
    if (!item)
        return;
    const ContactTable &table = phonebook_.table();
    const int k = table.entryOf(item->text());
    if (k < 0)
        return;
    page_.txtName->setText(table.entry(k).contact.name);
    page_.txtPhone->setText(table.entry(k).contact.number);
    if (writable())
        page_.cmdSavePhone->setEnabled(true);
}

void PhonebookController::txtPhone_Change()
{
    QLineEdit *field = page_.txtPhone;
    if (field->text().isEmpty())
        setSaveButtons(false);
    else if (writable() && link_.lock.action() != OperationLock::NoPhone)
        setSaveButtons(true);

    int caret = field->cursorPosition();
    const QString kept = NumberFilter::filter(field->text(), &caret);
    if (kept != field->text()) {
        field->setText(kept);
        field->setCursorPosition(caret);
    }
}

bool PhonebookController::writable() const
{
    return phonebook_.simSelected() || (!phonebook_.readOnlyList() && !page_.cmbMemory->isHidden());
}

void PhonebookController::optPhone_Click()
{
    phonebook_.setSimSelected(false);
    memoryChosen(false);
}

void PhonebookController::optSIM_Click()
{
    phonebook_.setSimSelected(true);
    memoryChosen(true);
}

void PhonebookController::cmbMemory_Click(int row)
{
    phonebook_.setMemory(page_.cmbMemory->itemData(row).toString());
    page_.cmdDeletePhone->setEnabled(!phonebook_.readOnlyList());
    page_.cmdDelePhoneAdv->setEnabled(!phonebook_.readOnlyList());
    memoryChosen(!phonebook_.readOnlyList());
}

void PhonebookController::memoryChosen(bool writable)
{
    if (writable) {
        page_.cmdCreatePhone->setEnabled(true);
    } else {
        page_.cmdSavePhone->setEnabled(false);
        page_.cmdCreatePhone->setEnabled(false);
    }
    page_.cmdImp->setEnabled(writable);
    page_.txtPhone->clear();
    page_.txtName->clear();
    page_.txtName->setReadOnly(!writable);
    page_.txtPhone->setReadOnly(!writable);
    if (!link_.starting()) {
        link_.tabs.userLoads(TabLoader::Phonebook);
        phonebook_.LoadPhonebook();
    }
}

void PhonebookController::showMemories()
{
    const PhoneProfile &phone = link_.supervisor.profile();
    const bool triumMars = phone.isTriumMars();
    page_.optPhone->setVisible(triumMars);
    page_.optSIM->setVisible(triumMars);
    page_.cmbMemory->setVisible(!triumMars);
    if (triumMars) {
        phonebook_.setSimSelected(page_.optSIM->isChecked());
        return;
    }
    const QStringList memories = PhonebookMemory::shown(phone.phonebooks);
    QString chosen = phonebook_.memory();
    if (!memories.contains(chosen))
        chosen = memories.contains(QStringLiteral("SM")) ? QStringLiteral("SM") : memories.constFirst();
    const QSignalBlocker quiet(page_.cmbMemory);
    page_.cmbMemory->clear();
    for (const QString &memory : memories)
        page_.cmbMemory->addItem(PhonebookMemory::title(memory), memory);
    page_.cmbMemory->setCurrentIndex(int(memories.indexOf(chosen)));
    phonebook_.setMemory(chosen);
    const bool canWrite = !phonebook_.readOnlyList();
    page_.cmdImp->setEnabled(canWrite);
    page_.cmdDeletePhone->setEnabled(canWrite);
    page_.cmdDelePhoneAdv->setEnabled(canWrite);
    page_.txtName->setReadOnly(!canWrite);
    page_.txtPhone->setReadOnly(!canWrite);
}

void PhonebookController::cmdExp_Click()
{
    ContactsFileDialog dialog(ContactsFileDialog::Mode::Export, file_, link_.settings, window_);
    dialog.exec();
}

void PhonebookController::cmdImp_Click()
{
    QString path;
    {
        ContactsFileDialog dialog(ContactsFileDialog::Mode::Import, file_, link_.settings, window_);
        dialog.exec();
        path = dialog.acceptedFile();
    }
    if (!path.isEmpty())
        file_.import(path);
}

void PhonebookController::cmdSMSfromPhB_Click()
{
    sms_.txtSendSMSNumber->setText(page_.txtPhone->text());
    if (showMessageForm_)
        showMessageForm_();
}

void PhonebookController::cmdNumberNamesSMS_Click()
{
    ContactPickerDialog dialog(phonebook_.cache(), window_);
    if (dialog.exec() == QDialog::Accepted)
        sms_.txtSendSMSNumber->setText(dialog.number());
}
