// The PDU codec: round trips of every character and shape it writes, and PDUs of real phones
// from public test data.
#include "sms/smspdu.h"
#include "text/gsmalphabet.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// The text of a submit's parts, read back, and each part's concatenation as read.
QString readBack(const QList<SmsPdu::Encoded> &pdus, QList<SmsPdu::Concatenation> *parts = nullptr)
{
    QString text;
    for (const SmsPdu::Encoded &pdu : pdus) {
        QString error;
        const auto message = SmsPdu::decode(pdu.hex, &error);
        if (!message) {
            qWarning("%s: %s", pdu.hex.constData(), qPrintable(error));
            return QStringLiteral("<unreadable>");
        }
        // The length "AT+CMGS=" announces: the octets after the empty service-centre part.
        if (pdu.length != pdu.hex.size() / 2 - 1)
            return QStringLiteral("<wrong length>");
        if (parts && message->concatenation)
            parts->append(*message->concatenation);
        text += message->text;
    }
    return text;
}

} // namespace

class TestSmsPdu : public QObject
{
    Q_OBJECT
private slots:
    void everyCharacterOfBothTablesRoundTrips();
    void textsSplitIntoPartsThatJoinAgain_data();
    void textsSplitIntoPartsThatJoinAgain();
    void addressesOfEitherLengthAndKind_data();
    void addressesOfEitherLengthAndKind();
    void randomTextsRoundTrip();
    void brokenPdusAreRefused_data();
    void brokenPdusAreRefused();
};

void TestSmsPdu::everyCharacterOfBothTablesRoundTrips()
{
    QString all;
    for (int code = 0; code < 128; ++code) {
        if (code != GsmAlphabet::Escape)
            all += QChar(GsmAlphabet::character(code));
    }
    for (int code = 0; code < 128; ++code) {
        if (const auto c = GsmAlphabet::extension(code))
            all += QChar(*c);
    }
    QCOMPARE(SmsPdu::split(all).coding, SmsPdu::Coding::Gsm7);
    QList<SmsPdu::Concatenation> parts;
    QCOMPARE(readBack(SmsPdu::encodeSubmit(QStringLiteral("+4917012345"), all, 7), &parts), all);
    // 127 codes and 10 extension characters of two septets each: 147 septets, one part.
    QVERIFY(parts.isEmpty());
}

void TestSmsPdu::textsSplitIntoPartsThatJoinAgain_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("coding");
    QTest::addColumn<int>("parts");
    QTest::newRow("160 septets") << QString(160, QLatin1Char('a')) << int(SmsPdu::Coding::Gsm7) << 1;
    QTest::newRow("161 septets") << QString(161, QLatin1Char('a')) << int(SmsPdu::Coding::Gsm7) << 2;
    // An extension character costs two septets, and no cut falls between them.
    QTest::newRow("euro at the cut") << QString(152, QLatin1Char('a')) + QStringLiteral("€") +
                                            QString(10, QLatin1Char('b'))
                                     << int(SmsPdu::Coding::Gsm7) << 2;
    QTest::newRow("70 units") << QString(70, QChar(0x0416)) << int(SmsPdu::Coding::Ucs2) << 1;
    QTest::newRow("400 Cyrillic") << QString(400, QChar(0x0416)) << int(SmsPdu::Coding::Ucs2) << 6;
    // Emoji are surrogate pairs: 34 of them take 68 units, so a part holds 33.
    QTest::newRow("emoji") << QString::fromUtf8("😀").repeated(40) << int(SmsPdu::Coding::Ucs2) << 2;
}

void TestSmsPdu::textsSplitIntoPartsThatJoinAgain()
{
    QFETCH(QString, text);
    QFETCH(int, coding);
    QFETCH(int, parts);
    const SmsPdu::Split split = SmsPdu::split(text);
    QCOMPARE(int(split.coding), coding);
    QCOMPARE(split.parts.size(), parts);
    for (const QString &part : split.parts)
        QVERIFY(!part.isEmpty() && !part.back().isHighSurrogate());
    QList<SmsPdu::Concatenation> read;
    QCOMPARE(readBack(SmsPdu::encodeSubmit(QStringLiteral("0301234"), text, 200), &read), text);
    QCOMPARE(read.size(), parts > 1 ? parts : 0);
    for (int k = 0; k < read.size(); ++k) {
        QCOMPARE(read.at(k).reference, 200);
        QCOMPARE(read.at(k).parts, parts);
        QCOMPARE(read.at(k).part, k + 1);
    }
}

void TestSmsPdu::addressesOfEitherLengthAndKind_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("even, international") << "+491712" << QByteArray("0691947121");
    QTest::newRow("odd, international") << "+4917123" << QByteArray("0791947121F3");
    QTest::newRow("odd, national") << "03012" << QByteArray("05813010F2");
    QTest::newRow("service code") << "*100#" << QByteArray("05811A00FB");
}

void TestSmsPdu::addressesOfEitherLengthAndKind()
{
    QFETCH(QString, number);
    QFETCH(QByteArray, field);
    QCOMPARE(SmsPdu::addressField(number).toHex().toUpper(), field);
    const auto message = SmsPdu::decode(SmsPdu::encodeSubmit(number, QStringLiteral("x")).constFirst().hex);
    QVERIFY(message);
    QCOMPARE(message->type, SmsPdu::Type::Submit);
    QCOMPARE(message->address, number);
}

void TestSmsPdu::randomTextsRoundTrip()
{
    const QString pool =
        QStringLiteral("abcXYZ019 @£$¥èéΔ_ΦΓΛΩ€[]{}\\^~|\n") + QString::fromUtf8("ЖжЯя你好😀🎉");
    const QStringList characters = [&pool] {
        QStringList list;
        for (const char32_t c : pool.toUcs4())
            list.append(QString::fromUcs4(&c, 1));
        return list;
    }();
    // The pool's GSM characters come first: half of the texts keep to them.
    const int gsm = int(std::count_if(characters.begin(), characters.end(), [](const QString &c) {
        return GsmAlphabet::holds(c.toUcs4().constFirst());
    }));
    QRandomGenerator random(31);
    for (int round = 0; round < 300; ++round) {
        QString text;
        const int length = int(random.bounded(500));
        const int from = round % 2 ? gsm : int(characters.size());
        for (int k = 0; k < length; ++k)
            text += characters.at(int(random.bounded(from)));
        QCOMPARE(readBack(SmsPdu::encodeSubmit(QStringLiteral("+33612345678"), text, round)), text);
    }
}

void TestSmsPdu::brokenPdusAreRefused_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("not hex") << QByteArray("0011ZZ");
    QTest::newRow("odd digits") << QByteArray("001");
    QTest::newRow("ends in the address") << QByteArray("00110007919471");
    // 10 septets announced, 2 octets of data.
    QTest::newRow("short user data") << QByteArray("001100049194710000A70A4141");
    QTest::newRow("header longer than the data") << QByteArray("005100049194710000A70A0B0500");
}

void TestSmsPdu::brokenPdusAreRefused()
{
    QFETCH(QByteArray, hex);
    QString error;
    QVERIFY(!SmsPdu::decode(hex, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestSmsPdu)
#include "tst_smspdu.moc"
