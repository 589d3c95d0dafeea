#include "testenvironment.h"
#include "windowrig.h"

#include "ui/phonebook/contactpickerdialog.h"
#include "ui/phonebook/contactsfiledialog.h"
#include "ui/phonebook/phonebookcontroller.h"
#include "ui/phonebook/phonebookpage.h"
#include "ui/sms/createsmspage.h"
#include "ui/widgets/filelist.h"
#include "ui/widgets/folderlist.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

static TestEnvironment environment;

namespace {

// Notes the number of every "Calling..." that shows, and presses its "Finish" a second later
// unless it has closed by itself by then.
class CallingWatcher : public QObject
{
public:
    CallingWatcher() { qApp->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (event->type() != QEvent::Show || !dialog || dialog->objectName() != QLatin1String("frmWaitCall"))
            return false;
        numbers.append(dialog->findChild<QLabel *>(QStringLiteral("labNummer"))->text());
        QTimer::singleShot(1000, this, [this, shown = QPointer<QDialog>(dialog)] {
            if (shown && shown->isVisible()) {
                QTest::mouseClick(shown->findChild<QPushButton *>(QStringLiteral("cmdFinish")),
                                  Qt::LeftButton);
                ++finishes;
            }
        });
        return false;
    }
    QStringList numbers;
    int finishes = 0;
};

void clickTab(WindowRig &rig, int tab)
{
    QTest::mouseClick(rig.window.tabMain, Qt::LeftButton, {}, rig.window.tabMain->tabRect(tab - 1).center());
}

// Runs action on the next modal dialog that opens.
template <typename Dialog, typename Action> void onNextDialog(Action action)
{
    QTimer::singleShot(0, [action] {
        QTRY_VERIFY(qobject_cast<Dialog *>(QApplication::activeModalWidget()));
        action(qobject_cast<Dialog *>(QApplication::activeModalWidget()));
    });
}

} // namespace

class TestPhonebookTab : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showingTheTabLoadsTheSim();
    void selectingAContactFillsTheFieldsFiltered();
    void typedNumberIsFiltered();
    void choosingThePhoneMemoryLoadsItReadOnly();
    void anotherPhoneOffersItsMemoriesInAList();
    void createAndDeleteFromTheButtons();
    void deleteAllFromThePopup();
    void sendSmsHandsTheNumberToTheMessageForm();
    void callShowsUntilFinishOrRefusal_data();
    void callShowsUntilFinishOrRefusal();
    void pickerPutsTheNumberIntoTheMessageForm();
    void exportAndImportDialogs();

private:
    PhonebookPage &page() { return *rig->window.phonebook; }
    void showLoadedPhonebook();

    WindowRig *rig = nullptr;
};

void TestPhonebookTab::init()
{
    rig = new WindowRig;
    QVERIFY(rig->started);
    QFile::remove(rig->phonebook.cache().path());
    rig->window.programState->timProgState.setInterval(20);
    auto &sim = rig->sim.state().simBook;
    sim.insert(1, {"030111", 129, "Zora"});
    sim.insert(2, {"(030) 99", 129, "Anna"});
    sim.insert(3, {"+4917012", 145, "M\x81ller"});
    rig->sim.state().phoneBook.insert(1, {"0815", 129, "Home"});
}

void TestPhonebookTab::cleanup()
{
    delete rig;
}

void TestPhonebookTab::showLoadedPhonebook()
{
    QVERIFY(rig->startAndConnect());
    clickTab(*rig, TabLoader::Phonebook);
    QTRY_COMPARE(page().lstContacts->count(), 3);
    QTRY_VERIFY(rig->connected());
}

void TestPhonebookTab::showingTheTabLoadsTheSim()
{
    showLoadedPhonebook();
    QCOMPARE(rig->commands().mid(rig->commands().indexOf("AT+CPBS=\"SM\""), 4),
             QList<QByteArray>({"AT+CPBS=\"SM\"", "AT+CPBS?", "AT+CPBR=1,255", "AT+CPBW=?"}));
    QCOMPARE(page().lstContacts->item(0)->text(), QStringLiteral("Anna\t(030) 99"));
    QCOMPARE(page().lstContacts->item(1)->text(), QStringLiteral("Müller\t+4917012"));
    QCOMPARE(page().frmContacts->title(), QStringLiteral("3 Contacts On SIM - 247 Free"));
}

