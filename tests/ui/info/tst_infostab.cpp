#include "testenvironment.h"
#include "windowrig.h"

#include "ui/info/infospage.h"
#include "ui/widgets/controls.h"

#include <QLocale>
#include <QProgressBar>
#include <QTest>

static TestEnvironment environment;

// The Infos tab as the user sees it: what the phone reports, read when the tab is on show at
// connect, in the labels of the tab.
class TestInfosTab : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void registeredPhone();
    void unregisteredPhoneShowsTheWholeReply();
    void noOperatorLeavesOperatorEmpty();
    void batteryLevels_data();
    void batteryLevels();
    void timeoutAtSubscriberIdentityLeavesTheRest();
    void labelsKeepTheirValuesBetweenRuns();

private:
    // Starts on the Infos tab and waits for its first reading to end.
    void startOnInfos();

    WindowRig *rig = nullptr;
    InfosPage *page = nullptr;
};

void TestInfosTab::init()
{
    QLocale::setDefault(QLocale::c());
    rig = new WindowRig;
    QVERIFY(rig->started);
    page = rig->window.infos;
}

void TestInfosTab::cleanup()
{
    delete rig;
    rig = nullptr;
}

void TestInfosTab::startOnInfos()
{
    rig->link.settings.setStarttab(TabLoader::Infos);
    rig->start();
    QTRY_VERIFY(rig->commands().contains("AT+CIMI"));
    QTRY_VERIFY(rig->link.lock.action() != OperationLock::LoadingInfos);
}

void TestInfosTab::registeredPhone()
{
    auto &phone = rig->sim.state();
    phone.lac = "00C3";
    phone.cellId = "0B2F";
    phone.registration = 1;
    startOnInfos();

    QCOMPARE(page->labManu->text(), QStringLiteral("Mitsubishi"));
    QCOMPARE(page->labModel->text(), QStringLiteral("Trium Mars"));
    QCOMPARE(page->labOperator->text(), QStringLiteral("D1-TELEKOM"));
    QCOMPARE(page->labOpID->text(), QStringLiteral("26201"));
    QCOMPARE(page->labNet->text(), QStringLiteral("00C3"));
    QCOMPARE(page->labCell->text(), QStringLiteral("0B2F"));
    QCOMPARE(page->labNetState->text(), QStringLiteral("Online"));
    QCOMPARE(page->labIMSI->text(), QStringLiteral("262011234567890"));
    QTRY_COMPARE(rig->window.labProgState->text(), QStringLiteral("Ready"));
}

void TestInfosTab::unregisteredPhoneShowsTheWholeReply()
{
    rig->sim.state().registration = 0;
    startOnInfos();
    // "+CREG: 2,0" has no quotes to cut at, and no whole number after its first comma.
    const QString reply = QStringLiteral("\r\n+CREG: 2,0\r\n\r\nOK\r\n");
    QCOMPARE(page->labNet->text(), reply);
    QCOMPARE(page->labCell->text(), reply);
    QCOMPARE(page->labNetState->text(), QString());
    QCOMPARE(page->labIMSI->text(), QStringLiteral("262011234567890"));
}

void TestInfosTab::noOperatorLeavesOperatorEmpty()
{
    rig->sim.state().operatorName.clear();
    startOnInfos();
    QCOMPARE(page->labOperator->text(), QString());
    QCOMPARE(page->labOpID->text(), QString());
    QCOMPARE(page->labModel->text(), QStringLiteral("Trium Mars"));
}

void TestInfosTab::batteryLevels_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<double>("bar");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << 0 << 1.0 << "0 Percent";
    QTest::newRow("two bars") << 2 << 67.67 << "66.67 Percent";
    QTest::newRow("full") << 3 << 101.0 << "100 Percent";
}

void TestInfosTab::batteryLevels()
{
    QFETCH(int, level);
    QFETCH(double, bar);
    QFETCH(QString, text);
    rig->sim.state().batteryLevel = level;
    startOnInfos();
    QCOMPARE(page->labBattery->text(), text);
    QCOMPARE(page->batteryBar(), bar);
    if (level == 3)
        QCOMPARE(page->prgBattery->value(), page->prgBattery->maximum());
    else
        QVERIFY(page->prgBattery->value() < page->prgBattery->maximum());
}

void TestInfosTab::timeoutAtSubscriberIdentityLeavesTheRest()
{
    rig->link.exchange.timTimeout.setInterval(300);
    rig->sim.delayCommand("AT+CIMI", 1000);
    rig->link.settings.setStarttab(TabLoader::Infos);
    rig->start();
    QTRY_VERIFY(rig->commands().contains("AT+CIMI"));
    QTRY_COMPARE(rig->link.lock.action(), qint16(OperationLock::NoPhone));

    QCOMPARE(page->labBattery->text(), QStringLiteral("100 Percent"));
    QCOMPARE(page->labManu->text(), QStringLiteral("Mitsubishi"));
    QCOMPARE(page->labOperator->text(), QStringLiteral("D1-TELEKOM"));
    QCOMPARE(page->labOpID->text(), QStringLiteral("26201"));
    QCOMPARE(page->labModel->text(), QStringLiteral("Trium Mars"));
    QCOMPARE(page->labNetState->text(), QStringLiteral("Online"));
    QCOMPARE(page->labIMSI->text(), QString());
    QTRY_COMPARE(rig->window.labProgState->text(), QStringLiteral("Searching for Cell"));
    QCOMPARE(Controls::backgroundOf(rig->window.labProgState), Controls::lightBlue());
}

void TestInfosTab::labelsKeepTheirValuesBetweenRuns()
{
    startOnInfos();
    QCOMPARE(page->labModel->text(), QStringLiteral("Trium Mars"));
    // A second run that stops early: what it emptied stays empty, the rest stays as read.
    rig->link.exchange.timTimeout.setInterval(300);
    rig->sim.delayCommand("AT+CBC", 1000);
    rig->sim.state().model = "Trium Neo";
    QTRY_COMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    rig->info.InfoDownload();
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::NoPhone));
    QCOMPARE(page->labModel->text(), QStringLiteral("Trium Mars"));
    QCOMPARE(page->labManu->text(), QStringLiteral("Mitsubishi"));
    QCOMPARE(page->labOperator->text(), QString());
    QCOMPARE(page->labIMSI->text(), QString());
    QCOMPARE(page->labBattery->text(), QStringLiteral("100 Percent"));
}

QTEST_MAIN(TestInfosTab)
#include "tst_infostab.moc"
