// Draws every picture the agent compiles in. Plain shapes and text only, so the whole set can be
// redrawn from this file. Usage: drawpictures <output folder>

#include "ProgramIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace
{
const QColor TEXT(0x37, 0x37, 0x37);
const QColor ORANGE(0xe7, 0x6d, 0x25);
const QColor ORANGE_LIGHT(0xf3, 0x8f, 0x4f);
const QColor ORANGE_DARK(0xc9, 0x55, 0x14);
const QColor GREY_LINE(0xb4, 0xb5, 0xb5);
const QColor GREY_TEXT(0x88, 0x88, 0x89);
const QColor BLUE(0x1d, 0xa9, 0xd8);
const QColor GREEN(0x3f, 0xa3, 0x4d);

QString g_sOutDir;
int g_nFailures = 0;

void save(const QString& sName, const QImage& image)
{
    const QString sPath = g_sOutDir + "/" + sName;
    if (!image.save(sPath, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(sPath));
        ++g_nFailures;
    }
}

QImage draw(int nWidth, int nHeight, const std::function<void(QPainter&)>& paint)
{
    QImage image(nWidth, nHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter);
    return image;
}

QFont font(int nPixels, bool bBold = false)
{
    QFont f("DejaVu Sans");
    f.setPixelSize(nPixels);
    f.setBold(bBold);
    return f;
}

QLinearGradient vertical(int nHeight, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(0, 0, 0, nHeight);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

// A rounded button face; border images stretch it, so the corners stay small.
QImage buttonFace(int nWidth, int nHeight, const QColor& top, const QColor& bottom, const QColor& border)
{
    return draw(nWidth, nHeight, [&](QPainter& p) {
        p.setPen(QPen(border, 1));
        p.setBrush(vertical(nHeight, top, bottom));
        p.drawRoundedRect(QRectF(0.5, 0.5, nWidth - 1, nHeight - 1), 5, 5);
        p.setPen(QPen(QColor(255, 255, 255, 70), 1));
        p.drawLine(QPointF(5, 1.5), QPointF(nWidth - 5, 1.5));
    });
}

QImage programIcon(int nSize)
{
    return draw(nSize, nSize, [&](QPainter& p) { ProgramIcon::paint(p, nSize); });
}

void paintWordmark(QPainter& p, const QRectF& rect, int nPixels, const QString& sFirst, const QColor& first,
                   const QString& sSecond, const QColor& second, Qt::Alignment align)
{
    const QFont bold = font(nPixels, true);
    const QFont light = font(nPixels, false);
    const qreal rFirst = QFontMetricsF(bold).horizontalAdvance(sFirst);
    const qreal rSecond = QFontMetricsF(light).horizontalAdvance(sSecond);
    qreal rX = rect.left();
    if (align & Qt::AlignHCenter)
        rX = rect.center().x() - (rFirst + rSecond) / 2;
    const QFontMetricsF metrics(bold);
    const qreal rBaseline = rect.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    p.setFont(bold);
    p.setPen(first);
    p.drawText(QPointF(rX, rBaseline), sFirst);
    p.setFont(light);
    p.setPen(second);
    p.drawText(QPointF(rX + rFirst, rBaseline), sSecond);
}

void drawBackgrounds()
{
    const auto background = [](int nWidth, int nHeight) {
        return draw(nWidth, nHeight, [&](QPainter& p) {
            p.fillRect(0, 0, nWidth, nHeight,
                       vertical(nHeight, QColor(0xfb, 0xfb, 0xfb), QColor(0xec, 0xed, 0xed)));
            // A faint wheel in the lower right corner.
            QColor faint = ORANGE;
            faint.setAlpha(9);
            ProgramIcon::paintWheel(p, QPointF(nWidth * 0.88, nHeight * 0.9), nHeight * 0.42, faint, true);
        });
    };
    save("background.png", background(800, 600));
    save("background_page.png", background(800, 433));
    save("footer-bg.png", draw(800, 61, [](QPainter& p) {
             p.fillRect(0, 0, 800, 61, vertical(61, QColor(0xf2, 0xf2, 0xf2), QColor(0xe1, 0xe2, 0xe2)));
             p.setPen(QPen(QColor(0xcf, 0xd0, 0xd0), 1));
             p.drawLine(QPointF(0, 0.5), QPointF(800, 0.5));
         }));
    save("header-bg.png", draw(800, 46, [](QPainter& p) {
             p.fillRect(0, 0, 800, 46, vertical(46, QColor(0x3b, 0x40, 0x45), QColor(0x29, 0x2d, 0x31)));
             p.fillRect(0, 44, 800, 2, ORANGE);
         }));
    save("tabs_bg.png", draw(266, 50, [](QPainter& p) {
             p.fillRect(0, 0, 266, 50, vertical(50, QColor(0xe6, 0xe7, 0xe7), QColor(0xd3, 0xd4, 0xd4)));
             p.setPen(QPen(GREY_LINE, 1));
             p.drawLine(QPointF(0, 49.5), QPointF(266, 49.5));
             p.drawLine(QPointF(265.5, 0), QPointF(265.5, 50));
         }));
}

void drawLogos()
{
    save("logo.png", draw(162, 27, [](QPainter& p) {
             paintWordmark(p, QRectF(0, 0, 162, 27), 20, "Wendo", Qt::white, "Agent", ORANGE_LIGHT,
                           Qt::AlignLeft);
         }));
    save("welcome-logo.png", draw(552, 134, [](QPainter& p) {
             const QImage icon = programIcon(112);
             p.drawImage(QPointF(20, 11), icon);
             paintWordmark(p, QRectF(150, 14, 400, 72), 58, "Wendo", TEXT, "Agent", ORANGE, Qt::AlignLeft);
             p.setFont(font(18));
             p.setPen(GREY_TEXT);
             p.drawText(QRectF(152, 88, 400, 30), Qt::AlignLeft | Qt::AlignVCenter,
                        "Your rides, your routes, your device");
         }));
    const auto brand = [](const QString& sFirst, const QColor& accent) {
        return draw(300, 80, [&](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(accent);
            p.drawEllipse(QPointF(34, 40), 24, 24);
            ProgramIcon::paintWheel(p, QPointF(34, 40), 14, Qt::white, true);
            paintWordmark(p, QRectF(68, 0, 232, 80), sFirst.size() > 4 ? 26 : 34, sFirst, TEXT, "Share",
                          accent, Qt::AlignLeft);
        });
    };
    save("zeq_logo.png", brand("Zeq", ORANGE));
    save("qrv_logo.png", brand("Quorvane", BLUE));
    save("zeqwendo128.png", programIcon(128));
    save("zeqwendo16.png", programIcon(16));
}

void drawButtons()
{
    save("button_n_w.png",
         buttonFace(150, 45, Qt::white, QColor(0xf1, 0xf1, 0xf1), QColor(0xc4, 0xc5, 0xc5)));
    save("button_h_w.png",
         buttonFace(150, 45, QColor(0x5d, 0x62, 0x67), QColor(0x3c, 0x40, 0x44), QColor(0x2f, 0x32, 0x35)));
    save("button_n_footer.png",
         buttonFace(150, 45, Qt::white, QColor(0xee, 0xee, 0xee), QColor(0xb9, 0xba, 0xba)));
    save("button_h_footer.png",
         buttonFace(150, 45, QColor(0x55, 0x5a, 0x5f), QColor(0x35, 0x39, 0x3d), QColor(0x2a, 0x2d, 0x30)));
    save("Normal_button.png",
         buttonFace(150, 35, QColor(0xf6, 0xf6, 0xf6), QColor(0xda, 0xdb, 0xdb), GREY_LINE));
    save("purchase_2.png", buttonFace(150, 70, ORANGE_LIGHT, ORANGE_DARK, ORANGE_DARK));
    QImage star = buttonFace(150, 35, ORANGE_LIGHT, ORANGE_DARK, ORANGE_DARK);
    {
        QPainter p(&star);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        for (int i = 0; i < 10; ++i) {
            const qreal rRadius = (i % 2) ? 3.5 : 8.0;
            const qreal rAngle = -M_PI / 2 + i * M_PI / 5;
            const QPointF point(16 + rRadius * qCos(rAngle), 17.5 + rRadius * qSin(rAngle));
            i ? path.lineTo(point) : path.moveTo(point);
        }
        path.closeSubpath();
        p.fillPath(path, Qt::white);
    }
    save("purchase_star.png", star);
    QImage refresh = buttonFace(150, 35, QColor(0xf6, 0xf6, 0xf6), QColor(0xda, 0xdb, 0xdb), GREY_LINE);
    {
        QPainter p(&refresh);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(ORANGE, 2.5, Qt::SolidLine, Qt::RoundCap));
        const QRectF arc(66, 8.5, 18, 18);
        p.drawArc(arc, 60 * 16, 280 * 16);
        QPainterPath head;
        head.moveTo(82, 6);
        head.lineTo(86, 13);
        head.lineTo(78, 13);
        head.closeSubpath();
        p.fillPath(head, ORANGE);
    }
    save("refresh_button.png", refresh);
    save("intput_login.png", draw(311, 41, [](QPainter& p) {
             p.setPen(QPen(GREY_LINE, 1));
             p.setBrush(Qt::white);
             p.drawRoundedRect(QRectF(0.5, 0.5, 310, 40), 4, 4);
         }));
}

void paintTick(QPainter& p, const QRectF& box, const QColor& color, qreal rWidth)
{
    QPainterPath tick;
    tick.moveTo(box.left() + box.width() * 0.18, box.top() + box.height() * 0.52);
    tick.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.76);
    tick.lineTo(box.left() + box.width() * 0.84, box.top() + box.height() * 0.26);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(color, rWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

void drawMarks()
{
    const auto checkBox = [](bool bChecked) {
        return draw(20, 20, [&](QPainter& p) {
            p.setPen(QPen(QColor(0x9a, 0x9b, 0x9b), 1));
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(1.5, 1.5, 17, 17), 3, 3);
            if (bChecked)
                paintTick(p, QRectF(2, 2, 16, 16), ORANGE, 2.6);
        });
    };
    save("check-box.png", checkBox(false));
    save("check-box_check.png", checkBox(true));
    const auto radio = [](bool bOn) {
        return draw(20, 20, [&](QPainter& p) {
            p.setPen(QPen(QColor(0x9a, 0x9b, 0x9b), 1));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(10, 10), 8.5, 8.5);
            if (bOn) {
                p.setPen(Qt::NoPen);
                p.setBrush(ORANGE);
                p.drawEllipse(QPointF(10, 10), 4.5, 4.5);
            }
        });
    };
    save("radio.png", radio(false));
    save("radio_h.png", radio(true));
    save("check-icon.png", draw(20, 20, [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(GREEN);
             p.drawEllipse(QPointF(10, 10), 9.5, 9.5);
             paintTick(p, QRectF(3, 3, 14, 14), Qt::white, 2.2);
         }));
    save("i_v.png", draw(16, 16, [](QPainter& p) { paintTick(p, QRectF(1, 1, 14, 14), GREEN, 2.4); }));
    save("close_w.png", draw(12, 12, [](QPainter& p) {
             p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(2, 2), QPointF(10, 10));
             p.drawLine(QPointF(10, 2), QPointF(2, 10));
         }));
    save("drop_arrow.png", draw(12, 8, [](QPainter& p) {
             QPainterPath arrow;
             arrow.moveTo(1, 1.5);
             arrow.lineTo(11, 1.5);
             arrow.lineTo(6, 7);
             arrow.closeSubpath();
             p.fillPath(arrow, QColor(0x55, 0x55, 0x55));
         }));
    save("graybg_info_mark.png", draw(27, 27, [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(0x9a, 0x9b, 0x9b));
             p.drawEllipse(QPointF(13.5, 13.5), 12.5, 12.5);
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(13.5, 7.5), 2, 2);
             p.drawRoundedRect(QRectF(11.8, 11, 3.4, 10), 1.5, 1.5);
         }));
    save("mark_star.png", draw(51, 51, [](QPainter& p) {
             QPainterPath corner;
             corner.moveTo(0, 0);
             corner.lineTo(51, 0);
             corner.lineTo(51, 51);
             corner.closeSubpath();
             p.fillPath(corner, ORANGE);
             QPainterPath star;
             for (int i = 0; i < 10; ++i) {
                 const qreal rRadius = (i % 2) ? 4.5 : 10.0;
                 const qreal rAngle = -M_PI / 2 + i * M_PI / 5;
                 const QPointF point(36 + rRadius * qCos(rAngle), 15 + rRadius * qSin(rAngle));
                 i ? star.lineTo(point) : star.moveTo(point);
             }
             star.closeSubpath();
             p.fillPath(star, Qt::white);
         }));
}

