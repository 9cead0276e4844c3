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
    <name>BarcodeSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Edit the content line by line</source>
        <translation>Editar o conteúdo linha por linha</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Tenths: 20 is scale 2.0</source>
        <translation>Décimos: 20 é escala 2.0</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>Mostrar texto</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Data Mode</source>
        <translation>Modo de dados</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>GS1</source>
        <translation>GS1</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>Dados externos</translation>
    </message>
    <message>
        <source>EAN14</source>
        <translation>EAN14</translation>
    </message>
    <message>
        <source>EAN13</source>
        <translation>EAN13</translation>
    </message>
    <message>
        <source>QR Code (ISO 18004)</source>
        <translation>Código QR (ISO 18004)</translation>
    </message>
    <message>
        <source>Data Matrix (ISO 16022)</source>
        <translation>Data Matrix (ISO 16022)</translation>
    </message>
    <message>
        <source>Code_39</source>
        <translation>Code_39</translation>
    </message>
    <message>
        <source>Code_93</source>
        <translation>Code_93</translation>
    </message>
    <message>
        <source>UPC-A</source>
        <translation>UPC-A</translation>
    </message>
    <message>
        <source>UPC-E</source>
        <translation>UPC-E</translation>
    </message>
    <message>
        <source>Code_128</source>
        <translation>Code_128</translation>
    </message>
    <message>
        <source>ITF14</source>
        <translation>ITF14</translation>
    </message>
    <message>
        <source>PDF417</source>
        <translation>PDF417</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>Inserir campo</translation>
    </message>
</context>
<context>
    <name>BatchRecordPdf</name>
    <message>
        <source>the message is too large to draw</source>
        <translation>a mensagem é grande demais para desenhar</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 não pode ser gravado (%2)</translation>
    </message>
    <message>
        <source>Batch record of job %1</source>
        <translation>Registro de lote do trabalho %1</translation>
    </message>
    <message>
        <source>Batch record: job %1</source>
        <translation>Registro de lote: trabalho %1</translation>
    </message>
    <message>
        <source>Product: %1 %2</source>
        <translation>Produto: %1 %2</translation>
    </message>
    <message>
        <source>Order: %1    Lot: %2</source>
        <translation>Pedido: %1    Lote: %2</translation>
    </message>
    <message>
        <source>Started: %1 by %2</source>
        <translation>Início: %1 por %2</translation>
    </message>
    <message>
        <source>Ended: not yet</source>
        <translation>Fim: ainda não</translation>
    </message>
    <message>
        <source>Ended: %1 by %2</source>
        <translation>Fim: %1 por %2</translation>
    </message>
    <message>
        <source>Field values</source>
        <translation>Valores dos campos</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2</source>
        <translation>%1, SHA-256 %2</translation>
    </message>
    <message>
        <source>Signature: %1</source>
        <translation>Assinatura: %1</translation>
    </message>
    <message>
        <source>Message sent</source>
        <translation>Mensagem enviada</translation>
    </message>
    <message>
        <source>SHA-256 %1</source>
        <translation>SHA-256 %1</translation>
    </message>
    <message>
        <source>(no picture: the message sent is no longer in the folder of jobs)</source>
        <translation>(sem imagem: a mensagem enviada não está mais na pasta de trabalhos)</translation>
    </message>
    <message>
        <source>(no picture: %1)</source>
        <translation>(sem imagem: %1)</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Codificadores</translation>
    </message>
    <message>
        <source>%1 %2: %3 at %4; read back %5</source>
        <translation>%1 %2: %3 às %4; lido %5</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>    started %1, stopped %2</source>
        <translation>    iniciado %1, parado %2</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 não pode ser gravado</translation>
    </message>
    <message>
        <source>Code readers</source>
        <translation>Leitores de códigos</translation>
    </message>
    <message>
        <source>%1, reader %2: %3 good, %4 bad, %5 no read, %6 not compared</source>
        <translation>%1, leitor %2: %3 corretos, %4 errados, %5 sem leitura, %6 não comparados</translation>
    </message>
    <message>
        <source>Challenge test of %1, reader %2, %3 at %4 by %5 after %6 reads%7</source>
        <translation>Teste de desafio de %1, leitor %2, %3 em %4 por %5 após %6 leituras%7</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>aprovado</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>reprovado</translation>
    </message>
</context>
<context>
    <name>BatchRecordsDialog</name>
    <message>
        <source>Batch records</source>
        <translation>Registros de lote</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Até</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Trabalho</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produto</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Pedido</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Exportar PDF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message numerus="yes">
        <source>%n jobs</source>
        <translation>
            <numerusform>%n trabalho</numerusform>
            <numerusform>%n trabalhos</numerusform>
        </translation>
    </message>
    <message>
        <source>The batch records cannot be read: %1</source>
        <translation>Os registros de lote não podem ser lidos: %1</translation>
    </message>
    <message>
        <source>Template %1: %2
Message sent: SHA-256 %3</source>
        <translation>Modelo %1: %2
Mensagem enviada: SHA-256 %3</translation>
    </message>
    <message>
        <source>run without an approval</source>
        <translation>executado sem aprovação</translation>
    </message>
    <message>
        <source>Export the batch record</source>
        <translation>Exportar o registro de lote</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 não pode ser gravado (%2)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>Arquivos PDF (*.pdf);;Todos os arquivos (*)</translation>
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
    <message>
        <source>Job: %1</source>
        <translation>Trabalho: %1</translation>
    </message>
    <message>
        <source>Lot: %1</source>
        <translation>Lote: %1</translation>
    </message>
    <message>
        <source>Job state: %1</source>
        <translation>Estado do trabalho: %1</translation>
    </message>
    <message>
        <source>Line: %1</source>
        <translation>Linha: %1</translation>
    </message>
    <message>
        <source>Not heard of: the last values known</source>
        <translation>Sem notícias: últimos valores conhecidos</translation>
    </message>
</context>
<context>
    <name>CommandJournal</name>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>%1 is not saved: the journal cannot be written (%2).</source>
        <translation>%1 não foi salvo: o registro não pode ser gravado (%2).</translation>
    </message>
    <message>
        <source>%1 was saved, but: %2</source>
        <translation>%1 foi salvo, mas: %2</translation>
    </message>
    <message>
        <source>The journal cannot be used: %1</source>
        <translation>O registro não pode ser usado: %1</translation>
    </message>
    <message>
        <source>Not done: its journal line cannot be written (%1)</source>
        <translation>Não feito: sua linha do registro não pode ser gravada (%1)</translation>
    </message>
    <message>
        <source>Not in the journal (%1): %2</source>
        <translation>Fora do registro (%1): %2</translation>
    </message>
    <message>
        <source>%1, %2 bytes, SHA-256 %3</source>
        <translation>%1, %2 bytes, SHA-256 %3</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sem alterações</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2 → %3</source>
        <translation>%1, SHA-256 %2 → %3</translation>
    </message>
    <message>
        <source>%1 cut-off line(s) recorded</source>
        <translation>%1 linha(s) cortada(s) registrada(s)</translation>
    </message>
    <message>
        <source>%1 line(s) that are no journal lines recorded</source>
        <translation>%1 linha(s) que não são do registro registrada(s)</translation>
    </message>
    <message>
        <source>line %1 changed after its head named it</source>
        <translation>linha %1 alterada depois que o cabeçalho a nomeou</translation>
    </message>
    <message>
        <source>lines %1 to %2 never named by the head</source>
        <translation>linhas %1 a %2 nunca nomeadas pelo cabeçalho</translation>
    </message>
    <message>
        <source>head %1</source>
        <translation>cabeçalho %1</translation>
    </message>
    <message>
        <source>first administrator %1</source>
        <translation>primeiro administrador %1</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>over %1, broker account %2, user as claimed</source>
        <translation>via %1, conta do broker %2, usuário declarado</translation>
    </message>
    <message>
        <source>over %1, broker account %2</source>
        <translation>via %1, conta do broker %2</translation>
    </message>
