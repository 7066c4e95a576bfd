#include "FakeMapService.h"

#include "FakeUpdateService.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

FakeMapService::FakeMapService(TestHttpServer& server) : m_server(server)
{
    m_server.setHandler([this](const TestHttpServer::Request& request) { return answerFor(request); });
}

void FakeMapService::answer(const QString& sType, const QByteArray& document)
{
    m_kinds[sType] = DOCUMENT;
    m_documents[sType] = document;
}

void FakeMapService::answerKind(const QString& sType, Kind eKind)
{
    m_kinds[sType] = eKind;
}

QStringList FakeMapService::types() const
{
    QStringList lst;
    for (const Call& call : m_lstCalls)
        lst.append(call.type());
    return lst;
}

FakeMapService::Package FakeMapService::mapPackage(const QString& sVersion, const QString& sNotes,
                                                   const QString& sUrl, const QString& sChecksum)
{
    return {{"version", sVersion},
            {"size", "1000"},
            {"release_date", "2026-01-02 03:04:05"},
            {"notes", sNotes},
            {"regionid", "7"},
            {"file_url", sUrl},
            {"downloadurl", sUrl},
            {"checksum", sChecksum},
            {"releasenote_url", "http://notes.example/" + sVersion},
            {"credit", "1"},
            {"eshop_url", "http://shop.example/buy"},
            {"payFlag", "0"},
            {"expire", "2027-01-01"}};
}

QByteArray FakeMapService::listDocument(const QList<List>& lists, const QByteArray& extraChildren)
{
    QByteArray document;
    QXmlStreamWriter writer(&document);
    writer.writeStartDocument();
    writer.writeStartElement("response");
    for (const List& list : lists) {
        writer.writeStartElement("updatelist");
        if (!list.sGroup.isNull())
            writer.writeAttribute("group", list.sGroup);
        for (const Package& package : list.packages) {
            writer.writeStartElement("update");
            for (const auto& field : package)
                writer.writeTextElement(field.first, field.second);
            writer.writeEndElement();
        }
        writer.writeEndElement();
    }
    writer.writeCharacters(QString());
    document += extraChildren;
    document += "</response>\n";
    return document;
}

// The same code and error answer as the update service gives.
QByteArray FakeMapService::codeDocument(const QString& sCode, const QString& sError)
{
    return FakeUpdateService::errorDocument(sCode, sError);
}

QByteArray FakeMapService::creditDocument(const QStringList& values)
{
    QByteArray document;
    QXmlStreamWriter writer(&document);
    writer.writeStartDocument();
    writer.writeStartElement("response");
    writer.writeStartElement("credit");
    const QStringList names = {"total", "available", "expired", "firstDate"};
    for (int i = 0; i < names.size() && i < values.size(); ++i)
        writer.writeTextElement(names.at(i), values.at(i));
    writer.writeEndDocument();
    return document;
}

QByteArray FakeMapService::shopDocument(const QList<QStringList>& offers)
{
    QByteArray document;
    QXmlStreamWriter writer(&document);
    writer.writeStartDocument();
    writer.writeStartElement("response");
    writer.writeStartElement("updatelist");
    for (const QStringList& offer : offers) {
        writer.writeStartElement("offer");
        writer.writeTextElement("region", offer.value(0));
        writer.writeTextElement("regionType", offer.value(1));
        writer.writeTextElement("eshopUrl", offer.value(2));
        writer.writeEndElement();
    }
    writer.writeEndDocument();
    return document;
}

QByteArray FakeMapService::languageDocument(const QList<QPair<QString, QString>>& languages)
{
    QByteArray document;
    QXmlStreamWriter writer(&document);
    writer.writeStartDocument();
    writer.writeStartElement("response");
    writer.writeStartElement("updatelist");
    for (const auto& language : languages) {
        writer.writeStartElement("langList");
        writer.writeAttribute("enName", language.first);
        writer.writeCharacters(language.second);
        writer.writeEndElement();
    }
    writer.writeEndDocument();
    return document;
}

FakeMapService::Call FakeMapService::parseCall(const QByteArray& body)
{
    Call call;
    call.rawBody = body;
    QXmlStreamReader reader(body);
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("ZeqMoreUpdate"))
        return call;
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("request"))
        return call;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("param")) {
            const QXmlStreamAttributes attributes = reader.attributes();
            call.params.insert(attributes.value("name").toString(), attributes.value("value").toString());
        }
        reader.skipCurrentElement();
    }
    while (!reader.atEnd())
        reader.readNext();
    call.bParsed = !reader.hasError();
    return call;
}

TestHttpServer::Answer FakeMapService::answerFor(const TestHttpServer::Request& request)
{
    if (request.method != "POST")
        return TestHttpServer::Answer::status(405);
    Call call = parseCall(request.body);
    call.path = request.path();
    m_lstCalls.append(call);
    const QString sType = call.type();
    const QByteArray document = m_documents.value(sType, codeDocument("S00000", ""));
    switch (m_kinds.value(sType, DOCUMENT)) {
    case DOCUMENT:
        return TestHttpServer::Answer::ok(document);
    case GARBAGE:
        return TestHttpServer::Answer::ok("this is <no xml");
    case HTTP_500:
        return TestHttpServer::Answer::status(500, "<html>oops</html>");
    case STALL:
        return TestHttpServer::Answer::stall();
    case CUT:
        return TestHttpServer::Answer::ok(document).closedAfter(document.size() / 2);
    }
    return TestHttpServer::Answer::status(500);
}
