#include "clirun.h"
#include "linkrig.h"
#include "testenvironment.h"

#include "info/deviceinfo.h"
#include "phonebook/contactwriter.h"
#include "phonebook/phonebook.h"
#include "remote/calling.h"
#include "remote/keyrelay.h"
#include "remote/servicecodes.h"
#include "ringtones/melodyuploader.h"
#include "ringtones/phonemelodies.h"
#include "sms/messagedeleter.h"
#include "sms/messagesender.h"
#include "sms/shortmessages.h"

#include "programinfo.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <functional>

static TestEnvironment environment;

namespace {

const QString Centre = QStringLiteral("+491710760000");

// The window's side of an operation: the same core objects the main window wires up.
struct WindowSide
{
    explicit WindowSide(LinkRig &rig) : rig(rig) {}
    LinkRig &rig;
    DeviceInfo info{rig.link.exchange, rig.link.lock};
    Phonebook phonebook{rig.link.exchange, rig.link.lock, rig.link.supervisor};
    ShortMessages sms{rig.link.exchange, rig.link.lock, rig.link.supervisor, rig.link.settings,
                      phonebook.cache().path()};
    PhoneMelodies melodies{rig.link.exchange, rig.link.lock};
    MessageSender sender{rig.link.exchange, rig.link.lock};
};

using WindowOperation = std::function<void(WindowSide &)>;

} // namespace

Q_DECLARE_METATYPE(WindowOperation)

class TestCli : public QObject
{
    Q_OBJECT
private slots:
    void sendsWhatTheWindowSends_data();
    void sendsWhatTheWindowSends();
    void answersWithOutputAndExitCode_data();
    void otherPhonesRunWhatTheyHave_data();
    void otherPhonesRunWhatTheyHave();
    void answersWithOutputAndExitCode();
    void textFromStandardInput();
    void archivesOnceOnly();
    void vCardRoundTripWritesNothingNew();
    void phoneThatStopsAnsweringIsAFailure();
    void silentLineMeansNoPhone();
    void noiseOrALateAnswerIsOutlasted();
    void commandLineLeftHoldingABytesIsEnded_data();
    void commandLineLeftHoldingABytesIsEnded();
    void interruptCancelsLikeTheCancelButton();
    void interruptedRunLeavesNoAnswersForTheNext();
    void refusalIsNamedAndFails();
    void unreadableSlotsLeaveTheRestListed_data();
    void unreadableSlotsLeaveTheRestListed();
    void melodySlotsAreThePhones_data();
    void melodySlotsAreThePhones();
    void manualPagesNameWhatIsInstalled_data();
    void manualPagesNameWhatIsInstalled();
    void limitsAndRefusalsOfTheWindow();
    void completionOffersWhatMayCome();
    void speaksTheDesktopsLanguageButNotInItsData();
};

