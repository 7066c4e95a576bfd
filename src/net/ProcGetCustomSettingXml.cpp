#include "ProcGetCustomSettingXml.h"

#include "ProcSoapReturnXml.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"

bool ProcGetCustomSettingXml::open(const QString& sPath)
{
    m_bKept = false;
    m_bSync = false;
    ProcSoapReturnXml answer("getCustomerSetting");
    if (!answer.open(sPath))
        return false;
    bool bObject = false;
    const QVariantMap choices = JsonHelper().parse(answer.m_sResult, &bObject);
    if (!bObject || answer.m_sResult.trimmed().startsWith('['))
        return false;
    m_bKept = choices.value("afterUpload").toString() != "delete_after_upload";
    m_bSync = choices.value("syncType").toString() == "auto_sync";
    writeLog(1, "[ProcGetCustomSettingXml][open][End]");
    return true;
}
