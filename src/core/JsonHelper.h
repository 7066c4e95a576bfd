#pragma once

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// JSON text to Qt variants through the script engine's own JSON parser, and request texts built safely.
// Objects become maps, arrays lists, numbers doubles, strings texts, null an invalid variant and
// true/false booleans. A top-level array becomes a map keyed "0", "1", ... plus "length".
class JsonHelper
{
public:
    JsonHelper() = default;

    // The deepest nesting of arrays and objects parsed. The engine's parser and the conversion walk the
    // value by recursion, so a text nested tens of thousands deep would overflow the stack; real texts
    // nest two or three levels. A deeper text is no JSON.
    static constexpr int MAX_DEPTH = 64;
    // True when the brackets outside strings nest no deeper than nMaxDepth.
    static bool isWithinDepth(const QString& sJson, int nMaxDepth = MAX_DEPTH);

    // Text that is not JSON gives an empty map (and *pOk false).
    QVariantMap parse(const QString& sJson, bool* pOk = nullptr) const;
    // The elements of a top-level JSON array; anything else gives an empty list and *pOk false.
    QVariantList parseArray(const QString& sJson, bool* pOk = nullptr) const;

    using Fields = QList<QPair<QString, QString>>;
    // {"k1":"v1","k2":"v2"} in the given order, every key and value escaped. Plain values give exactly
    // the text of the matching fixed template.
    static QString object(const Fields& fields);
    // Fills a fixed JSON template's %1..%n with escaped string values, in one pass.
    static QString fill(const QString& sTemplate, const QStringList& values);
};
