#include "melodyuploader.h"

#include "melodyfile.h"
#include "phonemelodies.h"

#include "link/atexchange.h"
#include "link/operationlock.h"
#include "link/serialline.h"

MelodyUploader::MelodyUploader(PhoneMelodies &melodies) : melodies_(melodies) {}

void MelodyUploader::UploadMelody(const QString &slotText, const QString &path, bool raise)
{
    OperationLock &lock = melodies_.lock();
    // Asked before anything else, also without a phone.
    if (slotText.toInt() > 8 &&
        !lock.ask(
            QStringLiteral("Ringtones above eight cannot be send correctly to phone sometimes. Continue?"),
            QStringLiteral("Warning")))
        return;
    if (!lock.mayStart())
        return;
    const std::optional<MelodyFile> melody = path.isEmpty() ? std::nullopt : ReadMelodyFile(path);
    if (!melody) {
        lock.inform(QStringLiteral("File Not Found Error"));
        return;
    }
    // Without a slot the header would name none, and the phone would take the notes for commands.
    if (slotText.isEmpty()) {
        lock.inform(QStringLiteral("Please enter the number of the ringtone to replace (1-20)."));
        return;
    }
    lock.setAction(OperationLock::UploadingRingtone);

    AtExchange &exchange = melodies_.exchange();
    if (!exchange.clearLine()) {
        lock.timedOut();
        return;
    }
    const bool raised = RaiseApplies(melody->lines, raise);
    const QString header = QStringLiteral("AT~MMYW=") + slotText + QStringLiteral(",\"") +
                           melody->nameToSend() + QStringLiteral("\",") + melody->tempoToSend();
    exchange.sendWithoutWaiting(header);
    // The phone gives no prompt: the notes follow at once.
    for (const QString &line : melody->lines) {
        if (const std::optional<QString> sent = MelodyLineToPhone(line, raised))
            exchange.line().write(*sent);
    }
    const AtExchange::Reply reply =
        exchange.SendDataAndWait(QString(AtExchange::CtrlZ), exchange.timTimeout, header);
    if (reply.timedOut()) {
        // Ends whatever text entry the phone may still be in.
        exchange.line().write(QString(AtExchange::CtrlZ));
        lock.timedOut();
        return;
    }
    if (!lock.answered(reply))
        return;
    lock.setAction(OperationLock::ReloadingRingtones);
    melodies_.ReadMelodyList();
}
