#include "FakeDesktopNotifications.h"

void FakeDesktopNotifications::notify(const QString& sTitle, const QString& sText, int nTimeoutMs)
{
    if (!m_sRefusal.isEmpty()) {
        emit refused(m_sRefusal);
        return;
    }
    m_notices.append({sTitle, sText, nTimeoutMs});
}
