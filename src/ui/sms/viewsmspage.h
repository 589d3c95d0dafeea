#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "&View SMS": the messages stored in the phone and the Auto-SMS archive switch.
class ViewSmsPage : public QWidget
{
    Q_OBJECT
public:
    explicit ViewSmsPage(QWidget *parent = nullptr);

    QGroupBox *frmSMSonMars;
    QListWidget *lstTimeDate;
    QPlainTextEdit *txtSMS;
    QLineEdit *txtNumber;
    QLineEdit *txtSMSName;
    QPushButton *cmdRefreshSMS;
    QPushButton *cmdDeleteSMS;
    QPushButton *cmdDeleteAllSMS;
    QGroupBox *Frame5;
    QCheckBox *chkAutoSMS;
    QPushButton *cmdAutoSMSArchive;
    QPushButton *cmdAutoSMSNow;
    QLabel *txtDescr;
};
