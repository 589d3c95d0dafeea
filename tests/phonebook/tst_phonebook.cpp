#include "phonebookrig.h"
#include "testenvironment.h"
#include "testfiles.h"

#include "phonebook/contactpicker.h"
#include "phonebook/contactwriter.h"
#include "phonebook/numberfilter.h"
#include "phonebook/phonebooklisting.h"

#include <QDir>
#include <QFileInfo>

#include <QSignalSpy>
#include <QTest>

static TestEnvironment environment;

class TestPhonebook : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void loadsTheSimSorted();
    void loadsThePhoneMemoryAgainstAFixedCapacity();
    void emptyMemory();
    void takesAtMost250Entries();
    void freeCountMayGoNegative();
    void internationalNumberAndIndex();
    void duplicatesListedTwiceCachedOnce();
    void cacheFileByteForByte();
    void cacheOnlyGrows();
    void timeoutLeavesTheTableEmpty();
    void refusedWhenBusy();
    void simSizeIsTheSimCardsOwn_data();
    void simSizeIsTheSimCardsOwn();
    void strayLinesInAFullListing_data();
    void strayLinesInAFullListing();
    void entryLines_data();
    void entryLines();
    void unreadableCacheIsLeftAlone();
    void refusedLoadStartsByItselfAtMostTwice();
    void strayOkBeforeARefusedSelection_data();
    void strayOkBeforeARefusedSelection();

    void indexRule_data();
    void indexRule();
    void numberFilter_data();
    void numberFilter();
    void pickerTakesTheNumberAfterTheLastTab();
    void pickerWithoutCacheIsEmpty();
    void otherPhonesGiveTheirPlacesAndLengths_data();
    void otherPhonesGiveTheirPlacesAndLengths();
    void otherPhonesReadAndWriteInTheirCharacterSet_data();
    void otherPhonesReadAndWriteInTheirCharacterSet();

private:
    PhonebookRig *rig = nullptr;
};

void TestPhonebook::init()
{
    rig = new PhonebookRig;
    QVERIFY(rig->started);
}

void TestPhonebook::cleanup()
{
    delete rig;
}

