#include "operationlock.h"

#include "atexchange.h"
#include "userinterfaces.h"

#include <QThread>

#include <cmath>

OperationLock::OperationLock(AtExchange *exchange, QObject *parent) : QObject(parent), exchange_(exchange) {}

void OperationLock::setAction(qint16 code)
{
    if (action_ == code)
        return;
    action_ = code;
    emit actionChanged(code);
}

bool OperationLock::beginPerforming()
{
    // A call from inside a running operation's code is its part; one from a wait of it (a
    // nested event loop) is not.
    const int level = QThread::currentThread()->loopLevel();
    const bool outermost = performing_.isEmpty() || performing_.constLast() != level;
    performing_.append(level);
    return outermost;
}

void OperationLock::endPerforming(bool outermost, const OperationResult &result)
{
    performing_.removeLast();
    if (outermost && boxes_)
        boxes_->showResult(result);
}

bool OperationLock::ask(const QString &text, const QString &title) const
{
    return boxes_ && boxes_->ask(text, title);
}

bool OperationLock::mayStart(std::initializer_list<qint16> alsoAccepted)
{
    bool accepted = action_ == Idle;
    for (qint16 other : alsoAccepted)
        accepted = accepted || action_ == other;
    if (accepted && action_ != NoPhone)
        return true;
    const QString reason = action_ == NoPhone ? notConnectedText() : busyText();
    refusal_ = OperationResult::notStarted(reason).told(reason);
    return false;
}

bool OperationLock::guard(qint16 code, std::initializer_list<qint16> alsoAccepted)
{
    if (!mayStart(alsoAccepted))
        return false;
    abort_ = false;
    result_ = OperationResult::done();
    setAction(code);
    return true;
}

QString OperationLock::notConnectedText()
{
    return tr("Not Connected!");
}

QString OperationLock::busyText()
{
    return tr("Busy, try again...");
}

QString OperationLock::refusalText(const AtExchange::Reply &reply)
{
    return tr("The phone refused \"%1\": %2").arg(reply.command, reply.result);
}

bool OperationLock::answered(const AtExchange::Reply &reply)
{
    if (reply.completed())
        return true;
    // The phone is there; it said no. That ends the operation, not the connection.
    if (reply.refused())
        return fail(OperationResult::refused(reply.command, reply.result), refusalText(reply));
    if (reply.cancelled()) {
        endCancelled(); // the Cancel itself already released the lock
        return false;
    }
    timedOut();
    // The Trium Mars's time-outs go untold; another phone may end a command with a result of
    // its own ("COMMAND NOT SUPPORT"), which the person should hear of.
    if (exchange_ && exchange_->phone().family == PhoneProfile::Family::Standard)
        tell(unansweredText(reply));
    return false;
}

QString OperationLock::unansweredText(const AtExchange::Reply &reply)
{
    QString last;
    for (const QString &line : reply.text.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            last = line.trimmed();
    }
    if (last.isEmpty() || last.compare(reply.command, Qt::CaseInsensitive) == 0)
        return tr("The phone did not answer \"%1\" in time.").arg(reply.command);
    return tr("The phone ended \"%1\" with \"%2\", which is no result Quenda knows.")
        .arg(reply.command, last);
}

void OperationLock::dataUnanswered(const QString &command, const AtExchange::Reply &check,
                                   const QString &failure)
{
    if (!answered(check))
        return;
    const QString told = failure.arg(tr("the phone did not answer in time"));
    fail(OperationResult::dataUnanswered(command, told), told);
}

bool OperationLock::fail(const OperationResult &result, const QString &told, const QString &title)
{
    result_ = result.told(told, title);
    finish();
    return false;
}

void OperationLock::openProgress()
{
    if (progress_)
        progress_->open();
}

void OperationLock::closeProgress()
{
    if (progress_)
        progress_->close();
}

bool OperationLock::cancelledBeforeItem()
{
    if (!abort_)
        return false;
    endCancelled();
    setAction(Idle);
    return true;
}

void OperationLock::endCancelled()
{
    result_ = OperationResult::cancelled();
    abort_ = false;
    if (exchange_)
        exchange_->sendAndDropAnswer(QStringLiteral("AT"));
}

void OperationLock::reportItem(int i, int n)
{
    const int percent = percentOf(i, n);
    if (progress_)
        progress_->setProgress(percent, percentText(percent));
}

void OperationLock::cancel()
{
    // After a time-out there is no phone to call idle.
    if (!isBusy())
        return;
    abort_ = true;
    result_ = OperationResult::cancelled();
    setAction(Idle);
    emit cancelRequested();
    if (exchange_)
        exchange_->abandonWait();
}

namespace {

// Untranslated, as the line recording names the operations.
const char *stateSource(qint16 code)
{
    switch (code) {
    case OperationLock::NoPhone:
        //: The program state while no phone answers
        return QT_TRANSLATE_NOOP("OperationLock", "Searching for Cell");
    case OperationLock::Idle:
        //: The program state: connected, no operation running
        return QT_TRANSLATE_NOOP("OperationLock", "Ready");
    case OperationLock::UploadingRingtone:
        return QT_TRANSLATE_NOOP("OperationLock", "Uploading Ringtone");
    case OperationLock::LoadingRingtones:
    case OperationLock::ReloadingRingtones:
        return QT_TRANSLATE_NOOP("OperationLock", "Loading Ringtones");
    case OperationLock::LoadingSMs:
        return QT_TRANSLATE_NOOP("OperationLock", "Loading SMs");
    case OperationLock::DeletingSMS:
        return QT_TRANSLATE_NOOP("OperationLock", "Deleting SMs");
    case OperationLock::DeletingAllSMs:
        return QT_TRANSLATE_NOOP("OperationLock", "Deleting All SMs");
    case OperationLock::LoadingContacts:
        return QT_TRANSLATE_NOOP("OperationLock", "Loading Contacts");
    case OperationLock::SavingContact:
        return QT_TRANSLATE_NOOP("OperationLock", "Saving Contact");
    case OperationLock::UploadingContact:
        return QT_TRANSLATE_NOOP("OperationLock", "Uploading Contact");
    case OperationLock::DeletingContact:
        return QT_TRANSLATE_NOOP("OperationLock", "Deleting Contact");
    case OperationLock::LoadingInfos:
        return QT_TRANSLATE_NOOP("OperationLock", "Loading Infos");
    case OperationLock::PlacingCall:
        return QT_TRANSLATE_NOOP("OperationLock", "Placing Call");
    case OperationLock::SendingKeys:
        return QT_TRANSLATE_NOOP("OperationLock", "Sending Keys");
    case OperationLock::SendingSMS:
        return QT_TRANSLATE_NOOP("OperationLock", "Sending SMS");
    case OperationLock::UploadingSMS:
        return QT_TRANSLATE_NOOP("OperationLock", "Uploading SMS");
    default:
        return nullptr;
    }
}

} // namespace

QString OperationLock::stateText(qint16 code)
{
    const char *source = stateSource(code);
    return source ? tr(source) : QString();
}

QString OperationLock::stateName(qint16 code)
{
    return QString::fromLatin1(stateSource(code));
}

int OperationLock::percentOf(int i, int n)
{
    if (n <= 0)
        return 0;
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    return static_cast<int>(std::nearbyint(static_cast<double>(i) / n * 100.0));
}

QString OperationLock::percentText(int percent)
{
    //: The progress of the "Working..." window
    return tr("%1%").arg(percent);
}
