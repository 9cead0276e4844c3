<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>AccessControl</name>
    <message>
        <source>%1 was signed out: no input for %2 minutes.</source>
        <translation>%1 è stato disconnesso: nessuna attività per %2 minuti.</translation>
    </message>
    <message>
        <source>&lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation>&lt;a href="users"&gt;Utenti&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Nobody can sign in: see the event log</source>
        <translation>Nessuno può accedere: vedere il registro eventi</translation>
    </message>
    <message>
        <source>Nobody signed in · &lt;a href="signin"&gt;Sign in&lt;/a&gt;</source>
        <translation>Nessun utente connesso · &lt;a href="signin"&gt;Accedi&lt;/a&gt;</translation>
    </message>
    <message>
        <source>%1 (%2) · &lt;a href="signout"&gt;Sign out&lt;/a&gt;</source>
        <translation>%1 (%2) · &lt;a href="signout"&gt;Esci&lt;/a&gt;</translation>
    </message>
    <message>
        <source> · &lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation> · &lt;a href="users"&gt;Utenti&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ChangeMyDeviceBtnRemarkNameDialog</name>
    <message>
        <source>Remark Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>Cambia nome</translation>
    </message>
</context>
<context>
    <name>CoderListModel</name>
    <message>
        <source>printing</source>
        <translation>in stampa</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>pronto</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>fermo</translation>
    </message>
    <message>
        <source>IP: %1</source>
        <translation>IP: %1</translation>
    </message>
    <message>
        <source>Remark name: %1</source>
        <translation>Nome: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>Stato: %1</translation>
    </message>
    <message>
        <source>Current file: %1</source>
        <translation>File corrente: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
</context>
<context>
    <name>ControlStatusBar</name>
    <message>
        <source>Listening on port %1</source>
        <translation>In ascolto sulla porta %1</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Non in ascolto</translation>
    </message>
    <message numerus="yes">
        <source>%n coder(s) connected</source>
        <translation>
            <numerusform>%n codificatore connesso</numerusform>
            <numerusform>%n codificatori connessi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceListPanel</name>
    <message>
        <source>Filter: name, IP, state</source>
        <translation>Filtro: nome, IP, stato</translation>
    </message>
    <message>
        <source>Compact rows</source>
        <translation>Righe compatte</translation>
    </message>
    <message>
        <source>%1 %2: click to show only them</source>
        <translation>%1 %2: fare clic per mostrare solo questi</translation>
    </message>
    <message>
        <source>Remark Name</source>
        <translation>Nome</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>[window] language "%1" is none of %2; the desktop's language is used.</source>
        <translation>[window] language "%1" non è tra %2; si usa la lingua del desktop.</translation>
    </message>
</context>
<context>
    <name>JournalDock</name>
    <message>
        <source>Journal</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Show or hide the journal of what was done</source>
        <translation>Mostra o nascondi il registro delle azioni</translation>
    </message>
</context>
<context>
    <name>JournalView</name>
    <message>
        <source>%1 (claimed)</source>
        <translation>%1 (dichiarato)</translation>
    </message>
    <message>
        <source>Coder: IP or name</source>
        <translation>Codificatore: IP o nome</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>Tutti gli utenti</translation>
    </message>
    <message>
        <source>All actions</source>
        <translation>Tutte le azioni</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
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
        <translation>Principale</translation>
    </message>
    <message>
        <source>Apply Print Parameter</source>
        <translation>Applica parametri di stampa</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arresta</translation>
    </message>
    <message>
        <source>Multi Select</source>
        <translation>Selezione multipla</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>Porta del server</translation>
    </message>
    <message>
        <source>Built</source>
        <translation>Apri porta</translation>
    </message>
    <message>
        <source>File Manage</source>
        <translation>Gestione file</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Dispositivi</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Elenco file</translation>
    </message>
    <message>
        <source>Print parameters not loaded: %1</source>
        <translation>Parametri di stampa non caricati: %1</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>You must select a file! </source>
        <translation>Selezionare un file!</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found problems.</source>
        <translation>%1 non inviato: il controllo preliminare ha trovato problemi.</translation>
    </message>
    <message>
        <source>"%1" is not a port: enter a number from 1 to 65535. The server keeps running as it was.</source>
        <translation>"%1" non è una porta: inserire un numero da 1 a 65535. Il server continua come prima.</translation>
    </message>
</context>
<context>
    <name>MessagePreview</name>
    <message>
        <source>Current message of %1</source>
        <translation>Messaggio corrente di %1</translation>
    </message>
    <message>
        <source>Current message of %1 (%2)</source>
        <translation>Messaggio corrente di %1 (%2)</translation>
    </message>
    <message>
        <source>Current message of coder %1: %2</source>
        <translation>Messaggio corrente del codificatore %1: %2</translation>
    </message>
