#include "testfiles.h"

#include "ringtones/melodyfile.h"

#include <QTemporaryDir>
#include <QTest>

class TestMelodyFile : public QObject
{
    Q_OBJECT
private slots:
    void raisesOneOctave_data();
    void raisesOneOctave();
    void findsTopNotes_data();
    void findsTopNotes();
    void linesSentToThePhone_data();
    void linesSentToThePhone();
    void readsTheHeader_data();
    void readsTheHeader();
    void unreadableFile();
};

void TestMelodyFile::raisesOneOctave_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("raised");
    QTest::newRow("low f") << "f- 8"
                           << "f 8";
    QTest::newRow("low sharp, no space") << "a#-16"
                                         << "a#16";
    QTest::newRow("middle g") << "g 4"
                              << "g+ 4";
    QTest::newRow("low b") << "b- 2"
                           << "b 2";
    QTest::newRow("upper sharp") << "F# 8"
                                 << "F#+ 8";
    QTest::newRow("upper low sharp") << "F#-8"
                                     << "F#8";
    QTest::newRow("high c to top") << "c+ 4"
                                   << "c++ 4";
    QTest::newRow("upper middle c") << "C 4"
                                    << "C+ 4";
    QTest::newRow("middle e") << "e 16"
                              << "e+ 16";
    QTest::newRow("digit low sharp") << "f#3 4"
                                     << "f#4 4";
    QTest::newRow("digit upper") << "E4 1"
                                 << "E5 1";
    QTest::newRow("digit c to top") << "C5 8"
                                    << "C6 8";
    QTest::newRow("digit sharp, rest kept") << "a#4 4."
                                            << "a#5 4.";
    QTest::newRow("high d has no rule") << "d+ 4"
                                        << "d+ 4";
    QTest::newRow("no space after token") << "d+4"
                                          << "d+4";
    QTest::newRow("lone letter") << "c"
                                 << "c";
    QTest::newRow("sharp high stays") << "c#+ 4"
                                      << "c#+ 4";
    QTest::newRow("mixed case") << "fB 4"
                                << "fB 4";
    QTest::newRow("unknown token") << "p 4"
                                   << "p 4";
    QTest::newRow("empty") << ""
                           << "";
}

void TestMelodyFile::raisesOneOctave()
{
    QFETCH(QString, line);
    QFETCH(QString, raised);
    QCOMPARE(RaiseNoteLine(line), raised);
}

void TestMelodyFile::findsTopNotes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("top");
    QTest::newRow("high d among others") << QByteArray("NAME=x\r\nc 4\r\nd+ 4\r\ne 4\r\n") << true;
    QTest::newRow("high d without space") << QByteArray("d+4\r\n") << false;
    QTest::newRow("e sharp high") << QByteArray("e#+ 8\r\n") << true;
    QTest::newRow("three-character token alone") << QByteArray("C#5") << true;
    QTest::newRow("digit top c") << QByteArray("c6 2\r\n") << true;
    QTest::newRow("digit top c without space") << QByteArray("C6\r\n") << false;
    QTest::newRow("high c may rise") << QByteArray("c+ 4\r\nc5 4\r\n") << false;
    QTest::newRow("header only") << QByteArray("NAME=d+ 4\r\nTEMPO=120\r\n") << false;
    QTest::newRow("empty file") << QByteArray() << false;
}

void TestMelodyFile::findsTopNotes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, top);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.mdy"));
    TestFiles::put(path, bytes);
    QCOMPARE(HasTopNotes(path), top);
}

