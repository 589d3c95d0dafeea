#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QSocketNotifier;
class QTimer;

namespace simphone {

// The phone's end of a pseudo-terminal. It holds the slave side open itself, so the master
// never sees a hang-up while the client has the port closed, and keeps the slave raw, so
// the line discipline never echoes or translates.
class PtyLine : public QObject
{
    Q_OBJECT
public:
    explicit PtyLine(QObject *parent = nullptr);
    ~PtyLine() override;

    bool open(QString *error);
    // Closes both sides: a client's open slave sees a hang-up, and the device node goes.
    void close();
    bool isOpen() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }

    // Whatever the master cannot take now waits for it to drain.
    void write(const QByteArray &bytes);
    // Reads at most that many bytes a second, so the client's writes back up in the driver;
    // 0: as fast as they come.
    void setReadRate(int bytesPerSecond);

signals:
    void received(const QByteArray &bytes);

private:
    void readAvailable();
    void flush();

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QByteArray m_pending;
    int m_readRate = 0;
    QTimer *m_readPause = nullptr;
    QElapsedTimer m_paceClock;
    qint64 m_paceBytes = 0; // taken since m_paceClock started
};

} // namespace simphone
