#include "linkrig.h"
#include "testenvironment.h"
#include "testfiles.h"

#include "sms/cmgrreply.h"
#include "sms/messagedeleter.h"
#include "sms/sendernames.h"
#include "sms/shortmessages.h"
#include "sms/smsarchive.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

static TestEnvironment environment;

using TestFiles::contents;
using TestFiles::put;

namespace {

simphone::Message received(const QByteArray &from, const QByteArray &stamp, const QByteArray &body)
{
    return {"REC READ", from, stamp, body};
}

simphone::Message stored(const QByteArray &to, const QByteArray &body,
                         const QByteArray &status = "STO UNSENT")
{
    return {status, to, QByteArray(), body};
}

} // namespace

class TestShortMessages : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void recordOfReply_data();
    void recordOfReply();
    void labelsAreCountedPerDownload();
    void senderNames_data();
    void senderNames();

    void downloadReadsUpToTheLastMessage();
    void phoneWithoutSlots();
    void countedDownloadGivesTheFullScansResults_data();
    void countedDownloadGivesTheFullScansResults();
    void messageArrivingMeanwhileIsListed();
    void closingCountInterrupted_data();
    void closingCountInterrupted();
    void cancelAtSlot4Of10();
    void deleteTheSelectedSlotOnly();
    void deleteRefusedByThePhone();
    void deleteAllInListOrderThenReload();

    void textsThatReadAsResultsStayTexts();
    void slotErrorsCostOneSlotEach_data();
    void slotErrorsCostOneSlotEach();
    void codesOnTheLineCostNothing();
    void randomCodesCostNothing();

    void archiveRecordsOnceByteForByte();
    void archiveFindsLabelsAndEmptyTextsAgain();
    void getNewSmsArchivesOnce();
    void unwritableArchiveWarnsOnce();
    void archiveLookupFollowsTheLineByLineRule();

private:
    void connect(const QMap<int, simphone::Message> &messages, int capacity = 10);
    QStringList keys() const;

    LinkRig *rig = nullptr;
    ShortMessages *sms = nullptr;
    QTemporaryDir *dir = nullptr;
};

void TestShortMessages::init()
{
    rig = new LinkRig;
    QVERIFY(rig->started);
    dir = new QTemporaryDir;
    sms = new ShortMessages(rig->link.exchange, rig->link.lock, rig->link.supervisor, rig->link.settings,
                            dir->filePath(QStringLiteral("quenda.lst")));
    rig->link.settings.setFilesms(dir->filePath(QStringLiteral("sms.log")));
}

void TestShortMessages::cleanup()
{
    delete sms;
    delete dir;
    delete rig;
}

void TestShortMessages::connect(const QMap<int, simphone::Message> &messages, int capacity)
{
    rig->sim.state().messages = messages;
    rig->sim.state().messageCapacity = capacity;
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();
}

QStringList TestShortMessages::keys() const
{
    QStringList all;
    for (const SMSRecord &record : sms->messages().sorted())
        all.append(record.key);
    return all;
}

