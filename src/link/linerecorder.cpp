#include "linerecorder.h"

#include "operationlock.h"
#include "supervisor.h"

#include <QLocale>

LineRecorder::LineRecorder(SerialLine &line, Supervisor &supervisor, OperationLock &lock, QObject *parent)
    : QObject(parent), line_(line), lock_(lock)
{
    using Kind = LineRecording::Record::Kind;
    connect(&line, &SerialLine::bytesCrossed, this,
            [this](SerialLine::Direction direction, const QByteArray &bytes) {
                record(direction == SerialLine::Direction::Sent ? Kind::Sent : Kind::Received, bytes);
            });
    connect(&line, &SerialLine::lineStateChanged, this, &LineRecorder::lineStateChanged);
    connect(&supervisor, &Supervisor::lost, this, [this] { event("phone lost"); });
    connect(&supervisor, &Supervisor::connected, this, [this] { event("phone greeted"); });
    connect(&lock, &OperationLock::actionChanged, this, &LineRecorder::actionChanged);
    connect(&lock, &OperationLock::cancelRequested, this, [this] { event("cancel"); });
}

bool LineRecorder::start(const QString &path, QString *error)
{
    stop();
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        *error = file_.errorString();
        return false;
    }
    clock_.start();
    written_ = file_.write(LineRecording::Header);
    wasOpen_ = line_.isOpen();
    runningAction_ = lock_.isBusy() ? lock_.action() : 0;
    if (wasOpen_)
        event("port already open: " + line_.deviceName().toUtf8());
    return isRecording();
}

void LineRecorder::stop()
{
    if (!isRecording())
        return;
    event("recording stopped");
    file_.close();
}

void LineRecorder::event(const QByteArray &text)
{
    record(LineRecording::Record::Kind::Event, text);
}

void LineRecorder::record(LineRecording::Record::Kind kind, const QByteArray &bytes)
{
    if (!isRecording())
        return;
    const QByteArray text = LineRecording::format({clock_.elapsed(), kind, bytes});
    if (written_ + text.size() > limit_) {
        const QString size = QLocale::c().formattedDataSize(limit_, 0, QLocale::DataSizeTraditionalFormat);
        file_.write(LineRecording::format({clock_.elapsed(), LineRecording::Record::Kind::Event,
                                           "recording stopped: it reached " + size.toUtf8()}));
        file_.close();
        emit stopped(tr("The recording of the line stopped at %1: %2").arg(size, path()));
        return;
    }
    if (file_.write(text) != text.size()) {
        const QString reason = file_.errorString();
        file_.close();
        emit stopped(tr("The recording of the line stopped: %1").arg(reason));
        return;
    }
    written_ += text.size();
}

void LineRecorder::lineStateChanged()
{
    const bool open = line_.isOpen();
    if (open == wasOpen_)
        return;
    wasOpen_ = open;
    if (open) {
        clock_.restart();
        event("port opened: " + line_.deviceName().toUtf8());
    } else {
        event("port closed");
    }
}

void LineRecorder::actionChanged(qint16 action)
{
    const bool busy = action != OperationLock::NoPhone && action != OperationLock::Idle;
    if (busy && action != runningAction_) {
        runningAction_ = action;
        event("operation " + QByteArray::number(action) + ": " + OperationLock::stateText(action).toUtf8());
    } else if (!busy && runningAction_ != 0) {
        runningAction_ = 0;
        event("operation ended");
    }
}
