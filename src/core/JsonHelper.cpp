#include "JsonHelper.h"

#include "Escaping.h"

#include <QScriptEngine>
#include <QScriptValueIterator>

namespace
{
QVariant convert(const QScriptValue& value);

QVariantList convertArray(const QScriptValue& array)
{
    QVariantList list;
    const quint32 nLength = array.property("length").toUInt32();
    for (quint32 i = 0; i < nLength; ++i)
        list.append(convert(array.property(i)));
    return list;
}

QVariantMap convertObject(const QScriptValue& object)
{
    QVariantMap map;
    QScriptValueIterator it(object);
    while (it.hasNext()) {
        it.next();
        map.insert(it.name(), convert(it.value()));
    }
    return map;
}

QVariant convert(const QScriptValue& value)
{
    if (value.isArray())
        return convertArray(value);
    if (value.isNumber())
        return value.toNumber();
    if (value.isString())
        return value.toString();
    if (value.isBool())
        return value.toBool();
    if (value.isNull())
        return QVariant();
    if (value.isObject())
        return convertObject(value);
    return QVariant();
}

// Runs JSON.parse in a fresh engine (an engine belongs to the thread that made it).
bool parseValue(QScriptEngine& engine, const QString& sJson, QScriptValue* pResult)
{
    if (!JsonHelper::isWithinDepth(sJson))
        return false;
    QScriptValue parser = engine.evaluate("JSON.parse");
    QScriptValue result = parser.call(QScriptValue(), QScriptValueList() << QScriptValue(sJson));
    if (engine.hasUncaughtException() || result.isError()) {
        engine.clearExceptions();
        return false;
    }
    *pResult = result;
    return true;
}
} // namespace

bool JsonHelper::isWithinDepth(const QString& sJson, int nMaxDepth)
{
    int nDepth = 0;
    bool bInString = false;
    bool bEscaped = false;
    for (const QChar c : sJson) {
        if (bInString) {
            if (bEscaped)
                bEscaped = false;
            else if (c == '\\')
                bEscaped = true;
            else if (c == '"')
                bInString = false;
        } else if (c == '"') {
            bInString = true;
        } else if (c == '[' || c == '{') {
            if (++nDepth > nMaxDepth)
                return false;
        } else if (c == ']' || c == '}') {
            --nDepth;
        }
    }
    return true;
}

QVariantMap JsonHelper::parse(const QString& sJson, bool* pOk) const
{
    QScriptEngine engine;
    QScriptValue result;
    const bool bOk = parseValue(engine, sJson, &result) && result.isObject();
    if (pOk)
        *pOk = bOk;
    if (!bOk)
        return QVariantMap();
    if (!result.isArray())
        return convertObject(result);
    // The array's own properties as a map: indexes as keys, plus its length.
    QVariantMap map;
    const QVariantList list = convertArray(result);
    for (int i = 0; i < list.size(); ++i)
        map.insert(QString::number(i), list.at(i));
    map.insert("length", double(list.size()));
    return map;
}

QVariantList JsonHelper::parseArray(const QString& sJson, bool* pOk) const
{
    QScriptEngine engine;
    QScriptValue result;
    const bool bOk = parseValue(engine, sJson, &result) && result.isArray();
    if (pOk)
        *pOk = bOk;
    return bOk ? convertArray(result) : QVariantList();
}

QString JsonHelper::object(const Fields& fields)
{
    QString sOut = "{";
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            sOut += ',';
        sOut += '"' + Escaping::jsonString(fields.at(i).first) + "\":\"" +
                Escaping::jsonString(fields.at(i).second) + '"';
    }
    return sOut + '}';
}

QString JsonHelper::fill(const QString& sTemplate, const QStringList& values)
{
    return Escaping::fillJson(sTemplate, values);
}
