#include "text/charactersets.h"
#include "text/gsmalphabet.h"
#include "text/testanswer.h"

#include <QTest>

using CharacterSets::Set;

class TestCharacterSets : public QObject
{
    Q_OBJECT
private slots:
    void gsmAlphabetCarriesBothTables();
    void throughTheSets_data();
    void throughTheSets();
    void mixedFormsAreKeptAsTheyCame_data();
    void mixedFormsAreKeptAsTheyCame();
    void testAnswers_data();
    void testAnswers();
};

void TestCharacterSets::gsmAlphabetCarriesBothTables()
{
    // Every code but the escape reads as a character that goes back to that code.
    for (int code = 0; code < 128; ++code) {
        if (code == GsmAlphabet::Escape)
            continue;
        const QString c(QChar(GsmAlphabet::character(code)));
        QCOMPARE(GsmAlphabet::encode(c), QByteArray(1, char(code)));
        QCOMPARE(GsmAlphabet::decode(QByteArray(1, char(code))), c);
    }
    for (int code = 0; code < 128; ++code) {
        const auto extended = GsmAlphabet::extension(code);
        if (!extended)
            continue;
        const QByteArray codes = QByteArray(1, GsmAlphabet::Escape) + char(code);
        QCOMPARE(GsmAlphabet::encode(QString(QChar(*extended))), codes);
        QCOMPARE(GsmAlphabet::decode(codes), QString(QChar(*extended)));
    }
    // Anchors from the standard's table; an unknown escape reads as a space.
    QCOMPARE(
        GsmAlphabet::encode(QStringLiteral("@£Δ_§¿äà€[]{}\\^~|")),
        QByteArray("\x00\x01\x10\x11\x5f\x60\x7b\x7f\x1b\x65\x1b\x3c\x1b\x3e\x1b\x28\x1b\x29\x1b\x2f\x1b\x14"
                   "\x1b\x3d\x1b\x40",
                   26));
    QCOMPARE(GsmAlphabet::decode(QByteArray("a\x1b\x01"
                                            "b")),
             QStringLiteral("a£b"));
    QCOMPARE(GsmAlphabet::decode(QByteArray("a\x1b")), QStringLiteral("a "));
    QString lost;
    QCOMPARE(GsmAlphabet::encode(QStringLiteral("çЖç"), &lost), QByteArray("???"));
    QCOMPARE(lost, QStringLiteral("çЖ"));
}

void TestCharacterSets::throughTheSets_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("UCS2 umlauts") << "UCS2"
                                  << "Müller" << QByteArray("004D00FC006C006C00650072");
    QTest::newRow("UCS2 Cyrillic") << "ucs2"
                                   << "Анна" << QByteArray("0410043D043D0430");
    QTest::newRow("UCS2 Chinese") << "UCS2"
                                  << "王小明" << QByteArray("738B5C0F660E");
    QTest::newRow("UCS2 emoji") << "UCS2"
                                << "Hi 😀" << QByteArray("004800690020D83DDE00");
    QTest::newRow("UTF-8") << "UTF-8"
                           << "Jürgen 王" << QByteArray("J\xc3\xbcrgen \xe7\x8e\x8b");
    QTest::newRow("UTF8 spelt so") << "UTF8"
                                   << "ß" << QByteArray("\xc3\x9f");
    QTest::newRow("8859-1") << "8859-1"
                            << "Größe"
                            << QByteArray("Gr\xf6\xdf"
                                          "e");
    QTest::newRow("IRA") << "IRA"
                         << "Anna +49" << QByteArray("Anna +49");
    QTest::newRow("GSM") << "GSM"
                         << "Søren@Büro"
                         << QByteArray("S\x0cren\x00"
                                       "B\x7er\x6f",
                                       10);
    QTest::newRow("PCCP437") << "PCCP437"
                             << "Müller §" << QByteArray("M\x81ller \x15");
}

void TestCharacterSets::throughTheSets()
{
    QFETCH(QString, set);
    QFETCH(QString, text);
    QFETCH(QByteArray, sent);
    const auto named = CharacterSets::named(set);
    QVERIFY(named);
    QCOMPARE(CharacterSets::encode(*named, text), sent);
    QCOMPARE(CharacterSets::decode(*named, sent), text);
}

void TestCharacterSets::mixedFormsAreKeptAsTheyCame_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("UCS2 plain text") << "UCS2" << QByteArray("Anna") << "Anna";
    QTest::newRow("UCS2 trailing 00") << "UCS2" << QByteArray("0041006E006E006100") << "Anna";
    QTest::newRow("UCS2 odd hex") << "UCS2" << QByteArray("41A") << "41A";
    QTest::newRow("UCS2 lower-case hex") << "UCS2" << QByteArray("00e4") << "ä";
    QTest::newRow("UTF-8 invalid") << "UTF-8" << QByteArray("M\xfcller") << "Müller";
    QTest::newRow("GSM with 8-bit bytes") << "GSM" << QByteArray("M\xfcller") << "Müller";
    QTest::newRow("IRA upper half") << "IRA" << QByteArray("\xe9t\xe9") << "été";
}

void TestCharacterSets::mixedFormsAreKeptAsTheyCame()
{
    QFETCH(QString, set);
    QFETCH(QByteArray, field);
    QFETCH(QString, text);
    QCOMPARE(CharacterSets::decode(*CharacterSets::named(set), field), text);
}

void TestCharacterSets::testAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QList<QStringList>>("parameters");
    QTest::newRow("storages") << " (\"SM\",\"ME\"),(\"SM\"),(\"SM\")"
                              << QList<QStringList>{{"SM", "ME"}, {"SM"}, {"SM"}};
    QTest::newRow("phonebook sizes") << " (1-250),50,14,,,,40,20"
                                     << QList<QStringList>{{"1-250"}, {"50"}, {"14"}, {},
                                                           {},        {},     {"40"}, {"20"}};
    QTest::newRow("bare sets") << " \"IRA\", \"GSM\" ,\"UCS2\""
                               << QList<QStringList>{{"IRA"}, {"GSM"}, {"UCS2"}};
    QTest::newRow("comma inside quotes") << "(\"A,B\")" << QList<QStringList>{{"A,B"}};
    QTest::newRow("empty") << " " << QList<QStringList>{};
    QTest::newRow("empty list") << "()" << QList<QStringList>{{}};
}

void TestCharacterSets::testAnswers()
{
    QFETCH(QString, answer);
    QFETCH(QList<QStringList>, parameters);
    QCOMPARE(TestAnswer::parameters(answer), parameters);
    for (const QStringList &values : parameters) {
        // Whatever a list holds, its bounds take in each of its numbers.
        if (const auto bounds = TestAnswer::bounds(values))
            QVERIFY(TestAnswer::offers(values, bounds->first) && TestAnswer::offers(values, bounds->second));
    }
    QCOMPARE(TestAnswer::bounds({"1-250"}), (std::optional<std::pair<int, int>>{{1, 250}}));
    QVERIFY(TestAnswer::offers({"0-1"}, 1) && !TestAnswer::offers({"0"}, 1) && !TestAnswer::bounds({"SM"}));
}

QTEST_GUILESS_MAIN(TestCharacterSets)
#include "tst_charactersets.moc"
