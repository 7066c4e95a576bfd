<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Fereastră de dialog</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Versiune program</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Data lansării</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent ține ciclocomputerul Wendo sincronizat cu cursele tale online.</translation>
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
        <translation>Setări</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Setările nu au putut fi salvate; este posibil ca discul să fie plin. Setările salvate anterior se păstrează.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Fereastră de dialog</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
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
        <translation>Setări de bază</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Limbă</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvare</translation>
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
        <translation>Deconectare</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Fereastră de dialog</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Se caută actualizări</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Oprire</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Fereastră de dialog</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Se caută actualizări</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Oprire</translation>
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
        <translation>Ultima conectare</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Data înregistrării</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Dezasociază</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Fereastră de dialog</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Poate dura puțin. Așteaptă și nu deconecta dispozitivul.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Se descarcă…</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Actualizare dispozitiv</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>Firmware (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Versiune software (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>Actualizare hartă OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>Actualizare hartă TA (1.1.1.1)</translation>
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
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Ai uitat parola?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Conectare</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Ține-mă minte</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Adresa de e-mail sau parola este incorectă. Încearcă din nou.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Dând clic pe buton, ești de acord cu &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;termenii de utilizare &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; politica de confidențialitate &lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Introdu o adresă de e-mail validă.</translation>
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
        <translation>Hartă</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Germania, Austria și Elveția</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Îmbunătățește harta actuală sau cumpără serviciul Premium cu o ofertă specială</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Cumpără</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Îmbunătățește</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Actualizare disponibilă]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizează</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>Data hărții OSM</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>Data hărții TA</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>Harta OSM conține date despre drumuri asfaltate și neasfaltate.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>Harta TA conține date cu adrese.</translation>
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
        <translation>Restaurare</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Înregistrare</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copie de rezervă</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispozitiv</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Datele mele</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sincronizare ZeqShare</translation>
    </message>
    <message>
        <source>test</source>
        <translation>probă</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Dispozitiv</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Versiune firmware</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Versiune software</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Caută actualizări</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versiune</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Software-ul dispozitivului este actualizat]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Note de versiune</translation>
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
        <translation>Fereastră de dialog</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Actualizare dispozitiv</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    Firmware (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Versiune software (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．Actualizare hartă OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．Actualizare hartă TA (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Note de versiune</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Copie de rezervă înainte de actualizare</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mai târziu</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizează</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Actualizare nouă disponibilă</translation>
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
        <translation>Nu s-a putut realiza conexiunea la serverul QuorvaneShare. Verifică conexiunea la internet.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Nu s-a putut realiza conexiunea la serverul ZeqShare. Verifică conexiunea la internet.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Conexiune la internet</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Salvat</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>Despre WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Deconectare</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>Adresă de e-mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parolă</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Conectare</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Adresa de e-mail sau parola este incorectă. Încearcă din nou.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Ține-mă minte</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Deschide WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Caută actualizări</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Deschide site-ul QuorvaneShare</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Deschide site-ul ZeqShare</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Închide WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Pornire automată</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Toate datele au fost încărcate în QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Toate datele au fost încărcate în ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Dă clic pentru a vedea</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Actualizare disponibilă</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Este disponibilă o actualizare nouă. Dă clic aici pentru detalii.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copie de rezervă</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurare</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Se creează copia de rezervă… Nu deconecta dispozitivul.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Se restaurează… Nu deconecta dispozitivul.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Copie de rezervă a dispozitivului</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Restaurarea dispozitivului</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Copia de rezervă a fost creată</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Copia de rezervă nu a reușit. Verifică dacă dispozitivul %1 este încă conectat la computer. Dacă problema persistă, contactează asistența Zeq.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Restaurare reușită</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Restaurarea nu a reușit. Verifică dacă dispozitivul %1 este încă conectat la computer. Dacă problema persistă, contactează asistența Zeq.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>este conectat</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Înregistrare</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Înregistrează</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Acest dispozitiv nu este înregistrat. Înregistrează-l pentru ca cursele și traseele să se sincronizeze cu QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Acest dispozitiv nu este înregistrat. Înregistrează-l pentru ca cursele și traseele să se sincronizeze cu ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Dispozitivul conectat nu este asociat cu acest cont, dar îl poți actualiza în continuare.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Fă o copie de rezervă a datelor Wendo</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Ultima copie de rezervă</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Datele mele</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Resincronizare</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Se încarcă curse: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Se descarcă trasee: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Oprire</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Reîncearcă</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Memorie insuficientă pe dispozitiv.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Sincronizarea nu s-a încheiat. Șterge câteva curse sau trasee pentru a elibera memorie.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Discul computerului este plin. Eliberează spațiu și încearcă din nou.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Date deteriorate</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Șterge cursa deteriorată</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Această înregistrare nu a putut fi procesată, deoarece dispozitivul conține date nevalide. Pentru a nu mai vedea acest mesaj, șterge fișierul de pe dispozitiv.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>Sincronizare QuorvaneShare</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sincronizare ZeqShare</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Unele date nu pot fi încărcate în QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Unele date nu pot fi încărcate în ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Conectează-te la internet pentru a încărca datele în QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Conectează-te la internet pentru a încărca datele în ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispozitiv</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Versiune firmware</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Versiune software</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Note de versiune</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Actualizări</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Software-ul dispozitivului este actualizat.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>NICIUN DISPOZITIV CONECTAT</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Conectează dispozitivul</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperare</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Recuperează dispozitivul</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Dispozitivul nu funcționează? Nicio grijă: dă clic pe „Recuperare” și te ajutăm să-l repui în funcțiune.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Dezasocierea dispozitivului</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Dispozitivul a fost dezasociat de cont.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Dispozitivul nu a putut fi dezasociat încă.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Traseele din QuorvaneShare se vor sincroniza automat cu dispozitivul.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Traseele din ZeqShare se vor sincroniza automat cu dispozitivul.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Sigur vrei să părăsești pagina fără să salvezi modificările?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Dispozitivul meu</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Hărți</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Înregistrarea dispozitivului</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Dispozitivul a fost înregistrat.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>conectat</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Deconectează dispozitivul pentru a-l dezasocia.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Ultima conectare</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Data înregistrării</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Sigur vrei să dezasociezi dispozitivul?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Șterge copia mea de rezervă, dacă există.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Se caută actualizări</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Actualizarea a eșuat. Asigură-te că dispozitivul %1 este încă conectat la computer. Dacă problema persistă, contactează asistența Zeq.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Actualizare dispozitiv</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>Actualizare hartă HERE</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>Actualizare hartă TA</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>Actualizare hartă OSM</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Actualizare hărți de țări</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Actualizare hartă de bază</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Actualizare hartă</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Se descarcă</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Se instalează</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Actualizarea a eșuat. Verifică conexiunea la internet și încearcă din nou.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Recuperare reușită.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Dispozitivul ar fi trebuit să repornească. Dacă nu a repornit, deconectează-l acum pentru a finaliza actualizarea.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Actualizare reușită. Dispozitivul ar fi trebuit să repornească. Dacă nu a repornit, deconectează-l acum pentru a finaliza actualizarea.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Spațiu insuficient pe unitatea %1. Pentru a finaliza actualizările sunt necesari %2 MB.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Cumpără</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Îmbunătățește</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>Harta OSM conține date despre drumuri asfaltate și neasfaltate.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>Harta TA conține date cu adrese.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Hartă</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>Harta HERE conține date cu adrese.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Cu serviciul Premium poți descărca date noi pentru hărți timp de un an.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Serviciul Premium expiră pe</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Îmbunătățește harta actuală sau cumpără serviciul Premium cu oferte speciale.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>actualizare</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versiune</translation>
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
        <translation>Înregistrare</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Acces la dispozitiv</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Dispozitivul Wendo este conectat, dar WendoAgent nu are voie să folosească portul său %1, așa că dispozitivul nu poate fi afișat.

Instalarea pachetului WendoAgent îi dă utilizatorului autentificat acces la acest port. Sau adaugă-ți utilizatorul în grupul „dialout” (sudo adduser $USER dialout) și autentifică-te din nou în desktop.

Apoi deconectează dispozitivul și conectează-l din nou.</translation>
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
        <translation>Istoric curse</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Păstrează pe dispozitiv cursele încărcate.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Șterge de pe dispozitiv cursele încărcate.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Trasee</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Traseele din ZeqShare se vor sincroniza automat cu dispozitivul.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sincronizare ZeqShare</translation>
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
        <translation>Fereastră de dialog</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Actualizează wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>Actualizare WendoAgent (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Note de versiune</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mai târziu</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizează</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Pagina web nu a putut fi deschisă. Verifică dacă este instalat un browser web.</translation>
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
