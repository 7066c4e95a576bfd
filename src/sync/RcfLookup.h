#pragma once

#include <QList>
#include <QString>

// The ride catalogue "RCF.txt" as the queue reads it: each node's text exactly as the catalogue holds it
// (sent again as an upload's metadata), its hash and its file's location. Read once per queue.
class RcfLookup
{
public:
    struct Node {
        QString sText;
        QString sHash;
        QString sLocation;
    };

    // False when the file cannot be read or is not a JSON array of objects; an empty file is an empty
    // catalogue.
    bool load(const QString& sPath);
    // The first node carrying the hash, or null.
    const Node* find(const QString& sHash) const;

    // The texts of the objects at the top level of a JSON array, strings and escapes respected.
    static QStringList objectTexts(const QString& sArray);

private:
    QList<Node> m_nodes;
};
