#pragma once

// A simulated Mitsubishi Trium Mars behind a pseudo-terminal. Tests run it in-process on
// the same event loop as Quenda; quenda-simphone serves it standalone.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <memory>

#include "faults.h"
#include "phonestate.h"

class QSocketNotifier;
class QTimer;

namespace simphone {

class SimPhone : public QObject
{
    Q_OBJECT
public:
    explicit SimPhone(QObject *parent = nullptr);
    ~SimPhone() override;

    // Opens the pseudo-terminal. False (and errorString()) when the system refuses one.
    bool start();
    QString errorString() const;

    // A stable path (a symbolic link) that always points at the current slave device,
    // also after closeLine()/reopenLine().
    QString devicePath() const;
    // The slave device itself, e.g. /dev/pts/7.
    QString slavePath() const;
    // One more link at path that follows the device like devicePath(); removed again when
    // the phone is destroyed. An existing file there that is not a link is left alone.
    bool addLink(const QString &path, QString *error = nullptr);

    PhoneState &state();
    const PhoneState &state() const;

    // Fills the state from a scenario file (JSON), and the line's behaviour when it has a "line"
    // key. False and a reason when it cannot.
    bool loadScenario(const QString &fileName, QString *error = nullptr);

    // Every command line received (without its CR) and every data block taken after a
    // prompt (including its closing Ctrl-Z or ESC), in order of arrival.
    QList<QByteArray> transcript() const;
    void clearTranscript();

    // Faults, switched at run time
    void setUnplugged(bool unplugged); // answers nothing, input dropped
    bool isUnplugged() const;
    void closeLine();  // closes the master: the device vanishes as a pulled cable does
    bool reopenLine(); // a new pseudo-terminal; devicePath() follows it
    // Answers the commands that begin with prefix (case-insensitive) with resultLine instead,
    // e.g. ("AT+CIMI", "ERROR") or ("AT+CPBW=", "+CME ERROR: 21"). Empty resultLine clears it.
    void failCommand(const QByteArray &prefix, const QByteArray &resultLine);
    // Answers every text closed by Ctrl-Z after a prompt with resultLine and keeps nothing of
    // it, e.g. "+CMS ERROR: 500" (the network refused it). Empty resultLine clears it.
    void failMessageText(const QByteArray &resultLine);
    // Clears failCommand, failMessageText and delayCommand alike.
    void clearFailures();
    void setReplyDelay(int milliseconds); // before every reply
    // Answers the commands that begin with prefix (case-insensitive) that late instead; 0 clears.
    void delayCommand(const QByteArray &prefix, int milliseconds);
    // How replies cross the line. Tests get testPace() from the start: random pieces of up to
    // 24 bytes, each read on its own, so nothing passes on a reply that arrives whole; a test
    // that needs replies whole sets LinePace{}. cablePace() is a 38400-baud cable through a USB
    // adapter: 3840 bytes a second in pieces of 16.
    void setLinePace(const LinePace &pace);
    LinePace linePace() const;
    static LinePace testPace();
    static LinePace cablePace();
    // Takes what it is sent at that rate, as a slow handset does; 0: at once.
    void setReadRate(int bytesPerSecond);
    // That share of replies (in percent) brings an unsolicited code along, before it or inside
    // it, or a stray "OK" before it.
    void setStrayCodes(int percent);
    void setLineBehaviour(const LineBehaviour &line);
    // Every reply that holds marker is written up to and including the marker, then the
    // rest after pauseMs: ("OK", 200) writes "...OK" and later "\r\n". Empty marker clears.
    void setSplit(const QByteArray &marker, int pauseMs);
    // Written at once, framed "\r\n<code>\r\n", between replies.
    void injectUnsolicited(const QByteArray &code);
    // A message from the network: stored as a real phone stores it, and told by "+CMTI:" when
    // the program asked for that with "AT+CNMI". False when the storage is full.
    bool receiveMessage(const Message &message);
    // Framed the same way and inserted into the next reply, before its final result.
    void injectIntoNextReply(const QByteArray &code);
    // Inserted into the next reply as they stand, unframed, after information block
    // afterBlock (0: before the first), e.g. a code in the middle of a phonebook listing.
    void insertIntoNextReply(const QByteArray &bytes, int afterBlock);
    void sendGarbage(int count);

signals:
    // A command line was received (without its CR).
    void commandReceived(const QByteArray &line);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace simphone
