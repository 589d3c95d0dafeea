#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The vCard reader's view of a file: its bytes as UTF-8, taken apart into logical lines.
namespace VCard {

// A file that starts with a UTF-16 or UTF-32 byte order mark, as UTF-8; UTF-8's own mark dropped.
QByteArray asUtf8(const QByteArray &bytes);

// The logical lines of a file. A line starting with a space or tab continues the one before,
// without that character; in a quoted-printable value a "=" at the end continues it with the
// next line as it is. A line end is CR LF, a lone CR or a lone LF.
class LogicalLines
{
public:
    explicit LogicalLines(QByteArrayView bytes) : bytes_(bytes) {}

    struct Line
    {
        QByteArray text;
        bool overlong = false; // beyond MaxLineBytes; text is empty then
    };
    bool next(Line *line);

private:
    QByteArrayView takePhysical();
    static void append(Line *line, QByteArrayView piece);
    static bool isQuotedPrintable(QByteArrayView firstPiece);

    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

// Control bytes other than the tab have no place in any vCard line.
bool isBinary(const QByteArray &line);

} // namespace VCard
