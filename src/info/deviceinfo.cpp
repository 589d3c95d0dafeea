#include "deviceinfo.h"

#include "link/atexchange.h"
#include "link/operationlock.h"
#include "link/replyframing.h"
#include "text/atfields.h"
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

const char *const Percent = QT_TRANSLATE_NOOP("DeviceInfo", "%1 Percent");

QString wordsOf(const char *source, DeviceInfo::Words words)
{
    return words == DeviceInfo::Words::Shown ? DeviceInfo::tr(source) : QString::fromLatin1(source);
}

} // namespace

DeviceInfo::DeviceInfo(AtExchange &exchange, OperationLock &lock, QObject *parent)
    : QObject(parent), exchange_(exchange), lock_(lock)
{
    fields_.battery = wordsOf(Percent, Words::Shown).arg(0);
    kept_.battery = wordsOf(Percent, Words::Kept).arg(0);
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
        kept_.netState.clear();
        fields_.cell.clear();
        fields_.net.clear();
        fields_.operatorName.clear();
        fields_.imsi.clear();
        fields_.operatorId.clear();
        fields_.revision.clear();
        fields_.imei.clear();
        fields_.signal.clear();
        kept_.signal.clear();
        emit changed();

        if (exchange_.phone().family == PhoneProfile::Family::Standard)
            return readStandard();

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
        kept_.netState = registrationText(field(reply, 1, Comma, Comma), Words::Kept);
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

bool DeviceInfo::askValue(const QString &command, const QString &prefix, QString *value)
{
    value->clear();
    const AtExchange::Reply reply = exchange_.SendAndWait(
        command, exchange_.timTimeout,
        prefix.isEmpty() ? AtExchange::Expected::text() : AtExchange::Expected::line(prefix));
    if (reply.refused())
        return true;
    if (!lock_.answered(reply))
        return false;
    if (!prefix.isEmpty()) {
        *value = reply.lineStartingWith(prefix).mid(prefix.size()).trimmed();
        return true;
    }
    for (const QString &line : reply.lines) {
        if (!line.trimmed().isEmpty()) {
            *value = line.trimmed();
            break;
        }
    }
    return true;
}

bool DeviceInfo::askSetting(const QString &command)
{
    const AtExchange::Reply reply = exchange_.SendAndWait(command, exchange_.timTimeout);
    return reply.refused() || lock_.answered(reply);
}

std::optional<int> DeviceInfo::chargeOf(const QString &cbcFields)
{
    const auto fields = AtFields::split(cbcFields);
    if (!fields || fields->size() < 2)
        return std::nullopt;
    const auto charge = fields->at(1).toNumber();
    if (!charge || *charge < 0 || *charge > 100)
        return std::nullopt;
    return charge;
}

QString DeviceInfo::signalText(const QString &csqFields, Words words)
{
    const auto fields = AtFields::split(csqFields);
    const auto rssi = fields && !fields->isEmpty() ? fields->at(0).toNumber() : std::nullopt;
    if (!rssi || *rssi < 0 || *rssi > 31)
        //: The signal strength the phone does not know
        return wordsOf(QT_TRANSLATE_NOOP("DeviceInfo", "unknown"), words);
    // 27.007: 0 is -113 dBm or less, each step 2 dB more, 31 is -51 dBm or more.
    return wordsOf(QT_TRANSLATE_NOOP("DeviceInfo", "%1 dBm (%2 of 31)"), words)
        .arg(-113 + 2 * *rssi)
        .arg(*rssi);
}

OperationResult DeviceInfo::readStandard()
{
    const PhoneProfile &phone = exchange_.phone();
    fields_.manufacturer = phone.manufacturer;
    fields_.model = phone.model;
    fields_.revision = phone.revision;
    fields_.imei = phone.serialNumber;
    emit changed();

    QString value;
    if (!askValue(QStringLiteral("AT+CBC"), QStringLiteral("+CBC:"), &value))
        return lock_.result();
    const std::optional<int> charge = chargeOf(value);
    fields_.batteryBar = charge ? *charge : 0;
    fields_.battery = charge ? wordsOf(Percent, Words::Shown).arg(*charge) : QString();
    kept_.battery = charge ? wordsOf(Percent, Words::Kept).arg(*charge) : QString();

    if (!askSetting(QStringLiteral("AT+COPS=3,0")) ||
        !askValue(QStringLiteral("AT+COPS?"), QStringLiteral("+COPS:"), &value))
        return lock_.result();
    const auto named = AtFields::split(value);
    fields_.operatorName = named && named->size() >= 3 ? named->at(2).text : QString();
    if (!askSetting(QStringLiteral("AT+COPS=3,2")) ||
        !askValue(QStringLiteral("AT+COPS?"), QStringLiteral("+COPS:"), &value))
        return lock_.result();
    const auto numbered = AtFields::split(value);
    fields_.operatorId = numbered && numbered->size() >= 3 ? numbered->at(2).text : QString();
    emit changed();

    if (!askSetting(QStringLiteral("AT+CREG=2")) ||
        !askValue(QStringLiteral("AT+CREG?"), QStringLiteral("+CREG:"), &value))
        return lock_.result();
    const auto registration = AtFields::split(value);
    if (registration && registration->size() >= 2) {
        fields_.netState = registrationText(registration->at(1).text);
        kept_.netState = registrationText(registration->at(1).text, Words::Kept);
        fields_.net = registration->size() >= 3 ? registration->at(2).text : QString();
        fields_.cell = registration->size() >= 4 ? registration->at(3).text : QString();
    }
    if (!askSetting(QStringLiteral("AT+CREG=0")) ||
        !askValue(QStringLiteral("AT+CIMI"), QString(), &fields_.imsi))
        return lock_.result();
    if (!askValue(QStringLiteral("AT+CSQ"), QStringLiteral("+CSQ:"), &value))
        return lock_.result();
    fields_.signal = value.isEmpty() ? QString() : signalText(value);
    kept_.signal = value.isEmpty() ? QString() : signalText(value, Words::Kept);
    emit changed();

    lock_.finish();
    return lock_.result();
}

QJsonObject DeviceInfo::json() const
{
    QJsonObject all = {{QStringLiteral("battery"), kept_.battery},
                       {QStringLiteral("manufacturer"), fields_.manufacturer},
                       {QStringLiteral("model"), fields_.model},
                       {QStringLiteral("operator"), fields_.operatorName},
                       {QStringLiteral("operatorId"), fields_.operatorId},
                       {QStringLiteral("state"), kept_.netState},
                       {QStringLiteral("net"), fields_.net},
                       {QStringLiteral("cell"), fields_.cell},
                       {QStringLiteral("imsi"), fields_.imsi}};
    // Only other phones tell these; the Trium Mars's fields stay as they always were.
    const QList<std::pair<QString, QString>> more = {{QStringLiteral("revision"), fields_.revision},
                                                     {QStringLiteral("imei"), fields_.imei},
                                                     {QStringLiteral("signal"), kept_.signal}};
    for (const auto &[key, value] : more) {
        if (!value.isEmpty())
            all.insert(key, value);
    }
    return all;
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
    kept_.battery = batteryText(bars, Words::Kept);
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

QString DeviceInfo::batteryText(int bars, Words words)
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
    return wordsOf(Percent, words).arg(text);
}

QString DeviceInfo::registrationText(const QString &status, Words words)
{
    bool ok = false;
    const int value = status.toInt(&ok);
    if (!ok)
        return QString();
    switch (value) {
    case 0:
        //: The network registration state
        return wordsOf(QT_TRANSLATE_NOOP("DeviceInfo", "Offline"), words);
    case 1:
    case 5:
        //: The network registration state
        return wordsOf(QT_TRANSLATE_NOOP("DeviceInfo", "Online"), words);
    case 2:
        //: The network registration state
        return wordsOf(QT_TRANSLATE_NOOP("DeviceInfo", "Searching"), words);
    case 3:
        //: The network registration state
        return wordsOf(QT_TRANSLATE_NOOP("DeviceInfo", "Rejected"), words);
    case 4:
        //: The network registration state
        return wordsOf(QT_TRANSLATE_NOOP("DeviceInfo", "Unknown"), words);
    default:
        return QString();
    }
}
