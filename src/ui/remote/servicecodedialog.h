#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for one of the phone maker's codes and takes it only in its form: "*" and a number of
// digits for a service code, four digits for a language.
class ServiceCodeDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Form
    {
        ServiceCode,
        LanguageCode
    };

    ServiceCodeDialog(const QString &what, Form form, int digits, const QString &current,
                      QWidget *parent = nullptr);

    QString code() const;

    QLabel *labExplain;
    QLineEdit *txtCode;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;

private:
    bool fits() const;

    Form form_;
    int digits_;
};
