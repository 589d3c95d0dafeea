#pragma once

#include "link/operationresult.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <utility>

class PhoneLink;

// Everything the phone gives out, into one folder in open formats: both phonebooks as vCards,
// the messages as Android backup XML and as CSV, the melody names, and what the Infos tab
// shows with a checksum of each file. It reads through the operations the tabs use (their
// commands, the lock, Cancel), one after the other, and writes the folder only once all are in.
class PhoneBackup
{
    Q_DECLARE_TR_FUNCTIONS(PhoneBackup)

public:
    static const QString SimContactsFile;
    static const QString PhoneContactsFile;
    static const QString MessagesXmlFile;
    static const QString MessagesCsvFile;
    static const QString MelodiesFile;
    static const QString PhoneFile;
    // The files every backup writes; another phone's lists add theirs (everyFileName).
    static QStringList fileNames();
    static QStringList everyFileName();
    // The vCard file of a phonebook memory: the SIM card's and the phone's as above, another
    // phone's lists as "contacts-dc.vcf".
    static QString contactsFileOf(const QString &memory);

    explicit PhoneBackup(PhoneLink &link);

    struct Summary
    {
        QString folder;
        int simContacts = 0;
        int phoneContacts = 0;
        int messages = 0;
        int unreadableSlots = 0;
        int melodies = 0;
        // Another phone's other lists: the memory and its entries.
        QList<std::pair<QString, int>> lists;
        QString text() const;
    };

    // Backs the phone up into folder. A folder left by an earlier backup is replaced when the
    // user says so; one holding other files is refused. Done or Partial (unreadable message
    // slots) once written; otherwise nothing was written, and the result is the first failure of
    // the operations it ran, told in a message box (a refusal by the operation that met it).
    OperationResult run(const QString &folder, Summary *summary);

    static QString cancelledText();
    static QString lostText();

private:
    OperationResult backUp(const QString &folder, Summary *summary);

    PhoneLink &link_;
};
