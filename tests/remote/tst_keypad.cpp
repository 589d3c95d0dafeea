#include "linkrig.h"
#include "testenvironment.h"

#include "remote/keyrelay.h"
#include "remote/texttokeys.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <utility>

static TestEnvironment environment;

using Mode = TextToKeys::Mode;
using Keys = QList<QByteArray>;
using Gaps = QList<int>;

namespace {

// Coarse timers may fire a little early.
constexpr int Tolerance = 30;

} // namespace

class TestKeypad : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void sendKey_data();
    void sendKey();
    void sendKeysPausesBetweenKeysOnly();
    void sendKeysStopsAtFirstFailure_data();
    void sendKeysStopsAtFirstFailure();

    void charToKey_data();
    void charToKey();

    void textChanged_data();
    void textChanged();
    void typedDuringRunIsSent_data();
    void typedDuringRunIsSent();
    void pausesAfterPressesAndCharacter_data();
    void pausesAfterPressesAndCharacter();

private:
    // What the phone received of AT+CKPD, each when it arrived (ms since start of the test).
    void recordKeyCommands();
    Keys keyCommands() const;

    LinkRig *rig = nullptr;
    KeyRelay *relay = nullptr;
    TextToKeys *text = nullptr;
    Mode mode = Mode::Predictive;
    QElapsedTimer clock;
    QList<qint64> keyTimes;
};

void TestKeypad::init()
{
    rig = new LinkRig;
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();
    relay = new KeyRelay(rig->link.exchange, rig->link.lock);
    text = new TextToKeys(rig->link.exchange, rig->link.lock);
    mode = Mode::Predictive;
    text->setModeSource([this] { return mode; });
    keyTimes.clear();
    clock.start();
    recordKeyCommands();
}

void TestKeypad::cleanup()
{
    delete text;
    delete relay;
    delete rig;
}

void TestKeypad::recordKeyCommands()
{
    QObject::connect(&rig->sim, &simphone::SimPhone::commandReceived, &rig->sim,
                     [this](const QByteArray &line) {
                         if (line.startsWith("AT+CKPD="))
                             keyTimes.append(clock.elapsed());
                     });
}

Keys TestKeypad::keyCommands() const
{
    Keys commands;
    for (const QByteArray &line : rig->sim.transcript()) {
        if (line.startsWith("AT+CKPD="))
            commands.append(line);
    }
    return commands;
}

void TestKeypad::sendKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<qint16>("pressTime");
    QTest::addColumn<qint16>("action");
    QTest::addColumn<bool>("acknowledged");
    QTest::addColumn<qint16>("pressTimeAfter");
    QTest::addColumn<Keys>("pressed");
    QTest::addColumn<QStringList>("messages");

    const qint16 idle = OperationLock::Idle;
    QTest::newRow("one") << "1" << qint16(1) << idle << true << qint16(1) << Keys{"\"1\",1"} << QStringList();
    QTest::newRow("zero raised") << "e" << qint16(0) << idle << true << qint16(1) << Keys{"\"e\",1"}
                                 << QStringList();
    QTest::newRow("negative raised") << "p" << qint16(-5) << idle << true << qint16(1) << Keys{"\"p\",1"}
                                     << QStringList();
    QTest::newRow("long hash") << "#" << qint16(11) << idle << true << qint16(11) << Keys{"\"#\",11"}
                               << QStringList();
    QTest::newRow("busy") << "1" << qint16(0) << qint16(OperationLock::LoadingRingtones) << false << qint16(0)
                          << Keys() << QStringList{"Busy, try again..."};
    QTest::newRow("own key running") << "1" << qint16(1) << qint16(OperationLock::SendingKeys) << false
                                     << qint16(1) << Keys() << QStringList{"Busy, try again..."};
    QTest::newRow("no phone") << "1" << qint16(1) << qint16(OperationLock::NoPhone) << false << qint16(1)
                              << Keys() << QStringList{"Not Connected!"};
}

