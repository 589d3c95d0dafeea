#include "commandline.h"

#include "exitcode.h"
#include "phonesession.h"

#include "backup/backupfolder.h"
#include "backup/phonebackup.h"
#include "link/linerecording.h"
#include "link/recordinganonymizer.h"
#include "phonebook/contactsfile.h"
#include "phonebook/contactwriter.h"
#include "remote/calling.h"
#include "remote/keyrelay.h"
#include "remote/servicecodes.h"
#include "ringtones/melodyuploader.h"
#include "ringtones/phonemelodies.h"
#include "sms/messagedeleter.h"
#include "sms/messagesender.h"
#include "text/textfile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

#include <functional>
#include <optional>

namespace CommandLine {
namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

struct Options
{
    QCommandLineOption device{QStringLiteral("device"), QStringLiteral("The serial device of the phone."),
                              QStringLiteral("PATH")};
    QCommandLineOption yes{QStringLiteral("yes"), QStringLiteral("Answer Yes to every question.")};
    QCommandLineOption trace{QStringLiteral("trace"),
                             QStringLiteral("Record every byte on the line, and what happened, in FILE."),
                             QStringLiteral("FILE")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")};
    QCommandLineOption json{QStringLiteral("json"), QStringLiteral("Print a JSON document.")};
    QCommandLineOption memory{
        QStringLiteral("memory"),
        QStringLiteral("The phonebook memory: sim or phone (default: as the window last "
                       "chose)."),
        QStringLiteral("sim|phone")};
    QCommandLineOption name{QStringLiteral("name"), QStringLiteral("The contact's name."),
                            QStringLiteral("N")};
    QCommandLineOption number{QStringLiteral("number"), QStringLiteral("The contact's number."),
                              QStringLiteral("X")};
    QCommandLineOption index{QStringLiteral("index"),
                             QStringLiteral("The SIM place to write to (default: the lowest free one)."),
                             QStringLiteral("I")};
    QCommandLineOption to{QStringLiteral("to"), QStringLiteral("The recipient's number."),
                          QStringLiteral("NUMBER")};
    QCommandLineOption smsc{
        QStringLiteral("smsc"),
        QStringLiteral("The service centre's number (default: the one the window keeps)."),
        QStringLiteral("NUMBER")};
    QCommandLineOption slot{
        QStringLiteral("slot"),
        QStringLiteral("The phone's melody slot to replace: 1 to 16, as ringtones list numbers them."),
        QStringLiteral("N")};
    QCommandLineOption raise{
        QStringLiteral("raise"),
        QStringLiteral("Increase Tone Height: one octave up, when the melody allows it.")};
};

const Options &options()
{
    static const Options all;
    return all;
}

class Run;

struct Command
{
    QStringList words;
    QString arguments; // as the usage line shows them
    QString summary;
    QList<QCommandLineOption> options;
    int minArguments = 0;
    int maxArguments = 0;
    std::function<int(Run &)> run;
};

// One command being run: its parsed command line and, once asked for, the phone.
class Run
{
public:
    Run(const Command &command, const QCommandLineParser &parser)
        : command_(command), parser_(parser),
          arguments_(parser.positionalArguments().mid(command.words.size()))
    {
    }

    QString argument(int i) const { return arguments_.value(i); }
    bool isSet(const QCommandLineOption &option) const { return parser_.isSet(option); }
    QString value(const QCommandLineOption &option) const { return parser_.value(option); }

    bool interrupted() const { return session_ && session_->interrupt.happened(); }

    // The phone, greeted; nothing when it is not there or the run cannot begin (the reason is
    // on stderr, the exit code in failure()).
    PhoneSession *phone()
    {
        session_ = std::make_unique<PhoneSession>(isSet(options().yes));
        QString error;
        if (isSet(options().trace) && !session_->link.recorder.start(value(options().trace), &error)) {
            printError(QStringLiteral("Cannot record the line in %1: %2").arg(value(options().trace), error));
            failure_ = UsageError;
            return nullptr;
        }
        if (!session_->connectPhone(value(options().device))) {
            failure_ = PhoneNotFound;
            return nullptr;
        }
        return session_.get();
    }
    int failure() const { return failure_; }

