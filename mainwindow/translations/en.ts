<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>AccessControl</name>
    <message>
        <source>%1 was signed out: no input for %2 minutes.</source>
        <translation>%1 was signed out: no input for %2 minutes.</translation>
    </message>
    <message>
        <source>&lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation>&lt;a href="users"&gt;Users&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Nobody can sign in: see the event log</source>
        <translation>Nobody can sign in: see the event log</translation>
    </message>
    <message>
        <source>Nobody signed in · &lt;a href="signin"&gt;Sign in&lt;/a&gt;</source>
        <translation>Nobody signed in · &lt;a href="signin"&gt;Sign in&lt;/a&gt;</translation>
    </message>
    <message>
        <source>%1 (%2) · &lt;a href="signout"&gt;Sign out&lt;/a&gt;</source>
        <translation>%1 (%2) · &lt;a href="signout"&gt;Sign out&lt;/a&gt;</translation>
    </message>
    <message>
        <source> · &lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation> · &lt;a href="users"&gt;Users&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ChangeMyDeviceBtnRemarkNameDialog</name>
    <message>
        <source>Remark Name</source>
        <translation>Remark Name</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>Change Name</translation>
    </message>
</context>
<context>
    <name>CoderListModel</name>
    <message>
        <source>printing</source>
        <translation>printing</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>ready</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>IP: %1</source>
        <translation>IP: %1</translation>
    </message>
    <message>
        <source>Remark name: %1</source>
        <translation>Remark name: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>State: %1</translation>
    </message>
    <message>
        <source>Current file: %1</source>
        <translation>Current file: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
</context>
<context>
    <name>ControlStatusBar</name>
    <message>
        <source>Listening on port %1</source>
        <translation>Listening on port %1</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Not listening</translation>
    </message>
    <message numerus="yes">
        <source>%n coder(s) connected</source>
        <translation>
            <numerusform>%n coder connected</numerusform>
            <numerusform>%n coders connected</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceListPanel</name>
    <message>
        <source>Filter: name, IP, state</source>
        <translation>Filter: name, IP, state</translation>
    </message>
    <message>
        <source>Compact rows</source>
        <translation>Compact rows</translation>
    </message>
    <message>
        <source>%1 %2: click to show only them</source>
        <translation>%1 %2: click to show only them</translation>
    </message>
    <message>
        <source>Remark Name</source>
        <translation>Remark Name</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>[window] language "%1" is none of %2; the desktop's language is used.</source>
        <translation>[window] language "%1" is none of %2; the desktop's language is used.</translation>
    </message>
</context>
<context>
    <name>JournalDock</name>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Show or hide the journal of what was done</source>
        <translation>Show or hide the journal of what was done</translation>
    </message>
</context>
<context>
    <name>JournalView</name>
    <message>
        <source>%1 (claimed)</source>
        <translation>%1 (claimed)</translation>
    </message>
    <message>
        <source>Coder: IP or name</source>
        <translation>Coder: IP or name</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>All users</translation>
    </message>
    <message>
        <source>All actions</source>
        <translation>All actions</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
</context>
<context>
    <name>KorvexMainWindow</name>
    <message>
        <source>KorvexMainWindow</source>
        <translation>Korvex Control</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Apply Print Parameter</source>
        <translation>Apply Print Parameters</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Multi Select</source>
        <translation>Multi Select</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>Server Port</translation>
    </message>
    <message>
        <source>Built</source>
        <translation>Open Port</translation>
    </message>
    <message>
        <source>File Manage</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Device List</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>File List</translation>
    </message>
    <message>
        <source>Print parameters not loaded: %1</source>
        <translation>Print parameters not loaded: %1</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>You must select a file! </source>
        <translation>You must select a file!</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found problems.</source>
        <translation>%1 was not sent: the pre-flight check found problems.</translation>
    </message>
    <message>
        <source>"%1" is not a port: enter a number from 1 to 65535. The server keeps running as it was.</source>
        <translation>"%1" is not a port: enter a number from 1 to 65535. The server keeps running as it was.</translation>
    </message>
</context>
<context>
    <name>MessagePreview</name>
    <message>
        <source>Current message of %1</source>
        <translation>Current message of %1</translation>
    </message>
    <message>
        <source>Current message of %1 (%2)</source>
        <translation>Current message of %1 (%2)</translation>
    </message>
    <message>
        <source>Current message of coder %1: %2</source>
        <translation>Current message of coder %1: %2</translation>
    </message>
