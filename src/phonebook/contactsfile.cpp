#include "contactsfile.h"

#include "contactline.h"
#include "contactname.h"
#include "contactwriter.h"
#include "phonebook.h"
#include "vcard.h"

#include "link/atexchange.h"
#include "link/operationlock.h"
#include "link/settings.h"
#include "text/quotedfield.h"
#include "text/textfile.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString Warning = QStringLiteral("Warning");

bool isVCard(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("vcf"), Qt::CaseInsensitive) == 0;
}

// A line without separator holds no contact: it is passed over, not written as a repeat.
QList<Contact> readContactLines(const QString &path)
{
    QList<Contact> contacts;
    for (const QString &line : TextFile::readLines(path)) {
        Contact contact;
        if (!ContactLine::split(line, &contact.name, &contact.number))
            continue;
        // A name the phone cannot hold would be refused, and end the import.
        contact.name = ContactName::fitForPhone(contact.name);
        contacts.append(contact);
    }
    return contacts;
}

bool writeContactLines(const QString &path, const QList<Contact> &contacts, QString *error)
{
    QStringList lines;
    for (const Contact &contact : contacts)
        lines.append(ContactLine::compose(contact.name, contact.number));
    return TextFile::writeLines(path, lines, error);
}

// Whether a new file of that name can be written, without creating it: an empty file left by an
// export that was killed would be refused as an export target later.
bool mayCreate(const QString &path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    return !file.fileName().isEmpty() && folder.isDir() && folder.isWritable();
}

QString skippedCardsText(int skipped)
{
    return skipped == 1 ? QStringLiteral("1 card in the file could not be read and was skipped.")
                        : QString::number(skipped) +
                              QStringLiteral(" cards in the file could not be read and were skipped.");
}

} // namespace

ContactsFile::ContactsFile(Phonebook &phonebook, Settings &settings)
    : phonebook_(phonebook), settings_(settings)
{
}

ContactsFile::Answer ContactsFile::acceptExport(const QString &path)
{
    const OperationLock &lock = phonebook_.lock();
    if (QFileInfo::exists(path)) {
        // The old file stays until the new one is written in full.
        if (!lock.ask(QStringLiteral("File already exists. Replace?"), Warning))
            return Answer::StayOpen;
    } else if (!mayCreate(path)) {
        lock.inform(QStringLiteral("Invalid Filename!"), Warning);
        return Answer::InvalidName;
    }
    settings_.setFileexp(path);
    exportTo(path);
    return Answer::Close;
}

bool ContactsFile::exportTo(const QString &path)
{
    const QList<Contact> contacts = phonebook_.table().contacts();
    QString error;
    if (isVCard(path) ? VCard::write(path, contacts, &error) : writeContactLines(path, contacts, &error))
        return true;
    phonebook_.lock().inform(QStringLiteral("The contacts could not be written to ") + path +
                                 QStringLiteral(": ") + error,
                             Warning);
    return false;
}

ContactsFile::Answer ContactsFile::acceptImport(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        phonebook_.lock().inform(QStringLiteral("File Not Found Error"), Warning);
        return Answer::StayOpen;
    }
    settings_.setFileexp(path);
    return Answer::Close;
}

void ContactsFile::import(const QString &path)
{
    OperationLock &lock = phonebook_.lock();
    if (!lock.guard(OperationLock::UploadingContact))
        return;
    if (!isVCard(path)) {
        writeNew(readContactLines(path));
        return;
    }
    const VCard::Reading reading = VCard::read(path);
    if (reading.contacts.isEmpty() && reading.skippedCards > 0) {
        lock.finish();
        lock.inform(skippedCardsText(reading.skippedCards) + QStringLiteral(" The file holds no contact."),
                    Warning);
        return;
    }
    writeNew(reading.contacts);
    if (reading.skippedCards > 0)
        lock.inform(skippedCardsText(reading.skippedCards), Warning);
}

void ContactsFile::writeNew(const QList<Contact> &contacts)
{
    OperationLock &lock = phonebook_.lock();
    // A file in another encoding (UTF-16) or of another kind gives nothing; that is no import.
    if (contacts.isEmpty()) {
        lock.finish();
        lock.inform(QStringLiteral("The file holds no contact."), Warning);
        return;
    }
    const int count = static_cast<int>(contacts.size());
    lock.openProgress();

    ContactWriter writer(phonebook_);
    for (int d = 1; d <= count; ++d) {
        if (lock.cancelledBeforeItem())
            return;
        lock.reportItem(d, count);
        const Contact &contact = contacts.at(d - 1);
        if (phonebook_.table().holds(QuotedFieldText(contact.name), QuotedFieldText(contact.number)))
            continue;
        switch (writer.writeToFreePlace(contact.name, contact.number)) {
        case ContactWriter::Result::Written:
            break;
        case ContactWriter::Result::Full:
            lock.inform(QStringLiteral("Phonebook full"));
            lock.closeProgress();
            lock.finish();
            return;
        case ContactWriter::Result::Ended:
            return;
        }
    }
    lock.closeProgress();
    lock.finish();
}
