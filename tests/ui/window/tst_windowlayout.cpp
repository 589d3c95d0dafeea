#include "testenvironment.h"
#include "windowrig.h"

#include "ui/phonebook/phonebookpage.h"
#include "ui/remote/handsetpicture.h"
#include "ui/remote/keypad.h"
#include "ui/remote/remotecontrolpage.h"
#include "ui/window/statuswindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>

static TestEnvironment environment;

namespace {

// The caption or initial content of a control, whatever its kind.
QString captionOf(const QWidget *widget)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->title();
    if (auto *line = qobject_cast<const QLineEdit *>(widget))
        return line->text();
    if (auto *editor = qobject_cast<const QPlainTextEdit *>(widget))
        return editor->toPlainText();
    return QString();
}

// The widgets a layout gave less room than they need: less than their minimum, or, for a
// wrapped text, fewer lines than it takes at its width.
QStringList squeezed(const QWidget &window)
{
    QStringList found;
    for (const QLayout *layout : window.findChildren<QLayout *>()) {
        for (int i = 0; i < layout->count(); ++i) {
            const QWidget *widget = layout->itemAt(i)->widget();
            if (!widget || !widget->isVisible())
                continue;
            const QSize need = layout->itemAt(i)->minimumSize().expandedTo(QSize(
                0, widget->hasHeightForWidth() && !widget->layout() ? widget->heightForWidth(widget->width())
                                                                    : 0));
            if (widget->width() < need.width() || widget->height() < need.height())
                found.append(QStringLiteral("%1 %2x%3 < %4x%5")
                                 .arg(widget->objectName(), QString::number(widget->width()),
                                      QString::number(widget->height()), QString::number(need.width()),
                                      QString::number(need.height())));
        }
    }
    return found;
}

QStringList titles(const QList<QAction *> &actions)
{
    QStringList all;
    for (const QAction *action : actions)
        all.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return all;
}

} // namespace

class TestWindowLayout : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void controlsHaveTheirNamesAndCaptions_data();
    void controlsHaveTheirNamesAndCaptions();
    void tabsInOrder();
    void eachPageBelongsToItsTab();
    void menusInOrder();
    void timersWithTheirIntervals();
    void keypadLiesOnThePicture();
    void arrowGlyphsExistInTheFont();
    void languagesInOrder();
    void nothingSqueezedAtTheSmallestSize_data();
    void nothingSqueezedAtTheSmallestSize();

private:
    WindowRig *rig = nullptr;
};

void TestWindowLayout::initTestCase()
{
    rig = new WindowRig;
    QVERIFY(rig->started);
}

void TestWindowLayout::cleanupTestCase()
{
    delete rig;
}

