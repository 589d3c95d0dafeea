#include "linkrig.h"
#include "testenvironment.h"
#include "testfiles.h"

#include "ringtones/melodyuploader.h"
#include "ringtones/phonemelodies.h"

#include "link/serialline.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

static TestEnvironment environment;

class TestPhoneMelodies : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void nameIn_data();
    void nameIn();
    void listReadsAllSixteenSlots();
    void codesBesideRepliesCostNoName();
    void listTimeOutKeepsTheSlotsRead();

    void uploadWritesTheFileAndReadsTheListAgain_data();
    void uploadWritesTheFileAndReadsTheListAgain();
    void uploadRefusals_data();
    void uploadRefusals();
    void uploadTimeOut();
    void refusedHeaderSendsNoLine();
    void cancelInTheHeadersPauseEndsTheEntry();
    void headerLostKeepsTheNotesBack();
    void cancelWhileTheNotesLeaveStoresNothing();
    void longMelodyOnASlowLine();

private:
    QString file(const QByteArray &bytes);

    LinkRig *rig = nullptr;
    PhoneMelodies *melodies = nullptr;
    QTemporaryDir *dir = nullptr;
};

void TestPhoneMelodies::init()
{
    rig = new LinkRig;
    QVERIFY(rig->started);
    melodies = new PhoneMelodies(rig->link.exchange, rig->link.lock);
    dir = new QTemporaryDir;
    for (int slot = 1; slot <= PhoneMelodies::Slots; ++slot)
        rig->sim.state().melodies[slot - 1].name = "Tune " + QByteArray::number(slot);
}

void TestPhoneMelodies::cleanup()
{
    delete dir;
    delete melodies;
    delete rig;
}

QString TestPhoneMelodies::file(const QByteArray &bytes)
{
    const QString path = dir->filePath(QStringLiteral("tune.mdy"));
    TestFiles::put(path, bytes);
    return path;
}

void TestPhoneMelodies::nameIn_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("name");
    QTest::newRow("two quotes") << "\r\n~MMYR: 1,\"Trium\"\r\n\r\nOK\r\n"
                                << "Trium";
    QTest::newRow("inner quotes kept") << "~MMYR: 1,\"Say \"Hi\"\"\r\nOK\r\n"
                                       << "Say \"Hi\"";
    QTest::newRow("one quote: the rest") << "~MMYR: 1,\"Trium\r\nOK\r\n"
                                         << "Trium\r\nOK\r\n";
    QTest::newRow("no quote: all of it") << "\r\nOK\r\n"
                                         << "\r\nOK\r\n";
}

void TestPhoneMelodies::nameIn()
{
    QFETCH(QString, reply);
    QFETCH(QString, name);
    QCOMPARE(PhoneMelodies::nameIn(reply), name);
}

void TestPhoneMelodies::codesBesideRepliesCostNoName()
{
    QVERIFY(rig->startAndConnect());
    // A new-message report framed into slot 3's reply; a stray "OK" ahead of slot 5's late one.
    rig->sim.delayCommand("AT~MMYR=5", 150);
    QObject::connect(&rig->sim, &simphone::SimPhone::commandReceived, this, [this](const QByteArray &line) {
        if (line == "AT~MMYR=2")
            rig->sim.injectIntoNextReply("+CMTI: \"SM\",3");
        if (line == "AT~MMYR=5" && rig->sim.transcript().count("AT~MMYR=5") == 1)
            rig->sim.injectUnsolicited("OK");
    });
    melodies->ReadMelodyList();
    QCOMPARE(melodies->entries().size(), 16);
    for (int slot = 1; slot <= 16; ++slot)
        QCOMPARE(melodies->entries().at(slot - 1),
                 QStringLiteral("%1: Tune %2").arg(PhoneMelodies::displayNumber(slot)).arg(slot));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestPhoneMelodies::listReadsAllSixteenSlots()
{
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();
    QSignalSpy read(melodies, &PhoneMelodies::listRead);
    melodies->ReadMelodyList();
    QCOMPARE(rig->sim.transcript().size(), 16);
    QCOMPARE(rig->sim.transcript().constLast(), QByteArray("AT~MMYR=16"));
    QCOMPARE(melodies->entries().size(), 16);
    QCOMPARE(melodies->entries().at(7), QStringLiteral("8: Tune 8"));
    QCOMPARE(melodies->entries().at(8), QStringLiteral("11: Tune 9"));
    QCOMPARE(melodies->entries().at(15), QStringLiteral("18: Tune 16"));
    QCOMPARE(read.count(), 1);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestPhoneMelodies::listTimeOutKeepsTheSlotsRead()
{
    QVERIFY(rig->startAndConnect());
    rig->link.exchange.timTimeout.setInterval(300);
    rig->sim.delayCommand("AT~MMYR=5", 1000);
    QSignalSpy read(melodies, &PhoneMelodies::listRead);
    melodies->ReadMelodyList();
    QCOMPARE(melodies->entries().size(), 4);
    QCOMPARE(read.count(), 0);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::NoPhone));
}