</context>
<context>
    <name>CommandText</name>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Print parameters</source>
        <translation>Parâmetros de impressão</translation>
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
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Remark name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>over MQTT</source>
        <translation>via MQTT</translation>
    </message>
    <message>
        <source>claimed user %1</source>
        <translation>usuário declarado %1</translation>
    </message>
    <message>
        <source>sent unchanged</source>
        <translation>enviados sem alterações</translation>
    </message>
    <message>
        <source>no coder</source>
        <translation>nenhum codificador</translation>
    </message>
    <message>
        <source>%1 coders</source>
        <translation>%1 codificadores</translation>
    </message>
    <message>
        <source>%1 sent to %2</source>
        <translation>%1 enviado para %2</translation>
    </message>
    <message>
        <source>Print parameters sent to %1 (its own were not reported before)</source>
        <translation>Parâmetros de impressão enviados para %1 (os dele não tinham sido informados)</translation>
    </message>
    <message>
        <source>Print parameters of %1: %2</source>
        <translation>Parâmetros de impressão de %1: %2</translation>
    </message>
    <message>
        <source>Port changed from %1 to %2</source>
        <translation>Porta alterada de %1 para %2</translation>
    </message>
    <message>
        <source>Remark name of %1 removed (was %2)</source>
        <translation>Nome de %1 removido (era %2)</translation>
    </message>
    <message>
        <source>%1 named %2</source>
        <translation>%1 agora se chama %2</translation>
    </message>
    <message>
        <source>%1 renamed from %2 to %3</source>
        <translation>%1 renomeado de %2 para %3</translation>
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
    <name>DesignHistory</name>
    <message>
        <source>content</source>
        <translation>conteúdo</translation>
    </message>
    <message>
        <source>external data</source>
        <translation>dados externos</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>rotação</translation>
    </message>
    <message>
        <source>font</source>
        <translation>fonte</translation>
    </message>
    <message>
        <source>font size</source>
        <translation>tamanho da fonte</translation>
    </message>
    <message>
        <source>letter spacing</source>
        <translation>espaçamento</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>negrito</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>itálico</translation>
    </message>
    <message>
        <source>underline</source>
        <translation>sublinhado</translation>
    </message>
    <message>
        <source>format</source>
        <translation>formato</translation>
    </message>
    <message>
        <source>valid days</source>
        <translation>dias de validade</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>contador</translation>
    </message>
    <message>
        <source>base</source>
        <translation>base</translation>
    </message>
    <message>
        <source>digits</source>
        <translation>dígitos</translation>
    </message>
    <message>
        <source>fill character</source>
        <translation>caractere de preenchimento</translation>
    </message>
    <message>
        <source>symbology</source>
        <translation>simbologia</translation>
    </message>
    <message>
        <source>height</source>
        <translation>altura</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>escala</translation>
    </message>
    <message>
        <source>text line</source>
        <translation>linha de texto</translation>
    </message>
    <message>
        <source>size</source>
        <translation>tamanho</translation>
    </message>
    <message>
        <source>data mode</source>
        <translation>modo de dados</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>imagem</translation>
    </message>
    <message>
        <source>shift table</source>
        <translation>tabela de turnos</translation>
    </message>
    <message>
        <source>properties</source>
        <translation>propriedades</translation>
    </message>
    <message>
        <source>best before of the product</source>
        <translation>validade do produto</translation>
    </message>
</context>
<context>
    <name>DesignTemplate</name>
    <message>
        <source>the catalogue is not open</source>
        <translation>o catálogo não está aberto</translation>
    </message>
    <message>
        <source>%1: %2 by %3 (unsigned: users are off), %4</source>
        <translation>%1: %2 por %3 (sem assinatura: usuários desativados), %4</translation>
    </message>
    <message>
        <source>%1: %2, signed by %3, %4</source>
        <translation>%1: %2, assinado por %3, %4</translation>
    </message>
    <message>
        <source>%1: not approved</source>
        <translation>%1: não aprovado</translation>
    </message>
    <message>
        <source>%1: approval unknown (%2)</source>
        <translation>%1: aprovação desconhecida (%2)</translation>
    </message>
    <message>
        <source>The template of %1. The version a save writes must be signed before a job may run it.</source>
        <translation>O modelo de %1. A versão que um salvamento grava deve ser assinada antes que um trabalho possa usá-la.</translation>
    </message>
</context>
<context>
    <name>DesignUndo</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Código de barras</translation>
    </message>
    <message>
        <source>Shift code</source>
        <translation>Código de turno</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Adicionar %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n item(s)</source>
        <translation>
            <numerusform>Adicionar %n item</numerusform>
            <numerusform>Adicionar %n itens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n item(s)</source>
        <translation>
            <numerusform>Excluir %n item</numerusform>
            <numerusform>Excluir %n itens</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Mover %1</translation>
    </message>
    <message numerus="yes">
        <source>Move %n item(s)</source>
        <translation>
            <numerusform>Mover %n item</numerusform>
            <numerusform>Mover %n itens</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>DeviceFolder</name>
    <message>
        <source>no folder for a coder named "%1"</source>
        <translation>não há pasta para um codificador chamado "%1"</translation>
    </message>
    <message>
        <source>%1 leads through a link; no folder is made</source>
        <translation>%1 passa por um link; a pasta não é criada</translation>
    </message>
    <message>
        <source>cannot create folder %1</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>unsafe file name "%1" refused</source>
        <translation>nome de arquivo inseguro "%1" recusado</translation>
    </message>
    <message>
        <source>file name of %1 bytes refused, at most %2</source>
        <translation>nome de arquivo de %1 bytes recusado, no máximo %2</translation>
    </message>
    <message>
        <source>%1 leads through a link; nothing is written</source>
        <translation>%1 passa por um link; nada é gravado</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
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
    <name>EditWidget</name>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>SN</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Código de barras</translation>
    </message>
    <message>
        <source>Shiftcode</source>
        <translation>Código de turno</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+wheel up)</source>
        <translation>Ampliar (Ctrl + roda para cima)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+wheel down)</source>
        <translation>Reduzir (Ctrl + roda para baixo)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Fit the message to the window</source>
        <translation>Ajustar a mensagem à janela</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>One screen pixel per dot</source>
        <translation>Um pixel de tela por ponto</translation>
    </message>
    <message>
        <source>Preview at</source>
        <translation>Visualizar em</translation>
    </message>
    <message>
        <source>What the message prints at a chosen date, time and shift</source>
        <translation>O que a mensagem imprime na data, hora e turno escolhidos</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer %1</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nada para desfazer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer %1</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nada para refazer</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <source>Spray Files (*.spr)</source>
        <translation>Arquivos Spray (*.spr)</translation>
    </message>
    <message>
        <source>the new message</source>
        <translation>a nova mensagem</translation>
    </message>
    <message>
        <source>The message has been changed.
