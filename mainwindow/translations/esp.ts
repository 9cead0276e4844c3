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
    <name>BarcodeSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Edit the content line by line</source>
        <translation>Editar el contenido línea a línea</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Tenths: 20 is scale 2.0</source>
        <translation>Décimas: 20 es escala 2.0</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>Mostrar texto</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Data Mode</source>
        <translation>Modo de datos</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>GS1</source>
        <translation>GS1</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>Datos externos</translation>
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
        <translation>Insertar campo</translation>
    </message>
</context>
<context>
    <name>BatchRecordPdf</name>
    <message>
        <source>the message is too large to draw</source>
        <translation>el mensaje es demasiado grande para dibujarlo</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 no se puede escribir (%2)</translation>
    </message>
    <message>
        <source>Batch record of job %1</source>
        <translation>Registro de lote del trabajo %1</translation>
    </message>
    <message>
        <source>Batch record: job %1</source>
        <translation>Registro de lote: trabajo %1</translation>
    </message>
    <message>
        <source>Product: %1 %2</source>
        <translation>Producto: %1 %2</translation>
    </message>
    <message>
        <source>Order: %1    Lot: %2</source>
        <translation>Pedido: %1    Lote: %2</translation>
    </message>
    <message>
        <source>Started: %1 by %2</source>
        <translation>Inicio: %1 por %2</translation>
    </message>
    <message>
        <source>Ended: not yet</source>
        <translation>Fin: todavía no</translation>
    </message>
    <message>
        <source>Ended: %1 by %2</source>
        <translation>Fin: %1 por %2</translation>
    </message>
    <message>
        <source>Field values</source>
        <translation>Valores de los campos</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2</source>
        <translation>%1, SHA-256 %2</translation>
    </message>
    <message>
        <source>Signature: %1</source>
        <translation>Firma: %1</translation>
    </message>
    <message>
        <source>Message sent</source>
        <translation>Mensaje enviado</translation>
    </message>
    <message>
        <source>SHA-256 %1</source>
        <translation>SHA-256 %1</translation>
    </message>
    <message>
        <source>(no picture: the message sent is no longer in the folder of jobs)</source>
        <translation>(sin imagen: el mensaje enviado ya no está en la carpeta de trabajos)</translation>
    </message>
    <message>
        <source>(no picture: %1)</source>
        <translation>(sin imagen: %1)</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Codificadores</translation>
    </message>
    <message>
        <source>%1 %2: %3 at %4; read back %5</source>
        <translation>%1 %2: %3 a las %4; leído %5</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>    started %1, stopped %2</source>
        <translation>    iniciado %1, detenido %2</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>No se puede escribir %1</translation>
    </message>
    <message>
        <source>Code readers</source>
        <translation>Lectores de códigos</translation>
    </message>
    <message>
        <source>%1, reader %2: %3 good, %4 bad, %5 no read, %6 not compared</source>
        <translation>%1, lector %2: %3 correctos, %4 erróneos, %5 sin lectura, %6 sin comparar</translation>
    </message>
    <message>
        <source>Challenge test of %1, reader %2, %3 at %4 by %5 after %6 reads%7</source>
        <translation>Prueba de control de %1, lector %2, %3 el %4 por %5 tras %6 lecturas%7</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>superada</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>no superada</translation>
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
        <translation>Desde</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
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
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Pedido</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
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
        <translation>Cerrar</translation>
    </message>
    <message numerus="yes">
        <source>%n jobs</source>
        <translation>
            <numerusform>%n trabajo</numerusform>
            <numerusform>%n trabajos</numerusform>
        </translation>
    </message>
    <message>
        <source>The batch records cannot be read: %1</source>
        <translation>No se pueden leer los registros de lote: %1</translation>
    </message>
    <message>
        <source>Template %1: %2
Message sent: SHA-256 %3</source>
        <translation>Plantilla %1: %2
Mensaje enviado: SHA-256 %3</translation>
    </message>
    <message>
        <source>run without an approval</source>
        <translation>ejecutado sin aprobación</translation>
    </message>
    <message>
        <source>Export the batch record</source>
        <translation>Exportar el registro de lote</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 no se puede escribir (%2)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>Archivos PDF (*.pdf);;Todos los archivos (*)</translation>
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
    <message>
        <source>Job: %1</source>
        <translation>Trabajo: %1</translation>
    </message>
    <message>
        <source>Lot: %1</source>
        <translation>Lote: %1</translation>
    </message>
    <message>
        <source>Job state: %1</source>
        <translation>Estado del trabajo: %1</translation>
    </message>
    <message>
        <source>Line: %1</source>
        <translation>Línea: %1</translation>
    </message>
    <message>
        <source>Not heard of: the last values known</source>
        <translation>Sin noticias: últimos valores conocidos</translation>
    </message>