void TestKeypad::sendKey()
{
    QFETCH(QString, key);
    QFETCH(qint16, pressTime);
    QFETCH(qint16, action);
    QFETCH(bool, acknowledged);
    QFETCH(qint16, pressTimeAfter);
    QFETCH(Keys, pressed);
    QFETCH(QStringList, messages);

    rig->link.lock.setAction(action);
    QCOMPARE(relay->SendKey(key, pressTime).succeeded(), acknowledged);
    QCOMPARE(pressTime, pressTimeAfter);
    QCOMPARE(rig->sim.state().keysPressed, pressed);
    QCOMPARE(rig->boxes.texts(), messages);
    QCOMPARE(rig->link.lock.action(), acknowledged ? qint16(OperationLock::Idle) : action);
}

void TestKeypad::sendKeysPausesBetweenKeysOnly()
{
    QSignalSpy pauses(&rig->link.exchange.timPause, &QTimer::timeout);
    QVERIFY(relay->SendKeys({"*", "#", "0", "6", "#"}));
    QCOMPARE(rig->sim.state().keysPressed, Keys({"\"*\",1", "\"#\",1", "\"0\",1", "\"6\",1", "\"#\",1"}));
    QCOMPARE(keyTimes.size(), 5);
    for (int i = 1; i < keyTimes.size(); ++i)
        QVERIFY2(keyTimes.at(i) - keyTimes.at(i - 1) >= 300 - Tolerance, qPrintable(QString::number(i)));
    // Counted, not timed: a busy machine may take its time after the last key.
    QCOMPARE(pauses.count(), 4);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestKeypad::sendKeysStopsAtFirstFailure_data()
{
    QTest::addColumn<bool>("timeOut");
    QTest::addColumn<Keys>("commands");
    QTest::addColumn<qint16>("action");
    QTest::addColumn<QStringList>("messages");

    // Another operation takes the line during the first pause.
    QTest::newRow("refused") << false << Keys{"AT+CKPD=\"*\",1"} << qint16(OperationLock::LoadingRingtones)
                             << QStringList{"Busy, try again..."};
    QTest::newRow("time-out") << true << Keys({"AT+CKPD=\"*\",1", "AT+CKPD=\"#\",1"})
                              << qint16(OperationLock::NoPhone) << QStringList();
}

void TestKeypad::sendKeysStopsAtFirstFailure()
{
    QFETCH(bool, timeOut);
    QFETCH(Keys, commands);
    QFETCH(qint16, action);
    QFETCH(QStringList, messages);

    rig->link.exchange.timPause.setInterval(30);
    rig->link.exchange.timTimeout.setInterval(300);
    if (timeOut) {
        rig->sim.delayCommand("AT+CKPD=\"#\"", 1000);
    } else {
        QObject::connect(&rig->link.lock, &OperationLock::actionChanged, this, [this, action](qint16 now) {
            if (now == OperationLock::Idle)
                QTimer::singleShot(0, this, [this, action] { rig->link.lock.setAction(action); });
        });
    }
    QVERIFY(!relay->SendKeys({"*", "#", "0", "6", "#"}));
    QCOMPARE(keyCommands(), commands);
    QCOMPARE(rig->link.lock.action(), action);
    QCOMPARE(rig->boxes.texts(), messages);
}

void TestKeypad::charToKey_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("presses");

    const struct
    {
        char16_t character;
        const char *key;
        int presses;
    } rows[] = {
        // clang-format off
        {u'?', "1", 8}, {u':', "1", 7}, {u'@', "1", 6}, {u'\'', "1", 5}, {u'-', "1", 4}, {u',', "1", 3},
        {u'.', "1", 2}, {u' ', "#", 1}, {u'a', "2", 1}, {u'b', "2", 2},  {u'c', "2", 3}, {0xe4, "2", 5},
        {u'd', "3", 1}, {u'e', "3", 2}, {u'f', "3", 3}, {u'g', "4", 1},  {u'h', "4", 2}, {u'i', "4", 3},
        {u'j', "5", 1}, {u'k', "5", 2}, {u'l', "5", 3}, {u'm', "6", 1},  {u'n', "6", 2}, {u'o', "6", 3},
        {0xf6, "6", 5}, {u'p', "7", 1}, {u'q', "7", 2}, {u'r', "7", 3},  {u's', "7", 4}, {0xdf, "7", 6},
        {u't', "8", 1}, {u'u', "8", 2}, {u'v', "8", 3}, {0xfc, "8", 5},  {u'w', "9", 1}, {u'x', "9", 2},
        {u'y', "9", 3}, {u'z', "9", 4},
        // Not in the table: the character is its own key, pressed once.
        {u'B', "B", 1}, {0xc4, "\xc3\x84", 1}, {u'7', "7", 1}, {u'#', "#", 1}, {u'!', "!", 1},
        // clang-format on
    };
    for (const auto &row : rows) {
        const QString character(QChar(row.character));
        QTest::newRow(qPrintable(QStringLiteral("U+%1").arg(int(row.character), 4, 16, QLatin1Char('0'))))
            << character << QString::fromUtf8(row.key) << row.presses;
    }
}

