#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// frmSMSC "Choose SMSC": the service centre catalogue; OK or a double click hands over a number.
class ServiceCentreDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ServiceCentreDialog(QWidget *parent = nullptr);

    // The number of the row picked by OK; empty when no row was selected.
    QString number() const { return number_; }

    QListWidget *lstSMSC;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;

private:
    void take();

    QString number_;
};
