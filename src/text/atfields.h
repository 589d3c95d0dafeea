#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// The parameters of a command line or of an information line, as the phone writes them:
// 1,"+4917012",145,"Anna". A quoted field runs to the next double quote (there are no escapes)
// and holds what lies between; an unquoted one (a number, a PDU, UCS2 hex) is taken as it
// stands, without the white space around it. Spaces after a comma are no part of a field,
// ",," holds an empty one and a blank list none at all.
namespace AtFields {

struct Field
{
    QString text;
    bool quoted = false;

    // A whole decimal number; none for a quoted or an empty field.
    std::optional<int> toNumber() const;
};

using Fields = QList<Field>;

// None when the list is malformed: a quote left open, anything but spaces between a closing
// quote and the next comma, or a quote inside an unquoted field.
std::optional<Fields> split(QStringView list);
// Bytes as Latin-1, which keeps each of them: Field::text.toLatin1() gives them back.
std::optional<Fields> split(const QByteArray &list);

// The fields after prefix ("+CPBR:") of a line that begins with it, its line end left out;
// none for another line.
std::optional<Fields> ofLine(QStringView line, QStringView prefix);
// The line of a reply that holds prefix, from prefix to the line's end; empty without one.
QStringView lineOf(QStringView reply, QStringView prefix);

} // namespace AtFields
