#pragma once

#include <QString>

class PhoneMelodies;
struct MelodyFile;

// Writes a melody file into a melody slot of the phone: the header line, every line of the
// file without waiting, Ctrl-Z, then the phone's "OK"; the list is read again afterwards.
class MelodyUploader
{
public:
    explicit MelodyUploader(PhoneMelodies &melodies);

    // slotText as the slot box holds it; raise when "Increase Tone Height" is ticked.
    void UploadMelody(const QString &slotText, const QString &path, bool raise);

    // Why the phone would refuse the upload, before anything is sent: a slot it does not have, no
    // tempo, a line that is a command. Empty when there is nothing.
    static QString problemBeforeSending(const QString &slotText, const MelodyFile &melody, bool raise);

private:
    PhoneMelodies &melodies_;
};
