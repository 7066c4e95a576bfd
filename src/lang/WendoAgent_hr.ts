<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dijalog</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Verzija proizvoda</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Datum izdanja</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent usklađuje vaše Wendo biciklističko računalo s vašim vožnjama na mreži.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
</context>
<context>
    <name>AgentSettings</name>
    <message>
        <source>Settings</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Postavke nije bilo moguće spremiti, disk je možda pun. Prethodno spremljene postavke ostaju sačuvane.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Dijalog</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Osnovne postavke</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jezik</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spremi</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
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
        <translation>Dijaloški okvir</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Traženje ažuriranja</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zaustavi</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dijaloški okvir</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Traženje ažuriranja</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zaustavi</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Zadnje povezivanje</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registrirano</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Poništi registraciju</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dijaloški okvir</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Ovo može potrajati. Pričekajte i ne odspajajte uređaj.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Preuzimanje...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Ažuriranje uređaja</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Softver (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>Ažuriranje karte OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>Ažuriranje karte TA (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Zaboravili ste lozinku?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Prijava</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Zapamti me</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Adresa e-pošte ili lozinka nije ispravna. Pokušajte ponovno.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Klikom na gumb prihvaćate &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;uvjete korištenja&lt;/a&gt; &amp;amp; &lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;pravila o privatnosti&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Unesite valjanu adresu e-pošte.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karta</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Njemačka, Austrija i Švicarska</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Nadogradite trenutačnu kartu ili kupite uslugu Premium uz posebnu ponudu.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kupi</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Nadogradi</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Dostupno ažuriranje]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ažuriraj</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>Datumski kod OSM</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>Datumski kod TA</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>Karta OSM sadrži podatke o asfaltiranim i neasfaltiranim cestama.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>Karta TA sadrži podatke karte s adresama.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Kina</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Vrati</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registracija</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sigurnosna kopija</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Tekstna oznaka</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Uređaj</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Moji podaci</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sinkronizacija sa servisom ZeqShare</translation>
    </message>
    <message>
        <source>test</source>
        <translation>proba</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Uređaj</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Verzija ROM-a</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Verzija softvera</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Traži ažuriranja</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzija</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Softver uređaja je ažuran]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Napomena o izdanju</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dijaloški okvir</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Ažuriranje uređaja</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Softver (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．Ažuriranje karte OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．Ažuriranje karte TA (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Napomene o izdanju</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Sigurnosna kopija prije ažuriranja</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Kasnije</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ažuriraj</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Dostupno je novo ažuriranje</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Povezivanje s poslužiteljem QuorvaneShare nije uspjelo. Provjerite internetsku vezu.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Povezivanje s poslužiteljem ZeqShare nije uspjelo. Provjerite internetsku vezu.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Internetska veza</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Uspješno spremljeno</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>O aplikaciji WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Odjava</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>Adresa e-pošte</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lozinka</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Prijava</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Adresa e-pošte ili lozinka nije ispravna. Pokušajte ponovno.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Zapamti me</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Otvori WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Traži ažuriranja</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Otvori web-mjesto QuorvaneShare</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Otvori web-mjesto ZeqShare</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Zatvori WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Pokreni pri pokretanju sustava</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Svi su podaci uspješno preneseni na QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Svi su podaci uspješno preneseni na ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Kliknite ovdje za provjeru</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Dostupno je ažuriranje</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Dostupno je novo ažuriranje. Kliknite ovdje za više informacija.</translation>
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
        <translation>Sigurnosna kopija</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Vraćanje</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Izrada sigurnosne kopije... Ne odspajajte uređaj.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Vraćanje... Ne odspajajte uređaj.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Sigurnosna kopija uređaja</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Vraćanje uređaja</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Sigurnosna kopija uspješno je izrađena</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Izrada sigurnosne kopije nije uspjela. Provjerite je li uređaj %1 još uvijek povezan s računalom. Ako se problem nastavi, obratite se podršci tvrtke Zeq.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Uspješno vraćeno</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Vraćanje nije uspjelo. Provjerite je li uređaj %1 još uvijek povezan s računalom. Ako se problem nastavi, obratite se podršci tvrtke Zeq.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>je povezan</translation>
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
        <translation>Ovaj uređaj nije registriran. Registrirajte uređaj kako bi se vaša povijest i rute sinkronizirale sa servisom QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Ovaj uređaj nije registriran. Registrirajte uređaj kako bi se vaša povijest i rute sinkronizirale sa servisom ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Povezani uređaj ne pripada trenutačnom računu, ali i dalje možete koristiti funkciju ažuriranja.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Izradite sigurnosnu kopiju Wendo podataka</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Zadnja sigurnosna kopija</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Moji podaci</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Sinkroniziraj</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Prijenos stavki povijesti: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Preuzimanje ruta: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zaustavi</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Pokušaj ponovno</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Na uređaju nema dovoljno memorije.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Sinkronizacija nije dovršena. Izbrišite dio povijesti ili ruta kako biste oslobodili memoriju.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Disk računala je pun. Oslobodite prostor i pokušajte ponovno.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Oštećeni podaci</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Izbriši oštećenu povijest</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Ova snimka ne može se obraditi jer uređaj sadrži neispravne podatke. Kako se ova poruka ne bi ponovno prikazivala, uklonite datoteku s uređaja.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>Sinkronizacija sa servisom QuorvaneShare</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sinkronizacija sa servisom ZeqShare</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Neki se podaci ne mogu prenijeti na QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Neki se podaci ne mogu prenijeti na ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Povežite se s internetom kako biste prenijeli svoje podatke na QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Povežite se s internetom kako biste prenijeli svoje podatke na ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Uređaj</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Verzija ROM-a</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Verzija softvera</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Napomene o izdanju</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Ažuriranja</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Softver uređaja je ažuran.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>NIJEDAN UREĐAJ NIJE POVEZAN</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Povežite svoj uređaj</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Popravi</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Popravak uređaja</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Uređaj ne radi? Bez brige – kliknite gumb „Popravi“ i pomoći ćemo vam da ponovno proradi.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Poništavanje registracije uređaja</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Registracija uređaja uspješno je poništena.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Registracija uređaja još nije poništena.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Rute sa servisa QuorvaneShare automatski će se sinkronizirati s vašim uređajem.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Rute sa servisa ZeqShare automatski će se sinkronizirati s vašim uređajem.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Jeste li sigurni da želite napustiti ovu stranicu bez spremanja promjena?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Moj uređaj</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Upravljanje kartama</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Registracija uređaja</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Uređaj je uspješno registriran.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>je povezan</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Odspojite uređaj kako biste poništili registraciju.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Zadnje povezivanje</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registrirano</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Jeste li sigurni da želite poništiti registraciju uređaja?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Ukloni i moju sigurnosnu kopiju, ako postoji.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Traženje ažuriranja</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Ažuriranje nije uspjelo. Provjerite je li uređaj %1 još uvijek povezan s računalom. Ako se problem nastavi, obratite se podršci tvrtke Zeq.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Ažuriranje uređaja</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Softver</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>Ažuriranje karte HERE</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>Ažuriranje karte TA</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>Ažuriranje karte OSM</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Ažuriranje karata država</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Ažuriranje osnovne karte</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Ažuriranje karte</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Preuzimanje</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instaliranje</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Ažuriranje nije uspjelo. Provjerite internetsku vezu i pokušajte ponovno.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Popravak je uspješno dovršen.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Uređaj se trebao ponovno pokrenuti. Ako nije, odspojite ga sada kako bi se ažuriranje dovršilo.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Ažuriranje je uspjelo. Uređaj se trebao ponovno pokrenuti. Ako nije, odspojite ga sada kako bi se ažuriranje dovršilo.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Na pogonu %1 nema dovoljno prostora. Za dovršetak ažuriranja potrebno je %2 MB.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kupi</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Nadogradi</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>Karta OSM sadrži podatke o asfaltiranim i neasfaltiranim cestama.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>Karta TA sadrži podatke karte s adresama.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karta</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>Karta HERE sadrži podatke karte s adresama.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Kupite Premium kako biste godinu dana preuzimali nove podatke karte.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Usluga Premium istječe</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Nadogradite trenutačnu kartu ili kupite uslugu Premium uz posebne ponude.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>ažuriranje</translation>
    </message>
    <message>
        <source>version</source>
        <translation>verzija</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
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
        <translation>Pristup uređaju</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Vaš uređaj Wendo je priključen, ali WendoAgent ne smije koristiti njegov priključak %1, pa se uređaj ne može prikazati.

Instaliranjem paketa WendoAgent prijavljeni korisnik dobiva ovaj priključak. Ili dodajte svog korisnika u grupu „dialout“ (sudo adduser $USER dialout) i ponovno se prijavite na radnu površinu.

Zatim iskopčajte uređaj i ponovno ga ukopčajte.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Povijest</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Sva prenesena povijest ostat će na mojem uređaju.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Sva prenesena povijest bit će izbrisana s mojeg uređaja.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Rute</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Rute sa servisa ZeqShare automatski će se sinkronizirati s vašim uređajem.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sinkronizacija sa servisom ZeqShare</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dijaloški okvir</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Ažurirajte wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>Ažuriranje WendoAgenta (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Napomene o izdanju</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Kasnije</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ažuriraj</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Web-stranicu nije moguće otvoriti. Provjerite je li instaliran web-preglednik.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
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