void TestPhonebook::loadsTheSimSorted()
{
    auto &sim = rig->sim.state().simBook;
    sim.insert(1, {"030111", 129, "zora"});
    sim.insert(2, {"030222", 129, "Anna"});
    sim.insert(3, {"030333", 129, "M\x81ller"});
    sim.insert(5, {"030555", 129, "bert"});
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();

    rig->phonebook.LoadPhonebook();
    QCOMPARE(rig->sim.transcript(),
             QList<QByteArray>({"AT+CPBS=\"SM\"", "AT+CPBS?", "AT+CPBR=1,255", "AT+CPBW=?"}));
    const ContactTable &table = rig->phonebook.table();
    QCOMPARE(table.names(), QStringList({"zora", "Anna", "Müller", "bert"}));
    QCOMPARE(table.numbers(), QStringList({"030111", "030222", "030333", "030555"}));
    QCOMPARE(table.visible(),
             QStringList({"Anna\t030222", "bert\t030555", "Müller\t030333", "zora\t030111"}));
    QCOMPARE(table.totals().at(2), QStringLiteral("+CPBR: 3,\"030333\",129,\"Müller\"\r\n"));
    QCOMPARE(rig->phonebook.caption(), QStringLiteral("4 Contacts On SIM - 246 Free"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestPhonebook::loadsThePhoneMemoryAgainstAFixedCapacity()
{
    PhonebookRig::fill(rig->sim.state().phoneBook, 30);
    rig->sim.state().phoneBookCapacity = 500;
    QVERIFY(rig->startAndConnect());
    rig->phonebook.setSimSelected(false);
    rig->phonebook.LoadPhonebook();
    QCOMPARE(rig->commandsOf("AT+CPBS"), QList<QByteArray>({"AT+CPBS=\"ME\"", "AT+CPBS?"}));
    QCOMPARE(rig->phonebook.table().size(), 30);
    QCOMPARE(rig->phonebook.caption(), QStringLiteral("30 Contacts On Phone - 70 Free"));
}

void TestPhonebook::emptyMemory()
{
    QVERIFY(rig->startAndConnect());
    rig->phonebook.LoadPhonebook();
    QCOMPARE(rig->phonebook.table().size(), 0);
    QCOMPARE(rig->phonebook.caption(), QStringLiteral("0 Contacts On SIM - 250 Free"));
    rig->phonebook.setSimSelected(false);
    rig->phonebook.LoadPhonebook();
    QCOMPARE(rig->phonebook.caption(), QStringLiteral("0 Contacts On Phone - 100 Free"));
    // Nothing to merge: no cache file is created.
    QVERIFY(!QFile::exists(rig->phonebook.cache().path()));
}

void TestPhonebook::takesAtMost250Entries()
{
    rig->sim.state().simBookCapacity = 300;
    PhonebookRig::fill(rig->sim.state().simBook, 260);
    QVERIFY(rig->startAndConnect());
    rig->phonebook.LoadPhonebook();
    QCOMPARE(rig->phonebook.table().size(), 250);
    QCOMPARE(rig->phonebook.table().names().last(), QStringLiteral("Contact 250"));
    QCOMPARE(rig->phonebook.caption(), QStringLiteral("250 Contacts On SIM - 50 Free"));
}

void TestPhonebook::freeCountMayGoNegative()
{
    PhonebookRig::fill(rig->sim.state().simBook, 12);
    // A phone whose size never parses: the capacity stays 0.
    rig->sim.failCommand("AT+CPBW=?", "OK");
    QVERIFY(rig->startAndConnect());
    rig->phonebook.LoadPhonebook();
    QCOMPARE(rig->phonebook.caption(), QStringLiteral("12 Contacts On SIM - -12 Free"));
}

void TestPhonebook::internationalNumberAndIndex()
{
    rig->sim.state().simBook.insert(12, {"+491701234567", 145, "Anna"});
    rig->sim.state().simBook.insert(123, {"(030) 99", 129, "Bob"});
    QVERIFY(rig->startAndConnect());
    rig->phonebook.LoadPhonebook();
    const ContactTable &table = rig->phonebook.table();
    QCOMPARE(table.indexText(0), QStringLiteral("12"));
    QCOMPARE(table.numbers().at(0), QStringLiteral("+491701234567"));
    QCOMPARE(table.names().at(0), QStringLiteral("Anna"));
    QCOMPARE(table.indexText(1), QStringLiteral("123"));
    // Shown unchanged in the list; only the number field filters it.
    QCOMPARE(table.visible().at(1), QStringLiteral("Bob\t(030) 99"));
}

void TestPhonebook::duplicatesListedTwiceCachedOnce()
{
    rig->sim.state().simBook.insert(4, {"0301", 129, "Twin"});
    rig->sim.state().simBook.insert(9, {"0301", 129, "Twin"});
    QVERIFY(rig->startAndConnect());
    rig->phonebook.LoadPhonebook();
    const ContactTable &table = rig->phonebook.table();
    QCOMPARE(table.visible(), QStringList({"Twin\t0301", "Twin\t0301"}));
    // Either visible row leads to the one earlier in phone order.
    QCOMPARE(table.entryOf(table.visible().at(1)), 0);
    QCOMPARE(table.indexText(table.entryOf(table.visible().at(1))), QStringLiteral("4"));
    QCOMPARE(rig->cacheBytes(), QByteArray("Twin\x89\x86\x89"
                                           "0301\r\n"));
}

void TestPhonebook::cacheFileByteForByte()
{
    rig->sim.state().simBook.insert(1, {"+4930123", 145, "J\x81rgen Gr\x94\xe1"});
    rig->sim.state().simBook.insert(2, {"0815", 129, "Anna"});
    QVERIFY(rig->startAndConnect());
    rig->phonebook.LoadPhonebook();
    QCOMPARE(rig->phonebook.table().names().at(0), QStringLiteral("Jürgen Größ"));
    QCOMPARE(rig->cacheBytes(), QByteArray("J\xfcrgen Gr\xf6\xdf\x89\x86\x89+4930123\r\n"
                                           "Anna\x89\x86\x89"
                                           "0815\r\n"));
}

void TestPhonebook::cacheOnlyGrows()
{
    rig->sim.state().simBook.insert(1, {"0815", 129, "Anna"});
    QVERIFY(rig->startAndConnect());
    rig->phonebook.LoadPhonebook();
    rig->sim.state().simBook.clear();
    rig->sim.state().simBook.insert(1, {"0816", 129, "Anna"});
    rig->sim.state().phoneBook.insert(1, {"0815", 129, "Anna"});
    rig->phonebook.LoadPhonebook();
    rig->phonebook.setSimSelected(false);
    rig->phonebook.LoadPhonebook();
    QCOMPARE(rig->cacheBytes(), QByteArray("Anna\x89\x86\x89"
                                           "0815\r\n"
                                           "Anna\x89\x86\x89"
                                           "0816\r\n"));
}

void TestPhonebook::timeoutLeavesTheTableEmpty()
{
    PhonebookRig::fill(rig->sim.state().simBook, 3);
    QVERIFY(rig->startAndConnect());
    rig->phonebook.LoadPhonebook();
    QCOMPARE(rig->phonebook.table().size(), 3);

    rig->sim.delayCommand("AT+CPBS=", 1000);
    rig->link.exchange.timTimeout.setInterval(300);
    rig->phonebook.LoadPhonebook();
    QCOMPARE(rig->phonebook.table().size(), 0);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::NoPhone));
    QVERIFY(rig->boxes.shown.isEmpty());
}

void TestPhonebook::refusedWhenBusy()
{
    QVERIFY(rig->startAndConnect());
    rig->link.lock.setAction(OperationLock::LoadingSMs);
    rig->sim.clearTranscript();
    rig->phonebook.LoadPhonebook();
    QCOMPARE(rig->boxes.texts(), QStringList{QStringLiteral("Busy, try again...")});
    QVERIFY(rig->sim.transcript().isEmpty());
}

void TestPhonebook::simSizeIsTheSimCardsOwn_data()
{
    QTest::addColumn<QByteArray>("greetedMemory"); // selected when the phone is greeted
    QTest::addColumn<int>("phoneMemorySize");
    QTest::addColumn<int>("simSize");
    QTest::addColumn<int>("simContacts");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("createdAt"); // 0: "Phonebook full"
    QTest::newRow("greeted on the phone memory, SIM larger")
        << QByteArray("ME") << 100 << 250 << 100 << "100 Contacts On SIM - 150 Free" << 101;
    QTest::newRow("greeted on the phone memory, SIM smaller")
        << QByteArray("ME") << 250 << 100 << 100 << "100 Contacts On SIM - 0 Free" << 0;
    QTest::newRow("greeted on the SIM")
        << QByteArray("SM") << 100 << 250 << 1 << "1 Contacts On SIM - 249 Free" << 2;
}

void TestPhonebook::simSizeIsTheSimCardsOwn()
{
    QFETCH(QByteArray, greetedMemory);
    QFETCH(int, phoneMemorySize);
    QFETCH(int, simSize);
    QFETCH(int, simContacts);
    QFETCH(QString, caption);
    QFETCH(int, createdAt);
    simphone::PhoneState &phone = rig->sim.state();
    phone.selectedBook = greetedMemory;
    phone.phoneBookCapacity = phoneMemorySize;
    phone.simBookCapacity = simSize;
    PhonebookRig::fill(phone.simBook, simContacts);
    QVERIFY(rig->startAndConnect());

    rig->phonebook.LoadPhonebook();
    QCOMPARE(rig->phonebook.caption(), caption);
    rig->sim.clearTranscript();
    ContactWriter(rig->phonebook).create(QStringLiteral("New"), QStringLiteral("0815"));
    if (createdAt == 0) {
        QCOMPARE(rig->boxes.texts(), QStringList{QStringLiteral("Phonebook full")});
        QVERIFY(rig->sim.transcript().isEmpty());
    } else {
        QVERIFY(rig->boxes.shown.isEmpty());
        QVERIFY(phone.simBook.contains(createdAt));
        QCOMPARE(phone.simBook.value(createdAt).name, QByteArray("New"));
    }
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestPhonebook::strayLinesInAFullListing_data()
{
    QTest::addColumn<QByteArray>("stray");
    QTest::addColumn<int>("afterEntry"); // -1: just before the final result
    QTest::newRow("RING amid the entries") << QByteArray("\r\nRING\r\n") << 100;
    QTest::newRow("unframed registration report first") << QByteArray("+CREG: 1\r\n") << 0;
    QTest::newRow("stray OK") << QByteArray("\r\nOK\r\n") << -1;
    QTest::newRow("line breaks inside a name") << QByteArray() << 0;
}

void TestPhonebook::strayLinesInAFullListing()
{
    QFETCH(QByteArray, stray);
    QFETCH(int, afterEntry);
    PhonebookRig::fill(rig->sim.state().simBook, 250);
    if (stray.isEmpty())
        rig->sim.state().simBook[7].name = "Con\r\ntact\n 7";
    QVERIFY(rig->startAndConnect());
    // Into the reply after the memory's, the listing.
    QObject::connect(&rig->sim, &simphone::SimPhone::commandReceived, &rig->sim,
                     [this, stray, afterEntry](const QByteArray &line) {
                         if (line == "AT+CPBS=\"SM\"")
                             rig->sim.insertIntoNextReply(stray, afterEntry);
                     });

    rig->phonebook.LoadPhonebook();
    const ContactTable &table = rig->phonebook.table();
    QCOMPARE(table.size(), 250);
    QStringList expected;
    for (int i = 1; i <= 250; ++i)
        expected.append(QStringLiteral("Contact %1").arg(i));
    QCOMPARE(table.names(), expected);
    QCOMPARE(table.numbers().constLast(), QStringLiteral("0301234250"));
    QCOMPARE(table.lowestFreePlace(250), 0);
    QCOMPARE(rig->phonebook.caption(), QStringLiteral("250 Contacts On SIM - 0 Free"));
    // One clean line per contact in the cache.
    const QStringList cached = QString::fromLatin1(rig->cacheBytes()).split(QStringLiteral("\r\n"));
    QCOMPARE(cached.size(), 251);
    QCOMPARE(cached.at(6), QStringLiteral("Contact 7\x89\x86\x89"
                                          "03012347"));
    QCOMPARE(cached.constLast(), QString());
}

void TestPhonebook::entryLines_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QStringList>("entries");
    const QString a = QStringLiteral("+CPBR: 1,\"01\",129,\"A\"\r\n");
    const QString b = QStringLiteral("+CPBR: 2,\"02\",129,\"B\"\r\n");
    QTest::newRow("as the phone frames it") << "\r\n" + a + "\r\n" + b + "\r\nOK\r\n" << QStringList{a, b};
    QTest::newRow("empty memory") << "\r\nOK\r\n" << QStringList{};
    QTest::newRow("no empty lines") << a + b + "OK\r\n" << QStringList{a, b};
    QTest::newRow("stray OK first") << "\r\nOK\r\n\r\n" + a + "\r\nOK\r\n" << QStringList{a};
    QTest::newRow("line feed in a name")
        << "\r\n+CPBR: 1,\"01\",129,\"A\nnn\"\r\n" + b << QStringList{"+CPBR: 1,\"01\",129,\"Ann\"\r\n", b};
    QTest::newRow("CR LF in a number")
        << "+CPBR: 1,\"0\r\n1\",129,\"A\"\r\n" + b << QStringList{"+CPBR: 1,\"01\",129,\"A\"\r\n", b};
    QTest::newRow("an unclosed quote takes no further line")
        << "+CPBR: 1,\"01\",129,\"A\r\n\r\n" + b << QStringList{"+CPBR: 1,\"01\",129,\"A\r\n", b};
    QTest::newRow("an unended last line is no entry") << a + "+CPBR: 2,\"02\",129,\"B\"" << QStringList{a};
    QTest::newRow("prefix without its space is no entry") << "+CPBR:1,\"01\",129,\"A\"\r\n" << QStringList{};
}

void TestPhonebook::entryLines()
{
    QFETCH(QString, reply);
    QFETCH(QStringList, entries);
    QCOMPARE(PhonebookListing::entryLines(reply), entries);
}

void TestPhonebook::unreadableCacheIsLeftAlone()
{
    PhonebookRig::fill(rig->sim.state().simBook, 2);
    const QString path = rig->phonebook.cache().path();
    QVERIFY(QDir().mkpath(path));
    QVERIFY(rig->startAndConnect());
    rig->phonebook.LoadPhonebook();
    rig->phonebook.LoadPhonebook();
    QCOMPARE(rig->phonebook.caption(), QStringLiteral("2 Contacts On SIM - 248 Free"));
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(QDir(path).isEmpty());
    QVERIFY(QDir().rmdir(path));

    // A file only root could read: the same, for everybody else.
    const QByteArray old = "Old\x89\x86\x89"
                           "1\r\n";
    TestFiles::put(path, old);
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("running as root: every file is readable");
    rig->phonebook.LoadPhonebook();
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(rig->cacheBytes(), old);
}

void TestPhonebook::refusedLoadStartsByItselfAtMostTwice()
{
    PhonebookRig::fill(rig->sim.state().simBook, 2);
    rig->link.settings.setStarttab(TabLoader::Phonebook);
    rig->link.tabs.setLoader(TabLoader::Phonebook, [this] { rig->phonebook.LoadPhonebook(); });
    rig->link.exchange.timTimeOutLong.setInterval(200);
    rig->link.supervisor.timState.setInterval(300);
    rig->sim.delayCommand("AT+CPBR", 1000);
    QSignalSpy held(&rig->link.tabs, &TabLoader::heldChanged);
    rig->link.beginStartUp();
    rig->link.finishStartUp();

    QTRY_COMPARE_WITH_TIMEOUT(held.count(), 1, 5000);
    QVERIFY(rig->link.tabs.isHeld(TabLoader::Phonebook));
    QTRY_COMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    QTest::qWait(1500); // five more probes, each answered
    QCOMPARE(rig->commandsOf("AT+CPBR").size(), 2);

    // Showing the tab again asks for it; the phone now answers.
    rig->sim.clearFailures();
    rig->link.tabs.select(TabLoader::Ringtones);
    rig->link.tabs.select(TabLoader::Phonebook);
    QVERIFY(!rig->link.tabs.isHeld(TabLoader::Phonebook));
    QCOMPARE(rig->phonebook.table().size(), 2);
    QCOMPARE(rig->commandsOf("AT+CPBR").size(), 3);
}

void TestPhonebook::strayOkBeforeARefusedSelection_data()
{
    QTest::addColumn<bool>("refusedAgain");
    QTest::addColumn<int>("refusalLateMs"); // after the stray "OK"
    QTest::addColumn<bool>("untold");       // "AT+CPBS?" refused: the phone names no memory
    QTest::newRow("refused for good") << true << 40 << false;
    QTest::newRow("refused for good, refusal after the next question") << true << 300 << false;
    QTest::newRow("refused by chance") << false << 40 << false;
    QTest::newRow("refused by chance, refusal after the next question") << false << 300 << false;
    QTest::newRow("refused for good, memory untold") << true << 40 << true;
    QTest::newRow("refused by chance, memory untold") << false << 40 << true;
}

// The phone keeps the SIM card selected; a stray "OK" ahead of its refusal must not list the
// SIM card's contacts as the phone's.
void TestPhonebook::strayOkBeforeARefusedSelection()
{
    QFETCH(bool, refusedAgain);
    QFETCH(int, refusalLateMs);
    QFETCH(bool, untold);
    PhonebookRig::fill(rig->sim.state().simBook, 4, "Sim");
    PhonebookRig::fill(rig->sim.state().phoneBook, 3, "Own");
    QVERIFY(rig->startAndConnect());
    rig->phonebook.setSimSelected(true);
    rig->phonebook.LoadPhonebook();
    rig->sim.failCommand("AT+CPBS=\"ME\"", "+CME ERROR: 21");
    rig->sim.delayCommand("AT+CPBS=\"ME\"", refusalLateMs);
    int selections = 0;
    connect(&rig->sim, &simphone::SimPhone::commandReceived, this, [&](const QByteArray &line) {
        if (line != "AT+CPBS=\"ME\"" || ++selections > 1)
            return;
        rig->sim.injectUnsolicited("OK");
        if (!refusedAgain)
            rig->sim.clearFailures();
        if (untold)
            rig->sim.failCommand("AT+CPBS?", "ERROR");
    });
    rig->phonebook.setSimSelected(false);
    rig->phonebook.LoadPhonebook();

    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    QCOMPARE(rig->phonebook.table().size(), refusedAgain ? 0 : 3);
    for (const QString &name : rig->phonebook.table().names())
        QVERIFY(name.startsWith(QLatin1String("Own")));
    QCOMPARE(rig->boxes.texts(),
             refusedAgain
                 ? QStringList{QStringLiteral("The phone refused \"AT+CPBS=\"ME\"\": +CME ERROR: 21")}
                 : QStringList());
}

void TestPhonebook::indexRule_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("index");
    QTest::newRow("one digit") << "+CPBR: 7,\"0301\",129,\"A\""
                               << "7";
    QTest::newRow("two digits") << "+CPBR: 42,\"0301\",129,\"A\""
                                << "42";
    QTest::newRow("three digits") << "+CPBR: 123,\"0301\",129,\"A\""
                                  << "123";
    QTest::newRow("four digits are not supported") << "+CPBR: 1234,\"0301\",129,\"A\""
                                                   << "123";
}

