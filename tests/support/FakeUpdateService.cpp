#include "FakeUpdateService.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

FakeUpdateService::FakeUpdateService(TestHttpServer& server) : m_server(server)
{
    m_document = updatesDocument({}, QByteArray());
    m_server.setHandler([this](const TestHttpServer::Request& request) { return answer(request); });
}

void FakeUpdateService::answerUpdates(const QList<Package>& lstPackages, const QByteArray& extraChildren)
{
    m_eKind = UPDATES;
    m_document = updatesDocument(lstPackages, extraChildren);
}

void FakeUpdateService::answerError(const QString& sCode, const QString& sError)
{
    m_eKind = ERROR_CODE;
    m_document = errorDocument(sCode, sError);
}

void FakeUpdateService::answerKind(Kind eKind)
{
    m_eKind = eKind;
}

QByteArray FakeUpdateService::updatesDocument(const QList<Package>& lstPackages,
                                              const QByteArray& extraChildren)
{
    QByteArray document;
    QXmlStreamWriter writer(&document);
    writer.writeStartDocument();
    writer.writeStartElement("response");
    for (const Package& package : lstPackages) {
        writer.writeStartElement("update");
        writer.writeTextElement("package", package.sPackage);
        writer.writeTextElement("date", package.sDate);
        writer.writeTextElement("version", package.sVersion);
        writer.writeTextElement("filesize", package.sFileSize);
        writer.writeTextElement("url", package.sUrl);
        if (package.bWithReleaseNote)
            writer.writeTextElement("releaseNote", package.sReleaseNote);
        writer.writeEndElement();
    }
    writer.writeCharacters(QString());
    document += extraChildren;
    document += "</response>\n";
    return document;
}

QByteArray FakeUpdateService::errorDocument(const QString& sCode, const QString& sError)
{
    QByteArray document;
    QXmlStreamWriter writer(&document);
    writer.writeStartDocument();
    writer.writeStartElement("response");
    writer.writeTextElement("code", sCode);
    writer.writeTextElement("error", sError);
    writer.writeEndElement();
    writer.writeEndDocument();
    return document;
}

FakeUpdateService::Call FakeUpdateService::parseCall(const QByteArray& body)
{
    Call call;
    call.rawBody = body;
    QXmlStreamReader reader(body);
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("device"))
        return call;
    while (reader.readNextStartElement()) {
        const QString sName = reader.name().toString();
        if (sName == "type") {
            const QXmlStreamAttributes attributes = reader.attributes();
            call.versions.insert(attributes.value("name").toString(), attributes.value("version").toString());
            reader.skipCurrentElement();
        } else {
            call.fields.insert(sName, reader.readElementText());
        }
    }
    // Read to the end: a body broken after the fields is no call the service takes.
    while (!reader.atEnd())
        reader.readNext();
    call.bParsed = !reader.hasError();
    return call;
}

TestHttpServer::Answer FakeUpdateService::answer(const TestHttpServer::Request& request)
{
    if (request.method != "POST")
        return TestHttpServer::Answer::status(405);
    m_lstCalls.append(parseCall(request.body));
    switch (m_eKind) {
    case UPDATES:
    case ERROR_CODE:
        return TestHttpServer::Answer::ok(m_document);
    case GARBAGE:
        return TestHttpServer::Answer::ok("this is <no xml");
    case HTTP_500:
        return TestHttpServer::Answer::status(500, "<html>oops</html>");
    case STALL:
        return TestHttpServer::Answer::stall();
    case CUT:
        return TestHttpServer::Answer::ok(m_document).closedAfter(m_document.size() / 2);
    case REDIRECT_WITH_BODY: {
        TestHttpServer::Answer redirect = TestHttpServer::Answer::redirect(302, "/elsewhere");
        redirect.body = m_document;
        return redirect;
    }
    }
    return TestHttpServer::Answer::status(500);
}