void TestWindowLayout::controlsHaveTheirNamesAndCaptions_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    const auto row = [](const char *name, const char *kind, const QString &caption) {
        QTest::newRow(name) << QString::fromLatin1(kind) << caption;
    };
    // Ringtones
    row("frmRingOnPC", "QGroupBox", "Ringtones On PC");
    row("cmdRingtonesOnHDRefresh", "QPushButton", "Refresh");
    row("cmdPath", "QPushButton", "Change Dir");
    row("cmdImportRtttl", "QPushButton", "Import RTTTL...");
    row("cmdPlay", "QPushButton", "Play");
    row("cmdSaveWav", "QPushButton", "Save as WAV...");
    row("labPlayer", "QLabel", QString());
    row("FileMDY", "QListWidget", QString());
    row("Frame3", "QGroupBox", "Ringtones on Trium Mars");
    row("cmdDown", "QPushButton", "Download");
    row("cmdRefresh", "QPushButton", "Refresh");
    row("listRingtones", "QListWidget", QString());
    row("Frame1", "QGroupBox", "Ringtone Upload");
    row("chkInc", "QCheckBox", "Increase Tone Height");
    row("Label2", "QLabel", "Replace Ringtone No. (1-8):");
    row("txtReplace", "QLineEdit", QString());
    row("cmdUpload", "QPushButton", "Upload");
    // Phonebook
    row("frmContacts", "QGroupBox", "Contacts On Cellular");
    row("lstContacts", "QListWidget", QString());
    row("Frame9", "QGroupBox", "Edit Contacts");
    row("Label5", "QLabel", "Name");
    row("txtName", "QLineEdit", QString());
    row("Label6", "QLabel", "Number");
    row("txtPhone", "QLineEdit", QString());
    row("cmdSavePhone", "QPushButton", "S&ave Changes");
    row("cmdCreatePhone", "QPushButton", "&Create As New");
    row("cmdDeletePhone", "QPushButton", "&Delete");
    row("cmdDelePhoneAdv", "QToolButton", QStringLiteral("\u25BC"));
    row("cmdExp", "QPushButton", "Export");
    row("cmdImp", "QPushButton", "Import");
    row("frmPhonebookOptions", "QGroupBox", "Options");
    row("optPhone", "QRadioButton", "Contacts from &Phone");
    row("optSIM", "QRadioButton", "Contacts from &SIM");
    row("Frame8", "QGroupBox", QString());
    row("cmdPlaceCall", "QPushButton", "Call");
    row("cmdSMSfromPhB", "QPushButton", "Send SMS");
    // View SMS
    row("frmSMSonMars", "QGroupBox", "SMS on Trium Mars");
    row("lstTimeDate", "QListWidget", QString());
    row("txtSMS", "QPlainTextEdit", "Choose Message to Display it here!\n");
    row("txtNumber", "QLineEdit", "Cellular Number");
    row("txtSMSName", "QLineEdit", "Name");
    row("cmdRefreshSMS", "QPushButton", "Refresh");
    row("cmdDeleteSMS", "QPushButton", "Delete SMS");
    row("cmdDeleteAllSMS", "QPushButton", "Delete All");
    row("Frame5", "QGroupBox", "Auto-SMS-Downloader");
    row("chkAutoSMS", "QCheckBox", "Enable/Disable");
    row("cmdAutoSMSArchive", "QPushButton", "Choose File");
    row("cmdAutoSMSNow", "QPushButton", "Get New SMs");
    row("txtDescr", "QLabel",
        "Auto-SMS-Downloader dumps the SMs \nstored on your cellular to a file. If enabled it \nwill be done "
        "automatically when you \nconnect your phone. Only new messages \nwill be appended to the file!\n");
    // Create/Send SMS
    row("Frame11", "QGroupBox", "Create SMS");
    row("Label17", "QLabel", "Service Center:");
    row("txtServiceCenter", "QLineEdit", QString());
    row("cmdSMSC", "QPushButton", "Service Centers");
    row("Label16", "QLabel", "Phonenumber:");
    row("txtSendSMSNumber", "QLineEdit", QString());
    row("cmdNumberNamesSMS", "QPushButton", "&Names");
    row("txtCreateSMS", "QPlainTextEdit", QString());
    row("labCharsLeft", "QLabel", "Characters: 0/160");
    row("Frame12", "QGroupBox", "Upload/Send SMS");
    row("cmdSendSMS", "QPushButton", "Send SMS");
    row("cmdUploadSMS", "QPushButton", "Upload SMS");
    row("cmdUploadSend", "QPushButton", "Upload+Send");
    // Infos
    row("Frame6", "QGroupBox", "Battery");
    row("prgBattery", "QProgressBar", QString());
    row("labBattery", "QLabel", "0 Percent");
    row("Label9", "QLabel", "Empty");
    row("Label8", "QLabel", "Full");
    row("frmPhoneInfo", "QGroupBox", "Phone Info");
    row("Label1", "QLabel", "Manufacturer:");
    row("labManu", "QLabel", QString());
    row("Label10", "QLabel", "Model:");
    row("labModel", "QLabel", QString());
    row("frmNetinfo", "QGroupBox", "Net Info");
    row("labOperatorlaba", "QLabel", "Operator:");
    row("labOperator", "QLabel", QString());
    row("Label15", "QLabel", "Operator ID:");
    row("labOpID", "QLabel", QString());
    row("Label13", "QLabel", "State:");
    row("labNetState", "QLabel", QString());
    row("Label11", "QLabel", "Net:");
    row("labNet", "QLabel", QString());
    row("Label12", "QLabel", "Cell:");
    row("labCell", "QLabel", QString());
    row("Frame10", "QGroupBox", "SIM Info");
    row("Label14", "QLabel", "IMSI:");
    row("labIMSI", "QLabel", QString());
    // Remote Control
    row("frmControl", "QGroupBox", "Control");
    row("Frame13", "QGroupBox", "Send Keys");
    row("Label20", "QLabel", "Sorry, this Option is still quite buggy...");
    row("optNormalSend", "QRadioButton", "Normal Mode (b=22)");
    row("optT9Send", "QRadioButton", "T9 Mode (b=2)");
    row("txtRC", "QLineEdit", QString());
    row("Frame15", "QGroupBox", "Special");
    row("cmdIMEI", "QPushButton", "Show IMEI");
    row("cmdSoft", "QPushButton", "Show Soft Vers.");
    row("cmdHard", "QPushButton", "Show Hard Vers.");
    row("cmdIMEISoft", "QPushButton", "Show IMEI+Soft");
    row("cmdNetMon1", "QPushButton", "Net Mon 1");
    row("cmdNetMon2", "QPushButton", "Net Mon 2");
    row("cmdM4TestMode", "QPushButton", "M4 Testmode");
    row("cmdSupTraces", "QPushButton", "Sup Traces");
    row("cmdWarmStart", "QPushButton", "Warm Start");
    row("Label18", "QLabel", "Language:");
    row("cmbLanguage", "QComboBox", QString());
    row("cmdLanguage", "QPushButton", "Set");
    row("Label19", "QLabel", "Enable/Disable by clicking again.");
    // Status strip
    row("Frame4", "QFrame", QString());
    row("Label3", "QLabel", "Program State:");
    row("labProgState", "QLabel", "Busy");
    row("Label4", "QLabel", "Connection State:");
    row("labState", "QLabel", "Not Connected");
}

