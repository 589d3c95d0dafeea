// The simulated phone seen from the client's side of a real pseudo-terminal: byte-exact
// framing per command group, echo, and every fault it can play.

#include "simphone.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <memory>

using simphone::SimPhone;

namespace {

constexpr int timeoutMs = 3000;

// One exchange of a script: the bytes written (with their own CR or Ctrl-Z) and
// exactly what must come back.
struct Step
{
    QByteArray send;
    QByteArray expect;
};
using Script = QList<Step>;

QByteArray ok(const QByteArray &block = {})
{
    return block.isEmpty() ? QByteArray("\r\nOK\r\n") : "\r\n" + block + "\r\n\r\nOK\r\n";
}

QByteArray framed(const QByteArray &line)
{
    return "\r\n" + line + "\r\n";
}

// The other end of the cable, opened as Quenda opens it.
class Client : public QObject
{
public:
    Client()
    {
        connect(&port, &QSerialPort::readyRead, this, [this] {
            const QByteArray bytes = port.readAll();
            received += bytes;
            chunks.append(bytes);
        });
    }

    bool open(const QString &path)
    {
        port.setPortName(path);
        port.setBaudRate(QSerialPort::Baud38400);
        port.setDataBits(QSerialPort::Data8);
        port.setParity(QSerialPort::NoParity);
        port.setStopBits(QSerialPort::OneStop);
        port.setFlowControl(QSerialPort::NoFlowControl);
        return port.open(QIODevice::ReadWrite);
    }

    void send(const QByteArray &bytes) { port.write(bytes); }

    // Returns as soon as count bytes are in, or false at the deadline.
    bool waitForBytes(int count, int timeout)
    {
        const QDeadlineTimer deadline(timeout);
        while (received.size() < count) {
            QSignalSpy spy(&port, &QSerialPort::readyRead);
            if (!spy.wait(int(deadline.remainingTime())))
                return false;
        }
        return true;
    }

    QByteArray take()
    {
        chunks.clear();
        return std::exchange(received, {});
    }

    QSerialPort port;
    QByteArray received;
    QList<QByteArray> chunks;
};

} // namespace

Q_DECLARE_METATYPE(Script)

class TestSimPhone : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void echoFollowsAte();
    void identityAndNetwork_data();
    void identityAndNetwork();
    void notRegistered();
    void phonebook_data();
    void phonebook();
    void messages_data();
    void messages();
    void sentAndCancelledMessages();
    void textBeforePrompt();
    void fullMessageMemory();
    void melodies_data();
    void melodies();
    void melodyUploadStoresLines();
    void keypadAndCalls();
    void transcriptAndSignal();
    void strayBytesBetweenLines();

    void unplugged();
    void closedAndReopenedLine();
    void failedCommands();
    void refusedMessageTexts();
    void replyDelay();
    void splitReply();
    void pacedLikeACable();
    void lateCommandsAndSlowReading();
    void strayCodesComeBesideReplies();
    void unsolicitedBetweenReplies();
    void unsolicitedInsideReply();
    void garbage();
    void fullMaster();
    void otherManufacturer();

    void demoScenario();
    void scenarioErrorsLeaveStateAlone();
    void scenarioCutsLongNames();
    void melodyFiles_data();
    void melodyFiles();
    void standaloneProgram();

private:
    // Runs the steps in order; each reply must match exactly, and nothing may trail the last.
    void run(const Script &script);
    void expect(const QByteArray &send, const QByteArray &reply);
    void seedPhonebook();
    void seedMessages();

    std::unique_ptr<SimPhone> phone;
    std::unique_ptr<Client> client;
};

void TestSimPhone::init()
{
    phone = std::make_unique<SimPhone>();
    QVERIFY2(phone->start(), qPrintable(phone->errorString()));
    client = std::make_unique<Client>();
    QVERIFY2(client->open(phone->devicePath()), qPrintable(client->port.errorString()));
}

void TestSimPhone::cleanup()
{
    client.reset();
    phone.reset();
}

void TestSimPhone::expect(const QByteArray &send, const QByteArray &reply)
{
    client->take();
    client->send(send);
    client->waitForBytes(reply.size(), timeoutMs);
    QCOMPARE(client->received, reply);
}

void TestSimPhone::run(const Script &script)
{
    for (const Step &step : script) {
        expect(step.send, step.expect);
        if (QTest::currentTestFailed()) {
            qWarning() << "at step" << step.send;
            return;
        }
    }
    expect("AT\r", phone->state().echo ? "AT\r" + ok() : ok());
}

void TestSimPhone::seedPhonebook()
{
    auto &sim = phone->state().simBook;
    sim.insert(1, {"+4917012345678", 145, "Anna"});
    sim.insert(3, {"0891234", 129, "M\x81ller"});
}

void TestSimPhone::seedMessages()
{
    auto &m = phone->state().messages;
    m.insert(1, {"REC READ", "+4917012345678", "02/03/14,09:15:02+04", "Hallo"});
    m.insert(2, {"REC UNREAD", "0891234", "01/06/15,12:34:56+08", "Neu"});
    m.insert(4, {"STO SENT", "0171", "", "Gesendet"});
    m.insert(5, {"STO UNSENT", "", "", "Entwurf"});
    m.insert(6, {"REC READ", "+33612345678", "02/01/01,00:00:01+00", "Zeile 1\r\nZeile 2\r\n\x8e"});
}

void TestSimPhone::echoFollowsAte()
{
    run({
        {"AT\r", "AT\r" + ok()},
        {"ATE0\r", "ATE0\r" + ok()},
        {"AT\r", ok()},
        {"ATE1\r", ok()},
        {"at+cgmi\r", "at+cgmi\r" + ok("Mitsubishi")},
        {"ATE\r", "ATE\r" + ok()},
        {"AT+CGMM\r", ok("Trium Mars")},
    });
    QVERIFY(!phone->state().echo);
}

