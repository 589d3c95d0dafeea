#include "linkrig.h"
#include "testenvironment.h"

#include "phonebook/contactwriter.h"
#include "phonebook/phonebook.h"
#include "sms/messagesender.h"
#include "sms/shortmessages.h"
#include "text/charconv.h"
#include "text/cp1252.h"
#include "text/cp437.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

static TestEnvironment environment;

class TestCharConv : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void table_data();
    void table();
    void upperHalf_data();
    void upperHalf();
    void sectionSignGoesOutAsS();
    void muellerOnTheLine();
    void charactersTheCodePageLacks();
    void throughThePhone_data();
    void throughThePhone();

private:
    std::unique_ptr<LinkRig> rig;
    std::unique_ptr<Phonebook> phonebook;
    std::unique_ptr<ShortMessages> sms;
    QTemporaryDir dir;
};

void TestCharConv::initTestCase()
{
    rig = std::make_unique<LinkRig>();
    QVERIFY(rig->started);
    QVERIFY(rig->startAndConnect());
    phonebook = std::make_unique<Phonebook>(rig->link.exchange, rig->link.lock, rig->link.supervisor);
    sms = std::make_unique<ShortMessages>(rig->link.exchange, rig->link.lock, rig->link.supervisor,
                                          rig->link.settings, dir.filePath(QStringLiteral("quenda.lst")));
}

void TestCharConv::cleanupTestCase()
{
    sms.reset();
    phonebook.reset();
    rig.reset();
}

void TestCharConv::table_data()
{
    QTest::addColumn<QChar>("line");
    QTest::addColumn<QChar>("shown");
    QTest::addColumn<int>("byte");
    QTest::newRow("ä") << QChar(0x201E) << QChar(0xE4) << 0x84;
    QTest::newRow("Ä") << QChar(0x017D) << QChar(0xC4) << 0x8E;
    QTest::newRow("ö") << QChar(0x201D) << QChar(0xF6) << 0x94;
    QTest::newRow("Ö") << QChar(0x2122) << QChar(0xD6) << 0x99;
    QTest::newRow("ü") << QChar(0x0081) << QChar(0xFC) << 0x81;
    QTest::newRow("Ü") << QChar(0x0161) << QChar(0xDC) << 0x9A;
    QTest::newRow("ß") << QChar(0x00E1) << QChar(0xDF) << 0xE1;
    QTest::newRow("¥") << QChar(0x009D) << QChar(0xA5) << 0x9D;
    QTest::newRow("£") << QChar(0x0153) << QChar(0xA3) << 0x9C;
    QTest::newRow("¡") << QChar(0x00AD) << QChar(0xA1) << 0xAD;
    QTest::newRow("¿") << QChar(0x00A8) << QChar(0xBF) << 0xA8;
    // Beyond the repaired ones, the code page's own.
    QTest::newRow("ñ") << QChar(0x00A4) << QChar(0xF1) << 0xA4;
    QTest::newRow("é") << QChar(0x201A) << QChar(0xE9) << 0x82;
    QTest::newRow("á") << QChar(0x00A0) << QChar(0xE1) << 0xA0;
    QTest::newRow("Ç") << QChar(0x20AC) << QChar(0xC7) << 0x80;
    QTest::newRow("å") << QChar(0x2020) << QChar(0xE5) << 0x86;
    QTest::newRow("½") << QChar(0x00AB) << QChar(0xBD) << 0xAB;
}

void TestCharConv::table()
{
    QFETCH(QChar, line);
    QFETCH(QChar, shown);
    QFETCH(int, byte);

    // The phone's byte, read from the line, shows as the national character ...
    QString read = Cp1252::decode(QByteArray(1, char(byte)));
    QCOMPARE(read, QString(line));
    PhoneToPC(read);
    QCOMPARE(read, QString(shown));

    // ... and that character, typed, goes out as the same byte.
    QString typed = QStringLiteral("a") + shown + QStringLiteral("b");
    PCToPhone(typed);
    QCOMPARE(typed.size(), 3);
    QCOMPARE(Cp1252::encode(typed), QByteArray("a") + char(byte) + QByteArray("b"));
}