void TestShortMessages::recordOfReply_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("text");
    const QString tail = QStringLiteral("\r\n\r\nOK\r\n");
    const QString hello =
        QStringLiteral("\r\n+CMGR: \"REC READ\",\"+4917012\",,\"01/06/15,12:34:56+08\"\r\nHello");
    QTest::newRow("received") << hello + tail << "06/15/01 12:34:56"
                              << "+4917012"
                              << "Hello";
    QTest::newRow("stored without address")
        << "\r\n+CMGR: \"STO UNSENT\",\"\"\r\nDraft" + tail << "Unsend Message 1 "
        << "Unsend Message"
        << "Draft";
    QTest::newRow("stored with address")
        << "\r\n+CMGR: \"STO SENT\",\"0301\"\r\nSent" + tail << "Send Message   1 "
        << "0301"
        << "Sent";
    QTest::newRow("received with a name in the alpha field")
        << "\r\n+CMGR: \"REC READ\",\"0301\",\"Anna\",\"01/06/15,12:34:56+08\"\r\nHi" + tail
        << "Send Message   1 "
        << "0301"
        << "Hi";
    QTest::newRow("two lines and an umlaut")
        << QString::fromLatin1(
               "\r\n+CMGR: \"REC READ\",\"0301\",,\"02/12/24,18:00:00+04\"\r\nFr\x81he\r\nWeihnacht") +
               tail
        << "12/24/02 18:00:00"
        << "0301"
        << "Frühe\r\nWeihnacht";
    QTest::newRow("RING before it") << "\r\nRING\r\n" + hello + tail << "06/15/01 12:34:56"
                                    << "+4917012"
                                    << "Hello";
    QTest::newRow("no line end before the header")
        << QStringLiteral("+CMGR: \"REC READ\",\"0301\",,\"01/06/15,12:34:56+08\"\r\nAlles OK\r\nbis") + tail
        << "06/15/01 12:34:56"
        << "0301"
        << "Alles OK\r\nbis";
    QTest::newRow("quoted registration report before it")
        << "\r\n+CREG: 1,\"00C3\",\"1A2B\"\r\n" + hello + tail << "06/15/01 12:34:56"
        << "+4917012"
        << "Hello";
}

void TestShortMessages::recordOfReply()
{
    QFETCH(QString, reply);
    QFETCH(QString, key);
    QFETCH(QString, number);
    QFETCH(QString, text);
    CmgrReply parser;
    const SMSRecord record = parser.parse(reply, 3);
    QCOMPARE(record.key, key);
    QCOMPARE(record.key.size(), 17);
    QCOMPARE(record.number, number);
    QCOMPARE(record.text, text);
    QCOMPARE(record.slot, qint16(3));
}

void TestShortMessages::labelsAreCountedPerDownload()
{
    CmgrReply parser;
    const QString sent = QStringLiteral("\r\n+CMGR: \"STO SENT\",\"0301\"\r\nx\r\n\r\nOK\r\n");
    QStringList labels;
    for (int i = 0; i < 10; ++i)
        labels.append(parser.parse(sent, 1).key);
    QCOMPARE(labels.first(), QStringLiteral("Send Message   1 "));
    QCOMPARE(labels.last(), QStringLiteral("Send Message   10"));
    parser.startDownload();
    QCOMPARE(parser.parse(sent, 1).key, QStringLiteral("Send Message   1 "));
}

void TestShortMessages::senderNames_data()
{
    QTest::addColumn<QString>("cached");
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("named");
    QTest::newRow("+49 names +49") << "+4930123"
                                   << "+4930123" << true;
    QTest::newRow("+49 names 49") << "+4930123"
                                  << "4930123" << true;
    QTest::newRow("+49 names 0") << "+4930123"
                                 << "030123" << true;
    QTest::newRow("0 names +49") << "030123"
                                 << "+4930123" << true;
    QTest::newRow("0 names 49") << "030123"
                                << "4930123" << true;
    QTest::newRow("49 names nobody") << "4930123"
                                     << "+4930123" << false;
    QTest::newRow("other number") << "030124"
                                  << "030123" << false;
}

void TestShortMessages::senderNames()
{
    QFETCH(QString, cached);
    QFETCH(QString, from);
    QFETCH(bool, named);
    const SenderNames names({{QStringLiteral("Anna"), cached}, {QStringLiteral("Later"), cached}});
    QString name = QStringLiteral("Unknown");
    QCOMPARE(names.find(from, &name), named);
    QCOMPARE(name, named ? QStringLiteral("Anna") : QStringLiteral("Unknown"));
}

