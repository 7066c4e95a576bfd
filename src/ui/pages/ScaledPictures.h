#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QWidget;

// The background pictures that labels stretch over a page or a box. A label that scales its picture
// itself keeps a private scaled copy once it is painted (about 1.4 MB for a page-sized label), so every
// page built at a device change paid for its own copies, and so did every page kept while a box was open.
// Here the labels show one scaled copy per picture and size instead, made when the first of them is shown.
// Copies that no label shows any more are kept up to a small budget (the least recently asked for go
// first), so the pages that a device change builds again find theirs instead of scaling them anew.
class ScaledPictures
{
public:
    // Every label inside pRoot that stretches the picture at sPath shows the shared copy at its size from
    // the time it is first shown, and again whenever it is resized.
    static void shareLabels(QWidget* pRoot, const QString& sPath = QStringLiteral(":/background.png"));
    // The picture at sPath scaled to the size in device pixels (smooth, aspect ratio ignored, as a label
    // scales it), with that pixel ratio. The same picture at the same size gives the same picture data.
    static QPixmap scaled(const QString& sPath, const QSize& size, qreal dPixelRatio);

    // The copies kept, and the bytes of those that no label shows (for tests and the benchmark).
    static int keptCount();
    static qint64 unusedBytes();
    // What the copies that no label shows may take together: those of the device's tabs and of the
    // no-device tabs fit, so plugging and unplugging scales nothing anew.
    static constexpr qint64 UNUSED_BUDGET = 4 * 1024 * 1024;
};
