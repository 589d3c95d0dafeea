#include "simphone.h"

#include "callcommands.h"
#include "faults.h"
#include "identitycommands.h"
#include "melodycommands.h"
#include "messagecommands.h"
#include "phonebookcommands.h"
#include "ptyline.h"
#include "replypacer.h"
#include "scenario.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <utility>
#include <vector>

namespace simphone {

namespace {

constexpr char ctrlZ = 0x1A;
constexpr char escape = 0x1B;

// Re-points link at target in one step, so a client never finds it missing.
bool pointLink(const QString &link, const QString &target, QString *error)
{
    const QByteArray tmp = QFile::encodeName(link + QStringLiteral(".%1.new").arg(::getpid()));
    ::unlink(tmp.constData());
    if (::symlink(QFile::encodeName(target).constData(), tmp.constData()) != 0 ||
        ::rename(tmp.constData(), QFile::encodeName(link).constData()) != 0) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(link, QString::fromLocal8Bit(std::strerror(errno)));
        ::unlink(tmp.constData());
        return false;
    }
    return true;
}

} // namespace

struct SimPhone::Private
{
    explicit Private(SimPhone *owner);

    void take(const QByteArray &bytes);
    void takeLine(const QByteArray &line);
    void takeDataByte(char c);
    Reply answer(const QByteArray &line);
    void send(const Reply &reply);
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
    QStringList extraLinks;

    PtyLine line;
    ReplyPacer pacer;

    // Input not yet complete: a command line, or the text after a prompt.
    QByteArray lineBuffer;
    bool takingData = false;
    QByteArray data;
    QByteArray dataPrompt;
    QByteArray dataEcho;
    DataHandler dataHandler;
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
        } else if (c == ctrlZ || c == escape) {
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
    const Reply reply = answer(commandLine);
    if (reply.takeData) {
        takingData = true;
        data.clear();
        dataPrompt = reply.prompt;
        dataHandler = reply.takeData;
    }
    send(reply);
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
            send(Reply::withResult(faults.textFailure));
        else
            send(handler(text, c == escape));
        return;
    }
    data.append(c);
    if (state.echo)
        dataEcho.append(c);
    if (c == '\r' && !dataPrompt.isEmpty()) {
        flushDataEcho();
        send(Reply::expectData(dataPrompt, {}));
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

void SimPhone::Private::send(const Reply &reply)
{
    QList<Insertion> inserted;
    if (reply.hasResult())
        inserted = std::exchange(faults.intoNextReply, {});
    const QByteArray bytes = reply.bytes(inserted);

    const int cut = faults.splitMarker.isEmpty() ? -1 : bytes.indexOf(faults.splitMarker);
    const int firstPart = cut + faults.splitMarker.size();
    if (cut >= 0 && firstPart < bytes.size()) {
        pacer.queue(
            {{faults.replyDelayMs, bytes.left(firstPart)}, {faults.splitPauseMs, bytes.mid(firstPart)}});
    } else {
        pacer.queue({{faults.replyDelayMs, bytes}});
    }
}

void SimPhone::Private::echo(const QByteArray &bytes)
{
    pacer.queue({{0, bytes}});
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
    bool ok = pointLink(devicePath, target(), why);
    for (const QString &link : std::as_const(extraLinks))
        ok = pointLink(link, target(), why) && ok;
    return ok;
}

SimPhone::SimPhone(QObject *parent) : QObject(parent), d(std::make_unique<Private>(this)) {}

SimPhone::~SimPhone()
{
    for (const QString &link : std::as_const(d->extraLinks))
        QFile::remove(link);
}

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
    const QFileInfo info(path);
    if (info.exists() && !info.isSymLink()) {
        if (error)
            *error = path + QStringLiteral(": exists and is not a symbolic link");
        return false;
    }
    if (!d->linkDir) {
        if (error)
            *error = QStringLiteral("the phone is not started");
        return false;
    }
    const QString link = info.absoluteFilePath();
    if (!pointLink(link, d->target(), error))
        return false;
    d->extraLinks.append(link);
    return true;
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
    return readScenario(fileName, d->state, error);
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
    d->faults.failures.clear();
    d->faults.textFailure.clear();
}

void SimPhone::setReplyDelay(int milliseconds)
{
    d->faults.replyDelayMs = qMax(0, milliseconds);
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