void TestWindowLayout::controlsHaveTheirNamesAndCaptions()
{
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    const QList<QWidget *> found =
        rig->window.findChildren<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(found.size(), 1);
    QVERIFY2(found.first()->inherits(kind.toLatin1()), found.first()->metaObject()->className());
    QCOMPARE(captionOf(found.first()), caption);
}

void TestWindowLayout::tabsInOrder()
{
    const QTabBar *tabs = rig->window.tabMain;
    QCOMPARE(tabs->objectName(), QStringLiteral("tabMain"));
    const QStringList captions = {"&Ringtones",       "&Phonebook", "&View SMS",
                                  "&Create/Send SMS", "&Infos",     "Rem&ote Control"};
    const QStringList keys = {"tabRingtones", "tabPhonebook", "tabSMS",
                              "tabSendSMS",   "tabInfo",      "tabRemoteControl"};
    QCOMPARE(tabs->count(), 6);
    for (int i = 0; i < tabs->count(); ++i) {
        QCOMPARE(tabs->tabText(i), captions[i]);
        QCOMPARE(tabs->tabData(i).toString(), keys[i]);
    }
    QCOMPARE(rig->window.frmTabs->count(), 6);
}

void TestWindowLayout::eachPageBelongsToItsTab()
{
    // A control sits on the page of its tab: switching to the tab shows it.
    const QList<QPair<int, const char *>> samples = {{1, "cmdUpload"},   {2, "lstContacts"},
                                                     {3, "lstTimeDate"}, {4, "txtCreateSMS"},
                                                     {5, "labIMSI"},     {6, "Command19"}};
    rig->window.show();
    for (const auto &[tab, name] : samples) {
        rig->link.tabs.showInitial(tab);
        QVERIFY2(rig->find(name)->isVisible(), name);
        QCOMPARE(rig->window.tabMain->currentIndex(), tab - 1);
        for (const auto &[other, otherName] : samples) {
            if (other != tab)
                QVERIFY2(!rig->find(otherName)->isVisible(), otherName);
        }
    }
    rig->window.hide();
}

void TestWindowLayout::menusInOrder()
{
    MainWindow &w = rig->window;
    QStringList visible;
    for (QAction *menu : w.menuBar()->actions()) {
        if (menu->isVisible())
            visible.append(menu->text());
    }
    QCOMPARE(visible, (QStringList{"&File", "Se&ttings", "&Help"}));

    const auto menu = [&](const char *name) { return rig->find<QMenu>(name); };
    QCOMPARE(titles(menu("menFile")->actions()), (QStringList{"Back Up Phone...", "-", "E&xit Program"}));
    QCOMPARE(titles(menu("menSettings")->actions()),
             (QStringList{"Com Port", "Device...", "Record the Line...", "Keep &English", "Reset Program"}));
    QCOMPARE(titles(menu("menComPort")->actions()), (QStringList{"Com 1", "Com 2", "Com 3", "Com 4"}));
    for (int n = 1; n <= 4; ++n) {
        QCOMPARE(w.menCom[n - 1]->objectName(), QStringLiteral("menCom%1").arg(n));
        QVERIFY(w.menCom[n - 1]->isCheckable());
    }
    QCOMPARE(titles(menu("menHelp")->actions()), (QStringList{"Help", "Version History", "-", "About"}));
    QCOMPARE(w.menTrennlinie->objectName(), QStringLiteral("menTrennlinie"));

    QMenu *phonebook = menu("menPhonebook");
    QVERIFY(!phonebook->menuAction()->isVisible());
    QCOMPARE(titles(phonebook->actions()), (QStringList{"Export Phonebook", "Import Phonebook"}));
    QVERIFY(!w.menPhoneDele->menuAction()->isVisible());
    QCOMPARE(titles(w.menPhoneDele->actions()), QStringList{"Delete All"});
}