void TestShortMessages::downloadReadsUpToTheLastMessage()
{
    put(dir->filePath(QStringLiteral("quenda.lst")), "Anna\x89\x86\x89"
                                                     "030123\r\n");
    connect({{1, received("+4930123", "01/06/15,12:34:56+08", "Hello")},
             {4, stored("", "Draft")},
             {9, received("0171", "00/12/31,23:59:59+04", "Old")}});
    sms->SMSDownload();

    // Slot 10 stays unread: the phone said it holds three.
    QList<QByteArray> expected{"at+cmgf=1", "AT+CPMS?"};
    for (int i = 1; i <= 9; ++i)
        expected.append("at+cmgr=" + QByteArray::number(i));
    expected.append("AT+CPMS?");
    QCOMPARE(rig->sim.transcript(), expected);
    QCOMPARE(sms->messages().slotMap(),
             QStringList({"06/15/01 12:34:56", "empty", "empty", "Unsend Message 1 ", "empty", "empty",
                          "empty", "empty", "12/31/00 23:59:59", "empty"}));
    QCOMPARE(keys(), QStringList({"06/15/01 12:34:56", "12/31/00 23:59:59", "Unsend Message 1 "}));
    QCOMPARE(sms->messages().at(0)->name, QStringLiteral("Anna"));
    QCOMPARE(sms->messages().at(1)->name, QStringLiteral("Unknown"));
    QCOMPARE(sms->messages().at(2)->name, QStringLiteral("Unsend Message"));
    QCOMPARE(sms->caption(), QStringLiteral("SMS on Trium Mars - 3 Stored - 7 Free"));
    QCOMPARE(rig->progress.texts.constLast(), QStringLiteral("100%"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    // Auto-SMS is off: no archive.
    QVERIFY(!QFile::exists(rig->link.settings.filesms()));
}

void TestShortMessages::phoneWithoutSlots()
{
    connect({}, 0);
    sms->SMSDownload();
    QCOMPARE(rig->sim.transcript(), QList<QByteArray>{"at+cmgf=1"});
    QCOMPARE(sms->caption(), QStringLiteral("SMS on Trium Mars - 0 Stored - 0 Free"));
}

namespace {

// Everything a download leaves for the list, the boxes and deletion.
QStringList listed(const ShortMessages &sms)
{
    QStringList rows = sms.messages().slotMap();
    for (const SMSRecord &r : sms.messages().sorted())
        rows.append(QStringLiteral("%1|%2|%3|%4|%5").arg(r.slot).arg(r.key, r.number, r.name, r.text));
    rows.append(sms.caption());
    return rows;
}

QMap<int, simphone::Message> twelveMessages()
{
    QMap<int, simphone::Message> messages;
    for (int slot = 1; slot <= 12; ++slot)
        messages.insert(slot, slot % 4 == 0
                                  ? stored("", "Entwurf " + QByteArray::number(slot))
                                  : received("+4930" + QByteArray::number(slot),
                                             "02/06/" + QByteArray::number(10 + slot) + ",12:34:56+08",
                                             "Text " + QByteArray::number(slot) + "\r\nzweite Zeile"));
    return messages;
}

} // namespace

void TestShortMessages::countedDownloadGivesTheFullScansResults_data()
{
    QTest::addColumn<QByteArray>("countAnswer");
    QTest::newRow("count refused") << QByteArray("ERROR");
    QTest::newRow("count refused as a message error") << QByteArray("+CMS ERROR: 302");
    QTest::newRow("no count given") << QByteArray("OK");
}

void TestShortMessages::countedDownloadGivesTheFullScansResults()
{
    QFETCH(QByteArray, countAnswer);
    put(dir->filePath(QStringLiteral("quenda.lst")), "Eva\x89\x86\x89"
                                                     "+49305\r\n");
    rig->link.settings.setAutosms(true);
    connect(twelveMessages(), 255);
    sms->SMSDownload();
    QList<QByteArray> commands = rig->sim.transcript();
    QCOMPARE(commands.takeFirst(), QByteArray("at+cmgf=1"));
    QVERIFY2(commands.size() <= 14, QByteArray::number(commands.size()).constData());
    QCOMPARE(commands.constLast(), QByteArray("AT+CPMS?"));
    const QStringList counted = listed(*sms);
    const QByteArray countedArchive = contents(rig->link.settings.filesms());
    QCOMPARE(sms->messages().count(), 12);
    QVERIFY(countedArchive.contains("Text 11"));

    // A phone that does not tell its count gets every slot read.
    rig->sim.failCommand("AT+CPMS", countAnswer);
    rig->link.settings.setFilesms(dir->filePath(QStringLiteral("full.log")));
    rig->sim.clearTranscript();
    sms->SMSDownload();
    QVERIFY(rig->sim.transcript().contains("at+cmgr=255"));
    QCOMPARE(listed(*sms), counted);
    QCOMPARE(contents(rig->link.settings.filesms()), countedArchive);
    QVERIFY(rig->boxes.shown.isEmpty());
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestShortMessages::messageArrivingMeanwhileIsListed()
{
    connect(twelveMessages(), 255);
    QObject::connect(
        &rig->sim, &simphone::SimPhone::commandReceived, &rig->sim, [this](const QByteArray &line) {
            if (line == "at+cmgr=5")
                rig->sim.state().messages.insert(40, received("+4940", "02/07/01,08:00:00+08", "Neu"));
        });
    sms->SMSDownload();
    QVERIFY(rig->sim.transcript().contains("at+cmgr=255"));
    QCOMPARE(sms->messages().slotMap().size(), 255);
    QCOMPARE(sms->messages().slotMap().at(39), QStringLiteral("07/01/02 08:00:00"));
    QCOMPARE(sms->caption(), QStringLiteral("SMS on Trium Mars - 13 Stored - 242 Free"));
}

void TestShortMessages::closingCountInterrupted_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("Cancel") << true;
    QTest::newRow("phone gone") << false;
}

void TestShortMessages::closingCountInterrupted()
{
    QFETCH(bool, cancel);
    rig->link.settings.setAutosms(true);
    connect({{1, received("0301", "01/06/15,12:34:56+08", "A")}, {2, stored("", "B")}});
    rig->link.exchange.timTimeout.setInterval(500);
    int counts = 0;
    QObject::connect(&rig->sim, &simphone::SimPhone::commandReceived, &rig->sim, [&](const QByteArray &line) {
        if (line == "AT+CPMS?" && ++counts == 2) {
            if (cancel)
                rig->link.lock.cancel();
            else
                rig->sim.setUnplugged(true);
        }
    });
    sms->SMSDownload();
    QCOMPARE(counts, 2);
    QCOMPARE(sms->caption(), QStringLiteral("SMS on Trium Mars"));
    QVERIFY(!QFile::exists(rig->link.settings.filesms()));
    QCOMPARE(rig->link.lock.action(), qint16(cancel ? OperationLock::Idle : OperationLock::NoPhone));
    QVERIFY(rig->boxes.shown.isEmpty());
}

void TestShortMessages::cancelAtSlot4Of10()
{
    rig->link.settings.setAutosms(true);
    connect({{2, received("0301", "01/06/15,12:34:56+08", "A")},
             {6, received("0302", "01/06/16,12:00:00+08", "B")}});
    rig->cancelWhenPhoneTakes("at+cmgr=4");
    sms->SMSDownload();
    QCOMPARE(rig->sim.transcript().constLast(), QByteArray("at+cmgr=4"));
    QTRY_COMPARE(rig->sim.transcript().constLast(), QByteArray("AT"));
    QCOMPARE(rig->sim.transcript().count("AT"), 1);
    QCOMPARE(keys(), QStringList({"06/15/01 12:34:56"}));
    QCOMPARE(sms->caption(), QStringLiteral("SMS on Trium Mars"));
    QVERIFY(!QFile::exists(rig->link.settings.filesms()));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestShortMessages::deleteTheSelectedSlotOnly()
{
    // Slots 2 and 7 carry the same key: the same second.
    connect({{2, received("0301", "01/06/15,12:34:56+08", "first")},
             {5, received("0305", "01/06/16,08:00:00+08", "five")},
             {7, received("0307", "01/06/15,12:34:56+08", "second")}});
    sms->SMSDownload();
    MessageDeleter deleter(*sms);

    rig->sim.clearTranscript();
    deleter.remove(-1);
    QVERIFY(rig->sim.transcript().isEmpty());

    deleter.remove(2);
    QCOMPARE(rig->sim.transcript(), QList<QByteArray>{"AT+CMGD=5"});
    QCOMPARE(sms->messages().slotMap().at(4), QStringLiteral("empty"));

    deleter.remove(1); // the second of the twins, in slot 7
    QCOMPARE(rig->sim.transcript().constLast(), QByteArray("AT+CMGD=7"));
    QCOMPARE(rig->sim.state().messages.keys(), QList<int>{2});
    QCOMPARE(sms->messages().count(), 1);
    QCOMPARE(sms->messages().at(0)->text, QStringLiteral("first"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestShortMessages::deleteRefusedByThePhone()
{
    connect({{1, received("0301", "01/06/15,12:34:56+08", "A")}});
    sms->SMSDownload();
    rig->sim.failCommand("AT+CMGD", "+CMS ERROR: 321");
    MessageDeleter(*sms).remove(0);
    QCOMPARE(rig->boxes.texts(), QStringList{QStringLiteral("Unable to delete SMS")});
    QCOMPARE(sms->messages().count(), 1);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestShortMessages::deleteAllInListOrderThenReload()
{
    connect({{1, received("0301", "03/01/01,10:00:00+08", "C")},
             {4, received("0304", "01/01/01,10:00:00+08", "A")},
             {9, received("0309", "02/01/01,10:00:00+08", "B")}});
    sms->SMSDownload();
    rig->sim.clearTranscript();
    MessageDeleter(*sms).removeAll();
    QCOMPARE(rig->sim.transcript().mid(0, 3), QList<QByteArray>({"AT+CMGD=4", "AT+CMGD=9", "AT+CMGD=1"}));
    QCOMPARE(rig->sim.transcript().at(3), QByteArray("at+cmgf=1"));
    QCOMPARE(sms->messages().count(), 0);
    QCOMPARE(sms->caption(), QStringLiteral("SMS on Trium Mars - 0 Stored - 10 Free"));
}

void TestShortMessages::textsThatReadAsResultsStayTexts()
{
    rig->link.settings.setAutosms(true);
    connect({{1, received("0301", "01/01/01,10:00:00+08", "OK")},
             {2, received("0302", "01/01/02,10:00:00+08", "Alles OK\r\nbis morgen")},
             {3, received("0303", "01/01/03,10:00:00+08", "Third")},
             {4, received("0304", "01/01/04,10:00:00+08", "+CMS ERROR: 500")}});
    // The first piece ends right after the text's "OK".
    rig->sim.setSplit("OK\r\n", 50);
    sms->SMSDownload();
    QStringList texts;
    for (const SMSRecord &record : sms->messages().sorted())
        texts.append(QString::number(record.slot) + QLatin1Char(' ') + record.text);
    QCOMPARE(texts, QStringList({"1 OK", "2 Alles OK\r\nbis morgen", "3 Third", "4 +CMS ERROR: 500"}));
    QVERIFY(contents(rig->link.settings.filesms()).contains("\r\nAlles OK\r\nbis morgen\r\nName:"));
    QVERIFY(!contents(rig->link.settings.filesms()).contains("Send Message"));

    MessageDeleter(*sms).remove(1);
    QCOMPARE(rig->sim.transcript().constLast(), QByteArray("AT+CMGD=2"));
    QCOMPARE(rig->sim.state().messages.keys(), QList<int>({1, 3, 4}));
}

void TestShortMessages::slotErrorsCostOneSlotEach_data()
{
    QTest::addColumn<QByteArray>("refusal");
    QTest::newRow("ERROR") << QByteArray("ERROR");
    QTest::newRow("CMS 500") << QByteArray("+CMS ERROR: 500");
}

void TestShortMessages::slotErrorsCostOneSlotEach()
{
    QFETCH(QByteArray, refusal);
    connect({{1, received("0301", "01/01/01,10:00:00+08", "A")},
             {2, received("0302", "01/01/02,10:00:00+08", "B")},
             {3, received("0303", "01/01/03,10:00:00+08", "C")}},
            4);
    rig->sim.failCommand("at+cmgr=2", refusal);
    QElapsedTimer clock;
    clock.start();
    sms->SMSDownload();
    QVERIFY(clock.elapsed() < 2000);
    QCOMPARE(keys(), QStringList({"01/01/01 10:00:00", "01/03/01 10:00:00"}));
    QCOMPARE(sms->messages().slotMap().at(1), QStringLiteral("empty"));
    QCOMPARE(rig->boxes.texts(),
             QStringList{"1 message slot could not be read; the phone answered " + refusal + '.'});
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestShortMessages::codesOnTheLineCostNothing()
{
    rig->link.settings.setAutosms(true);
    connect({{1, received("0301", "01/01/01,10:00:00+08", "Hello there")},
             {2, received("0302", "01/01/02,10:00:00+08", "Second")},
             {3, received("0303", "01/01/03,10:00:00+08", "Third")}},
            5);
    // A RING between text and result; a new-message report between replies; a stray "OK" ahead
    // of an answer that comes late.
    rig->sim.delayCommand("at+cmgr=3", 150);
    QObject::connect(&rig->sim, &simphone::SimPhone::commandReceived, this, [this](const QByteArray &line) {
        if (line == "at+cmgf=1")
            rig->sim.injectIntoNextReply("RING");
        if (line == "at+cmgr=2")
            rig->sim.injectUnsolicited("+CMTI: \"SM\",4");
        if (line == "at+cmgr=3" && rig->sim.transcript().count("at+cmgr=3") == 1)
            rig->sim.injectUnsolicited("OK");
    });
    sms->SMSDownload();
    QStringList texts;
    for (const SMSRecord &record : sms->messages().sorted())
        texts.append(QString::number(record.slot) + QLatin1Char(' ') + record.text);
    QCOMPARE(texts, QStringList({"1 Hello there", "2 Second", "3 Third"}));
    QCOMPARE(sms->messages().slotMap().mid(3), QStringList({"empty", "empty"}));
    QVERIFY(!contents(rig->link.settings.filesms()).contains("RING"));
    QVERIFY(rig->boxes.texts().isEmpty());
}

void TestShortMessages::randomCodesCostNothing()
{
    QMap<int, simphone::Message> stored;
    const QList<QByteArray> texts{"OK", "Alles OK\r\nbis morgen", "+CMS ERROR: 500", "Hi\r\n\r\nthere"};
    for (int slot = 1; slot <= 20; ++slot)
        stored.insert(slot,
                      received("0301",
                               "01/01/" + QByteArray::number(slot).rightJustified(2, '0') + ",10:00:00+08",
                               texts.at(slot % texts.size())));
    connect(stored, 20);
    rig->sim.setStrayCodes(25);
    for (int run = 0; run < 6; ++run) {
        sms->SMSDownload();
        QCOMPARE(sms->messages().count(), 20);
        for (const SMSRecord &record : sms->messages().sorted())
            QCOMPARE(record.text, QString::fromLatin1(stored.value(record.slot).body));
    }
}

void TestShortMessages::archiveRecordsOnceByteForByte()
{
    rig->link.settings.setAutosms(true);
    connect({{1, received("+4930123", "01/06/15,12:34:56+08", "Hallo\r\nWelt")},
             {2, stored("0301", "Gr\x81\xe1", "STO SENT")}});
    sms->SMSDownload();
    const QByteArray once =
        "\r\n06/15/01 12:34:56\r\nNumber: +4930123\r\nHallo\r\nWelt\r\nName:   Unknown\r\n"
        "\r\nSend Message\r\nNumber: 0301\r\nGr\xfc\xdf\r\nName:   Unknown\r\n";
    QCOMPARE(contents(rig->link.settings.filesms()), once);
    sms->SMSDownload();
    QCOMPARE(contents(rig->link.settings.filesms()), once);
}

void TestShortMessages::archiveFindsLabelsAndEmptyTextsAgain()
{
    rig->link.settings.setAutosms(true);
    connect({{3, stored("0301", "Sent", "STO SENT")}, {4, received("0302", "01/06/15,12:34:56+08", "")}});
    sms->SMSDownload();
    const QByteArray once = contents(rig->link.settings.filesms());
    // Another sent message before it: its label gets another number.
    rig->sim.state().messages.insert(1, stored("0309", "Other", "STO SENT"));
    sms->SMSDownload();
    QCOMPARE(keys().constLast(), QStringLiteral("Send Message   2 "));
    const QByteArray twice = contents(rig->link.settings.filesms());
    QCOMPARE(twice.left(once.size()), once);
    QCOMPARE(twice.mid(once.size()),
             QByteArray("\r\nSend Message\r\nNumber: 0309\r\nOther\r\nName:   Unknown\r\n"));
}

void TestShortMessages::getNewSmsArchivesOnce()
{
    connect({{1, received("0301", "01/06/15,12:34:56+08", "A")}});
    sms->manuell = true;
    sms->SMSDownload();
    QVERIFY(!sms->manuell);
    const QByteArray once = contents(rig->link.settings.filesms());
    QVERIFY(once.contains("Number: 0301"));
    rig->sim.state().messages.insert(2, received("0302", "01/06/16,12:34:56+08", "B"));
    sms->SMSDownload();
    QCOMPARE(contents(rig->link.settings.filesms()), once);
}

void TestShortMessages::unwritableArchiveWarnsOnce()
{
    rig->link.settings.setAutosms(true);
    rig->link.settings.setFilesms(dir->filePath(QStringLiteral("no/such/folder/sms.log")));
    connect({{1, received("0301", "01/06/15,12:34:56+08", "A")},
             {2, received("0302", "01/06/16,12:34:56+08", "B")}});
    sms->SMSDownload();
    QCOMPARE(rig->boxes.shown.size(), 1);
    QCOMPARE(rig->boxes.shown.at(0).second, QStringLiteral("Warning"));
    QVERIFY(rig->boxes.shown.at(0).first.contains(QLatin1String("no/such/folder/sms.log")));
    QCOMPARE(sms->caption(), QStringLiteral("SMS on Trium Mars - 2 Stored - 8 Free"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

// The archive rule as a reader of the file applies it, line by line with its state.
static bool heldLineByLine(const QStringList &lines, const SMSRecord &m)
{
    int s = -2;
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        if (s >= -1)
            ++s;
        if (s == 3)
            s = -2;
        if (s == -2 && (line == m.key || (line == "Send Message" && m.key.startsWith("Send Message")) ||
                        (line == "Unsend Message" && m.key.startsWith("Unsend Message"))))
            s = -1;
        if (s == 0)
            s = line.mid(8) == m.number ||
                        (line.mid(8) == "Unsend Message" && m.number.startsWith("Unsend Message"))
                    ? 1
                    : -2;
        if (s == 2 && (m.text.isEmpty() ? line.startsWith("Name:   ") : m.text.startsWith(line)))
            return true;
    }
    return false;
}

void TestShortMessages::archiveLookupFollowsTheLineByLineRule()
{
    // Few distinct lines, so keys, numbers and texts meet in every order, records overlap and
    // candidates fall inside records.
    const QStringList pool{"01/01/01 10:00:00",
                           "Send Message",
                           "Unsend Message",
                           "Number: 0301",
                           "Number: Unsend Message",
                           "Hallo",
                           "Hal",
                           "Name:   Anna",
                           "",
                           "0301"};
    const QStringList keys{"01/01/01 10:00:00", "Send Message   1 ", "Unsend Message 2 ", "Hallo"};
    const QStringList numbers{"0301", "Unsend Message", "Hallo"};
    const QStringList texts{"Hallo\r\nWelt", "Hal", "", "0301"};
    QRandomGenerator random(20261208);
    for (int round = 0; round < 3000; ++round) {
        QStringList lines;
        const int count = random.bounded(12);
        for (int i = 0; i < count; ++i)
            lines.append(pool.at(random.bounded(pool.size())));
        SMSRecord m;
        m.key = keys.at(random.bounded(keys.size()));
        m.number = numbers.at(random.bounded(numbers.size()));
        m.text = texts.at(random.bounded(texts.size()));
        QCOMPARE(SmsArchive::Contents({m}, lines).holds(m), heldLineByLine(lines, m));
    }
}

QTEST_GUILESS_MAIN(TestShortMessages)
#include "tst_shortmessages.moc"
