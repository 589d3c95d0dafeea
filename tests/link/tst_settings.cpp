#include "testenvironment.h"

#include "link/language.h"
#include "link/platform.h"
#include "link/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

static TestEnvironment environment;

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void defaultsOfAnEmptyStore();
    void storedValuesRoundTrip();
    void unconvertibleTextReadsAsDefault();
    void booleansAcceptAnyNonZeroNumber();
    void storedUnderQuendaConfig();
    void portNumbersMapToDevices();
    void dataDirectoryIsCreated();
    void theLanguageFollowsTheDesktop_data();
    void theLanguageFollowsTheDesktop();
    void germanIsBuiltInAndEnglishCanBeKept();
};

void TestSettings::init()
{
    QSettings(QStringLiteral("Quenda"), QStringLiteral("Quenda")).clear();
}

void TestSettings::defaultsOfAnEmptyStore()
{
    Settings settings;
    const QString home = QDir::homePath();
    QCOMPARE(settings.comport(), 1);
    QCOMPARE(settings.sim(), true);
    QCOMPARE(settings.top(), -1.0);
    QCOMPARE(settings.left(), -1.0);
    QCOMPARE(settings.starttab(), 1);
    QCOMPARE(settings.replace(), QStringLiteral("1"));
    QCOMPARE(settings.servicecenter(), QString());
    QCOMPARE(settings.autosms(), false);
    QCOMPARE(settings.filesms(), home + QStringLiteral("/sms.log"));
    QCOMPARE(settings.drivesms(), home);
    QCOMPARE(settings.pathsms(), home);
    QCOMPARE(settings.path(), QString());
    QCOMPARE(settings.drive(), QString());
    QCOMPARE(settings.fileexp(), home + QStringLiteral("/contacts.qd5"));
    QCOMPARE(settings.driveexp(), home);
    QCOMPARE(settings.pathexp(), home);
    QCOMPARE(settings.device(1), QString());
}

void TestSettings::storedValuesRoundTrip()
{
    {
        Settings settings;
        settings.setComport(3);
        settings.setSim(false);
        settings.setTop(1234.5);
        settings.setLeft(-30);
        settings.setStarttab(5);
        settings.setReplace(QStringLiteral("12"));
        settings.setServicecenter(QStringLiteral("+491710760000"));
        settings.setAutosms(true);
        settings.setFileexp(QStringLiteral("/tmp/a b/contacts, old.qd5"));
        settings.setDevice(2, QStringLiteral("/dev/serial/by-id/usb-Prolific-if00"));
        settings.setKeepEnglish(true);
        settings.sync();
    }
    Settings settings;
    QCOMPARE(settings.comport(), 3);
    QCOMPARE(settings.sim(), false);
    QCOMPARE(settings.top(), 1234.5);
    QCOMPARE(settings.left(), -30.0);
    QCOMPARE(settings.starttab(), 5);
    QCOMPARE(settings.replace(), QStringLiteral("12"));
    QCOMPARE(settings.servicecenter(), QStringLiteral("+491710760000"));
    QCOMPARE(settings.autosms(), true);
    QCOMPARE(settings.fileexp(), QStringLiteral("/tmp/a b/contacts, old.qd5"));
    QCOMPARE(settings.device(2), QStringLiteral("/dev/serial/by-id/usb-Prolific-if00"));
    QCOMPARE(settings.keepEnglish(), true);
}

void TestSettings::unconvertibleTextReadsAsDefault()
{
    QSettings store(QStringLiteral("Quenda"), QStringLiteral("Quenda"));
    store.setValue(QStringLiteral("Config/comport"), QStringLiteral("COM2"));
    store.setValue(QStringLiteral("Config/starttab"), QStringLiteral(""));
    store.setValue(QStringLiteral("Config/Top"), QStringLiteral("high"));
    store.setValue(QStringLiteral("Config/sim"), QStringLiteral("maybe"));
    store.setValue(QStringLiteral("Config/autosms"), QStringLiteral("yes"));
    store.sync();
    Settings settings;
    QCOMPARE(settings.comport(), 1);
    QCOMPARE(settings.starttab(), 1);
    QCOMPARE(settings.top(), -1.0);
    QCOMPARE(settings.sim(), true);
    QCOMPARE(settings.autosms(), false);

    // A tab that does not exist would be shown as none and never loaded.
    for (const char *tab : {"0", "7", "9", "-1"}) {
        store.setValue(QStringLiteral("Config/starttab"), QLatin1String(tab));
        store.sync();
        QCOMPARE(Settings().starttab(), 1);
    }
}