void TestSimPhone::identityAndNetwork_data()
{
    QTest::addColumn<Script>("script");

    QTest::newRow("handshake") << Script{
        {"AT+CGMI\r", ok("Mitsubishi")},
        {"AT+CSCS=\"PCCP437\"\r", ok()},
        {"AT+CREG=0\r", ok()},
        {"ATE0\r", ok()},
        {"AT+CPMS?\r", ok("+CPMS: \"SM\",0,10,\"SM\",0,10")},
        {"AT+CPBW=?\r", ok("+CPBW: (1-250),40,(129,145),16")},
    };
    QTest::newRow("character set is kept") << Script{
        {"AT+CSCS?\r", ok("+CSCS: \"IRA\"")},     {"AT+CSCS=\"PCCP437\"\r", ok()},
        {"AT+CSCS?\r", ok("+CSCS: \"PCCP437\"")}, {"AT+CSCS=\"KLINGON\"\r", framed("ERROR")},
        {"AT+CSCS?\r", ok("+CSCS: \"PCCP437\"")},
    };
    QTest::newRow("names in any case") << Script{
        {"at+cgmi\r", ok("Mitsubishi")},
        {"At+CgMm\r", ok("Trium Mars")},
        {"aT+cImI\r", ok("262011234567890")},
        {"at+cgsn\r", ok("350123456789012")},
    };
    QTest::newRow("registration with location") << Script{
        {"AT+CREG?\r", ok("+CREG: 0,1")},
        {"AT+CREG=2\r", ok()},
        {"AT+CREG?\r", ok("+CREG: 2,1,\"00C3\",\"1A2B\"")},
        {"AT+CREG=0\r", ok()},
        {"AT+CREG?\r", ok("+CREG: 0,1")},
        {"AT+CREG=3\r", framed("ERROR")},
    };
    QTest::newRow("operator by the last format") << Script{
        {"AT+COPS?\r", ok("+COPS: 0,0,\"D1-TELEKOM\"")}, {"AT+COPS=3,2\r", ok()},
        {"AT+COPS?\r", ok("+COPS: 0,2,\"26201\"")},      {"AT+COPS=3,0\r", ok()},
        {"AT+COPS?\r", ok("+COPS: 0,0,\"D1-TELEKOM\"")}, {"AT+COPS=3,7\r", framed("ERROR")},
    };
    QTest::newRow("battery") << Script{
        {"AT+CBC\r", ok("+CBC: 0,3")},
    };
    QTest::newRow("unknown gets ERROR") << Script{
        {"AT+CFOO\r", framed("ERROR")}, {"AT+CGMI=1\r", framed("ERROR")}, {"HELLO\r", framed("ERROR")},
        {"ATX\r", framed("ERROR")},     {"AT~MMYX=1\r", framed("ERROR")},
    };
}

void TestSimPhone::identityAndNetwork()
{
    QFETCH(Script, script);
    phone->state().echo = false;
    run(script);
}

void TestSimPhone::notRegistered()
{
    phone->state().echo = false;
    phone->state().registration = 2;
    run({
        {"AT+CREG=2\r", ok()},
        {"AT+CREG?\r", ok("+CREG: 2,2")},
        {"AT+COPS?\r", ok("+COPS: 0")},
    });
    phone->state().registration = 5;
    phone->state().operatorName.clear();
    run({
        {"AT+CREG?\r", ok("+CREG: 2,5,\"00C3\",\"1A2B\"")},
        {"AT+COPS?\r", ok("+COPS: 0")},
    });
}

void TestSimPhone::phonebook_data()
{
    QTest::addColumn<Script>("script");

    const QByteArray anna = "+CPBR: 1,\"+4917012345678\",145,\"Anna\"";
    const QByteArray mueller = "+CPBR: 3,\"0891234\",129,\"M\x81ller\"";

    QTest::newRow("whole memory") << Script{
        {"AT+CPBS=\"SM\"\r", ok()},
        {"AT+CPBR=1,255\r", framed(anna) + framed(mueller) + ok()},
    };
    QTest::newRow("one entry") << Script{
        {"AT+CPBR=3\r", framed(mueller) + ok()},
        {"AT+CPBR=2\r", ok()},
    };
    QTest::newRow("empty memory") << Script{
        {"AT+CPBS=\"ME\"\r", ok()},
        {"AT+CPBR=1,255\r", ok()},
        {"AT+CPBS?\r", ok("+CPBS: \"ME\",0,100")},
    };
    QTest::newRow("capacity of the selected book") << Script{
        {"AT+CPBS=\"ME\"\r", ok()},
        {"AT+CPBW=?\r", ok("+CPBW: (1-100),40,(129,145),16")},
        {"AT+CPBS=\"sm\"\r", ok()},
        {"AT+CPBW=?\r", ok("+CPBW: (1-250),40,(129,145),16")},
        {"AT+CPBS=?\r", ok("+CPBS: (\"ME\",\"SM\")")},
        {"AT+CPBS=\"FD\"\r", framed("+CME ERROR: 3")},
    };
    QTest::newRow("write and read back") << Script{
        {"AT+CPBW=2,\"+33612345678\",145,\"Claire\"\r", ok()},
        {"AT+CPBR=2\r", framed("+CPBR: 2,\"+33612345678\",145,\"Claire\"") + ok()},
        {"AT+CPBW=3,\"0891234\",129,\"J\x81rgen Gr\x94\xe1\"\r", ok()},
        {"AT+CPBR=3\r", framed("+CPBR: 3,\"0891234\",129,\"J\x81rgen Gr\x94\xe1\"") + ok()},
    };
    QTest::newRow("delete") << Script{
        {"AT+CPBW=1\r", ok()},
        {"AT+CPBR=1,255\r", framed(mueller) + ok()},
        {"AT+CPBW=1\r", ok()},
    };
    QTest::newRow("index out of range") << Script{
        {"AT+CPBW=251,\"123\",129,\"X\"\r", framed("+CME ERROR: 21")},
        {"AT+CPBW=0,\"123\",129,\"X\"\r", framed("+CME ERROR: 21")},
        {"AT+CPBR=251\r", framed("+CME ERROR: 21")},
        {"AT+CPBS=\"ME\"\r", ok()},
        {"AT+CPBW=101,\"123\",129,\"X\"\r", framed("+CME ERROR: 21")},
        {"AT+CPBW=100,\"123\",129,\"X\"\r", ok()},
    };
    QTest::newRow("names up to 16 bytes") << Script{
        {"AT+CPBW=5,\"1\",129,\"Zahnarzt Dr.Wei\xe1\"\r", ok()},
        {"AT+CPBW=6,\"1\",129,\"Zahnarzt Dr.Weiss\"\r", framed("+CME ERROR: 24")},
        {"AT+CPBR=5,6\r", framed("+CPBR: 5,\"1\",129,\"Zahnarzt Dr.Wei\xe1\"") + ok()},
    };
    QTest::newRow("numbers up to 40 digits") << Script{
        {"AT+CPBW=7,\"" + QByteArray(40, '1') + "\",129,\"A\"\r", ok()},
        {"AT+CPBW=8,\"" + QByteArray(41, '1') + "\",129,\"A\"\r", framed("+CME ERROR: 26")},
    };
    // Quenda does not escape names: a quote in a name breaks the command.
    QTest::newRow("quote inside a name") << Script{
        {"AT+CPBW=4,\"1\",129,\"An\"na\"\r", framed("ERROR")},
        {"AT+CPBR=4\r", ok()},
    };
}

