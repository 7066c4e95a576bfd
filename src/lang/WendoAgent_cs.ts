<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogové okno</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Verze produktu</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Datum vydání</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent udržuje váš cyklopočítač Wendo v souladu s vašimi jízdami online.</translation>
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
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Nastavení se nepodařilo uložit, disk je možná plný. Dříve uložené nastavení zůstává zachováno.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogové okno</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Základní nastavení</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Odhlásit se</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogové okno</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Hledání aktualizací</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogové okno</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Hledání aktualizací</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Poslední připojení</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Datum registrace</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Zrušit registraci</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogové okno</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Může to chvíli trvat. Počkejte prosím a neodpojujte zařízení.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Stahování...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Aktualizace zařízení</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Software (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>Aktualizace mapy OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>Aktualizace mapy TA (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Zapomenuté heslo?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Přihlásit se</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Zapamatovat si mě</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-mailová adresa nebo heslo nejsou správné. Zkuste to prosím znovu.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Kliknutím na tlačítko souhlasíte s &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;podmínkami použití&lt;/a&gt; &amp;amp; &lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;zásadami ochrany osobních údajů&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Zadejte prosím platnou e-mailovou adresu.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Německo, Rakousko a Švýcarsko</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Vylepšete aktuální mapu nebo si kupte službu Premium se zvláštní nabídkou.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Koupit</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Vylepšit</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Aktualizace k dispozici]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>Datum mapy OSM</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>Datum mapy TA</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>Mapa OSM obsahuje údaje o zpevněných i nezpevněných cestách.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>Mapa TA obsahuje mapová data s adresami.</translation>
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
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrace</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Zálohovat</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Textový popisek</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Zařízení</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Moje data</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Synchronizace se ZeqShare</translation>
    </message>
    <message>
        <source>test</source>
        <translation>zkouška</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Zařízení</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Verze ROM</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Verze softwaru</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Najít aktualizace</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Software zařízení je aktuální]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Poznámky k verzi</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogové okno</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Aktualizace zařízení</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Software (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．Aktualizace mapy OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．Aktualizace mapy TA (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Poznámky k verzi</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Před aktualizací zálohovat zařízení</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Později</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>K dispozici je nová aktualizace</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Nepodařilo se připojit k serveru QuorvaneShare. Zkontrolujte prosím připojení k internetu.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Nepodařilo se připojit k serveru ZeqShare. Zkontrolujte prosím připojení k internetu.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Připojení k internetu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Úspěšně uloženo</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>O aplikaci WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Odhlásit se</translation>
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
        <translation>Přihlásit se</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-mailová adresa nebo heslo nejsou správné. Zkuste to prosím znovu.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Zapamatovat si mě</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Otevřít WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Najít aktualizace</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Otevřít web QuorvaneShare</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Otevřít web ZeqShare</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Ukončit WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Spouštět po startu systému</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Všechna data byla úspěšně nahrána do QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Všechna data byla úspěšně nahrána do ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Klikněte sem a podívejte se</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Je k dispozici aktualizace</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Je k dispozici nová aktualizace. Klikněte sem pro více informací.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Zálohování</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Obnovení</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Probíhá zálohování... Neodpojujte prosím zařízení.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Probíhá obnovení... Neodpojujte prosím zařízení.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Záloha zařízení</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Obnovení zařízení</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Zálohování bylo úspěšně dokončeno</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Zálohování se nezdařilo. Ujistěte se, že je zařízení %1 stále připojeno k počítači. Pokud problém přetrvává, obraťte se na podporu Zeq.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Úspěšně obnoveno</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Obnovení se nezdařilo. Ujistěte se, že je zařízení %1 stále připojeno k počítači. Pokud problém přetrvává, obraťte se na podporu Zeq.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>je připojeno</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrace</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrovat</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Toto zařízení není registrováno. Zaregistrujte ho, aby se vaše historie a trasy synchronizovaly s QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Toto zařízení není registrováno. Zaregistrujte ho, aby se vaše historie a trasy synchronizovaly se ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Připojené zařízení není propojeno s aktuálním účtem, ale funkci aktualizace můžete používat i tak.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Zálohujte svá data z Wendo</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Poslední záloha</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Moje data</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Synchronizovat</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Nahrávání záznamů historie: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Stahování tras: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Zkusit znovu</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>V zařízení není dost místa v paměti.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Synchronizace není dokončena. Smažte prosím některé záznamy historie nebo trasy, abyste uvolnili místo v paměti.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Disk počítače je plný. Uvolněte místo a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Poškozená data</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Smazat poškozenou historii</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Tento záznam nelze zpracovat, protože zařízení obsahuje neplatné údaje. Aby se tato zpráva už nezobrazovala, odstraňte tento soubor ze zařízení.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>Synchronizace s QuorvaneShare</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Synchronizace se ZeqShare</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Některá data nelze nahrát do QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Některá data nelze nahrát do ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Připojte se k internetu, abyste mohli nahrát data do QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Připojte se k internetu, abyste mohli nahrát data do ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Zařízení</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Verze ROM</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Verze softwaru</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Poznámky k verzi</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Software zařízení je aktuální.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>NENÍ PŘIPOJENO ŽÁDNÉ ZAŘÍZENÍ</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Připojte prosím své zařízení</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Opravit</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Oprava zařízení</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Zařízení nefunguje? Nevadí – klikněte na tlačítko „Opravit“ a my vám ho pomůžeme znovu zprovoznit.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Zrušení registrace zařízení</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Registrace zařízení byla úspěšně zrušena.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Registraci zařízení se zatím nepodařilo zrušit.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Trasy z QuorvaneShare se budou automaticky synchronizovat s vaším zařízením.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Trasy ze ZeqShare se budou automaticky synchronizovat s vaším zařízením.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Opravdu chcete tuto stránku opustit bez uložení změn?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Moje zařízení</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Správa map</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Registrace zařízení</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Zařízení bylo úspěšně zaregistrováno.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>připojeno</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Chcete-li zrušit registraci, odpojte zařízení.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Poslední připojení</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Datum registrace</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Opravdu chcete zrušit registraci zařízení?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Odstranit i případnou zálohu.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Hledání aktualizací</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Aktualizace se nezdařila. Ujistěte se, že je zařízení %1 stále připojeno k počítači. Pokud problém přetrvává, obraťte se na podporu Zeq.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Aktualizace zařízení</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>Aktualizace mapy HERE</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>Aktualizace mapy TA</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>Aktualizace mapy OSM</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Aktualizace map zemí</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Aktualizace základní mapy</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Aktualizace mapy</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Stahování</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalace</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Aktualizace se nezdařila. Zkontrolujte připojení k internetu a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Oprava proběhla úspěšně.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Zařízení by se mělo restartovat. Pokud se tak nestalo, odpojte ho nyní, aby se aktualizace dokončila.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Aktualizace proběhla úspěšně. Zařízení by se mělo restartovat. Pokud se tak nestalo, odpojte ho nyní, aby se aktualizace dokončila.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Na jednotce %1 není dost místa. K dokončení aktualizací je potřeba %2 MB.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Koupit</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Vylepšit</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>Mapa OSM obsahuje údaje o zpevněných i nezpevněných cestách.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>Mapa TA obsahuje mapová data s adresami.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>Mapa HERE obsahuje mapová data s adresami.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Kupte si Premium a stahujte nová mapová data po celý rok.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Služba Premium vyprší</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Vylepšete aktuální mapu nebo si kupte službu Premium se zvláštní nabídkou.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>aktualizace</translation>
    </message>
    <message>
        <source>version</source>
        <translation>verze</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrace</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Přístup k zařízení</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Vaše zařízení Wendo je připojeno, ale WendoAgent nesmí používat jeho port %1, takže zařízení nelze zobrazit.

Instalace balíčku WendoAgent přidělí tento port přihlášenému uživateli. Nebo přidejte svého uživatele do skupiny „dialout“ (sudo adduser $USER dialout) a znovu se přihlaste k pracovnímu prostředí.

Potom zařízení odpojte a znovu připojte.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historie</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Veškerá nahraná historie zůstane v mém zařízení.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Veškerá nahraná historie bude z mého zařízení smazána.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Trasy</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Trasy ze ZeqShare se budou automaticky synchronizovat s vaším zařízením.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Synchronizace se ZeqShare</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogové okno</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Aktualizujte prosím wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>Aktualizace WendoAgent (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Poznámky k verzi</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Později</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovat</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Webovou stránku nelze otevřít. Zkontrolujte, zda je nainstalován webový prohlížeč.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
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
