#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// A phonebook memory of a phone other than the Trium Mars: which one, what a person calls it,
// and the places and lengths the phone gave for it.
struct PhonebookMemory
{
    QString code = QStringLiteral("SM"); // as "AT+CPBS" names it: "SM", "ME", "DC"...
    int first = 1;
    int last = 0; // 0 until the phone has said
    std::optional<int> numberLength;
    std::optional<int> nameLength;

    // The memories Quenda shows of those the phone offers, in the order a person looks for
    // them. A phone that names none is offered the SIM card and its own memory.
    static QStringList shown(const QStringList &offered);
    // Every memory Quenda has a name for.
    static QStringList known();
    // The SIM card and the phone take contacts; the call lists, own numbers, fixed dialling
    // and emergency numbers are only read here.
    static bool isWritable(const QString &code);
    // "Dialled calls (DC)"; the code alone for one Quenda has no name for.
    static QString title(const QString &code);
    // "12 Contacts On SIM - 238 Free", "7 Entries In Missed calls".
    QString caption(int entries) const;
    int places() const { return last >= first ? last - first + 1 : 0; }

    // The places and lengths of "+CPBR: (1-250),40,16" or "+CPBR: (1-250),50,14,,,,40,20" (the
    // answer of "AT+CPBR=?"); false when the answer names no places.
    bool takeReadTest(const QString &reply);

    Q_DECLARE_TR_FUNCTIONS(PhonebookMemory)
};
