#pragma once

#include "contact.h"

#include <QList>
#include <QObject>
#include <QStringList>

// One entry of the phonebook as the phone listed it, or as it was written.
struct PhonebookEntry
{
    QString row;   // "+CPBR: index,"number",type,"name"", as listed (PC text) or rebuilt
    QString place; // the place's digits, as the row gives them
    Contact contact;
    // "name TAB number", as the visible list shows it.
    QString visibleText() const;
};

// The contacts of the selected memory, in phone order, and the sorted visible list: the
// entries' "name TAB number" texts, sorted ignoring letter case.
class ContactTable : public QObject
{
    Q_OBJECT
public:
    explicit ContactTable(QObject *parent = nullptr);

    int size() const { return static_cast<int>(entries_.size()); }
    const QList<PhonebookEntry> &entries() const { return entries_; }
    const PhonebookEntry &entry(int k) const { return entries_.at(k); }
    const QStringList &visible() const { return lstContacts_; }
    // Each entry's row, name, number and visible text, in phone order.
    QStringList totals() const;
    QStringList names() const;
    QStringList numbers() const;
    QStringList platz() const;

    // Name and number of every entry, in phone order.
    QList<Contact> contacts() const;

    void clear();
    // A row as the phone listed it: +CPBR: index,"number",type,"name" (already PC text).
    void appendListed(const QString &row);
    // A contact just written to place index.
    void appendWritten(int index, const QString &number, int type, const QString &name);
    // Overwrites entry k in place, and visible row s when there is one; the visible list is
    // not sorted again.
    void replaceWritten(int k, int s, int index, const QString &number, int type, const QString &name);
    // Removes entry k, and visible row s when there is one.
    void remove(int k, int s);

    // The first entry whose "name TAB number" equals text; -1 for none.
    int entryOf(const QString &visibleText) const;
    // The entry of visible row s; -1 when there is no such row.
    int entryOfVisibleRow(int s) const;
    // The visible row of entry k; -1 when it has none.
    int visibleRowOf(int k) const;
    // The entry stored in place index; -1 when the place is free.
    int entryAtPlace(int index) const;
    // The place of entry k as its row gives it; empty for no such entry.
    QString indexText(int k) const;
    // The places in use, in phone order.
    QStringList indexesInUse() const;
    // The lowest place from 1 to highest that is not in use; 0 when all are.
    int lowestFreePlace(int highest) const;
    // True when some entry has exactly this name and number.
    bool holds(const QString &name, const QString &number) const;

    // "N Contacts On SIM - F Free" or "N Contacts On Phone - F Free".
    QString caption(bool sim, int simCapacity) const;

    static QString rebuiltRow(int index, const QString &number, int type, const QString &name);
    static QString visibleText(const QString &name, const QString &number);
    // 145 for an international number, else 129.
    static int typeOf(const QString &number);

signals:
    void changed();

private:
    void insertVisible(const QString &text);
    static PhonebookEntry written(int index, const QString &number, int type, const QString &name);

    QList<PhonebookEntry> entries_;
    QStringList lstContacts_;
};
