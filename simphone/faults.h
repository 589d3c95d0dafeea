#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

#include "reply.h"

namespace simphone {

// How the phone's output crosses the cable: in pieces of at most pieceBytes (random sizes from
// 1 up to it when randomPieces), each taking its time at bytesPerSecond. A piece never leaves
// less than 1 ms after the one before, so a reader gets it on its own. pieceBytes 0: whole.
struct LinePace
{
    int bytesPerSecond = 0; // 0: as fast as the pieces allow
    int pieceBytes = 0;
    bool randomPieces = false;

    bool whole() const { return pieceBytes <= 0; }
};

// How the phone and its cable behave on the line, as a scenario or the command line sets it.
struct LineBehaviour
{
    LinePace pace;
    int readRate = 0; // bytes a second the phone takes in; 0: at once
    int replyDelayMs = 0;
    int strayPercent = 0;
};

// What is wrong with the phone or its cable at the moment.
struct Faults
{
    bool unplugged = false;
    QList<QPair<QByteArray, QByteArray>> failures; // upper-case command prefix, result line
    QByteArray textFailure;                        // result line for every text after a prompt
    int replyDelayMs = 0;
    QList<QPair<QByteArray, int>> lateCommands; // upper-case command prefix, delay in ms
    int strayPercent = 0;                       // chance that a reply brings an unsolicited code along
    QByteArray splitMarker;
    int splitPauseMs = 0;
    QList<Insertion> intoNextReply;
    quint32 noiseSeed = 0x2545F491u; // fixed, so garbage is the same on every run

    // The result line that replaces the answer to line, or empty.
    QByteArray failureFor(const QByteArray &line) const;
    QByteArray nextGarbage(int count);
    // The delay before the answer to line.
    int delayFor(const QByteArray &line) const;
    // A number from 0 to bound - 1, from the same fixed sequence as the garbage.
    int nextRandom(int bound);
};

} // namespace simphone
