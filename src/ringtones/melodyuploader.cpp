#include "melodyuploader.h"

#include "melodyfile.h"
#include "phonemelodies.h"

#include "link/operationlock.h"
#include "link/serialline.h"

namespace {

// The sentence that tells of a failure, %1 standing for why.
QString notStored()
{
    return MelodyUploader::tr("Ringtone not stored: %1");
}

} // namespace

MelodyUploader::MelodyUploader(PhoneMelodies &melodies) : melodies_(melodies) {}

OperationResult MelodyUploader::UploadMelody(const QString &slotText, const QString &path, bool raise)
{
    return melodies_.lock().perform([&] { return upload(slotText, path, raise); });
}

OperationResult MelodyUploader::upload(const QString &slotText, const QString &path, bool raise)
{
    OperationLock &lock = melodies_.lock();
    // Asked before anything else, also without a phone.
    if (slotText.toInt() > 8 &&
        !lock.ask(tr("Ringtones above eight cannot be send correctly to phone sometimes. Continue?"),
                  //: The title of a question box
                  tr("Warning")))
        return OperationResult::declined();
    if (!lock.mayStart())
        return lock.refusal();
    // Refused here, before anything is sent: the phone is not asked.
    const auto notSent = [](const QString &text) { return OperationResult::notStarted(text).told(text); };
    bool tooLarge = false;
    const std::optional<MelodyFile> melody = path.isEmpty() ? std::nullopt : ReadMelodyFile(path, &tooLarge);
    if (tooLarge)
        return notSent(notStored().arg(tr("the file is larger than a melody can be (%1 KB at most).")
                                           .arg(MelodyFile::MaxFileBytes / 1024)));
    if (!melody)
        return notSent(tr("File Not Found Error"));
    // Without a slot the header would name none, and the phone would take the notes for commands.
    if (slotText.isEmpty())
        return notSent(tr("Please enter the number of the ringtone to replace (1-20)."));
    // What the phone would refuse is refused here, before a header goes that would leave the
    // notes to be read as command lines.
    const QString refusal = problemBeforeSending(slotText, *melody, raise);
    if (!refusal.isEmpty())
        return notSent(notStored().arg(refusal));
    lock.setResult(OperationResult::done());
    lock.setAction(OperationLock::UploadingRingtone);

    AtExchange &exchange = melodies_.exchange();
    const QString header = QStringLiteral("AT~MMYW=") + slotText + QStringLiteral(",\"") +
                           melody->nameToSend() + QStringLiteral("\",") + melody->tempoToSend();
    // The phone gives no prompt; the pause is its time to refuse the header. Cancelled in the
    // pause, the phone has most likely taken the header and waits for notes: its entry is ended
    // unsaved, or the next header would be stored as this one's notes.
    const AtExchange::Reply taken =
        exchange.SendAndWaitForPrompt(header, exchange.timTimeout, AtExchange::Prompt::None);
    if (!stepAnswered(taken, taken.result, true))
        return lock.result();
    const bool raised = RaiseApplies(melody->lines, raise);
    QStringList notes;
    for (const QString &line : melody->lines) {
        if (const std::optional<QString> sent = MelodyLineToPhone(line, raised))
            notes.append(*sent);
    }
    // A header the phone never had (a cable out and back in its pause) leaves it in command
    // mode, where every note would run as a command line: the first goes alone, and the rest
    // only once the phone has let its pause pass without refusing it.
    if (!notes.isEmpty()) {
        const AtExchange::Reply first =
            exchange.SendDataThroughPause(notes.takeFirst(), exchange.timTimeout, header);
        if (!stepAnswered(
                first,
                tr("the phone did not take the melody's header; it read the first note as a command and "
                   "answered %1.")
                    .arg(first.result),
                true))
            return lock.result();
    }
    for (const QString &note : std::as_const(notes))
        exchange.line().write(note);
    // Cancelled while the notes still leave, the rest stays here and the entry is ended unsaved.
    // Once the Ctrl-Z is out the melody is the phone's.
    const AtExchange::Reply reply =
        exchange.SendDataAndWait(QString(AtExchange::CtrlZ), exchange.timTimeout, header);
    if (!stepAnswered(reply, reply.result, exchange.line().sending()))
        return lock.result();
    lock.setAction(OperationLock::ReloadingRingtones);
    return melodies_.ReadMelodyList();
}

bool MelodyUploader::stepAnswered(const AtExchange::Reply &reply, const QString &refusal,
                                  bool entryOpenIfCancelled)
{
    OperationLock &lock = melodies_.lock();
    AtExchange &exchange = melodies_.exchange();
    if (reply.refused())
        return lock.fail(OperationResult::refused(reply.command, reply.result), notStored().arg(refusal));
    if (reply.timedOut()) {
        // The phone may still be in melody entry, with the rest of the melody on its way.
        lock.dataUnanswered(reply.command, exchange.dropDataAndResynchronise(exchange.timTimeoutState),
                            notStored());
        return false;
    }
    if (reply.cancelled() && entryOpenIfCancelled) {
        exchange.line().discardUnsent();
        exchange.escapeEntry();
    }
    return lock.answered(reply);
}

QString MelodyUploader::problemBeforeSending(const QString &slotText, const MelodyFile &melody, bool raise)
{
    bool digits = !slotText.isEmpty();
    for (const QChar c : slotText)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const int slot = digits ? slotText.toInt() : 0;
    if (slot < 1 || slot > PhoneMelodies::Slots)
        return tr("the phone has no melody slot \"%1\" (1 to %2).")
            .arg(slotText, QString::number(PhoneMelodies::Slots));
    if (melody.tempoToSend().isEmpty())
        return tr("the file gives no tempo (a TEMPO= line with digits).");
    const bool raised = RaiseApplies(melody.lines, raise);
    for (qsizetype n = 0; n < melody.lines.size(); ++n) {
        const std::optional<QString> sent = MelodyLineToPhone(melody.lines.at(n), raised);
        // No note line begins so; the phone would run it as a command.
        if (sent && sent->trimmed().startsWith(QLatin1String("AT"), Qt::CaseInsensitive))
            return tr("the file holds a command, not a note: \"%1\".").arg(melody.lines.at(n).trimmed());
    }
    return QString();
}
