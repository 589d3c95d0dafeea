#include "servicecentredialog.h"

#include "sms/servicecentres.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ServiceCentreDialog::ServiceCentreDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSMSC"));
    setWindowTitle(QStringLiteral("Choose SMSC"));
    setModal(true);

    lstSMSC = new QListWidget(this);
    lstSMSC->setObjectName(QStringLiteral("lstSMSC"));
    // QListWidget sorts case-sensitively, so the list is kept in order by hand.
    QStringList rows = ServiceCentres::rows();
    rows.sort(Qt::CaseInsensitive);
    lstSMSC->addItems(rows);
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lstSMSC);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    resize(320, 360);

    connect(cmdOK, &QPushButton::clicked, this, &ServiceCentreDialog::take);
    connect(lstSMSC, &QListWidget::itemDoubleClicked, this, &ServiceCentreDialog::take);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ServiceCentreDialog::take()
{
    // The focus can make a row current without selecting it; only a selected row counts.
    const QListWidgetItem *item = lstSMSC->currentItem();
    number_ = item && item->isSelected() ? ServiceCentres::numberOf(item->text()) : QString();
    accept();
}