void TestSimPhone::phonebook()
{
    QFETCH(Script, script);
    phone->state().echo = false;
    seedPhonebook();
    run(script);
}

void TestSimPhone::messages_data()
{
    QTest::addColumn<Script>("script");

    QTest::newRow("received") << Script{
        {"AT+CMGF=1\r", ok()},
        {"AT+CMGR=1\r", ok("+CMGR: \"REC READ\",\"+4917012345678\",,\"02/03/14,09:15:02+04\"\r\nHallo")},
    };
    QTest::newRow("unread turns read") << Script{
        {"at+cmgf=1\r", ok()},
        {"at+cmgr=2\r", ok("+CMGR: \"REC UNREAD\",\"0891234\",,\"01/06/15,12:34:56+08\"\r\nNeu")},
        {"at+cmgr=2\r", ok("+CMGR: \"REC READ\",\"0891234\",,\"01/06/15,12:34:56+08\"\r\nNeu")},
    };
    QTest::newRow("stored, without time stamp") << Script{
        {"AT+CMGF=1\r", ok()},
        {"AT+CMGR=4\r", ok("+CMGR: \"STO SENT\",\"0171\"\r\nGesendet")},
        {"AT+CMGR=5\r", ok("+CMGR: \"STO UNSENT\",\"\"\r\nEntwurf")},
    };
    QTest::newRow("several lines") << Script{
        {"AT+CMGF=1\r", ok()},
        {"AT+CMGR=6\r",
         ok("+CMGR: \"REC READ\",\"+33612345678\",,\"02/01/01,00:00:01+00\"\r\nZeile 1\r\nZeile 2\r\n\x8e")},
    };
    QTest::newRow("empty slot") << Script{
        {"AT+CMGF=1\r", ok()},
        {"AT+CMGR=3\r", framed("+CMS ERROR: 321")},
        {"AT+CMGR=11\r", framed("+CMS ERROR: 321")},
        {"AT+CMGR=0\r", framed("+CMS ERROR: 321")},
    };
    QTest::newRow("PDU mode not offered") << Script{
        {"AT+CMGF?\r", ok("+CMGF: 0")},
        {"AT+CMGR=1\r", framed("+CMS ERROR: 303")},
    };
    QTest::newRow("delete") << Script{
        {"AT+CMGF=1\r", ok()},
        {"AT+CMGD=1\r", ok()},
        {"AT+CMGR=1\r", framed("+CMS ERROR: 321")},
        {"AT+CMGD=1\r", framed("+CMS ERROR: 321")},
        {"AT+CPMS?\r", ok("+CPMS: \"SM\",4,10,\"SM\",4,10")},
    };
    QTest::newRow("service centre") << Script{
        {"AT+CSCA=\"+491710760000\"\r", ok()},
        {"AT+CSCA?\r", ok("+CSCA: \"+491710760000\",145")},
    };
    QTest::newRow("send") << Script{
        {"AT+CMGF=1\r", ok()},
        {"AT+CSCA=\"+491710760000\"\r", ok()},
        {"AT+CMGS=\"+4917012345678\"\r", "\r\n> "},
        {"Hallo\x1a", ok("+CMGS: 1")},
        {"AT+CMGS=\"0171\"\r", "\r\n> "},
        {"Zeile 1\r\nZeile 2\x1a", "\r\n> " + ok("+CMGS: 2")},
    };
    QTest::newRow("send without service centre") << Script{
        {"AT+CMGF=1\r", ok()},
        {"AT+CMGS=\"0171\"\r", "\r\n> "},
        {"Hallo\x1a", framed("+CMS ERROR: 330")},
    };
    QTest::newRow("escape cancels") << Script{
        {"AT+CMGF=1\r", ok()},
        {"AT+CMGW=\"0171\"\r", "\r\n> "},
        {"Doch nicht\x1b", ok()},
        {"AT+CMGR=3\r", framed("+CMS ERROR: 321")},
    };
    QTest::newRow("store") << Script{
        {"AT+CMGF=1\r", ok()},
        {"AT+CMGW=\"0171\"\r", "\r\n> "},
        {"Notiz \x84\x94\x81\x1a", ok("+CMGW: 3")},
        {"AT+CMGR=3\r", ok("+CMGR: \"STO UNSENT\",\"0171\"\r\nNotiz \x84\x94\x81")},
        {"AT+CMGW=\"\"\r", "\r\n> "},
        {"\x1a", ok("+CMGW: 7")},
        {"AT+CMGR=7\r", ok("+CMGR: \"STO UNSENT\",\"\"\r\n")},
    };
    QTest::newRow("text echoed while echo is on") << Script{
        {"ATE1\r", ok()},
        {"AT+CMGF=1\r", "AT+CMGF=1\r" + ok()},
        {"AT+CMGW=\"0171\"\r", "AT+CMGW=\"0171\"\r\r\n> "},
        {"Hi\x1a", "Hi" + ok("+CMGW: 3")},
    };
}