</context>
<context>
    <name>CommandJournal</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1 is not saved: the journal cannot be written (%2).</source>
        <translation>%1 no se guardó: no se puede escribir el registro (%2).</translation>
    </message>
    <message>
        <source>%1 was saved, but: %2</source>
        <translation>%1 se guardó, pero: %2</translation>
    </message>
    <message>
        <source>The journal cannot be used: %1</source>
        <translation>No se puede usar el registro: %1</translation>
    </message>
    <message>
        <source>Not done: its journal line cannot be written (%1)</source>
        <translation>No se hizo: no se puede escribir su línea del registro (%1)</translation>
    </message>
    <message>
        <source>Not in the journal (%1): %2</source>
        <translation>No está en el registro (%1): %2</translation>
    </message>
    <message>
        <source>%1, %2 bytes, SHA-256 %3</source>
        <translation>%1, %2 bytes, SHA-256 %3</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2 → %3</source>
        <translation>%1, SHA-256 %2 → %3</translation>
    </message>
    <message>
        <source>%1 cut-off line(s) recorded</source>
        <translation>%1 línea(s) cortada(s) registrada(s)</translation>
    </message>
    <message>
        <source>%1 line(s) that are no journal lines recorded</source>
        <translation>%1 línea(s) que no son del registro registrada(s)</translation>
    </message>
    <message>
        <source>line %1 changed after its head named it</source>
        <translation>línea %1 cambiada después de que la cabecera la nombrara</translation>
    </message>
    <message>
        <source>lines %1 to %2 never named by the head</source>
        <translation>líneas %1 a %2 nunca nombradas por la cabecera</translation>
    </message>
    <message>
        <source>head %1</source>
        <translation>cabecera %1</translation>
    </message>
    <message>
        <source>first administrator %1</source>
        <translation>primer administrador %1</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>over %1, broker account %2, user as claimed</source>
        <translation>por %1, cuenta del bróker %2, usuario declarado</translation>
    </message>
    <message>
        <source>over %1, broker account %2</source>
        <translation>por %1, cuenta del bróker %2</translation>
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
        <translation>Parámetros de impresión</translation>
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
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Remark name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>over MQTT</source>
        <translation>por MQTT</translation>
    </message>
    <message>
        <source>claimed user %1</source>
        <translation>usuario declarado %1</translation>
    </message>
    <message>
        <source>sent unchanged</source>
        <translation>enviados sin cambios</translation>
    </message>
    <message>
        <source>no coder</source>
        <translation>ningún codificador</translation>
    </message>
    <message>
        <source>%1 coders</source>
        <translation>%1 codificadores</translation>
    </message>
    <message>
        <source>%1 sent to %2</source>
        <translation>%1 enviado a %2</translation>
    </message>
    <message>
        <source>Print parameters sent to %1 (its own were not reported before)</source>
        <translation>Parámetros de impresión enviados a %1 (no había informado los suyos)</translation>
    </message>
    <message>
        <source>Print parameters of %1: %2</source>
        <translation>Parámetros de impresión de %1: %2</translation>
    </message>
    <message>
        <source>Port changed from %1 to %2</source>
        <translation>Puerto cambiado de %1 a %2</translation>
    </message>
    <message>
        <source>Remark name of %1 removed (was %2)</source>
        <translation>Nombre de %1 eliminado (era %2)</translation>
    </message>
    <message>
        <source>%1 named %2</source>
        <translation>%1 se llama ahora %2</translation>
    </message>
    <message>
        <source>%1 renamed from %2 to %3</source>
        <translation>%1 renombrado de %2 a %3</translation>
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
    <name>DesignHistory</name>
    <message>
        <source>content</source>
        <translation>contenido</translation>
    </message>
    <message>
        <source>external data</source>
        <translation>datos externos</translation>
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
        <translation>rotación</translation>
    </message>
    <message>
        <source>font</source>
        <translation>fuente</translation>
    </message>
    <message>
        <source>font size</source>
        <translation>tamaño de fuente</translation>
    </message>
    <message>
        <source>letter spacing</source>
        <translation>espaciado</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>negrita</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>cursiva</translation>
    </message>
    <message>
        <source>underline</source>
        <translation>subrayado</translation>
    </message>
    <message>
        <source>format</source>
        <translation>formato</translation>
    </message>
    <message>
        <source>valid days</source>
        <translation>días de validez</translation>
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
        <translation>carácter de relleno</translation>
    </message>
    <message>
        <source>symbology</source>
        <translation>simbología</translation>
    </message>
    <message>
        <source>height</source>
        <translation>alto</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>escala</translation>
    </message>
    <message>
        <source>text line</source>
        <translation>línea de texto</translation>
    </message>
    <message>
        <source>size</source>
        <translation>tamaño</translation>
    </message>
    <message>
        <source>data mode</source>
        <translation>modo de datos</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>imagen</translation>
    </message>
    <message>
        <source>shift table</source>
        <translation>tabla de turnos</translation>
    </message>
    <message>
        <source>properties</source>
        <translation>propiedades</translation>
    </message>
    <message>
        <source>best before of the product</source>
        <translation>fecha de consumo preferente del producto</translation>
    </message>
</context>
<context>
    <name>DesignTemplate</name>
    <message>
        <source>the catalogue is not open</source>
        <translation>el catálogo no está abierto</translation>
    </message>
    <message>
        <source>%1: %2 by %3 (unsigned: users are off), %4</source>
        <translation>%1: %2 por %3 (sin firma: usuarios desactivados), %4</translation>
    </message>
    <message>
        <source>%1: %2, signed by %3, %4</source>
        <translation>%1: %2, firmado por %3, %4</translation>
    </message>
    <message>
        <source>%1: not approved</source>
        <translation>%1: no aprobado</translation>
    </message>
    <message>
        <source>%1: approval unknown (%2)</source>
        <translation>%1: aprobación desconocida (%2)</translation>
    </message>
    <message>
        <source>The template of %1. The version a save writes must be signed before a job may run it.</source>
        <translation>La plantilla de %1. La versión que escribe un guardado debe firmarse antes de que un trabajo pueda usarla.</translation>
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
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
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
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Añadir %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n item(s)</source>
        <translation>
            <numerusform>Añadir %n elemento</numerusform>
            <numerusform>Añadir %n elementos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n item(s)</source>
        <translation>
            <numerusform>Eliminar %n elemento</numerusform>
            <numerusform>Eliminar %n elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Mover %1</translation>
    </message>
    <message numerus="yes">
        <source>Move %n item(s)</source>
        <translation>
            <numerusform>Mover %n elemento</numerusform>
            <numerusform>Mover %n elementos</numerusform>
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
        <translation>no hay carpeta para un codificador llamado "%1"</translation>
    </message>
    <message>
        <source>%1 leads through a link; no folder is made</source>
        <translation>%1 pasa por un enlace; no se crea la carpeta</translation>
    </message>
    <message>
        <source>cannot create folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>unsafe file name "%1" refused</source>
        <translation>nombre de archivo inseguro "%1" rechazado</translation>
    </message>
    <message>
        <source>file name of %1 bytes refused, at most %2</source>
        <translation>nombre de archivo de %1 bytes rechazado, como máximo %2</translation>
    </message>
    <message>
        <source>%1 leads through a link; nothing is written</source>
        <translation>%1 pasa por un enlace; no se escribe nada</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
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
        <translation>Fecha</translation>
    </message>
    <message>
        <source>SN</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
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
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+wheel up)</source>
        <translation>Ampliar (Ctrl + rueda arriba)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+wheel down)</source>
        <translation>Reducir (Ctrl + rueda abajo)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Fit the message to the window</source>
        <translation>Ajustar el mensaje a la ventana</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>One screen pixel per dot</source>
        <translation>Un píxel de pantalla por punto</translation>
    </message>
    <message>
        <source>Preview at</source>
        <translation>Vista previa en</translation>
    </message>
    <message>
        <source>What the message prints at a chosen date, time and shift</source>
        <translation>Lo que imprime el mensaje en la fecha, hora y turno elegidos</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nada que deshacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nada que rehacer</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Spray Files (*.spr)</source>
        <translation>Archivos Spray (*.spr)</translation>
    </message>
    <message>
        <source>the new message</source>
        <translation>el mensaje nuevo</translation>
    </message>
    <message>
        <source>The message has been changed.
