#pragma once

#include "contact.h"
#include "contactname.h"

#include <QByteArray>
#include <QList>
#include <QString>

// vCard files (.vcf): written as vCard 3.0, read from 2.1, 3.0 and 4.0. A card gives one contact
// per usable TEL; a card that cannot be read in full is skipped and counted, never guessed at.
namespace VCard {

// What the reader takes on at most. A logical line (folds joined) beyond MaxLineBytes spoils its
// card; that is room for an embedded photo of the usual size. Bytes of a file beyond
// MaxFileBytes are not read, and cards beyond MaxContacts contacts are counted as skipped.
constexpr qsizetype MaxLineBytes = 256 * 1024;
constexpr qsizetype MaxFileBytes = 32 * 1024 * 1024;
constexpr int MaxContacts = 5000;

struct Reading
{
    QList<Contact> contacts; // in file order
    int skippedCards = 0;
};

// One card per contact with FN, N and TEL;TYPE=CELL, in UTF-8 with CR LF, lines folded at 75
// octets. N takes "Given Family" or "Family, Given" apart; a single word is the family name.
QByteArray compose(const QList<Contact> &contacts);

// Names come fitted for the phone (ContactName::fitForPhone to nameLength, blanks collapsed); a card with
// several numbers suffixes them "/M" cell, "/H" home, "/W" work, "/F" fax, else "/" and the
// number's position in the card. Numbers hold a leading "+", digits, "*" and "#" only.
Reading parse(const QByteArray &bytes, const PhoneText &phone = PhoneText(),
              int nameLength = ContactName::MaxLength);

// Replaces the file only once the new one is complete.
bool write(const QString &path, const QList<Contact> &contacts, QString *error = nullptr);
// A file that cannot be read reads as an empty one.
Reading read(const QString &path, const PhoneText &phone = PhoneText(),
             int nameLength = ContactName::MaxLength);

} // namespace VCard
