#pragma once

#include "sms/messagedeleter.h"

#include <QObject>

class PhoneLink;
class ShortMessages;
class ViewSmsPage;

// Binds the "&View SMS" tab to the messages: the list and its caption follow the message list,
// the display boxes the selection, and the buttons and the Auto-SMS switch run the operations.
class ViewSmsController : public QObject
{
    Q_OBJECT
public:
    ViewSmsController(ViewSmsPage &page, ShortMessages &sms, PhoneLink &link, QWidget *window);

    // The handlers, as the controls call them.
    void lstTimeDate_Click();
    void chkAutoSMS_Click(bool on);
    void cmdRefreshSMS_Click();
    void cmdAutoSMSNow_Click();
    void cmdAutoSMSArchive_Click();
    // The three display boxes back at their idle texts.
    void resetDisplay();

private:
    void showMessages();

    ViewSmsPage &page_;
    ShortMessages &sms_;
    PhoneLink &link_;
    QWidget *window_;
    MessageDeleter deleter_;
};
