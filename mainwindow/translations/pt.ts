<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name>AccessControl</name>
    <message>
        <source>%1 was signed out: no input for %2 minutes.</source>
        <translation>%1 foi desconectado: sem atividade por %2 minutos.</translation>
    </message>
    <message>
        <source>&lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation>&lt;a href="users"&gt;Usuários&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Nobody can sign in: see the event log</source>
        <translation>Ninguém pode entrar: veja o registro de eventos</translation>
    </message>
    <message>
        <source>Nobody signed in · &lt;a href="signin"&gt;Sign in&lt;/a&gt;</source>
        <translation>Ninguém conectado · &lt;a href="signin"&gt;Entrar&lt;/a&gt;</translation>
    </message>
    <message>
        <source>%1 (%2) · &lt;a href="signout"&gt;Sign out&lt;/a&gt;</source>
        <translation>%1 (%2) · &lt;a href="signout"&gt;Sair&lt;/a&gt;</translation>
    </message>
    <message>
        <source> · &lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation> · &lt;a href="users"&gt;Usuários&lt;/a&gt;</translation>
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
        <translation>Alterar nome</translation>
    </message>
</context>
<context>
    <name>CoderListModel</name>
    <message>
        <source>printing</source>
        <translation>imprimindo</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>pronto</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>parado</translation>
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
        <translation>Estado: %1</translation>
    </message>
    <message>
        <source>Current file: %1</source>
        <translation>Arquivo atual: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
</context>
<context>
    <name>ControlStatusBar</name>
    <message>
        <source>Listening on port %1</source>
        <translation>Escutando na porta %1</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Sem escuta</translation>
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
        <translation>Filtro: nome, IP, estado</translation>
    </message>
    <message>
        <source>Compact rows</source>
        <translation>Linhas compactas</translation>
    </message>
    <message>
        <source>%1 %2: click to show only them</source>
        <translation>%1 %2: clique para mostrar só estes</translation>
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
        <translation>[window] language "%1" não é nenhum de %2; é usado o idioma da área de trabalho.</translation>
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
        <translation>Mostrar ou ocultar o registro do que foi feito</translation>
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
        <translation>Codificador: IP ou nome</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>Todos os usuários</translation>
    </message>
    <message>
        <source>All actions</source>
        <translation>Todas as ações</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>to</source>
        <translation>até</translation>
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
        <translation>Aplicar parâmetros de impressão</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Multi Select</source>
        <translation>Seleção múltipla</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>Porta do servidor</translation>
    </message>
    <message>
        <source>Built</source>
        <translation>Abrir porta</translation>
    </message>
    <message>
        <source>File Manage</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Máquinas</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Lista de arquivos</translation>
    </message>
    <message>
        <source>Print parameters not loaded: %1</source>
        <translation>Parâmetros de impressão não carregados: %1</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>You must select a file! </source>
        <translation>Selecione um arquivo!</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found problems.</source>
        <translation>%1 não foi enviado: a verificação prévia encontrou problemas.</translation>
    </message>
    <message>
        <source>"%1" is not a port: enter a number from 1 to 65535. The server keeps running as it was.</source>
        <translation>"%1" não é uma porta: digite um número de 1 a 65535. O servidor continua como estava.</translation>
    </message>
</context>
<context>
    <name>MessagePreview</name>
    <message>
        <source>Current message of %1</source>
        <translation>Mensagem atual de %1</translation>
    </message>
    <message>
        <source>Current message of %1 (%2)</source>
        <translation>Mensagem atual de %1 (%2)</translation>
    </message>
    <message>
        <source>Current message of coder %1: %2</source>
        <translation>Mensagem atual do codificador %1: %2</translation>
    </message>