Do you want to save your changes?</source>
        <translation>El mensaje ha cambiado.
¿Desea guardar los cambios?</translation>
    </message>
</context>
<context>
    <name>FieldMenu</name>
    <message>
        <source>Insert field</source>
        <translation>Insertar campo</translation>
    </message>
    <message>
        <source>Insert a placeholder that a job fills</source>
        <translation>Insertar un marcador que rellena el trabajo</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>Copy for coder %1 failed: %2</source>
        <translation>Falló la copia para el codificador %1: %2</translation>
    </message>
    <message>
        <source>Listening for coders on port %1</source>
        <translation>Esperando codificadores en el puerto %1</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. No coder can connect; choose another port and press "Built".</source>
        <translation>No se puede escuchar en el puerto %1: %2. Ningún codificador puede conectarse; elija otro puerto y pulse "Abrir puerto".</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <translation>No se puede escuchar en el puerto %1: %2.</translation>
    </message>
    <message>
        <source>Back to port %1.</source>
        <translation>Se vuelve al puerto %1.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. Nothing was sent.</source>
        <translation>No se puede leer %1: %2. No se envió nada.</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>El archivo supera los %1 MiB</translation>
    </message>
    <message>
        <source>Cannot send %1: %2. Nothing was sent.</source>
        <translation>No se puede enviar %1: %2. No se envió nada.</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took %2.</source>
        <translation>El codificador %1 se desconectó antes de recibir %2.</translation>
    </message>
    <message>
        <source>Coder %1 did not report its message after %2 was sent: not verified.</source>
        <translation>El codificador %1 no informó su mensaje tras enviar %2: sin verificar.</translation>
    </message>
    <message>
        <source>A remark name cannot hold control characters. The name stays as it was.</source>
        <translation>Un nombre no puede contener caracteres de control. El nombre no cambia.</translation>
    </message>
    <message>
        <source>%1: no coder chosen; nothing was sent.</source>
        <translation>%1: no se eligió ningún codificador; no se envió nada.</translation>
    </message>
    <message>
        <source>Not started: %1 Nothing was sent.</source>
        <translation>No iniciado: %1 No se envió nada.</translation>
    </message>
    <message>
        <source>%1. The port stays as it was.</source>
        <translation>%1. El puerto no cambia.</translation>
    </message>
    <message>
        <source>%1. The name stays as it was.</source>
        <translation>%1. El nombre no cambia.</translation>
    </message>
    <message>
        <source>%1. Nothing was sent.</source>
        <translation>%1. No se envió nada.</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took the command.</source>
        <translation>El codificador %1 se desconectó antes de recibir la orden.</translation>
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
        <translation>Archivo actual del codificador %1 no guardado: %2</translation>
    </message>
    <message>
        <source>Coder %1 holds another message than was sent: sent %2 (SHA-256 %3), holds %4 (SHA-256 %5).</source>
        <translation>El codificador %1 tiene otro mensaje que el enviado: enviado %2 (SHA-256 %3), tiene %4 (SHA-256 %5).</translation>
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
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Text Space</source>
        <translation>Espaciado</translation>
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
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Operator's Manual</source>
        <translation>Manual del operador</translation>
    </message>
    <message>
        <source>The operator's manual is not installed (looked in %1).</source>
        <translation>El manual del operador no está instalado (se buscó en %1).</translation>
    </message>
    <message>
        <source>The operator's manual could not be opened: no browser took %1.</source>
        <translation>No se pudo abrir el manual del operador: ningún navegador abrió %1.</translation>
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
        <translation>Elegir imagen</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Imágenes (%1)</translation>
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
    <name>JobScan</name>
    <message>
        <source>Scan the packaging on the line: a job of %1 starts only when it shows GTIN %2.</source>
        <translation>Escanee el envase de la línea: un trabajo de %1 solo se inicia si muestra el GTIN %2.</translation>
    </message>
    <message>
        <source>%1 (character %2)</source>
        <translation>%1 (carácter %2)</translation>
    </message>
    <message>
        <source>The scan holds no GTIN (01): %1</source>
        <translation>El escaneo no contiene GTIN (01): %1</translation>
    </message>
    <message>
        <source>No product has the GTIN %1.</source>
        <translation>Ningún producto tiene el GTIN %1.</translation>
    </message>
    <message>
        <source>Lot %1 from the scan.</source>
        <translation>Lote %1 del escaneo.</translation>
    </message>
    <message>
        <source>Production date %1 from the scan.</source>
        <translation>Fecha de fabricación %1 del escaneo.</translation>
    </message>
    <message>
        <source>the best-before date (15) %1</source>
        <translation>la fecha de consumo preferente (15) %1</translation>
    </message>
    <message>
        <source>the expiry date (17) %1</source>
        <translation>la fecha de caducidad (17) %1</translation>
    </message>
    <message>
        <source>Check the packaging: %1 is not %2, which the shelf life of %3 (%4) gives.</source>
        <translation>Revise el envase: %1 no es %2, que es lo que da la vida útil de %3 (%4).</translation>
    </message>
    <message>
        <source>Packaging confirmed: GTIN %1.</source>
        <translation>Envase confirmado: GTIN %1.</translation>
    </message>
    <message>
        <source>The packaging scanned (GTIN %1) is not that of %2 (GTIN %3): the job does not start.</source>
        <translation>El envase escaneado (GTIN %1) no es el de %2 (GTIN %3): el trabajo no se inicia.</translation>
    </message>