void TestSettings::booleansAcceptAnyNonZeroNumber()
{
    QSettings store(QStringLiteral("Quenda"), QStringLiteral("Quenda"));
    store.setValue(QStringLiteral("Config/autosms"), QStringLiteral("-1"));
    store.setValue(QStringLiteral("Config/sim"), QStringLiteral("0"));
    store.sync();
    Settings settings;
    QCOMPARE(settings.autosms(), true);
    QCOMPARE(settings.sim(), false);
}

void TestSettings::storedUnderQuendaConfig()
{
    Settings settings;
    settings.setStarttab(4);
    settings.sync();
    const QString file =
        QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + QStringLiteral("/Quenda/Quenda.conf");
    QVERIFY2(QFileInfo::exists(file), qPrintable(file));
    QSettings raw(file, QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("Config/starttab")).toString(), QStringLiteral("4"));
}

void TestSettings::portNumbersMapToDevices()
{
    QCOMPARE(Platform::deviceForPort(0, QString()), QString());
    QCOMPARE(Platform::deviceForPort(-3, QStringLiteral("/dev/x")), QString());
    QCOMPARE(Platform::deviceForPort(2, QStringLiteral("/dev/serial/by-id/cable")),
             QStringLiteral("/dev/serial/by-id/cable"));
    const QString first = Platform::deviceForPort(1, QString());
    if (QFileInfo::exists(QStringLiteral("/dev/ttyUSB0")))
        QCOMPARE(first, QStringLiteral("/dev/ttyUSB0"));
    else
        QCOMPARE(first, QStringLiteral("/dev/ttyS0"));
    if (!QFileInfo::exists(QStringLiteral("/dev/ttyUSB7")))
        QCOMPARE(Platform::deviceForPort(8, QString()), QStringLiteral("/dev/ttyS7"));
}

void TestSettings::dataDirectoryIsCreated()
{
    const QString dir = Platform::dataDirectory();
    QCOMPARE(dir, QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + QStringLiteral("/Quenda"));
    QVERIFY(QFileInfo(dir).isDir());
    QVERIFY(!dir.endsWith(QLatin1Char('/')));
}

void TestSettings::theLanguageFollowsTheDesktop_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("German") << QStringList{"de_DE.UTF-8"} << "de";
    QTest::newRow("Swiss, as Qt names it") << QStringList{"de-CH"} << "de";
    QTest::newRow("Austrian with a modifier") << QStringList{"de_AT@euro"} << "de";
    QTest::newRow("English first") << QStringList{"en_GB", "de_DE"} << "";
    QTest::newRow("untranslated first") << QStringList{"fr_FR", "de_DE"} << "de";
    QTest::newRow("the C locale passed over") << QStringList{"C", "de"} << "de";
    QTest::newRow("untranslated only") << QStringList{"fr_FR", "pt"} << "";
    QTest::newRow("none") << QStringList{} << "";
}

void TestSettings::theLanguageFollowsTheDesktop()
{
    QFETCH(QStringList, languages);
    QFETCH(QString, chosen);
    QCOMPARE(Language::chosen(languages), chosen);
}

void TestSettings::germanIsBuiltInAndEnglishCanBeKept()
{
    const auto file = [] { return QCoreApplication::translate("MainWindow", "&File"); };
    QCOMPARE(Language::install(*QCoreApplication::instance(), true), QString());
    QCOMPARE(file(), QStringLiteral("&File"));
    qputenv("LANGUAGE", "de");
    QCOMPARE(Language::install(*QCoreApplication::instance(), false), QStringLiteral("de"));
    QCOMPARE(file(), QStringLiteral("&Datei"));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
