#include "testenvironment.h"
#include "testfiles.h"
#include "windowrig.h"

#include "ui/backup/backupcontroller.h"
#include "ui/info/infospage.h"
#include "ui/phonebook/phonebookpage.h"
#include "ui/remote/remotecontrolpage.h"
#include "ui/ringtones/ringtonespage.h"
#include "ui/sms/createsmspage.h"
#include "ui/sms/viewsmspage.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/filelist.h"
#include "ui/window/devicedialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

static TestEnvironment environment;

namespace {

// The controls that start operations, in the order they are locked.
const QStringList LockOrder = {"cmdUpload",       "cmdRefresh",          "cmdAutoSMSNow",     "cmdDeleteSMS",
                               "cmdDeleteAllSMS", "cmdRefreshSMS",       "cmdAutoSMSArchive", "cmdSavePhone",
                               "cmdCreatePhone",  "frmPhonebookOptions", "txtName",           "txtPhone",
                               "chkAutoSMS",      "cmdDeletePhone",      "cmdDelePhoneAdv",   "cmdImp",
                               "cmdExp",          "cmdSendSMS",          "cmdUploadSMS",      "cmdUploadSend",
                               "cmdPlaceCall",    "frmControl",          "cmdLanguage",       "cmdIMEI",
                               "cmdSoft",         "cmdIMEISoft",         "cmdNetMon1",        "cmdNetMon2",
                               "cmdHard",         "cmdWarmStart",        "cmdM4TestMode",     "cmdSupTraces"};
const QStringList TextBoxes = {"txtName", "txtPhone"};
const QStringList LeftForContactEditor = {"cmdSavePhone", "cmdCreatePhone"};
const QStringList SimOnly = {"txtName", "txtPhone", "cmdImp"};

// Whether a control of the lock table is usable: text boxes by their read-only state, the
// rest by their enabled state.
bool usable(const WindowRig &rig, const QString &name)
{
    QWidget *widget = rig.window.findChild<QWidget *>(name);
    if (!widget)
        return false;
    return TextBoxes.contains(name) ? !Controls::isReadOnly(widget) : widget->isEnabled();
}

// Notes the order in which controls change their enabled or read-only state.
class LockRecorder : public QObject
{
public:
    explicit LockRecorder(QWidget &window)
    {
        for (const QString &name : LockOrder) {
            if (QWidget *widget = window.findChild<QWidget *>(name))
                widget->installEventFilter(this);
        }
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool change = event->type() == QEvent::EnabledChange || event->type() == QEvent::ReadOnlyChange;
        if (change && !order.contains(watched->objectName()))
            order.append(watched->objectName());
        return false;
    }
    QStringList order;
};

void clickTab(WindowRig &rig, int tab)
{
    QTest::mouseClick(rig.window.tabMain, Qt::LeftButton, {}, rig.window.tabMain->tabRect(tab - 1).center());
}

int checkedPort(const WindowRig &rig)
{
    int ticked = 0;
    for (int n = 1; n <= 4; ++n) {
        if (rig.window.menCom[n - 1]->isChecked())
            ticked = ticked ? -1 : n;
    }
    return ticked;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // Start-up and settings
    void firstStartWithEmptySettings();
    void firstTickLocksUntilThePhoneAnswers();
    void closeAndRestartRestoresWindowAndTexts();
    void exitMenuEndsTheProgram();
    void backupMenuSaysWhatWentWhere();
    void recordingMenuRecordsTheLine();
    void storedFolderAndAutoSmsAreApplied();

    // Program state
    void connectUnlocksAndShowsReady();
    void phoneMemoryKeepsSimOnlyControlsLocked();
    void busyOperationLocksInTableOrder();
    void callButtonStaysUsableDuringCall();
    void codeWithoutTextKeepsTheLabel();
    void guardMessagesReachTheWindowsBoxes();

    // Port menu and connection label
    void choosingTheTickedPortChangesNothing();
    void choosingAnotherPortStoresItAndReconnects();
    void portChangeKeepsTheMemoryChosen();
    void deviceChosenInTheWindowTakesEffect();
    void deviceDialogKeepsTheDeviceInUse_data();
    void deviceDialogKeepsTheDeviceInUse();
    void unreachablePositionOpensOnThePrimaryScreen_data();
    void unreachablePositionOpensOnThePrimaryScreen();
    void connectionLabelDescribesTheLine();

    // Tabs
    void tabClickedWhileBusyLoadsWhenOperationEnds();
    void tabClickedWithoutPhoneLoadsOnConnect();
    void smsComposerAndRemoteControlTabsSendNothing();
    void tabsAnotherPhoneLacksAreGreyedWithTheReason();
    void tabAcceleratorsSwitchTabs();
    void infosTabIsNotUnloadedByALoss();

    // Controls without behaviour of their own yet, and the delete pop-up
    void unboundControlsDoNothing();
    void helpAnswersAlwaysTheSame();
    void deleteArrowOpensDeleteAllPopup();

private:
    WindowRig *rig = nullptr;
};

void TestMainWindow::init()
{
    rig = new WindowRig;
    QVERIFY(rig->started);
}

void TestMainWindow::cleanup()
{
    delete rig;
    rig = nullptr;
}

void TestMainWindow::firstStartWithEmptySettings()
{
    MainWindow &w = rig->window;
    const QPoint ownPlace = w.pos();
    rig->start();

    QVERIFY(w.windowTitle().startsWith("Quenda v4.0"));
    QCOMPARE(checkedPort(*rig), 1);
    QVERIFY(w.phonebook->optSIM->isChecked());
    QVERIFY(!w.phonebook->optPhone->isChecked());
    QCOMPARE(w.tabMain->currentIndex(), 0);
    QCOMPARE(w.frmTabs->currentWidget(), w.ringtones);
    QCOMPARE(rig->link.tabs.MintCurFrame, qint16(1));
    QCOMPARE(w.remoteControl->cmbLanguage->currentText(), QStringLiteral("-Automatic-"));
    QCOMPARE(w.ringtones->txtReplace->text(), QStringLiteral("1"));
    QCOMPARE(w.createSms->txtServiceCenter->text(), QString());
    QVERIFY(!w.viewSms->chkAutoSMS->isChecked());
    QCOMPARE(w.ringtones->frmRingOnPC->title(), "Ringtones On PC - " + QDir::currentPath());
    QCOMPARE(w.pos(), ownPlace);

    // The first probe goes out at once, not after the probe interval.
    QTRY_VERIFY_WITH_TIMEOUT(!rig->sim.transcript().isEmpty(), 1000);
    QCOMPARE(rig->sim.transcript().constFirst(), QByteArray("AT"));
    QVERIFY(rig->connected());
    QCOMPARE(rig->commands().mid(0, 6), (QList<QByteArray>{"AT+CGMI", "AT+CSCS=\"PCCP437\"", "AT+CREG=0",
                                                           "ATE0", "AT+CPMS?", "AT+CPBW=?"}));
}

void TestMainWindow::firstTickLocksUntilThePhoneAnswers()
{
    rig->sim.setUnplugged(true);
    LockRecorder recorder(rig->window);
    rig->start();

    QCOMPARE(rig->window.labProgState->text(), QStringLiteral("Searching for Cell"));
    QCOMPARE(Controls::backgroundOf(rig->window.labProgState), Controls::lightBlue());
    QCOMPARE(rig->window.labState->text(), QStringLiteral("Not Connected"));
    QCOMPARE(Controls::backgroundOf(rig->window.labState), Controls::lightBlue());
    QVERIFY(rig->window.programState->gesperrt);
    // Every control of the table changed, in the table's order.
    QCOMPARE(recorder.order, LockOrder);
    for (const QString &name : LockOrder)
        QVERIFY2(!usable(*rig, name), qPrintable(name));

    // Stays so while the phone is silent.
    QTest::qWait(600);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::NoPhone));
    QVERIFY(!usable(*rig, "cmdUpload"));

    rig->sim.setUnplugged(false);
    rig->link.supervisor.probeTick();
    QVERIFY(rig->connected());
}

