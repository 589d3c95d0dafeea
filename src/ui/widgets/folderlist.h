#pragma once

#include <QListWidget>
#include <QString>

// The folders below one folder, with ".." to go up; a double click or Enter opens a folder.
class FolderList : public QListWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);

    QString path() const { return path_; }
    // Shows the folder; a folder that does not exist leaves the list as it was.
    void setPath(const QString &folder);

signals:
    void pathChanged(const QString &path);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void open(const QListWidgetItem *item);

    QString path_;
};
