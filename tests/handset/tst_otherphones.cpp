// Every handset and modem profile of the simulated phone (simphone/data/handsets), driven
// through the operations the window and quenda-cli use, at the pace of its line.
#include "linkrig.h"

#include "backup/phonebackup.h"
#include "handset/handset.h"
#include "link/supervisor.h"
#include "link/tabloader.h"
#include "phonebook/contactwriter.h"
#include "phonebook/phonebookmemory.h"
#include "sms/messagedeleter.h"
#include "sms/messagesender.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct OtherPhoneRig : LinkRig
{
    OtherPhoneRig() : parts(link) {}

    bool connect(const QString &profile)
    {
        sim.setLinePace(simphone::SimPhone::cablePace());
        QString error;
        if (!sim.loadScenario(profile, &error)) {
            qWarning("%s", qPrintable(error));
            return false;
        }
        // A modem's faster line is set as its user would set it.
        link.useBaudForThisRun(sim.linePace().bytesPerSecond * 10);
        return startAndConnect(15000);
    }

    const PhoneProfile &profile() const { return link.supervisor.profile(); }

    Subsystems parts;
};

QList<Contact> held(const QMap<int, simphone::Contact> &book)
{
    QList<Contact> contacts;
    for (const simphone::Contact &c : book)
        contacts.append({QString::fromUtf8(c.name), QString::fromLatin1(c.number)});
    return contacts;
}

const QMap<int, simphone::Contact> &bookOf(simphone::PhoneState &phone, const QString &memory)
{
    if (memory == QLatin1String("SM"))
        return phone.simBook;
    if (memory == QLatin1String("ME"))
        return phone.phoneBook;
    return phone.readOnlyBooks[memory.toLatin1()];
}

} // namespace

class TestOtherPhones : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void connectsAndTellsWhatItIsAndLacks_data() { profiles(); }
    void connectsAndTellsWhatItIsAndLacks();
    void readsEveryMemoryExactly_data() { profiles(); }
    void readsEveryMemoryExactly();
    void writesAndDeletesWithinTheMemorysLengths_data() { profiles(); }
    void writesAndDeletesWithinTheMemorysLengths();
    void listsEveryMessageExactly_data() { profiles(); }
    void listsEveryMessageExactly();
    void sendsStoresAndDeletesMessages_data() { profiles(); }
    void sendsStoresAndDeletesMessages();
    void aFreePlaceAnsweredWithAnotherRowIsFree();
    void longMessagesInPduMode();
    void longTextsGoOutInPartsEachAfterItsPrompt();
    void theUserMayKeepTextMode();
    void backsUpEveryMemory_data() { profiles(); }
    void backsUpEveryMemory();

private:
    static void profiles();

    OtherPhoneRig *rig = nullptr;
};

void TestOtherPhones::profiles()
{
    QTest::addColumn<QString>("profile");
    const QDir dir(QStringLiteral(SIMPHONE_DATA_DIR "/handsets"));
    const QStringList files = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 5);
    for (const QString &file : files)
        QTest::newRow(qPrintable(QFileInfo(file).baseName())) << dir.filePath(file);
}

void TestOtherPhones::init()
{
    rig = new OtherPhoneRig;
    QVERIFY(rig->started);
}

void TestOtherPhones::cleanup()
{
    delete rig;
}

void TestOtherPhones::connectsAndTellsWhatItIsAndLacks()
{
    QFETCH(QString, profile);
    QVERIFY(rig->connect(profile));
    simphone::PhoneState &phone = rig->sim.state();
    QVERIFY(!rig->profile().isTriumMars());
    QVERIFY(rig->profile().name().contains(QString::fromLatin1(phone.model).section('_', -1)));
    QCOMPARE(rig->profile().characterSet, QStringLiteral("UCS2"));

    QVERIFY(rig->parts.info.InfoDownload().succeeded());
    const DeviceInfo::Fields &f = rig->parts.info.fields();
    QCOMPARE(f.manufacturer, QString::fromLatin1(phone.manufacturer));
    QCOMPARE(f.model, QString::fromLatin1(phone.model));
    QCOMPARE(f.revision, QString::fromLatin1(phone.revision));
    QCOMPARE(f.imei, QString::fromLatin1(phone.imei));

    // No melodies on any of them; no keypad on a modem that lacks "AT+CKPD".
    QVERIFY(!rig->profile().lacking(TabLoader::Ringtones).isEmpty());
    const bool keypad = !phone.resultsInstead.contains("AT+CKPD");
    QCOMPARE(rig->profile().lacking(TabLoader::RemoteControl).isEmpty(), keypad);
    QVERIFY(rig->boxes.shown.isEmpty());
}

