#pragma once

#include "controller/LanguageTable.h"

#include <QStringList>
#include <QtGlobal>

// The languages the translation tests check: every code of the chooser but English, or those named in
// WENDO_TRANSLATED (e.g. "de,fr" or "zh_tw") while one is being worked on. A name that is no code of the
// chooser stops the test: a misspelt code would otherwise check nothing and pass.
inline QStringList translatedCodes()
{
    const QStringList known = LanguageTable::codes();
    QStringList wanted;
    for (QString sCode : QString::fromLocal8Bit(qgetenv("WENDO_TRANSLATED")).split(',', Qt::SkipEmptyParts)) {
        sCode = sCode.trimmed().toLower().replace('_', '-');
        if (!known.contains(sCode))
            qFatal("WENDO_TRANSLATED names \"%s\", which is no language code (codes: %s)", qPrintable(sCode),
                   qPrintable(known.join(',')));
        wanted.append(sCode);
    }
    QStringList codes;
    for (const QString& sCode : known) {
        if (sCode != "en" && (wanted.isEmpty() || wanted.contains(sCode)))
            codes.append(sCode);
    }
    return codes;
}