void TestMainWindow::closeAndRestartRestoresWindowAndTexts()
{
    rig->start();
    QVERIFY(rig->connected());
    MainWindow &w = rig->window;
    clickTab(*rig, TabLoader::Infos);
    QTRY_COMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    w.move(120, 80);
    QTRY_COMPARE(w.pos(), QPoint(120, 80));
    w.ringtones->txtReplace->setText("5");
    w.createSms->txtServiceCenter->setText("+491710760000");
    w.phonebook->optPhone->setChecked(true);

    QSignalSpy ends(&w, &MainWindow::programEnds);
    QVERIFY(w.close());
    QCOMPARE(ends.count(), 1);

    QSettings store("Quenda", "Quenda");
    QCOMPARE(store.value("Config/starttab").toString(), QStringLiteral("5"));
    QCOMPARE(store.value("Config/Top").toString(), QStringLiteral("1200"));
    QCOMPARE(store.value("Config/Left").toString(), QStringLiteral("1800"));
    QCOMPARE(store.value("Config/replace").toString(), QStringLiteral("5"));
    QCOMPARE(store.value("Config/servicecenter").toString(), QStringLiteral("+491710760000"));
    QCOMPARE(store.value("Config/sim").toString(), QStringLiteral("0"));

    delete rig;
    rig = new WindowRig(WindowRig::KeepSettings);
    QVERIFY(rig->started);
    rig->start();
    MainWindow &again = rig->window;
    QCOMPARE(again.tabMain->currentIndex(), TabLoader::Infos - 1);
    QCOMPARE(again.frmTabs->currentWidget(), again.infos);
    QTRY_COMPARE(again.pos(), QPoint(120, 80));
    QCOMPARE(again.ringtones->txtReplace->text(), QStringLiteral("5"));
    QCOMPARE(again.createSms->txtServiceCenter->text(), QStringLiteral("+491710760000"));
    QVERIFY(again.phonebook->optPhone->isChecked());
    QVERIFY(!again.phonebook->optSIM->isChecked());
    // The restored tab is read once the phone is there.
    QTRY_VERIFY(rig->commands().contains("AT+CBC"));
}