void TestOtherPhones::readsEveryMemoryExactly()
{
    QFETCH(QString, profile);
    QVERIFY(rig->connect(profile));
    simphone::PhoneState &phone = rig->sim.state();
    const QStringList memories = PhonebookMemory::shown(rig->profile().phonebooks);
    QCOMPARE(memories.size(), int(phone.phonebooks.size()));
    Phonebook &phonebook = rig->parts.phonebook;
    for (const QString &memory : memories) {
        phonebook.setMemory(memory);
        QVERIFY2(phonebook.LoadPhonebook().succeeded(), qPrintable(memory));
        QCOMPARE(phonebook.table().contacts(), held(bookOf(phone, memory)));
        QCOMPARE(phonebook.readOnlyList(), !PhonebookMemory::isWritable(memory));
    }
    // A block too wide for the phone is read one place at a time.
    if (phone.blockLimit > 0)
        QVERIFY(rig->commandsOf("AT+CPBR=2,").isEmpty() && !rig->commandsOf("AT+CPBR=2").isEmpty());
    QVERIFY(rig->boxes.shown.isEmpty());
}

void TestOtherPhones::writesAndDeletesWithinTheMemorysLengths()
{
    QFETCH(QString, profile);
    QVERIFY(rig->connect(profile));
    simphone::PhoneState &phone = rig->sim.state();
    Phonebook &phonebook = rig->parts.phonebook;
    ContactWriter writer(phonebook);

    phonebook.setMemory(QStringLiteral("SM"));
    QVERIFY(phonebook.LoadPhonebook().succeeded());
    int free = 1;
    while (phone.simBook.contains(free))
        ++free;
    const QString name = QStringLiteral("Ёлка Zoë-Weißenbäcker 木");
    QVERIFY(writer.create(name, QStringLiteral("+4930123456")).succeeded());
    QCOMPARE(QString::fromUtf8(phone.simBook.value(free).name), name.left(phone.nameLength));
    QCOMPARE(phonebook.table().entry(phonebook.table().entryAtPlace(free)).contact.name,
             name.left(phone.nameLength));
    const int row = int(phonebook.table().visible().indexOf(
        ContactTable::visibleText(name.left(phone.nameLength), QStringLiteral("+4930123456"))));
    QVERIFY(writer.remove(row).succeeded());
    QVERIFY(!phone.simBook.contains(free));

    // A list that is only read takes no write.
    const QStringList memories = PhonebookMemory::shown(rig->profile().phonebooks);
    const auto list = std::find_if(memories.begin(), memories.end(),
                                   [](const QString &m) { return !PhonebookMemory::isWritable(m); });
    QVERIFY(list != memories.end());
    phonebook.setMemory(*list);
    QVERIFY(phonebook.LoadPhonebook().succeeded());
    rig->sim.clearTranscript();
    QCOMPARE(writer.create(QStringLiteral("Anna"), QStringLiteral("0301")).kind,
             OperationResult::Kind::NotStarted);
    QCOMPARE(rig->boxes.texts(), QStringList{PhonebookMemory::title(*list) + " can only be read."});
    QVERIFY(rig->sim.transcript().isEmpty());
}

void TestOtherPhones::listsEveryMessageExactly()
{
    QFETCH(QString, profile);
    QVERIFY(rig->connect(profile));
    simphone::PhoneState &phone = rig->sim.state();
    const QMap<int, simphone::Message> before = phone.messages;
    QVERIFY(rig->parts.sms.SMSDownload(ShortMessages::ArchiveStep::Skip).succeeded());
    const QList<SMSRecord> read = rig->parts.sms.messages().bySlot();
    QCOMPARE(read.size(), before.size());
    auto held = before.begin();
    for (const SMSRecord &message : read) {
        QCOMPARE(message.slot, held.key());
        QCOMPARE(message.number, QString::fromLatin1(held->address));
        QCOMPARE(message.text, QString::fromUtf8(held->body));
        QCOMPARE(message.status, QString::fromLatin1(held->status));
        // The zone only where the phone gives one.
        const QString stamp = QString::fromLatin1(held->timestamp);
        QCOMPARE(message.timeStamp, phone.headerStyle == "longYear" ? stamp.left(17) : stamp);
        ++held;
    }
    QCOMPARE(rig->parts.sms.unreadableSlots(), 0);
    // The listing where the phone has it and it lists them all, slot by slot otherwise.
    const bool listedAll = phone.listing && phone.listingLimit == 0;
    QCOMPARE(rig->commandsOf("AT+CMGR").isEmpty(), listedAll);
    QVERIFY(!rig->commandsOf("AT+CMGL").isEmpty());
    QVERIFY(rig->boxes.shown.isEmpty());
}

