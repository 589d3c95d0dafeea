#include "clirun.h"
#include "linkrig.h"
#include "testenvironment.h"
#include "testfiles.h"

#include "phonebook/phonebook.h"
#include "recording/linerecording.h"
#include "recording/recordinganonymizer.h"
#include "sms/smspdu.h"

#include "replayphone.h"
#include <QRegularExpression>

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

static TestEnvironment environment;

namespace {

// Every run starts without a contacts cache, as the recording's run did.
// Every byte a recording holds, both ways.
QByteArray bytesOf(const QString &recording)
{
    QList<LineRecording::Record> records;
    QString error;
    if (!LineRecording::read(recording, &records, &error))
        qWarning("%s", qPrintable(error));
    QByteArray bytes;
    for (const LineRecording::Record &r : records)
        bytes += r.bytes;
    return bytes;
}

CliResult runFresh(const QStringList &arguments, const QString &device)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    return runCli(arguments, device);
}

// The phone of a recording on a pseudo-terminal; what it could not answer is counted.
struct Replay
{
    explicit Replay(const QString &recording)
    {
        QString error;
        started = phone.load(recording, &error) && phone.start(&error);
        if (!started)
            qWarning("%s", qPrintable(error));
        QObject::connect(&phone, &simphone::ReplayPhone::unknownCommand, &phone,
                         [this](const QByteArray &unit) { unknown.append(unit); });
    }
    simphone::ReplayPhone phone;
    QList<QByteArray> unknown;
    bool started = false;
};

} // namespace

class TestRecordings : public QObject
{
    Q_OBJECT
private slots:
    void escapesRoundTrip();
    void recordedRunsReplayAlike_data();
    void recordedRunsReplayAlike();
    void phonebookLoadReplaysThroughTheCore();
    void keptRecordingsGiveWhatTheyGave_data();
    void keptRecordingsGiveWhatTheyGave();
    void anonymizedRecordingHidesAndStillReplays();
    void anonymizedPdusKeepTheirShapeAndHideTheirContent();
    void recordingStopsAtItsLimitAndSaysSo();
};

void TestRecordings::escapesRoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QByteArray line = LineRecording::format({12, LineRecording::Record::Kind::Received, all});
    QCOMPARE(line.count('\n'), 1);
    const std::optional<LineRecording::Record> back = LineRecording::parse(line);
    QVERIFY(back);
    QCOMPARE(back->bytes, all);
    QCOMPARE(back->ms, 12);
    QCOMPARE(LineRecording::escape("AT+CMGS=\"1\"\r> x\x1A\x1B\\"),
             QByteArray("AT+CMGS=\"1\"\\r> x\\z\\e\\\\"));
    for (const char *bad : {"1 < \\q", "1 < \\x4", "x < a", "1 ? a", "1 <a"})
        QVERIFY2(!LineRecording::parse(bad), bad);
}

void TestRecordings::recordedRunsReplayAlike_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("info") << QStringList{"info", "--json"};
    QTest::newRow("contacts sim") << QStringList{"contacts", "list", "--memory", "sim"};
    QTest::newRow("contacts phone") << QStringList{"contacts", "list", "--memory", "phone"};
    QTest::newRow("sms list") << QStringList{"sms", "list", "--json"};
    QTest::newRow("ringtones") << QStringList{"ringtones", "list"};
    QTest::newRow("send") << QStringList{"sms",    "send",          "--to",     "0301",
                                         "--smsc", "+491710760000", "Hallo\nDu"};
    QTest::newRow("store") << QStringList{"sms", "store", "Entwurf"};
    QTest::newRow("write") << QStringList{"contacts", "write", "--name", "Zoë", "--number", "0301"};
    QTest::newRow("keys") << QStringList{"keys", "12#"};
    QTest::newRow("dial") << QStringList{"dial", "0301"};
    QTest::newRow("refused") << QStringList{"contacts", "delete", "99"};
}

void TestRecordings::recordedRunsReplayAlike()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("line.trace"));
    CliResult recorded;
    {
        RecordedPhone phone;
        QVERIFY(phone.started);
        recorded = runFresh(QStringList{"--trace", trace} + arguments, phone.sim.devicePath());
    }
    Replay replay(trace);
    QVERIFY(replay.started);
    const CliResult replayed = runFresh(arguments, replay.phone.devicePath());
    QCOMPARE(replayed.out, recorded.out);
    QCOMPARE(replayed.exitCode, recorded.exitCode);
    QCOMPARE(replay.unknown, QList<QByteArray>());
}

