#include "vcardchecks.h"

#include "phonebook/contactname.h"
#include "phonebook/vcard.h"

#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTest>
#include <QUtf8StringView>

namespace {

// "name|number" per contact: readable when a comparison fails.
QStringList described(const QList<Contact> &contacts)
{
    QStringList lines;
    for (const Contact &contact : contacts)
        lines.append(contact.name + QLatin1Char('|') + contact.number);
    return lines;
}

QByteArray card(const QByteArray &lines)
{
    return "BEGIN:VCARD\r\n" + lines + "END:VCARD\r\n";
}

} // namespace

class TestVCard : public QObject
{
    Q_OBJECT
private slots:
    void fitForPhone_data();
    void fitForPhone();
    void writesVCard30();
    void writtenCardsReadBack_data();
    void writtenCardsReadBack();
    void reads_data();
    void reads();
    void randomInputKeepsTheRules();
};

void TestVCard::fitForPhone_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fitted");
    QTest::newRow("fits") << QStringLiteral("Jürgen Öß ¿¡ £5¥") << QStringLiteral("Jürgen Öß ¿¡ £5¥");
    QTest::newRow("more of the code page")
        << QStringLiteral("Zoë «Café» ½ Ωπ") << QStringLiteral("Zoë «Café» ½ Ωπ");
    // The phone would show these as other characters.
    QTest::newRow("beyond the phone's characters") << QStringLiteral("€5 ¤ Œ") << QStringLiteral("?5 ? ?");
    QTest::newRow("cut") << QStringLiteral("Jürgen Müller-Lüdenscheidt")
                         << QStringLiteral("Jürgen Müller-Lü");
    QTest::newRow("base letters") << QStringLiteral("Őrs Dvořák ﬁ Ｔｏｍ")
                                  << QStringLiteral("Ors Dvorák fi To");
    QTest::newRow("accent typed apart") << QStringLiteral("O\u0301scar E\u0301") << QStringLiteral("Oscar É");
    QTest::newRow("no base letter") << QStringLiteral("Łukasz Дима 😀") << QStringLiteral("?ukasz ???? ?");
    QTest::newRow("quote and controls") << QStringLiteral("Ev\"a\r\nATD1;\x1a") << QStringLiteral("EvaATD1;");
    QTest::newRow("cleaned before cut")
        << QStringLiteral("\"\"\"\"Abcdefghijklmnopq") << QStringLiteral("Abcdefghijklmnop");
}

void TestVCard::fitForPhone()
{
    QFETCH(QString, name);
    QFETCH(QString, fitted);
    QCOMPARE(ContactName::fitForPhone(name), fitted);
    QCOMPARE(ContactName::fitForPhone(fitted), fitted);
}

void TestVCard::writesVCard30()
{
    QCOMPARE(
        VCard::compose({{QStringLiteral("Anna Berg"), QStringLiteral("+4930")},
                        {QStringLiteral("Müller, Jürgen"), QStringLiteral("0815")},
                        {QStringLiteral("Mum"), QStringLiteral("*100#")}}),
        card("VERSION:3.0\r\nFN:Anna Berg\r\nN:Berg;Anna;;;\r\nTEL;TYPE=CELL:+4930\r\n") +
            card("VERSION:3.0\r\nFN:M\xc3\xbcller\\, J\xc3\xbcrgen\r\nN:M\xc3\xbcller;J\xc3\xbcrgen;;;\r\n"
                 "TEL;TYPE=CELL:0815\r\n") +
            card("VERSION:3.0\r\nFN:Mum\r\nN:Mum;;;;\r\nTEL;TYPE=CELL:*100#\r\n"));
}

