<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AgentSettings</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>China</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New update available</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View my data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register info</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZeqAgentMainDialog</name>
    <message>
        <source> WendoAgent </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
