#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One RTTTL ringtone ("name:d=4,o=5,b=125:8g,8a,8p,16c6,4e.") as a melody file: digit notation,
// every note moved into the phone's range by whole octaves.
struct RtttlConversion
{
    int line = 0;            // where it stands in the text, from 1
    QString name;            // as the text gives it
    QString fileName;        // a name any file system takes, ending ".mdy"
    QStringList melodyLines; // NAME=, TEMPO=, one line per note; empty when not converted
    int notes = 0;           // pauses included
    int tempo = 0;           // quarter notes a minute
    QString failure;         // why it was not converted
    QStringList remarks;     // what changed on the way

    bool converted() const { return failure.isEmpty(); }
};

namespace Rtttl {

// Longer than any ringtone a phone of the time took, by far.
constexpr int MaxLength = 10000;

// Every line of the text that is not blank, as one ringtone.
QList<RtttlConversion> convertText(const QString &text);
RtttlConversion convert(const QString &ringtone);

QString fileNameFor(const QString &name);

} // namespace Rtttl