Do you want to save your changes?</source>
        <translation>A mensagem foi alterada.
Deseja salvar as alterações?</translation>
    </message>
</context>
<context>
    <name>FieldMenu</name>
    <message>
        <source>Insert field</source>
        <translation>Inserir campo</translation>
    </message>
    <message>
        <source>Insert a placeholder that a job fills</source>
        <translation>Inserir um marcador que o trabalho preenche</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>Copy for coder %1 failed: %2</source>
        <translation>Falha na cópia para o codificador %1: %2</translation>
    </message>
    <message>
        <source>Listening for coders on port %1</source>
        <translation>Aguardando codificadores na porta %1</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. No coder can connect; choose another port and press "Built".</source>
        <translation>Não é possível escutar na porta %1: %2. Nenhum codificador pode se conectar; escolha outra porta e clique em "Abrir porta".</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <translation>Não é possível escutar na porta %1: %2.</translation>
    </message>
    <message>
        <source>Back to port %1.</source>
        <translation>De volta à porta %1.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. Nothing was sent.</source>
        <translation>Não é possível ler %1: %2. Nada foi enviado.</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>O arquivo tem mais de %1 MiB</translation>
    </message>
    <message>
        <source>Cannot send %1: %2. Nothing was sent.</source>
        <translation>Não é possível enviar %1: %2. Nada foi enviado.</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took %2.</source>
        <translation>O codificador %1 caiu antes de receber %2.</translation>
    </message>
    <message>
        <source>Coder %1 did not report its message after %2 was sent: not verified.</source>
        <translation>O codificador %1 não informou sua mensagem após o envio de %2: não verificado.</translation>
    </message>
    <message>
        <source>A remark name cannot hold control characters. The name stays as it was.</source>
        <translation>Um nome não pode conter caracteres de controle. O nome continua como estava.</translation>
    </message>
    <message>
        <source>%1: no coder chosen; nothing was sent.</source>
        <translation>%1: nenhum codificador escolhido; nada foi enviado.</translation>
    </message>
    <message>
        <source>Not started: %1 Nothing was sent.</source>
        <translation>Não iniciado: %1 Nada foi enviado.</translation>
    </message>
    <message>
        <source>%1. The port stays as it was.</source>
        <translation>%1. A porta continua como estava.</translation>
    </message>
    <message>
        <source>%1. The name stays as it was.</source>
        <translation>%1. O nome continua como estava.</translation>
    </message>
    <message>
        <source>%1. Nothing was sent.</source>
        <translation>%1. Nada foi enviado.</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took the command.</source>
        <translation>O codificador %1 caiu antes de receber o comando.</translation>
    </message>
    <message>
        <source>Coder %1 connected</source>
        <translation>Codificador %1 conectado</translation>
    </message>
    <message>
        <source>Coder %1 disconnected</source>
        <translation>Codificador %1 desconectado</translation>
    </message>
    <message>
        <source>Current file of coder %1 not stored: %2</source>
        <translation>Arquivo atual do codificador %1 não salvo: %2</translation>
    </message>
    <message>
        <source>Coder %1 holds another message than was sent: sent %2 (SHA-256 %3), holds %4 (SHA-256 %5).</source>
        <translation>O codificador %1 tem outra mensagem que a enviada: enviada %2 (SHA-256 %3), tem %4 (SHA-256 %5).</translation>
    </message>
</context>
<context>
    <name>GeneralSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Text Space</source>
        <translation>Espaçamento</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>_</source>
        <translation>_</translation>
    </message>
</context>
<context>
    <name>HelpButton</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Operator's Manual</source>
        <translation>Manual do operador</translation>
    </message>
    <message>
        <source>The operator's manual is not installed (looked in %1).</source>
        <translation>O manual do operador não está instalado (procurado em %1).</translation>
    </message>
    <message>
        <source>The operator's manual could not be opened: no browser took %1.</source>
        <translation>Não foi possível abrir o manual do operador: nenhum navegador abriu %1.</translation>
    </message>
</context>
<context>
    <name>ImageSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Escolher imagem</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Imagens (%1)</translation>
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
    <name>JobScan</name>
    <message>
        <source>Scan the packaging on the line: a job of %1 starts only when it shows GTIN %2.</source>
        <translation>Leia a embalagem da linha: um trabalho de %1 só inicia se ela mostrar o GTIN %2.</translation>
    </message>
    <message>
        <source>%1 (character %2)</source>
        <translation>%1 (caractere %2)</translation>
    </message>
    <message>
        <source>The scan holds no GTIN (01): %1</source>
        <translation>A leitura não contém GTIN (01): %1</translation>
    </message>
    <message>
        <source>No product has the GTIN %1.</source>
        <translation>Nenhum produto tem o GTIN %1.</translation>
    </message>
    <message>
        <source>Lot %1 from the scan.</source>
        <translation>Lote %1 da leitura.</translation>
    </message>
    <message>
        <source>Production date %1 from the scan.</source>
        <translation>Data de fabricação %1 da leitura.</translation>
    </message>
    <message>
        <source>the best-before date (15) %1</source>
        <translation>a data de validade (15) %1</translation>
    </message>
    <message>
        <source>the expiry date (17) %1</source>
        <translation>a data de expiração (17) %1</translation>
    </message>
    <message>
        <source>Check the packaging: %1 is not %2, which the shelf life of %3 (%4) gives.</source>
        <translation>Verifique a embalagem: %1 não é %2, que é o que a validade de %3 (%4) dá.</translation>
    </message>
    <message>
        <source>Packaging confirmed: GTIN %1.</source>
        <translation>Embalagem confirmada: GTIN %1.</translation>
    </message>
    <message>
        <source>The packaging scanned (GTIN %1) is not that of %2 (GTIN %3): the job does not start.</source>
        <translation>A embalagem lida (GTIN %1) não é a de %2 (GTIN %3): o trabalho não inicia.</translation>
    </message>