    int usage(const QString &problem) const
    {
        printError(problem);
        printError(QStringLiteral("Try 'quenda-cli %1 --help'.").arg(command_.words.join(QLatin1Char(' '))));
        return UsageError;
    }

    // A whole number from low to high, or a usage error.
    bool number(const QString &text, const QString &what, int low, int high, int *result, int *exitCode) const
    {
        bool ok = false;
        *result = text.toInt(&ok);
        if (ok && *result >= low && *result <= high)
            return true;
        *exitCode = usage(QStringLiteral("%1 must be a whole number from %2 to %3: %4")
                              .arg(what)
                              .arg(low)
                              .arg(high)
                              .arg(text));
        return false;
    }

private:
    const Command &command_;
    const QCommandLineParser &parser_;
    QStringList arguments_;
    std::unique_ptr<PhoneSession> session_;
    int failure_ = Success;
};

void printJson(const QJsonValue &value)
{
    const QJsonDocument document =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    out() << document.toJson(QJsonDocument::Indented) << Qt::flush;
}

// A number as a phone takes it: digits, "*", "#", and a "+" in front.
bool isDialable(const QString &number)
{
    static const QRegularExpression pattern(QStringLiteral("^\\+?[0-9*#]{1,46}$"));
    return pattern.match(number).hasMatch();
}

// --- info ---

int info(Run &run)
{
    PhoneSession *phone = run.phone();
    if (!phone)
        return run.failure();
    if (const ExitCode code = phone->outcome(phone->info.InfoDownload()); code != Success)
        return code;
    const DeviceInfo::Fields &f = phone->info.fields();
    const QList<std::pair<QString, QString>> fields = {
        {QStringLiteral("Battery"), f.battery},
        {QStringLiteral("Manufacturer"), f.manufacturer},
        {QStringLiteral("Model"), f.model},
        {QStringLiteral("Operator"), f.operatorName},
        {QStringLiteral("Operator ID"), f.operatorId},
        {QStringLiteral("State"), f.netState},
        {QStringLiteral("Net"), f.net},
        {QStringLiteral("Cell"), f.cell},
        {QStringLiteral("IMSI"), f.imsi},
    };
    if (run.isSet(options().json)) {
        printJson(phone->info.json());
        return Success;
    }
    for (const auto &[label, value] : fields)
        out() << label << ": " << value << '\n';
    out() << Qt::flush;
    return Success;
}

// --- contacts ---

// Loads the memory the command names (the SIM card when sim is forced) into the table.
PhoneSession *loadPhonebook(Run &run, bool simOnly, int *exitCode)
{
    std::optional<bool> sim; // none: the memory the window chose last
    if (simOnly) {
        sim = true;
    } else if (run.isSet(options().memory)) {
        const QString memory = run.value(options().memory);
        if (memory != QLatin1String("sim") && memory != QLatin1String("phone")) {
            *exitCode = run.usage(QStringLiteral("--memory takes sim or phone: ") + memory);
            return nullptr;
        }
        sim = memory == QLatin1String("sim");
    }
    PhoneSession *phone = run.phone();
    if (!phone) {
        *exitCode = run.failure();
        return nullptr;
    }
    phone->phonebook.setSimSelected(sim.value_or(phone->link.settings.sim()));
    *exitCode = phone->outcome(phone->phonebook.LoadPhonebook());
    return *exitCode == Success ? phone : nullptr;
}

int contactsList(Run &run)
{
    int code = Success;
    PhoneSession *phone = loadPhonebook(run, false, &code);
    if (!phone)
        return code;
    const ContactTable &table = phone->phonebook.table();
    if (run.isSet(options().json)) {
        QJsonArray array;
        for (int k = 0; k < table.size(); ++k)
            array.append(QJsonObject{{QStringLiteral("place"), table.indexText(k).toInt()},
                                     {QStringLiteral("name"), table.names().at(k)},
                                     {QStringLiteral("number"), table.numbers().at(k)}});
        printJson(array);
        return Success;
    }
    for (int k = 0; k < table.size(); ++k)
        out() << table.indexText(k) << '\t' << table.names().at(k) << '\t' << table.numbers().at(k) << '\n';
    out() << Qt::flush;
    return Success;
}

int contactsExport(Run &run)
{
    int code = Success;
    PhoneSession *phone = loadPhonebook(run, false, &code);
    if (!phone)
        return code;
    ContactsFile file(phone->phonebook, phone->link.settings);
    file.acceptExport(run.argument(0));
    return phone->outcome();
}

int contactsImport(Run &run)
{
    if (!QFile::exists(run.argument(0))) {
        printError(QStringLiteral("File Not Found Error: ") + run.argument(0));
        return UsageError;
    }
    int code = Success;
    PhoneSession *phone = loadPhonebook(run, true, &code);
    if (!phone)
        return code;
    ContactsFile file(phone->phonebook, phone->link.settings);
    if (file.acceptImport(run.argument(0)) == ContactsFile::Answer::Close)
        file.import(run.argument(0));
    return phone->outcome();
}

int contactsWrite(Run &run)
{
    const QString name = run.value(options().name);
    const QString number = run.value(options().number);
    if (!run.isSet(options().name) || !isDialable(number))
        return run.usage(QStringLiteral("Give --name N and --number X (digits, *, #, a leading +)."));
    int index = 0;
    int code = Success;
    if (run.isSet(options().index) &&
        !run.number(run.value(options().index), QStringLiteral("--index"), 1, 999, &index, &code))
        return code;
    PhoneSession *phone = loadPhonebook(run, true, &code);
    if (!phone)
        return code;
    ContactWriter writer(phone->phonebook);
    if (index == 0)
        writer.create(name, number);
    else
        writer.writeAtPlace(index, name, number);
    return phone->outcome();
}

int contactsDelete(Run &run)
{
    int index = 0;
    int code = Success;
    if (!run.number(run.argument(0), QStringLiteral("The place"), 1, 999, &index, &code))
        return code;
    PhoneSession *phone = loadPhonebook(run, false, &code);
    if (!phone)
        return code;
    const ContactTable &table = phone->phonebook.table();
    const int k = table.entryAtPlace(index);
    if (k < 0) {
        printError(QStringLiteral("No contact in place %1.").arg(index));
        return PhoneFailed;
    }
    ContactWriter(phone->phonebook).remove(table.visibleRowOf(k));
    return phone->outcome();
}

// --- sms ---

QJsonObject jsonOf(const SMSRecord &message)
{
    return {{QStringLiteral("slot"), message.slot},
            {QStringLiteral("key"), message.key},
            {QStringLiteral("number"), message.number},
            {QStringLiteral("name"), message.name},
            {QStringLiteral("text"),
             QString(message.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))}};
}

// The slots the download could not read, after the warning that counts them: "Not listed:
// slots 2 (ERROR), 5 (+CMS ERROR: 500)."
void nameUnreadable(const ShortMessages &sms, const QString &missingFrom)
{
    QStringList missing;
    for (const ShortMessages::UnreadableSlot &unreadable : sms.unreadable())
        missing.append(QStringLiteral("%1 (%2)").arg(unreadable.slot).arg(unreadable.result));
    if (!missing.isEmpty())
        printError(QStringLiteral("%1: %2 %3.")
                       .arg(missingFrom,
                            missing.size() == 1 ? QStringLiteral("slot") : QStringLiteral("slots"),
                            missing.join(QStringLiteral(", "))));
}

int smsList(Run &run)
{
    PhoneSession *phone = run.phone();
    if (!phone)
        return run.failure();
    const bool read = phone->sms.SMSDownload(ShortMessages::ArchiveStep::Skip);
    const ExitCode code = phone->outcome(read);
    if (!read)
        return code;
    // What was read is the user's data even when some slots were not: printed, and the exit
    // code tells scripts the list is incomplete.
    const QList<SMSRecord> &messages = phone->sms.messages().sorted();
    if (run.isSet(options().json)) {
        QJsonArray array;
        for (const SMSRecord &message : messages)
            array.append(jsonOf(message));
        for (const ShortMessages::UnreadableSlot &unreadable : phone->sms.unreadable())
            array.append(QJsonObject{{QStringLiteral("slot"), unreadable.slot},
                                     {QStringLiteral("error"), unreadable.result}});
        printJson(array);
    } else {
        for (const SMSRecord &message : messages) {
            out() << message.slot << '\t' << message.key << '\t' << message.number << '\t' << message.name
                  << '\n';
            for (const QString &line : message.text.split(QStringLiteral("\r\n")))
                out() << "  " << line << '\n';
        }
        out() << Qt::flush;
    }
    nameUnreadable(phone->sms, QStringLiteral("Not listed"));
    return code;
}

int smsArchive(Run &run)
{
    PhoneSession *phone = run.phone();
    if (!phone)
        return run.failure();
    const bool read = phone->sms.SMSDownload(ShortMessages::ArchiveStep::Always, run.argument(0));
    const ExitCode code = phone->outcome(read);
    if (read)
        nameUnreadable(phone->sms, QStringLiteral("Not archived"));
    return code;
}

// The message text: the argument, or standard input for "-".
QString messageText(const QString &argument)
{
    if (argument != QLatin1String("-"))
        return MessageSender::withCrLfLineBreaks(argument);
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return QString();
    // Far more than a message holds, so an endless input is refused as too long, not read up.
    QString text = QString::fromUtf8(in.read(64 * 1024));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(text.endsWith(QLatin1String("\r\n")) ? 2 : 1);
    return MessageSender::withCrLfLineBreaks(text);
}

// The window's text box holds no more either.
int refuseOverlong(Run &run, const QString &text)
{
    if (text.size() <= MessageSender::MaxText)
        return Success;
    return run.usage(QStringLiteral("The message has %1 characters; it holds %2 at most.")
                         .arg(text.size())
                         .arg(MessageSender::MaxText));
}

int smsSend(Run &run)
{
    const QString number = run.value(options().to);
    if (!isDialable(number))
        return run.usage(QStringLiteral("Give the recipient with --to NUMBER (digits, *, #, a leading +)."));
    const QString text = messageText(run.argument(0));
    if (const int code = refuseOverlong(run, text); code != Success)
        return code;
    PhoneSession *phone = run.phone();
    if (!phone)
        return run.failure();
    const QString centre =
        run.isSet(options().smsc) ? run.value(options().smsc) : phone->link.settings.servicecenter();
    if (!isDialable(centre))
        return run.usage(QStringLiteral("Give the service centre with --smsc NUMBER."));
    return phone->outcome(MessageSender(phone->link.exchange, phone->link.lock).send(text, number, centre));
}

int smsStore(Run &run)
{
    const QString number = run.value(options().to);
    if (run.isSet(options().to) && !isDialable(number))
        return run.usage(QStringLiteral("--to takes digits, *, # and a leading +: ") + number);
    const QString text = messageText(run.argument(0));
    if (const int code = refuseOverlong(run, text); code != Success)
        return code;
    PhoneSession *phone = run.phone();
    if (!phone)
        return run.failure();
    return phone->outcome(MessageSender(phone->link.exchange, phone->link.lock).upload(text, number));
}

int smsDelete(Run &run)
{
    int slot = 0;
    int code = Success;
    if (!run.number(run.argument(0), QStringLiteral("The slot"), 1, 255, &slot, &code))
        return code;
    PhoneSession *phone = run.phone();
    if (!phone)
        return run.failure();
    if (slot > phone->sms.maxSms())
        return run.usage(QStringLiteral("The phone has %1 message slots.").arg(phone->sms.maxSms()));
    MessageDeleter(phone->sms).removeSlot(static_cast<qint16>(slot));
    return phone->outcome();
}

// --- ringtones ---

int ringtonesList(Run &run)
{
    PhoneSession *phone = run.phone();
    if (!phone)
        return run.failure();
    if (const ExitCode code = phone->outcome(phone->melodies.ReadMelodyList()); code != Success)
        return code;
    const QStringList &names = phone->melodies.names();
    if (run.isSet(options().json)) {
        QJsonArray array;
        for (int slot = 1; slot <= names.size(); ++slot)
            array.append(QJsonObject{{QStringLiteral("slot"), slot},
                                     {QStringLiteral("shown"), PhoneMelodies::displayNumber(slot)},
                                     {QStringLiteral("name"), names.at(slot - 1)}});
        printJson(array);
        return Success;
    }
    for (const QString &line : phone->melodies.slotLines())
        out() << line << '\n';
    out() << Qt::flush;
    return Success;
}

int ringtonesUpload(Run &run)
{
    int slot = 0;
    int code = Success;
    if (!run.isSet(options().slot))
        return run.usage(QStringLiteral("Give the slot to replace with --slot N."));
    if (!run.number(run.value(options().slot), QStringLiteral("--slot"), 1, PhoneMelodies::Slots, &slot,
                    &code))
        return code;
    if (!QFile::exists(run.argument(0))) {
        printError(QStringLiteral("File Not Found Error: ") + run.argument(0));
        return UsageError;
    }
    PhoneSession *phone = run.phone();
    if (!phone)
        return run.failure();
    return phone->outcome(
        MelodyUploader(phone->melodies)
            .UploadMelody(QString::number(slot), run.argument(0), run.isSet(options().raise)));
}

// --- backup ---

int backup(Run &run)
{
    const QString folder = run.argument(0);
    switch (BackupFolder(folder, PhoneBackup::fileNames()).target()) {
    case BackupFolder::Target::Free:
        break;
    case BackupFolder::Target::EarlierBackup:
        if (!run.isSet(options().yes))
            return run.usage(folder + QStringLiteral(" holds an earlier backup; --yes replaces it."));
        break;
    case BackupFolder::Target::Occupied:
        return run.usage(folder + QStringLiteral(" holds other files. Name a new or an empty folder."));
    case BackupFolder::Target::NotAFolder:
        return run.usage(folder + QStringLiteral(" cannot be a folder."));
    }
    PhoneSession *phone = run.phone();
    if (!phone)
        return run.failure();
    PhoneBackup::Summary summary;
    if (!PhoneBackup(phone->link, phone->phonebook.cache().path()).run(folder, &summary))
        return phone->outcome(false);
    out() << summary.text() << '\n' << Qt::flush;
    return Success;
}

int restore(Run &run)
{
    const QString file = QDir(run.argument(0)).filePath(PhoneBackup::SimContactsFile);
    if (!QFileInfo(file).isFile()) {
        printError(QStringLiteral("No %1: is %2 a backup folder?").arg(file, run.argument(0)));
        return UsageError;
    }
    int code = Success;
    PhoneSession *phone = loadPhonebook(run, true, &code);
    if (!phone)
        return code;
    const ContactTable &table = phone->phonebook.table();
    const int before = table.size();
    ContactsFile(phone->phonebook, phone->link.settings).import(file);
    // Written contacts join the table at its end.
    for (int k = before; k < table.size(); ++k)
        out() << table.indexText(k) << '\t' << table.names().at(k) << '\t' << table.numbers().at(k) << '\n';
    out() << QStringLiteral("%1 contacts written to the SIM card.").arg(table.size() - before) << '\n'
          << Qt::flush;
    return phone->outcome();
}

// --- line recordings ---

int traceAnonymize(Run &run)
{
    QList<LineRecording::Record> records;
    QString error;
    if (!LineRecording::read(run.argument(0), &records, &error)) {
        printError(error);
        return UsageError;
    }
    QByteArray text = LineRecording::Header;
    for (const LineRecording::Record &record : RecordingAnonymizer().anonymize(records))
        text += LineRecording::format(record);
    if (!TextFile::writeBytes(run.argument(1), text, &error)) {
        printError(QStringLiteral("%1 cannot be written: %2").arg(run.argument(1), error));
        return PhoneFailed;
    }
    return Success;
}

// --- remote control ---

int keys(Run &run)
{
    static const QRegularExpression keypad(QStringLiteral("^[0-9*#]+$"));
    const QString sequence = run.argument(0);
    if (!keypad.match(sequence).hasMatch())
        return run.usage(QStringLiteral("Keys are 0 to 9, * and #: ") + sequence);
    PhoneSession *phone = run.phone();
    if (!phone)
        return run.failure();
    return phone->outcome(
        KeyRelay(phone->link.exchange, phone->link.lock).SendKeys(ServiceCodes::keysOf(sequence)));
}

int dial(Run &run)
{
    if (!isDialable(run.argument(0)))
        return run.usage(QStringLiteral("A number is digits, *, # and a leading +: ") + run.argument(0));
    PhoneSession *phone = run.phone();
    if (!phone)
        return run.failure();
    if (!Calling(phone->link.exchange, phone->link.lock).dialAnswered(run.argument(0)))
        return phone->outcome(false);
    printError(QStringLiteral("Dialling %1; 'quenda-cli hangup' ends the call.").arg(run.argument(0)));
    return Success;
}

int hangup(Run &run)
{
    PhoneSession *phone = run.phone();
    if (!phone)
        return run.failure();
    return phone->outcome(Calling(phone->link.exchange, phone->link.lock).hangUp());
}

const QList<Command> &commands()
{
    const Options &o = options();
    static const QList<Command> all = {
        {{QStringLiteral("info")},
         {},
         QStringLiteral("Battery, maker, model, network and SIM, one per line."),
         {o.json},
         0,
         0,
         info},
        {{QStringLiteral("contacts"), QStringLiteral("list")},
         {},
         QStringLiteral("Place, name and number of every contact, tab-separated."),
         {o.memory, o.json},
         0,
         0,
         contactsList},
        {{QStringLiteral("contacts"), QStringLiteral("export")},
         QStringLiteral("FILE"),
         QStringLiteral("Write the contacts to FILE: vCard for .vcf, else the window's .qd5 format."),
         {o.memory},
         1,
         1,
         contactsExport},
        {{QStringLiteral("contacts"), QStringLiteral("import")},
         QStringLiteral("FILE"),
         QStringLiteral(
             "Write the contacts of FILE (.qd5 or .vcf) that the SIM card lacks to its free places."),
         {},
         1,
         1,
         contactsImport},
        {{QStringLiteral("contacts"), QStringLiteral("write")},
         {},
         QStringLiteral("Write one contact to the SIM card."),
         {o.name, o.number, o.index},
         0,
         0,
         contactsWrite},
        {{QStringLiteral("contacts"), QStringLiteral("delete")},
         QStringLiteral("PLACE"),
         QStringLiteral("Delete the contact in PLACE."),
         {o.memory},
         1,
         1,
         contactsDelete},
        {{QStringLiteral("sms"), QStringLiteral("list")},
         {},
         QStringLiteral(
             "Every stored message: slot, date or label, number and name, then its text indented."),
         {o.json},
         0,
         0,
         smsList},
        {{QStringLiteral("sms"), QStringLiteral("archive")},
         QStringLiteral("[FILE]"),
         QStringLiteral("Append the messages not yet archived to FILE (default: the window's archive)."),
         {},
         0,
         1,
         smsArchive},
        {{QStringLiteral("sms"), QStringLiteral("send")},
         QStringLiteral("TEXT"),
         QStringLiteral("Send TEXT (standard input for -)."),
         {o.to, o.smsc},
         1,
         1,
         smsSend},
        {{QStringLiteral("sms"), QStringLiteral("store")},
         QStringLiteral("TEXT"),
         QStringLiteral("Store TEXT (standard input for -) unsent on the phone."),
         {o.to},
         1,
         1,
         smsStore},
        {{QStringLiteral("sms"), QStringLiteral("delete")},
         QStringLiteral("SLOT"),
         QStringLiteral("Delete the message in SLOT."),
         {},
         1,
         1,
         smsDelete},
        {{QStringLiteral("ringtones"), QStringLiteral("list")},
         {},
         QStringLiteral("The phone's sixteen melodies by slot, with the number the window shows."),
         {o.json},
         0,
         0,
         ringtonesList},
        {{QStringLiteral("ringtones"), QStringLiteral("upload")},
         QStringLiteral("FILE"),
         QStringLiteral("Upload the melody FILE (.mdy) into a slot."),
         {o.slot, o.raise},
         1,
         1,
         ringtonesUpload},
        {{QStringLiteral("backup")},
         QStringLiteral("DIR"),
         QStringLiteral(
             "Back up contacts, messages, melody names and phone details into the new folder DIR."),
         {},
         1,
         1,
         backup},
        {{QStringLiteral("restore")},
         QStringLiteral("DIR"),
         QStringLiteral(
             "Write the SIM contacts of the backup in DIR that the SIM card lacks to its free places."),
         {},
         1,
         1,
         restore},
        {{QStringLiteral("trace-anonymize")},
         QStringLiteral("IN OUT"),
         QStringLiteral("Copy the line recording IN to OUT with names, numbers and texts replaced."),
         {},
         2,
         2,
         traceAnonymize},
        {{QStringLiteral("keys")},
         QStringLiteral("SEQUENCE"),
         QStringLiteral("Press the keys of SEQUENCE one by one (0-9, *, #)."),
         {},
         1,
         1,
         keys},
        {{QStringLiteral("dial")},
         QStringLiteral("NUMBER"),
         QStringLiteral("Call NUMBER and leave the call up."),
         {},
         1,
         1,
         dial},
        {{QStringLiteral("hangup")}, {}, QStringLiteral("End the call."), {}, 0, 0, hangup},
    };
    return all;
}

const QList<QCommandLineOption> valueOptions()
{
    const Options &o = options();
    return {o.device, o.trace, o.memory, o.name, o.number, o.index, o.to, o.smsc, o.slot};
}

// The words of the command line that are not options or option values.
QStringList positionalWords(const QStringList &arguments)
{
    QStringList names;
    for (const QCommandLineOption &option : valueOptions())
        names += option.names();
    QStringList words;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            words += arguments.mid(i + 1);
            break;
        }
        if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-")) {
            const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
            if (names.contains(name))
                ++i; // its value
            continue;
        }
        words.append(argument);
    }
    return words;
}

