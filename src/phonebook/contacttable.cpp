#include "contacttable.h"

#include <algorithm>

namespace {

constexpr int PhoneMemoryCapacity = 100;

// The text between quote number first and the next one (counting from 1); empty when the
// row has fewer quotes.
QString betweenQuotes(const QString &row, int first)
{
    qsizetype at = -1;
    for (int i = 0; i < first; ++i) {
        at = row.indexOf(QLatin1Char('"'), at + 1);
        if (at < 0)
            return QString();
    }
    const qsizetype end = row.indexOf(QLatin1Char('"'), at + 1);
    if (end < 0)
        return QString();
    return row.mid(at + 1, end - at - 1);
}

} // namespace

ContactTable::ContactTable(QObject *parent) : QObject(parent) {}

QList<Contact> ContactTable::contacts() const
{
    QList<Contact> all;
    all.reserve(size());
    for (int k = 0; k < size(); ++k)
        all.append({lstName_.at(k), lstPhone_.at(k)});
    return all;
}

void ContactTable::clear()
{
    lstTotal_.clear();
    lstName_.clear();
    lstPhone_.clear();
    lstPlatz_.clear();
    lstContacts_.clear();
    emit changed();
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
    const QString name = betweenQuotes(row, 3);
    const QString number = betweenQuotes(row, 1);
    lstTotal_.append(row);
    lstName_.append(name);
    lstPhone_.append(number);
    lstPlatz_.append(visibleText(name, number));
    insertVisible(visibleText(name, number));
    emit changed();
}

void ContactTable::appendWritten(int index, const QString &number, int type, const QString &name)
{
    lstTotal_.append(rebuiltRow(index, number, type, name));
    lstName_.append(name);
    lstPhone_.append(number);
    lstPlatz_.append(visibleText(name, number));
    insertVisible(visibleText(name, number));
    emit changed();
}

void ContactTable::replaceWritten(int k, int s, int index, const QString &number, int type,
                                  const QString &name)
{
    if (k < 0 || k >= size())
        return;
    lstTotal_[k] = rebuiltRow(index, number, type, name);
    lstName_[k] = name;
    lstPhone_[k] = number;
    lstPlatz_[k] = visibleText(name, number);
    if (s >= 0 && s < lstContacts_.size())
        lstContacts_[s] = visibleText(name, number);
    emit changed();
}

void ContactTable::remove(int k, int s)
{
    if (k < 0 || k >= size())
        return;
    lstTotal_.removeAt(k);
    lstName_.removeAt(k);
    lstPhone_.removeAt(k);
    lstPlatz_.removeAt(k);
    if (s >= 0 && s < lstContacts_.size())
        lstContacts_.removeAt(s);
    emit changed();
}

int ContactTable::entryOf(const QString &text) const
{
    return static_cast<int>(lstPlatz_.indexOf(text));
}

int ContactTable::entryOfVisibleRow(int s) const
{
    return s >= 0 && s < lstContacts_.size() ? entryOf(lstContacts_.at(s)) : -1;
}

int ContactTable::visibleRowOf(int k) const
{
    return k >= 0 && k < size() ? static_cast<int>(lstContacts_.indexOf(lstPlatz_.at(k))) : -1;
}

int ContactTable::entryAtPlace(int index) const
{
    for (int k = 0; k < size(); ++k) {
        if (indexText(k).toInt() == index)
            return k;
    }
    return -1;
}

QString ContactTable::indexText(int k) const
{
    if (k < 0 || k >= size())
        return QString();
    QString index = lstTotal_.at(k).mid(7, 3);
    if (index.endsWith(QLatin1Char(',')))
        index.chop(1);
    if (index.endsWith(QLatin1String(",\"")))
        index.chop(2);
    return index;
}

QStringList ContactTable::indexesInUse() const
{
    QStringList lstBelegt;
    for (int k = 0; k < size(); ++k)
        lstBelegt.append(indexText(k));
    return lstBelegt;
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
    for (int k = 0; k < size(); ++k) {
        if (lstName_.at(k) == name && lstPhone_.at(k) == number)
            return true;
    }
    return false;
}

QString ContactTable::caption(bool sim, int simCapacity) const
{
    const int capacity = sim ? simCapacity : PhoneMemoryCapacity;
    return QStringLiteral("%1 Contacts On %2 - %3 Free")
        .arg(size())
        .arg(sim ? QStringLiteral("SIM") : QStringLiteral("Phone"))
        .arg(capacity - size());
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
