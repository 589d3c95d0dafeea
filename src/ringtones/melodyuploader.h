#pragma once

#include "link/atexchange.h"
#include "link/operationresult.h"

#include <QCoreApplication>
#include <QString>

class PhoneMelodies;
struct MelodyFile;

// Writes a melody file into a melody slot of the phone: the header line, its pause, the first
// note and its pause, the other lines without waiting, Ctrl-Z, then the phone's "OK"; the list
// is read again afterwards.
class MelodyUploader
{
    Q_DECLARE_TR_FUNCTIONS(MelodyUploader)

public:
    explicit MelodyUploader(PhoneMelodies &melodies);

    // slotText as the slot box holds it; raise when "Increase Tone Height" is ticked. Done once
    // the phone stored the melody and its list was read again (the result of that reading).
    OperationResult UploadMelody(const QString &slotText, const QString &path, bool raise);

    // Why the phone would refuse the upload, before anything is sent: a slot it does not have, no
    // tempo, a line that is a command. Empty when there is nothing.
    static QString problemBeforeSending(const QString &slotText, const MelodyFile &melody, bool raise);

private:
    OperationResult upload(const QString &slotText, const QString &path, bool raise);
    // What a step of the upload makes of its reply: true to go on. A refusal ends the upload
    // naming refusal; without an answer in time the phone's entry is ended and the phone asked
    // whether it is there; a Cancel ends the entry unsaved when entryOpenIfCancelled.
    bool stepAnswered(const AtExchange::Reply &reply, const QString &refusal, bool entryOpenIfCancelled);

    PhoneMelodies &melodies_;
};
