#include "text/cp1252.h"

#include <QTest>

class TestCp1252 : public QObject
{
    Q_OBJECT
private slots:
    void everyByteRoundTrips();
    void knownCharacters_data();
    void knownCharacters();
    void undefinedBytesKeepTheirNumber();
    void foreignCharacterBecomesQuestionMark();
};

void TestCp1252::everyByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Cp1252::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(Cp1252::encode(text), all);
}

void TestCp1252::knownCharacters_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("contacts separator") << QByteArray("\x89\x86\x89") << QStringLiteral("\u2030\u2020\u2030");
    QTest::newRow("umlauts") << QByteArray("M\xfcller \xc4\xd6\xdc\xdf") << QStringLiteral("Müller ÄÖÜß");
    QTest::newRow("euro") << QByteArray("\x80") << QStringLiteral("\u20ac");
    QTest::newRow("control bytes") << QByteArray("\r\n\x1a\x1b") << QStringLiteral("\r\n\x1a\x1b");
}

void TestCp1252::knownCharacters()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Cp1252::decode(bytes), text);
    QCOMPARE(Cp1252::encode(text), bytes);
}

void TestCp1252::undefinedBytesKeepTheirNumber()
{
    for (const int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        const QString text = Cp1252::decode(QByteArray(1, char(b)));
        QCOMPARE(text.size(), 1);
        QCOMPARE(text.at(0).unicode(), ushort(b));
        QCOMPARE(Cp1252::encode(text), QByteArray(1, char(b)));
    }
}

void TestCp1252::foreignCharacterBecomesQuestionMark()
{
    // Never a Ctrl-Z: that byte would close a message body on the phone.
    QCOMPARE(Cp1252::encode(QStringLiteral("a\u4e00b\u20ac")), QByteArray("a?b\x80"));
    QCOMPARE(Cp1252::encode(QStringLiteral("\U0001F600")), QByteArray("??"));
}

QTEST_APPLESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
