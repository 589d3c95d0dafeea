#include "soundcardoutput.h"

#include "ringtones/tonesynth.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

SoundCardOutput::SoundCardOutput(QObject *parent) : AudioOutput(parent) {}

SoundCardOutput::~SoundCardOutput()
{
    stop();
}

bool SoundCardOutput::play(const QByteArray &pcm, QString *error)
{
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        *error = tr("No sound output found: there is no sound card, or no sound server running.");
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(ToneSynth::SampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        *error = tr("The sound output \"%1\" does not take 16-bit mono sound at %2 Hz.")
                     .arg(device.description(), QString::number(ToneSynth::SampleRate));
        return false;
    }
    pcm_ = pcm;
    buffer_.setBuffer(&pcm_);
    buffer_.open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(device, format, this);
    connect(sink_, &QAudioSink::stateChanged, this, &SoundCardOutput::stateChanged);
    sink_->start(&buffer_);
    if (sink_->error() != QAudio::NoError) {
        *error = describe(sink_->error());
        stop();
        return false;
    }
    return true;
}

void SoundCardOutput::stop()
{
    if (sink_) {
        disconnect(sink_, nullptr, this, nullptr);
        sink_->stop();
        // It may be in the middle of telling us its state.
        sink_->deleteLater();
        sink_ = nullptr;
    }
    buffer_.close();
}

void SoundCardOutput::stateChanged(QAudio::State state)
{
    // Idle before the end is a late buffer; the sound goes on once it is filled.
    if (state == QAudio::IdleState && buffer_.atEnd()) {
        stop();
        emit finished();
    } else if (state == QAudio::StoppedState && sink_ && sink_->error() != QAudio::NoError) {
        const QString reason = describe(sink_->error());
        stop();
        emit failed(reason);
    }
}

QString SoundCardOutput::describe(QAudio::Error error)
{
    switch (error) {
    case QAudio::OpenError:
        return tr("The sound output could not be opened; another program may hold it.");
    case QAudio::IOError:
        return tr("The sound output stopped taking sound.");
    case QAudio::UnderrunError:
        return tr("The sound output ran dry.");
    case QAudio::FatalError:
        return tr("The sound output failed.");
    case QAudio::NoError:
        break;
    }
    return QString();
}