void TestPhonebookTab::selectingAContactFillsTheFieldsFiltered()
{
    showLoadedPhonebook();
    QListWidget *list = page().lstContacts;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QCOMPARE(page().txtName->text(), QStringLiteral("Anna"));
    QCOMPARE(page().txtPhone->text(), QStringLiteral("030 99"));
    QVERIFY(page().cmdSavePhone->isEnabled());
    QVERIFY(page().cmdCreatePhone->isEnabled());

    // The keyboard selects as well.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(page().txtName->text(), QStringLiteral("Müller"));
    QCOMPARE(page().txtPhone->text(), QStringLiteral("+4917012"));
}

void TestPhonebookTab::typedNumberIsFiltered()
{
    showLoadedPhonebook();
    page().txtPhone->setFocus();
    QTest::keyClicks(page().txtPhone, QStringLiteral("12a3"));
    QCOMPARE(page().txtPhone->text(), QStringLiteral("123"));
    QCOMPARE(page().txtPhone->cursorPosition(), 3);
    page().txtPhone->clear();
    QVERIFY(!page().cmdSavePhone->isEnabled());
    QVERIFY(!page().cmdCreatePhone->isEnabled());
}

void TestPhonebookTab::choosingThePhoneMemoryLoadsItReadOnly()
{
    showLoadedPhonebook();
    page().optPhone->click();
    QTRY_COMPARE(page().lstContacts->count(), 1);
    QVERIFY(rig->commands().contains("AT+CPBS=\"ME\""));
    QTRY_COMPARE(page().frmContacts->title(), QStringLiteral("1 Contacts On Phone - 99 Free"));
    QTRY_VERIFY(rig->connected());
    QVERIFY(page().txtName->isReadOnly());
    QVERIFY(page().txtPhone->isReadOnly());
    QVERIFY(!page().cmdImp->isEnabled());
    QVERIFY(!page().cmdCreatePhone->isEnabled());
}

void TestPhonebookTab::anotherPhoneOffersItsMemoriesInAList()
{
    simphone::PhoneState &phone = rig->sim.state();
    phone.manufacturer = "Nokia";
    phone.model = "Nokia 6310i";
    phone.phonebooks = {"ME", "SM", "MC", "DC"};
    phone.readOnlyBooks["DC"].insert(1, {"0800123", 129, "Hotline"});
    showLoadedPhonebook();
    QVERIFY(!page().cmbMemory->isHidden());
    QVERIFY(page().optSIM->isHidden() && page().optPhone->isHidden());
    QStringList titles;
    for (int k = 0; k < page().cmbMemory->count(); ++k)
        titles.append(page().cmbMemory->itemText(k));
    QCOMPARE(titles, QStringList({"SIM card (SM)", "Phone (ME)", "Dialled calls (DC)", "Missed calls (MC)"}));
    QCOMPARE(page().cmbMemory->currentText(), QStringLiteral("SIM card (SM)"));

    // A call list is read, and offers nothing to write or delete.
    page().cmbMemory->setFocus();
    QTest::keyClick(page().cmbMemory, Qt::Key_Down);
    QTRY_COMPARE(page().frmContacts->title(), QStringLiteral("1 Contacts On Phone - 99 Free"));
    QTRY_VERIFY(rig->connected() && page().cmbMemory->isEnabled());
    QTest::keyClick(page().cmbMemory, Qt::Key_Down);
    QTRY_COMPARE(page().lstContacts->count(), 1);
    QTRY_COMPARE(page().frmContacts->title(), QStringLiteral("1 Entries In Dialled calls"));
    QTRY_VERIFY(rig->connected());
    QVERIFY(page().txtName->isReadOnly() && !page().cmdCreatePhone->isEnabled() &&
            !page().cmdImp->isEnabled());
    QVERIFY(!page().cmdDeletePhone->isEnabled() && !page().cmdDelePhoneAdv->isEnabled());

    // The phone's own memory takes contacts again.
    QTest::keyClick(page().cmbMemory, Qt::Key_Up);
    QTRY_COMPARE(page().frmContacts->title(), QStringLiteral("1 Contacts On Phone - 99 Free"));
    QTRY_VERIFY(rig->connected());
    QVERIFY(!page().txtName->isReadOnly() && page().cmdDeletePhone->isEnabled() &&
            page().cmdImp->isEnabled());
}

