#include "testfiles.h"

#include "text/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTextFile : public QObject
{
    Q_OBJECT
private slots:
    void linesEndAtCrLfOrLoneCr();
    void writesWindows1252WithCrLf();
    void appendCreatesAndExtends();
    void appendStartsOnANewLine_data();
    void appendStartsOnANewLine();
    void failedWriteKeepsTheOldFile();
    void missingFileReadsAsNothing();
    void boundedReadStopsAtItsLimit();
};

using TestFiles::contents;
using TestFiles::put;

void TestTextFile::linesEndAtCrLfOrLoneCr()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    put(path, "one\r\ntwo\rthree\nfour\r\n\r\nlast");
    bool ok = false;
    QCOMPARE(TextFile::readLines(path, &ok), QStringList({"one", "two", "three", "four", "", "last"}));
    QVERIFY(ok);
}

void TestTextFile::writesWindows1252WithCrLf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b.txt"));
    QVERIFY(TextFile::writeLines(path, {QStringLiteral("Jürgen\u2030\u2020\u2030+49"), QString()}));
    QCOMPARE(contents(path), QByteArray("J\xfcrgen\x89\x86\x89+49\r\n\r\n"));
    QCOMPARE(TextFile::readLines(path),
             QStringList({QStringLiteral("Jürgen\u2030\u2020\u2030+49"), QString()}));
}

void TestTextFile::appendCreatesAndExtends()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.txt"));
    QVERIFY(TextFile::appendLines(path, {QStringLiteral("a")}));
    QVERIFY(TextFile::appendLines(path, {QStringLiteral("b"), QStringLiteral("c")}));
    QCOMPARE(contents(path), QByteArray("a\r\nb\r\nc\r\n"));
}

void TestTextFile::appendStartsOnANewLine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("ended by CR LF") << QByteArray("a\r\n") << QByteArray("a\r\nb\r\n");
    QTest::newRow("last line unended") << QByteArray("a") << QByteArray("a\r\nb\r\n");
    QTest::newRow("ended by a lone CR") << QByteArray("a\r") << QByteArray("a\rb\r\n");
    QTest::newRow("ended by a lone LF") << QByteArray("a\n") << QByteArray("a\nb\r\n");
    QTest::newRow("empty") << QByteArray("") << QByteArray("b\r\n");
}

void TestTextFile::appendStartsOnANewLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    put(path, before);
    QVERIFY(TextFile::appendLines(path, {QStringLiteral("b")}));
    QCOMPARE(contents(path), after);
}

void TestTextFile::failedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/old.txt"));
    // The folder does not exist: nothing can be written, and the error says why.
    QString error;
    QVERIFY(!TextFile::writeLines(path, {QStringLiteral("x")}, &error));
    QVERIFY(!error.isEmpty());

    const QString kept = dir.filePath(QStringLiteral("kept.txt"));
    put(kept, "old\r\n");
    QVERIFY(TextFile::writeLines(kept, {QStringLiteral("new")}));
    QCOMPARE(contents(kept), QByteArray("new\r\n"));
}

void TestTextFile::missingFileReadsAsNothing()
{
    bool ok = true;
    QVERIFY(TextFile::readLines(QStringLiteral("/nonexistent/file"), &ok).isEmpty());
    QVERIFY(!ok);
}

void TestTextFile::boundedReadStopsAtItsLimit()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    put(path, "1234\r\n6789");
    struct Case
    {
        QString path;
        qint64 limit;
        bool ok;
        bool tooLarge;
    };
    // A file that never ends is cut off at the limit, not read until memory runs out.
    for (const Case &c : {Case{path, 10, true, false}, Case{path, 9, false, true},
                          Case{QStringLiteral("/dev/zero"), 1000, false, true},
                          Case{QStringLiteral("/nonexistent/file"), 10, false, false}}) {
        bool ok = !c.ok;
        bool tooLarge = !c.tooLarge;
        const QStringList lines = TextFile::readLinesUpTo(c.path, c.limit, &ok, &tooLarge);
        QCOMPARE(ok, c.ok);
        QCOMPARE(tooLarge, c.tooLarge);
        QCOMPARE(lines, c.ok ? QStringList({"1234", "6789"}) : QStringList());
    }
}

QTEST_APPLESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