</context>
<context>
    <name>JobsPanel</name>
    <message>
        <source>Jobs</source>
        <translation>Trabajos</translation>
    </message>
    <message>
        <source>Search products by code, GTIN or name</source>
        <translation>Buscar productos por código, GTIN o nombre</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Type or scan the GTIN, then Enter</source>
        <translation>Escriba o escanee el GTIN y pulse Enter</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
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
        <translation>Iniciar trabajo</translation>
    </message>
    <message>
        <source>Start printing</source>
        <translation>Iniciar impresión</translation>
    </message>
    <message>
        <source>End job</source>
        <translation>Terminar trabajo</translation>
    </message>
    <message>
        <source>This window runs no jobs: it has no catalogue.</source>
        <translation>Esta ventana no ejecuta trabajos: no tiene catálogo.</translation>
    </message>
    <message>
        <source>The catalogue (%1) is not open; no job starts until it is.</source>
        <translation>El catálogo (%1) no está abierto; ningún trabajo se inicia hasta que lo esté.</translation>
    </message>
    <message>
        <source>Products cannot be listed: %1</source>
        <translation>No se pueden listar los productos: %1</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>ninguno elegido</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>AAAA-MM-DD</translation>
    </message>
    <message>
        <source>Coders: none checked in the device list</source>
        <translation>Codificadores: ninguno marcado en la lista de equipos</translation>
    </message>
    <message>
        <source>Coders: %1</source>
        <translation>Codificadores: %1</translation>
    </message>
    <message>
        <source>Not allowed for this product: %1</source>
        <translation>No permitidos para este producto: %1</translation>
    </message>
    <message>
        <source>Choose a product first.</source>
        <translation>Elija primero un producto.</translation>
    </message>
    <message>
        <source>Check the coders of the job in the device list first.</source>
        <translation>Marque primero los codificadores del trabajo en la lista de equipos.</translation>
    </message>
    <message>
        <source>The job was not started: %1</source>
        <translation>El trabajo no se inició: %1</translation>
    </message>
    <message>
        <source>Job %1 started: %2, order %3, lot %4.</source>
        <translation>Trabajo %1 iniciado: %2, pedido %3, lote %4.</translation>
    </message>
    <message>
        <source>No job is running in this view.</source>
        <translation>No hay ningún trabajo en curso en esta vista.</translation>
    </message>
    <message>
        <source>Not started: no coder of job %1 is verified.</source>
        <translation>No iniciado: ningún codificador del trabajo %1 está verificado.</translation>
    </message>
    <message>
        <source>Job %1 was not ended: %2</source>
        <translation>El trabajo %1 no se terminó: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Job %1 ended.</source>
        <translation>Trabajo %1 terminado.</translation>
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
        <translation>fuera del trabajo</translation>
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
        <translation>en marcha</translation>
    </message>
    <message>
        <source>mismatch</source>
        <translation>no coincide</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>sin verificar</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Envase</translation>
    </message>
    <message>
        <source>Scan the packaging on the line, then Enter</source>
        <translation>Escanee el envase de la línea y pulse Enter</translation>
    </message>
    <message numerus="yes">
        <source>%n batch-record write(s) wait for the catalogue; they are written in order when it is back.</source>
        <translation>
            <numerusform>%n escritura del registro de lote espera al catálogo; se escribe en orden cuando vuelva.</numerusform>
            <numerusform>%n escrituras del registro de lote esperan al catálogo; se escriben en orden cuando vuelva.</numerusform>
        </translation>
    </message>
    <message>
        <source>The job was not started: no line took it; the event log says why.</source>
        <translation>El trabajo no se inició: ninguna línea lo tomó; el registro de eventos dice por qué.</translation>
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
        <source>message sent</source>
        <translation>mensaje enviado</translation>
    </message>
    <message>
        <source>print parameters</source>
        <translation>parámetros de impresión</translation>
    </message>
    <message>
        <source>start</source>
        <translation>inicio</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>parada</translation>
    </message>
    <message>
        <source>port</source>
        <translation>puerto</translation>
    </message>
    <message>
        <source>remark name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>message saved</source>
        <translation>mensaje guardado</translation>
    </message>
    <message>
        <source>command failed</source>
        <translation>orden fallida</translation>
    </message>
    <message>
        <source>journal recovered</source>
        <translation>registro recuperado</translation>
    </message>
    <message>
        <source>sign-in</source>
        <translation>inicio de sesión</translation>
    </message>
    <message>
        <source>sign-in refused</source>
        <translation>inicio de sesión rechazado</translation>
    </message>
    <message>
        <source>sign-out</source>
        <translation>cierre de sesión</translation>
    </message>
    <message>
        <source>users on</source>
        <translation>usuarios activados</translation>
    </message>
    <message>
        <source>users off</source>
        <translation>usuarios desactivados</translation>
    </message>
    <message>
        <source>user set</source>
        <translation>usuario guardado</translation>
    </message>
    <message>
        <source>user removed</source>
        <translation>usuario quitado</translation>
    </message>
    <message>
        <source>idle time</source>
        <translation>tiempo de inactividad</translation>
    </message>
    <message>
        <source>administrator created</source>
        <translation>administrador creado</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Codificadores</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
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
    <message>
        <source>Jobs</source>
        <translation>Trabajos</translation>
    </message>
    <message>
        <source>Show or hide the jobs view</source>
        <translation>Mostrar u ocultar los trabajos</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message>
        <source>Can not find the extern data file!</source>
        <translation>¡No se encuentra el archivo de datos externos!</translation>
    </message>
    <message>
        <source>The columns in the file don't match the extern items you create!</source>
        <translation>¡Las columnas del archivo no coinciden con los campos externos creados!</translation>
    </message>
    <message>
        <source>Unknown Error!</source>
        <translation>¡Error desconocido!</translation>
    </message>
    <message>
        <source>The extern data file is a device or a pipe, not a plain file!</source>
        <translation>¡El archivo de datos externos es un dispositivo o una tubería, no un archivo normal!</translation>
    </message>
    <message>
        <source>The extern data file is larger than %1 MiB!</source>
        <translation>¡El archivo de datos externos supera los %1 MiB!</translation>
    </message>
    <message>
        <source>The extern data file has a line longer than %1 bytes!</source>
        <translation>¡El archivo de datos externos tiene una línea de más de %1 bytes!</translation>
    </message>
    <message>
        <source>Qt Drawing</source>
        <translation>Archivo de mensaje</translation>
    </message>
    <message>
        <source>t</source>
        <translation>Archivo de datos</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>No se puede escribir el archivo %1:
%2.</translation>
    </message>
    <message>
        <source>Cannot read print file %1:
%2.</source>
        <translation>No se puede leer el archivo de impresión %1:
%2.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>El archivo supera los %1 MiB</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>File %1 is empty.</source>
        <translation>El archivo %1 está vacío.</translation>
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
    <message>
        <source>%1, read back %2</source>
        <translation>%1, releído a las %2</translation>
    </message>
    <message>
        <source>%1, read back %2: not the message sent
sent SHA-256 %3
held SHA-256 %4</source>
        <translation>%1, releído a las %2: no es el mensaje enviado
