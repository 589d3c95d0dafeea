#include "framingchecks.h"
#include "testenvironment.h"

#include "link/atexchange.h"
#include "link/replyframing.h"
#include "link/serialline.h"
#include "simphone.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <utility>

static TestEnvironment environment;

using Outcome = AtExchange::Outcome;

class TestAtExchange : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void framing_data();
    void framing();
    void framingAgreesOnAnyLines();
    void completesOnFinalResult();
    void okWithoutLineEndKeepsWaiting();
    void textLinesThatReadAsResultsEndNothing();
    void refusalsEndTheWaitAtOnce_data();
    void refusalsEndTheWaitAtOnce();
    void closedPortTimesOut();
    void leftoverOnTheLineIsNotTheAnswer();
    void eachExchangeStartsItsTimerFromZero();
    void strayResultBeforeAnAnswerIsOutlasted();
    void pauseIsNeverShort();
    void timeOutsAreNeverEarly();
    void bytesCrossTheLineOneByOne();
    void pauseLeavesTheLineAlone();
    void writesArePacedToTheLinesSpeed();
    void unsolicitedCodesAreTakenOut_data();
    void unsolicitedCodesAreTakenOut();
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
    line->openPort();
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

void TestAtExchange::framing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result"); // empty: the reply has not ended
    QTest::addColumn<int>("end");        // where the reply ends

    const QString header = QStringLiteral("\r\n+CMGR: \"REC READ\",\"+4917\",,\"02/03/14,09:15:02+04\"\r\n");
    QTest::newRow("plain") << QStringLiteral("\r\nOK\r\n") << "OK" << 6;
    QTest::newRow("OK without its line end") << QStringLiteral("\r\nOK\r") << "" << 0;
    QTest::newRow("OK inside a line") << QStringLiteral("\r\nIs that OK\r\n") << "" << 0;
    QTest::newRow("echo before") << QStringLiteral("AT\r\r\nOK\r\n") << "OK" << 9;
    QTest::newRow("cme") << QStringLiteral("\r\n+CME ERROR: 21\r\n") << "+CME ERROR: 21" << 18;
    QTest::newRow("cms after info") << QStringLiteral("\r\n+CPMS: 1\r\n\r\n+CMS ERROR: 500\r\nxx")
                                    << "+CMS ERROR: 500" << 31;
    QTest::newRow("message text OK") << header + QStringLiteral("OK\r\n") << "" << 0;
    QTest::newRow("message text error") << header + QStringLiteral("+CMS ERROR: 500\r\n") << "" << 0;
    QTest::newRow("message then result")
        << header + QStringLiteral("OK\r\n\r\nOK\r\n") << "OK" << int(header.size()) + 10;
    QTest::newRow("paragraph then result")
        << header + QStringLiteral("Hi\r\n\r\nthere\r\n\r\nERROR\r\n") << "ERROR" << int(header.size()) + 22;
    QTest::newRow("RING is no result") << QStringLiteral("\r\nRING\r\n") << "" << 0;
    // A code between the header and its text, with its frame: the text still follows.
    const QString codeFirst = header + QStringLiteral("\r\n+CMTI: \"SM\",3\r\nOK\r\n");
    QTest::newRow("code before the text") << codeFirst << "" << 0;
    QTest::newRow("code before the text, then result")
        << codeFirst + QStringLiteral("\r\nOK\r\n") << "OK" << int(codeFirst.size()) + 6;
    QTest::newRow("text of a code sent unasked")
        << QStringLiteral("\r\n+CMT: \"+4917\",,\"02/03/14,09:15:02+04\"\r\nOK\r\n") << "" << 0;
}

void TestAtExchange::framing()
{
    QFETCH(QString, text);
    QFETCH(QString, result);
    QFETCH(int, end);
    const auto found = ReplyFraming::findEnd(text);
    QCOMPARE(found.has_value(), !result.isEmpty());
    if (found) {
        QCOMPARE(found->result, result);
        QCOMPARE(found->end, end);
    }
}

void TestAtExchange::framingAgreesOnAnyLines()
{
    const QStringList lines = {"",
                               "OK",
                               "ERROR",
                               "+CMS ERROR: 500",
                               "RING",
                               "+CMTI: \"SM\",3",
                               "+CREG: 1",
                               "+CMGR: \"REC READ\",\"+4917\",,\"02/03/14,09:15:02+04\"",
                               "+CMT: \"+4917\",,\"02/03/14,09:15:02+04\"",
                               "Hello",
                               "> "};
    QRandomGenerator random(29);
    for (int n = 0; n < 20000; ++n) {
        QString text;
        const int count = 1 + int(random.bounded(9));
        for (int k = 0; k < count; ++k)
            text += lines.at(int(random.bounded(lines.size()))) + QStringLiteral("\r\n");
        if (random.bounded(4) == 0)
            text.chop(1);
        const QString problem = framingDisagreement(text);
        QVERIFY2(problem.isEmpty(),
                 qPrintable(problem + QLatin1String(": ") +
                            QString(text).replace(QLatin1String("\r\n"), QLatin1String("|"))));
    }
}

