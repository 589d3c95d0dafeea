#include "textfile.h"

#include "cp1252.h"

#include <QFile>
#include <QSaveFile>

#include <QStringDecoder>

#include <algorithm>
#include <limits>
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

// Cuts text into lines as its blocks come: at CR LF, at a lone CR or at a lone LF. A line that
// reaches maxLine goes on in pieces of that length.
class LineSplitter
{
public:
    using Visit = std::function<void(const QString &)>;
    LineSplitter(Visit visit, qsizetype maxLine) : visit_(std::move(visit)), maxLine_(maxLine) {}

    void add(QStringView text)
    {
        for (const QChar c : text) {
            const bool cr = c == QLatin1Char('\r');
            if (cr || c == QLatin1Char('\n')) {
                // A LF right after a CR ends no second line.
                if (cr || !afterCr_)
                    visit_(std::exchange(line_, QString()));
                afterCr_ = cr;
                continue;
            }
            afterCr_ = false;
            line_.append(c);
            if (line_.size() == maxLine_)
                visit_(std::exchange(line_, QString()));
        }
    }
    void finish()
    {
        if (!line_.isEmpty())
            visit_(std::exchange(line_, QString()));
    }

private:
    Visit visit_;
    qsizetype maxLine_;
    QString line_;
    bool afterCr_ = false;
};

QStringList splitLines(const QString &text)
{
    QStringList lines;
    LineSplitter splitter([&lines](const QString &line) { lines.append(line); },
                          std::numeric_limits<qsizetype>::max());
    splitter.add(text);
    splitter.finish();
    return lines;
}

QByteArray readAll(const QString &path, bool *ok)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (ok)
        *ok = opened;
    return opened ? file.readAll() : QByteArray();
}

} // namespace

QStringList readLines(const QString &path, bool *ok)
{
    return splitLines(Cp1252::decode(readAll(path, ok)));
}

QStringList readEditedLines(const QString &path, bool *ok)
{
    const QByteArray bytes = readAll(path, ok);
    // Windows-1252 text with a character above ASCII is hardly ever valid UTF-8 by chance.
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(bytes);
    const bool beyondAscii = std::any_of(bytes.cbegin(), bytes.cend(), [](char b) { return b & 0x80; });
    if (bytes.startsWith("\xEF\xBB\xBF") || (beyondAscii && !utf8.hasError()))
        return splitLines(text);
    return splitLines(Cp1252::decode(bytes));
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
    return splitLines(Cp1252::decode(bytes));
}

bool forEachLine(const QString &path, const std::function<void(const QString &)> &visit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    LineSplitter splitter(visit, MaxStreamedLine);
    for (QByteArray block = file.read(64 * 1024); !block.isEmpty(); block = file.read(64 * 1024))
        splitter.add(Cp1252::decode(block));
    splitter.finish();
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
        return false; // never committed: the old file stays, the temporary one goes
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace TextFile
