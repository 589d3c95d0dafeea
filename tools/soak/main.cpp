// quenda-soak MINUTES [SEED]: random operations of every kind through the core against the
// simulated phone, on a line with pieces, late answers, refusals, unsolicited codes and Cancels.
// After each operation the phone's stores are compared with what the operation reported, and
// what Quenda reads back and archives with what the phone holds. Prints one line per fault.

#include "recorders.h"

#include "info/deviceinfo.h"
#include "link/phonelink.h"
#include "phonebook/contactwriter.h"
#include "phonebook/phonebook.h"
#include "ringtones/melodyuploader.h"
#include "ringtones/phonemelodies.h"
#include "simphone.h"
#include "sms/messagedeleter.h"
#include "sms/messagesender.h"
#include "sms/shortmessages.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>

namespace {

using Book = QMap<int, simphone::Contact>;

// Texts that have ended replies or shown up in others before; none holds an empty line followed
// by a line that reads as a final result, which no framing can tell from a reply's end.
const QList<QByteArray> Texts = {"OK",    "Alles OK\r\nbis morgen", "+CMS ERROR: 500", "RING me",
                                 "ERROR", "Hi\r\n\r\nthere",        "Third",           "+CMTI: \"SM\",1",
                                 "x"};
const QList<QByteArray> Errors = {"ERROR", "+CME ERROR: 21", "+CMS ERROR: 500", "+CME ERROR: 100"};

class Soak
{
public:
    explicit Soak(quint32 seed) : rng(seed) {}

    bool start();
    // False once the phone no longer comes back: nothing after that would tell anything.
    bool round();

    int operations = 0;
    QStringList faults;

private:
    enum class End
    {
        Done,      // no message, the lock idle
        Refused,   // a message named the phone's refusal
        Cancelled, // Cancel pressed while it ran
        Lost       // timed out: the phone counts as gone
    };

    void troubleTheLine(const QList<QByteArray> &commands);
    void calmTheLine();
    End run(const std::function<void()> &operation);
    bool waitIdle();
    void fault(const QString &what);

    void loadPhonebook();
    void writeContact();
    void deleteContact();
    void downloadMessages();
    void deleteMessage();
    void uploadMessage();
    void sendMessage();
    void uploadMelody();
    void readMelodies();
    void readInfo();
    void checkStoresAgainstQuenda();
    void rereadPhonebookAfter(End end);

    QByteArray anyText() { return Texts.at(rng.bounded(int(Texts.size()))); }
    QString pc(const QByteArray &ascii) { return QString::fromLatin1(ascii); }

