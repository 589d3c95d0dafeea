#include "linkrig.h"
#include "testenvironment.h"
#include "testfiles.h"

#include "backup/messageexport.h"
#include "backup/phonebackup.h"
#include "phonebook/contactsfile.h"
#include "phonebook/phonebook.h"
#include "phonebook/vcard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

static TestEnvironment environment;

namespace {

// The demo's kind of phone, with texts that test every escape of both formats.
const char Scenario[] = R"({
  "phonebooks": {
    "SM": { "capacity": 20, "contacts": [
      { "index": 1, "number": "+4930123", "name": "Eva Bär" },
      { "index": 4, "number": "0171555", "name": "Büro" } ] },
    "ME": { "capacity": 10, "contacts": [ { "index": 2, "number": "089123", "name": "Oma" } ] }
  },
  "messageCapacity": 12,
  "messages": [
    { "slot": 1, "status": "REC READ", "address": "+4930123", "timestamp": "02/06/15,12:34:56+08",
      "text": "Grüße & <Küsse>\n\"Zitat\", 'so'" },
    { "slot": 2, "status": "REC UNREAD", "address": "0171999", "timestamp": "99/12/31,23:59:59-04",
      "text": "Ä;Ö,Ü" },
    { "slot": 4, "status": "STO UNSENT", "text": "Entwurf" },
    { "slot": 7, "status": "STO SENT", "address": "0171555", "text": "Gesendet\nzwei Zeilen" }
  ],
  "melodies": [
    { "slot": 3, "name": "Fanfare", "tempo": 160, "lines": ["g 8"] },
    { "slot": 13, "name": "Alarm", "tempo": 200, "lines": ["a 16"] } ]
})";

struct Expected
{
    int slot;
    QString status, address, name, iso, body;
    int type, read;
};

const QList<Expected> Messages = {
    {1, "REC READ", "+4930123", "Eva Bär", "2002-06-15T12:34:56+02:00", "Grüße & <Küsse>\n\"Zitat\", 'so'", 1,
     1},
    {2, "REC UNREAD", "0171999", "", "1999-12-31T23:59:59-01:00", "Ä;Ö,Ü", 1, 0},
    {4, "STO UNSENT", "", "", "", "Entwurf", 3, 1},
    {7, "STO SENT", "0171555", "Büro", "", "Gesendet\nzwei Zeilen", 2, 1},
};

// RFC 4180 rows, read as a spreadsheet would.
QList<QStringList> readCsv(const QString &text)
{
    QList<QStringList> rows(1);
    QString field;
    bool quoted = false;
    const auto next = [&text](qsizetype i) { return i + 1 < text.size() ? text.at(i + 1) : QChar(); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == '"' && next(i) == '"')
                field += text.at(++i);
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.last().append(std::exchange(field, {}));
        } else if (c == '\r' && next(i) == '\n') {
            rows.last().append(std::exchange(field, {}));
            rows.append(QStringList());
            ++i;
        } else {
            field += c;
        }
    }
    rows.removeLast();
    return rows;
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestPhoneBackup : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void timeStamps_data();
    void timeStamps();
    void backupReadsBackExactly();
    void troubledLineGivesTheSameFiles();
    void restoreGivesBackWhatTheSimLost();
    void interruptedBackupLeavesNoFolder_data();
    void interruptedBackupLeavesNoFolder();
    void folderRules_data();
    void folderRules();

private:
    bool backUp(PhoneBackup::Summary *summary = nullptr);

    LinkRig *rig = nullptr;
    QTemporaryDir *parent = nullptr;
    QString folder;
};

void TestPhoneBackup::init()
{
    rig = new LinkRig;
    QVERIFY(rig->started);
    parent = new QTemporaryDir;
    folder = parent->filePath(QStringLiteral("Mars"));
    QTemporaryDir scenarioDir;
    const QString scenario = scenarioDir.filePath(QStringLiteral("phone.json"));
    TestFiles::put(scenario, Scenario);
    QString error;
    QVERIFY2(rig->sim.loadScenario(scenario, &error), qPrintable(error));
    rig->sim.setLinePace({});
    QVERIFY(rig->startAndConnect());
}

