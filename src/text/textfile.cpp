#include "textfile.h"

#include "cp1252.h"

#include <QFile>
#include <QSaveFile>

#include <utility>

namespace TextFile {

namespace {

QByteArray encodeLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return Cp1252::encode(text);
}

// True for a missing or empty file too: there is no last line to end.
bool endsWithLineEnd(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return true;
    char last = 0;
    return !file.seek(file.size() - 1) || !file.getChar(&last) || last == '\n' || last == '\r';
}

QStringList splitLines(const QByteArray &bytes)
{
    const QString text = Cp1252::decode(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

} // namespace

QStringList readLines(const QString &path, bool *ok)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (ok)
        *ok = opened;
    if (!opened)
        return {};
    return splitLines(file.readAll());
}

QStringList readLinesUpTo(const QString &path, qint64 maxBytes, bool *ok, bool *tooLarge)
{
    *ok = false;
    *tooLarge = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes) {
        *tooLarge = true;
        return {};
    }
    *ok = true;
    return splitLines(bytes);
}

bool forEachLine(const QString &path, const std::function<void(const QString &)> &visit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QString line;
    bool afterCr = false; // a LF right after a CR ends no second line
    while (true) {
        const QByteArray block = file.read(64 * 1024);
        if (block.isEmpty())
            break;
        for (const QChar c : Cp1252::decode(block)) {
            const bool cr = c == QLatin1Char('\r');
            if (cr || c == QLatin1Char('\n')) {
                if (cr || !afterCr)
                    visit(std::exchange(line, QString()));
                afterCr = cr;
                continue;
            }
            afterCr = false;
            line.append(c);
            if (line.size() == MaxStreamedLine)
                visit(std::exchange(line, QString()));
        }
    }
    if (!line.isEmpty())
        visit(line);
    return file.error() == QFileDevice::NoError;
}

bool appendLines(const QString &path, const QStringList &lines)
{
    const bool newLineFirst = !endsWithLineEnd(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    QByteArray bytes = encodeLines(lines);
    if (newLineFirst)
        bytes.prepend("\r\n");
    return file.write(bytes) == bytes.size() && file.flush();
}

bool writeLines(const QString &path, const QStringList &lines, QString *error)
{
    return writeBytes(path, encodeLines(lines), error);
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // A full disk shows only when the buffer goes out; commit alone does not always tell.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace TextFile
