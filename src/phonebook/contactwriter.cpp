#include "contactwriter.h"

#include "contactname.h"
#include "phonebook.h"
#include "phonebooklisting.h"

#include "link/atexchange.h"
#include "link/operationlock.h"
#include "text/quotedfield.h"

ContactWriter::ContactWriter(Phonebook &phonebook) : phonebook_(phonebook) {}

PhoneText ContactWriter::phoneText() const
{
    return phonebook_.phoneText();
}

AtExchange::Reply ContactWriter::write(int index, const QString &number, const QString &phoneName)
{
    const QString command = QStringLiteral("AT+CPBW=") + QString::number(index) + QStringLiteral(",\"") +
                            phoneText().numberToPhone(number) + QStringLiteral("\",") +
                            QString::number(ContactTable::typeOf(number)) + QStringLiteral(",\"") +
                            phoneName + QLatin1Char('"');
    AtExchange &exchange = phonebook_.exchange();
    return exchange.SendAndWait(command, exchange.timTimeout);
}

ContactWriter::Placement ContactWriter::writeToFreePlace(const QString &name, const QString &number)
{
    ContactTable &table = phonebook_.table();
    int index = 0;
    for (;;) {
        index = table.lowestFreePlace(phonebook_.highestPlace());
        if (index == 0)
            return Placement::Full;
        // A place only counts as free on the phone's word: a listing that matched its count, or
        // a look at the place itself.
        if (phonebook_.listingChecked())
            break;
        const std::optional<bool> free = placeIsFree(index);
        if (!free)
            return Placement::Ended;
        if (*free)
            break;
        // A row the table could not place would bring the same place back for ever.
        if (table.entryAtPlace(index) < 0) {
            const QString text = tr("The phone answered place %1 with a row Quenda cannot read.").arg(index);
            phonebook_.lock().fail(
                OperationResult::refused(QStringLiteral("AT+CPBR=") + QString::number(index), text), text);
            return Placement::Ended;
        }
    }
    const QString safeNumber = QuotedFieldText(number);
    // A name read from a file was fitted to the longest any memory takes, not to this one's.
    const QString phoneName = ContactName::onLine(name.left(phonebook_.nameLength()), phoneText());
    const AtExchange::Reply reply = write(index, safeNumber, phoneName);
    const bool answered = phonebook_.lock().answered(reply);
    // A write cancelled while it waited has most likely reached the phone: its place counts as
    // taken, so that nothing is written over it later.
    if (answered || reply.cancelled()) {
        table.appendWritten(index, safeNumber, ContactTable::typeOf(safeNumber),
                            phoneText().fromPhone(phoneName));
        phonebook_.updateCaption();
    }
    return answered ? Placement::Written : Placement::Ended;
}

std::optional<bool> ContactWriter::placeIsFree(int index)
{
    AtExchange &exchange = phonebook_.exchange();
    OperationLock &lock = phonebook_.lock();
    const QString read = QStringLiteral("AT+CPBR=") + QString::number(index);
    // A free place answers a bare "OK", as a stray result on the line would: it only counts
    // when a second look, with the line brought in step in between, says the same.
    QStringList entries;
    for (int look = 0; look < 2 && entries.isEmpty(); ++look) {
        if (look > 0 && !lock.answered(exchange.resynchronise(exchange.timTimeout)))
            return std::nullopt;
        const AtExchange::Reply reply = exchange.SendAndWait(read, exchange.timTimeout);
        // Other phones refuse to read a place that holds nothing.
        if (reply.refused() && !phoneText().isTriumMars())
            return true;
        if (!lock.answered(reply))
            return std::nullopt;
        entries = PhonebookListing::entryLines(reply.text);
    }
    if (entries.isEmpty())
        return true;
    // Some phones answer a free place with another place's row: the place asked is free.
    const auto listed = PhonebookListing::decodedEntry(entries.constFirst(), phoneText());
    if (!phoneText().isTriumMars() && listed && listed->index != index) {
        phonebook_.takeListedLine(entries.constFirst());
        return true;
    }
    // Taken after all: into the table with it, so the next free place is looked for.
    phonebook_.takeListedLine(entries.constFirst());
    phonebook_.updateCaption();
    return false;
}

QString ContactWriter::fitted(const QString &name) const
{
    return ContactName::fitForPhone(name, phoneText(), phonebook_.nameLength());
}

bool ContactWriter::mayWrite(OperationResult *notStarted) const
{
    if (!phonebook_.readOnlyList())
        return true;
    const QString text = tr("%1 can only be read.").arg(PhonebookMemory::title(phonebook_.memory()));
    *notStarted = OperationResult::notStarted(text).told(text);
    return false;
}

OperationResult ContactWriter::full()
{
    return OperationResult::refused(QString(), tr("Phonebook full"));
}

OperationResult ContactWriter::create(const QString &name, const QString &number)
{
    return phonebook_.lock().perform([&] {
        if (OperationResult readOnly; !mayWrite(&readOnly))
            return readOnly;
        OperationLock &lock = phonebook_.lock();
        if (!lock.guard(OperationLock::UploadingContact))
            return lock.refusal();
        switch (writeToFreePlace(fitted(name), number)) {
        case Placement::Full:
            lock.setResult(full().told(full().error));
            lock.finish();
            break;
        case Placement::Written:
            lock.finish();
            break;
        case Placement::Ended:
            break;
        }
        return lock.result();
    });
}

