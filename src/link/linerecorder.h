#pragma once

#include "linerecording.h"
#include "serialline.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>

class OperationLock;
class Supervisor;

// Records every byte that crosses the line, as it crosses, with the port, the phone and the
// operations around it (see LineRecording). Each record is on disk when it has happened, so a
// crash loses nothing before it.
class LineRecorder : public QObject
{
    Q_OBJECT
public:
    LineRecorder(SerialLine &line, Supervisor &supervisor, OperationLock &lock, QObject *parent = nullptr);

    // Replaces path; false with the reason when it cannot be written.
    bool start(const QString &path, QString *error);
    void stop();
    bool isRecording() const { return file_.isOpen(); }
    QString path() const { return file_.fileName(); }

    // A recording stops here; what it holds by then is kept.
    static constexpr qint64 MaxBytes = 50LL * 1024 * 1024;
    // Tests use a smaller one.
    void setLimit(qint64 bytes) { limit_ = bytes; }

signals:
    // The recording ended by itself (the size limit, a full disk); why, in words.
    void stopped(const QString &reason);

private:
    void record(LineRecording::Record::Kind kind, const QByteArray &bytes);
    void event(const QByteArray &text);
    void lineStateChanged();
    void actionChanged(qint16 action);

    SerialLine &line_;
    OperationLock &lock_;
    QFile file_;
    QElapsedTimer clock_; // from the port's opening
    qint64 written_ = 0;
    qint64 limit_ = MaxBytes;
    bool wasOpen_ = false;
    qint16 runningAction_ = 0;
};
