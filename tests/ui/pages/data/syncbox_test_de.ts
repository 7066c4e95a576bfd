<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>View my data</source>
        <translation>Meine Daten ansehen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Erneut synchronisieren</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-Abgleich</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Alle Daten sind bei ZeqShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Einige Daten konnten nicht zu ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Verbinden Sie sich mit dem Internet, um Ihre Daten zu ZeqShare zu bringen.</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>%1 Fahrten werden hochgeladen</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>%1 Strecken werden geladen</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Meine Daten (Formular)</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare-Abgleich (Formular)</translation>
    </message>
</context>
</TS>