const Command *commandOf(const QStringList &words)
{
    const Command *found = nullptr;
    for (const Command &command : commands()) {
        if (words.mid(0, command.words.size()) == command.words &&
            (!found || command.words.size() > found->words.size()))
            found = &command;
    }
    return found;
}

QString overview()
{
    QString text =
        QStringLiteral("Usage: quenda-cli [--device PATH] [--yes] [--trace FILE] COMMAND [options]\n\n"
                       "Quenda for scripts: one operation on the Mitsubishi Trium Mars per run.\n\n"
                       "Commands:\n");
    for (const Command &command : commands()) {
        const QString usage =
            (command.words.join(QLatin1Char(' ')) + QLatin1Char(' ') + command.arguments).trimmed();
        text += QStringLiteral("  %1%2\n").arg(usage, -28).arg(command.summary);
    }
    text += QStringLiteral("\n'quenda-cli COMMAND --help' describes a command's options.\n"
                           "Exit codes: 0 done, 1 the phone refused or timed out, or the result is\n"
                           "incomplete, 2 usage, 3 no phone, 130 interrupted (the operation is cancelled\n"
                           "as with Cancel).\n");
    return text;
}

// What Tab may put in place of the last of words (the words after the program's name, the
// last one being typed): candidates one per line, or @files, @folders or @devices for the
// shell to list those.
QStringList completions(const QStringList &words)
{
    const Options &o = options();
    const QString previous = words.size() >= 2 ? words.at(words.size() - 2) : QString();
    const QString current = words.isEmpty() ? QString() : words.constLast();
    const auto named = [&previous](const QCommandLineOption &option) {
        return option.names().contains(previous.mid(2)) && previous.startsWith(QLatin1String("--"));
    };
    if (named(o.device))
        return {QStringLiteral("@devices")};
    if (named(o.trace))
        return {QStringLiteral("@files")};
    if (named(o.memory))
        return {QStringLiteral("sim"), QStringLiteral("phone")};
    for (const QCommandLineOption &option : valueOptions()) {
        if (named(option))
            return {};
    }

    const QStringList typed = positionalWords(QStringList{QString()} + words.mid(0, words.size() - 1));
    const Command *command = commandOf(typed);
    if (current.startsWith(QLatin1Char('-'))) {
        QStringList names{QStringLiteral("--device"), QStringLiteral("--yes"), QStringLiteral("--trace"),
                          QStringLiteral("--help")};
        if (command) {
            for (const QCommandLineOption &option : command->options)
                names.append(QStringLiteral("--") + option.names().constLast());
        } else {
            names.append(QStringLiteral("--version"));
        }
        return names;
    }
    if (command) {
        const qsizetype given = typed.size() - command->words.size();
        if (given >= command->maxArguments)
            return {};
        if (command->arguments.contains(QLatin1String("DIR")))
            return {QStringLiteral("@folders")};
        if (command->arguments.contains(QLatin1String("FILE")) ||
            command->arguments.contains(QLatin1String("IN")))
            return {QStringLiteral("@files")};
        return {};
    }
    QStringList next;
    for (const Command &candidate : commands()) {
        if (candidate.words.size() > typed.size() && candidate.words.mid(0, typed.size()) == typed &&
            !next.contains(candidate.words.at(typed.size())))
            next.append(candidate.words.at(typed.size()));
    }
    return next;
}

} // namespace

