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
    for (const QString &line : TextFile::readEditedLines(path)) {
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

QString tooLongText(const QStringList &names, int longest)
{
    QStringList quoted;
    for (const QString &name : names)
        quoted.append(QLatin1Char('"') + name + QLatin1Char('"'));
    const QString limit = QStringLiteral(" longer than the %1 characters the phone takes; ").arg(longest);
    return names.size() == 1 ? QStringLiteral("The number of ") + quoted.first() + QStringLiteral(" is") +
                                   limit + QStringLiteral("it was not written.")
                             : QStringLiteral("The numbers of ") + quoted.join(QStringLiteral(", ")) +
                                   QStringLiteral(" are") + limit + QStringLiteral("they were not written.");
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

ContactsFile::Answer ContactsFile::acceptExport(const QString &path, OperationResult *written)
{
    OperationResult ignored;
    OperationResult &result = written ? *written : ignored;
    const OperationLock &lock = phonebook_.lock();
    if (QFileInfo::exists(path)) {
        // The old file stays until the new one is written in full.
        if (!lock.ask(QStringLiteral("File already exists. Replace?"), Warning)) {
            result = OperationResult::declined();
            return Answer::StayOpen;
        }
    } else if (!mayCreate(path)) {
        result = OperationResult::notStarted(QStringLiteral("Invalid Filename!"));
        lock.inform(result.error, Warning);
        return Answer::InvalidName;
    }
    settings_.setFileexp(path);
    result = exportTo(path);
    return Answer::Close;
}

OperationResult ContactsFile::exportTo(const QString &path)
{
    const QList<Contact> contacts = phonebook_.table().contacts();
    QString error;
    if (isVCard(path) ? VCard::write(path, contacts, &error) : writeContactLines(path, contacts, &error))
        return OperationResult::done();
    const QString text =
        QStringLiteral("The contacts could not be written to ") + path + QStringLiteral(": ") + error;
    phonebook_.lock().inform(text, Warning);
    return OperationResult::refused(QString(), text);
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

OperationResult ContactsFile::import(const QString &path)
{
    OperationLock &lock = phonebook_.lock();
    if (!lock.guard(OperationLock::UploadingContact))
        return lock.result();
    if (!isVCard(path))
        return writeNew(readContactLines(path));
    const VCard::Reading reading = VCard::read(path);
    if (reading.contacts.isEmpty() && reading.skippedCards > 0) {
        const QString text =
            skippedCardsText(reading.skippedCards) + QStringLiteral(" The file holds no contact.");
        lock.finish();
        lock.inform(text, Warning);
        return OperationResult::notStarted(text);
    }
    const OperationResult written = writeNew(reading.contacts);
    if (reading.skippedCards == 0)
        return written;
    const QString skipped = skippedCardsText(reading.skippedCards);
    lock.inform(skipped, Warning);
    return OperationResult::worse(written, OperationResult::partial({skipped}));
}

OperationResult ContactsFile::writeNew(const QList<Contact> &contacts)
{
    OperationLock &lock = phonebook_.lock();
    // A file in another encoding (UTF-16) or of another kind gives nothing; that is no import.
    if (contacts.isEmpty()) {
        const QString text = QStringLiteral("The file holds no contact.");
        lock.finish();
        lock.inform(text, Warning);
        return OperationResult::notStarted(text);
    }
    const int count = static_cast<int>(contacts.size());
    lock.openProgress();

    ContactWriter writer(phonebook_);
    // The phone would refuse such a number only once the whole line had crossed the wire.
    const std::optional<int> longest = phonebook_.simNumberLength();
    QStringList tooLong;
    // What was written, with the contacts left out for their numbers' length.
    const auto tellTooLong = [&](const OperationResult &written) {
        if (tooLong.isEmpty())
            return written;
        const QString text = tooLongText(tooLong, *longest);
        lock.inform(text, Warning);
        return OperationResult::worse(written, OperationResult::partial({text}));
    };
    for (int d = 1; d <= count; ++d) {
        if (lock.cancelledBeforeItem())
            return lock.result();
        lock.reportItem(d, count);
        const Contact &contact = contacts.at(d - 1);
        const QString number = QuotedFieldText(contact.number);
        // Compared as the phone will list it, or it would be written again on every import.
        if (phonebook_.table().holds(ContactName::asWritten(contact.name), number))
            continue;
        if (longest && number.size() > *longest) {
            if (!tooLong.contains(contact.name))
                tooLong.append(contact.name);
            continue;
        }
        switch (writer.writeToFreePlace(contact.name, number)) {
        case ContactWriter::Placement::Written:
            break;
        case ContactWriter::Placement::Full:
            lock.setResult(ContactWriter::full());
            lock.inform(ContactWriter::full().error);
            lock.closeProgress();
            lock.finish();
            return tellTooLong(lock.result());
        case ContactWriter::Placement::Ended:
            return lock.result();
        }
    }
    lock.closeProgress();
    lock.finish();
    return tellTooLong(lock.result());
}
