// A contacts file or contacts cache of any content: read as the import and the picker read it,
// then merged into as a load does.
#include "fuzzinput.h"

#include "phonebook/contactline.h"
#include "phonebook/contactscache.h"
#include "text/textfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("contacts.qd5"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }

    for (const QString &line : TextFile::readLines(path)) {
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
            std::abort();
        QString name;
        QString number;
        ContactLine::split(line, &name, &number);
    }

    const ContactsCache cache(path);
    const QList<ContactsCache::Entry> before = cache.read();
    cache.merge({{QStringLiteral("Anna"), QStringLiteral("0815")}, {QString(), QStringLiteral("1")}});
    const QList<ContactsCache::Entry> after = cache.read();
    // The merge appends at most the one contact with a name, and never damages a line.
    if (after.size() < before.size() || after.size() > before.size() + 2)
        std::abort();
    for (int i = 0; i + 1 < before.size(); ++i) {
        if (after.at(i).name != before.at(i).name || after.at(i).number != before.at(i).number)
            std::abort();
    }
    return 0;
}
