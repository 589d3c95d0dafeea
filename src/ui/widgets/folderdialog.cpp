#include "folderdialog.h"

#include "controls.h"
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
    setWindowTitle(tr("Browse"));
    setModal(true);

    Drive1 = Controls::driveList(this);
    Dir1 = new FolderList(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setPath(QDir::currentPath());

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Drive1);
    layout->addWidget(Dir1);
    layout->addLayout(Controls::dialogButtons(this, cmdOK, cmdCancel, tr("OK"), tr("Cancel")));
    resize(320, 360);

    const int drive = settings_.drive().isEmpty() ? -1 : Drive1->findText(settings_.drive());
    if (drive >= 0)
        Drive1->setCurrentIndex(drive);
    if (!settings_.path().isEmpty())
        Dir1->setPath(settings_.path());
    connect(Drive1, &QComboBox::currentTextChanged, Dir1, &FolderList::setPath);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
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
