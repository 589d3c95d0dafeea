// Header and storage answers of phones other than the Trium Mars, in the shapes they come.
#include "sms/messageheader.h"
#include "sms/messagestorage.h"

#include <QTest>

class TestMessageHeader : public QObject
{
    Q_OBJECT
private slots:
    void headersGiveStatusAddressAndTime_data();
    void headersGiveStatusAddressAndTime();
    void storageAnswers_data();
    void storageAnswers();
    void listingSplitsMessagesAndKeepsTheirLines();
};

void TestMessageHeader::headersGiveStatusAddressAndTime_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("stamp");
    const QString gsm = QStringLiteral("+4917012345");
    QTest::newRow("name field empty") << "+CMGR: \"REC READ\",\"+4917012345\",,\"09/08/18,19:11:45+08\""
                                      << "REC READ" << gsm << "09/08/18,19:11:45+08";
    QTest::newRow("no name field") << "+CMGR: \"REC READ\",\"+4917012345\",\"09/08/18,19:11:45+08\""
                                   << "REC READ" << gsm << "09/08/18,19:11:45+08";
    QTest::newRow("spaces, a name")
        << "+CMGR: \"REC UNREAD\", \"+4917012345\", \"Anna, 2\", \"09/08/18,19:11:45-04\""
        << "REC UNREAD" << gsm << "09/08/18,19:11:45-04";
    QTest::newRow("four-digit year, no zone") << "+CMGR: \"REC READ\",\"+4917012345\",,\"2009/8/18,9:11:45\""
                                              << "REC READ" << gsm << "09/08/18,09:11:45";
    QTest::newRow("detailed")
        << "+CMGR: \"REC READ\",\"+4917012345\",\"\",\"09/08/18,19:11:45+08\",145,4,0,0,"
           "\"+491710760000\",145,12"
        << "REC READ" << gsm << "09/08/18,19:11:45+08";
    QTest::newRow("date and time apart") << "+CMGR: \"REC READ\",\"+4917012345\",,\"09/08/18\",\"19:11:45\""
                                         << "REC READ" << gsm << "09/08/18,19:11:45";
    QTest::newRow("stored, detailed")
        << "+CMGR: \"STO UNSENT\",\"+4917012345\",\"\",145,17,0,0,167,\"+49171\",145,5"
        << "STO UNSENT" << gsm << "";
    QTest::newRow("UCS2 address") << "+CMGR: \"REC READ\",\"002B0034003900310037\",,\"09/08/18,19:11:45+08\""
                                  << "REC READ"
                                  << "+4917"
                                  << "09/08/18,19:11:45+08";
    QTest::newRow("listing") << "+CMGL: 0,\"REC READ\",\"+4917012345\",,\"09/08/18,19:11:45+08\""
                             << "REC READ" << gsm << "09/08/18,19:11:45+08";
}

void TestMessageHeader::headersGiveStatusAddressAndTime()
{
    QFETCH(QString, line);
    QFETCH(QString, status);
    QFETCH(QString, address);
    QFETCH(QString, stamp);
    const QString prefix = line.left(6);
    const auto header = MessageHeader::parse(line, prefix, PhoneText(CharacterSets::Set::Ucs2));
    QVERIFY(header);
    QCOMPARE(header->status, status);
    QCOMPARE(header->address, address);
    QCOMPARE(header->timeStamp, stamp);
    QCOMPARE(header->index.has_value(), prefix == QLatin1String("+CMGL:"));
}

void TestMessageHeader::storageAnswers_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("used"); // -1: not told
    QTest::addColumn<int>("total");
    QTest::newRow("counts") << "\r\n+CPMS: \"SM\",3,10,\"SM\",3,10\r\n\r\nOK\r\n" << 3 << 10;
    // ZTE MF710M (gammu tests/at-zte-mf710m-echo.c)
    QTest::newRow("spaces") << "+CPMS: \"ME\", 0, 50, \"ME\", 0, 50, \"ME\", 0, 50\r\n" << 0 << 50;
    // gammu tests/at-cpms-sm/iwow.dump
    QTest::newRow("names only") << "+CPMS: \"SM\",\"SM\",\"SM\"\r\n" << -1 << -1;
    // Nokia N79 (python-gsmmodem test/fakemodems.py)
    QTest::newRow("empty fields") << "+CPMS: ,,,,,,,,\r\n" << -1 << -1;
    QTest::newRow("no line") << "\r\nOK\r\n" << -1 << -1;
}

void TestMessageHeader::storageAnswers()
{
    QFETCH(QString, reply);
    QFETCH(int, used);
    QFETCH(int, total);
    const MessageStorage storage = MessageStorage::of(reply);
    QCOMPARE(storage.used.value_or(-1), used);
    QCOMPARE(storage.total.value_or(-1), total);
}

void TestMessageHeader::listingSplitsMessagesAndKeepsTheirLines()
{
    const QString reply = QStringLiteral("\r\n+CMGL: 1,\"REC READ\",\"+491\",,\"09/08/18,19:11:45+08\"\r\n"
                                         "first\r\n\r\nthird line\r\n"
                                         "+CMGL: 4,\"STO UNSENT\",\"\",,\r\n"
                                         "+CMGL: in the text\r\n"
                                         "\r\nOK\r\n");
    const QList<MessageListing::Entry> entries = MessageListing::entries(reply);
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0).body, QStringLiteral("first\r\n\r\nthird line"));
    // A line of a text that begins like a header, but without a slot, stays in the text.
    QCOMPARE(entries.at(1).body, QStringLiteral("+CMGL: in the text"));
}

QTEST_GUILESS_MAIN(TestMessageHeader)
#include "tst_messageheader.moc"
