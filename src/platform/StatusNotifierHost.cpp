#include "StatusNotifierHost.h"

#include "FreedesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariant>

namespace
{
const char WATCHER[] = "org.kde.StatusNotifierWatcher";
const char WATCHER_PATH[] = "/StatusNotifierWatcher";
// A watcher that never answers is given up after this long (Qt's own look would wait longer).
const int CALL_TIMEOUT_MS = 5000;
} // namespace

bool StatusNotifierHost::isRegistered()
{
    if (!FreedesktopNotifications::sessionBusExpected())
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    // As the toolkit asks: a watcher that is not running is not started for the question.
    if (!bus.interface()->isServiceRegistered(WATCHER).value())
        return false;
    QDBusMessage ask =
        QDBusMessage::createMethodCall(WATCHER, WATCHER_PATH, "org.freedesktop.DBus.Properties", "Get");
    ask << QString(WATCHER) << QString("IsStatusNotifierHostRegistered");
    const QDBusMessage answer = bus.call(ask, QDBus::Block, CALL_TIMEOUT_MS);
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty())
        return false;
    return answer.arguments().first().value<QDBusVariant>().variant().toBool();
}