void TestCli::sendsWhatTheWindowSends_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<WindowOperation>("operation");

    const auto loadSim = [](WindowSide &w) {
        w.phonebook.setSimSelected(true);
        w.phonebook.LoadPhonebook();
    };
    QTest::newRow("info") << QStringList{"info"}
                          << WindowOperation([](WindowSide &w) { w.info.InfoDownload(); });
    QTest::newRow("contacts list") << QStringList{"contacts", "list", "--memory", "phone"}
                                   << WindowOperation([](WindowSide &w) {
                                          w.phonebook.setSimSelected(false);
                                          w.phonebook.LoadPhonebook();
                                      });
    QTest::newRow("contacts write")
        << QStringList{"contacts", "write", "--name", "Zoë", "--number", "+4930123"}
        << WindowOperation([loadSim](WindowSide &w) {
               loadSim(w);
               ContactWriter(w.phonebook).create(QStringLiteral("Zoë"), QStringLiteral("+4930123"));
           });
    QTest::newRow("contacts delete")
        << QStringList{"contacts", "delete", "3", "--memory", "sim"}
        << WindowOperation([loadSim](WindowSide &w) {
               loadSim(w);
               const ContactTable &t = w.phonebook.table();
               ContactWriter(w.phonebook).remove(t.visibleRowOf(t.entryAtPlace(3)));
           });
    QTest::newRow("sms list") << QStringList{"sms", "list"} << WindowOperation([](WindowSide &w) {
        w.sms.SMSDownload(ShortMessages::ArchiveStep::Skip);
    });
    QTest::newRow("sms send") << QStringList{"sms",    "send", "--to",   "+4917012345678",
                                             "--smsc", Centre, "Hi\nyou"}
                              << WindowOperation([](WindowSide &w) {
                                     w.sender.send(QStringLiteral("Hi\r\nyou"),
                                                   QStringLiteral("+4917012345678"), Centre);
                                 });
    QTest::newRow("sms store") << QStringList{"sms", "store", "Draft"} << WindowOperation([](WindowSide &w) {
        w.sender.upload(QStringLiteral("Draft"), QString());
    });
    QTest::newRow("sms delete") << QStringList{"sms", "delete", "6"} << WindowOperation([](WindowSide &w) {
        MessageDeleter(w.sms).removeSlot(6);
    });
    QTest::newRow("ringtones list") << QStringList{"ringtones", "list"}
                                    << WindowOperation([](WindowSide &w) { w.melodies.ReadMelodyList(); });
    QTest::newRow("ringtones upload")
        << QStringList{"ringtones", "upload", SIMPHONE_DATA_DIR "/melodies/quenda_theme.mdy",
                       "--slot",    "3",      "--raise"}
        << WindowOperation([](WindowSide &w) {
               MelodyUploader(w.melodies)
                   .UploadMelody(QStringLiteral("3"),
                                 QStringLiteral(SIMPHONE_DATA_DIR "/melodies/quenda_theme.mdy"), true);
           });
    QTest::newRow("keys") << QStringList{"keys", "*#06#"} << WindowOperation([](WindowSide &w) {
        KeyRelay(w.rig.link.exchange, w.rig.link.lock)
            .SendKeys(ServiceCodes::keysOf(QStringLiteral("*#06#")));
    });
    QTest::newRow("hangup") << QStringList{"hangup"} << WindowOperation([](WindowSide &w) {
        Calling(w.rig.link.exchange, w.rig.link.lock).hangUp();
    });
}

// Same probe, same greeting, same operation: the command line and the window cannot disagree.
void TestCli::sendsWhatTheWindowSends()
{
    QFETCH(QStringList, arguments);
    QFETCH(WindowOperation, operation);

    QList<QByteArray> fromWindow;
    {
        LinkRig rig;
        QVERIFY(rig.sim.loadScenario(QStringLiteral(SIMPHONE_DATA_DIR "/demo.json")));
        rig.sim.setReplyDelay(0);
        QObject::connect(&rig.sim, &simphone::SimPhone::commandReceived, &rig.sim,
                         [&](const QByteArray &line) { fromWindow.append(line); });
        QVERIFY(rig.startAndConnect());
        rig.link.supervisor.timState.stop();
        WindowSide window(rig);
        operation(window);
        QVERIFY(rig.link.lock.action() != OperationLock::NoPhone);
    }

    RecordedPhone phone;
    QVERIFY(phone.started);
    const CliResult result = runCli(arguments, phone.sim.devicePath());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(phone.received, fromWindow);
}

