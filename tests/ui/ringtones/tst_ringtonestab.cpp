#include "testenvironment.h"
#include "testfiles.h"
#include "windowrig.h"

#include "ui/ringtones/audiooutput.h"
#include "ui/ringtones/melodypreview.h"
#include "ui/ringtones/ringtonescontroller.h"
#include "ui/ringtones/ringtonespage.h"
#include "ui/ringtones/rtttldialog.h"
#include "ui/widgets/filelist.h"
#include "ui/widgets/folderdialog.h"
#include "ui/widgets/folderlist.h"

#include "ringtones/tonesynth.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

static TestEnvironment environment;

// Stands in for the sound card: keeps what it was given, refuses when told to.
class RecordingOutput : public AudioOutput
{
public:
    bool play(const QByteArray &pcm, QString *error) override
    {
        played.append(pcm);
        *error = refusal;
        return refusal.isEmpty();
    }
    void stop() override { ++stops; }

    QList<QByteArray> played;
    int stops = 0;
    QString refusal;
};

class TestRingtonesTab : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void connectShowsThePhonesMelodies();
    void slotBoxStaysValid_data();
    void slotBoxStaysValid();
    void listEntriesChooseTheFirstEightSlots();
    void choosingAFileAndUploadingIt();
    void cancelledFolderDialogStoresTheVisitedFolder();
    void playAndStop();
    void saveAsWav();
    void importRtttlIntoTheFolder();

private:
    RingtonesPage &page() { return *rig->window.ringtones; }
    void choose(const char *file);
    // Runs answer on the modal dialog of type T that the click opens.
    template <typename T> void onDialog(QPushButton *button, std::function<void(T *)> answer);

    WindowRig *rig = nullptr;
    QTemporaryDir dir;
};

void TestRingtonesTab::init()
{
    rig = new WindowRig;
    QVERIFY(rig->started);
    rig->window.programState->timProgState.setInterval(20);
    for (int slot = 1; slot <= 16; ++slot)
        rig->sim.state().melodies[slot - 1].name = "Tune " + QByteArray::number(slot);
    TestFiles::put(dir.filePath(QStringLiteral("low.mdy")), "NAME=Low\r\nTEMPO=100\r\nc 4\r\ng- 8\r\n");
    TestFiles::put(dir.filePath(QStringLiteral("high.mdy")), "NAME=High\r\nTEMPO=100\r\nd+ 4\r\n");
    rig->link.settings.setPath(dir.path());
}

void TestRingtonesTab::cleanup()
{
    delete rig;
}

void TestRingtonesTab::connectShowsThePhonesMelodies()
{
    QVERIFY(rig->startAndConnect());
    QTRY_COMPARE(page().listRingtones->count(), 16);
    QCOMPARE(page().listRingtones->item(8)->text(), QStringLiteral("11: Tune 9"));
    QCOMPARE(page().frmRingOnPC->title(), QStringLiteral("Ringtones On PC - ") + dir.path());
    QCOMPARE(page().FileMDY->count(), 2);
}

void TestRingtonesTab::slotBoxStaysValid_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("selected");
    QTest::newRow("in range") << "7"
                              << "7"
                              << "";
    QTest::newRow("too high") << "25"
                              << "20"
                              << "20";
    QTest::newRow("zero") << "0"
                          << "1"
                          << "";
    QTest::newRow("not a number") << "x"
                                  << ""
                                  << "";
    QTest::newRow("two digits") << "12"
                                << "12"
                                << "12";
}

void TestRingtonesTab::slotBoxStaysValid()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, selected);
    rig->start();
    page().txtReplace->setText(typed);
    QCOMPARE(page().txtReplace->text(), kept);
    QCOMPARE(page().txtReplace->selectedText(), selected);
}

void TestRingtonesTab::listEntriesChooseTheFirstEightSlots()
{
    QVERIFY(rig->startAndConnect());
    QTRY_COMPARE(page().listRingtones->count(), 16);
    QListWidget *list = page().listRingtones;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    QCOMPARE(page().txtReplace->text(), QStringLiteral("3"));
    list->scrollToItem(list->item(8));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(8)).center());
    QCOMPARE(page().txtReplace->text(), QStringLiteral("3"));
}

void TestRingtonesTab::choosingAFileAndUploadingIt()
{
    QVERIFY(rig->startAndConnect());
    QTRY_VERIFY(rig->connected());
    FileList *files = page().FileMDY;
    files->setCurrentItem(files->findItems(QStringLiteral("high.mdy"), Qt::MatchExactly).value(0));
    QVERIFY(!page().chkInc->isEnabled());
    files->setCurrentItem(files->findItems(QStringLiteral("low.mdy"), Qt::MatchExactly).value(0));
    QCOMPARE(page().txtMelody->text(), dir.filePath(QStringLiteral("low.mdy")));
    QVERIFY(page().chkInc->isEnabled());

    page().chkInc->setChecked(true);
    page().txtReplace->setText(QStringLiteral("2"));
    QTest::mouseClick(page().cmdUpload, Qt::LeftButton);
    QTRY_VERIFY(rig->connected());
    QCOMPARE(rig->sim.state().melodies.at(1).lines, QList<QByteArray>({"c+ 4", "g 8"}));
    QTRY_COMPARE(page().listRingtones->count(), 16);
    QCOMPARE(page().listRingtones->item(1)->text(), QStringLiteral("2: Low"));
}

