#include "ConnectionMessage.h"

#include "ErrorInfo.h"
#include "core/ConnectionFailure.h"
#include "core/DebugLog.h"
#include "core/Notifier.h"

void ConnectionMessage::show(bool bQuorvane, ErrorInfo& errorInfo)
{
    const QString sCode = errorInfo.takeCode();
    const QString sString = errorInfo.takeText();
    QString sText = ConnectionFailure::text(bQuorvane);
    if (!sCode.isEmpty())
        sText = QString("%1(%2)").arg(sText, sCode);
    Notifier::instance()->showMessage(ConnectionFailure::title(), sText, Notifier::OK);
    writeLog(1, "[ZeqAgentCtrlMgr][showMsg] errCode %s ErrString %s", qUtf8Printable(sCode),
             qUtf8Printable(sString));
}
