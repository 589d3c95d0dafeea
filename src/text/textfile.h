#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// The tool's text files: Windows-1252, every line ended by CR LF. A reader ends a line at
// CR LF, at a lone CR, or at a lone LF (files edited on Linux).
namespace TextFile {

// The lines of the file; ok is false (and the list empty) when it cannot be read.
QStringList readLines(const QString &path, bool *ok = nullptr);

// As readLines, for a file a person may have edited with other tools: one that begins with
// UTF-8's byte order mark, or is valid UTF-8 and holds more than ASCII, is read as UTF-8.
QStringList readEditedLines(const QString &path, bool *ok = nullptr);

// As readLines, for a file of at most maxBytes; a larger one (or one that never ends, such as
// /dev/zero) is not read beyond that, and tooLarge is set with ok false.
QStringList readLinesUpTo(const QString &path, qint64 maxBytes, bool *ok, bool *tooLarge);

// Calls visit with each line of the file in turn, reading a block at a time, so a file of any
// size takes little memory; a line longer than MaxStreamedLine comes in pieces of that length.
// False when the file cannot be read.
constexpr qsizetype MaxStreamedLine = 64 * 1024;
bool forEachLine(const QString &path, const std::function<void(const QString &)> &visit);

// Appends each line and CR LF, creating the file when missing. A file whose last line has no
// line end gets one first, so the first new line is not glued onto it.
bool appendLines(const QString &path, const QStringList &lines);

// Writes the file anew. The old file is replaced only once the new one is complete, so a
// failed write leaves it as it was. error gets the reason of a failure.
bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr);

// As writeLines, for a file already in its bytes.
bool writeBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace TextFile
