#pragma once

#include "sms/messagesender.h"

#include <QObject>
#include <QString>

class CreateSmsPage;
class PhoneLink;
class QLineEdit;

// Binds the "&Create/Send SMS" tab: the text box holds at most 160 characters and counts them,
// the two number boxes take only what a number may hold, and the buttons send or store the
// message. "Service Centers" and "&Names" belong to others.
class CreateSmsController : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxText = MessageSender::MaxText;
    static constexpr int MaxNumber = 250;

    CreateSmsController(CreateSmsPage &page, PhoneLink &link, QObject *parent = nullptr);

    MessageSender &sender() { return sender_; }
    // The message as the phone gets it: a line break is CR LF, and counts as two characters.
    QString messageText() const;

    // The handlers, as the controls call them.
    void cmdSendSMS_Click();
    void cmdUploadSMS_Click();
    void cmdUploadSend_Click();
    void txtCreateSMS_Change();
    void txtSendSMSNumber_Change();
    void txtServiceCenter_Change();

private:
    static void filterNumber(QLineEdit *box);

    CreateSmsPage &page_;
    PhoneLink &link_;
    MessageSender sender_;
    // Where the last edit of the text box put its characters.
    int editStart_ = 0;
    int editEnd_ = 0;
};
