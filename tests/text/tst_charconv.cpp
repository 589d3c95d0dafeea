#include "text/charconv.h"
#include "text/cp1252.h"

#include <QTest>

class TestCharConv : public QObject
{
    Q_OBJECT
private slots:
    void table_data();
    void table();
    void sectionSignGoesOutAsS();
    void muellerOnTheLine();
    void otherCharactersPassUnchanged();
};

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

void TestCharConv::otherCharactersPassUnchanged()
{
    QString empty;
    PhoneToPC(empty);
    PCToPhone(empty);
    QVERIFY(empty.isEmpty());

    const QString plain = QStringLiteral("Anna Schmidt +49 (30) 1234 é€");
    QString there = plain;
    PCToPhone(there);
    QCOMPARE(there, plain);
    QString back = plain;
    PhoneToPC(back);
    QCOMPARE(back, plain);
    QCOMPARE(Cp1252::encode(QStringLiteral("é")), QByteArray("\xe9"));
}

QTEST_APPLESS_MAIN(TestCharConv)
#include "tst_charconv.moc"
