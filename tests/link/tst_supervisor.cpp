#include "linkrig.h"
#include "testenvironment.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <ctime>

static TestEnvironment environment;

namespace {

const QList<QByteArray> Handshake = {"AT",       "AT+CGMI",  "AT+CSCS=\"PCCP437\"", "AT+CREG=0", "ATE0",
                                     "AT+CPMS?", "AT+CPBW=?"};

int count(const QList<QByteArray> &lines, const QByteArray &line)
{
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

// Processor time of this process, in milliseconds.
double cpuMilliseconds()
{
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

} // namespace

class TestSupervisor : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void greetsInOrderAndReadsSizes();
    void unparseableSizeKeepsOldValue();
    void otherMakersAreGreetedAsStandardPhones_data();
    void otherMakersAreGreetedAsStandardPhones();
    void aPhoneThatNamesNoMakerIsToldInWords();
    void resultsQuendaDoesNotKnowEndInATimeOutThatNamesThem();
    void erroredHandshakeStepStartsOverAtNextProbe();
    void lossAndRegreeting();
    void answerSplitAcrossTicksIsRecognised();
    void answerLookedAtAsItArrives();
    void phoneLeftInTextEntryIsFoundAgain();
    void commandLineHoldingABytesIsEnded_data();
    void commandLineHoldingABytesIsEnded();
    void probeHeldOffWhileHandshakeRuns();
    void operationTakingLineDuringPendingProbe();
    void phoneBackAfterOneMissedCommandSkipsHandshake();
    void pulledLineStaysQuietAndReconnects();
    void phoneAppearingAfterTheDeviceVanishedIsGreeted();
    void closedPortProbesQuietly();
    void lineProblemsInWordsToActOn();

private:
    LinkRig *rig = nullptr;
};

void TestSupervisor::init()
{
    rig = new LinkRig;
    QVERIFY(rig->started);
}

void TestSupervisor::cleanup()
{
    delete rig;
    rig = nullptr;
}

void TestSupervisor::greetsInOrderAndReadsSizes()
{
    rig->sim.state().messageCapacity = 25;
    rig->sim.state().simBookCapacity = 180;
    QSignalSpy shown(&rig->link.supervisor, &Supervisor::connectionShown);
    QSignalSpy connected(&rig->link.supervisor, &Supervisor::connected);
    int ringtoneLoads = 0;
    rig->link.tabs.setLoader(TabLoader::Ringtones, [&ringtoneLoads] { ++ringtoneLoads; });

    QVERIFY(rig->startAndConnect());
    QCOMPARE(rig->sim.transcript(), Handshake);
    QCOMPARE(rig->link.supervisor.MaxSMS, qint16(25));
    QCOMPARE(rig->link.supervisor.MaxPhoneNum, qint16(180));
    QVERIFY(!rig->link.supervisor.NewConnect);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.at(0).at(0).toBool(), true);
    QCOMPARE(connected.count(), 1);
    // The tab on show is read once the connect is through.
    QTRY_COMPARE(ringtoneLoads, 1);
    QVERIFY(rig->link.tabs.isLoaded(TabLoader::Ringtones));
}

void TestSupervisor::unparseableSizeKeepsOldValue()
{
    // 40000 does not fit a 16-bit integer: the old value stays.
    rig->sim.state().messageCapacity = 40000;
    rig->link.supervisor.MaxSMS = 7;
    QVERIFY(rig->startAndConnect());
    QCOMPARE(rig->link.supervisor.MaxSMS, qint16(7));
    QCOMPARE(rig->link.supervisor.MaxPhoneNum, qint16(250));
}

void TestSupervisor::otherMakersAreGreetedAsStandardPhones_data()
{
    QTest::addColumn<QByteArray>("maker");
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<bool>("prefixed");
    QTest::addColumn<bool>("echoStuck");
    QTest::addColumn<QList<QByteArray>>("sets");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("charset");
    // The simulated phone's own sets: 8859-1 comes first of them.
    QTest::newRow("plain") << QByteArray("SIEMENS") << QByteArray("S55") << false << false
                           << QList<QByteArray>{"GSM", "IRA", "PCCP437", "8859-1"} << "SIEMENS S55"
                           << "8859-1";
    QTest::newRow("prefixed, echo kept, UCS2")
        << QByteArray("Nokia") << QByteArray("Nokia 6310i") << true << true
        << QList<QByteArray>{"GSM", "UCS2", "IRA"} << "Nokia 6310i"
        << "UCS2";
    // Nothing offered: GSM is asked for, refused, and the set the phone names counts.
    QTest::newRow("no sets offered") << QByteArray("SIMCOM_Ltd") << QByteArray("SIMCOM_SIM800L") << false
                                     << false << QList<QByteArray>{} << "SIMCOM_SIM800L"
                                     << "IRA";
}