void TestMainWindow::exitMenuEndsTheProgram()
{
    rig->start();
    QSignalSpy ends(&rig->window, &MainWindow::programEnds);
    rig->window.menExit->trigger();
    QCOMPARE(ends.count(), 1);
    QVERIFY(!rig->window.isVisible());
    QVERIFY(QSettings("Quenda", "Quenda").contains("Config/starttab"));
}

void TestMainWindow::backupMenuSaysWhatWentWhere()
{
    QVERIFY(rig->startAndConnect());
    QTemporaryDir parent;
    const QString folder = parent.filePath(QStringLiteral("Mars"));
    rig->window.backupController->chooseFolder = [&folder] { return folder; };
    rig->window.menBackup->trigger();
    QCOMPARE(rig->boxes.shown.size(), 1);
    QCOMPARE(rig->boxes.shown.constFirst().second, QStringLiteral("Back Up Phone"));
    QVERIFY(rig->boxes.shown.constFirst().first.startsWith(QStringLiteral("The phone is backed up in ") +
                                                           folder));
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/phone.json")));
    QVERIFY(rig->connected());
}

void TestMainWindow::recordingMenuRecordsTheLine()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("line.trace"));
    MainWindow &w = rig->window;
    w.chooseRecordingFile = [&file] { return file; };
    w.menRecord->trigger();
    QVERIFY(w.menRecord->isChecked());
    QCOMPARE(w.labRecording->text(), QStringLiteral("Recording the line to ") + file);
    QVERIFY(rig->startAndConnect());
    w.menRecord->trigger();
    QVERIFY(!w.menRecord->isChecked());
    QVERIFY(w.labRecording->isHidden());
    const QByteArray recorded = TestFiles::contents(file);
    for (const char *expected :
         {" # port opened: ", " > AT\\r\n", " < ", " # phone greeted\n", " # recording stopped\n"})
        QVERIFY2(recorded.contains(expected), expected);
}

void TestMainWindow::storedFolderAndAutoSmsAreApplied()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (const char *name : {"a.mdy", "b.mdy", "notes.txt"}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    rig->link.settings.setPath(folder.path());
    rig->link.settings.setAutosms(true);
    rig->start();

    const FileList *files = rig->window.ringtones->FileMDY;
    QCOMPARE(files->path(), folder.path());
    QStringList shown;
    for (int i = 0; i < files->count(); ++i)
        shown.append(files->item(i)->text());
    shown.sort();
    QCOMPARE(shown, (QStringList{"a.mdy", "b.mdy"}));
    QCOMPARE(rig->window.ringtones->frmRingOnPC->title(), "Ringtones On PC - " + folder.path());
    QVERIFY(rig->window.viewSms->chkAutoSMS->isChecked());
}

