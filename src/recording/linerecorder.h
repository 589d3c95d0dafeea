#pragma once

#include "linerecording.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>

// Records every byte that crosses the line, as it crosses, with the port, the phone and the
// operations around it (see LineRecording). Each record is on disk when it has happened, so a
// crash loses nothing before it. The link tells it what happens; it follows the port and the
// operation running even while it does not record, so a recording started late says where it
// begins.
class LineRecorder : public QObject
{
    Q_OBJECT
public:
    explicit LineRecorder(QObject *parent = nullptr);

    // Replaces path; false with the reason when it cannot be written.
    bool start(const QString &path, QString *error);
    void stop();
    bool isRecording() const { return file_.isOpen(); }
    QString path() const { return file_.fileName(); }

    // A recording stops here; what it holds by then is kept.
    static constexpr qint64 MaxBytes = 50LL * 1024 * 1024;
    // Tests use a smaller one.
    void setLimit(qint64 bytes) { limit_ = bytes; }

    // What crossed the line, and what happened around it.
    void bytesSent(const QByteArray &bytes) { record(LineRecording::Record::Kind::Sent, bytes); }
    void bytesReceived(const QByteArray &bytes) { record(LineRecording::Record::Kind::Received, bytes); }
    void portStateChanged(bool open, const QString &device);
    // code: the operation that holds the line now, 0 while none does.
    void operationChanged(qint16 code, const QString &name);
    void note(const QByteArray &text);

signals:
    // The recording ended by itself (the size limit, a full disk); why, in words.
    void stopped(const QString &reason);

private:
    void record(LineRecording::Record::Kind kind, const QByteArray &bytes);

    QFile file_;
    QElapsedTimer clock_; // from the port's opening
    qint64 written_ = 0;
    qint64 limit_ = MaxBytes;
    bool portOpen_ = false;
    QString device_;
    qint16 runningAction_ = 0;
};
