#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// The folder a backup goes to, complete or not at all: the files are written into a hidden
// sibling, which takes the folder's name only once all are in. A folder left from an earlier
// backup is replaced as a whole; a folder that holds anything else is never touched.
class BackupFolder
{
    Q_DECLARE_TR_FUNCTIONS(BackupFolder)

public:
    BackupFolder(const QString &path, const QStringList &fileNames);
    ~BackupFolder();

    enum class Target
    {
        Free,          // not there yet, or an empty folder
        EarlierBackup, // holds files of a backup and nothing else
        Occupied,      // a folder with other files in it
        NotAFolder,    // a file, or a place whose parent folder does not exist
    };
    Target target() const;
    QString path() const { return path_; }

    // Creates the sibling the files go to.
    bool begin(QString *error);
    QString filePath(const QString &fileName) const;
    // Puts the new folder in place of path (and of an earlier backup there).
    bool commit(QString *error);

private:
    QString path_;
    QStringList fileNames_;
    std::unique_ptr<QTemporaryDir> partial_;
};
