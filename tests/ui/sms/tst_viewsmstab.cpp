#include "testenvironment.h"
#include "windowrig.h"

#include "ui/sms/archivefiledialog.h"
#include "ui/sms/viewsmspage.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

static TestEnvironment environment;

class TestViewSmsTab : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showingTheTabListsTheMessages();
    void selectingAMessageShowsIt();
    void deleteButtonDeletesTheSelectedMessage();
    void getNewSmsArchivesWithTheSwitchOff();
    void switchingAutoSmsOnDownloadsAndArchives();
    void archiveDialogRefusesAnUncreatableFile();

private:
    ViewSmsPage &page() { return *rig->window.viewSms; }
    void showTab();

    WindowRig *rig = nullptr;
    QTemporaryDir dir;
};

void TestViewSmsTab::init()
{
    rig = new WindowRig;
    QVERIFY(rig->started);
    rig->window.programState->timProgState.setInterval(20);
    rig->link.settings.setFilesms(dir.filePath(QStringLiteral("sms.log")));
    QFile::remove(rig->link.settings.filesms());
    auto &messages = rig->sim.state().messages;
    messages.insert(2, {"REC READ", "+4917012", "02/03/14,09:15:02+04", "Hallo\r\nWelt"});
    messages.insert(5, {"STO UNSENT", "", "", "Entwurf"});
}

void TestViewSmsTab::cleanup()
{
    delete rig;
}

void TestViewSmsTab::showTab()
{
    QVERIFY(rig->startAndConnect());
    QTest::mouseClick(rig->window.tabMain, Qt::LeftButton, {},
                      rig->window.tabMain->tabRect(TabLoader::ViewSMS - 1).center());
    QTRY_COMPARE(page().lstTimeDate->count(), 2);
    QTRY_VERIFY(rig->connected());
}

void TestViewSmsTab::showingTheTabListsTheMessages()
{
    showTab();
    QCOMPARE(page().lstTimeDate->item(0)->text(), QStringLiteral("03/14/02 09:15:02"));
    QCOMPARE(page().lstTimeDate->item(1)->text(), QStringLiteral("Unsend Message 1 "));
    QCOMPARE(page().frmSMSonMars->title(), QStringLiteral("SMS on Trium Mars - 2 Stored - 8 Free"));
    QVERIFY(!QFile::exists(rig->link.settings.filesms()));
}

void TestViewSmsTab::selectingAMessageShowsIt()
{
    showTab();
    page().lstTimeDate->setCurrentRow(0);
    QCOMPARE(page().txtSMS->toPlainText(), QStringLiteral("Hallo\nWelt"));
    QCOMPARE(page().txtNumber->text(), QStringLiteral("+4917012"));
    QCOMPARE(page().txtSMSName->text(), QStringLiteral("Unknown"));
    page().lstTimeDate->setCurrentRow(1);
    QCOMPARE(page().txtSMSName->text(), QStringLiteral("Unsend Message"));
}

void TestViewSmsTab::deleteButtonDeletesTheSelectedMessage()
{
    showTab();
    page().lstTimeDate->setCurrentRow(1);
    QTest::mouseClick(page().cmdDeleteSMS, Qt::LeftButton);
    QCOMPARE(rig->commands().constLast(), QByteArray("AT+CMGD=5"));
    QCOMPARE(page().lstTimeDate->count(), 1);
    QCOMPARE(page().txtNumber->text(), QStringLiteral("Cellular Number"));
}

void TestViewSmsTab::getNewSmsArchivesWithTheSwitchOff()
{
    showTab();
    QTest::mouseClick(page().cmdAutoSMSNow, Qt::LeftButton);
    QTRY_VERIFY(rig->connected());
    const QByteArray once = [this] {
        QFile file(rig->link.settings.filesms());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QVERIFY(
        once.startsWith("\r\n03/14/02 09:15:02\r\nNumber: +4917012\r\nHallo\r\nWelt\r\nName:   Unknown\r\n"));
    QVERIFY(!rig->link.settings.autosms());
}

void TestViewSmsTab::switchingAutoSmsOnDownloadsAndArchives()
{
    showTab();
    rig->sim.clearTranscript();
    page().chkAutoSMS->click();
    QVERIFY(rig->link.settings.autosms());
    QTRY_VERIFY(rig->commands().contains("at+cmgr=1"));
    QTRY_VERIFY(QFile::exists(rig->link.settings.filesms()));
    QVERIFY(rig->connected());
    page().chkAutoSMS->click();
    QVERIFY(!rig->link.settings.autosms());
}

void TestViewSmsTab::archiveDialogRefusesAnUncreatableFile()
{
    QVERIFY(rig->startAndConnect());
    const QString stored = rig->link.settings.filesms();
    QTimer::singleShot(0, [this, stored] {
        QTRY_VERIFY(qobject_cast<ArchiveFileDialog *>(QApplication::activeModalWidget()));
        auto *dialog = qobject_cast<ArchiveFileDialog *>(QApplication::activeModalWidget());
        dialog->Text1->setText(dir.filePath(QStringLiteral("missing/folder/sms.log")));
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
        QCOMPARE(rig->boxes.shown.size(), 1);
        QCOMPARE(rig->boxes.shown.at(0),
                 qMakePair(QStringLiteral("Invalid Filename!"), QStringLiteral("Warning")));
        QCOMPARE(dialog->Text1->text(), stored);
        QVERIFY(dialog->isVisible());
        dialog->Text1->setText(dir.filePath(QStringLiteral("new.log")));
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    });
    QTest::mouseClick(page().cmdAutoSMSArchive, Qt::LeftButton);
    QCOMPARE(rig->link.settings.filesms(), dir.filePath(QStringLiteral("new.log")));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("new.log"))));
}

QTEST_MAIN(TestViewSmsTab)
#include "tst_viewsmstab.moc"