</context>
<context>
    <name>JobsPanel</name>
    <message>
        <source>Jobs</source>
        <translation>Trabalhos</translation>
    </message>
    <message>
        <source>Search products by code, GTIN or name</source>
        <translation>Buscar produtos por código, GTIN ou nome</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Type or scan the GTIN, then Enter</source>
        <translation>Digite ou leia o GTIN e tecle Enter</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produto</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Pedido</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>Start job</source>
        <translation>Iniciar trabalho</translation>
    </message>
    <message>
        <source>Start printing</source>
        <translation>Iniciar impressão</translation>
    </message>
    <message>
        <source>End job</source>
        <translation>Encerrar trabalho</translation>
    </message>
    <message>
        <source>This window runs no jobs: it has no catalogue.</source>
        <translation>Esta janela não executa trabalhos: não tem catálogo.</translation>
    </message>
    <message>
        <source>The catalogue (%1) is not open; no job starts until it is.</source>
        <translation>O catálogo (%1) não está aberto; nenhum trabalho inicia até que esteja.</translation>
    </message>
    <message>
        <source>Products cannot be listed: %1</source>
        <translation>Não é possível listar os produtos: %1</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>nenhum escolhido</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>AAAA-MM-DD</translation>
    </message>
    <message>
        <source>Coders: none checked in the device list</source>
        <translation>Codificadores: nenhum marcado na lista de máquinas</translation>
    </message>
    <message>
        <source>Coders: %1</source>
        <translation>Codificadores: %1</translation>
    </message>
    <message>
        <source>Not allowed for this product: %1</source>
        <translation>Não permitidos para este produto: %1</translation>
    </message>
    <message>
        <source>Choose a product first.</source>
        <translation>Escolha um produto primeiro.</translation>
    </message>
    <message>
        <source>Check the coders of the job in the device list first.</source>
        <translation>Marque primeiro os codificadores do trabalho na lista de máquinas.</translation>
    </message>
    <message>
        <source>The job was not started: %1</source>
        <translation>O trabalho não foi iniciado: %1</translation>
    </message>
    <message>
        <source>Job %1 started: %2, order %3, lot %4.</source>
        <translation>Trabalho %1 iniciado: %2, pedido %3, lote %4.</translation>
    </message>
    <message>
        <source>No job is running in this view.</source>
        <translation>Nenhum trabalho em andamento nesta tela.</translation>
    </message>
    <message>
        <source>Not started: no coder of job %1 is verified.</source>
        <translation>Não iniciado: nenhum codificador do trabalho %1 está verificado.</translation>
    </message>
    <message>
        <source>Job %1 was not ended: %2</source>
        <translation>O trabalho %1 não foi encerrado: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Job %1 ended.</source>
        <translation>Trabalho %1 encerrado.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>codificador desconectado</translation>
    </message>
    <message>
        <source>not in the job</source>
        <translation>fora do trabalho</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>enviando</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificado</translation>
    </message>
    <message>
        <source>running</source>
        <translation>em execução</translation>
    </message>
    <message>
        <source>mismatch</source>
        <translation>não confere</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>não verificado</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Embalagem</translation>
    </message>
    <message>
        <source>Scan the packaging on the line, then Enter</source>
        <translation>Leia a embalagem da linha e tecle Enter</translation>
    </message>
    <message numerus="yes">
        <source>%n batch-record write(s) wait for the catalogue; they are written in order when it is back.</source>
        <translation>
            <numerusform>%n gravação do registro de lote aguarda o catálogo; é feita em ordem quando ele voltar.</numerusform>
            <numerusform>%n gravações do registro de lote aguardam o catálogo; são feitas em ordem quando ele voltar.</numerusform>
        </translation>
    </message>
    <message>
        <source>The job was not started: no line took it; the event log says why.</source>
        <translation>O trabalho não foi iniciado: nenhuma linha o aceitou; o registo de eventos diz porquê.</translation>
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
        <source>message sent</source>
        <translation>mensagem enviada</translation>
    </message>
    <message>
        <source>print parameters</source>
        <translation>parâmetros de impressão</translation>
    </message>
    <message>
        <source>start</source>
        <translation>início</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>parada</translation>
    </message>
    <message>
        <source>port</source>
        <translation>porta</translation>
    </message>
    <message>
        <source>remark name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>message saved</source>
        <translation>mensagem salva</translation>
    </message>
    <message>
        <source>command failed</source>
        <translation>comando falhou</translation>
    </message>
    <message>
        <source>journal recovered</source>
        <translation>registro recuperado</translation>
    </message>
    <message>
        <source>sign-in</source>
        <translation>entrada</translation>
    </message>
    <message>
        <source>sign-in refused</source>
        <translation>entrada recusada</translation>
    </message>
    <message>
        <source>sign-out</source>
        <translation>saída</translation>
    </message>
    <message>
        <source>users on</source>
        <translation>usuários ativados</translation>
    </message>
    <message>
        <source>users off</source>
        <translation>usuários desativados</translation>
    </message>
    <message>
        <source>user set</source>
        <translation>usuário definido</translation>
    </message>
    <message>
        <source>user removed</source>
        <translation>usuário removido</translation>
    </message>
    <message>
        <source>idle time</source>
        <translation>tempo de inatividade</translation>
    </message>
    <message>
        <source>administrator created</source>
        <translation>administrador criado</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Codificadores</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
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
    <message>
        <source>Jobs</source>
        <translation>Trabalhos</translation>
    </message>
    <message>
        <source>Show or hide the jobs view</source>
        <translation>Mostrar ou ocultar os trabalhos</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message>
        <source>Can not find the extern data file!</source>
        <translation>O arquivo de dados externos não foi encontrado!</translation>
    </message>
    <message>
        <source>The columns in the file don't match the extern items you create!</source>
        <translation>As colunas do arquivo não correspondem aos campos externos criados!</translation>
    </message>
    <message>
        <source>Unknown Error!</source>
        <translation>Erro desconhecido!</translation>
    </message>
    <message>
        <source>The extern data file is a device or a pipe, not a plain file!</source>
        <translation>O arquivo de dados externos é um dispositivo ou pipe, não um arquivo comum!</translation>
    </message>
    <message>
        <source>The extern data file is larger than %1 MiB!</source>
        <translation>O arquivo de dados externos tem mais de %1 MiB!</translation>
    </message>
    <message>
        <source>The extern data file has a line longer than %1 bytes!</source>
        <translation>O arquivo de dados externos tem uma linha com mais de %1 bytes!</translation>
    </message>
    <message>
        <source>Qt Drawing</source>
        <translation>Arquivo de mensagem</translation>
    </message>
    <message>
        <source>t</source>
        <translation>Arquivo de dados</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Não é possível gravar o arquivo %1:
%2.</translation>
    </message>
    <message>
        <source>Cannot read print file %1:
%2.</source>
        <translation>Não é possível ler o arquivo de impressão %1:
%2.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>O arquivo tem mais de %1 MiB</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>File %1 is empty.</source>
        <translation>O arquivo %1 está vazio.</translation>
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
    <message>
        <source>%1, read back %2</source>
        <translation>%1, relido às %2</translation>
    </message>
    <message>
        <source>%1, read back %2: not the message sent
