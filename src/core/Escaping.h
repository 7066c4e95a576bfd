#pragma once

#include <QString>
#include <QStringList>

// One escaper per target language. Templates stay letter for letter; only the values put into them are
// escaped, and they are substituted in one pass so a value holding "%2" is never substituted again.
namespace Escaping
{
// &, < and > as entities: safe in element text, where quotes need no escaping (so a value with quotes
// keeps the bytes a plain template fill gives).
QString xml(const QString& sValue);
// Also " and ': safe inside an attribute value.
QString xmlAttribute(const QString& sValue);
// The inside of a JSON string literal (without the surrounding quotes).
QString jsonString(const QString& sValue);
// RFC 3986 percent-encoding of a URL query value ("+", "&", "=" and non-ASCII included).
QString url(const QString& sValue);

using Escaper = QString (*)(const QString&);
// Replaces %1..%99 in sTemplate by the escaped values in one pass; markers without a value stay.
QString fill(const QString& sTemplate, const QStringList& values, Escaper escaper);
inline QString fillXml(const QString& sTemplate, const QStringList& values)
{
    return fill(sTemplate, values, &xml);
}
inline QString fillJson(const QString& sTemplate, const QStringList& values)
{
    return fill(sTemplate, values, &jsonString);
}
} // namespace Escaping