void TestMainWindow::connectUnlocksAndShowsReady()
{
    QVERIFY(rig->startAndConnect());
    const MainWindow &w = rig->window;
    QCOMPARE(w.labProgState->text(), QStringLiteral("Ready"));
    QCOMPARE(Controls::backgroundOf(w.labProgState), Controls::lightGreen());
    QCOMPARE(w.labState->text(), QStringLiteral("Connected"));
    QCOMPARE(Controls::backgroundOf(w.labState), Controls::lightGreen());
    for (const QString &name : LockOrder) {
        const bool expected = !LeftForContactEditor.contains(name);
        QVERIFY2(usable(*rig, name) == expected, qPrintable(name));
    }
}

void TestMainWindow::phoneMemoryKeepsSimOnlyControlsLocked()
{
    rig->link.settings.setSim(false);
    QVERIFY(rig->startAndConnect());
    QVERIFY(rig->window.phonebook->optPhone->isChecked());
    for (const QString &name : LockOrder) {
        const bool expected = !LeftForContactEditor.contains(name) && !SimOnly.contains(name);
        QVERIFY2(usable(*rig, name) == expected, qPrintable(name));
    }
}

void TestMainWindow::busyOperationLocksInTableOrder()
{
    QVERIFY(rig->startAndConnect());
    MainWindow &w = rig->window;
    w.viewSms->txtSMS->setPlainText("Hallo Welt");
    w.viewSms->txtNumber->setText("+4917012345678");
    w.viewSms->txtSMSName->setText("Anna");
    w.phonebook->frmContacts->setTitle("12 Contacts on SIM");
    LockRecorder recorder(w);

    rig->link.lock.setAction(OperationLock::LoadingContacts);
    QTRY_VERIFY(w.programState->gesperrt);
    QCOMPARE(w.labProgState->text(), QStringLiteral("Loading Contacts"));
    QCOMPARE(Controls::backgroundOf(w.labProgState), Controls::lightBlue());
    for (const QString &name : LockOrder)
        QVERIFY2(!usable(*rig, name), qPrintable(name));
    // The two buttons the contact editor keeps disabled change nothing now.
    QStringList changed = LockOrder;
    for (const QString &name : LeftForContactEditor)
        changed.removeAll(name);
    QCOMPARE(recorder.order, changed);

    QCOMPARE(w.viewSms->txtSMS->toPlainText(), QStringLiteral("Choose Message to Display it here!"));
    QCOMPARE(w.viewSms->txtNumber->text(), QStringLiteral("Cellular Number"));
    QCOMPARE(w.viewSms->txtSMSName->text(), QStringLiteral("Name"));
    QCOMPARE(w.phonebook->frmContacts->title(), QStringLiteral("Contacts on Cellular"));

    // The connection label is not the program state's business.
    QCOMPARE(w.labState->text(), QStringLiteral("Connected"));

    rig->link.lock.finish();
    QTRY_VERIFY(!w.programState->gesperrt);
    QCOMPARE(w.labProgState->text(), QStringLiteral("Ready"));
    QVERIFY(usable(*rig, "cmdUpload"));
    // Unlocking leaves the display texts alone.
    QCOMPARE(w.viewSms->txtNumber->text(), QStringLiteral("Cellular Number"));
}

void TestMainWindow::callButtonStaysUsableDuringCall()
{
    QVERIFY(rig->startAndConnect());
    rig->link.lock.setAction(OperationLock::PlacingCall);
    QTRY_VERIFY(rig->window.programState->gesperrt);
    QCOMPARE(rig->window.labProgState->text(), QStringLiteral("Placing Call"));
    for (const QString &name : LockOrder)
        QVERIFY2(usable(*rig, name) == (name == "cmdPlaceCall"), qPrintable(name));
}

void TestMainWindow::codeWithoutTextKeepsTheLabel()
{
    QVERIFY(rig->startAndConnect());
    rig->link.lock.setAction(99);
    QTRY_VERIFY(rig->window.programState->gesperrt);
    QVERIFY(!usable(*rig, "cmdUpload"));
    QCOMPARE(rig->window.labProgState->text(), QStringLiteral("Ready"));
    QCOMPARE(Controls::backgroundOf(rig->window.labProgState), Controls::lightGreen());
}

