#include "servicecentredialog.h"

#include "sms/servicecentres.h"

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
}