</context>
<context>
    <name>PrintParameterWidget</name>
    <message>
        <source>Print Parameters</source>
        <translation>Print Parameters</translation>
    </message>
    <message>
        <source>Print Head Offset(mm)</source>
        <translation>Print Head Offset (mm)</translation>
    </message>
    <message>
        <source>font-weight: bold;</source>
        <translation>font-weight: bold;</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>Trigger Mode</source>
        <translation>Trigger Mode</translation>
    </message>
    <message>
        <source>Spray Mode</source>
        <translation>Spray Mode</translation>
    </message>
    <message>
        <source>Dpi</source>
        <translation>Resolution (dpi)</translation>
    </message>
    <message>
        <source>Singal Interval</source>
        <translation>Signal Interval</translation>
    </message>
    <message>
        <source>Print Head Set</source>
        <translation>Print Heads</translation>
    </message>
    <message>
        <source>Splice</source>
        <translation>Splice</translation>
    </message>
    <message>
        <source>Single Head Print Direct</source>
        <translation>Single Head Direction</translation>
    </message>
    <message>
        <source>Print Direct</source>
        <translation>Print Direction</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Rev/Inv</source>
        <translation>Rev/Inv</translation>
    </message>
    <message>
        <source>Encoder</source>
        <translation>Encoder</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Beep</translation>
    </message>
    <message>
        <source>Production Line Speed(m/min)</source>
        <translation>Line Speed (m/min)</translation>
    </message>
    <message>
        <source>PPR</source>
        <translation>PPR</translation>
    </message>
    <message>
        <source>Diameter(mm)</source>
        <translation>Diameter (mm)</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>Unknown (%1)</translation>
    </message>
    <message>
        <source>Internal Singal</source>
        <translation>Internal Signal</translation>
    </message>
    <message>
        <source>External Singal</source>
        <translation>External Signal</translation>
    </message>
    <message>
        <source>Left Spary</source>
        <translation>Left Spray</translation>
    </message>
    <message>
        <source>Right Spary</source>
        <translation>Right Spray</translation>
    </message>
    <message>
        <source>Hight Quanlity</source>
        <translation>High Quality</translation>
    </message>
    <message>
        <source>Hight Speed</source>
        <translation>High Speed</translation>
    </message>
    <message>
        <source>150</source>
        <translation>150</translation>
    </message>
    <message>
        <source>200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>300</source>
        <translation>300</translation>
    </message>
    <message>
        <source>600</source>
        <translation>600</translation>
    </message>
    <message>
        <source>Parameter reply ignored: %1 bytes received, a parameter block has %2.</source>
        <translation>Parameter reply ignored: %1 bytes received, a parameter block has %2.</translation>
    </message>
</context>
<context>
    <name>Roles</name>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Supervisor</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>start</source>
        <translation>start</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>stop</translation>
    </message>
    <message>
        <source>send messages</source>
        <translation>send messages</translation>
    </message>
    <message>
        <source>send a message despite its pre-flight findings</source>
        <translation>send a message despite its pre-flight findings</translation>
    </message>
    <message>
        <source>edit messages</source>
        <translation>edit messages</translation>
    </message>
    <message>
        <source>change print parameters</source>
        <translation>change print parameters</translation>
    </message>
    <message>
        <source>name coders</source>
        <translation>name coders</translation>
    </message>
    <message>
        <source>change the port</source>
        <translation>change the port</translation>
    </message>
    <message>
        <source>manage users</source>
        <translation>manage users</translation>
    </message>
    <message>
        <source>change the journal's settings</source>
        <translation>change the journal's settings</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Sign in to %1.</source>
        <translation>Sign in to %1.</translation>
    </message>
    <message>
        <source>Only a %1 may %2; %3 is signed in as %4.</source>
        <translation>Only a %1 may %2; %3 is signed in as %4.</translation>
    </message>
    <message>
        <source>Users are on already.</source>
        <translation>Users are on already.</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign in</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Users are on: sign in to work with the coders.</source>
        <translation>Users are on: sign in to work with the coders.</translation>
    </message>
</context>
<context>
    <name>UsersDialog</name>
    <message>
        <source>Switch users on</source>
        <translation>Switch users on</translation>
    </message>
    <message>
        <source>Add or change</source>
        <translation>Add or change</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Switch users off</source>
        <translation>Switch users off</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Users</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Role</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Sign out after</source>
        <translation>Sign out after</translation>
    </message>
    <message>
        <source>without input</source>
        <translation>without input</translation>
    </message>
    <message>
        <source>Whoever is signed in is signed out after %1 minutes without input.</source>
        <translation>Whoever is signed in is signed out after %1 minutes without input.</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything, as one operator.</source>
        <translation>Users are off: everyone may do everything, as one operator.</translation>
    </message>
    <message>
        <source>Users are on. Operators start, stop and send messages; supervisors also edit messages, print parameters and coder names; administrators also the port, the users and the journal.</source>
        <translation>Users are on. Operators start, stop and send messages; supervisors also edit messages, print parameters and coder names; administrators also the port, the users and the journal.</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything. Switching them on creates the first administrator, who is signed in at once.</source>
        <translation>Users are off: everyone may do everything. Switching them on creates the first administrator, who is signed in at once.</translation>
    </message>
    <message>
        <source>The two passwords differ or are empty.</source>
        <translation>The two passwords differ or are empty.</translation>
    </message>
    <message>
        <source>Users are on; %1 is signed in as administrator.</source>
        <translation>Users are on; %1 is signed in as administrator.</translation>
    </message>
    <message>
        <source>%1 is a %2.</source>
        <translation>%1 is a %2.</translation>
    </message>
    <message>
        <source>%1 is removed.</source>
        <translation>%1 is removed.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1; the defaults are used.</source>
        <translation>%1; the defaults are used.</translation>
    </message>
</context>
</TS>
