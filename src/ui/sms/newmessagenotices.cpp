#include "newmessagenotices.h"

#include "ui/window/desktopnotifications.h"

#include "link/phonelink.h"
#include "sms/arrivingmessages.h"
#include "sms/shortmessages.h"

NewMessageNotices::NewMessageNotices(ArrivingMessages &arrivals, ShortMessages &sms, PhoneLink &link,
                                     QObject *parent)
    : QObject(parent), sms_(sms), link_(link)
{
    connect(&arrivals, &ArrivingMessages::arrived, this, &NewMessageNotices::arrived);
}

QString NewMessageNotices::summaryOf(const SMSRecord &message)
{
    if (message.number.isEmpty())
        return tr("A new message has arrived");
    const bool named = !message.name.isEmpty() && message.name != CmgrReply::UnknownSender;
    return tr("New message from %1").arg(named ? message.name : message.number);
}

QString NewMessageNotices::firstWords(const QString &text)
{
    constexpr int Words = 12;
    constexpr int Characters = 80;
    const QStringList words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString shown;
    int taken = 0;
    for (const QString &word : words) {
        if (taken == Words || shown.size() + 1 + word.size() > Characters)
            break;
        shown += (shown.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        ++taken;
    }
    if (shown.isEmpty() && !words.isEmpty())
        shown = words.constFirst().left(Characters);
    if (shown.size() < text.simplified().size())
        shown += QChar(0x2026);
    return shown;
}

void NewMessageNotices::arrived(const SMSRecord &message)
{
    DesktopNotifications::show(summaryOf(message), firstWords(message.text));
    if (link_.tabs.MintCurFrame == TabLoader::ViewSMS) {
        sms_.SMSDownload();
        return;
    }
    // The list on the tab no longer holds every message.
    link_.tabs.setLoaded(TabLoader::ViewSMS, false);
}