void TestRecordings::phonebookLoadReplaysThroughTheCore()
{
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("line.trace"));
    QStringList recorded;
    {
        LinkRig rig;
        for (int i = 1; i <= 250; ++i)
            rig.sim.state().simBook.insert(
                i, {"+4917012" + QByteArray::number(10000 + i), 145, "Kontakt " + QByteArray::number(i)});
        QString error;
        QVERIFY(rig.link.recorder.start(trace, &error));
        QVERIFY(rig.startAndConnect());
        Phonebook phonebook(rig.link.exchange, rig.link.lock, rig.link.supervisor);
        QVERIFY(phonebook.LoadPhonebook());
        recorded = phonebook.table().totals();
    }
    QCOMPARE(recorded.size(), 250);
    QVERIFY2(QFileInfo(trace).size() < 64 * 1024, qPrintable(QString::number(QFileInfo(trace).size())));

    Replay replay(trace);
    QVERIFY(replay.started);
    PhoneLink link;
    link.settings.setDevice(1, replay.phone.devicePath());
    link.beginStartUp();
    link.finishStartUp();
    QVERIFY(QTest::qWaitFor([&] { return link.lock.action() == OperationLock::Idle; }, 5000));
    Phonebook phonebook(link.exchange, link.lock, link.supervisor);
    QVERIFY(phonebook.LoadPhonebook());
    QCOMPARE(phonebook.table().totals(), recorded);
}

void TestRecordings::keptRecordingsGiveWhatTheyGave_data()
{
    QTest::addColumn<QString>("recording");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QJsonObject>("writes"); // file the run writes -> the kept file it must equal
    const QJsonArray kept =
        QJsonDocument::fromJson(TestFiles::contents(QStringLiteral(RECORDINGS_DIR "/recordings.json")))
            .array();
    QVERIFY(!kept.isEmpty());
    for (const QJsonValue &entry : kept) {
        QStringList arguments;
        for (const QJsonValue &argument : entry["arguments"].toArray())
            arguments.append(argument.toString());
        const QString name = entry["recording"].toString();
        QTest::newRow(qPrintable(name))
            << QStringLiteral(RECORDINGS_DIR "/") + name << arguments << entry["exitCode"].toInt()
            << QStringLiteral(RECORDINGS_DIR "/") + entry["output"].toString() << entry["writes"].toObject();
    }
}

void TestRecordings::keptRecordingsGiveWhatTheyGave()
{
    QFETCH(QString, recording);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QJsonObject, writes);
    // @DATA@ is the simulated phone's sample data, @OUT@ a folder for what the run writes.
    QTemporaryDir out;
    for (QString &argument : arguments)
        argument.replace(QStringLiteral("@DATA@"), QStringLiteral(SIMPHONE_DATA_DIR))
            .replace(QStringLiteral("@OUT@"), out.path());
    Replay replay(recording);
    QVERIFY(replay.started);
    const CliResult result = runFresh(arguments, replay.phone.devicePath());
    QCOMPARE(result.out, QString::fromUtf8(TestFiles::contents(output)));
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(replay.unknown, QList<QByteArray>());
    for (auto it = writes.constBegin(); it != writes.constEnd(); ++it)
        QCOMPARE(TestFiles::contents(out.filePath(it.key())),
                 TestFiles::contents(QStringLiteral(RECORDINGS_DIR "/") + it.value().toString()));
}

