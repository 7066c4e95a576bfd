<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="no" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogboks</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Programversjon</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Utgivelsesdato</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent holder Wendo-sykkelcomputeren din i takt med turene dine på nett.</translation>
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
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Kunne ikke lagre innstillingene, disken kan være full. De tidligere lagrede innstillingene beholdes.</translation>
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
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Generelle innstillinger</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Logg ut</translation>
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
        <translation>Ser etter oppdateringer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
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
        <translation>Ser etter oppdateringer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Sist tilkoblet</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registrert</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Avregistrer</translation>
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
        <translation>Dette kan ta litt tid. Vent, og ikke koble fra enheten.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Laster ned …</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Enhetsoppdatering</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>Fastvare (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Programvare (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>OSM-kartoppdatering (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>TA-kartoppdatering (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Glemt passordet?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Logg inn</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Husk meg</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-postadressen eller passordet er feil. Prøv igjen.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Ved å klikke på knappen godtar du &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;bruksvilkårene &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; personvernerklæringen &lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Skriv inn en gyldig e-postadresse.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Kart</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Tyskland, Østerrike og Sveits</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Oppgrader gjeldende kart, eller kjøp Premium-tjenesten med et spesialtilbud</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kjøp</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Oppgrader</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Oppdatering tilgjengelig]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Oppdater</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>OSM-kartdato</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>TA-kartdato</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>OSM-kartet har data om veier med og uten fast dekke.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>TA-kartet har kartdata med adresser.</translation>
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
        <translation>Gjenopprett</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrering</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sikkerhetskopi</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Enhet</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Vis mine data</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Synkronisering med ZeqShare</translation>
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
        <translation>Enhet</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Fastvareversjon</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Programvareversjon</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Finn oppdateringer</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Programvaren på enheten er oppdatert]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Versjonsmerknader</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
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
        <translation>．Enhetsoppdatering</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    Fastvare (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Programvare (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．OSM-kartoppdatering (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．TA-kartoppdatering (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Versjonsmerknader</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Ta sikkerhetskopi før oppdatering</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Senere</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Oppdater</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Ny oppdatering tilgjengelig</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Kunne ikke koble til QuorvaneShare-serveren. Sjekk internettilkoblingen.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Kunne ikke koble til ZeqShare-serveren. Sjekk internettilkoblingen.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Internettilkobling</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Lagret</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>Om WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Logg ut</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>E-postadresse</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Logg inn</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-postadressen eller passordet er feil. Prøv igjen.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Husk meg</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Åpne WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Finn oppdateringer</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Åpne nettstedet QuorvaneShare</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Åpne nettstedet ZeqShare</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Avslutt WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Start ved pålogging</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Alle data er lastet opp til QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Alle data er lastet opp til ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Klikk her for å se</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Oppdatering tilgjengelig</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>En ny oppdatering er tilgjengelig. Klikk her for mer informasjon.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sikkerhetskopi</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Gjenopprett</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Sikkerhetskopierer … Ikke koble fra enheten.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Gjenoppretter … Ikke koble fra enheten.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Sikkerhetskopi av enheten</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Gjenoppretting av enheten</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Sikkerhetskopien er ferdig</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Sikkerhetskopieringen mislyktes. Kontroller at enheten %1 fortsatt er koblet til datamaskinen. Kontakt Zeq kundestøtte hvis problemet vedvarer.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Gjenopprettingen er ferdig</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Gjenopprettingen mislyktes. Kontroller at enheten %1 fortsatt er koblet til datamaskinen. Kontakt Zeq kundestøtte hvis problemet vedvarer.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>er tilkoblet</translation>
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
        <translation>Denne enheten er ikke registrert. Registrer enheten for å synkronisere turer og ruter med QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Denne enheten er ikke registrert. Registrer enheten for å synkronisere turer og ruter med ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Den tilkoblede enheten er ikke knyttet til denne kontoen, men du kan fortsatt oppdatere den.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Ta sikkerhetskopi av Wendo-dataene dine</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Siste sikkerhetskopi</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Vis mine data</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Synk på nytt</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Laster opp turer: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Laster ned ruter: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Prøv igjen</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Det er ikke nok minne på enheten.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Synkroniseringen er ikke fullført. Slett noen turer eller ruter for å frigjøre minne.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Datamaskinens disk er full. Frigjør plass og prøv igjen.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Skadede data</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Slett den skadede turen</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Kunne ikke behandle opptaket fordi enheten inneholder ugyldig informasjon. Fjern filen fra enheten for å unngå denne meldingen.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>Synkronisering med QuorvaneShare</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Synkronisering med ZeqShare</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Noen data kan ikke lastes opp til QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Noen data kan ikke lastes opp til ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Koble til Internett for å laste opp dataene dine til QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Koble til Internett for å laste opp dataene dine til ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Fastvareversjon</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Programvareversjon</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Versjonsmerknader</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Oppdateringer</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Programvaren på enheten er oppdatert.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>INGEN ENHET ER TILKOBLET</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Koble til enheten</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Reparer</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Reparer enheten</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Fungerer ikke enheten? Ingen fare – klikk på «Reparer», så hjelper vi deg med å få den til å virke igjen.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Avregistrering av enhet</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Enheten er avregistrert.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Enheten er ikke avregistrert ennå.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Ruter på QuorvaneShare synkroniseres automatisk med enheten.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Ruter på ZeqShare synkroniseres automatisk med enheten.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Er du sikker på at du vil forlate siden uten å lagre endringene?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Min enhet</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Kart</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Registrering av enhet</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Enheten er registrert.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>tilkoblet</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Koble fra enheten for å avregistrere den.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Sist tilkoblet</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registrert</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Er du sikker på at du vil avregistrere enheten?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Slett sikkerhetskopien min hvis den finnes.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Ser etter oppdateringer</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Oppdateringen mislyktes. Kontroller at enheten %1 fortsatt er koblet til datamaskinen. Kontakt Zeq kundestøtte hvis problemet vedvarer.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Enhetsoppdatering</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Programvare</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>Fastvare</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>HERE-kartoppdatering</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>TA-kartoppdatering</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>OSM-kartoppdatering</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Oppdatering av landkart</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Oppdatering av basiskart</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Kartoppdatering</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Laster ned</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installerer</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Oppdateringen mislyktes. Kontroller internettilkoblingen, og prøv igjen.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Reparasjonen er fullført.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Enheten skal ha startet på nytt. Hvis ikke, kobler du fra enheten nå for å fullføre oppdateringen.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Oppdateringen er fullført. Enheten skal ha startet på nytt. Hvis ikke, kobler du fra enheten nå for å fullføre oppdateringen.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Ikke nok plass på stasjonen %1. Det trengs %2 MB for å fullføre oppdateringene.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kjøp</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Oppgrader</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>OSM-kartet har data om veier med og uten fast dekke.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>TA-kartet har kartdata med adresser.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Kart</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>HERE-kartet har kartdata med adresser.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Med Premium kan du laste ned nye kartdata i ett år.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Premium-tjenesten utløper</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Oppgrader gjeldende kart, eller kjøp Premium-tjenesten med spesialtilbud.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>oppdatering</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versjon</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
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
        <translation>Tilgang til enheten</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Wendo-enheten din er koblet til, men WendoAgent har ikke tilgang til porten %1, så enheten kan ikke vises.

Når du installerer WendoAgent-pakken, får den påloggede brukeren tilgang til denne porten. Du kan også legge brukeren din til i gruppen «dialout» (sudo adduser $USER dialout) og logge på skrivebordet på nytt.

Koble deretter enheten fra og til igjen.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Turhistorikk</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Behold opplastede turer på enheten.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Slett opplastede turer fra enheten.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Ruter</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Ruter på ZeqShare synkroniseres automatisk med enheten.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Synkronisering med ZeqShare</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
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
        <translation>Oppdater wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>WendoAgent-oppdatering (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Versjonsmerknader</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Senere</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Oppdater</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Nettsiden kunne ikke åpnes. Kontroller at en nettleser er installert.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
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