void TestPhoneMelodies::uploadWritesTheFileAndReadsTheListAgain_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("raise");
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QList<QByteArray>>("stored");
    QTest::newRow("as it stands") << QByteArray("NAME=Abendlied\r\nTEMPO=120\r\nc 4\r\nM 8\r\n\r\ng4 2\r\n")
                                  << false << QByteArray("AT~MMYW=3,\"Abendlied\",120")
                                  << QList<QByteArray>{"c 4", "F3 8", "", "g4 2"};
    QTest::newRow("raised") << QByteArray("NAME=Abendlied\r\nTEMPO=120\r\nc 4\r\nM 8\r\ng4 2\r\n") << true
                            << QByteArray("AT~MMYW=3,\"Abendlied\",120")
                            << QList<QByteArray>{"c+ 4", "F3 8", "g5 2"};
    QTest::newRow("a top note keeps it as it stands")
        << QByteArray("NAME=Hoch\r\nTEMPO=90\r\nc 4\r\nd+ 4\r\n") << true
        << QByteArray("AT~MMYW=3,\"Hoch\",90") << QList<QByteArray>{"c 4", "d+ 4"};
    QTest::newRow("Unix line ends, long name")
        << QByteArray("NAME=A very long melody name\nTEMPO=100\nc 4\ne 4\n") << false
        << QByteArray("AT~MMYW=3,\"A very long\",100") << QList<QByteArray>{"c 4", "e 4"};
    // Ctrl-Z would end the notes early and make the next line a command.
    QTest::newRow("control characters in it")
        << QByteArray("NAME=Bad\"Name\r\nTEMPO=1x2\r\nc 4\x1a\r\ne 4\x1b\r\n") << false
        << QByteArray("AT~MMYW=3,\"BadName\",12") << QList<QByteArray>{"c 4", "e 4"};
}

void TestPhoneMelodies::uploadWritesTheFileAndReadsTheListAgain()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, raise);
    QFETCH(QByteArray, header);
    QFETCH(QList<QByteArray>, stored);
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();
    MelodyUploader(*melodies).UploadMelody(QStringLiteral("3"), this->file(file), raise);

    QCOMPARE(rig->sim.transcript().value(0), header);
    QCOMPARE(rig->sim.state().melodies.at(2).lines, stored);
    QVERIFY(rig->sim.state().dialled.isEmpty());
    QCOMPARE(rig->sim.transcript().constLast(), QByteArray("AT~MMYR=16"));
    const QByteArray name =
        header.mid(header.indexOf('"') + 1, header.lastIndexOf('"') - header.indexOf('"') - 1);
    QCOMPARE(melodies->entries().at(2), QStringLiteral("3: ") + QString::fromLatin1(name));
    QVERIFY(rig->boxes.shown.isEmpty());
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestPhoneMelodies::uploadRefusals_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QByteArray>("contents"); // empty: no file
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QStringList>("messages");
    const QByteArray tune = "NAME=A\r\nTEMPO=100\r\nc 4\r\n";
    QTest::newRow("slot 9 asked before the connection")
        << false << "9" << tune << QList<bool>{true} << 1 << QStringList{"Not Connected!"};
    QTest::newRow("slot 9, No") << true << "9" << tune << QList<bool>{false} << 1 << QStringList{};
    QTest::newRow("no file") << true << "1" << QByteArray() << QList<bool>{} << 0
                             << QStringList{"File Not Found Error"};
    QTest::newRow("empty slot") << true << "" << tune << QList<bool>{} << 0
                                << QStringList{"Please enter the number of the ringtone to replace (1-20)."};
    // What the phone would refuse leaves no header behind which the notes would run as commands.
    QTest::newRow("slot above 16")
        << true << "17" << tune << QList<bool>{true} << 1
        << QStringList{"Ringtone not stored: the phone has no melody slot \"17\" (1 to 16)."};
    QTest::newRow("slot +5") << true << "+5" << tune << QList<bool>{} << 0
                             << QStringList{
                                    "Ringtone not stored: the phone has no melody slot \"+5\" (1 to 16)."};
    QTest::newRow("no tempo")
        << true << "1" << QByteArray("NAME=A\r\nc 4\r\n") << QList<bool>{} << 0
        << QStringList{"Ringtone not stored: the file gives no tempo (a TEMPO= line with digits)."};
    QTest::newRow("larger than a melody can be")
        << true << "1" << tune + QByteArray(64 * 1024, 'c') << QList<bool>{} << 0
        << QStringList{"Ringtone not stored: the file is larger than a melody can be (64 KB at most)."};
    QTest::newRow("a command in it")
        << true << "1" << QByteArray("NAME=A\r\nTEMPO=100\r\nc 4\r\n at+cpbw=1\r\n") << QList<bool>{} << 0
        << QStringList{"Ringtone not stored: the file holds a command, not a note: \"at+cpbw=1\"."};
}

