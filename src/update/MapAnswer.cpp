#include "MapAnswer.h"

#include "net/XMLParserBase.h"

#include <QDomNodeList>
#include <QFileInfo>

bool MapAnswer::load(const QString& sPath, QDomDocument* pDoc)
{
    const QFileInfo info(sPath);
    if (!info.isFile() || info.size() > ANSWER_LIMIT)
        return false;
    return XMLParserBase::loadDocument(sPath, pDoc);
}

QList<QDomElement> MapAnswer::elements(const QDomElement& parent)
{
    QList<QDomElement> lst;
    for (QDomElement child = parent.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        lst.append(child);
    return lst;
}

QList<QDomElement> MapAnswer::descendants(const QDomElement& parent, const QString& sName)
{
    QList<QDomElement> lst;
    const QDomNodeList nodes = parent.elementsByTagName(sName);
    for (int i = 0; i < nodes.size(); ++i)
        lst.append(nodes.at(i).toElement());
    return lst;
}
