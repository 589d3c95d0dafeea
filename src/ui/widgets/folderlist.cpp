#include "folderlist.h"

#include <QDir>
#include <QKeyEvent>

FolderList::FolderList(QWidget *parent) : QListWidget(parent)
{
    setAccessibleName(tr("Folders"));
    setAccessibleDescription(tr("The folders below the folder shown; Enter or a double click opens one"));
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::open);
}

void FolderList::open(const QListWidgetItem *item)
{
    setPath(QDir(path_).filePath(item->text()));
}

void FolderList::keyPressEvent(QKeyEvent *event)
{
    // Enter opens the folder the keyboard is on, not the dialog's default button.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && currentItem()) {
        open(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
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