void TestSimPhone::messages()
{
    QFETCH(Script, script);
    seedMessages();
    phone->state().echo = false;
    run(script);
}

void TestSimPhone::sentAndCancelledMessages()
{
    phone->state().echo = false;
    phone->state().serviceCentre = "+491710760000";
    phone->state().nextMessageReference = 255;
    run({
        {"AT+CMGF=1\r", ok()},
        {"AT+CMGS=\"0171\"\r", "\r\n> "},
        {"Erste\x1a", ok("+CMGS: 255")},
        {"AT+CMGS=\"0172\"\r", "\r\n> "},
        {"Weg damit\x1b", ok()},
        {"AT+CMGS=\"0173\"\r", "\r\n> "},
        {"Zweite\r\nZeile\x1a", "\r\n> " + ok("+CMGS: 1")},
    });
    const auto &sent = phone->state().sentMessages;
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent.at(0).address, QByteArray("0171"));
    QCOMPARE(sent.at(0).body, QByteArray("Erste"));
    QCOMPARE(sent.at(1).address, QByteArray("0173"));
    QCOMPARE(sent.at(1).body, QByteArray("Zweite\r\nZeile"));
    QVERIFY(phone->state().messages.isEmpty());
}

// Quenda never waits for the prompt: it pauses and writes the text, which may reach the
// phone in the same read as the command line.
void TestSimPhone::textBeforePrompt()
{
    phone->state().echo = false;
    phone->state().textMode = true;
    expect("AT+CMGW=\"0171\"\rGleich hinterher\x1a", "\r\n> " + ok("+CMGW: 1"));
    QCOMPARE(phone->state().messages.value(1).body, QByteArray("Gleich hinterher"));

    phone->setReplyDelay(100);
    expect("AT+CMGW=\"0172\"\rMit Verz\x94gerung\x1a", "\r\n> " + ok("+CMGW: 2"));
    QCOMPARE(phone->state().messages.value(2).body, QByteArray("Mit Verz\x94gerung"));
}

void TestSimPhone::fullMessageMemory()
{
    phone->state().echo = false;
    phone->state().messageCapacity = 2;
    seedMessages();
    run({
        {"AT+CMGF=1\r", ok()},
        {"AT+CMGW=\"0171\"\r", framed("+CMS ERROR: 322")},
        // No prompt, so the text is a command line.
        {"Text\r", framed("ERROR")},
    });
}

void TestSimPhone::melodies_data()
{
    QTest::addColumn<Script>("script");

    QTest::newRow("names") << Script{
        {"AT~MMYR=1\r", ok("~MMYR: 1,\"Trium\"")},    {"AT~MMYR=2\r", ok("~MMYR: 2,\"\"")},
        {"at~mmyr=16\r", ok("~MMYR: 16,\"Quenda\"")}, {"AT~MMYR=17\r", framed("+CME ERROR: 21")},
        {"AT~MMYR=0\r", framed("+CME ERROR: 21")},
    };
    QTest::newRow("write") << Script{
        {"AT~MMYW=2,\"Neu\",120\rc 4\rd+ 8\r\x1a", ok()},
        {"AT~MMYR=2\r", ok("~MMYR: 2,\"Neu\"")},
    };
    QTest::newRow("escape keeps the old melody") << Script{
        {"AT~MMYW=1,\"Neu\",120\rc 4\r\x1b", ok()},
        {"AT~MMYR=1\r", ok("~MMYR: 1,\"Trium\"")},
    };
    // A refused header leaves the phone in command mode: the notes are command lines.
    QTest::newRow("refused header") << Script{
        {"AT~MMYW=17,\"Neu\",120\r", framed("ERROR")},
        {"c 4\r", framed("ERROR")},
        {"AT~MMYW=1,\"Neu\",\r", framed("ERROR")},
        {"AT~MMYW=1,Neu,100\r", framed("ERROR")},
    };
}

void TestSimPhone::melodies()
{
    QFETCH(Script, script);
    phone->state().echo = false;
    phone->state().melodies[0].name = "Trium";
    phone->state().melodies[15].name = "Quenda";
    run(script);
}

void TestSimPhone::melodyUploadStoresLines()
{
    phone->state().echo = false;
    // As Quenda sends a file: header, each line with CR (an empty line a lone CR), Ctrl-Z.
    client->send("AT~MMYW=9,\"Greensleeve\",96\r");
    client->send("a 4\r");
    client->send("c+ 2\r\r");
    client->send("F3 8\r\x1a");
    QTRY_COMPARE_WITH_TIMEOUT(client->received, ok(), timeoutMs);

    const auto &melody = phone->state().melodies.at(8);
    QCOMPARE(melody.name, QByteArray("Greensleeve"));
    QCOMPARE(melody.tempo, 96);
    QCOMPARE(melody.lines, (QList<QByteArray>{"a 4", "c+ 2", "", "F3 8"}));
    QCOMPARE(phone->transcript().last(), QByteArray("a 4\rc+ 2\r\rF3 8\r\x1a"));
}

