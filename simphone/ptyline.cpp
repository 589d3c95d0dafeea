#include "ptyline.h"

#include <QTimer>

#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace simphone {

namespace {

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

void closeQuietly(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

PtyLine::PtyLine(QObject *parent) : QObject(parent) {}

PtyLine::~PtyLine()
{
    close();
}

bool PtyLine::open(QString *error)
{
    close();
    auto fail = [&](const char *what) {
        if (error)
            *error = systemError(what);
        closeQuietly(m_slave);
        closeQuietly(m_master);
        return false;
    };

    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return fail("posix_openpt");
    if (::grantpt(m_master) != 0)
        return fail("grantpt");
    if (::unlockpt(m_master) != 0)
        return fail("unlockpt");
    char name[128];
    if (::ptsname_r(m_master, name, sizeof name) != 0)
        return fail("ptsname");
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    if (::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK) != 0)
        return fail("fcntl");

    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slave < 0)
        return fail("open slave");
    termios tio{};
    if (::tcgetattr(m_slave, &tio) != 0)
        return fail("tcgetattr");
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B38400);
    ::cfsetospeed(&tio, B38400);
    if (::tcsetattr(m_slave, TCSANOW, &tio) != 0)
        return fail("tcsetattr");

    m_slavePath = QString::fromLocal8Bit(name);
    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &PtyLine::readAvailable);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &PtyLine::flush);
    return true;
}

void PtyLine::close()
{
    // Later, because close() may run from within a notifier's own signal.
    for (QSocketNotifier *notifier : {m_readNotifier, m_writeNotifier}) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
    m_readNotifier = nullptr;
    m_writeNotifier = nullptr;
    closeQuietly(m_slave);
    closeQuietly(m_master);
    m_slavePath.clear();
    m_pending.clear();
}

void PtyLine::write(const QByteArray &bytes)
{
    if (!isOpen() || bytes.isEmpty())
        return;
    m_pending += bytes;
    if (!m_writeNotifier->isEnabled())
        flush();
}

void PtyLine::flush()
{
    while (!m_pending.isEmpty()) {
        const ssize_t n = ::write(m_master, m_pending.constData(), size_t(m_pending.size()));
        if (n > 0) {
            m_pending.remove(0, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            m_writeNotifier->setEnabled(true);
            return;
        }
        // Anything else means the line is gone; what was meant for it is lost with it.
        m_pending.clear();
        break;
    }
    m_writeNotifier->setEnabled(false);
}

void PtyLine::setReadRate(int bytesPerSecond)
{
    m_readRate = qMax(0, bytesPerSecond);
}

void PtyLine::readAvailable()
{
    char buffer[4096];
    while (true) {
        // Paced: a few bytes, then the notifier rests for as long as they take on the line.
        const size_t wanted = m_readRate > 0 ? size_t(qBound(1, m_readRate / 100, 64)) : sizeof buffer;
        const ssize_t n = ::read(m_master, buffer, wanted);
        if (n > 0) {
            emit received(QByteArray(buffer, int(n)));
            // A handler may have closed the line.
            if (!isOpen())
                return;
            if (m_readRate > 0) {
                // The pace counts from the first byte after a rest, so a timer that fires late
                // is made up for by the next pause instead of slowing the phone down.
                const auto dueMs = [this] { return m_paceBytes * 1000 / m_readRate; };
                if (!m_paceClock.isValid() || m_paceClock.elapsed() > dueMs() + 100) {
                    m_paceClock.start();
                    m_paceBytes = 0;
                }
                m_paceBytes += n;
                if (!m_readPause) {
                    m_readPause = new QTimer(this);
                    m_readPause->setSingleShot(true);
                    connect(m_readPause, &QTimer::timeout, this, [this] {
                        if (m_readNotifier)
                            m_readNotifier->setEnabled(true);
                    });
                }
                m_readNotifier->setEnabled(false);
                m_readPause->start(int(qMax<qint64>(1, dueMs() - m_paceClock.elapsed())));
                return;
            }
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        // EIO with no slave open at all; ours always is, but never spin on it.
        m_readNotifier->setEnabled(false);
        return;
    }
}

} // namespace simphone
