<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialógové okno</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Verzia programu</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Dátum vydania</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent udržiava váš cyklopočítač Wendo v súlade s vašimi jazdami online.</translation>
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
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Nastavenia sa nepodarilo uložiť, disk je možno plný. Predtým uložené nastavenia zostávajú zachované.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialógové okno</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulár</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Základné nastavenia</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložiť</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Formulár</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Odhlásiť sa</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialógové okno</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Kontrola aktualizácií</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastaviť</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialógové okno</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Kontrola aktualizácií</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastaviť</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulár</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Posledné pripojenie</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Dátum registrácie</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Zrušiť registráciu</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialógové okno</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Môže to chvíľu trvať. Počkajte, prosím, a neodpájajte zariadenie.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Sťahuje sa…</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Aktualizácia zariadenia</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>Firmvér (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Softvér (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>Aktualizácia mapy OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>Aktualizácia mapy TA (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulár</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Zabudli ste heslo?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Prihlásiť sa</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Zapamätať si ma</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-mailová adresa alebo heslo nie sú správne. Skúste to znova.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Kliknutím na tlačidlo súhlasíte s &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;podmienkami používania &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; zásadami ochrany osobných údajov &lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Zadajte platnú e-mailovú adresu.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulár</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulár</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Nemecko, Rakúsko a Švajčiarsko</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Inovujte aktuálnu mapu alebo si kúpte prémiovú službu za zvýhodnenú cenu</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kúpiť</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Inovovať</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[K dispozícii je aktualizácia]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovať</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>Dátumový kód OSM</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>Dátumový kód TA</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>Mapa OSM obsahuje údaje o spevnených aj nespevnených cestách.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>Mapa TA obsahuje mapové údaje s adresami.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Čína</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Obnoviť</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrácia</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Zálohovať</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Zariadenie</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Moje údaje</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Synchronizácia so ZeqShare</translation>
    </message>
    <message>
        <source>test</source>
        <translation>skúška</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Zariadenie</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Verzia firmvéru</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Verzia softvéru</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Hľadať aktualizácie</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzia</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Softvér zariadenia je aktuálny]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Poznámky k verzii</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulár</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialógové okno</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Aktualizácia zariadenia</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    Firmvér (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Softvér (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．Aktualizácia mapy OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．Aktualizácia mapy TA (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Poznámky k verzii</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Najprv zálohovať zariadenie</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Neskôr</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovať</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>K dispozícii je nová aktualizácia</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulár</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Nepodarilo sa pripojiť k serveru QuorvaneShare. Skontrolujte pripojenie na internet.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Nepodarilo sa pripojiť k serveru ZeqShare. Skontrolujte pripojenie na internet.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Pripojenie na internet</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Uložené</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>O programe WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Odhlásiť sa</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>E-mailová adresa</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Prihlásiť sa</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-mailová adresa alebo heslo nie sú správne. Skúste to znova.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Zapamätať si ma</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Otvoriť WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Hľadať aktualizácie</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Otvoriť web QuorvaneShare</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Otvoriť web ZeqShare</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Ukončiť WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Spúšťať pri štarte systému</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Všetky údaje sa nahrali do QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Všetky údaje sa nahrali do ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Kliknutím zobrazíte</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>K dispozícii je aktualizácia</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>K dispozícii je nová aktualizácia. Kliknutím sem zobrazíte podrobnosti.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Áno</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Zálohovanie</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Obnovenie</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Prebieha zálohovanie… Neodpájajte zariadenie.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Prebieha obnovenie… Neodpájajte zariadenie.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Zálohovanie zariadenia</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Obnovenie zariadenia</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Zálohovanie je dokončené</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Zálohovanie zlyhalo. Skontrolujte, či je zariadenie %1 stále pripojené k počítaču. Ak problém pretrváva, obráťte sa na podporu Zeq.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Obnovenie je dokončené</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Obnovenie zlyhalo. Skontrolujte, či je zariadenie %1 stále pripojené k počítaču. Ak problém pretrváva, obráťte sa na podporu Zeq.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>je pripojené</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrácia</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrovať</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Toto zariadenie nie je zaregistrované. Zaregistrujte ho, aby sa jazdy a trasy synchronizovali s QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Toto zariadenie nie je zaregistrované. Zaregistrujte ho, aby sa jazdy a trasy synchronizovali so ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Pripojené zariadenie nie je priradené k tomuto účtu, no aktualizovať ho môžete aj tak.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Zálohujte svoje údaje Wendo</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Posledná záloha</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Moje údaje</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Synchronizovať</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Nahrávanie jázd: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Sťahovanie trás: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastaviť</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Skúsiť znova</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>V zariadení nie je dosť miesta.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Synchronizácia nie je dokončená. Odstráňte niektoré jazdy alebo trasy a uvoľnite tak miesto v pamäti.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Disk počítača je plný. Uvoľnite miesto a skúste to znova.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Poškodené údaje</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Odstrániť poškodenú jazdu</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Tento záznam sa nepodarilo spracovať, pretože zariadenie obsahuje neplatné údaje. Ak sa táto správa nemá znova zobraziť, odstráňte súbor zo zariadenia.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>Synchronizácia s QuorvaneShare</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Synchronizácia so ZeqShare</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Niektoré údaje sa nedajú nahrať do QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Niektoré údaje sa nedajú nahrať do ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Ak chcete nahrať údaje do QuorvaneShare, pripojte sa na internet.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Ak chcete nahrať údaje do ZeqShare, pripojte sa na internet.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Zariadenie</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Verzia firmvéru</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Verzia softvéru</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Poznámky k verzii</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualizácie</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Softvér zariadenia je aktuálny.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>NIE JE PRIPOJENÉ ŽIADNE ZARIADENIE</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Pripojte zariadenie</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Opraviť</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Oprava zariadenia</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Zariadenie nefunguje? Nevadí – kliknite na tlačidlo „Opraviť“ a pomôžeme vám ho opäť sprevádzkovať.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Zrušenie registrácie zariadenia</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Registrácia zariadenia bola zrušená.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Registráciu zariadenia sa zatiaľ nepodarilo zrušiť.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Trasy z QuorvaneShare sa budú automaticky synchronizovať so zariadením.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Trasy zo ZeqShare sa budú automaticky synchronizovať so zariadením.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Naozaj chcete opustiť túto stránku bez uloženia zmien?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Moje zariadenie</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Mapy</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Registrácia zariadenia</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Zariadenie je zaregistrované.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>pripojené</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Ak chcete zrušiť registráciu, odpojte zariadenie.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Posledné pripojenie</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Dátum registrácie</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Naozaj chcete zrušiť registráciu zariadenia?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Odstrániť aj moju zálohu, ak existuje.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Kontrola aktualizácií</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Aktualizácia zlyhala. Skontrolujte, či je zariadenie %1 stále pripojené k počítaču. Ak problém pretrváva, obráťte sa na podporu Zeq.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Aktualizácia zariadenia</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Softvér</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>Firmvér</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>Aktualizácia mapy HERE</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>Aktualizácia mapy TA</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>Aktualizácia mapy OSM</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Aktualizácia máp krajín</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Aktualizácia základnej mapy</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Aktualizácia mapy</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Sťahuje sa</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Inštaluje sa</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Aktualizácia zlyhala. Skontrolujte pripojenie na internet a skúste to znova.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Zariadenie bolo opravené.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Zariadenie by sa malo reštartovať. Ak sa tak nestalo, odpojte ho teraz, aby sa aktualizácia dokončila.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Aktualizácia prebehla úspešne. Zariadenie by sa malo reštartovať. Ak sa tak nestalo, odpojte ho teraz, aby sa aktualizácia dokončila.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Na jednotke %1 nie je dosť miesta. Na dokončenie aktualizácií je potrebných %2 MB.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kúpiť</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Inovovať</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>Mapa OSM obsahuje údaje o spevnených aj nespevnených cestách.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>Mapa TA obsahuje mapové údaje s adresami.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>Mapa HERE obsahuje mapové údaje s adresami.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Kliknutím na Premium si stiahnete nové mapové údaje na jeden rok.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Prémiová služba platí do</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Inovujte aktuálnu mapu alebo si kúpte prémiovú službu za zvýhodnenú cenu.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>aktualizácia</translation>
    </message>
    <message>
        <source>version</source>
        <translation>verzia</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulár</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrácia</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Prístup k zariadeniu</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Zariadenie Wendo je pripojené, ale WendoAgent nemôže používať jeho port %1, preto zariadenie nemožno zobraziť.

Inštaláciou balíka WendoAgent získa prihlásený používateľ prístup k tomuto portu. Prípadne pridajte svojho používateľa do skupiny „dialout“ (sudo adduser $USER dialout) a znova sa prihláste do pracovného prostredia.

Potom zariadenie odpojte a znova pripojte.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulár</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulár</translation>
    </message>
    <message>
        <source>History</source>
        <translation>História jázd</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Nahraté jazdy ponechať v zariadení.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Nahraté jazdy odstrániť zo zariadenia.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Trasy</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Trasy zo ZeqShare sa budú automaticky synchronizovať so zariadením.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Synchronizácia so ZeqShare</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Formulár</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialógové okno</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Aktualizujte wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>Aktualizácia WendoAgent (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Poznámky k verzii</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Neskôr</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovať</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Webovú stránku sa nepodarilo otvoriť. Skontrolujte, či je nainštalovaný webový prehliadač.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulár</translation>
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
