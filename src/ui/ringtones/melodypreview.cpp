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
    QString playing;
    const std::optional<QByteArray> pcm = sound(&playing);
    if (!pcm)
        return;
    QString error;
    if (!output().play(*pcm, &error)) {
        showState(false, error);
        return;
    }
    showState(true, playing);
}

void MelodyPreview::cmdSaveWav_Click()
{
    stop();
    QString playing;
    const std::optional<QByteArray> pcm = sound(&playing);
    if (!pcm)
        return;
    const QFileInfo melody(page_.txtMelody->text());
    QFileDialog dialog(window_, tr("Save Melody as WAV"),
                       melody.dir().filePath(melody.completeBaseName() + QStringLiteral(".wav")),
                       QStringLiteral("%1 (*.wav)").arg(tr("WAV sound")));
    dialog.setObjectName(QStringLiteral("dlgSaveWav"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("wav"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    QString error;
    if (WavFile::write(path, *pcm, &error))
        showState(false, tr("Saved as %1").arg(QDir::toNativeSeparators(path)));
    else
        showState(false, tr("Could not save %1: %2").arg(QDir::toNativeSeparators(path), error));
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

std::optional<QByteArray> MelodyPreview::sound(QString *playing)
{
    const QString path = page_.txtMelody->text();
    if (path.isEmpty()) {
        showState(false, tr("Choose a melody file first."));
        return std::nullopt;
    }
    const std::optional<MelodyFile> melody = ReadMelodyFile(path);
    const QString fileName = QFileInfo(path).fileName();
    if (!melody) {
        showState(false, tr("%1 cannot be read.").arg(fileName));
        return std::nullopt;
    }
    const bool raiseTicked = page_.chkInc->isChecked();
    const QList<ToneEvent> events = MelodyEvents(*melody, raiseTicked);
    if (events.isEmpty()) {
        showState(false, tr("%1 has no notes to play.").arg(fileName));
        return std::nullopt;
    }
    bool cut = false;
    QByteArray pcm = ToneSynth::render(events, &cut);
    const bool raised = RaiseApplies(melody->lines, raiseTicked);
    const int minutes = ToneSynth::MaxSeconds / 60;
    // Whole sentences, so that each language can put the file name where it belongs.
    if (raised && cut)
        *playing =
            tr("Playing %1, one octave up, the first %2 minutes").arg(fileName, QString::number(minutes));
    else if (raised)
        *playing = tr("Playing %1, one octave up").arg(fileName);
    else if (cut)
        *playing = tr("Playing %1, the first %2 minutes").arg(fileName, QString::number(minutes));
    else
        *playing = tr("Playing %1").arg(fileName);
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
    page_.cmdPlay->setText(playing ? tr("Stop", "the preview button while a melody plays")
                                   : tr("Play", "the preview button: plays the chosen melody file"));
    page_.labPlayer->setText(text);
}