    QRandomGenerator rng;
    QTemporaryDir dir;
    simphone::SimPhone sim;
    PhoneLink link;
    RecordingBoxes boxes;
    RecordingProgress progress;
    Phonebook phonebook{link.exchange, link.lock, link.supervisor};
    ShortMessages sms{link.exchange, link.lock, link.supervisor, link.settings,
                      dir.filePath(QStringLiteral("quenda.lst"))};
    PhoneMelodies melodies{link.exchange, link.lock};
    DeviceInfo info{link.exchange, link.lock};
    MessageSender sender{link.exchange, link.lock};
    bool cancelled = false;
    QMetaObject::Connection cancelOn;
    QString conditions;
};

bool Soak::start()
{
    if (!sim.start())
        return false;
    QSettings(QStringLiteral("Quenda"), QStringLiteral("Quenda")).clear();
    link.settings.setDevice(1, sim.devicePath());
    link.settings.setFilesms(dir.filePath(QStringLiteral("sms.log")));
    link.settings.setAutosms(true);
    link.lock.setMessageBoxes(&boxes);
    link.lock.setProgressWindow(&progress);
    auto &state = sim.state();
    state.echo = false;
    state.messageCapacity = 30;
    for (int i = 1; i <= 30; ++i)
        state.simBook.insert(i, {"0301" + QByteArray::number(i), 129, "Sim " + QByteArray::number(i)});
    for (int i = 1; i <= 10; ++i)
        state.phoneBook.insert(i, {"0171" + QByteArray::number(i), 129, "Me " + QByteArray::number(i)});
    for (int slot = 1; slot <= 30; slot += 2)
        state.messages.insert(
            slot, {"REC READ", "0172" + QByteArray::number(slot),
                   "02/03/" + QByteArray::number(slot).rightJustified(2, '0') + ",09:15:02+04", anyText()});
    for (int slot = 1; slot <= 16; ++slot)
        state.melodies[slot - 1].name = "Tune " + QByteArray::number(slot);
    link.beginStartUp();
    link.finishStartUp();
    return waitIdle();
}

bool Soak::waitIdle()
{
    return QTest::qWaitFor([this] { return link.lock.action() == OperationLock::Idle; }, 15000);
}

void Soak::fault(const QString &what)
{
    faults.append(QStringLiteral("operation %1: %2").arg(operations).arg(what));
    std::fprintf(stderr, "FAULT %s\n  line: %s\n  boxes: %s\n", qPrintable(faults.constLast()),
                 qPrintable(conditions), qPrintable(boxes.texts().join(QLatin1String(" / "))));
    const QList<QByteArray> said = sim.transcript();
    for (qsizetype i = qMax<qsizetype>(0, said.size() - 8); i < said.size(); ++i)
        std::fprintf(stderr, "  > %s\n", said.at(i).constData());
}

void Soak::troubleTheLine(const QList<QByteArray> &commands)
{
    sim.clearTranscript();
    conditions.clear();
    const int pace = rng.bounded(10);
    sim.setLinePace(pace == 0  ? simphone::SimPhone::cablePace()
                    : pace < 4 ? simphone::LinePace{}
                               : simphone::SimPhone::testPace());
    sim.setReadRate(rng.bounded(4) == 0 ? 3840 : 0);
    const int stray = rng.bounded(4) == 0 ? rng.bounded(1, 20) : 0;
    sim.setStrayCodes(stray);
    conditions += QString::fromLatin1(commands.constFirst()) +
                  QStringLiteral(" and others; pace %1, stray %2%").arg(pace).arg(stray);
    const QByteArray some = commands.at(rng.bounded(int(commands.size())));
    if (rng.bounded(5) == 0) {
        const int ms = rng.bounded(100, 700);
        sim.delayCommand(some, ms);
        conditions += QStringLiteral(", %1 late by %2 ms").arg(QString::fromLatin1(some)).arg(ms);
    }
    if (rng.bounded(5) == 0) {
        const QByteArray refused = commands.at(rng.bounded(int(commands.size())));
        const QByteArray error = Errors.at(rng.bounded(int(Errors.size())));
        sim.failCommand(refused, error);
        conditions += QStringLiteral(", %1 refused with %2")
                          .arg(QString::fromLatin1(refused), QString::fromLatin1(error));
    }
    cancelled = false;
    if (rng.bounded(7) == 0) {
        const QByteArray at = commands.at(rng.bounded(int(commands.size())));
        conditions += QStringLiteral(", Cancel at ") + QString::fromLatin1(at);
        cancelOn = QObject::connect(&sim, &simphone::SimPhone::commandReceived, &sim,
                                    [this, at](const QByteArray &line) {
                                        if (line.toUpper().startsWith(at) && link.lock.isBusy()) {
                                            cancelled = true;
                                            link.lock.cancel();
                                        }
                                    });
    }
}

void Soak::calmTheLine()
{
    QObject::disconnect(cancelOn);
    sim.clearFailures();
    sim.setStrayCodes(0);
    sim.setReadRate(0);
    sim.setLinePace(simphone::SimPhone::testPace());
}

Soak::End Soak::run(const std::function<void()> &operation)
{
    ++operations;
    boxes.shown.clear();
    operation();
    QObject::disconnect(cancelOn);
    // QUENDA_SOAK_LOG=1: every operation, to see what came before a fault.
    if (qEnvironmentVariableIsSet("QUENDA_SOAK_LOG"))
        std::fprintf(stderr, "op %d: %s; %s\n", operations, qPrintable(conditions),
                     cancelled ? "cancelled" : qPrintable(boxes.texts().join(QLatin1String(" / "))));
    if (cancelled)
        return End::Cancelled;
    if (link.lock.action() == OperationLock::NoPhone)
        return End::Lost;
    if (link.lock.action() != OperationLock::Idle)
        fault(QStringLiteral("the lock is left at %1").arg(link.lock.action()));
    // The one box that tells of success.
    if (boxes.texts() == QStringList{MessageSender::sentNotice()})
        return End::Done;
    return boxes.shown.isEmpty() ? End::Done : End::Refused;
}

void Soak::loadPhonebook()
{
    const bool simCard = rng.bounded(2) == 0;
    phonebook.setSimSelected(simCard);
    troubleTheLine({"AT+CPBS", "AT+CPBR", "AT+CPBW=?"});
    const End end = run([this] { phonebook.LoadPhonebook(); });
    calmTheLine();
    if (end != End::Done)
        return;
    const Book &book = simCard ? sim.state().simBook : sim.state().phoneBook;
    const ContactTable &table = phonebook.table();
    if (table.size() != book.size())
        return fault(QStringLiteral("listed %1 contacts of %2").arg(table.size()).arg(book.size()));
    for (int k = 0; k < table.size(); ++k) {
        const simphone::Contact c = book.value(table.indexText(k).toInt());
        if (table.names().at(k) != pc(c.name) || table.numbers().at(k) != pc(c.number))
            fault(QStringLiteral("place %1 listed as %2 %3")
                      .arg(table.indexText(k), table.names().at(k), table.numbers().at(k)));
    }
}

void Soak::writeContact()
{
    // Writes go to the memory the phone has selected, which a failed load may have left behind.
    const bool simCard = sim.state().selectedBook == "SM";
    const Book before = simCard ? sim.state().simBook : sim.state().phoneBook;
    const bool create = rng.bounded(2) == 0 || phonebook.table().size() == 0;
    const QString name = QStringLiteral("New %1").arg(operations);
    const QString number = QStringLiteral("0900%1").arg(operations);
    ContactWriter writer(phonebook);
    troubleTheLine({"AT+CPBW=", "AT+CPBR="});
    const int row = create ? -1 : rng.bounded(int(phonebook.table().visible().size()));
    const int place =
        create ? 0 : phonebook.table().indexText(phonebook.table().entryOfVisibleRow(row)).toInt();
    const End end = run([&] {
        if (create)
            writer.create(name, number);
        else
            writer.change(row, name, number);
    });
    calmTheLine();
    const Book &after = simCard ? sim.state().simBook : sim.state().phoneBook;
    if (end == End::Cancelled || end == End::Lost)
        return rereadPhonebookAfter(end);
    Book expected = before;
    if (end == End::Done) {
        const int written =
            create ? phonebook.table().indexText(phonebook.table().size() - 1).toInt() : place;
        if (create && before.contains(written))
            fault(QStringLiteral("created over place %1").arg(written));
        expected.insert(written, {number.toLatin1(), 129, name.toLatin1()});
    }
    for (auto it = after.begin(); it != after.end(); ++it) {
        if (expected.value(it.key()).name != it->name || expected.value(it.key()).number != it->number)
            fault(QStringLiteral("place %1 holds %2 after a write reported %3")
                      .arg(it.key())
                      .arg(pc(it->name))
                      .arg(end == End::Done ? QStringLiteral("done") : boxes.texts().join(QLatin1Char('/'))));
    }
    if (after.size() != expected.size())
        fault(
            QStringLiteral("%1 contacts after a write, %2 expected").arg(after.size()).arg(expected.size()));
}

void Soak::deleteContact()
{
    if (phonebook.table().size() < 5)
        return;
    const bool simCard = sim.state().selectedBook == "SM";
    const Book before = simCard ? sim.state().simBook : sim.state().phoneBook;
    const int row = rng.bounded(int(phonebook.table().visible().size()));
    const int place = phonebook.table().indexText(phonebook.table().entryOfVisibleRow(row)).toInt();
    troubleTheLine({"AT+CPBW="});
    const End end = run([&] { ContactWriter(phonebook).remove(row); });
    calmTheLine();
    const Book &after = simCard ? sim.state().simBook : sim.state().phoneBook;
    if (end == End::Done && (after.contains(place) || after.size() != before.size() - 1))
        fault(QStringLiteral("deleting place %1 left %2 of %3")
                  .arg(place)
                  .arg(after.size())
                  .arg(before.size()));
    if (end == End::Refused && after.size() != before.size())
        fault(QStringLiteral("a refused delete changed the phonebook"));
    rereadPhonebookAfter(end);
}

void Soak::rereadPhonebookAfter(End end)
{
    // Whether the phone wrote before a Cancel or a lost answer, the list cannot know; its user
    // reads it again, or the next delete of that contact finds its place already empty.
    if (end != End::Cancelled && end != End::Lost)
        return;
    if (waitIdle())
        phonebook.LoadPhonebook();
}

void Soak::downloadMessages()
{
    troubleTheLine({"AT+CMGF", "AT+CMGR=", "AT+CMGR=1", "AT+CMGR=2"});
    const End end = run([this] { sms.SMSDownload(); });
    calmTheLine();
    if (end != End::Done)
        return;
    const auto &stored = sim.state().messages;
    const QList<SMSRecord> &listed = sms.messages().sorted();
    if (listed.size() != stored.size())
        fault(QStringLiteral("listed %1 messages of %2").arg(listed.size()).arg(stored.size()));
    for (const SMSRecord &m : listed) {
        if (!stored.contains(m.slot) || pc(stored.value(m.slot).body) != m.text)
            fault(QStringLiteral("slot %1 listed as \"%2\"").arg(m.slot).arg(m.text));
    }
    QFile archive(link.settings.filesms());
    const QByteArray archived = archive.open(QIODevice::ReadOnly) ? archive.readAll() : QByteArray();
    for (const auto &m : stored) {
        // Stored messages carry labels, not time stamps; the archive tells them apart by text.
        if (m.timestamp.isEmpty())
            continue;
        if (!archived.contains("\r\n" + m.body + "\r\nName:"))
            fault(QStringLiteral("\"%1\" is not in the archive").arg(pc(m.body)));
    }
    if (archived.contains("\r\nRING\r\n") || archived.contains("Send Message\r\nNumber: Unsend"))
        fault(QStringLiteral("line noise in the archive"));
}

void Soak::deleteMessage()
{
    if (sms.messages().count() == 0)
        return;
    const int row = rng.bounded(sms.messages().count());
    const qint16 slot = sms.messages().at(row)->slot;
    const auto before = sim.state().messages;
    troubleTheLine({"AT+CMGD="});
    const End end = run([&] { MessageDeleter(sms).remove(row); });
    calmTheLine();
    const auto &after = sim.state().messages;
    if (end == End::Done && (after.contains(slot) || after.size() != before.size() - 1))
        fault(
            QStringLiteral("deleting slot %1 left %2 of %3").arg(slot).arg(after.size()).arg(before.size()));
    if (end == End::Refused && after.size() != before.size())
        fault(QStringLiteral("a refused delete changed the messages"));
}

void Soak::uploadMessage()
{
    if (sim.state().messages.size() >= 25)
        return;
    const auto before = sim.state().messages;
    // A line of the text that would dial, were it ever read as a command.
    const QByteArray text = "Stored " + QByteArray::number(operations) + "\r\nATD0900123;";
    troubleTheLine({"AT+CMGF", "AT+CMGW"});
    const End end = run([&] { sender.upload(pc(text), QStringLiteral("0301")); });
    calmTheLine();
    const auto &after = sim.state().messages;
    int found = 0;
    for (const auto &m : after)
        found += m.body == text ? 1 : 0;
    if (end == End::Done && (found != 1 || after.size() != before.size() + 1))
        fault(QStringLiteral("a stored message is there %1 times").arg(found));
    if (end == End::Refused && after.size() != before.size())
        fault(QStringLiteral("a refused upload changed the messages"));
}

void Soak::sendMessage()
{
    const qsizetype before = sim.state().sentMessages.size();
    const QByteArray text = anyText() + "\r\nAT+CPBW=1";
    troubleTheLine({"AT+CMGF", "AT+CSCA", "AT+CMGS"});
    const End end =
        run([&] { sender.send(pc(text), QStringLiteral("0301"), QStringLiteral("+491710760000")); });
    calmTheLine();
    const auto &sent = sim.state().sentMessages;
    if (end == End::Done && (sent.size() != before + 1 || sent.constLast().body != text))
        fault(QStringLiteral("a message reported sent is not among the %1 sent").arg(sent.size()));
    if (end == End::Refused && sent.size() != before)
        fault(QStringLiteral("a refused message went out"));
    if (end == End::Refused && boxes.texts().constLast().contains(QLatin1String("succesfully")))
        fault(QStringLiteral("reported sent and refused alike"));
}

void Soak::uploadMelody()
{
    const int slot = rng.bounded(1, 9);
    const QByteArray name = "Up" + QByteArray::number(operations);
    const QList<QByteArray> lines{"c 4", "e 8", "g 4"};
    const QString path = dir.filePath(QStringLiteral("tune.mdy"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fault(QStringLiteral("no melody file"));
    file.write("NAME=" + name + "\r\nTEMPO=120\r\n" + lines.join("\r\n") + "\r\n");
    file.close();
    const simphone::Melody before = sim.state().melodies.at(slot - 1);
    troubleTheLine({"AT~MMYW", "AT~MMYR="});
    const End end = run([&] { MelodyUploader(melodies).UploadMelody(QString::number(slot), path, false); });
    calmTheLine();
    const simphone::Melody &after = sim.state().melodies.at(slot - 1);
    // A refusal may come for the list read after a stored melody; the melody counts by what the
    // phone holds then.
    const bool stored = after.name == name && after.lines == lines;
    if (end == End::Done && !stored)
        fault(
            QStringLiteral("melody %1 holds %2 after an upload reported done").arg(slot).arg(pc(after.name)));
    if (end == End::Refused && !stored && (after.name != before.name || after.lines != before.lines))
        fault(QStringLiteral("a refused upload changed melody %1").arg(slot));
}

void Soak::readMelodies()
{
    troubleTheLine({"AT~MMYR=", "AT~MMYR=1", "AT~MMYR=9"});
    const End end = run([this] { melodies.ReadMelodyList(); });
    calmTheLine();
    if (end != End::Done)
        return;
    for (int slot = 1; slot <= 16; ++slot) {
        const QString expected = QStringLiteral("%1: %2")
                                     .arg(PhoneMelodies::displayNumber(slot))
                                     .arg(pc(sim.state().melodies.at(slot - 1).name));
        if (melodies.entries().value(slot - 1) != expected)
            fault(QStringLiteral("melody %1 listed as %2").arg(slot).arg(melodies.entries().value(slot - 1)));
    }
}

void Soak::readInfo()
{
    troubleTheLine({"AT+CBC", "AT+CGMI", "AT+COPS", "AT+CGMM", "AT+CREG", "AT+CIMI"});
    const End end = run([this] { info.InfoDownload(); });
    calmTheLine();
    if (end != End::Done)
        return;
    const DeviceInfo::Fields &f = info.fields();
    if (f.manufacturer != QLatin1String("Mitsubishi") || f.model != QLatin1String("Trium Mars") ||
        f.imsi != pc(sim.state().imsi) || f.operatorName != pc(sim.state().operatorName))
        fault(
            QStringLiteral("infos read as %1/%2/%3/%4").arg(f.manufacturer, f.model, f.imsi, f.operatorName));
}

bool Soak::round()
{
    if (!waitIdle()) {
        fault(QStringLiteral("the phone did not come back"));
        return false;
    }
    // Texts hold command lines; none may ever run.
    if (!sim.state().dialled.isEmpty()) {
        fault(QStringLiteral("%1 was dialled").arg(pc(sim.state().dialled.constLast())));
        sim.state().dialled.clear();
    }
    switch (rng.bounded(10)) {
    case 0:
    case 1:
        loadPhonebook();
        break;
    case 2:
        writeContact();
        break;
    case 3:
        deleteContact();
        break;
    case 4:
    case 5:
        downloadMessages();
        break;
    case 6:
        rng.bounded(2) ? deleteMessage() : uploadMessage();
        break;
    case 7:
        rng.bounded(2) ? readMelodies() : uploadMelody();
        break;
    case 8:
        sendMessage();
        break;
    default:
        readInfo();
        break;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const double minutes = args.value(1, QStringLiteral("1")).toDouble();
    const quint32 seed = args.size() > 2 ? args.at(2).toUInt() : QRandomGenerator::global()->generate();
    std::printf("soak: %.1f minutes, seed %u\n", minutes, seed);
    std::fflush(stdout);

    Soak soak(seed);
    if (!soak.start()) {
        std::fprintf(stderr, "soak: the simulated phone could not be greeted\n");
        return 2;
    }
    QDeadlineTimer deadline(qint64(minutes * 60000));
    while (!deadline.hasExpired() && soak.round()) {
    }
    std::printf("soak: %d operations in %.1f minutes, %lld faults\n", soak.operations, minutes,
                static_cast<long long>(soak.faults.size()));
    return soak.faults.isEmpty() ? 0 : 1;
}
