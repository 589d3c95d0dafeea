#include "phonebackup.h"

#include "backupfolder.h"
#include "messageexport.h"

#include "handset/handset.h"
#include "link/phonelink.h"
#include "link/userinterfaces.h"
#include "phonebook/contactscache.h"
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

const QString Title = QStringLiteral("Back Up Phone");

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

PhoneBackup::PhoneBackup(PhoneLink &link) : link_(link) {}

QString PhoneBackup::cancelledText()
{
    return QStringLiteral("The backup was cancelled; nothing was written.");
}

QString PhoneBackup::lostText()
{
    return QStringLiteral("The phone stopped answering; no backup was written.");
}

QString PhoneBackup::Summary::text() const
{
    QString text =
        QStringLiteral("The phone is backed up in %1:\n\n").arg(folder) +
        QStringLiteral("%1 SIM contacts in %2\n").arg(simContacts).arg(SimContactsFile) +
        QStringLiteral("%1 phone contacts in %2\n").arg(phoneContacts).arg(PhoneContactsFile) +
        QStringLiteral("%1 messages in %2 and %3\n").arg(messages).arg(MessagesXmlFile, MessagesCsvFile) +
        QStringLiteral("%1 melody names in %2\n").arg(melodies).arg(MelodiesFile) +
        QStringLiteral("The phone's details and the files' checksums in %1").arg(PhoneFile);
    if (unreadableSlots > 0)
        text += QStringLiteral("\n\n") +
                ShortMessages::unreadableText(unreadableSlots, QStringLiteral("an error")) +
                QStringLiteral(" Those messages are missing.");
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
        return OperationResult::notStarted(text).told(text, Title);
    };
    BackupFolder folder(folderPath, fileNames());
    switch (folder.target()) {
    case BackupFolder::Target::Free:
        break;
    case BackupFolder::Target::EarlierBackup:
        if (!lock.ask(QStringLiteral("%1 holds an earlier backup. Replace it?").arg(folder.path()), Title))
            return OperationResult::declined();
        break;
    case BackupFolder::Target::Occupied:
        return refuseFolder(
            QStringLiteral("%1 holds other files. Choose a new or an empty folder.").arg(folder.path()));
    case BackupFolder::Target::NotAFolder:
        return refuseFolder(QStringLiteral("%1 cannot be a folder.").arg(folder.path()));
    }

    // Readers of their own: what the tabs show stays as it is.
    Subsystems readers(link_);
    Phonebook &contacts = readers.phonebook;
    QList<Contact> simContacts;
    QList<Contact> phoneContacts;
    const auto readContacts = [&contacts](bool sim, QList<Contact> *read) {
        contacts.setSimSelected(sim);
        const OperationResult result = contacts.LoadPhonebook();
        *read = contacts.table().contacts();
        return result;
    };
    ShortMessages &messages = readers.sms;
    PhoneMelodies &melodies = readers.melodies;

    // Each step is one of the tabs' operations; nothing runs between them, so neither a click
    // nor the probe can come in between.
    const QList<std::function<OperationResult()>> steps = {
        [&] { return readers.info.InfoDownload(); },
        [&] { return readContacts(true, &simContacts); },
        [&] { return readContacts(false, &phoneContacts); },
        [&] { return messages.SMSDownload(ShortMessages::ArchiveStep::Skip); },
        [&] { return melodies.ReadMelodyList(); },
    };
    bool cancelled = false;
    const auto onCancel =
        QObject::connect(&lock, &OperationLock::cancelRequested, [&cancelled] { cancelled = true; });
    ProgressWindow *const shown = lock.progressWindow();
    StagedProgress progress(shown, int(steps.size()));
    lock.setProgressWindow(&progress);
    progress.open();
    OperationResult read;
    for (int k = 0; k < steps.size() && read.succeeded(); ++k) {
        progress.beginStage(k);
        read = OperationResult::worse(read, steps.at(k)());
    }
    progress.end();
    lock.setProgressWindow(shown);
    QObject::disconnect(onCancel);
    if (!read.succeeded()) {
        if (cancelled)
            return read.told(cancelledText(), Title);
        if (lock.action() == OperationLock::NoPhone)
            return read.told(lostText(), Title);
        // The step has said why.
        return read.told(QStringLiteral("No backup was written."), Title);
    }

    const QDateTime now = QDateTime::currentDateTimeUtc();
    const SenderNames names(ContactsCache(contacts.cache().path()).read());
    const QList<SMSRecord> inSlotOrder = messages.messages().bySlot();

    const QStringList melodyLines = melodies.slotLines();
    const QList<std::pair<QString, QByteArray>> files = {
        {SimContactsFile, VCard::compose(simContacts)},
        {PhoneContactsFile, VCard::compose(phoneContacts)},
        {MessagesXmlFile, MessageExport::xml(inSlotOrder, names, now)},
        {MessagesCsvFile, MessageExport::csv(inSlotOrder, names)},
        {MelodiesFile, (melodyLines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()},
    };
    QJsonArray listed;
    QString error;
    const auto fail = [&] {
        const QString text =
            QStringLiteral("The backup could not be written to %1: %2").arg(folder.path(), error);
        return OperationResult::worse(read, OperationResult::refused(QString(), text).told(text, Title));
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
                int(simContacts.size()),
                int(phoneContacts.size()),
                messages.messages().count(),
                messages.unreadableSlots(),
                int(melodyLines.size())};
    return read;
}
