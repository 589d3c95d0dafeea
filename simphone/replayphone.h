#pragma once

#include "devicelinks.h"
#include "ptyline.h"
#include "replypacer.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

namespace simphone {

// Plays the phone of a line recording: every command line (or text closed by Ctrl-Z or ESC)
// it receives gets the answer the recording holds for it at that point of the conversation,
// in the recorded pieces after the recorded pauses; failing that the next recorded answer
// to the same command, else the last one; a command the recording never saw gets "ERROR".
// What the phone sent unasked during an answer comes at its recorded moment within it.
class ReplayPhone : public QObject
{
    Q_OBJECT
public:
    explicit ReplayPhone(QObject *parent = nullptr);

    bool load(const QString &recording, QString *error);
    bool start(QString *error);
    QString devicePath() const { return line_.slavePath(); }
    // One more link at path to the device, as SimPhone::addLink makes it.
    bool addLink(const QString &path, QString *error) { return links_.add(path, devicePath(), error); }

    // How many command lines and texts the recording holds.
    int turns() const { return static_cast<int>(turns_.size()); }

signals:
    // A command line or text the recording holds no answer for.
    void unknownCommand(const QByteArray &unit);

private:
    struct Turn
    {
        QByteArray unit; // with its CR, Ctrl-Z or ESC
        QList<ReplyPacer::Piece> answer;
        bool used = false;
    };

    void take(const QByteArray &bytes);
    void answer(const QByteArray &unit);
    int turnFor(const QByteArray &unit);

    PtyLine line_;
    DeviceLinks links_;
    ReplyPacer pacer_;
    QList<Turn> turns_;
    int next_ = 0;
    QByteArray pending_;
};

} // namespace simphone
