<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogas</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Produkto versija</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Išleidimo data</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent suderina jūsų Wendo dviračio kompiuterį su jūsų važiavimais internete.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
</context>
<context>
    <name>AgentSettings</name>
    <message>
        <source>Settings</source>
        <translation>Nustatymai</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Nepavyko įrašyti nustatymų, galbūt diskas pilnas. Anksčiau įrašyti nustatymai išlieka.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
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
        <translation>Pagrindiniai nustatymai</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kalba</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Įrašyti</translation>
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
        <translation>Atsijungti</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogas</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Ieškoma naujinių</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stabdyti</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogas</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Ieškoma naujinių</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stabdyti</translation>
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
        <translation>Paskutinis prijungimas</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registracijos data</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Išregistruoti</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogas</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Tai gali šiek tiek užtrukti. Palaukite ir neatjunkite įrenginio.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Atsisiunčiama...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Įrenginio naujinys</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>ROM versija (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Programinė įranga (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>OSM žemėlapio naujinys (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>TA žemėlapio naujinys (1.1.1.1)</translation>
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
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Pamiršote slaptažodį?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Prisijungti</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Prisiminti mane</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Neteisingas el. pašto adresas arba slaptažodis. Bandykite dar kartą.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Spustelėdami mygtuką sutinkate su &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;naudojimo sąlygomis&lt;/a&gt; &amp;amp; &lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;privatumo politika&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Įveskite tinkamą el. pašto adresą.</translation>
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
        <translation>Žemėlapis</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Vokietija, Austrija ir Šveicarija</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Naujovinkite dabartinį žemėlapį arba įsigykite Premium paslaugą su specialiu pasiūlymu</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Pirkti</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Naujovinti</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Yra naujinys]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atnaujinti</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>OSM žemėlapio data</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>TA žemėlapio data</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>OSM žemėlapyje yra duomenų apie kelius su danga ir be dangos.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>TA žemėlapyje yra duomenų su adresais.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Kinija</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Atkurti</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registracija</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Atsarginė kopija</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Teksto žymė</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Įrenginys</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Mano duomenys</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare sinchronizavimas</translation>
    </message>
    <message>
        <source>test</source>
        <translation>testas</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Įrenginys</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM versija</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Programinės įrangos versija</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Ieškoti naujinių</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versija</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Įrenginio programinė įranga naujausia]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Laidos pastaba</translation>
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
        <translation>Dialogas</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Įrenginio naujinys</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    ROM versija (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Programinė įranga (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．OSM žemėlapio naujinys (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．TA žemėlapio naujinys (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Laidos pastabos</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Atsarginė kopija prieš naujinimą</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Vėliau</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atnaujinti</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Yra naujas naujinys</translation>
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
        <translation>Nepavyko prisijungti prie QuorvaneShare serverio. Patikrinkite interneto ryšį.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Nepavyko prisijungti prie ZeqShare serverio. Patikrinkite interneto ryšį.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Interneto ryšys</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nustatymai</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Sėkmingai įrašyta</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>Apie WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Atsijungti</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>El. pašto adresas</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Slaptažodis</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Prisijungti</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Neteisingas el. pašto adresas arba slaptažodis. Bandykite dar kartą.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Prisiminti mane</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Atidaryti WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Ieškoti naujinių</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Atidaryti QuorvaneShare svetainę</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Atidaryti ZeqShare svetainę</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Išeiti iš WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Paleisti įjungus kompiuterį</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Visi duomenys sėkmingai įkelti į QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Visi duomenys sėkmingai įkelti į ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Spustelėkite čia, kad patikrintumėte</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Yra naujinys</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Yra naujas naujinys. Spustelėkite čia, kad sužinotumėte daugiau.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Taip</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Atsarginė kopija</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Atkurti</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Kuriama atsarginė kopija... Neatjunkite įrenginio.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Atkuriama... Neatjunkite įrenginio.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Įrenginio atsarginė kopija</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Įrenginio atkūrimas</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Atsarginė kopija sėkmingai sukurta</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Nepavyko sukurti atsarginės kopijos. Įsitikinkite, kad įrenginys %1 vis dar prijungtas prie kompiuterio. Jei problema kartojasi, kreipkitės į Zeq pagalbos tarnybą.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Sėkmingai atkurta</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Nepavyko atkurti. Įsitikinkite, kad įrenginys %1 vis dar prijungtas prie kompiuterio. Jei problema kartojasi, kreipkitės į Zeq pagalbos tarnybą.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Įrašyti</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>prijungtas</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registracija</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registruoti</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Šis įrenginys neužregistruotas. Užregistruokite įrenginį, kad jūsų istorija ir maršrutai būtų sinchronizuojami su QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Šis įrenginys neužregistruotas. Užregistruokite įrenginį, kad jūsų istorija ir maršrutai būtų sinchronizuojami su ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Prijungtas įrenginys nesusietas su dabartine paskyra, tačiau vis tiek galite naudotis naujinimo funkcija.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Sukurkite Wendo duomenų atsarginę kopiją</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Paskutinė atsarginė kopija</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Mano duomenys</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Sinchronizuoti vėl</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Įkeliami istorijos įrašai: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Atsisiunčiami maršrutai: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stabdyti</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Bandyti dar kartą</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Įrenginyje nepakanka atminties.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Sinchronizavimas nebaigtas. Ištrinkite dalį istorijos įrašų ar maršrutų, kad atlaisvintumėte atminties.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Kompiuterio diskas pilnas. Atlaisvinkite vietos ir bandykite dar kartą.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Sugadinti duomenys</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Ištrinti sugadintą istoriją</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Nepavyko apdoroti šio įrašo, nes įrenginyje yra netinkamos informacijos. Kad šis pranešimas nebebūtų rodomas, pašalinkite šį failą iš įrenginio.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>QuorvaneShare sinchronizavimas</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare sinchronizavimas</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Kai kurių duomenų nepavyksta įkelti į QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Kai kurių duomenų nepavyksta įkelti į ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Prisijunkite prie interneto, kad galėtumėte įkelti duomenis į QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Prisijunkite prie interneto, kad galėtumėte įkelti duomenis į ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Įrenginys</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM versija</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Programinės įrangos versija</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Laidos pastabos</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Naujiniai</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Įrenginio programinė įranga naujausia.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>NEPRIJUNGTAS JOKS ĮRENGINYS</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Prijunkite savo įrenginį</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Taisyti</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Įrenginio taisymas</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Negalite naudotis įrenginiu? Nesijaudinkite – spustelėkite mygtuką „Taisyti“ ir padėsime jį vėl paleisti.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Įrenginio išregistravimas</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Įrenginys sėkmingai išregistruotas.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Įrenginys dar neišregistruotas.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>QuorvaneShare maršrutai bus automatiškai sinchronizuojami su jūsų įrenginiu.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>ZeqShare maršrutai bus automatiškai sinchronizuojami su jūsų įrenginiu.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Ar tikrai norite palikti šį puslapį neįrašę pakeitimų?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Mano įrenginys</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Žemėlapiai</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Įrenginio registracija</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Įrenginys sėkmingai užregistruotas.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>prijungtas</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Norėdami išregistruoti įrenginį, pirmiausia jį atjunkite.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Paskutinis prijungimas</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registracijos data</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Ar tikrai norite išregistruoti įrenginį?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Pašalinti mano atsarginę kopiją, jei ji yra.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Ieškoma naujinių</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Atnaujinti nepavyko. Įsitikinkite, kad įrenginys %1 vis dar prijungtas prie kompiuterio. Jei problema kartojasi, kreipkitės į Zeq pagalbos tarnybą.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Įrenginio naujinys</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Programinė įranga</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>HERE žemėlapio naujinys</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>TA žemėlapio naujinys</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>OSM žemėlapio naujinys</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Šalių žemėlapių naujinys</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Pagrindinio žemėlapio naujinys</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Žemėlapio naujinys</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Atsisiunčiama</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Diegiama</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Atnaujinti nepavyko. Patikrinkite interneto ryšį ir bandykite dar kartą.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Įrenginys sėkmingai sutaisytas.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Įrenginys turėjo būti paleistas iš naujo. Jei taip neįvyko, atjunkite įrenginį dabar, kad naujinimas būtų baigtas.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Sėkmingai atnaujinta. Įrenginys turėjo būti paleistas iš naujo. Jei taip neįvyko, atjunkite įrenginį dabar, kad naujinimas būtų baigtas.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Diske %1 nepakanka vietos. Naujiniams įdiegti reikia %2 MB.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Pirkti</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Naujovinti</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>OSM žemėlapyje yra duomenų apie kelius su danga ir be dangos.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>TA žemėlapyje yra duomenų su adresais.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Žemėlapis</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>HERE žemėlapyje yra duomenų su adresais.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Su Premium paslauga metus galėsite atsisiųsti naujus žemėlapių duomenis.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Premium paslauga galioja iki</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Naujovinkite dabartinį žemėlapį arba įsigykite Premium paslaugą su specialiu pasiūlymu.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>naujinys</translation>
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
        <translation>Registracija</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Prieiga prie įrenginio</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Jūsų Wendo įrenginys prijungtas, tačiau WendoAgent negali naudoti jo prievado %1, todėl įrenginio parodyti negalima.

Įdiegus WendoAgent paketą, prisijungęs naudotojas gauna prieigą prie šio prievado. Arba įtraukite savo naudotoją į grupę „dialout“ (sudo adduser $USER dialout) ir vėl prisijunkite prie darbalaukio.

Tada atjunkite įrenginį ir vėl jį prijunkite.</translation>
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
        <translation>Istorija</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Visa įkelta istorija bus laikoma mano įrenginyje.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Visa įkelta istorija bus ištrinta iš mano įrenginio.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Maršrutai</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>ZeqShare maršrutai bus automatiškai sinchronizuojami su jūsų įrenginiu.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare sinchronizavimas</translation>
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
        <translation>Dialogas</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Atnaujinkite wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>WendoAgent naujinys (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Laidos pastabos</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Vėliau</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atnaujinti</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Nepavyko atverti tinklalapio. Patikrinkite, ar įdiegta interneto naršyklė.</translation>
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
