#pragma once

#include "link/operationresult.h"
#include <QJsonObject>
#include <QObject>
#include <QString>

#include <optional>

class AtExchange;
class OperationLock;

// What the Infos tab shows: battery, maker and model, operator, registration and the SIM's
// subscriber identity, read in one run of eleven commands.
class DeviceInfo : public QObject
{
    Q_OBJECT
public:
    struct Fields
    {
        double batteryBar = 0; // 0 to 101
        QString battery;       // "0 Percent" until the phone tells
        QString manufacturer;
        QString model;
        QString operatorName;
        QString operatorId;
        QString net;
        QString cell;
        QString netState;
        QString imsi;
        // Read from phones other than the Trium Mars only; empty on it.
        QString revision;
        QString imei;
        QString signal;
    };

    static constexpr double BatteryBarMaximum = 101;

    DeviceInfo(AtExchange &exchange, OperationLock &lock, QObject *parent = nullptr);

    // True once every field was read.
    OperationResult InfoDownload();
    // As shown: the words of battery, state and signal in the language of the program.
    const Fields &fields() const { return fields_; }
    // The fields by name: battery, manufacturer, model, operator, operatorId, state, net, cell,
    // imsi. Untranslated: the backup keeps them.
    QJsonObject json() const;

    // Quenda's words in a field: as shown, or untranslated as json() keeps them.
    enum class Words
    {
        Shown,
        Kept,
    };

    // Battery charge from the reply of AT+CBC: the digit nine characters from its end, in bars
    // of three. False when there is no digit there.
    static bool readBattery(const QString &reply, int *bars);
    static QString batteryText(int bars, Words words = Words::Shown);
    // The text for a registration status field; empty for anything but 0 to 5.
    static QString registrationText(const QString &status, Words words = Words::Shown);

    // "+CBC: 0,97" or "+CBC: 0,97,4165": the charge in percent; none without one.
    static std::optional<int> chargeOf(const QString &cbcFields);
    // "+CSQ: 17,99": "-79 dBm (17 of 31)"; "unknown" for 99 or anything unreadable.
    static QString signalText(const QString &csqFields, Words words = Words::Shown);

signals:
    // A field changed; the tab shows them all again.
    void changed();

private:
    bool ask(const QString &command, QString *reply);
    // Infos of a phone other than the Trium Mars: what it answers, field by field; a field it
    // refuses stays empty.
    OperationResult readStandard();
    // The answer after prefix, or the first line of bare text without one; false once the
    // operation has to end (time-out, Cancel), an empty value for a refusal.
    bool askValue(const QString &command, const QString &prefix, QString *value);
    bool askSetting(const QString &command);
    void setBattery(const QString &reply);

    AtExchange &exchange_;
    OperationLock &lock_;
    Fields fields_;
    // The fields of Quenda's words, untranslated, for json().
    struct KeptWords
    {
        QString battery;
        QString netState;
        QString signal;
    } kept_;
};
