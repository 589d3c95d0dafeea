#include "linkrig.h"
#include "testenvironment.h"

#include "sms/messagesender.h"
#include "sms/shortmessages.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

static TestEnvironment environment;

namespace {

const QString Centre = QStringLiteral("+491710760000");
const QString NoCentre = QStringLiteral("Please enter the number of your Service Center (SMSC)");

} // namespace

class TestMessageSender : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void transfers_data();
    void transfers();
    void refusals_data();
    void refusals();
    void phoneErrors_data();
    void phoneErrors();
    void timeOuts_data();
    void timeOuts();
    void promptTooLateLeavesNoTextEntry();
    void uploadAndSendKeepsTheStoresRefusal();
    void charactersThePhoneLacks_data();
    void charactersThePhoneLacks();
    void otherPhonesTakeAndGiveTextsInTheirCharacterSet();

private:
    OperationResult run(const QString &op, const QString &text, const QString &number, const QString &centre);
    LinkRig *rig = nullptr;
    MessageSender *sender = nullptr;
};

void TestMessageSender::init()
{
    rig = new LinkRig;
    QVERIFY(rig->started);
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();
    sender = new MessageSender(rig->link.exchange, rig->link.lock);
}

void TestMessageSender::cleanup()
{
    delete sender;
    delete rig;
}

OperationResult TestMessageSender::run(const QString &op, const QString &text, const QString &number,
                                       const QString &centre)
{
    if (op == QLatin1String("send"))
        return sender->send(text, number, centre);
    if (op == QLatin1String("upload"))
        return sender->upload(text, number);
    return sender->uploadAndSend(text, number, centre);
}

void TestMessageSender::transfers_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("centre");
    QTest::addColumn<QByteArrayList>("transcript");
    QTest::addColumn<QByteArrayList>("sent");
    QTest::addColumn<QByteArrayList>("stored");
    QTest::addColumn<QStringList>("boxes");

    const QStringList done{QStringLiteral("SMS succesfully send.")};
    const QByteArray umlauts = QByteArray("Gr\x81\xe1") + "e\r\naus \x9a";
    QTest::newRow("send in the phone's characters")
        << "send" << QStringLiteral("Grüße\r\naus Ü") << "+4917012" << Centre
        << QByteArrayList{"AT+CMGF=1", "AT+CSCA=\"+491710760000\"", "AT+CMGS=\"+4917012\"", umlauts + '\x1a'}
        << QByteArrayList{umlauts} << QByteArrayList{} << done;
    QTest::newRow("send empty text: Ctrl-Z alone")
        << "send" << QString() << "0171" << Centre
        << QByteArrayList{"AT+CMGF=1", "AT+CSCA=\"+491710760000\"", "AT+CMGS=\"0171\"", "\x1a"}
        << QByteArrayList{""} << QByteArrayList{} << done;
    QTest::newRow("store") << "upload" << QStringLiteral("Entwurf") << "0171" << QString()
                           << QByteArrayList{"AT+CMGF=1", "AT+CMGW=\"0171\"", "Entwurf\x1a"}
                           << QByteArrayList{} << QByteArrayList{"Entwurf"} << QStringList{};
    QTest::newRow("store without number: two quotes")
        << "upload" << QStringLiteral("x") << QString() << QString()
        << QByteArrayList{"AT+CMGF=1", "AT+CMGW=\"\"", "x\x1a"} << QByteArrayList{} << QByteArrayList{"x"}
        << QStringList{};
    QTest::newRow("store, then send refused without centre")
        << "both" << QStringLiteral("Nur hier") << "0171" << QString()
        << QByteArrayList{"AT+CMGF=1", "AT+CMGW=\"0171\"", "Nur hier\x1a"} << QByteArrayList{}
        << QByteArrayList{"Nur hier"} << QStringList{NoCentre};
    // Unmended, the Ctrl-Z would end the text and the phone would dial; ESC would cancel it.
    const QString hidden = QStringLiteral("Hi") + QChar(26) + QStringLiteral("ATD0123;\r") + QChar(27) + '!';
    QTest::newRow("send: no command hidden in the text")
        << "send" << hidden << "0171" << Centre
        << QByteArrayList{"AT+CMGF=1", "AT+CSCA=\"+491710760000\"", "AT+CMGS=\"0171\"", "HiATD0123;\r!\x1a"}
        << QByteArrayList{"HiATD0123;\r!"} << QByteArrayList{} << done;
    QTest::newRow("store: no command hidden in the text")
        << "upload" << hidden << "0171" << QString()
        << QByteArrayList{"AT+CMGF=1", "AT+CMGW=\"0171\"", "HiATD0123;\r!\x1a"} << QByteArrayList{}
        << QByteArrayList{"HiATD0123;\r!"} << QStringList{};
    QTest::newRow("quotes and CR never reach the command line")
        << "upload" << QStringLiteral("y") << "01\"\rATD1;" << QString()
        << QByteArrayList{"AT+CMGF=1", "AT+CMGW=\"01ATD1;\"", "y\x1a"} << QByteArrayList{}
        << QByteArrayList{"y"} << QStringList{};
}

