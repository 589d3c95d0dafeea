// Connect, a 250-contact phonebook and a 100-message download at the pace of each line: the
// Trium Mars on its 38400-baud cable against modems and handsets of the simulated phone's
// profiles, each with its own ways (blocks or one place at a time, a listing or slot by slot).

#include "benchsupport.h"

#include "handset/handset.h"
#include "simphone.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

void fill(simphone::PhoneState &phone)
{
    phone.simBook.clear();
    phone.simBookCapacity = 250;
    for (int i = 1; i <= 250; ++i)
        phone.simBook.insert(
            i, {"+4917012" + QByteArray::number(10000 + i), 145, "Kontakt " + QByteArray::number(i)});
    phone.messages.clear();
    phone.messageCapacity = 100;
    for (int i = 0; i < 100; ++i) {
        simphone::Message m{"REC READ", "+4917099" + QByteArray::number(10000 + i), "09/08/18,19:11:45+08",
                            "Nachricht " + QByteArray::number(i) + ": bis morgen, Gruss"};
        phone.messages.insert(phone.firstSlot + i, m);
    }
}

bool measure(const QString &title, const QString &profile)
{
    simphone::SimPhone sim;
    if (!sim.start())
        return false;
    sim.setLinePace(simphone::SimPhone::cablePace());
    QString error;
    if (!profile.isEmpty() && !sim.loadScenario(profile, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    const int baud = sim.linePace().bytesPerSecond * 10;
    fill(sim.state());

    PhoneLink link;
    link.settings.setDevice(1, sim.devicePath());
    link.useBaudForThisRun(baud);
    Subsystems parts(link);
    QElapsedTimer clock;
    clock.start();
    link.beginStartUp();
    link.finishStartUp();
    if (!QTest::qWaitFor([&] { return link.lock.action() == OperationLock::Idle; }, 20000))
        return false;
    const qint64 connect = clock.restart();
    parts.phonebook.setMemory(QStringLiteral("SM"));
    const bool contacts =
        parts.phonebook.LoadPhonebook().succeeded() && parts.phonebook.table().size() == 250;
    const qint64 phonebook = clock.restart();
    const bool messages = parts.sms.SMSDownload(ShortMessages::ArchiveStep::Skip).succeeded() &&
                          parts.sms.messages().count() == 100;
    const qint64 download = clock.elapsed();
    std::printf("%-34s %6d baud  connect %5lld ms  250 contacts %6lld ms%s  100 messages %6lld ms%s\n",
                qPrintable(title), baud, connect, phonebook, contacts ? "" : " (INCOMPLETE)", download,
                messages ? "" : " (INCOMPLETE)");
    return contacts && messages;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    BenchSupport::useOwnSettings(home);
    QCoreApplication app(argc, argv);
    const QString handsets = QStringLiteral(SIMPHONE_DATA_DIR "/handsets/");
    bool all = measure(QStringLiteral("Trium Mars"), QString());
    for (const char *name : {"huawei-e173", "simcom-sim800", "nokia-6303", "samsung-p900", "siemens-ax75"})
        all = measure(QString::fromLatin1(name), handsets + QLatin1String(name) + QStringLiteral(".json")) &&
              all;
    return all ? 0 : 1;
}