void TestCli::answersWithOutputAndExitCode_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("outContains");
    QTest::addColumn<QString>("errContains");

    QTest::newRow("info") << QStringList{"info"} << 0 << "Manufacturer: Mitsubishi\nModel: Trium Mars\n"
                          << "";
    QTest::newRow("info json") << QStringList{"info", "--json"} << 0 << "\"imsi\": \"262011234567890\""
                               << "";
    // The simulated phone's pseudo-terminal takes any speed; a speed Quenda does not offer is a usage error.
    QTest::newRow("info at 115200") << QStringList{"--baud", "115200", "info"} << 0 << "Model: Trium Mars\n"
                                    << "";
    QTest::newRow("speed not offered") << QStringList{"--baud", "12345", "info"} << 2 << ""
                                       << "--baud takes one of 9600, 19200, 38400, 57600, 115200";
    QTest::newRow("contacts") << QStringList{"contacts", "list", "--memory", "sim"} << 0
                              << "1\tAnna\t+4917012345678\n2\tMüller\t08912345678\n"
                              << "";
    QTest::newRow("contacts json")
        << QStringList{"contacts", "list", "--json"} << 0
        << "\"name\": \"Jürgen Größ\",\n        \"number\": \"+4915112233445\",\n        \"place\": 3"
        << "";
    QTest::newRow("sms json") << QStringList{"sms", "list", "--json"} << 0
                              << "\"text\": \"Einkaufsliste:\\nÄpfel\\nMöhren\\nSüßkartoffeln\""
                              << "";
    QTest::newRow("ringtones") << QStringList{"ringtones", "list"} << 0
                               << "8: Samba\n9 (shown as 11): Greensleeve\n"
                               << "";
    QTest::newRow("refused") << QStringList{"sms", "send", "--to", "+491609999999", "--smsc", Centre, "x"}
                             << 1 << ""
                             << "SMS not sent: +CMS ERROR: 500";
    QTest::newRow("no such contact") << QStringList{"contacts", "delete", "99"} << 1 << ""
                                     << "No contact in place 99";
    QTest::newRow("question unanswered")
        << QStringList{"ringtones", "upload", SIMPHONE_DATA_DIR "/melodies/twinkle.mdy", "--slot", "12"} << 2
        << ""
        << "Continue? No: give --yes";
    QTest::newRow("unknown command") << QStringList{"frob"} << 2 << ""
                                     << "Unknown command: frob";
    QTest::newRow("name missing") << QStringList{"contacts", "write", "--number", "123"} << 2 << ""
                                  << "Give --name N";
    QTest::newRow("slot beyond") << QStringList{"sms", "delete", "200"} << 2 << ""
                                 << "message slots";
    QTest::newRow("not a key") << QStringList{"keys", "1\"2"} << 2 << ""
                               << "Keys are 0 to 9";
    QTest::newRow("surplus") << QStringList{"info", "extra"} << 2 << ""
                             << "info takes no arguments";
    QTest::newRow("help") << QStringList{"contacts", "write", "--help"} << 0 << "--index <I>"
                          << "";
    QTest::newRow("backup among other files") << QStringList{"backup", "."} << 2 << ""
                                              << "holds other files";
    QTest::newRow("restore without a backup") << QStringList{"restore", "/nonexistent"} << 2 << ""
                                              << "is /nonexistent a backup folder?";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "quenda-cli " + ProgramInfo::version() + "\n"
                             << "";
    QTest::newRow("no device") << QStringList{"info", "--device", "/nonexistent/tty"} << 3 << ""
                               << "No such device: /nonexistent/tty";
    QTest::newRow("trace not writable")
        << QStringList{"info", "--trace", "/nonexistent/line.trace"} << 2 << ""
        << "/nonexistent/line.trace";
}

void TestCli::answersWithOutputAndExitCode()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, outContains);
    QFETCH(QString, errContains);

    RecordedPhone phone;
    QVERIFY(phone.started);
    const CliResult result = runCli(arguments, phone.sim.devicePath());
    QVERIFY2(result.out.contains(outContains), qPrintable(result.out));
    QVERIFY2(result.err.contains(errContains), qPrintable(result.err));
    QCOMPARE(result.exitCode, exitCode);
}

void TestCli::otherPhonesRunWhatTheyHave_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("outContains");
    QTest::addColumn<QString>("errContains");
    QTest::newRow("own numbers") << QStringList{"contacts", "list", "--memory", "on"} << 0
                                 << "1\tData SIM\t+4915905550000\n"
                                 << "";
    QTest::newRow("no such list") << QStringList{"contacts", "list", "--memory", "xx"} << 2 << ""
                                  << "--memory takes sim, phone or a list's code";
    QTest::newRow("messages") << QStringList{"sms", "list"} << 0 << "Привет! Как дела?"
                              << "";
    // In PDU mode a long text goes out in parts.
    QTest::newRow("long message") << QStringList{"sms",
                                                 "send",
                                                 "--to",
                                                 "+79161234567",
                                                 "--smsc",
                                                 "+491710760000",
                                                 QString(400, QChar(0x0416))}
                                  << 0 << ""
                                  << "";
    QTest::newRow("no melodies") << QStringList{"ringtones", "list"} << 1 << ""
                                 << "huawei E173 has no melody commands";
    QTest::newRow("no keypad") << QStringList{"keys", "123"} << 1 << ""
                               << "huawei E173 takes no key presses";
}

