#include "contactsfile.h"

#include "contactline.h"
#include "contactwriter.h"
#include "phonebook.h"

#include "link/atexchange.h"
#include "link/operationlock.h"
#include "link/settings.h"
#include "text/quotedfield.h"
#include "text/textfile.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString Warning = QStringLiteral("Warning");

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
    } else {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) {
            lock.inform(QStringLiteral("Invalid Filename!"), Warning);
            return Answer::InvalidName;
        }
    }
    settings_.setFileexp(path);
    exportTo(path);
    return Answer::Close;
}

bool ContactsFile::exportTo(const QString &path)
{
    const ContactTable &table = phonebook_.table();
    QStringList lines;
    for (int k = 0; k < table.size(); ++k)
        lines.append(ContactLine::compose(table.names().at(k), table.numbers().at(k)));
    QString error;
    if (TextFile::writeLines(path, lines, &error))
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
    const QStringList lines = TextFile::readLines(path);
    const int count = static_cast<int>(lines.size());
    lock.openProgress();

    ContactWriter writer(phonebook_);
    for (int d = 1; d <= count; ++d) {
        if (lock.cancelledBeforeItem())
            return;
        lock.reportItem(d, count);
        QString name;
        QString number;
        // A line without separator holds no contact: it is passed over, not written as a repeat.
        if (!ContactLine::split(lines.at(d - 1), &name, &number))
            continue;
        if (phonebook_.table().holds(QuotedFieldText(name), QuotedFieldText(number)))
            continue;
        switch (writer.writeToFreePlace(name, number)) {
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