void TestOtherPhones::sendsStoresAndDeletesMessages()
{
    QFETCH(QString, profile);
    QVERIFY(rig->connect(profile));
    simphone::PhoneState &phone = rig->sim.state();
    MessageSender sender(rig->link.exchange, rig->link.lock);
    const QString text = QStringLiteral("Grüße, Ёжик 你好");
    QVERIFY(sender.send(text, QStringLiteral("+4917011122233"), QStringLiteral("+491710760000")).succeeded());
    QCOMPARE(phone.sentMessages.size(), 1);
    QCOMPARE(QString::fromUtf8(phone.sentMessages.constFirst().body), text);
    QCOMPARE(phone.sentMessages.constFirst().address, QByteArray("+4917011122233"));

    const int storedBefore = int(phone.messages.size());
    QVERIFY(sender.upload(text, QStringLiteral("+4930123")).succeeded());
    QCOMPARE(int(phone.messages.size()), storedBefore + 1);

    ShortMessages &sms = rig->parts.sms;
    QVERIFY(sms.SMSDownload(ShortMessages::ArchiveStep::Skip).succeeded());
    const QList<SMSRecord> listed = sms.messages().sorted();
    const auto stored =
        std::find_if(listed.begin(), listed.end(), [&](const SMSRecord &m) { return m.text == text; });
    QVERIFY(stored != listed.end());
    const qint16 slot = stored->slot;
    QVERIFY(phone.messages.contains(slot));
    QVERIFY(MessageDeleter(sms).remove(int(stored - listed.begin())).succeeded());
    QVERIFY(!phone.messages.contains(slot));
    QCOMPARE(int(phone.messages.size()), storedBefore);
}

void TestOtherPhones::aFreePlaceAnsweredWithAnotherRowIsFree()
{
    QVERIFY(rig->connect(QStringLiteral(SIMPHONE_DATA_DIR "/handsets/samsung-p900.json")));
    simphone::PhoneState &phone = rig->sim.state();
    for (int place = 1; place <= 4; ++place)
        phone.simBook.insert(place,
                             {"0301" + QByteArray::number(place), 129, "Platz " + QByteArray::number(place)});
    // A count above the rows leaves every free place to be looked at before it is written:
    // place 7, which this phone answers with the row of place 6.
    rig->sim.failCommand("AT+CPBS?", "+CPBS: \"SM\",9,80\r\n\r\nOK");
    Phonebook &phonebook = rig->parts.phonebook;
    QVERIFY(phonebook.LoadPhonebook().succeeded());
    QVERIFY(!phonebook.listingChecked());
    QVERIFY(ContactWriter(phonebook).create(QStringLiteral("Neu"), QStringLiteral("0301")).succeeded());
    QCOMPARE(phone.simBook.value(7).name, QByteArray("Neu"));
    QCOMPARE(phone.simBook.size(), 8);
}

void TestOtherPhones::longMessagesInPduMode()
{
    QVERIFY(rig->connect(QStringLiteral(SIMPHONE_DATA_DIR "/handsets/huawei-e173.json")));
    QVERIFY(rig->profile().messagesInPdu());
    simphone::PhoneState &phone = rig->sim.state();
    phone.messages.clear();
    const QStringList pieces = {QString(153, QLatin1Char('a')),
                                QStringLiteral("€ und ") + QString(145, QLatin1Char('b')),
                                QStringLiteral("Ende.")};
    // The parts out of order in the slots, as phones store what came first.
    const QList<int> slotOfPart = {5, 2, 9};
    for (int k = 0; k < 3; ++k) {
        simphone::Message part{"REC UNREAD", "+4917012345678", "09/08/18,19:11:45-16", pieces.at(k).toUtf8()};
        part.reference = 77;
        part.parts = 3;
        part.part = k + 1;
        phone.messages.insert(slotOfPart.at(k), part);
    }
    ShortMessages &sms = rig->parts.sms;
    QVERIFY(sms.SMSDownload(ShortMessages::ArchiveStep::Skip).succeeded());
    QCOMPARE(sms.messages().count(), 1);
    const SMSRecord joined = sms.messages().sorted().constFirst();
    QCOMPARE(joined.text, pieces.join(QString()));
    QCOMPARE(joined.slot, qint16(5));
    QCOMPARE(joined.timeStamp, QStringLiteral("09/08/18,19:11:45-16"));
    QCOMPARE(joined.status, QStringLiteral("REC UNREAD"));
    // The backup carries the joined text.
    QTemporaryDir dir;
    PhoneBackup::Summary summary;
    QVERIFY(PhoneBackup(rig->link).run(dir.filePath("backup"), &summary).succeeded());
    QFile xml(QDir(summary.folder).filePath(PhoneBackup::MessagesXmlFile));
    QVERIFY(xml.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(xml.readAll()).contains(pieces.join(QString())));
    QCOMPARE(summary.messages, 1);

    // A part that never came is noted where it belongs.
    const simphone::Message second = phone.messages.take(2);
    QVERIFY(sms.SMSDownload(ShortMessages::ArchiveStep::Skip).succeeded());
    QCOMPARE(sms.messages().sorted().constFirst().text,
             pieces.at(0) + QStringLiteral("[Part 2 of 3 is missing.]") + pieces.at(2));

    // Deleting the message deletes every part.
    phone.messages.insert(2, second);
    QVERIFY(sms.SMSDownload(ShortMessages::ArchiveStep::Skip).succeeded());
    QVERIFY(MessageDeleter(sms).remove(0).succeeded());
    QVERIFY(phone.messages.isEmpty());
    QCOMPARE(sms.messages().count(), 0);
}

