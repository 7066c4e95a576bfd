<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>产品版本</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>发布日期</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent 让您的 Wendo 码表与线上骑行记录保持同步。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>AgentSettings</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>无法保存设置，磁盘可能已满。之前保存的设置保持不变。</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>基本设置</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>退出登录</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>正在检查更新</translation>
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
        <translation>对话框</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>正在检查更新</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>上次连接</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID：</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>注册日期</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>取消注册</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>这可能需要一些时间，请耐心等待，不要断开设备连接。</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>正在下载……</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>设备更新</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>固件 (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>软件 (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>OSM 地图更新 (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>TA 地图更新 (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;忘记密码？&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>记住我</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>电子邮件地址或密码不正确，请重试。</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>点击此按钮即表示您同意&lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;使用条款 &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; 隐私政策 &lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>请输入有效的电子邮件地址。</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>地图</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>德国、奥地利和瑞士</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>升级当前地图，或以特惠价购买高级服务</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>购买</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[有可用更新]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>OSM 日期代码</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>TA 日期代码</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>OSM 地图提供铺装和未铺装道路数据。</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>TA 地图提供含地址的地图数据。</translation>
    </message>
    <message>
        <source>China</source>
        <translation>中国</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>注册信息</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>文本标签</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>查看我的数据</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare 同步</translation>
    </message>
    <message>
        <source>test</source>
        <translation>测试</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>软件版本</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[设备软件已是最新版本]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>版本说明</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．设备更新</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    固件 (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    软件 (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．OSM 地图更新 (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．TA 地图更新 (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>版本说明</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>更新前备份我的设备</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
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
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>无法连接到 QuorvaneShare 服务器，请检查您的网络连接。</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>无法连接到 ZeqShare 服务器，请检查您的网络连接。</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>网络连接</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>保存成功</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>关于 WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>电子邮件地址</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>电子邮件地址或密码不正确，请重试。</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>记住我</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>打开 WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>打开 QuorvaneShare 网站</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>打开 ZeqShare 网站</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>退出 WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>开机时启动</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>所有数据已成功上传到 QuorvaneShare。</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>所有数据已成功上传到 ZeqShare。</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>点击此处查看</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>有可用更新</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>有新的更新可用。点击此处了解详情。</translation>
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
        <translation>备份</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>正在备份……请勿断开设备连接。</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>正在恢复……请勿断开设备连接。</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>设备备份</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>设备恢复</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>备份成功</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>备份失败。请确认您的 %1 仍与电脑连接。如果问题仍然存在，请联系 Zeq 客服。</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>恢复成功</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>恢复失败。请确认您的 %1 仍与电脑连接。如果问题仍然存在，请联系 Zeq 客服。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>注册信息</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>注册</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>此设备尚未注册。请注册设备，以便将骑行记录和路线与 QuorvaneShare 同步。</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>此设备尚未注册。请注册设备，以便将骑行记录和路线与 ZeqShare 同步。</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>已连接的设备未关联到当前账户，但您仍可使用更新功能。</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>备份您的 Wendo 数据</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>上次备份</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>查看我的数据</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>再次同步</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>正在上传骑行记录：%1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>正在下载路线：%1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>设备存储空间不足。</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>同步未完成。请删除部分骑行记录或路线以释放存储空间。</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>计算机磁盘已满。请释放一些空间后重试。</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>数据损坏</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>删除损坏的骑行记录</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>设备中包含无效信息，无法处理此记录。若不想再看到此消息，请从设备中删除该文件。</translation>
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
        <translation>部分数据无法上传到 QuorvaneShare。</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>部分数据无法上传到 ZeqShare。</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>请连接到互联网，以便将数据上传到 QuorvaneShare。</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>请连接到互联网，以便将数据上传到 ZeqShare。</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>软件版本</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>版本说明</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>设备软件已是最新版本。</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>未连接设备</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>请连接您的设备</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>修复</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>修复您的设备</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>设备无法使用？别担心，点击“修复”按钮，我们可以帮您修复设备。</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>取消注册设备</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>设备已成功取消注册。</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>设备尚未成功取消注册。</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>QuorvaneShare 上的路线将自动与您的设备同步。</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>ZeqShare 上的路线将自动与您的设备同步。</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>确定要离开此页面而不保存更改吗？</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>我的设备</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>地图管理</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>设备注册</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>设备注册成功。</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>请断开设备连接以取消注册。</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>上次连接</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>注册日期</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>确定要取消注册您的设备吗？</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>同时删除我的备份文件（如有）。</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>正在检查更新</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>更新失败。请确认您的 %1 仍与电脑连接。如果问题仍然存在，请联系 Zeq 客服。</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>设备更新</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>软件</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>HERE 地图更新</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>TA 地图更新</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>OSM 地图更新</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>国家地图更新</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>基础地图更新</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>地图更新</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>正在下载</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>正在安装</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>更新失败。请检查您的网络连接，然后重试。</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>修复成功。</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>设备应已重新启动。如果没有，请立即断开设备连接以完成更新。</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>更新成功。设备应已重新启动。如果没有，请立即断开设备连接以完成更新。</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>%1 驱动器空间不足。需要 %2 MB 才能完成更新。</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>购买</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>OSM 地图提供铺装和未铺装道路数据。</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>TA 地图提供含地址的地图数据。</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>地图</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>HERE 地图提供含地址的地图数据。</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>购买高级服务，即可在一年内下载新的地图数据。</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>高级服务到期日</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>升级当前地图，或以特惠价购买高级服务。</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>注册信息</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>设备访问</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>您的 Wendo 设备已插入，但 WendoAgent 无权使用其端口 %1，因此无法显示该设备。

安装 WendoAgent 软件包后，已登录的用户即可使用此端口。您也可以将您的用户添加到“dialout”组（sudo adduser $USER dialout），然后重新登录桌面。

之后请拔下设备并重新插入。</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>History</source>
        <translation>骑行记录</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>已上传的骑行记录保留在设备上。</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>已上传的骑行记录从设备中删除。</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>路线</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>ZeqShare 上的路线将自动与您的设备同步。</translation>
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
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>请更新 wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>WendoAgent 更新 (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>版本说明</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
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
        <translation>无法打开网页。请检查是否已安装网页浏览器。</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
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
