#include "filechooserdialog.h"

#include "controls.h"
#include "filelist.h"
#include "folderlist.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

FileChooserDialog::FileChooserDialog(const QString &objectName, const QString &title, const QString &pattern,
                                     QWidget *parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(title);
    setModal(true);

    Drive1 = Controls::driveList(this);
    Dir1 = new FolderList(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    File1 = new FileList(pattern, this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setAccessibleName(tr("Files"));
    File1->setAccessibleDescription(
        tr("The files of the folder; choosing one puts its path in the file name box"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(tr("File name"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(Drive1, 0, 0);
    layout->addWidget(Dir1, 1, 0);
    layout->addWidget(File1, 0, 1, 2, 1);
    layout->addWidget(Text1, 2, 0, 1, 2);
    layout->addLayout(Controls::dialogButtons(this, cmdOK, cmdCancel, tr("OK"), tr("Cancel")), 3, 0, 1, 2);
    resize(520, 320);

    connect(Drive1, &QComboBox::currentTextChanged, Dir1, &FolderList::setPath);
    connect(Dir1, &FolderList::pathChanged, File1, &FileList::setPath);
    connect(File1, &QListWidget::itemClicked, this, &FileChooserDialog::takeFile);
    // The keyboard selects a file as a click does; the row the focus makes current is not taken.
    connect(File1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!File1->selectedItems().isEmpty())
            takeFile();
    });
    connect(File1, &QListWidget::itemDoubleClicked, this, [this] {
        takeFile();
        accept();
    });
    connect(cmdOK, &QPushButton::clicked, this, [this] { accept(); });
}

void FileChooserDialog::startAt(const QString &drive, const QString &folder, const QString &file)
{
    const int index = Drive1->findText(drive);
    if (index >= 0)
        Drive1->setCurrentIndex(index);
    Dir1->setPath(folder);
    File1->setPath(Dir1->path());
    Text1->setText(file);
}

void FileChooserDialog::takeFile()
{
    if (QListWidgetItem *item = File1->currentItem())
        Text1->setText(QDir(File1->path()).filePath(item->text()));
}

void FileChooserDialog::done(int result)
{
    remember(Drive1->currentText(), Dir1->path());
    QDialog::done(result);
}
