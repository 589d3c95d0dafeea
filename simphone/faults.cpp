#include "faults.h"

namespace simphone {

QByteArray Faults::failureFor(const QByteArray &line) const
{
    const QByteArray upper = line.toUpper();
    for (const auto &failure : failures) {
        if (upper.startsWith(failure.first))
            return failure.second;
    }
    return {};
}

int Faults::delayFor(const QByteArray &line) const
{
    const QByteArray upper = line.toUpper();
    for (const auto &late : lateCommands) {
        if (upper.startsWith(late.first))
            return late.second;
    }
    return replyDelayMs;
}

int Faults::nextRandom(int bound)
{
    noiseSeed = noiseSeed * 1664525u + 1013904223u;
    return bound <= 1 ? 0 : int((noiseSeed >> 8) % quint32(bound));
}

QByteArray Faults::nextGarbage(int count)
{
    QByteArray bytes;
    bytes.reserve(count);
    for (int i = 0; i < count; ++i) {
        noiseSeed = noiseSeed * 1664525u + 1013904223u;
        char c = char(noiseSeed >> 24);
        // Without a 'K' no "OK" can ever end a client's wait by accident.
        if (c == 'K')
            c = 'J';
        bytes.append(c);
    }
    return bytes;
}

} // namespace simphone
