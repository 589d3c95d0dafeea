#include "createsmspage.h"

#include "ui/widgets/controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

CreateSmsPage::CreateSmsPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageCreateSMS"));

    Frame11 = frame("Frame11", tr("Create SMS"));
    Label17 = label("Label17", tr("Service Center:"));
    txtServiceCenter = textBox("txtServiceCenter");
    Label17->setBuddy(txtServiceCenter);
    cmdSMSC = button("cmdSMSC", tr("Service Centers"));
    cmdSMSC->setAccessibleDescription(tr("Chooses the service center from a list of networks"));
    Label16 = label("Label16", tr("Phonenumber:"));
    txtSendSMSNumber = textBox("txtSendSMSNumber");
    Label16->setBuddy(txtSendSMSNumber);
    cmdNumberNamesSMS = button("cmdNumberNamesSMS", tr("&Names"));
    cmdNumberNamesSMS->setAccessibleDescription(tr("Picks the number from the phonebook"));
    txtCreateSMS = new QPlainTextEdit;
    txtCreateSMS->setObjectName(QStringLiteral("txtCreateSMS"));
    txtCreateSMS->setAccessibleName(tr("Message text"));
    // A message has no use for a tab character; Tab goes on to the send buttons.
    txtCreateSMS->setTabChangesFocus(true);
    txtCreateSMS->setAccessibleDescription(tr("The new message; the count below tells the characters used"));
    labCharsLeft = label("labCharsLeft", tr("Characters: 0/160"));

    auto *create = new QGridLayout(Frame11);
    create->addWidget(Label17, 0, 0);
    create->addWidget(txtServiceCenter, 0, 1);
    create->addWidget(cmdSMSC, 0, 2);
    create->addWidget(Label16, 1, 0);
    create->addWidget(txtSendSMSNumber, 1, 1);
    create->addWidget(cmdNumberNamesSMS, 1, 2);
    create->addWidget(txtCreateSMS, 2, 0, 1, 3);
    create->addWidget(labCharsLeft, 3, 0, 1, 3);
    create->setColumnStretch(1, 1);

    Frame12 = frame("Frame12", tr("Upload/Send SMS"));
    cmdSendSMS = button("cmdSendSMS", tr("Send SMS"));
    cmdUploadSMS = button("cmdUploadSMS", tr("Upload SMS"));
    cmdUploadSend =
        button("cmdUploadSend", tr("Upload+Send", "stores the message in the phone, then sends it"));
    cmdUploadSend->setAccessibleDescription(tr("Stores the message in the phone, then sends it"));
    auto *send = new QVBoxLayout(Frame12);
    send->addWidget(cmdSendSMS);
    send->addWidget(cmdUploadSMS);
    send->addWidget(cmdUploadSend);
    send->addStretch();

    auto *page = new QHBoxLayout(this);
    page->addWidget(Frame11, 1);
    page->addWidget(Frame12);

    chainTabs({txtServiceCenter, cmdSMSC, txtSendSMSNumber, cmdNumberNamesSMS, txtCreateSMS, cmdSendSMS,
               cmdUploadSMS, cmdUploadSend});
}
