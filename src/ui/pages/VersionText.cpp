#include "VersionText.h"

QString VersionText::romText(const QString& sFirmware, bool bQuorvane)
{
    QString sNumber = sFirmware.section('.', 0, 0);
    if (sNumber.contains('R') || sNumber.contains('V'))
        sNumber.remove(0, 1);
    const QChar cPrefix = bQuorvane ? 'V' : 'R';
    return cPrefix + QString("%1").arg(plainNumber(sNumber), 2, 10, QChar('0'));
}

QString VersionText::softwareText(const QString& sApplication)
{
    if (sApplication.contains('.') || sApplication.size() < 3)
        return sApplication;
    return QString("%1.%2.%3")
        .arg(QString(sApplication.at(0)), QString(sApplication.at(1)), QString(sApplication.at(2)));
}

int VersionText::plainNumber(const QString& sDigits)
{
    for (const QChar c : sDigits) {
        if (c < '0' || c > '9')
            return 0;
    }
    bool bOk = false;
    const int nValue = sDigits.toInt(&bOk);
    return bOk ? nValue : 0;
}