void TestVCard::writtenCardsReadBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("read");
    QTest::newRow("umlauts") << QStringLiteral("Jürgen Müller") << QStringLiteral("+49301234")
                             << QStringLiteral("Jürgen Müller");
    QTest::newRow("escapes") << QStringLiteral("a\\b,c;d e, f") << QStringLiteral("0815")
                             << QStringLiteral("a\\b,c;d e, f");
    QTest::newRow("sixteen") << QStringLiteral("£ÄÖÜäöüß£ÄÖÜäöüß") << QStringLiteral("112")
                             << QStringLiteral("£ÄÖÜäöüß£ÄÖÜäöüß");
    // Longer than a line: folded between characters, and cut when read.
    QTest::newRow("folded") << QLatin1Char('a') + QString(80, QChar(0x00DF)) + QStringLiteral("\\;,")
                            << QStringLiteral("1") << QLatin1Char('a') + QString(15, QChar(0x00DF));
    QTest::newRow("no name") << QString() << QStringLiteral("*100#") << QString();
}

void TestVCard::writtenCardsReadBack()
{
    QFETCH(QString, name);
    QFETCH(QString, number);
    QFETCH(QString, read);
    const QByteArray file = VCard::compose({{name, number}});
    const QList<QByteArray> lines = file.split('\n');
    QVERIFY(file.endsWith("\r\n"));
    for (const QByteArray &line : lines) {
        QVERIFY2(line.size() <= 76, line); // 75 octets and the CR
        QVERIFY2(QUtf8StringView(line).isValidUtf8(), line);
    }
    const VCard::Reading reading = VCard::parse(file);
    QCOMPARE(described(reading.contacts), QStringList{read + QLatin1Char('|') + number});
    QCOMPARE(reading.skippedCards, 0);
}

void TestVCard::reads_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("contacts");
    QTest::addColumn<int>("skipped");

    QTest::newRow("2.1 quoted-printable UTF-8")
        << card("VERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=BC=\r\nrgen;;;\r\n"
                "TEL;CELL;PREF:+49 170 1234567\r\n")
        << QStringList{"Jürgen Müller|+491701234567"} << 0;
    QTest::newRow("2.1 quoted-printable ISO-8859-1")
        << card("VERSION:2.1\r\nFN;CHARSET=ISO-8859-1;QUOTED-PRINTABLE:G=F6khan =DC=\nnal=3D=\nX\n"
                "TEL;HOME:0301/23 45\r\n")
        << QStringList{"Gökhan Ünal=X|03012345"} << 0;
    QTest::newRow("3.0 folded, grouped, lower case")
        << QByteArray("begin:vcard\nversion:3.0\nitem1.fn:Anna\\, die\n  Gro\\;sse\n"
                      "item1.tel;type=WORK,voice:(030) 123-45.67\nend:vcard\n")
        << QStringList{"Anna, die Gro;ss|0301234567"} << 0;
    QTest::newRow("4.0 tel URI")
        << card("VERSION:4.0\r\nFN:Bo\r\nTEL;VALUE=uri;TYPE=\"voice,cell\":tel:+1-555-0100;ext=7\r\n")
        << QStringList{"Bo|+15550100"} << 0;
    QTest::newRow("name from N, then ORG")
        << card("N:Berg;Anna,Maria;;Dr.;\r\nORG:Firma\r\nTEL:+49 (0)30 12\r\n") +
               card("ORG:Stadtwerke;Kasse\r\nTEL:0800\r\n") + card("TEL:0900\r\n")
        << QStringList{"Anna Maria Berg|+493012", "Stadtwerke|0800", "|0900"} << 0;
    QTest::newRow("charset unknown or missing")
        << card("FN;CHARSET=X-NONE:J\xfcrgen\r\nTEL:1\r\n") +
               card("FN;CHARSET=X-NONE:J\xc3\xbcrgen\r\nTEL:2\r\n") + card("FN:G\xf6khan\r\nTEL:3\r\n") +
               card("FN;CHARSET=UTF-8:\xc4nne\r\nTEL:4\r\n")
        << QStringList{"Jürgen|1", "Jürgen|2", "Gökhan|3", "Änne|4"} << 0;
    QTest::newRow("three numbers")
        << card("FN:Maximilian Mustermann\r\nTEL;TYPE=CELL:0170 1\r\nTEL;TYPE=HOME:030 2\r\n"
                "TEL;TYPE=PAGER:0180 3\r\n")
        << QStringList{"Maximilian Mus/M|01701", "Maximilian Mus/H|0302", "Maximilian Mus/3|01803"} << 0;
    QTest::newRow("repeated types, fax first, unusable and twice")
        << card("FN:Ina\r\nTEL;CELL:1\r\nTEL;TYPE=cell:2\r\nTEL:0800-FLOWERS\r\nTEL;WORK:1\r\n"
                "TEL;TYPE=home;TYPE=fax:3\r\nTEL;TYPE=work:4\r\n")
        << QStringList{"Ina/M|1", "Ina/2|2", "Ina/F|3", "Ina/W|4"} << 0;

    const QByteArray good = card("FN:Good\r\nTEL:1\r\n");
    QTest::newRow("malformed cards")
        << good + "BEGIN:VCARD\r\nFN:No end\r\nTEL:2\r\n" + card("FN:No number\r\nTEL:\r\nTEL:tel:\r\n") +
               card("FN:Overlong\r\nTEL:3\r\nNOTE:" + QByteArray(VCard::MaxLineBytes, 'x') + "\r\n") +
               card("FN:Folded overlong\r\nTEL:3\r\nNOTE:x\r\n" +
                    (' ' + QByteArray(1023, 'x') + "\r\n").repeated(VCard::MaxLineBytes / 1023 + 1)) +
               card(QByteArrayLiteral("FN:Junk\r\nTEL:4\r\nPHOTO:\x00\x01\xff\r\n")) +
               "stray lines\r\nEND:VCARD\r\n" + card("FN:Good too\r\nTEL:5\r\n") +
               "BEGIN:VCARD\r\nFN:Cut off\r\nTEL:6"
        << QStringList{"Good|1", "Good too|5"} << 6;
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    QTest::newRow("UTF-16 with byte order mark")
        << QByteArray(utf16.encode(QStringLiteral("BEGIN:VCARD\r\nFN:Łódź\r\nTEL:7\r\nEND:VCARD\r\n")))
        << QStringList{"?ódz|7"} << 0;
}