sent SHA-256 %3
held SHA-256 %4</source>
        <translation>%1, relido às %2: não é a mensagem enviada
enviada SHA-256 %3
na máquina SHA-256 %4</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>%1: no read-back since %2 (sent SHA-256 %3)</source>
        <translation>%1: sem releitura desde %2 (enviada SHA-256 %3)</translation>
    </message>
    <message>
        <source>%1, waiting for the read-back</source>
        <translation>%1, aguardando a releitura</translation>
    </message>
</context>
<context>
    <name>MyTextEditor</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Preflight</name>
    <message>
        <source>left</source>
        <translation>esquerda</translation>
    </message>
    <message>
        <source>top</source>
        <translation>superior</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>inferior</translation>
    </message>
    <message>
        <source>Reaches past the %1 edge of the print area: that part is not printed.</source>
        <translation>Ultrapassa a borda %1 da área de impressão: essa parte não é impressa.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Lies on the band of head %1, which the head mask leaves out: that part is not printed.</source>
        <translation>Fica na faixa da cabeça %1, que a máscara de cabeças exclui: essa parte não é impressa.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The content is more than the symbol holds at its size: %1</source>
        <translation>O conteúdo é maior do que o símbolo comporta nesse tamanho: %1</translation>
    </message>
    <message>
        <source>The GS1 data is refused: %1</source>
        <translation>Os dados GS1 foram recusados: %1</translation>
    </message>
    <message>
        <source>The content cannot be encoded: %1</source>
        <translation>O conteúdo não pode ser codificado: %1</translation>
    </message>
    <message>
        <source>A module is %1 dots wide, not a whole number of dots: the coder prints bars of uneven width. Choose a scale whose module is whole dots.</source>
        <translation>Um módulo tem %1 pontos de largura, não um número inteiro: o codificador imprime barras de larguras desiguais. Escolha uma escala cujo módulo tenha pontos inteiros.</translation>
    </message>
    <message>
        <source>The font "%1" is neither installed nor in the fonts folder.</source>
        <translation>A fonte "%1" não está instalada nem na pasta de fontes.</translation>
    </message>
    <message>
        <source>No picture was chosen: the placeholder would print.</source>
        <translation>Nenhuma imagem escolhida: o espaço reservado seria impresso.</translation>
    </message>
    <message>
        <source>The picture %1 is not in the picture folder.</source>
        <translation>A imagem %1 não está na pasta de imagens.</translation>
    </message>
    <message>
        <source>Text "%1"</source>
        <translation>Texto "%1"</translation>
    </message>
    <message>
        <source>Date "%1"</source>
        <translation>Data "%1"</translation>
    </message>
    <message>
        <source>Serial number "%1"</source>
        <translation>Número de série "%1"</translation>
    </message>
    <message>
        <source>Shift code "%1"</source>
        <translation>Código de turno "%1"</translation>
    </message>
    <message>
        <source>Barcode "%1"</source>
        <translation>Código de barras "%1"</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Imagem %1</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Data file</source>
        <translation>Arquivo de dados</translation>
    </message>
    <message>
        <source>The data file "%1" is not there: the data fields print nothing.</source>
        <translation>O arquivo de dados "%1" não existe: os campos de dados não imprimem nada.</translation>
    </message>
    <message>
        <source>{{%1}} is neither a standard placeholder nor a field of the product: a job of it cannot fill it.</source>
        <translation>{{%1}} não é um marcador padrão nem um campo do produto: um trabalho não pode preenchê-lo.</translation>
    </message>
    <message>
        <source>{{%1}} is no standard placeholder: only a product with a field of that name can fill it.</source>
        <translation>{{%1}} não é um marcador padrão: só um produto com um campo desse nome pode preenchê-lo.</translation>
    </message>
    <message>
        <source>The field %1 ({{%2}}): %3.</source>
        <translation>O campo %1 ({{%2}}): %3.</translation>
    </message>
    <message>
        <source>Filled with %1: %2</source>
        <translation>Preenchido com %1: %2</translation>
    </message>
</context>
<context>
    <name>PreflightDialog</name>
    <message>
        <source>Pre-flight check</source>
        <translation>Verificação prévia</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 problema</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problemas</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is sent:</source>
        <translation>A verificação prévia encontrou %1 em %2 antes do envio:</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is saved:</source>
        <translation>A verificação prévia encontrou %1 em %2 antes de salvar:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Enviar mesmo assim</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Salvar mesmo assim</translation>
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
    <name>PrintPreviewDialog</name>
    <message>
        <source>Preview at</source>
        <translation>Visualizar em</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Contagem</translation>
    </message>
    <message>
        <source>as now</source>
        <translation>como agora</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Copy the designer's message again</source>
        <translation>Copiar de novo a mensagem do editor</translation>
    </message>
    <message>
        <source>Next changes of the printed text</source>
        <translation>Próximas mudanças do texto impresso</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Depois</translation>
    </message>
    <message>
        <source>(by the time)</source>
        <translation>(pela hora)</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 a partir de %2</translation>
    </message>
    <message>
        <source>Changes every hour: %1</source>
        <translation>Muda a cada hora: %1</translation>
    </message>
    <message>
        <source>Changes every minute: %1</source>
        <translation>Muda a cada minuto: %1</translation>
    </message>
    <message>
        <source>Changes every second: %1</source>
        <translation>Muda a cada segundo: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing in the message changes with the date within %n year(s).</source>
        <translation>
            <numerusform>Nada na mensagem muda com a data em %n ano.</numerusform>
            <numerusform>Nada na mensagem muda com a data em %n anos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PrintTimeline</name>
    <message>
        <source>Date %1 (%2)</source>
        <translation>Data %1 (%2)</translation>
    </message>
    <message>
        <source>Shift code %1</source>
        <translation>Código de turno %1</translation>
    </message>
    <message>
        <source>midnight</source>
        <translation>meia-noite</translation>
    </message>
    <message>
        <source>month end</source>
        <translation>fim do mês</translation>
    </message>
    <message>
        <source>29 February</source>
        <translation>29 de fevereiro</translation>
    </message>
    <message>
        <source>shift change</source>
        <translation>troca de turno</translation>
    </message>