void TestMessageSender::transfers()
{
    QFETCH(QString, op);
    QFETCH(QString, text);
    QFETCH(QString, number);
    QFETCH(QString, centre);
    QFETCH(QByteArrayList, transcript);
    QFETCH(QByteArrayList, sent);
    QFETCH(QByteArrayList, stored);
    QFETCH(QStringList, boxes);

    QElapsedTimer clock;
    clock.start();
    run(op, text, number, centre);
    // The pause stands in for the prompt.
    QVERIFY2(clock.elapsed() >= 250, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(rig->sim.transcript(), transcript);
    QByteArrayList sentBodies, storedBodies;
    for (const auto &m : rig->sim.state().sentMessages)
        sentBodies.append(m.body);
    for (const auto &m : rig->sim.state().messages)
        storedBodies.append(m.body);
    QCOMPARE(sentBodies, sent);
    QCOMPARE(storedBodies, stored);
    QCOMPARE(rig->boxes.texts(), boxes);
    QVERIFY(rig->sim.state().dialled.isEmpty());
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestMessageSender::refusals_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("centre");
    QTest::addColumn<QString>("box");

    QTest::newRow("send, no phone before the fields") << "send" << 0 << ""
                                                      << ""
                                                      << "Not Connected!";
    QTest::newRow("send, busy before the fields") << "send" << 24 << ""
                                                  << ""
                                                  << "Busy, try again...";
    QTest::newRow("send, centre before number") << "send" << 1 << ""
                                                << "" << NoCentre;
    QTest::newRow("send, number") << "send" << 1 << "" << Centre << "Please enter phonenumber.";
    QTest::newRow("store, no phone") << "upload" << 0 << ""
                                     << ""
                                     << "Not Connected!";
    QTest::newRow("store, busy") << "upload" << 60 << "1" << Centre << "Busy, try again...";
    QTest::newRow("both, busy twice") << "both" << 61 << "1" << Centre << "Busy, try again...";
}

void TestMessageSender::refusals()
{
    QFETCH(QString, op);
    QFETCH(int, action);
    QFETCH(QString, number);
    QFETCH(QString, centre);
    QFETCH(QString, box);

    rig->link.lock.setAction(qint16(action));
    run(op, QStringLiteral("Text"), number, centre);
    QCOMPARE(rig->boxes.texts().first(), box);
    QCOMPARE(rig->boxes.texts().size(), op == QLatin1String("both") ? 2 : 1);
    QVERIFY(rig->sim.transcript().isEmpty());
    QCOMPARE(rig->link.lock.action(), qint16(action));
}

void TestMessageSender::phoneErrors_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<QByteArray>("failing"); // command prefix, or empty for the text
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<int>("commands"); // lines the phone took
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("lateMs"); // the failing command is answered that late

    QTest::newRow("text refused on send") << "send" << QByteArray() << QByteArray("+CMS ERROR: 500") << 4
                                          << "SMS not sent: +CMS ERROR: 500" << 0;
    QTest::newRow("text refused on store") << "upload" << QByteArray() << QByteArray("+CMS ERROR: 500") << 3
                                           << "SMS not stored: +CMS ERROR: 500" << 0;
    QTest::newRow("text mode refused")
        << "upload" << QByteArray("AT+CMGF") << QByteArray("ERROR") << 1 << "SMS not stored: ERROR" << 0;
    QTest::newRow("centre refused") << "send" << QByteArray("AT+CSCA") << QByteArray("+CMS ERROR: 304") << 2
                                    << "SMS not sent: +CMS ERROR: 304" << 0;
    // The phone gave no prompt: the text, with its CR, would be read as command lines.
    QTest::newRow("send refused before the text")
        << "send" << QByteArray("AT+CMGS") << QByteArray("+CMS ERROR: 500") << 3
        << "SMS not sent: +CMS ERROR: 500" << 0;
    // Refused after the pause of the text: still no text goes.
    QTest::newRow("send refused late") << "send" << QByteArray("AT+CMGS") << QByteArray("+CMS ERROR: 330")
                                       << 3 << "SMS not sent: +CMS ERROR: 330" << 500;
    QTest::newRow("store refused late") << "upload" << QByteArray("AT+CMGW") << QByteArray("+CMS ERROR: 500")
                                        << 2 << "SMS not stored: +CMS ERROR: 500" << 350;
    QTest::newRow("memory full") << "upload" << QByteArray("full") << QByteArray() << 2
                                 << "SMS not stored: +CMS ERROR: 322" << 0;
}

