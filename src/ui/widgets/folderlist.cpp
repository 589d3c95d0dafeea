#include "folderlist.h"

#include <QDir>

FolderList::FolderList(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { setPath(QDir(path_).filePath(item->text())); });
}

void FolderList::setPath(const QString &folder)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return;
    path_ = QDir::cleanPath(dir.absolutePath());
    clear();
    if (!dir.isRoot())
        addItem(QStringLiteral("..")); // opened as a path: no word to translate
    addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    emit pathChanged(path_);
}
