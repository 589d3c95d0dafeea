#include "testenvironment.h"

#include "link/operationlock.h"
#include "link/tabloader.h"

#include <QSignalSpy>
#include <QTest>

static TestEnvironment environment;

class TestTabLoader : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void clickWithoutPhoneShowsPageOnly();
    void clickWhenIdleLoadsOnce();
    void clickOnCurrentTabDoesNothing();
    void tabsWithoutLoaderNeverLoad();
    void clickWhileBusyLoadsWhenOperationEnds();
    void connectReloadsTabOnShowWhateverItsFlag();
    void lossForgetsAllButInfos();
    void loadsThatTimeOutByThemselvesAreHeld_data();
    void loadsThatTimeOutByThemselvesAreHeld();

private:
    OperationLock *lock = nullptr;
    TabLoader *tabs = nullptr;
    QMap<int, int> loads;
};

void TestTabLoader::init()
{
    lock = new OperationLock;
    tabs = new TabLoader(*lock);
    loads.clear();
    for (int tab : {TabLoader::Ringtones, TabLoader::Phonebook, TabLoader::ViewSMS, TabLoader::Infos})
        tabs->setLoader(tab, [this, tab] { ++loads[tab]; });
    tabs->timTabChange.setInterval(20);
}

void TestTabLoader::cleanup()
{
    delete tabs;
    delete lock;
}

void TestTabLoader::clickWithoutPhoneShowsPageOnly()
{
    QSignalSpy shown(tabs, &TabLoader::pageShown);
    tabs->select(TabLoader::Phonebook);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.at(0).at(0).toInt(), int(TabLoader::Phonebook));
    QCOMPARE(shown.at(0).at(1).toInt(), int(TabLoader::Ringtones));
    QCOMPARE(tabs->MintCurFrame, qint16(TabLoader::Phonebook));
    QVERIFY(loads.isEmpty());
    QVERIFY(!tabs->isLoaded(TabLoader::Phonebook));
    QVERIFY(!tabs->timTabChange.isActive());
}

void TestTabLoader::clickWhenIdleLoadsOnce()
{
    lock->setAction(OperationLock::Idle);
    tabs->select(TabLoader::ViewSMS);
    QCOMPARE(loads.value(TabLoader::ViewSMS), 1);
    QVERIFY(tabs->isLoaded(TabLoader::ViewSMS));
    tabs->select(TabLoader::Ringtones);
    tabs->select(TabLoader::ViewSMS);
    QCOMPARE(loads.value(TabLoader::ViewSMS), 1);
    QCOMPARE(loads.value(TabLoader::Ringtones), 1);
}

void TestTabLoader::clickOnCurrentTabDoesNothing()
{
    lock->setAction(OperationLock::Idle);
    QSignalSpy shown(tabs, &TabLoader::pageShown);
    tabs->select(TabLoader::Ringtones);
    QCOMPARE(shown.count(), 0);
    QVERIFY(loads.isEmpty());
}

void TestTabLoader::tabsWithoutLoaderNeverLoad()
{
    lock->setAction(OperationLock::Idle);
    tabs->select(TabLoader::CreateSMS);
    tabs->select(TabLoader::RemoteControl);
    QVERIFY(loads.isEmpty());
    QVERIFY(!tabs->timTabChange.isActive());
    tabs->timWaitforLoad.start();
    QTest::qWait(50);
    QVERIFY(loads.isEmpty());
}

void TestTabLoader::clickWhileBusyLoadsWhenOperationEnds()
{
    lock->setAction(OperationLock::LoadingSMs);
    tabs->select(TabLoader::Phonebook);
    QVERIFY(tabs->timTabChange.isActive());
    QTest::qWait(100);
    QVERIFY(loads.isEmpty());
    QVERIFY(tabs->timTabChange.isActive());

    lock->setAction(OperationLock::Idle);
    QTRY_COMPARE(loads.value(TabLoader::Phonebook), 1);
    QVERIFY(!tabs->timTabChange.isActive());
    QVERIFY(tabs->isLoaded(TabLoader::Phonebook));
}

void TestTabLoader::connectReloadsTabOnShowWhateverItsFlag()
{
    lock->setAction(OperationLock::Idle);
    tabs->select(TabLoader::Infos);
    QCOMPARE(loads.value(TabLoader::Infos), 1);
    tabs->timWaitforLoad.start();
    QTRY_COMPARE(loads.value(TabLoader::Infos), 2);
    QVERIFY(!tabs->timWaitforLoad.isActive());
    QVERIFY(tabs->isLoaded(TabLoader::Infos));
}

void TestTabLoader::lossForgetsAllButInfos()
{
    for (int tab = 1; tab <= TabLoader::TabCount; ++tab)
        tabs->setLoaded(tab, true);
    tabs->phoneLost();
    QVERIFY(!tabs->isLoaded(TabLoader::Ringtones));
    QVERIFY(!tabs->isLoaded(TabLoader::Phonebook));
    QVERIFY(!tabs->isLoaded(TabLoader::ViewSMS));
    QVERIFY(tabs->isLoaded(TabLoader::Infos));
}

void TestTabLoader::loadsThatTimeOutByThemselvesAreHeld_data()
{
    // Steps: 'c' a connect whose load times out, 'C' one whose load succeeds, 'l' a loss,
    // 's' the user shows the tab again, 'u' the user presses a button that loads.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("loads");
    QTest::addColumn<bool>("held");
    QTest::newRow("one time-out") << "c" << 1 << false;
    QTest::newRow("two in a row") << "ccc" << 2 << true;
    QTest::newRow("held until the tab is shown again") << "cccsc" << 4 << false;
    QTest::newRow("held until a button loads") << "cccuc" << 3 << false;
    QTest::newRow("an answer in between") << "cCc" << 3 << false;
    QTest::newRow("unplugged mid-load and back") << "clclc" << 3 << false;
}

void TestTabLoader::loadsThatTimeOutByThemselvesAreHeld()
{
    QFETCH(QString, steps);
    QFETCH(int, loads);
    QFETCH(bool, held);
    bool answers = false;
    tabs->setLoader(TabLoader::Phonebook, [&] {
        ++this->loads[TabLoader::Phonebook];
        lock->setAction(answers ? OperationLock::Idle : OperationLock::NoPhone);
    });
    tabs->select(TabLoader::Phonebook);
    for (const QChar step : steps) {
        switch (step.toLatin1()) {
        case 'c':
        case 'C':
            answers = step == QLatin1Char('C');
            lock->setAction(OperationLock::Idle);
            tabs->waitforLoadTick();
            break;
        case 'l':
            lock->setAction(OperationLock::NoPhone);
            tabs->phoneLost();
            break;
        case 's':
            lock->setAction(OperationLock::Idle);
            tabs->select(TabLoader::Ringtones);
            tabs->select(TabLoader::Phonebook);
            break;
        case 'u':
            tabs->userLoads(TabLoader::Phonebook);
            break;
        }
    }
    QCOMPARE(this->loads.value(TabLoader::Phonebook), loads);
    QCOMPARE(tabs->isHeld(TabLoader::Phonebook), held);
}

QTEST_GUILESS_MAIN(TestTabLoader)
#include "tst_tabloader.moc"
