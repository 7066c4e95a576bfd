<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Productversie</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Releasedatum</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent houdt je Wendo-fietscomputer gelijk met je ritten online.</translation>
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
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Je instellingen konden niet worden opgeslagen. Misschien is de schijf vol. De eerder opgeslagen instellingen blijven behouden.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Basisinstellingen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Uitloggen</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Zoeken naar updates</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Zoeken naar updates</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Laatst verbonden</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Geregistreerd op</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Verwijderen</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Dit kan even duren. Even geduld en koppel je apparaat niet los.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Downloaden...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Apparaatupdate</translation>
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
        <translation>OSM-kaartupdate (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>TA-kaartupdate (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Wachtwoord vergeten?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Inloggen</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Onthoud mij</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Het e-mailadres of het wachtwoord is onjuist. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Door op de knop te klikken, ga je akkoord met de &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;gebruiksvoorwaarden &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; het privacybeleid&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Voer een geldig e-mailadres in.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Kaart</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Duitsland, Oostenrijk en Zwitserland</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Upgrade de huidige kaart of neem de Premium-service met een speciale aanbieding</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kopen</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Upgraden</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Update beschikbaar]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>Datum OSM-gegevens</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>Datum TA-gegevens</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>De OSM-kaart bevat gegevens over verharde en onverharde wegen.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>De TA-kaart bevat kaartgegevens met adressen.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registratie</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Back-up maken</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Mijn gegevens</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-synchronisatie</translation>
    </message>
    <message>
        <source>test</source>
        <translation>test</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM-versie</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Softwareversie</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Naar updates zoeken</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[De software van het apparaat is up-to-date]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Releaseopmerkingen</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Apparaatupdate</translation>
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
        <translation>．OSM-kaartupdate (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．TA-kaartupdate (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Releaseopmerkingen</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Back-up van apparaat maken vóór update</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Niet nu</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Nieuwe update beschikbaar</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Kan geen verbinding maken met de QuorvaneShare-server. Controleer je internetverbinding.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Kan geen verbinding maken met de ZeqShare-server. Controleer je internetverbinding.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Internetverbinding</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Opgeslagen</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>Over WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Uitloggen</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>E-mailadres</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Inloggen</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Het e-mailadres of het wachtwoord is onjuist. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Onthoud mij</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>WendoAgent openen</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Updates zoeken</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>QuorvaneShare-website openen</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>ZeqShare-website openen</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>WendoAgent afsluiten</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Automatisch starten</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Alle gegevens zijn naar QuorvaneShare geüpload.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Alle gegevens zijn naar ZeqShare geüpload.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Klik hier om te bekijken</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Update beschikbaar</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Er is een nieuwe update beschikbaar. Klik hier voor meer informatie.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Back-up</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Herstel</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Back-up wordt gemaakt... Koppel je apparaat niet los.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Bezig met herstellen... Koppel je apparaat niet los.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Back-up van apparaat</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Apparaat herstellen</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Back-up voltooid</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Back-up mislukt. Controleer of je %1 nog met de computer is verbonden. Neem contact op met Zeq-support als het probleem blijft bestaan.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Herstel voltooid</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Herstellen mislukt. Controleer of je %1 nog met de computer is verbonden. Neem contact op met Zeq-support als het probleem blijft bestaan.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>is verbonden</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registratie</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registreren</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Dit apparaat is nog niet geregistreerd. Registreer je apparaat om je ritten en routes met QuorvaneShare te synchroniseren.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Dit apparaat is nog niet geregistreerd. Registreer je apparaat om je ritten en routes met ZeqShare te synchroniseren.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Het verbonden apparaat hoort niet bij dit account, maar je kunt het wel updaten.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Maak een back-up van je Wendo-gegevens</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Laatste back-up</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Mijn gegevens</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Opnieuw syncen</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Ritten uploaden: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Routes downloaden: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Onvoldoende geheugen op je apparaat.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>De synchronisatie is niet voltooid. Verwijder enkele ritten of routes om geheugen vrij te maken.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>De schijf van de computer is vol. Maak ruimte vrij en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Beschadigde gegevens</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Verwijder de beschadigde rit</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Deze opname kan niet worden verwerkt, omdat je apparaat ongeldige gegevens bevat. Verwijder dit bestand van je apparaat om deze melding niet meer te zien.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>QuorvaneShare-synchronisatie</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-synchronisatie</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Sommige gegevens kunnen niet naar QuorvaneShare worden geüpload.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Sommige gegevens kunnen niet naar ZeqShare worden geüpload.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Maak verbinding met internet om je gegevens naar QuorvaneShare te uploaden.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Maak verbinding met internet om je gegevens naar ZeqShare te uploaden.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM-versie</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Softwareversie</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Releaseopmerkingen</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>De software van het apparaat is up-to-date.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>GEEN APPARAAT VERBONDEN</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Verbind je apparaat</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Repareren</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Apparaat repareren</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Werkt je apparaat niet meer? Geen zorgen: klik op ‘Repareren’ en we helpen je het weer aan de praat te krijgen.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Apparaat verwijderen</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Je apparaat is uit je account verwijderd.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Je apparaat kon niet uit je account worden verwijderd.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Routes op QuorvaneShare worden automatisch met je apparaat gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Routes op ZeqShare worden automatisch met je apparaat gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Weet je zeker dat je deze pagina wilt verlaten zonder de wijzigingen op te slaan?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Mijn apparaat</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Kaartbeheer</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Apparaatregistratie</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Je apparaat is geregistreerd.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>verbonden</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Koppel je apparaat los om het uit je account te verwijderen.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Laatst verbonden</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Geregistreerd op</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Weet je zeker dat je je apparaat uit je account wilt verwijderen?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Ook mijn back-up verwijderen, als die er is.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Zoeken naar updates</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Update mislukt. Controleer of je %1 nog met je computer verbonden is. Neem contact op met Zeq-support als het probleem aanhoudt.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Apparaatupdate</translation>
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
        <translation>HERE-kaartupdate</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>TA-kaartupdate</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>OSM-kaartupdate</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Landenkaartupdate</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Basiskaartupdate</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Kaartupdate</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installeren</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Update mislukt. Controleer je internetverbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Reparatie voltooid.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Je apparaat zou opnieuw opgestart moeten zijn. Zo niet, koppel het apparaat dan nu los om de update te voltooien.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Update voltooid. Het apparaat zou opnieuw opgestart moeten zijn. Zo niet, koppel het apparaat dan nu los om de update te voltooien.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Onvoldoende ruimte op station %1. Er is %2 MB nodig om de updates te voltooien.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kopen</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgraden</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>De OSM-kaart bevat gegevens over verharde en onverharde wegen.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>De TA-kaart bevat kaartgegevens met adressen.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Kaart</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>De HERE-kaart bevat kaartgegevens met adressen.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Met Premium download je een jaar lang nieuwe kaartgegevens.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Premium-service verloopt op</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Upgrade de huidige kaart of koop de Premium-service met speciale aanbiedingen.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>update</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versie</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registratie</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Toegang tot apparaat</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Je Wendo-apparaat is aangesloten, maar WendoAgent mag poort %1 niet gebruiken, dus het apparaat kan niet worden weergegeven.

Als je het WendoAgent-pakket installeert, krijgt de aangemelde gebruiker toegang tot deze poort. Of voeg je gebruiker toe aan de groep ‘dialout’ (sudo adduser $USER dialout) en meld je opnieuw aan bij het bureaublad.

Koppel daarna het apparaat los en sluit het opnieuw aan.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Ritten</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Geüploade ritten blijven op mijn apparaat staan.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Geüploade ritten worden van mijn apparaat verwijderd.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Routes</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Routes op ZeqShare worden automatisch met je apparaat gesynchroniseerd.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-synchronisatie</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Werk wendoAgent bij</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>WendoAgent-update (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Releaseopmerkingen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Niet nu</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>De webpagina kon niet worden geopend. Controleer of er een webbrowser is geïnstalleerd.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
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
