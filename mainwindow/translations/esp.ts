<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>AccessControl</name>
    <message>
        <source>%1 was signed out: no input for %2 minutes.</source>
        <translation>Se cerró la sesión de %1: sin actividad durante %2 minutos.</translation>
    </message>
    <message>
        <source>&lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation>&lt;a href="users"&gt;Usuarios&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Nobody can sign in: see the event log</source>
        <translation>Nadie puede iniciar sesión: vea el registro de eventos</translation>
    </message>
    <message>
        <source>Nobody signed in · &lt;a href="signin"&gt;Sign in&lt;/a&gt;</source>
        <translation>Nadie ha iniciado sesión · &lt;a href="signin"&gt;Iniciar sesión&lt;/a&gt;</translation>
    </message>
    <message>
        <source>%1 (%2) · &lt;a href="signout"&gt;Sign out&lt;/a&gt;</source>
        <translation>%1 (%2) · &lt;a href="signout"&gt;Cerrar sesión&lt;/a&gt;</translation>
    </message>
    <message>
        <source> · &lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation> · &lt;a href="users"&gt;Usuarios&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ChangeMyDeviceBtnRemarkNameDialog</name>
    <message>
        <source>Remark Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>Cambiar nombre</translation>
    </message>
</context>
<context>
    <name>CoderListModel</name>
    <message>
        <source>printing</source>
        <translation>imprimiendo</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>listo</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>IP: %1</source>
        <translation>IP: %1</translation>
    </message>
    <message>
        <source>Remark name: %1</source>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>Estado: %1</translation>
    </message>
    <message>
        <source>Current file: %1</source>
        <translation>Archivo actual: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
</context>
<context>
    <name>ControlStatusBar</name>
    <message>
        <source>Listening on port %1</source>
        <translation>Escuchando en el puerto %1</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Sin escuchar</translation>
    </message>
    <message numerus="yes">
        <source>%n coder(s) connected</source>
        <translation>
            <numerusform>%n codificador conectado</numerusform>
            <numerusform>%n codificadores conectados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceListPanel</name>
    <message>
        <source>Filter: name, IP, state</source>
        <translation>Filtro: nombre, IP, estado</translation>
    </message>
    <message>
        <source>Compact rows</source>
        <translation>Filas compactas</translation>
    </message>
    <message>
        <source>%1 %2: click to show only them</source>
        <translation>%1 %2: pulse para ver solo estos</translation>
    </message>
    <message>
        <source>Remark Name</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>[window] language "%1" is none of %2; the desktop's language is used.</source>
        <translation>[window] language "%1" no es ninguno de %2; se usa el idioma del escritorio.</translation>
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
        <translation>Mostrar u ocultar el registro de lo hecho</translation>
    </message>
</context>
<context>
    <name>JournalView</name>
    <message>
        <source>%1 (claimed)</source>
        <translation>%1 (declarado)</translation>
    </message>
    <message>
        <source>Coder: IP or name</source>
        <translation>Codificador: IP o nombre</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>Todos los usuarios</translation>
    </message>
    <message>
        <source>All actions</source>
        <translation>Todas las acciones</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>hasta</translation>
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
        <translation>Principal</translation>
    </message>
    <message>
        <source>Apply Print Parameter</source>
        <translation>Aplicar parámetros de impresión</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Multi Select</source>
        <translation>Selección múltiple</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>Puerto del servidor</translation>
    </message>
    <message>
        <source>Built</source>
        <translation>Abrir puerto</translation>
    </message>
    <message>
        <source>File Manage</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Equipos</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Lista de archivos</translation>
    </message>
    <message>
        <source>Print parameters not loaded: %1</source>
        <translation>Parámetros de impresión no cargados: %1</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>You must select a file! </source>
        <translation>¡Debe seleccionar un archivo!</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found problems.</source>
        <translation>%1 no se envió: la comprobación previa encontró problemas.</translation>
    </message>
    <message>
        <source>"%1" is not a port: enter a number from 1 to 65535. The server keeps running as it was.</source>
        <translation>"%1" no es un puerto: introduzca un número de 1 a 65535. El servidor sigue como estaba.</translation>
    </message>
</context>
<context>
    <name>MessagePreview</name>
    <message>
        <source>Current message of %1</source>
        <translation>Mensaje actual de %1</translation>
    </message>
    <message>
        <source>Current message of %1 (%2)</source>
        <translation>Mensaje actual de %1 (%2)</translation>
    </message>
    <message>
        <source>Current message of coder %1: %2</source>
        <translation>Mensaje actual del codificador %1: %2</translation>
    </message>
