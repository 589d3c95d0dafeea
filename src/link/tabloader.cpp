#include "tabloader.h"

#include "operationlock.h"

namespace {

bool inRange(int tab)
{
    return tab >= 1 && tab <= TabLoader::TabCount;
}

} // namespace

TabLoader::TabLoader(OperationLock &lock, QObject *parent) : QObject(parent), lock_(lock)
{
    timTabChange.setObjectName(QStringLiteral("timTabChange"));
    timTabChange.setInterval(300);
    timWaitforLoad.setObjectName(QStringLiteral("timWaitforLoad"));
    timWaitforLoad.setInterval(10);
    connect(&timTabChange, &QTimer::timeout, this, &TabLoader::tabChangeTick);
    connect(&timWaitforLoad, &QTimer::timeout, this, &TabLoader::waitforLoadTick);
}

void TabLoader::setLoader(int tab, std::function<void()> loader)
{
    if (inRange(tab))
        loaders_[tab] = std::move(loader);
}

bool TabLoader::hasLoader(int tab) const
{
    return inRange(tab) && static_cast<bool>(loaders_[tab]);
}

bool TabLoader::isLoaded(int tab) const
{
    return inRange(tab) && loaded_[tab];
}

void TabLoader::setLoaded(int tab, bool loaded)
{
    if (inRange(tab))
        loaded_[tab] = loaded;
}

void TabLoader::phoneLost()
{
    setLoaded(Ringtones, false);
    setLoaded(Phonebook, false);
    setLoaded(ViewSMS, false);
    // A phone unplugged in the middle of a load is loaded again when it returns.
    automaticTimeouts_.fill(0);
    for (int tab = 1; tab <= TabCount; ++tab)
        setHeld(tab, false);
}

bool TabLoader::isHeld(int tab) const
{
    return inRange(tab) && held_[tab];
}

void TabLoader::userLoads(int tab)
{
    if (!inRange(tab))
        return;
    automaticTimeouts_[tab] = 0;
    setHeld(tab, false);
}

void TabLoader::setHeld(int tab, bool held)
{
    if (held_[tab] == held)
        return;
    held_[tab] = held;
    emit heldChanged(tab, held);
}

void TabLoader::forgetAll()
{
    loaded_.fill(false);
}

void TabLoader::showInitial(int k)
{
    const int previous = MintCurFrame;
    MintCurFrame = static_cast<qint16>(k);
    emit pageShown(k, previous);
}

void TabLoader::select(int k)
{
    if (k == MintCurFrame)
        return;
    const int previous = MintCurFrame;
    MintCurFrame = static_cast<qint16>(k);
    emit pageShown(k, previous);
    // Showing the tab is asking for its data, also when they were not read by itself.
    if (isHeld(k))
        setLoaded(k, false);
    userLoads(k);

    if (lock_.action() == OperationLock::NoPhone)
        return;
    if (!hasLoader(k) || isLoaded(k))
        return;
    if (lock_.action() == OperationLock::Idle)
        markAndLoad(k, false);
    else
        timTabChange.start();
}

void TabLoader::tabChangeTick()
{
    if (lock_.action() != OperationLock::Idle)
        return;
    timTabChange.stop();
    // Started by the user's showing the tab while busy: the load is the user's.
    if (hasLoader(MintCurFrame) && !isLoaded(MintCurFrame))
        markAndLoad(MintCurFrame, false);
}

void TabLoader::waitforLoadTick()
{
    timWaitforLoad.stop();
    const int tab = MintCurFrame;
    if (!hasLoader(tab) || isHeld(tab))
        return;
    runLoader(tab, true);
    setLoaded(tab, true);
}

void TabLoader::markAndLoad(int tab, bool automatic)
{
    setLoaded(tab, true);
    runLoader(tab, automatic);
}

void TabLoader::runLoader(int tab, bool automatic)
{
    loaders_[tab]();
    const bool timedOut = lock_.action() == OperationLock::NoPhone;
    if (!timedOut || !automatic) {
        automaticTimeouts_[tab] = 0;
        return;
    }
    if (++automaticTimeouts_[tab] >= HeldAfterTimeouts)
        setHeld(tab, true);
}
