#include "SoapEnvelopes.h"

#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/Escaping.h"

#include <QFile>

namespace
{
const char* const HEAD = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                         "<soapenv:Envelope xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                         "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
                         "xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\">"
                         "<soapenv:Header/><soapenv:Body>";
const char* const TAIL = "</soapenv:Body></soapenv:Envelope>";

QString parameter(const QString& sName, int nPlaceholder)
{
    return QString("<%1 xsi:type=\"xsd:string\">%%2</%1>").arg(sName).arg(nPlaceholder);
}

QString operation(const QString& sOperation, const QString& sParameters)
{
    return QString::fromLatin1(HEAD) + "<" + sOperation +
           " soapenv:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\">" + sParameters + "</" +
           sOperation + ">" + QString::fromLatin1(TAIL);
}

// Default hosts of the two brands' sharing service; the real service is configured by URL "WebApi".
const char* const ZEQ_HOST = "api.zeqshare.example";
const char* const QUORVANE_HOST = "api.quorvaneshare.example";
} // namespace

QString SoapEnvelopes::makeTemplate(const QString& sOperation, const QStringList& parameters)
{
    QString sParameters;
    for (int i = 0; i < parameters.size(); ++i)
        sParameters += parameter(parameters.at(i), i + 1);
    return operation(sOperation, sParameters);
}

QString SoapEnvelopes::loginTemplate()
{
    return operation("login",
                     parameter("CustomerEMail", 2) + "<Password xsi:type=\"xsd:string\">%3</Password >");
}

QString SoapEnvelopes::checkDeviceRegTemplate()
{
    return makeTemplate("checkDeviceReg", {"SessionID", "CustomerEMail", "UUID"});
}

QString SoapEnvelopes::registerDeviceTemplate()
{
    return makeTemplate("registerDevice", {"SessionID", "CustomerEMail", "UUID", "HardwareName", "SkuID"});
}

QString SoapEnvelopes::deregisterDeviceTemplate()
{
    return makeTemplate("deregisterDevice", {"SessionID", "CustomerEMail", "UUID"});
}

QString SoapEnvelopes::getCustomerSettingTemplate()
{
    return makeTemplate("getCustomerSetting", {"SessionID", "CustomerEMail"});
}

QString SoapEnvelopes::setCustomerSettingTemplate()
{
    return operation("setCustomerSetting", parameter("SessionID", 1) + parameter("CustomerEMail", 2) +
                                               "<SettingJSONString  xsi:type=\"xsd:string\">%3"
                                               "</SettingJSONString>");
}

QString SoapEnvelopes::getDeviceListTemplate()
{
    return makeTemplate("getDeviceList", {"SessionID", "CustomerEMail"});
}

QString SoapEnvelopes::fill(const QString& sTemplate, const QStringList& values)
{
    return Escaping::fillXml(sTemplate, values);
}

QString SoapEnvelopes::login(const QString& sUser, const QString& sPassword)
{
    return fill(loginTemplate(), {QString(), sUser, sPassword});
}

QString SoapEnvelopes::defaultServiceAddress()
{
    const bool bQuorvane = QFile::exists(AgentFolders::dataPath("/Quorvane.bin"));
    return QString("http://%1/zazoziva/agent_v1/SyncService.php")
        .arg(QString::fromLatin1(bQuorvane ? QUORVANE_HOST : ZEQ_HOST));
}

QString SoapEnvelopes::serviceAddress()
{
    AgentSettings settings;
    const QString sUrl = settings.getString("URL", "WebApi");
    return sUrl.isEmpty() ? defaultServiceAddress() : sUrl;
}
