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

QString warning()
{
    //: The title of a message box
    return ContactsFile::tr("Warning");
}

bool isVCard(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("vcf"), Qt::CaseInsensitive) == 0;
}

// A line without separator holds no contact: it is passed over, not written as a repeat.
QList<Contact> readContactLines(const QString &path, const PhoneText &phone)
{
    QList<Contact> contacts;
    for (const QString &line : TextFile::readEditedLines(path)) {
        Contact contact;
        if (!ContactLine::split(line, &contact.name, &contact.number))
            continue;
        // A name the phone cannot hold would be refused, and end the import.
        contact.name = ContactName::fitForPhone(contact.name, phone);
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
    const QString limit = QString::number(longest);
    return names.size() == 1
               ? ContactsFile::tr("The number of %1 is longer than the %2 characters the phone takes; it was "
                                  "not written.")
                     .arg(quoted.first(), limit)
               : ContactsFile::tr("The numbers of %1 are longer than the %2 characters the phone takes; they "
                                  "were not written.")
                     .arg(quoted.join(QStringLiteral(", ")), limit);
}

QString skippedCardsText(int skipped)
{
    return skipped == 1
               ? ContactsFile::tr("1 card in the file could not be read and was skipped.")
               : ContactsFile::tr("%1 cards in the file could not be read and were skipped.").arg(skipped);
}

} // namespace

ContactsFile::ContactsFile(Phonebook &phonebook, Settings &settings)
    : phonebook_(phonebook), settings_(settings)
{
}

ContactsFile::Answer ContactsFile::acceptExport(const QString &path, OperationResult *written)
{
    OperationLock &lock = phonebook_.lock();
    Answer answer = Answer::Close;
    const OperationResult result = lock.perform([&] {
        if (QFileInfo::exists(path)) {
            // The old file stays until the new one is written in full.
            if (!lock.ask(tr("File already exists. Replace?"), warning())) {
                answer = Answer::StayOpen;
                return OperationResult::declined();
            }
        } else if (!mayCreate(path)) {
            answer = Answer::InvalidName;
            const QString invalid = tr("Invalid Filename!");
            return OperationResult::notStarted(invalid).told(invalid, warning());
        }
        settings_.setFileexp(path);
        return exportTo(path);
    });
    if (written)
        *written = result;
    return answer;
}

OperationResult ContactsFile::exportTo(const QString &path)
{
    return phonebook_.lock().perform([&] {
        const QList<Contact> contacts = phonebook_.table().contacts();
        QString error;
        if (isVCard(path) ? VCard::write(path, contacts, &error) : writeContactLines(path, contacts, &error))
            return OperationResult::done();
        const QString text = tr("The contacts could not be written to %1: %2").arg(path, error);
        return OperationResult::refused(QString(), text).told(text, warning());
    });
}

ContactsFile::Answer ContactsFile::acceptImport(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        const QString notFound = tr("File Not Found Error");
        phonebook_.lock().perform(
            [&] { return OperationResult::notStarted(notFound).told(notFound, warning()); });
        return Answer::StayOpen;
    }
    settings_.setFileexp(path);
    return Answer::Close;
}

OperationResult ContactsFile::import(const QString &path)
{
    OperationLock &lock = phonebook_.lock();
    return lock.perform([&] {
        if (!lock.guard(OperationLock::UploadingContact))
            return lock.refusal();
        if (!isVCard(path))
            return writeNew(readContactLines(path, phonebook_.phoneText()));
        const VCard::Reading reading = VCard::read(path, phonebook_.phoneText(), phonebook_.nameLength());
        if (reading.contacts.isEmpty() && reading.skippedCards > 0) {
            const QString text =
                skippedCardsText(reading.skippedCards) + QLatin1Char(' ') + tr("The file holds no contact.");
            lock.finish();
            return OperationResult::notStarted(text).told(text, warning());
        }
        const OperationResult written = writeNew(reading.contacts);
        if (reading.skippedCards == 0)
            return written;
        const QString skipped = skippedCardsText(reading.skippedCards);
        return OperationResult::worse(written, OperationResult::partial({skipped}).told(skipped, warning()));
    });
}

OperationResult ContactsFile::writeNew(const QList<Contact> &contacts)
{
    OperationLock &lock = phonebook_.lock();
    // A file in another encoding (UTF-16) or of another kind gives nothing; that is no import.
    if (contacts.isEmpty()) {
        const QString text = tr("The file holds no contact.");
        lock.finish();
        return OperationResult::notStarted(text).told(text, warning());
    }
    const int count = static_cast<int>(contacts.size());
    lock.openProgress();

    ContactWriter writer(phonebook_);
    // The phone would refuse such a number only once the whole line had crossed the wire.
    const std::optional<int> longest = phonebook_.numberLength();
    QStringList tooLong;
    // What was written, with the contacts left out for their numbers' length.
    const auto tellTooLong = [&](const OperationResult &written) {
        if (tooLong.isEmpty())
            return written;
        const QString text = tooLongText(tooLong, *longest);
        return OperationResult::worse(written, OperationResult::partial({text}).told(text, warning()));
    };
    for (int d = 1; d <= count; ++d) {
        if (lock.cancelledBeforeItem())
            return lock.result();
        lock.reportItem(d, count);
        const Contact &contact = contacts.at(d - 1);
        const QString number = QuotedFieldText(contact.number);
        // Compared as the phone will list it, or it would be written again on every import.
        if (phonebook_.table().holds(ContactName::asWritten(contact.name, phonebook_.phoneText()), number))
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
            lock.setResult(ContactWriter::full().told(ContactWriter::full().error));
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
