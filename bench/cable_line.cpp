// Operations on a line like a real cable: the simulated phone (a process of its own) sends
// and takes 3840 bytes a second, sends in 16-byte pieces and answers every command 30 ms late. For each job:
// the time on the clock, the bytes that crossed the line, and how far the time is above the
// floor those bytes and the phone's delays set (time / floor), with our own processor time.

#include "benchsupport.h"

#include "link/phonelink.h"
#include "link/userinterfaces.h"
#include "phonebook/phonebook.h"
#include "sms/messagesender.h"
#include "sms/shortmessages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

constexpr int ReplyDelayMs = 30;

// What crossed the line while a job ran.
struct Traffic
{
    qint64 bytes = 0;
    int answers = 0; // command lines and texts, each answered ReplyDelayMs late

    double floorMs() const
    {
        return bytes * 1000.0 / SerialLine::BytesPerSecond + answers * double(ReplyDelayMs);
    }
};

QJsonObject message(int slot, int n)
{
    return {{"slot", slot},
            {"status", "REC READ"},
            {"address", QStringLiteral("+4917012%1").arg(10000 + n)},
            {"timestamp", QStringLiteral("02/06/%1,12:34:56+08").arg(n % 28 + 1, 2, 10, QLatin1Char('0'))},
            {"text", QStringLiteral("Nachricht Nummer %1, wie besprochen.").arg(n)}};
}

QByteArray scenario(const QJsonArray &messages)
{
    QJsonArray contacts;
    for (int i = 1; i <= 250; ++i)
        contacts.append(QJsonObject{{"index", i},
                                    {"number", QStringLiteral("+4917012%1").arg(10000 + i)},
                                    {"name", QStringLiteral("Kontakt %1").arg(i)}});
    return QJsonDocument(QJsonObject{{"serviceCentre", "+491710760000"},
                                     {"phonebooks", QJsonObject{{"SM", QJsonObject{{"capacity", 250},
                                                                                   {"contacts", contacts}}}}},
                                     {"messageCapacity", 255},
                                     {"messages", messages}})
        .toJson();
}

// The last message box, to tell a sent message from a failed one.
struct LastBox : MessageBoxes
{
    void inform(const QString &text, const QString &) override { last = text; }
    bool ask(const QString &, const QString &) override { return true; }
    QString last;
};

// A phone on a cable-like line and the link to it, connected.
class Rig
{
public:
    Rig(const QTemporaryDir &home, const QJsonArray &messages, const QStringList &lineOptions = cable())
    {
        const QString file = home.filePath(QStringLiteral("phone.json"));
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(scenario(messages)) <= 0)
            return;
        out.close();
        const QString device = BenchSupport::startPhone(phone, file, lineOptions);
        if (device.isEmpty())
            return;
        link.settings.setDevice(1, device);
        QObject::connect(&link.line, &SerialLine::bytesCrossed, &link.line,
                         [this](SerialLine::Direction direction, const QByteArray &bytes) {
                             traffic.bytes += bytes.size();
                             if (direction == SerialLine::Direction::Sent)
                                 traffic.answers += int(bytes.count('\r') + bytes.count('\x1a'));
                         });
        // Nothing but the job talks on the line.
        QObject::connect(&link.supervisor, &Supervisor::connected, &link.supervisor,
                         [this] { link.supervisor.timState.stop(); });
        link.beginStartUp();
        link.finishStartUp();
        connected = QTest::qWaitFor([this] { return link.lock.action() == OperationLock::Idle; }, 10000);
    }
    static QStringList cable()
    {
        const QString rate = QString::number(SerialLine::BytesPerSecond);
        return {QStringLiteral("--bytes-per-second"), rate,
                QStringLiteral("--read-rate"),        rate,
                QStringLiteral("--piece-bytes"),      QStringLiteral("16"),
                QStringLiteral("--reply-delay"),      QString::number(ReplyDelayMs)};
    }
    // Whole replies at once: what time a job takes here is the program's own.
    static QStringList instant()
    {
        return {QStringLiteral("--bytes-per-second"), QStringLiteral("0"), QStringLiteral("--piece-bytes"),
                QStringLiteral("0")};
    }

    ~Rig()
    {
        phone.terminate();
        phone.waitForFinished(3000);
    }

    QProcess phone;
    PhoneLink link;
    Traffic traffic;
    bool connected = false;
};

void report(const char *job, double ms, double cpuMs, const Traffic &traffic)
{
    std::printf("%-44s %8.0f ms %7lld bytes %6.2f x floor (%.0f ms)  %6.1f ms own processor time\n", job, ms,
                static_cast<long long>(traffic.bytes), ms / traffic.floorMs(), traffic.floorMs(), cpuMs);
}

