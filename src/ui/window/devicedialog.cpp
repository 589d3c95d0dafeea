#include "devicedialog.h"

#include "ui/widgets/controls.h"

#include "link/serialline.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

DeviceDialog::DeviceDialog(int port, const QString &current, const QList<Platform::SerialPortEntry> &ports,
                           QWidget *parent)
    : QDialog(parent), shownFirst_(current.trimmed())
{
    setObjectName(QStringLiteral("frmDevice"));
    setWindowTitle(tr("Device for Com %1").arg(port));
    setModal(true);

    lstDevices = new QTreeWidget(this);
    lstDevices->setObjectName(QStringLiteral("lstDevices"));
    lstDevices->setRootIsDecorated(false);
    lstDevices->setHeaderLabels({tr("Device", "column of the serial port list: the device file"),
                                 tr("Stable name"), tr("Description"), tr("Maker"), tr("USB ids")});
    for (const Platform::SerialPortEntry &entry : ports) {
        auto *row = new QTreeWidgetItem(
            lstDevices, {entry.device, entry.stableName, entry.description, entry.maker, entry.usbIds});
        // The stable name survives replugging into another socket.
        row->setData(0, Qt::UserRole, entry.stableName.isEmpty() ? entry.device : entry.stableName);
    }
    lstDevices->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    txtDevice = new QLineEdit(current, this);
    txtDevice->setObjectName(QStringLiteral("txtDevice"));
    txtDevice->setPlaceholderText(tr("/dev/serial/by-id/... or /dev/ttyUSB0"));
    // A list takes no name from its caption.
    lstDevices->setAccessibleName(tr("Serial ports"));
    lstDevices->setAccessibleDescription(
        tr("Choosing a port puts its stable name, or its device, in the Device box below"));

    cmbSpeed = new QComboBox(this);
    cmbSpeed->setObjectName(QStringLiteral("cmbSpeed"));
    // A combo box is otherwise known by the item it shows; on Linux it still is, and its
    // description tells what it is.
    cmbSpeed->setAccessibleName(tr("Speed"));
    cmbSpeed->setAccessibleDescription(tr("The speed of the serial line"));
    for (const int baud : SerialLine::Speeds)
        cmbSpeed->addItem(tr("%1 bit/s").arg(baud), baud);
    setSpeed(SerialLine::DefaultBaud);

    auto *layout = new QVBoxLayout(this);
    // The captions label the list and the box for a screen reader.
    auto *portsCaption = new QLabel(tr("Serial ports of this computer:"), this);
    portsCaption->setBuddy(lstDevices);
    layout->addWidget(portsCaption);
    layout->addWidget(lstDevices);
    auto *deviceCaption = new QLabel(tr("Device:"), this);
    deviceCaption->setBuddy(txtDevice);
    layout->addWidget(deviceCaption);
    layout->addWidget(txtDevice);
    // The Trium Mars runs at 38400; many modems at 115200 or more.
    auto *speedRow = new QHBoxLayout;
    auto *speedCaption = new QLabel(tr("Speed:"), this);
    speedCaption->setBuddy(cmbSpeed);
    speedRow->addWidget(speedCaption);
    speedRow->addWidget(cmbSpeed);
    speedRow->addStretch();
    layout->addLayout(speedRow);
    chkTextMode =
        new QCheckBox(tr("Messages in &text mode only (for a phone whose PDU mode misbehaves)"), this);
    chkTextMode->setObjectName(QStringLiteral("chkTextMode"));
    layout->addWidget(chkTextMode);
    layout->addLayout(Controls::dialogButtons(this, cmdOK, cmdCancel, tr("OK"), tr("Cancel")));
    resize(640, 320);

    // Only a row the user selects: the list makes its first row current by itself when it
    // gets the focus, which must not replace the configured device.
    connect(lstDevices, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem *> rows = lstDevices->selectedItems();
        if (!rows.isEmpty())
            txtDevice->setText(rows.first()->data(0, Qt::UserRole).toString());
    });
    connect(lstDevices, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        if (!device().isEmpty() || !changed())
            accept();
    });
}

QString DeviceDialog::device() const
{
    return txtDevice->text().trimmed();
}

bool DeviceDialog::changed() const
{
    return device() != shownFirst_;
}

void DeviceDialog::setSpeed(int baud)
{
    const int index = cmbSpeed->findData(baud);
    cmbSpeed->setCurrentIndex(index >= 0 ? index : cmbSpeed->findData(SerialLine::DefaultBaud));
}

int DeviceDialog::speed() const
{
    return cmbSpeed->currentData().toInt();
}
