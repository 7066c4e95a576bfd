<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Pogovorno okno</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Različica programa</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Datum izdaje</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent usklajuje vaš kolesarski računalnik Wendo z vašimi vožnjami na spletu.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
</context>
<context>
    <name>AgentSettings</name>
    <message>
        <source>Settings</source>
        <translation>Nastavitve</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Nastavitev ni bilo mogoče shraniti, disk je morda poln. Prej shranjene nastavitve ostanejo nespremenjene.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Pogovorno okno</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Osnovne nastavitve</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jezik</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Shrani</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Odjava</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Pogovorno okno</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Iskanje posodobitev</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ustavi</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Pogovorno okno</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Iskanje posodobitev</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ustavi</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Zadnja povezava</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Datum registracije</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Odjavi napravo</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Pogovorno okno</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>To lahko traja nekaj časa. Počakajte in ne odklapljajte naprave.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Prenašanje …</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Posodobitev naprave</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>Firmver (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Programska oprema (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>Posodobitev zemljevida OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>Posodobitev zemljevida TA (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Ste pozabili geslo?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Prijava</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Zapomni si me</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-poštni naslov ali geslo ni pravilno. Poskusite znova.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>S klikom na gumb se strinjate s &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;pogoji uporabe &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; pravilnikom o zasebnosti &lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Vnesite veljaven e-poštni naslov.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Zemljevid</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Nemčija, Avstrija in Švica</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Nadgradite trenutni zemljevid ali kupite storitev Premium s posebno ponudbo</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kupi</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Nadgradi</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Na voljo je posodobitev]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Posodobi</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>Datumska koda OSM</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>Datumska koda TA</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>Zemljevid OSM vsebuje podatke o asfaltiranih in neasfaltiranih cestah.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>Zemljevid TA vsebuje podatke z naslovi.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Kitajska</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Obnovi</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registracija</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Varnostna kopija</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Besedilo</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Naprava</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Moji podatki</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sinhronizacija z ZeqShare</translation>
    </message>
    <message>
        <source>test</source>
        <translation>preskus</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Naprava</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Različica firmvera</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Različica programske opreme</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Išči posodobitve</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Različica</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Naprava ima najnovejšo programsko opremo]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Opombe ob izdaji</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Pogovorno okno</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Posodobitev naprave</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    Firmver (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Programska oprema (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．Posodobitev zemljevida OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．Posodobitev zemljevida TA (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Opombe ob izdaji</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Najprej varnostno kopiraj napravo</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Pozneje</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Posodobi</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Na voljo je nova posodobitev</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Povezava s strežnikom QuorvaneShare ni uspela. Preverite internetno povezavo.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Povezava s strežnikom ZeqShare ni uspela. Preverite internetno povezavo.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Internetna povezava</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavitve</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Shranjeno</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>O programu WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Odjava</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>E-poštni naslov</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Geslo</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Prijava</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-poštni naslov ali geslo ni pravilno. Poskusite znova.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Zapomni si me</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Odpri WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Išči posodobitve</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Odpri spletno mesto QuorvaneShare</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Odpri spletno mesto ZeqShare</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Zapri WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Zaženi ob zagonu sistema</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Vsi podatki so naloženi v QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Vsi podatki so naloženi v ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Kliknite za ogled</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Na voljo je posodobitev</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Na voljo je nova posodobitev. Kliknite tukaj za več informacij.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Varnostna kopija</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Obnovitev</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Izdelava varnostne kopije … Ne odklapljajte naprave.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Obnavljanje … Ne odklapljajte naprave.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Varnostna kopija naprave</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Obnovitev naprave</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Varnostna kopija je izdelana</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Izdelava varnostne kopije ni uspela. Preverite, ali je naprava %1 še vedno priključena na računalnik. Če se težava ponavlja, se obrnite na podporo Zeq.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Obnovitev je uspela</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Obnovitev ni uspela. Preverite, ali je naprava %1 še vedno priključena na računalnik. Če se težava ponavlja, se obrnite na podporo Zeq.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Shrani</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>je priključena</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registracija</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registriraj</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Ta naprava ni registrirana. Registrirajte jo, da se bodo vožnje in poti sinhronizirale s QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Ta naprava ni registrirana. Registrirajte jo, da se bodo vožnje in poti sinhronizirale z ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Priključena naprava ni povezana s tem računom, vendar jo lahko še vedno posodobite.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Izdelajte varnostno kopijo podatkov Wendo</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Zadnja varnostna kopija</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Moji podatki</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Sinhroniziraj</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Nalaganje voženj: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Prenašanje poti: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ustavi</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Poskusi znova</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>V napravi ni dovolj prostora.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Sinhronizacija ni končana. Izbrišite nekaj voženj ali poti, da sprostite pomnilnik.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Disk računalnika je poln. Sprostite prostor in poskusite znova.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Poškodovani podatki</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Izbriši poškodovano vožnjo</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Tega posnetka ni bilo mogoče obdelati, ker naprava vsebuje neveljavne podatke. Če tega sporočila ne želite več videti, odstranite datoteko iz naprave.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>Sinhronizacija s QuorvaneShare</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sinhronizacija z ZeqShare</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Nekaterih podatkov ni mogoče naložiti v QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Nekaterih podatkov ni mogoče naložiti v ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Povežite se z internetom, da naložite podatke v QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Povežite se z internetom, da naložite podatke v ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Naprava</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Različica firmvera</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Različica programske opreme</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Opombe ob izdaji</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Posodobitve</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Naprava ima najnovejšo programsko opremo.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>NOBENA NAPRAVA NI PRIKLJUČENA</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Priključite napravo</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Popravi</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Popravilo naprave</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Naprava ne deluje? Brez skrbi – kliknite gumb „Popravi“ in pomagali vam bomo, da spet deluje.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Odjava naprave</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Naprava je odjavljena.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Naprave še ni bilo mogoče odjaviti.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Poti iz QuorvaneShare se bodo samodejno sinhronizirale z napravo.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Poti iz ZeqShare se bodo samodejno sinhronizirale z napravo.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Ali res želite zapustiti to stran, ne da bi shranili spremembe?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Moja naprava</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Zemljevidi</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Registracija naprave</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Naprava je registrirana.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>priključena</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Če želite odjaviti napravo, jo odklopite.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Zadnja povezava</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Datum registracije</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Ali res želite odjaviti napravo?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Odstrani tudi mojo varnostno kopijo, če obstaja.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Iskanje posodobitev</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Posodobitev ni uspela. Preverite, ali je naprava %1 še vedno priključena na računalnik. Če se težava ponavlja, se obrnite na podporo Zeq.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Posodobitev naprave</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Programska oprema</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>Firmver</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>Posodobitev zemljevida HERE</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>Posodobitev zemljevida TA</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>Posodobitev zemljevida OSM</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Posodobitev zemljevidov držav</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Posodobitev osnovnega zemljevida</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Posodobitev zemljevida</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Prenašanje</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Nameščanje</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Posodobitev ni uspela. Preverite internetno povezavo in poskusite znova.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Naprava je popravljena.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Naprava bi se morala znova zagnati. Če se ni, jo zdaj odklopite, da dokončate posodobitev.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Posodobitev je uspela. Naprava bi se morala znova zagnati. Če se ni, jo zdaj odklopite, da dokončate posodobitev.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Na pogonu %1 ni dovolj prostora. Za dokončanje posodobitev potrebujete %2 MB.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kupi</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Nadgradi</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>Zemljevid OSM vsebuje podatke o asfaltiranih in neasfaltiranih cestah.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>Zemljevid TA vsebuje podatke z naslovi.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Zemljevid</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>Zemljevid HERE vsebuje podatke z naslovi.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Kliknite Premium, da prenesete nove podatke zemljevidov za eno leto.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Storitev Premium velja do</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Nadgradite trenutni zemljevid ali kupite storitev Premium s posebno ponudbo.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>posodobitev</translation>
    </message>
    <message>
        <source>version</source>
        <translation>različica</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registracija</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Dostop do naprave</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Naprava Wendo je priključena, vendar WendoAgent ne sme uporabljati njenih vrat %1, zato naprave ni mogoče prikazati.

Če namestite paket WendoAgent, prijavljeni uporabnik dobi dostop do teh vrat. Lahko pa svojega uporabnika dodate v skupino „dialout“ (sudo adduser $USER dialout) in se znova prijavite v namizje.

Nato napravo odklopite in jo znova priklopite.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Zgodovina voženj</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Naložene vožnje obdrži v napravi.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Naložene vožnje izbriši iz naprave.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Poti</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Poti iz ZeqShare se bodo samodejno sinhronizirale z napravo.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sinhronizacija z ZeqShare</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Pogovorno okno</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Posodobite wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>Posodobitev WendoAgent (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Opombe ob izdaji</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Pozneje</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Posodobi</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Spletne strani ni bilo mogoče odpreti. Preverite, ali je nameščen spletni brskalnik.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
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