void TestCli::otherPhonesRunWhatTheyHave()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, outContains);
    QFETCH(QString, errContains);
    RecordedPhone phone;
    QVERIFY(phone.started &&
            phone.sim.loadScenario(QStringLiteral(SIMPHONE_DATA_DIR "/handsets/huawei-e173.json")));
    const CliResult result = runCli(QStringList{"--baud", "115200"} + arguments, phone.sim.devicePath());
    QVERIFY2(result.out.contains(outContains), qPrintable(result.out));
    QVERIFY2(result.err.contains(errContains), qPrintable(result.err));
    QCOMPARE(result.exitCode, exitCode);
    for (const QByteArray &line : std::as_const(phone.received))
        QVERIFY2(!line.startsWith("AT~MM") && !line.startsWith("AT+CKPD=\""), line.constData());
}

void TestCli::textFromStandardInput()
{
    RecordedPhone phone;
    QVERIFY(phone.started);
    const CliResult result = runCli({"sms", "send", "--to", "+4917012345678", "--smsc", Centre, "-"},
                                    phone.sim.devicePath(), "Grüße\naus Berlin\n");
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(phone.sim.state().sentMessages.size(), 1);
    // In the phone's own code page 437, lines as the phone keeps them.
    QCOMPARE(phone.sim.state().sentMessages.first().body, QByteArray("Gr\x81\xe1"
                                                                     "e\r\naus Berlin"));
}

void TestCli::archivesOnceOnly()
{
    RecordedPhone phone;
    QVERIFY(phone.started);
    const QString archive = environment.path() + QStringLiteral("/archive.txt");
    QCOMPARE(runCli({"sms", "archive", archive}, phone.sim.devicePath()).exitCode, 0);
    QFile file(archive);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray first = file.readAll();
    file.close();
    QVERIFY(first.contains("Einkaufsliste:\r\n"));
    QCOMPARE(runCli({"sms", "archive", archive}, phone.sim.devicePath()).exitCode, 0);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), first);
}

void TestCli::vCardRoundTripWritesNothingNew()
{
    RecordedPhone phone;
    QVERIFY(phone.started);
    const QString file = environment.path() + QStringLiteral("/sim.vcf");
    QCOMPARE(runCli({"contacts", "export", file, "--memory", "sim"}, phone.sim.devicePath()).exitCode, 0);
    QFile card(file);
    QVERIFY(card.open(QIODevice::ReadOnly));
    QVERIFY(card.readAll().contains("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna\r\n"));
    const int simContacts = phone.sim.state().simBook.size();
    const CliResult result = runCli({"contacts", "import", file}, phone.sim.devicePath());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(phone.sim.state().simBook.size(), simContacts);

    // The same through a backup folder, which is not overwritten unasked.
    const QString folder = environment.path() + QStringLiteral("/backup");
    const CliResult backup = runCli({"backup", folder}, phone.sim.devicePath());
    QCOMPARE(backup.exitCode, 0);
    QVERIFY2(backup.out.contains(QStringLiteral("%1 SIM contacts in contacts-sim.vcf").arg(simContacts)),
             qPrintable(backup.out));
    const CliResult restore = runCli({"restore", folder}, phone.sim.devicePath());
    QCOMPARE(restore.exitCode, 0);
    QCOMPARE(restore.out, QStringLiteral("0 contacts written to the SIM card.\n"));
    QCOMPARE(phone.sim.state().simBook.size(), simContacts);
    const CliResult again = runCli({"backup", folder}, phone.sim.devicePath());
    QCOMPARE(again.exitCode, 2);
    QVERIFY2(again.err.contains("holds an earlier backup; --yes replaces it"), qPrintable(again.err));
}