</context>
<context>
    <name>ProductsDialog</name>
    <message>
        <source>Products</source>
        <translation>Produtos</translation>
    </message>
    <message>
        <source>Search code, GTIN or name</source>
        <translation>Buscar código, GTIN ou nome</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Approve...</source>
        <translation>Aprovar...</translation>
    </message>
    <message>
        <source>Shelf life</source>
        <translation>Validade</translation>
    </message>
    <message>
        <source>30 days, 18 months, 18 months, end of month</source>
        <translation>30 days, 18 months, 18 months, end of month</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Codificadores</translation>
    </message>
    <message>
        <source>Line *; 127.0.0.*</source>
        <translation>Line *; 127.0.0.*</translation>
    </message>
    <message>
        <source>Job fields</source>
        <translation>Campos do trabalho</translation>
    </message>
    <message>
        <source>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</source>
        <translation>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importar CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
    <message>
        <source>Batch records...</source>
        <translation>Registros de lote...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>The products cannot be read: %1</source>
        <translation>Os produtos não podem ser lidos: %1</translation>
    </message>
    <message>
        <source>no products</source>
        <translation>nenhum produto</translation>
    </message>
    <message>
        <source>%1-%2 of %3</source>
        <translation>%1-%2 de %3</translation>
    </message>
    <message>
        <source>new product</source>
        <translation>produto novo</translation>
    </message>
    <message>
        <source>saved by %1, %2 (revision %3)</source>
        <translation>salvo por %1, %2 (revisão %3)</translation>
    </message>
    <message>
        <source>check digit good: %1</source>
        <translation>dígito verificador correto: %1</translation>
    </message>
    <message>
        <source>%1 is not saved: %2</source>
        <translation>%1 não foi salvo: %2</translation>
    </message>
    <message>
        <source>%1 saved.</source>
        <translation>%1 salvo.</translation>
    </message>
    <message>
        <source>Approve a template</source>
        <translation>Aprovar um modelo</translation>
    </message>
    <message>
        <source>%1 approved.</source>
        <translation>%1 aprovado.</translation>
    </message>
    <message>
        <source>Import products</source>
        <translation>Importar produtos</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>Nada foi importado: %1</translation>
    </message>
    <message>
        <source>%1 products imported, %2 rows refused.</source>
        <translation>%1 produtos importados, %2 linhas recusadas.</translation>
    </message>
    <message>
        <source>line %1 (%2): %3</source>
        <translation>linha %1 (%2): %3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>Columns ignored: %1</source>
        <translation>Colunas ignoradas: %1</translation>
    </message>
    <message>
        <source>Export products</source>
        <translation>Exportar produtos</translation>
    </message>
    <message>
        <source>Not exported: %1</source>
        <translation>Não exportado: %1</translation>
    </message>
    <message>
        <source>Products exported to %1.</source>
        <translation>Produtos exportados para %1.</translation>
    </message>
    <message>
        <source>Confirming scan of the packaging required</source>
        <translation>Leitura de confirmação da embalagem obrigatória</translation>
    </message>
    <message>
        <source>A job of this product starts only after a scan of the packaging on the line shows the product's GTIN.</source>
        <translation>Um trabalho deste produto só inicia depois que a leitura da embalagem da linha mostrar o GTIN dele.</translation>
    </message>
</context>
<context>
    <name>ProductsLink</name>
    <message>
        <source>Products</source>
        <translation>Produtos</translation>
    </message>
    <message>
        <source>Products, template approvals and batch records</source>
        <translation>Produtos, aprovação de modelos e registros de lote</translation>
    </message>
    <message>
        <source>The catalogue is not open (%1); it is tried again.</source>
        <translation>O catálogo não está aberto (%1); será tentado de novo.</translation>
    </message>
    <message>
        <source>the catalogue is not open</source>
        <translation>o catálogo não está aberto</translation>
    </message>
    <message>
        <source>The save of %1 is not in the catalogue (%2): anyone may sign this version.</source>
        <translation>O salvamento de %1 não está no catálogo (%2): qualquer um pode assinar esta versão.</translation>
    </message>
</context>
<context>
    <name>ReaderAlarmBar</name>
    <message>
        <source>Sign in as a Supervisor to handle the code readers.</source>
        <translation>Entre como Supervisor para tratar os leitores de códigos.</translation>
    </message>
    <message>
        <source>Only a Supervisor or Administrator may acknowledge a reader alarm or start a challenge test; %1 is signed in as %2.</source>
        <translation>Só um Supervisor ou Administrator pode reconhecer um alarme do leitor ou iniciar um teste de desafio; %1 entrou como %2.</translation>
    </message>
    <message>
        <source>Reader alarm: %1</source>
        <translation>Alarme do leitor: %1</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Reconhecer</translation>
    </message>
    <message>
        <source>%1: challenge test running; let up to %2 wrong or missing codes pass</source>
        <translation>%1: teste de desafio em andamento; deixe passar até %2 códigos errados ou ausentes</translation>
    </message>
    <message>
        <source>%1: No passed challenge test today</source>
        <translation>%1: nenhum teste de desafio aprovado hoje</translation>
    </message>
    <message>
        <source>Start challenge test</source>
        <translation>Iniciar teste de desafio</translation>
    </message>
</context>
<context>
    <name>RemoteJobs</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>codificador desconectado</translation>
    </message>
    <message>
        <source>%1: its line is not heard of</source>
        <translation>%1: sem notícias da sua linha</translation>
    </message>
    <message>
        <source>%1: sent, its line has not taken it up</source>
        <translation>%1: enviado, a sua linha ainda não o assumiu</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Lot %1: job %2 runs on this PC's coders; sent to their lines for %3.</source>
        <translation>Lote %1: o trabalho %2 corre nos codificadores deste PC; enviado às suas linhas para %3.</translation>
    </message>
    <message>
        <source>Lot %1: no coder of this PC; sent to their lines for %2.</source>
        <translation>Lote %1: nenhum codificador deste PC; enviado às suas linhas para %2.</translation>
    </message>
    <message>
        <source>Not started: no line says a coder of the job is verified.</source>
        <translation>Não iniciado: nenhuma linha diz que um codificador do trabalho está verificado.</translation>
    </message>
    <message>
        <source>The job of the lines' coders was not ended: %1</source>
        <translation>O trabalho dos codificadores das linhas não foi terminado: %1</translation>
    </message>
</context>
<context>
    <name>RemoteLines</name>
    <message>
        <source>%1 for %2 on %3 not sent: %4</source>
        <translation>%1 para %2 em %3 não enviado: %4</translation>
    </message>
    <message>
        <source>its line is not heard of</source>
        <translation>sem notícias da sua linha</translation>
    </message>
    <message>
        <source>this window follows no line</source>
        <translation>esta janela não acompanha nenhuma linha</translation>
    </message>
    <message>
        <source>%1 sent to %2 on %3</source>
        <translation>%1 enviado para %2 em %3</translation>
    </message>
    <message>
        <source>%1 for %2 on %3: %4</source>
        <translation>%1 para %2 em %3: %4</translation>
    </message>
    <message>
        <source>Job start</source>
        <translation>Início de trabalho</translation>
    </message>
    <message>
        <source>Job end</source>
        <translation>Fim de trabalho</translation>
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
    <message>
        <source>run jobs</source>
        <translation>executar trabalhos</translation>
    </message>
    <message>
        <source>edit products</source>
        <translation>editar produtos</translation>
    </message>
    <message>
        <source>sign templates</source>
        <translation>assinar modelos</translation>
    </message>
</context>
<context>
    <name>SerialNumSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Counter ID</source>
        <translation>Nº do contador</translation>
    </message>
    <message>
        <source>System Base</source>
        <translation>Base numérica</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>34</source>
        <translation>34</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Dígitos</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Prefixo</translation>
    </message>
    <message>
        <source>Counter%1</source>
        <translation>Contador %1</translation>
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
    <message>
        <source>send messages outside a job</source>
        <translation>enviar mensagens fora de um trabalho</translation>
    </message>
