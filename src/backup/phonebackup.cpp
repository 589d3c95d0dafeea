#include "phonebackup.h"

#include "backupfolder.h"
#include "messageexport.h"

#include "handset/handset.h"
#include "link/phonelink.h"
#include "link/supervisor.h"
#include "link/tabloader.h"
#include "link/userinterfaces.h"
#include "phonebook/contactscache.h"
#include "phonebook/phonebookmemory.h"
#include "phonebook/vcard.h"
#include "programinfo.h"
#include "sms/sendernames.h"
#include "text/textfile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>

const QString PhoneBackup::SimContactsFile = QStringLiteral("contacts-sim.vcf");
const QString PhoneBackup::PhoneContactsFile = QStringLiteral("contacts-phone.vcf");
const QString PhoneBackup::MessagesXmlFile = QStringLiteral("messages.xml");
const QString PhoneBackup::MessagesCsvFile = QStringLiteral("messages.csv");
const QString PhoneBackup::MelodiesFile = QStringLiteral("melodies.txt");
const QString PhoneBackup::PhoneFile = QStringLiteral("phone.json");

namespace {

QString title()
{
    return PhoneBackup::tr("Back Up Phone");
}

// One "Working..." window for the whole backup: each operation's progress becomes its share
// of the bar, and the window stays open from the first operation to the end of the last.
class StagedProgress : public ProgressWindow
{
public:
    StagedProgress(ProgressWindow *shown, int stages) : shown_(shown), stages_(stages) {}