void TestPhonebookTab::createAndDeleteFromTheButtons()
{
    showLoadedPhonebook();
    page().txtName->setText(QStringLiteral("Jürgen"));
    page().txtPhone->setText(QStringLiteral("0301"));
    page().cmdCreatePhone->click();
    QVERIFY(rig->commands().contains("AT+CPBW=4,\"0301\",129,\"J\x81rgen\""));
    QTRY_COMPARE(page().lstContacts->count(), 4);
    QTRY_COMPARE(page().frmContacts->title(), QStringLiteral("4 Contacts On SIM - 246 Free"));

    QTRY_VERIFY(rig->connected());
    page().lstContacts->setCurrentRow(0);
    page().cmdDeletePhone->click();
    QVERIFY(rig->commands().contains("AT+CPBW=2"));
    QTRY_COMPARE(page().lstContacts->count(), 3);
    QTRY_COMPARE(page().frmContacts->title(), QStringLiteral("3 Contacts On SIM - 247 Free"));
    // Nothing stays selected, so "S&ave Changes" cannot hit the contact that moved up.
    QCOMPARE(page().lstContacts->currentRow(), -1);
    QTRY_VERIFY(rig->connected());
    rig->sim.clearTranscript();
    page().cmdSavePhone->setEnabled(true);
    page().cmdSavePhone->click();
    QVERIFY(rig->commands().isEmpty());
}

void TestPhonebookTab::deleteAllFromThePopup()
{
    showLoadedPhonebook();
    rig->boxes.answers = {true};
    rig->window.menPhoneDeleAll->trigger();
    QCOMPARE(rig->boxes.asked.at(0).first, QStringLiteral("Delete all contacts on SIM-Card?"));
    QVERIFY(rig->sim.state().simBook.isEmpty());
    QTRY_COMPARE(page().lstContacts->count(), 0);
    QTRY_COMPARE(page().frmContacts->title(), QStringLiteral("0 Contacts On SIM - 250 Free"));
}

void TestPhonebookTab::sendSmsHandsTheNumberToTheMessageForm()
{
    showLoadedPhonebook();
    page().txtPhone->setText(QStringLiteral("+4917012"));
    rig->sim.clearTranscript();
    page().cmdSMSfromPhB->click();
    QCOMPARE(rig->window.createSms->txtSendSMSNumber->text(), QStringLiteral("+4917012"));
    QCOMPARE(rig->window.tabMain->currentIndex(), TabLoader::CreateSMS - 1);
    QCOMPARE(rig->link.tabs.MintCurFrame, qint16(TabLoader::CreateSMS));
    QVERIFY(rig->commands().isEmpty());

    // An empty number empties the form's number all the same.
    clickTab(*rig, TabLoader::Phonebook);
    page().txtPhone->clear();
    page().cmdSMSfromPhB->click();
    QCOMPARE(rig->window.createSms->txtSendSMSNumber->text(), QString());
    QCOMPARE(rig->window.tabMain->currentIndex(), TabLoader::CreateSMS - 1);
}

void TestPhonebookTab::callShowsUntilFinishOrRefusal_data()
{
    QTest::addColumn<QByteArray>("refusal"); // the phone's answer to the dial instead of OK
    QTest::addColumn<QList<QByteArray>>("received");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("answered") << QByteArray() << QList<QByteArray>{"ATD0301;", "ATH"} << QStringList();
    QTest::newRow("refused") << QByteArray("+CME ERROR: 30") << QList<QByteArray>{"ATD0301;"}
                             << QStringList{"The phone refused \"ATD0301;\": +CME ERROR: 30"};
}