void TestSimPhone::keypadAndCalls()
{
    phone->state().echo = false;
    run({
        {"AT+CKPD=\"1\",1\r", ok()},
        {"AT+CKPD=\"#\",11\r", ok()},
        {"AT+CKPD=\">\"\r", ok()},
        {"AT+CKPD=\"A\"\r", framed("ERROR")},
        {"AT+CKPD=\"\"\r", framed("ERROR")},
        {"AT+CKPD=\"1\",300\r", framed("ERROR")},
        {"ATD0171234567;\r", ok()},
        {"ATD+4917012345678;\r", ok()},
        {"ATD;\r", framed("ERROR")},
        {"ATD0171\r", framed("NO CARRIER")},
        {"ATH\r", ok()},
        {"ath0\r", ok()},
    });
    const simphone::PhoneState &s = phone->state();
    QCOMPARE(s.keysPressed, (QList<QByteArray>{"\"1\",1", "\"#\",11", "\">\""}));
    QCOMPARE(s.dialled, (QList<QByteArray>{"0171234567", "+4917012345678", "", "0171"}));
    QCOMPARE(s.hangups, 2);
}

void TestSimPhone::transcriptAndSignal()
{
    phone->state().echo = false;
    phone->state().serviceCentre = "+49171";
    QSignalSpy spy(phone.get(), &SimPhone::commandReceived);
    run({
        {"AT+CMGF=1\r", ok()},
        {"AT+CMGS=\"0171\"\r", "\r\n> "},
        {"Hallo\x1a", ok("+CMGS: 1")},
        {"AT+CMGW\r", "\r\n> "},
        {"Weg\x1b", ok()},
    });
    const QList<QByteArray> expected = {"AT+CMGF=1", "AT+CMGS=\"0171\"", "Hallo\x1a",
                                        "AT+CMGW",   "Weg\x1b",          "AT"};
    QCOMPARE(phone->transcript(), expected);
    QCOMPARE(spy.size(), 4);
    QCOMPARE(spy.at(1).at(0).toByteArray(), QByteArray("AT+CMGS=\"0171\""));
    phone->clearTranscript();
    QVERIFY(phone->transcript().isEmpty());
}

void TestSimPhone::strayBytesBetweenLines()
{
    phone->state().echo = false;
    expect("AT\r\nAT+CGMI\r\n", ok() + ok("Mitsubishi"));
    // Quenda sends Ctrl-Z once more when a melody upload timed out.
    expect("\x1a"
           "AT\r",
           ok());
    QCOMPARE(phone->transcript(), (QList<QByteArray>{"AT", "AT+CGMI", "AT"}));
}

void TestSimPhone::unplugged()
{
    phone->state().echo = false;
    phone->setUnplugged(true);
    QVERIFY(phone->isUnplugged());
    client->send("AT+CGMI\r");
    phone->injectUnsolicited("RING");
    phone->sendGarbage(10);
    // Silence can only be shown by waiting for it.
    QTest::qWait(200);
    QCOMPARE(client->received, QByteArray());
    QVERIFY(phone->transcript().isEmpty());

    phone->setUnplugged(false);
    run({{"AT\r", ok()}});
    QCOMPARE(phone->transcript(), (QList<QByteArray>{"AT", "AT"}));
}

void TestSimPhone::closedAndReopenedLine()
{
    phone->state().echo = false;
    run({});
    const QString firstDevice = phone->slavePath();
    QCOMPARE(QFileInfo(phone->devicePath()).symLinkTarget(), firstDevice);

    QSignalSpy errors(&client->port, &QSerialPort::errorOccurred);
    // A pseudo-terminal reads end-of-file once hung up, which QSerialPort reports as a
    // read error; a vanished USB adapter gives a resource error.
    const auto hungUp = [&errors] {
        return std::any_of(errors.begin(), errors.end(), [](const QList<QVariant> &args) {
            const auto error = args.at(0).value<QSerialPort::SerialPortError>();
            return error == QSerialPort::ReadError || error == QSerialPort::ResourceError;
        });
    };
    phone->closeLine();
    QTRY_VERIFY_WITH_TIMEOUT(hungUp(), timeoutMs);
    QVERIFY(phone->slavePath().isEmpty());
    QVERIFY(!QFileInfo::exists(phone->devicePath()));
    client->port.close();
    QVERIFY(!client->open(phone->devicePath()));

    // Whatever happens while the cable is out goes nowhere.
    phone->injectUnsolicited("RING");
    phone->sendGarbage(10);

    QVERIFY(phone->reopenLine());
    QCOMPARE(QFileInfo(phone->devicePath()).symLinkTarget(), phone->slavePath());
    QVERIFY2(client->open(phone->devicePath()), qPrintable(client->port.errorString()));
    run({{"AT+CGMI\r", ok("Mitsubishi")}});
}

void TestSimPhone::failedCommands()
{
    phone->state().echo = false;
    phone->failCommand("AT+CIMI", "ERROR");
    phone->failCommand("AT+CPBW=", "+CME ERROR: 21");
    phone->failCommand("at+cmgs=", "+CMS ERROR: 500");
    phone->state().textMode = true;
    run({
        {"AT+CIMI\r", framed("ERROR")},
        {"at+cimi\r", framed("ERROR")},
        {"AT+CGMI\r", ok("Mitsubishi")},
        {"AT+CPBW=1,\"1\",129,\"A\"\r", framed("+CME ERROR: 21")},
        {"AT+CPBW=?\r", framed("+CME ERROR: 21")},
        // A refused send gives no prompt; the text that follows is a command line.
        {"AT+CMGS=\"0171\"\r", framed("+CMS ERROR: 500")},
        {"Hallo\r", framed("ERROR")},
    });
    QVERIFY(phone->state().simBook.isEmpty());

    phone->failCommand("AT+CIMI", {});
    run({
        {"AT+CIMI\r", ok("262011234567890")},
        {"AT+CPBW=?\r", framed("+CME ERROR: 21")},
    });
    phone->clearFailures();
    run({{"AT+CPBW=?\r", ok("+CPBW: (1-250),40,(129,145),16")}});
}

