#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// The desktop's notification service as a test sees it: registered on the session bus under
// its well-known name, it keeps every notification it is sent.
class NotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Notice
    {
        QString application;
        QString icon;
        QString summary;
        QString body;
    };

    bool registerOn(QDBusConnection bus)
    {
        return bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                                  QDBusConnection::ExportScriptableSlots) &&
               bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }

    QList<Notice> notices;

public slots:
    Q_SCRIPTABLE uint Notify(const QString &application, uint replaces, const QString &icon,
                             const QString &summary, const QString &body, const QStringList &actions,
                             const QVariantMap &hints, int timeout)
    {
        Q_UNUSED(replaces)
        Q_UNUSED(actions)
        Q_UNUSED(hints)
        Q_UNUSED(timeout)
        notices.append({application, icon, summary, body});
        return uint(notices.size());
    }
    Q_SCRIPTABLE QStringList GetCapabilities() { return {QStringLiteral("body")}; }
};
