#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The language the program's texts are shown in. The English texts are the source; another
// language comes from a translation built into the program, chosen by the desktop's order of
// languages (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG) unless the person keeps English.
// Only what is shown changes: files, the line and quenda-cli's data stay as they are.
namespace Language {

// The first of languages (as "de_DE", "de-DE", "de") with a translation built in, or empty for
// English: an English entry ends the search, so "en:de" stays English.
QString chosen(const QStringList &languages);

// Installs the translations of the chosen language into app (the program's and Qt's own, where
// the system has them); returns the language, empty for English.
QString install(QCoreApplication &app, bool keepEnglish);

} // namespace Language
