#pragma once

#include "contact.h"

#include "link/operationresult.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class Phonebook;
class Settings;

// The contacts exchange file: one contact line per contact, Windows-1252, CR LF (read as UTF-8
// when an editor saved it so); a name ending in ".vcf" (any letter case) is a vCard file instead.
// Export writes the loaded table in phone order; import writes the file's new contacts to the
// SIM card, all but those whose number is longer than the SIM card takes.
class ContactsFile
{
    Q_DECLARE_TR_FUNCTIONS(ContactsFile)

public:
    ContactsFile(Phonebook &phonebook, Settings &settings);

    enum class Answer
    {
        Close,       // done: the dialog closes
        StayOpen,    // the user declined; the dialog stays as it is
        InvalidName, // the dialog stays and shows the stored file name again
    };

    // The export dialog's OK for the file name path; written, when given, says what came of it.
    Answer acceptExport(const QString &path, OperationResult *written = nullptr);
    // The import dialog's OK. On Close the caller closes the dialog, then calls import(path).
    Answer acceptImport(const QString &path);

    // Writes the table, in phone order. The old file is replaced only once the new one is
    // complete; a failure is reported in a "Warning" box.
    OperationResult exportTo(const QString &path);
    // Cards of a vCard file that could not be read are told of in one "Warning" box at the end.
    OperationResult import(const QString &path);

private:
    // Each contact the table does not hold yet, into the lowest free place, with progress.
    OperationResult writeNew(const QList<Contact> &contacts);

    Phonebook &phonebook_;
    Settings &settings_;
};