void TestAtExchange::completesOnFinalResult()
{
    sim->injectUnsolicited("RING");
    const auto reply = exchange->SendAndWait(QStringLiteral("AT+CGMI"), exchange->timTimeout);
    QCOMPARE(reply.outcome, Outcome::Completed);
    QCOMPARE(reply.text, QStringLiteral("\r\nMitsubishi\r\n\r\nOK\r\n"));
    QCOMPARE(reply.result, QStringLiteral("OK"));
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

void TestAtExchange::textLinesThatReadAsResultsEndNothing()
{
    sim->state().textMode = true;
    sim->state().messages.insert(1, {"REC READ", "+491701234567", "01/05/30,12:00:00+08", "OK\r\nSee you"});
    sim->state().messages.insert(2, {"REC READ", "+491701234567", "01/05/30,12:00:00+08", "+CMS ERROR: 500"});
    sim->setSplit("OK\r\n", 300);
    const auto first = exchange->SendAndWait(QStringLiteral("at+cmgr=1"), exchange->timTimeout);
    QCOMPARE(first.outcome, Outcome::Completed);
    QVERIFY2(first.text.contains(QLatin1String("See you\r\n\r\nOK\r\n")), qPrintable(first.text));
    sim->setSplit("ERROR", 300);
    const auto second = exchange->SendAndWait(QStringLiteral("at+cmgr=2"), exchange->timTimeout);
    QCOMPARE(second.outcome, Outcome::Completed);
    QVERIFY(second.text.contains(QLatin1String("+CMS ERROR: 500\r\n\r\nOK\r\n")));
}

void TestAtExchange::refusalsEndTheWaitAtOnce_data()
{
    QTest::addColumn<QByteArray>("result");
    QTest::newRow("ERROR") << QByteArray("ERROR");
    QTest::newRow("CME") << QByteArray("+CME ERROR: 21");
    QTest::newRow("CMS") << QByteArray("+CMS ERROR: 321");
}

void TestAtExchange::refusalsEndTheWaitAtOnce()
{
    QFETCH(QByteArray, result);
    sim->failCommand("AT+CGMM", result);
    QElapsedTimer clock;
    clock.start();
    const auto reply = exchange->SendAndWait(QStringLiteral("AT+CGMM"), exchange->timTimeout);
    QCOMPARE(reply.outcome, Outcome::StopToken);
    QVERIFY(reply.refused() && reply.answered());
    QCOMPARE(reply.result, QString::fromLatin1(result));
    QCOMPARE(reply.command, QStringLiteral("AT+CGMM"));
    QVERIFY(clock.elapsed() < 400);
    QVERIFY(!exchange->timTimeout.isActive());
}

void TestAtExchange::closedPortTimesOut()
{
    line->closePort();
    exchange->timTimeoutState.setInterval(300);
    QElapsedTimer clock;
    clock.start();
    const auto reply = exchange->SendAndWait(QStringLiteral("AT"), exchange->timTimeoutState);
    QCOMPARE(reply.outcome, Outcome::TimedOut);
    QVERIFY(clock.elapsed() >= 250);
    QVERIFY(reply.text.isEmpty());
    QVERIFY(sim->transcript().isEmpty());
}

void TestAtExchange::leftoverOnTheLineIsNotTheAnswer()
{
    exchange->writeCommand(QStringLiteral("AT"));
    QSignalSpy arrived(line, &SerialLine::dataArrived);
    QVERIFY(arrived.wait(1000));
    sim->setReplyDelay(200);

    const auto reply = exchange->SendAndWait(QStringLiteral("AT+CGMI"), exchange->timTimeout);
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

void TestAtExchange::strayResultBeforeAnAnswerIsOutlasted()
{
    // The stray "OK" comes first and on its own; the real answer follows later.
    sim->state().textMode = true;
    sim->state().messages.insert(2, {"REC READ", "+491701234567", "01/05/30,12:00:00+08", "Hello"});
    sim->setReplyDelay(150);
    bool strayed = false;
    connect(sim, &simphone::SimPhone::commandReceived, this, [this, &strayed](const QByteArray &command) {
        if (command == "at+cmgr=2" && !std::exchange(strayed, true))
            sim->injectUnsolicited("OK");
    });
    const auto reply = exchange->SendAndWait(QStringLiteral("at+cmgr=2"), exchange->timTimeout,
                                             AtExchange::Expected::line(QStringLiteral("+CMGR:")));
    QCOMPARE(reply.outcome, Outcome::Completed);
    QVERIFY2(reply.text.contains(QLatin1String("Hello")), qPrintable(reply.text));
    const auto next = exchange->SendAndWait(QStringLiteral("AT+CGMM"), exchange->timTimeout);
    QVERIFY(next.text.contains(QLatin1String("Trium")));
}

void TestAtExchange::timeOutsAreNeverEarly()
{
    // A coarse timer may end a wait a twentieth early: an answer in time would be refused.
    sim->setUnplugged(true);
    for (QTimer *timer : {&exchange->timTimeout, &exchange->timTimeoutState}) {
        timer->setInterval(timer == &exchange->timTimeout ? 5000 : 1400);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(exchange->SendAndWait(QStringLiteral("AT"), *timer).timedOut());
        QVERIFY2(clock.nsecsElapsed() >= qint64(timer->interval()) * 1'000'000,
                 qPrintable(timer->objectName() + QLatin1Char(' ') + QString::number(clock.elapsed())));
    }
}

void TestAtExchange::pauseIsNeverShort()
{
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer clock;
        clock.start();
        exchange->Pause();
        QVERIFY2(clock.nsecsElapsed() >= 300'000'000, qPrintable(QString::number(clock.nsecsElapsed())));
    }
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
    exchange->writeCommand(QStringLiteral("AT+CGMI"));
    QElapsedTimer clock;
    clock.start();
    exchange->Pause();
    QVERIFY(clock.elapsed() >= 280);
    QVERIFY(!exchange->timPause.isActive());
    QCOMPARE(line->input(), QStringLiteral("\r\nMitsubishi\r\n\r\nOK\r\n"));
}

void TestAtExchange::writesArePacedToTheLinesSpeed()
{
    // 1152 bytes: 300 ms on the wire at 38400 bit/s, 100 ms at 115200.
    const QString text(1152, QLatin1Char(' '));
    QCOMPARE(line->baudRate(), SerialLine::DefaultBaud);
    line->write(text);
    const qint64 slow = line->msUntilSent();
    QTRY_VERIFY(!line->sending());
    line->setBaudRate(115200);
    line->write(text);
    const qint64 fast = line->msUntilSent();
    QTRY_VERIFY(!line->sending());
    QVERIFY2(slow >= 250 && slow <= 320, qPrintable(QString::number(slow)));
    QVERIFY2(fast >= 70 && fast <= 110, qPrintable(QString::number(fast)));
    line->write(QStringLiteral("\r"));
    exchange->SendAndWait(QStringLiteral("AT"), exchange->timTimeout);
}

void TestAtExchange::unsolicitedCodesAreTakenOut_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");

    QTest::newRow("RING framed") << "AT+CGMI"
                                 << "\r\nMitsubishi\r\n\r\nRING\r\n\r\nOK\r\n"
                                 << "\r\nMitsubishi\r\n\r\nOK\r\n";
    QTest::newRow("own +CREG kept, report dropped") << "AT+CREG?"
                                                    << "\r\n+CMTI: \"SM\",3\r\n\r\n+CREG: 2,1\r\n\r\nOK\r\n"
                                                    << "\r\n+CREG: 2,1\r\n\r\nOK\r\n";
    const QString header = QStringLiteral("\r\n+CMGR: \"REC READ\",\"0301\",,\"01/01/01,10:00:00+08\"\r\n");
    QTest::newRow("after a message text") << "at+cmgr=1" << header + "Hi\r\n\r\nRING\r\n\r\nOK\r\n"
                                          << header + "Hi\r\n\r\nOK\r\n";
    QTest::newRow("text that reads as one") << "at+cmgr=1" << header + "RING\r\n\r\nOK\r\n"
                                            << header + "RING\r\n\r\nOK\r\n";
    QTest::newRow("before a message text")
        << "at+cmgr=1" << header + "\r\n+CMTI: \"SM\",3\r\nOK\r\n\r\nOK\r\n"
        << header + "OK\r\n\r\nOK\r\n";
    QTest::newRow("a message sent unasked, whole")
        << "AT+CGMI"
        << "\r\n+CMT: \"+4917\",,\"02/03/14,09:15:02+04\"\r\nHello\r\n\r\nMitsubishi\r\n\r\nOK\r\n"
        << "\r\nMitsubishi\r\n\r\nOK\r\n";
}

void TestAtExchange::unsolicitedCodesAreTakenOut()
{
    QFETCH(QString, command);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QCOMPARE(ReplyFraming::withoutUnsolicited(text, ReplyFraming::ownPrefix(command)), kept);

    // On the line, in pieces, beside a reply.
    sim->injectIntoNextReply("RING");
    sim->injectUnsolicited("+CREG: 1");
    const auto reply = exchange->SendAndWait(QStringLiteral("AT+CGMI"), exchange->timTimeout);
    QCOMPARE(reply.outcome, Outcome::Completed);
    QCOMPARE(reply.text, QStringLiteral("\r\nMitsubishi\r\n\r\nOK\r\n"));
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
