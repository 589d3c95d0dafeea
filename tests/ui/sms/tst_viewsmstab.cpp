#include "notificationservice.h"
#include "sessionbus.h"
#include "testenvironment.h"
#include "testfiles.h"
#include "windowrig.h"

#include "phonebook/contactscache.h"
#include "sms/arrivingmessages.h"
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
static PrivateSessionBus sessionBus;

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
    void aMessageThatArrivesIsToldListedAndArchived_data();
    void aMessageThatArrivesIsToldListedAndArchived();

private:
    ViewSmsPage &page() { return *rig->window.viewSms; }
    void showTab(int listed = 2);

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

void TestViewSmsTab::showTab(int listed)
{
    QVERIFY(rig->startAndConnect());
    QTest::mouseClick(rig->window.tabMain, Qt::LeftButton, {},
                      rig->window.tabMain->tabRect(TabLoader::ViewSMS - 1).center());
    QTRY_COMPARE(page().lstTimeDate->count(), listed);
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

void TestViewSmsTab::aMessageThatArrivesIsToldListedAndArchived_data()
{
    QTest::addColumn<QByteArray>("indications");
    QTest::addColumn<bool>("onShow");
    QTest::addColumn<bool>("told");
    QTest::newRow("on show") << QByteArray("(0-3),(0-3),(0,2),(0,1),(0,1)") << true << true;
    QTest::newRow("another tab on show") << QByteArray("(0-3),(0-3),(0,2),(0,1),(0,1)") << false << true;
    QTest::newRow("refuses AT+CNMI") << QByteArray() << true << false;
}

void TestViewSmsTab::aMessageThatArrivesIsToldListedAndArchived()
{
    QFETCH(QByteArray, indications);
    QFETCH(bool, onShow);
    QFETCH(bool, told);
    QVERIFY(sessionBus.isRunning());
    NotificationService desktop;
    QVERIFY(desktop.registerOn(QDBusConnection::sessionBus()));
    simphone::PhoneState &phone = rig->sim.state();
    phone.manufacturer = "SIMCOM_Ltd";
    phone.model = "SIMCOM_SIM800";
    phone.listing = true;
    phone.indications = indications;
    ContactsCache(rig->phonebook.cache().path())
        .merge({{QStringLiteral("Anna"), QStringLiteral("+4915112345678")}});
    rig->link.settings.setAutosms(true);
    rig->window.arrivals->timArrival.setInterval(50);
    if (onShow) {
        showTab();
    } else {
        QVERIFY(rig->startAndConnect());
        QCOMPARE(rig->link.tabs.MintCurFrame, qint16(TabLoader::Ringtones));
    }
    const QByteArray archived = TestFiles::contents(rig->link.settings.filesms());
    rig->sim.clearTranscript();

    simphone::Message arriving;
    arriving.status = "REC UNREAD";
    arriving.address = "+4915112345678";
    arriving.timestamp = "26/12/10,09:30:00+04";
    arriving.body = "Are you coming tonight? The train leaves at eight, from the second platform";
    QVERIFY(rig->sim.receiveMessage(arriving));

    if (!told) {
        QTest::qWait(500);
        QVERIFY(desktop.notices.isEmpty());
        QCOMPARE(rig->commands(), QList<QByteArray>{});
        QCOMPARE(page().lstTimeDate->count(), 2);
        return;
    }
    QTRY_COMPARE(desktop.notices.size(), 1);
    const NotificationService::Notice notice = desktop.notices.constFirst();
    QCOMPARE(notice.application, QStringLiteral("Quenda"));
    QCOMPARE(notice.summary, QStringLiteral("New message from Anna"));
    QCOMPARE(notice.body,
             QStringLiteral("Are you coming tonight? The train leaves at eight, from the second\u2026"));
    QTRY_VERIFY(rig->connected());
    if (!onShow) {
        // Nothing more is read until the tab is shown, and then the list holds it.
        QCOMPARE(TestFiles::contents(rig->link.settings.filesms()), archived);
        QCOMPARE(page().lstTimeDate->count(), 0);
        showTab(3);
    }
    QTRY_COMPARE(page().lstTimeDate->count(), 3);
    QTRY_VERIFY(TestFiles::contents(rig->link.settings.filesms())
                    .contains("Number: +4915112345678\r\nAre you coming"));
    const QByteArray archive = TestFiles::contents(rig->link.settings.filesms());
    QCOMPARE(archive.count("Number: +4915112345678"), 1);
    QCOMPARE(archive.count("Number: +4917012"), 1);
}

QTEST_MAIN(TestViewSmsTab)
#include "tst_viewsmstab.moc"