void TestCli::phoneThatStopsAnsweringIsAFailure()
{
    RecordedPhone phone;
    QVERIFY(phone.started);
    QObject::connect(&phone.sim, &simphone::SimPhone::commandReceived, &phone.sim,
                     [&](const QByteArray &line) {
                         if (line.startsWith("AT+COPS?"))
                             phone.sim.setUnplugged(true);
                     });
    const CliResult result = runCli({"info"}, phone.sim.devicePath());
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.out.isEmpty());
    QVERIFY(result.err.contains(QLatin1String("stopped answering")));
}

void TestCli::silentLineMeansNoPhone()
{
    RecordedPhone phone;
    QVERIFY(phone.started);
    phone.sim.setUnplugged(true);
    const CliResult result = runCli({"info"}, phone.sim.devicePath());
    QCOMPARE(result.exitCode, 3);
    QVERIFY(result.err.contains(QLatin1String("No answer from the phone")));
}

void TestCli::noiseOrALateAnswerIsOutlasted()
{
    RecordedPhone phone;
    QVERIFY(phone.started);
    // The first probe's answer comes after its time-out; the greeting then meets noise.
    phone.sim.setReplyDelay(1600);
    bool noisy = false;
    QObject::connect(&phone.sim, &simphone::SimPhone::commandReceived, &phone.sim,
                     [&](const QByteArray &line) {
                         if (phone.received.size() > 1)
                             phone.sim.setReplyDelay(0);
                         if (line == "AT+CGMI" && !noisy) {
                             noisy = true;
                             phone.sim.sendGarbage(40);
                         }
                     });
    const CliResult result = runCli({"info"}, phone.sim.devicePath());
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.contains(QLatin1String("IMSI: 262011234567890")));
    QVERIFY(phone.received.count("AT+CGMI") >= 2);
}

void TestCli::commandLineLeftHoldingABytesIsEnded_data()
{
    QTest::addColumn<bool>("keepsControls");
    QTest::addColumn<QByteArray>("leftover"); // in the phone's command line before the run
    QTest::addColumn<QStringList>("before");  // a run before, that leaves what it leaves
    QTest::newRow("a stray byte") << false << QByteArray("x") << QStringList();
    QTest::newRow("ESC kept") << true << QByteArray("\x1b") << QStringList();
    QTest::newRow("a command cut by the cable") << true << QByteArray("AT+CMGS=\"017") << QStringList();
    QTest::newRow("after a refused message")
        << true << QByteArray() << QStringList{"sms", "send", "--to", "0171", "--smsc", Centre, "x"};
}

void TestCli::commandLineLeftHoldingABytesIsEnded()
{
    QFETCH(bool, keepsControls);
    QFETCH(QByteArray, leftover);
    QFETCH(QStringList, before);
    RecordedPhone phone;
    QVERIFY(phone.started);
    phone.sim.state().keepsControlBytes = keepsControls;
    if (!before.isEmpty()) {
        phone.sim.failCommand("AT+CMGS", "+CMS ERROR: 500");
        QCOMPARE(runCli(before, phone.sim.devicePath()).exitCode, 1);
        phone.sim.clearFailures();
    }
    if (!leftover.isEmpty()) {
        QFile device(phone.sim.devicePath());
        QVERIFY(device.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QCOMPARE(device.write(leftover), leftover.size());
        device.close();
        QTest::qWait(100);
    }
    const CliResult result = runCli({"info"}, phone.sim.devicePath());
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.contains(QLatin1String("IMSI: 262011234567890")));
}