void TestKeypad::charToKey()
{
    QFETCH(QString, character);
    QFETCH(QString, key);
    QFETCH(int, presses);

    QString converted = character;
    int count = 1;
    TextToKeys::CharToKey(converted, count);
    QCOMPARE(converted, key);
    QCOMPARE(count, presses);
}

void TestKeypad::textChanged_data()
{
    QTest::addColumn<Mode>("entry");
    QTest::addColumn<qint16>("action");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<Keys>("pressed");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<qint16>("actionAfter");

    const qint16 idle = OperationLock::Idle;
    const Keys none;
    const QStringList quiet;
    QTest::newRow("b multi-tap") << Mode::MultiTap << idle << ""
                                 << "b" << Keys{"\"2\"", "\"2\"", "\">\""} << quiet << idle;
    QTest::newRow("b predictive") << Mode::Predictive << idle << ""
                                  << "b" << Keys{"\"2\""} << quiet << idle;
    QTest::newRow("space") << Mode::Predictive << idle << "a"
                           << "a " << Keys{"\"#\""} << quiet << idle;
    QTest::newRow("? multi-tap") << Mode::MultiTap << idle << ""
                                 << "?" << Keys(8, "\"1\"") + Keys{"\">\""} << quiet << idle;
    QTest::newRow("digit") << Mode::MultiTap << idle << ""
                           << "5" << Keys{"\"5\"", "\">\""} << quiet << idle;
    QTest::newRow("pasted") << Mode::MultiTap << idle << ""
                            << "ab" << Keys{"\"2\"", "\">\"", "\"2\"", "\"2\"", "\">\""} << quiet << idle;
    QTest::newRow("inserted in middle") << Mode::Predictive << idle << "ad"
                                        << "agd" << Keys{"\"4\""} << quiet << idle;
    QTest::newRow("pasted in middle") << Mode::Predictive << idle << "ad"
                                      << "agmd" << Keys{"\"4\"", "\"6\""} << quiet << idle;
    QTest::newRow("doubled letter") << Mode::Predictive << idle << "ad"
                                    << "add" << Keys{"\"3\""} << quiet << idle;
    QTest::newRow("replaced") << Mode::Predictive << idle << "ad"
                              << "ag" << Keys{"\"4\""} << quiet << idle;
    QTest::newRow("deleted") << Mode::Predictive << idle << "abc"
                             << "ac" << none << quiet << idle;
    QTest::newRow("no phone") << Mode::Predictive << qint16(OperationLock::NoPhone) << ""
                              << "a" << none << QStringList{"Not Connected!"}
                              << qint16(OperationLock::NoPhone);
    QTest::newRow("busy") << Mode::Predictive << qint16(OperationLock::LoadingSMs) << ""
                          << "a" << none << quiet << qint16(OperationLock::LoadingSMs);
    // The phone refuses upper-case keys; the run says so and drops the rest.
    QTest::newRow("upper-case") << Mode::Predictive << idle << ""
                                << "Ab" << none << QStringList{"The phone refused \"AT+CKPD=\"A\"\": ERROR"}
                                << idle;
}