</context>
<context>
    <name>PrintParameterWidget</name>
    <message>
        <source>Print Parameters</source>
        <translation>Parámetros de impresión</translation>
    </message>
    <message>
        <source>Print Head Offset(mm)</source>
        <translation>Desplazamiento del cabezal (mm)</translation>
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
        <translation>Modo de disparo</translation>
    </message>
    <message>
        <source>Spray Mode</source>
        <translation>Modo de impresión</translation>
    </message>
    <message>
        <source>Dpi</source>
        <translation>Resolución (dpi)</translation>
    </message>
    <message>
        <source>Singal Interval</source>
        <translation>Intervalo de señal</translation>
    </message>
    <message>
        <source>Print Head Set</source>
        <translation>Cabezales</translation>
    </message>
    <message>
        <source>Splice</source>
        <translation>Empalme</translation>
    </message>
    <message>
        <source>Single Head Print Direct</source>
        <translation>Dirección de un cabezal</translation>
    </message>
    <message>
        <source>Print Direct</source>
        <translation>Dirección de impresión</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Invertido</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Volteado</translation>
    </message>
    <message>
        <source>Rev/Inv</source>
        <translation>Inv./Volt.</translation>
    </message>
    <message>
        <source>Encoder</source>
        <translation>Encoder</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pitido</translation>
    </message>
    <message>
        <source>Production Line Speed(m/min)</source>
        <translation>Velocidad de la línea (m/min)</translation>
    </message>
    <message>
        <source>PPR</source>
        <translation>PPR</translation>
    </message>
    <message>
        <source>Diameter(mm)</source>
        <translation>Diámetro (mm)</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>Desconocido (%1)</translation>
    </message>
    <message>
        <source>Internal Singal</source>
        <translation>Señal interna</translation>
    </message>
    <message>
        <source>External Singal</source>
        <translation>Señal externa</translation>
    </message>
    <message>
        <source>Left Spary</source>
        <translation>Impresión izquierda</translation>
    </message>
    <message>
        <source>Right Spary</source>
        <translation>Impresión derecha</translation>
    </message>
    <message>
        <source>Hight Quanlity</source>
        <translation>Alta calidad</translation>
    </message>
    <message>
        <source>Hight Speed</source>
        <translation>Alta velocidad</translation>
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
        <translation>Respuesta de parámetros ignorada: se recibieron %1 bytes, un bloque de parámetros tiene %2.</translation>
    </message>
</context>
<context>
    <name>Roles</name>
    <message>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Supervisor</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Administrador</translation>
    </message>
    <message>
        <source>start</source>
        <translation>iniciar</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>detener</translation>
    </message>
    <message>
        <source>send messages</source>
        <translation>enviar mensajes</translation>
    </message>
    <message>
        <source>send a message despite its pre-flight findings</source>
        <translation>enviar un mensaje pese a los avisos de la comprobación previa</translation>
    </message>
    <message>
        <source>edit messages</source>
        <translation>editar mensajes</translation>
    </message>
    <message>
        <source>change print parameters</source>
        <translation>cambiar los parámetros de impresión</translation>
    </message>
    <message>
        <source>name coders</source>
        <translation>nombrar los codificadores</translation>
    </message>
    <message>
        <source>change the port</source>
        <translation>cambiar el puerto</translation>
    </message>
    <message>
        <source>manage users</source>
        <translation>gestionar los usuarios</translation>
    </message>
    <message>
        <source>change the journal's settings</source>
        <translation>cambiar la configuración del registro</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Sign in to %1.</source>
        <translation>Inicie sesión para %1.</translation>
    </message>
    <message>
        <source>Only a %1 may %2; %3 is signed in as %4.</source>
        <translation>Solo un %1 puede %2; %3 ha iniciado sesión como %4.</translation>
    </message>
    <message>
        <source>Users are on already.</source>
        <translation>Los usuarios ya están activados.</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Users are on: sign in to work with the coders.</source>
        <translation>Usuarios activados: inicie sesión para trabajar con los codificadores.</translation>
    </message>
</context>
<context>
    <name>UsersDialog</name>
    <message>
        <source>Switch users on</source>
        <translation>Activar usuarios</translation>
    </message>
    <message>
        <source>Add or change</source>
        <translation>Añadir o cambiar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Switch users off</source>
        <translation>Desactivar usuarios</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Usuarios</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rol</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Sign out after</source>
        <translation>Cerrar sesión tras</translation>
    </message>
    <message>
        <source>without input</source>
        <translation>sin actividad</translation>
    </message>
    <message>
        <source>Whoever is signed in is signed out after %1 minutes without input.</source>
        <translation>Quien haya iniciado sesión la cierra tras %1 minutos sin actividad.</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything, as one operator.</source>
        <translation>Usuarios desactivados: todos pueden hacer todo, como un solo operador.</translation>
    </message>
    <message>
        <source>Users are on. Operators start, stop and send messages; supervisors also edit messages, print parameters and coder names; administrators also the port, the users and the journal.</source>
        <translation>Usuarios activados. Los operadores inician, detienen y envían mensajes; los supervisores también editan mensajes, parámetros de impresión y nombres de codificadores; los administradores también el puerto, los usuarios y el registro.</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything. Switching them on creates the first administrator, who is signed in at once.</source>
        <translation>Usuarios desactivados: todos pueden hacer todo. Al activarlos se crea el primer administrador, que inicia sesión al momento.</translation>
    </message>
    <message>
        <source>The two passwords differ or are empty.</source>
        <translation>Las dos contraseñas no coinciden o están vacías.</translation>
    </message>
    <message>
        <source>Users are on; %1 is signed in as administrator.</source>
        <translation>Usuarios activados; %1 ha iniciado sesión como administrador.</translation>
    </message>
    <message>
        <source>%1 is a %2.</source>
        <translation>%1 es %2.</translation>
    </message>
    <message>
        <source>%1 is removed.</source>
        <translation>%1 se ha quitado.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1; the defaults are used.</source>
        <translation>%1; se usan los valores predeterminados.</translation>
    </message>
</context>
</TS>
