#include "melodypreview.h"

#include "ringtonespage.h"
#include "soundcardoutput.h"
#include "ui/widgets/filelist.h"

#include "ringtones/melodyevents.h"
#include "ringtones/melodyfile.h"
#include "ringtones/tonesynth.h"
#include "ringtones/wavfile.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

MelodyPreview::MelodyPreview(RingtonesPage &page, QWidget *window)
    : QObject(window), page_(page), window_(window)
{
    connect(page_.cmdPlay, &QPushButton::clicked, this, &MelodyPreview::cmdPlay_Click);
    connect(page_.cmdSaveWav, &QPushButton::clicked, this, &MelodyPreview::cmdSaveWav_Click);
    connect(page_.FileMDY, &QListWidget::currentRowChanged, this, &MelodyPreview::stop);
    page_.installEventFilter(this);
}

// The page may be gone already: the window deletes it first.
MelodyPreview::~MelodyPreview()
{
    if (playing_ && output_)
        output_->stop();
}

void MelodyPreview::setAudioOutput(AudioOutput *output)
{
    stop();
    if (output_)
        disconnect(output_, nullptr, this, nullptr);
    output_ = output;
    if (!output_)
        return;
    connect(output_, &AudioOutput::finished, this, [this] { ended(QString()); });
    connect(output_, &AudioOutput::failed, this, &MelodyPreview::ended);
}

AudioOutput &MelodyPreview::output()
{
    // Made on first use only: it reaches for the sound system.
    if (!output_) {
        soundCard_ = std::make_unique<SoundCardOutput>();
        setAudioOutput(soundCard_.get());
    }
    return *output_;
}

void MelodyPreview::cmdPlay_Click()
{
    if (playing_) {
        stop();
        return;
    }
    QString name;
    const std::optional<QByteArray> pcm = sound(&name);
    if (!pcm)
        return;
    QString error;
    if (!output().play(*pcm, &error)) {
        showState(false, error);
        return;
    }
    showState(true, QStringLiteral("Playing ") + name);
}

void MelodyPreview::cmdSaveWav_Click()
{
    stop();
    QString name;
    const std::optional<QByteArray> pcm = sound(&name);
    if (!pcm)
        return;
    const QFileInfo melody(page_.txtMelody->text());
    QFileDialog dialog(window_, QStringLiteral("Save Melody as WAV"),
                       melody.dir().filePath(melody.completeBaseName() + QStringLiteral(".wav")),
                       QStringLiteral("WAV sound (*.wav)"));
    dialog.setObjectName(QStringLiteral("dlgSaveWav"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("wav"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    QString error;
    if (WavFile::write(path, *pcm, &error))
        showState(false, QStringLiteral("Saved as ") + QDir::toNativeSeparators(path));
    else
        showState(false, QStringLiteral("Could not save %1: %2").arg(QDir::toNativeSeparators(path), error));
}

void MelodyPreview::stop()
{
    if (!playing_)
        return;
    output().stop();
    showState(false, QString());
}

bool MelodyPreview::eventFilter(QObject *watched, QEvent *event)
{
    // Another tab or the window closing; a minimized window (a spontaneous hide) plays on.
    if (watched == &page_ && event->type() == QEvent::Hide && !event->spontaneous())
        stop();
    return QObject::eventFilter(watched, event);
}

std::optional<QByteArray> MelodyPreview::sound(QString *name)
{
    const QString path = page_.txtMelody->text();
    if (path.isEmpty()) {
        showState(false, QStringLiteral("Choose a melody file first."));
        return std::nullopt;
    }
    const std::optional<MelodyFile> melody = ReadMelodyFile(path);
    const QString fileName = QFileInfo(path).fileName();
    if (!melody) {
        showState(false, fileName + QStringLiteral(" cannot be read."));
        return std::nullopt;
    }
    const bool raiseTicked = page_.chkInc->isChecked();
    const QList<ToneEvent> events = MelodyEvents(*melody, raiseTicked);
    if (events.isEmpty()) {
        showState(false, fileName + QStringLiteral(" has no notes to play."));
        return std::nullopt;
    }
    bool cut = false;
    QByteArray pcm = ToneSynth::render(events, &cut);
    *name = fileName;
    if (RaiseApplies(melody->lines, raiseTicked))
        *name += QStringLiteral(", one octave up");
    if (cut)
        *name += QStringLiteral(", the first %1 minutes").arg(ToneSynth::MaxSeconds / 60);
    return pcm;
}

void MelodyPreview::ended(const QString &text)
{
    if (playing_)
        showState(false, text);
}

void MelodyPreview::showState(bool playing, const QString &text)
{
    playing_ = playing;
    page_.cmdPlay->setText(playing ? QStringLiteral("Stop") : QStringLiteral("Play"));
    page_.labPlayer->setText(text);
}