void TestRingtonesTab::cancelledFolderDialogStoresTheVisitedFolder()
{
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("more")));
    rig->start();
    QTimer::singleShot(0, [this] {
        QTRY_VERIFY(qobject_cast<FolderDialog *>(QApplication::activeModalWidget()));
        auto *dialog = qobject_cast<FolderDialog *>(QApplication::activeModalWidget());
        dialog->Dir1->setPath(dir.filePath(QStringLiteral("more")));
        QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
    });
    QTest::mouseClick(page().cmdPath, Qt::LeftButton);
    QCOMPARE(rig->link.settings.path(), dir.filePath(QStringLiteral("more")));
    QCOMPARE(page().FileMDY->path(), dir.path());
}

void TestRingtonesTab::choose(const char *file)
{
    FileList *files = page().FileMDY;
    files->setCurrentItem(files->findItems(QLatin1String(file), Qt::MatchExactly).value(0));
}

template <typename T> void TestRingtonesTab::onDialog(QPushButton *button, std::function<void(T *)> answer)
{
    QTimer::singleShot(0, [answer] {
        QTRY_VERIFY(qobject_cast<T *>(QApplication::activeModalWidget()));
        answer(qobject_cast<T *>(QApplication::activeModalWidget()));
    });
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestRingtonesTab::playAndStop()
{
    rig->start();
    RecordingOutput output;
    rig->window.ringtonesController->preview->setAudioOutput(&output);
    QPushButton *play = page().cmdPlay;

    QTest::mouseClick(play, Qt::LeftButton);
    QCOMPARE(page().labPlayer->text(), QStringLiteral("Choose a melody file first."));
    choose("low.mdy");
    QTest::mouseClick(play, Qt::LeftButton);
    // c for a quarter, g- for an eighth at 100 a minute: 900 ms.
    QCOMPARE(output.played.size(), 1);
    QCOMPARE(output.played.at(0).size(), qsizetype(2 * ToneSynth::SampleRate * 9 / 10));
    QCOMPARE(play->text(), QStringLiteral("Stop"));
    QCOMPARE(page().labPlayer->text(), QStringLiteral("Playing low.mdy"));
    QTest::mouseClick(play, Qt::LeftButton);
    QCOMPARE(output.stops, 1);
    QCOMPARE(play->text(), QStringLiteral("Play"));

    page().chkInc->setChecked(true);
    QTest::mouseClick(play, Qt::LeftButton);
    QCOMPARE(page().labPlayer->text(), QStringLiteral("Playing low.mdy, one octave up"));
    QVERIFY(output.played.at(1) != output.played.at(0));
    emit output.finished();
    QCOMPARE(play->text(), QStringLiteral("Play"));
    QCOMPARE(page().labPlayer->text(), QString());

    // Another file, or another tab, ends the sound.
    QTest::mouseClick(play, Qt::LeftButton);
    choose("high.mdy");
    QCOMPARE(output.stops, 2);
    QCOMPARE(play->text(), QStringLiteral("Play"));
    QTest::mouseClick(play, Qt::LeftButton);
    rig->window.tabMain->setCurrentIndex(TabLoader::Phonebook - 1);
    QCOMPARE(output.stops, 3);
    QCOMPARE(play->text(), QStringLiteral("Play"));
    rig->window.tabMain->setCurrentIndex(TabLoader::Ringtones - 1);

    output.refusal = QStringLiteral("No sound output found.");
    QTest::mouseClick(play, Qt::LeftButton);
    QCOMPARE(play->text(), QStringLiteral("Play"));
    QCOMPARE(page().labPlayer->text(), output.refusal);
    output.refusal.clear();
    QTest::mouseClick(play, Qt::LeftButton);
    emit output.failed(QStringLiteral("The sound output failed."));
    QCOMPARE(play->text(), QStringLiteral("Play"));
    QCOMPARE(page().labPlayer->text(), QStringLiteral("The sound output failed."));
    rig->window.ringtonesController->preview->setAudioOutput(nullptr);
}

void TestRingtonesTab::saveAsWav()
{
    rig->start();
    choose("low.mdy");
    const QString path = dir.filePath(QStringLiteral("low-sound.wav"));
    onDialog<QFileDialog>(page().cmdSaveWav, [path](QFileDialog *dialog) {
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog's own is protected
    });
    QCOMPARE(QFileInfo(path).size(), qint64(44 + 2 * ToneSynth::SampleRate * 9 / 10));
    QCOMPARE(page().labPlayer->text(), QStringLiteral("Saved as ") + QDir::toNativeSeparators(path));
    QFile::remove(path);
}

void TestRingtonesTab::importRtttlIntoTheFolder()
{
    rig->start();
    QTemporaryDir source;
    const QString file = source.filePath(QStringLiteral("tones.txt"));
    TestFiles::put(file, "\xef\xbb\xbfTune:d=4,o=5,b=100:c,8p\r\nbroken\r\n");
    onDialog<RtttlDialog>(page().cmdImportRtttl, [file](RtttlDialog *dialog) {
        dialog->loadFile(file);
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    });
    QVERIFY(!page().FileMDY->findItems(QStringLiteral("Tune.mdy"), Qt::MatchExactly).isEmpty());
    QCOMPARE(rig->boxes.texts(),
             QStringList{"Line 1 \"Tune\": Tune.mdy, 2 notes, tempo 100\n"
                         "Line 2: not converted: missing sections: not \"name:settings:notes\""});
    QFile::remove(dir.filePath(QStringLiteral("Tune.mdy")));
}

QTEST_MAIN(TestRingtonesTab)
#include "tst_ringtonestab.moc"
