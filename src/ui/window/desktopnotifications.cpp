#include "desktopnotifications.h"

#include "programinfo.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStringList>
#include <QVariantMap>

void DesktopNotifications::show(const QString &summary, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    const QString service = QStringLiteral("org.freedesktop.Notifications");
    QDBusMessage notify = QDBusMessage::createMethodCall(
        service, QStringLiteral("/org/freedesktop/Notifications"), service, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("quenda"));
    hints.insert(QStringLiteral("category"), QStringLiteral("im.received"));
    notify << ProgramInfo::name() << uint(0) << QStringLiteral("quenda") << summary << body << QStringList()
           << hints << int(-1);
    // Not waited for: without the service the bus answers with an error nobody needs to see.
    bus.asyncCall(notify);
}