void TestMainWindow::guardMessagesReachTheWindowsBoxes()
{
    rig->sim.setUnplugged(true);
    rig->start();
    rig->info.InfoDownload();
    QCOMPARE(rig->boxes.texts(), QStringList{"Not Connected!"});

    rig->sim.setUnplugged(false);
    rig->link.supervisor.probeTick();
    QVERIFY(rig->connected());
    rig->link.lock.setAction(OperationLock::LoadingSMs);
    rig->sim.clearTranscript();
    rig->info.InfoDownload();
    QCOMPARE(rig->boxes.texts(), (QStringList{"Not Connected!", "Busy, try again..."}));
    QVERIFY(rig->commands().isEmpty());
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::LoadingSMs));

    // Without a recorder the window's own message boxes take the messages again.
    rig->window.setMessageBoxes(nullptr);
    QVERIFY(rig->link.lock.messageBoxes() != nullptr);
    QVERIFY(rig->link.lock.messageBoxes() != &rig->boxes);
    QCOMPARE(rig->link.lock.messageBoxes(), &rig->window.messageBoxes());
}

void TestMainWindow::choosingTheTickedPortChangesNothing()
{
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();
    rig->window.menCom[0]->trigger();

    QCOMPARE(checkedPort(*rig), 1);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    QVERIFY(rig->link.line.isOpen());
    QVERIFY(!QSettings("Quenda", "Quenda").contains("Config/comport"));
    QTest::qWait(300);
    QVERIFY(rig->commands().isEmpty());
}

void TestMainWindow::choosingAnotherPortStoresItAndReconnects()
{
    rig->link.settings.setDevice(2, rig->sim.devicePath());
    rig->link.supervisor.timState.setInterval(200);
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();

    rig->window.menCom[1]->trigger();
    QCOMPARE(checkedPort(*rig), 2);
    QCOMPARE(rig->link.settings.comport(), 2);
    QCOMPARE(rig->link.line.portNumber(), 2);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::NoPhone));

    // A new port is greeted from the start.
    QTRY_VERIFY(rig->commands().contains("AT+CGMI"));
    QVERIFY(rig->connected());
    QVERIFY(rig->window.labState->toolTip().startsWith("Com 2: " + rig->sim.devicePath()));
}

void TestMainWindow::portChangeKeepsTheMemoryChosen()
{
    rig->link.settings.setDevice(2, rig->sim.devicePath());
    QVERIFY(rig->startAndConnect());
    rig->window.phonebook->optPhone->setChecked(true);
    QTRY_COMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));

    rig->window.menCom[1]->trigger();
    QVERIFY(rig->boxes.shown.isEmpty());
    QVERIFY(rig->window.phonebook->optPhone->isChecked());
    QVERIFY(rig->connected());
    QVERIFY(rig->boxes.shown.isEmpty());
}

void TestMainWindow::deviceChosenInTheWindowTakesEffect()
{
    rig->link.settings.setDevice(1, QStringLiteral("/nonexistent/quenda-test-device"));
    rig->link.supervisor.timState.setInterval(200);
    rig->start();
    QTRY_VERIFY(rig->window.labLineHint->isVisible());
    QVERIFY(rig->window.labLineHint->text().startsWith(QLatin1String("No such device")));

    QTimer::singleShot(0, [this] {
        QTRY_VERIFY(qobject_cast<DeviceDialog *>(QApplication::activeModalWidget()));
        auto *dialog = qobject_cast<DeviceDialog *>(QApplication::activeModalWidget());
        QCOMPARE(dialog->txtDevice->text(), QStringLiteral("/nonexistent/quenda-test-device"));
        dialog->txtDevice->setText(rig->sim.devicePath());
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    });
    rig->window.menDevice->trigger();
    QCOMPARE(rig->link.settings.device(1), rig->sim.devicePath());
    QVERIFY(rig->connected());
    QVERIFY(!rig->window.labLineHint->isVisible());
    rig->window.findChild<QMenu *>(QStringLiteral("menComPort"))->aboutToShow();
    QCOMPARE(rig->window.menCom[0]->toolTip(), rig->sim.devicePath());
}

void TestMainWindow::deviceDialogKeepsTheDeviceInUse_data()
{
    QTest::addColumn<bool>("forThisRun"); // --device, with the settings naming another device
    QTest::addColumn<bool>("pick");       // a row picked, then Cancel
    QTest::newRow("configured, OK") << false << false;
    QTest::newRow("for this run, OK") << true << false;
    QTest::newRow("configured, row picked") << false << true;
}