void TestWindowLayout::timersWithTheirIntervals()
{
    PhoneLink &link = rig->link;
    MainWindow &w = rig->window;
    struct Expected
    {
        QTimer *timer;
        const char *name;
        int interval;
        bool running;
    };
    const QList<Expected> timers = {
        {&link.supervisor.timGetState, "timGetState", 75, false},
        {&link.supervisor.timState, "timState", 1750, true},
        {&w.programState->timProgState, "timProgState", 275, true},
        {&link.exchange.timTimeout, "timTimeout", 5000, false},
        {&link.exchange.timTimeoutState, "timTimeoutState", 1400, false},
        {&link.exchange.timTimeOutLong, "timTimeOutLong", 30000, false},
        {&link.exchange.timPause, "timPause", 300, false},
        {&link.tabs.timTabChange, "timTabChange", 300, false},
        {&link.tabs.timWaitforLoad, "timWaitforLoad", 10, false},
        {&w.timKeyPressed, "timKeyPressed", 1000, false},
        {&w.timKeySave, "timKeySave", 1000, false},
        {&w.frmStatus->timCheckState, "timCheckState", 1000, false},
    };
    // As they stand once the window has started, before any answer has come in.
    rig->sim.setUnplugged(true);
    rig->window.startUp();
    link.supervisor.timGetState.stop();
    link.exchange.timTimeoutState.stop();
    for (const Expected &t : timers) {
        QCOMPARE(t.timer->objectName(), QString::fromLatin1(t.name));
        QCOMPARE(t.timer->interval(), t.interval);
        QVERIFY2(t.timer->isActive() == t.running, t.name);
    }
    link.supervisor.timState.stop();
    rig->sim.setUnplugged(false);
}

void TestWindowLayout::keypadLiesOnThePicture()
{
    const Keypad *keypad = rig->find<Keypad>("frmControl");
    const HandsetPicture *picture = keypad->Image1;
    QCOMPARE(picture->objectName(), QStringLiteral("Image1"));
    QCOMPARE(picture->size(), QSize(141, 300));

    QList<QRect> places;
    for (int n = 1; n <= 20; ++n) {
        const QString name = QStringLiteral("Command%1").arg(n);
        auto *button = keypad->findChild<QPushButton *>(name);
        QVERIFY2(button, qPrintable(name));
        QCOMPARE(keypad->button(n), button);
        QCOMPARE(button->parentWidget(), picture);
        QVERIFY2(picture->rect().contains(button->geometry()), qPrintable(name));
        for (const QRect &other : places)
            QVERIFY2(!other.intersects(button->geometry()), qPrintable(name));
        places.append(button->geometry());
    }
    // Rows from top to bottom: soft keys and up, call and arrows and end, down, digits.
    const auto top = [&](int n) { return keypad->button(n)->geometry().top(); };
    const auto left = [&](int n) { return keypad->button(n)->geometry().left(); };
    QVERIFY(top(1) == top(3) && top(3) == top(2));
    QVERIFY(left(1) < left(3) && left(3) < left(2));
    QVERIFY(top(7) > top(1) && top(7) == top(4) && top(4) == top(5) && top(5) == top(8));
    QVERIFY(left(7) < left(4) && left(4) < left(5) && left(5) < left(8));
    QVERIFY(top(6) > top(4) && top(9) > top(6));
    const int digitRows[4][3] = {{9, 10, 14}, {13, 12, 11}, {17, 16, 15}, {20, 19, 18}};
    for (int r = 0; r < 4; ++r) {
        QVERIFY(left(digitRows[r][0]) < left(digitRows[r][1]) &&
                left(digitRows[r][1]) < left(digitRows[r][2]));
        QVERIFY(top(digitRows[r][0]) == top(digitRows[r][2]));
        if (r > 0)
            QVERIFY(top(digitRows[r][0]) > top(digitRows[r - 1][0]));
    }

    QCOMPARE(keypad->button(9)->text(), QStringLiteral("&1"));
    QCOMPARE(keypad->button(10)->text(), QStringLiteral("&2"));
    QCOMPARE(keypad->button(3)->text(), QStringLiteral("\u25B2"));
    QCOMPARE(keypad->button(4)->text(), QStringLiteral("\u25C0"));
    QCOMPARE(keypad->button(5)->text(), QStringLiteral("\u25B6"));
    QCOMPARE(keypad->button(6)->text(), QStringLiteral("\u25BC"));
    for (int n : {1, 2, 7, 8})
        QVERIFY(keypad->button(n)->text().isEmpty());
    QCOMPARE(keypad->button(7)->palette().color(QPalette::Button), QColor(0, 128, 0));
    QCOMPARE(keypad->button(8)->palette().color(QPalette::Button), QColor(192, 0, 0));
}

