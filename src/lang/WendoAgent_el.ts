<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Παράθυρο διαλόγου</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Έκδοση προϊόντος</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Ημερομηνία κυκλοφορίας</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>Το WendoAgent κρατά τον ποδηλατικό σας υπολογιστή Wendo συγχρονισμένο με τις βόλτες σας online.</translation>
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
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση των ρυθμίσεων, ίσως ο δίσκος είναι πλήρης. Διατηρούνται οι ρυθμίσεις που είχαν αποθηκευτεί πριν.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Παράθυρο διαλόγου</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Βασικές ρυθμίσεις</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Γλώσσα</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Αποσύνδεση</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Παράθυρο διαλόγου</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Έλεγχος για ενημέρωση</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Διακοπή</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Παράθυρο διαλόγου</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Έλεγχος για ενημέρωση</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Διακοπή</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Τελευταία σύνδεση</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Εγγραφή στις</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Απεγγραφή</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Παράθυρο διαλόγου</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Αυτό μπορεί να διαρκέσει λίγο. Περιμένετε και μην αποσυνδέετε τη συσκευή σας.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Λήψη...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Ενημέρωση συσκευής</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Λογισμικό (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>Ενημέρωση χάρτη OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>Ενημέρωση χάρτη TA (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Ξεχάσατε τον κωδικό;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Σύνδεση</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Να με θυμάσαι</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Η διεύθυνση email ή ο κωδικός πρόσβασης είναι λανθασμένα. Δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Πατώντας το κουμπί, αποδέχεστε τους &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;όρους χρήσης&lt;/a&gt; &amp;amp; την &lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;πολιτική απορρήτου&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Εισαγάγετε μια έγκυρη διεύθυνση email.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Χάρτης</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Γερμανία, Αυστρία και Ελβετία</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Αναβαθμίστε τον τρέχοντα χάρτη ή αγοράστε την υπηρεσία Premium με ειδική προσφορά.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Αγορά</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Αναβάθμιση</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Διαθέσιμη ενημέρωση]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ενημέρωση</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>Ημερομηνία OSM</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>Ημερομηνία TA</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>Ο χάρτης OSM περιέχει δεδομένα για ασφαλτοστρωμένους δρόμους και χωματόδρομους.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>Ο χάρτης TA περιέχει δεδομένα χάρτη με διευθύνσεις.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Κίνα</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Στοιχεία εγγραφής</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Αντίγραφο</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Ετικέτα κειμένου</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Συσκευή</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Τα δεδομένα μου</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Συγχρονισμός ZeqShare</translation>
    </message>
    <message>
        <source>test</source>
        <translation>δοκιμή</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Συσκευή</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Έκδοση ROM</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Έκδοση λογισμικού</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Έλεγχος εκδόσεων</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Έκδοση</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Το λογισμικό της συσκευής είναι ενημερωμένο]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Σημείωση έκδοσης</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Παράθυρο διαλόγου</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Ενημέρωση συσκευής</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Λογισμικό (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．Ενημέρωση χάρτη OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．Ενημέρωση χάρτη TA (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Σημειώσεις έκδοσης</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Αντίγραφο ασφαλείας πριν την ενημέρωση</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Αργότερα</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ενημέρωση</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Νέα διαθέσιμη ενημέρωση</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Αποτυχία σύνδεσης στον διακομιστή QuorvaneShare. Ελέγξτε τη σύνδεσή σας στο Internet.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Αποτυχία σύνδεσης στον διακομιστή ZeqShare. Ελέγξτε τη σύνδεσή σας στο Internet.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Σύνδεση στο Internet</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Αποθηκεύτηκε</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>Σχετικά με το WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Αποσύνδεση</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>Διεύθυνση email</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Κωδικός πρόσβασης</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Σύνδεση</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Η διεύθυνση email ή ο κωδικός πρόσβασης είναι λανθασμένα. Δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Να με θυμάσαι</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Άνοιγμα WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Έλεγχος εκδόσεων</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Άνοιγμα ιστότοπου QuorvaneShare</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Άνοιγμα ιστότοπου ZeqShare</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Έξοδος από το WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Εκτέλεση κατά την εκκίνηση</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Όλα τα δεδομένα μεταφορτώθηκαν με επιτυχία στο QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Όλα τα δεδομένα μεταφορτώθηκαν με επιτυχία στο ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Κάντε κλικ εδώ για έλεγχο</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Διαθέσιμη ενημέρωση</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Υπάρχει νέα ενημέρωση. Κάντε κλικ εδώ για περισσότερες πληροφορίες.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Αντίγραφο ασφαλείας</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Δημιουργία αντιγράφου ασφαλείας... Μην αποσυνδέετε τη συσκευή σας.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Επαναφορά... Μην αποσυνδέετε τη συσκευή σας.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Αντίγραφο ασφαλείας συσκευής</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Επαναφορά συσκευής</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Το αντίγραφο ασφαλείας δημιουργήθηκε με επιτυχία</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Η δημιουργία αντιγράφου ασφαλείας απέτυχε. Βεβαιωθείτε ότι η συσκευή %1 είναι ακόμη συνδεδεμένη στον υπολογιστή. Αν το πρόβλημα παραμένει, επικοινωνήστε με την υποστήριξη της Zeq.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Η επαναφορά ολοκληρώθηκε με επιτυχία</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Η επαναφορά απέτυχε. Βεβαιωθείτε ότι η συσκευή %1 είναι ακόμη συνδεδεμένη στον υπολογιστή. Αν το πρόβλημα παραμένει, επικοινωνήστε με την υποστήριξη της Zeq.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>συνδέθηκε</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Στοιχεία εγγραφής</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Εγγραφή</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Αυτή η συσκευή δεν έχει εγγραφεί. Εγγράψτε τη για να συγχρονίζονται το ιστορικό και οι διαδρομές σας με το QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Αυτή η συσκευή δεν έχει εγγραφεί. Εγγράψτε τη για να συγχρονίζονται το ιστορικό και οι διαδρομές σας με το ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Η συσκευή που συνδέσατε δεν ανήκει στον τρέχοντα λογαριασμό, αλλά μπορείτε να χρησιμοποιήσετε τη λειτουργία ενημέρωσης.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Αντίγραφο ασφαλείας δεδομένων Wendo</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Τελευταίο αντίγραφο</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Τα δεδομένα μου</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Συγχρονισμός</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Μεταφόρτωση εγγραφών ιστορικού: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Λήψη διαδρομών: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Δεν υπάρχει αρκετός χώρος μνήμης στη συσκευή σας.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Ο συγχρονισμός δεν ολοκληρώθηκε. Διαγράψτε μερικές εγγραφές ιστορικού ή διαδρομές για να ελευθερώσετε χώρο μνήμης.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Ο δίσκος του υπολογιστή είναι πλήρης. Ελευθερώστε χώρο και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Κατεστραμμένα δεδομένα</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Διαγραφή κατεστραμμένου ιστορικού</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Δεν ήταν δυνατή η επεξεργασία αυτής της καταγραφής, επειδή η συσκευή σας περιέχει μη έγκυρες πληροφορίες. Για να μην εμφανίζεται αυτό το μήνυμα, αφαιρέστε το αρχείο από τη συσκευή σας.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>Συγχρονισμός QuorvaneShare</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Συγχρονισμός ZeqShare</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Ορισμένα δεδομένα δεν μπορούν να μεταφορτωθούν στο QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Ορισμένα δεδομένα δεν μπορούν να μεταφορτωθούν στο ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Συνδεθείτε στο Internet για να μεταφορτώσετε τα δεδομένα σας στο QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Συνδεθείτε στο Internet για να μεταφορτώσετε τα δεδομένα σας στο ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Συσκευή</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Έκδοση ROM</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Έκδοση λογισμικού</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Σημειώσεις έκδοσης</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Ενημερώσεις</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Το λογισμικό της συσκευής είναι ενημερωμένο.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>ΔΕΝ ΕΧΕΙ ΣΥΝΔΕΘΕΙ ΣΥΣΚΕΥΗ</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Συνδέστε τη συσκευή σας</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Ανάκτηση</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Ανάκτηση της συσκευής σας</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Η συσκευή δεν λειτουργεί; Μην ανησυχείτε: πατήστε «Ανάκτηση» και θα σας βοηθήσουμε να τη θέσετε ξανά σε λειτουργία.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Κατάργηση εγγραφής συσκευής</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Η εγγραφή της συσκευής σας καταργήθηκε με επιτυχία.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Η εγγραφή της συσκευής σας δεν έχει καταργηθεί ακόμη.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Οι διαδρομές στο QuorvaneShare θα συγχρονίζονται αυτόματα με τη συσκευή σας.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Οι διαδρομές στο ZeqShare θα συγχρονίζονται αυτόματα με τη συσκευή σας.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Θέλετε σίγουρα να φύγετε από αυτή τη σελίδα χωρίς να αποθηκεύσετε τις αλλαγές;</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Η συσκευή μου</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Διαχείριση χαρτών</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Εγγραφή συσκευής</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Η συσκευή σας εγγράφηκε με επιτυχία.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>συνδέθηκε</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Αποσυνδέστε τη συσκευή σας για να καταργήσετε την εγγραφή της.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Τελευταία σύνδεση</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Εγγραφή στις</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Θέλετε σίγουρα να καταργήσετε την εγγραφή της συσκευής σας;</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Διαγραφή και του αντιγράφου ασφαλείας μου, αν υπάρχει.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Έλεγχος για ενημερώσεις</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Η ενημέρωση απέτυχε. Βεβαιωθείτε ότι η συσκευή %1 είναι ακόμη συνδεδεμένη στον υπολογιστή. Αν το πρόβλημα παραμένει, επικοινωνήστε με την υποστήριξη της Zeq.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Ενημέρωση συσκευής</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Λογισμικό</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>Ενημέρωση χάρτη HERE</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>Ενημέρωση χάρτη TA</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>Ενημέρωση χάρτη OSM</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Ενημέρωση χαρτών χωρών</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Ενημέρωση βασικού χάρτη</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Ενημέρωση χάρτη</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Λήψη</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Εγκατάσταση</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Η ενημέρωση απέτυχε. Ελέγξτε τη σύνδεσή σας στο Internet και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Η ανάκτηση ολοκληρώθηκε με επιτυχία.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Η συσκευή σας θα έπρεπε να έχει επανεκκινηθεί. Αν όχι, αποσυνδέστε τη συσκευή τώρα για να ολοκληρωθεί η ενημέρωση.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Η ενημέρωση ολοκληρώθηκε με επιτυχία. Η συσκευή θα έπρεπε να έχει επανεκκινηθεί. Αν όχι, αποσυνδέστε τη συσκευή τώρα για να ολοκληρωθεί η ενημέρωση.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Δεν υπάρχει αρκετός χώρος στη μονάδα %1. Για να ολοκληρωθούν οι ενημερώσεις, απαιτούνται %2 MB.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Αγορά</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Αναβάθμιση</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>Χάρτης OSM με ασφάλτινους και χωμάτινους δρόμους.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>Ο χάρτης TA περιέχει δεδομένα χάρτη με διευθύνσεις.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Χάρτης</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>Ο χάρτης HERE περιέχει δεδομένα χάρτη με διευθύνσεις.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Αγοράστε το Premium για να κατεβάζετε νέα δεδομένα χάρτη για ένα έτος.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Η υπηρεσία Premium λήγει στις</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Αναβαθμίστε τον τρέχοντα χάρτη ή αγοράστε την υπηρεσία Premium με ειδικές προσφορές.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>ενημέρωση</translation>
    </message>
    <message>
        <source>version</source>
        <translation>έκδοση</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Στοιχεία εγγραφής</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Πρόσβαση στη συσκευή</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Η συσκευή Wendo είναι συνδεδεμένη, αλλά το WendoAgent δεν επιτρέπεται να χρησιμοποιήσει τη θύρα της %1, οπότε η συσκευή δεν μπορεί να εμφανιστεί.

Η εγκατάσταση του πακέτου WendoAgent δίνει αυτή τη θύρα στον συνδεδεμένο χρήστη. Εναλλακτικά, προσθέστε τον χρήστη σας στην ομάδα «dialout» (sudo adduser $USER dialout) και συνδεθείτε ξανά στην επιφάνεια εργασίας.

Στη συνέχεια αποσυνδέστε τη συσκευή και συνδέστε την ξανά.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Ιστορικό</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Όλο το μεταφορτωμένο ιστορικό θα παραμένει στη συσκευή μου.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Όλο το μεταφορτωμένο ιστορικό θα διαγράφεται από τη συσκευή μου.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Διαδρομές</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Οι διαδρομές στο ZeqShare θα συγχρονίζονται αυτόματα με τη συσκευή σας.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Συγχρονισμός ZeqShare</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Παράθυρο διαλόγου</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Ενημερώστε το wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>Ενημέρωση WendoAgent (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Σημειώσεις έκδοσης</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Αργότερα</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ενημέρωση</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Δεν ήταν δυνατό να ανοίξει η ιστοσελίδα. Ελέγξτε ότι είναι εγκατεστημένο ένα πρόγραμμα περιήγησης.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
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
