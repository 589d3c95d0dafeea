#include "replypacer.h"

namespace simphone {

ReplyPacer::ReplyPacer(std::function<void(const QByteArray &)> write, QObject *parent)
    : QObject(parent), m_write(std::move(write))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ReplyPacer::writeNext);
}

void ReplyPacer::queue(const QList<Piece> &pieces)
{
    if (pieces.isEmpty())
        return;
    m_items.append(Item{pieces, 0, false});
    pump();
}

void ReplyPacer::sendBetween(const QByteArray &bytes)
{
    if (m_items.isEmpty() || m_items.first().written == 0) {
        m_write(bytes);
        return;
    }
    int at = 1;
    while (at < m_items.size() && m_items.at(at).between)
        ++at;
    m_items.insert(at, Item{{Piece{0, bytes}}, 0, true});
}

void ReplyPacer::clear()
{
    m_timer.stop();
    m_items.clear();
}

void ReplyPacer::pump()
{
    while (!m_items.isEmpty() && !m_timer.isActive()) {
        Item &head = m_items.first();
        if (head.written == head.pieces.size()) {
            m_items.removeFirst();
            continue;
        }
        const Piece &next = head.pieces.at(head.written);
        if (next.pauseMs > 0) {
            m_timer.start(next.pauseMs);
            return;
        }
        ++head.written;
        m_write(next.bytes);
    }
}

void ReplyPacer::writeNext()
{
    if (m_items.isEmpty())
        return;
    Item &head = m_items.first();
    const QByteArray bytes = head.pieces.at(head.written).bytes;
    ++head.written;
    m_write(bytes);
    pump();
}

} // namespace simphone
