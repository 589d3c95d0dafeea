#include "simphone.h"

#include "callcommands.h"
#include "devicelinks.h"
#include "faults.h"
#include "identitycommands.h"
#include "melodycommands.h"
#include "messagecommands.h"
#include "phonebookcommands.h"
#include "ptyline.h"
#include "replypacer.h"
#include "scenario.h"

#include <QDir>

#include <algorithm>
#include <utility>
#include <vector>

namespace simphone {

namespace {

constexpr char ctrlZ = 0x1A;
constexpr char escape = 0x1B;

} // namespace

struct SimPhone::Private
{
    explicit Private(SimPhone *owner);

    void take(const QByteArray &bytes);
    void takeLine(const QByteArray &line);
    void takeDataByte(char c);
    Reply answer(const QByteArray &line);
    void send(const Reply &reply, int delayMs);
    // The parts cut into pieces as the line delivers them.
    QList<ReplyPacer::Piece> paced(const QList<ReplyPacer::Piece> &parts);
    int transmitMs(qsizetype bytes);
    void maybeStray(QList<Insertion> &inserted);
    void echo(const QByteArray &bytes);
    void flushDataEcho();
    void resetInput();
    bool pointLinks(QString *error);
    QString target() const;

    SimPhone *q;
    PhoneState state;
    Faults faults;
    QList<QByteArray> transcript;
    std::vector<std::unique_ptr<CommandGroup>> groups;
    QString error;

    std::unique_ptr<QTemporaryDir> linkDir;
    QString devicePath;
    DeviceLinks extraLinks;

    PtyLine line;
    ReplyPacer pacer;
    LinePace pace = SimPhone::testPace();
    double transmitCarryMs = 0;

