#include "linkrig.h"
#include "testenvironment.h"

#include "info/deviceinfo.h"

#include <QLocale>
#include <QTest>

static TestEnvironment environment;

class TestDeviceInfo : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void registeredPhone();
    void roamingCountsAsOnline();
    void unregisteredPhoneWithoutLocation();
    void noOperator();
    void batteryLevels_data();
    void batteryLevels();
    void batteryTextUsesTheUsersDecimalSeparator();
    void batteryOutsideTheBarKeepsTheBar();
    void batteryWithoutDigitKeepsItsValues();
    void timeoutAtSubscriberIdentityLeavesTheRest();
    void refusedWithoutPhone();
    void registrationTexts_data();
    void registrationTexts();
    void otherPhonesTellWhatTheyAnswer_data();
    void otherPhonesTellWhatTheyAnswer();

private:
    void download();

    LinkRig *rig = nullptr;
    DeviceInfo *info = nullptr;
};

void TestDeviceInfo::init()
{
    QLocale::setDefault(QLocale::c());
    rig = new LinkRig;
    QVERIFY(rig->started);
    info = new DeviceInfo(rig->link.exchange, rig->link.lock);
}

void TestDeviceInfo::cleanup()
{
    delete info;
    delete rig;
}

void TestDeviceInfo::download()
{
    QVERIFY(rig->startAndConnect());
    rig->sim.clearTranscript();
    info->InfoDownload();
}

