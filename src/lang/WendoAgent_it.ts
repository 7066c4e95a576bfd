<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Versione del prodotto</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Data di rilascio</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent mantiene il tuo ciclocomputer Wendo sincronizzato con le tue uscite online.</translation>
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
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Impossibile salvare le impostazioni: il disco potrebbe essere pieno. Restano valide le impostazioni salvate in precedenza.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Impostazioni di base</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Disconnetti</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Ricerca aggiornamenti</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Ricerca aggiornamenti</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Ultima connessione</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registrato il</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Rimuovi</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Potrebbe volerci un po&apos;. Attendi e non scollegare il dispositivo.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Download in corso...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Aggiornamento dispositivo</translation>
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
        <translation>Aggiornamento mappa OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>Aggiornamento mappa TA (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Password dimenticata?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Ricordami</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>L&apos;indirizzo e-mail o la password non sono corretti. Riprova.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Facendo clic sul pulsante accetti i &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;termini d&apos;uso &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; l&apos;informativa sulla privacy&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Inserisci un indirizzo e-mail valido.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Germania, Austria e Svizzera</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Potenzia la mappa attuale o aggiungi il servizio Premium con un&apos;offerta speciale</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Acquista</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Potenzia</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Aggiornamento disponibile]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>Data dati OSM</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>Data dati TA</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>La mappa OSM contiene dati su strade asfaltate e sterrate.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>La mappa TA contiene dati cartografici con indirizzi.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Cina</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Esegui backup</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>I miei dati</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sincronizzazione ZeqShare</translation>
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
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Versione ROM</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Versione software</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Il software del dispositivo è aggiornato]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Note di rilascio</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Aggiornamento dispositivo</translation>
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
        <translation>．Aggiornamento mappa OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．Aggiornamento mappa TA (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Note di rilascio</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Esegui il backup prima di aggiornare</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Nuovo aggiornamento disponibile</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Impossibile connettersi al server QuorvaneShare. Controlla la connessione a Internet.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Impossibile connettersi al server ZeqShare. Controlla la connessione a Internet.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Connessione a Internet</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Salvataggio riuscito</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>Informazioni su WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>Indirizzo e-mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>L&apos;indirizzo e-mail o la password non sono corretti. Riprova.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Ricordami</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Apri WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Controlla versione</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Apri il sito QuorvaneShare</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Apri il sito ZeqShare</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Chiudi WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Avvia all&apos;accensione</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Tutti i dati sono stati caricati su QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Tutti i dati sono stati caricati su ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Fai clic qui per vederli</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Aggiornamento disponibile</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>È disponibile un nuovo aggiornamento. Fai clic qui per saperne di più.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristino</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Backup in corso... Non scollegare il dispositivo.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Ripristino in corso... Non scollegare il dispositivo.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Backup del dispositivo</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Ripristino del dispositivo</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Backup completato</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Backup non riuscito. Verifica che il tuo %1 sia ancora collegato al computer. Se il problema persiste, contatta l&apos;assistenza Zeq.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Ripristino completato</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Ripristino non riuscito. Verifica che il tuo %1 sia ancora collegato al computer. Se il problema persiste, contatta l&apos;assistenza Zeq.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>è collegato</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Questo dispositivo non è registrato. Registralo per sincronizzare la cronologia e i percorsi con QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Questo dispositivo non è registrato. Registralo per sincronizzare la cronologia e i percorsi con ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Il dispositivo collegato non è associato a questo account, ma puoi comunque aggiornarlo.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Esegui il backup dei dati Wendo</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Ultimo backup</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>I miei dati</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Risincronizza</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Caricamento uscite: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Download percorsi: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Memoria del dispositivo insufficiente.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>La sincronizzazione non è completa. Elimina alcune uscite o alcuni percorsi per liberare memoria.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Il disco del computer è pieno. Libera spazio e riprova.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Dati danneggiati</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Elimina l&apos;uscita danneggiata</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Impossibile elaborare questa registrazione perché il dispositivo contiene informazioni non valide. Per non vedere più questo messaggio, rimuovi il file dal dispositivo.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>Sincronizzazione QuorvaneShare</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sincronizzazione ZeqShare</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Non è stato possibile caricare alcuni dati su QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Non è stato possibile caricare alcuni dati su ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Connettiti a Internet per caricare i tuoi dati su QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Connettiti a Internet per caricare i tuoi dati su ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Versione ROM</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Versione software</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Note di rilascio</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Il software del dispositivo è aggiornato.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>NESSUN DISPOSITIVO COLLEGATO</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Collega il dispositivo</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Ripara</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Ripara il dispositivo</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Il dispositivo non funziona? Niente paura: fai clic su «Ripara» e ti aiuteremo a rimetterlo in funzione.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Rimozione del dispositivo</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Il dispositivo è stato rimosso dall&apos;account.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Non è stato possibile rimuovere il dispositivo dall&apos;account.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>I percorsi su QuorvaneShare verranno sincronizzati automaticamente con il dispositivo.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>I percorsi su ZeqShare verranno sincronizzati automaticamente con il dispositivo.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Vuoi davvero uscire da questa pagina senza salvare le modifiche?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Il mio dispositivo</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Mappe</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Registrazione del dispositivo</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Il dispositivo è stato registrato.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>collegato</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Scollega il dispositivo per rimuoverlo dall&apos;account.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Ultima connessione</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registrato il</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Vuoi davvero rimuovere il dispositivo dall&apos;account?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Elimina anche il mio backup, se presente.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Ricerca aggiornamenti</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Aggiornamento non riuscito. Verifica che il tuo %1 sia ancora collegato al computer. Se il problema persiste, contatta l&apos;assistenza Zeq.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Aggiornamento dispositivo</translation>
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
        <translation>Aggiornamento mappa HERE</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>Aggiornamento mappa TA</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>Aggiornamento mappa OSM</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Aggiornamento mappe dei paesi</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Aggiornamento mappa di base</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Aggiornamento mappe</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Download in corso</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installazione in corso</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Aggiornamento non riuscito. Verifica la connessione a Internet e riprova.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Riparazione completata.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Il dispositivo dovrebbe essersi riavviato. In caso contrario, scollegalo ora per completare l&apos;aggiornamento.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Aggiornamento completato. Il dispositivo dovrebbe essersi riavviato. In caso contrario, scollegalo ora per completare l&apos;aggiornamento.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Spazio insufficiente nell&apos;unità %1. Per completare gli aggiornamenti servono %2 MB.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Acquista</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Potenzia</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>La mappa OSM contiene dati su strade asfaltate e sterrate.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>La mappa TA contiene dati cartografici con indirizzi.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>La mappa HERE contiene dati cartografici con indirizzi.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Con Premium scarichi nuovi dati cartografici per un anno.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Il servizio Premium scade il</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Potenzia la mappa attuale o acquista il servizio Premium con offerte speciali.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>disponibile</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versione</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registrazione</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Accesso al dispositivo</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Il tuo dispositivo Wendo è collegato, ma WendoAgent non può usare la sua porta %1, quindi il dispositivo non può essere mostrato.

Installando il pacchetto WendoAgent, l&apos;utente connesso ottiene l&apos;accesso a questa porta. Oppure aggiungi il tuo utente al gruppo «dialout» (sudo adduser $USER dialout) e accedi di nuovo al desktop.

Poi scollega il dispositivo e ricollegalo.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Le uscite caricate resteranno sul mio dispositivo.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Le uscite caricate verranno eliminate dal mio dispositivo.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Percorsi</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>I percorsi su ZeqShare verranno sincronizzati automaticamente con il dispositivo.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sincronizzazione ZeqShare</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Aggiorna wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>Aggiornamento WendoAgent (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Note di rilascio</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Impossibile aprire la pagina web. Verifica che sia installato un browser web.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
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