void TestPhoneBackup::cleanup()
{
    delete parent;
    delete rig;
}

bool TestPhoneBackup::backUp(PhoneBackup::Summary *summary)
{
    PhoneBackup::Summary ignored;
    return PhoneBackup(rig->link).run(folder, summary ? summary : &ignored).succeeded();
}

void TestPhoneBackup::timeStamps_data()
{
    QTest::addColumn<QString>("stamp");
    QTest::addColumn<QString>("utc");
    QTest::newRow("quarter hours east") << "02/06/15,12:34:56+08"
                                        << "2002-06-15T10:34:56Z";
    QTest::newRow("west, across the year") << "99/12/31,23:59:59-04"
                                           << "2000-01-01T00:59:59Z";
    QTest::newRow("single digit zone") << "05/01/01,00:00:00+1"
                                       << "2004-12-31T23:45:00Z";
    QTest::newRow("no such day") << "02/02/30,12:00:00+00"
                                 << "";
    QTest::newRow("no zone") << "02/06/15,12:34:56"
                             << "";
    QTest::newRow("a label's text") << "0301"
                                    << "";
}

void TestPhoneBackup::timeStamps()
{
    QFETCH(QString, stamp);
    QFETCH(QString, utc);
    const QDateTime time = MessageExport::timeOf(stamp);
    QCOMPARE(time.isValid() ? time.toUTC().toString(Qt::ISODate) : QString(), utc);
}

void TestPhoneBackup::backupReadsBackExactly()
{
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    PhoneBackup::Summary summary;
    QVERIFY(backUp(&summary));
    QCOMPARE(summary.simContacts, 2);
    QCOMPARE(summary.phoneContacts, 1);
    QCOMPARE(summary.messages, 4);
    QCOMPARE(summary.melodies, 16);
    QCOMPARE(entriesOf(parent->path()), QStringList{"Mars"});
    QCOMPARE(entriesOf(folder).size(), PhoneBackup::fileNames().size());

    QXmlStreamReader xml(TestFiles::contents(folder + "/messages.xml"));
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QLatin1String("smses"));
    QCOMPARE(xml.attributes().value("count"), QLatin1String("4"));
    for (const Expected &m : Messages) {
        QVERIFY(xml.readNextStartElement());
        const QXmlStreamAttributes a = xml.attributes();
        QCOMPARE(a.value("address").toString(), m.address);
        QCOMPARE(a.value("body").toString(), m.body);
        QCOMPARE(a.value("type").toInt(), m.type);
        QCOMPARE(a.value("read").toInt(), m.read);
        QCOMPARE(a.value("contact_name").toString(), m.name.isEmpty() ? "(Unknown)" : m.name);
        const QDateTime date = QDateTime::fromMSecsSinceEpoch(a.value("date").toLongLong(), Qt::UTC);
        // The apps write when the message was sent to them; 0 for what the phone sent or holds.
        const qint64 sent = m.type == 1 ? QDateTime::fromString(m.iso, Qt::ISODate).toMSecsSinceEpoch() : 0;
        QCOMPARE(a.value("date_sent").toString(), QString::number(sent));
        if (m.iso.isEmpty()) {
            QVERIFY(date >= before && date <= QDateTime::currentDateTimeUtc());
            QVERIFY(a.value("readable_date").contains(QLatin1String("no time stamp")));
        } else {
            QCOMPARE(date, QDateTime::fromString(m.iso, Qt::ISODate));
        }
        xml.skipCurrentElement();
    }
    QVERIFY(!xml.readNextStartElement());
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

    const QList<QStringList> rows = readCsv(QString::fromUtf8(TestFiles::contents(folder + "/messages.csv")));
    QCOMPARE(rows.size(), Messages.size() + 1);
    QCOMPARE(rows.first(), QStringList({"slot", "status", "number", "name", "timestamp", "text"}));
    for (int i = 0; i < Messages.size(); ++i) {
        const Expected &m = Messages.at(i);
        QCOMPARE(rows.at(i + 1),
                 QStringList({QString::number(m.slot), m.status, m.address, m.name, m.iso, m.body}));
    }

    const QList<Contact> sim = VCard::read(folder + "/contacts-sim.vcf").contacts;
    QCOMPARE(sim, QList<Contact>({{"Eva Bär", "+4930123"}, {"Büro", "0171555"}}));
    QCOMPARE(VCard::read(folder + "/contacts-phone.vcf").contacts, QList<Contact>({{"Oma", "089123"}}));
    // The phone's own slot numbers, as quenda-cli names them.
    const QList<QByteArray> melodies = TestFiles::contents(folder + "/melodies.txt").split('\n');
    QCOMPARE(melodies.size(), 17);
    QCOMPARE(melodies.at(2), QByteArray("3: Fanfare"));
    QCOMPARE(melodies.at(12), QByteArray("13 (shown as 15): Alarm"));

    const QJsonObject manifest =
        QJsonDocument::fromJson(TestFiles::contents(folder + "/phone.json")).object();
    QCOMPARE(manifest.value("phone").toObject().value("manufacturer").toString(),
             QStringLiteral("Mitsubishi"));
    QVERIFY(QDateTime::fromString(manifest.value("backedUpAt").toString(), Qt::ISODate) >= before);
    const QJsonArray files = manifest.value("files").toArray();
    QCOMPARE(files.size(), PhoneBackup::fileNames().size() - 1);
    for (const QJsonValue &file : files) {
        const QByteArray bytes = TestFiles::contents(folder + '/' + file["name"].toString());
        QCOMPARE(file["bytes"].toInt(), bytes.size());
        QCOMPARE(file["sha256"].toString().toLatin1(),
                 QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    }
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    QVERIFY(rig->boxes.shown.isEmpty());
}