    // Input not yet complete: a command line, or the text after a prompt.
    QByteArray lineBuffer;
    bool takingData = false;
    QByteArray data;
    QByteArray dataPrompt;
    QByteArray dataEcho;
    DataHandler dataHandler;
    int dataReplyDelayMs = 0; // a late command is late with its answer to the text too
};

SimPhone::Private::Private(SimPhone *owner)
    : q(owner), pacer([this](const QByteArray &bytes) { line.write(bytes); })
{
    groups.push_back(std::make_unique<IdentityCommands>());
    groups.push_back(std::make_unique<PhonebookCommands>());
    groups.push_back(std::make_unique<MessageCommands>());
    groups.push_back(std::make_unique<MelodyCommands>());
    groups.push_back(std::make_unique<CallCommands>());
    QObject::connect(&line, &PtyLine::received, owner, [this](const QByteArray &bytes) { take(bytes); });
}

void SimPhone::Private::take(const QByteArray &bytes)
{
    for (char c : bytes) {
        // A slot connected to commandReceived may have pulled the cable meanwhile.
        if (faults.unplugged || !line.isOpen())
            return;
        if (takingData) {
            takeDataByte(c);
        } else if (c == '\r') {
            takeLine(std::exchange(lineBuffer, {}));
        } else if (c == '\n' && lineBuffer.isEmpty()) {
            // The LF of a client that ends its lines with CR LF.
        } else if ((c == ctrlZ || c == escape) && !state.keepsControlBytes) {
            // A late Ctrl-Z after a text the phone already took: nothing to end.
        } else {
            lineBuffer.append(c);
        }
    }
    flushDataEcho();
}

void SimPhone::Private::takeLine(const QByteArray &commandLine)
{
    if (state.echo)
        echo(commandLine + '\r');
    if (commandLine.trimmed().isEmpty())
        return;
    transcript.append(commandLine);
    const int delayMs = faults.delayFor(commandLine);
    const Reply reply = answer(commandLine);
    if (reply.takeData) {
        takingData = true;
        data.clear();
        dataPrompt = reply.prompt;
        dataHandler = reply.takeData;
        dataReplyDelayMs = delayMs;
    }
    send(reply, delayMs);
    emit q->commandReceived(commandLine);
}

void SimPhone::Private::takeDataByte(char c)
{
    if (c == ctrlZ || c == escape) {
        transcript.append(data + c);
        flushDataEcho();
        takingData = false;
        const DataHandler handler = std::exchange(dataHandler, {});
        const QByteArray text = std::exchange(data, {});
        if (c == ctrlZ && !faults.textFailure.isEmpty())
            send(Reply::withResult(faults.textFailure), dataReplyDelayMs);
        else
            send(handler(text, c == escape), dataReplyDelayMs);
        return;
    }
    data.append(c);
    if (state.echo)
        dataEcho.append(c);
    if (c == '\r' && !dataPrompt.isEmpty()) {
        flushDataEcho();
        send(Reply::expectData(dataPrompt, {}), 0);
    }
}

Reply SimPhone::Private::answer(const QByteArray &commandLine)
{
    const QByteArray failure = faults.failureFor(commandLine);
    if (!failure.isEmpty())
        return Reply::withResult(failure);
    const auto cmd = parseCommandLine(commandLine);
    if (!cmd)
        return Reply::error();
    for (const auto &group : groups) {
        if (auto reply = group->handle(*cmd, state))
            return *reply;
    }
    return Reply::error();
}

void SimPhone::Private::send(const Reply &reply, int delayMs)
{
    QList<Insertion> inserted;
    if (reply.hasResult()) {
        inserted = std::exchange(faults.intoNextReply, {});
        maybeStray(inserted);
    }
    const QByteArray bytes = reply.bytes(inserted);

    const int cut = faults.splitMarker.isEmpty() ? -1 : bytes.indexOf(faults.splitMarker);
    const int firstPart = cut + faults.splitMarker.size();
    if (cut >= 0 && firstPart < bytes.size())
        pacer.queue(paced({{delayMs, bytes.left(firstPart)}, {faults.splitPauseMs, bytes.mid(firstPart)}}));
    else
        pacer.queue(paced({{delayMs, bytes}}));
}

void SimPhone::Private::maybeStray(QList<Insertion> &inserted)
{
    if (faults.strayPercent <= 0 || faults.nextRandom(100) >= faults.strayPercent)
        return;
    static const QByteArray codes[] = {"RING", "+CMTI: \"SM\",1", "+CREG: 1", "OK"};
    const QByteArray code = codes[faults.nextRandom(4)];
    // A stray result only ever comes ahead of a reply, and after the replies before it: results
    // come in order. The codes come between replies, or inside one.
    if (code == "OK")
        pacer.queue({{0, frame(code)}});
    else if (faults.nextRandom(2) == 0)
        pacer.sendBetween(frame(code));
    else
        inserted.append({-1, frame(code)});
}

int SimPhone::Private::transmitMs(qsizetype bytes)
{
    if (pace.bytesPerSecond <= 0)
        return 0;
    transmitCarryMs += double(bytes) * 1000.0 / pace.bytesPerSecond;
    const int whole = int(transmitCarryMs);
    transmitCarryMs -= whole;
    return whole;
}

QList<ReplyPacer::Piece> SimPhone::Private::paced(const QList<ReplyPacer::Piece> &parts)
{
    if (pace.whole())
        return parts;
    QList<ReplyPacer::Piece> pieces;
    for (const ReplyPacer::Piece &part : parts) {
        qsizetype at = 0;
        while (at < part.bytes.size()) {
            int size = pace.randomPieces ? 1 + faults.nextRandom(pace.pieceBytes) : pace.pieceBytes;
            size = int(qMin<qsizetype>(size, part.bytes.size() - at));
            int pause = transmitMs(size);
            if (at == 0)
                pause += part.pauseMs;
            else
                pause = qMax(pause, 1);
            pieces.append({pause, part.bytes.mid(at, size)});
            at += size;
        }
    }
    return pieces;
}

void SimPhone::Private::echo(const QByteArray &bytes)
{
    pacer.queue(paced({{0, bytes}}));
}

void SimPhone::Private::flushDataEcho()
{
    if (!dataEcho.isEmpty())
        echo(std::exchange(dataEcho, {}));
}

void SimPhone::Private::resetInput()
{
    pacer.clear();
    lineBuffer.clear();
    takingData = false;
    data.clear();
    dataEcho.clear();
    dataHandler = {};
}

QString SimPhone::Private::target() const
{
    // With the line closed the links lead nowhere, as the device node of a pulled cable
    // does; never at a freed pts number that another program may get next.
    return line.isOpen() ? line.slavePath() : linkDir->filePath(QStringLiteral("no-device"));
}

bool SimPhone::Private::pointLinks(QString *why)
{
    const bool linked = pointLink(devicePath, target(), why);
    return extraLinks.repoint(target(), why) && linked;
}

SimPhone::SimPhone(QObject *parent) : QObject(parent), d(std::make_unique<Private>(this)) {}

SimPhone::~SimPhone() = default;

bool SimPhone::start()
{
    if (d->line.isOpen())
        return true;
    if (!d->linkDir) {
        auto dir =
            std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/quenda-simphone-XXXXXX"));
        if (!dir->isValid()) {
            d->error = dir->errorString();
            return false;
        }
        d->devicePath = dir->filePath(QStringLiteral("phone"));
        d->linkDir = std::move(dir);
    }
    return reopenLine();
}

QString SimPhone::errorString() const
{
    return d->error;
}

QString SimPhone::devicePath() const
{
    return d->devicePath;
}

QString SimPhone::slavePath() const
{
    return d->line.slavePath();
}

bool SimPhone::addLink(const QString &path, QString *error)
{
    if (!d->linkDir) {
        if (error)
            *error = QStringLiteral("the phone is not started");
        return false;
    }
    return d->extraLinks.add(path, d->target(), error);
}

PhoneState &SimPhone::state()
{
    return d->state;
}

const PhoneState &SimPhone::state() const
{
    return d->state;
}

bool SimPhone::loadScenario(const QString &fileName, QString *error)
{
    std::optional<LineBehaviour> line;
    if (!readScenario(fileName, d->state, error, &line))
        return false;
    if (line)
        setLineBehaviour(*line);
    for (auto it = d->state.resultsInstead.cbegin(); it != d->state.resultsInstead.cend(); ++it)
        failCommand(it.key(), it.value());
    return true;
}

void SimPhone::setLineBehaviour(const LineBehaviour &line)
{
    setLinePace(line.pace);
    setReadRate(line.readRate);
    setReplyDelay(line.replyDelayMs);
    setStrayCodes(line.strayPercent);
}

QList<QByteArray> SimPhone::transcript() const
{
    return d->transcript;
}

void SimPhone::clearTranscript()
{
    d->transcript.clear();
}

void SimPhone::setUnplugged(bool unplugged)
{
    if (unplugged)
        d->resetInput();
    d->faults.unplugged = unplugged;
}

bool SimPhone::isUnplugged() const
{
    return d->faults.unplugged;
}

void SimPhone::closeLine()
{
    d->resetInput();
    d->line.close();
    if (d->linkDir)
        d->pointLinks(nullptr);
}

bool SimPhone::reopenLine()
{
    if (!d->linkDir)
        return start();
    d->resetInput();
    if (!d->line.open(&d->error))
        return false;
    return d->pointLinks(&d->error);
}

void SimPhone::failCommand(const QByteArray &prefix, const QByteArray &resultLine)
{
    const QByteArray key = prefix.toUpper();
    auto &failures = d->faults.failures;
    failures.erase(std::remove_if(failures.begin(), failures.end(),
                                  [&key](const auto &failure) { return failure.first == key; }),
                   failures.end());
    if (!resultLine.isEmpty())
        failures.append({key, resultLine});
}

void SimPhone::failMessageText(const QByteArray &resultLine)
{
    d->faults.textFailure = resultLine;
}

void SimPhone::clearFailures()
{
    d->faults.lateCommands.clear();
    d->faults.failures.clear();
    d->faults.textFailure.clear();
}

void SimPhone::setReplyDelay(int milliseconds)
{
    d->faults.replyDelayMs = qMax(0, milliseconds);
}

LinePace SimPhone::testPace()
{
    return LinePace{0, 24, true};
}

LinePace SimPhone::cablePace()
{
    return LinePace{3840, 16, false};
}

void SimPhone::setLinePace(const LinePace &pace)
{
    d->pace = pace;
    d->transmitCarryMs = 0;
}

LinePace SimPhone::linePace() const
{
    return d->pace;
}

void SimPhone::setReadRate(int bytesPerSecond)
{
    d->line.setReadRate(bytesPerSecond);
}

void SimPhone::delayCommand(const QByteArray &prefix, int milliseconds)
{
    const QByteArray key = prefix.toUpper();
    auto &late = d->faults.lateCommands;
    late.erase(
        std::remove_if(late.begin(), late.end(), [&key](const auto &entry) { return entry.first == key; }),
        late.end());
    if (milliseconds > 0)
        late.append({key, milliseconds});
}

void SimPhone::setStrayCodes(int percent)
{
    d->faults.strayPercent = qBound(0, percent, 100);
}

void SimPhone::setSplit(const QByteArray &marker, int pauseMs)
{
    d->faults.splitMarker = marker;
    d->faults.splitPauseMs = qMax(0, pauseMs);
}

void SimPhone::injectUnsolicited(const QByteArray &code)
{
    if (!d->faults.unplugged)
        d->pacer.sendBetween(frame(code));
}

bool SimPhone::receiveMessage(const Message &message)
{
    const int stored = int(d->state.messages.size());
    const QByteArray code = MessageCommands::deliver(d->state, message);
    if (!code.isEmpty())
        injectUnsolicited(code);
    return d->state.messages.size() > stored;
}

void SimPhone::injectIntoNextReply(const QByteArray &code)
{
    d->faults.intoNextReply.append({-1, frame(code)});
}

void SimPhone::insertIntoNextReply(const QByteArray &bytes, int afterBlock)
{
    d->faults.intoNextReply.append({afterBlock, bytes});
}

void SimPhone::sendGarbage(int count)
{
    if (!d->faults.unplugged && count > 0)
        d->pacer.sendBetween(d->faults.nextGarbage(count));
}

} // namespace simphone
