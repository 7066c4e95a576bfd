// Draws the program icon for the desktop's icon theme: one PNG per size and one scalable SVG, in the
// hicolor layout (<size>x<size>/apps/<name>.png, scalable/apps/<name>.svg).
// Usage: drawicons <output folder> <icon name> <size>...

#include "res/draw/ProgramIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace
{
bool drawPng(const QString& sDir, const QString& sName, int nSize)
{
    const QString sFolder = QString("%1/%2x%2/apps").arg(sDir).arg(nSize);
    QImage image(nSize, nSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        ProgramIcon::paint(painter, nSize);
    }
    return QDir().mkpath(sFolder) && image.save(sFolder + "/" + sName + ".png", "PNG");
}

bool drawSvg(const QString& sDir, const QString& sName)
{
    const int nSize = 256;
    const QString sFolder = sDir + "/scalable/apps";
    if (!QDir().mkpath(sFolder))
        return false;
    QSvgGenerator generator;
    generator.setFileName(sFolder + "/" + sName + ".svg");
    generator.setSize(QSize(nSize, nSize));
    generator.setViewBox(QRect(0, 0, nSize, nSize));
    generator.setTitle("WendoAgent");
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    ProgramIcon::paint(painter, nSize);
    return painter.end();
}
} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: drawicons <output folder> <icon name> <size>...\n");
        return 2;
    }
    const QString sDir = QString::fromLocal8Bit(argv[1]);
    const QString sName = QString::fromLocal8Bit(argv[2]);
    int nFailures = drawSvg(sDir, sName) ? 0 : 1;
    for (int i = 3; i < argc; ++i) {
        const int nSize = QString(argv[i]).toInt();
        if (nSize <= 0 || !drawPng(sDir, sName, nSize))
            ++nFailures;
    }
    if (nFailures)
        std::fprintf(stderr, "drawicons: %d icon(s) not written into %s\n", nFailures, argv[1]);
    return nFailures ? 1 : 0;
}