enviado SHA-256 %3
en el equipo SHA-256 %4</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>%1: no read-back since %2 (sent SHA-256 %3)</source>
        <translation>%1: sin relectura desde las %2 (enviado SHA-256 %3)</translation>
    </message>
    <message>
        <source>%1, waiting for the read-back</source>
        <translation>%1, esperando la relectura</translation>
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
        <translation>Aceptar</translation>
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
        <translation>izquierdo</translation>
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
        <translation>Sobrepasa el borde %1 del área de impresión: esa parte no se imprime.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Lies on the band of head %1, which the head mask leaves out: that part is not printed.</source>
        <translation>Cae en la franja del cabezal %1, que la máscara de cabezales excluye: esa parte no se imprime.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The content is more than the symbol holds at its size: %1</source>
        <translation>El contenido supera lo que cabe en el símbolo a su tamaño: %1</translation>
    </message>
    <message>
        <source>The GS1 data is refused: %1</source>
        <translation>Los datos GS1 se rechazan: %1</translation>
    </message>
    <message>
        <source>The content cannot be encoded: %1</source>
        <translation>El contenido no se puede codificar: %1</translation>
    </message>
    <message>
        <source>A module is %1 dots wide, not a whole number of dots: the coder prints bars of uneven width. Choose a scale whose module is whole dots.</source>
        <translation>Un módulo mide %1 puntos, no un número entero: el codificador imprime barras de ancho desigual. Elija una escala cuyo módulo sea de puntos enteros.</translation>
    </message>
    <message>
        <source>The font "%1" is neither installed nor in the fonts folder.</source>
        <translation>La fuente "%1" no está instalada ni en la carpeta de fuentes.</translation>
    </message>
    <message>
        <source>No picture was chosen: the placeholder would print.</source>
        <translation>No se eligió ninguna imagen: se imprimiría el marcador.</translation>
    </message>
    <message>
        <source>The picture %1 is not in the picture folder.</source>
        <translation>La imagen %1 no está en la carpeta de imágenes.</translation>
    </message>
    <message>
        <source>Text "%1"</source>
        <translation>Texto "%1"</translation>
    </message>
    <message>
        <source>Date "%1"</source>
        <translation>Fecha "%1"</translation>
    </message>
    <message>
        <source>Serial number "%1"</source>
        <translation>Número de serie "%1"</translation>
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
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Imagen %1</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Data file</source>
        <translation>Archivo de datos</translation>
    </message>
    <message>
        <source>The data file "%1" is not there: the data fields print nothing.</source>
        <translation>El archivo de datos "%1" no está: los campos de datos no imprimen nada.</translation>
    </message>
    <message>
        <source>{{%1}} is neither a standard placeholder nor a field of the product: a job of it cannot fill it.</source>
        <translation>{{%1}} no es un marcador estándar ni un campo del producto: un trabajo no puede rellenarlo.</translation>
    </message>
    <message>
        <source>{{%1}} is no standard placeholder: only a product with a field of that name can fill it.</source>
        <translation>{{%1}} no es un marcador estándar: solo un producto con un campo de ese nombre puede rellenarlo.</translation>
    </message>
    <message>
        <source>The field %1 ({{%2}}): %3.</source>
        <translation>El campo %1 ({{%2}}): %3.</translation>
    </message>
    <message>
        <source>Filled with %1: %2</source>
        <translation>Rellenado con %1: %2</translation>
    </message>
</context>
<context>
    <name>PreflightDialog</name>
    <message>
        <source>Pre-flight check</source>
        <translation>Comprobación previa</translation>
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
        <translation>La comprobación previa encontró %1 en %2 antes de enviarlo:</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is saved:</source>
        <translation>La comprobación previa encontró %1 en %2 antes de guardarlo:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Hallazgo</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Enviar igualmente</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Guardar igualmente</translation>
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
    <name>PrintPreviewDialog</name>
    <message>
        <source>Preview at</source>
        <translation>Vista previa en</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>as now</source>
        <translation>como ahora</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Copy the designer's message again</source>
        <translation>Copiar de nuevo el mensaje del diseñador</translation>
    </message>
    <message>
        <source>Next changes of the printed text</source>
        <translation>Próximos cambios del texto impreso</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Límite</translation>
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
        <translation>Después</translation>
    </message>
    <message>
        <source>(by the time)</source>
        <translation>(por la hora)</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 desde %2</translation>
    </message>
    <message>
        <source>Changes every hour: %1</source>
        <translation>Cambia cada hora: %1</translation>
    </message>
    <message>
        <source>Changes every minute: %1</source>
        <translation>Cambia cada minuto: %1</translation>
    </message>
    <message>
        <source>Changes every second: %1</source>
        <translation>Cambia cada segundo: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing in the message changes with the date within %n year(s).</source>
        <translation>
            <numerusform>Nada del mensaje cambia con la fecha en %n año.</numerusform>
            <numerusform>Nada del mensaje cambia con la fecha en %n años.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PrintTimeline</name>
    <message>
        <source>Date %1 (%2)</source>
        <translation>Fecha %1 (%2)</translation>
    </message>
    <message>
        <source>Shift code %1</source>
        <translation>Código de turno %1</translation>
    </message>
    <message>
        <source>midnight</source>
        <translation>medianoche</translation>
    </message>
    <message>
        <source>month end</source>
        <translation>fin de mes</translation>
    </message>
    <message>
        <source>29 February</source>
        <translation>29 de febrero</translation>
    </message>
    <message>
        <source>shift change</source>
        <translation>cambio de turno</translation>
    </message>
