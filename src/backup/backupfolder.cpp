#include "backupfolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A name next to path that nothing else uses, for a moment.
QString asideName(const QString &path)
{
    const QFileInfo info(path);
    for (int n = 1;; ++n) {
        const QString candidate =
            info.absolutePath() + QStringLiteral("/.%1.old-%2").arg(info.fileName()).arg(n);
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

} // namespace

BackupFolder::BackupFolder(const QString &path, const QStringList &fileNames)
    : path_(QDir::cleanPath(QFileInfo(path).absoluteFilePath())), fileNames_(fileNames)
{
}

BackupFolder::~BackupFolder() = default;

BackupFolder::Target BackupFolder::target() const
{
    const QFileInfo info(path_);
    if (!info.exists())
        return QFileInfo(info.absolutePath()).isDir() ? Target::Free : Target::NotAFolder;
    if (!info.isDir() || info.isSymLink())
        return info.isDir() ? Target::Occupied : Target::NotAFolder;
    const QStringList entries =
        QDir(path_).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (entries.isEmpty())
        return Target::Free;
    for (const QString &entry : entries) {
        if (!fileNames_.contains(entry))
            return Target::Occupied;
    }
    return Target::EarlierBackup;
}

bool BackupFolder::begin(QString *error)
{
    const QFileInfo info(path_);
    partial_ = std::make_unique<QTemporaryDir>(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                                               QStringLiteral(".partial-XXXXXX"));
    if (partial_->isValid())
        return true;
    *error = partial_->errorString();
    partial_.reset();
    return false;
}

QString BackupFolder::filePath(const QString &fileName) const
{
    return partial_ ? partial_->filePath(fileName) : QString();
}

bool BackupFolder::commit(QString *error)
{
    if (!partial_) {
        *error = tr("nothing was written");
        return false;
    }
    QDir dir;
    QString aside;
    const Target before = target();
    if (before == Target::Occupied || before == Target::NotAFolder) {
        *error = tr("%1 holds other files now").arg(path_);
        return false;
    }
    const bool wasThere = QFileInfo(path_).isDir();
    if (wasThere) {
        // An empty folder can go at once; an earlier backup stays until the new one is in.
        if (before == Target::EarlierBackup)
            aside = asideName(path_);
        if (!(aside.isEmpty() ? dir.rmdir(path_) : dir.rename(path_, aside))) {
            *error = tr("%1 cannot be replaced").arg(path_);
            return false;
        }
    }
    if (!dir.rename(partial_->path(), path_)) {
        *error = tr("the folder cannot be renamed to %1").arg(path_);
        if (!aside.isEmpty())
            dir.rename(aside, path_);
        else if (wasThere)
            dir.mkdir(path_);
        return false;
    }
    partial_->setAutoRemove(false);
    partial_.reset();
    if (!aside.isEmpty())
        QDir(aside).removeRecursively();
    return true;
}