void TestPhoneBackup::troubledLineGivesTheSameFiles()
{
    // Reading an unread message marks it read: the first backup changes what the next sees.
    QVERIFY(backUp());
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(backUp());
    const auto read = [this] {
        QList<QByteArray> files;
        for (const QString &name : PhoneBackup::fileNames())
            if (name != PhoneBackup::MessagesXmlFile && name != PhoneBackup::PhoneFile)
                files.append(TestFiles::contents(folder + '/' + name));
        return files;
    };
    const QList<QByteArray> clean = read();
    QVERIFY(QDir(folder).removeRecursively());
    // Pieces, unsolicited codes inside replies and stray results before them.
    rig->sim.setLinePace(simphone::SimPhone::testPace());
    rig->sim.setStrayCodes(30);
    QVERIFY(backUp());
    QCOMPARE(read(), clean);
}

void TestPhoneBackup::restoreGivesBackWhatTheSimLost()
{
    QVERIFY(backUp());
    const QMap<int, simphone::Contact> original = rig->sim.state().simBook;
    rig->sim.state().simBook.clear();
    Phonebook phonebook(rig->link.exchange, rig->link.lock, rig->link.supervisor);
    ContactsFile file(phonebook, rig->link.settings);
    const QString vcf = folder + "/contacts-sim.vcf";
    for (int round = 1; round <= 2; ++round) {
        phonebook.LoadPhonebook();
        rig->sim.clearTranscript();
        file.import(vcf);
        const QList<QByteArray> sent = rig->sim.transcript();
        QCOMPARE(std::count_if(sent.begin(), sent.end(),
                               [](const QByteArray &l) { return l.startsWith("AT+CPBW="); }),
                 round == 1 ? 2 : 0);
    }
    QList<QByteArray> names;
    for (const simphone::Contact &c : rig->sim.state().simBook)
        names.append(c.name + ' ' + c.number);
    QList<QByteArray> originalNames;
    for (const simphone::Contact &c : original)
        originalNames.append(c.name + ' ' + c.number);
    QCOMPARE(names, originalNames);
    QVERIFY(rig->boxes.shown.isEmpty());
}

