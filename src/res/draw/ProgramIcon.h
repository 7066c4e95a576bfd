#pragma once

// The program icon: an orange rounded square with a white wheel. Shared by the picture program (the
// compiled-in tray and about pictures) and the icon program (the desktop's icon theme files), so every
// size, bitmap or scalable, shows the same drawing.

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

namespace ProgramIcon
{
inline void paintWheel(QPainter& p, const QPointF& centre, qreal rRadius, const QColor& color, bool bSpokes)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(color, rRadius * 0.16, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(centre, rRadius, rRadius);
    if (bSpokes) {
        p.setPen(QPen(color, qMax<qreal>(1.0, rRadius * 0.05), Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 8; ++i) {
            const qreal rAngle = i * M_PI / 4 + M_PI / 8;
            p.drawLine(centre, centre + QPointF(qCos(rAngle), qSin(rAngle)) * rRadius * 0.9);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(centre, rRadius * 0.2, rRadius * 0.2);
    p.restore();
}

// Paints the icon into the square 0, 0, nSize x nSize; small sizes leave the spokes out.
inline void paint(QPainter& p, int nSize)
{
    const QColor light(0xf3, 0x8f, 0x4f);
    const QColor dark(0xc9, 0x55, 0x14);
    const qreal rMargin = nSize / 16.0;
    const QRectF box(rMargin, rMargin, nSize - 2 * rMargin, nSize - 2 * rMargin);
    QLinearGradient gradient(box.topLeft(), box.bottomRight());
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawRoundedRect(box, nSize / 5.0, nSize / 5.0);
    paintWheel(p, box.center(), box.width() * 0.32, Qt::white, nSize >= 32);
}
} // namespace ProgramIcon