void drawScrollBar()
{
    save("progress_middle.png", draw(10, 20, [](QPainter& p) {
             p.setPen(QPen(QColor(0xa8, 0xa9, 0xa9), 1));
             p.setBrush(vertical(20, QColor(0xd6, 0xd7, 0xd7), QColor(0xc4, 0xc5, 0xc5)));
             p.drawRoundedRect(QRectF(1.5, 0.5, 7, 19), 3, 3);
         }));
    const auto cap = [](bool bUp) {
        return draw(10, 5, [&](QPainter& p) {
            QPainterPath arrow;
            arrow.moveTo(2, bUp ? 4.5 : 0.5);
            arrow.lineTo(8, bUp ? 4.5 : 0.5);
            arrow.lineTo(5, bUp ? 0.5 : 4.5);
            arrow.closeSubpath();
            p.fillPath(arrow, QColor(0x88, 0x88, 0x89));
        });
    };
    save("progress_top.png", cap(true));
    save("progress_bottom.png", cap(false));
}

void paintDevice(QPainter& p, const QColor& color)
{
    p.setPen(QPen(color, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(8, 3, 16, 26), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRect(QRectF(11, 6.5, 10, 11));
    p.drawEllipse(QPointF(12.5, 23.5), 1.5, 1.5);
    p.drawEllipse(QPointF(19.5, 23.5), 1.5, 1.5);
}

void paintMap(QPainter& p, const QColor& color)
{
    QPainterPath folds;
    folds.moveTo(3, 8);
    folds.lineTo(11, 5);
    folds.lineTo(21, 8);
    folds.lineTo(29, 5);
    folds.lineTo(29, 25);
    folds.lineTo(21, 28);
    folds.lineTo(11, 25);
    folds.lineTo(3, 28);
    folds.closeSubpath();
    p.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(folds);
    p.drawLine(QPointF(11, 5), QPointF(11, 25));
    p.drawLine(QPointF(21, 8), QPointF(21, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QPointF(16, 15), 3, 3);
}

void paintGear(QPainter& p, const QColor& color)
{
    const QPointF centre(16, 16);
    QPainterPath gear;
    // Eight teeth: each tooth and each gap spans two corners.
    for (int i = 0; i < 32; ++i) {
        const qreal rRadius = (i / 2) % 2 ? 10.5 : 14.0;
        const qreal rAngle = (i + (i % 2 ? -0.35 : 0.35)) * 2 * M_PI / 32;
        const QPointF point = centre + QPointF(qCos(rAngle), qSin(rAngle)) * rRadius;
        i ? gear.lineTo(point) : gear.moveTo(point);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, 4.5, 4.5);
    p.fillPath(gear.subtracted(hole), color);
}

void drawTabIcons()
{
    const struct {
        const char* szName;
        void (*paint)(QPainter&, const QColor&);
    } ICONS[] = {{"device", paintDevice}, {"map", paintMap}, {"setting", paintGear}};
    for (const auto& icon : ICONS) {
        save(QString("%1_h.png").arg(icon.szName), draw(32, 32, [&](QPainter& p) { icon.paint(p, ORANGE); }));
        save(QString("%1_n.png").arg(icon.szName),
             draw(32, 32, [&](QPainter& p) { icon.paint(p, GREY_TEXT); }));
    }
}

void drawBusyFrames()
{
    for (int nFrame = 1; nFrame <= 6; ++nFrame) {
        save(QString("loading0%1.png").arg(nFrame), draw(20, 20, [&](QPainter& p) {
                 p.setPen(Qt::NoPen);
                 for (int i = 0; i < 6; ++i) {
                     // The bright dot walks clockwise, the two behind it fade.
                     const int nAge = (nFrame - 1 - i + 6) % 6;
                     QColor color = ORANGE;
                     color.setAlpha(nAge == 0 ? 255 : nAge == 1 ? 160 : nAge == 2 ? 100 : 50);
                     const qreal rAngle = -M_PI / 2 + i * M_PI / 3;
                     p.setBrush(color);
                     p.drawEllipse(QPointF(10 + 6.5 * qCos(rAngle), 10 + 6.5 * qSin(rAngle)), 2.4, 2.4);
                 }
             }));
    }
}
} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawpictures <output folder>\n");
        return 2;
    }
    g_sOutDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_sOutDir);
    drawBackgrounds();
    drawLogos();
    drawButtons();
    drawMarks();
    drawScrollBar();
    drawTabIcons();
    drawBusyFrames();
    return g_nFailures ? 1 : 0;
}
