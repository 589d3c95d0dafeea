#include "viewsmscontroller.h"

#include "archivefiledialog.h"
#include "ui/widgets/resettexts.h"
#include "viewsmspage.h"

#include "link/phonelink.h"
#include "sms/shortmessages.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

ViewSmsController::ViewSmsController(ViewSmsPage &page, ShortMessages &sms, PhoneLink &link, QWidget *window)
    : QObject(window), page_(page), sms_(sms), link_(link), window_(window), deleter_(sms)
{
    connect(&sms_.messages(), &MessageList::changed, this, &ViewSmsController::showMessages);
    connect(&sms_, &ShortMessages::captionChanged, page_.frmSMSonMars, &QGroupBox::setTitle);
    connect(page_.lstTimeDate, &QListWidget::currentRowChanged, this, &ViewSmsController::lstTimeDate_Click);
    connect(page_.cmdRefreshSMS, &QPushButton::clicked, this, &ViewSmsController::cmdRefreshSMS_Click);
    connect(page_.cmdDeleteSMS, &QPushButton::clicked, this,
            [this] { deleter_.remove(page_.lstTimeDate->currentRow()); });
    connect(page_.cmdDeleteAllSMS, &QPushButton::clicked, this, [this] { deleter_.removeAll(); });
    // Also when start-up ticks the box from the settings.
    connect(page_.chkAutoSMS, &QCheckBox::toggled, this, &ViewSmsController::chkAutoSMS_Click);
    connect(page_.cmdAutoSMSNow, &QPushButton::clicked, this, &ViewSmsController::cmdAutoSMSNow_Click);
    connect(page_.cmdAutoSMSArchive, &QPushButton::clicked, this,
            &ViewSmsController::cmdAutoSMSArchive_Click);
}

void ViewSmsController::showMessages()
{
    QListWidget *list = page_.lstTimeDate;
    const QSignalBlocker quiet(list);
    list->clear();
    for (const SMSRecord &message : sms_.messages().sorted())
        list->addItem(CmgrReply::shown(message.key));
    resetDisplay();
}

void ViewSmsController::resetDisplay()
{
    page_.txtSMS->setPlainText(ResetTexts::of(QStringLiteral("txtSMS")));
    page_.txtNumber->setText(ResetTexts::of(QStringLiteral("txtNumber")));
    page_.txtSMSName->setText(ResetTexts::of(QStringLiteral("txtSMSName")));
}

void ViewSmsController::lstTimeDate_Click()
{
    const SMSRecord *message = sms_.messages().at(page_.lstTimeDate->currentRow());
    if (!message)
        return;
    page_.txtSMSName->setText(tr("Unknown", "the sender's name, until the message's own is known"));
    page_.txtSMS->setPlainText(message->text);
    page_.txtNumber->setText(CmgrReply::shown(message->number));
    page_.txtSMSName->setText(CmgrReply::shown(message->name));
}

void ViewSmsController::chkAutoSMS_Click(bool on)
{
    link_.settings.setAutosms(on);
    if (on && link_.lock.action() != OperationLock::NoPhone)
        sms_.SMSDownload();
}

void ViewSmsController::cmdRefreshSMS_Click()
{
    link_.tabs.userLoads(TabLoader::ViewSMS);
    sms_.SMSDownload();
}

void ViewSmsController::cmdAutoSMSNow_Click()
{
    sms_.manuell = true;
    cmdRefreshSMS_Click();
}

void ViewSmsController::cmdAutoSMSArchive_Click()
{
    MessageBoxes *boxes = link_.lock.messageBoxes();
    if (!boxes)
        return;
    ArchiveFileDialog dialog(link_.settings, *boxes, window_);
    dialog.exec();
}