void TestMelodyFile::linesSentToThePhone_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("raise");
    QTest::addColumn<bool>("sent");
    QTest::addColumn<QString>("expected");
    QTest::newRow("name line") << "NAME=Tune" << true << false << "";
    QTest::newRow("tempo line") << "TEMPO=120" << false << false << "";
    QTest::newRow("lower-case key is a note line") << "name=Tune" << true << true << "name=Tune\r";
    QTest::newRow("note unchanged") << "c+ 4" << false << true << "c+ 4\r";
    QTest::newRow("note raised") << "c+ 4" << true << true << "c++ 4\r";
    QTest::newRow("empty line") << "" << true << true << "\r";
    QTest::newRow("M alone") << "M" << false << true << "F3\r";
    QTest::newRow("M and digit") << "M4" << true << true << "F34\r";
    QTest::newRow("lower m, never raised") << "m 8" << true << true << "F3 8\r";
    QTest::newRow("Ctrl-Z hiding a command") << "c 4\x1a"
                                                "AT+CMGD=1"
                                             << true << true << "c+ 4AT+CMGD=1\r";
    QTest::newRow("ESC") << "\x1b" << false << true << "\r";
    QTest::newRow("Ctrl-Z in an M line") << "M\x1a"
                                            "4"
                                         << false << true << "F34\r";
}

void TestMelodyFile::linesSentToThePhone()
{
    QFETCH(QString, line);
    QFETCH(bool, raise);
    QFETCH(bool, sent);
    QFETCH(QString, expected);
    const std::optional<QString> text = MelodyLineToPhone(line, raise);
    QCOMPARE(text.has_value(), sent);
    if (sent)
        QCOMPARE(*text, expected);
}

void TestMelodyFile::readsTheHeader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tempo");
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<QString>("nameToSend");
    QTest::addColumn<QString>("tempoToSend");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("plain") << QByteArray("NAME=Tune\r\nTEMPO=120\r\nc 4\r\n") << "Tune"
                           << "120"
                           << "Tune"
                           << "Tune"
                           << "120" << QStringList{"NAME=Tune", "TEMPO=120", "c 4"};
    QTest::newRow("last values win") << QByteArray("TEMPO=90\r\nNAME=A\r\nNAME= B \r\nTEMPO=140\r\n") << " B "
                                     << "140"
                                     << " B "
                                     << " B "
                                     << "140" << QStringList{"TEMPO=90", "NAME=A", "NAME= B ", "TEMPO=140"};
    QTest::newRow("21 characters") << QByteArray("NAME=Twenty-one characters\r\n") << "Twenty-one characters"
                                   << ""
                                   << "Twenty-one "
                                   << "Twenty-one "
                                   << "" << QStringList{"NAME=Twenty-one characters"};
    QTest::newRow("cleaned for sending")
        << QByteArray("NAME=Say \"Hi\"\x01 to all\r\nTEMPO=12a0\r\n") << "Say \"Hi\"\x01 to all"
        << "12a0"
        << "Say \"Hi\"\x01 t"
        << "Say Hi to a"
        << "120" << QStringList{"NAME=Say \"Hi\"\x01 to all", "TEMPO=12a0"};
    QTest::newRow("keys in lower case, Windows-1252")
        << QByteArray("name=Caf\xe9\r\ntempo=80\r\n") << ""
        << ""
        << ""
        << ""
        << "" << QStringList{QStringLiteral("name=Caf\u00e9"), "tempo=80"};
    QTest::newRow("Unix line ends") << QByteArray("NAME=U\nTEMPO=60\nc 4\n\ng 2\n") << "U"
                                    << "60"
                                    << "U"
                                    << "U"
                                    << "60" << QStringList{"NAME=U", "TEMPO=60", "c 4", "", "g 2"};
}

void TestMelodyFile::readsTheHeader()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.mdy"));
    TestFiles::put(path, bytes);
    const std::optional<MelodyFile> melody = ReadMelodyFile(path);
    QVERIFY(melody);
    QTEST(melody->name, "name");
    QTEST(melody->tempo, "tempo");
    QTEST(melody->shortName(), "shortName");
    QTEST(melody->nameToSend(), "nameToSend");
    QTEST(melody->tempoToSend(), "tempoToSend");
    QTEST(melody->lines, "lines");
}

void TestMelodyFile::unreadableFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gone.mdy"));
    QVERIFY(!ReadMelodyFile(path));
    QVERIFY(!HasTopNotes(path));
}

QTEST_GUILESS_MAIN(TestMelodyFile)
#include "tst_melodyfile.moc"
