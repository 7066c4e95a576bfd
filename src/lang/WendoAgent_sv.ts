<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
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
</context>
<context>
    <name>TitleBar</name>
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
