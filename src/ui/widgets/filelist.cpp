#include "filelist.h"

#include <QDir>

FileList::FileList(const QString &pattern, QWidget *parent)
    : QListWidget(parent), pattern_(pattern), path_(QDir::currentPath())
{
    refresh();
}

void FileList::setPath(const QString &folder)
{
    const QDir dir(folder);
    if (!dir.exists())
        return;
    path_ = dir.absolutePath();
    refresh();
}

void FileList::refresh()
{
    clear();
    addItems(QDir(path_).entryList(QDir::nameFiltersFromString(pattern_), QDir::Files, QDir::Unsorted));
}
