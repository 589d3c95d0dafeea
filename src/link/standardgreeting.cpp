#include "standardgreeting.h"

#include "replyframing.h"

#include "text/testanswer.h"

#include <QTimer>

StandardGreeting::StandardGreeting(AtExchange &exchange, QTimer &timer) : exchange_(exchange), timer_(timer)
{
}

QString StandardGreeting::preferredCharacterSet(const QStringList &offered)
{
    // UCS2 carries every character; the others as far as they reach.
    static const QList<QStringList> preferred = {
        {QStringLiteral("UCS2")},   {QStringLiteral("UTF-8"), QStringLiteral("UTF8")},
        {QStringLiteral("8859-1")}, {QStringLiteral("IRA")},
        {QStringLiteral("GSM")},    {QStringLiteral("PCCP437")},
    };
    for (const QStringList &names : preferred) {
        for (const QString &name : names) {
            for (const QString &set : offered) {
                if (set.trimmed().compare(name, Qt::CaseInsensitive) == 0)
                    return set.trimmed();
            }
        }
    }
    return QStringLiteral("GSM");
}

QString StandardGreeting::identityOf(const AtExchange::Reply &reply, const QString &prefix)
{
    for (const QString &line : reply.lines) {
        QString value = line.trimmed();
        // The echo of a phone that keeps it is no answer.
        if (value.compare(reply.command, Qt::CaseInsensitive) == 0)
            continue;
        if (value.startsWith(prefix, Qt::CaseInsensitive))
            value = value.mid(prefix.size()).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2).trimmed();
        if (!value.isEmpty())
            return value;
    }
    return QString();
}

bool StandardGreeting::ask(const QString &command, AtExchange::Reply *reply)
{
    AtExchange::Reply answer = exchange_.SendAndWait(command, timer_);
    // Something came, but no result Quenda knows ("COMMAND NOT SUPPORT"): the phone is there
    // and does not have the command.
    if (answer.timedOut() && !answer.text.trimmed().isEmpty() &&
        answer.text.trimmed().compare(command, Qt::CaseInsensitive) != 0)
        answer.outcome = AtExchange::Outcome::StopToken;
    if (reply)
        *reply = answer;
    return answer.answered();
}

bool StandardGreeting::askIdentity(const QString &command, QString *value)
{
    AtExchange::Reply reply;
    if (!ask(command, &reply))
        return false;
    if (reply.completed())
        *value = identityOf(reply, ReplyFraming::ownPrefix(command));
    return true;
}

bool StandardGreeting::askTest(const QString &command, QList<QStringList> *parameters)
{
    AtExchange::Reply reply;
    parameters->clear();
    if (!ask(command, &reply))
        return false;
    const QString prefix = ReplyFraming::ownPrefix(command);
    const QString line = reply.lineStartingWith(prefix);
    if (reply.completed() && !line.isEmpty())
        *parameters = TestAnswer::parameters(QStringView(line).mid(prefix.size()));
    return true;
}

bool StandardGreeting::greet(const QString &maker, PhoneProfile *profile, bool indications)
{
    *profile = PhoneProfile();
    profile->family = PhoneProfile::Family::Standard;
    profile->manufacturer = maker;
    // Echo off first, so that the answers after it come without it; numbered errors tell a
    // refusal's reason. A phone that refuses either is used as it is.
    if (!ask(QStringLiteral("ATE0")) || !ask(QStringLiteral("AT+CMEE=1")))
        return false;
    if (!askIdentity(QStringLiteral("AT+CGMM"), &profile->model) ||
        !askIdentity(QStringLiteral("AT+CGMR"), &profile->revision) ||
        !askIdentity(QStringLiteral("AT+CGSN"), &profile->serialNumber))
        return false;
    // Registration reports would come between any two answers.
    if (!ask(QStringLiteral("AT+CREG=0")))
        return false;
    if (!chooseCharacterSet(profile) || !learnCapabilities(profile))
        return false;
    const bool messages = profile->textMode || profile->pduMode;
    return !indications || !messages || askForIndications(profile);
}

QString StandardGreeting::indicationSetting(const QList<QStringList> &offered)
{
    const auto offers = [&offered](int field, int value) {
        return field < offered.size() && TestAnswer::offers(offered.at(field), value);
    };
    // mt 1 keeps the message in storage; 2 and 3 would hand it over in a code instead.
    if (!offers(1, 1))
        return QString();
    // 2 holds codes back while a reply is on its way, 1 drops them then, 3 sends them along.
    int mode = -1;
    for (const int wanted : {2, 1, 3}) {
        if (offers(0, wanted)) {
            mode = wanted;
            break;
        }
    }
    if (mode < 0)
        return QString();
    QString setting = QStringLiteral("AT+CNMI=%1,1").arg(mode);
    // No broadcast or status reports as codes of their own, where the phone lets them be off.
    for (int field = 2; field < 4 && offers(field, 0); ++field)
        setting += QStringLiteral(",0");
    return setting;
}

bool StandardGreeting::askForIndications(PhoneProfile *profile)
{
    QList<QStringList> offered;
    if (!askTest(QStringLiteral("AT+CNMI=?"), &offered))
        return false;
    const QString setting = indicationSetting(offered);
    if (setting.isEmpty())
        return true;
    AtExchange::Reply reply;
    if (!ask(setting, &reply))
        return false;
    profile->newMessageIndications = reply.completed();
    return true;
}

bool StandardGreeting::chooseCharacterSet(PhoneProfile *profile)
{
    QList<QStringList> offered;
    if (!askTest(QStringLiteral("AT+CSCS=?"), &offered))
        return false;
    QStringList sets;
    for (const QStringList &parameter : std::as_const(offered))
        sets += parameter;
    const QString wanted = preferredCharacterSet(sets);
    if (!ask(QStringLiteral("AT+CSCS=\"") + wanted + QLatin1Char('"')))
        return false;
    // What the phone says it uses counts, whatever it made of the choice.
    AtExchange::Reply reply;
    if (!ask(QStringLiteral("AT+CSCS?"), &reply))
        return false;
    const QString confirmed = identityOf(reply, QStringLiteral("+CSCS:"));
    profile->characterSet = reply.completed() && !confirmed.isEmpty() ? confirmed : wanted;
    return true;
}

bool StandardGreeting::learnCapabilities(PhoneProfile *profile)
{
    QList<QStringList> parameters;
    if (!askTest(QStringLiteral("AT+CPBS=?"), &parameters))
        return false;
    for (const QStringList &parameter : std::as_const(parameters)) {
        for (const QString &memory : parameter)
            profile->phonebooks.append(memory.trimmed().toUpper());
    }
    if (!askTest(QStringLiteral("AT+CMGF=?"), &parameters))
        return false;
    // A phone that does not say is tried in text mode, as the Trium Mars always was.
    if (!parameters.isEmpty()) {
        profile->textMode = TestAnswer::offers(parameters.constFirst(), 1);
        profile->pduMode = TestAnswer::offers(parameters.constFirst(), 0);
    }
    AtExchange::Reply keypad;
    if (!ask(QStringLiteral("AT+CKPD=?"), &keypad))
        return false;
    profile->keypad = keypad.completed();
    profile->melodies = false;
    return true;
}