void TestSimPhone::refusedMessageTexts()
{
    phone->state().echo = false;
    phone->state().serviceCentre = "+491710760000";
    phone->failMessageText("+CMS ERROR: 500");
    run({
        {"AT+CMGF=1\r", ok()},
        {"AT+CMGS=\"0171\"\r", "\r\n> "},
        {"Weg\x1a", framed("+CMS ERROR: 500")},
        {"AT+CMGW=\"0171\"\r", "\r\n> "},
        {"Auch\x1a", framed("+CMS ERROR: 500")},
        // A cancel is still a cancel.
        {"AT+CMGW=\"0171\"\r", "\r\n> "},
        {"Nie\x1b", ok()},
    });
    QVERIFY(phone->state().sentMessages.isEmpty());
    QVERIFY(phone->state().messages.isEmpty());

    phone->clearFailures();
    run({{"AT+CMGW=\"0171\"\r", "\r\n> "}, {"Jetzt\x1a", ok("+CMGW: 1")}});
}

void TestSimPhone::replyDelay()
{
    phone->setReplyDelay(300);
    QElapsedTimer clock;
    clock.start();
    client->send("AT+CGMI\r");
    // The echo comes at once, the reply after the delay.
    QTRY_VERIFY_WITH_TIMEOUT(!client->received.isEmpty(), timeoutMs);
    QCOMPARE(client->received, QByteArray("AT+CGMI\r"));
    QVERIFY(clock.elapsed() < 250);
    QTRY_COMPARE_WITH_TIMEOUT(client->received, "AT+CGMI\r" + ok("Mitsubishi"), timeoutMs);
    QVERIFY2(clock.elapsed() >= 280, qPrintable(QString::number(clock.elapsed())));
    client->take();

    // Two commands in one read: replies keep their order, each after its own delay.
    phone->state().echo = false;
    clock.restart();
    client->send("AT+CGMM\rAT+CBC\r");
    QTRY_COMPARE_WITH_TIMEOUT(client->received, ok("Trium Mars") + ok("+CBC: 0,3"), timeoutMs);
    QVERIFY2(clock.elapsed() >= 580, qPrintable(QString::number(clock.elapsed())));

    phone->setReplyDelay(0);
    run({});
}

