#include "ringtonescontroller.h"

#include "melodypreview.h"
#include "ringtonespage.h"
#include "rtttldialog.h"
#include "ui/widgets/filelist.h"
#include "ui/widgets/folderdialog.h"

#include "link/phonelink.h"
#include "link/userinterfaces.h"
#include "ringtones/melodyfile.h"
#include "ringtones/phonemelodies.h"
#include "ringtones/rtttlimport.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

RingtonesController::RingtonesController(RingtonesPage &page, PhoneMelodies &melodies, PhoneLink &link,
                                         QWidget *window)
    : QObject(window), page_(page), melodies_(melodies), link_(link), window_(window), uploader_(melodies)
{
    connect(&melodies_, &PhoneMelodies::changed, this, &RingtonesController::showMelodies);
    connect(page_.cmdRefresh, &QPushButton::clicked, this, &RingtonesController::cmdRefresh_Click);
    connect(page_.cmdUpload, &QPushButton::clicked, this, &RingtonesController::cmdUpload_Click);
    connect(page_.listRingtones, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { listRingtones_Click(page_.listRingtones->row(item)); });
    // The keyboard chooses as a click does; the row the focus makes current is not chosen.
    connect(page_.listRingtones, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> chosen = page_.listRingtones->selectedItems();
        if (!chosen.isEmpty())
            listRingtones_Click(page_.listRingtones->row(chosen.first()));
    });
    connect(page_.txtReplace, &QLineEdit::textChanged, this, &RingtonesController::txtReplace_Change);
    replaceBox_ = page_.txtReplace;
    replaceBox_->installEventFilter(this);
    connect(page_.FileMDY, &QListWidget::currentRowChanged, this, &RingtonesController::FileMDY_Click);
    connect(page_.cmdRingtonesOnHDRefresh, &QPushButton::clicked, page_.FileMDY, &FileList::refresh);
    connect(page_.cmdPath, &QPushButton::clicked, this, &RingtonesController::cmdPath_Click);
    connect(page_.cmdImportRtttl, &QPushButton::clicked, this, &RingtonesController::cmdImportRtttl_Click);
    preview = new MelodyPreview(page_, window_);
}

void RingtonesController::showMelodies()
{
    page_.listRingtones->clear();
    page_.listRingtones->addItems(melodies_.entries());
}

void RingtonesController::cmdRefresh_Click()
{
    link_.tabs.userLoads(TabLoader::Ringtones);
    melodies_.ReadMelodyList();
}

void RingtonesController::cmdUpload_Click()
{
    uploader_.UploadMelody(page_.txtReplace->text(), page_.txtMelody->text(), page_.chkInc->isChecked());
}

void RingtonesController::listRingtones_Click(int row)
{
    // Only the first eight slots are offered from the list.
    if (row >= 0 && row < 8)
        page_.txtReplace->setText(QString::number(row + 1));
}

void RingtonesController::txtReplace_Change()
{
    QLineEdit *box = page_.txtReplace;
    bool number = false;
    const int value = box->text().toInt(&number);
    QString kept = box->text();
    if (!number)
        kept.clear();
    else if (value < 1)
        kept = QStringLiteral("1");
    else if (value > 20)
        kept = QStringLiteral("20");
    if (kept != box->text()) {
        const QSignalBlocker quiet(box);
        box->setText(kept);
    }
    // The next keystroke replaces the number.
    if (kept.size() > 1)
        box->setSelection(0, 2);
}

bool RingtonesController::eventFilter(QObject *watched, QEvent *event)
{
    // A click into the slot box selects its first character, after the box has placed the caret.
    // Compared by address only: the filter also sees the events of the box's destruction, when
    // the page is half gone.
    if (event->type() == QEvent::MouseButtonRelease && watched == replaceBox_) {
        QLineEdit *box = replaceBox_;
        QTimer::singleShot(0, box, [box] { box->setSelection(0, 1); });
    }
    return QObject::eventFilter(watched, event);
}

void RingtonesController::FileMDY_Click()
{
    const QListWidgetItem *item = page_.FileMDY->currentItem();
    if (!item)
        return;
    const QString path = QDir(page_.FileMDY->path()).filePath(item->text());
    page_.txtMelody->setText(path);
    // A file that can no longer be read counts as having no top notes.
    page_.chkInc->setEnabled(!HasTopNotes(path));
}

void RingtonesController::cmdPath_Click()
{
    FolderDialog dialog(link_.settings, window_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    page_.FileMDY->setPath(dialog.folder());
    page_.captionFromFolder();
}

void RingtonesController::cmdImportRtttl_Click()
{
    RtttlDialog dialog(window_);
    MessageBoxes *boxes = link_.lock.messageBoxes();
    if (dialog.exec() != QDialog::Accepted || !boxes)
        return;
    QStringList report = ImportRtttl(dialog.text(), page_.FileMDY->path(), *boxes);
    page_.FileMDY->refresh();
    // A box taller than the screen would hide its OK button.
    constexpr int MaxShown = 20;
    if (report.size() > MaxShown) {
        const qsizetype more = report.size() - MaxShown;
        report.erase(report.begin() + MaxShown, report.end());
        report.append(tr("... and %n more", "ringtones left out of the import report", int(more)));
    }
    boxes->inform(report.join(QLatin1Char('\n')), tr("Import RTTTL"));
}
