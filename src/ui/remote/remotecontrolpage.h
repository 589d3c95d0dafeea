#pragma once

#include <QWidget>

class Keypad;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Rem&ote Control": the phone's keypad, typed text and the one-click service codes.
class RemoteControlPage : public QWidget
{
    Q_OBJECT
public:
    explicit RemoteControlPage(QWidget *parent = nullptr);

    // The languages the phone can be switched to, in the list's order, untranslated: each
    // item's data. The items show them translated.
    static QStringList languages();

    Keypad *frmControl;
    QGroupBox *Frame13;
    QLabel *Label20;
    QRadioButton *optNormalSend;
    QRadioButton *optT9Send;
    QLineEdit *txtRC;
    QGroupBox *Frame15;
    QPushButton *cmdIMEI;
    QPushButton *cmdSoft;
    QPushButton *cmdHard;
    QPushButton *cmdIMEISoft;
    QPushButton *cmdNetMon1;
    QPushButton *cmdNetMon2;
    QPushButton *cmdM4TestMode;
    QPushButton *cmdSupTraces;
    QPushButton *cmdWarmStart;
    QLabel *Label18;
    QComboBox *cmbLanguage;
    QPushButton *cmdLanguage;
    QLabel *Label19;
};
