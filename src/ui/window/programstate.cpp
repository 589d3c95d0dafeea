#include "programstate.h"

#include "link/operationlock.h"
#include "phonebook/phonebookmemory.h"
#include "ui/widgets/controls.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

const QList<ProgramState::LockedControl> &ProgramState::lockTable()
{
    using L = Lock;
    using U = Unlock;
    static const QList<LockedControl> table = {
        {QStringLiteral("cmdUpload"), L::Disable, U::Always, false},
        {QStringLiteral("cmdRefresh"), L::Disable, U::Always, false},
        {QStringLiteral("cmdAutoSMSNow"), L::Disable, U::Always, false},
        {QStringLiteral("cmdDeleteSMS"), L::Disable, U::Always, false},
        {QStringLiteral("cmdDeleteAllSMS"), L::Disable, U::Always, false},
        {QStringLiteral("cmdRefreshSMS"), L::Disable, U::Always, false},
        {QStringLiteral("cmdAutoSMSArchive"), L::Disable, U::Always, false},
        {QStringLiteral("cmdSavePhone"), L::Disable, U::Never, false},
        {QStringLiteral("cmdCreatePhone"), L::Disable, U::Never, false},
        {QStringLiteral("frmPhonebookOptions"), L::Disable, U::Always, false},
        {QStringLiteral("txtName"), L::ReadOnly, U::WhenSim, false},
        {QStringLiteral("txtPhone"), L::ReadOnly, U::WhenSim, false},
        {QStringLiteral("chkAutoSMS"), L::Disable, U::Always, false},
        {QStringLiteral("cmdDeletePhone"), L::Disable, U::WhenWritable, false},
        {QStringLiteral("cmdDelePhoneAdv"), L::Disable, U::WhenWritable, false},
        {QStringLiteral("cmdImp"), L::Disable, U::WhenSim, false},
        {QStringLiteral("cmdExp"), L::Disable, U::Always, false},
        {QStringLiteral("cmdSendSMS"), L::Disable, U::Always, false},
        {QStringLiteral("cmdUploadSMS"), L::Disable, U::Always, false},
        {QStringLiteral("cmdUploadSend"), L::Disable, U::Always, false},
        {QStringLiteral("cmdPlaceCall"), L::Disable, U::Always, true},
        {QStringLiteral("frmControl"), L::Disable, U::Always, false},
        {QStringLiteral("cmdLanguage"), L::Disable, U::Always, false},
        {QStringLiteral("cmdIMEI"), L::Disable, U::Always, false},
        {QStringLiteral("cmdSoft"), L::Disable, U::Always, false},
        {QStringLiteral("cmdIMEISoft"), L::Disable, U::Always, false},
        {QStringLiteral("cmdNetMon1"), L::Disable, U::Always, false},
        {QStringLiteral("cmdNetMon2"), L::Disable, U::Always, false},
        {QStringLiteral("cmdHard"), L::Disable, U::Always, false},
        {QStringLiteral("cmdWarmStart"), L::Disable, U::Always, false},
        {QStringLiteral("cmdM4TestMode"), L::Disable, U::Always, false},
        {QStringLiteral("cmdSupTraces"), L::Disable, U::Always, false},
    };
    return table;
}

ProgramState::ProgramState(OperationLock &lock, QWidget &window, QLabel &labProgState, QObject *parent)
    : QObject(parent), lock_(lock), window_(window), labProgState_(labProgState)
{
    timProgState.setObjectName(QStringLiteral("timProgState"));
    timProgState.setInterval(275);
    connect(&timProgState, &QTimer::timeout, this, &ProgramState::tick);
}

QWidget *ProgramState::control(const QString &name) const
{
    return window_.findChild<QWidget *>(name);
}

bool ProgramState::memoryWritable() const
{
    const auto *memories = window_.findChild<QComboBox *>(QStringLiteral("cmbMemory"));
    return !memories || memories->isHidden() ||
           PhonebookMemory::isWritable(memories->currentData().toString());
}

bool ProgramState::simSelected() const
{
    // Another phone's memories are chosen from a list: those that take contacts count as the SIM.
    const auto *memories = window_.findChild<QComboBox *>(QStringLiteral("cmbMemory"));
    if (memories && !memories->isHidden())
        return PhonebookMemory::isWritable(memories->currentData().toString());
    const auto *optSIM = window_.findChild<QRadioButton *>(QStringLiteral("optSIM"));
    return optSIM && optSIM->isChecked();
}

void ProgramState::tick()
{
    const qint16 action = lock_.action();
    if (action != OperationLock::Idle && !gesperrt) {
        gesperrt = true;
        lockControls();
    }
    if (action == OperationLock::Idle && gesperrt) {
        gesperrt = false;
        Controls::setState(&labProgState_, OperationLock::stateText(OperationLock::Idle));
        Controls::paintBackground(&labProgState_, Controls::lightGreen());
        unlockControls();
    }
    if (action != OperationLock::Idle) {
        // A code without a text of its own leaves the label as it was.
        const QString text = OperationLock::stateText(action);
        if (!text.isEmpty()) {
            Controls::setState(&labProgState_, text);
            Controls::paintBackground(&labProgState_, Controls::lightBlue());
        }
    }
}

void ProgramState::lockControls()
{
    const bool calling = lock_.action() == OperationLock::PlacingCall;
    for (const LockedControl &entry : lockTable()) {
        QWidget *widget = control(entry.name);
        if (!widget)
            continue;
        if (entry.lock == Lock::ReadOnly)
            Controls::setReadOnly(widget, true);
        else if (!(entry.keptForCall && calling))
            widget->setEnabled(false);
    }
    for (const ResetTexts::Entry &entry : ResetTexts::table()) {
        if (QWidget *widget = control(entry.name))
            Controls::setText(widget, entry.shown());
    }
}

void ProgramState::unlockControls()
{
    const bool sim = simSelected();
    const bool writable = memoryWritable();
    for (const LockedControl &entry : lockTable()) {
        QWidget *widget = control(entry.name);
        if (!widget || entry.unlock == Unlock::Never)
            continue;
        if ((entry.unlock == Unlock::WhenSim && !sim) || (entry.unlock == Unlock::WhenWritable && !writable))
            continue;
        if (entry.lock == Lock::ReadOnly)
            Controls::setReadOnly(widget, false);
        else
            widget->setEnabled(true);
    }
}