void TestMainWindow::deviceDialogKeepsTheDeviceInUse()
{
    QFETCH(bool, forThisRun);
    QFETCH(bool, pick);
    const QString configured =
        forThisRun ? QStringLiteral("/nonexistent/quenda-test-device") : rig->sim.devicePath();
    rig->link.settings.setDevice(1, configured);
    if (forThisRun)
        rig->link.useDeviceForThisRun(rig->sim.devicePath());
    const Platform::SerialPortEntry builtIn{QStringLiteral("/dev/ttyS0"), QString(), QStringLiteral("16550A"),
                                            QString(), QString()};
    rig->window.listSerialPorts = [&] { return QList<Platform::SerialPortEntry>{builtIn}; };
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();

    QString shown;
    QString picked;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<DeviceDialog *>(QApplication::activeModalWidget()));
        auto *dialog = qobject_cast<DeviceDialog *>(QApplication::activeModalWidget());
        QTRY_VERIFY(dialog->lstDevices->hasFocus());
        shown = dialog->txtDevice->text();
        if (pick) {
            const QTreeWidgetItem *row = dialog->lstDevices->topLevelItem(0);
            QTest::mouseClick(dialog->lstDevices->viewport(), Qt::LeftButton, {},
                              dialog->lstDevices->visualItemRect(row).center());
            picked = dialog->txtDevice->text();
        }
        QTest::mouseClick(pick ? dialog->cmdCancel : dialog->cmdOK, Qt::LeftButton);
    });
    rig->window.menDevice->trigger();
    QCOMPARE(shown, rig->sim.devicePath());
    QCOMPARE(picked, pick ? builtIn.device : QString());
    QCOMPARE(rig->link.settings.device(1), configured);
    QCOMPARE(rig->link.line.deviceName(), rig->sim.devicePath());
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    QVERIFY(!rig->commands().contains("AT+CGMI")); // not greeted anew
}

void TestMainWindow::unreachablePositionOpensOnThePrimaryScreen_data()
{
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("left");
    QTest::addColumn<bool>("kept");
    QTest::newRow("on screen") << "1200"
                               << "1800" << true;
    QTest::newRow("not a number") << "nan"
                                  << "1800" << false;
    QTest::newRow("infinite") << "1200"
                              << "inf" << false;
    QTest::newRow("beyond int") << "4e10"
                                << "4e10" << false;
    QTest::newRow("far left") << "1200"
                              << "-4e10" << false;
    QTest::newRow("off every screen") << "1500000"
                                      << "1200" << false;
    QTest::newRow("title bar above the screen") << "-3000"
                                                << "1200" << false;
}

void TestMainWindow::unreachablePositionOpensOnThePrimaryScreen()
{
    QFETCH(QString, top);
    QFETCH(QString, left);
    QFETCH(bool, kept);
    {
        QSettings store("Quenda", "Quenda");
        store.setValue("Config/Top", top);
        store.setValue("Config/Left", left);
    }
    delete rig;
    rig = new WindowRig(WindowRig::KeepSettings);
    rig->start();
    const QPoint place = rig->window.pos();
    if (kept) {
        QTRY_COMPARE(rig->window.pos(), QPoint(120, 80));
        return;
    }
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(QRect(place, QSize(rig->window.frameGeometry().width(), 24)).topLeft()) &&
                 screen.contains(place + QPoint(40, 10)),
             qPrintable(QStringLiteral("window at %1,%2").arg(place.x()).arg(place.y())));
}

void TestMainWindow::connectionLabelDescribesTheLine()
{
    const QString missing = QDir::temp().filePath("quenda-no-such-port");
    rig->link.settings.setDevice(1, missing);
    rig->start();
    QTRY_VERIFY(!rig->link.line.openFailure().isEmpty());
    const QString tip = rig->window.labState->toolTip();
    QVERIFY2(tip.startsWith("Com 1: " + missing + "\n"), qPrintable(tip));
    // The description, then what to do about it.
    QCOMPARE(tip, rig->link.lineDescription() + QLatin1Char('\n') + rig->link.lineProblem());
    QCOMPARE(rig->window.labState->text(), QStringLiteral("Not Connected"));

    // A device that appears is described without a reason once it is open.
    rig->link.settings.setDevice(1, rig->sim.devicePath());
    QVERIFY(rig->connected(4000));
    QCOMPARE(rig->window.labState->toolTip(), "Com 1: " + rig->sim.devicePath());
}