void TestPhonebook::indexRule()
{
    QFETCH(QString, row);
    QFETCH(QString, index);
    ContactTable table;
    table.appendListed(row);
    QCOMPARE(table.indexText(0), index);
}

void TestPhonebook::numberFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("caretAfter");
    QTest::newRow("letter typed") << "12a3" << 3 << "123" << 2;
    QTest::newRow("brackets around a digit") << "(0)30 12" << 8 << "030 12" << 6;
    QTest::newRow("caret inside") << "0301x" << 4 << "0301" << 3;
    QTest::newRow("all accepted") << "+49 *31# p_1" << 5 << "+49 *31# p_1" << 5;
    QTest::newRow("upper P refused") << "1P" << 2 << "1" << 1;
    QTest::newRow("empty") << "" << 0 << "" << 0;
}

void TestPhonebook::numberFilter()
{
    QFETCH(QString, typed);
    QFETCH(int, caret);
    QFETCH(QString, kept);
    QFETCH(int, caretAfter);
    QCOMPARE(NumberFilter::filter(typed, &caret), kept);
    QCOMPARE(caret, caretAfter);
}

void TestPhonebook::pickerTakesTheNumberAfterTheLastTab()
{
    QFile file(rig->phonebook.cache().path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("zed\x89\x86\x89"
               "0301\r\nAnna\x89\x86\x89+4917\r\nno separator\r\nTab\tName\x89\x86\x89"
               "0815\r\n");
    file.close();
    const QStringList rows = ContactPicker::rows(rig->phonebook.cache());
    QCOMPARE(rows, QStringList({"\t", "Anna\t+4917", "Tab\tName\t0815", "zed\t0301"}));
    QCOMPARE(ContactPicker::numberOf(rows.at(0)), QString());
    QCOMPARE(ContactPicker::numberOf(rows.at(1)), QStringLiteral("+4917"));
    QCOMPARE(ContactPicker::numberOf(rows.at(2)), QStringLiteral("0815"));
    QCOMPARE(ContactPicker::numberOf(QString()), QString());
}

void TestPhonebook::pickerWithoutCacheIsEmpty()
{
    QVERIFY(ContactPicker::rows(rig->phonebook.cache()).isEmpty());
}

void TestPhonebook::otherPhonesGiveTheirPlacesAndLengths_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("first"); // 0 with last 0: no places named
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("number"); // -1: not given
    QTest::addColumn<int>("name");
    QTest::newRow("plain") << "+CPBR: (1-250),40,16\r\n" << 1 << 250 << 40 << 16;
    // Option GTM382 (gammu/wammu issue #27)
    QTest::newRow("one place") << "\r\n+CPBR: (1-1),40,20\r\n\r\nOK\r\n" << 1 << 1 << 40 << 20;
    QTest::newRow("further lengths") << "+CPBR: (1-250),50,14,,,,40,20" << 1 << 250 << 50 << 14;
    QTest::newRow("spaces, from 0") << "+CPBR: (0-99), 20, 18" << 0 << 99 << 20 << 18;
    QTest::newRow("no lengths") << "+CPBR: (1-500)" << 1 << 500 << -1 << -1;
    QTest::newRow("no places") << "+CPBR: ,40,16" << 0 << 0 << -1 << -1;
}

