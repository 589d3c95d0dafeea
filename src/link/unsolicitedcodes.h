#pragma once

#include <QObject>
#include <QString>

class SerialLine;

// The codes the phone sends on its own ("+CMTI:", "RING"), as they cross the line: inside a
// reply, between replies, or on a line nobody is reading, in whatever pieces they come. Only
// whole lines outside the text a message header announces count, as ReplyFraming frames them,
// so a message that reads "+CMTI: ..." is no code. Replies lose their codes elsewhere; this
// only listens.
class UnsolicitedCodes : public QObject
{
    Q_OBJECT
public:
    explicit UnsolicitedCodes(SerialLine &line, QObject *parent = nullptr);

    // Received text as it came; the line's signal calls it, tests may too.
    void take(const QString &text);

signals:
    void code(const QString &line);

private:
    void takeLine(const QString &line);

    enum class Mode
    {
        Lines,
        TextAhead,      // a header came, its text has not begun
        EmptyTextAhead, // then an empty line: a code may follow, framed, or the next line
        Text
    };
    Mode mode_ = Mode::Lines;
    QString partial_;
};
