#pragma once

#include <QString>
#include <QStringList>

class MessageBoxes;

// Writes a melody file into folder for each ringtone of an RTTTL text, asking before it
// replaces a file. One report line per ringtone, of what became of it.
QStringList ImportRtttl(const QString &text, const QString &folder, MessageBoxes &boxes);
