#include "commands.h"

#include "options.h"
#include "printers.h"
#include "run.h"

#include "phonebook/contactsfile.h"
#include "phonebook/contactwriter.h"
#include "phonebook/phonebookmemory.h"

#include <QCoreApplication>
#include <QFile>

#include <optional>

namespace CommandLine {

PhoneSession *loadPhonebook(Run &run, bool simOnly, int *exitCode)
{
    std::optional<bool> sim; // none: the memory the window chose last
    QString list;            // another phone's list ("DC"), by its code
    if (simOnly) {
        sim = true;
    } else if (run.isSet(options().memory)) {
        const QString memory = run.value(options().memory);
        if (memory == QLatin1String("sim") || memory == QLatin1String("phone")) {
            sim = memory == QLatin1String("sim");
        } else if (PhonebookMemory::known().contains(memory.toUpper())) {
            list = memory.toUpper();
        } else {
            *exitCode = run.usage(
                //: sim, phone and the codes are what to type after --memory: keep them as they are.
                QCoreApplication::translate(
                    "CommandLine::ContactCommands",
                    "--memory takes sim, phone or a list's code (dc, rc, mc, on...): %1")
                    .arg(memory));
            return nullptr;
        }
    }
    PhoneSession *phone = run.phone();
    if (!phone) {
        *exitCode = run.failure();
        return nullptr;
    }
    phone->phonebook.setSimSelected(sim.value_or(phone->link.settings.sim()));
    if (!list.isEmpty()) {
        if (phone->link.supervisor.profile().isTriumMars()) {
            *exitCode = run.usage(
                //: sim and phone are what to type after --memory: keep them as they are.
                QCoreApplication::translate("CommandLine::ContactCommands",
                                            "The Trium Mars has the memories sim and phone only."));
            return nullptr;
        }
        phone->phonebook.setMemory(list);
    }
    *exitCode = phone->outcome(phone->phonebook.LoadPhonebook());
    return *exitCode == Success ? phone : nullptr;
}

int contactsList(Run &run)
{
    int code = Success;
    PhoneSession *phone = loadPhonebook(run, false, &code);
    if (!phone)
        return code;
    printContacts(phone->phonebook.table(), run.isSet(options().json));
    return Success;
}

int contactsExport(Run &run)
{
    int code = Success;
    PhoneSession *phone = loadPhonebook(run, false, &code);
    if (!phone)
        return code;
    OperationResult written;
    ContactsFile(phone->phonebook, phone->link.settings).acceptExport(run.argument(0), &written);
    return phone->outcome(written);
}

int contactsImport(Run &run)
{
    if (!QFile::exists(run.argument(0))) {
        printError(QCoreApplication::translate("CommandLine::ContactCommands", "File Not Found Error: %1")
                       .arg(run.argument(0)));
        return UsageError;
    }
    int code = Success;
    PhoneSession *phone = loadPhonebook(run, true, &code);
    if (!phone)
        return code;
    ContactsFile file(phone->phonebook, phone->link.settings);
    if (file.acceptImport(run.argument(0)) != ContactsFile::Answer::Close)
        return PhoneFailed;
    return phone->outcome(file.import(run.argument(0)));
}

int contactsWrite(Run &run)
{
    const QString name = run.value(options().name);
    const QString number = run.value(options().number);
    if (!run.isSet(options().name) || !isDialable(number))
        return run.usage(
            //: N and X are the values of --name and --number, as their help names them.
            QCoreApplication::translate("CommandLine::ContactCommands",
                                        "Give --name N and --number X (digits, *, #, a leading +)."));
    int index = 0;
    int code = Success;
    if (run.isSet(options().index) &&
        !run.number(run.value(options().index),
                    QCoreApplication::translate("CommandLine::ContactCommands",
                                                "--index must be a whole number from %1 to %2: %3"),
                    1, 999, &index, &code))
        return code;
    PhoneSession *phone = loadPhonebook(run, true, &code);
    if (!phone)
        return code;
    ContactWriter writer(phone->phonebook);
    return phone->outcome(index == 0 ? writer.create(name, number)
                                     : writer.writeAtPlace(index, name, number));
}

int contactsDelete(Run &run)
{
    int index = 0;
    int code = Success;
    if (!run.number(run.argument(0),
                    QCoreApplication::translate("CommandLine::ContactCommands",
                                                "The place must be a whole number from %1 to %2: %3"),
                    1, 999, &index, &code))
        return code;
    PhoneSession *phone = loadPhonebook(run, false, &code);
    if (!phone)
        return code;
    const ContactTable &table = phone->phonebook.table();
    const int k = table.entryAtPlace(index);
    if (k < 0) {
        printError(QCoreApplication::translate("CommandLine::ContactCommands", "No contact in place %1.")
                       .arg(index));
        return PhoneFailed;
    }
    return phone->outcome(ContactWriter(phone->phonebook).remove(table.visibleRowOf(k)));
}

} // namespace CommandLine
