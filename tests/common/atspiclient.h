#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QEventLoop>
#include <QTimer>

// The accessibility bus (AT-SPI) as a screen reader reads it. The program under test answers
// on the same thread, so every call is made without blocking it: the wait runs the events.
class AtSpiClient
{
public:
    struct Node
    {
        QString service;
        QString path;
        bool operator==(const Node &other) const { return service == other.service && path == other.path; }
    };

    // Connects to the accessibility bus the session bus names; false without one.
    bool connect()
    {
        const QDBusMessage ask =
            QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                           QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress"));
        const QDBusMessage reply = call(QDBusConnection::sessionBus(), ask);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return false;
        bus_ = QDBusConnection::connectToBus(reply.arguments().constFirst().toString(),
                                             QStringLiteral("atspi-client"));
        return bus_.isConnected();
    }

    // The application the registry lists under name.
    std::optional<Node> application(const QString &name)
    {
        const Node desktop{QStringLiteral("org.a11y.atspi.Registry"),
                           QStringLiteral("/org/a11y/atspi/accessible/root")};
        for (const Node &app : children(desktop)) {
            if (this->name(app) == name)
                return app;
        }
        return std::nullopt;
    }

    QList<Node> children(const Node &node)
    {
        QList<Node> nodes;
        const QDBusMessage reply = accessible(node, QStringLiteral("GetChildren"));
        if (reply.arguments().isEmpty())
            return nodes;
        const QDBusArgument list = reply.arguments().constFirst().value<QDBusArgument>();
        list.beginArray();
        while (!list.atEnd()) {
            Node child;
            QDBusObjectPath path;
            list.beginStructure();
            list >> child.service >> path;
            list.endStructure();
            child.path = path.path();
            nodes.append(child);
        }
        list.endArray();
        return nodes;
    }

    QString name(const Node &node) { return property(node, QStringLiteral("Name")); }
    QString description(const Node &node) { return property(node, QStringLiteral("Description")); }
    QString roleName(const Node &node)
    {
        const QDBusMessage reply = accessible(node, QStringLiteral("GetRoleName"));
        return reply.arguments().isEmpty() ? QString() : reply.arguments().constFirst().toString();
    }
    bool isFocused(const Node &node) { return hasState(node, 12); }
    bool isShowing(const Node &node) { return hasState(node, 25); }

private:
    bool hasState(const Node &node, int state)
    {
        const QDBusMessage reply = accessible(node, QStringLiteral("GetState"));
        if (reply.arguments().isEmpty())
            return false;
        QList<uint> words;
        reply.arguments().constFirst().value<QDBusArgument>() >> words;
        return words.size() > state / 32 && (words.at(state / 32) >> (state % 32)) & 1;
    }

    QString property(const Node &node, const QString &name)
    {
        QDBusMessage get = QDBusMessage::createMethodCall(node.service, node.path,
                                                          QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Get"));
        get << QStringLiteral("org.a11y.atspi.Accessible") << name;
        const QDBusMessage reply = call(bus_, get);
        return reply.arguments().isEmpty()
                   ? QString()
                   : reply.arguments().constFirst().value<QDBusVariant>().variant().toString();
    }

    QDBusMessage accessible(const Node &node, const QString &method)
    {
        return call(bus_, QDBusMessage::createMethodCall(
                              node.service, node.path, QStringLiteral("org.a11y.atspi.Accessible"), method));
    }

    static QDBusMessage call(QDBusConnection bus, const QDBusMessage &message)
    {
        QDBusPendingCallWatcher watcher(bus.asyncCall(message, 10000));
        QEventLoop loop;
        QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
        if (!watcher.isFinished())
            loop.exec();
        return watcher.reply();
    }

    QDBusConnection bus_{QString()};
};
