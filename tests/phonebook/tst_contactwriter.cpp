#include "phonebookrig.h"
#include "testenvironment.h"

#include "phonebook/contactwriter.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

static TestEnvironment environment;

class TestContactWriter : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void createGoesToTheLowestFreePlace();
    void createInternationalNumberWithType145();
    void createIntoAFullPhonebookSendsNothing();
    void createWithNoSimCapacityIsFull();
    void quotesAndControlCharactersNeverReachTheCommand();
    void typedNamesAreFittedForThePhone();
    void changeKeepsTheRowInPlace();
    void changeWithoutSelectionSendsNothing();
    void changeActsOnTheFirstOfTwins();
    void deleteUpdatesTheCaption();
    void deleteTimeoutKeepsTheTable();
    void deleteAllShowsProgressAndReloads();
    void deleteAllAnsweredNoDoesNothing();
    void deleteAllCancelled();
    void cancelLeavesNoAnswerForLaterCommands();
    void deleteAllOnAnEmptyMemory();
    void strayResultBeforeTheListingCostsNoContact();
    void placesNotCountedAreReadBeforeWriting();
    void refusalsAreNamedAtOnce_data();
    void refusalsAreNamedAtOnce();

private:
    void load(const QList<int> &places);
    PhonebookRig *rig = nullptr;
    ContactWriter *writer = nullptr;
};

void TestContactWriter::init()
{
    rig = new PhonebookRig;
    QVERIFY(rig->started);
    writer = new ContactWriter(rig->phonebook);
}

void TestContactWriter::cleanup()
{
    delete writer;
    delete rig;
}

void TestContactWriter::load(const QList<int> &places)
{
    for (int place : places)
        rig->sim.state().simBook.insert(
            place, {"0301" + QByteArray::number(place), 129, "Name " + QByteArray::number(place)});
    QVERIFY(rig->startAndConnect());
    rig->phonebook.LoadPhonebook();
    rig->sim.clearTranscript();
}

void TestContactWriter::strayResultBeforeTheListingCostsNoContact()
{
    for (int place = 1; place <= 21; ++place)
        rig->sim.state().simBook.insert(place, {"0301" + QByteArray::number(place), 129, "N"});
    const auto before = rig->sim.state().simBook;
    QVERIFY(rig->startAndConnect());
    rig->sim.delayCommand("AT+CPBR=1,255", 150);
    QObject::connect(&rig->sim, &simphone::SimPhone::commandReceived, this, [this](const QByteArray &line) {
        if (line == "AT+CPBR=1,255" && rig->commandsOf("AT+CPBR=1,255").size() == 1)
            rig->sim.injectUnsolicited("OK");
    });
    rig->phonebook.LoadPhonebook();
    QCOMPARE(rig->phonebook.table().size(), 21);
    QVERIFY(rig->phonebook.listingChecked());
    // The stray result ended the first read; the line was brought in step and read again.
    QCOMPARE(rig->commandsOf("AT+CPBR=1,255").size(), 2);
    writer->create(QStringLiteral("New"), QStringLiteral("0302"));
    QCOMPARE(rig->commandsOf("AT+CPBW=").constLast(), QByteArray("AT+CPBW=22,\"0302\",129,\"New\""));
    for (auto it = before.begin(); it != before.end(); ++it)
        QCOMPARE(rig->sim.state().simBook.value(it.key()).number, it->number);
}

void TestContactWriter::placesNotCountedAreReadBeforeWriting()
{
    // The phone does not count its entries, and place 3 was written behind Quenda's back.
    rig->sim.failCommand("AT+CPBS?", "ERROR");
    load({1, 2});
    QVERIFY(!rig->phonebook.listingChecked());
    rig->sim.state().simBook.insert(3, {"0303", 129, "Behind"});
    writer->create(QStringLiteral("New"), QStringLiteral("0302"));
    QCOMPARE(rig->sim.transcript(), QList<QByteArray>({"AT+CPBR=3", "AT+CPBR=4", "AT+CGMI", "AT+CPBR=4",
                                                       "AT+CPBW=4,\"0302\",129,\"New\""}));
    QCOMPARE(rig->sim.state().simBook.value(3).name, QByteArray("Behind"));
    QCOMPARE(rig->phonebook.table().size(), 4);
    QVERIFY(rig->boxes.texts().isEmpty());
}

