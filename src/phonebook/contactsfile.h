#pragma once

#include <QString>

class Phonebook;
class Settings;

// The contacts exchange file: one contact line per contact, Windows-1252, CR LF. Export writes
// the loaded table in phone order; import writes the file's new contacts to the SIM card.
class ContactsFile
{
public:
    ContactsFile(Phonebook &phonebook, Settings &settings);

    enum class Answer
    {
        Close,       // done: the dialog closes
        StayOpen,    // the user declined; the dialog stays as it is
        InvalidName, // the dialog stays and shows the stored file name again
    };

    // The export dialog's OK for the file name path.
    Answer acceptExport(const QString &path);
    // The import dialog's OK. On Close the caller closes the dialog, then calls import(path).
    Answer acceptImport(const QString &path);

    // Writes the table, in phone order. The old file is replaced only once the new one is
    // complete; a failure is reported in a "Warning" box.
    bool exportTo(const QString &path);
    void import(const QString &path);

private:
    Phonebook &phonebook_;
    Settings &settings_;
};
