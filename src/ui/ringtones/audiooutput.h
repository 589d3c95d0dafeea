#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// Where the melody preview's sound goes: the sound card, or a recorder in tests.
class AudioOutput : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts playing 16-bit mono PCM at ToneSynth::SampleRate; false, with the reason in words,
    // when it cannot.
    virtual bool play(const QByteArray &pcm, QString *error) = 0;
    // Ends the sound at once, without finished.
    virtual void stop() = 0;

signals:
    // All of it was played.
    void finished();
    // The sound ended early because the output gave up.
    void failed(const QString &reason);
};
