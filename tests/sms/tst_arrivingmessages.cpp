// Messages a phone tells of as they arrive: the greeting's choice of "AT+CNMI", the codes found
// in what crosses the line, and the reading of each message once no operation runs.
#include "linkrig.h"
#include "testenvironment.h"

#include "handset/handset.h"
#include "link/standardgreeting.h"
#include "link/unsolicitedcodes.h"
#include "sms/arrivingmessages.h"
#include "text/testanswer.h"

#include <QSignalSpy>
#include <QTest>

static TestEnvironment environment;

namespace {

simphone::Message received(const QByteArray &from, const QByteArray &stamp, const QByteArray &body)
{
    simphone::Message m;
    m.status = "REC UNREAD";
    m.address = from;
    m.timestamp = stamp;
    m.body = body;
    return m;
}

struct ArrivalRig : LinkRig
{
    explicit ArrivalRig(const QByteArray &indications)
    {
        simphone::PhoneState &phone = sim.state();
        phone.manufacturer = "SIMCOM_Ltd";
        phone.model = "SIMCOM_SIM800";
        phone.listing = true;
        phone.indications = indications;
        phone.messages.insert(1, received("+4917012345678", "09/08/18,19:11:45+08", "Old news"));
        link.supervisor.setNewMessageIndications(true);
        arrivals.setActive(true);
        // Soon enough to come up while an operation still runs.
        arrivals.timArrival.setInterval(10);
    }

    // The commands the phone took from the first that begins with prefix on.
    QList<QByteArray> commandsFrom(const QByteArray &prefix) const
    {
        QList<QByteArray> lines = sim.transcript();
        while (!lines.isEmpty() && !lines.constFirst().startsWith(prefix))
            lines.removeFirst();
        return lines;
    }

    Subsystems parts{link};
    ArrivingMessages arrivals{link.codes, link.exchange, link.lock, parts.sms};
    QSignalSpy told{&arrivals, &ArrivingMessages::arrived};
};

const simphone::Message Greeting =
    received("+4915112345678", "26/12/10,09:30:00+04", "Are you coming tonight? The train leaves at eight");

SMSRecord toldMessage(const QSignalSpy &spy)
{
    return spy.isEmpty() ? SMSRecord() : spy.constLast().constFirst().value<SMSRecord>();
}

} // namespace

Q_DECLARE_METATYPE(SMSRecord)

class TestArrivingMessages : public QObject
{
    Q_OBJECT
private slots:
    void init() { qRegisterMetaType<SMSRecord>(); }

    void theSettingKeepsMessagesStored_data();
    void theSettingKeepsMessagesStored();
    void codesAreFoundWhereverTheyCome_data();
    void codesAreFoundWhereverTheyCome();
    void aMessageIsReadOnceTheLineIsFree_data();
    void aMessageIsReadOnceTheLineIsFree();
    void aPhoneThatCannotTellIsUsedAsBefore_data();
    void aPhoneThatCannotTellIsUsedAsBefore();
};

void TestArrivingMessages::theSettingKeepsMessagesStored_data()
{
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("setting");
    // "spaced" as the Enfora GSM1308 AT command reference (2008) prints its answer; then a
    // phone of two fields, and those that cannot keep messages stored.
    QTest::newRow("buffered") << "(0-3),(0-3),(0,2),(0,1),(0,1)"
                              << "AT+CNMI=2,1,0,0";
    QTest::newRow("spaced") << "(0-2), (0-3), (0,2), (0,1), (0,1)"
                            << "AT+CNMI=2,1,0,0";
    QTest::newRow("listed") << "(0,1,2),(0,1,2,3),(0,2),(0,1,2),(0,1)"
                            << "AT+CNMI=2,1,0,0";
    QTest::newRow("dropped while busy") << "(1),(0,1),(0),(0)"
                                        << "AT+CNMI=1,1,0,0";
    QTest::newRow("two fields") << "(3),(1)"
                                << "AT+CNMI=3,1";
    QTest::newRow("broadcasts always on") << "(2),(1),(2),(0)"
                                          << "AT+CNMI=2,1";
    QTest::newRow("hands messages over") << "(0-2),(0,2,3)"
                                         << "";
    QTest::newRow("only buffers") << "(0),(1)"
                                  << "";
    QTest::newRow("nothing") << ""
                             << "";
}

