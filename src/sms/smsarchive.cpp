#include "smsarchive.h"

#include "text/cp1252.h"
#include "text/textfile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString SendLabel = QStringLiteral("Send Message");
const QString UnsendLabel = QStringLiteral("Unsend Message");
const QString NumberPrefix = QStringLiteral("Number: ");
const QString NamePrefix = QStringLiteral("Name:   ");
const QString LineEnd = QStringLiteral("\r\n");

// The date key as it stands; of a label only its words, as its number changes from download
// to download.
QString keyLine(const QString &key)
{
    if (key.size() > 2 && key.at(2) == QLatin1Char('/'))
        return key;
    if (key.startsWith(QLatin1Char('S')))
        return SendLabel;
    if (key.startsWith(QLatin1Char('U')))
        return UnsendLabel;
    return key;
}

// The matcher skips empty lines, so a text is recognised by its first line that is not.
QString textToMatch(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size() &&
           (text.at(start) == QLatin1Char('\r') || text.at(start) == QLatin1Char('\n')))
        ++start;
    return text.mid(start);
}

bool append(QFile &file, const QString &text)
{
    const QByteArray bytes = Cp1252::encode(text);
    return file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

SmsArchive::SmsArchive(const QString &path) : path_(path) {}

bool SmsArchive::prepare(const QString &path)
{
    if (QFileInfo(path).isFile())
        return true;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.close();
    return QFileInfo(path).isFile();
}

QString SmsArchive::recordOf(const SMSRecord &message)
{
    return LineEnd + keyLine(message.key) + LineEnd + NumberPrefix + message.number + LineEnd + message.text +
           LineEnd + NamePrefix + message.name + LineEnd;
}

SmsArchive::Contents::Contents(const QList<SMSRecord> &messages, const QStringList &lines)
{
    for (const SMSRecord &message : messages)
        starts_.insert(message.key, {});
    starts_.insert(SendLabel, {});
    starts_.insert(UnsendLabel, {});
    add(lines);
}

void SmsArchive::Contents::add(const QStringList &lines)
{
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        const auto start = starts_.find(line);
        if (start != starts_.end())
            start->append(static_cast<int>(lines_.size()));
        lines_.append(line);
    }
}

bool SmsArchive::Contents::holds(const SMSRecord &message) const
{
    // Only lines equal to the key or to its label can start a record. A started record takes
    // the next line as its number and, when that fits, the one after as its text; neither can
    // start another record, so candidates inside a started record are passed over.
    QList<int> candidates = starts_.value(message.key);
    if (message.key.startsWith(SendLabel))
        candidates += starts_.value(SendLabel);
    if (message.key.startsWith(UnsendLabel))
        candidates += starts_.value(UnsendLabel);
    std::sort(candidates.begin(), candidates.end());

    const QString text = textToMatch(message.text);
    int busyUntil = -1;
    for (const int start : std::as_const(candidates)) {
        if (start <= busyUntil)
            continue;
        busyUntil = start + 1;
        if (start + 1 >= lines_.size())
            break;
        const QString number = lines_.at(start + 1).mid(8);
        if (number != message.number && !(number == UnsendLabel && message.number.startsWith(UnsendLabel)))
            continue;
        busyUntil = start + 2;
        if (start + 2 >= lines_.size())
            break;
        const QString &line = lines_.at(start + 2);
        // A record of an empty text has no text line: its name line follows the number.
        if (text.isEmpty() ? line.startsWith(NamePrefix) : text.startsWith(line))
            return true;
    }
    return false;
}

bool SmsArchive::archive(const QList<SMSRecord> &messages, QString *error) const
{
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    bool readable = false;
    Contents contents(messages, TextFile::readLines(path_, &readable));
    if (!readable) {
        if (error)
            *error = QStringLiteral("cannot be read");
        return false;
    }
    for (const SMSRecord &message : messages) {
        if (contents.holds(message))
            continue;
        const QString record = recordOf(message);
        if (!append(file, record)) {
            if (error)
                *error = file.errorString();
            return false;
        }
        // Later messages of this download are matched against it too.
        contents.add(record.split(LineEnd));
    }
    return true;
}
