#include "folderdialog.h"

#include "folderlist.h"

#include "link/settings.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

FolderDialog::FolderDialog(Settings &settings, QWidget *parent) : QDialog(parent), settings_(settings)
{
    setObjectName(QStringLiteral("frmBrowse"));
    setWindowTitle(QStringLiteral("Browse"));
    setModal(true);

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    for (const QFileInfo &drive : QDir::drives())
        Drive1->addItem(drive.absoluteFilePath());
    Dir1 = new FolderList(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setPath(QDir::currentPath());
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Drive1);
    layout->addWidget(Dir1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    resize(320, 360);

    const int drive = settings_.drive().isEmpty() ? -1 : Drive1->findText(settings_.drive());
    if (drive >= 0)
        Drive1->setCurrentIndex(drive);
    if (!settings_.path().isEmpty())
        Dir1->setPath(settings_.path());
    connect(Drive1, &QComboBox::currentTextChanged, Dir1, &FolderList::setPath);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString FolderDialog::folder() const
{
    return Dir1->path();
}

void FolderDialog::done(int result)
{
    settings_.setPath(Dir1->path());
    settings_.setDrive(Drive1->currentText());
    QDialog::done(result);
}