void TestPhoneMelodies::uploadRefusals()
{
    QFETCH(bool, connected);
    QFETCH(QString, slot);
    QFETCH(QByteArray, contents);
    QFETCH(QList<bool>, answers);
    QFETCH(int, questions);
    QFETCH(QStringList, messages);
    if (connected)
        QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();
    rig->boxes.answers = answers;
    const QString path = !contents.isEmpty() ? file(contents) : dir->filePath(QStringLiteral("gone.mdy"));
    const qint16 before = rig->link.lock.action();
    MelodyUploader(*melodies).UploadMelody(slot, path, false);
    QCOMPARE(rig->boxes.asked.size(), questions);
    QCOMPARE(rig->boxes.texts(), messages);
    QVERIFY(rig->sim.transcript().isEmpty());
    QCOMPARE(rig->link.lock.action(), before);
}

void TestPhoneMelodies::refusedHeaderSendsNoLine()
{
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();
    // Refused late, but within the phone's time to refuse.
    rig->sim.failCommand("AT~MMYW", "ERROR");
    rig->sim.delayCommand("AT~MMYW", 150);
    MelodyUploader(*melodies).UploadMelody(QStringLiteral("2"), file("NAME=A\r\nTEMPO=100\r\nc 4\r\n"),
                                           false);
    QCOMPARE(rig->boxes.texts(), QStringList{"Ringtone not stored: ERROR"});
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    QTest::qWait(300);
    QCOMPARE(rig->sim.transcript(), QList<QByteArray>{"AT~MMYW=2,\"A\",100"});
}

void TestPhoneMelodies::cancelInTheHeadersPauseEndsTheEntry()
{
    QVERIFY(rig->startAndConnect());
    const auto cancelOnce =
        connect(&rig->sim, &simphone::SimPhone::commandReceived, this, [this](const QByteArray &line) {
            if (line.startsWith("AT~MMYW"))
                rig->link.lock.cancel();
        });
    MelodyUploader(*melodies).UploadMelody(QStringLiteral("2"), file("NAME=Gone\r\nTEMPO=100\r\nc 4\r\n"),
                                           false);
    disconnect(cancelOnce);
    QVERIFY(rig->boxes.texts().isEmpty());
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));

    MelodyUploader(*melodies).UploadMelody(QStringLiteral("3"), file("NAME=Next\r\nTEMPO=90\r\ne 8\r\n"),
                                           false);
    QVERIFY(rig->boxes.texts().isEmpty());
    QCOMPARE(rig->sim.state().melodies.at(1).name, QByteArray("Tune 2"));
    QCOMPARE(rig->sim.state().melodies.at(2).name, QByteArray("Next"));
    QCOMPARE(rig->sim.state().melodies.at(2).lines, QList<QByteArray>{"e 8"});
}

