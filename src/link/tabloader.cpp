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

    if (lock_.action() == OperationLock::NoPhone)
        return;
    if (!hasLoader(k) || isLoaded(k))
        return;
    if (lock_.action() == OperationLock::Idle)
        markAndLoad(k);
    else
        timTabChange.start();
}

void TabLoader::tabChangeTick()
{
    if (lock_.action() != OperationLock::Idle)
        return;
    timTabChange.stop();
    if (hasLoader(MintCurFrame) && !isLoaded(MintCurFrame))
        markAndLoad(MintCurFrame);
}

void TabLoader::waitforLoadTick()
{
    timWaitforLoad.stop();
    const int tab = MintCurFrame;
    if (!hasLoader(tab))
        return;
    loaders_[tab]();
    setLoaded(tab, true);
}

void TabLoader::markAndLoad(int tab)
{
    setLoaded(tab, true);
    loaders_[tab]();
}
