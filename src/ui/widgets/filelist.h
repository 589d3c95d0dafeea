#pragma once

#include <QListWidget>
#include <QString>

// The files of one folder that match a name pattern (several separated by blanks, "*.a *.b"),
// in the order the file system gives them. Starts in the program's working folder.
class FileList : public QListWidget
{
    Q_OBJECT
public:
    explicit FileList(const QString &pattern, QWidget *parent = nullptr);

    QString path() const { return path_; }
    // Shows the folder; a folder that does not exist leaves the list as it was.
    void setPath(const QString &folder);
    QString pattern() const { return pattern_; }
    // Reads the folder again.
    void refresh();

private:
    QString pattern_;
    QString path_;
};