// Every byte from 0x80 up is the phone's own character, read and sent, Windows-1252's undefined
// numbers and the characters it lacks included.
void TestCharConv::upperHalf_data()
{
    QTest::addColumn<QByteArray>("byte");
    for (int b = 0x80; b <= 0xFF; ++b)
        QTest::addRow("0x%02X", b) << QByteArray(1, char(b));
}

void TestCharConv::upperHalf()
{
    QFETCH(QByteArray, byte);
    QString text = Cp1252::decode(byte);
    PhoneToPC(text);
    QCOMPARE(Cp437::encode(text), byte);
    PCToPhone(text);
    QCOMPARE(Cp1252::encode(text), byte);
}

void TestCharConv::sectionSignGoesOutAsS()
{
    QString typed = QStringLiteral("§ 12");
    PCToPhone(typed);
    QCOMPARE(typed, QStringLiteral("S 12"));

    QString read = Cp1252::decode(QByteArray("\x15 12"));
    PhoneToPC(read);
    QCOMPARE(read, QStringLiteral("§ 12"));
}

void TestCharConv::muellerOnTheLine()
{
    QString name = QStringLiteral("Müller");
    PCToPhone(name);
    QCOMPARE(Cp1252::encode(name), QByteArray::fromHex("4D816C6C6572"));
    QString back = Cp1252::decode(QByteArray::fromHex("4D816C6C6572"));
    PhoneToPC(back);
    QCOMPARE(back, QStringLiteral("Müller"));
}

void TestCharConv::charactersTheCodePageLacks()
{
    QString empty;
    PhoneToPC(empty);
    PCToPhone(empty);
    QVERIFY(empty.isEmpty());

    // Sent as their Windows-1252 bytes they would show as Ç and «.
    QString typed = QStringLiteral("Anna +49 (30)\r\n€5 ¤");
    PCToPhone(typed);
    QCOMPARE(Cp1252::encode(typed), QByteArray("Anna +49 (30)\r\n?5 ?"));
}

// Every character of code page 437's upper half that Windows-1252 also has, in a name and in a
// message text, to the simulated phone and back.
void TestCharConv::throughThePhone_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<QByteArray>("held"); // as the phone holds it
    QByteArray upper;
    for (int b = 0x80; b <= 0xFF; ++b)
        upper.append(char(b));
    for (const QChar c : Cp1252::decode(upper)) {
        const QByteArray onPhone = Cp437::encode(QString(c));
        if (uchar(onPhone.at(0)) >= 0x80)
            QTest::addRow("%s 0x%02X", c.isSpace() ? "no-break space" : qPrintable(QString(c)),
                          uchar(onPhone.at(0)))
                << QString(c) << onPhone;
    }
}

void TestCharConv::throughThePhone()
{
    QFETCH(QString, character);
    QFETCH(QByteArray, held);
    const QString text = QStringLiteral("a") + character + QStringLiteral("b");
    simphone::PhoneState &state = rig->sim.state();

    ContactWriter(*phonebook).writeAtPlace(1, text, QStringLiteral("0301"));
    QCOMPARE(state.simBook.value(1).name, "a" + held + "b");
    QVERIFY(phonebook->LoadPhonebook());
    QCOMPARE(phonebook->table().names(), QStringList{text});

    state.messages.clear();
    MessageSender(rig->link.exchange, rig->link.lock).upload(text, QStringLiteral("0171"));
    QCOMPARE(state.messages.value(1).body, "a" + held + "b");
    QVERIFY(sms->SMSDownload(ShortMessages::ArchiveStep::Skip));
    QCOMPARE(sms->messages().count(), 1);
    QCOMPARE(sms->messages().sorted().first().text, text);
    QVERIFY(rig->boxes.shown.isEmpty());
}

QTEST_GUILESS_MAIN(TestCharConv)
#include "tst_charconv.moc"
