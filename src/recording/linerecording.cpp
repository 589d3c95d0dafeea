#include "linerecording.h"

#include <QCoreApplication>
#include <QFile>

namespace LineRecording {

const QByteArray Header = QByteArrayLiteral(
    "# Quenda line recording: ms since the port opened; > to the phone, < from the phone, # event\n");

QByteArray escape(const QByteArray &bytes)
{
    QByteArray text;
    text.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '\\':
            text += "\\\\";
            break;
        case '\r':
            text += "\\r";
            break;
        case '\n':
            text += "\\n";
            break;
        case 26:
            text += "\\z";
            break;
        case 27:
            text += "\\e";
            break;
        default:
            if (u >= 0x20 && u < 0x7F) {
                text += c;
            } else {
                text += "\\x";
                text += QByteArray::number(u, 16).rightJustified(2, '0').toUpper();
            }
        }
    }
    return text;
}

std::optional<QByteArray> unescape(const QByteArray &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != '\\') {
            bytes += text.at(i);
            continue;
        }
        if (++i >= text.size())
            return std::nullopt;
        switch (text.at(i)) {
        case '\\':
            bytes += '\\';
            break;
        case 'r':
            bytes += '\r';
            break;
        case 'n':
            bytes += '\n';
            break;
        case 'z':
            bytes += char(26);
            break;
        case 'e':
            bytes += char(27);
            break;
        case 'x': {
            const QByteArray hex = text.mid(i + 1, 2);
            bool ok = false;
            const int value = hex.toInt(&ok, 16);
            if (hex.size() != 2 || !ok)
                return std::nullopt;
            bytes += char(value);
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return bytes;
}

QByteArray format(const Record &record)
{
    const char mark = record.kind == Record::Kind::Sent       ? '>'
                      : record.kind == Record::Kind::Received ? '<'
                                                              : '#';
    const QByteArray body = record.kind == Record::Kind::Event ? record.bytes : escape(record.bytes);
    return QByteArray::number(record.ms) + ' ' + mark + ' ' + body + '\n';
}

std::optional<Record> parse(const QByteArray &line)
{
    QByteArray text = line;
    if (text.endsWith('\n'))
        text.chop(1);
    if (text.isEmpty() || text.startsWith('#'))
        return std::nullopt;
    const qsizetype space = text.indexOf(' ');
    if (space <= 0 || text.size() < space + 3 || text.at(space + 2) != ' ')
        return std::nullopt;
    bool ok = false;
    Record record;
    record.ms = text.left(space).toLongLong(&ok);
    if (!ok || record.ms < 0)
        return std::nullopt;
    const QByteArray body = text.mid(space + 3);
    switch (text.at(space + 1)) {
    case '>':
    case '<': {
        record.kind = text.at(space + 1) == '>' ? Record::Kind::Sent : Record::Kind::Received;
        const std::optional<QByteArray> bytes = unescape(body);
        if (!bytes)
            return std::nullopt;
        record.bytes = *bytes;
        return record;
    }
    case '#':
        record.kind = Record::Kind::Event;
        record.bytes = body;
        return record;
    default:
        return std::nullopt;
    }
}

bool read(const QString &path, QList<Record> *records, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    records->clear();
    for (int number = 1; !file.atEnd(); ++number) {
        const QByteArray line = file.readLine();
        const std::optional<Record> record = parse(line);
        if (record) {
            records->append(*record);
            continue;
        }
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith('#')) {
            //: A line of a recording file that is none of its records: the file, the line number
            *error = QCoreApplication::translate("LineRecording", "%1:%2: not a record of a line recording")
                         .arg(path, QString::number(number));
            return false;
        }
    }
    return true;
}

} // namespace LineRecording
