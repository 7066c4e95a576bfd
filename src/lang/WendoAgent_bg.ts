<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Версия на продукта</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Дата на издаване</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent синхронизира вашия велокомпютър Wendo с каранията ви онлайн.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AgentSettings</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Настройките не можаха да бъдат запазени, възможно е дискът да е пълен. Запазените преди това настройки остават.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Формуляр</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Основни настройки</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Език</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Запази</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Формуляр</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Отписване</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Проверка за актуализация</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Проверка за актуализация</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Формуляр</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Последно свързване</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Регистрирано на</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Отрегистрирай</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Това може да отнеме известно време. Моля, изчакайте и не разкачвайте устройството си.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Изтегляне...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Актуализация на устройството</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Софтуер (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>Актуализация на картата OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>Актуализация на картата TA (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Формуляр</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Забравена парола?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Запомни ме</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Имейл адресът или паролата са грешни. Моля, опитайте отново.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>С натискането на бутона се съгласявате с &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;условията за ползване&lt;/a&gt; &amp;amp; &lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;политиката за поверителност&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Моля, въведете валиден имейл адрес.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Формуляр</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Формуляр</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Германия, Австрия и Швейцария</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Надградете текущата карта или купете услугата Premium със специална оферта.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Купи</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Надгради</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Има актуализация]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Актуализирай</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>Дата на OSM</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>Дата на TA</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>Картата OSM съдържа данни за пътища с и без настилка.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>Картата TA съдържа картни данни с адреси.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Китай</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Възстановяване</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Регистрация</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Архивиране</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Текстов етикет</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Моите данни</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Синхронизация със ZeqShare</translation>
    </message>
    <message>
        <source>test</source>
        <translation>тест</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Версия на ROM</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Версия на софтуера</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Търси обновления</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Софтуерът на устройството е актуален]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Бележки по версията</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Формуляр</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Актуализация на устройството</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Софтуер (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．Актуализация на картата OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．Актуализация на картата TA (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Бележки по версията</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Архивиране преди актуализация</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>По-късно</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Актуализирай</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Има нова актуализация</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Формуляр</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Неуспешна връзка със сървъра на QuorvaneShare. Моля, проверете интернет връзката си.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Неуспешна връзка със сървъра на ZeqShare. Моля, проверете интернет връзката си.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Интернет връзка</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Запазено успешно</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>За WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Отписване</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>Имейл адрес</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Парола</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Имейл адресът или паролата са грешни. Моля, опитайте отново.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Запомни ме</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Отвори WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Търси обновления</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Отвори уебсайта на QuorvaneShare</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Отвори уебсайта на ZeqShare</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Затвори WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Стартиране със системата</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Всички данни са качени успешно в QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Всички данни са качени успешно в ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Щракнете тук, за да проверите</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Има актуализация</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Има нова актуализация. Щракнете тук за повече информация.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Не</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Архивиране</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Възстановяване</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Архивиране... Моля, не разкачвайте устройството си.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Възстановяване... Моля, не разкачвайте устройството си.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Архивиране на устройството</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Възстановяване на устройството</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Архивирането завърши успешно</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Архивирането не бе успешно. Уверете се, че устройството %1 все още е свързано с компютъра. Ако проблемът продължава, свържете се с поддръжката на Zeq.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Възстановено успешно</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Възстановяването не бе успешно. Уверете се, че устройството %1 все още е свързано с компютъра. Ако проблемът продължава, свържете се с поддръжката на Zeq.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Запази</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>е свързано</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Регистрация</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Регистрирай</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Устройството не е регистрирано. Регистрирайте го, за да синхронизирате историята и маршрутите си с QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Устройството не е регистрирано. Регистрирайте го, за да синхронизирате историята и маршрутите си със ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Свързаното устройство не е обвързано с текущия акаунт, но можете да използвате функцията за актуализация.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Архивирайте данните си от Wendo</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Последно архивиране</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Моите данни</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Синхронизирай</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Качване на записи от историята: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Изтегляне на маршрути: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Опитай пак</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Няма достатъчно памет на устройството.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Синхронизацията не е завършена. Изтрийте част от историята или маршрутите, за да освободите памет.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Дискът на компютъра е пълен. Освободете място и опитайте отново.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Повредени данни</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Изтрий повредената история</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Този запис не може да бъде обработен, защото устройството съдържа невалидни данни. За да не виждате това съобщение, премахнете файла от устройството.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>Синхронизация с QuorvaneShare</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Синхронизация със ZeqShare</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Някои данни не могат да бъдат качени в QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Някои данни не могат да бъдат качени в ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Свържете се с интернет, за да качите данните си в QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Свържете се с интернет, за да качите данните си в ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Версия на ROM</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Версия на софтуера</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Бележки по версията</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Актуализации</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Софтуерът на устройството е актуален.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>НЯМА СВЪРЗАНО УСТРОЙСТВО</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Моля, свържете устройството си</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Поправи</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Поправете устройството си</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Устройството не работи? Няма проблем – натиснете бутона „Поправи“ и ще ви помогнем да го поправите.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Отрегистриране на устройство</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Устройството е отрегистрирано успешно.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Устройството все още не е отрегистрирано.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Маршрутите в QuorvaneShare ще се синхронизират автоматично с устройството ви.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Маршрутите в ZeqShare ще се синхронизират автоматично с устройството ви.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Наистина ли искате да напуснете страницата, без да запазите промените?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Моето устройство</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Карти</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Регистрация на устройство</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Устройството е регистрирано успешно.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>е свързано</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Разкачете устройството си, за да го отрегистрирате.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Последно свързване</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Регистрирано на</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Наистина ли искате да отрегистрирате устройството си?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Премахни и архива ми, ако има такъв.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Проверка за актуализации</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Актуализацията не бе успешна. Уверете се, че устройството %1 все още е свързано с компютъра. Ако проблемът продължава, свържете се с поддръжката на Zeq.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Актуализация на устройството</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Софтуер</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>Актуализация на картата HERE</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>Актуализация на картата TA</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>Актуализация на картата OSM</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Актуализация на картите на държави</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Актуализация на основната карта</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Актуализация на картата</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Изтегляне</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Инсталиране</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Актуализацията не бе успешна. Моля, проверете интернет връзката си и опитайте отново.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Поправката завърши успешно.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Устройството би трябвало да се е рестартирало. Ако не е, разкачете го сега, за да завърши актуализацията.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Актуализацията завърши успешно. Устройството би трябвало да се е рестартирало. Ако не е, разкачете го сега, за да завърши актуализацията.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Няма достатъчно място на диска %1. За да завършат актуализациите, са нужни %2 MB.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Купи</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Надгради</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>Картата OSM съдържа данни за пътища с и без настилка.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>Картата TA съдържа картни данни с адреси.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>Картата HERE съдържа картни данни с адреси.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Купете Premium, за да изтегляте нови картни данни в продължение на една година.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Услугата Premium изтича на</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Надградете текущата карта или купете услугата Premium със специални оферти.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>актуализация</translation>
    </message>
    <message>
        <source>version</source>
        <translation>версия</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Формуляр</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Регистрация</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Достъп до устройството</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Устройството Wendo е включено, но WendoAgent няма право да използва порта му %1, затова устройството не може да бъде показано.

Инсталирането на пакета WendoAgent дава този порт на влезлия потребител. Или добавете потребителя си в групата „dialout“ (sudo adduser $USER dialout) и влезте отново в работния плот.

След това изключете устройството и го включете отново.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Формуляр</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Формуляр</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Цялата качена история остава на устройството ми.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Цялата качена история се изтрива от устройството ми.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Маршрути</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Маршрутите в ZeqShare ще се синхронизират автоматично с устройството ви.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Синхронизация със ZeqShare</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Формуляр</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Моля, актуализирайте wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>Актуализация на WendoAgent (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Бележки по версията</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>По-късно</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Актуализирай</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Уеб страницата не можа да бъде отворена. Моля, проверете дали е инсталиран уеб браузър.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Формуляр</translation>
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
