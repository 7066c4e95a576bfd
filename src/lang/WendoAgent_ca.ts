<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diàleg</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Versió del producte</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Data de publicació</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>El WendoAgent manté el vostre ciclocomputador Wendo sincronitzat amb les vostres sortides en línia.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
</context>
<context>
    <name>AgentSettings</name>
    <message>
        <source>Settings</source>
        <translation>Configuració</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>No s&apos;ha pogut desar la configuració; potser el disc és ple. Es manté la configuració desada anteriorment.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Diàleg</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulari</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Configuració bàsica</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Desa</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Formulari</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Tanca sessió</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diàleg</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>S&apos;estan cercant actualitzacions</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Atura</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diàleg</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>S&apos;estan cercant actualitzacions</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Atura</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulari</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Última connexió</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registrat el</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Dona de baixa</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diàleg</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Pot trigar una estona. Espereu i no desconnecteu el dispositiu.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>S&apos;està baixant...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Actualització del dispositiu</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Programari (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>Actualització del mapa OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>Actualització del mapa TA (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulari</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Heu oblidat la contrasenya?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Inicia la sessió</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Recorda&apos;m</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>L&apos;adreça electrònica o la contrasenya no són correctes. Torneu-ho a provar.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>En fer clic al botó, accepteu les &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;condicions d&apos;ús &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; la política de privadesa&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Introduïu una adreça electrònica vàlida.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulari</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulari</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Alemanya, Àustria i Suïssa</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Milloreu el mapa actual o afegiu el servei Premium amb una oferta especial</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Compra</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Millora</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Actualització disponible]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualitza</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>Data de les dades OSM</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>Data de les dades TA</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>El mapa OSM inclou dades de camins asfaltats i sense asfaltar.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>El mapa TA inclou dades de mapa amb adreces.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Xina</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Restaura</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Còpia de seguretat</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositiu</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Mostra les dades</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sincronització amb ZeqShare</translation>
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
        <translation>Dispositiu</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Versió de la ROM</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Versió del programari</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Cerca actualitzacions</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versió</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[El programari del dispositiu està actualitzat]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Notes de la versió</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulari</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diàleg</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Actualització del dispositiu</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Programari (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．Actualització del mapa OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．Actualització del mapa TA (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notes de la versió</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Fes una còpia de seguretat abans d&apos;actualitzar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Més tard</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualitza</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Hi ha una actualització nova</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulari</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>No s&apos;ha pogut connectar amb el servidor de QuorvaneShare. Comproveu la connexió a Internet.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>No s&apos;ha pogut connectar amb el servidor de ZeqShare. Comproveu la connexió a Internet.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Connexió a Internet</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuració</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>S&apos;ha desat correctament</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>Quant al WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Tanca sessió</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>Adreça electrònica</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contrasenya</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Inicia la sessió</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>L&apos;adreça electrònica o la contrasenya no són correctes. Torneu-ho a provar.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Recorda&apos;m</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Obre el WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Cerca actualització</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Obre el web de QuorvaneShare</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Obre el web de ZeqShare</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Surt del WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Executa en iniciar l&apos;ordinador</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Totes les dades s&apos;han pujat correctament a QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Totes les dades s&apos;han pujat correctament a ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Feu clic aquí per veure-les</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Actualització disponible</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Hi ha una actualització nova disponible. Feu clic aquí per obtenir-ne més informació.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Còpia de seguretat</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restauració</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Còpia de seguretat en curs... No desconnecteu el dispositiu.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>S&apos;està restaurant... No desconnecteu el dispositiu.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Còpia de seguretat del dispositiu</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Restauració del dispositiu</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>La còpia de seguretat s&apos;ha completat</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>La còpia de seguretat ha fallat. Comproveu que el vostre %1 encara estigui connectat a l&apos;ordinador. Si el problema continua, poseu-vos en contacte amb l&apos;assistència de Zeq.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>S&apos;ha restaurat correctament</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>La restauració ha fallat. Comproveu que el vostre %1 encara estigui connectat a l&apos;ordinador. Si el problema continua, poseu-vos en contacte amb l&apos;assistència de Zeq.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Desa</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>està connectat</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Aquest dispositiu no està registrat. Registreu-lo per sincronitzar l&apos;historial i les rutes amb QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Aquest dispositiu no està registrat. Registreu-lo per sincronitzar l&apos;historial i les rutes amb ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>El dispositiu connectat no està vinculat a aquest compte, però igualment el podeu actualitzar.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Feu una còpia de seguretat de les dades Wendo</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Última còpia de seguretat</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Mostra les dades</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Torna a sincronitzar</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>S&apos;estan pujant sortides: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>S&apos;estan baixant rutes: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Atura</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Torna-ho a provar</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>No hi ha prou memòria al dispositiu.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>La sincronització no s&apos;ha completat. Suprimiu algunes sortides o rutes per alliberar memòria.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>El disc de l&apos;ordinador és ple. Allibereu espai i torneu-ho a provar.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Dades malmeses</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Suprimiu la sortida malmesa</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>No s&apos;ha pogut processar aquest enregistrament perquè el dispositiu conté informació no vàlida. Perquè no torni a aparèixer aquest missatge, suprimiu el fitxer del dispositiu.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>Sincronització amb QuorvaneShare</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sincronització amb ZeqShare</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>No s&apos;han pogut pujar algunes dades a QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>No s&apos;han pogut pujar algunes dades a ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Connecteu-vos a Internet per pujar les dades a QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Connecteu-vos a Internet per pujar les dades a ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositiu</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Versió de la ROM</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Versió del programari</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notes de la versió</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Actualitzacions</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>El programari del dispositiu està actualitzat.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>CAP DISPOSITIU CONNECTAT</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Connecteu el dispositiu</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recupera</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Recupereu el dispositiu</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>No podeu fer servir el dispositiu? No patiu: feu clic a «Recupera» i us ajudarem a recuperar-lo.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Baixa del dispositiu</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>El dispositiu s&apos;ha donat de baixa correctament.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>No s&apos;ha pogut donar de baixa el dispositiu.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Les rutes de QuorvaneShare se sincronitzaran automàticament amb el dispositiu.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Les rutes de ZeqShare se sincronitzaran automàticament amb el dispositiu.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Segur que voleu sortir d&apos;aquesta pàgina sense desar els canvis?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>El meu dispositiu</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Mapes</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Registre del dispositiu</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>El dispositiu s&apos;ha registrat correctament.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connectat</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Desconnecteu el dispositiu per donar-lo de baixa.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Última connexió</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registrat el</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Segur que voleu donar de baixa el dispositiu?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Suprimeix també la còpia de seguretat, si n&apos;hi ha.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>S&apos;estan cercant actualitzacions</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>L&apos;actualització ha fallat. Comproveu que el %1 encara estigui connectat a l&apos;ordinador. Si el problema continua, poseu-vos en contacte amb el servei d&apos;assistència de Zeq.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Actualització del dispositiu</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Programari</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>Actualització del mapa HERE</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>Actualització del mapa TA</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>Actualització del mapa OSM</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Actualització dels mapes de països</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Actualització del mapa base</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Actualització de mapes</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>S&apos;està baixant</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>S&apos;està instal·lant</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>L&apos;actualització ha fallat. Comproveu la connexió a Internet i torneu-ho a provar.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>S&apos;ha recuperat correctament.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>El dispositiu s&apos;hauria d&apos;haver reiniciat. Si no és així, desconnecteu-lo ara per completar l&apos;actualització.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Actualització completada. El dispositiu s&apos;hauria d&apos;haver reiniciat. Si no és així, desconnecteu-lo ara per completar l&apos;actualització.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>No hi ha prou espai a la unitat %1. Calen %2 MB per completar les actualitzacions.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Compra</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Millora</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>Mapa OSM amb carreteres asfaltades i sense asfaltar.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>El mapa TA inclou dades de mapa amb adreces.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>El mapa HERE inclou dades de mapa amb adreces.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Amb Premium, baixeu dades de mapa noves durant un any.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>El servei Premium caduca el</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Milloreu el mapa actual o compreu el servei Premium amb ofertes especials.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>actualització</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versió</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulari</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registre</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Accés al dispositiu</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>El dispositiu Wendo està connectat, però el WendoAgent no pot fer servir el port %1, de manera que no es pot mostrar el dispositiu.

En instal·lar el paquet del WendoAgent, l&apos;usuari que ha iniciat la sessió obté accés a aquest port. També podeu afegir el vostre usuari al grup «dialout» (sudo adduser $USER dialout) i tornar a iniciar la sessió a l&apos;escriptori.

Després, desconnecteu el dispositiu i torneu-lo a connectar.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulari</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulari</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Les sortides pujades es conservaran al dispositiu.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Les sortides pujades s&apos;eliminaran del dispositiu.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Rutes</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Les rutes de ZeqShare se sincronitzaran automàticament amb el dispositiu.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sincronització amb ZeqShare</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Formulari</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diàleg</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Actualitzeu el wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>Actualització del WendoAgent (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notes de la versió</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Més tard</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualitza</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>No s&apos;ha pogut obrir la pàgina web. Comproveu que hi hagi un navegador web instal·lat.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulari</translation>
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