void TestMessageSender::phoneErrors()
{
    QFETCH(QString, op);
    QFETCH(QByteArray, failing);
    QFETCH(QByteArray, result);
    QFETCH(int, commands);
    QFETCH(QString, box);
    QFETCH(int, lateMs);

    // A phone that takes a stray ESC into its command line and refuses the next command then.
    rig->sim.state().keepsControlBytes = true;
    if (lateMs > 0)
        rig->sim.delayCommand(failing, lateMs);
    if (failing == "full")
        rig->sim.state().messageCapacity = 0;
    else if (failing.isEmpty())
        rig->sim.failMessageText(result);
    else
        rig->sim.failCommand(failing, result);
    QElapsedTimer clock;
    clock.start();
    const OperationResult refused = run(op, QStringLiteral("x\rATD0123;\r"), QStringLiteral("0171"), Centre);
    // The result names what the box names: the command and the phone's error.
    QVERIFY(refused.is(OperationResult::Kind::Refused));
    const QString refusedCommand =
        failing.startsWith("AT") ? QString::fromLatin1(failing) : QStringLiteral("AT+CMG");
    QVERIFY2(refused.command.startsWith(refusedCommand) && box.endsWith(refused.error),
             qPrintable(refused.command + QLatin1Char(' ') + refused.error));
    // Refused at once: not waited out as a lost phone.
    QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(rig->boxes.texts(), QStringList{box});
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    QCOMPARE(rig->sim.transcript().size(), commands);
    QVERIFY(rig->sim.state().dialled.isEmpty());
    QVERIFY(rig->sim.state().sentMessages.isEmpty());
    QVERIFY(rig->sim.state().messages.isEmpty());

    // The line is in order for the next message.
    rig->sim.clearFailures();
    rig->sim.state().messageCapacity = 10;
    sender->uploadAndSend(QStringLiteral("Danach"), QStringLiteral("0171"), Centre);
    QCOMPARE(rig->sim.state().messages.value(1).body, QByteArray("Danach"));
    QCOMPARE(rig->sim.state().sentMessages.size(), 1);
    QCOMPARE(rig->boxes.texts().last(), QStringLiteral("SMS succesfully send."));
}

void TestMessageSender::uploadAndSendKeepsTheStoresRefusal()
{
    rig->sim.failCommand("AT+CMGW", "+CMS ERROR: 322");
    const OperationResult both =
        sender->uploadAndSend(QStringLiteral("Beides"), QStringLiteral("0171"), Centre);
    // The send went ahead; the store's refusal is still what the whole reports.
    QCOMPARE(rig->sim.state().sentMessages.size(), 1);
    QVERIFY(both.is(OperationResult::Kind::Refused));
    QVERIFY2(both.command.startsWith(QLatin1String("AT+CMGW")), qPrintable(both.command));
    QCOMPARE(both.error, QStringLiteral("+CMS ERROR: 322"));
}

void TestMessageSender::timeOuts_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<QByteArray>("failing");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<qint16>("action");

    const qint16 gone = OperationLock::NoPhone;
    QTest::newRow("send, phone gone") << "send" << QByteArray() << QStringList{} << gone;
    QTest::newRow("send after a store that timed out")
        << "both" << QByteArray() << QStringList{QStringLiteral("Not Connected!")} << gone;
    // Any final error is a refusal, named at once; the phone is still there.
    QTest::newRow("text answered +CME ERROR")
        << "send" << QByteArray("+CME ERROR: 100")
        << QStringList{QStringLiteral("SMS not sent: +CME ERROR: 100")} << qint16(OperationLock::Idle);
}

void TestMessageSender::timeOuts()
{
    QFETCH(QString, op);
    QFETCH(QByteArray, failing);
    QFETCH(QStringList, boxes);
    QFETCH(qint16, action);

    // Longer than the pause before the text, which the prompt's wait includes.
    rig->link.exchange.timTimeout.setInterval(600);
    if (failing.isEmpty())
        rig->sim.setUnplugged(true);
    else
        rig->sim.failMessageText(failing);
    run(op, QStringLiteral("Text"), QStringLiteral("0171"), Centre);
    QCOMPARE(rig->boxes.texts(), boxes);
    QCOMPARE(rig->link.lock.action(), action);
}

