#include "PasswordScrambler.h"

#include <QByteArray>

QString PasswordScrambler::scramble(const QString& sText)
{
    for (const QChar c : sText) {
        if (c.unicode() > 0xFF)
            return QString();
    }
    QByteArray clear = sText.toLatin1();
    if (clear.size() % 2 != 0)
        clear.append('0');
    QByteArray scrambled(clear.size(), '\0');
    for (int i = 0; i < clear.size(); i += 2) {
        scrambled[i] = char(quint8(clear.at(i + 1)) - 1);
        scrambled[i + 1] = char(quint8(clear.at(i)) - 1);
    }
    return QString::fromLatin1(scrambled.toBase64());
}

QString PasswordScrambler::unscramble(const QString& sText)
{
    for (const QChar c : sText) {
        if (c.unicode() > 0x7F) // Base64 is plain ASCII: anything else was never written by us
            return QString();
    }
    const QByteArray::FromBase64Result decoded =
        QByteArray::fromBase64Encoding(sText.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return QString();
    QByteArray scrambled = *decoded;
    const int nZero = scrambled.indexOf('\0');
    if (nZero >= 0)
        scrambled.truncate(nZero);
    if (scrambled.isEmpty() || scrambled.size() % 2 != 0)
        return QString();
    QByteArray clear(scrambled.size(), '\0');
    for (int i = 0; i < scrambled.size(); i += 2) {
        clear[i] = char(quint8(scrambled.at(i + 1)) + 1);
        clear[i + 1] = char(quint8(scrambled.at(i)) + 1);
    }
    if (clear.contains('\0')) // a code of 255 was scrambled: not something scramble() writes
        return QString();
    return QString::fromLatin1(clear);
}
