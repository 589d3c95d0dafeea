#include "vcardlines.h"

#include "vcard.h"

#include <QString>
#include <QStringDecoder>

#include <optional>

namespace VCard {

QByteArray asUtf8(const QByteArray &bytes)
{
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    if (!marked || *marked == QStringConverter::Utf8) {
        return bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    }
    QStringDecoder decoder(*marked);
    return QString(decoder.decode(bytes)).toUtf8();
}

bool LogicalLines::next(Line *line)
{
    if (pos_ >= bytes_.size())
        return false;
    *line = Line();
    QByteArrayView piece = takePhysical();
    const bool quotedPrintable = isQuotedPrintable(piece);
    append(line, piece);
    bool softBreak = quotedPrintable && piece.endsWith('=');
    while (pos_ < bytes_.size()) {
        const char first = bytes_.at(pos_);
        if (softBreak) {
            if (!line->overlong)
                line->text.chop(1);
            piece = takePhysical();
        } else if (first == ' ' || first == '\t') {
            piece = takePhysical().sliced(1);
        } else {
            break;
        }
        append(line, piece);
        softBreak = quotedPrintable && piece.endsWith('=');
    }
    return true;
}

QByteArrayView LogicalLines::takePhysical()
{
    qsizetype end = pos_;
    while (end < bytes_.size() && bytes_.at(end) != '\r' && bytes_.at(end) != '\n')
        ++end;
    const QByteArrayView piece = bytes_.sliced(pos_, end - pos_);
    pos_ = end;
    // CR LF is one line end; so is a lone CR or a lone LF.
    const bool carriageReturn = pos_ < bytes_.size() && bytes_.at(pos_) == '\r';
    if (carriageReturn)
        ++pos_;
    if (pos_ < bytes_.size() && bytes_.at(pos_) == '\n' && (carriageReturn || pos_ == end))
        ++pos_;
    return piece;
}

void LogicalLines::append(Line *line, QByteArrayView piece)
{
    if (line->overlong)
        return;
    if (line->text.size() + piece.size() > MaxLineBytes) {
        line->overlong = true;
        line->text = QByteArray();
        return;
    }
    line->text.append(piece);
}

bool LogicalLines::isQuotedPrintable(QByteArrayView firstPiece)
{
    const qsizetype colon = firstPiece.indexOf(':');
    return colon > 0 && firstPiece.first(colon).toByteArray().toUpper().contains("QUOTED-PRINTABLE");
}

bool isBinary(const QByteArray &line)
{
    for (const char c : line) {
        const auto byte = static_cast<uchar>(c);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F)
            return true;
    }
    return false;
}

} // namespace VCard
