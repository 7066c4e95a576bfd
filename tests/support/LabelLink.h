#pragma once

#include <QLabel>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>

// The address a rich-text label's first link points at, read from the label's text as a click would hand
// it on ("" when the label has no link).
inline QString linkOf(const QLabel* pLabel)
{
    QTextDocument doc;
    doc.setHtml(pLabel->text());
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isAnchor())
                return it.fragment().charFormat().anchorHref();
        }
    }
    return QString();
}
