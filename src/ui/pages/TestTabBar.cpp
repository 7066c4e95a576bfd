#include "TestTabBar.h"

#include "controller/ZeqAgentCtrlMgr.h"

#include <QIcon>
#include <QPainter>
#include <QStyleOptionTab>
#include <QStylePainter>

TestTabBar::TestTabBar(QWidget* pParent) : QTabBar(pParent) {}

QSize TestTabBar::tabSizeHint(int index) const
{
    if (!ZeqAgentCtrlMgr::getInstance()->isShowMapTab())
        return QSize(TAB_WIDTH, TAB_HEIGHT);
    return QSize(index == count() - 1 ? MAP_LOGO_TAB_WIDTH : MAP_TAB_WIDTH, TAB_HEIGHT);
}

void TestTabBar::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i)
        paintTab(painter, i);
}

void TestTabBar::paintTab(QPainter& painter, int nIndex)
{
    QStyleOptionTab option;
    initStyleOption(&option, nIndex);
    const QIcon icon = option.icon;
    const QString sText = option.text;
    option.icon = QIcon();
    option.text.clear();
    style()->drawControl(QStyle::CE_TabBarTab, &option, &painter, this);

    const QRect rect = option.rect;
    painter.drawPixmap(rect, QPixmap(nIndex == currentIndex() ? ":/background.png" : ":/res/tabs_bg.png"));

    QFont font = painter.font();
    font.setFamily("Arial");
    font.setPointSize(14);
    painter.setFont(font);
    painter.setPen(QColor(55, 55, 55, 255));

    if (nIndex == count() - 1) {
        icon.paint(&painter, rect, Qt::AlignCenter, QIcon::Normal, QIcon::Off);
        return;
    }
    // A 30-pixel icon box, a 5-pixel gap and about 11 pixels a character, centred together.
    const int nMargin = qMax(0, rect.width() / 2 - (11 * sText.length() + 35) / 2);
    const QRect iconBox(QPoint(rect.left() + nMargin, rect.top()),
                        QPoint(rect.left() + nMargin + 29, rect.bottom()));
    icon.paint(&painter, iconBox, Qt::AlignRight | Qt::AlignVCenter, QIcon::Normal, QIcon::Off);
    const QRect textBox(QPoint(rect.left() + nMargin + 34, rect.top()),
                        QPoint(rect.right() - 1, rect.bottom()));
    painter.save();
    painter.setClipRect(textBox);
    painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, sText);
    painter.restore();
}