void TestMessageSender::promptTooLateLeavesNoTextEntry()
{
    rig->link.exchange.timTimeout.setInterval(400);
    rig->sim.delayCommand("AT+CMGW", 700);
    sender->upload(QStringLiteral("Hi\nATD0900123;"), QStringLiteral("0171"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::NoPhone));
    // The phone is taken out of its text entry and found again; nothing it took ran or stayed.
    QTRY_COMPARE_WITH_TIMEOUT(rig->link.lock.action(), qint16(OperationLock::Idle), 5000);
    QVERIFY(rig->sim.state().dialled.isEmpty());
    QVERIFY(rig->sim.state().messages.isEmpty());
    rig->sim.clearFailures();
    sender->upload(QStringLiteral("Danach"), QStringLiteral("0171"));
    QCOMPARE(rig->sim.state().messages.value(1).body, QByteArray("Danach"));
}

void TestMessageSender::charactersThePhoneLacks_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QByteArray>("body"); // what the phone got; empty: nothing
    const QString asked = QStringLiteral("The phone cannot show \u0142 \u20AC \U0001F600; it would get \"?\" "
                                         "instead. %1 the message anyway?");
    const QString text = QStringLiteral("Cze\u015B\u0107 \u0142\u20AC\u00E9\U0001F600 \u00FC\U0001F600");
    const QByteArray fitted = "Czesc ??\x82? \x81?";
    QTest::newRow("send, yes") << "send" << text << true << QStringList{asked.arg("Send")} << fitted;
    QTest::newRow("send, no") << "send" << text << false << QStringList{asked.arg("Send")} << QByteArray();
    QTest::newRow("store, yes") << "upload" << text << true << QStringList{asked.arg("Store")} << fitted;
    QTest::newRow("both, one question")
        << "both" << text << true << QStringList{asked.arg("Store and send")} << fitted;
    // Accents alone cost no question: the base letters stand in.
    QTest::newRow("accents only") << "send" << QStringLiteral("Caf\u00E9 Dvo\u0159\u00E1k") << false
                                  << QStringList{} << QByteArray("Caf\x82 Dvor\xa0k");
}

void TestMessageSender::charactersThePhoneLacks()
{
    QFETCH(QString, op);
    QFETCH(QString, text);
    QFETCH(bool, answer);
    QFETCH(QStringList, questions);
    QFETCH(QByteArray, body);
    rig->boxes.answers = {answer};
    run(op, text, QStringLiteral("0171"), Centre);
    QStringList texts;
    for (const auto &question : rig->boxes.asked)
        texts.append(question.first);
    QCOMPARE(texts, questions);
    const QByteArray stored = rig->sim.state().messages.value(1).body;
    const QByteArray sent = rig->sim.state().sentMessages.value(0).body;
    QCOMPARE(op == QLatin1String("upload") ? stored : sent, body);
    if (body.isEmpty())
        QVERIFY(rig->sim.transcript().isEmpty());
}

void TestMessageSender::otherPhonesTakeAndGiveTextsInTheirCharacterSet()
{
    LinkRig other;
    QVERIFY(other.started);
    simphone::PhoneState &phone = other.sim.state();
    phone.manufacturer = "Nokia";
    phone.heldSet = "UTF-8";
    phone.characterSets = {"GSM", "UCS2"};
    phone.messageCapacity = 3;
    phone.messages.insert(1, {"REC READ", "+79161234567", "24/03/01,10:00:00+12", "Привет!\r\n你好 😀"});
    QVERIFY(other.startAndConnect());
    QCOMPARE(other.link.supervisor.profile().characterSet, QStringLiteral("UCS2"));

    MessageSender sending(other.link.exchange, other.link.lock);
    const QString text = QStringLiteral("Ёлка, 木 & 😀\r\nзавтра");
    QVERIFY(sending.send(text, QStringLiteral("+4917012"), Centre).succeeded());
    QCOMPARE(phone.sentMessages.constLast().address, QByteArray("+4917012"));
    QCOMPARE(QString::fromUtf8(phone.sentMessages.constLast().body), text);
    QVERIFY(sending.upload(text, QStringLiteral("+4917012")).succeeded());
    QCOMPARE(QString::fromUtf8(phone.messages.value(2).body), text);

    QTemporaryDir dir;
    ShortMessages reading(other.link.exchange, other.link.lock, other.link.supervisor, other.link.settings,
                          dir.filePath(QStringLiteral("quenda.lst")));
    QVERIFY(reading.SMSDownload(ShortMessages::ArchiveStep::Skip).succeeded());
    const QList<SMSRecord> read = reading.messages().bySlot();
    QCOMPARE(read.size(), 2);
    QCOMPARE(read.at(0).number, QStringLiteral("+79161234567"));
    QCOMPARE(read.at(0).text, QStringLiteral("Привет!\r\n你好 😀"));
    QCOMPARE(read.at(1).text, text);
}

QTEST_GUILESS_MAIN(TestMessageSender)
#include "tst_messagesender.moc"