void TestContactWriter::refusalsAreNamedAtOnce_data()
{
    QTest::addColumn<bool>("listing");
    QTest::addColumn<QByteArray>("result");
    QTest::newRow("write ERROR") << false << QByteArray("ERROR");
    QTest::newRow("write CME 21") << false << QByteArray("+CME ERROR: 21");
    QTest::newRow("listing ERROR") << true << QByteArray("ERROR");
    QTest::newRow("listing CME 21") << true << QByteArray("+CME ERROR: 21");
}

void TestContactWriter::refusalsAreNamedAtOnce()
{
    QFETCH(bool, listing);
    QFETCH(QByteArray, result);
    load({1, 2});
    QSignalSpy lost(&rig->link.supervisor, &Supervisor::lost);
    rig->sim.failCommand(listing ? "AT+CPBR=1," : "AT+CPBW=", result);
    QElapsedTimer clock;
    clock.start();
    if (listing)
        rig->phonebook.LoadPhonebook();
    else
        writer->create(QStringLiteral("New"), QStringLiteral("0302"));
    QVERIFY(clock.elapsed() < 1500);
    const QString command =
        listing ? QStringLiteral("AT+CPBR=1,255") : QStringLiteral("AT+CPBW=3,\"0302\",129,\"New\"");
    QCOMPARE(rig->boxes.texts(), QStringList{"The phone refused \"" + command + "\": " + result});
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    QCOMPARE(rig->phonebook.table().size(), listing ? 0 : 2);
    QCOMPARE(rig->sim.state().simBook.size(), 2);
    QTest::qWait(200);
    QCOMPARE(lost.count(), 0);
    QVERIFY(rig->link.supervisor.isConnectedShown());
}

void TestContactWriter::createGoesToTheLowestFreePlace()
{
    load({1, 2, 4});
    writer->create(QStringLiteral("Jürgen"), QStringLiteral("0301"));
    QCOMPARE(rig->sim.transcript(), QList<QByteArray>{"AT+CPBW=3,\"0301\",129,\"J\x81rgen\""});
    QCOMPARE(rig->sim.state().simBook.value(3).name, QByteArray("J\x81rgen"));
    const ContactTable &table = rig->phonebook.table();
    QCOMPARE(table.names().last(), QStringLiteral("Jürgen"));
    QCOMPARE(table.totals().last(), QStringLiteral("+CPBR: 3,\"0301\",129,\"Jürgen\""));
    QVERIFY(table.visible().contains(QStringLiteral("Jürgen\t0301")));
    QCOMPARE(rig->phonebook.caption(), QStringLiteral("4 Contacts On SIM - 246 Free"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));

    writer->create(QStringLiteral("Next"), QStringLiteral("0302"));
    QCOMPARE(rig->sim.transcript().last(), QByteArray("AT+CPBW=5,\"0302\",129,\"Next\""));
}

void TestContactWriter::createInternationalNumberWithType145()
{
    load({});
    writer->create(QStringLiteral("§ Anna"), QStringLiteral("+4930 12"));
    QCOMPARE(rig->sim.transcript(), QList<QByteArray>{"AT+CPBW=1,\"+4930 12\",145,\"S Anna\""});
    QCOMPARE(rig->phonebook.table().names().last(), QStringLiteral("S Anna"));
}