</context>
<context>
    <name>ProductsDialog</name>
    <message>
        <source>Products</source>
        <translation>Productos</translation>
    </message>
    <message>
        <source>Search code, GTIN or name</source>
        <translation>Buscar código, GTIN o nombre</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>Approve...</source>
        <translation>Aprobar...</translation>
    </message>
    <message>
        <source>Shelf life</source>
        <translation>Vida útil</translation>
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
        <translation>Campos del trabajo</translation>
    </message>
    <message>
        <source>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</source>
        <translation>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
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
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The products cannot be read: %1</source>
        <translation>No se pueden leer los productos: %1</translation>
    </message>
    <message>
        <source>no products</source>
        <translation>ningún producto</translation>
    </message>
    <message>
        <source>%1-%2 of %3</source>
        <translation>%1-%2 de %3</translation>
    </message>
    <message>
        <source>new product</source>
        <translation>producto nuevo</translation>
    </message>
    <message>
        <source>saved by %1, %2 (revision %3)</source>
        <translation>guardado por %1, %2 (revisión %3)</translation>
    </message>
    <message>
        <source>check digit good: %1</source>
        <translation>dígito de control correcto: %1</translation>
    </message>
    <message>
        <source>%1 is not saved: %2</source>
        <translation>%1 no se guardó: %2</translation>
    </message>
    <message>
        <source>%1 saved.</source>
        <translation>%1 guardado.</translation>
    </message>
    <message>
        <source>Approve a template</source>
        <translation>Aprobar una plantilla</translation>
    </message>
    <message>
        <source>%1 approved.</source>
        <translation>%1 aprobada.</translation>
    </message>
    <message>
        <source>Import products</source>
        <translation>Importar productos</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>No se importó nada: %1</translation>
    </message>
    <message>
        <source>%1 products imported, %2 rows refused.</source>
        <translation>%1 productos importados, %2 filas rechazadas.</translation>
    </message>
    <message>
        <source>line %1 (%2): %3</source>
        <translation>línea %1 (%2): %3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>Columns ignored: %1</source>
        <translation>Columnas ignoradas: %1</translation>
    </message>
    <message>
        <source>Export products</source>
        <translation>Exportar productos</translation>
    </message>
    <message>
        <source>Not exported: %1</source>
        <translation>No se exportó: %1</translation>
    </message>
    <message>
        <source>Products exported to %1.</source>
        <translation>Productos exportados a %1.</translation>
    </message>
    <message>
        <source>Confirming scan of the packaging required</source>
        <translation>Se requiere escaneo de confirmación del envase</translation>
    </message>
    <message>
        <source>A job of this product starts only after a scan of the packaging on the line shows the product's GTIN.</source>
        <translation>Un trabajo de este producto solo se inicia cuando un escaneo del envase de la línea muestra su GTIN.</translation>
    </message>
</context>
<context>
    <name>ProductsLink</name>
    <message>
        <source>Products</source>
        <translation>Productos</translation>
    </message>
    <message>
        <source>Products, template approvals and batch records</source>
        <translation>Productos, aprobación de plantillas y registros de lote</translation>
    </message>
    <message>
        <source>The catalogue is not open (%1); it is tried again.</source>
        <translation>El catálogo no está abierto (%1); se vuelve a intentar.</translation>
    </message>
    <message>
        <source>the catalogue is not open</source>
        <translation>el catálogo no está abierto</translation>
    </message>
    <message>
        <source>The save of %1 is not in the catalogue (%2): anyone may sign this version.</source>
        <translation>El guardado de %1 no consta en el catálogo (%2): cualquiera puede firmar esta versión.</translation>
    </message>
</context>
<context>
    <name>ReaderAlarmBar</name>
    <message>
        <source>Sign in as a Supervisor to handle the code readers.</source>
        <translation>Inicie sesión como Supervisor para atender los lectores de códigos.</translation>
    </message>
    <message>
        <source>Only a Supervisor or Administrator may acknowledge a reader alarm or start a challenge test; %1 is signed in as %2.</source>
        <translation>Solo un Supervisor o Administrator puede confirmar una alarma del lector o iniciar una prueba de control; %1 ha iniciado sesión como %2.</translation>
    </message>
    <message>
        <source>Reader alarm: %1</source>
        <translation>Alarma del lector: %1</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>%1: challenge test running; let up to %2 wrong or missing codes pass</source>
        <translation>%1: prueba de control en curso; deje pasar hasta %2 códigos erróneos o ausentes</translation>
    </message>
    <message>
        <source>%1: No passed challenge test today</source>
        <translation>%1: hoy no hay prueba de control superada</translation>
    </message>
    <message>
        <source>Start challenge test</source>
        <translation>Iniciar prueba de control</translation>
    </message>
</context>
<context>
    <name>RemoteJobs</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>codificador desconectado</translation>
    </message>
    <message>
        <source>%1: its line is not heard of</source>
        <translation>%1: no hay noticias de su línea</translation>
    </message>
    <message>
        <source>%1: sent, its line has not taken it up</source>
        <translation>%1: enviado, su línea aún no lo ha tomado</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Lot %1: job %2 runs on this PC's coders; sent to their lines for %3.</source>
        <translation>Lote %1: el trabajo %2 corre en los codificadores de este PC; enviado a sus líneas para %3.</translation>
    </message>
    <message>
        <source>Lot %1: no coder of this PC; sent to their lines for %2.</source>
        <translation>Lote %1: ningún codificador de este PC; enviado a sus líneas para %2.</translation>
    </message>
    <message>
        <source>Not started: no line says a coder of the job is verified.</source>
        <translation>No iniciado: ninguna línea dice que un codificador del trabajo esté verificado.</translation>
    </message>
    <message>
        <source>The job of the lines' coders was not ended: %1</source>
        <translation>El trabajo de los codificadores de las líneas no se terminó: %1</translation>
    </message>
</context>
<context>
    <name>RemoteLines</name>
    <message>
        <source>%1 for %2 on %3 not sent: %4</source>
        <translation>%1 para %2 en %3 no enviado: %4</translation>
    </message>
    <message>
        <source>its line is not heard of</source>
        <translation>no hay noticias de su línea</translation>
    </message>
    <message>
        <source>this window follows no line</source>
        <translation>esta ventana no sigue ninguna línea</translation>
    </message>
    <message>
        <source>%1 sent to %2 on %3</source>
        <translation>%1 enviado a %2 en %3</translation>
    </message>
    <message>
        <source>%1 for %2 on %3: %4</source>
        <translation>%1 para %2 en %3: %4</translation>
    </message>
    <message>
        <source>Job start</source>
        <translation>Inicio de trabajo</translation>
    </message>
    <message>
        <source>Job end</source>
        <translation>Fin de trabajo</translation>
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
    <message>
        <source>run jobs</source>
        <translation>ejecutar trabajos</translation>
    </message>
    <message>
        <source>edit products</source>
        <translation>editar productos</translation>
    </message>
    <message>
        <source>sign templates</source>
        <translation>firmar plantillas</translation>
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
        <translation>N.º de contador</translation>
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
        <translation>Prefijo</translation>
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
    <message>
        <source>send messages outside a job</source>
        <translation>enviar mensajes fuera de un trabajo</translation>
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
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenido</translation>
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
    <name>SignatureDialog</name>
    <message>
        <source>Approve a template</source>
        <translation>Aprobar una plantilla</translation>
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
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>You sign %1, SHA-256 %2: give your name and password again.</source>
        <translation>Firma %1, SHA-256 %2: introduzca de nuevo su nombre y contraseña.</translation>
    </message>
    <message>
        <source>Users are off: the approval of %1, SHA-256 %2, is recorded under the system login and marked unsigned.</source>
        <translation>Usuarios desactivados: la aprobación de %1, SHA-256 %2, se registra con el usuario del sistema y se marca sin firma.</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>Cannot create the folder %1 in %2.</source>
        <translation>No se puede crear la carpeta %1 en %2.</translation>
    </message>
    <message>
        <source>%1 was not sent: it does not load as a message (%2).</source>
        <translation>%1 no se envió: no se abre como mensaje (%2).</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found: %2</source>
        <translation>%1 no se envió: la comprobación previa encontró: %2</translation>
    </message>
    <message>
        <source>%1 was not sent despite its findings: %2</source>
        <translation>%1 no se envió pese a aceptar los avisos: %2</translation>
    </message>
