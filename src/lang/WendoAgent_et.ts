<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogiaken</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Toote versioon</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Väljalaske kuupäev</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent hoiab teie Wendo rattakompuutri veebis olevate sõitudega kooskõlas.</translation>
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
        <translation>Seaded</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Seadeid ei õnnestunud salvestada, ketas võib olla täis. Varem salvestatud seaded jäävad alles.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogiaken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Vorm</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Põhiseaded</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Keel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvesta</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Vorm</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Logi välja</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogiaken</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Värskenduse otsimine</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Peata</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogiaken</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Värskenduse otsimine</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Peata</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Vorm</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Viimati ühendatud</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registreeritud</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Eemalda seade</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogiaken</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>See võib võtta aega. Palun oodake ja ärge ühendage seadet lahti.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Allalaadimine...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Seadme värskendus</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Tarkvara (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>OSM-kaardi värskendus (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>TA-kaardi värskendus (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Vorm</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Unustasite parooli?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Logi sisse</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Jäta mind meelde</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-posti aadress või parool on vale. Proovige uuesti.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Nupule klõpsates nõustute &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;kasutustingimuste&lt;/a&gt; &amp;amp; &lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;privaatsuspoliitikaga&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Sisestage kehtiv e-posti aadress.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Vorm</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Vorm</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Kaart</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Saksamaa, Austria ja Šveits</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Täiendage praegust kaarti või ostke eripakkumisega Premium-teenus.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Osta</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Täienda</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Värskendus saadaval]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Värskenda</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>OSM-i kuupäevakood</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>TA kuupäevakood</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>OSM-kaart sisaldab andmeid kõvakattega teede ja pinnasteede kohta.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>TA-kaart sisaldab aadressidega kaardiandmeid.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Hiina</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Taasta</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registreering</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Varunda</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Tekstisilt</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Seade</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Minu andmed</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare&apos;i sünkroonimine</translation>
    </message>
    <message>
        <source>test</source>
        <translation>proov</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Seade</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM-i versioon</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Tarkvara versioon</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Otsi värskendusi</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versioon</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Seadme tarkvara on ajakohane]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Väljalaske märkus</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Vorm</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogiaken</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Seadme värskendus</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Tarkvara (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．OSM-kaardi värskendus (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．TA-kaardi värskendus (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Väljalaskemärkmed</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Varunda seade enne värskendamist</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Hiljem</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Värskenda</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Uus värskendus on saadaval</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Vorm</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>QuorvaneShare&apos;i serveriga ei saanud ühendust. Kontrollige oma internetiühendust.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>ZeqShare&apos;i serveriga ei saanud ühendust. Kontrollige oma internetiühendust.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Internetiühendus</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Seaded</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Salvestatud</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>Teave WendoAgenti kohta</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Logi välja</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>E-posti aadress</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parool</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Logi sisse</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-posti aadress või parool on vale. Proovige uuesti.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Jäta mind meelde</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Ava WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Otsi värskendusi</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Ava QuorvaneShare&apos;i veebisait</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Ava ZeqShare&apos;i veebisait</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Sulge WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Käivita süsteemi käivitumisel</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Kõik andmed on edukalt QuorvaneShare&apos;i üles laaditud.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Kõik andmed on edukalt ZeqShare&apos;i üles laaditud.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Vaatamiseks klõpsake siin</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Värskendus on saadaval</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Saadaval on uus värskendus. Lisateabe saamiseks klõpsake siin.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Jah</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Varunda</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Taasta</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Varundamine... Ärge ühendage seadet lahti.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Taastamine... Ärge ühendage seadet lahti.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Seadme varundamine</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Seadme taastamine</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Varundamine õnnestus</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Varundamine ebaõnnestus. Veenduge, et seade %1 on endiselt arvutiga ühendatud. Kui probleem püsib, võtke ühendust Zeqi klienditoega.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Taastamine õnnestus</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Taastamine ebaõnnestus. Veenduge, et seade %1 on endiselt arvutiga ühendatud. Kui probleem püsib, võtke ühendust Zeqi klienditoega.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvesta</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>on ühendatud</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registreering</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registreeri</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>See seade pole registreeritud. Registreerige seade, et teie ajalugu ja rajad sünkroonitaks QuorvaneShare&apos;iga.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>See seade pole registreeritud. Registreerige seade, et teie ajalugu ja rajad sünkroonitaks ZeqShare&apos;iga.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Ühendatud seade pole praeguse kontoga seotud, kuid värskendusfunktsiooni saate siiski kasutada.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Varundage oma Wendo andmed</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Viimane varukoopia</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Minu andmed</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Sünkrooni uuesti</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Ajaloo kirjete üleslaadimine: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Radade allalaadimine: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Peata</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Proovi uuesti</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Seadmes pole piisavalt mälu.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Sünkroonimine pole lõpetatud. Mälu vabastamiseks kustutage osa ajaloo kirjeid või radu.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Arvuti ketas on täis. Vabastage ruumi ja proovige uuesti.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Rikutud andmed</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Kustuta rikutud ajalugu</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Seda salvestist ei õnnestunud töödelda, sest seade sisaldab vigaseid andmeid. Et seda teadet enam ei kuvataks, eemaldage see fail seadmest.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>QuorvaneShare&apos;i sünkroonimine</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare&apos;i sünkroonimine</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Osa andmeid ei saa QuorvaneShare&apos;i üles laadida.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Osa andmeid ei saa ZeqShare&apos;i üles laadida.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Andmete QuorvaneShare&apos;i üleslaadimiseks looge internetiühendus.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Andmete ZeqShare&apos;i üleslaadimiseks looge internetiühendus.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Seade</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM-i versioon</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Tarkvara versioon</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Väljalaskemärkmed</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Värskendused</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Seadme tarkvara on ajakohane.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>ÜHTKI SEADET POLE ÜHENDATUD</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Ühendage oma seade</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Paranda</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Seadme parandamine</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Seade ei tööta? Pole hullu – klõpsake nuppu „Paranda“ ja me aitame selle taas tööle saada.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Seadme registreeringu tühistamine</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Seadme registreering on tühistatud.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Seadme registreeringut pole veel tühistatud.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>QuorvaneShare&apos;i rajad sünkroonitakse automaatselt teie seadmega.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>ZeqShare&apos;i rajad sünkroonitakse automaatselt teie seadmega.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Kas soovite kindlasti sellelt lehelt lahkuda muudatusi salvestamata?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Minu seade</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Kaartide haldus</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Seadme registreerimine</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Seade on edukalt registreeritud.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>on ühendatud</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Registreeringu tühistamiseks ühendage seade lahti.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Viimati ühendatud</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registreeritud</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Kas soovite kindlasti seadme registreeringu tühistada?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Eemalda ka minu varukoopia, kui see on olemas.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Värskenduste otsimine</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Värskendamine ebaõnnestus. Veenduge, et seade %1 on endiselt arvutiga ühendatud. Kui probleem püsib, võtke ühendust Zeqi klienditoega.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Seadme värskendus</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Tarkvara</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>HERE-kaardi värskendus</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>TA-kaardi värskendus</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>OSM-kaardi värskendus</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Riikide kaartide värskendus</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Põhikaardi värskendus</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Kaardi värskendus</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Allalaadimine</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installimine</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Värskendamine ebaõnnestus. Kontrollige internetiühendust ja proovige uuesti.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Parandamine õnnestus.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Seade peaks olema taaskäivitunud. Kui ei ole, ühendage seade kohe lahti, et värskendus lõpule viia.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Värskendamine õnnestus. Seade peaks olema taaskäivitunud. Kui ei ole, ühendage seade kohe lahti, et värskendus lõpule viia.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Kettal %1 pole piisavalt ruumi. Värskenduste lõpuleviimiseks on vaja %2 MB.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Osta</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Täienda</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>OSM-kaart: kõvakattega teed ja pinnasteed.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>TA-kaart sisaldab aadressidega kaardiandmeid.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Kaart</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>HERE-kaart sisaldab aadressidega kaardiandmeid.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Ostke Premium, et laadida aasta jooksul alla uusi kaardiandmeid.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Premium-teenus aegub</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Täiendage praegust kaarti või ostke eripakkumistega Premium-teenus.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>värskendus</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versioon</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Vorm</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registreering</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Juurdepääs seadmele</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Teie Wendo seade on ühendatud, kuid WendoAgent ei tohi kasutada selle porti %1, seega ei saa seadet kuvada.

WendoAgenti paketi installimine annab selle pordi sisse logitud kasutajale. Teise võimalusena lisage oma kasutaja rühma „dialout“ (sudo adduser $USER dialout) ja logige töölauale uuesti sisse.

Seejärel eemaldage seade ja ühendage see uuesti.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Vorm</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Vorm</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Ajalugu</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Kogu üles laaditud ajalugu jääb minu seadmesse.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Kogu üles laaditud ajalugu kustutatakse minu seadmest.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Rajad</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>ZeqShare&apos;i rajad sünkroonitakse automaatselt teie seadmega.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare&apos;i sünkroonimine</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Vorm</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogiaken</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Palun värskendage wendoAgenti</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>WendoAgenti värskendus (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Väljalaskemärkmed</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Hiljem</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Värskenda</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Veebilehte ei õnnestunud avada. Kontrollige, kas veebibrauser on installitud.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Vorm</translation>
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
