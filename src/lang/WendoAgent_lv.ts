<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogs</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Produkta versija</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Izlaides datums</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent uztur jūsu Wendo velodatoru saskaņā ar jūsu braucieniem tiešsaistē.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
</context>
<context>
    <name>AgentSettings</name>
    <message>
        <source>Settings</source>
        <translation>Iestatījumi</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Iestatījumus neizdevās saglabāt, iespējams, disks ir pilns. Iepriekš saglabātie iestatījumi paliek spēkā.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogs</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Pamatiestatījumi</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Valoda</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Saglabāt</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Izrakstīties</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogs</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Meklē atjauninājumus</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Apturēt</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogs</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Meklē atjauninājumus</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Apturēt</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Pēdējā pievienošana</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Reģistrācijas datums</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Atreģistrēt</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogs</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Tas var aizņemt kādu laiku. Lūdzu, uzgaidiet un neatvienojiet ierīci.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Lejupielādē...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Ierīces atjauninājums</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>ROM versija (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Programmatūra (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>OSM kartes atjauninājums (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>TA kartes atjauninājums (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Aizmirsāt paroli?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Pierakstīties</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Atcerēties mani</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-pasta adrese vai parole nav pareiza. Lūdzu, mēģiniet vēlreiz.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Noklikšķinot uz pogas, jūs piekrītat &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;lietošanas noteikumiem&lt;/a&gt; &amp;amp; &lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;privātuma politikai&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Lūdzu, ievadiet derīgu e-pasta adresi.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Vācija, Austrija un Šveice</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Jauniniet pašreizējo karti vai iegādājieties Premium pakalpojumu ar īpašu piedāvājumu</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Pirkt</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Jaunināt</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Pieejams atjauninājums]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atjaunināt</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>OSM kartes datums</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>TA kartes datums</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>OSM karte satur datus par ceļiem ar segumu un bez seguma.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>TA karte satur kartes datus ar adresēm.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Ķīna</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Atjaunot</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Reģistrācija</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Dublēt</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Teksta etiķete</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Ierīce</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Mani dati</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare sinhronizācija</translation>
    </message>
    <message>
        <source>test</source>
        <translation>tests</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Ierīce</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM versija</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Programmatūras versija</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Pārbaudīt versiju</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versija</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Ierīcē ir jaunākā programmatūra]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Laidiena piezīme</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogs</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Ierīces atjauninājums</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    ROM versija (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Programmatūra (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．OSM kartes atjauninājums (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．TA kartes atjauninājums (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Laidiena piezīmes</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Dublēt ierīci pirms atjaunināšanas</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Vēlāk</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atjaunināt</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Pieejams jauns atjauninājums</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Neizdevās izveidot savienojumu ar QuorvaneShare serveri. Lūdzu, pārbaudiet interneta savienojumu.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Neizdevās izveidot savienojumu ar ZeqShare serveri. Lūdzu, pārbaudiet interneta savienojumu.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Interneta savienojums</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Iestatījumi</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Veiksmīgi saglabāts</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>Par WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Izrakstīties</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>E-pasta adrese</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Pierakstīties</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-pasta adrese vai parole nav pareiza. Lūdzu, mēģiniet vēlreiz.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Atcerēties mani</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Atvērt WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Pārbaudīt versiju</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Atvērt QuorvaneShare vietni</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Atvērt ZeqShare vietni</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Iziet no WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Palaist startēšanas laikā</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Visi dati ir veiksmīgi augšupielādēti pakalpojumā QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Visi dati ir veiksmīgi augšupielādēti pakalpojumā ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Noklikšķiniet šeit, lai pārbaudītu</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Pieejams atjauninājums</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Pieejams jauns atjauninājums. Noklikšķiniet šeit, lai uzzinātu vairāk.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Jā</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nē</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Dublēt</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Atjaunot</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Notiek dublēšana... Lūdzu, neatvienojiet ierīci.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Notiek atjaunošana... Lūdzu, neatvienojiet ierīci.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Ierīces dublēšana</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Ierīces atjaunošana</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Dublēšana ir veiksmīgi pabeigta</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Dublēšana neizdevās. Pārliecinieties, vai ierīce %1 joprojām ir pievienota datoram. Ja problēma atkārtojas, sazinieties ar Zeq atbalsta dienestu.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Veiksmīgi atjaunots</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Atjaunošana neizdevās. Pārliecinieties, vai ierīce %1 joprojām ir pievienota datoram. Ja problēma atkārtojas, sazinieties ar Zeq atbalsta dienestu.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Saglabāt</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>ir pievienota</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Reģistrācija</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Reģistrēt</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Šī ierīce nav reģistrēta. Reģistrējiet ierīci, lai jūsu vēsture un maršruti tiktu sinhronizēti ar QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Šī ierīce nav reģistrēta. Reģistrējiet ierīci, lai jūsu vēsture un maršruti tiktu sinhronizēti ar ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Pievienotā ierīce nav saistīta ar pašreizējo kontu, taču jūs joprojām varat izmantot atjaunināšanas funkciju.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Dublējiet savus Wendo datus</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Pēdējais dublējums</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Mani dati</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Sinhronizēt vēlreiz</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Augšupielādē vēstures ierakstus: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Lejupielādē maršrutus: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Apturēt</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Mēģināt vēlreiz</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Ierīcē nepietiek atmiņas.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Sinhronizācija nav pabeigta. Lūdzu, izdzēsiet daļu vēstures ierakstu vai maršrutu, lai atbrīvotu atmiņu.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Datora disks ir pilns. Lūdzu, atbrīvojiet vietu un mēģiniet vēlreiz.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Bojāti dati</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Dzēst bojāto vēsturi</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Šo ierakstu neizdevās apstrādāt, jo ierīcē ir nederīga informācija. Lai šis ziņojums vairs netiktu rādīts, izņemiet šo failu no ierīces.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>QuorvaneShare sinhronizācija</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare sinhronizācija</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Dažus datus nevar augšupielādēt pakalpojumā QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Dažus datus nevar augšupielādēt pakalpojumā ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Izveidojiet savienojumu ar internetu, lai augšupielādētu savus datus pakalpojumā QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Izveidojiet savienojumu ar internetu, lai augšupielādētu savus datus pakalpojumā ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Ierīce</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM versija</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Programmatūras versija</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Laidiena piezīmes</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Atjauninājumi</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Ierīcē ir jaunākā programmatūra.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>NAV PIEVIENOTA NEVIENA IERĪCE</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Lūdzu, pievienojiet savu ierīci</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Labot</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Ierīces labošana</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Nevarat izmantot ierīci? Neuztraucieties – noklikšķiniet uz pogas „Labot“, un mēs palīdzēsim to atkal iedarbināt.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Ierīces atreģistrēšana</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Ierīce ir veiksmīgi atreģistrēta.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Ierīce vēl nav atreģistrēta.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Maršruti pakalpojumā QuorvaneShare tiks automātiski sinhronizēti ar jūsu ierīci.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Maršruti pakalpojumā ZeqShare tiks automātiski sinhronizēti ar jūsu ierīci.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Vai tiešām vēlaties pamest šo lapu, nesaglabājot izmaiņas?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Mana ierīce</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Karšu pārvaldība</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Ierīces reģistrācija</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Ierīce ir veiksmīgi reģistrēta.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>pievienota</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Lai atreģistrētu ierīci, vispirms to atvienojiet.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Pēdējā pievienošana</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Reģistrācijas datums</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Vai tiešām vēlaties atreģistrēt ierīci?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Dzēst manu dublējumu, ja tāds ir.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Meklē atjauninājumus</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Atjaunināšana neizdevās. Pārliecinieties, vai ierīce %1 joprojām ir pievienota datoram. Ja problēma atkārtojas, sazinieties ar Zeq atbalsta dienestu.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Ierīces atjauninājums</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Programmatūra</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>HERE kartes atjauninājums</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>TA kartes atjauninājums</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>OSM kartes atjauninājums</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Valstu karšu atjauninājums</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Pamatkartes atjauninājums</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Kartes atjauninājums</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Lejupielādē</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalē</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Atjaunināšana neizdevās. Lūdzu, pārbaudiet interneta savienojumu un mēģiniet vēlreiz.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Ierīce ir veiksmīgi salabota.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Ierīcei vajadzēja restartēties. Ja tā nenotika, lūdzu, atvienojiet ierīci tagad, lai pabeigtu atjaunināšanu.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Atjaunināšana izdevās. Ierīcei vajadzēja restartēties. Ja tā nenotika, lūdzu, atvienojiet ierīci tagad, lai pabeigtu atjaunināšanu.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Diskā %1 nepietiek vietas. Lai pabeigtu atjaunināšanu, nepieciešami %2 MB.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Pirkt</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Jaunināt</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>OSM karte satur datus par ceļiem ar segumu un bez seguma.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>TA karte satur kartes datus ar adresēm.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>HERE karte satur kartes datus ar adresēm.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Ar Premium pakalpojumu gada laikā varat lejupielādēt jaunus karšu datus.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Premium pakalpojums ir spēkā līdz</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Jauniniet pašreizējo karti vai iegādājieties Premium pakalpojumu ar īpašu piedāvājumu.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>atjauninājums</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versija</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Reģistrācija</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Piekļuve ierīcei</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Jūsu Wendo ierīce ir pievienota, bet WendoAgent nedrīkst izmantot tās portu %1, tāpēc ierīci nevar parādīt.

Instalējot WendoAgent pakotni, lietotājs, kas pieteicies sistēmā, saņem piekļuvi šim portam. Vai arī pievienojiet savu lietotāju grupai „dialout“ (sudo adduser $USER dialout) un vēlreiz piesakieties darbvirsmā.

Pēc tam atvienojiet ierīci un pievienojiet to vēlreiz.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Vēsture</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Visa augšupielādētā vēsture tiks paturēta manā ierīcē.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Visa augšupielādētā vēsture tiks izdzēsta no manas ierīces.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Maršruti</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Maršruti pakalpojumā ZeqShare tiks automātiski sinhronizēti ar jūsu ierīci.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare sinhronizācija</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogs</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Lūdzu, atjauniniet wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>WendoAgent atjauninājums (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Laidiena piezīmes</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Vēlāk</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atjaunināt</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Tīmekļa lapu nevarēja atvērt. Lūdzu, pārbaudiet, vai ir instalēta tīmekļa pārlūkprogramma.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
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
