#include "Escaping.h"

#include <QUrl>

QString Escaping::xml(const QString& sValue)
{
    QString sOut;
    sOut.reserve(sValue.size());
    for (const QChar c : sValue) {
        switch (c.unicode()) {
        case '&': sOut += QLatin1String("&amp;"); break;
        case '<': sOut += QLatin1String("&lt;"); break;
        case '>': sOut += QLatin1String("&gt;"); break;
        default: sOut += c;
        }
    }
    return sOut;
}

QString Escaping::xmlAttribute(const QString& sValue)
{
    return xml(sValue).replace('"', QLatin1String("&quot;")).replace('\'', QLatin1String("&apos;"));
}

QString Escaping::jsonString(const QString& sValue)
{
    QString sOut;
    sOut.reserve(sValue.size());
    for (const QChar c : sValue) {
        const ushort u = c.unicode();
        switch (u) {
        case '"':
            sOut += QLatin1String("\\\"");
            break;
        case '\\':
            sOut += QLatin1String("\\\\");
            break;
        case '\n':
            sOut += QLatin1String("\\n");
            break;
        case '\r':
            sOut += QLatin1String("\\r");
            break;
        case '\t':
            sOut += QLatin1String("\\t");
            break;
        case '\b':
            sOut += QLatin1String("\\b");
            break;
        case '\f':
            sOut += QLatin1String("\\f");
            break;
        default:
            if (u < 0x20 || u == 0x2028 || u == 0x2029)
                sOut += QString("\\u%1").arg(u, 4, 16, QChar('0'));
            else
                sOut += c;
        }
    }
    return sOut;
}

QString Escaping::url(const QString& sValue)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(sValue));
}

QString Escaping::fill(const QString& sTemplate, const QStringList& values, Escaper escaper)
{
    QString sOut;
    sOut.reserve(sTemplate.size() + 16 * values.size());
    const int nCount = values.size();
    for (int i = 0; i < sTemplate.size(); ++i) {
        const QChar c = sTemplate.at(i);
        if (c != '%' || i + 1 >= sTemplate.size() || !sTemplate.at(i + 1).isDigit()) {
            sOut += c;
            continue;
        }
        int nIndex = sTemplate.at(i + 1).digitValue();
        int nLength = 1;
        if (i + 2 < sTemplate.size() && sTemplate.at(i + 2).isDigit()) {
            const int nTwo = nIndex * 10 + sTemplate.at(i + 2).digitValue();
            if (nTwo >= 1 && nTwo <= nCount) {
                nIndex = nTwo;
                nLength = 2;
            }
        }
        if (nIndex >= 1 && nIndex <= nCount) {
            sOut += escaper(values.at(nIndex - 1));
            i += nLength;
        } else {
            sOut += c;
        }
    }
    return sOut;
}