int run(const QStringList &arguments)
{
    // The shell's completion asks here (see share/bash-completion).
    if (arguments.value(1) == QLatin1String("__complete")) {
        for (const QString &candidate : completions(arguments.mid(2)))
            out() << candidate << '\n';
        out() << Qt::flush;
        return Success;
    }

    const QStringList words = positionalWords(arguments);
    const Command *command = commandOf(words);
    if (!command) {
        const bool askedForHelp =
            arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"));
        if (askedForHelp && words.isEmpty()) {
            out() << overview() << Qt::flush;
            return Success;
        }
        if (arguments.contains(QLatin1String("--version"))) {
            out() << "quenda-cli " << QCoreApplication::applicationVersion() << Qt::endl;
            return Success;
        }
        if (!words.isEmpty())
            printError(QStringLiteral("Unknown command: ") + words.join(QLatin1Char(' ')));
        QTextStream(stderr) << overview();
        return UsageError;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(command->summary);
    parser.addOption(options().help);
    parser.addOption(options().device);
    parser.addOption(options().yes);
    parser.addOption(options().trace);
    parser.addOptions(command->options);
    parser.addPositionalArgument(command->words.join(QLatin1Char(' ')), QStringLiteral("The command."));
    if (!command->arguments.isEmpty())
        parser.addPositionalArgument(command->arguments, QString());
    if (!parser.parse(arguments)) {
        printError(parser.errorText());
        return UsageError;
    }
    if (parser.isSet(options().help)) {
        out() << parser.helpText() << Qt::flush;
        return Success;
    }
    const qsizetype given = parser.positionalArguments().size() - command->words.size();
    Run run(*command, parser);
    if (given < command->minArguments || given > command->maxArguments)
        return run.usage(QStringLiteral("%1 takes %2.")
                             .arg(command->words.join(QLatin1Char(' ')), command->arguments.isEmpty()
                                                                             ? QStringLiteral("no arguments")
                                                                             : command->arguments));
    const int code = command->run(run);
    return run.interrupted() ? Interrupted : code;
}

} // namespace CommandLine
