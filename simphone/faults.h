#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

#include "reply.h"

namespace simphone {

// What is wrong with the phone or its cable at the moment.
struct Faults
{
    bool unplugged = false;
    QList<QPair<QByteArray, QByteArray>> failures; // upper-case command prefix, result line
    QByteArray textFailure;                        // result line for every text after a prompt
    int replyDelayMs = 0;
    QByteArray splitMarker;
    int splitPauseMs = 0;
    QList<Insertion> intoNextReply;
    quint32 noiseSeed = 0x2545F491u; // fixed, so garbage is the same on every run

    // The result line that replaces the answer to line, or empty.
    QByteArray failureFor(const QByteArray &line) const;
    QByteArray nextGarbage(int count);
};

} // namespace simphone
