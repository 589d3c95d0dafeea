#include "servicecentredialog.h"

#include "sms/servicecentres.h"

#include <QListWidget>

namespace {

// The list control's own sorting would be case-sensitive.
QStringList sortedRows()
{
    QStringList rows = ServiceCentres::rows();
    rows.sort(Qt::CaseInsensitive);
    return rows;
}

} // namespace

ServiceCentreDialog::ServiceCentreDialog(QWidget *parent)
    : NumberPickerDialog(QStringLiteral("frmSMSC"), tr("Choose SMSC"), QStringLiteral("lstSMSC"),
                         sortedRows(), &ServiceCentres::numberOf, parent),
      lstSMSC(rows_)
{
    lstSMSC->setAccessibleName(tr("Service centers"));
    lstSMSC->setAccessibleDescription(
        tr("Networks and their service center numbers; choosing one and OK puts "
           "its number in the message form"));
}
