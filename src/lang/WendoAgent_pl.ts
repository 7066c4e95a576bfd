<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Wersja programu</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Data wydania</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent synchronizuje twój licznik rowerowy Wendo z przejazdami w internecie.</translation>
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
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Nie udało się zapisać ustawień – dysk może być pełny. Poprzednio zapisane ustawienia pozostają bez zmian.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Ustawienia podstawowe</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Wyloguj</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Sprawdzanie aktualizacji</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Sprawdzanie aktualizacji</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Ostatnie połączenie</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Data rejestracji</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Wyrejestruj</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>To może chwilę potrwać. Zaczekaj i nie odłączaj urządzenia.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Pobieranie…</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Aktualizacja urządzenia</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>Firmware (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Oprogramowanie (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>Aktualizacja mapy OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>Aktualizacja mapy TA (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Nie pamiętasz hasła?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Zaloguj</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Zapamiętaj mnie</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Nieprawidłowy adres e-mail lub hasło. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Klikając przycisk, akceptujesz &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;warunki korzystania &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; politykę prywatności &lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Wpisz prawidłowy adres e-mail.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Niemcy, Austria i Szwajcaria</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Ulepsz obecną mapę lub kup usługę Premium w specjalnej ofercie</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kup</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Ulepsz</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Dostępna aktualizacja]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>Data mapy OSM</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>Data mapy TA</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>Mapa OSM zawiera dane o drogach utwardzonych i nieutwardzonych.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>Mapa TA zawiera dane adresowe.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Chiny</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Rejestracja</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Kopia zapasowa</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Moje dane</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Synchronizacja z ZeqShare</translation>
    </message>
    <message>
        <source>test</source>
        <translation>próba</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Wersja firmware</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Wersja oprogramowania</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Szukaj aktualizacji</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Oprogramowanie urządzenia jest aktualne]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Informacje o wersji</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Aktualizacja urządzenia</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    Firmware (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Oprogramowanie (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．Aktualizacja mapy OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．Aktualizacja mapy TA (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Informacje o wersji</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Kopia zapasowa przed aktualizacją</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Później</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Dostępna nowa aktualizacja</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Nie można połączyć się z serwerem QuorvaneShare. Sprawdź połączenie z internetem.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Nie można połączyć się z serwerem ZeqShare. Sprawdź połączenie z internetem.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Połączenie z internetem</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Zapisano</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>O programie WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Wyloguj</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>Adres e-mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Zaloguj</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Nieprawidłowy adres e-mail lub hasło. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Zapamiętaj mnie</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Otwórz WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Szukaj aktualizacji</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Otwórz stronę QuorvaneShare</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Otwórz stronę ZeqShare</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Zamknij WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Uruchamiaj przy starcie systemu</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Wszystkie dane zostały przesłane do QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Wszystkie dane zostały przesłane do ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Kliknij, aby sprawdzić</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Dostępna aktualizacja</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Dostępna jest nowa aktualizacja. Kliknij, aby dowiedzieć się więcej.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Kopia zapasowa</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywracanie</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Trwa tworzenie kopii zapasowej… Nie odłączaj urządzenia.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Trwa przywracanie… Nie odłączaj urządzenia.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Kopia zapasowa urządzenia</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Przywracanie urządzenia</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Kopia zapasowa została utworzona</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Nie udało się utworzyć kopii zapasowej. Sprawdź, czy urządzenie %1 jest nadal podłączone do komputera. Jeśli problem się powtarza, skontaktuj się z pomocą techniczną Zeq.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Przywracanie zakończone</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Przywracanie nie powiodło się. Sprawdź, czy urządzenie %1 jest nadal podłączone do komputera. Jeśli problem się powtarza, skontaktuj się z pomocą techniczną Zeq.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>jest podłączone</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Rejestracja</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Zarejestruj</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>To urządzenie nie jest zarejestrowane. Zarejestruj je, aby przejazdy i trasy synchronizowały się z QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>To urządzenie nie jest zarejestrowane. Zarejestruj je, aby przejazdy i trasy synchronizowały się z ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Podłączone urządzenie nie jest powiązane z tym kontem, ale nadal możesz je aktualizować.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Utwórz kopię zapasową danych Wendo</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Ostatnia kopia zapasowa</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Moje dane</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Synchronizuj</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Przesyłanie przejazdów: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Pobieranie tras: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Za mało pamięci w urządzeniu.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Synchronizacja nie została ukończona. Usuń część przejazdów lub tras, aby zwolnić pamięć.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Dysk komputera jest pełny. Zwolnij miejsce i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Uszkodzone dane</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Usuń uszkodzony przejazd</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Nie udało się przetworzyć tego zapisu, ponieważ urządzenie zawiera nieprawidłowe dane. Aby ten komunikat się nie powtarzał, usuń ten plik z urządzenia.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>Synchronizacja z QuorvaneShare</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Synchronizacja z ZeqShare</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Części danych nie można przesłać do QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Części danych nie można przesłać do ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Połącz się z internetem, aby przesłać dane do QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Połącz się z internetem, aby przesłać dane do ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Wersja firmware</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Wersja oprogramowania</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Informacje o wersji</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualizacje</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Oprogramowanie urządzenia jest aktualne.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>BRAK PODŁĄCZONEGO URZĄDZENIA</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Podłącz urządzenie</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Napraw</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Naprawa urządzenia</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Urządzenie nie działa? Bez obaw – kliknij „Napraw”, a pomożemy je przywrócić do działania.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Wyrejestrowanie urządzenia</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Urządzenie zostało wyrejestrowane.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Nie udało się jeszcze wyrejestrować urządzenia.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Trasy z QuorvaneShare będą automatycznie synchronizowane z urządzeniem.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Trasy z ZeqShare będą automatycznie synchronizowane z urządzeniem.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Czy na pewno chcesz opuścić tę stronę bez zapisania zmian?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Moje urządzenie</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Mapy</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Rejestracja urządzenia</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Urządzenie zostało zarejestrowane.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>podłączone</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Aby wyrejestrować urządzenie, najpierw je odłącz.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Ostatnie połączenie</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Data rejestracji</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Czy na pewno chcesz wyrejestrować urządzenie?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Usuń też moją kopię zapasową, jeśli istnieje.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Sprawdzanie aktualizacji</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Aktualizacja nie powiodła się. Upewnij się, że urządzenie %1 jest nadal podłączone do komputera. Jeśli problem będzie się powtarzał, skontaktuj się z pomocą techniczną Zeq.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Aktualizacja urządzenia</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Oprogramowanie</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>Aktualizacja mapy HERE</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>Aktualizacja mapy TA</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>Aktualizacja mapy OSM</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Aktualizacja map krajów</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Aktualizacja mapy bazowej</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Aktualizacja mapy</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalowanie</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Aktualizacja nie powiodła się. Sprawdź połączenie z internetem i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Naprawa zakończona.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Urządzenie powinno było uruchomić się ponownie. Jeśli tak się nie stało, odłącz je teraz, aby dokończyć aktualizację.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Aktualizacja zakończona. Urządzenie powinno było uruchomić się ponownie. Jeśli tak się nie stało, odłącz je teraz, aby dokończyć aktualizację.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Za mało miejsca na dysku %1. Do ukończenia aktualizacji potrzeba %2 MB.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kup</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Ulepsz</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>Mapa OSM z drogami utwardzonymi i gruntowymi.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>Mapa TA zawiera dane adresowe.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>Mapa HERE zawiera dane adresowe.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Z usługą Premium przez rok pobierasz nowe dane map.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Usługa Premium wygasa</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Ulepsz obecną mapę lub kup usługę Premium w specjalnej ofercie.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>aktualizacja</translation>
    </message>
    <message>
        <source>version</source>
        <translation>wersja</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Rejestracja</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Dostęp do urządzenia</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Urządzenie Wendo jest podłączone, ale WendoAgent nie ma dostępu do jego portu %1, więc nie może go wyświetlić.

Zainstalowanie pakietu WendoAgent daje zalogowanemu użytkownikowi dostęp do tego portu. Możesz też dodać swojego użytkownika do grupy „dialout” (sudo adduser $USER dialout) i ponownie zalogować się do pulpitu.

Następnie odłącz urządzenie i podłącz je ponownie.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia przejazdów</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Zachowuj przesłane przejazdy w urządzeniu.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Usuwaj przesłane przejazdy z urządzenia.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Trasy</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Trasy z ZeqShare będą automatycznie synchronizowane z urządzeniem.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Synchronizacja z ZeqShare</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Zaktualizuj wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>Aktualizacja WendoAgent (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Informacje o wersji</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Później</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Nie można otworzyć strony internetowej. Sprawdź, czy jest zainstalowana przeglądarka internetowa.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
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
