#include "WorkFile.h"

#include "SafeFile.h"

#include <QFile>

QString WorkFile::encodeField(const QString& sField)
{
    QString sOut;
    sOut.reserve(sField.size());
    for (const QChar c : sField) {
        switch (c.unicode()) {
        case '%':
            sOut += QLatin1String("%25");
            break;
        case ';':
            sOut += QLatin1String("%3B");
            break;
        case '\n':
            sOut += QLatin1String("%0A");
            break;
        case '\r':
            sOut += QLatin1String("%0D");
            break;
        default:
            sOut += c;
        }
    }
    return sOut;
}

QString WorkFile::decodeField(const QString& sField)
{
    if (!sField.contains('%'))
        return sField;
    QString sOut;
    sOut.reserve(sField.size());
    for (int i = 0; i < sField.size(); ++i) {
        const QStringRef code = sField.midRef(i, 3);
        if (code == QLatin1String("%25")) {
            sOut += '%';
        } else if (code.compare(QLatin1String("%3B"), Qt::CaseInsensitive) == 0) {
            sOut += ';';
        } else if (code.compare(QLatin1String("%0A"), Qt::CaseInsensitive) == 0) {
            sOut += '\n';
        } else if (code.compare(QLatin1String("%0D"), Qt::CaseInsensitive) == 0) {
            sOut += '\r';
        } else {
            sOut += sField.at(i);
            continue;
        }
        i += 2;
    }
    return sOut;
}

QString WorkFile::joinRow(const Row& fields)
{
    QStringList encoded;
    encoded.reserve(fields.size());
    for (const QString& sField : fields)
        encoded.append(encodeField(sField));
    return encoded.join(';');
}

WorkFile::Row WorkFile::splitRow(const QString& sLine)
{
    Row fields = sLine.split(';', Qt::KeepEmptyParts);
    for (QString& sField : fields)
        sField = decodeField(sField);
    return fields;
}

bool WorkFile::readText(const QString& sPath, QString* pText)
{
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *pText = QString::fromUtf8(file.readAll());
    return true;
}

bool WorkFile::writeBytes(const QString& sPath, const QByteArray& bytes)
{
    return SafeFile::write(sPath, bytes);
}

bool WorkFile::writeText(const QString& sPath, const QString& sText)
{
    return writeBytes(sPath, sText.toUtf8());
}

bool WorkFile::readRows(const QString& sPath, QList<Row>* pRows)
{
    QString sText;
    if (!readText(sPath, &sText))
        return false;
    pRows->clear();
    const QStringList lines = sText.split('\n');
    for (QString sLine : lines) {
        if (sLine.endsWith('\r'))
            sLine.chop(1);
        if (!sLine.isEmpty())
            pRows->append(splitRow(sLine));
    }
    return true;
}

bool WorkFile::writeRows(const QString& sPath, const QList<Row>& rows)
{
    QString sText;
    for (const Row& row : rows)
        sText += joinRow(row) + '\n';
    return writeText(sPath, sText);
}

bool WorkFile::appendRow(const QString& sPath, const Row& fields)
{
    QList<Row> rows;
    if (QFile::exists(sPath) && !readRows(sPath, &rows))
        return false;
    rows.append(fields);
    return writeRows(sPath, rows);
}

bool WorkFile::takeFirstRow(const QString& sPath, Row* pFirst)
{
    QList<Row> rows;
    if (!readRows(sPath, &rows) || rows.isEmpty())
        return false;
    *pFirst = rows.takeFirst();
    return writeRows(sPath, rows);
}