void TestSupervisor::otherMakersAreGreetedAsStandardPhones()
{
    QFETCH(QByteArray, maker);
    QFETCH(QByteArray, model);
    QFETCH(bool, prefixed);
    QFETCH(bool, echoStuck);
    QFETCH(QList<QByteArray>, sets);
    QFETCH(QString, name);
    QFETCH(QString, charset);
    simphone::PhoneState &phone = rig->sim.state();
    phone.manufacturer = maker;
    phone.model = model;
    phone.revision = "V 5.10";
    phone.identityPrefixed = prefixed;
    phone.echoStuck = echoStuck;
    phone.characterSets = sets;
    phone.pduModeOffered = true;
    QVERIFY(rig->startAndConnect());
    const PhoneProfile &profile = rig->link.supervisor.profile();
    QCOMPARE(profile.family, PhoneProfile::Family::Standard);
    QCOMPARE(profile.manufacturer, QString::fromLatin1(maker));
    QCOMPARE(profile.model, QString::fromLatin1(model));
    QCOMPARE(profile.revision, QStringLiteral("V 5.10"));
    QCOMPARE(profile.serialNumber, QString::fromLatin1(phone.imei));
    QCOMPARE(profile.name(), name);
    QCOMPARE(profile.characterSet, charset);
    QCOMPARE(profile.phonebooks, (QStringList{QStringLiteral("ME"), QStringLiteral("SM")}));
    QVERIFY(profile.textMode && profile.pduMode && profile.keypad && !profile.melodies);
    QCOMPARE(rig->link.supervisor.MaxPhoneNum, qint16(250));
    QVERIFY(rig->link.lineProblem().isEmpty());
    const auto lines = rig->sim.transcript();
    QCOMPARE(count(lines, "AT+CMEE=1"), 1);
    QCOMPARE(count(lines, "AT+CSCS=\"PCCP437\""), 0);
}

void TestSupervisor::aPhoneThatNamesNoMakerIsToldInWords()
{
    rig->sim.failCommand("AT+CGMI", "ERROR");
    rig->link.supervisor.timState.setInterval(300);
    rig->link.beginStartUp();
    rig->link.finishStartUp();
    QTRY_VERIFY_WITH_TIMEOUT(count(rig->sim.transcript(), "AT+CGMI") >= 2, 3000);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::NoPhone));
    QVERIFY(!rig->link.supervisor.isConnectedShown());
    QCOMPARE(count(rig->sim.transcript(), "ATE0"), 0);
    QCOMPARE(rig->link.lineProblem(),
             QStringLiteral("The phone answers, but refuses \"AT+CGMI\" (ERROR): nothing Quenda can use."));
    // Once it stops answering, that is what the strip says.
    rig->sim.setReplyDelay(60000);
    QTRY_VERIFY_WITH_TIMEOUT(
        rig->link.lineProblem().startsWith(QLatin1String("No answer from the phone on ")), 15000);
}

void TestSupervisor::resultsQuendaDoesNotKnowEndInATimeOutThatNamesThem()
{
    rig->sim.state().manufacturer = "SIEMENS";
    rig->sim.failCommand("AT+CKPD", "COMMAND NOT SUPPORT");
    rig->link.supervisor.timState.setInterval(300);
    QVERIFY(rig->startAndConnect(8000));
    QVERIFY(!rig->link.supervisor.profile().keypad);

    // In an operation the phone counts as gone, is told of, and is back at the next probe.
    rig->sim.failCommand("AT+CGMM", "COMMAND NOT SUPPORT");
    rig->link.exchange.timTimeout.setInterval(500);
    const OperationResult result = rig->link.lock.perform([this] {
        if (!rig->link.lock.guard(OperationLock::LoadingInfos))
            return rig->link.lock.refusal();
        return rig->link.lock.resultOf(
            rig->link.exchange.SendAndWait(QStringLiteral("AT+CGMM"), rig->link.exchange.timTimeout));
    });
    QVERIFY(result.is(OperationResult::Kind::TimedOut));
    QCOMPARE(
        rig->boxes.texts(),
        QStringList{QStringLiteral(
            "The phone ended \"AT+CGMM\" with \"COMMAND NOT SUPPORT\", which is no result Quenda knows.")});
    QTRY_COMPARE_WITH_TIMEOUT(rig->link.lock.action(), qint16(OperationLock::Idle), 3000);
}