void TestPhonebook::otherPhonesGiveTheirPlacesAndLengths()
{
    QFETCH(QString, reply);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, number);
    QFETCH(int, name);
    PhonebookMemory memory;
    memory.first = 0;
    QCOMPARE(memory.takeReadTest(reply), last > 0);
    QCOMPARE(memory.first, first);
    QCOMPARE(memory.last, last);
    QCOMPARE(memory.numberLength.value_or(-1), number);
    QCOMPARE(memory.nameLength.value_or(-1), name);
}

void TestPhonebook::otherPhonesReadAndWriteInTheirCharacterSet_data()
{
    QTest::addColumn<QByteArray>("set");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("written");
    const QStringList everyScript = {"Müller", "Анна Петрова", "王小明", "Ωmega ß"};
    QTest::newRow("UCS2") << QByteArray("UCS2") << everyScript << "Ёлка 木";
    QTest::newRow("UTF-8") << QByteArray("UTF-8") << everyScript << "Ёлка 木";
    QTest::newRow("8859-1") << QByteArray("8859-1") << QStringList{"Jürgen Größ", "Françoise"} << "Ærø";
    // Read with the codes below 32 (ø, Ø, å, Ω); written without, as the line carries none.
    QTest::newRow("GSM") << QByteArray("GSM") << QStringList{"Søren Ødegård", "Ωmega_1"} << "Jörg Ñandu";
}

