<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dijalog</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Verzija programa</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Datum izdavanja</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent usklađuje vaš biciklistički računar Wendo sa vašim vožnjama na internetu.</translation>
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
        <translation>Podešavanja</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Podešavanja nisu mogla da se sačuvaju, disk je možda pun. Ranije sačuvana podešavanja ostaju nepromenjena.</translation>
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
        <translation>Otkaži</translation>
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
        <translation>Osnovna podešavanja</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jezik</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sačuvaj</translation>
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
        <translation>Odjavi se</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dijalog</translation>
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
        <translation>Dijalog</translation>
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
        <translation>Poslednje povezivanje</translation>
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
        <translation>Odjavi uređaj</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dijalog</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Ovo može potrajati. Sačekajte i ne isključujte uređaj.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Preuzimanje…</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Ažuriranje uređaja</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>Firmver (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Softver (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>Ažuriranje OSM mape (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>Ažuriranje TA mape (1.1.1.1)</translation>
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
        <translation>Prijavi se</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Zapamti me</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Adresa e-pošte ili lozinka nije tačna. Pokušajte ponovo.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Klikom na dugme prihvatate &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;uslove korišćenja &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; politiku privatnosti &lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Unesite ispravnu adresu e-pošte.</translation>
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
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Nemačka, Austrija i Švajcarska</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Nadogradite trenutnu mapu ili kupite uslugu Premium uz posebnu ponudu</translation>
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
        <translation>[Dostupno je ažuriranje]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ažuriraj</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>OSM kod datuma</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>TA kod datuma</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>OSM mapa sadrži podatke o asfaltiranim i neasfaltiranim putevima.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>TA mapa sadrži podatke mape sa adresama.</translation>
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
        <translation>Rezervna kopija</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Tekst</translation>
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
        <translation>Sinhronizacija sa ZeqShare</translation>
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
        <translation>Verzija firmvera</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Verzija softvera</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Proveri ažuriranja</translation>
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
        <translation>Napomene o izdanju</translation>
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
        <translation>Dijalog</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Ažuriranje uređaja</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    Firmver (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Softver (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．Ažuriranje OSM mape (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．Ažuriranje TA mape (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Napomene o izdanju</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Prvo napravi rezervnu kopiju</translation>
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
        <translation>Povezivanje sa serverom QuorvaneShare nije uspelo. Proverite internet vezu.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Povezivanje sa serverom ZeqShare nije uspelo. Proverite internet vezu.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Internet veza</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Podešavanja</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Sačuvano</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>O programu WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Odjavi se</translation>
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
        <translation>Prijavi se</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Adresa e-pošte ili lozinka nije tačna. Pokušajte ponovo.</translation>
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
        <translation>Proveri ažuriranja</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Otvori veb-sajt QuorvaneShare</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Otvori veb-sajt ZeqShare</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Zatvori WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Pokreni pri startu sistema</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Svi podaci su otpremljeni na QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Svi podaci su otpremljeni na ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Kliknite da pogledate</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Dostupno je ažuriranje</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Dostupno je novo ažuriranje. Kliknite ovde za više informacija.</translation>
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
        <translation>Rezervna kopija</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Vraćanje</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Pravljenje rezervne kopije je u toku… Ne isključujte uređaj.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Vraćanje je u toku… Ne isključujte uređaj.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Rezervna kopija uređaja</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Vraćanje uređaja</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Rezervna kopija je napravljena</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Pravljenje rezervne kopije nije uspelo. Proverite da li je uređaj %1 i dalje povezan sa računarom. Ako se problem ponavlja, obratite se podršci kompanije Zeq.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Vraćanje je uspelo</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Vraćanje nije uspelo. Proverite da li je uređaj %1 i dalje povezan sa računarom. Ako se problem ponavlja, obratite se podršci kompanije Zeq.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sačuvaj</translation>
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
        <translation>Registruj</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Ovaj uređaj nije registrovan. Registrujte ga da bi se vožnje i rute sinhronizovale sa QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Ovaj uređaj nije registrovan. Registrujte ga da bi se vožnje i rute sinhronizovale sa ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Povezani uređaj nije vezan za ovaj nalog, ali i dalje možete da ga ažurirate.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Napravite rezervnu kopiju Wendo podataka</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Poslednja rezervna kopija</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Moji podaci</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Sinhronizuj</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Otpremanje vožnji: %1</translation>
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
        <translation>Pokušaj ponovo</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Na uređaju nema dovoljno prostora.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Sinhronizacija nije završena. Izbrišite neke vožnje ili rute da biste oslobodili memoriju.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Disk računara je pun. Oslobodite prostor i pokušajte ponovo.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Oštećeni podaci</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Izbriši oštećenu vožnju</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Ovaj zapis nije mogao da se obradi jer uređaj sadrži neispravne podatke. Da se ova poruka ne bi ponovo pojavljivala, uklonite datoteku sa uređaja.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>Sinhronizacija sa QuorvaneShare</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sinhronizacija sa ZeqShare</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Neki podaci ne mogu da se otpreme na QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Neki podaci ne mogu da se otpreme na ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Povežite se na internet da biste otpremili podatke na QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Povežite se na internet da biste otpremili podatke na ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Uređaj</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Verzija firmvera</translation>
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
        <translation>Povežite uređaj</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Popravi</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Popravka uređaja</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Uređaj ne radi? Bez brige – kliknite na dugme „Popravi“ i pomoći ćemo vam da ponovo proradi.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Odjava uređaja</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Uređaj je odjavljen.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Uređaj još nije uspešno odjavljen.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Rute sa QuorvaneShare će se automatski sinhronizovati sa uređajem.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Rute sa ZeqShare će se automatski sinhronizovati sa uređajem.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Želite li zaista da napustite ovu stranicu bez čuvanja izmena?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Moj uređaj</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Mape</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Registracija uređaja</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Uređaj je registrovan.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>povezan</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Isključite uređaj da biste ga odjavili.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Poslednje povezivanje</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Datum registracije</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Želite li zaista da odjavite uređaj?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Ukloni i moju rezervnu kopiju, ako postoji.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Traženje ažuriranja</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Ažuriranje nije uspelo. Proverite da li je uređaj %1 i dalje povezan sa računarom. Ako se problem ponavlja, obratite se podršci kompanije Zeq.</translation>
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
        <translation>Firmver</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>Ažuriranje HERE mape</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>Ažuriranje TA mape</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>Ažuriranje OSM mape</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Ažuriranje mapa zemalja</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Ažuriranje osnovne mape</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Ažuriranje mape</translation>
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
        <translation>Ažuriranje nije uspelo. Proverite internet vezu i pokušajte ponovo.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Uređaj je popravljen.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Uređaj je trebalo da se ponovo pokrene. Ako nije, isključite ga sada da biste dovršili ažuriranje.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Ažuriranje je uspelo. Uređaj je trebalo da se ponovo pokrene. Ako nije, isključite ga sada da biste dovršili ažuriranje.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Na disku %1 nema dovoljno prostora. Za dovršetak ažuriranja potrebno je %2 MB.</translation>
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
        <translation>OSM mapa sadrži podatke o asfaltiranim i neasfaltiranim putevima.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>TA mapa sadrži podatke mape sa adresama.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>HERE mapa sadrži podatke mape sa adresama.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Kliknite na Premium da biste preuzeli nove podatke mapa za godinu dana.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Usluga Premium važi do</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Nadogradite trenutnu mapu ili kupite uslugu Premium uz posebne ponude.</translation>
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
        <translation>Vaš Wendo uređaj je priključen, ali WendoAgent ne sme da koristi njegov port %1, pa uređaj ne može da se prikaže.

Instaliranjem paketa WendoAgent prijavljeni korisnik dobija pristup ovom portu. Ili dodajte svog korisnika u grupu „dialout“ (sudo adduser $USER dialout) i ponovo se prijavite na radnu površinu.

Zatim isključite uređaj i ponovo ga priključite.</translation>
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
        <translation>Istorija vožnji</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Otpremljene vožnje zadrži na uređaju.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Otpremljene vožnje izbriši sa uređaja.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Rute</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Rute sa ZeqShare će se automatski sinhronizovati sa uređajem.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sinhronizacija sa ZeqShare</translation>
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
        <translation>Dijalog</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Ažurirajte wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>Ažuriranje za WendoAgent (1.50.0.1)</translation>
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
        <translation>Veb-stranica nije mogla da se otvori. Proverite da li je instaliran veb-pregledač.</translation>
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
