#include "linkrig.h"
#include "testenvironment.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

static TestEnvironment environment;

class TestOperationLock : public QObject
{
    Q_OBJECT
private slots:
    void guardRefusesWithoutPhone();
    void guardRefusesWhileBusy();
    void guardTakesTheLockAndAcceptsNamedCodes();
    void boxesAreShownOnceWhenTheOutermostOperationEnds();
    void aClickRefusedInAWaitIsToldAtOnceAndLeavesTheRunningResult();
    void stateTexts_data();
    void stateTexts();
    void percentages_data();
    void percentages();
    void cancelEndsTheOperationBeforeItsNextItem();
    void cancelEndsTheWaitAndTheProbeStaysAnswered();
};

void TestOperationLock::guardRefusesWithoutPhone()
{
    OperationLock lock;
    RecordingBoxes boxes;
    lock.setMessageBoxes(&boxes);
    const OperationResult result = lock.perform(
        [&lock] { return lock.guard(OperationLock::LoadingContacts) ? lock.result() : lock.refusal(); });
    QVERIFY(result.is(OperationResult::Kind::NotStarted));
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Not Connected!")});
    QCOMPARE(lock.action(), qint16(OperationLock::NoPhone));
}

void TestOperationLock::guardRefusesWhileBusy()
{
    OperationLock lock;
    RecordingBoxes boxes;
    lock.setMessageBoxes(&boxes);
    lock.setAction(OperationLock::LoadingSMs);
    lock.perform(
        [&lock] { return lock.guard(OperationLock::LoadingContacts) ? lock.result() : lock.refusal(); });
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Busy, try again...")});
    QCOMPARE(lock.action(), qint16(OperationLock::LoadingSMs));
}

void TestOperationLock::guardTakesTheLockAndAcceptsNamedCodes()
{
    OperationLock lock;
    RecordingBoxes boxes;
    lock.setMessageBoxes(&boxes);
    QSignalSpy changed(&lock, &OperationLock::actionChanged);
    lock.setAction(OperationLock::Idle);
    QVERIFY(lock.guard(OperationLock::UploadingRingtone));
    QCOMPARE(lock.action(), qint16(OperationLock::UploadingRingtone));
    QVERIFY(lock.isBusy());

    // Reading the ringtones right after an upload accepts the upload's follow-up code.
    lock.setAction(OperationLock::ReloadingRingtones);
    QVERIFY(lock.guard(OperationLock::LoadingRingtones, {OperationLock::ReloadingRingtones}));
    QCOMPARE(lock.action(), qint16(OperationLock::LoadingRingtones));
    lock.finish();
    QCOMPARE(lock.action(), qint16(OperationLock::Idle));
    QVERIFY(boxes.shown.isEmpty());
    QCOMPARE(changed.count(), 5);
}

void TestOperationLock::boxesAreShownOnceWhenTheOutermostOperationEnds()
{
    OperationLock lock;
    RecordingBoxes boxes;
    lock.setMessageBoxes(&boxes);
    lock.setAction(OperationLock::Idle);
    const OperationResult outer = lock.perform([&] {
        const OperationResult part =
            lock.perform([] { return OperationResult::done().told(QStringLiteral("part")); });
        // A part's boxes wait for the operation it belongs to.
        if (!boxes.shown.isEmpty())
            return OperationResult::refused(QString(), QStringLiteral("shown early"));
        return OperationResult::worse(
            part, OperationResult::done().told(QStringLiteral("whole"), QStringLiteral("T")));
    });
    QVERIFY(outer.succeeded());
    const QList<QPair<QString, QString>> shown = {{QStringLiteral("part"), QString()},
                                                  {QStringLiteral("whole"), QStringLiteral("T")}};
    QCOMPARE(boxes.shown, shown);
}

void TestOperationLock::aClickRefusedInAWaitIsToldAtOnceAndLeavesTheRunningResult()
{
    LinkRig rig;
    QVERIFY(rig.startAndConnect());
    OperationLock &lock = rig.link.lock;
    AtExchange &exchange = rig.link.exchange;
    rig.sim.setReplyDelay(400);
    QStringList shownDuringTheWait;
    QTimer::singleShot(100, &lock, [&] {
        lock.perform(
            [&lock] { return lock.guard(OperationLock::LoadingInfos) ? lock.result() : lock.refusal(); });
        shownDuringTheWait = rig.boxes.texts();
    });
    const OperationResult running = lock.perform([&] {
        if (!lock.guard(OperationLock::LoadingContacts))
            return lock.refusal();
        const OperationResult answered =
            lock.resultOf(exchange.SendAndWait(QStringLiteral("AT+CGMM"), exchange.timTimeout));
        if (answered)
            lock.finish();
        return answered;
    });
    QCOMPARE(shownDuringTheWait, QStringList{QStringLiteral("Busy, try again...")});
    QVERIFY(running.is(OperationResult::Kind::Done));
    QVERIFY(running.notices.isEmpty());
    QCOMPARE(rig.boxes.texts(), shownDuringTheWait);
}