int ContactWriter::lockSelected(qint16 code, int visibleRow, OperationResult *notStarted)
{
    OperationLock &lock = phonebook_.lock();
    if (!lock.guard(code)) {
        *notStarted = lock.refusal();
        return -1;
    }
    const int k = phonebook_.table().entryOfVisibleRow(visibleRow);
    if (k < 0) {
        *notStarted = OperationResult::notStarted(tr("No contact selected"));
        lock.finish();
    }
    return k;
}

OperationResult ContactWriter::change(int visibleRow, const QString &name, const QString &number)
{
    return phonebook_.lock().perform([&] {
        if (OperationResult readOnly; !mayWrite(&readOnly))
            return readOnly;
        OperationResult notStarted;
        const int k = lockSelected(OperationLock::SavingContact, visibleRow, &notStarted);
        if (k < 0)
            return notStarted;
        ContactTable &table = phonebook_.table();
        const int index = table.indexText(k).toInt();
        const QString safeNumber = QuotedFieldText(number);
        const QString phoneName = ContactName::onLine(fitted(name), phoneText());
        if (!phonebook_.lock().answered(write(index, safeNumber, phoneName)))
            return phonebook_.lock().result();
        table.replaceWritten(k, visibleRow, index, safeNumber, ContactTable::typeOf(safeNumber),
                             phoneText().fromPhone(phoneName));
        phonebook_.updateCaption();
        phonebook_.lock().finish();
        return phonebook_.lock().result();
    });
}

OperationResult ContactWriter::writeAtPlace(int index, const QString &name, const QString &number)
{
    return phonebook_.lock().perform([&] {
        if (OperationResult readOnly; !mayWrite(&readOnly))
            return readOnly;
        OperationLock &lock = phonebook_.lock();
        if (!lock.guard(OperationLock::SavingContact))
            return lock.refusal();
        const QString safeNumber = QuotedFieldText(number);
        const QString phoneName = ContactName::onLine(fitted(name), phoneText());
        if (!lock.answered(write(index, safeNumber, phoneName)))
            return lock.result();
        ContactTable &table = phonebook_.table();
        const int type = ContactTable::typeOf(safeNumber);
        const int k = table.entryAtPlace(index);
        if (k >= 0)
            table.replaceWritten(k, table.visibleRowOf(k), index, safeNumber, type,
                                 phoneText().fromPhone(phoneName));
        else
            table.appendWritten(index, safeNumber, type, phoneText().fromPhone(phoneName));
        phonebook_.updateCaption();
        lock.finish();
        return lock.result();
    });
}

OperationResult ContactWriter::remove(int visibleRow)
{
    return phonebook_.lock().perform([&] {
        if (OperationResult readOnly; !mayWrite(&readOnly))
            return readOnly;
        OperationLock &lock = phonebook_.lock();
        OperationResult notStarted;
        const int k = lockSelected(OperationLock::DeletingContact, visibleRow, &notStarted);
        if (k < 0)
            return notStarted;
        ContactTable &table = phonebook_.table();
        AtExchange &exchange = phonebook_.exchange();
        if (!lock.answered(
                exchange.SendAndWait(QStringLiteral("AT+CPBW=") + table.indexText(k), exchange.timTimeout)))
            return lock.result();
        table.remove(k, visibleRow);
        // The counts change with the contact; leaving the old caption would show a wrong total.
        phonebook_.updateCaption();
        lock.finish();
        return lock.result();
    });
}

OperationResult ContactWriter::removeAll()
{
    return phonebook_.lock().perform([&] {
        if (OperationResult readOnly; !mayWrite(&readOnly))
            return readOnly;
        OperationLock &lock = phonebook_.lock();
        const QString question = phonebook_.simSelected() ? tr("Delete all contacts on SIM-Card?")
                                                          : tr("Delete all contacts on Phone?");
        //: The title of a question box
        if (!lock.ask(question, tr("Warning")))
            return OperationResult::declined();
        if (!lock.guard(OperationLock::DeletingContact))
            return lock.refusal();

        ContactTable &table = phonebook_.table();
        const QStringList lstBelegt = table.indexesInUse();
        const int count = static_cast<int>(lstBelegt.size());
        lock.openProgress();
        AtExchange &exchange = phonebook_.exchange();
        for (int n = 0; n < count; ++n) {
            if (lock.cancelledBeforeItem())
                return lock.result();
            lock.reportItem(n + 1, count);
            const QString &index = lstBelegt.at(n);
            if (!lock.answered(exchange.SendAndWait(QStringLiteral("AT+CPBW=") + index, exchange.timTimeout)))
                return lock.result();
            const int k = table.entryAtPlace(index.toInt());
            if (k >= 0)
                table.remove(k, table.visibleRowOf(k));
        }
        lock.closeProgress();
        lock.finish();
        return phonebook_.LoadPhonebook();
    });
}
