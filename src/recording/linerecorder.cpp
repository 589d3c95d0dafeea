#include "linerecorder.h"

#include <QLocale>

LineRecorder::LineRecorder(QObject *parent) : QObject(parent) {}

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
    if (portOpen_)
        note("port already open: " + device_.toUtf8());
    return isRecording();
}

void LineRecorder::stop()
{
    if (!isRecording())
        return;
    note("recording stopped");
    file_.close();
}

void LineRecorder::note(const QByteArray &text)
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

void LineRecorder::portStateChanged(bool open, const QString &device)
{
    if (open == portOpen_)
        return;
    portOpen_ = open;
    device_ = device;
    if (open) {
        clock_.restart();
        note("port opened: " + device.toUtf8());
    } else {
        note("port closed");
    }
}

void LineRecorder::operationChanged(qint16 code, const QString &name)
{
    if (code != 0 && code != runningAction_) {
        runningAction_ = code;
        note("operation " + QByteArray::number(code) + ": " + name.toUtf8());
    } else if (code == 0 && runningAction_ != 0) {
        runningAction_ = 0;
        note("operation ended");
    }
}
