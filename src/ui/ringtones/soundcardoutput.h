#pragma once

#include "audiooutput.h"

#include <QAudio>
#include <QBuffer>
#include <QPointer>

class QAudioSink;

// The preview's sound through the system's default audio output (Qt Multimedia).
class SoundCardOutput : public AudioOutput
{
    Q_OBJECT
public:
    explicit SoundCardOutput(QObject *parent = nullptr);
    ~SoundCardOutput() override;

    bool play(const QByteArray &pcm, QString *error) override;
    void stop() override;

private:
    void stateChanged(QAudio::State state);
    static QString describe(QAudio::Error error);

    QByteArray pcm_;
    QBuffer buffer_;
    QPointer<QAudioSink> sink_;
};
