#include "FakeShareService.h"

#include <QDomDocument>

FakeShareService::FakeShareService(TestHttpServer& server) : m_server(server)
{
    m_server.setHandler([this](const TestHttpServer::Request& request) { return answer(request); });
}

void FakeShareService::setAnswer(const QString& sOperation, Kind eKind, const QString& sReturn)
{
    m_standing.insert(sOperation, qMakePair(eKind, sReturn));
}

void FakeShareService::enqueueAnswer(const QString& sOperation, Kind eKind, const QString& sReturn)
{
    m_once[sOperation].append(qMakePair(eKind, sReturn));
}

QByteArray FakeShareService::soapAnswer(const QString& sOperation, const QString& sReturn, bool bWithReturn)
{
    const QString sReturnElement =
        bWithReturn ? "<return xsi:type=\"xsd:string\">" + sReturn.toHtmlEscaped() + "</return>" : QString();
    return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
            "xmlns:ns1=\"urn:SyncService\" xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
            "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
            "xmlns:SOAP-ENC=\"http://schemas.xmlsoap.org/soap/encoding/\" "
            "SOAP-ENV:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\"><SOAP-ENV:Body>"
            "<ns1:" +
            sOperation + "Response>" + sReturnElement + "</ns1:" + sOperation +
            "Response></SOAP-ENV:Body></SOAP-ENV:Envelope>\n")
        .toUtf8();
}

QByteArray FakeShareService::soapFault(const QString& sText)
{
    return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\"><SOAP-ENV:Body>"
            "<SOAP-ENV:Fault><faultcode>SOAP-ENV:Server</faultcode><faultstring>" +
            sText.toHtmlEscaped() + "</faultstring></SOAP-ENV:Fault></SOAP-ENV:Body></SOAP-ENV:Envelope>\n")
        .toUtf8();
}

bool FakeShareService::parseCall(const QByteArray& body, Call* pCall)
{
    QDomDocument doc;
    if (!doc.setContent(body, true))
        return false;
    const QDomElement operation = doc.documentElement().firstChildElement("Body").firstChildElement();
    if (operation.isNull())
        return false;
    pCall->sOperation = operation.localName();
    for (QDomElement param = operation.firstChildElement(); !param.isNull();
         param = param.nextSiblingElement()) {
        pCall->params.insert(param.localName(), param.text());
        pCall->order.append(param.localName());
    }
    return true;
}

void FakeShareService::setReturnMaker(const QString& sOperation, ReturnMaker maker)
{
    m_makers.insert(sOperation, std::move(maker));
}

TestHttpServer::Answer FakeShareService::answer(const TestHttpServer::Request& request)
{
    Call call;
    if (!request.bBodyOk || !parseCall(request.body, &call))
        return TestHttpServer::Answer::status(400, "bad envelope");
    m_lstCalls.append(call);
    if (m_observer)
        m_observer(call);
    QPair<Kind, QString> script = qMakePair(RETURN, QString("SUCCESS"));
    QList<QPair<Kind, QString>>& once = m_once[call.sOperation];
    if (!once.isEmpty())
        script = once.takeFirst();
    else if (m_makers.contains(call.sOperation))
        script = qMakePair(RETURN, m_makers.value(call.sOperation)(call));
    else if (m_standing.contains(call.sOperation))
        script = m_standing.value(call.sOperation);
    switch (script.first) {
    case RETURN:
        return TestHttpServer::Answer::ok(soapAnswer(call.sOperation, script.second));
    case NO_RETURN:
        return TestHttpServer::Answer::ok(soapAnswer(call.sOperation, QString(), false));
    case FAULT:
        return TestHttpServer::Answer::ok(soapFault(script.second));
    case HTTP_500:
        return TestHttpServer::Answer::status(500, soapFault("internal"));
    case STALL:
        return TestHttpServer::Answer::stall();
    case GARBAGE:
        return TestHttpServer::Answer::ok("<html><body>Bad Gateway");
    }
    return TestHttpServer::Answer::status(500);
}

QList<FakeShareService::Call> FakeShareService::calls(const QString& sOperation) const
{
    QList<Call> lst;
    for (const Call& call : m_lstCalls) {
        if (call.sOperation == sOperation)
            lst.append(call);
    }
    return lst;
}