</context>
<context>
    <name>PrintParameterWidget</name>
    <message>
        <source>Print Parameters</source>
        <translation>Parametri di stampa</translation>
    </message>
    <message>
        <source>Print Head Offset(mm)</source>
        <translation>Offset testina (mm)</translation>
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
        <translation>Modalità trigger</translation>
    </message>
    <message>
        <source>Spray Mode</source>
        <translation>Modalità di stampa</translation>
    </message>
    <message>
        <source>Dpi</source>
        <translation>Risoluzione (dpi)</translation>
    </message>
    <message>
        <source>Singal Interval</source>
        <translation>Intervallo segnale</translation>
    </message>
    <message>
        <source>Print Head Set</source>
        <translation>Testine</translation>
    </message>
    <message>
        <source>Splice</source>
        <translation>Giunzione</translation>
    </message>
    <message>
        <source>Single Head Print Direct</source>
        <translation>Direzione testina singola</translation>
    </message>
    <message>
        <source>Print Direct</source>
        <translation>Direzione di stampa</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Capovolto</translation>
    </message>
    <message>
        <source>Rev/Inv</source>
        <translation>Ind./Capov.</translation>
    </message>
    <message>
        <source>Encoder</source>
        <translation>Encoder</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Segnale acustico</translation>
    </message>
    <message>
        <source>Production Line Speed(m/min)</source>
        <translation>Velocità linea (m/min)</translation>
    </message>
    <message>
        <source>PPR</source>
        <translation>PPR</translation>
    </message>
    <message>
        <source>Diameter(mm)</source>
        <translation>Diametro (mm)</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>Sconosciuto (%1)</translation>
    </message>
    <message>
        <source>Internal Singal</source>
        <translation>Segnale interno</translation>
    </message>
    <message>
        <source>External Singal</source>
        <translation>Segnale esterno</translation>
    </message>
    <message>
        <source>Left Spary</source>
        <translation>Stampa a sinistra</translation>
    </message>
    <message>
        <source>Right Spary</source>
        <translation>Stampa a destra</translation>
    </message>
    <message>
        <source>Hight Quanlity</source>
        <translation>Alta qualità</translation>
    </message>
    <message>
        <source>Hight Speed</source>
        <translation>Alta velocità</translation>
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
        <translation>Risposta dei parametri ignorata: ricevuti %1 byte, un blocco parametri ne ha %2.</translation>
    </message>
</context>
<context>
    <name>Roles</name>
    <message>
        <source>Operator</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Supervisore</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Amministratore</translation>
    </message>
    <message>
        <source>start</source>
        <translation>avviare</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>arrestare</translation>
    </message>
    <message>
        <source>send messages</source>
        <translation>inviare messaggi</translation>
    </message>
    <message>
        <source>send a message despite its pre-flight findings</source>
        <translation>inviare un messaggio nonostante i problemi del controllo preliminare</translation>
    </message>
    <message>
        <source>edit messages</source>
        <translation>modificare i messaggi</translation>
    </message>
    <message>
        <source>change print parameters</source>
        <translation>modificare i parametri di stampa</translation>
    </message>
    <message>
        <source>name coders</source>
        <translation>dare un nome ai codificatori</translation>
    </message>
    <message>
        <source>change the port</source>
        <translation>cambiare la porta</translation>
    </message>
    <message>
        <source>manage users</source>
        <translation>gestire gli utenti</translation>
    </message>
    <message>
        <source>change the journal's settings</source>
        <translation>modificare le impostazioni del registro</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Sign in to %1.</source>
        <translation>Accedere per %1.</translation>
    </message>
    <message>
        <source>Only a %1 may %2; %3 is signed in as %4.</source>
        <translation>Solo un %1 può %2; %3 ha eseguito l'accesso come %4.</translation>
    </message>
    <message>
        <source>Users are on already.</source>
        <translation>Gli utenti sono già attivi.</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign in</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Users are on: sign in to work with the coders.</source>
        <translation>Utenti attivi: accedere per lavorare con i codificatori.</translation>
    </message>
</context>
<context>
    <name>UsersDialog</name>
    <message>
        <source>Switch users on</source>
        <translation>Attiva utenti</translation>
    </message>
    <message>
        <source>Add or change</source>
        <translation>Aggiungi o modifica</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Switch users off</source>
        <translation>Disattiva utenti</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Utenti</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Ruolo</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Sign out after</source>
        <translation>Disconnetti dopo</translation>
    </message>
    <message>
        <source>without input</source>
        <translation>senza attività</translation>
    </message>
    <message>
        <source>Whoever is signed in is signed out after %1 minutes without input.</source>
        <translation>Chi ha eseguito l'accesso viene disconnesso dopo %1 minuti senza attività.</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything, as one operator.</source>
        <translation>Utenti disattivati: tutti possono fare tutto, come un solo operatore.</translation>
    </message>
    <message>
        <source>Users are on. Operators start, stop and send messages; supervisors also edit messages, print parameters and coder names; administrators also the port, the users and the journal.</source>
        <translation>Utenti attivi. Gli operatori avviano, arrestano e inviano messaggi; i supervisori modificano anche messaggi, parametri di stampa e nomi dei codificatori; gli amministratori anche la porta, gli utenti e il registro.</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything. Switching them on creates the first administrator, who is signed in at once.</source>
        <translation>Utenti disattivati: tutti possono fare tutto. Attivandoli si crea il primo amministratore, che accede subito.</translation>
    </message>
    <message>
        <source>The two passwords differ or are empty.</source>
        <translation>Le due password sono diverse o vuote.</translation>
    </message>
    <message>
        <source>Users are on; %1 is signed in as administrator.</source>
        <translation>Utenti attivi; %1 ha eseguito l'accesso come amministratore.</translation>
    </message>
    <message>
        <source>%1 is a %2.</source>
        <translation>%1 è %2.</translation>
    </message>
    <message>
        <source>%1 is removed.</source>
        <translation>%1 è stato rimosso.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1; the defaults are used.</source>
        <translation>%1; si usano i valori predefiniti.</translation>
    </message>
</context>
</TS>
