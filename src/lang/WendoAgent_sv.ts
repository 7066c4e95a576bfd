<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Programversion</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Utgivningsdatum</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent håller din Wendo-cykeldator i takt med dina turer på nätet.</translation>
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
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Det gick inte att spara inställningarna, disken kan vara full. De tidigare sparade inställningarna finns kvar.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
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
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Allmänna inställningar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Logga ut</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Söker uppdateringar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppa</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Söker uppdateringar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppa</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Senast ansluten</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registrerad</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Avregistrera</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Det kan ta en stund. Vänta och koppla inte från enheten.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Laddar ned…</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Enhetsuppdatering</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>Firmware (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Programvara (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>OSM-kartuppdatering (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>TA-kartuppdatering (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Glömt lösenordet?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Logga in</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Kom ihåg mig</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-postadressen eller lösenordet är fel. Försök igen.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Genom att klicka på knappen godkänner du &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;användarvillkoren &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; integritetspolicyn &lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Ange en giltig e-postadress.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karta</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Tyskland, Österrike och Schweiz</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Uppgradera kartan eller köp premiumtjänsten till specialpris</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Köp</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Uppgradera</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Uppdatering tillgänglig]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Uppdatera</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>OSM-datumkod</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>TA-datumkod</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>OSM-kartan innehåller data om belagda och obelagda vägar.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>TA-kartan innehåller kartdata med adresser.</translation>
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
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrering</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Säkerhetskopiera</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Text</translation>
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
        <translation>Visa mina data</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Synkronisering med ZeqShare</translation>
    </message>
    <message>
        <source>test</source>
        <translation>prov</translation>
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
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Programvaruversion</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Sök uppdateringar</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Enhetens programvara är uppdaterad]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Versionsinformation</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Enhetsuppdatering</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    Firmware (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Programvara (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．OSM-kartuppdatering (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．TA-kartuppdatering (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Versionsinformation</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Säkerhetskopiera enheten först</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Senare</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Uppdatera</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Ny uppdatering tillgänglig</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Det gick inte att ansluta till QuorvaneShare-servern. Kontrollera internetanslutningen.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Det gick inte att ansluta till ZeqShare-servern. Kontrollera internetanslutningen.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Internetanslutning</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Sparat</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>Om WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Logga ut</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>E-postadress</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Logga in</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-postadressen eller lösenordet är fel. Försök igen.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Kom ihåg mig</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Öppna WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Sök uppdateringar</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Öppna QuorvaneShares webbplats</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Öppna ZeqShares webbplats</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Avsluta WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Starta vid inloggning</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Alla data har laddats upp till QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Alla data har laddats upp till ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Klicka här för att se</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Uppdatering tillgänglig</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>En ny uppdatering finns. Klicka här för mer information.</translation>
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
        <translation>Säkerhetskopiering</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Återställning</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Säkerhetskopierar… Koppla inte från enheten.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Återställer… Koppla inte från enheten.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Säkerhetskopiering av enheten</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Återställning av enheten</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Säkerhetskopieringen är klar</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Säkerhetskopieringen misslyckades. Kontrollera att din %1 fortfarande är ansluten till datorn. Kontakta Zeqs support om problemet kvarstår.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Återställningen är klar</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Återställningen misslyckades. Kontrollera att din %1 fortfarande är ansluten till datorn. Kontakta Zeqs support om problemet kvarstår.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>är ansluten</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrering</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrera</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Enheten är inte registrerad. Registrera den så att dina turer och rutter synkroniseras med QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Enheten är inte registrerad. Registrera den så att dina turer och rutter synkroniseras med ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Den anslutna enheten är inte kopplad till det här kontot, men du kan ändå uppdatera den.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Säkerhetskopiera dina Wendo-data</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Senaste säkerhetskopia</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Visa mina data</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Synkronisera igen</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Laddar upp turer: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Laddar ned rutter: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppa</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Det finns inte tillräckligt med minne på enheten.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Synkroniseringen är inte klar. Ta bort några turer eller rutter för att frigöra minne.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Datorns disk är full. Frigör utrymme och försök igen.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Skadade data</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Ta bort den skadade turen</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Det gick inte att behandla inspelningen eftersom enheten innehåller ogiltig information. Ta bort filen från enheten så visas inte meddelandet igen.</translation>
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
        <translation>Vissa data kan inte laddas upp till QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Vissa data kan inte laddas upp till ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Anslut till internet för att ladda upp dina data till QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Anslut till internet för att ladda upp dina data till ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Programvaruversion</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Versionsinformation</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Uppdateringar</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Enhetens programvara är uppdaterad.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>INGEN ENHET ÄR ANSLUTEN</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Anslut enheten</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Reparera</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Reparera enheten</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Fungerar inte enheten? Ingen fara – klicka på ”Reparera” så hjälper vi dig att få den att fungera igen.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Avregistrering av enhet</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Enheten har avregistrerats.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Enheten har ännu inte kunnat avregistreras.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Rutter på QuorvaneShare synkroniseras automatiskt med enheten.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Rutter på ZeqShare synkroniseras automatiskt med enheten.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Vill du lämna sidan utan att spara ändringarna?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Min enhet</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Kartor</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Registrering av enhet</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Enheten har registrerats.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>ansluten</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Koppla från enheten för att avregistrera den.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Senast ansluten</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registrerad</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Vill du avregistrera enheten?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Ta även bort min säkerhetskopia om den finns.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Söker uppdateringar</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Uppdateringen misslyckades. Kontrollera att din %1 fortfarande är ansluten till datorn. Kontakta Zeqs support om problemet kvarstår.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Enhetsuppdatering</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Programvara</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>HERE-kartuppdatering</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>TA-kartuppdatering</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>OSM-kartuppdatering</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Uppdatering av landskartor</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Uppdatering av baskarta</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Kartuppdatering</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Laddar ned</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installerar</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Uppdateringen misslyckades. Kontrollera internetanslutningen och försök igen.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Enheten har reparerats.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Enheten bör ha startats om. Om inte, koppla från enheten nu för att slutföra uppdateringen.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Uppdateringen är klar. Enheten bör ha startats om. Om inte, koppla från enheten nu för att slutföra uppdateringen.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Det finns inte tillräckligt med utrymme på disken %1. Det behövs %2 MB för att slutföra uppdateringarna.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Köp</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Uppgradera</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>OSM-kartan innehåller data om belagda och obelagda vägar.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>TA-kartan innehåller kartdata med adresser.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karta</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>HERE-kartan innehåller kartdata med adresser.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Klicka på Premium för att ladda ned nya kartdata under ett år.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Premiumtjänsten gäller till</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Uppgradera kartan eller köp premiumtjänsten till specialpris.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>uppdatering</translation>
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
        <translation>Formulär</translation>
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
        <translation>Åtkomst till enheten</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Din Wendo-enhet är ansluten, men WendoAgent får inte använda dess port %1, så enheten kan inte visas.

Om du installerar WendoAgent-paketet får den inloggade användaren tillgång till porten. Du kan också lägga till din användare i gruppen ”dialout” (sudo adduser $USER dialout) och logga in på skrivbordet igen.

Koppla sedan ur enheten och anslut den igen.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historik</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Behåll uppladdade turer på enheten.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Ta bort uppladdade turer från enheten.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Rutter</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Rutter på ZeqShare synkroniseras automatiskt med enheten.</translation>
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
        <translation>Formulär</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Uppdatera wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>WendoAgent-uppdatering (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Versionsinformation</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Senare</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Uppdatera</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Webbsidan kunde inte öppnas. Kontrollera att en webbläsare är installerad.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
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
