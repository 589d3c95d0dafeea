#include "phonebookrig.h"
#include "testenvironment.h"

#include "phonebook/contactpicker.h"
#include "phonebook/numberfilter.h"

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

    void indexRule_data();
    void indexRule();
    void numberFilter_data();
    void numberFilter();
    void pickerTakesTheNumberAfterTheLastTab();
    void pickerWithoutCacheIsEmpty();

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
    QCOMPARE(rig->sim.transcript(), QList<QByteArray>({"AT+CPBS=\"SM\"", "AT+CPBR=1,255", "AT+CPBW=?"}));
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
    QCOMPARE(rig->commandsOf("AT+CPBS"), QList<QByteArray>{"AT+CPBS=\"ME\""});
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

    rig->sim.failCommand("AT+CPBS", "+CME ERROR: 3");
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

QTEST_GUILESS_MAIN(TestPhonebook)
#include "tst_phonebook.moc"
