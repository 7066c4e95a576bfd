#pragma once

#include "core/ActionStatus.h"
#include "core/Worker.h"

#include <QDateTime>
#include <QString>
#include <QWidget>

#include <memory>

class QLabel;
class ZeqAgentCtrlMgr;
namespace Ui
{
class MapUpgragePremiumWidget;
}

// The content of the Map Management tab: the device's map kinds with their date codes, the country group
// and countries its maps cover (in the interface language), whether a map update is available, and the
// shop's offer, the premium service with its expiry or add-on maps, with Purchase and a refresh. A
// complete group puts the page in premium mode, otherwise in add-on mode.
class MapUpgragePremiumWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MapUpgragePremiumWidget(QWidget* pParent = nullptr);
    ~MapUpgragePremiumWidget() override;

    // The expiry of a premium service that started at sFirstDate ("yyyy-MM-dd HH:mm:ss"): one year later;
    // invalid when the text is no such moment.
    static QDateTime premiumExpiry(const QString& sFirstDate);
    // The list bubble's size and point size for a group of nCount countries.
    static QSize bubbleSize(int nCount, int* pPointSize);

public slots:
    void slotMapStatus(ACTION_STATUS status, QString sResult);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

private slots:
    void slotCheck();
    void slotPurchaseBtn();
    void doQueryAddMap();
    void doAddMapSync();

private:
    void GetCountryList();
    void SetStyle();
    void setDateLines();
    void doProcUpdateCheck();
    void showPremiumInfo();
    bool procQueryAddMap();
    bool isPremiumExpired();
    void showMsg(int nKind);
    // The page's texts in the current language, what it shows left as it is.
    void retranslateTexts();
    void setFixedTexts();
    void setUpdateStatus(const char* szStatus);
    void setUpdateButton(const char* szCaption);
    void setNotice(const char* szNotice, const QString& sDate = QString());
    bool isDriveDevice() const;
    QLabel* bubbleOf(QObject* pButton) const;

    ZeqAgentCtrlMgr* m_pCtrlMgr;
    int m_nDevFamily = 0;
    bool m_bDevicePresent = false;
    Worker::DEVINFO m_devInfo;
    QString m_sDrive; // the device's first drive root
    std::unique_ptr<Ui::MapUpgragePremiumWidget> m_pUi;
    QString m_strCountryList;
    QString m_strCurGroupName;
    int m_nGroupCountryCount = 0;
    bool m_bGroupComplete = false;
    QString m_strNotice;
    bool m_bNoticeBusy = false;
    QString m_strUpdateBtnText;
    // The English sources of the texts that change with what happens, so that a language change can
    // say the same again: the kept and the shown caption of the Update button, the update line, the
    // premium notice (and the date that follows it).
    const char* m_szUpdateBtnText = nullptr;
    const char* m_szShownUpdateBtn = nullptr;
    const char* m_szUpdateStatus = nullptr;
    const char* m_szNotice = nullptr;
    QString m_sNoticeDate;
};