void TestSimPhone::splitReply()
{
    phone->setLinePace({});
    phone->state().echo = false;
    phone->setSplit("OK", 300);
    QElapsedTimer clock;
    client->send("AT\r");
    QTRY_COMPARE_WITH_TIMEOUT(client->received, QByteArray("\r\nOK"), timeoutMs);
    clock.start();
    QTRY_COMPARE_WITH_TIMEOUT(client->received, ok(), timeoutMs);
    QVERIFY2(clock.elapsed() >= 200, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(client->chunks, (QList<QByteArray>{"\r\nOK", "\r\n"}));
    client->take();

    // A marker inside the information is cut there, the first time it occurs.
    phone->setSplit("Mitsu", 50);
    expect("AT+CGMI\r", ok("Mitsubishi"));
    QCOMPARE(client->chunks, (QList<QByteArray>{"\r\nMitsu", "bishi\r\n\r\nOK\r\n"}));

    phone->setSplit({}, 0);
    expect("AT\r", ok());
    QCOMPARE(client->chunks.size(), 1);
}

void TestSimPhone::pacedLikeACable()
{
    phone->state().echo = false;
    seedPhonebook();
    phone->setLinePace(SimPhone::cablePace());
    expect("AT+CPBS=\"SM\"\r", ok());
    client->take();
    QElapsedTimer clock;
    clock.start();
    client->send("AT+CPBR=1,255\r");
    QTRY_VERIFY_WITH_TIMEOUT(client->received.endsWith("\r\nOK\r\n"), timeoutMs);
    const qint64 elapsed = clock.elapsed();
    const qsizetype bytes = client->received.size();
    QVERIFY2(elapsed * 3840 >= (bytes - 16) * 1000,
             qPrintable(QStringLiteral("%1 bytes in %2 ms").arg(bytes).arg(elapsed)));
    QVERIFY(client->chunks.size() >= bytes / 16);
    for (const QByteArray &chunk : std::as_const(client->chunks))
        QVERIFY(chunk.size() <= 16);

    // Random pieces still add up to the reply.
    phone->setLinePace(SimPhone::testPace());
    const QByteArray whole = client->take();
    expect("AT+CPBR=1,255\r", whole);
    QVERIFY(client->chunks.size() > 1);
}

void TestSimPhone::lateCommandsAndSlowReading()
{
    phone->state().echo = false;
    phone->setLinePace({});
    phone->delayCommand("at+cgmm", 300);
    QElapsedTimer clock;
    clock.start();
    expect("AT+CGMI\r", ok("Mitsubishi"));
    QVERIFY(clock.elapsed() < 250);
    clock.restart();
    expect("AT+CGMM\r", ok("Trium Mars"));
    QVERIFY(clock.elapsed() >= 280);

    // 100 bytes a second: a 50-byte line takes half a second to be taken in.
    phone->setReadRate(100);
    const QByteArray padded = "AT+CGMI" + QByteArray(42, ' ') + '\r';
    clock.restart();
    client->take();
    client->send(padded);
    client->waitForBytes(ok("Mitsubishi").size(), timeoutMs);
    QVERIFY2(clock.elapsed() >= 400, qPrintable(QString::number(clock.elapsed())));
}

void TestSimPhone::strayCodesComeBesideReplies()
{
    phone->state().echo = false;
    phone->setLinePace({});
    phone->setStrayCodes(100);
    QByteArray all;
    for (int i = 0; i < 20; ++i) {
        client->take();
        client->send("AT+CGMI\r");
        QTRY_VERIFY_WITH_TIMEOUT(
            client->received.endsWith("\r\nOK\r\n") && client->received.contains("Mitsubishi"), timeoutMs);
        QTest::qWait(5);
        all += client->take();
    }
    QCOMPARE(all.count("Mitsubishi"), 20);
    QVERIFY(all.count("\r\nOK\r\n") + all.count("RING") + all.count("+CMTI:") + all.count("+CREG:") >= 40);
}

void TestSimPhone::unsolicitedBetweenReplies()
{
    phone->state().echo = false;
    phone->injectUnsolicited("RING");
    QTRY_COMPARE_WITH_TIMEOUT(client->received, framed("RING"), timeoutMs);
    phone->injectUnsolicited("+CMTI: \"SM\",3");
    QTRY_COMPARE_WITH_TIMEOUT(client->received, framed("RING") + framed("+CMTI: \"SM\",3"), timeoutMs);
    client->take();

    // Ahead of a reply that is still waiting for its delay.
    phone->setReplyDelay(300);
    QSignalSpy spy(phone.get(), &SimPhone::commandReceived);
    client->send("AT\r");
    QVERIFY(spy.wait(timeoutMs));
    phone->injectUnsolicited("+CREG: 1");
    QTRY_COMPARE_WITH_TIMEOUT(client->received, framed("+CREG: 1") + ok(), timeoutMs);
    client->take();

    // Never into a reply of which a part is already out.
    phone->setReplyDelay(0);
    phone->setSplit("OK", 300);
    client->send("AT\r");
    QTRY_COMPARE_WITH_TIMEOUT(client->received, QByteArray("\r\nOK"), timeoutMs);
    phone->injectUnsolicited("RING");
    QTRY_COMPARE_WITH_TIMEOUT(client->received, ok() + framed("RING"), timeoutMs);
}

void TestSimPhone::unsolicitedInsideReply()
{
    phone->state().echo = false;
    phone->injectIntoNextReply("+CREG: 2");
    phone->injectIntoNextReply("RING");
    run({
        {"AT+CGMI\r", framed("Mitsubishi") + framed("+CREG: 2") + framed("RING") + ok()},
        {"AT+CGMI\r", ok("Mitsubishi")},
    });

    // A prompt is no reply with a final result: the code waits for the one after the text.
    phone->state().textMode = true;
    phone->injectIntoNextReply("+CMTI: \"SM\",2");
    run({
        {"AT+CMGW=\"1\"\r", "\r\n> "},
        {"x\x1a", framed("+CMGW: 1") + framed("+CMTI: \"SM\",2") + ok()},
    });
}

void TestSimPhone::garbage()
{
    phone->state().echo = false;
    phone->sendGarbage(600);
    QTRY_COMPARE_WITH_TIMEOUT(client->received.size(), 600, timeoutMs);
    const QByteArray noise = client->take();
    QVERIFY(!noise.contains("OK"));
    QVERIFY(QSet<char>(noise.begin(), noise.end()).size() > 150);

    // The same noise on every run, so a failure can be replayed.
    SimPhone other;
    QVERIFY(other.start());
    Client otherClient;
    QVERIFY(otherClient.open(other.devicePath()));
    other.sendGarbage(600);
    QTRY_COMPARE_WITH_TIMEOUT(otherClient.received, noise, timeoutMs);

    run({{"AT+CGMI\r", ok("Mitsubishi")}});
}

// More than the pseudo-terminal holds at once: the rest waits until the client reads.
void TestSimPhone::fullMaster()
{
    phone->state().echo = false;
    const int count = 300000;
    phone->sendGarbage(count);
    QTRY_COMPARE_WITH_TIMEOUT(client->received.size(), count, 10000);
    client->take();
    run({{"AT\r", ok()}});
}

void TestSimPhone::otherManufacturer()
{
    phone->state().echo = false;
    phone->state().manufacturer = "SIEMENS";
    run({{"AT+CGMI\r", ok("SIEMENS")}});
}

void TestSimPhone::demoScenario()
{
    QString error;
    QVERIFY2(phone->loadScenario(QStringLiteral(SIMPHONE_DATA_DIR "/demo.json"), &error), qPrintable(error));
    const auto &s = phone->state();

    QCOMPARE(s.simBook.size(), 12);
    QCOMPARE(s.phoneBook.size(), 30);
    QCOMPARE(s.simBook.value(2).name, QByteArray("M\x81ller"));
    QCOMPARE(s.simBook.value(3).name, QByteArray("J\x81rgen Gr\x94\xe1"));
    QCOMPARE(s.simBook.value(15).name, QByteArray("Zahnarzt Dr.Wei\xe1"));
    for (const auto *book : {&s.simBook, &s.phoneBook}) {
        for (const auto &c : *book) {
            QVERIFY(c.name.size() <= 16);
            QCOMPARE(c.type, c.number.startsWith('+') ? 145 : 129);
        }
    }

    QCOMPARE(s.messageCapacity, 15);
    QStringList statuses;
    for (const auto &m : s.messages)
        statuses << QString::fromLatin1(m.status);
    for (const char *status : {"REC READ", "REC UNREAD", "STO SENT", "STO UNSENT"})
        QVERIFY2(statuses.contains(QLatin1String(status)), status);
    QVERIFY(!s.messages.contains(4));
    QCOMPARE(s.messages.value(6).body,
             QByteArray("Einkaufsliste:\r\n\x8epfel\r\nM\x94hren\r\nS\x81\xe1kartoffeln"));
    QCOMPARE(s.messages.value(10).body, QByteArray("Preis: 25 \x9c statt 30 \x9c"));
    for (const auto &melody : s.melodies)
        QVERIFY(!melody.name.isEmpty());

    // The loaded phone answers from its new state.
    phone->state().echo = false;
    run({
        {"AT+CPMS?\r", ok("+CPMS: \"SM\",11,15,\"SM\",11,15")},
        {"AT+CPBW=?\r", ok("+CPBW: (1-250),40,(129,145),16")},
        {"AT+CBC\r", ok("+CBC: 0,2")},
        {"AT+CMGF=1\r", ok()},
        {"AT+CMGR=5\r", ok("+CMGR: \"STO UNSENT\",\"\"\r\nEntwurf: Einkaufsliste")},
        {"AT~MMYR=16\r", ok("~MMYR: 16,\"Quenda\"")},
        // The network refuses messages to one number.
        {"AT+CMGS=\"+491609999999\"\r", "\r\n> "},
        {"Hi\x1a", "\r\n+CMS ERROR: 500\r\n"},
    });
    QVERIFY(s.sentMessages.isEmpty());
}

void TestSimPhone::scenarioErrorsLeaveStateAlone()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto write = [&dir](const char *name, const QByteArray &json) {
        QFile f(dir.filePath(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(json);
    };
    write("typo.json", R"({"phonebooks": {"SM": {"contacts": []}}, "manufactuer": "X"})");
    write("index.json",
          R"({"phonebooks": {"ME": {"contacts": [{"index": 101, "number": "1", "name": "A"}]}}})");
    write("status.json", R"({"messages": [{"slot": 1, "status": "READ", "address": "1", "text": "x"}]})");
    write("broken.json", R"({"model": )");

    phone->state().model = "unchanged";
    for (const char *name : {"typo.json", "index.json", "status.json", "broken.json", "missing.json"}) {
        QString error;
        QVERIFY2(!phone->loadScenario(dir.filePath(QLatin1String(name)), &error), name);
        QVERIFY2(error.contains(QLatin1String(name)), qPrintable(error));
    }
    QCOMPARE(phone->state().model, QByteArray("unchanged"));
}

void TestSimPhone::scenarioCutsLongNames()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile f(dir.filePath(QStringLiteral("long.json")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(R"({"phonebooks": {"SM": {"capacity": 5, "contacts": [
                {"index": 5, "number": "0171", "name": "Stadtwerke Münster Service"}]}},
              "melodies": [{"slot": 16, "name": "Ein Männlein", "tempo": 90}]})");
    f.close();
    QString error;
    QVERIFY2(phone->loadScenario(f.fileName(), &error), qPrintable(error));
    QCOMPARE(phone->state().simBook.value(5).name, QByteArray("Stadtwerke M\x81nst"));
    QCOMPARE(phone->state().simBookCapacity, 5);
    QCOMPARE(phone->state().melodies.at(15).name, QByteArray("Ein M\x84nnlein"));
}

