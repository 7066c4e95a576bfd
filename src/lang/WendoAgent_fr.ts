<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Version du produit</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Date de publication</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent synchronise votre compteur vélo Wendo avec vos sorties en ligne.</translation>
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
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Impossible d&apos;enregistrer vos paramètres, le disque est peut-être plein. Les paramètres enregistrés précédemment sont conservés.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Paramètres généraux</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Déconnexion</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Recherche de mises à jour</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Recherche de mises à jour</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Dernière connexion</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID&#xa0;:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Inscrit le</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Désinscrire</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Cela peut prendre un moment. Veuillez patienter et ne pas déconnecter votre appareil.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Téléchargement...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Mise à jour de l&apos;appareil</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Logiciel (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>Mise à jour carte OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>Mise à jour carte TA (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Mot de passe oublié&#xa0;?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Se souvenir de moi</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Adresse e-mail ou mot de passe incorrect. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>En cliquant sur le bouton, vous acceptez les &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;conditions d&apos;utilisation &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; la politique de confidentialité&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Veuillez saisir une adresse e-mail valide.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Allemagne, Autriche et Suisse</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Mettez à niveau la carte actuelle ou ajoutez le service Premium en offre spéciale</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Acheter</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Mettre à niveau</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Mise à jour disponible]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>Date des données OSM</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>Date des données TA</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>La carte OSM fournit des données sur les routes revêtues ou non revêtues.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>La carte TA fournit des données cartographiques avec adresses.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Chine</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Inscription</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarder</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Mes données</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Synchronisation ZeqShare</translation>
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
        <translation>Appareil</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Version ROM</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Version du logiciel</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Vérifier la version</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Le logiciel de l&apos;appareil est à jour]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Notes de version</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Mise à jour de l&apos;appareil</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Logiciel (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．Mise à jour carte OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．Mise à jour carte TA (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notes de version</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Sauvegarder l&apos;appareil avant la mise à jour</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Nouvelle mise à jour disponible</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Impossible de se connecter au serveur QuorvaneShare. Veuillez vérifier votre connexion Internet.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Impossible de se connecter au serveur ZeqShare. Veuillez vérifier votre connexion Internet.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Connexion Internet</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Enregistrement réussi</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>À propos de WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Déconnexion</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>Adresse e-mail ou mot de passe incorrect. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Se souvenir de moi</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Ouvrir WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Vérifier la version</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Ouvrir le site QuorvaneShare</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Ouvrir le site ZeqShare</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Quitter WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Lancer au démarrage</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Toutes les données ont bien été envoyées sur QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Toutes les données ont bien été envoyées sur ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Cliquez ici pour voir</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Nouvelle mise à jour disponible. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restauration</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Sauvegarde en cours... Veuillez ne pas déconnecter votre appareil.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Restauration en cours... Veuillez ne pas déconnecter votre appareil.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Sauvegarde de l&apos;appareil</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Restauration de l&apos;appareil</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Sauvegarde terminée</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Échec de la sauvegarde. Vérifiez que votre %1 est toujours connecté à l&apos;ordinateur. Si le problème persiste, contactez l&apos;assistance Zeq.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Restauration réussie</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Échec de la restauration. Vérifiez que votre %1 est toujours connecté à l&apos;ordinateur. Si le problème persiste, contactez l&apos;assistance Zeq.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>est connecté</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Inscription</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Inscrire</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Cet appareil n&apos;est pas encore inscrit. Inscrivez votre appareil pour synchroniser votre historique et vos parcours avec QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Cet appareil n&apos;est pas encore inscrit. Inscrivez votre appareil pour synchroniser votre historique et vos parcours avec ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>L&apos;appareil connecté n&apos;est pas lié à ce compte, mais vous pouvez tout de même le mettre à jour.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Sauvegardez vos données Wendo</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Dernière sauvegarde</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Mes données</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Resynchroniser</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Envoi des sorties&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Téléchargement des parcours&#xa0;: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Mémoire insuffisante sur votre appareil.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>La synchronisation n&apos;est pas terminée. Supprimez des sorties de l&apos;historique ou des parcours pour libérer de la mémoire.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Le disque de l&apos;ordinateur est plein. Libérez de l&apos;espace et réessayez.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Données corrompues</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Supprimez la sortie corrompue</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Impossible de traiter cet enregistrement, car votre appareil contient des informations non valides. Pour ne plus voir ce message, supprimez ce fichier de votre appareil.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>Synchronisation QuorvaneShare</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Synchronisation ZeqShare</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Certaines données n&apos;ont pas pu être envoyées sur QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Certaines données n&apos;ont pas pu être envoyées sur ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Connectez-vous à Internet pour envoyer vos données sur QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Connectez-vous à Internet pour envoyer vos données sur ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Version ROM</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Version du logiciel</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notes de version</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Le logiciel de l&apos;appareil est à jour.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>AUCUN APPAREIL CONNECTÉ</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Veuillez connecter votre appareil</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Réparer</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Réparer votre appareil</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Votre appareil ne fonctionne plus&#xa0;? Pas d&apos;inquiétude&#xa0;: cliquez sur «&#xa0;Réparer&#xa0;» et nous vous aiderons à le remettre en état.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Désinscription de l&apos;appareil</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Votre appareil a bien été désinscrit.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Votre appareil n&apos;a pas pu être désinscrit.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Les parcours de QuorvaneShare seront synchronisés automatiquement avec votre appareil.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Les parcours de ZeqShare seront synchronisés automatiquement avec votre appareil.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Voulez-vous vraiment quitter cette page sans enregistrer vos modifications&#xa0;?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Mon appareil</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Inscription de l&apos;appareil</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Votre appareil a bien été inscrit.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connecté</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Veuillez déconnecter votre appareil pour le désinscrire.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Dernière connexion</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Inscrit le</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Voulez-vous vraiment désinscrire votre appareil&#xa0;?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Supprimer aussi ma sauvegarde, s&apos;il y en a une.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Recherche de mises à jour</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Échec de la mise à jour. Vérifiez que votre %1 est toujours connecté à votre ordinateur. Si le problème persiste, contactez l&apos;assistance Zeq.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Mise à jour de l&apos;appareil</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Logiciel</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>Mise à jour carte HERE</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>Mise à jour carte TA</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>Mise à jour carte OSM</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Mise à jour cartes des pays</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Mise à jour carte de base</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Mise à jour des cartes</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Échec de la mise à jour. Vérifiez votre connexion Internet et réessayez.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Réparation réussie.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Votre appareil devrait avoir redémarré. Sinon, déconnectez-le maintenant pour terminer la mise à jour.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Mise à jour réussie. L&apos;appareil devrait avoir redémarré. Sinon, déconnectez-le maintenant pour terminer la mise à jour.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Espace insuffisant sur le lecteur %1. %2&#xa0;Mo sont nécessaires pour terminer les mises à jour.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Acheter</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mettre à niveau</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>Carte OSM&#xa0;: routes revêtues ou non.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>La carte TA contient les adresses.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>La carte HERE contient les adresses.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Avec Premium, téléchargez de nouvelles données cartographiques pendant un an.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Le service Premium expire le</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Mettez à niveau la carte actuelle ou achetez le service Premium avec des offres spéciales.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>mise à jour</translation>
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
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Inscription</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Accès à l&apos;appareil</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Votre appareil Wendo est branché, mais WendoAgent ne peut pas utiliser son port %1&#xa0;: l&apos;appareil ne peut donc pas être affiché.

L&apos;installation du paquet WendoAgent donne ce port à l&apos;utilisateur connecté. Vous pouvez aussi ajouter votre utilisateur au groupe «&#xa0;dialout&#xa0;» (sudo adduser $USER dialout), puis vous reconnecter au bureau.

Débranchez ensuite l&apos;appareil et rebranchez-le.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>L&apos;historique envoyé sera conservé sur mon appareil.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>L&apos;historique envoyé sera supprimé de mon appareil.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Parcours</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Les parcours de ZeqShare seront synchronisés automatiquement avec votre appareil.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Synchronisation ZeqShare</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Veuillez mettre à jour wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>Mise à jour de WendoAgent (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notes de version</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Impossible d&apos;ouvrir la page web. Vérifiez qu&apos;un navigateur web est installé.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
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
