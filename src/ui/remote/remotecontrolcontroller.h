#pragma once

#include "remote/keyrelay.h"
#include "remote/servicecodes.h"
#include "remote/texttokeys.h"

#include <QObject>

class PhoneLink;
class QPushButton;
class QTimer;
class RemoteControlPage;

// Binds the "Rem&ote Control" tab: the keypad with its two long presses, typed text, and the
// service codes, asked of the user the first time they are needed.
class RemoteControlController : public QObject
{
    Q_OBJECT
public:
    // timKeyPressed and timKeySave are the window's long-press timers.
    RemoteControlController(RemoteControlPage &page, PhoneLink &link, QTimer &timKeyPressed,
                            QTimer &timKeySave, QWidget *window);

    KeyRelay &relay() { return relay_; }

    // A code button ("cmdIMEI", ...) and the language "Set" button.
    void sendServiceCode(const QString &button);
    void cmdLanguage_Click();
    // Asks for the code behind a button anew; false when the user cancelled.
    bool changeServiceCode(const QString &button);
    bool changeLanguageCode(const QString &language);

private:
    void bindKeypad();
    void bindServiceCodes();
    void sendKey(const QString &key, qint16 pressTime);
    void sendLongPress(const QString &key, qint16 pressTime);
    void sendOnRelease(const QString &key);
    // The caption of a code button, for the dialog that asks for its code.
    QString captionOf(const ServiceCodes::Code &code) const;

    RemoteControlPage &page_;
    PhoneLink &link_;
    QTimer &timKeyPressed_;
    QTimer &timKeySave_;
    QWidget *window_;
    KeyRelay relay_;
    TextToKeys text_;
    bool longPressSending_ = false;
    QString releaseOwed_; // the key of a release that came while a long press's key went
};
