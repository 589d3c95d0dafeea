#pragma once

#include "phoneprofile.h"

#include <QObject>
#include <QString>
#include <QTimer>

class AtExchange;
class OperationLock;

// Watches the line for the program's whole life: a bare "AT" every 1750 ms while no operation
// is busy, its answer looked at as it arrives (and every 75 ms); a phone that answers again
// after a loss is greeted with the handshake before it counts as connected.
class Supervisor : public QObject
{
    Q_OBJECT
public:
    Supervisor(AtExchange &exchange, OperationLock &lock, QObject *parent = nullptr);

    // Starts the repeating probe timer.
    void start();

    void probeTick();
    void answerTick();

    bool NewConnect = true;
    qint16 MaxSMS = 0;
    qint16 MaxPhoneNum = 0;

    bool isConnectedShown() const { return connectedShown_; }
    // What the phone greeted last is and can do.
    // Other phones' messages stay in text mode where they offer it (Settings::textModeOnly).
    void setTextModeOnly(bool on) { textModeOnly_ = on; }
    // Other phones are asked at their greeting to tell new messages as they arrive (the window
    // reads them); quenda-cli leaves the phone as it is.
    void setNewMessageIndications(bool wanted) { indicationsWanted_ = wanted; }
    const PhoneProfile &profile() const;
    // Why a phone that answers the probe is not connected, in words; empty while none is wrong.
    QString greetingProblem() const { return greetingProblem_; }

    QTimer timState;    // 1750 ms, repeating: sends the probe
    QTimer timGetState; // 75 ms, repeating while a probe answer is awaited

signals:
    // The connection label changes between "Connected" and "Not Connected".
    void connectionShown(bool connected);
    // greetingProblem() may say something else now.
    void greetingProblemChanged();
    // A probe answer moved the program from "no phone" to idle: load the tab on show.
    void connected();
    // The probe went unanswered: the phone is gone.
    void lost();

private:
    bool handshake();
    void markLost();
    // After a probe the phone refused: its command line is ended and the probe asked again.
    // True once that gets "OK".
    bool probeOnFreedLine();
    bool greet();
    bool greetTriumMars();
    bool greetStandardPhone(const QString &maker);
    void setGreetingProblem(const QString &problem);
    void showConnected(bool connected);

    AtExchange &exchange_;
    OperationLock &lock_;
    bool connectedShown_ = false;
    bool handshakeRunning_ = false;
    // The probe's "AT" is on the line and its answer not yet taken; what has arrived of it.
    void beginProbe();
    void endProbe();
    // The probe's final result once it has arrived whole; empty before.
    QString probeResult();
    bool probePending_ = false;
    QString probeAnswer_;
    bool freeingLine_ = false; // the phone's command line is being ended: the probe waits
    bool lastProbeUnanswered_ = false;
    QString greetingProblem_;
    bool textModeOnly_ = false;
    bool indicationsWanted_ = false;
};
