#include "viewsmspage.h"

#include "ui/widgets/controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

ViewSmsPage::ViewSmsPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageViewSMS"));

    frmSMSonMars = frame("frmSMSonMars", tr("SMS on Trium Mars"));
    lstTimeDate = list("lstTimeDate", tr("Messages"),
                       tr("The messages stored in the phone, by time and date; choosing one shows its "
                          "text, number and name"));
    txtSMS = new QPlainTextEdit(tr("Choose Message to Display it here!\n"));
    txtSMS->setObjectName(QStringLiteral("txtSMS"));
    txtSMS->setReadOnly(true);
    txtSMS->setAccessibleName(tr("Message text"));
    txtSMS->setTabChangesFocus(true);
    txtNumber = textBox("txtNumber", tr("Cellular Number"), tr("Number", "the chosen message's number box"));
    txtNumber->setReadOnly(true);
    txtNumber->setAccessibleDescription(tr("The number the chosen message came from or went to"));
    txtSMSName = textBox("txtSMSName", tr("Name", "the sender's name box, while no message is chosen"),
                         tr("Name", "the chosen message's name box"));
    txtSMSName->setReadOnly(true);
    txtSMSName->setAccessibleDescription(tr("The phonebook's name for that number"));
    cmdRefreshSMS = button("cmdRefreshSMS", tr("Refresh", "reads the messages from the phone again"));
    cmdRefreshSMS->setAccessibleDescription(tr("Reads the messages from the phone again"));
    cmdDeleteSMS = button("cmdDeleteSMS", tr("Delete SMS"));
    cmdDeleteAllSMS = button("cmdDeleteAllSMS", tr("Delete All"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdRefreshSMS);
    buttons->addWidget(cmdDeleteSMS);
    buttons->addWidget(cmdDeleteAllSMS);
    auto *messages = new QGridLayout(frmSMSonMars);
    messages->addWidget(lstTimeDate, 0, 0, 3, 1);
    messages->addWidget(txtNumber, 0, 1);
    messages->addWidget(txtSMSName, 1, 1);
    messages->addWidget(txtSMS, 2, 1);
    messages->addLayout(buttons, 3, 0, 1, 2);
    messages->setColumnStretch(0, 1);
    messages->setColumnStretch(1, 1);

    Frame5 = frame("Frame5", tr("Auto-SMS-Downloader"));
    chkAutoSMS = checkBox("chkAutoSMS", tr("Enable/Disable", "switches the Auto-SMS-Downloader on and off"));
    chkAutoSMS->setAccessibleDescription(
        tr("Switches the Auto-SMS-Downloader on and off: on, it appends new messages to its file at "
           "every connect"));
    cmdAutoSMSArchive = button("cmdAutoSMSArchive", tr("Choose File"));
    cmdAutoSMSArchive->setAccessibleDescription(tr("Chooses the file the Auto-SMS-Downloader appends to"));
    cmdAutoSMSNow = button("cmdAutoSMSNow", tr("Get New SMs"));
    cmdAutoSMSNow->setAccessibleDescription(tr("Appends the new messages to the file now"));
    txtDescr =
        label("txtDescr", tr("Auto-SMS-Downloader dumps the SMs \nstored on your cellular to a file. If "
                             "enabled it \nwill be done automatically when you \nconnect your "
                             "phone. Only new messages \nwill be appended to the file!\n"));
    txtDescr->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *archive = new QVBoxLayout(Frame5);
    archive->addWidget(chkAutoSMS);
    archive->addWidget(cmdAutoSMSArchive);
    archive->addWidget(cmdAutoSMSNow);
    archive->addWidget(txtDescr);
    archive->addStretch();

    auto *page = new QHBoxLayout(this);
    page->addWidget(frmSMSonMars, 1);
    page->addWidget(Frame5);

    chainTabs({lstTimeDate, txtNumber, txtSMSName, txtSMS, cmdRefreshSMS, cmdDeleteSMS, cmdDeleteAllSMS,
               chkAutoSMS, cmdAutoSMSArchive, cmdAutoSMSNow});
}