void TestContactWriter::createIntoAFullPhonebookSendsNothing()
{
    rig->sim.state().simBookCapacity = 3;
    load({1, 2, 3});
    writer->create(QStringLiteral("One more"), QStringLiteral("0301"));
    QCOMPARE(rig->boxes.texts(), QStringList{QStringLiteral("Phonebook full")});
    QVERIFY(rig->sim.transcript().isEmpty());
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestContactWriter::createWithNoSimCapacityIsFull()
{
    // A phone whose size never parses: the capacity stays 0.
    rig->sim.failCommand("AT+CPBW=?", "OK");
    load({});
    writer->create(QStringLiteral("A"), QStringLiteral("1"));
    QCOMPARE(rig->boxes.texts(), QStringList{QStringLiteral("Phonebook full")});
    QVERIFY(rig->sim.transcript().isEmpty());
}

void TestContactWriter::quotesAndControlCharactersNeverReachTheCommand()
{
    load({});
    // Unmended, the CR would end the write early and the phone would dial.
    writer->create(QStringLiteral("Ev\"\rATD1;\x1a"), QStringLiteral("0301\""));
    QCOMPARE(rig->sim.transcript(), QList<QByteArray>{"AT+CPBW=1,\"0301\",129,\"EvATD1;\""});
    QCOMPARE(rig->sim.state().dialled, QList<QByteArray>());
    // The table shows what was sent.
    QCOMPARE(rig->phonebook.table().names().last(), QStringLiteral("EvATD1;"));
    QCOMPARE(rig->phonebook.table().numbers().last(), QStringLiteral("0301"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestContactWriter::typedNamesAreFittedForThePhone()
{
    load({});
    writer->create(QStringLiteral("Őrs Nagy"), QStringLiteral("1"));
    writer->change(0, QStringLiteral("Łukasz Ŝ"), QStringLiteral("1"));
    QCOMPARE(rig->commandsOf("AT+CPBW"),
             QList<QByteArray>({"AT+CPBW=1,\"1\",129,\"Ors Nagy\"", "AT+CPBW=1,\"1\",129,\"?ukasz S\""}));
    QCOMPARE(rig->phonebook.table().names(), QStringList{QStringLiteral("?ukasz S")});
}

void TestContactWriter::changeKeepsTheRowInPlace()
{
    load({1, 2, 3});
    ContactTable &table = rig->phonebook.table();
    QCOMPARE(table.visible().at(0), QStringLiteral("Name 1\t03011"));
    writer->change(0, QStringLiteral("Zacharias"), QStringLiteral("+4917"));
    QCOMPARE(rig->sim.transcript(), QList<QByteArray>{"AT+CPBW=1,\"+4917\",145,\"Zacharias\""});
    QCOMPARE(table.visible().at(0), QStringLiteral("Zacharias\t+4917"));
    QCOMPARE(table.names().at(0), QStringLiteral("Zacharias"));
    QCOMPARE(table.totals().at(0), QStringLiteral("+CPBR: 1,\"+4917\",145,\"Zacharias\""));
    QCOMPARE(rig->sim.state().simBook.value(1).number, QByteArray("+4917"));
}

void TestContactWriter::changeWithoutSelectionSendsNothing()
{
    load({1});
    writer->change(-1, QStringLiteral("X"), QStringLiteral("1"));
    QVERIFY(rig->sim.transcript().isEmpty());
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestContactWriter::changeActsOnTheFirstOfTwins()
{
    rig->sim.state().simBook.insert(2, {"0301", 129, "Twin"});
    rig->sim.state().simBook.insert(7, {"0301", 129, "Twin"});
    QVERIFY(rig->startAndConnect());
    rig->phonebook.LoadPhonebook();
    rig->sim.clearTranscript();
    writer->change(1, QStringLiteral("Twin"), QStringLiteral("0302"));
    QCOMPARE(rig->sim.transcript(), QList<QByteArray>{"AT+CPBW=2,\"0302\",129,\"Twin\""});
    // The changed row stays where it was; the other twin is now the first of its text.
    QCOMPARE(rig->phonebook.table().visible(), QStringList({"Twin\t0301", "Twin\t0302"}));
    writer->remove(0);
    QCOMPARE(rig->sim.transcript().last(), QByteArray("AT+CPBW=7"));
}

void TestContactWriter::deleteUpdatesTheCaption()
{
    load({1, 2, 3});
    writer->remove(1);
    QCOMPARE(rig->sim.transcript(), QList<QByteArray>{"AT+CPBW=2"});
    QVERIFY(!rig->sim.state().simBook.contains(2));
    QCOMPARE(rig->phonebook.table().names(), QStringList({"Name 1", "Name 3"}));
    QCOMPARE(rig->phonebook.table().visible(), QStringList({"Name 1\t03011", "Name 3\t03013"}));
    QCOMPARE(rig->phonebook.caption(), QStringLiteral("2 Contacts On SIM - 248 Free"));
}

void TestContactWriter::deleteTimeoutKeepsTheTable()
{
    load({1, 2});
    rig->sim.delayCommand("AT+CPBW=", 1000);
    rig->link.exchange.timTimeout.setInterval(300);
    writer->remove(0);
    QCOMPARE(rig->phonebook.table().size(), 2);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::NoPhone));
}

void TestContactWriter::deleteAllShowsProgressAndReloads()
{
    load({1, 2, 3, 4, 5, 6, 7, 8});
    rig->boxes.answers = {true};
    writer->removeAll();
    QCOMPARE(rig->boxes.asked.size(), 1);
    QCOMPARE(rig->boxes.asked.at(0).first, QStringLiteral("Delete all contacts on SIM-Card?"));
    QCOMPARE(rig->boxes.asked.at(0).second, QStringLiteral("Warning"));
    QCOMPARE(rig->progress.opened, 1);
    QCOMPARE(rig->progress.texts, QStringList({"12%", "25%", "38%", "50%", "62%", "75%", "88%", "100%"}));
    QCOMPARE(rig->sim.transcript().size(), 8 + 4);
    QVERIFY(rig->sim.state().simBook.isEmpty());
    // The memory is read again at the end.
    QCOMPARE(rig->sim.transcript().mid(8),
             QList<QByteArray>({"AT+CPBS=\"SM\"", "AT+CPBS?", "AT+CPBR=1,255", "AT+CPBW=?"}));
    QCOMPARE(rig->phonebook.caption(), QStringLiteral("0 Contacts On SIM - 250 Free"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestContactWriter::deleteAllAnsweredNoDoesNothing()
{
    load({1, 2});
    rig->phonebook.setSimSelected(false);
    rig->boxes.answers = {false};
    writer->removeAll();
    QCOMPARE(rig->boxes.asked.at(0).first, QStringLiteral("Delete all contacts on Phone?"));
    QVERIFY(rig->sim.transcript().isEmpty());
    QCOMPARE(rig->progress.opened, 0);
}

void TestContactWriter::deleteAllCancelled()
{
    load({1, 2, 3, 4});
    rig->boxes.answers = {true};
    // Cancel while the second delete is on the line.
    rig->cancelWhenPhoneTakes("AT+CPBW=2");
    writer->removeAll();
    QCOMPARE(rig->commandsOf("AT+CPBW="), QList<QByteArray>({"AT+CPBW=1", "AT+CPBW=2"}));
    // The closing "AT" goes out without waiting for its answer.
    QTRY_VERIFY(rig->sim.transcript().contains("AT"));
    // The delete on the line when Cancel came is not waited for: its row stays, so its place
    // still counts as taken until the next load.
    QCOMPARE(rig->phonebook.table().names(), QStringList({"Name 2", "Name 3", "Name 4"}));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    QVERIFY(!rig->link.lock.abort());
}

void TestContactWriter::cancelLeavesNoAnswerForLaterCommands()
{
    load({1, 2, 3, 4});
    // Answers that come one by one, as a real phone's do.
    rig->sim.setReplyDelay(50);
    rig->boxes.answers = {true};
    rig->cancelWhenPhoneTakes("AT+CPBW=1");
    writer->removeAll();
    QCOMPARE(rig->commandsOf("AT+CPBW="), QList<QByteArray>{"AT+CPBW=1"});

    // Each command reads its own reply: the counts are right and new contacts go to free places.
    rig->phonebook.LoadPhonebook();
    QCOMPARE(rig->phonebook.table().names(), QStringList({"Name 2", "Name 3", "Name 4"}));
    QCOMPARE(rig->phonebook.caption(), QStringLiteral("3 Contacts On SIM - 247 Free"));
    writer->create(QStringLiteral("New A"), QStringLiteral("0815"));
    writer->create(QStringLiteral("New B"), QStringLiteral("0816"));
    const auto &book = rig->sim.state().simBook;
    QCOMPARE(book.keys(), QList<int>({1, 2, 3, 4, 5}));
    QCOMPARE(book.value(1).name, QByteArray("New A"));
    QCOMPARE(book.value(2).name, QByteArray("Name 2"));
    QCOMPARE(book.value(5).name, QByteArray("New B"));
    QCOMPARE(rig->phonebook.caption(), QStringLiteral("5 Contacts On SIM - 245 Free"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestContactWriter::deleteAllOnAnEmptyMemory()
{
    load({});
    rig->boxes.answers = {true};
    writer->removeAll();
    QCOMPARE(rig->progress.opened, 1);
    QCOMPARE(rig->progress.closed, 1);
    QCOMPARE(rig->sim.transcript(),
             QList<QByteArray>({"AT+CPBS=\"SM\"", "AT+CPBS?", "AT+CPBR=1,255", "AT+CPBW=?"}));
}

QTEST_GUILESS_MAIN(TestContactWriter)
#include "tst_contactwriter.moc"
