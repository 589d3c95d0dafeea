#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

namespace simphone {

// Puts the phone's output on the line in order, each piece after its own pause. With no
// pause and nothing waiting, a piece is written at once, so undelayed replies leave from
// within the read handler.
class ReplyPacer : public QObject
{
    Q_OBJECT
public:
    struct Piece
    {
        int pauseMs = 0;
        QByteArray bytes;
    };

    explicit ReplyPacer(std::function<void(const QByteArray &)> write, QObject *parent = nullptr);

    // One reply (or echo) made of pieces that stay together.
    void queue(const QList<Piece> &pieces);
    // At once, ahead of replies still waiting for their pause; never inside a reply of
    // which a part is already out.
    void sendBetween(const QByteArray &bytes);
    void clear();

private:
    struct Item
    {
        QList<Piece> pieces;
        int written = 0;
        bool between = false;
    };

    void pump();
    void writeNext();

    std::function<void(const QByteArray &)> m_write;
    QList<Item> m_items;
    QTimer m_timer;
};

} // namespace simphone