void TestSupervisor::erroredHandshakeStepStartsOverAtNextProbe()
{
    rig->sim.failCommand("AT+CPMS?", "ERROR");
    rig->link.exchange.timTimeoutState.setInterval(200);
    rig->link.supervisor.timState.setInterval(400);
    rig->link.beginStartUp();
    rig->link.finishStartUp();
    QTRY_VERIFY_WITH_TIMEOUT(count(rig->sim.transcript(), "AT+CGMI") >= 2, 3000);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::NoPhone));
    QVERIFY(rig->link.supervisor.NewConnect);

    rig->sim.clearFailures();
    QTRY_COMPARE_WITH_TIMEOUT(rig->link.lock.action(), qint16(OperationLock::Idle), 3000);
}

void TestSupervisor::lossAndRegreeting()
{
    QSignalSpy lost(&rig->link.supervisor, &Supervisor::lost);
    QVERIFY(rig->startAndConnect());
    rig->link.tabs.setLoaded(TabLoader::Phonebook, true);
    rig->link.tabs.setLoaded(TabLoader::Infos, true);
    rig->sim.clearTranscript();

    rig->sim.setUnplugged(true);
    QElapsedTimer clock;
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(lost.count() == 1, 4000);
    // One probe period and one probe time-out, with room for a busy machine.
    QVERIFY(clock.elapsed() <= 1750 + 1400 + 1000);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::NoPhone));
    QVERIFY(!rig->link.supervisor.isConnectedShown());
    QVERIFY(rig->link.supervisor.NewConnect);
    QVERIFY(!rig->link.tabs.isLoaded(TabLoader::Phonebook));
    QVERIFY(rig->link.tabs.isLoaded(TabLoader::Infos));

    rig->sim.clearTranscript();
    rig->sim.setUnplugged(false);
    QTRY_COMPARE_WITH_TIMEOUT(rig->link.lock.action(), qint16(OperationLock::Idle), 4000);
    QCOMPARE(rig->sim.transcript(), Handshake);
    QVERIFY(rig->link.supervisor.isConnectedShown());
}

void TestSupervisor::answerSplitAcrossTicksIsRecognised()
{
    // "OK" in one read, CR LF two ticks later: still the probe's answer.
    rig->sim.setSplit("OK", 150);
    QSignalSpy lost(&rig->link.supervisor, &Supervisor::lost);
    QVERIFY(rig->startAndConnect(5000));
    QCOMPARE(lost.count(), 0);
}

void TestSupervisor::answerLookedAtAsItArrives()
{
    // The tick only bounds the wait: a greeting that waited for it would take a minute here.
    rig->link.supervisor.timGetState.setInterval(60000);
    rig->sim.setSplit("OK", 100);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(rig->startAndConnect(5000));
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
}

void TestSupervisor::phoneLeftInTextEntryIsFoundAgain()
{
    QVERIFY(rig->startAndConnect());
    rig->sim.state().textMode = true;
    // An earlier program asked for a message text and went.
    rig->link.exchange.writeCommand(QStringLiteral("AT+CMGW=\"0171\""));
    QTest::qWait(100);
    rig->link.supervisor.timState.setInterval(300);
    QSignalSpy lost(&rig->link.supervisor, &Supervisor::lost);
    QTRY_COMPARE_WITH_TIMEOUT(lost.count(), 1, 3000);
    QTRY_COMPARE_WITH_TIMEOUT(rig->link.lock.action(), qint16(OperationLock::Idle), 4000);
    QVERIFY(rig->sim.state().messages.isEmpty());
}

void TestSupervisor::commandLineHoldingABytesIsEnded_data()
{
    QTest::addColumn<bool>("keepsControls");
    QTest::addColumn<QByteArray>("leftover");
    QTest::addColumn<bool>("unplugged");
    QTest::newRow("a stray byte") << false << QByteArray("x") << false;
    QTest::newRow("a stray byte, ESC kept") << true << QByteArray("x") << false;
    QTest::newRow("ESC kept") << true << QByteArray("\x1b") << false;
    QTest::newRow("Ctrl-Z kept") << true << QByteArray("\x1a") << false;
    QTest::newRow("a command cut by the cable") << true << QByteArray("AT~MMYW=3,\"Tu") << false;
    QTest::newRow("back after a loss, ESC kept") << true << QByteArray() << true;
}

