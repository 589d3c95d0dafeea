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
    void realPhonesPdusDecode_data();
    void realPhonesPdusDecode();
    void submitAsAnotherEncoderWritesIt();
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

// PDUs from the test data of open-source projects of the field, with the values their tests
// assert. MM: linux-mobile-broadband/ModemManager src/tests/test-sms-part-3gpp.c @599f545c;
// PG: faucamp/python-gsmmodem test/test_pdu.py @df20a9a2; OF: oFono unit/test-sms.c
// (sailfishos-native/ofono-mirror @8fa1fdfc); AN: aosp-mirror/platform_frameworks_base
// tests/AndroidTests/.../SMSTest.java @2af1b3db; NP: JulianWowra/node-pdu tests/parsing.test.ts
// @927370ab. Zones are in quarter hours, as the phones write them.
void TestSmsPdu::realPhonesPdusDecode_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("centre");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("stamp");
    QTest::addColumn<int>("coding");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("concatenation"); // reference, parts, part
    const int deliver = int(SmsPdu::Type::Deliver);
    const int gsm = int(SmsPdu::Coding::Gsm7);
    const int ucs2 = int(SmsPdu::Coding::Ucs2);
    QTest::newRow("NP deliver, zone east")
        << QByteArray("07919730071111F1000B919746121611F10000811170021222230DC8329BFD6681EE6F399B1C02")
        << deliver << "+79037011111"
        << "+79642161111"
        << "18/11/07,20:21:22+32" << gsm << "Hello, world!" << QList<int>{};
    QTest::newRow("NP deliver, zone west")
        << QByteArray("07919730071111F1000B919746121611F100008111700212222B0DC8329BFD6681EE6F399B1C02")
        << deliver << "+79037011111"
        << "+79642161111"
        << "18/11/07,20:21:22-32" << gsm << "Hello, world!" << QList<int>{};
    QTest::newRow("OF simple deliver")
        << QByteArray("07911326040000F0040B911346610089F60000208062917314480CC8F71D14969741F977FD07")
        << deliver << "+31624000000"
        << "+31641600986"
        << "02/08/26,19:37:41-04" << gsm << "How are you?" << QList<int>{};
    QTest::newRow("MM extension characters")
        << QByteArray("07912104442961F4040B916171957291F800001120821105050A6AC8B2BC7C9A83C220F6DB7D2ECB41EDF2"
                      "7C1E3E9741"
                      "1BDE06754FD3D1A0F9BB5D0695F1F4B29B5C2683C6E8B03C3CA697E5F34D6AE303D1D1F2F7DD0D4ABB59A0"
                      "797D8C06"
                      "85E7A00028EC26832A960B28EC2683BE6050780EBA97D96C17")
        << deliver << "+12404492164"
        << "+16175927198"
        << "11/02/28,11:50:50-20" << gsm
        << QString::fromUtf8(
               "Here's a longer message [{with some extended characters}] thrown in, such as £ and "
               "ΩΠΨ and §¿ as well.")
        << QList<int>{};
    QTest::newRow("AN extension table")
        << QByteArray("07914151551512f2040B916105551511f100006080615131728A44D4F29C0E2AE3E96537B94C068DD16179"
                      "784C2FCB4"
                      "1F4B0985D06B958ADD00FB0E94536AF974974DA6D281BA00E95E26D509B946FC3DBF87A25D56A04")
        << deliver << "+14155551212"
        << "+16505551111"
        << "06/08/16,15:13:27-28" << gsm << "Test extended character table .,-!?@~_\\/&\"';^|:()<{}>[]=%*+#"
        << QList<int>{};
    QTest::newRow("MM alphanumeric sender, UCS2")
        << QByteArray("07919730071111F10414D04937BD2C7797E9D3E614000811309291024061080442043504410442")
        << deliver << "+79037011111"
        << "InternetSMS"
        << "11/03/29,19:20:04+16" << ucs2 << QString::fromUtf8("тест") << QList<int>{};
    QTest::newRow("MM national number")
        << QByteArray("07912143658709F1040B818100551512F20000111010214365000AE8329BFD4697D9EC37") << deliver
        << "+12345678901"
        << "18005551212"
        << "11/01/01,12:34:56+00" << gsm << "hellohello" << QList<int>{};
    QTest::newRow("MM 8-bit data")
        << QByteArray("07912143658709F1040B918100551512F20004111010214365000AE8329BFD4697D9EC37DE") << deliver
        << "+12345678901"
        << "+18005551212"
        << "11/01/01,12:34:56+00" << int(SmsPdu::Coding::EightBit) << "(8-bit data) E8329BFD4697D9EC37DE"
        << QList<int>{};
    QTest::newRow("NP 16-bit reference")
        << QByteArray("07919730071111F1400B919746121611F10000811170021222230E06080412340201C8329BFD6601")
        << deliver << "+79037011111"
        << "+79642161111"
        << "18/11/07,20:21:22+32" << gsm << "Hello," << QList<int>{0x1234, 2, 1};
    QTest::newRow("NP 8-bit reference, fill bit")
        << QByteArray("07919730071111F1400B919746121611F10000100161916233230E0500032E020240ED303D4C0F03")
        << deliver << "+79037011111"
        << "+79642161111"
        << "01/10/16,19:26:33+32" << gsm << " matata" << QList<int>{0x2E, 2, 2};
    QTest::newRow("PG alphanumeric sender, UCS2 part")
        << QByteArray(
               "07919762020033F1400DD0CDF2396C7EBB010008415072411084618C0500035602010053004D0053002000630"
               "06F00640065003A00200034003800350036002C00200063006F006E006600690072006D006100740069006F006E"
               "0020006F00660020006100730073006F00630069006100740069006F006E00200062006500740077006500650"
               "06E0020006100630063006F0075006E007400200061006E00640020004D00650067")
        << deliver << "+79262000331"
        << "Megafon"
        << "14/05/27,14:01:48+16" << ucs2
        << "SMS code: 4856, confirmation of association between account and Meg" << QList<int>{0x56, 2, 1};
    QTest::newRow("OF submit") << QByteArray("0011000B916407281553F80000AA0AE8329BFD4697D9EC37")
                               << int(SmsPdu::Type::Submit) << ""
                               << "+46708251358"
                               << "" << gsm << "hellohello" << QList<int>{};
    QTest::newRow("MM submit, UCS2") << QByteArray("002100098136397339F70008224F60597D4F60597D4F60597D4F60597"
                                                   "D4F60597D4F60597D4F60597D4F60597D4F60")
                                     << int(SmsPdu::Type::Submit) << ""
                                     << "639337937"
                                     << "" << ucs2 << QString::fromUtf8("你好你好你好你好你好你好你好你好你")
                                     << QList<int>{};
    QTest::newRow("PG status report") << QByteArray("0006D60B911326880736F4111011719551401110117195714000")
                                      << int(SmsPdu::Type::StatusReport) << ""
                                      << "+31628870634"
                                      << "11/01/11,17:59:15+04" << gsm << "" << QList<int>{};
}

