#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The text form of a recording of the line, one record per line:
//     <ms> > <bytes>    written to the phone
//     <ms> < <bytes>    read from the phone
//     <ms> # <event>    the port, the phone, an operation, a Cancel
// ms counts from the moment the port opened; bytes are printable ASCII as they are, "\\" for a
// backslash, "\r", "\n", "\z" (Ctrl-Z), "\e" (ESC) and "\xHH" for every other byte. Lines
// beginning with "#" are comments.
namespace LineRecording {

struct Record
{
    enum class Kind
    {
        Sent,
        Received,
        Event
    };
    qint64 ms = 0;
    Kind kind = Kind::Event;
    QByteArray bytes; // the bytes, or the event's text
};

extern const QByteArray Header;

QByteArray escape(const QByteArray &bytes);
// nullopt for a malformed escape.
std::optional<QByteArray> unescape(const QByteArray &text);
// The record's line, with its LF.
QByteArray format(const Record &record);
// nullopt for a comment, an empty line or a line that is no record.
std::optional<Record> parse(const QByteArray &line);
// The records of a file; false with the reason (file and line) when it cannot be read.
bool read(const QString &path, QList<Record> *records, QString *error);

} // namespace LineRecording
