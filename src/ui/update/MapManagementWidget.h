#pragma once

#include <QWidget>

#include <memory>

class QVBoxLayout;
class MapUpgragePremiumWidget;
class ZeqAgentCtrlMgr;
namespace Ui
{
class MapManagementWidget;
}

// The Map Management tab: a scroll area holding the map view. Asks the shop for the device's offer when
// it is built; the answer reaches the view.
class MapManagementWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MapManagementWidget(QWidget* pParent = nullptr);
    ~MapManagementWidget() override;

    // Replaces the view; only style 2 has one.
    void SetLayoutStyle(int nStyle);
    void chkLayoutStyle();
    MapUpgragePremiumWidget* view() const { return m_pView; }

private:
    std::unique_ptr<Ui::MapManagementWidget> m_pUi;
    ZeqAgentCtrlMgr* m_pCtrlMgr;
    MapUpgragePremiumWidget* m_pView = nullptr;
    QVBoxLayout* m_pViewLayout = nullptr;
    QWidget* m_pContent = nullptr;
};
