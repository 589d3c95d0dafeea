#include "servicecodes.h"

#include <QCoreApplication>

#include <algorithm>

namespace ServiceCodes {

const QList<Code> &codes()
{
    static const QList<Code> all = {
        {QStringLiteral("cmdIMEI"), QLatin1String(QT_TRANSLATE_NOOP("ServiceCodes", "Show IMEI")), 4,
         QStringLiteral("*#06#")},
        {QStringLiteral("cmdSoft"), QLatin1String(QT_TRANSLATE_NOOP("ServiceCodes", "Show Soft Vers.")), 4,
         QString()},
        {QStringLiteral("cmdHard"), QLatin1String(QT_TRANSLATE_NOOP("ServiceCodes", "Show Hard Vers.")), 4,
         QString()},
        {QStringLiteral("cmdIMEISoft"), QLatin1String(QT_TRANSLATE_NOOP("ServiceCodes", "Show IMEI+Soft")), 6,
         QString()},
        {QStringLiteral("cmdNetMon1"), QLatin1String(QT_TRANSLATE_NOOP("ServiceCodes", "Net Mon 1")), 4,
         QString()},
        {QStringLiteral("cmdNetMon2"), QLatin1String(QT_TRANSLATE_NOOP("ServiceCodes", "Net Mon 2")), 6,
         QString()},
        {QStringLiteral("cmdM4TestMode"), QLatin1String(QT_TRANSLATE_NOOP("ServiceCodes", "M4 Testmode")), 4,
         QString()},
        {QStringLiteral("cmdSupTraces"), QLatin1String(QT_TRANSLATE_NOOP("ServiceCodes", "Sup Traces")), 6,
         QString()},
        {QStringLiteral("cmdWarmStart"), QLatin1String(QT_TRANSLATE_NOOP("ServiceCodes", "Warm Start")), 6,
         QString()},
    };
    return all;
}

const Code *codeOf(const QString &button)
{
    const QList<Code> &all = codes();
    const auto found =
        std::find_if(all.begin(), all.end(), [&](const Code &code) { return code.button == button; });
    return found == all.end() ? nullptr : &*found;
}

QString shownCaption(const Code &code)
{
    return QCoreApplication::translate("ServiceCodes", code.caption.toLatin1().constData());
}

const QStringList &languages()
{
    static const QStringList all = {QStringLiteral("-Automatic-"), QStringLiteral("Dutch"),
                                    QStringLiteral("English"),     QStringLiteral("French"),
                                    QStringLiteral("German"),      QStringLiteral("Greek"),
                                    QStringLiteral("Italian"),     QStringLiteral("Spanish")};
    return all;
}

namespace {

bool allDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

} // namespace

bool fitsCode(const QString &code, int digits)
{
    return code.size() == digits + 1 && code.startsWith(QLatin1Char('*')) &&
           allDigits(QStringView(code).mid(1));
}

bool fitsLanguageCode(const QString &code)
{
    return code.size() == LanguageDigits && allDigits(code);
}

QStringList keysOf(const QString &code)
{
    QStringList keys;
    for (const QChar c : code)
        keys.append(QString(c));
    return keys;
}

QStringList languageKeys(const QString &code)
{
    return QStringList{QStringLiteral("*"), QStringLiteral("#")} + keysOf(code) +
           QStringList{QStringLiteral("#")};
}

QString settingsKeyOf(const QString &button)
{
    return QStringLiteral("code_") + button;
}

QString settingsKeyOfLanguage(const QString &language)
{
    QString name;
    for (const QChar c : language) {
        if (c.isLetter())
            name.append(c);
    }
    return QStringLiteral("language_") + name;
}

} // namespace ServiceCodes
