#include "contacttable.h"

#include "phonebooklisting.h"

#include <algorithm>

namespace {

constexpr int PhoneMemoryCapacity = 100;

// The place as the row gives it: the (at most three) characters after "+CPBR: ", up to a comma.
QString placeIn(const QString &row)
{
    QString index = row.mid(7, 3);
    if (index.endsWith(QLatin1Char(',')))
        index.chop(1);
    if (index.endsWith(QLatin1String(",\"")))
        index.chop(2);
    return index;
}

template <typename Field> QStringList each(const QList<PhonebookEntry> &entries, Field field)
{
    QStringList all;
    all.reserve(entries.size());
    for (const PhonebookEntry &entry : entries)
        all.append(field(entry));
    return all;
}

} // namespace

QString PhonebookEntry::visibleText() const
{
    return ContactTable::visibleText(contact.name, contact.number);
}

ContactTable::ContactTable(QObject *parent) : QObject(parent) {}

QStringList ContactTable::totals() const
{
    return each(entries_, [](const PhonebookEntry &e) { return e.row; });
}

QStringList ContactTable::names() const
{
    return each(entries_, [](const PhonebookEntry &e) { return e.contact.name; });
}

QStringList ContactTable::numbers() const
{
    return each(entries_, [](const PhonebookEntry &e) { return e.contact.number; });
}

QStringList ContactTable::platz() const
{
    return each(entries_, [](const PhonebookEntry &e) { return e.visibleText(); });
}

QList<Contact> ContactTable::contacts() const
{
    QList<Contact> all;
    all.reserve(size());
    for (const PhonebookEntry &entry : entries_)
        all.append(entry.contact);
    return all;
}

void ContactTable::clear()
{
    entries_.clear();
    lstContacts_.clear();
    emit changed();
}

PhonebookEntry ContactTable::written(int index, const QString &number, int type, const QString &name)
{
    const QString row = rebuiltRow(index, number, type, name);
    return {row, placeIn(row), {name, number}};
}

void ContactTable::insertVisible(const QString &text)
{
    const auto at = std::upper_bound(
        lstContacts_.begin(), lstContacts_.end(), text,
        [](const QString &a, const QString &b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    lstContacts_.insert(at, text);
}

void ContactTable::appendListed(const QString &row)
{
    entries_.append({row, placeIn(row), PhonebookListing::contactOf(row)});
    insertVisible(entries_.constLast().visibleText());
    emit changed();
}

void ContactTable::appendWritten(int index, const QString &number, int type, const QString &name)
{
    entries_.append(written(index, number, type, name));
    insertVisible(entries_.constLast().visibleText());
    emit changed();
}

void ContactTable::replaceWritten(int k, int s, int index, const QString &number, int type,
                                  const QString &name)
{
    if (k < 0 || k >= size())
        return;
    entries_[k] = written(index, number, type, name);
    if (s >= 0 && s < lstContacts_.size())
        lstContacts_[s] = entries_.at(k).visibleText();
    emit changed();
}

void ContactTable::remove(int k, int s)
{
    if (k < 0 || k >= size())
        return;
    entries_.removeAt(k);
    if (s >= 0 && s < lstContacts_.size())
        lstContacts_.removeAt(s);
    emit changed();
}

int ContactTable::entryOf(const QString &text) const
{
    for (int k = 0; k < size(); ++k) {
        if (entries_.at(k).visibleText() == text)
            return k;
    }
    return -1;
}

int ContactTable::entryOfVisibleRow(int s) const
{
    return s >= 0 && s < lstContacts_.size() ? entryOf(lstContacts_.at(s)) : -1;
}

int ContactTable::visibleRowOf(int k) const
{
    return k >= 0 && k < size() ? static_cast<int>(lstContacts_.indexOf(entries_.at(k).visibleText())) : -1;
}

int ContactTable::entryAtPlace(int index) const
{
    for (int k = 0; k < size(); ++k) {
        if (entries_.at(k).place.toInt() == index)
            return k;
    }
    return -1;
}

QString ContactTable::indexText(int k) const
{
    return k >= 0 && k < size() ? entries_.at(k).place : QString();
}

QStringList ContactTable::indexesInUse() const
{
    return each(entries_, [](const PhonebookEntry &e) { return e.place; });
}

int ContactTable::lowestFreePlace(int highest) const
{
    QList<int> used;
    for (const QString &index : indexesInUse()) {
        bool ok = false;
        const int value = index.toInt(&ok);
        if (ok)
            used.append(value);
    }
    for (int i = 1; i <= highest; ++i) {
        if (!used.contains(i))
            return i;
    }
    return 0;
}

bool ContactTable::holds(const QString &name, const QString &number) const
{
    return std::any_of(entries_.cbegin(), entries_.cend(), [&](const PhonebookEntry &e) {
        return e.contact.name == name && e.contact.number == number;
    });
}

QString ContactTable::caption(bool sim, int simCapacity) const
{
    const int capacity = sim ? simCapacity : PhoneMemoryCapacity;
    return sim ? tr("%1 Contacts On SIM - %2 Free").arg(size()).arg(capacity - size())
               : tr("%1 Contacts On Phone - %2 Free").arg(size()).arg(capacity - size());
}

QString ContactTable::rebuiltRow(int index, const QString &number, int type, const QString &name)
{
    // Concatenated, not arg()-chained: a name may hold "%1".
    return QStringLiteral("+CPBR: ") + QString::number(index) + QStringLiteral(",\"") + number +
           QStringLiteral("\",") + QString::number(type) + QStringLiteral(",\"") + name + QLatin1Char('"');
}

QString ContactTable::visibleText(const QString &name, const QString &number)
{
    return name + QLatin1Char('\t') + number;
}

int ContactTable::typeOf(const QString &number)
{
    return number.startsWith(QLatin1Char('+')) ? 145 : 129;
}
