#include "ringtonespage.h"

#include "ui/widgets/controls.h"
#include "ui/widgets/filelist.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

RingtonesPage::RingtonesPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageRingtones"));

    frmRingOnPC = pathFrame("frmRingOnPC", tr("Ringtones On PC"));
    FileMDY = new FileList(QStringLiteral("*.mdy"));
    FileMDY->setObjectName(QStringLiteral("FileMDY"));
    FileMDY->setAccessibleName(tr("Ringtones on PC"));
    FileMDY->setAccessibleDescription(
        tr("The melody files of the folder; the one chosen is played, saved as WAV or uploaded"));
    cmdRingtonesOnHDRefresh =
        button("cmdRingtonesOnHDRefresh", tr("Refresh", "reads the folder of melody files again"));
    cmdRingtonesOnHDRefresh->setAccessibleDescription(tr("Reads the folder of melody files again"));
    cmdPath = button("cmdPath", tr("Change Dir"));
    cmdPath->setAccessibleDescription(tr("Chooses the folder of melody files"));
    cmdPlay = button("cmdPlay", tr("Play", "the preview button: plays the chosen melody file"));
    cmdSaveWav = button("cmdSaveWav", tr("Save as WAV..."));
    cmdImportRtttl = button("cmdImportRtttl", tr("Import RTTTL..."));
    labPlayer = label("labPlayer");
    labPlayer->setWordWrap(true);
    auto *pcButtons = new QHBoxLayout;
    pcButtons->addWidget(cmdRingtonesOnHDRefresh);
    pcButtons->addWidget(cmdPath);
    pcButtons->addWidget(cmdImportRtttl);
    auto *preview = new QHBoxLayout;
    preview->addWidget(cmdPlay);
    preview->addWidget(cmdSaveWav);
    auto *onPC = new QVBoxLayout(frmRingOnPC);
    onPC->addWidget(FileMDY);
    onPC->addLayout(pcButtons);
    onPC->addLayout(preview);
    onPC->addWidget(labPlayer);

    Frame3 = frame("Frame3", tr("Ringtones on Trium Mars"));
    listRingtones = list("listRingtones", tr("Ringtones on phone"),
                         tr("The melodies in the phone; choosing one of the first eight makes its number "
                            "the one an upload replaces"));
    cmdRefresh = button("cmdRefresh", tr("Refresh", "reads the melody list of the phone again"));
    cmdRefresh->setAccessibleDescription(tr("Reads the melody list of the phone again"));
    cmdDown = button("cmdDown", tr("Download", "a melody from the phone to the PC"));
    auto *phoneButtons = new QHBoxLayout;
    phoneButtons->addWidget(cmdRefresh);
    phoneButtons->addWidget(cmdDown);
    auto *onPhone = new QVBoxLayout(Frame3);
    onPhone->addWidget(listRingtones);
    onPhone->addLayout(phoneButtons);

    Frame1 = frame("Frame1", tr("Ringtone Upload"));
    chkInc = checkBox("chkInc", tr("Increase Tone Height"));
    Label2 = label("Label2", tr("Replace Ringtone No. (1-8):"));
    txtReplace = textBox("txtReplace");
    txtReplace->setMaximumWidth(txtReplace->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    Label2->setBuddy(txtReplace);
    cmdUpload = button("cmdUpload", tr("Upload", "the chosen melody file into the phone"));
    cmdUpload->setAccessibleDescription(
        tr("Writes the chosen melody file into the phone, in place of the ringtone number beside it"));
    txtMelody = textBox("txtMelody");
    txtMelody->setParent(this); // in no layout: out of sight, but owned
    txtMelody->hide();
    auto *upload = new QHBoxLayout(Frame1);
    upload->addWidget(chkInc);
    upload->addSpacing(16);
    upload->addWidget(Label2);
    upload->addWidget(txtReplace);
    upload->addStretch();
    upload->addWidget(cmdUpload);

    auto *grid = new QGridLayout(this);
    grid->addWidget(frmRingOnPC, 0, 0);
    grid->addWidget(Frame3, 0, 1);
    grid->addWidget(Frame1, 1, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);

    chainTabs({FileMDY, cmdRingtonesOnHDRefresh, cmdPath, cmdImportRtttl, cmdPlay, cmdSaveWav, listRingtones,
               cmdRefresh, cmdDown, chkInc, txtReplace, cmdUpload});
}

void RingtonesPage::captionFromFolder()
{
    frmRingOnPC->setTitle(tr("Ringtones On PC - %1").arg(FileMDY->path()));
    frmRingOnPC->setToolTip(FileMDY->path());
}
