#include "text/replyparser.h"

#include <QTest>

class TestReplyParser : public QObject
{
    Q_OBJECT
private slots:
    void parseField_data();
    void parseField();
    void parseLine_data();
    void parseLine();
};

namespace {
const QString Tail = QStringLiteral("\r\n\r\nOK\r\n");
}

void TestReplyParser::parseField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QChar>("start");
    QTest::addColumn<QChar>("end");
    QTest::addColumn<QString>("expected");

    const QChar quote('"');
    QTest::newRow("storage size") << QStringLiteral("\r\n+CPMS: \"SM\",3,10,\"SM\",3,10") + Tail << 2
                                  << QChar(',') << QChar(',') << QStringLiteral("10");
    QTest::newRow("highest phonebook index") << QStringLiteral("\r\n+CPBW: (1-250),40,(129,145),16") + Tail
                                             << 1 << QChar('-') << QChar(')') << QStringLiteral("250");
    QTest::newRow("operator name") << QStringLiteral("\r\n+COPS: 0,0,\"D Interkom\"") + Tail << 1 << quote
                                   << quote << QStringLiteral("D Interkom");
    QTest::newRow("cell identity") << QStringLiteral("\r\n+CREG: 2,1,\"00C3\",\"1A2B\"") + Tail << 3 << quote
                                   << quote << QStringLiteral("1A2B");
    QTest::newRow("registration status") << QStringLiteral("\r\n+CREG: 2,1,\"00C3\",\"1A2B\"") + Tail << 1
                                         << QChar(',') << QChar(',') << QStringLiteral("1");
    // A plain +CREG: 0,1 has no second comma: the status runs up to the end of the text.
    QTest::newRow("status without location")
        << QStringLiteral("+CREG: 0,1") << 1 << QChar(',') << QChar(',') << QStringLiteral("1");

    QTest::newRow("start absent on first pass: end search on whole text")
        << QStringLiteral("abc)def") << 1 << QChar('-') << QChar(')') << QStringLiteral("abc");
    // The second pass finds no comma; the text is cut again by the first pass's position 2.
    QTest::newRow("start absent on later pass: position carries over")
        << QStringLiteral("a,bcdef") << 2 << QChar(',') << QChar('x') << QStringLiteral("d");
    QTest::newRow("end absent: cut before last start position")
        << QStringLiteral("ab,cd,efgh") << 1 << QChar(',') << QChar('#') << QStringLiteral("cd");
    QTest::newRow("no delimiter at all: unchanged")
        << QStringLiteral("nothing here") << 2 << QChar(',') << QChar(',') << QStringLiteral("nothing here");
    QTest::newRow("end delimiter right after start: empty")
        << QStringLiteral("x,,y") << 1 << QChar(',') << QChar(',') << QString();
    QTest::newRow("start delimiter as last character: empty")
        << QStringLiteral("abc,") << 1 << QChar(',') << QChar(',') << QString();
    QTest::newRow("end absent and position past the rest: whole rest")
        << QStringLiteral("a\r\nb") << 1 << QChar('\n') << QChar('\r') << QStringLiteral("b");
    QTest::newRow("case-sensitive") << QStringLiteral("aXbxc") << 1 << QChar('x') << QChar('X')
                                    << QStringLiteral("c");
    QTest::newRow("empty text") << QString() << 1 << QChar(',') << QChar(',') << QString();
}

void TestReplyParser::parseField()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QChar, start);
    QFETCH(QChar, end);
    QFETCH(QString, expected);
    ParseField(text, n, start, end);
    QCOMPARE(text, expected);
}

void TestReplyParser::parseLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("manufacturer") << QStringLiteral("\r\nMitsubishi") + Tail << QStringLiteral("Mitsubishi");
    QTest::newRow("IMSI") << QStringLiteral("\r\n262011234567890") + Tail
                          << QStringLiteral("262011234567890");
    // With the echo still on, the first CR is the one after the echoed command.
    QTest::newRow("echoed command first")
        << QStringLiteral("AT+CGMM\r\r\nTrium Mars") + Tail << QStringLiteral("\nTrium Mars");
    QTest::newRow("start delimiter as last character: unchanged, then cut at it")
        << QStringLiteral("abc\r") << QStringLiteral("abc");
    // No CR at all: p stays 0, one character is still skipped, the end search finds nothing.
    QTest::newRow("no delimiter") << QStringLiteral("xyz") << QStringLiteral("yz");
    QTest::newRow("only CR LF") << QStringLiteral("\r\n") << QString();
}

void TestReplyParser::parseLine()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    ParseLine(text, 1, QLatin1Char('\r'), QLatin1Char('\r'));
    QCOMPARE(text, expected);
}

QTEST_APPLESS_MAIN(TestReplyParser)
#include "tst_replyparser.moc"
