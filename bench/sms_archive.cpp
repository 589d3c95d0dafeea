// The end of a download with 255 listed messages: their names looked up in a contacts cache
// of 100 000 lines, and the archive step against an archive of 50 000 records. Once when all
// 255 are new (255 records appended) and once when all are in.

#include "sms/sendernames.h"
#include "sms/smsarchive.h"

#include "phonebook/contactscache.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

SMSRecord message(int i)
{
    SMSRecord m;
    m.slot = static_cast<qint16>(i % 255 + 1);
    m.key = QStringLiteral("03/%1/02 12:%2:%3")
                .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                .arg(i / 60 % 60, 2, 10, QLatin1Char('0'))
                .arg(i % 60, 2, 10, QLatin1Char('0'));
    m.number = QStringLiteral("+49151%1").arg(i);
    m.text = QStringLiteral("Nachricht %1\r\nzweite Zeile").arg(i);
    m.name = QStringLiteral("Unknown");
    return m;
}

double msSince(const QElapsedTimer &clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString cachePath = dir.filePath(QStringLiteral("quenda.lst"));
    const QString archivePath = dir.filePath(QStringLiteral("sms.log"));
    {
        QFile cache(cachePath);
        QFile archive(archivePath);
        if (!cache.open(QIODevice::WriteOnly) || !archive.open(QIODevice::WriteOnly))
            return 1;
        for (int i = 0; i < 100000; ++i)
            cache.write("Someone " + QByteArray::number(i) + "\x89\x86\x89+49151" +
                        QByteArray::number(i + 1000000) + "\r\n");
        for (int i = 0; i < 50000; ++i)
            archive.write(SmsArchive::recordOf(message(100000 + i)).toLatin1());
    }
    QList<SMSRecord> listed;
    for (int i = 0; i < 255; ++i)
        listed.append(message(i));

    const SmsArchive archive(archivePath);
    double runs[2] = {0, 0};
    for (double &run : runs) {
        QElapsedTimer clock;
        clock.start();
        const SenderNames names(ContactsCache(cachePath).read());
        QList<SMSRecord> named = listed;
        for (SMSRecord &m : named)
            names.find(m.number, &m.name);
        if (!archive.archive(named))
            return 1;
        run = msSince(clock);
    }
    std::printf("255 messages, cache of 100000 lines, archive of 50000 records: %.1f ms with all new "
                "(255 records appended), %.1f ms with all archived\n",
                runs[0], runs[1]);
    return 0;
}
