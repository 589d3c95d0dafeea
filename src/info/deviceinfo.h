#pragma once

#include "link/operationresult.h"
#include <QJsonObject>
#include <QObject>
#include <QString>

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
        QString battery = QStringLiteral("0 Percent");
        QString manufacturer;
        QString model;
        QString operatorName;
        QString operatorId;
        QString net;
        QString cell;
        QString netState;
        QString imsi;
    };

    static constexpr double BatteryBarMaximum = 101;

    DeviceInfo(AtExchange &exchange, OperationLock &lock, QObject *parent = nullptr);

    // True once every field was read.
    OperationResult InfoDownload();
    const Fields &fields() const { return fields_; }
    // The fields by name: battery, manufacturer, model, operator, operatorId, state, net, cell,
    // imsi.
    QJsonObject json() const;

    // Battery charge from the reply of AT+CBC: the digit nine characters from its end, in bars
    // of three. False when there is no digit there.
    static bool readBattery(const QString &reply, int *bars);
    static QString batteryText(int bars);
    // The text for a registration status field; empty for anything but 0 to 5.
    static QString registrationText(const QString &status);

signals:
    // A field changed; the tab shows them all again.
    void changed();

private:
    bool ask(const QString &command, QString *reply);
    void setBattery(const QString &reply);

    AtExchange &exchange_;
    OperationLock &lock_;
    Fields fields_;
};
