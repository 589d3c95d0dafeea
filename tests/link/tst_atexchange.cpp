#include "testenvironment.h"

#include "link/atexchange.h"
#include "link/serialline.h"
#include "simphone.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

static TestEnvironment environment;

using Outcome = AtExchange::Outcome;

class TestAtExchange : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void completesOnFinalResult();
    void okWithoutLineEndKeepsWaiting();
    void okLineInsideDataEndsEarly();
    void errorRunsIntoTimeout();
    void closedPortTimesOut();
    void leftoverOkEndsNextNonDrainingExchange();
    void drainingExchangeIgnoresLeftover();
    void eachExchangeStartsItsTimerFromZero();
    void stopTokenEndsExchange();
    void bytesCrossTheLineOneByOne();
    void pauseLeavesTheLineAlone();
    void unsolicitedCodesLandInTheReply();
    // Last: it ends the application's event loops and starts them again afterwards.
    void waitEndedByQuittingCountsAsUnanswered();

private:
    simphone::SimPhone *sim = nullptr;
    SerialLine *line = nullptr;
    AtExchange *exchange = nullptr;
};

void TestAtExchange::init()
{
    sim = new simphone::SimPhone;
    QVERIFY(sim->start());
    sim->state().echo = false;
    line = new SerialLine;
    const QString device = sim->devicePath();
    line->setDeviceResolver([device](int) { return device; });
    line->connect();
    QVERIFY2(line->isOpen(), qPrintable(line->openFailure()));
    exchange = new AtExchange(*line);
    exchange->timTimeout.setInterval(600);
}

void TestAtExchange::cleanup()
{
    delete exchange;
    delete line;
    delete sim;
}

void TestAtExchange::completesOnFinalResult()
{
    const auto reply = exchange->SendAndWait(QStringLiteral("AT+CGMI"), exchange->timTimeout);
    QCOMPARE(reply.outcome, Outcome::Completed);
    QCOMPARE(reply.text, QStringLiteral("\r\nMitsubishi\r\n\r\nOK\r\n"));
    QVERIFY(!exchange->timTimeout.isActive());
    QCOMPARE(sim->transcript(), QList<QByteArray>{"AT+CGMI"});
}

void TestAtExchange::okWithoutLineEndKeepsWaiting()
{
    sim->setSplit("OK", 300);
    QElapsedTimer clock;
    clock.start();
    const auto reply = exchange->SendAndWait(QStringLiteral("AT"), exchange->timTimeout);
    QCOMPARE(reply.outcome, Outcome::Completed);
    QVERIFY2(clock.elapsed() >= 250, "ended on OK before its CR LF arrived");
    QVERIFY(reply.text.endsWith(QLatin1String("OK\r\n")));
}

void TestAtExchange::okLineInsideDataEndsEarly()
{
    sim->state().textMode = true;
    sim->state().messages.insert(
        1, {"REC READ", "+491701234567", "01/05/30,12:00:00+08", "Is that OK\r\nSee you"});
    sim->setSplit("that OK\r\n", 300);
    const auto reply =
        exchange->SendAndWait(QStringLiteral("at+cmgr=1"), exchange->timTimeout, true, {"+CMS ERROR"});
    QCOMPARE(reply.outcome, Outcome::Completed);
    QVERIFY(reply.text.contains(QLatin1String("Is that OK\r\n")));
    QVERIFY2(!reply.text.contains(QLatin1String("See you")),
             "the body line ending in OK should end the wait");
}

void TestAtExchange::errorRunsIntoTimeout()
{
    sim->failCommand("AT+CGMM", "ERROR");
    QElapsedTimer clock;
    clock.start();
    const auto reply = exchange->SendAndWait(QStringLiteral("AT+CGMM"), exchange->timTimeout);
    QCOMPARE(reply.outcome, Outcome::TimedOut);
    QVERIFY(clock.elapsed() >= 550);
    QVERIFY(reply.text.contains(QLatin1String("ERROR")));

    sim->failCommand("AT+CPBW=", "+CME ERROR: 21");
    const auto cme = exchange->SendAndWait(QStringLiteral("AT+CPBW=1"), exchange->timTimeout);
    QCOMPARE(cme.outcome, Outcome::TimedOut);
}

void TestAtExchange::closedPortTimesOut()
{
    line->deconnect();
    exchange->timTimeoutState.setInterval(300);
    QElapsedTimer clock;
    clock.start();
    const auto reply = exchange->SendAndWait(QStringLiteral("AT"), exchange->timTimeoutState);
    QCOMPARE(reply.outcome, Outcome::TimedOut);
    QVERIFY(clock.elapsed() >= 250);
    QVERIFY(reply.text.isEmpty());
    QVERIFY(sim->transcript().isEmpty());
}

