<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>產品版本</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>發行日期</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent 讓您的 Wendo 碼錶與線上騎乘紀錄保持同步。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>AgentSettings</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>無法儲存設定，磁碟可能已滿。先前儲存的設定維持不變。</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>基本設定</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>登出</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>正在檢查更新</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>正在檢查更新</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>上次連線</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID：</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>註冊日期</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>取消註冊</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>這可能需要一些時間，請稍候，並且不要中斷裝置連線。</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>正在下載……</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>裝置更新</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>韌體 (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>軟體 (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>OSM 地圖更新 (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>TA 地圖更新 (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;忘記密碼？&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>記住我</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>電子郵件地址或密碼不正確，請再試一次。</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>按下此按鈕即表示您同意&lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;使用條款 &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; 隱私權政策 &lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>請輸入有效的電子郵件地址。</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>地圖</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>德國、奧地利和瑞士</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>升級目前的地圖，或以優惠價格購買進階服務</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>購買</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[有可用的更新]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>OSM 日期代碼</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>TA 日期代碼</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>OSM 地圖提供鋪面與非鋪面道路資料。</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>TA 地圖提供含地址的地圖資料。</translation>
    </message>
    <message>
        <source>China</source>
        <translation>中國</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>註冊資訊</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>備份</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>文字標籤</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>裝置</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>檢視我的資料</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare 同步</translation>
    </message>
    <message>
        <source>test</source>
        <translation>測試</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>韌體版本</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>軟體版本</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[裝置軟體已是最新版本]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>版本資訊</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．裝置更新</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    韌體 (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    軟體 (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．OSM 地圖更新 (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．TA 地圖更新 (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>版本資訊</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>更新前備份我的裝置</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍後</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>有新的更新可用</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>無法連線至 QuorvaneShare 伺服器，請檢查您的網路連線。</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>無法連線至 ZeqShare 伺服器，請檢查您的網路連線。</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>網路連線</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>儲存成功</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>關於 WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>登出</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>電子郵件地址</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>電子郵件地址或密碼不正確，請再試一次。</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>記住我</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>開啟 WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>開啟 QuorvaneShare 網站</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>開啟 ZeqShare 網站</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>結束 WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>開機時啟動</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>所有資料已成功上傳至 QuorvaneShare。</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>所有資料已成功上傳至 ZeqShare。</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>按一下這裡查看</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>有可用的更新</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>有新的更新可用。按一下這裡以瞭解詳情。</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>備份</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>正在備份……請勿中斷裝置連線。</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>正在還原……請勿中斷裝置連線。</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>裝置備份</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>裝置還原</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>備份成功</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>備份失敗。請確認您的 %1 仍與電腦連接。如果問題持續發生，請聯絡 Zeq 客服。</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>還原成功</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>還原失敗。請確認您的 %1 仍與電腦連接。如果問題持續發生，請聯絡 Zeq 客服。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>已連接</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>註冊資訊</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>註冊</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>此裝置尚未註冊。請註冊裝置，以便將騎乘紀錄和路線與 QuorvaneShare 同步。</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>此裝置尚未註冊。請註冊裝置，以便將騎乘紀錄和路線與 ZeqShare 同步。</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>已連接的裝置未與目前帳號連結，但您仍可使用更新功能。</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>備份您的 Wendo 資料</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>上次備份</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>檢視我的資料</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>再次同步</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>正在上傳騎乘紀錄：%1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>正在下載路線：%1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>裝置儲存空間不足。</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>同步未完成。請刪除部分騎乘紀錄或路線以釋出儲存空間。</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>電腦磁碟已滿。請釋放一些空間後再試一次。</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>資料損毀</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>刪除損毀的騎乘紀錄</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>裝置中含有無效的資訊，無法處理此紀錄。若不想再看到此訊息，請從裝置中移除該檔案。</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>QuorvaneShare 同步</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare 同步</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>部分資料無法上傳至 QuorvaneShare。</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>部分資料無法上傳至 ZeqShare。</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>請連上網際網路，以便將資料上傳至 QuorvaneShare。</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>請連上網際網路，以便將資料上傳至 ZeqShare。</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>韌體版本</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>軟體版本</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>版本資訊</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>裝置軟體已是最新版本。</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>未連接裝置</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>請連接您的裝置</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>修復</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>修復您的裝置</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>裝置無法使用嗎？別擔心，按一下「修復」按鈕，我們就能協助您修復裝置。</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>取消註冊裝置</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>已成功取消註冊裝置。</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>尚未成功取消註冊裝置。</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>QuorvaneShare 上的路線將自動與您的裝置同步。</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>ZeqShare 上的路線將自動與您的裝置同步。</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>確定要離開此頁面而不儲存變更嗎？</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>我的裝置</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>地圖管理</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>裝置註冊</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>裝置註冊成功。</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>已連接</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>請中斷裝置連線以取消註冊。</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>上次連線</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>註冊日期</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>確定要取消註冊您的裝置嗎？</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>同時移除我的備份檔案（如果有）。</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>正在檢查更新</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>更新失敗。請確認您的 %1 仍與電腦連接。如果問題持續發生，請聯絡 Zeq 客服。</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>裝置更新</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>軟體</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>韌體</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>HERE 地圖更新</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>TA 地圖更新</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>OSM 地圖更新</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>國家地圖更新</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>基本地圖更新</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>地圖更新</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>正在下載</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>正在安裝</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>更新失敗。請檢查您的網路連線，然後再試一次。</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>修復成功。</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>裝置應已重新啟動。如果沒有，請立即中斷裝置連線以完成更新。</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>更新成功。裝置應已重新啟動。如果沒有，請立即中斷裝置連線以完成更新。</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>%1 磁碟機空間不足。需要 %2 MB 才能完成更新。</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>購買</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>OSM 地圖提供鋪面與非鋪面道路資料。</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>TA 地圖提供含地址的地圖資料。</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>地圖</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>HERE 地圖提供含地址的地圖資料。</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>購買進階服務，即可在一年內下載新的地圖資料。</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>進階服務到期日</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>升級目前的地圖，或以優惠價格購買進階服務。</translation>
    </message>
    <message>
        <source>update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>version</source>
        <translation>版本</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>註冊資訊</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>裝置存取權</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>您的 Wendo 裝置已插上，但 WendoAgent 無權使用其連接埠 %1，因此無法顯示該裝置。

安裝 WendoAgent 套件後，已登入的使用者即可使用此連接埠。您也可以將您的使用者加入「dialout」群組（sudo adduser $USER dialout），然後重新登入桌面。

接著請拔下裝置，再重新插上。</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>History</source>
        <translation>騎乘紀錄</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>已上傳的騎乘紀錄保留在裝置上。</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>已上傳的騎乘紀錄從裝置中刪除。</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>路線</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>ZeqShare 上的路線將自動與您的裝置同步。</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare 同步</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>請更新 wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>WendoAgent 更新 (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>版本資訊</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍後</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>無法開啟網頁。請確認已安裝網頁瀏覽器。</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>ZeqAgentMainDialog</name>
    <message>
        <source> WendoAgent </source>
        <translation> WendoAgent </translation>
    </message>
</context>
</TS>