void TestPhonebook::otherPhonesReadAndWriteInTheirCharacterSet()
{
    QFETCH(QByteArray, set);
    QFETCH(QStringList, names);
    QFETCH(QString, written);
    simphone::PhoneState &phone = rig->sim.state();
    phone.manufacturer = "Nokia";
    phone.model = "6310i";
    phone.heldSet = "UTF-8";
    phone.characterSets = {"GSM", set};
    for (int i = 0; i < names.size(); ++i)
        phone.simBook.insert(i + 1, {"+4930" + QByteArray::number(i), 145, names.at(i).toUtf8()});
    QVERIFY(rig->startAndConnect());
    QCOMPARE(rig->link.supervisor.profile().characterSet, QString::fromLatin1(set));
    QVERIFY(rig->phonebook.LoadPhonebook().succeeded());
    QList<Contact> expected;
    for (int i = 0; i < names.size(); ++i)
        expected.append({names.at(i), QStringLiteral("+4930") + QString::number(i)});
    QCOMPARE(rig->phonebook.table().contacts(), expected);

    ContactWriter writer(rig->phonebook);
    QVERIFY(writer.create(written, QStringLiteral("+4989123")).succeeded());
    const int place = int(names.size()) + 1;
    QCOMPARE(QString::fromUtf8(phone.simBook.value(place).name), written);
    QCOMPARE(phone.simBook.value(place).number, QByteArray("+4989123"));
    const int k = rig->phonebook.table().entryAtPlace(place);
    QVERIFY(k >= 0);
    QCOMPARE(rig->phonebook.table().entry(k).contact.name, written);
    QVERIFY(writer.remove(rig->phonebook.table().visibleRowOf(k)).succeeded());
    QVERIFY(!phone.simBook.contains(place));
}

QTEST_GUILESS_MAIN(TestPhonebook)
#include "tst_phonebook.moc"
