<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Valintaikkuna</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Tuoteversio</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Julkaisupäivä</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent pitää Wendo-pyöräilytietokoneesi ajan tasalla verkossa olevien ajojesi kanssa.</translation>
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
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Asetuksia ei voitu tallentaa, levy saattaa olla täynnä. Aiemmin tallennetut asetukset säilyvät.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Valintaikkuna</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Lomake</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Perusasetukset</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Lomake</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Kirjaudu ulos</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Valintaikkuna</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Haetaan päivitystä</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pysäytä</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Valintaikkuna</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Haetaan päivitystä</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pysäytä</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Lomake</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Viimeksi yhdistetty</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Rekisteröity</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Peru rekisteröinti</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Valintaikkuna</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Tämä voi kestää hetken. Odota äläkä irrota laitetta.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Ladataan...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Laitepäivitys</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Ohjelmisto (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>OSM-karttapäivitys (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>TA-karttapäivitys (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Lomake</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Unohditko salasanan?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Kirjaudu sisään</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Muista minut</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Sähköpostiosoite tai salasana on virheellinen. Yritä uudelleen.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Napsauttamalla painiketta hyväksyt &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;käyttöehdot&lt;/a&gt; &amp;amp; &lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;tietosuojakäytännön&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Anna kelvollinen sähköpostiosoite.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Lomake</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Lomake</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Kartta</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Saksa, Itävalta ja Sveitsi</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Laajenna nykyistä karttaa tai osta Premium-palvelu erikoistarjouksella.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Osta</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Laajenna</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Päivitys saatavilla]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Päivitä</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>OSM-päiväyskoodi</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>TA-päiväyskoodi</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>OSM-kartta sisältää tiedot päällystetyistä ja päällystämättömistä teistä.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>TA-kartta sisältää karttatiedot osoitteineen.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Kiina</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Palauta</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Rekisteröinti</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Varmuuskopioi</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Tekstiselite</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Laite</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Omat tiedot</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-synkronointi</translation>
    </message>
    <message>
        <source>test</source>
        <translation>testi</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Laite</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM-versio</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Ohjelmistoversio</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Hae päivitykset</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versio</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Laitteen ohjelmisto on ajan tasalla]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Julkaisutiedot</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Lomake</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Valintaikkuna</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Laitepäivitys</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Ohjelmisto (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．OSM-karttapäivitys (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．TA-karttapäivitys (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Julkaisutiedot</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Varmuuskopioi laite ennen päivitystä</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Myöhemmin</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Päivitä</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Uusi päivitys saatavilla</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Lomake</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Yhteyttä QuorvaneShare-palvelimeen ei saatu. Tarkista internetyhteys.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Yhteyttä ZeqShare-palvelimeen ei saatu. Tarkista internetyhteys.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Internetyhteys</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Tallennettu</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>Tietoja ohjelmasta WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Kirjaudu ulos</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>Sähköpostiosoite</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Salasana</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Kirjaudu sisään</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Sähköpostiosoite tai salasana on virheellinen. Yritä uudelleen.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Muista minut</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Avaa WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Hae päivitykset</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Avaa QuorvaneShare-verkkosivusto</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Avaa ZeqShare-verkkosivusto</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Sulje WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Käynnistä automaattisesti</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Kaikki tiedot on ladattu QuorvaneShare-palveluun.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Kaikki tiedot on ladattu ZeqShare-palveluun.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Tarkista napsauttamalla tästä</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Päivitys saatavilla</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Uusi päivitys on saatavilla. Lisätietoja saat napsauttamalla tästä.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Varmuuskopioi</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Palauta</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Varmuuskopiointi käynnissä... Älä irrota laitetta.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Palautetaan... Älä irrota laitetta.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Laitteen varmuuskopiointi</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Laitteen palautus</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Varmuuskopiointi onnistui</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Varmuuskopiointi epäonnistui. Varmista, että laite %1 on yhä yhdistetty tietokoneeseen. Jos ongelma jatkuu, ota yhteyttä Zeqin tukeen.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Palautus onnistui</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Palautus epäonnistui. Varmista, että laite %1 on yhä yhdistetty tietokoneeseen. Jos ongelma jatkuu, ota yhteyttä Zeqin tukeen.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>on yhdistetty</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Rekisteröinti</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Rekisteröi</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Laitetta ei ole rekisteröity. Rekisteröi laite, jotta historiasi ja reittisi synkronoidaan QuorvaneShare-palvelun kanssa.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Laitetta ei ole rekisteröity. Rekisteröi laite, jotta historiasi ja reittisi synkronoidaan ZeqShare-palvelun kanssa.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Yhdistettyä laitetta ei ole liitetty nykyiseen tiliin, mutta voit silti käyttää päivitystoimintoa.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Varmuuskopioi Wendo-tietosi</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Viimeisin varmuuskopio</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Omat tiedot</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Synkronoi</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Historiamerkintöjen lataus palveluun: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Reittien lataus laitteeseen: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pysäytä</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Yritä uudelleen</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Laitteessa ei ole tarpeeksi muistia.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Synkronointi ei ole valmis. Vapauta muistia poistamalla historiamerkintöjä tai reittejä.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Tietokoneen levy on täynnä. Vapauta tilaa ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Vioittuneet tiedot</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Poista vioittunut historia</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Tätä tallennetta ei voitu käsitellä, koska laitteessa on virheellisiä tietoja. Jotta tämä ilmoitus ei enää näy, poista tiedosto laitteesta.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>QuorvaneShare-synkronointi</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-synkronointi</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Osaa tiedoista ei voi ladata QuorvaneShare-palveluun.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Osaa tiedoista ei voi ladata ZeqShare-palveluun.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Muodosta internetyhteys, jotta voit ladata tietosi QuorvaneShare-palveluun.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Muodosta internetyhteys, jotta voit ladata tietosi ZeqShare-palveluun.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Laite</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM-versio</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Ohjelmistoversio</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Julkaisutiedot</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Päivitykset</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Laitteen ohjelmisto on ajan tasalla.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>LAITETTA EI OLE YHDISTETTY</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Yhdistä laitteesi</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Korjaa</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Korjaa laitteesi</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Eikö laite toimi? Ei hätää – napsauta ”Korjaa”-painiketta, niin autamme saamaan sen taas toimimaan.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Laitteen rekisteröinnin peruminen</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Laitteen rekisteröinti on peruttu.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Laitteen rekisteröintiä ei ole vielä peruttu.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>QuorvaneShare-palvelun reitit synkronoidaan automaattisesti laitteeseesi.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>ZeqShare-palvelun reitit synkronoidaan automaattisesti laitteeseesi.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Haluatko varmasti poistua sivulta tallentamatta muutoksia?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Oma laite</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Karttojen hallinta</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Laitteen rekisteröinti</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Laite on rekisteröity.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>yhdistetty</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Irrota laite, jotta voit perua sen rekisteröinnin.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Viimeksi yhdistetty</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Rekisteröity</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Haluatko varmasti perua laitteen rekisteröinnin?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Poista myös varmuuskopioni, jos sellainen on.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Haetaan päivityksiä</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Päivitys epäonnistui. Varmista, että laite %1 on yhä yhdistetty tietokoneeseen. Jos ongelma jatkuu, ota yhteyttä Zeqin tukeen.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Laitepäivitys</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Ohjelmisto</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>HERE-karttapäivitys</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>TA-karttapäivitys</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>OSM-karttapäivitys</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Maakarttojen päivitys</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Peruskartan päivitys</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Karttapäivitys</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Ladataan</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Asennetaan</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Päivitys epäonnistui. Tarkista internetyhteys ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Korjaus onnistui.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Laitteen olisi pitänyt käynnistyä uudelleen. Jos niin ei käynyt, irrota laite nyt, jotta päivitys saadaan valmiiksi.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Päivitys onnistui. Laitteen olisi pitänyt käynnistyä uudelleen. Jos niin ei käynyt, irrota laite nyt, jotta päivitys saadaan valmiiksi.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Asemalla %1 ei ole tarpeeksi tilaa. Päivitysten viimeistelyyn tarvitaan %2 Mt.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Osta</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Laajenna</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>OSM-kartta: päällystetyt ja päällystämättömät tiet.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>TA-kartta sisältää karttatiedot osoitteineen.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Kartta</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>HERE-kartta sisältää karttatiedot osoitteineen.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Osta Premium, niin voit ladata uusia karttatietoja vuoden ajan.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Premium-palvelu päättyy</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Laajenna nykyistä karttaa tai osta Premium-palvelu erikoistarjouksin.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>päivitys</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versio</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Lomake</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Rekisteröinti</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Laitteen käyttöoikeus</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Wendo-laitteesi on kytketty, mutta WendoAgent ei saa käyttää sen porttia %1, joten laitetta ei voi näyttää.

WendoAgent-paketin asentaminen antaa tämän portin kirjautuneen käyttäjän käyttöön. Voit myös lisätä käyttäjäsi ryhmään ”dialout” (sudo adduser $USER dialout) ja kirjautua työpöydälle uudelleen.

Irrota sitten laite ja kytke se uudelleen.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Lomake</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Lomake</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Kaikki palveluun ladattu historia säilytetään laitteessani.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Kaikki palveluun ladattu historia poistetaan laitteestani.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Reitit</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>ZeqShare-palvelun reitit synkronoidaan automaattisesti laitteeseesi.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-synkronointi</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Lomake</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Valintaikkuna</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Päivitä wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>WendoAgent-päivitys (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Julkaisutiedot</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Myöhemmin</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Päivitä</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Verkkosivua ei voitu avata. Tarkista, että verkkoselain on asennettu.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Lomake</translation>
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
