#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QString>

// What every reader of a map-service answer shares: the bounded load of the answer file and the walk
// over element children. Comments, text and processing instructions never count as packages.
class MapAnswer
{
public:
    // The largest answer read; the request thread keeps answers smaller.
    static constexpr qint64 ANSWER_LIMIT = 4 * 1024 * 1024;
    // The most packages a list reader takes from one answer. A device carries a few maps and add-ons; every
    // row taken costs a download and an install later.
    static constexpr int MAX_ROWS = 256;

    // False when the file is no regular file, too large or no well-formed XML.
    static bool load(const QString& sPath, QDomDocument* pDoc);
    // The element children of parent, in document order.
    static QList<QDomElement> elements(const QDomElement& parent);
    // Elements named sName at any depth below parent, in document order.
    static QList<QDomElement> descendants(const QDomElement& parent, const QString& sName);
};
