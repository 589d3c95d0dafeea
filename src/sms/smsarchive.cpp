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
    for (const SMSRecord &message : messages) {
        const int index = static_cast<int>(matches_.size());
        matches_.append({message, textToMatch(message.text)});
        startedBy_[message.key].append(index);
        if (message.key.startsWith(SendLabel))
            startedBy_[SendLabel].append(index);
        if (message.key.startsWith(UnsendLabel))
            startedBy_[UnsendLabel].append(index);
    }
    add(lines);
}

void SmsArchive::Contents::add(const QStringList &lines)
{
    for (const QString &line : lines)
        add(line);
}

void SmsArchive::Contents::add(const QString &line)
{
    if (line.isEmpty())
        return;
    QList<int> stillIn;
    QList<int> justLeft;
    for (const int index : std::as_const(inRecord_)) {
        Match &match = matches_[index];
        const SMSRecord &message = match.message;
        if (++match.linesIntoRecord == 1) {
            const QString number = line.mid(NumberPrefix.size());
            if (number == message.number ||
                (number == UnsendLabel && message.number.startsWith(UnsendLabel))) {
                stillIn.append(index);
                continue;
            }
        } else if (match.text.isEmpty() ? line.startsWith(NamePrefix) : match.text.startsWith(line)) {
            // A record of an empty text has no text line: its name line follows the number.
            match.held = true;
        }
        match.linesIntoRecord = -1;
        justLeft.append(index);
    }
    inRecord_ = stillIn;
    const auto started = startedBy_.constFind(line);
    if (started == startedBy_.constEnd())
        return;
    for (const int index : *started) {
        Match &match = matches_[index];
        // A line its own record took cannot start another one of it.
        if (match.held || match.linesIntoRecord >= 0 || justLeft.contains(index))
            continue;
        match.linesIntoRecord = 0;
        inRecord_.append(index);
    }
}

bool SmsArchive::Contents::holds(const SMSRecord &message) const
{
    for (const Match &match : matches_) {
        if (match.held && match.message.key == message.key && match.message.number == message.number &&
            match.message.text == message.text)
            return true;
    }
    return false;
}

bool SmsArchive::archive(const QList<SMSRecord> &messages, QString *error) const
{
    // A device or a pipe would be read without end (/dev/zero) or swallow the records.
    if (QFileInfo::exists(path_) && !QFileInfo(path_).isFile()) {
        if (error)
            *error = tr("is not a regular file");
        return false;
    }
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    Contents contents(messages);
    if (!TextFile::forEachLine(path_, [&contents](const QString &line) { contents.add(line); })) {
        if (error)
            *error = tr("cannot be read");
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
