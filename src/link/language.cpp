#include "language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString Folder = QStringLiteral(":/translations");

QString translationFile(const QString &language)
{
    return Folder + QStringLiteral("/quenda_") + language + QStringLiteral(".qm");
}

// "de_DE.UTF-8", "de-DE" and "de_DE@euro" name the same language as "de_DE".
QString bareName(const QString &entry)
{
    QString name = entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return name;
}

void installOwned(QCoreApplication &app, QTranslator *translator)
{
    translator->setParent(&app);
    QCoreApplication::installTranslator(translator);
}

} // namespace

QString Language::chosen(const QStringList &languages)
{
    for (const QString &entry : languages) {
        const QString name = bareName(entry);
        if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
            continue;
        const QString language = name.section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en"))
            return QString();
        for (const QString &candidate : {name, language}) {
            if (QFile::exists(translationFile(candidate)))
                return candidate;
        }
    }
    return QString();
}

QString Language::install(QCoreApplication &app, bool keepEnglish)
{
    if (keepEnglish)
        return QString();
    const QString language = chosen(QLocale::system().uiLanguages());
    if (language.isEmpty())
        return QString();
    auto *own = new QTranslator;
    if (!own->load(translationFile(language))) {
        delete own;
        return QString();
    }
    installOwned(app, own);
    // Qt's own texts: the buttons of its dialogs, the help of its command-line options.
    auto *qt = new QTranslator;
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installOwned(app, qt);
    else
        delete qt;
    return language;
}
