#pragma once

#include "TestHttpServer.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

// The sharing service's account operations on a TestHttpServer: every request body is gunzipped and
// parsed as a SOAP envelope with a real XML reader, the operation and its parameters are recorded (as
// the service would read them, entities resolved), and the answer is scripted per operation: a return
// text as a PHP SoapServer writes it, a SOAP fault, an HTTP error, a stall or a body that is no XML.
class FakeShareService
{
public:
    enum Kind { RETURN, FAULT, HTTP_500, STALL, GARBAGE, NO_RETURN };

    struct Call {
        QString sOperation;
        QMap<QString, QString> params; // element name -> text
        QStringList order;             // element names in envelope order
    };

    explicit FakeShareService(TestHttpServer& server);

    QString serviceUrl() const { return m_server.url("/zazoziva/agent_v1/SyncService.php"); }

    // The answer to every later call of sOperation (default: RETURN with "SUCCESS").
    void setAnswer(const QString& sOperation, Kind eKind, const QString& sReturn = QString());
    // The return text of every later call of sOperation made from the call itself (a service that answers
    // what it was sent); comes after the one-time answers and before the standing one.
    using ReturnMaker = std::function<QString(const Call& call)>;
    void setReturnMaker(const QString& sOperation, ReturnMaker maker);
    // Told of every call as it is recorded (a tool that reports what the service saw).
    void setCallObserver(std::function<void(const Call& call)> observer) { m_observer = std::move(observer); }
    // One answer for the next call of sOperation only, before the standing answer.
    void enqueueAnswer(const QString& sOperation, Kind eKind, const QString& sReturn = QString());

    QList<Call> calls() const { return m_lstCalls; }
    // The calls of one operation, in the order they came.
    QList<Call> calls(const QString& sOperation) const;
    // Forgets the calls recorded so far (a long run that reads none of them).
    void clearCalls() { m_lstCalls.clear(); }
    Call lastCall() const { return m_lstCalls.isEmpty() ? Call() : m_lstCalls.last(); }

    static QByteArray soapAnswer(const QString& sOperation, const QString& sReturn, bool bWithReturn = true);
    static QByteArray soapFault(const QString& sText);
    static bool parseCall(const QByteArray& body, Call* pCall);

private:
    TestHttpServer::Answer answer(const TestHttpServer::Request& request);

    TestHttpServer& m_server;
    QMap<QString, QPair<Kind, QString>> m_standing;
    QMap<QString, QList<QPair<Kind, QString>>> m_once;
    QMap<QString, ReturnMaker> m_makers;
    std::function<void(const Call& call)> m_observer;
    QList<Call> m_lstCalls;
};
