// A download of 255 message slots from the simulated phone, which runs as a separate process
// without reply delays: the wall-clock time per slot, and the processor time per slot that is
// the program's own (the phone's is spent in its own process).

#include "benchsupport.h"

#include "link/phonelink.h"
#include "sms/shortmessages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

constexpr int Slots = 255;

using BenchSupport::cpuSeconds;

// Three of every four slots hold a message: received ones with time stamps, stored ones.
QByteArray scenario()
{
    QJsonArray messages;
    for (int slot = 1; slot <= Slots; ++slot) {
        if (slot % 4 == 0)
            continue;
        QJsonObject m{{"slot", slot}, {"text", QStringLiteral("Nachricht %1\nzweite Zeile").arg(slot)}};
        if (slot % 3 == 0) {
            m.insert("status", "STO SENT");
            m.insert("address", QStringLiteral("+49170%1").arg(slot));
        } else {
            m.insert("status", "REC READ");
            m.insert("address", QStringLiteral("+49151%1").arg(slot));
            m.insert("timestamp", QStringLiteral("02/03/%1,12:%2:00+04")
                                      .arg(slot % 28 + 1, 2, 10, QLatin1Char('0'))
                                      .arg(slot % 60, 2, 10, QLatin1Char('0')));
        }
        messages.append(m);
    }
    return QJsonDocument(QJsonObject{{"messageCapacity", Slots}, {"messages", messages}}).toJson();
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    BenchSupport::useOwnSettings(home);
    QCoreApplication app(argc, argv);

    const QString scenarioFile = home.filePath(QStringLiteral("slots.json"));
    {
        QFile file(scenarioFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(scenario()) <= 0)
            return 1;
    }
    QProcess phone;
    const QString device = BenchSupport::startPhone(phone, scenarioFile);
    if (device.isEmpty())
        return 1;

    PhoneLink link;
    link.settings.setDevice(1, device);
    ShortMessages sms(link.exchange, link.lock, link.supervisor, link.settings,
                      home.filePath(QStringLiteral("quenda.lst")));
    link.beginStartUp();
    link.finishStartUp();
    if (!QTest::qWaitFor([&] { return link.lock.action() == OperationLock::Idle; }, 5000) ||
        link.supervisor.MaxSMS != Slots) {
        std::fprintf(stderr, "no connection to a phone of %d slots at %s\n", Slots, qPrintable(device));
        return 1;
    }

    QElapsedTimer wall;
    const double cpuBefore = cpuSeconds();
    wall.start();
    sms.SMSDownload();
    const double wallMs = static_cast<double>(wall.nsecsElapsed()) / 1e6;
    const double cpuMs = (cpuSeconds() - cpuBefore) * 1000.0;
    phone.terminate();
    phone.waitForFinished(3000);

    std::printf("%d slots, %d messages: %.3f ms per slot on the clock, %.3f ms per slot of our own "
                "processor time\n",
                Slots, sms.messages().count(), wallMs / Slots, cpuMs / Slots);
    return sms.messages().count() == Slots - Slots / 4 ? 0 : 1;
}
