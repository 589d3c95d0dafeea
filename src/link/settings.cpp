#include "settings.h"

#include "serialline.h"

#include "platform.h"

namespace {

const QString Group = QStringLiteral("Config");

QString boolText(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

Settings::Settings() : store_(QStringLiteral("Quenda"), QStringLiteral("Quenda")) {}

QString Settings::text(const char *key, const QString &fallback) const
{
    return store_.value(Group + QLatin1Char('/') + QLatin1String(key), fallback).toString();
}

void Settings::store(const char *key, const QString &value)
{
    store_.setValue(Group + QLatin1Char('/') + QLatin1String(key), value);
}

int Settings::number(const char *key, int fallback) const
{
    bool ok = false;
    const int value = text(key, QString()).trimmed().toInt(&ok);
    return ok ? value : fallback;
}

double Settings::decimal(const char *key, double fallback) const
{
    bool ok = false;
    const double value = text(key, QString()).trimmed().toDouble(&ok);
    return ok ? value : fallback;
}

bool Settings::flag(const char *key, bool fallback) const
{
    const QString stored = text(key, QString()).trimmed();
    bool ok = false;
    const double value = stored.toDouble(&ok);
    if (ok)
        return value != 0;
    if (stored.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (stored.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return fallback;
}

int Settings::comport() const
{
    return number("comport", 1);
}
void Settings::setComport(int port)
{
    store("comport", QString::number(port));
}
bool Settings::sim() const
{
    return flag("sim", true);
}
void Settings::setSim(bool sim)
{
    store("sim", boolText(sim));
}
double Settings::top() const
{
    return decimal("Top", -1);
}
void Settings::setTop(double twips)
{
    store("Top", QString::number(twips));
}
double Settings::left() const
{
    return decimal("Left", -1);
}
void Settings::setLeft(double twips)
{
    store("Left", QString::number(twips));
}
int Settings::starttab() const
{
    // There are six tabs; any other number would name a page nobody can show.
    const int tab = number("starttab", 1);
    return tab >= 1 && tab <= 6 ? tab : 1;
}
void Settings::setStarttab(int tab)
{
    store("starttab", QString::number(tab));
}
QString Settings::replace() const
{
    return text("replace", QStringLiteral("1"));
}
void Settings::setReplace(const QString &slot)
{
    store("replace", slot);
}
QString Settings::servicecenter() const
{
    return text("servicecenter", QString());
}
void Settings::setServicecenter(const QString &number)
{
    store("servicecenter", number);
}
bool Settings::textModeOnly() const
{
    return flag("textmode", false);
}
void Settings::setTextModeOnly(bool on)
{
    store("textmode", boolText(on));
}
bool Settings::keepEnglish() const
{
    return flag("english", false);
}
void Settings::setKeepEnglish(bool on)
{
    store("english", boolText(on));
}
bool Settings::autosms() const
{
    return flag("autosms", false);
}
void Settings::setAutosms(bool on)
{
    store("autosms", boolText(on));
}
QString Settings::filesms() const
{
    return text("filesms", Platform::homePath(QStringLiteral("sms.log")));
}
void Settings::setFilesms(const QString &path)
{
    store("filesms", path);
}
QString Settings::drivesms() const
{
    return text("drivesms", Platform::homePath());
}
void Settings::setDrivesms(const QString &drive)
{
    store("drivesms", drive);
}
QString Settings::pathsms() const
{
    return text("pathsms", Platform::homePath());
}
void Settings::setPathsms(const QString &path)
{
    store("pathsms", path);
}
QString Settings::path() const
{
    return text("path", QString());
}
void Settings::setPath(const QString &path)
{
    store("path", path);
}
QString Settings::drive() const
{
    return text("drive", QString());
}
void Settings::setDrive(const QString &drive)
{
    store("drive", drive);
}
QString Settings::fileexp() const
{
    return text("fileexp", Platform::homePath(QStringLiteral("contacts.qd5")));
}
void Settings::setFileexp(const QString &path)
{
    store("fileexp", path);
}
QString Settings::driveexp() const
{
    return text("driveexp", Platform::homePath());
}
void Settings::setDriveexp(const QString &drive)
{
    store("driveexp", drive);
}
QString Settings::pathexp() const
{
    return text("pathexp", Platform::homePath());
}
void Settings::setPathexp(const QString &path)
{
    store("pathexp", path);
}

QString Settings::value(const QString &key) const
{
    return store_.value(Group + QLatin1Char('/') + key).toString();
}

void Settings::setValue(const QString &key, const QString &value)
{
    store_.setValue(Group + QLatin1Char('/') + key, value);
}

int Settings::baud() const
{
    const int baud = number("baud", SerialLine::DefaultBaud);
    return SerialLine::Speeds.contains(baud) ? baud : SerialLine::DefaultBaud;
}

void Settings::setBaud(int baud)
{
    store("baud", QString::number(baud));
}

QString Settings::device(int port) const
{
    return text(QStringLiteral("device%1").arg(port).toLatin1().constData(), QString());
}

void Settings::setDevice(int port, const QString &device)
{
    store(QStringLiteral("device%1").arg(port).toLatin1().constData(), device);
}

void Settings::sync()
{
    store_.sync();
}
