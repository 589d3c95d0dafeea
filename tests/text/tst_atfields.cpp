#include "text/atfields.h"

#include <QTest>

class TestAtFields : public QObject
{
    Q_OBJECT
private slots:
    void split_data();
    void split();
};

void TestAtFields::split_data()
{
    // A quoted field is written with its quotes, so that "5" and 5 tell apart; a number is
    // what toNumber gives, "-" for none. No prefix: the text is a parameter list.
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("numbers");

    QTest::newRow("entry line") << QString() << "1,\"+4917012\",145,\"Anna\"" << true
                                << QStringList{"1", "\"+4917012\"", "145", "\"Anna\""}
                                << QStringList{"1", "-", "145", "-"};
    QTest::newRow("commas inside quotes")
        << QString() << "\"a,b\",\"\"" << true << QStringList{"\"a,b\"", "\"\""} << QStringList{"-", "-"};
    QTest::newRow("empty fields") << QString() << ",,3," << true << QStringList{"", "", "3", ""}
                                  << QStringList{"-", "-", "3", "-"};
    QTest::newRow("spaces after commas and around numbers")
        << QString() << " 1 ,  \"x y\" ,\t-2\t" << true << QStringList{"1", "\"x y\"", "-2"}
        << QStringList{"1", "-", "-2"};
    QTest::newRow("unquoted hex") << QString() << "0,07911326040000F0,00C4" << true
                                  << QStringList{"0", "07911326040000F0", "00C4"}
                                  << QStringList{"0", "-", "-"};
    QTest::newRow("Latin-1 text, a no-break space kept")
        << QString() << QStringLiteral("\"M\u0081ller\",\u00A0") << true
        << QStringList{QStringLiteral("\"M\u0081ller\""), QStringLiteral("\u00A0")} << QStringList{"-", "-"};
    QTest::newRow("blank list has no field") << QString() << " \t" << true << QStringList{} << QStringList{};
    QTest::newRow("unterminated quote") << QString() << "1,\"Anna" << false << QStringList{} << QStringList{};
    QTest::newRow("text after closing quote")
        << QString() << "\"An\"na\",1" << false << QStringList{} << QStringList{};
    QTest::newRow("tab after closing quote")
        << QString() << "\"SM\"\t,1" << false << QStringList{} << QStringList{};
    QTest::newRow("quote inside unquoted field")
        << QString() << "1,An\"na\"" << false << QStringList{} << QStringList{};
    QTest::newRow("information line with its end")
        << "+CPBS:"
        << "+CPBS: \"SM\",12,250\r\n"
        << true << QStringList{"\"SM\"", "12", "250"} << QStringList{"-", "12", "250"};
    QTest::newRow("another line") << "+CPBS:"
                                  << "\r\n+CPBS: \"SM\"" << false << QStringList{} << QStringList{};
}

void TestAtFields::split()
{
    QFETCH(QString, prefix);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, numbers);

    const std::optional<AtFields::Fields> split =
        prefix.isEmpty() ? AtFields::split(text) : AtFields::ofLine(text, prefix);
    QCOMPARE(split.has_value(), valid);
    if (!split)
        return;
    QStringList shown;
    QStringList shownNumbers;
    for (const AtFields::Field &field : *split) {
        shown.append(field.quoted ? QLatin1Char('"') + field.text + QLatin1Char('"') : field.text);
        const std::optional<int> number = field.toNumber();
        shownNumbers.append(number ? QString::number(*number) : QStringLiteral("-"));
    }
    QCOMPARE(shown, fields);
    QCOMPARE(shownNumbers, numbers);

    if (prefix.isEmpty()) {
        // Bytes split alike, each of them kept.
        const std::optional<AtFields::Fields> bytes = AtFields::split(text.toLatin1());
        QVERIFY(bytes);
        QCOMPARE(bytes->size(), split->size());
        for (qsizetype i = 0; i < split->size(); ++i) {
            QCOMPARE(bytes->at(i).text.toLatin1(), split->at(i).text.toLatin1());
            QCOMPARE(bytes->at(i).quoted, split->at(i).quoted);
        }
    }
}

QTEST_APPLESS_MAIN(TestAtFields)
#include "tst_atfields.moc"
