#pragma once

#include "ui/widgets/numberpickerdialog.h"

// frmSMSC "Choose SMSC": the service centre catalogue; OK or a double click hands over a number.
class ServiceCentreDialog : public NumberPickerDialog
{
    Q_OBJECT
public:
    explicit ServiceCentreDialog(QWidget *parent = nullptr);

    QListWidget *lstSMSC;
};