</context>
<context>
    <name>ShiftCodeSet</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Shift code</source>
        <translation>Código de turno</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Time (24 hours)</source>
        <translation>Hora (24 horas)</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
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
    <name>SignatureDialog</name>
    <message>
        <source>Approve a template</source>
        <translation>Aprovar um modelo</translation>
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
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>You sign %1, SHA-256 %2: give your name and password again.</source>
        <translation>Você assina %1, SHA-256 %2: digite seu nome e senha de novo.</translation>
    </message>
    <message>
        <source>Users are off: the approval of %1, SHA-256 %2, is recorded under the system login and marked unsigned.</source>
        <translation>Usuários desativados: a aprovação de %1, SHA-256 %2, é registrada com o login do sistema e marcada sem assinatura.</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>Cannot create the folder %1 in %2.</source>
        <translation>Não é possível criar a pasta %1 em %2.</translation>
    </message>
    <message>
        <source>%1 was not sent: it does not load as a message (%2).</source>
        <translation>%1 não foi enviado: não abre como mensagem (%2).</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found: %2</source>
        <translation>%1 não foi enviado: a verificação prévia encontrou: %2</translation>
    </message>
    <message>
        <source>%1 was not sent despite its findings: %2</source>
        <translation>%1 não foi enviado apesar de aceitar os avisos: %2</translation>
    </message>
</context>
<context>
    <name>StationSettings</name>
    <message>
        <source>not a plain file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>larger than %1 KiB</source>
        <translation>maior que %1 KiB</translation>
    </message>
    <message>
        <source>no such settings file</source>
        <translation>arquivo de configurações inexistente</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>[server] port must be a number from 1 to 65535, not "%1"</source>
        <translation>[server] port deve ser um número de 1 a 65535, não "%1"</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 não pode ser lido (%2)</translation>
    </message>
    <message>
        <source>%1 is a link; change the file it names</source>
        <translation>%1 é um link; altere o arquivo para o qual ele aponta</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 não pode ser gravado (%2)</translation>
    </message>
    <message>
        <source>The port holds until the program ends: %1.</source>
        <translation>A porta vale até o programa ser fechado: %1.</translation>
    </message>
    <message>
        <source>The name holds until the program ends: %1.</source>
        <translation>O nome vale até o programa ser fechado: %1.</translation>
    </message>
    <message>
        <source>The remark names of this account are used, but not yet kept in the settings: %1.</source>
        <translation>Os nomes desta conta são usados, mas ainda não foram salvos nas configurações: %1.</translation>
    </message>
    <message>
        <source>[jobs] enabled must be true or false, not "%1"</source>
        <translation>[jobs] enabled deve ser true ou false, não "%1"</translation>
    </message>
</context>
<context>
    <name>TemplateSamples</name>
    <message>
        <source>Lot</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Pedido</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produto</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Production date</source>
        <translation>Data de produção</translation>
    </message>
    <message>
        <source>Best before</source>
        <translation>Consumir antes de</translation>
    </message>
    <message>
        <source>no sample could be made that matches its pattern %1, so it is checked with "A1"</source>
        <translation>não foi possível criar um exemplo que siga o padrão %1, então é verificado com "A1"</translation>
    </message>
</context>
<context>
    <name>TemplateSigning</name>
    <message>
        <source>Approved for production</source>
        <translation>Aprovado para produção</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 não pode ser lido (%2)</translation>
    </message>
    <message>
        <source>A signature needs its meaning.</source>
        <translation>A assinatura precisa do significado.</translation>
    </message>
    <message>
        <source>Only the user signed in (%1) may sign here.</source>
        <translation>Somente o usuário conectado (%1) pode assinar aqui.</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>ninguém</translation>
    </message>
    <message>
        <source>Not signed: %1</source>
        <translation>Não assinado: %1</translation>
    </message>
    <message>
        <source>Not signed: only a Supervisor or an Administrator may approve templates.</source>
        <translation>Não assinado: somente um Supervisor ou um Administrador pode aprovar modelos.</translation>
    </message>
    <message>
        <source>The approval is stored, but not in the journal: %1</source>
        <translation>A aprovação foi salva, mas não no registro: %1</translation>
    </message>
    <message>
        <source>%1 by %2 (unsigned: users are off), %3, SHA-256 %4</source>
        <translation>%1 por %2 (sem assinatura: usuários desativados), %3, SHA-256 %4</translation>
    </message>
    <message>
        <source>%1, signed by %2, %3, SHA-256 %4</source>
        <translation>%1, assinado por %2, %3, SHA-256 %4</translation>
    </message>
    <message>
        <source>not approved: %1</source>
        <translation>não aprovado: %1</translation>
    </message>
    <message>
        <source>not approved (SHA-256 %1)</source>
        <translation>não aprovado (SHA-256 %1)</translation>
    </message>
    <message>
        <source>approval unknown: %1</source>
        <translation>aprovação desconhecida: %1</translation>
    </message>
</context>
<context>
    <name>TextSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>Dados externos</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>Inserir campo</translation>
    </message>
</context>
<context>
    <name>TimeSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Formato de data</translation>
    </message>
    <message>
        <source>"yyyy" means year ,"MM" means month,"dd" means days.
e.g. "yyyy/MM/dd"  -&gt; "2021/05/20"

"hh" means hours ,"mm" means minutes,"ss" measn seconds.
e.g. ''hh:mm:ss" -&gt; "08:08:08"

Coustom date and other date format please see the instructions.</source>
        <translation>"yyyy" é o ano, "MM" o mês, "dd" o dia.
ex.: "yyyy/MM/dd" -&gt; "2021/05/20"

"hh" são as horas, "mm" os minutos, "ss" os segundos.
ex.: "hh:mm:ss" -&gt; "08:08:08"