void TestAtExchange::leftoverOkEndsNextNonDrainingExchange()
{
    exchange->sendWithoutWaiting(QStringLiteral("AT"));
    QSignalSpy arrived(line, &SerialLine::dataArrived);
    QVERIFY(arrived.wait(1000));
    sim->setReplyDelay(400);

    QElapsedTimer clock;
    clock.start();
    const auto reply = exchange->SendAndWait(QStringLiteral("AT+CGMI"), exchange->timTimeout);
    QCOMPARE(reply.outcome, Outcome::Completed);
    QVERIFY2(clock.elapsed() < 300, "the old OK should end the wait before the phone answers");
    QVERIFY(!reply.text.contains(QLatin1String("Mitsubishi")));
}

void TestAtExchange::drainingExchangeIgnoresLeftover()
{
    exchange->sendWithoutWaiting(QStringLiteral("AT"));
    QSignalSpy arrived(line, &SerialLine::dataArrived);
    QVERIFY(arrived.wait(1000));
    sim->setReplyDelay(200);

    const auto reply = exchange->SendAndWait(QStringLiteral("AT+CGMI"), exchange->timTimeout, true);
    QCOMPARE(reply.outcome, Outcome::Completed);
    QCOMPARE(reply.text, QStringLiteral("\r\nMitsubishi\r\n\r\nOK\r\n"));
}

void TestAtExchange::eachExchangeStartsItsTimerFromZero()
{
    // Each reply takes two thirds of the interval: a timer carried over from the first
    // command would cut the second one short.
    exchange->timTimeout.setInterval(1000);
    sim->setReplyDelay(650);
    const auto first = exchange->SendAndWait(QStringLiteral("AT"), exchange->timTimeout);
    const auto second = exchange->SendAndWait(QStringLiteral("AT+CGMI"), exchange->timTimeout);
    QCOMPARE(first.outcome, Outcome::Completed);
    QCOMPARE(second.outcome, Outcome::Completed);
    QVERIFY(second.text.contains(QLatin1String("Mitsubishi")));
}

void TestAtExchange::stopTokenEndsExchange()
{
    sim->state().textMode = true;
    const auto reply = exchange->SendAndWait(QStringLiteral("at+cmgr=3"), exchange->timTimeout, true,
                                             {QStringLiteral("+CMS ERROR: 321")});
    QCOMPARE(reply.outcome, Outcome::StopToken);
    QCOMPARE(reply.text, QStringLiteral("\r\n+CMS ERROR: 321\r\n"));
    QVERIFY(!exchange->timTimeout.isActive());
}

void TestAtExchange::bytesCrossTheLineOneByOne()
{
    // Windows-1252 both ways: ü goes out as 0xFC; the phone's 0x81 (its ü) comes back as U+0081.
    sim->state().simBook.insert(1, {"0301234", 129, "M\x81ller"});
    exchange->SendAndWait(QStringLiteral("AT+CPBS=\"SM\""), exchange->timTimeout);
    const auto reply = exchange->SendAndWait(QStringLiteral("AT+CPBR=1,255"), exchange->timTimeout);
    QCOMPARE(reply.outcome, Outcome::Completed);
    QVERIFY(reply.text.contains(QStringLiteral("\"M\u0081ller\"")));

    exchange->SendAndWait(QStringLiteral("AT+CPBW=2,\"0301\",129,\"J\u00fcrgen\""), exchange->timTimeout);
    QCOMPARE(sim->transcript().last(), QByteArray("AT+CPBW=2,\"0301\",129,\"J\xfcrgen\""));
}

void TestAtExchange::pauseLeavesTheLineAlone()
{
    exchange->sendWithoutWaiting(QStringLiteral("AT+CGMI"));
    QElapsedTimer clock;
    clock.start();
    exchange->Pause();
    QVERIFY(clock.elapsed() >= 280);
    QVERIFY(!exchange->timPause.isActive());
    QCOMPARE(line->input(), QStringLiteral("\r\nMitsubishi\r\n\r\nOK\r\n"));
}

void TestAtExchange::unsolicitedCodesLandInTheReply()
{
    sim->injectIntoNextReply("RING");
    const auto reply = exchange->SendAndWait(QStringLiteral("AT+CGMI"), exchange->timTimeout);
    QCOMPARE(reply.outcome, Outcome::Completed);
    QVERIFY(reply.text.contains(QLatin1String("RING")));
    QVERIFY(reply.text.contains(QLatin1String("Mitsubishi")));
}

void TestAtExchange::waitEndedByQuittingCountsAsUnanswered()
{
    // Neither the answer nor the time-out comes before the quit.
    sim->setReplyDelay(2000);
    exchange->timTimeout.setInterval(4000);
    QTimer::singleShot(100, [] { QCoreApplication::exit(0); });
    QElapsedTimer clock;
    clock.start();
    const auto reply = exchange->SendAndWait(QStringLiteral("AT+CGMI"), exchange->timTimeout);
    QCOMPARE(reply.outcome, Outcome::TimedOut);
    QVERIFY(clock.elapsed() < 1500);
    QVERIFY(!exchange->timTimeout.isActive());

    // Let event loops run again for whatever follows.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

QTEST_GUILESS_MAIN(TestAtExchange)
#include "tst_atexchange.moc"
