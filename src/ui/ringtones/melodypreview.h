#pragma once

#include "audiooutput.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

class RingtonesPage;
class QWidget;

// Play/Stop and "Save as WAV..." of the "Ringtones On PC" frame: the chosen melody file as the
// phone would play it after an upload with the page's "Increase Tone Height" setting. The sound
// stops when another file is chosen and when the page is left.
class MelodyPreview : public QObject
{
    Q_OBJECT
public:
    MelodyPreview(RingtonesPage &page, QWidget *window);
    ~MelodyPreview() override;

    // Where the sound goes; nullptr brings back the sound card.
    void setAudioOutput(AudioOutput *output);
    bool playing() const { return playing_; }

    void cmdPlay_Click();
    void cmdSaveWav_Click();
    void stop();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The chosen file's sound and what to show while it plays, or nothing with the reason shown.
    std::optional<QByteArray> sound(QString *playing);
    AudioOutput &output();
    void ended(const QString &text);
    void showState(bool playing, const QString &text);

    RingtonesPage &page_;
    QWidget *window_;
    std::unique_ptr<AudioOutput> soundCard_;
    QPointer<AudioOutput> output_;
    bool playing_ = false;
};
