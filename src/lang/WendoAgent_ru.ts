<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Версия программы</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Дата выпуска</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent синхронизирует ваш велокомпьютер Wendo с вашими поездками в интернете.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
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
        <translation>Не удалось сохранить настройки: возможно, диск заполнен. Ранее сохранённые настройки остались без изменений.</translation>
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
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Основные настройки</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Выйти</translation>
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
        <translation>Проверка обновлений</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
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
        <translation>Проверка обновлений</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Последнее подключение</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Дата регистрации</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Отвязать</translation>
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
        <translation>Это может занять некоторое время. Подождите и не отключайте устройство.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Загрузка…</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Обновление устройства</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>Прошивка (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>ПО (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>Обновление карты OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>Обновление карты TA (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Забыли пароль?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Запомнить меня</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Неверный адрес эл. почты или пароль. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Нажимая кнопку, вы принимаете &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;условия использования &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; политику конфиденциальности &lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Введите правильный адрес эл. почты.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
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
        <translation>Улучшите текущую карту или подключите Premium по специальному предложению</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Купить</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Улучшить</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Доступно обновление]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>Дата карты OSM</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>Дата карты TA</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>Карта OSM содержит данные о дорогах с покрытием и без покрытия.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>Карта TA содержит данные с адресами.</translation>
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
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Регистрация</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Резервная копия</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Текст</translation>
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
        <translation>Мои данные</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Синхронизация с ZeqShare</translation>
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
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Версия ПО</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Поиск обновлений</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[На устройстве последняя версия ПО]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Что нового</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
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
        <translation>．Обновление устройства</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    Прошивка (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    ПО (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．Обновление карты OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．Обновление карты TA (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Что нового</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Резервная копия перед обновлением</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Доступно новое обновление</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Не удалось подключиться к серверу QuorvaneShare. Проверьте подключение к интернету.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Не удалось подключиться к серверу ZeqShare. Проверьте подключение к интернету.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Подключение к интернету</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Сохранено</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>О программе WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>Адрес эл. почты</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Неверный адрес эл. почты или пароль. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Запомнить меня</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Открыть WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Поиск обновлений</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Открыть сайт QuorvaneShare</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Открыть сайт ZeqShare</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Закрыть WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Все данные выгружены в QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Все данные выгружены в ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Нажмите, чтобы посмотреть</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Доступно обновление</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Доступно новое обновление. Нажмите, чтобы узнать подробности.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Резервная копия</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановление</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Идёт резервное копирование… Не отключайте устройство.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Идёт восстановление… Не отключайте устройство.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Резервное копирование устройства</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Восстановление устройства</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Резервная копия создана</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Не удалось создать резервную копию. Убедитесь, что устройство %1 по-прежнему подключено к компьютеру. Если ошибка повторяется, обратитесь в службу поддержки Zeq.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Восстановление завершено</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Не удалось восстановить данные. Убедитесь, что устройство %1 по-прежнему подключено к компьютеру. Если ошибка повторяется, обратитесь в службу поддержки Zeq.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>подключено</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Регистрация</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Зарегистрировать</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Устройство не зарегистрировано. Зарегистрируйте его, чтобы поездки и маршруты синхронизировались с QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Устройство не зарегистрировано. Зарегистрируйте его, чтобы поездки и маршруты синхронизировались с ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Подключённое устройство не привязано к этой учётной записи, но обновлять его всё равно можно.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Сохраните резервную копию данных Wendo</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Последняя резервная копия</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Мои данные</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Синхронизировать</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Выгрузка поездок: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Загрузка маршрутов: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>На устройстве недостаточно памяти.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Синхронизация не завершена. Удалите часть поездок или маршрутов, чтобы освободить память.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Диск компьютера заполнен. Освободите место и повторите попытку.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Повреждённые данные</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Удалить повреждённую поездку</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Не удалось обработать эту запись: на устройстве есть неверные данные. Чтобы это сообщение больше не появлялось, удалите этот файл с устройства.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>Синхронизация с QuorvaneShare</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Синхронизация с ZeqShare</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Некоторые данные не удалось выгрузить в QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Некоторые данные не удалось выгрузить в ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Подключитесь к интернету, чтобы выгрузить данные в QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Подключитесь к интернету, чтобы выгрузить данные в ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Версия ПО</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Что нового</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>На устройстве последняя версия ПО.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>УСТРОЙСТВО НЕ ПОДКЛЮЧЕНО</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Подключите устройство</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Исправить</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Исправление устройства</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Устройство не работает? Не беда: нажмите «Исправить», и мы поможем вернуть его в рабочее состояние.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Отвязка устройства</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Устройство отвязано от учётной записи.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Устройство пока не удалось отвязать.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Маршруты из QuorvaneShare будут автоматически синхронизироваться с устройством.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Маршруты из ZeqShare будут автоматически синхронизироваться с устройством.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Уйти со страницы, не сохранив изменения?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Моё устройство</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Карты</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Регистрация устройства</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Устройство зарегистрировано.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>подключено</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Чтобы отвязать устройство, сначала отключите его.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Последнее подключение</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Дата регистрации</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Вы действительно хотите отвязать устройство?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Удалить мою резервную копию, если она есть.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Проверка обновлений</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Не удалось выполнить обновление. Убедитесь, что устройство %1 по-прежнему подключено к компьютеру. Если проблема повторится, обратитесь в службу поддержки Zeq.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Обновление устройства</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>ПО</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>Обновление карты HERE</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>Обновление карты TA</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>Обновление карты OSM</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Обновление карт стран</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Обновление базовой карты</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Обновление карты</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Установка</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Не удалось выполнить обновление. Проверьте подключение к интернету и повторите попытку.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Устройство исправлено.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Устройство должно было перезапуститься. Если этого не произошло, отключите его сейчас, чтобы завершить обновление.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Обновление установлено. Устройство должно было перезапуститься. Если этого не произошло, отключите его сейчас, чтобы завершить обновление.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Недостаточно места на диске %1. Для завершения обновления требуется %2 МБ.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Купить</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Улучшить</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>Карта OSM: дороги с покрытием и без.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>Карта TA содержит данные с адресами.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>Карта HERE содержит данные с адресами.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>С услугой Premium вы целый год получаете новые данные карт.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Услуга Premium действует до</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Улучшите текущую карту или подключите Premium по специальному предложению.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>обновление</translation>
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
        <translation>Форма</translation>
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
        <translation>Доступ к устройству</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Устройство Wendo подключено, но у WendoAgent нет доступа к его порту %1, поэтому устройство не отображается.

Установка пакета WendoAgent даёт пользователю, вошедшему в систему, доступ к этому порту. Или добавьте своего пользователя в группу «dialout» (sudo adduser $USER dialout) и снова войдите в систему.

Затем отключите устройство и подключите его снова.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История поездок</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Сохранять выгруженные поездки на устройстве.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Удалять выгруженные поездки с устройства.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Маршруты</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Маршруты из ZeqShare будут автоматически синхронизироваться с устройством.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Синхронизация с ZeqShare</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
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
        <translation>Обновите wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>Обновление WendoAgent (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Что нового</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Не удалось открыть веб-страницу. Проверьте, установлен ли веб-браузер.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
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