void TestCli::interruptCancelsLikeTheCancelButton()
{
    RecordedPhone phone;
    QVERIFY(phone.started);
    phone.sim.setReplyDelay(200);
    const CliResult result = runCli({"sms", "list"}, phone.sim.devicePath(), {}, [&](QProcess &process) {
        QObject::connect(&phone.sim, &simphone::SimPhone::commandReceived, &process,
                         [&process](const QByteArray &line) {
                             if (line == "at+cmgr=3")
                                 process.terminate();
                         });
    });
    QCOMPARE(result.exitCode, 130);
    QVERIFY(result.out.isEmpty());
    QVERIFY(QTest::qWaitFor([&] { return phone.received.constLast() == "AT"; }, 2000));
    QCOMPARE(phone.received.mid(phone.received.indexOf("at+cmgr=3") + 1), QList<QByteArray>{"AT"});
}

void TestCli::interruptedRunLeavesNoAnswersForTheNext()
{
    RecordedPhone phone;
    QVERIFY(phone.started);
    phone.sim.setReplyDelay(500);
    const CliResult first = runCli({"contacts", "list"}, phone.sim.devicePath(), {}, [&](QProcess &process) {
        QObject::connect(&phone.sim, &simphone::SimPhone::commandReceived, &process,
                         [&process](const QByteArray &line) {
                             if (line == "AT+CPBR=1,255")
                                 process.terminate();
                         });
    });
    QCOMPARE(first.exitCode, 130);
    // The next run starts at once: anything the first run left owing would arrive in the middle
    // of it.
    const CliResult second = runCli({"info"}, phone.sim.devicePath());
    QCOMPARE(second.exitCode, 0);
    QVERIFY2(second.out.contains(QLatin1String("\nManufacturer: Mitsubishi\nModel: Trium Mars\n")),
             qPrintable(second.out));
    QVERIFY(second.out.contains(QLatin1String("IMSI: 262011234567890")));
}

void TestCli::refusalIsNamedAndFails()
{
    RecordedPhone phone;
    QVERIFY(phone.started);
    phone.sim.failCommand("AT+CPBR=1,", "+CME ERROR: 21");
    const CliResult result = runCli({"contacts", "list"}, phone.sim.devicePath());
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains(QLatin1String("The phone refused \"AT+CPBR=1,255\": +CME ERROR: 21")),
             qPrintable(result.err));
    QVERIFY(!result.err.contains(QLatin1String("stopped answering")));
}

void TestCli::unreadableSlotsLeaveTheRestListed_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("outContains");
    QTest::addColumn<QString>("errContains");
    QTest::newRow("list") << QStringList{"sms", "list"}
                          << QStringList{"6\t02/28/02 07:05:59\t08912345678\t",
                                         "\n  Einkaufsliste:\n  Äpfel\n"}
                          << "Not listed: slot 2 (ERROR).";
    QTest::newRow("json")
        << QStringList{"sms", "list", "--json"}
        << QStringList{"\"slot\": 6,\n        \"text\": \"Einkaufsliste:\\nÄpfel",
                       "    {\n        \"error\": \"ERROR\",\n        \"slot\": 2\n    }\n]\n"}
        << "Not listed: slot 2 (ERROR).";
    QTest::newRow("archive") << QStringList{"sms", "archive", environment.path() + "/partial.txt"}
                             << QStringList{} << "Not archived: slot 2 (ERROR).";
}

// The messages that were read are the user's: they are given out, and the exit code says the
// list is incomplete.
void TestCli::unreadableSlotsLeaveTheRestListed()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, outContains);
    QFETCH(QString, errContains);
    RecordedPhone phone;
    QVERIFY(phone.started);
    phone.sim.failCommand("at+cmgr=2", "ERROR");
    const CliResult result = runCli(arguments, phone.sim.devicePath());
    for (const QString &part : outContains)
        QVERIFY2(result.out.contains(part), qPrintable(result.out));
    QVERIFY2(!result.out.contains(QStringLiteral("Grüße aus Köln")), qPrintable(result.out));
    QVERIFY2(result.err.contains("1 message slot could not be read; the phone answered ERROR.\n"
                                 "quenda-cli: " +
                                 errContains),
             qPrintable(result.err));
    QCOMPARE(result.exitCode, 1);
}