</context>
<context>
    <name>StationSettings</name>
    <message>
        <source>not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>larger than %1 KiB</source>
        <translation>mayor de %1 KiB</translation>
    </message>
    <message>
        <source>no such settings file</source>
        <translation>no existe ese archivo de configuración</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>[server] port must be a number from 1 to 65535, not "%1"</source>
        <translation>[server] port debe ser un número de 1 a 65535, no "%1"</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 no se puede leer (%2)</translation>
    </message>
    <message>
        <source>%1 is a link; change the file it names</source>
        <translation>%1 es un enlace; cambie el archivo al que apunta</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 no se puede escribir (%2)</translation>
    </message>
    <message>
        <source>The port holds until the program ends: %1.</source>
        <translation>El puerto vale hasta que se cierre el programa: %1.</translation>
    </message>
    <message>
        <source>The name holds until the program ends: %1.</source>
        <translation>El nombre vale hasta que se cierre el programa: %1.</translation>
    </message>
    <message>
        <source>The remark names of this account are used, but not yet kept in the settings: %1.</source>
        <translation>Se usan los nombres de esta cuenta, pero aún no se guardan en la configuración: %1.</translation>
    </message>
    <message>
        <source>[jobs] enabled must be true or false, not "%1"</source>
        <translation>[jobs] enabled debe ser true o false, no "%1"</translation>
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
        <translation>Producto</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Production date</source>
        <translation>Fecha de producción</translation>
    </message>
    <message>
        <source>Best before</source>
        <translation>Consumir preferentemente antes de</translation>
    </message>
    <message>
        <source>no sample could be made that matches its pattern %1, so it is checked with "A1"</source>
        <translation>no se pudo crear un ejemplo que cumpla su patrón %1, así que se comprueba con «A1»</translation>
    </message>
</context>
<context>
    <name>TemplateSigning</name>
    <message>
        <source>Approved for production</source>
        <translation>Aprobado para producción</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 no se puede leer (%2)</translation>
    </message>
    <message>
        <source>A signature needs its meaning.</source>
        <translation>La firma necesita su significado.</translation>
    </message>
    <message>
        <source>Only the user signed in (%1) may sign here.</source>
        <translation>Solo el usuario con sesión iniciada (%1) puede firmar aquí.</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>nadie</translation>
    </message>
    <message>
        <source>Not signed: %1</source>
        <translation>No firmado: %1</translation>
    </message>
    <message>
        <source>Not signed: only a Supervisor or an Administrator may approve templates.</source>
        <translation>No firmado: solo un Supervisor o un Administrador puede aprobar plantillas.</translation>
    </message>
    <message>
        <source>The approval is stored, but not in the journal: %1</source>
        <translation>La aprobación se guardó, pero no en el registro: %1</translation>
    </message>
    <message>
        <source>%1 by %2 (unsigned: users are off), %3, SHA-256 %4</source>
        <translation>%1 por %2 (sin firma: usuarios desactivados), %3, SHA-256 %4</translation>
    </message>
    <message>
        <source>%1, signed by %2, %3, SHA-256 %4</source>
        <translation>%1, firmado por %2, %3, SHA-256 %4</translation>
    </message>
    <message>
        <source>not approved: %1</source>
        <translation>no aprobada: %1</translation>
    </message>
    <message>
        <source>not approved (SHA-256 %1)</source>
        <translation>no aprobada (SHA-256 %1)</translation>
    </message>
    <message>
        <source>approval unknown: %1</source>
        <translation>aprobación desconocida: %1</translation>
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
        <translation>Contenido</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>Datos externos</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>Insertar campo</translation>
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
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>"yyyy" means year ,"MM" means month,"dd" means days.
e.g. "yyyy/MM/dd"  -&gt; "2021/05/20"

"hh" means hours ,"mm" means minutes,"ss" measn seconds.
e.g. ''hh:mm:ss" -&gt; "08:08:08"

Coustom date and other date format please see the instructions.</source>
        <translation>"yyyy" es el año, "MM" el mes, "dd" el día.
p. ej. "yyyy/MM/dd" -&gt; "2021/05/20"

"hh" son las horas, "mm" los minutos, "ss" los segundos.
p. ej. "hh:mm:ss" -&gt; "08:08:08"