Para outros formatos de data, veja as instruções.</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>yyyy</source>
        <translation>yyyy</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>dd</source>
        <translation>dd</translation>
    </message>
    <message>
        <source>hh</source>
        <translation>hh</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>ss</source>
        <translation>ss</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Vaild Days</source>
        <translation>Dias de validade</translation>
    </message>
    <message>
        <source>Best before of the product</source>
        <translation>Validade do produto</translation>
    </message>
    <message>
        <source>In a product's template: a job gives this date the product's shelf life; the days above are what the designer shows meanwhile.</source>
        <translation>No modelo de um produto: o trabalho dá a esta data a validade do produto; os dias acima são o que o editor mostra enquanto isso.</translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message>
        <source>Nobody can sign in until an administrator runs "KorvexControl --create-admin NAME" in this folder.</source>
        <translation>Ninguém pode entrar até que um administrador execute "KorvexControl --create-admin NAME" nesta pasta.</translation>
    </message>
    <message>
        <source>The users file %1 %2. %3</source>
        <translation>O arquivo de usuários %1 %2. %3</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>belongs to another account</source>
        <translation>pertence a outra conta</translation>
    </message>
    <message>
        <source>may be read or written by other accounts</source>
        <translation>pode ser lido ou gravado por outras contas</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>é grande demais</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>está danificado</translation>
    </message>
    <message>
        <source>names no administrator</source>
        <translation>não tem nenhum administrador</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a link, which is not followed</source>
        <translation>Não é possível gravar %1: é um link, que não é seguido</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: its permissions cannot be set</source>
        <translation>Não é possível gravar %1: suas permissões não podem ser definidas</translation>
    </message>
    <message>
        <source>A user name cannot be empty.</source>
        <translation>O nome de usuário não pode ficar vazio.</translation>
    </message>
    <message>
        <source>A user name has at most %1 characters.</source>
        <translation>O nome de usuário tem no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>A user name cannot begin or end with a space.</source>
        <translation>O nome de usuário não pode começar nem terminar com espaço.</translation>
    </message>
    <message>
        <source>A user name cannot hold control characters.</source>
        <translation>O nome de usuário não pode conter caracteres de controle.</translation>
    </message>
    <message>
        <source>A user name cannot hold / or \.</source>
        <translation>O nome de usuário não pode conter / nem \.</translation>
    </message>
    <message>
        <source>A password cannot be empty.</source>
        <translation>A senha não pode ficar vazia.</translation>
    </message>
    <message>
        <source>%1 is the last administrator.</source>
        <translation>%1 é o último administrador.</translation>
    </message>
    <message>
        <source>There is no user %1.</source>
        <translation>Não existe o usuário %1.</translation>
    </message>
    <message>
        <source>%1 is locked for %2 more seconds after %3 wrong passwords.</source>
        <translation>%1 está bloqueado por mais %2 segundos após %3 senhas erradas.</translation>
    </message>
    <message>
        <source>Wrong name or password. %1 is locked for a minute.</source>
        <translation>Nome ou senha incorretos. %1 fica bloqueado por um minuto.</translation>
    </message>
    <message>
        <source>Wrong name or password.</source>
        <translation>Nome ou senha incorretos.</translation>
    </message>
    <message>
        <source>%1 is a link to %2 that cannot be removed; nothing changed.</source>
        <translation>%1 é um link para %2 que não pode ser removido; nada mudou.</translation>
    </message>
    <message>
        <source>%1 was a link to %2: the link is removed and %1 written anew; %2 is left as it was.</source>
        <translation>%1 era um link para %2: o link foi removido e %1 gravado de novo; %2 ficou como estava.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; nothing changed.</source>
        <translation>%1 não é um arquivo comum; nada mudou.</translation>
    </message>
    <message>
        <source>%1 cannot be read; nothing changed.</source>
        <translation>%1 não pode ser lido; nada mudou.</translation>
    </message>
    <message>
        <source>%1 belonged to another account, who could have put any user there: it is written anew without its users.</source>
        <translation>%1 pertencia a outra conta, que poderia ter posto qualquer usuário: foi gravado de novo sem seus usuários.</translation>
    </message>
    <message>
        <source>%1 could be written by other accounts, who could have put any user there: it is written anew without its users.</source>
        <translation>%1 podia ser gravado por outras contas, que poderiam ter posto qualquer usuário: foi gravado de novo sem seus usuários.</translation>
    </message>
    <message>
        <source>%1 was damaged: it is written anew without its users.</source>
        <translation>%1 estava danificado: foi gravado de novo sem seus usuários.</translation>
    </message>
    <message>
        <source>%1 could be read by other accounts: it is now readable by its owner only. The users kept should change their passwords, whose hashes could be read.</source>
        <translation>%1 podia ser lido por outras contas: agora só o dono pode lê-lo. Os usuários mantidos devem trocar suas senhas, cujos hashes podem ter sido lidos.</translation>
    </message>
    <message>
        <source>The other users are kept: %1.</source>
        <translation>Os outros usuários foram mantidos: %1.</translation>
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
<context>
    <name>ParameterChange</name>
    <message>
        <source>spray mode</source>
        <translation>modo de impressão</translation>
    </message>
    <message>
        <source>device value 1</source>
        <translation>valor do equipamento 1</translation>
    </message>
    <message>
        <source>device value 2</source>
        <translation>valor do equipamento 2</translation>
    </message>
    <message>
        <source>resolution</source>
        <translation>resolução</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>disparo</translation>
    </message>
    <message>
        <source>head range</source>
        <translation>faixa de cabeças</translation>
    </message>
    <message>
        <source>splice</source>
        <translation>emenda</translation>
    </message>
    <message>
        <source>heads</source>
        <translation>cabeças</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>direção</translation>
    </message>
    <message>
        <source>head 1 offset</source>
        <translation>deslocamento da cabeça 1</translation>
    </message>
    <message>
        <source>head 2 offset</source>
        <translation>deslocamento da cabeça 2</translation>
    </message>
    <message>
        <source>head 3 offset</source>
        <translation>deslocamento da cabeça 3</translation>
    </message>
    <message>
        <source>head 4 offset</source>
        <translation>deslocamento da cabeça 4</translation>
    </message>
    <message>
        <source>head 1 direction</source>
        <translation>direção da cabeça 1</translation>
    </message>
    <message>
        <source>head 2 direction</source>
        <translation>direção da cabeça 2</translation>
    </message>
    <message>
        <source>head 3 direction</source>
        <translation>direção da cabeça 3</translation>
    </message>
    <message>
        <source>head 4 direction</source>
        <translation>direção da cabeça 4</translation>
    </message>
    <message>
        <source>encoder</source>
        <translation>encoder</translation>
    </message>
    <message>
        <source>beep</source>
        <translation>bipe</translation>
    </message>
    <message>
        <source>encoder pulses</source>
        <translation>pulsos do encoder</translation>
    </message>
    <message>
        <source>encoder diameter</source>
        <translation>diâmetro do encoder</translation>
    </message>
    <message>
        <source>line speed</source>
        <translation>velocidade da linha</translation>
    </message>
    <message>
        <source>signal interval</source>
        <translation>intervalo do sinal</translation>
    </message>
    <message>
        <source>device value 3</source>
        <translation>valor do equipamento 3</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>per revolution</source>
        <translation>por volta</translation>
    </message>
    <message>
        <source>m/min</source>
        <translation>m/min</translation>
    </message>
    <message>
        <source>dpi</source>
        <translation>dpi</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>reverso</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>invertido</translation>
    </message>
    <message>
        <source>rev/inv</source>
        <translation>rev./inv.</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>código %1</translation>
    </message>
    <message>
        <source>left</source>
        <translation>à esquerda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>à direita</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>alta qualidade</translation>
    </message>
    <message>
        <source>high speed</source>
        <translation>alta velocidade</translation>
    </message>
    <message>
        <source>external signal</source>
        <translation>sinal externo</translation>
    </message>
    <message>
        <source>internal signal</source>
        <translation>sinal interno</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ligado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desligado</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abortar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
</context>
</TS>
