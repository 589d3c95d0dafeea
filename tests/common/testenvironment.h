#pragma once

#include <QTemporaryDir>
#include <QtGlobal>

// Points the settings store and the data folder at a folder of the test's own, before
// anything reads them, so no test touches the user's files or depends on another test.
class TestEnvironment
{
public:
    TestEnvironment()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
        qputenv("HOME", QFile::encodeName(dir.filePath(QStringLiteral("home"))));
    }
    QString path() const { return dir.path(); }

private:
    QTemporaryDir dir;
};
