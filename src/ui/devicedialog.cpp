#include "devicedialog.h"

#include "controls.h"

#include "link/platform.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

DeviceDialog::DeviceDialog(int port, const QString &current, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDevice"));
    setWindowTitle(QStringLiteral("Device for Com %1").arg(port));
    setModal(true);

    lstDevices = new QTreeWidget(this);
    lstDevices->setObjectName(QStringLiteral("lstDevices"));
    lstDevices->setRootIsDecorated(false);
    lstDevices->setHeaderLabels({QStringLiteral("Device"), QStringLiteral("Stable name"),
                                 QStringLiteral("Description"), QStringLiteral("Maker"),
                                 QStringLiteral("USB ids")});
    for (const Platform::SerialPortEntry &entry : Platform::serialPorts()) {
        auto *row = new QTreeWidgetItem(
            lstDevices, {entry.device, entry.stableName, entry.description, entry.maker, entry.usbIds});
        // The stable name survives replugging into another socket.
        row->setData(0, Qt::UserRole, entry.stableName.isEmpty() ? entry.device : entry.stableName);
    }
    lstDevices->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    txtDevice = new QLineEdit(current, this);
    txtDevice->setObjectName(QStringLiteral("txtDevice"));
    txtDevice->setPlaceholderText(QStringLiteral("/dev/serial/by-id/... or /dev/ttyUSB0"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Serial ports of this computer:"), this));
    layout->addWidget(lstDevices);
    layout->addWidget(new QLabel(QStringLiteral("Device:"), this));
    layout->addWidget(txtDevice);
    layout->addLayout(Controls::dialogButtons(this, cmdOK, cmdCancel));
    resize(640, 320);

    connect(lstDevices, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *row) {
        if (row)
            txtDevice->setText(row->data(0, Qt::UserRole).toString());
    });
    connect(lstDevices, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        if (!device().isEmpty())
            accept();
    });
}

QString DeviceDialog::device() const
{
    return txtDevice->text().trimmed();
}
