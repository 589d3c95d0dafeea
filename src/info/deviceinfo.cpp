#include "deviceinfo.h"

#include "link/atexchange.h"
#include "link/operationlock.h"
#include "link/replyframing.h"
#include "text/replyparser.h"

#include <QLocale>

#include <cmath>

namespace {

const QChar Quote(QLatin1Char('"'));
const QChar Comma(QLatin1Char(','));
const QChar CR(QLatin1Char('\r'));

QString field(QString reply, int n, QChar start, QChar end)
{
    ParseField(reply, n, start, end);
    return reply;
}

QString firstLine(QString reply)
{
    ParseLine(reply, 1, CR, CR);
    return reply;
}

} // namespace

DeviceInfo::DeviceInfo(AtExchange &exchange, OperationLock &lock, QObject *parent)
    : QObject(parent), exchange_(exchange), lock_(lock)
{
}

bool DeviceInfo::ask(const QString &command, QString *reply)
{
    // A setting ("AT+COPS=3,0") answers with "OK" alone; a query with its information line.
    const AtExchange::Expected expected =
        !reply ? AtExchange::Expected::resultOnly()
        : command.endsWith(QLatin1Char('?')) || command == QLatin1String("AT+CBC")
            ? AtExchange::Expected::line(ReplyFraming::ownPrefix(command))
            : AtExchange::Expected::text();
    const AtExchange::Reply answer = exchange_.SendAndWait(command, exchange_.timTimeout, expected);
    if (!lock_.answered(answer))
        return false;
    if (reply)
        *reply = answer.text;
    return true;
}

OperationResult DeviceInfo::InfoDownload()
{
    return lock_.perform([&] {
        if (!lock_.guard(OperationLock::LoadingInfos))
            return lock_.refusal();

        fields_.netState.clear();
        fields_.cell.clear();
        fields_.net.clear();
        fields_.operatorName.clear();
        fields_.imsi.clear();
        fields_.operatorId.clear();
        emit changed();

        QString reply;
        if (!ask(QStringLiteral("AT+CBC"), &reply))
            return lock_.result();
        setBattery(reply);

        if (!ask(QStringLiteral("AT+CGMI"), &reply))
            return lock_.result();
        fields_.manufacturer = firstLine(reply);
        emit changed();

        if (!ask(QStringLiteral("AT+COPS=3,0"), nullptr) || !ask(QStringLiteral("AT+COPS?"), &reply))
            return lock_.result();
        if (reply.contains(Comma)) {
            fields_.operatorName = field(reply, 1, Quote, Quote);
            emit changed();
        }

        if (!ask(QStringLiteral("AT+COPS=3,2"), nullptr) || !ask(QStringLiteral("AT+COPS?"), &reply))
            return lock_.result();
        if (reply.contains(Comma)) {
            fields_.operatorId = field(reply, 1, Quote, Quote);
            emit changed();
        }

        if (!ask(QStringLiteral("AT+CGMM"), &reply))
            return lock_.result();
        fields_.model = firstLine(reply);
        emit changed();

        if (!ask(QStringLiteral("AT+CREG=2"), nullptr) || !ask(QStringLiteral("AT+CREG?"), &reply))
            return lock_.result();
        fields_.net = field(reply, 1, Quote, Quote);
        fields_.cell = field(reply, 3, Quote, Quote);
        fields_.netState = registrationText(field(reply, 1, Comma, Comma));
        emit changed();

        if (!ask(QStringLiteral("AT+CREG=0"), nullptr))
            return lock_.result();

        if (!ask(QStringLiteral("AT+CIMI"), &reply))
            return lock_.result();
        fields_.imsi = firstLine(reply);
        emit changed();

        lock_.finish();
        return lock_.result();
    });
}

QJsonObject DeviceInfo::json() const
{
    return {{QStringLiteral("battery"), fields_.battery},
            {QStringLiteral("manufacturer"), fields_.manufacturer},
            {QStringLiteral("model"), fields_.model},
            {QStringLiteral("operator"), fields_.operatorName},
            {QStringLiteral("operatorId"), fields_.operatorId},
            {QStringLiteral("state"), fields_.netState},
            {QStringLiteral("net"), fields_.net},
            {QStringLiteral("cell"), fields_.cell},
            {QStringLiteral("imsi"), fields_.imsi}};
}

void DeviceInfo::setBattery(const QString &reply)
{
    int bars = 0;
    if (!readBattery(reply, &bars))
        return;
    const double bar = bars * 100.0 / 3.0 + 1.0;
    // A level the bar cannot take leaves the bar as it was; the text shows it all the same.
    if (bar <= BatteryBarMaximum)
        fields_.batteryBar = bar;
    fields_.battery = batteryText(bars);
    emit changed();
}

bool DeviceInfo::readBattery(const QString &reply, int *bars)
{
    if (reply.size() < 9)
        return false;
    const QChar digit = reply.at(reply.size() - 9);
    if (digit < QLatin1Char('0') || digit > QLatin1Char('9'))
        return false;
    *bars = digit.unicode() - '0';
    return true;
}

QString DeviceInfo::batteryText(int bars)
{
    // Two decimals, halves to even, the user's decimal separator, no trailing zeros.
    const double percent = std::nearbyint(bars * 100.0 / 3.0 * 100.0) / 100.0;
    const QLocale locale;
    QString text = locale.toString(percent, 'f', 2);
    const QString separator = locale.decimalPoint();
    if (text.contains(separator)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(separator))
            text.chop(separator.size());
    }
    return text + QStringLiteral(" Percent");
}

QString DeviceInfo::registrationText(const QString &status)
{
    bool ok = false;
    const int value = status.toInt(&ok);
    if (!ok)
        return QString();
    switch (value) {
    case 0:
        return QStringLiteral("Offline");
    case 1:
    case 5:
        return QStringLiteral("Online");
    case 2:
        return QStringLiteral("Searching");
    case 3:
        return QStringLiteral("Rejected");
    case 4:
        return QStringLiteral("Unknown");
    default:
        return QString();
    }
}
