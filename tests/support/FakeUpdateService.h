#pragma once

#include "TestHttpServer.h"

#include <QList>
#include <QMap>
#include <QString>

// The update service's device check on a TestHttpServer: every request body is read with a real XML
// reader and recorded as the service would see it (entities resolved), and the answer is scripted: a
// list of packages, a code and error, garbage, an HTTP 500, a stall, a cut answer, or a 302 that carries
// the list in its body.
class FakeUpdateService
{
public:
    enum Kind { UPDATES, ERROR_CODE, GARBAGE, HTTP_500, STALL, CUT, REDIRECT_WITH_BODY };

    struct Package {
        QString sPackage;
        QString sDate;
        QString sVersion;
        QString sFileSize;
        QString sUrl;
        QString sReleaseNote;
        bool bWithReleaseNote = true;
    };

    struct Call {
        bool bParsed = false;            // the body was well-formed XML with a "device" root
        QMap<QString, QString> fields;   // skuid, checkType, os, uuid, model, acc
        QMap<QString, QString> versions; // type name -> version
        QByteArray rawBody;
    };

    explicit FakeUpdateService(TestHttpServer& server);

    QString checkUrl() const { return m_server.url("/Korvo/UboCheckUpdateServlet"); }

    void answerUpdates(const QList<Package>& lstPackages, const QByteArray& extraChildren = QByteArray());
    void answerError(const QString& sCode, const QString& sError);
    void answerKind(Kind eKind);

    QList<Call> calls() const { return m_lstCalls; }
    Call lastCall() const { return m_lstCalls.isEmpty() ? Call() : m_lstCalls.last(); }

    // The answer document for the packages, with extra raw children after them.
    static QByteArray updatesDocument(const QList<Package>& lstPackages, const QByteArray& extraChildren);
    static QByteArray errorDocument(const QString& sCode, const QString& sError);
    static Call parseCall(const QByteArray& body);

private:
    TestHttpServer::Answer answer(const TestHttpServer::Request& request);

    TestHttpServer& m_server;
    Kind m_eKind = UPDATES;
    QByteArray m_document;
    QList<Call> m_lstCalls;
};
