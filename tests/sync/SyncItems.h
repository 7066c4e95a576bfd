#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

// Work-list items as the sharing service writes them in its getRouteSyncList answer.
namespace SyncItems
{
inline QString item(const QString& sAction, const QString& sHash, const QString& sTitle = QString(),
                    const QString& sUrl = QString())
{
    QJsonObject object;
    object.insert("o_action", sAction);
    object.insert("o_hash", sHash);
    if (!sTitle.isNull())
        object.insert("o_title", sTitle);
    if (!sUrl.isNull())
        object.insert("o_url", sUrl);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}
} // namespace SyncItems
