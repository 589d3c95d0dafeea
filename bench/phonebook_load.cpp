// Time to read a full SIM of 250 contacts when the contacts cache already holds 100 000
// lines, the whole load: the two commands, the listing, the table and the cache merge.

#include "benchsupport.h"

#include "link/phonelink.h"
#include "phonebook/phonebook.h"
#include "simphone.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    BenchSupport::useOwnSettings(home);
    QCoreApplication app(argc, argv);

    simphone::SimPhone sim;
    if (!sim.start()) {
        std::fprintf(stderr, "no pseudo-terminal: %s\n", qPrintable(sim.errorString()));
        return 1;
    }
    for (int i = 1; i <= 250; ++i)
        sim.state().simBook.insert(
            i, {"+4917012" + QByteArray::number(10000 + i), 145, "Kontakt " + QByteArray::number(i)});

    PhoneLink link;
    link.settings.setDevice(1, sim.devicePath());
    Phonebook phonebook(link.exchange, link.lock, link.supervisor);
    {
        QFile cache(phonebook.cache().path());
        if (!cache.open(QIODevice::WriteOnly))
            return 1;
        for (int i = 0; i < 100000; ++i)
            cache.write("Someone " + QByteArray::number(i) +
                        "\x89\x86\x89"
                        "0301" +
                        QByteArray::number(i) + "\r\n");
    }

    link.beginStartUp();
    link.finishStartUp();
    if (!QTest::qWaitFor([&] { return link.lock.action() == OperationLock::Idle; }, 5000))
        return 1;

    QElapsedTimer clock;
    clock.start();
    phonebook.LoadPhonebook();
    const qint64 firstLoad = clock.elapsed();
    clock.restart();
    phonebook.LoadPhonebook();
    const qint64 secondLoad = clock.elapsed();

    std::printf("250 contacts, cache of 100000 lines: first load %lld ms (250 lines appended), "
                "second load %lld ms (nothing new)\n",
                static_cast<long long>(firstLoad), static_cast<long long>(secondLoad));
    return phonebook.table().size() == 250 ? 0 : 1;
}
