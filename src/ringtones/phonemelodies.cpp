#include "phonemelodies.h"

#include "link/atexchange.h"
#include "link/operationlock.h"
#include "text/atfields.h"

PhoneMelodies::PhoneMelodies(AtExchange &exchange, OperationLock &lock, QObject *parent)
    : QObject(parent), exchange_(exchange), lock_(lock)
{
}

const QString PhoneMelodies::ReplyPrefix = QStringLiteral("~MMYR:");

int PhoneMelodies::displayNumber(int slot)
{
    return slot <= 8 ? slot : slot + 2;
}

QString PhoneMelodies::slotLine(int slot, const QString &name)
{
    const int shown = displayNumber(slot);
    return QString::number(slot) + (shown == slot ? QString() : QStringLiteral(" (shown as %1)").arg(shown)) +
           QStringLiteral(": ") + name;
}

QStringList PhoneMelodies::entries() const
{
    QStringList lines;
    for (int slot = 1; slot <= names_.size(); ++slot)
        lines.append(QString::number(displayNumber(slot)) + QStringLiteral(": ") + names_.at(slot - 1));
    return lines;
}

QStringList PhoneMelodies::slotLines() const
{
    QStringList lines;
    for (int slot = 1; slot <= names_.size(); ++slot)
        lines.append(slotLine(slot, names_.at(slot - 1)));
    return lines;
}

QString PhoneMelodies::nameIn(const QString &reply)
{
    const auto fields = AtFields::ofLine(reply, ReplyPrefix);
    if (fields && fields->size() == 2 && !fields->at(0).quoted && fields->at(1).quoted)
        return fields->at(1).text;
    // Any other reply keeps the older cut from the first to the last quote: a name holding
    // quotes keeps them, and after a quote left open the rest is the name.
    const qsizetype first = reply.indexOf(QLatin1Char('"'));
    if (first < 0)
        return reply;
    const qsizetype last = reply.lastIndexOf(QLatin1Char('"'));
    if (last == first)
        return reply.mid(first + 1);
    return reply.mid(first + 1, last - first - 1);
}

OperationResult PhoneMelodies::ReadMelodyList()
{
    return lock_.perform([&] {
        // Right after an upload the list is read under the upload's follow-up code.
        if (!lock_.guard(OperationLock::LoadingRingtones, {OperationLock::ReloadingRingtones}))
            return lock_.refusal();
        names_.clear();
        emit changed();
        for (int slot = 1; slot <= Slots; ++slot) {
            const AtExchange::Reply reply =
                exchange_.SendAndWait(QStringLiteral("AT~MMYR=") + QString::number(slot),
                                      exchange_.timTimeout, AtExchange::Expected::line(ReplyPrefix));
            if (!lock_.answered(reply))
                return lock_.result();
            // Only the reply's own line: a code the phone sent beside it is no part of the name.
            names_.append(nameIn(reply.lineStartingWith(ReplyPrefix)));
            emit changed();
        }
        emit listRead();
        lock_.finish();
        return lock_.result();
    });
}