void TestArrivingMessages::theSettingKeepsMessagesStored()
{
    QFETCH(QString, offered);
    QFETCH(QString, setting);
    QCOMPARE(StandardGreeting::indicationSetting(TestAnswer::parameters(offered)), setting);
}

void TestArrivingMessages::codesAreFoundWhereverTheyCome_data()
{
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("idle line") << QStringList{"\r\n+CMTI: \"SM\",3\r\n"} << QStringList{"+CMTI: \"SM\",3"};
    QTest::newRow("in pieces") << QStringList{"\r\n+CM", "TI: \"SM\"", ",12\r", "\n"}
                               << QStringList{"+CMTI: \"SM\",12"};
    QTest::newRow("inside a reply")
        << QStringList{"\r\n+CPBR: 1,\"+49\",145,\"A\"\r\n\r\n+CMTI: \"ME\",4\r\n\r\nOK\r\n"}
        << QStringList{"+CMTI: \"ME\",4"};
    QTest::newRow("a text that reads as one")
        << QStringList{"\r\n+CMGR: \"REC READ\",\"+49\",,\"09/08/18,19:11:45+08\"\r\n+CMTI: "
                       "\"SM\",9\r\n\r\nOK\r\n"}
        << QStringList{};
    QTest::newRow("between a header and its text")
        << QStringList{"\r\n+CMGR: \"REC READ\",\"+49\",,\"09/08/18,19:11:45+08\"\r\n\r\n+CMTI: "
                       "\"SM\",5\r\nHi\r\n\r\nOK\r\n"}
        << QStringList{"+CMTI: \"SM\",5"};
    QTest::newRow("a message handed over")
        << QStringList{"\r\n+CMT: \"+49\",,\"26/12/10\"\r\n+CMTI: x\r\n\r\n"}
        << QStringList{"+CMT: \"+49\",,\"26/12/10\""};
}

void TestArrivingMessages::codesAreFoundWhereverTheyCome()
{
    QFETCH(QStringList, pieces);
    QFETCH(QStringList, codes);
    SerialLine line;
    UnsolicitedCodes watch(line);
    QStringList found;
    connect(&watch, &UnsolicitedCodes::code, this, [&found](const QString &code) { found.append(code); });
    for (const QString &piece : pieces)
        watch.take(piece);
    QCOMPARE(found, codes);
}

void TestArrivingMessages::aMessageIsReadOnceTheLineIsFree_data()
{
    QTest::addColumn<bool>("duringAnOperation");
    QTest::addColumn<bool>("wholeReplies");
    QTest::newRow("idle, in pieces") << false << false;
    QTest::newRow("idle, whole") << false << true;
    QTest::newRow("while the phonebook is read") << true << false;
}

