<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Párbeszédablak</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Termékverzió</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Kiadás dátuma</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>A WendoAgent összehangolja Wendo kerékpáros computerét az online tárolt túráival.</translation>
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
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>A beállításokat nem sikerült menteni, lehet, hogy megtelt a lemez. A korábban mentett beállítások megmaradnak.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Párbeszédablak</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Űrlap</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Alapbeállítások</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Űrlap</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Kijelentkezés</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Párbeszédablak</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Frissítések keresése</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Leállítás</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Párbeszédablak</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Frissítések keresése</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Leállítás</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Űrlap</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Utolsó csatlakozás</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Regisztráció dátuma</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Regisztráció törlése</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Párbeszédablak</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Ez eltarthat egy ideig. Várjon, és ne válassza le az eszközt.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Letöltés...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Eszközfrissítés</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>ROM-verzió (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Szoftver (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>OSM-térképfrissítés (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>TA-térképfrissítés (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Űrlap</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Elfelejtette a jelszavát?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Bejelentkezés</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Emlékezzen rám</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Az e-mail-cím vagy a jelszó helytelen. Próbálja újra.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>A gombra kattintva elfogadja a &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;felhasználási feltételeket&lt;/a&gt; &amp;amp; az &lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;adatvédelmi szabályzatot&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Adjon meg egy érvényes e-mail-címet.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Űrlap</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Űrlap</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Térkép</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Németország, Ausztria és Svájc</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Bővítse a jelenlegi térképet, vagy fizessen elő a Prémium szolgáltatásra különleges ajánlattal</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Vásárlás</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Bővítés</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Frissítés érhető el]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>OSM-térkép dátuma</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>TA-térkép dátuma</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>Az OSM-térkép a burkolt és burkolatlan utak adatait tartalmazza.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>A TA-térkép címadatokat is tartalmaz.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Kína</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Visszaállítás</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Regisztráció</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Biztonsági mentés</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Szövegcímke</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Eszköz</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Saját adatok</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-szinkronizálás</translation>
    </message>
    <message>
        <source>test</source>
        <translation>teszt</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Eszköz</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM-verzió</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Szoftververzió</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Frissítés keresése</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Az eszköz szoftvere naprakész]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Kiadási megjegyzés</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Űrlap</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Párbeszédablak</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Eszközfrissítés</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    ROM-verzió (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Szoftver (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．OSM-térképfrissítés (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．TA-térképfrissítés (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Kiadási megjegyzések</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Biztonsági mentés frissítés előtt</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Később</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Új frissítés érhető el</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Űrlap</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Nem sikerült csatlakozni a QuorvaneShare-kiszolgálóhoz. Ellenőrizze az internetkapcsolatot.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Nem sikerült csatlakozni a ZeqShare-kiszolgálóhoz. Ellenőrizze az internetkapcsolatot.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Internetkapcsolat</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Sikeres mentés</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>A WendoAgent névjegye</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Kijelentkezés</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>E-mail-cím</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Bejelentkezés</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Az e-mail-cím vagy a jelszó helytelen. Próbálja újra.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Emlékezzen rám</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>A WendoAgent megnyitása</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Frissítés keresése</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>A QuorvaneShare webhely megnyitása</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>A ZeqShare webhely megnyitása</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>A WendoAgent bezárása</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Indítás a rendszerrel</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Minden adat sikeresen feltöltve a QuorvaneShare-re.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Minden adat sikeresen feltöltve a ZeqShare-re.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Kattintson ide a megtekintéshez</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Frissítés érhető el</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Új frissítés érhető el. További információért kattintson ide.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Biztonsági mentés</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Visszaállítás</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Biztonsági mentés folyamatban... Ne válassza le az eszközt.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Visszaállítás folyamatban... Ne válassza le az eszközt.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Az eszköz biztonsági mentése</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Az eszköz visszaállítása</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>A biztonsági mentés sikeresen befejeződött</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>A biztonsági mentés nem sikerült. Győződjön meg arról, hogy az eszköz (%1) továbbra is csatlakozik a számítógéphez. Ha a probléma továbbra is fennáll, forduljon a Zeq ügyfélszolgálatához.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Sikeres visszaállítás</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>A visszaállítás nem sikerült. Győződjön meg arról, hogy az eszköz (%1) továbbra is csatlakozik a számítógéphez. Ha a probléma továbbra is fennáll, forduljon a Zeq ügyfélszolgálatához.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>csatlakoztatva</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Regisztráció</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Regisztrálás</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Ez az eszköz nincs regisztrálva. Regisztrálja az eszközt, hogy előzményei és útvonalai szinkronizálódjanak a QuorvaneShare szolgáltatással.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Ez az eszköz nincs regisztrálva. Regisztrálja az eszközt, hogy előzményei és útvonalai szinkronizálódjanak a ZeqShare szolgáltatással.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>A csatlakoztatott eszköz nincs az aktuális fiókhoz rendelve, de a frissítési funkciót így is használhatja.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Készítsen biztonsági mentést Wendo adatairól</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Utolsó biztonsági mentés</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Saját adatok</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Újraszinkronizálás</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Előzményelemek feltöltése: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Útvonalak letöltése: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Leállítás</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Újra</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Nincs elég memória az eszközön.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>A szinkronizálás nem fejeződött be. Töröljön néhány előzményt vagy útvonalat, hogy felszabaduljon a memória.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>A számítógép lemeze megtelt. Szabadítson fel helyet, és próbálja újra.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Sérült adatok</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Sérült előzmények törlése</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Ezt a felvételt nem sikerült feldolgozni, mert az eszköz érvénytelen adatokat tartalmaz. Hogy ez az üzenet ne jelenjen meg újra, távolítsa el a fájlt az eszközről.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>QuorvaneShare-szinkronizálás</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-szinkronizálás</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Néhány adatot nem lehet feltölteni a QuorvaneShare-re.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Néhány adatot nem lehet feltölteni a ZeqShare-re.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Csatlakozzon az internethez, hogy feltölthesse adatait a QuorvaneShare-re.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Csatlakozzon az internethez, hogy feltölthesse adatait a ZeqShare-re.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Eszköz</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM-verzió</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Szoftververzió</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Kiadási megjegyzések</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Frissítések</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Az eszköz szoftvere naprakész.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>NINCS CSATLAKOZTATOTT ESZKÖZ</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Csatlakoztassa az eszközét</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Javítás</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Az eszköz javítása</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Nem tudja használni az eszközt? Semmi gond – kattintson a „Javítás” gombra, és segítünk újra működésre bírni.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Eszköz regisztrációjának törlése</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Az eszköz regisztrációja sikeresen törölve.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Az eszköz regisztrációját még nem sikerült törölni.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>A QuorvaneShare útvonalai automatikusan szinkronizálódnak az eszközével.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>A ZeqShare útvonalai automatikusan szinkronizálódnak az eszközével.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Biztosan elhagyja az oldalt a módosítások mentése nélkül?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Saját eszköz</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Térképkezelés</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Eszközregisztráció</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Az eszköz regisztrálása sikeres.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>csatlakoztatva</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>A regisztráció törléséhez válassza le az eszközt.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Utolsó csatlakozás</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Regisztráció dátuma</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Biztosan törli az eszköz regisztrációját?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>A biztonsági mentésem törlése, ha van.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Frissítések keresése</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>A frissítés nem sikerült. Ellenőrizze, hogy az eszköz (%1) továbbra is csatlakozik-e a számítógéphez. Ha a probléma továbbra is fennáll, forduljon a Zeq ügyfélszolgálatához.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Eszközfrissítés</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Szoftver</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>HERE-térképfrissítés</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>TA-térképfrissítés</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>OSM-térképfrissítés</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Országtérképek frissítése</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Alaptérkép frissítése</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Térképfrissítés</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Letöltés</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Telepítés</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>A frissítés nem sikerült. Ellenőrizze az internetkapcsolatot, és próbálja újra.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>A javítás sikerült.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Az eszköznek újra kellett indulnia. Ha nem indult újra, a frissítés befejezéséhez most válassza le az eszközt.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>A frissítés sikerült. Az eszköznek újra kellett indulnia. Ha nem indult újra, a frissítés befejezéséhez most válassza le az eszközt.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Nincs elég hely ezen a meghajtón: %1. A frissítések befejezéséhez %2 MB szükséges.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Vásárlás</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Bővítés</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>OSM-térkép burkolt és burkolatlan utakkal.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>A TA-térkép címadatokat is tartalmaz.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Térkép</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>A HERE-térkép címadatokat is tartalmaz.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>A Prémium szolgáltatással egy évig tölthet le új térképadatokat.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>A Prémium szolgáltatás lejárata:</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Bővítse a jelenlegi térképet, vagy fizessen elő a Prémium szolgáltatásra különleges ajánlattal.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>frissítés</translation>
    </message>
    <message>
        <source>version</source>
        <translation>verzió</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Űrlap</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Regisztráció</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Hozzáférés az eszközhöz</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>A Wendo eszköz csatlakoztatva van, de a WendoAgent nem használhatja a portját (%1), ezért az eszköz nem jeleníthető meg.

A WendoAgent csomag telepítése hozzáférést ad ehhez a porthoz a bejelentkezett felhasználónak. Vagy adja hozzá a felhasználóját a „dialout” csoporthoz (sudo adduser $USER dialout), majd jelentkezzen be újra az asztali környezetbe.

Ezután húzza ki az eszközt, és csatlakoztassa újra.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Űrlap</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Űrlap</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Előzmények</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Minden feltöltött előzmény megmarad az eszközömön.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Minden feltöltött előzmény törlődik az eszközömről.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Útvonalak</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>A ZeqShare útvonalai automatikusan szinkronizálódnak az eszközével.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-szinkronizálás</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Űrlap</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Párbeszédablak</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Frissítse a wendoAgent programot</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>WendoAgent-frissítés (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Kiadási megjegyzések</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Később</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Frissítés</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>A weboldalt nem sikerült megnyitni. Ellenőrizze, hogy van-e telepítve webböngésző.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Űrlap</translation>
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