void TestKeypad::textChanged()
{
    QFETCH(Mode, entry);
    QFETCH(qint16, action);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(Keys, pressed);
    QFETCH(QStringList, messages);
    QFETCH(qint16, actionAfter);

    rig->link.exchange.timPause.setInterval(20);
    rig->link.exchange.timTimeout.setInterval(300);
    mode = entry;
    text->SendKeysToME = before;
    rig->link.lock.setAction(action);
    text->textChanged(after);
    QCOMPARE(text->SendKeysToME, after);
    QCOMPARE(rig->sim.state().keysPressed, pressed);
    QCOMPARE(rig->boxes.texts(), messages);
    QCOMPARE(rig->link.lock.action(), actionAfter);
    // The next character typed once the line is free is the only one sent: nothing left over.
    rig->link.lock.setAction(OperationLock::Idle);
    mode = Mode::Predictive;
    text->textChanged(after + QLatin1Char('d'));
    QCOMPARE(rig->sim.state().keysPressed, pressed + Keys{"\"3\""});
}

void TestKeypad::typedDuringRunIsSent_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<Keys>("pressed");

    QTest::newRow("typed") << QStringList{"ad"} << Keys{"\"2\"", "\"3\""};
    QTest::newRow("typed twice") << QStringList{"ad", "adg"} << Keys{"\"2\"", "\"3\"", "\"4\""};
    QTest::newRow("pasted") << QStringList{"adgm"} << Keys{"\"2\"", "\"3\"", "\"4\"", "\"6\""};
    QTest::newRow("inserted before") << QStringList{"ga"} << Keys{"\"2\"", "\"4\""};
    QTest::newRow("deleted then typed") << QStringList{"", "g"} << Keys{"\"2\"", "\"4\""};
}

void TestKeypad::typedDuringRunIsSent()
{
    QFETCH(QStringList, edits);
    QFETCH(Keys, pressed);

    rig->link.exchange.timPause.setInterval(20);
    QObject::connect(&rig->sim, &simphone::SimPhone::commandReceived, this,
                     [this, edits, edited = false]() mutable {
                         if (std::exchange(edited, true))
                             return;
                         // Still inside the run; none of these may start a second one.
                         for (const QString &edit : edits)
                             text->textChanged(edit);
                         QCOMPARE(rig->link.lock.action(), qint16(OperationLock::SendingKeys));
                     });
    text->textChanged(QStringLiteral("a"));
    QCOMPARE(rig->sim.state().keysPressed, pressed);
    QCOMPARE(text->SendKeysToME, edits.last());
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestKeypad::pausesAfterPressesAndCharacter_data()
{
    QTest::addColumn<Mode>("entry");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Gaps>("gaps"); // least time after each key command, the last up to the return

    QTest::newRow("b multi-tap") << Mode::MultiTap << "b" << Gaps{300, 300, 300};
    QTest::newRow("b predictive") << Mode::Predictive << "b" << Gaps{600};
    QTest::newRow("ad predictive") << Mode::Predictive << "ad" << Gaps{600, 600};
}

void TestKeypad::pausesAfterPressesAndCharacter()
{
    QFETCH(Mode, entry);
    QFETCH(QString, typed);
    QFETCH(Gaps, gaps);

    mode = entry;
    text->textChanged(typed);
    keyTimes.append(clock.elapsed());
    QCOMPARE(keyTimes.size(), gaps.size() + 1);
    for (int i = 0; i < gaps.size(); ++i) {
        const qint64 gap = keyTimes.at(i + 1) - keyTimes.at(i);
        QVERIFY2(gap >= gaps.at(i) - Tolerance, qPrintable(QStringLiteral("%1: %2 ms").arg(i).arg(gap)));
    }
}

QTEST_GUILESS_MAIN(TestKeypad)
#include "tst_keypad.moc"
