#pragma once

#include <QTabBar>

// The signed-in page's tab bar: fixed tab sizes and tabs painted from pictures (background, icon and a
// centred text). The widths fill the 800-pixel bar exactly: 3 x 266 without the map tab, and with it
// 3 x 205 plus 185 for the brand-logo tab, so the logo tab never hides behind scroll arrows.
class TestTabBar : public QTabBar
{
public:
    explicit TestTabBar(QWidget* pParent = nullptr);

    static const int TAB_HEIGHT = 60;
    static const int TAB_WIDTH = 266;
    static const int MAP_TAB_WIDTH = 205;
    static const int MAP_LOGO_TAB_WIDTH = 185;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    QSize tabSizeHint(int index) const override;

private:
    void paintTab(QPainter& painter, int nIndex);
};
