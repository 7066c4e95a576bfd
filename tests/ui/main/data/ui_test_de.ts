<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Open WendoAgent</source>
        <translation>WendoAgent öffnen</translation>
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
        <source>E-Mail Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
</context>
<context>
    <name>ZeqAgentMainDialog</name>
    <message>
        <source> WendoAgent </source>
        <translation> WendoAgent (de) </translation>
    </message>
</context>
</TS>
