#include "linkrig.h"
#include "testenvironment.h"

#include "ui/sms/createsmscontroller.h"
#include "ui/sms/createsmspage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

static TestEnvironment environment;

class TestCreateSmsTab : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void textLimit_data();
    void textLimit();
    void numberFilter_data();
    void numberFilter();
    void sendButtonSendsTheBox();
    void aPhoneInPduModeTakesALongTextInParts();

private:
    LinkRig *rig = nullptr;
    CreateSmsPage *page = nullptr;
    CreateSmsController *controller = nullptr;
};

void TestCreateSmsTab::init()
{
    rig = new LinkRig;
    QVERIFY(rig->started);
    page = new CreateSmsPage;
    controller = new CreateSmsController(*page, rig->link);
}

void TestCreateSmsTab::cleanup()
{
    delete controller;
    delete page;
    delete rig;
}

void TestCreateSmsTab::textLimit_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("caretAfter");

    const QString full(160, QLatin1Char('a'));
    QTest::newRow("160 takes no more") << full << 160 << "b" << full << 160;
    QTest::newRow("paste cut to the limit")
        << QString(150, QLatin1Char('a')) << 0 << QString(20, QLatin1Char('b'))
        << QString(10, QLatin1Char('b')) + QString(150, QLatin1Char('a')) << 10;
    QTest::newRow("line break counts as CR LF")
        << QString(159, QLatin1Char('a')) << 159 << "\nb" << QString(159, QLatin1Char('a')) << 159;
    QTest::newRow("line break fits") << QString(157, QLatin1Char('a')) << 3 << "\nbc"
                                     << "aaa\nb" + QString(154, QLatin1Char('a')) << 5;
}

void TestCreateSmsTab::textLimit()
{
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(int, caretAfter);

    QPlainTextEdit *box = page->txtCreateSMS;
    box->setPlainText(before);
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(caret);
    box->setTextCursor(cursor);
    box->insertPlainText(typed);
    QCOMPARE(box->toPlainText(), after);
    QCOMPARE(box->textCursor().position(), caretAfter);
    const qsizetype length = after.size() + after.count(QLatin1Char('\n'));
    QCOMPARE(page->labCharsLeft->text(), QStringLiteral("Characters: %1/160").arg(length));
}

void TestCreateSmsTab::numberFilter_data()
{
    QTest::addColumn<bool>("centre");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("caretAfter");

    QTest::newRow("a after 017") << false << "017" << 3 << "a"
                                 << "017" << 3;
    QTest::newRow("pasted 01-2 3") << false << "" << 0 << "01-2 3"
                                   << "012 3" << 5;
    QTest::newRow("P goes, p stays") << false << "" << 0 << "0P1p#*_+"
                                     << "01p#*_+" << 7;
    QTest::newRow("one back per removed character") << false << "12" << 0 << "ab"
                                                    << "12" << 0;
    QTest::newRow("service centre") << true << "" << 0 << "+49 (171)"
                                    << "+49 171" << 7;
    QTest::newRow("service centre mid") << true << "+4971" << 3 << "x1y"
                                        << "+49171" << 4;
}

void TestCreateSmsTab::numberFilter()
{
    QFETCH(bool, centre);
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(int, caretAfter);

    QLineEdit *box = centre ? page->txtServiceCenter : page->txtSendSMSNumber;
    box->setText(before);
    box->setCursorPosition(caret);
    box->insert(typed);
    QCOMPARE(box->text(), after);
    QCOMPARE(box->cursorPosition(), caretAfter);
}

void TestCreateSmsTab::sendButtonSendsTheBox()
{
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();
    QCOMPARE(page->txtSendSMSNumber->maxLength(), 250);
    page->txtSendSMSNumber->setText(QStringLiteral("0171-12"));
    page->txtServiceCenter->setText(QStringLiteral("+49171"));
    page->txtCreateSMS->setPlainText(QStringLiteral("Zwei\nZeilen"));
    QTest::mouseClick(page->cmdSendSMS, Qt::LeftButton);
    QCOMPARE(rig->sim.transcript(),
             (QByteArrayList{"AT+CMGF=1", "AT+CSCA=\"+49171\"", "AT+CMGS=\"017112\"", "Zwei\r\nZeilen\x1a"}));
    QCOMPARE(rig->boxes.texts(), QStringList{QStringLiteral("SMS succesfully send.")});
    // The boxes keep their contents.
    QCOMPARE(page->txtCreateSMS->toPlainText(), QStringLiteral("Zwei\nZeilen"));
}

void TestCreateSmsTab::aPhoneInPduModeTakesALongTextInParts()
{
    simphone::PhoneState &phone = rig->sim.state();
    phone.manufacturer = "huawei";
    phone.model = "E173";
    phone.pduModeOffered = true;
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();
    page->txtCreateSMS->setPlainText(QString(200, QChar(0x0416)));
    QCOMPARE(page->txtCreateSMS->toPlainText().size(), 200);
    QCOMPARE(page->labCharsLeft->text(), QStringLiteral("Characters: 200 (3 messages)"));
    page->txtSendSMSNumber->setText(QStringLiteral("+79161234567"));
    page->txtServiceCenter->setText(QStringLiteral("+49171"));
    QTest::mouseClick(page->cmdSendSMS, Qt::LeftButton);
    QCOMPARE(rig->commandsOf("AT+CMGS=").size(), 3);
    QCOMPARE(phone.sentMessages.size(), 3);
    QCOMPARE(rig->boxes.texts(), QStringList{QStringLiteral("SMS succesfully send.")});
}

QTEST_MAIN(TestCreateSmsTab)
#include "tst_createsmstab.moc"