void TestCli::melodySlotsAreThePhones_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QStringList>("listing");
    QTest::addColumn<QString>("listed"); // empty: refused before anything is sent
    QTest::newRow("slot 13") << "13" << QStringList{"ringtones", "list"} << "\n13 (shown as 15): Twinkle\n";
    QTest::newRow("slot 16 in JSON")
        << "16" << QStringList{"ringtones", "list", "--json"}
        << "\"name\": \"Twinkle\",\n        \"shown\": 18,\n        \"slot\": 16\n";
    QTest::newRow("slot 17") << "17" << QStringList{} << "";
}

// One numbering on the command line, the phone's: what --slot names is what the list calls so.
void TestCli::melodySlotsAreThePhones()
{
    QFETCH(QString, slot);
    QFETCH(QStringList, listing);
    QFETCH(QString, listed);
    RecordedPhone phone;
    QVERIFY(phone.started);
    const CliResult upload =
        runCli({"ringtones", "upload", SIMPHONE_DATA_DIR "/melodies/twinkle.mdy", "--slot", slot, "--yes"},
               phone.sim.devicePath());
    if (listed.isEmpty()) {
        QCOMPARE(upload.exitCode, 2);
        QVERIFY2(upload.err.contains("--slot must be a whole number from 1 to 16: " + slot),
                 qPrintable(upload.err));
        QCOMPARE(phone.received, QList<QByteArray>());
        return;
    }
    QCOMPARE(upload.exitCode, 0);
    QCOMPARE(phone.sim.state().melodies.at(slot.toInt() - 1).name, QByteArray("Twinkle"));
    const CliResult list = runCli(listing, phone.sim.devicePath());
    QCOMPARE(list.exitCode, 0);
    QVERIFY2(list.out.contains(listed), qPrintable(list.out));
}

void TestCli::manualPagesNameWhatIsInstalled_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("contains");
    QTest::addColumn<QStringList>("lacks");
    QTest::newRow("examples stand apart") << "quenda-cli.1"
                                          << "sms archive \"$d/sms.log\"\n\n"
                                          << QStringList{};
    QTest::newRow("only installed files") << "quenda-cli.1"
                                          << "quenda\\-simphone\\fR(1)" << QStringList{"README", "docs/"};
    QTest::newRow("the demo phone") << "quenda-simphone.1"
                                    << "/usr/share/quenda/demo/demo.json" << QStringList{};
}

void TestCli::manualPagesNameWhatIsInstalled()
{
    QFETCH(QString, page);
    QFETCH(QString, contains);
    QFETCH(QStringList, lacks);
    QFile file(QStringLiteral(MAN_DIR "/") + page);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY2(text.contains(contains), qPrintable(page + QStringLiteral(" lacks ") + contains));
    for (const QString &lacking : lacks)
        QVERIFY2(!text.contains(lacking), qPrintable(page + QStringLiteral(" holds ") + lacking));
}

void TestCli::limitsAndRefusalsOfTheWindow()
{
    const QString utf16File = environment.path() + QStringLiteral("/utf16.qd5");
    {
        QFile file(utf16File);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // "Anna", the separator and a number as UTF-16 writes them: no line of it splits.
        file.write(QByteArray("\xff\xfe"
                              "A\0n\0n\0a\0\x30\x20\x20\x20\x30\x20"
                              "1\0\r\0\n\0",
                              20));
    }
    const QString lacking = QStringLiteral("Zdj\u0119cie \u0142adne \U0001F600");
    struct Case
    {
        QStringList arguments;
        std::function<void(simphone::SimPhone &)> setUp;
        int exitCode;
        QString errContains;
        QByteArray sentBody; // what the phone sent, when anything
    };
    const QStringList send{"sms", "send", "--to", "0301", "--smsc", Centre};
    const QList<Case> cases{
        {send + QStringList{QString(161, QLatin1Char('x'))}, {}, 2, "it holds 160 at most", {}},
        {send + QStringList{lacking}, {}, 2, "The phone cannot show \u0142 \U0001F600", {}},
        {send + QStringList{lacking, "--yes"}, {}, 0, "", "Zdjecie ?adne ?"},
        {{"dial", "0301"},
         [](simphone::SimPhone &sim) { sim.failCommand("ATD", "ERROR"); },
         1,
         "The phone refused \"ATD0301;\": ERROR",
         {}},
        {{"sms", "archive", "/dev/zero"}, {}, 1, "/dev/zero: is not a regular file", {}},
        {{"contacts", "import", utf16File}, {}, 1, "The file holds no contact.", {}},
    };
    for (const Case &c : cases) {
        RecordedPhone phone;
        QVERIFY(phone.started);
        if (c.setUp)
            c.setUp(phone.sim);
        const qsizetype contacts = phone.sim.state().simBook.size();
        QElapsedTimer clock;
        clock.start();
        const CliResult result = runCli(c.arguments, phone.sim.devicePath());
        const QString what = c.arguments.join(QLatin1Char(' ')) + QStringLiteral(": ") + result.err;
        QVERIFY2(result.err.contains(c.errContains), qPrintable(what));
        QVERIFY2(result.exitCode == c.exitCode, qPrintable(what));
        QVERIFY2(clock.elapsed() < 10000, qPrintable(what));
        QCOMPARE(phone.sim.state().sentMessages.value(0).body, c.sentBody);
        QCOMPARE(phone.sim.state().simBook.size(), contacts);
    }
}

