#include "remotecontrolcontroller.h"

#include "keypad.h"
#include "remotecontrolpage.h"
#include "servicecodedialog.h"

#include "link/phonelink.h"
#include "remote/servicecodes.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <utility>

namespace {

// The key each keypad button presses, by button number; the red key and "#" have long presses.
const char *const KeyOfButton[] = {nullptr, "[", "]", "^", "<", ">", "v", "s", "e", "1", "2",
                                   "6",     "5", "4", "3", "9", "8", "7", "#", "0", "*"};
constexpr int EndKey = 8;
constexpr int HashKey = 18;

} // namespace

RemoteControlController::RemoteControlController(RemoteControlPage &page, PhoneLink &link,
                                                 QTimer &timKeyPressed, QTimer &timKeySave, QWidget *window)
    : QObject(window), page_(page), link_(link), timKeyPressed_(timKeyPressed), timKeySave_(timKeySave),
      window_(window), relay_(link.exchange, link.lock), text_(link.exchange, link.lock)
{
    bindKeypad();
    bindServiceCodes();
    text_.setModeSource([this] {
        return page_.optNormalSend->isChecked() ? TextToKeys::Mode::MultiTap : TextToKeys::Mode::Predictive;
    });
    connect(page_.txtRC, &QLineEdit::textChanged, this,
            [this](const QString &text) { text_.textChanged(text); });
}

void RemoteControlController::sendKey(const QString &key, qint16 pressTime)
{
    relay_.SendKey(key, pressTime);
}

void RemoteControlController::bindKeypad()
{
    // The long presses fire once.
    timKeyPressed_.setSingleShot(true);
    timKeySave_.setSingleShot(true);
    connect(&timKeyPressed_, &QTimer::timeout, this, [this] { sendLongPress(QStringLiteral("p"), 1); });
    connect(&timKeySave_, &QTimer::timeout, this, [this] { sendLongPress(QStringLiteral("#"), 11); });

    for (int number = 1; number <= 20; ++number) {
        QPushButton *button = page_.frmControl->button(number);
        const QString key = QLatin1String(KeyOfButton[number]);
        if (number == HashKey || number == EndKey) {
            // The release sends the key, after any long press. Locking the keypad while the long
            // press's own key goes releases the button early; that release waits its turn.
            QTimer *longPress = number == HashKey ? &timKeySave_ : &timKeyPressed_;
            connect(button, &QPushButton::pressed, longPress, qOverload<>(&QTimer::start));
            connect(button, &QPushButton::released, this, [this, key, longPress] {
                longPress->stop();
                sendOnRelease(key);
            });
            continue;
        }
        connect(button, &QPushButton::clicked, this, [this, key] { sendKey(key, 1); });
    }
}

void RemoteControlController::sendLongPress(const QString &key, qint16 pressTime)
{
    longPressSending_ = true;
    sendKey(key, pressTime);
    longPressSending_ = false;
    if (!releaseOwed_.isEmpty())
        sendKey(std::exchange(releaseOwed_, QString()), 1);
}

void RemoteControlController::sendOnRelease(const QString &key)
{
    if (longPressSending_) {
        releaseOwed_ = key;
        return;
    }
    sendKey(key, 1);
}

void RemoteControlController::bindServiceCodes()
{
    for (const ServiceCodes::Code &code : ServiceCodes::codes()) {
        auto *button = page_.findChild<QPushButton *>(code.button);
        if (!button)
            continue;
        const QString name = code.button;
        connect(button, &QPushButton::clicked, this, [this, name] { sendServiceCode(name); });
        if (!code.builtIn.isEmpty())
            continue;
        // The maker's codes can be corrected later.
        auto *change = new QAction(tr("Change Code..."), button);
        connect(change, &QAction::triggered, this, [this, name] { changeServiceCode(name); });
        button->addAction(change);
        button->setContextMenuPolicy(Qt::ActionsContextMenu);
        // The context menu opens by the Menu key too; a screen reader tells it is there.
        button->setAccessibleDescription(tr("Types the phone maker's code on the phone; its context menu "
                                            "changes the code"));
    }
    connect(page_.cmdLanguage, &QPushButton::clicked, this, &RemoteControlController::cmdLanguage_Click);
    auto *change = new QAction(tr("Change Code..."), page_.cmdLanguage);
    connect(change, &QAction::triggered, this,
            [this] { changeLanguageCode(page_.cmbLanguage->currentData().toString()); });
    page_.cmdLanguage->addAction(change);
    page_.cmdLanguage->setContextMenuPolicy(Qt::ActionsContextMenu);
}

bool RemoteControlController::changeServiceCode(const QString &button)
{
    const ServiceCodes::Code *code = ServiceCodes::codeOf(button);
    if (!code || !code->builtIn.isEmpty())
        return false;
    const QString key = ServiceCodes::settingsKeyOf(button);
    ServiceCodeDialog dialog(captionOf(*code), ServiceCodeDialog::Form::ServiceCode, code->digits,
                             link_.settings.value(key), window_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    link_.settings.setValue(key, dialog.code());
    return true;
}

bool RemoteControlController::changeLanguageCode(const QString &language)
{
    if (!ServiceCodes::languages().contains(language))
        return false;
    const QString key = ServiceCodes::settingsKeyOfLanguage(language);
    QComboBox *languages = page_.cmbLanguage;
    ServiceCodeDialog dialog(languages->itemText(languages->findData(language)),
                             ServiceCodeDialog::Form::LanguageCode, ServiceCodes::LanguageDigits,
                             link_.settings.value(key), window_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    link_.settings.setValue(key, dialog.code());
    return true;
}

void RemoteControlController::sendServiceCode(const QString &button)
{
    const ServiceCodes::Code *code = ServiceCodes::codeOf(button);
    if (!code)
        return;
    QString keys = code->builtIn;
    if (keys.isEmpty()) {
        const QString key = ServiceCodes::settingsKeyOf(button);
        // A stored code of the wrong form is asked for again: it would be typed as another code.
        if (!ServiceCodes::fitsCode(link_.settings.value(key), code->digits) && !changeServiceCode(button))
            return;
        keys = link_.settings.value(key);
    }
    relay_.SendKeys(ServiceCodes::keysOf(keys));
}

QString RemoteControlController::captionOf(const ServiceCodes::Code &code) const
{
    // As the button shows it, in the user's language, without its mnemonic.
    if (const auto *shown = page_.findChild<QPushButton *>(code.button))
        return shown->text().remove(QLatin1Char('&'));
    return ServiceCodes::shownCaption(code);
}

void RemoteControlController::cmdLanguage_Click()
{
    const QString language = page_.cmbLanguage->currentData().toString();
    if (!ServiceCodes::languages().contains(language))
        return;
    const QString key = ServiceCodes::settingsKeyOfLanguage(language);
    if (!ServiceCodes::fitsLanguageCode(link_.settings.value(key)) && !changeLanguageCode(language))
        return;
    relay_.SendKeys(ServiceCodes::languageKeys(link_.settings.value(key)));
}
