#include "contactpicker.h"

#include "contacttable.h"

#include <algorithm>

namespace ContactPicker {

QStringList rows(const ContactsCache &cache)
{
    QStringList rows;
    for (const ContactsCache::Entry &entry : cache.read())
        rows.append(ContactTable::visibleText(entry.name, entry.number));
    std::stable_sort(rows.begin(), rows.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return rows;
}

QString numberOf(const QString &row)
{
    const qsizetype tab = row.lastIndexOf(QLatin1Char('\t'));
    return tab < 0 ? row : row.mid(tab + 1);
}

} // namespace ContactPicker
