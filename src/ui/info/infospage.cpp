#include "infospage.h"

#include "ui/widgets/controls.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <cmath>

using namespace Controls;

namespace {

// A caption and the value beside it, one row of a frame.
QLabel *addRow(QFormLayout *form, QLabel *caption, const char *valueName)
{
    QLabel *value = label(valueName);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A screen reader tells the caption with the value it labels.
    caption->setBuddy(value);
    form->addRow(caption, value);
    return value;
}

QFormLayout *formIn(QGroupBox *frame)
{
    auto *form = new QFormLayout(frame);
    form->setLabelAlignment(Qt::AlignLeft);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

} // namespace

InfosPage::InfosPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageInfos"));

    Frame6 = frame("Frame6", tr("Battery"));
    prgBattery = new QProgressBar;
    prgBattery->setObjectName(QStringLiteral("prgBattery"));
    prgBattery->setRange(0, static_cast<int>(DeviceInfo::BatteryBarMaximum) * BarScale);
    prgBattery->setValue(0);
    prgBattery->setTextVisible(false);
    prgBattery->setAccessibleName(tr("Battery"));
    prgBattery->setAccessibleDescription(tr("The battery's charge, from empty to full"));
    Label9 = label("Label9", tr("Empty", "the low end of the battery bar"));
    Label8 = label("Label8", tr("Full", "the high end of the battery bar"));
    labBattery = label("labBattery", tr("0 Percent", "the battery's charge before the phone told it"));
    labBattery->setAlignment(Qt::AlignCenter);
    auto *bar = new QHBoxLayout;
    bar->addWidget(Label9);
    bar->addWidget(prgBattery, 1);
    bar->addWidget(Label8);
    auto *battery = new QVBoxLayout(Frame6);
    battery->addLayout(bar);
    battery->addWidget(labBattery);
    battery->addStretch();

    frmPhoneInfo = frame("frmPhoneInfo", tr("Phone Info"));
    QFormLayout *phone = formIn(frmPhoneInfo);
    Label1 = label("Label1", tr("Manufacturer:"));
    labManu = addRow(phone, Label1, "labManu");
    Label10 = label("Label10", tr("Model:"));
    labModel = addRow(phone, Label10, "labModel");
    // Rows that only phones other than the Trium Mars fill; hidden while empty.
    labRevisionCaption = label("labRevisionCaption", tr("Revision:"));
    labRevision = addRow(phone, labRevisionCaption, "labRevision");
    labImeiCaption = label("labImeiCaption", tr("IMEI:"));
    labImei = addRow(phone, labImeiCaption, "labImei");
    labSignalCaption = label("labSignalCaption", tr("Signal:"));
    labSignal = addRow(phone, labSignalCaption, "labSignal");
    phoneForm_ = phone;
    for (QLabel *value : {labRevision, labImei, labSignal})
        phone->setRowVisible(value, false);

    frmNetinfo = frame("frmNetinfo", tr("Net Info"));
    QFormLayout *net = formIn(frmNetinfo);
    labOperatorlaba = label("labOperatorlaba", tr("Operator:"));
    labOperator = addRow(net, labOperatorlaba, "labOperator");
    Label15 = label("Label15", tr("Operator ID:"));
    labOpID = addRow(net, Label15, "labOpID");
    Label13 = label("Label13", tr("State:", "the phone's registration in the network"));
    labNetState = addRow(net, Label13, "labNetState");
    Label11 = label("Label11", tr("Net:"));
    labNet = addRow(net, Label11, "labNet");
    Label12 = label("Label12", tr("Cell:", "the network cell the phone is in"));
    labCell = addRow(net, Label12, "labCell");

    Frame10 = frame("Frame10", tr("SIM Info"));
    QFormLayout *sim = formIn(Frame10);
    Label14 = label("Label14", tr("IMSI:"));
    labIMSI = addRow(sim, Label14, "labIMSI");

    auto *grid = new QGridLayout(this);
    grid->addWidget(Frame6, 0, 0);
    grid->addWidget(frmPhoneInfo, 1, 0);
    grid->addWidget(Frame10, 2, 0);
    grid->addWidget(frmNetinfo, 0, 1, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
}

void InfosPage::showFields(const DeviceInfo::Fields &fields)
{
    prgBattery->setValue(static_cast<int>(std::lround(fields.batteryBar * BarScale)));
    labBattery->setText(fields.battery);
    labManu->setText(fields.manufacturer);
    labModel->setText(fields.model);
    labOperator->setText(fields.operatorName);
    labOpID->setText(fields.operatorId);
    labNet->setText(fields.net);
    labCell->setText(fields.cell);
    labNetState->setText(fields.netState);
    labIMSI->setText(fields.imsi);
    const QList<std::pair<QLabel *, QString>> more = {
        {labRevision, fields.revision}, {labImei, fields.imei}, {labSignal, fields.signal}};
    for (const auto &[value, text] : more) {
        value->setText(text);
        phoneForm_->setRowVisible(value, !text.isEmpty());
    }
}

double InfosPage::batteryBar() const
{
    return static_cast<double>(prgBattery->value()) / BarScale;
}
