#include "FreedesktopNotifications.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QFileInfo>
#include <QVariantMap>

namespace
{
const char SERVICE[] = "org.freedesktop.Notifications";
const char PATH[] = "/org/freedesktop/Notifications";
const char INTERFACE[] = "org.freedesktop.Notifications";
const char APP_NAME[] = "WendoAgent";
const char DEFAULT_ACTION[] = "default";
// How many open notices are remembered for their clicks.
const int SHOWN_LIMIT = 16;
// A call the service never answers is given up after this long.
const int CALL_TIMEOUT_MS = 10000;
} // namespace

FreedesktopNotifications::FreedesktopNotifications(QObject* pParent)
    : DesktopNotifications(pParent), m_bus(QDBusConnection::sessionBus())
{
    m_bConnected = sessionBusExpected() && m_bus.isConnected();
    if (!m_bConnected)
        return;
    m_pServiceWatcher =
        new QDBusServiceWatcher(SERVICE, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_pServiceWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString& sOldOwner, const QString&) {
                // A first start (by the first notice) ends nothing.
                if (!sOldOwner.isEmpty())
                    serviceEnded(sOldOwner);
            });
}

// A session names its bus, or has one at the user's runtime folder. Without either the D-Bus library would
// start a bus of its own for nobody to listen on.
bool FreedesktopNotifications::sessionBusExpected()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString sRuntime = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    return !sRuntime.isEmpty() && QFileInfo::exists(sRuntime + "/bus");
}

void FreedesktopNotifications::notify(const QString& sTitle, const QString& sText, int nTimeoutMs)
{
    if (!m_bConnected) {
        emit refused("no session bus");
        return;
    }
    // Heard from before the call: the service may tell of a click right after its answer.
    ++m_nPending;
    listenWhileNeeded();
    const Notice notice{sTitle, sText, nTimeoutMs};
    QDBusMessage ask = QDBusMessage::createMethodCall(SERVICE, PATH, INTERFACE, "GetCapabilities");
    auto* pWatcher = new QDBusPendingCallWatcher(m_bus.asyncCall(ask, CALL_TIMEOUT_MS), this);
    connect(pWatcher, &QDBusPendingCallWatcher::finished, this,
            [this, notice](QDBusPendingCallWatcher* pCall) {
                const QDBusPendingReply<QStringList> reply = *pCall;
                pCall->deleteLater();
                if (reply.isError()) {
                    callEnded();
                    refuse("the notification service does not answer", pCall);
                    return;
                }
                send(notice, reply.value());
            });
}

void FreedesktopNotifications::send(const Notice& notice, const QStringList& capabilities)
{
    QStringList actions;
    if (capabilities.contains("actions"))
        actions << DEFAULT_ACTION << QString(APP_NAME);
    // Texts come from devices and services: never read as markup.
    const QString sBody = capabilities.contains("body-markup") ? notice.sText.toHtmlEscaped() : notice.sText;
    QDBusMessage call = QDBusMessage::createMethodCall(SERVICE, PATH, INTERFACE, "Notify");
    call << QString(APP_NAME) << uint(0) << QString() << notice.sTitle << sBody << actions << QVariantMap()
         << notice.nTimeoutMs;
    auto* pWatcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, CALL_TIMEOUT_MS), this);
    connect(pWatcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* pCall) {
        const QDBusPendingReply<uint> reply = *pCall;
        pCall->deleteLater();
        if (reply.isError()) {
            callEnded();
            refuse("the notification service refused the notice", pCall);
            return;
        }
        remember({reply.reply().service(), reply.value()});
        callEnded();
    });
}

void FreedesktopNotifications::callEnded()
{
    if (m_nPending > 0)
        --m_nPending;
    listenWhileNeeded();
}

void FreedesktopNotifications::refuse(const QString& sWhy, QDBusPendingCallWatcher* pWatcher)
{
    emit refused(QString("%1 (%2)").arg(sWhy, pWatcher->error().message()));
}

void FreedesktopNotifications::remember(const Shown& shown)
{
    m_lstShown.removeAll(shown);
    m_lstShown.append(shown);
    while (m_lstShown.size() > SHOWN_LIMIT)
        m_lstShown.removeFirst();
}

bool FreedesktopNotifications::forgetSignalled(uint nId)
{
    if (!calledFromDBus())
        return false;
    const bool bOurs = m_lstShown.removeAll({message().service(), nId}) > 0;
    if (bOurs)
        listenWhileNeeded();
    return bOurs;
}

void FreedesktopNotifications::actionInvoked(uint nId, const QString& sAction)
{
    // Other programs' notices raise the same signal, and a notice acts once, whatever the service repeats.
    if (forgetSignalled(nId) && sAction == DEFAULT_ACTION)
        emit clicked();
}

void FreedesktopNotifications::notificationClosed(uint nId, uint)
{
    forgetSignalled(nId);
}

// Its ids will never be told again; the service that follows counts its own.
void FreedesktopNotifications::serviceEnded(const QString& sService)
{
    for (int n = m_lstShown.size() - 1; n >= 0; --n) {
        if (m_lstShown.at(n).sService == sService)
            m_lstShown.removeAt(n);
    }
    listenWhileNeeded();
}

void FreedesktopNotifications::listenWhileNeeded()
{
    const bool bNeeded = m_nPending > 0 || !m_lstShown.isEmpty();
    if (bNeeded != m_bListening && setListening(bNeeded))
        m_bListening = bNeeded;
}

bool FreedesktopNotifications::setListening(bool bOn)
{
    if (bOn)
        return m_bus.connect(SERVICE, PATH, INTERFACE, "ActionInvoked", this,
                             SLOT(actionInvoked(uint, QString))) &&
               m_bus.connect(SERVICE, PATH, INTERFACE, "NotificationClosed", this,
                             SLOT(notificationClosed(uint, uint)));
    // Both go, also when one of them was never made.
    const bool bAction =
        m_bus.disconnect(SERVICE, PATH, INTERFACE, "ActionInvoked", this, SLOT(actionInvoked(uint, QString)));
    const bool bClosed = m_bus.disconnect(SERVICE, PATH, INTERFACE, "NotificationClosed", this,
                                          SLOT(notificationClosed(uint, uint)));
    return bAction && bClosed;
}
