#include "ConnectionMessage.h"

#include "ErrorInfo.h"
#include "core/DebugLog.h"
#include "core/Notifier.h"

#include <QObject>

void ConnectionMessage::show(bool bQuorvane, ErrorInfo& errorInfo)
{
    const QString sCode = errorInfo.takeCode();
    const QString sString = errorInfo.takeText();
    QString sText =
        bQuorvane
            ? QObject::tr(
                  "Failed to connect to the QuorvaneShare Server. Please check your internet connection.")
            : QObject::tr("Failed to connect to the ZeqShare Server. Please check your internet connection.");
    if (!sCode.isEmpty())
        sText = QString("%1(%2)").arg(sText, sCode);
    Notifier::instance()->showMessage(QObject::tr("Internet connection"), sText, Notifier::OK);
    writeLog(1, "[ZeqAgentCtrlMgr][showMsg] errCode %s ErrString %s", sCode.toUtf8().constData(),
             sString.toUtf8().constData());
}
