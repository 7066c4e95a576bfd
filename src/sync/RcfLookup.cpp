#include "RcfLookup.h"

#include "core/JsonHelper.h"
#include "core/WorkFile.h"

bool RcfLookup::load(const QString& sPath)
{
    m_nodes.clear();
    QString sText;
    if (!WorkFile::readText(sPath, &sText))
        return false;
    if (sText.trimmed().isEmpty())
        return true;
    bool bArray = false;
    const QVariantList items = JsonHelper().parseArray(sText, &bArray);
    const QStringList texts = objectTexts(sText);
    if (!bArray || texts.size() != items.size())
        return false;
    for (int i = 0; i < items.size(); ++i) {
        const QVariantMap map = items.at(i).toMap();
        m_nodes.append(
            Node{texts.at(i), map.value("o_hash").toString(), map.value("o_file_location").toString()});
    }
    return true;
}

const RcfLookup::Node* RcfLookup::find(const QString& sHash) const
{
    for (const Node& node : m_nodes) {
        if (node.sHash == sHash)
            return &node;
    }
    return nullptr;
}

QStringList RcfLookup::objectTexts(const QString& sArray)
{
    QStringList texts;
    int nDepth = 0;
    int nStart = -1;
    bool bInString = false;
    for (int i = 0; i < sArray.size(); ++i) {
        const QChar c = sArray.at(i);
        if (bInString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                bInString = false;
            continue;
        }
        if (c == '"') {
            bInString = true;
        } else if (c == '{' || c == '[') {
            if (c == '{' && nDepth == 1)
                nStart = i;
            ++nDepth;
        } else if (c == '}' || c == ']') {
            --nDepth;
            if (c == '}' && nDepth == 1 && nStart >= 0) {
                texts.append(sArray.mid(nStart, i - nStart + 1));
                nStart = -1;
            }
        }
    }
    return texts;
}