void TestArrivingMessages::aMessageIsReadOnceTheLineIsFree()
{
    QFETCH(bool, duringAnOperation);
    QFETCH(bool, wholeReplies);
    ArrivalRig rig("(0-3),(0-3),(0,2),(0,1),(0,1)");
    if (wholeReplies)
        rig.sim.setLinePace({});
    QVERIFY(rig.started);
    QVERIFY(rig.startAndConnect(10000));
    QCOMPARE(rig.commandsOf("AT+CNMI"), (QList<QByteArray>{"AT+CNMI=?", "AT+CNMI=2,1,0,0"}));
    QVERIFY(rig.link.supervisor.profile().newMessageIndications);

    OperationResult phonebook;
    // Outlives the connection below, which the phone keeps as long as the rig.
    bool sent = false;
    if (duringAnOperation) {
        for (int i = 1; i <= 60; ++i)
            rig.sim.state().simBook.insert(
                i, {"+4917000000" + QByteArray::number(i), 145, "N" + QByteArray::number(i)});
        connect(&rig.sim, &simphone::SimPhone::commandReceived, this, [&](const QByteArray &line) {
            if (!sent && line.startsWith("AT+CPBR=26")) {
                sent = true;
                QVERIFY(rig.sim.receiveMessage(Greeting));
            }
        });
        phonebook = rig.parts.phonebook.LoadPhonebook();
        QVERIFY(sent);
        QVERIFY(rig.told.isEmpty());
    } else {
        QVERIFY(rig.sim.receiveMessage(Greeting));
    }
    QVERIFY(QTest::qWaitFor([&] { return !rig.told.isEmpty(); }, 5000));
    const SMSRecord message = toldMessage(rig.told);
    QCOMPARE(message.slot, qint16(2));
    QCOMPARE(message.number, QStringLiteral("+4915112345678"));
    QCOMPARE(message.text, QString::fromLatin1(Greeting.body));
    QCOMPARE(rig.told.size(), 1);
    QCOMPARE(rig.link.lock.action(), qint16(OperationLock::Idle));
    // Read after everything the operation asked, and with nothing of it asked again.
    const QList<QByteArray> after = rig.commandsFrom("AT+CMGR=2");
    QVERIFY(!after.isEmpty());
    if (duringAnOperation) {
        QCOMPARE(phonebook.kind, OperationResult::Kind::Done);
        QCOMPARE(rig.parts.phonebook.table().size(), 60);
        for (const QByteArray &line : after)
            QVERIFY2(!line.startsWith("AT+CPBR"), line.constData());
    }
}

void TestArrivingMessages::aPhoneThatCannotTellIsUsedAsBefore_data()
{
    QTest::addColumn<QByteArray>("maker");
    QTest::addColumn<QByteArray>("indications");
    QTest::addColumn<QList<QByteArray>>("asked");
    QTest::newRow("refuses AT+CNMI") << QByteArray("SIMCOM_Ltd") << QByteArray()
                                     << QList<QByteArray>{"AT+CNMI=?"};
    QTest::newRow("would hand messages over")
        << QByteArray("SIMCOM_Ltd") << QByteArray("(0-2),(0,2,3)") << QList<QByteArray>{"AT+CNMI=?"};
    QTest::newRow("Trium Mars") << QByteArray("Mitsubishi") << QByteArray("(0-3),(0-3)")
                                << QList<QByteArray>{};
}

void TestArrivingMessages::aPhoneThatCannotTellIsUsedAsBefore()
{
    QFETCH(QByteArray, maker);
    QFETCH(QByteArray, indications);
    QFETCH(QList<QByteArray>, asked);
    ArrivalRig rig(indications);
    rig.sim.state().manufacturer = maker;
    rig.sim.setLinePace({});
    QVERIFY(rig.started);
    QVERIFY(rig.startAndConnect(10000));
    QCOMPARE(rig.commandsOf("AT+CNMI"), asked);
    QVERIFY(!rig.link.supervisor.profile().newMessageIndications);

    // The message is stored, and a code the phone sends by itself is passed over.
    const qsizetype before = rig.sim.transcript().size();
    QVERIFY(rig.sim.receiveMessage(Greeting));
    rig.sim.injectUnsolicited("+CMTI: \"SM\",2");
    QTest::qWait(3 * rig.arrivals.timArrival.interval());
    QVERIFY(rig.told.isEmpty());
    for (const QByteArray &line : rig.sim.transcript().mid(before))
        QCOMPARE(line, QByteArray("AT"));
}

QTEST_GUILESS_MAIN(TestArrivingMessages)
#include "tst_arrivingmessages.moc"