void TestSupervisor::commandLineHoldingABytesIsEnded()
{
    QFETCH(bool, keepsControls);
    QFETCH(QByteArray, leftover);
    QFETCH(bool, unplugged);
    rig->sim.state().keepsControlBytes = keepsControls;
    QVERIFY(rig->startAndConnect());
    rig->link.supervisor.timState.setInterval(500);
    QSignalSpy lost(&rig->link.supervisor, &Supervisor::lost);
    rig->sim.clearTranscript();
    if (unplugged) {
        rig->sim.setUnplugged(true);
        QTRY_COMPARE_WITH_TIMEOUT(lost.count(), 1, 4000);
        rig->sim.setUnplugged(false);
    } else {
        rig->link.line.write(QString::fromLatin1(leftover));
        // The next probe reaches the phone behind the leftover, which refuses the line; a bare
        // "AT" follows once the line is ended.
        const auto probedAgain = [this, &leftover] {
            const auto lines = rig->sim.transcript();
            const qsizetype refused = lines.indexOf(leftover + "AT");
            return refused >= 0 && lines.indexOf("AT", refused + 1) > refused;
        };
        QTRY_VERIFY_WITH_TIMEOUT(probedAgain(), 5000);
    }
    QTRY_COMPARE_WITH_TIMEOUT(rig->link.lock.action(), qint16(OperationLock::Idle), 5000);
    QCOMPARE(lost.count(), unplugged ? 1 : 0);
    QVERIFY(rig->link.supervisor.isConnectedShown());
    // The phone's command line holds nothing any more: the next command is its own.
    QVERIFY(
        rig->link.exchange.SendAndWait(QStringLiteral("AT+CGMI"), rig->link.exchange.timTimeout).completed());
}

void TestSupervisor::probeHeldOffWhileHandshakeRuns()
{
    // Each reply takes long enough that the probe timer fires twice during the greeting.
    rig->sim.setReplyDelay(150);
    rig->link.supervisor.timState.setInterval(400);
    QVERIFY(rig->startAndConnect(5000));
    const auto lines = rig->sim.transcript();
    QCOMPARE(lines.mid(0, Handshake.size()), Handshake);
}

void TestSupervisor::operationTakingLineDuringPendingProbe()
{
    QVERIFY(rig->startAndConnect());
    rig->sim.setReplyDelay(100);
    QSignalSpy lost(&rig->link.supervisor, &Supervisor::lost);

    // The probe's "AT" is on the line, its answer not yet read, when an operation starts.
    rig->link.supervisor.probeTick();
    QVERIFY(rig->link.lock.guard(OperationLock::LoadingInfos));
    const auto reply =
        rig->link.exchange.SendAndWait(QStringLiteral("AT+CGMM"), rig->link.exchange.timTimeout);
    QCOMPARE(reply.outcome, AtExchange::Outcome::Completed);
    QVERIFY2(reply.text.contains(QLatin1String("Trium")), qPrintable(reply.text));
    rig->link.lock.finish();

    QTest::qWait(1600);
    QCOMPARE(lost.count(), 0);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    QVERIFY(rig->link.supervisor.isConnectedShown());
}

void TestSupervisor::phoneBackAfterOneMissedCommandSkipsHandshake()
{
    QVERIFY(rig->startAndConnect());
    QSignalSpy connected(&rig->link.supervisor, &Supervisor::connected);
    rig->link.exchange.timTimeout.setInterval(300);
    rig->sim.delayCommand("AT+CGMM", 1000);

    QVERIFY(rig->link.lock.guard(OperationLock::LoadingInfos));
    const auto reply =
        rig->link.exchange.SendAndWait(QStringLiteral("AT+CGMM"), rig->link.exchange.timTimeout);
    QVERIFY(reply.timedOut());
    rig->link.lock.timedOut();
    rig->sim.clearTranscript();

    QTRY_COMPARE_WITH_TIMEOUT(rig->link.lock.action(), qint16(OperationLock::Idle), 3000);
    QCOMPARE(rig->sim.transcript(), QList<QByteArray>{"AT"});
    QCOMPARE(connected.count(), 1);
}