void TestPhonebookTab::callShowsUntilFinishOrRefusal()
{
    QFETCH(QByteArray, refusal);
    QFETCH(QList<QByteArray>, received);
    QFETCH(QStringList, boxes);
    showLoadedPhonebook();
    page().txtPhone->setText(QStringLiteral("0301"));
    rig->sim.clearTranscript();
    if (!refusal.isEmpty())
        rig->sim.failCommand("ATD", refusal);
    CallingWatcher calls;
    page().cmdPlaceCall->click();
    QCOMPARE(calls.numbers, QStringList{QStringLiteral("0301")});
    QCOMPARE(calls.finishes, int(boxes.isEmpty()));
    QCOMPARE(rig->commands(), received);
    QCOMPARE(rig->boxes.texts(), boxes);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestPhonebookTab::pickerPutsTheNumberIntoTheMessageForm()
{
    showLoadedPhonebook();
    QLineEdit *number = rig->window.createSms->txtSendSMSNumber;
    onNextDialog<ContactPickerDialog>([](ContactPickerDialog *picker) {
        QCOMPARE(picker->lstContacts->count(), 3);
        picker->lstContacts->setCurrentRow(1);
        picker->cmdOK->click();
    });
    rig->window.createSms->cmdNumberNamesSMS->click();
    QCOMPARE(number->text(), QStringLiteral("+4917012"));

    onNextDialog<ContactPickerDialog>([](ContactPickerDialog *picker) { picker->cmdCancel->click(); });
    rig->window.createSms->cmdNumberNamesSMS->click();
    QCOMPARE(number->text(), QStringLiteral("+4917012"));

    onNextDialog<ContactPickerDialog>([](ContactPickerDialog *picker) {
        picker->lstContacts->clearSelection();
        picker->cmdOK->click();
    });
    rig->window.createSms->cmdNumberNamesSMS->click();
    QCOMPARE(number->text(), QString());
}

void TestPhonebookTab::exportAndImportDialogs()
{
    QTemporaryDir dir;
    QFile existing(dir.filePath(QStringLiteral("old.qd5")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("Zora\x89\x86\x89"
                   "030111\r\nNew\x89\x86\x89"
                   "0777\r\n");
    existing.close();
    rig->link.settings.setPathexp(dir.path());
    showLoadedPhonebook();

    const QString exported = dir.filePath(QStringLiteral("out.qd5"));
    onNextDialog<ContactsFileDialog>([&](ContactsFileDialog *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("frmExp"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Export Contacts To File"));
        QCOMPARE(dialog->Dir1->path(), dir.path());
        QCOMPARE(dialog->File1->count(), 1);
        dialog->File1->setCurrentRow(0);
        QTest::mouseClick(dialog->File1->viewport(), Qt::LeftButton, {},
                          dialog->File1->visualItemRect(dialog->File1->item(0)).center());
        QCOMPARE(dialog->Text1->text(), existing.fileName());
        dialog->Text1->setText(exported);
        dialog->cmdOK->click();
    });
    page().cmdExp->click();
    QFile out(exported);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), QByteArray("Zora\x89\x86\x89"
                                       "030111\r\nAnna\x89\x86\x89(030) 99\r\n"
                                       "M\xfcller\x89\x86\x89+4917012\r\n"));
    QCOMPARE(rig->link.settings.fileexp(), exported);
    QCOMPARE(rig->link.settings.pathexp(), dir.path());

    QTRY_VERIFY(rig->connected());
    for (const char *name : {"cards.vcf", "notes.txt"}) {
        QFile other(dir.filePath(QLatin1String(name)));
        QVERIFY(other.open(QIODevice::WriteOnly));
    }
    onNextDialog<ContactsFileDialog>([&](ContactsFileDialog *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("frmImp"));
        QCOMPARE(dialog->Text1->text(), exported);
        QStringList listed;
        for (int i = 0; i < dialog->File1->count(); ++i)
            listed.append(dialog->File1->item(i)->text());
        listed.sort();
        QCOMPARE(listed, QStringList({"cards.vcf", "old.qd5", "out.qd5"}));
        dialog->Text1->setText(existing.fileName());
        dialog->cmdOK->click();
    });
    page().cmdImp->click();
    QVERIFY(rig->commands().contains("AT+CPBW=4,\"0777\",129,\"New\""));
    QTRY_COMPARE(page().lstContacts->count(), 4);
}

QTEST_MAIN(TestPhonebookTab)
#include "tst_phonebooktab.moc"