void TestCli::speaksTheDesktopsLanguageButNotInItsData()
{
    const CliResult english = runCli({"--help"}, QStringLiteral("/dev/null"));
    const CliResult german = runCli({"--help"}, QStringLiteral("/dev/null"), {}, {}, QStringLiteral("de"));
    QCOMPARE(german.exitCode, english.exitCode);
    QVERIFY(german.out != english.out);
    // Command and option names are what scripts type, in any language.
    for (const char *word : {"contacts list", "--device", "--baud", "sms send"})
        QVERIFY2(german.out.contains(QLatin1String(word)), word);
    // An error goes out in German, its exit code as in English.
    const CliResult refused = runCli({"nonsense"}, QStringLiteral("/dev/null"), {}, {}, QStringLiteral("de"));
    QCOMPARE(refused.exitCode, runCli({"nonsense"}, QStringLiteral("/dev/null")).exitCode);
    QVERIFY(refused.err.contains(QStringLiteral("nonsense")));
    QVERIFY(!refused.err.contains(QStringLiteral("Unknown command")));
}

void TestCli::completionOffersWhatMayCome()
{
    const QString bash = QStandardPaths::findExecutable(QStringLiteral("bash"));
    if (bash.isEmpty())
        QSKIP("no bash here");
    const auto offered = [&bash](const QStringList &words) {
        QProcess shell;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"), QFileInfo(QStringLiteral(QUENDA_CLI)).absolutePath() +
                                                       QLatin1Char(':') +
                                                       environment.value(QStringLiteral("PATH")));
        shell.setProcessEnvironment(environment);
        QString script = QStringLiteral("source '" COMPLETION_FILE "'; complete -p quenda-cli; COMP_WORDS=(");
        for (const QString &word : words)
            script += QLatin1Char('\'') + word + QStringLiteral("' ");
        script += QStringLiteral("); COMP_CWORD=%1; _quenda_cli; printf '%s\\n' \"${COMPREPLY[@]}\"")
                      .arg(words.size() - 1);
        shell.start(bash, {QStringLiteral("-c"), script});
        shell.waitForFinished(10000);
        return QString::fromUtf8(shell.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };
    QCOMPARE(offered({"quenda-cli", "sms", ""}), QStringList({"complete -F _quenda_cli quenda-cli", "list",
                                                              "archive", "send", "store", "delete"}));
    QCOMPARE(offered({"quenda-cli", "contacts", "list", "--memory", ""}),
             QStringList({"complete -F _quenda_cli quenda-cli", "sim", "phone"}));
    QCOMPARE(offered({"quenda-cli", "--device", "/dev/null", "contacts", "li"}),
             QStringList({"complete -F _quenda_cli quenda-cli", "list"}));
    QVERIFY(offered({"quenda-cli", "sms", "send", "--"}).contains(QStringLiteral("--smsc")));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