void TestVCard::reads()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, contacts);
    QFETCH(int, skipped);
    const VCard::Reading reading = VCard::parse(file);
    QCOMPARE(described(reading.contacts), contacts);
    QCOMPARE(reading.skippedCards, skipped);
    QCOMPARE(VCardChecks::brokenRule(reading), QString());
}

void TestVCard::randomInputKeepsTheRules()
{
    const QByteArray sample =
        card("VERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=BC=\r\nrgen;;;\r\n"
             "TEL;CELL;PREF:+49 170 1234567\r\nTEL;HOME:030/1\r\n") +
        card("VERSION:3.0\r\nitem1.FN:A\\, b\r\n c\r\nTEL;TYPE=\"work,voice\":tel:+1-555;ext=2\r\n");
    const QByteArray alphabet = QByteArrayLiteral("BEGIN:VCARDEND;=\\,.+0123456789 \t\r\n\"\x00\xc3\xbc\xff");
    QRandomGenerator random(20240611);
    const auto pick = [&] { return alphabet.at(random.bounded(static_cast<int>(alphabet.size()))); };

    QList<QByteArray> inputs;
    for (qsizetype cut = 0; cut <= sample.size(); ++cut)
        inputs.append(sample.left(cut));
    for (int round = 0; round < 400; ++round) {
        QByteArray mutated = sample;
        for (int change = random.bounded(1, 8); change > 0; --change)
            mutated[random.bounded(static_cast<int>(mutated.size()))] = pick();
        inputs.append(mutated);

        QByteArray noise(random.bounded(600), Qt::Uninitialized);
        for (char &byte : noise)
            byte = random.bounded(3) == 0 ? static_cast<char>(random.bounded(256)) : pick();
        inputs.append("BEGIN:VCARD\r\n" + noise);
    }
    for (const QByteArray &input : inputs) {
        const QString broken = VCardChecks::brokenRule(VCard::parse(input));
        QVERIFY2(broken.isEmpty(),
                 qPrintable(broken + QStringLiteral(" for ") + QString::fromLatin1(input.toHex())));
    }
}

QTEST_GUILESS_MAIN(TestVCard)
#include "tst_vcard.moc"