// Runs job on a connected rig and reports it; false when the rig did not connect or the job
// failed its check.
bool measure(const QTemporaryDir &home, const char *name, const QJsonArray &messages,
             const std::function<bool(Rig &)> &job, const QStringList &lineOptions = Rig::cable())
{
    Rig rig(home, messages, lineOptions);
    if (!rig.connected) {
        std::fprintf(stderr, "%s: no connection to the simulated phone\n", name);
        return false;
    }
    rig.traffic = {};
    QElapsedTimer clock;
    const double cpuBefore = BenchSupport::cpuSeconds();
    clock.start();
    const bool ok = job(rig);
    const double ms = clock.nsecsElapsed() / 1e6;
    report(name, ms, (BenchSupport::cpuSeconds() - cpuBefore) * 1000.0, rig.traffic);
    if (!ok)
        std::fprintf(stderr, "%s: wrong result\n", name);
    return ok;
}

// From the first probe to the moment the first command may go, greeting included.
bool measureConnect(const QTemporaryDir &home, const char *name, const QStringList &lineOptions, bool instant)
{
    Rig rig(home, {}, lineOptions);
    if (!rig.connected)
        return false;
    PhoneLink &link = rig.link;
    link.resetConnection();
    rig.traffic = {};
    QEventLoop loop;
    QObject::connect(&link.supervisor, &Supervisor::connected, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    const double cpuBefore = BenchSupport::cpuSeconds();
    clock.start();
    link.supervisor.probeTick();
    loop.exec();
    const double ms = clock.nsecsElapsed() / 1e6;
    const double cpuMs = (BenchSupport::cpuSeconds() - cpuBefore) * 1000.0;
    if (instant)
        std::printf("%-44s %8.1f ms %7lld bytes %29s %6.1f ms own processor time\n", name, ms,
                    static_cast<long long>(rig.traffic.bytes), "", cpuMs);
    else
        report(name, ms, cpuMs, rig.traffic);
    return link.lock.action() == OperationLock::Idle;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    BenchSupport::useOwnSettings(home);
    QCoreApplication app(argc, argv);

    bool ok = measureConnect(home, "connect to first command", Rig::cable(), false);
    ok &= measureConnect(home, "connect to first command, instant line", Rig::instant(), true);

    const auto loadPhonebook = [](Rig &rig) {
        Phonebook phonebook(rig.link.exchange, rig.link.lock, rig.link.supervisor);
        phonebook.setSimSelected(true);
        phonebook.LoadPhonebook();
        return phonebook.table().size() == 250;
    };
    ok &= measure(home, "phonebook of 250 contacts", {}, loadPhonebook);
    // The same with the line recorded: what the recording costs, and how large it is.
    const QString trace = home.filePath(QStringLiteral("line.trace"));
    const auto recorded = [&trace, &loadPhonebook](Rig &rig) {
        QString error;
        const bool started = rig.link.recorder.start(trace, &error);
        const bool loaded = loadPhonebook(rig);
        rig.link.recorder.stop();
        return started && loaded;
    };
    ok &= measure(home, "phonebook of 250 contacts, recorded", {}, recorded);
    std::printf("%-44s %8lld bytes of recording\n", "", static_cast<long long>(QFileInfo(trace).size()));
    ok &= measure(home, "phonebook of 250 contacts, instant line", {}, loadPhonebook, Rig::instant());
    ok &= measure(home, "phonebook of 250 contacts, instant, recorded", {}, recorded, Rig::instant());

    const auto download = [&home](Rig &rig) {
        ShortMessages sms(rig.link.exchange, rig.link.lock, rig.link.supervisor, rig.link.settings,
                          home.filePath(QStringLiteral("quenda.lst")));
        sms.SMSDownload(ShortMessages::ArchiveStep::Skip);
        return sms.messages().count() == 12 && rig.link.lock.action() == OperationLock::Idle;
    };
    QJsonArray first12;
    QJsonArray scattered;
    for (int n = 1; n <= 12; ++n) {
        first12.append(message(n, n));
        scattered.append(message(1 + (n - 1) * 199 / 11, n));
    }
    ok &= measure(home, "12 messages in slots 1-12 of 255", first12, download);
    ok &= measure(home, "12 messages over slots 1-200 of 255", scattered, download);

    ok &= measure(home, "send one message", {}, [](Rig &rig) {
        LastBox boxes;
        rig.link.lock.setMessageBoxes(&boxes);
        MessageSender(rig.link.exchange, rig.link.lock)
            .send(QStringLiteral("Bin gleich da, bis dann!"), QStringLiteral("+4917012345678"),
                  QStringLiteral("+491710760000"));
        rig.link.lock.setMessageBoxes(nullptr);
        return boxes.last == MessageSender::sentNotice() && rig.link.lock.action() == OperationLock::Idle;
    });
    return ok ? 0 : 1;
}
