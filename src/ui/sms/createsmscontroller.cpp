#include "createsmscontroller.h"

#include "createsmspage.h"

#include "link/phonelink.h"
#include "link/supervisor.h"
#include "phonebook/numberfilter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

CreateSmsController::CreateSmsController(CreateSmsPage &page, PhoneLink &link, QObject *parent)
    : QObject(parent), page_(page), link_(link), sender_(link.exchange, link.lock)
{
    page_.txtSendSMSNumber->setMaxLength(MaxNumber);
    connect(page_.txtCreateSMS->document(), &QTextDocument::contentsChange, this,
            [this](int position, int /*removed*/, int added) {
                editStart_ = position;
                editEnd_ = position + added;
            });
    connect(page_.txtCreateSMS, &QPlainTextEdit::textChanged, this,
            &CreateSmsController::txtCreateSMS_Change);
    connect(page_.txtSendSMSNumber, &QLineEdit::textChanged, this,
            &CreateSmsController::txtSendSMSNumber_Change);
    connect(page_.txtServiceCenter, &QLineEdit::textChanged, this,
            &CreateSmsController::txtServiceCenter_Change);
    connect(page_.cmdSendSMS, &QPushButton::clicked, this, &CreateSmsController::cmdSendSMS_Click);
    connect(page_.cmdUploadSMS, &QPushButton::clicked, this, &CreateSmsController::cmdUploadSMS_Click);
    connect(page_.cmdUploadSend, &QPushButton::clicked, this, &CreateSmsController::cmdUploadSend_Click);
    // Whatever the boxes already hold (the stored service centre) is held to the same rules.
    txtCreateSMS_Change();
    txtSendSMSNumber_Change();
    txtServiceCenter_Change();
}

QString CreateSmsController::messageText() const
{
    return MessageSender::withCrLfLineBreaks(page_.txtCreateSMS->toPlainText());
}

void CreateSmsController::cmdSendSMS_Click()
{
    sender_.send(messageText(), page_.txtSendSMSNumber->text(), page_.txtServiceCenter->text());
}

void CreateSmsController::cmdUploadSMS_Click()
{
    sender_.upload(messageText(), page_.txtSendSMSNumber->text());
}

void CreateSmsController::cmdUploadSend_Click()
{
    sender_.uploadAndSend(messageText(), page_.txtSendSMSNumber->text(), page_.txtServiceCenter->text());
}

void CreateSmsController::txtCreateSMS_Change()
{
    const PhoneProfile &phone = link_.supervisor.profile();
    int excess = static_cast<int>(messageText().size()) - MessageSender::longestText(phone);
    if (excess > 0) {
        // The box refuses what went over the limit: the end of what was just typed or pasted,
        // so the caret stays where the typing stopped.
        QTextDocument *document = page_.txtCreateSMS->document();
        const int end = qMin(editEnd_, document->characterCount() - 1);
        int start = end;
        while (excess > 0 && start > editStart_) {
            --start;
            excess -= document->characterAt(start) == QChar::ParagraphSeparator ? 2 : 1;
        }
        QTextCursor cut(document);
        cut.setPosition(start);
        cut.setPosition(end, QTextCursor::KeepAnchor);
        cut.removeSelectedText(); // runs this handler again, which shows the count
        return;
    }
    page_.labCharsLeft->setText(MessageSender::countText(messageText(), phone));
}

void CreateSmsController::filterNumber(QLineEdit *box)
{
    const QString text = box->text();
    const QString kept = NumberFilter::filter(text, nullptr);
    if (kept == text)
        return;
    // One place back for every character removed, never before the start.
    const int caret = qMax(0, box->cursorPosition() - static_cast<int>(text.size() - kept.size()));
    box->setText(kept);
    box->setCursorPosition(caret);
}

void CreateSmsController::txtSendSMSNumber_Change()
{
    filterNumber(page_.txtSendSMSNumber);
}

void CreateSmsController::txtServiceCenter_Change()
{
    filterNumber(page_.txtServiceCenter);
}