void TestSimPhone::melodyFiles_data()
{
    QTest::addColumn<QString>("path");
    const QDir dir(QStringLiteral(SIMPHONE_DATA_DIR "/melodies"));
    const QStringList files = dir.entryList({QStringLiteral("*.mdy")}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 4 && files.size() <= 6);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << dir.filePath(file);
}

// The sample files are for uploads: a name, a tempo, and only notes the phone knows.
void TestSimPhone::melodyFiles()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.endsWith("\r\n"));
    QCOMPARE(content.count('\n'), content.count("\r\n"));
    QCOMPARE(content.count('\r'), content.count("\r\n"));

    const QList<QByteArray> lines = content.chopped(1).split('\n');
    const QRegularExpression note(
        QStringLiteral("^(([a-gA-G]#?(-|\\+|\\+\\+)?)|([a-gA-G]#?[3-6])|M) (1|2|4|8|16|32)$"));
    int names = 0;
    int tempos = 0;
    int notes = 0;
    for (QByteArray line : lines) {
        QVERIFY(line.endsWith('\r'));
        line.chop(1);
        if (line.startsWith("NAME=")) {
            ++names;
            QVERIFY(line.size() > 5);
        } else if (line.startsWith("TEMPO=")) {
            ++tempos;
            bool ok = false;
            QVERIFY(line.mid(6).toInt(&ok) > 0 && ok);
        } else {
            ++notes;
            QVERIFY2(note.match(QString::fromLatin1(line)).hasMatch(), line.constData());
        }
    }
    QCOMPARE(names, 1);
    QCOMPARE(tempos, 1);
    QVERIFY(notes >= 8);
}

void TestSimPhone::standaloneProgram()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("trium"));

    QProcess sim;
    sim.start(QStringLiteral(QUENDA_SIMPHONE_EXE),
              {QStringLiteral("--scenario"), QStringLiteral(SIMPHONE_DATA_DIR "/demo.json"),
               QStringLiteral("--link"), link});
    QVERIFY(sim.waitForStarted(timeoutMs));
    QTRY_VERIFY_WITH_TIMEOUT(sim.canReadLine(), timeoutMs);
    QCOMPARE(QString::fromLocal8Bit(sim.readLine()).trimmed(), link);

    Client remote;
    QVERIFY2(remote.open(link), qPrintable(remote.port.errorString()));
    remote.send("AT+CPBS=\"ME\"\r");
    QTRY_COMPARE_WITH_TIMEOUT(remote.received, "AT+CPBS=\"ME\"\r" + ok(), timeoutMs);
    remote.take();
    remote.send("AT+CPBR=3\r");
    QTRY_COMPARE_WITH_TIMEOUT(remote.received,
                              "AT+CPBR=3\r" +
                                  framed("+CPBR: 3,\"0891234001\",129,\"B\x84"
                                         "ckerei K\x94hler\"") +
                                  ok(),
                              timeoutMs);

    ::kill(pid_t(sim.processId()), SIGTERM);
    QVERIFY(sim.waitForFinished(timeoutMs));
    QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());

    QProcess bad;
    bad.start(QStringLiteral(QUENDA_SIMPHONE_EXE), {QStringLiteral("--scenario"), dir.filePath("none.json")});
    QVERIFY(bad.waitForFinished(timeoutMs));
    QCOMPARE(bad.exitCode(), 1);
    QVERIFY(bad.readAllStandardOutput().isEmpty());
    QVERIFY(!bad.readAllStandardError().isEmpty());
}

QTEST_GUILESS_MAIN(TestSimPhone)
#include "tst_simphone.moc"
