#include "linkrig.h"
#include "testenvironment.h"

#include "remote/calling.h"

#include <QTest>

static TestEnvironment environment;

namespace {

// Stands in for "Calling...": records the number and what the phone had received while it
// was open, then "Finish" is pressed.
class RecordingCallWindow : public CallWindow
{
public:
    explicit RecordingCallWindow(simphone::SimPhone &sim) : sim_(sim) {}
    void waitForFinish(const QString &number) override
    {
        shownNumber = number;
        QTest::qWait(200);
        receivedWhileOpen = sim_.transcript();
    }
    QString shownNumber = QStringLiteral("<not shown>");
    QList<QByteArray> receivedWhileOpen;

private:
    simphone::SimPhone &sim_;
};

} // namespace

class TestCalling : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void dialsWithoutWaitingAndHangsUp();
    void emptyNumberStillDials();
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

void TestCalling::dialsWithoutWaitingAndHangsUp()
{
    calling->placeCall(QStringLiteral("+491701234567"));
    QCOMPARE(window->shownNumber, QStringLiteral("+491701234567"));
    QCOMPARE(window->receivedWhileOpen, QList<QByteArray>{"ATD+491701234567;"});
    QCOMPARE(rig->sim.transcript(), QList<QByteArray>({"ATD+491701234567;", "ATH"}));
    QCOMPARE(rig->sim.state().hangups, 1);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestCalling::emptyNumberStillDials()
{
    calling->placeCall(QString());
    QCOMPARE(window->shownNumber, QString());
    QCOMPARE(rig->sim.transcript(), QList<QByteArray>({"ATD;", "ATH"}));
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