void TestMainWindow::tabClickedWhileBusyLoadsWhenOperationEnds()
{
    rig->link.tabs.timTabChange.setInterval(20);
    QVERIFY(rig->startAndConnect());
    rig->link.lock.setAction(OperationLock::LoadingSMs);
    rig->sim.clearTranscript();

    clickTab(*rig, TabLoader::Infos);
    QCOMPARE(rig->window.frmTabs->currentWidget(), rig->window.infos);
    QTest::qWait(100);
    QVERIFY(rig->commands().isEmpty());

    rig->link.lock.finish();
    QTRY_VERIFY(rig->commands().contains("AT+CIMI"));
    QCOMPARE(rig->commands().constFirst(), QByteArray("AT+CBC"));
    QTRY_COMPARE(rig->window.infos->labIMSI->text(), QStringLiteral("262011234567890"));
}

void TestMainWindow::tabClickedWithoutPhoneLoadsOnConnect()
{
    rig->sim.setUnplugged(true);
    rig->start();
    clickTab(*rig, TabLoader::Infos);
    QCOMPARE(rig->window.frmTabs->currentWidget(), rig->window.infos);
    QTest::qWait(100);
    QVERIFY(rig->commands().isEmpty());

    rig->sim.setUnplugged(false);
    rig->link.supervisor.probeTick();
    QTRY_VERIFY(rig->commands().contains("AT+CBC"));
    QTRY_COMPARE(rig->window.infos->labManu->text(), QStringLiteral("Mitsubishi"));
}

void TestMainWindow::smsComposerAndRemoteControlTabsSendNothing()
{
    rig->link.tabs.timTabChange.setInterval(20);
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();
    clickTab(*rig, TabLoader::CreateSMS);
    QCOMPARE(rig->window.frmTabs->currentWidget(), rig->window.createSms);
    clickTab(*rig, TabLoader::RemoteControl);
    QCOMPARE(rig->window.frmTabs->currentWidget(), rig->window.remoteControl);
    QCOMPARE(rig->link.tabs.MintCurFrame, qint16(TabLoader::RemoteControl));
    QTest::qWait(300);
    QVERIFY(rig->commands().isEmpty());
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestMainWindow::tabAcceleratorsSwitchTabs()
{
    QVERIFY(rig->startAndConnect());
    rig->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&rig->window));
    QTest::keyClick(&rig->window, Qt::Key_O, Qt::AltModifier);
    QCOMPARE(rig->window.frmTabs->currentWidget(), rig->window.remoteControl);
    QTest::keyClick(&rig->window, Qt::Key_I, Qt::AltModifier);
    QCOMPARE(rig->window.frmTabs->currentWidget(), rig->window.infos);
    QCOMPARE(rig->link.tabs.MintCurFrame, qint16(TabLoader::Infos));
    QTRY_VERIFY(rig->commands().contains("AT+CBC"));
}

void TestMainWindow::infosTabIsNotUnloadedByALoss()
{
    rig->link.supervisor.timState.setInterval(150);
    rig->link.exchange.timTimeoutState.setInterval(300);
    rig->link.settings.setStarttab(TabLoader::Infos);
    QVERIFY(rig->startAndConnect());
    QTRY_COMPARE(rig->window.infos->labModel->text(), QStringLiteral("Trium Mars"));
    QTRY_COMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    clickTab(*rig, TabLoader::RemoteControl);

    const auto loseAndFind = [this] {
        rig->sim.state().model = "Trium Neo";
        rig->sim.setUnplugged(true);
        QTRY_COMPARE(rig->window.labState->text(), QStringLiteral("Not Connected"));
        rig->sim.setUnplugged(false);
        QTRY_COMPARE(rig->window.labState->text(), QStringLiteral("Connected"));
        QVERIFY(rig->connected());
    };
    loseAndFind();
    rig->sim.clearTranscript();
    clickTab(*rig, TabLoader::Infos);
    QTest::qWait(300);
    QVERIFY(!rig->commands().contains("AT+CBC"));
    QCOMPARE(rig->window.infos->labModel->text(), QStringLiteral("Trium Mars"));

    // A connect while the tab is on show reads it again.
    loseAndFind();
    QTRY_COMPARE(rig->window.infos->labModel->text(), QStringLiteral("Trium Neo"));
}

void TestMainWindow::unboundControlsDoNothing()
{
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();
    MainWindow &w = rig->window;
    w.menReset->trigger();
    w.menExport->trigger();
    w.menImport->trigger();
    QTest::mouseClick(w.ringtones->cmdDown, Qt::LeftButton);
    QTest::qWait(200);
    QVERIFY(rig->commands().isEmpty());
    QVERIFY(rig->boxes.shown.isEmpty());
    QVERIFY(w.isVisible());
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    QCOMPARE(checkedPort(*rig), 1);
}