Para otros formatos de fecha, vea las instrucciones.</translation>
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
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Vaild Days</source>
        <translation>Días de validez</translation>
    </message>
    <message>
        <source>Best before of the product</source>
        <translation>Fecha de consumo preferente del producto</translation>
    </message>
    <message>
        <source>In a product's template: a job gives this date the product's shelf life; the days above are what the designer shows meanwhile.</source>
        <translation>En la plantilla de un producto: el trabajo da a esta fecha la vida útil del producto; los días de arriba son lo que muestra el diseñador mientras tanto.</translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message>
        <source>Nobody can sign in until an administrator runs "KorvexControl --create-admin NAME" in this folder.</source>
        <translation>Nadie puede iniciar sesión hasta que un administrador ejecute "KorvexControl --create-admin NAME" en esta carpeta.</translation>
    </message>
    <message>
        <source>The users file %1 %2. %3</source>
        <translation>El archivo de usuarios %1 %2. %3</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>belongs to another account</source>
        <translation>pertenece a otra cuenta</translation>
    </message>
    <message>
        <source>may be read or written by other accounts</source>
        <translation>puede ser leído o escrito por otras cuentas</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>names no administrator</source>
        <translation>no nombra a ningún administrador</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a link, which is not followed</source>
        <translation>No se puede escribir %1: es un enlace, que no se sigue</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: its permissions cannot be set</source>
        <translation>No se puede escribir %1: no se pueden fijar sus permisos</translation>
    </message>
    <message>
        <source>A user name cannot be empty.</source>
        <translation>El nombre de usuario no puede estar vacío.</translation>
    </message>
    <message>
        <source>A user name has at most %1 characters.</source>
        <translation>El nombre de usuario tiene como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>A user name cannot begin or end with a space.</source>
        <translation>El nombre de usuario no puede empezar ni terminar con un espacio.</translation>
    </message>
    <message>
        <source>A user name cannot hold control characters.</source>
        <translation>El nombre de usuario no puede contener caracteres de control.</translation>
    </message>
    <message>
        <source>A user name cannot hold / or \.</source>
        <translation>El nombre de usuario no puede contener / ni \.</translation>
    </message>
    <message>
        <source>A password cannot be empty.</source>
        <translation>La contraseña no puede estar vacía.</translation>
    </message>
    <message>
        <source>%1 is the last administrator.</source>
        <translation>%1 es el último administrador.</translation>
    </message>
    <message>
        <source>There is no user %1.</source>
        <translation>No existe el usuario %1.</translation>
    </message>
    <message>
        <source>%1 is locked for %2 more seconds after %3 wrong passwords.</source>
        <translation>%1 está bloqueado %2 segundos más tras %3 contraseñas erróneas.</translation>
    </message>
    <message>
        <source>Wrong name or password. %1 is locked for a minute.</source>
        <translation>Nombre o contraseña incorrectos. %1 queda bloqueado un minuto.</translation>
    </message>
    <message>
        <source>Wrong name or password.</source>
        <translation>Nombre o contraseña incorrectos.</translation>
    </message>
    <message>
        <source>%1 is a link to %2 that cannot be removed; nothing changed.</source>
        <translation>%1 es un enlace a %2 que no se puede quitar; no cambió nada.</translation>
    </message>
    <message>
        <source>%1 was a link to %2: the link is removed and %1 written anew; %2 is left as it was.</source>
        <translation>%1 era un enlace a %2: se quitó el enlace y %1 se escribió de nuevo; %2 queda como estaba.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; nothing changed.</source>
        <translation>%1 no es un archivo normal; no cambió nada.</translation>
    </message>
    <message>
        <source>%1 cannot be read; nothing changed.</source>
        <translation>%1 no se puede leer; no cambió nada.</translation>
    </message>
    <message>
        <source>%1 belonged to another account, who could have put any user there: it is written anew without its users.</source>
        <translation>%1 pertenecía a otra cuenta, que pudo poner cualquier usuario: se escribió de nuevo sin sus usuarios.</translation>
    </message>
    <message>
        <source>%1 could be written by other accounts, who could have put any user there: it is written anew without its users.</source>
        <translation>%1 podía ser escrito por otras cuentas, que pudieron poner cualquier usuario: se escribió de nuevo sin sus usuarios.</translation>
    </message>
    <message>
        <source>%1 was damaged: it is written anew without its users.</source>
        <translation>%1 estaba dañado: se escribió de nuevo sin sus usuarios.</translation>
    </message>
    <message>
        <source>%1 could be read by other accounts: it is now readable by its owner only. The users kept should change their passwords, whose hashes could be read.</source>
        <translation>%1 podía ser leído por otras cuentas: ahora solo lo lee su dueño. Los usuarios conservados deben cambiar sus contraseñas, cuyos hashes pudieron leerse.</translation>
    </message>
    <message>
        <source>The other users are kept: %1.</source>
        <translation>Se conservan los demás usuarios: %1.</translation>
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
<context>
    <name>ParameterChange</name>
    <message>
        <source>spray mode</source>
        <translation>modo de impresión</translation>
    </message>
    <message>
        <source>device value 1</source>
        <translation>valor del equipo 1</translation>
    </message>
    <message>
        <source>device value 2</source>
        <translation>valor del equipo 2</translation>
    </message>
    <message>
        <source>resolution</source>
        <translation>resolución</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>disparo</translation>
    </message>
    <message>
        <source>head range</source>
        <translation>rango de cabezales</translation>
    </message>
    <message>
        <source>splice</source>
        <translation>empalme</translation>
    </message>
    <message>
        <source>heads</source>
        <translation>cabezales</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>dirección</translation>
    </message>
    <message>
        <source>head 1 offset</source>
        <translation>desplazamiento del cabezal 1</translation>
    </message>
    <message>
        <source>head 2 offset</source>
        <translation>desplazamiento del cabezal 2</translation>
    </message>
    <message>
        <source>head 3 offset</source>
        <translation>desplazamiento del cabezal 3</translation>
    </message>
    <message>
        <source>head 4 offset</source>
        <translation>desplazamiento del cabezal 4</translation>
    </message>
    <message>
        <source>head 1 direction</source>
        <translation>dirección del cabezal 1</translation>
    </message>
    <message>
        <source>head 2 direction</source>
        <translation>dirección del cabezal 2</translation>
    </message>
    <message>
        <source>head 3 direction</source>
        <translation>dirección del cabezal 3</translation>
    </message>
    <message>
        <source>head 4 direction</source>
        <translation>dirección del cabezal 4</translation>
    </message>
    <message>
        <source>encoder</source>
        <translation>encoder</translation>
    </message>
    <message>
        <source>beep</source>
        <translation>pitido</translation>
    </message>
    <message>
        <source>encoder pulses</source>
        <translation>pulsos del encoder</translation>
    </message>
    <message>
        <source>encoder diameter</source>
        <translation>diámetro del encoder</translation>
    </message>
    <message>
        <source>line speed</source>
        <translation>velocidad de la línea</translation>
    </message>
    <message>
        <source>signal interval</source>
        <translation>intervalo de señal</translation>
    </message>
    <message>
        <source>device value 3</source>
        <translation>valor del equipo 3</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>per revolution</source>
        <translation>por vuelta</translation>
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
        <translation>invertido</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>volteado</translation>
    </message>
    <message>
        <source>rev/inv</source>
        <translation>inv./volt.</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>código %1</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>alta calidad</translation>
    </message>
    <message>
        <source>high speed</source>
        <translation>alta velocidad</translation>
    </message>
    <message>
        <source>external signal</source>
        <translation>señal externa</translation>
    </message>
    <message>
        <source>internal signal</source>
        <translation>señal interna</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>on</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>off</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
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
        <translation>Cerrar</translation>
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
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abortar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
</context>
</TS>