void TestOperationLock::stateTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "Searching for Cell";
    QTest::newRow("1") << 1 << "Ready";
    QTest::newRow("21") << 21 << "Uploading Ringtone";
    QTest::newRow("22") << 22 << "Loading Ringtones";
    QTest::newRow("23") << 23 << "Loading Ringtones";
    QTest::newRow("24") << 24 << "Loading SMs";
    QTest::newRow("25") << 25 << "Deleting SMs";
    QTest::newRow("26") << 26 << "Deleting All SMs";
    QTest::newRow("27") << 27 << "Loading Contacts";
    QTest::newRow("28") << 28 << "Saving Contact";
    QTest::newRow("29") << 29 << "Uploading Contact";
    QTest::newRow("30") << 30 << "Deleting Contact";
    QTest::newRow("40") << 40 << "Loading Infos";
    QTest::newRow("45") << 45 << "Placing Call";
    QTest::newRow("50") << 50 << "Sending Keys";
    QTest::newRow("60") << 60 << "Sending SMS";
    QTest::newRow("61") << 61 << "Uploading SMS";
    QTest::newRow("unknown") << 2 << QString();
    QTest::newRow("unknown high") << 31 << QString();
}

void TestOperationLock::stateTexts()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(OperationLock::stateText(qint16(code)), text);
}

void TestOperationLock::percentages_data()
{
    QTest::addColumn<int>("i");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::newRow("1 of 3") << 1 << 3 << "33%";
    QTest::newRow("2 of 3") << 2 << 3 << "67%";
    QTest::newRow("3 of 3") << 3 << 3 << "100%";
    // Halves go to the even neighbour.
    QTest::newRow("1 of 8") << 1 << 8 << "12%";
    QTest::newRow("3 of 8") << 3 << 8 << "38%";
    QTest::newRow("5 of 8") << 5 << 8 << "62%";
    QTest::newRow("7 of 8") << 7 << 8 << "88%";
    QTest::newRow("1 of 200") << 1 << 200 << "0%";
    QTest::newRow("3 of 200") << 3 << 200 << "2%";
    QTest::newRow("no items") << 1 << 0 << "0%";
}

void TestOperationLock::percentages()
{
    QFETCH(int, i);
    QFETCH(int, n);
    QFETCH(QString, text);
    QCOMPARE(OperationLock::percentText(OperationLock::percentOf(i, n)), text);
}

void TestOperationLock::cancelEndsTheOperationBeforeItsNextItem()
{
    LinkRig rig;
    QVERIFY(rig.startAndConnect());
    OperationLock &lock = rig.link.lock;
    QVERIFY(lock.guard(OperationLock::DeletingContact));
    lock.openProgress();
    QCOMPARE(rig.progress.opened, 1);

    QVERIFY(!lock.cancelledBeforeItem());
    lock.reportItem(1, 3);
    lock.cancel();
    // Cancel releases the lock at once; the operation notices at its next item.
    QCOMPARE(lock.action(), qint16(OperationLock::Idle));
    QVERIFY(lock.abort());
    rig.sim.clearTranscript();
    QVERIFY(lock.cancelledBeforeItem());
    QVERIFY(!lock.abort());
    QCOMPARE(lock.action(), qint16(OperationLock::Idle));
    QTRY_COMPARE(rig.sim.transcript(), QList<QByteArray>{"AT"});
    QCOMPARE(rig.progress.texts, QStringList{QStringLiteral("33%")});
    QCOMPARE(rig.progress.values, QList<int>{33});
}

void TestOperationLock::cancelEndsTheWaitAndTheProbeStaysAnswered()
{
    LinkRig rig;
    QVERIFY(rig.startAndConnect());
    OperationLock &lock = rig.link.lock;
    AtExchange &exchange = rig.link.exchange;
    rig.link.supervisor.timState.setInterval(300);
    rig.sim.setReplyDelay(1000);
    QSignalSpy lost(&rig.link.supervisor, &Supervisor::lost);
    QSignalSpy actions(&lock, &OperationLock::actionChanged);

    QVERIFY(lock.guard(OperationLock::DeletingContact));
    QTimer::singleShot(100, &lock, [&lock] { lock.cancel(); });
    QElapsedTimer waited;
    waited.start();
    const AtExchange::Reply reply = exchange.SendAndWait(QStringLiteral("AT+CGMM"), exchange.timTimeout);
    QVERIFY(reply.cancelled());
    QVERIFY2(waited.elapsed() < 800, qPrintable(QString::number(waited.elapsed())));
    QVERIFY(!lock.answered(reply));
    QVERIFY(!lock.abort());
    QCOMPARE(lock.action(), qint16(OperationLock::Idle));

    // The late answers are taken off the line, then the probes go on and are answered: a
    // probe is sent only once the one before has its answer (the cancel's "AT" may count too).
    rig.sim.clearTranscript();
    QTRY_VERIFY_WITH_TIMEOUT(rig.sim.transcript().count("AT") >= 3, 8000);
    QVERIFY(lost.isEmpty());
    for (const QList<QVariant> &change : actions)
        QVERIFY(change.at(0).toInt() != OperationLock::NoPhone);

    rig.sim.setReplyDelay(0);
    QVERIFY(lock.guard(OperationLock::LoadingInfos));
    const AtExchange::Reply model = exchange.SendAndWait(QStringLiteral("AT+CGMM"), exchange.timTimeout);
    QVERIFY(model.answered());
    QVERIFY2(model.text.contains(QLatin1String("Trium Mars")), qPrintable(model.text));
}

QTEST_GUILESS_MAIN(TestOperationLock)
#include "tst_operationlock.moc"
