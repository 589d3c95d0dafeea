#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The one-click codes of the "Special" frame, typed on the phone key by key. Only "Show IMEI"
// is a public code (*#06#); the others and the language codes are the phone maker's. They are
// not built in: the user gives each once, and it is kept in the settings.
namespace ServiceCodes {

struct Code
{
    QString button;  // the button's object name
    QString caption; // as the button shows it, untranslated (shownCaption)
    int digits = 0;  // the code is "*" and this many digits
    QString builtIn; // the code, when it is public
};

// The nine code buttons, in the frame's order.
const QList<Code> &codes();
const Code *codeOf(const QString &button);
// The caption in the language the program shows.
QString shownCaption(const Code &code);

// The language items of the "Set" button, in the list's order: untranslated, as the settings
// keys are made of them and the window finds its items by them.
const QStringList &languages();
// A language's code: four digits, typed between "*#" and "#".
constexpr int LanguageDigits = 4;

// "*" and exactly digits digits.
bool fitsCode(const QString &code, int digits);
bool fitsLanguageCode(const QString &code);

// The keys a code is typed with, one character each.
QStringList keysOf(const QString &code);
QStringList languageKeys(const QString &code);

// The settings key a code is kept under.
QString settingsKeyOf(const QString &button);
QString settingsKeyOfLanguage(const QString &language);

} // namespace ServiceCodes