void TestRecordings::anonymizedRecordingHidesAndStillReplays()
{
    QTemporaryDir dir;
    for (const QStringList &arguments :
         {QStringList{"contacts", "list", "--memory", "sim"}, QStringList{"sms", "list"}}) {
        const QString trace = dir.filePath(QStringLiteral("line.trace"));
        const QString shared = dir.filePath(QStringLiteral("shared.trace"));
        RecordedPhone phone;
        QVERIFY(phone.started);
        const CliResult original =
            runFresh(QStringList{"--trace", trace} + arguments, phone.sim.devicePath());
        QCOMPARE(runCli({"trace-anonymize", trace, shared}, QString()).exitCode, 0);

        // Nothing private is left in what crossed the line, however the reads cut it.
        QList<QByteArray> secrets;
        for (const simphone::Contact &c : phone.sim.state().simBook)
            secrets << c.name << c.number;
        for (const simphone::Message &m : phone.sim.state().messages) {
            secrets << m.address;
            secrets += m.body.split('\r');
        }
        const QByteArray received = bytesOf(shared);
        for (const QByteArray &secret : std::as_const(secrets))
            QVERIFY2(secret.trimmed().size() < 3 || !received.contains(secret.trimmed()), secret.constData());

        Replay replay(shared);
        QVERIFY(replay.started);
        const CliResult replayed = runFresh(arguments, replay.phone.devicePath());
        QCOMPARE(replayed.exitCode, 0);
        QCOMPARE(replayed.out.count(QLatin1Char('\n')), original.out.count(QLatin1Char('\n')));
        QCOMPARE(replayed.out.count(QLatin1Char('\t')), original.out.count(QLatin1Char('\t')));
    }
}

void TestRecordings::anonymizedPdusKeepTheirShapeAndHideTheirContent()
{
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("line.trace"));
    const QString shared = dir.filePath(QStringLiteral("shared.trace"));
    RecordedPhone phone;
    QVERIFY(phone.started &&
            phone.sim.loadScenario(QStringLiteral(SIMPHONE_DATA_DIR "/handsets/huawei-e173.json")));
    const QStringList list{"--baud", "115200", "sms", "list"};
    const CliResult original = runFresh(QStringList{"--trace", trace} + list, phone.sim.devicePath());
    QCOMPARE(original.exitCode, 0);
    QCOMPARE(runCli({"trace-anonymize", trace, shared}, QString()).exitCode, 0);

    const QByteArray received = bytesOf(shared);
    // Every PDU still reads as one, its numbers and texts none of the phone's.
    static const QRegularExpression hex(QStringLiteral("\\r\\n([0-9A-F]{20,})\\r\\n"));
    int pdus = 0;
    for (auto it = hex.globalMatch(QString::fromLatin1(received)); it.hasNext();) {
        const auto message = SmsPdu::decode(it.next().captured(1).toLatin1());
        QVERIFY(message);
        ++pdus;
        for (const simphone::Message &m : phone.sim.state().messages) {
            QVERIFY(message->address != QString::fromLatin1(m.address));
            QVERIFY(message->text != QString::fromUtf8(m.body));
        }
    }
    QCOMPARE(pdus, int(phone.sim.state().messages.size()));

    Replay replay(shared);
    QVERIFY(replay.started);
    const CliResult replayed = runFresh(list, replay.phone.devicePath());
    QCOMPARE(replayed.exitCode, 0);
    // The same messages; their texts, now placeholders, may break into fewer lines.
    const auto messages = [](const QString &out) {
        return out.count(QRegularExpression(QStringLiteral("^\\d+\\t"), QRegularExpression::MultilineOption));
    };
    QCOMPARE(messages(replayed.out), messages(original.out));
    QCOMPARE(messages(original.out), int(phone.sim.state().messages.size()));
}

void TestRecordings::recordingStopsAtItsLimitAndSaysSo()
{
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("line.trace"));
    LinkRig rig;
    QStringList told;
    QObject::connect(&rig.link.recorder, &LineRecorder::stopped,
                     [&told](const QString &why) { told << why; });
    for (int i = 1; i <= 40; ++i)
        rig.sim.state().simBook.insert(
            i, {"0301" + QByteArray::number(i), 129, "Name " + QByteArray::number(i)});
    rig.link.recorder.setLimit(2048);
    QString error;
    QVERIFY(rig.link.recorder.start(trace, &error));
    QVERIFY(rig.startAndConnect());
    QVERIFY(Phonebook(rig.link.exchange, rig.link.lock, rig.link.supervisor).LoadPhonebook());
    QVERIFY(!rig.link.recorder.isRecording());
    QCOMPARE(told, QStringList{QStringLiteral("The recording of the line stopped at 2 kB: ") + trace});
    const QByteArray recorded = TestFiles::contents(trace);
    QVERIFY(recorded.endsWith(" # recording stopped: it reached 2 kB\n"));
    QVERIFY(recorded.size() <= 2048 + 64);
    // What it holds is whole records up to there.
    QList<LineRecording::Record> records;
    QVERIFY2(LineRecording::read(trace, &records, &error), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestRecordings)
#include "tst_recordings.moc"