void TestDeviceInfo::registeredPhone()
{
    auto &phone = rig->sim.state();
    phone.registration = 1;
    phone.lac = "00C3";
    phone.cellId = "0B2F";
    phone.operatorName = "D1-TELEKOM";
    phone.operatorNumeric = "26201";
    phone.model = "Trium Mars";
    phone.imsi = "262011234567890";
    download();

    const QList<QByteArray> commands = {"AT+CBC",      "AT+CGMI",   "AT+COPS=3,0", "AT+COPS?",
                                        "AT+COPS=3,2", "AT+COPS?",  "AT+CGMM",     "AT+CREG=2",
                                        "AT+CREG?",    "AT+CREG=0", "AT+CIMI"};
    QCOMPARE(rig->sim.transcript(), commands);
    const auto &f = info->fields();
    QCOMPARE(f.manufacturer, QStringLiteral("Mitsubishi"));
    QCOMPARE(f.model, QStringLiteral("Trium Mars"));
    QCOMPARE(f.operatorName, QStringLiteral("D1-TELEKOM"));
    QCOMPARE(f.operatorId, QStringLiteral("26201"));
    QCOMPARE(f.net, QStringLiteral("00C3"));
    QCOMPARE(f.cell, QStringLiteral("0B2F"));
    QCOMPARE(f.netState, QStringLiteral("Online"));
    QCOMPARE(f.imsi, QStringLiteral("262011234567890"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    // The phone is left with numeric operator names and registration reports off.
    QCOMPARE(phone.copsFormat, 2);
    QCOMPARE(phone.cregMode, 0);
}

void TestDeviceInfo::roamingCountsAsOnline()
{
    rig->sim.state().registration = 5;
    download();
    QCOMPARE(info->fields().netState, QStringLiteral("Online"));
}

void TestDeviceInfo::unregisteredPhoneWithoutLocation()
{
    rig->sim.state().registration = 0;
    download();
    // No quotes in "+CREG: 2,0": the parser leaves the whole reply in place.
    const QString reply = QStringLiteral("\r\n+CREG: 2,0\r\n\r\nOK\r\n");
    QCOMPARE(info->fields().net, reply);
    QCOMPARE(info->fields().cell, reply);
    QCOMPARE(info->fields().netState, QString());
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestDeviceInfo::noOperator()
{
    rig->sim.state().operatorName.clear();
    rig->sim.state().operatorNumeric.clear();
    download();
    QCOMPARE(info->fields().operatorName, QString());
    QCOMPARE(info->fields().operatorId, QString());
    QCOMPARE(info->fields().imsi, QStringLiteral("262011234567890"));
}

void TestDeviceInfo::batteryLevels_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<double>("bar");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << 0 << 1.0 << "0 Percent";
    QTest::newRow("one bar") << 1 << 100.0 / 3 + 1 << "33.33 Percent";
    QTest::newRow("two bars") << 2 << 200.0 / 3 + 1 << "66.67 Percent";
    QTest::newRow("full") << 3 << 101.0 << "100 Percent";
}

void TestDeviceInfo::batteryLevels()
{
    QFETCH(int, level);
    QFETCH(double, bar);
    QFETCH(QString, text);
    rig->sim.state().batteryLevel = level;
    download();
    QCOMPARE(info->fields().batteryBar, bar);
    QCOMPARE(info->fields().battery, text);
}

void TestDeviceInfo::batteryTextUsesTheUsersDecimalSeparator()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(DeviceInfo::batteryText(1), QStringLiteral("33,33 Percent"));
    QCOMPARE(DeviceInfo::batteryText(2), QStringLiteral("66,67 Percent"));
    QCOMPARE(DeviceInfo::batteryText(3), QStringLiteral("100 Percent"));
    QLocale::setDefault(QLocale::c());
    QCOMPARE(DeviceInfo::batteryText(9), QStringLiteral("300 Percent"));
}

void TestDeviceInfo::batteryOutsideTheBarKeepsTheBar()
{
    rig->sim.state().batteryLevel = 2;
    download();
    rig->sim.state().batteryLevel = 4;
    info->InfoDownload();
    QCOMPARE(info->fields().batteryBar, 200.0 / 3 + 1);
    QCOMPARE(info->fields().battery, QStringLiteral("133.33 Percent"));
}

void TestDeviceInfo::batteryWithoutDigitKeepsItsValues()
{
    int bars = -1;
    QVERIFY(DeviceInfo::readBattery(QStringLiteral("\r\n+CBC: 0,2\r\n\r\nOK\r\n"), &bars));
    QCOMPARE(bars, 2);
    QVERIFY(!DeviceInfo::readBattery(QStringLiteral("\r\n+CBC: 0,\r\n\r\nOK\r\n"), &bars));
    QVERIFY(!DeviceInfo::readBattery(QStringLiteral("OK\r\n"), &bars));
    // Two-digit percentage readings as other phones give them: the last digit is taken.
    QVERIFY(DeviceInfo::readBattery(QStringLiteral("\r\n+CBC: 0,81\r\n\r\nOK\r\n"), &bars));
    QCOMPARE(bars, 1);
}

void TestDeviceInfo::timeoutAtSubscriberIdentityLeavesTheRest()
{
    QVERIFY(rig->startAndConnect());
    info->InfoDownload();
    QCOMPARE(info->fields().imsi, QStringLiteral("262011234567890"));

    rig->sim.delayCommand("AT+CIMI", 1000);
    rig->link.exchange.timTimeout.setInterval(300);
    info->InfoDownload();
    const auto &f = info->fields();
    QCOMPARE(f.imsi, QString());
    QCOMPARE(f.manufacturer, QStringLiteral("Mitsubishi"));
    QCOMPARE(f.operatorName, QStringLiteral("D1-TELEKOM"));
    QCOMPARE(f.operatorId, QStringLiteral("26201"));
    QCOMPARE(f.net, QStringLiteral("00C3"));
    QCOMPARE(f.netState, QStringLiteral("Online"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::NoPhone));
    QVERIFY(rig->boxes.shown.isEmpty());
}

void TestDeviceInfo::refusedWithoutPhone()
{
    info->InfoDownload();
    QCOMPARE(rig->boxes.texts(), QStringList{QStringLiteral("Not Connected!")});
    QVERIFY(rig->sim.transcript().isEmpty());
    QCOMPARE(info->fields().battery, QStringLiteral("0 Percent"));
}

void TestDeviceInfo::registrationTexts_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << "0"
                       << "Offline";
    QTest::newRow("1") << "1"
                       << "Online";
    QTest::newRow("2") << "2"
                       << "Searching";
    QTest::newRow("3") << "3"
                       << "Rejected";
    QTest::newRow("4") << "4"
                       << "Unknown";
    QTest::newRow("5") << "5"
                       << "Online";
    QTest::newRow("6") << "6"
                       << "";
    QTest::newRow("-1") << "-1"
                        << "";
    QTest::newRow("text") << "0\r\n\r\nOK\r\n"
                          << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestDeviceInfo::registrationTexts()
{
    QFETCH(QString, status);
    QFETCH(QString, text);
    QCOMPARE(DeviceInfo::registrationText(status), text);
}

void TestDeviceInfo::otherPhonesTellWhatTheyAnswer_data()
{
    QTest::addColumn<int>("millivolts");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("battery");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QString>("imsi");
    QTest::newRow("\"0,97\"") << 0 << QString() << "97 Percent"
                              << "-79 dBm (17 of 31)"
                              << "262011234567890";
    QTest::newRow("\"0,97,4165\"") << 4165 << QString() << "97 Percent"
                                   << "-79 dBm (17 of 31)"
                                   << "262011234567890";
    // A modem without a battery, or without a SIM card: those fields stay empty, the rest is read.
    QTest::newRow("no battery") << 0 << "AT+CBC"
                                << ""
                                << "-79 dBm (17 of 31)"
                                << "262011234567890";
    QTest::newRow("no SIM card") << 0 << "AT+CIMI"
                                 << "97 Percent"
                                 << "-79 dBm (17 of 31)"
                                 << "";
    QTest::newRow("no signal report") << 0 << "AT+CSQ"
                                      << "97 Percent"
                                      << ""
                                      << "262011234567890";
}

void TestDeviceInfo::otherPhonesTellWhatTheyAnswer()
{
    QFETCH(int, millivolts);
    QFETCH(QString, refused);
    QFETCH(QString, battery);
    QFETCH(QString, signal);
    QFETCH(QString, imsi);
    auto &phone = rig->sim.state();
    phone.manufacturer = "SIMCOM_Ltd";
    phone.model = "SIMCOM_SIM800L";
    phone.revision = "Revision:1418B05SIM800L24";
    phone.batteryLevel = 97;
    phone.batteryMillivolts = millivolts;
    if (!refused.isEmpty())
        rig->sim.failCommand(refused.toLatin1(), "+CME ERROR: 10");
    download();
    const auto &f = info->fields();
    QCOMPARE(f.manufacturer, QStringLiteral("SIMCOM_Ltd"));
    QCOMPARE(f.model, QStringLiteral("SIMCOM_SIM800L"));
    QCOMPARE(f.revision, QStringLiteral("Revision:1418B05SIM800L24"));
    QCOMPARE(f.imei, QString::fromLatin1(phone.imei));
    QCOMPARE(f.battery, battery);
    QCOMPARE(f.signal, signal);
    QCOMPARE(f.imsi, imsi);
    QCOMPARE(f.operatorName, QString::fromLatin1(phone.operatorName));
    QCOMPARE(f.netState, QStringLiteral("Online"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    QVERIFY(rig->boxes.shown.isEmpty());
}

QTEST_GUILESS_MAIN(TestDeviceInfo)
#include "tst_deviceinfo.moc"
