// Takes the screenshots of the README: the window on each of its six tabs, connected to the
// simulated phone with its demo contents, the about and version-history windows, the RTTTL
// import and "Working...".
//
//   quenda-screenshots [OUTPUT_FOLDER]      (default: docs/screenshots)

#include "info/deviceinfo.h"
#include "link/language.h"
#include "link/phonelink.h"
#include "phonebook/phonebook.h"
#include "programinfo.h"
#include "ringtones/phonemelodies.h"
#include "simphone.h"
#include "sms/shortmessages.h"
#include "ui/ringtones/ringtonespage.h"
#include "ui/ringtones/rtttldialog.h"
#include "ui/sms/createsmspage.h"
#include "ui/sms/servicecentredialog.h"
#include "ui/sms/viewsmspage.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/filelist.h"
#include "ui/window/aboutwindow.h"
#include "ui/window/devicedialog.h"
#include "ui/window/historywindow.h"
#include "ui/window/mainwindow.h"
#include "ui/window/statuswindow.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// Lets the program run until the condition holds or the time is up.
bool runUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    QTimer check;
    check.setInterval(25);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (condition() || deadline.hasExpired())
            loop.quit();
    });
    check.start();
    if (!condition())
        loop.exec();
    return condition();
}

void settle(int ms)
{
    runUntil([] { return false; }, ms);
}

bool save(QWidget &widget, const QString &file)
{
    const bool ok = widget.grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(file));
    return ok;
}

int fail(const QString &message)
{
    std::fprintf(stderr, "quenda-screenshots: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Settings and data of its own, so the user's stay untouched.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));

    QApplication app(argc, argv);
    QApplication::setOrganizationName(ProgramInfo::name());
    QApplication::setApplicationName(ProgramInfo::name());
    // In the desktop's language, as the program shows itself (LANGUAGE=de for the German set).
    Language::install(app, false);
    QApplication::setWindowIcon(Controls::programIcon());
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("cannot create %1").arg(folder));

    simphone::SimPhone phone;
    QString error;
    if (!phone.start())
        return fail(phone.errorString());
    if (!phone.loadScenario(QStringLiteral(SIMPHONE_SCENARIO), &error))
        return fail(error);

    PhoneLink link;
    link.settings.setDevice(1, phone.devicePath());
    link.settings.setPath(QStringLiteral(MELODY_FOLDER));
    DeviceInfo info(link.exchange, link.lock);
    Phonebook phonebook(link.exchange, link.lock, link.supervisor);
    ShortMessages sms(link.exchange, link.lock, link.supervisor, link.settings, phonebook.cache().path());
    PhoneMelodies melodies(link.exchange, link.lock);
    MainWindow window(link, info, phonebook, sms, melodies);
    window.startUp();
    window.show();
    if (!runUntil([&] { return link.lock.action() == OperationLock::Idle; }, 10000))
        return fail(QStringLiteral("the simulated phone was not found"));

    static const char *const names[] = {"ringtones",  "phonebook", "view-sms",
                                        "create-sms", "infos",     "remote-control"};
    bool ok = true;
    for (int tab = 0; tab < window.tabMain->count(); ++tab) {
        window.tabMain->setCurrentIndex(tab);
        // Whatever the tab loads, plus a few program-state ticks to show "Ready" again.
        runUntil([&] { return link.lock.action() == OperationLock::Idle; }, 15000);
        settle(700);
        // A melody chosen, a message chosen and one being written, as a person would have them.
        if (tab == TabLoader::Ringtones - 1 && window.ringtones->FileMDY->count() > 0)
            window.ringtones->FileMDY->setCurrentRow(0);
        if (tab == TabLoader::ViewSMS - 1 && window.viewSms->lstTimeDate->count() > 0)
            window.viewSms->lstTimeDate->setCurrentRow(0);
        if (tab == TabLoader::CreateSMS - 1) {
            window.createSms->txtServiceCenter->setText(QStringLiteral("+491710760000"));
            window.createSms->txtSendSMSNumber->setText(QStringLiteral("+4917012345678"));
            window.createSms->txtCreateSMS->setPlainText(
                QStringLiteral("Bin gleich da, bring die Karten mit!"));
        }
        ok = save(window,
                  QDir(folder).filePath(QStringLiteral("tab-%1-%2.png").arg(tab + 1).arg(names[tab]))) &&
             ok;
    }

    AboutWindow about(&window);
    about.show();
    settle(1200);
    ok = save(about, QDir(folder).filePath(QStringLiteral("about.png"))) && ok;
    about.close();

    ServiceCentreDialog catalogue(&window);
    catalogue.show();
    catalogue.lstSMSC->setCurrentRow(14);
    settle(300);
    ok = save(catalogue, QDir(folder).filePath(QStringLiteral("service-centres.png"))) && ok;
    catalogue.close();

    RtttlDialog rtttl(&window);
    rtttl.show();
    rtttl.txtRtttl->setPlainText(
        QStringLiteral("Simpsons:d=4,o=5,b=160:32p,c.6,e6,f#6,8a6,g.6,e6,c6,8a,8f#,8f#,8f#,2g\n"
                       "Entertainer:d=4,o=5,b=140:8d,8d#,8e,c6,8e,c6,8e,2c.6,8c6,8d6,8d#6,8e6,8c6,8d6,e6"));
    settle(300);
    ok = save(rtttl, QDir(folder).filePath(QStringLiteral("rtttl-import.png"))) && ok;
    rtttl.close();

    HistoryWindow history(&window);
    history.show();
    settle(300);
    ok = save(history, QDir(folder).filePath(QStringLiteral("history.png"))) && ok;
    history.close();

    // "Working..." as a long operation shows it, part way through.
    link.lock.setAction(OperationLock::LoadingSMs);
    link.lock.openProgress();
    link.lock.reportItem(4, 10);
    settle(300);
    ok = save(*window.frmStatus, QDir(folder).filePath(QStringLiteral("working.png"))) && ok;
    window.frmStatus->cmdCancel->click();
    runUntil([&] { return link.lock.action() == OperationLock::Idle; }, 5000);

    DeviceDialog devices(link.line.portNumber(), link.settings.device(link.line.portNumber()),
                         Platform::serialPorts(), &window);
    devices.show();
    settle(300);
    ok = save(devices, QDir(folder).filePath(QStringLiteral("device.png"))) && ok;
    devices.close();

    // The status strip when the phone stays silent, and when the device may not be opened.
    window.tabMain->setCurrentIndex(TabLoader::RemoteControl - 1);
    phone.setUnplugged(true);
    runUntil([&] { return window.labLineHint->isVisible(); }, 15000);
    settle(300);
    ok = save(window, QDir(folder).filePath(QStringLiteral("hint-silent-phone.png"))) && ok;
    const QString locked = home.filePath(QStringLiteral("ttyUSB9"));
    QFile(locked).open(QIODevice::WriteOnly);
    QFile::setPermissions(locked, QFileDevice::Permissions());
    link.useDevice(locked);
    runUntil([&] { return link.lineProblem().startsWith(QLatin1String("Permission")); }, 5000);
    settle(300);
    if (link.lineProblem().startsWith(QLatin1String("Permission")))
        ok = save(window, QDir(folder).filePath(QStringLiteral("hint-permission.png"))) && ok;
    else
        std::printf("no permission problem to show: run without the right to override file permissions\n");
    return ok ? 0 : 1;
}
