#include "IniText.h"

#include <QDataStream>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

namespace
{
const char HEX[] = "0123456789ABCDEF";

bool isHexDigit(uint ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

bool isPlainKeyChar(uint ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' ||
           ch == '-' || ch == '.';
}

// Values the library keeps as their own types are written in its "@Type(...)" notation.
QString streamedValue(const QVariant& value)
{
    const bool bDateTime = value.type() == QVariant::DateTime;
    QByteArray data;
    {
        QDataStream stream(&data, QIODevice::WriteOnly);
        stream.setVersion(bDateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
        stream << value;
    }
    return QLatin1String(bDateTime ? "@DateTime(" : "@Variant(") +
           QLatin1String(data.constData(), data.size()) + QLatin1Char(')');
}
} // namespace

QByteArray IniText::escapedKey(const QString& sKey)
{
    QByteArray out;
    for (const QChar c : sKey) {
        const uint ch = c.unicode();
        if (ch == '/') {
            out += '\\';
        } else if (isPlainKeyChar(ch)) {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += HEX[ch / 16];
            out += HEX[ch % 16];
        } else {
            out += "%U";
            out += HEX[(ch >> 12) & 0xF];
            out += HEX[(ch >> 8) & 0xF];
            out += HEX[(ch >> 4) & 0xF];
            out += HEX[ch & 0xF];
        }
    }
    return out;
}

QString IniText::valueText(const QVariant& value)
{
    switch (value.type()) {
    case QVariant::Invalid:
        return QLatin1String("@Invalid()");
    case QVariant::ByteArray: {
        const QByteArray bytes = value.toByteArray();
        return QLatin1String("@ByteArray(") + QLatin1String(bytes.constData(), bytes.size()) +
               QLatin1Char(')');
    }
    case QVariant::String:
    case QVariant::LongLong:
    case QVariant::ULongLong:
    case QVariant::Int:
    case QVariant::UInt:
    case QVariant::Bool:
    case QVariant::Double: {
        const QString sText = value.toString();
        if (sText.contains(QChar::Null))
            return QLatin1String("@String(") + sText + QLatin1Char(')');
        return sText.startsWith('@') ? QLatin1Char('@') + sText : sText;
    }
    case QVariant::Rect: {
        const QRect r = value.toRect();
        return QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
    }
    case QVariant::Size: {
        const QSize s = value.toSize();
        return QString::asprintf("@Size(%d %d)", s.width(), s.height());
    }
    case QVariant::Point: {
        const QPoint p = value.toPoint();
        return QString::asprintf("@Point(%d %d)", p.x(), p.y());
    }
    default:
        return streamedValue(value);
    }
}

void IniText::appendEscaped(const QString& sText, QByteArray* pOut)
{
    // Streamed values are Latin-1 bytes: every byte above 0x7E is written as a hex escape, not as UTF-8.
    const bool bUtf8 =
        !sText.startsWith(QLatin1String("@ByteArray(")) && !sText.startsWith(QLatin1String("@Variant("));
    const int nStart = pOut->size();
    bool bQuote = false;
    bool bEscapeHexDigit = false; // a hex digit after a numeric escape would extend it
    for (int i = 0; i < sText.size(); ++i) {
        const uint ch = sText.at(i).unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            bQuote = true;
        if (bEscapeHexDigit && isHexDigit(ch)) {
            *pOut += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        bEscapeHexDigit = false;
        switch (ch) {
        case '\0':
            *pOut += "\\0";
            bEscapeHexDigit = true;
            break;
        case '\a':
            *pOut += "\\a";
            break;
        case '\b':
            *pOut += "\\b";
            break;
        case '\f':
            *pOut += "\\f";
            break;
        case '\n':
            *pOut += "\\n";
            break;
        case '\r':
            *pOut += "\\r";
            break;
        case '\t':
            *pOut += "\\t";
            break;
        case '\v':
            *pOut += "\\v";
            break;
        case '"':
        case '\\':
            *pOut += '\\';
            *pOut += char(ch);
            break;
        default:
            if (ch <= 0x1F || (ch >= 0x7F && !bUtf8)) {
                *pOut += "\\x" + QByteArray::number(ch, 16);
                bEscapeHexDigit = true;
            } else if (bUtf8) {
                // A character beyond the basic plane is a surrogate pair: encoded together, never apart.
                const bool bPair =
                    QChar::isHighSurrogate(ch) && i + 1 < sText.size() && sText.at(i + 1).isLowSurrogate();
                *pOut += sText.mid(i, bPair ? 2 : 1).toUtf8();
                if (bPair)
                    ++i;
            } else {
                *pOut += char(ch);
            }
        }
    }
    if (bQuote || (pOut->size() > nStart && (pOut->at(nStart) == ' ' || pOut->endsWith(' ')))) {
        pOut->insert(nStart, '"');
        *pOut += '"';
    }
}

QByteArray IniText::escapedValue(const QVariant& value)
{
    QByteArray out;
    const bool bList = value.type() == QVariant::StringList ||
                       (value.type() == QVariant::List && value.toList().size() != 1);
    if (!bList) {
        appendEscaped(valueText(value), &out);
        return out;
    }
    const QVariantList items = value.toList();
    if (items.isEmpty())
        return "@Invalid()";
    for (int i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += ", ";
        appendEscaped(valueText(items.at(i)), &out);
    }
    return out;
}

QByteArray IniText::sectionLine(const QString& sSection)
{
    const QByteArray name = escapedKey(sSection);
    if (name.isEmpty())
        return "[General]\n";
    if (qstricmp(name.constData(), "general") == 0)
        return "[%General]\n";
    return '[' + name + "]\n";
}

QByteArray IniText::write(const Values& values)
{
    QMap<QString, QMap<QString, QVariant>> sections;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        const int nSlash = it.key().indexOf('/');
        const QString sSection = nSlash < 0 ? QString() : it.key().left(nSlash);
        sections[sSection].insert(it.key().mid(nSlash + 1), it.value());
    }
    QByteArray out;
    for (auto section = sections.constBegin(); section != sections.constEnd(); ++section) {
        if (!out.isEmpty())
            out += '\n';
        out += sectionLine(section.key());
        for (auto it = section.value().constBegin(); it != section.value().constEnd(); ++it)
            out += escapedKey(it.key()) + '=' + escapedValue(it.value()) + '\n';
    }
    return out;
}
