#pragma once

#include "TestHttpServer.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

// The map service on a TestHttpServer: the map-update, shop and language actions. Every request body is
// read with a real XML reader and recorded with its params as the service sees them (entities
// resolved). Answers are scripted per request type ("ZeqMoreDeviceMapData", ...): a document, garbage,
// an HTTP 500, a stall or a cut answer; a type without a script answers a bare "S00000".
class FakeMapService
{
public:
    enum Kind { DOCUMENT, GARBAGE, HTTP_500, STALL, CUT };

    // One package: its child elements in order (name, text).
    using Package = QList<QPair<QString, QString>>;
    // One "updatelist": its group attribute (null for none) and its packages.
    struct List {
        QString sGroup;
        QList<Package> packages;
    };

    struct Call {
        QByteArray path;
        bool bParsed = false;          // well-formed ZeqMoreUpdate/request with params
        QMap<QString, QString> params; // name -> value, "type" included
        QByteArray rawBody;
        QString type() const { return params.value("type"); }
    };

    explicit FakeMapService(TestHttpServer& server);

    QString mapUpdateUrl() const { return m_server.url("/KorvoAgentMapUpdate/ZeqmoreMapUpdate.action"); }
    QString eshopUrl() const { return m_server.url("/KorvoAgentMapUpdate/Eshop.action"); }
    QString languageUrl() const { return m_server.url("/KorvoAgentMapUpdate/ZeqmoreUtility.action"); }

    void answer(const QString& sType, const QByteArray& document);
    void answerKind(const QString& sType, Kind eKind);

    QList<Call> calls() const { return m_lstCalls; }
    QStringList types() const;

    // A map package with the fields the readers take; further elements may be appended.
    static Package mapPackage(const QString& sVersion, const QString& sNotes, const QString& sUrl,
                              const QString& sChecksum);
    static QByteArray listDocument(const QList<List>& lists, const QByteArray& extraChildren = QByteArray());
    static QByteArray codeDocument(const QString& sCode, const QString& sError);
    // "credit" with total, available, expired and firstDate.
    static QByteArray creditDocument(const QStringList& values);
    // The shop's offers: (region, regionType, eshopUrl) each.
    static QByteArray shopDocument(const QList<QStringList>& offers);
    // "langList" elements (enName, text) below the list.
    static QByteArray languageDocument(const QList<QPair<QString, QString>>& languages);
    static Call parseCall(const QByteArray& body);

private:
    TestHttpServer::Answer answerFor(const TestHttpServer::Request& request);

    TestHttpServer& m_server;
    QMap<QString, QByteArray> m_documents;
    QMap<QString, Kind> m_kinds;
    QList<Call> m_lstCalls;
};
