#include "linkrig.h"
#include "testenvironment.h"

#include "remote/calling.h"

#include <QTest>
#include <QTimer>

static TestEnvironment environment;

namespace {

// Stands in for "Calling...": records the number and what the phone had received while it
// was open, then "Finish" is pressed: at once, or after a while.
class RecordingCallWindow : public CallWindow
{
public:
    explicit RecordingCallWindow(simphone::SimPhone &sim) : sim_(sim) {}
    void open(const QString &number, std::function<void()> finished) override
    {
        shownNumber = number;
        finished_ = std::move(finished);
        if (finishAtOnce)
            QTimer::singleShot(0, [this] { finish(); });
    }
    void waitForFinish() override
    {
        if (finished_) {
            QTest::qWait(200);
            receivedWhileOpen = sim_.transcript();
            finish();
        }
    }
    void close() override
    {
        closedByTheCall = bool(finished_);
        finished_ = nullptr;
    }
    QString shownNumber = QStringLiteral("<not shown>");
    QList<QByteArray> receivedWhileOpen;
    bool finishAtOnce = false;
    bool closedByTheCall = false;

private:
    void finish()
    {
        if (const auto finished = std::exchange(finished_, nullptr))
            finished();
    }
    simphone::SimPhone &sim_;
    std::function<void()> finished_;
};

} // namespace

class TestCalling : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void dialAnsweredOrRefused_data();
    void dialAnsweredOrRefused();
    void refusedWhileBusy();
    void hangUpUnansweredMeansNoPhone();

private:
    LinkRig *rig = nullptr;
    RecordingCallWindow *window = nullptr;
    Calling *calling = nullptr;
};

void TestCalling::init()
{
    rig = new LinkRig;
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();
    window = new RecordingCallWindow(rig->sim);
    calling = new Calling(rig->link.exchange, rig->link.lock);
    calling->setCallWindow(window);
}

void TestCalling::cleanup()
{
    delete calling;
    delete window;
    delete rig;
}

void TestCalling::dialAnsweredOrRefused_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QByteArray>("refusal"); // the phone's answer to the dial instead of OK
    QTest::addColumn<bool>("finishAtOnce");  // "Finish" before the phone has answered
    QTest::addColumn<QList<QByteArray>>("received");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("answered") << "+491701234567" << QByteArray() << false
                              << QList<QByteArray>{"ATD+491701234567;", "ATH"} << QStringList();
    QTest::newRow("refused") << "0301" << QByteArray("+CME ERROR: 30") << false
                             << QList<QByteArray>{"ATD0301;"}
                             << QStringList{"The phone refused \"ATD0301;\": +CME ERROR: 30"};
    // The simulated phone has no number to dial.
    QTest::newRow("empty number") << QString() << QByteArray() << false << QList<QByteArray>{"ATD;"}
                                  << QStringList{"The phone refused \"ATD;\": ERROR"};
    QTest::newRow("finished before the answer")
        << "0301" << QByteArray() << true << QList<QByteArray>{"ATD0301;", "ATH"} << QStringList();
}

void TestCalling::dialAnsweredOrRefused()
{
    QFETCH(QString, number);
    QFETCH(QByteArray, refusal);
    QFETCH(bool, finishAtOnce);
    QFETCH(QList<QByteArray>, received);
    QFETCH(QStringList, boxes);
    if (!refusal.isEmpty())
        rig->sim.failCommand("ATD", refusal);
    if (finishAtOnce)
        rig->sim.delayCommand("ATD", 600);
    window->finishAtOnce = finishAtOnce;

    calling->placeCall(number);
    QCOMPARE(window->shownNumber, number);
    QCOMPARE(rig->sim.transcript(), received);
    QCOMPARE(rig->boxes.texts(), boxes);
    QCOMPARE(rig->sim.state().hangups, int(received.contains("ATH")));
    // Refused, the call closes by itself; answered, it stays until "Finish".
    QCOMPARE(window->closedByTheCall, !boxes.isEmpty());
    if (!finishAtOnce && boxes.isEmpty())
        QCOMPARE(window->receivedWhileOpen, received.mid(0, 1));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestCalling::refusedWhileBusy()
{
    rig->link.lock.setAction(OperationLock::LoadingRingtones);
    calling->placeCall(QStringLiteral("0301"));
    QCOMPARE(rig->boxes.texts(), QStringList{QStringLiteral("Busy, try again...")});
    QCOMPARE(window->shownNumber, QStringLiteral("<not shown>"));
    QVERIFY(rig->sim.transcript().isEmpty());
}

void TestCalling::hangUpUnansweredMeansNoPhone()
{
    rig->link.exchange.timTimeout.setInterval(300);
    rig->sim.delayCommand("ATH", 1000);
    calling->placeCall(QStringLiteral("0301"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::NoPhone));
}

QTEST_GUILESS_MAIN(TestCalling)
#include "tst_calling.moc"