void TestPhoneMelodies::headerLostKeepsTheNotesBack()
{
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();
    // The cable is out while the header crosses it and back before its pause is over.
    connect(&rig->link.line, &SerialLine::bytesCrossed, this,
            [this](SerialLine::Direction direction, const QByteArray &bytes) {
                if (direction == SerialLine::Direction::Sent && bytes.contains("AT~MMYW")) {
                    rig->sim.setUnplugged(true);
                    QTimer::singleShot(100, this, [this] { rig->sim.setUnplugged(false); });
                }
            });
    QByteArray tune = "NAME=Lost\r\nTEMPO=100\r\n";
    for (int n = 0; n < 40; ++n)
        tune += "c 4\r\n";
    MelodyUploader(*melodies).UploadMelody(QStringLiteral("2"), file(tune), false);
    QCOMPARE(rig->boxes.texts().size(), 1);
    QVERIFY2(rig->boxes.texts().constFirst().startsWith(
                 QLatin1String("Ringtone not stored: the phone did not take the melody's header")),
             qPrintable(rig->boxes.texts().constFirst()));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    QTest::qWait(300);
    // One note reached the phone as a command line, not forty.
    QCOMPARE(rig->sim.transcript(), QList<QByteArray>{"c 4"});
    QCOMPARE(rig->sim.state().melodies.at(1).name, QByteArray("Tune 2"));
}

void TestPhoneMelodies::cancelWhileTheNotesLeaveStoresNothing()
{
    QVERIFY(rig->startAndConnect());
    QByteArray tune = "NAME=Long\r\nTEMPO=120\r\n";
    while (tune.size() < 16 * 1024)
        tune += "c4 16\r\n";
    rig->sim.setReadRate(SerialLine::BytesPerSecond); // four seconds on the wire
    QTimer::singleShot(800, &rig->link.lock, &OperationLock::cancel);
    QElapsedTimer clock;
    clock.start();
    MelodyUploader(*melodies).UploadMelody(QStringLiteral("4"), file(tune), false);
    QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(rig->boxes.texts().isEmpty());
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));

    rig->sim.setReadRate(0);
    melodies->ReadMelodyList();
    QCOMPARE(rig->sim.state().melodies.at(3).name, QByteArray("Tune 4"));
    QCOMPARE(melodies->entries().at(3), QStringLiteral("4: Tune 4"));
    QVERIFY(rig->boxes.texts().isEmpty());
}

void TestPhoneMelodies::uploadTimeOut()
{
    QVERIFY(rig->startAndConnect());
    rig->link.exchange.timTimeout.setInterval(300);
    rig->sim.delayCommand("AT~MMYW", 1000);
    MelodyUploader(*melodies).UploadMelody(QStringLiteral("2"), file("NAME=A\r\nTEMPO=100\r\nc 4\r\n"),
                                           false);
    // The phone answers again once out of melody entry: only the upload failed.
    QCOMPARE(rig->boxes.texts(), QStringList{"Ringtone not stored: the phone did not answer in time"});
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    QCOMPARE(rig->sim.transcript().count("AT~MMYR=1"), 0);
    QCOMPARE(rig->sim.transcript().constLast(), QByteArray("AT+CGMI"));

    // A phone that is gone is handled as every lost phone.
    rig->boxes.shown.clear();
    rig->sim.setUnplugged(true);
    MelodyUploader(*melodies).UploadMelody(QStringLiteral("2"), file("NAME=A\r\nTEMPO=100\r\nc 4\r\n"),
                                           false);
    QVERIFY(rig->boxes.texts().isEmpty());
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::NoPhone));
}

void TestPhoneMelodies::longMelodyOnASlowLine()
{
    QVERIFY(rig->startAndConnect());
    // About 40 KB, read by the phone at the line's speed: ten seconds on the wire.
    QByteArray tune = "NAME=Long\r\nTEMPO=120\r\n";
    QList<QByteArray> notes;
    while (tune.size() < 40 * 1024) {
        notes.append("c" + QByteArray::number(notes.size() % 4 + 3) + " 16");
        tune += notes.constLast() + "\r\n";
    }
    rig->sim.setReadRate(SerialLine::BytesPerSecond);
    rig->link.exchange.timTimeout.setInterval(2000);
    QElapsedTimer clock;
    clock.start();
    MelodyUploader(*melodies).UploadMelody(QStringLiteral("4"), file(tune), false);
    QVERIFY2(clock.elapsed() > 9000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(rig->boxes.texts(), QStringList{});
    QCOMPARE(rig->sim.state().melodies.at(3).lines, notes);
    QCOMPARE(melodies->entries().at(3), QStringLiteral("4: Long"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

QTEST_GUILESS_MAIN(TestPhoneMelodies)
#include "tst_phonemelodies.moc"
