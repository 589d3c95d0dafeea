#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "&Create/Send SMS": a new message, its number and service centre, and the ways to send it.
class CreateSmsPage : public QWidget
{
    Q_OBJECT
public:
    explicit CreateSmsPage(QWidget *parent = nullptr);

    QGroupBox *Frame11;
    QLabel *Label17;
    QLineEdit *txtServiceCenter;
    QPushButton *cmdSMSC;
    QLabel *Label16;
    QLineEdit *txtSendSMSNumber;
    QPushButton *cmdNumberNamesSMS;
    QPlainTextEdit *txtCreateSMS;
    QLabel *labCharsLeft;
    QGroupBox *Frame12;
    QPushButton *cmdSendSMS;
    QPushButton *cmdUploadSMS;
    QPushButton *cmdUploadSend;
};