void TestPhoneBackup::interruptedBackupLeavesNoFolder_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QString>("how"); // cancel, unplug, refuse
    QTest::newRow("Cancel in the details") << QByteArray("AT+CBC") << "cancel";
    QTest::newRow("Cancel in the SIM") << QByteArray("AT+CPBR") << "cancel";
    QTest::newRow("Cancel in the phone memory") << QByteArray("AT+CPBS=\"ME\"") << "cancel";
    QTest::newRow("Cancel in the messages") << QByteArray("at+cmgr=2") << "cancel";
    QTest::newRow("Cancel at the last melody") << QByteArray("AT~MMYR=16") << "cancel";
    QTest::newRow("unplugged in the messages") << QByteArray("at+cmgr=2") << "unplug";
    QTest::newRow("phone memory refused") << QByteArray("AT+CPBS=\"ME\"") << "refuse";
}

void TestPhoneBackup::interruptedBackupLeavesNoFolder()
{
    QFETCH(QByteArray, command);
    QFETCH(QString, how);
    rig->link.exchange.timTimeout.setInterval(300);
    if (how == "refuse")
        rig->sim.failCommand(command, "+CME ERROR: 3");
    QObject::connect(&rig->sim, &simphone::SimPhone::commandReceived, &rig->sim, [&](const QByteArray &line) {
        if (!line.startsWith(command))
            return;
        if (how == "unplug")
            rig->sim.setUnplugged(true);
        else if (how == "cancel")
            rig->link.lock.cancel();
    });
    QVERIFY(!backUp());
    QCOMPARE(entriesOf(parent->path()), QStringList());
    const QString told = how == "cancel"   ? PhoneBackup::cancelledText()
                         : how == "unplug" ? PhoneBackup::lostText()
                                           : QStringLiteral("No backup was written.");
    QCOMPARE(rig->boxes.texts().constLast(), told);
    QCOMPARE(rig->boxes.texts().size(), how == "refuse" ? 2 : 1);
    QCOMPARE(rig->link.lock.action(), qint16(how == "unplug" ? OperationLock::NoPhone : OperationLock::Idle));
}

void TestPhoneBackup::folderRules_data()
{
    QTest::addColumn<QString>("existing"); // "", "empty", "backup", "other", "file"
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("written");
    QTest::newRow("new folder") << "" << false << true;
    QTest::newRow("empty folder") << "empty" << false << true;
    QTest::newRow("earlier backup, replaced") << "backup" << true << true;
    QTest::newRow("earlier backup, kept") << "backup" << false << false;
    QTest::newRow("folder with other files") << "other" << true << false;
    QTest::newRow("a file") << "file" << true << false;
}

void TestPhoneBackup::folderRules()
{
    QFETCH(QString, existing);
    QFETCH(bool, yes);
    QFETCH(bool, written);
    if (existing == "file") {
        TestFiles::put(folder, "not a folder");
    } else if (!existing.isEmpty()) {
        QVERIFY(QDir().mkdir(folder));
        if (existing != "empty")
            TestFiles::put(folder + (existing == "backup" ? "/messages.csv" : "/thesis.odt"), "old");
    }
    rig->boxes.answers = {yes};
    rig->sim.clearTranscript();
    QCOMPARE(backUp(), written);
    QCOMPARE(rig->sim.transcript().isEmpty(), !written);
    if (existing == "file")
        QCOMPARE(TestFiles::contents(folder), QByteArray("not a folder"));
    else if (written)
        QCOMPARE(entriesOf(folder).size(), PhoneBackup::fileNames().size());
    else if (existing != "empty")
        QCOMPARE(TestFiles::contents(folder + (existing == "backup" ? "/messages.csv" : "/thesis.odt")),
                 QByteArray("old"));
    QCOMPARE(entriesOf(parent->path()), QStringList{"Mars"});
}

QTEST_GUILESS_MAIN(TestPhoneBackup)
#include "tst_phonebackup.moc"