void TestMainWindow::helpAnswersAlwaysTheSame()
{
    rig->sim.setUnplugged(true);
    rig->start();
    rig->window.menHilfe->trigger();
    rig->sim.setUnplugged(false);
    rig->link.supervisor.probeTick();
    QVERIFY(rig->connected());
    rig->window.menHilfe->trigger();
    const QPair<QString, QString> help{"There will be no Help. Never!", "Help"};
    QCOMPARE(rig->boxes.shown, (QList<QPair<QString, QString>>{help, help}));
}

void TestMainWindow::deleteArrowOpensDeleteAllPopup()
{
    QVERIFY(rig->startAndConnect());
    MainWindow &w = rig->window;
    clickTab(*rig, TabLoader::Phonebook);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    QTest::mouseClick(w.phonebook->cmdDelePhoneAdv, Qt::LeftButton);
    QTRY_VERIFY(w.menPhoneDele->isVisible());
    QCOMPARE(w.menPhoneDele->actions(), QList<QAction *>{w.menPhoneDeleAll});
    QCOMPARE(w.menPhoneDeleAll->text(), QStringLiteral("Delete All"));
    QCOMPARE(w.focusWidget(), w.phonebook->cmdDeletePhone);
    // The pop-up opens beside the arrow, not somewhere on the screen.
    const QRect arrow(w.phonebook->cmdDelePhoneAdv->mapToGlobal(QPoint(0, 0)),
                      w.phonebook->cmdDelePhoneAdv->size());
    QVERIFY(qAbs(w.menPhoneDele->geometry().center().x() - arrow.center().x()) <= 1);
    QCOMPARE(w.menPhoneDele->geometry().top(), arrow.bottom() + 1);
    w.menPhoneDele->close();
    QVERIFY(rig->boxes.shown.isEmpty());
}

void TestMainWindow::tabsAnotherPhoneLacksAreGreyedWithTheReason()
{
    WindowRig rig;
    QVERIFY(rig.started);
    simphone::PhoneState &phone = rig.sim.state();
    phone.manufacturer = "SIEMENS";
    phone.model = "S55";
    // A phone that names neither text nor PDU mode.
    rig.sim.failCommand("AT+CMGF=?", "+CMGF: ()\r\n\r\nOK");
    rig.sim.failCommand("AT+CKPD", "ERROR");
    rig.link.settings.setStarttab(TabLoader::Ringtones);
    QVERIFY(rig.startAndConnect());
    QCOMPARE(rig.find<QLabel>("labState")->text(), QStringLiteral("Connected: SIEMENS S55"));
    const struct
    {
        TabLoader::Tab tab;
        QString why;
    } lacking[] = {
        {TabLoader::Ringtones,
         "SIEMENS S55 has no melody commands: ringtones are the Mitsubishi Trium Mars's own."},
        {TabLoader::ViewSMS, "SIEMENS S55 offers no messages over the cable: \"AT+CMGF=?\" names no mode."},
        {TabLoader::CreateSMS, "SIEMENS S55 offers no messages over the cable: \"AT+CMGF=?\" names no mode."},
        {TabLoader::RemoteControl, "SIEMENS S55 takes no key presses: it refuses \"AT+CKPD=?\"."},
    };
    auto *why = rig.find<QLabel>("labLacking");
    for (const auto &tab : lacking) {
        rig.link.tabs.select(tab.tab);
        QVERIFY(rig.connected());
        QCOMPARE(why->text(), tab.why);
        QVERIFY(why->isVisible());
        QVERIFY(!rig.find<QStackedWidget>("frmTabs")->currentWidget()->isEnabled());
    }
    rig.link.tabs.select(TabLoader::Phonebook);
    QVERIFY(rig.connected());
    QVERIFY(!why->isVisible());
    QVERIFY(rig.find<QStackedWidget>("frmTabs")->currentWidget()->isEnabled());
    // Nothing of what the phone lacks was asked for, and nothing was told in a box.
    for (const QByteArray &command : rig.commands())
        QVERIFY2(!command.startsWith("AT~MMY") && !command.startsWith("AT+CMGR") && command != "AT+CMGF=1",
                 command.constData());
    QVERIFY(rig.boxes.shown.isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