void TestSmsPdu::realPhonesPdusDecode()
{
    QFETCH(QByteArray, hex);
    QFETCH(int, type);
    QFETCH(QString, centre);
    QFETCH(QString, address);
    QFETCH(QString, stamp);
    QFETCH(int, coding);
    QFETCH(QString, text);
    QFETCH(QList<int>, concatenation);
    QString error;
    const auto message = SmsPdu::decode(hex, &error);
    QVERIFY2(message, qPrintable(error));
    QCOMPARE(int(message->type), type);
    QCOMPARE(message->serviceCentre, centre);
    QCOMPARE(message->address, address);
    QCOMPARE(message->timeStamp, stamp);
    if (message->type != SmsPdu::Type::StatusReport) {
        QCOMPARE(int(message->coding), coding);
        QCOMPARE(message->text, text);
    } else {
        QCOMPARE(message->messageReference, 214);
        QCOMPARE(message->status, 0);
    }
    QCOMPARE(message->concatenation.has_value(), !concatenation.isEmpty());
    if (message->concatenation)
        QCOMPARE((QList<int>{message->concatenation->reference, message->concatenation->parts,
                             message->concatenation->part}),
                 concatenation);
}

void TestSmsPdu::submitAsAnotherEncoderWritesIt()
{
    // oFono's test_prepare_7bit (unit/test-sms.c) writes the same first octet, validity and
    // coding; its service-centre part is its own.
    const QList<SmsPdu::Encoded> pdu =
        SmsPdu::encodeSubmit(QStringLiteral("+358478400241"), QStringLiteral("This is testing !"));
    QCOMPARE(pdu.size(), 1);
    QCOMPARE(pdu.constFirst().hex,
             QByteArray("00") + QByteArray("11000C915348870420140000A71154747A0E4ACF41F4F29C9E769F4121"));
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
