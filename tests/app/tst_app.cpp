#include "programinfo.h"
#include "simphone.h"
#include "testenvironment.h"

#include <QProcess>
#include <QTest>

static TestEnvironment environment;

class TestApp : public QObject
{
    Q_OBJECT
private slots:
    void answersWithoutADisplay_data();
    void answersWithoutADisplay();
    void deviceNamesThePhoneForThisRun();
};

void TestApp::answersWithoutADisplay_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("answer"); // a line of what it prints
    QTest::newRow("version") << "--version" << ProgramInfo::name() + ' ' + ProgramInfo::version();
    QTest::newRow("help") << "--help"
                          << "Manages a Mitsubishi Trium Mars over its data cable.";
    QTest::newRow("help names the device") << "-h"
                                           << "--device <PATH>";
}

void TestApp::answersWithoutADisplay()
{
    QFETCH(QString, argument);
    QFETCH(QString, answer);
    QProcess quenda;
    QProcessEnvironment headless = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        headless.remove(QLatin1String(name));
    quenda.setProcessEnvironment(headless);
    quenda.start(QStringLiteral(QUENDA_WINDOW), {argument});
    QVERIFY(quenda.waitForFinished(10000));
    QCOMPARE(quenda.exitStatus(), QProcess::NormalExit);
    QCOMPARE(quenda.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(quenda.readAllStandardOutput()).split('\n');
    QVERIFY2(!lines.filter(answer).isEmpty(), qPrintable(lines.join('\n')));
}

void TestApp::deviceNamesThePhoneForThisRun()
{
    simphone::SimPhone sim;
    QVERIFY(sim.start());
    QList<QByteArray> received;
    connect(&sim, &simphone::SimPhone::commandReceived, this,
            [&](const QByteArray &line) { received.append(line); });
    QProcess quenda;
    quenda.start(QStringLiteral(QUENDA_WINDOW), {QStringLiteral("--device"), sim.devicePath()});
    // Greeted: the settings name no device, so only --device leads the window to this phone.
    const bool greeted = QTest::qWaitFor([&] { return received.contains("AT+CGMI"); }, 15000);
    const QString said = QString::fromUtf8(quenda.readAllStandardError());
    quenda.kill();
    quenda.waitForFinished();
    QVERIFY2(greeted, qPrintable(said));
}

QTEST_GUILESS_MAIN(TestApp)
#include "tst_app.moc"