void TestSupervisor::pulledLineStaysQuietAndReconnects()
{
    QVERIFY(rig->startAndConnect());
    rig->link.exchange.timTimeout.setInterval(800);
    QSignalSpy lost(&rig->link.supervisor, &Supervisor::lost);

    // The line goes away in the middle of an exchange.
    rig->sim.setReplyDelay(500);
    QTimer::singleShot(100, &rig->sim, [this] { rig->sim.closeLine(); });
    QVERIFY(rig->link.lock.guard(OperationLock::LoadingInfos));
    const auto reply =
        rig->link.exchange.SendAndWait(QStringLiteral("AT+CGMM"), rig->link.exchange.timTimeout);
    QVERIFY(reply.timedOut());
    rig->link.lock.timedOut();
    QVERIFY(!rig->link.line.isOpen());

    const double before = cpuMilliseconds();
    QTest::qWait(2000);
    const double busy = cpuMilliseconds() - before;
    QVERIFY2(busy < 200, qPrintable(QStringLiteral("%1 ms of CPU in 2 s after the line vanished").arg(busy)));
    QVERIFY(!rig->link.line.openFailure().isEmpty());

    rig->sim.setReplyDelay(0);
    QVERIFY(rig->sim.reopenLine());
    QTRY_COMPARE_WITH_TIMEOUT(rig->link.lock.action(), qint16(OperationLock::Idle), 5000);
    QVERIFY(rig->link.line.isOpen());
    QVERIFY(rig->link.line.openFailure().isEmpty());
}

void TestSupervisor::phoneAppearingAfterTheDeviceVanishedIsGreeted()
{
    QVERIFY(rig->startAndConnect());
    rig->link.exchange.timTimeout.setInterval(800);
    rig->sim.setReplyDelay(500);
    QTimer::singleShot(100, &rig->sim, [this] { rig->sim.closeLine(); });
    QVERIFY(rig->link.lock.guard(OperationLock::LoadingInfos));
    QVERIFY(!rig->link.lock.answered(
        rig->link.exchange.SendAndWait(QStringLiteral("AT+CGMM"), rig->link.exchange.timTimeout)));

    // Before any probe could miss it, a phone answers on the same path: switched off and on
    // meanwhile, with echo on and its own character set.
    rig->sim.setReplyDelay(0);
    rig->sim.state().echo = true;
    rig->sim.state().charset = "IRA";
    QVERIFY(rig->sim.reopenLine());
    rig->sim.clearTranscript();
    QTRY_COMPARE_WITH_TIMEOUT(rig->link.lock.action(), qint16(OperationLock::Idle), 5000);
    QCOMPARE(rig->sim.transcript(), Handshake);
    QCOMPARE(rig->sim.state().charset, QByteArray("PCCP437"));
    QVERIFY(!rig->sim.state().echo);
}

void TestSupervisor::closedPortProbesQuietly()
{
    rig->link.settings.setDevice(1, QStringLiteral("/nonexistent/quenda-test-device"));
    rig->link.beginStartUp();
    rig->link.finishStartUp();
    QVERIFY(!rig->link.line.isOpen());
    QVERIFY(!rig->link.line.openFailure().isEmpty());
    QVERIFY(rig->link.lineDescription().contains(QLatin1String("/nonexistent/quenda-test-device")));
    QTest::qWait(500);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::NoPhone));
    QVERIFY(rig->boxes.shown.isEmpty());
}

void TestSupervisor::lineProblemsInWordsToActOn()
{
    // A device that is not there.
    rig->link.settings.setDevice(1, QStringLiteral("/nonexistent/quenda-test-device"));
    QSignalSpy changed(&rig->link, &PhoneLink::lineProblemChanged);
    rig->link.beginStartUp();
    rig->link.finishStartUp();
    QVERIFY(
        rig->link.lineProblem().startsWith(QLatin1String("No such device: /nonexistent/quenda-test-device")));
    QVERIFY(!changed.isEmpty());

    // A phone that does not answer: said only after a few probes, gone once it answers.
    rig->link.supervisor.timState.setInterval(200);
    rig->sim.setUnplugged(true);
    rig->link.useDevice(rig->sim.devicePath());
    QVERIFY(rig->link.lineProblem().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(
        rig->link.lineProblem().startsWith(QLatin1String("No answer from the phone on ")), 10000);
    QVERIFY(rig->link.line.isOpen());
    rig->sim.setUnplugged(false);
    QTRY_COMPARE_WITH_TIMEOUT(rig->link.lock.action(), qint16(OperationLock::Idle), 5000);
    QVERIFY(rig->link.lineProblem().isEmpty());

    // A port another program holds: busy, not a question of permissions.
    PhoneLink other;
    other.settings.setDevice(1, rig->sim.devicePath());
    other.line.openPort();
    QVERIFY(!other.line.isOpen());
    QCOMPARE(
        other.lineProblem(),
        QStringLiteral("Device busy: another program holds %1 (ModemManager?).").arg(rig->sim.devicePath()));
}

QTEST_GUILESS_MAIN(TestSupervisor)
#include "tst_supervisor.moc"
