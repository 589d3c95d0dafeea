#include "contactsfiledialog.h"

#include "filelist.h"
#include "folderlist.h"

#include "link/settings.h"
#include "phonebook/contactsfile.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

ContactsFileDialog::ContactsFileDialog(Mode mode, ContactsFile &file, Settings &settings, QWidget *parent)
    : QDialog(parent), mode_(mode), file_(file), settings_(settings)
{
    const bool exporting = mode == Mode::Export;
    setObjectName(exporting ? QStringLiteral("frmExp") : QStringLiteral("frmImp"));
    setWindowTitle(exporting ? QStringLiteral("Export Contacts To File")
                             : QStringLiteral("Import Contacts From File"));
    setModal(true);

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    for (const QFileInfo &drive : QDir::drives())
        Drive1->addItem(drive.absoluteFilePath());
    Dir1 = new FolderList(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    File1 = new FileList(QStringLiteral("*.qd5"), this);
    File1->setObjectName(QStringLiteral("File1"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(Drive1, 0, 0);
    layout->addWidget(Dir1, 1, 0);
    layout->addWidget(File1, 0, 1, 2, 1);
    layout->addWidget(Text1, 2, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons, 3, 0, 1, 2);
    resize(520, 320);

    connect(Drive1, &QComboBox::currentTextChanged, Dir1, &FolderList::setPath);
    connect(Dir1, &FolderList::pathChanged, File1, &FileList::setPath);
    connect(File1, &QListWidget::itemClicked, this, &ContactsFileDialog::takeFile);
    connect(File1, &QListWidget::itemDoubleClicked, this, [this] {
        takeFile();
        accept();
    });
    connect(cmdOK, &QPushButton::clicked, this, &ContactsFileDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &ContactsFileDialog::reject);

    const int drive = Drive1->findText(settings_.driveexp());
    if (drive >= 0)
        Drive1->setCurrentIndex(drive);
    Dir1->setPath(settings_.pathexp());
    File1->setPath(Dir1->path());
    Text1->setText(settings_.fileexp());
}

void ContactsFileDialog::takeFile()
{
    if (QListWidgetItem *item = File1->currentItem())
        Text1->setText(QDir(File1->path()).filePath(item->text()));
}

void ContactsFileDialog::accept()
{
    const QString path = Text1->text();
    const ContactsFile::Answer answer =
        mode_ == Mode::Export ? file_.acceptExport(path) : file_.acceptImport(path);
    switch (answer) {
    case ContactsFile::Answer::Close:
        accepted_ = path;
        QDialog::accept();
        break;
    case ContactsFile::Answer::InvalidName:
        Text1->setText(settings_.fileexp());
        break;
    case ContactsFile::Answer::StayOpen:
        break;
    }
}

void ContactsFileDialog::done(int result)
{
    settings_.setPathexp(Dir1->path());
    settings_.setDriveexp(Drive1->currentText());
    QDialog::done(result);
}
