<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogboks</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Produktversion</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Udgivelsesdato</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent holder din Wendo-cykelcomputer i trit med dine ture online.</translation>
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
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Dine indstillinger kunne ikke gemmes. Disken er måske fuld. De tidligere gemte indstillinger bevares.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogboks</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Grundlæggende indstillinger</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gem</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Log ud</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogboks</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Søger efter opdateringer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Afbryd</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogboks</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Søger efter opdateringer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Afbryd</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Sidst tilsluttet</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registreret den</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Afregistrer</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogboks</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Det kan tage et stykke tid. Vent venligst, og frakobl ikke din enhed.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Downloader...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Enhedsopdatering</translation>
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
        <translation>OSM-kortopdatering (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>TA-kortopdatering (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Glemt adgangskode?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Log ind</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Husk mig</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-mailadressen eller adgangskoden er forkert. Prøv igen.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Ved at klikke på knappen accepterer du &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;vilkårene for brug&lt;/a&gt; &amp;amp; &lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;privatlivspolitikken&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Indtast en gyldig e-mailadresse.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Kort</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Tyskland, Østrig og Schweiz</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Opgrader det aktuelle kort, eller køb premiumtjenesten med et særligt tilbud.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Køb</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Opgrader</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Opdatering tilgængelig]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Opdater</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>OSM-datokode</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>TA-datokode</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>OSM-kortet indeholder data om veje med og uden fast belægning.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>TA-kortet indeholder kortdata med adresser.</translation>
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
        <translation>Gendan</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrering</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sikkerhedskopiér</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Tekstetiket</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Enhed</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Se mine data</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-synkronisering</translation>
    </message>
    <message>
        <source>test</source>
        <translation>prøve</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Enhed</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM-version</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Softwareversion</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Tjek for opdateringer</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versionsinfo</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Enhedens software er opdateret]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Udgivelsesnoter</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogboks</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Enhedsopdatering</translation>
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
        <translation>．OSM-kortopdatering (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．TA-kortopdatering (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Udgivelsesnoter</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Sikkerhedskopiér enhed før opdatering</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Senere</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Opdater</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Ny opdatering tilgængelig</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Kunne ikke oprette forbindelse til QuorvaneShare-serveren. Kontrollér din internetforbindelse.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Kunne ikke oprette forbindelse til ZeqShare-serveren. Kontrollér din internetforbindelse.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Internetforbindelse</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Gemt</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>Om WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Log ud</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>E-mailadresse</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Adgangskode</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Log ind</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-mailadressen eller adgangskoden er forkert. Prøv igen.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Husk mig</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Åbn WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Tjek opdateringer</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Åbn QuorvaneShare-webstedet</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Åbn ZeqShare-webstedet</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Afslut WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Kør ved opstart</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Alle data er uploadet til QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Alle data er uploadet til ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Klik her for at se</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Opdatering tilgængelig</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Der er en ny opdatering. Klik her for at få flere oplysninger.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sikkerhedskopiering</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Gendannelse</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Sikkerhedskopiering i gang... Frakobl ikke din enhed.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Gendanner... Frakobl ikke din enhed.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Sikkerhedskopiering af enhed</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Gendannelse af enhed</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Sikkerhedskopieringen er fuldført</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Sikkerhedskopieringen mislykkedes. Sørg for, at din %1 stadig er tilsluttet computeren. Kontakt Zeq-support, hvis problemet fortsætter.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Gendannelsen er fuldført</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Gendannelsen mislykkedes. Sørg for, at din %1 stadig er tilsluttet computeren. Kontakt Zeq-support, hvis problemet fortsætter.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>er tilsluttet</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrering</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrer</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Enheden er ikke registreret. Registrer din enhed for at få din historik og dine ruter synkroniseret med QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Enheden er ikke registreret. Registrer din enhed for at få din historik og dine ruter synkroniseret med ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Den tilsluttede enhed er ikke knyttet til den aktuelle konto, men du kan stadig bruge opdateringsfunktionen.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Sikkerhedskopiér dine Wendo-data</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Seneste sikkerhedskopi</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Se mine data</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Synkroniser igen</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Historikposter uploades: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Ruter downloades: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Afbryd</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Prøv igen</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Der er ikke nok hukommelse på din enhed.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Synkroniseringen er ikke fuldført. Slet noget historik eller nogle ruter for at frigøre hukommelse.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Computerens disk er fuld. Frigør noget plads, og prøv igen.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Beskadigede data</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Slet den beskadigede historik</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Optagelsen kunne ikke behandles, fordi din enhed indeholder ugyldige oplysninger. Fjern filen fra din enhed for at undgå denne meddelelse.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>QuorvaneShare-synkronisering</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-synkronisering</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Nogle data kan ikke uploades til QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Nogle data kan ikke uploades til ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Opret forbindelse til internettet for at uploade dine data til QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Opret forbindelse til internettet for at uploade dine data til ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Enhed</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM-version</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Softwareversion</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Udgivelsesnoter</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Opdateringer</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Enhedens software er opdateret.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>INGEN ENHED TILSLUTTET</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Tilslut din enhed</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Reparer</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Reparer din enhed</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Kan du ikke bruge din enhed? Bare rolig – klik på knappen »Reparer«, så hjælper vi dig med at få den til at virke igen.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Afregistrering af enhed</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Din enhed er afregistreret.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Din enhed er endnu ikke afregistreret.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Ruter på QuorvaneShare synkroniseres automatisk med din enhed.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Ruter på ZeqShare synkroniseres automatisk med din enhed.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Er du sikker på, at du vil forlade siden uden at gemme ændringerne?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Min enhed</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Kortadministration</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Enhedsregistrering</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Din enhed er registreret.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>tilsluttet</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Frakobl din enhed for at afregistrere den.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Sidst tilsluttet</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registreret den</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Er du sikker på, at du vil afregistrere din enhed?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Fjern også min sikkerhedskopi, hvis der er en.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Søger efter opdateringer</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Opdateringen mislykkedes. Sørg for, at din %1 stadig er tilsluttet computeren. Kontakt Zeq-support, hvis problemet fortsætter.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Enhedsopdatering</translation>
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
        <translation>HERE-kortopdatering</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>TA-kortopdatering</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>OSM-kortopdatering</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Opdatering af landekort</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Opdatering af basiskort</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Kortopdatering</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Downloader</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installerer</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Opdateringen mislykkedes. Kontrollér din internetforbindelse, og prøv igen.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Reparationen lykkedes.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Din enhed burde være genstartet. Hvis ikke, skal du frakoble enheden nu for at fuldføre opdateringen.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Opdateringen lykkedes. Enheden burde være genstartet. Hvis ikke, skal du frakoble enheden nu for at fuldføre opdateringen.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Der er ikke nok plads på drevet %1. Der kræves %2 MB for at fuldføre opdateringerne.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Køb</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Opgrader</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>OSM-kortet indeholder data om veje med og uden fast belægning.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>TA-kortet indeholder kortdata med adresser.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Kort</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>HERE-kortet indeholder kortdata med adresser.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Køb Premium for at downloade nye kortdata i et år.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Premiumtjenesten udløber den</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Opgrader det aktuelle kort, eller køb premiumtjenesten med særlige tilbud.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>opdatering</translation>
    </message>
    <message>
        <source>version</source>
        <translation>version</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrering</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Adgang til enheden</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Din Wendo-enhed er tilsluttet, men WendoAgent må ikke bruge dens port %1, så enheden kan ikke vises.

Når du installerer WendoAgent-pakken, får den bruger, der er logget på, adgang til porten. Du kan også føje din bruger til gruppen »dialout« (sudo adduser $USER dialout) og logge på skrivebordet igen.

Tag derefter enheden ud, og sæt den i igen.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historik</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Al uploadet historik bevares på min enhed.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Al uploadet historik slettes fra min enhed.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Ruter</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Ruter på ZeqShare synkroniseres automatisk med din enhed.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-synkronisering</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogboks</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Opdater wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>WendoAgent-opdatering (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Udgivelsesnoter</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Senere</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Opdater</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Websiden kunne ikke åbnes. Kontrollér, at der er installeret en webbrowser.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
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