    void beginStage(int stage)
    {
        stage_ = stage;
        setProgress(0, QString());
    }
    void open() override
    {
        if (shown_ && !opened_)
            shown_->open();
        opened_ = true;
    }
    void setProgress(int value, const QString &) override
    {
        const int percent = (stage_ * 100 + value) / stages_;
        if (shown_ && opened_)
            shown_->setProgress(percent, OperationLock::percentText(percent));
    }
    void close() override {}
    void end()
    {
        if (shown_ && opened_)
            shown_->close();
    }

private:
    ProgressWindow *shown_;
    int stages_;
    int stage_ = 0;
    bool opened_ = false;
};

QByteArray sha256Hex(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

} // namespace

QStringList PhoneBackup::fileNames()
{
    return {SimContactsFile, PhoneContactsFile, MessagesXmlFile, MessagesCsvFile, MelodiesFile, PhoneFile};
}

QStringList PhoneBackup::everyFileName()
{
    QStringList names = fileNames();
    for (const QString &memory : PhonebookMemory::known()) {
        if (!names.contains(contactsFileOf(memory)))
            names.append(contactsFileOf(memory));
    }
    return names;
}

QString PhoneBackup::contactsFileOf(const QString &memory)
{
    if (memory == QLatin1String("SM"))
        return SimContactsFile;
    if (memory == QLatin1String("ME"))
        return PhoneContactsFile;
    return QStringLiteral("contacts-%1.vcf").arg(memory.toLower());
}

PhoneBackup::PhoneBackup(PhoneLink &link) : link_(link) {}

QString PhoneBackup::cancelledText()
{
    return tr("The backup was cancelled; nothing was written.");
}

QString PhoneBackup::lostText()
{
    return tr("The phone stopped answering; no backup was written.");
}

QString PhoneBackup::Summary::text() const
{
    const QString lf = QStringLiteral("\n");
    QString text = PhoneBackup::tr("The phone is backed up in %1:").arg(folder) + lf + lf +
                   PhoneBackup::tr("%1 SIM contacts in %2").arg(simContacts).arg(SimContactsFile) + lf +
                   PhoneBackup::tr("%1 phone contacts in %2").arg(phoneContacts).arg(PhoneContactsFile) + lf;
    for (const auto &[memory, entries] : lists) {
        //: A list of another phone: "12 entries of Dialled calls (DC) in contacts-dc.vcf"
        text += PhoneBackup::tr("%1 entries of %2 in %3")
                    .arg(QString::number(entries), PhonebookMemory::title(memory), contactsFileOf(memory)) +
                lf;
    }
    text += PhoneBackup::tr("%1 messages in %2 and %3")
                .arg(QString::number(messages), MessagesXmlFile, MessagesCsvFile) +
            lf + PhoneBackup::tr("%1 melody names in %2").arg(melodies).arg(MelodiesFile) + lf +
            PhoneBackup::tr("The phone's details and the files' checksums in %1").arg(PhoneFile);
    if (unreadableSlots > 0)
        //: What the phone answered to message slots it could not read
        text += lf + lf + ShortMessages::unreadableText(unreadableSlots, PhoneBackup::tr("an error")) +
                QLatin1Char(' ') + PhoneBackup::tr("Those messages are missing.");
    return text;
}

OperationResult PhoneBackup::run(const QString &folderPath, Summary *summary)
{
    return link_.lock.perform([&] { return backUp(folderPath, summary); });
}

OperationResult PhoneBackup::backUp(const QString &folderPath, Summary *summary)
{
    OperationLock &lock = link_.lock;
    if (!lock.mayStart())
        return lock.refusal();
    const auto refuseFolder = [](const QString &text) {
        return OperationResult::notStarted(text).told(text, title());
    };
    BackupFolder folder(folderPath, everyFileName());
    switch (folder.target()) {
    case BackupFolder::Target::Free:
        break;
    case BackupFolder::Target::EarlierBackup:
        if (!lock.ask(tr("%1 holds an earlier backup. Replace it?").arg(folder.path()), title()))
            return OperationResult::declined();
        break;
    case BackupFolder::Target::Occupied:
        return refuseFolder(tr("%1 holds other files. Choose a new or an empty folder.").arg(folder.path()));
    case BackupFolder::Target::NotAFolder:
        return refuseFolder(tr("%1 cannot be a folder.").arg(folder.path()));
    }

    // Readers of their own: what the tabs show stays as it is.
    Subsystems readers(link_);
    Phonebook &contacts = readers.phonebook;
    QMap<QString, QList<Contact>> read;
    const PhoneProfile &phone = link_.supervisor.profile();
    // The Trium Mars's two memories; every one another phone lists.
    const QStringList memories = phone.isTriumMars() ? QStringList{QStringLiteral("SM"), QStringLiteral("ME")}
                                                     : PhonebookMemory::shown(phone.phonebooks);
    ShortMessages &messages = readers.sms;
    PhoneMelodies &melodies = readers.melodies;

    // Each step is one of the tabs' operations; nothing runs between them, so neither a click
    // nor the probe can come in between. What the phone lacks is not asked for.
    QList<std::function<OperationResult()>> steps = {[&] { return readers.info.InfoDownload(); }};
    for (const QString &memory : memories) {
        steps.append([&contacts, &read, memory] {
            contacts.setMemory(memory);
            const OperationResult result = contacts.LoadPhonebook();
            read[memory] = contacts.table().contacts();
            return result;
        });
    }
    if (phone.lacking(TabLoader::ViewSMS).isEmpty())
        steps.append([&] { return messages.SMSDownload(ShortMessages::ArchiveStep::Skip); });
    if (phone.lacking(TabLoader::Ringtones).isEmpty())
        steps.append([&] { return melodies.ReadMelodyList(); });
    bool cancelled = false;
    const auto onCancel =
        QObject::connect(&lock, &OperationLock::cancelRequested, [&cancelled] { cancelled = true; });
    ProgressWindow *const shown = lock.progressWindow();
    StagedProgress progress(shown, int(steps.size()));
    lock.setProgressWindow(&progress);
    progress.open();
    OperationResult outcome;
    for (int k = 0; k < steps.size() && outcome.succeeded(); ++k) {
        progress.beginStage(k);
        outcome = OperationResult::worse(outcome, steps.at(k)());
    }
    progress.end();
    lock.setProgressWindow(shown);
    QObject::disconnect(onCancel);
    if (!outcome.succeeded()) {
        if (cancelled)
            return outcome.told(cancelledText(), title());
        if (lock.action() == OperationLock::NoPhone)
            return outcome.told(lostText(), title());
        // The step has said why.
        return outcome.told(tr("No backup was written."), title());
    }

    const QDateTime now = QDateTime::currentDateTimeUtc();
    const SenderNames names(ContactsCache(contacts.cache().path()).read());
    const QList<SMSRecord> inSlotOrder = messages.messages().bySlot();

    const QStringList melodyLines = melodies.slotLines();
    // The SIM card's and the phone's files are there even for a phone without the memory.
    QList<std::pair<QString, QByteArray>> files = {
        {SimContactsFile, VCard::compose(read.value(QStringLiteral("SM")))},
        {PhoneContactsFile, VCard::compose(read.value(QStringLiteral("ME")))},
    };
    QList<std::pair<QString, int>> lists;
    for (const QString &memory : memories) {
        if (memory == QLatin1String("SM") || memory == QLatin1String("ME"))
            continue;
        files.append({contactsFileOf(memory), VCard::compose(read.value(memory))});
        lists.append({memory, int(read.value(memory).size())});
    }
    files += QList<std::pair<QString, QByteArray>>{
        {MessagesXmlFile, MessageExport::xml(inSlotOrder, names, now)},
        {MessagesCsvFile, MessageExport::csv(inSlotOrder, names)},
        {MelodiesFile, (melodyLines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()},
    };
    QJsonArray listed;
    QString error;
    const auto fail = [&] {
        const QString text = tr("The backup could not be written to %1: %2").arg(folder.path(), error);
        return OperationResult::worse(outcome, OperationResult::refused(QString(), text).told(text, title()));
    };
    if (!folder.begin(&error))
        return fail();
    for (const auto &[name, bytes] : files) {
        if (!TextFile::writeBytes(folder.filePath(name), bytes, &error))
            return fail();
        listed.append(QJsonObject{{QStringLiteral("name"), name},
                                  {QStringLiteral("bytes"), bytes.size()},
                                  {QStringLiteral("sha256"), QString::fromLatin1(sha256Hex(bytes))}});
    }
    const QJsonObject manifest{
        {QStringLiteral("phone"), readers.info.json()},
        {QStringLiteral("backedUpAt"), now.toString(Qt::ISODate)},
        {QStringLiteral("quendaVersion"), ProgramInfo::version()},
        {QStringLiteral("unreadableMessageSlots"), messages.unreadableSlots()},
        {QStringLiteral("files"), listed},
    };
    if (!TextFile::writeBytes(folder.filePath(PhoneFile), QJsonDocument(manifest).toJson(), &error) ||
        !folder.commit(&error))
        return fail();

    *summary = {folder.path(),
                int(read.value(QStringLiteral("SM")).size()),
                int(read.value(QStringLiteral("ME")).size()),
                messages.messages().count(),
                messages.unreadableSlots(),
                int(melodyLines.size()),
                lists};
    return outcome;
}
