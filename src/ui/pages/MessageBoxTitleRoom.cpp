#include "MessageBoxTitleRoom.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStyle>

namespace
{
// The frame's window icon and its minimise, maximise and close buttons, plus one more for the space
// around the title: each about as wide as the title bar is high.
const int FRAME_BUTTONS = 5;
// The space a title bar keeps above and below its text.
const int TITLE_BAR_PADDING = 8;
} // namespace

int MessageBoxTitleRoom::widthFor(const QMessageBox* pBox)
{
    // Window managers draw titles in their own font, often bold and never smaller than the
    // application's: the bold form of the font Qt uses for title bars stands in for it.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int nBarHeight = qMax(metrics.height() + TITLE_BAR_PADDING,
                                pBox->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, pBox));
    return metrics.horizontalAdvance(pBox->windowTitle()) + FRAME_BUTTONS * nBarHeight;
}

// The box sets its own fixed size from its layout when shown, so a minimum width of the widget itself
// would be overwritten: a spacer across the layout's columns holds the width instead.
void MessageBoxTitleRoom::apply(QMessageBox* pBox)
{
    auto* pGrid = qobject_cast<QGridLayout*>(pBox->layout());
    if (!pGrid)
        return;
    pGrid->addItem(new QSpacerItem(widthFor(pBox), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                   pGrid->rowCount(), 0, 1, qMax(1, pGrid->columnCount()));
}
