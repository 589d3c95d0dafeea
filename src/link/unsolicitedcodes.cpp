#include "unsolicitedcodes.h"

#include "replyframing.h"
#include "serialline.h"

#include "text/cp1252.h"

UnsolicitedCodes::UnsolicitedCodes(SerialLine &line, QObject *parent) : QObject(parent)
{
    connect(&line, &SerialLine::bytesCrossed, this,
            [this](SerialLine::Direction direction, const QByteArray &bytes) {
                if (direction == SerialLine::Direction::Received)
                    take(Cp1252::decode(bytes));
            });
    // A new connection starts with nothing half read.
    connect(&line, &SerialLine::lineStateChanged, this, [this] {
        partial_.clear();
        mode_ = Mode::Lines;
    });
}

void UnsolicitedCodes::take(const QString &text)
{
    partial_ += text;
    qsizetype start = 0;
    for (qsizetype end = partial_.indexOf(QLatin1Char('\n')); end >= 0;
         end = partial_.indexOf(QLatin1Char('\n'), start)) {
        QString line = partial_.mid(start, end - start);
        line.remove(QLatin1Char('\r'));
        takeLine(line);
        start = end + 1;
    }
    partial_.remove(0, start);
    // A line without an end for this long is noise, not a code.
    if (partial_.size() > 4096)
        partial_.clear();
}

void UnsolicitedCodes::takeLine(const QString &line)
{
    switch (mode_) {
    case Mode::Text:
        if (line.isEmpty())
            mode_ = Mode::Lines;
        return;
    case Mode::TextAhead:
        mode_ = line.isEmpty() ? Mode::EmptyTextAhead : Mode::Text;
        return;
    case Mode::EmptyTextAhead:
        if (ReplyFraming::isUnsolicited(line) && !ReplyFraming::announcesText(line)) {
            mode_ = Mode::TextAhead;
            emit code(line);
            return;
        }
        mode_ = Mode::Lines;
        break;
    case Mode::Lines:
        break;
    }
    if (ReplyFraming::announcesText(line))
        mode_ = Mode::TextAhead;
    if (ReplyFraming::isUnsolicited(line))
        emit code(line);
}