void TestOtherPhones::longTextsGoOutInPartsEachAfterItsPrompt()
{
    QVERIFY(rig->connect(QStringLiteral(SIMPHONE_DATA_DIR "/handsets/huawei-e173.json")));
    simphone::PhoneState &phone = rig->sim.state();
    const QString text = QString(400, QChar(0x0416));
    QCOMPARE(MessageSender::countText(text, rig->profile()), QStringLiteral("Characters: 400 (6 messages)"));
    MessageSender sender(rig->link.exchange, rig->link.lock);
    QVERIFY(sender.send(text, QStringLiteral("+79161234567"), QStringLiteral("+491710760000")).succeeded());
    QCOMPARE(rig->commandsOf("AT+CMGS=").size(), 6);
    QCOMPARE(phone.sentMessages.size(), 6);
    QString joined;
    for (int k = 0; k < 6; ++k) {
        const simphone::Message &part = phone.sentMessages.at(k);
        QCOMPARE(part.address, QByteArray("+79161234567"));
        QCOMPARE(part.parts, 6);
        QCOMPARE(part.part, k + 1);
        QCOMPARE(part.reference, phone.sentMessages.constFirst().reference);
        joined += QString::fromUtf8(part.body);
    }
    QCOMPARE(joined, text);

    // The network refuses the third part: it is named, and nothing after it goes out.
    phone.sentMessages.clear();
    rig->sim.clearTranscript();
    int announced = 0;
    QObject::connect(&rig->sim, &simphone::SimPhone::commandReceived, &rig->sim, [&](const QByteArray &line) {
        if (line.startsWith("AT+CMGS=") && ++announced == 3)
            rig->sim.failMessageText("+CMS ERROR: 500");
    });
    const OperationResult refused =
        sender.send(text, QStringLiteral("+79161234567"), QStringLiteral("+491710760000"));
    QCOMPARE(refused.kind, OperationResult::Kind::Refused);
    QCOMPARE(rig->boxes.texts().constLast(), QStringLiteral("SMS not sent: part 3 of 6: +CMS ERROR: 500"));
    QCOMPARE(phone.sentMessages.size(), 2);
    QCOMPARE(rig->commandsOf("AT+CMGS=").size(), 3);
}

void TestOtherPhones::theUserMayKeepTextMode()
{
    rig->link.settings.setTextModeOnly(true);
    QVERIFY(rig->connect(QStringLiteral(SIMPHONE_DATA_DIR "/handsets/huawei-e173.json")));
    QVERIFY(rig->profile().pduMode && !rig->profile().messagesInPdu());
    QVERIFY(rig->parts.sms.SMSDownload(ShortMessages::ArchiveStep::Skip).succeeded());
    QCOMPARE(rig->parts.sms.messages().count(), int(rig->sim.state().messages.size()));
    QVERIFY(rig->commandsOf("AT+CMGF=0").isEmpty() && !rig->commandsOf("AT+CMGF=1").isEmpty());
    QCOMPARE(MessageSender::countText(QStringLiteral("Hallo"), rig->profile()),
             QStringLiteral("Characters: 5/160"));
}

void TestOtherPhones::backsUpEveryMemory()
{
    QFETCH(QString, profile);
    QVERIFY(rig->connect(profile));
    simphone::PhoneState &phone = rig->sim.state();
    QTemporaryDir dir;
    PhoneBackup::Summary summary;
    QVERIFY(PhoneBackup(rig->link).run(dir.filePath("backup"), &summary).succeeded());
    QCOMPARE(summary.simContacts, int(phone.simBook.size()));
    for (const QString &memory : PhonebookMemory::shown(rig->profile().phonebooks)) {
        QFile file(QDir(summary.folder).filePath(PhoneBackup::contactsFileOf(memory)));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QCOMPARE(file.readAll().count("BEGIN:VCARD"), bookOf(phone, memory).size());
    }
    QCOMPARE(summary.messages, int(phone.messages.size()));
    // No melody command went to a phone without them.
    QVERIFY(rig->commandsOf("AT~MM").isEmpty());
}

QTEST_GUILESS_MAIN(TestOtherPhones)
#include "tst_otherphones.moc"