void TestWindowLayout::arrowGlyphsExistInTheFont()
{
    // The arrows must come out as arrows, not as the boxes of a missing glyph.
    const QFontMetrics metrics(rig->find<Keypad>("frmControl")->button(3)->font());
    for (const char16_t arrow : {u'\u25B2', u'\u25C0', u'\u25B6', u'\u25BC'})
        QVERIFY2(metrics.inFont(QChar(arrow)), qPrintable(QString(QChar(arrow))));
}

void TestWindowLayout::languagesInOrder()
{
    const QComboBox *languages = rig->find<QComboBox>("cmbLanguage");
    QStringList items;
    for (int i = 0; i < languages->count(); ++i)
        items.append(languages->itemText(i));
    QCOMPARE(items, (QStringList{"-Automatic-", "Dutch", "English", "French", "German", "Greek", "Italian",
                                 "Spanish"}));
    QVERIFY(!languages->isEditable());
    QVERIFY(rig->find<QRadioButton>("optT9Send")->isChecked());
    QVERIFY(!rig->find<QRadioButton>("optNormalSend")->isChecked());
    QVERIFY(!rig->find<QCheckBox>("chkInc")->isChecked());
}

void TestWindowLayout::nothingSqueezedAtTheSmallestSize_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<double>("fontScale"); // as a desktop at twice the scale has it, or larger
    QTest::addColumn<bool>("lineHint");    // the status strip says why there is no phone
    for (const double scale : {1.0, 2.0}) {
        for (int tab = TabLoader::Ringtones; tab <= TabLoader::RemoteControl; ++tab)
            QTest::addRow("tab %d, font x%g", tab, scale) << tab << scale << false;
        QTest::addRow("hint, font x%g", scale) << int(TabLoader::RemoteControl) << scale << true;
    }
}

void TestWindowLayout::nothingSqueezedAtTheSmallestSize()
{
    QFETCH(int, tab);
    QFETCH(double, fontScale);
    QFETCH(bool, lineHint);
    struct Font
    {
        explicit Font(double scale)
        {
            QFont font = normal;
            font.setPointSizeF(normal.pointSizeF() * scale);
            QApplication::setFont(font);
        }
        ~Font() { QApplication::setFont(normal); }
        const QFont normal = QApplication::font();
    } scaled(fontScale);
    WindowRig big;
    QVERIFY(big.started);
    big.sim.state().simBook = {{1, {"+4917012345678", 145, "Anna"}},
                               {2, {"+41791234567", 145, "Zahnarzt Dr.Wei\xe1"}},
                               {3, {"+4916055566677", 145, "S\x94ren \x99zt\x81rk"}}};
    if (lineHint)
        big.link.settings.setDevice(1, QStringLiteral("/nonexistent/quenda-test-device"));
    big.link.settings.setStarttab(tab);
    big.start();
    QVERIFY(lineHint ? QTest::qWaitFor([&] { return big.window.labLineHint->isVisible(); })
                     : big.connected());
    if (tab == TabLoader::Phonebook)
        QTRY_COMPARE(big.window.phonebook->lstContacts->count(), 3);
    big.window.resize(1, 1);
    QTest::qWait(100);
    QCOMPARE(big.window.size(), big.window.minimumSize());

    const QStringList found = squeezed(big.window);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral(", "))));
    // The contacts' rows fit the list: no scroll bar to hide their numbers behind.
    QVERIFY(!big.window.phonebook->lstContacts->horizontalScrollBar()->isVisible());
}

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
