#include "contactscache.h"

#include "contactline.h"

#include "link/platform.h"
#include "text/textfile.h"

#include <QFileInfo>
#include <QSet>

ContactsCache::ContactsCache(const QString &path) : path_(path) {}

QString ContactsCache::defaultPath()
{
    return Platform::dataDirectory() + QStringLiteral("/quenda.lst");
}

void ContactsCache::merge(const QList<Entry> &contacts) const
{
    if (contacts.isEmpty())
        return;
    // One read for the whole merge; contacts appended by this merge count as present too.
    bool readable = false;
    const QStringList existing = TextFile::readLines(path_, &readable);
    // Without knowing what is in there, every contact would be appended again on every load.
    if (!readable && QFileInfo::exists(path_))
        return;
    QSet<QString> known(existing.begin(), existing.end());
    QStringList added;
    for (const Entry &contact : contacts) {
        // Puts no name to any number; a blank row of a garbled listing would stay for good.
        if (contact.name.isEmpty() || contact.number.isEmpty())
            continue;
        const QString line = ContactLine::compose(contact.name, contact.number);
        if (known.contains(line))
            continue;
        known.insert(line);
        added.append(line);
    }
    if (!added.isEmpty())
        TextFile::appendLines(path_, added);
}

QList<ContactsCache::Entry> ContactsCache::read() const
{
    QList<Entry> entries;
    for (const QString &line : TextFile::readLines(path_)) {
        Entry entry;
        ContactLine::split(line, &entry.name, &entry.number);
        entries.append(entry);
    }
    return entries;
}
