<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogfenster</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Produktversion</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Veröffentlichungsdatum</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent hält Ihren Wendo-Fahrradcomputer mit Ihren Fahrten online synchron.</translation>
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
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Ihre Einstellungen konnten nicht gespeichert werden, eventuell ist der Datenträger voll. Die zuvor gespeicherten Einstellungen bleiben erhalten.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogfenster</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
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
        <translation>Abmelden</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogfenster</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Suche nach Updates</translation>
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
        <translation>Dialogfenster</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Suche nach Updates</translation>
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
        <translation>Formular</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Zuletzt verbunden</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registriert am</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogfenster</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Dies kann eine Weile dauern. Bitte warten Sie und trennen Sie Ihr Gerät nicht.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Geräte-Update</translation>
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
        <translation>OSM-Kartenupdate (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>TA-Kartenupdate (1.1.1.1)</translation>
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
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Passwort vergessen?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Angemeldet bleiben</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-Mail-Adresse oder Passwort ist falsch. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Mit Klick auf die Schaltfläche stimmen Sie den &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Nutzungsbedingungen &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; Datenschutzbestimmungen &lt;/a&gt; zu.</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein.</translation>
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
        <translation>Karte</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Deutschland, Österreich &amp; Schweiz</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Aktuelle Karte erweitern oder Premium-Service zum Sonderpreis dazubuchen</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kaufen</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Erweitern</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Update verfügbar]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>OSM-Kartenstand</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>TA-Kartenstand</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>Die OSM-Karte enthält Daten zu befestigten und unbefestigten Wegen.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>Die TA-Karte enthält Kartendaten mit Adressen.</translation>
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
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrierung</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Meine Daten</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-Synchronisierung</translation>
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
        <translation>Gerät</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM-Version</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Softwareversion</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Die Gerätesoftware ist auf dem neuesten Stand]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Versionshinweise</translation>
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
        <translation>Dialogfenster</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Geräte-Update</translation>
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
        <translation>．OSM-Kartenupdate (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．TA-Kartenupdate (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Versionshinweise</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Gerät vor dem Update sichern</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Neues Update verfügbar</translation>
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
        <translation>Keine Verbindung zum QuorvaneShare-Server. Bitte prüfen Sie Ihre Internetverbindung.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Keine Verbindung zum ZeqShare-Server. Bitte prüfen Sie Ihre Internetverbindung.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Internetverbindung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>Über WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-Mail-Adresse oder Passwort ist falsch. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Angemeldet bleiben</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>WendoAgent öffnen</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Updates suchen</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>QuorvaneShare-Website öffnen</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>ZeqShare-Website öffnen</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>WendoAgent beenden</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Beim Systemstart ausführen</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Alle Daten wurden erfolgreich zu QuorvaneShare hochgeladen.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Alle Daten wurden erfolgreich zu ZeqShare hochgeladen.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Zum Ansehen hier klicken</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Neues Update verfügbar. Klicken Sie hier für weitere Informationen.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellung</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Sicherung läuft... Bitte trennen Sie Ihr Gerät nicht.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Wiederherstellung läuft... Bitte trennen Sie Ihr Gerät nicht.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Gerätesicherung</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Gerätewiederherstellung</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Sicherung erfolgreich abgeschlossen</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Sicherung fehlgeschlagen. Bitte prüfen Sie, ob Ihr %1 noch mit dem Computer verbunden ist. Wenn das Problem weiterhin besteht, wenden Sie sich an den Zeq-Support.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Erfolgreich wiederhergestellt</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Wiederherstellung fehlgeschlagen. Bitte prüfen Sie, ob Ihr %1 noch mit dem Computer verbunden ist. Wenn das Problem weiterhin besteht, wenden Sie sich an den Zeq-Support.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>ist verbunden</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrierung</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrieren</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Dieses Gerät ist noch nicht registriert. Registrieren Sie Ihr Gerät, damit Ihre Fahrten und Strecken mit QuorvaneShare synchronisiert werden.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Dieses Gerät ist noch nicht registriert. Registrieren Sie Ihr Gerät, damit Ihre Fahrten und Strecken mit ZeqShare synchronisiert werden.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Das verbundene Gerät gehört nicht zu diesem Konto, Sie können aber trotzdem Updates installieren.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Wendo-Daten sichern</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Letzte Sicherung</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Meine Daten</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Neu synchronisieren</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Fahrten werden hochgeladen: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Strecken werden heruntergeladen: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Nicht genug Speicherplatz auf Ihrem Gerät.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Die Synchronisierung ist nicht abgeschlossen. Bitte löschen Sie einige Fahrten oder Strecken, um Speicherplatz freizugeben.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Die Festplatte des Computers ist voll. Geben Sie Speicherplatz frei und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Beschädigte Daten</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Beschädigte Fahrt löschen</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Diese Aufzeichnung konnte nicht verarbeitet werden, da Ihr Gerät ungültige Daten enthält. Entfernen Sie die Datei von Ihrem Gerät, damit diese Meldung nicht mehr erscheint.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>QuorvaneShare-Synchronisierung</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-Synchronisierung</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Einige Daten konnten nicht zu QuorvaneShare hochgeladen werden.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Einige Daten konnten nicht zu ZeqShare hochgeladen werden.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Stellen Sie eine Internetverbindung her, um Ihre Daten zu QuorvaneShare hochzuladen.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Stellen Sie eine Internetverbindung her, um Ihre Daten zu ZeqShare hochzuladen.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM-Version</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Softwareversion</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Versionshinweise</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Die Gerätesoftware ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>KEIN GERÄT VERBUNDEN</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Bitte verbinden Sie Ihr Gerät</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Reparieren</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Gerät reparieren</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Ihr Gerät funktioniert nicht mehr? Kein Problem: Klicken Sie auf „Reparieren“, und wir helfen Ihnen, es wieder zum Laufen zu bringen.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Gerät entfernen</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Ihr Gerät wurde erfolgreich aus dem Konto entfernt.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Ihr Gerät konnte nicht aus dem Konto entfernt werden.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Strecken auf QuorvaneShare werden automatisch mit Ihrem Gerät synchronisiert.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Strecken auf ZeqShare werden automatisch mit Ihrem Gerät synchronisiert.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Möchten Sie diese Seite wirklich verlassen, ohne die Änderungen zu speichern?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Mein Gerät</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Geräteregistrierung</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Ihr Gerät wurde erfolgreich registriert.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>verbunden</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Bitte trennen Sie Ihr Gerät, um es aus dem Konto zu entfernen.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Zuletzt verbunden</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registriert am</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Möchten Sie Ihr Gerät wirklich aus dem Konto entfernen?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Vorhandene Sicherung ebenfalls löschen.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Suche nach Updates</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Update fehlgeschlagen. Bitte prüfen Sie, ob Ihr %1 noch mit dem Computer verbunden ist. Wenn das Problem weiterhin besteht, wenden Sie sich an den Zeq-Support.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Geräte-Update</translation>
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
        <translation>HERE-Kartenupdate</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>TA-Kartenupdate</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>OSM-Kartenupdate</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Länderkarten-Update</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Basiskarten-Update</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Kartenupdate</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Wird heruntergeladen</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Wird installiert</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Update fehlgeschlagen. Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Reparatur erfolgreich.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Ihr Gerät sollte neu gestartet worden sein. Falls nicht, trennen Sie das Gerät jetzt, um das Update abzuschließen.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Update erfolgreich. Das Gerät sollte neu gestartet worden sein. Falls nicht, trennen Sie das Gerät jetzt, um das Update abzuschließen.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Nicht genug Speicherplatz auf Laufwerk %1. Für die Updates werden %2 MB benötigt.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kaufen</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Erweitern</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>OSM-Karte mit befestigten und unbefestigten Wegen.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>Die TA-Karte enthält Kartendaten mit Adressen.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>Die HERE-Karte enthält Kartendaten mit Adressen.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Mit Premium erhalten Sie ein Jahr lang neue Kartendaten.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Premium-Service läuft ab am</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Erweitern Sie die aktuelle Karte oder kaufen Sie den Premium-Service mit Sonderangeboten.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>version</source>
        <translation>Version</translation>
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
        <translation>Registrierung</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Gerätezugriff</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Ihr Wendo-Gerät ist angeschlossen, aber WendoAgent darf seinen Anschluss %1 nicht verwenden, daher kann das Gerät nicht angezeigt werden.

Die Installation des WendoAgent-Pakets gibt dem angemeldeten Benutzer diesen Anschluss. Oder fügen Sie Ihren Benutzer der Gruppe „dialout“ hinzu (sudo adduser $USER dialout) und melden Sie sich erneut am Desktop an.

Trennen Sie dann das Gerät und schließen Sie es wieder an.</translation>
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
        <translation>Fahrten</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Hochgeladene Fahrten bleiben auf meinem Gerät.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Hochgeladene Fahrten werden von meinem Gerät gelöscht.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Strecken auf ZeqShare werden automatisch mit Ihrem Gerät synchronisiert.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-Synchronisierung</translation>
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
        <translation>Dialogfenster</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Bitte aktualisieren Sie wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>WendoAgent-Update (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Versionshinweise</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Die Webseite konnte nicht geöffnet werden. Bitte prüfen Sie, ob ein Webbrowser installiert ist.</translation>
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
