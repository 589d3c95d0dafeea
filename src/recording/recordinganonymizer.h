#pragma once

#include "linerecording.h"

#include <QHash>
#include <QList>

// Makes a line recording fit to share: the names, numbers and message texts in it (in both
// directions, echoes included) become placeholders of the same length and kind of character,
// the same original always the same placeholder, so the recording still replays the same
// conversation. Record boundaries and times stay as they were.
class RecordingAnonymizer
{
public:
    QList<LineRecording::Record> anonymize(const QList<LineRecording::Record> &records);

    // The placeholder for a piece of private text: digits stay digits, letters letters of the
    // same case, other bytes above ASCII become letters; spaces, signs and line ends stay.
    QByteArray placeholderFor(const QByteArray &original);

private:
    // The stream of one direction with the private spans replaced.
    QByteArray anonymizeStream(QByteArray stream);

    QHash<QByteArray, QByteArray> placeholders_;
};
