#include "replayphone.h"

#include "recording/linerecording.h"

namespace simphone {

namespace {

bool endsUnit(char c)
{
    return c == '\r' || c == 26 || c == 27;
}

} // namespace

ReplayPhone::ReplayPhone(QObject *parent)
    : QObject(parent), pacer_([this](const QByteArray &bytes) { line_.write(bytes); })
{
    connect(&line_, &PtyLine::received, this, &ReplayPhone::take);
}

bool ReplayPhone::load(const QString &recording, QString *error)
{
    using LineRecording::Record;
    QList<Record> records;
    if (!LineRecording::read(recording, &records, error))
        return false;
    turns_.clear();
    QByteArray unit;
    qint64 lastMs = 0;
    for (const Record &record : std::as_const(records)) {
        switch (record.kind) {
        case Record::Kind::Sent:
            for (const char c : record.bytes) {
                // As the phone takes it: a line feed after a CR begins no command.
                if (unit.isEmpty() && c == '\n')
                    continue;
                unit += c;
                if (endsUnit(c)) {
                    turns_.append({std::exchange(unit, {}), {}, false});
                    lastMs = record.ms;
                }
            }
            break;
        case Record::Kind::Received:
            // Before the first command nobody listens yet: the client drains the line.
            if (!turns_.isEmpty())
                turns_.last().answer.append({int(qMax<qint64>(0, record.ms - lastMs)), record.bytes});
            lastMs = record.ms;
            break;
        case Record::Kind::Event:
            if (record.bytes.startsWith("port opened"))
                lastMs = record.ms;
            break;
        }
    }
    if (turns_.isEmpty()) {
        *error = recording + QStringLiteral(": the recording holds no command");
        return false;
    }
    return true;
}

bool ReplayPhone::start(QString *error)
{
    return line_.isOpen() || line_.open(error);
}

void ReplayPhone::take(const QByteArray &bytes)
{
    for (const char c : bytes) {
        // A line feed after a command's CR begins no command.
        if (pending_.isEmpty() && c == '\n')
            continue;
        pending_ += c;
        if (endsUnit(c))
            answer(std::exchange(pending_, {}));
    }
}

int ReplayPhone::turnFor(const QByteArray &unit)
{
    for (int k = next_; k < turns_.size(); ++k) {
        if (!turns_.at(k).used && turns_.at(k).unit == unit) {
            next_ = k + 1;
            return k;
        }
    }
    for (int k = int(turns_.size()) - 1; k >= 0; --k) {
        if (turns_.at(k).unit == unit)
            return k;
    }
    return -1;
}

void ReplayPhone::answer(const QByteArray &unit)
{
    const int k = turnFor(unit);
    if (k < 0) {
        emit unknownCommand(unit);
        pacer_.queue({{0, QByteArrayLiteral("\r\nERROR\r\n")}});
        return;
    }
    turns_[k].used = true;
    pacer_.queue(turns_.at(k).answer);
}

} // namespace simphone
