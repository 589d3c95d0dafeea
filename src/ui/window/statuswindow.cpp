#include "statuswindow.h"

#include "link/operationlock.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

StatusWindow::StatusWindow(OperationLock &lock, QWidget *parent) : QDialog(parent), lock_(lock)
{
    setObjectName(QStringLiteral("frmStatus"));
    setWindowTitle(tr("Working..."));
    setModal(false);

    prgStatus = new QProgressBar;
    prgStatus->setObjectName(QStringLiteral("prgStatus"));
    prgStatus->setRange(0, 100);
    prgStatus->setTextVisible(false);
    prgStatus->setAccessibleName(tr("Progress"));
    labStatus = new QLabel;
    labStatus->setObjectName(QStringLiteral("labStatus"));
    labStatus->setAlignment(Qt::AlignCenter);
    cmdCancel = new QPushButton(tr("&Cancel"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        lock_.cancel();
        close();
    });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prgStatus);
    layout->addWidget(labStatus);
    layout->addLayout(buttons);
    setMinimumWidth(260);

    timCheckState.setObjectName(QStringLiteral("timCheckState"));
    timCheckState.setInterval(1000);
    connect(&timCheckState, &QTimer::timeout, this, &StatusWindow::checkState);
}

void StatusWindow::start()
{
    setProgress(0, OperationLock::percentText(0));
    show();
    raise();
    timCheckState.start();
}

void StatusWindow::setProgress(int percent, const QString &text)
{
    prgStatus->setValue(percent);
    labStatus->setText(text);
}

void StatusWindow::checkState()
{
    if (!lock_.isBusy())
        close();
}

void StatusWindow::hideEvent(QHideEvent *event)
{
    timCheckState.stop();
    QDialog::hideEvent(event);
}