</context>
<context>
    <name>PrintParameterWidget</name>
    <message>
        <source>Print Parameters</source>
        <translation>Parâmetros de impressão</translation>
    </message>
    <message>
        <source>Print Head Offset(mm)</source>
        <translation>Deslocamento da cabeça (mm)</translation>
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
        <translation>Modo de impressão</translation>
    </message>
    <message>
        <source>Dpi</source>
        <translation>Resolução (dpi)</translation>
    </message>
    <message>
        <source>Singal Interval</source>
        <translation>Intervalo do sinal</translation>
    </message>
    <message>
        <source>Print Head Set</source>
        <translation>Cabeças</translation>
    </message>
    <message>
        <source>Splice</source>
        <translation>Emenda</translation>
    </message>
    <message>
        <source>Single Head Print Direct</source>
        <translation>Direção de uma cabeça</translation>
    </message>
    <message>
        <source>Print Direct</source>
        <translation>Direção de impressão</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverso</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Invertido</translation>
    </message>
    <message>
        <source>Rev/Inv</source>
        <translation>Rev./Inv.</translation>
    </message>
    <message>
        <source>Encoder</source>
        <translation>Encoder</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bipe</translation>
    </message>
    <message>
        <source>Production Line Speed(m/min)</source>
        <translation>Velocidade da linha (m/min)</translation>
    </message>
    <message>
        <source>PPR</source>
        <translation>PPR</translation>
    </message>
    <message>
        <source>Diameter(mm)</source>
        <translation>Diâmetro (mm)</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>Desconhecido (%1)</translation>
    </message>
    <message>
        <source>Internal Singal</source>
        <translation>Sinal interno</translation>
    </message>
    <message>
        <source>External Singal</source>
        <translation>Sinal externo</translation>
    </message>
    <message>
        <source>Left Spary</source>
        <translation>Impressão à esquerda</translation>
    </message>
    <message>
        <source>Right Spary</source>
        <translation>Impressão à direita</translation>
    </message>
    <message>
        <source>Hight Quanlity</source>
        <translation>Alta qualidade</translation>
    </message>
    <message>
        <source>Hight Speed</source>
        <translation>Alta velocidade</translation>
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
        <translation>Resposta de parâmetros ignorada: %1 bytes recebidos, um bloco de parâmetros tem %2.</translation>
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
        <translation>parar</translation>
    </message>
    <message>
        <source>send messages</source>
        <translation>enviar mensagens</translation>
    </message>
    <message>
        <source>send a message despite its pre-flight findings</source>
        <translation>enviar uma mensagem apesar dos avisos da verificação prévia</translation>
    </message>
    <message>
        <source>edit messages</source>
        <translation>editar mensagens</translation>
    </message>
    <message>
        <source>change print parameters</source>
        <translation>alterar os parâmetros de impressão</translation>
    </message>
    <message>
        <source>name coders</source>
        <translation>nomear os codificadores</translation>
    </message>
    <message>
        <source>change the port</source>
        <translation>alterar a porta</translation>
    </message>
    <message>
        <source>manage users</source>
        <translation>gerenciar os usuários</translation>
    </message>
    <message>
        <source>change the journal's settings</source>
        <translation>alterar as configurações do registro</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Sign in to %1.</source>
        <translation>Entre para %1.</translation>
    </message>
    <message>
        <source>Only a %1 may %2; %3 is signed in as %4.</source>
        <translation>Somente um %1 pode %2; %3 entrou como %4.</translation>
    </message>
    <message>
        <source>Users are on already.</source>
        <translation>Os usuários já estão ativados.</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign in</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Users are on: sign in to work with the coders.</source>
        <translation>Usuários ativados: entre para trabalhar com os codificadores.</translation>
    </message>
</context>
<context>
    <name>UsersDialog</name>
    <message>
        <source>Switch users on</source>
        <translation>Ativar usuários</translation>
    </message>
    <message>
        <source>Add or change</source>
        <translation>Adicionar ou alterar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Definir</translation>
    </message>
    <message>
        <source>Switch users off</source>
        <translation>Desativar usuários</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Usuários</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Sign out after</source>
        <translation>Sair após</translation>
    </message>
    <message>
        <source>without input</source>
        <translation>sem atividade</translation>
    </message>
    <message>
        <source>Whoever is signed in is signed out after %1 minutes without input.</source>
        <translation>Quem estiver conectado sai após %1 minutos sem atividade.</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything, as one operator.</source>
        <translation>Usuários desativados: todos podem fazer tudo, como um só operador.</translation>
    </message>
    <message>
        <source>Users are on. Operators start, stop and send messages; supervisors also edit messages, print parameters and coder names; administrators also the port, the users and the journal.</source>
        <translation>Usuários ativados. Operadores iniciam, param e enviam mensagens; supervisores também editam mensagens, parâmetros de impressão e nomes dos codificadores; administradores também a porta, os usuários e o registro.</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything. Switching them on creates the first administrator, who is signed in at once.</source>
        <translation>Usuários desativados: todos podem fazer tudo. Ao ativá-los, é criado o primeiro administrador, que entra na hora.</translation>
    </message>
    <message>
        <source>The two passwords differ or are empty.</source>
        <translation>As duas senhas são diferentes ou estão vazias.</translation>
    </message>
    <message>
        <source>Users are on; %1 is signed in as administrator.</source>
        <translation>Usuários ativados; %1 entrou como administrador.</translation>
    </message>
    <message>
        <source>%1 is a %2.</source>
        <translation>%1 é %2.</translation>
    </message>
    <message>
        <source>%1 is removed.</source>
        <translation>%1 foi removido.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1; the defaults are used.</source>
        <translation>%1; são usados os valores padrão.</translation>
    </message>
</context>
</TS>
