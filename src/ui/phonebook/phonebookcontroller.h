#pragma once

#include "callingdialog.h"

#include "phonebook/contactsfile.h"
#include "phonebook/contactwriter.h"
#include "remote/calling.h"

#include <QObject>

#include <functional>

class CreateSmsPage;
class PhoneLink;
class Phonebook;
class PhonebookPage;
class QAction;

// Binds the "&Phonebook" tab (and the "&Names" picker of the message form) to the phonebook:
// the list and its caption follow the contact table, the edit fields follow the selection,
// and the buttons run the phonebook's operations.
class PhonebookController : public QObject
{
    Q_OBJECT
public:
    PhonebookController(PhonebookPage &page, CreateSmsPage &sms, Phonebook &phonebook, PhoneLink &link,
                        QAction *deleteAll, QWidget *window);

    // Brings the message form forward as a click on its tab does.
    void setShowMessageForm(std::function<void()> show) { showMessageForm_ = std::move(show); }

    ContactWriter &writer() { return writer_; }
    ContactsFile &file() { return file_; }
    Calling &calling() { return calling_; }
    void setCallWindow(CallWindow *window) { calling_.setCallWindow(window ? window : &callingDialog_); }

    // The handlers, as the controls call them.
    void lstContacts_Click();
    void txtPhone_Change();
    void optPhone_Click();
    void optSIM_Click();
    void cmbMemory_Click(int row);
    // The memory choice of the phone now greeted: the two option buttons for the Trium Mars,
    // the list of memories it offers for any other phone.
    void showMemories();
    void cmdExp_Click();
    void cmdImp_Click();
    void cmdSMSfromPhB_Click();
    void cmdNumberNamesSMS_Click();

private:
    void showContacts();
    // The selected memory takes contacts.
    bool writable() const;
    void setSaveButtons(bool enabled);
    // After a change of memory: the editor empty, and writable only for a memory that takes
    // contacts. Then the memory is read.
    void memoryChosen(bool writable);

    PhonebookPage &page_;
    CreateSmsPage &sms_;
    Phonebook &phonebook_;
    PhoneLink &link_;
    QWidget *window_;
    ContactWriter writer_;
    ContactsFile file_;
    Calling calling_;
    CallingDialog callingDialog_;
    std::function<void()> showMessageForm_;
};
