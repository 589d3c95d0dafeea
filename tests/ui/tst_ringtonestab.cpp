#include "testenvironment.h"
#include "testfiles.h"
#include "windowrig.h"

#include "filelist.h"
#include "folderdialog.h"
#include "folderlist.h"
#include "ringtonespage.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

static TestEnvironment environment;

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

private:
    RingtonesPage &page() { return *rig->window.ringtones; }

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

QTEST_MAIN(TestRingtonesTab)
#include "tst_ringtonestab.moc"
