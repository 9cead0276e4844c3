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
    <name>BarcodeSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenuto</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Edit the content line by line</source>
        <translation>Modifica il contenuto riga per riga</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>Tenths: 20 is scale 2.0</source>
        <translation>Decimi: 20 è scala 2.0</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>Mostra testo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Data Mode</source>
        <translation>Modalità dati</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>GS1</source>
        <translation>GS1</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>Dati esterni</translation>
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
        <translation>Codice QR (ISO 18004)</translation>
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
        <translation>Inserisci campo</translation>
    </message>
</context>
<context>
    <name>BatchRecordPdf</name>
    <message>
        <source>the message is too large to draw</source>
        <translation>il messaggio è troppo grande da disegnare</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 non scrivibile (%2)</translation>
    </message>
    <message>
        <source>Batch record of job %1</source>
        <translation>Registro di lotto del lavoro %1</translation>
    </message>
    <message>
        <source>Batch record: job %1</source>
        <translation>Registro di lotto: lavoro %1</translation>
    </message>
    <message>
        <source>Product: %1 %2</source>
        <translation>Prodotto: %1 %2</translation>
    </message>
    <message>
        <source>Order: %1    Lot: %2</source>
        <translation>Ordine: %1    Lotto: %2</translation>
    </message>
    <message>
        <source>Started: %1 by %2</source>
        <translation>Inizio: %1 da %2</translation>
    </message>
    <message>
        <source>Ended: not yet</source>
        <translation>Fine: non ancora</translation>
    </message>
    <message>
        <source>Ended: %1 by %2</source>
        <translation>Fine: %1 da %2</translation>
    </message>
    <message>
        <source>Field values</source>
        <translation>Valori dei campi</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Modello</translation>
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
        <translation>Messaggio inviato</translation>
    </message>
    <message>
        <source>SHA-256 %1</source>
        <translation>SHA-256 %1</translation>
    </message>
    <message>
        <source>(no picture: the message sent is no longer in the folder of jobs)</source>
        <translation>(nessuna immagine: il messaggio inviato non è più nella cartella dei lavori)</translation>
    </message>
    <message>
        <source>(no picture: %1)</source>
        <translation>(nessuna immagine: %1)</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Codificatori</translation>
    </message>
    <message>
        <source>%1 %2: %3 at %4; read back %5</source>
        <translation>%1 %2: %3 alle %4; riletto %5</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>niente</translation>
    </message>
    <message>
        <source>    started %1, stopped %2</source>
        <translation>    avviato %1, arrestato %2</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 non è scrivibile</translation>
    </message>
    <message>
        <source>Code readers</source>
        <translation>Lettori di codici</translation>
    </message>
    <message>
        <source>%1, reader %2: %3 good, %4 bad, %5 no read, %6 not compared</source>
        <translation>%1, lettore %2: %3 corretti, %4 errati, %5 non letti, %6 non confrontati</translation>
    </message>
    <message>
        <source>Challenge test of %1, reader %2, %3 at %4 by %5 after %6 reads%7</source>
        <translation>Test di verifica di %1, lettore %2, %3 il %4 da %5 dopo %6 letture%7</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>superato</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>non superato</translation>
    </message>
</context>
<context>
    <name>BatchRecordsDialog</name>
    <message>
        <source>Batch records</source>
        <translation>Registri di lotto</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>Lotto</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Lavoro</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Prodotto</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Ordine</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Esporta CSV...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Esporta PDF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message numerus="yes">
        <source>%n jobs</source>
        <translation>
            <numerusform>%n lavoro</numerusform>
            <numerusform>%n lavori</numerusform>
        </translation>
    </message>
    <message>
        <source>The batch records cannot be read: %1</source>
        <translation>Impossibile leggere i registri di lotto: %1</translation>
    </message>
    <message>
        <source>Template %1: %2
Message sent: SHA-256 %3</source>
        <translation>Modello %1: %2
Messaggio inviato: SHA-256 %3</translation>
    </message>
    <message>
        <source>run without an approval</source>
        <translation>eseguito senza approvazione</translation>
    </message>
    <message>
        <source>Export the batch record</source>
        <translation>Esporta il registro di lotto</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 non scrivibile (%2)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>File PDF (*.pdf);;Tutti i file (*)</translation>
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
    <message>
        <source>Job: %1</source>
        <translation>Lavoro: %1</translation>
    </message>
    <message>
        <source>Lot: %1</source>
        <translation>Lotto: %1</translation>
    </message>
    <message>
        <source>Job state: %1</source>
        <translation>Stato del lavoro: %1</translation>
    </message>
    <message>
        <source>Line: %1</source>
        <translation>Linea: %1</translation>
    </message>
    <message>
        <source>Not heard of: the last values known</source>
        <translation>Nessuna notizia: ultimi valori noti</translation>
    </message>
</context>
<context>
    <name>CommandJournal</name>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>%1 is not saved: the journal cannot be written (%2).</source>
        <translation>%1 non salvato: il registro non è scrivibile (%2).</translation>
    </message>
    <message>
        <source>%1 was saved, but: %2</source>
        <translation>%1 è stato salvato, ma: %2</translation>
    </message>
    <message>
        <source>The journal cannot be used: %1</source>
        <translation>Il registro non è utilizzabile: %1</translation>
    </message>
    <message>
        <source>Not done: its journal line cannot be written (%1)</source>
        <translation>Non eseguito: la sua riga del registro non è scrivibile (%1)</translation>
    </message>
    <message>
        <source>Not in the journal (%1): %2</source>
        <translation>Non nel registro (%1): %2</translation>
    </message>
    <message>
        <source>%1, %2 bytes, SHA-256 %3</source>
        <translation>%1, %2 byte, SHA-256 %3</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>invariato</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2 → %3</source>
        <translation>%1, SHA-256 %2 → %3</translation>
    </message>
    <message>
        <source>%1 cut-off line(s) recorded</source>
        <translation>%1 riga/e troncata/e registrata/e</translation>
    </message>
    <message>
        <source>%1 line(s) that are no journal lines recorded</source>
        <translation>%1 riga/e che non sono del registro registrata/e</translation>
    </message>
    <message>
        <source>line %1 changed after its head named it</source>
        <translation>riga %1 modificata dopo che l'intestazione l'ha indicata</translation>
    </message>
    <message>
        <source>lines %1 to %2 never named by the head</source>
        <translation>righe da %1 a %2 mai indicate dall'intestazione</translation>
    </message>
    <message>
        <source>head %1</source>
        <translation>intestazione %1</translation>
    </message>
    <message>
        <source>first administrator %1</source>
        <translation>primo amministratore %1</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuti</translation>
    </message>
    <message>
        <source>over %1, broker account %2, user as claimed</source>
        <translation>via %1, account del broker %2, utente dichiarato</translation>
    </message>
    <message>
        <source>over %1, broker account %2</source>
        <translation>via %1, account del broker %2</translation>
    </message>
</context>
<context>
    <name>CommandText</name>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Print parameters</source>
        <translation>Parametri di stampa</translation>
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
        <translation>utente dichiarato %1</translation>
    </message>
    <message>
        <source>sent unchanged</source>
        <translation>inviati senza modifiche</translation>
    </message>
    <message>
        <source>no coder</source>
        <translation>nessun codificatore</translation>
    </message>
    <message>
        <source>%1 coders</source>
        <translation>%1 codificatori</translation>
    </message>
    <message>
        <source>%1 sent to %2</source>
        <translation>%1 inviato a %2</translation>
    </message>
    <message>
        <source>Print parameters sent to %1 (its own were not reported before)</source>
        <translation>Parametri di stampa inviati a %1 (i suoi non erano noti)</translation>
    </message>
    <message>
        <source>Print parameters of %1: %2</source>
        <translation>Parametri di stampa di %1: %2</translation>
    </message>
    <message>
        <source>Port changed from %1 to %2</source>
        <translation>Porta cambiata da %1 a %2</translation>
    </message>
    <message>
        <source>Remark name of %1 removed (was %2)</source>
        <translation>Nome di %1 rimosso (era %2)</translation>
    </message>
    <message>
        <source>%1 named %2</source>
        <translation>%1 ora si chiama %2</translation>
    </message>
    <message>
        <source>%1 renamed from %2 to %3</source>
        <translation>%1 rinominato da %2 a %3</translation>
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
    <name>DesignHistory</name>
    <message>
        <source>content</source>
        <translation>contenuto</translation>
    </message>
    <message>
        <source>external data</source>
        <translation>dati esterni</translation>
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
        <translation>rotazione</translation>
    </message>
    <message>
        <source>font</source>
        <translation>carattere</translation>
    </message>
    <message>
        <source>font size</source>
        <translation>dimensione carattere</translation>
    </message>
    <message>
        <source>letter spacing</source>
        <translation>spaziatura</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>grassetto</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>corsivo</translation>
    </message>
    <message>
        <source>underline</source>
        <translation>sottolineato</translation>
    </message>
    <message>
        <source>format</source>
        <translation>formato</translation>
    </message>
    <message>
        <source>valid days</source>
        <translation>giorni di validità</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>contatore</translation>
    </message>
    <message>
        <source>base</source>
        <translation>base</translation>
    </message>
    <message>
        <source>digits</source>
        <translation>cifre</translation>
    </message>
    <message>
        <source>fill character</source>
        <translation>carattere di riempimento</translation>
    </message>
    <message>
        <source>symbology</source>
        <translation>simbologia</translation>
    </message>
    <message>
        <source>height</source>
        <translation>altezza</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>scala</translation>
    </message>
    <message>
        <source>text line</source>
        <translation>riga di testo</translation>
    </message>
    <message>
        <source>size</source>
        <translation>dimensione</translation>
    </message>
    <message>
        <source>data mode</source>
        <translation>modalità dati</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>immagine</translation>
    </message>
    <message>
        <source>shift table</source>
        <translation>tabella turni</translation>
    </message>
    <message>
        <source>properties</source>
        <translation>proprietà</translation>
    </message>
    <message>
        <source>best before of the product</source>
        <translation>scadenza del prodotto</translation>
    </message>
</context>
<context>
    <name>DesignTemplate</name>
    <message>
        <source>the catalogue is not open</source>
        <translation>il catalogo non è aperto</translation>
    </message>
    <message>
        <source>%1: %2 by %3 (unsigned: users are off), %4</source>
        <translation>%1: %2 da %3 (senza firma: utenti disattivati), %4</translation>
    </message>
    <message>
        <source>%1: %2, signed by %3, %4</source>
        <translation>%1: %2, firmato da %3, %4</translation>
    </message>
    <message>
        <source>%1: not approved</source>
        <translation>%1: non approvato</translation>
    </message>
    <message>
        <source>%1: approval unknown (%2)</source>
        <translation>%1: approvazione sconosciuta (%2)</translation>
    </message>
    <message>
        <source>The template of %1. The version a save writes must be signed before a job may run it.</source>
        <translation>Il modello di %1. La versione scritta da un salvataggio va firmata prima che un lavoro possa usarla.</translation>
    </message>
</context>
<context>
    <name>DesignUndo</name>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Codice a barre</translation>
    </message>
    <message>
        <source>Shift code</source>
        <translation>Codice turno</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Aggiungi %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n item(s)</source>
        <translation>
            <numerusform>Aggiungi %n elemento</numerusform>
            <numerusform>Aggiungi %n elementi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n item(s)</source>
        <translation>
            <numerusform>Elimina %n elemento</numerusform>
            <numerusform>Elimina %n elementi</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Sposta %1</translation>
    </message>
    <message numerus="yes">
        <source>Move %n item(s)</source>
        <translation>
            <numerusform>Sposta %n elemento</numerusform>
            <numerusform>Sposta %n elementi</numerusform>
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
        <translation>nessuna cartella per un codificatore chiamato "%1"</translation>
    </message>
    <message>
        <source>%1 leads through a link; no folder is made</source>
        <translation>%1 passa per un collegamento; la cartella non viene creata</translation>
    </message>
    <message>
        <source>cannot create folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>unsafe file name "%1" refused</source>
        <translation>nome file non sicuro "%1" rifiutato</translation>
    </message>
    <message>
        <source>file name of %1 bytes refused, at most %2</source>
        <translation>nome file di %1 byte rifiutato, al massimo %2</translation>
    </message>
    <message>
        <source>%1 leads through a link; nothing is written</source>
        <translation>%1 passa per un collegamento; non viene scritto nulla</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
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
    <name>EditWidget</name>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Principale</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>SN</source>
        <translation>Contatore</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Codice a barre</translation>
    </message>
    <message>
        <source>Shiftcode</source>
        <translation>Codice turno</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+wheel up)</source>
        <translation>Ingrandisci (Ctrl + rotellina su)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+wheel down)</source>
        <translation>Riduci (Ctrl + rotellina giù)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Fit the message to the window</source>
        <translation>Adatta il messaggio alla finestra</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>One screen pixel per dot</source>
        <translation>Un pixel dello schermo per punto</translation>
    </message>
    <message>
        <source>Preview at</source>
        <translation>Anteprima al</translation>
    </message>
    <message>
        <source>What the message prints at a chosen date, time and shift</source>
        <translation>Cosa stampa il messaggio alla data, ora e turno scelti</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annulla %1</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Niente da annullare</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti %1</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Niente da ripetere</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Spray Files (*.spr)</source>
        <translation>File Spray (*.spr)</translation>
    </message>
    <message>
        <source>the new message</source>
        <translation>il nuovo messaggio</translation>
    </message>
    <message>
        <source>The message has been changed.
Do you want to save your changes?</source>
        <translation>Il messaggio è stato modificato.
Salvare le modifiche?</translation>
    </message>
</context>
<context>
    <name>FieldMenu</name>
    <message>
        <source>Insert field</source>
        <translation>Inserisci campo</translation>
    </message>
    <message>
        <source>Insert a placeholder that a job fills</source>
        <translation>Inserisci un segnaposto che il lavoro compila</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>Copy for coder %1 failed: %2</source>
        <translation>Copia per il codificatore %1 non riuscita: %2</translation>
    </message>
    <message>
        <source>Listening for coders on port %1</source>
        <translation>In attesa dei codificatori sulla porta %1</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. No coder can connect; choose another port and press "Built".</source>
        <translation>Impossibile ascoltare sulla porta %1: %2. Nessun codificatore può collegarsi; scegliere un'altra porta e premere "Apri porta".</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <translation>Impossibile ascoltare sulla porta %1: %2.</translation>
    </message>
    <message>
        <source>Back to port %1.</source>
        <translation>Si torna alla porta %1.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. Nothing was sent.</source>
        <translation>Impossibile leggere %1: %2. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>Non è un file normale</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>Il file supera %1 MiB</translation>
    </message>
    <message>
        <source>Cannot send %1: %2. Nothing was sent.</source>
        <translation>Impossibile inviare %1: %2. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took %2.</source>
        <translation>Il codificatore %1 si è scollegato prima di ricevere %2.</translation>
    </message>
    <message>
        <source>Coder %1 did not report its message after %2 was sent: not verified.</source>
        <translation>Il codificatore %1 non ha riportato il suo messaggio dopo l'invio di %2: non verificato.</translation>
    </message>
    <message>
        <source>A remark name cannot hold control characters. The name stays as it was.</source>
        <translation>Un nome non può contenere caratteri di controllo. Il nome resta com'era.</translation>
    </message>
    <message>
        <source>%1: no coder chosen; nothing was sent.</source>
        <translation>%1: nessun codificatore scelto; non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>Not started: %1 Nothing was sent.</source>
        <translation>Non avviato: %1 Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>%1. The port stays as it was.</source>
        <translation>%1. La porta resta com'era.</translation>
    </message>
    <message>
        <source>%1. The name stays as it was.</source>
        <translation>%1. Il nome resta com'era.</translation>
    </message>
    <message>
        <source>%1. Nothing was sent.</source>
        <translation>%1. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took the command.</source>
        <translation>Il codificatore %1 si è scollegato prima di ricevere il comando.</translation>
    </message>
    <message>
        <source>Coder %1 connected</source>
        <translation>Codificatore %1 connesso</translation>
    </message>
    <message>
        <source>Coder %1 disconnected</source>
        <translation>Codificatore %1 scollegato</translation>
    </message>
    <message>
        <source>Current file of coder %1 not stored: %2</source>
        <translation>File corrente del codificatore %1 non salvato: %2</translation>
    </message>
    <message>
        <source>Coder %1 holds another message than was sent: sent %2 (SHA-256 %3), holds %4 (SHA-256 %5).</source>
        <translation>Il codificatore %1 ha un messaggio diverso da quello inviato: inviato %2 (SHA-256 %3), contiene %4 (SHA-256 %5).</translation>
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
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Text Space</source>
        <translation>Spaziatura</translation>
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
        <translation>Guida</translation>
    </message>
    <message>
        <source>Operator's Manual</source>
        <translation>Manuale dell'operatore</translation>
    </message>
    <message>
        <source>The operator's manual is not installed (looked in %1).</source>
        <translation>Il manuale dell'operatore non è installato (cercato in %1).</translation>
    </message>
    <message>
        <source>The operator's manual could not be opened: no browser took %1.</source>
        <translation>Impossibile aprire il manuale dell'operatore: nessun browser ha aperto %1.</translation>
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
        <translation>Scegli immagine</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Immagini (%1)</translation>
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
    <name>JobScan</name>
    <message>
        <source>Scan the packaging on the line: a job of %1 starts only when it shows GTIN %2.</source>
        <translation>Scansionare l'imballaggio sulla linea: un lavoro di %1 parte solo se mostra il GTIN %2.</translation>
    </message>
    <message>
        <source>%1 (character %2)</source>
        <translation>%1 (carattere %2)</translation>
    </message>
    <message>
        <source>The scan holds no GTIN (01): %1</source>
        <translation>La scansione non contiene un GTIN (01): %1</translation>
    </message>
    <message>
        <source>No product has the GTIN %1.</source>
        <translation>Nessun prodotto ha il GTIN %1.</translation>
    </message>
    <message>
        <source>Lot %1 from the scan.</source>
        <translation>Lotto %1 dalla scansione.</translation>
    </message>
    <message>
        <source>Production date %1 from the scan.</source>
        <translation>Data di produzione %1 dalla scansione.</translation>
    </message>
    <message>
        <source>the best-before date (15) %1</source>
        <translation>la data di consumo preferibile (15) %1</translation>
    </message>
    <message>
        <source>the expiry date (17) %1</source>
        <translation>la data di scadenza (17) %1</translation>
    </message>
    <message>
        <source>Check the packaging: %1 is not %2, which the shelf life of %3 (%4) gives.</source>
        <translation>Controllare l'imballaggio: %1 non è %2, che risulta dalla durata di %3 (%4).</translation>
    </message>
    <message>
        <source>Packaging confirmed: GTIN %1.</source>
        <translation>Imballaggio confermato: GTIN %1.</translation>
    </message>
    <message>
        <source>The packaging scanned (GTIN %1) is not that of %2 (GTIN %3): the job does not start.</source>
        <translation>L'imballaggio scansionato (GTIN %1) non è quello di %2 (GTIN %3): il lavoro non parte.</translation>
    </message>
</context>
<context>
    <name>JobsPanel</name>
    <message>
        <source>Jobs</source>
        <translation>Lavori</translation>
    </message>
    <message>
        <source>Search products by code, GTIN or name</source>
        <translation>Cerca prodotti per codice, GTIN o nome</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Type or scan the GTIN, then Enter</source>
        <translation>Digitare o scansionare il GTIN, poi Invio</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Prodotto</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Ordine</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>Lotto</translation>
    </message>
    <message>
        <source>Start job</source>
        <translation>Avvia lavoro</translation>
    </message>
    <message>
        <source>Start printing</source>
        <translation>Avvia stampa</translation>
    </message>
    <message>
        <source>End job</source>
        <translation>Termina lavoro</translation>
    </message>
    <message>
        <source>This window runs no jobs: it has no catalogue.</source>
        <translation>Questa finestra non esegue lavori: non ha un catalogo.</translation>
    </message>
    <message>
        <source>The catalogue (%1) is not open; no job starts until it is.</source>
        <translation>Il catalogo (%1) non è aperto; nessun lavoro parte finché non lo è.</translation>
    </message>
    <message>
        <source>Products cannot be listed: %1</source>
        <translation>Impossibile elencare i prodotti: %1</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>nessuno scelto</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>AAAA-MM-GG</translation>
    </message>
    <message>
        <source>Coders: none checked in the device list</source>
        <translation>Codificatori: nessuno selezionato nell'elenco dispositivi</translation>
    </message>
    <message>
        <source>Coders: %1</source>
        <translation>Codificatori: %1</translation>
    </message>
    <message>
        <source>Not allowed for this product: %1</source>
        <translation>Non ammessi per questo prodotto: %1</translation>
    </message>
    <message>
        <source>Choose a product first.</source>
        <translation>Scegliere prima un prodotto.</translation>
    </message>
    <message>
        <source>Check the coders of the job in the device list first.</source>
        <translation>Selezionare prima i codificatori del lavoro nell'elenco dispositivi.</translation>
    </message>
    <message>
        <source>The job was not started: %1</source>
        <translation>Il lavoro non è stato avviato: %1</translation>
    </message>
    <message>
        <source>Job %1 started: %2, order %3, lot %4.</source>
        <translation>Lavoro %1 avviato: %2, ordine %3, lotto %4.</translation>
    </message>
    <message>
        <source>No job is running in this view.</source>
        <translation>Nessun lavoro in corso in questa vista.</translation>
    </message>
    <message>
        <source>Not started: no coder of job %1 is verified.</source>
        <translation>Non avviato: nessun codificatore del lavoro %1 è verificato.</translation>
    </message>
    <message>
        <source>Job %1 was not ended: %2</source>
        <translation>Il lavoro %1 non è stato terminato: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Job %1 ended.</source>
        <translation>Lavoro %1 terminato.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>codificatore scollegato</translation>
    </message>
    <message>
        <source>not in the job</source>
        <translation>non nel lavoro</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>invio</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificato</translation>
    </message>
    <message>
        <source>running</source>
        <translation>in corso</translation>
    </message>
    <message>
        <source>mismatch</source>
        <translation>non corrisponde</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>non verificato</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Imballaggio</translation>
    </message>
    <message>
        <source>Scan the packaging on the line, then Enter</source>
        <translation>Scansionare l'imballaggio sulla linea, poi Invio</translation>
    </message>
    <message numerus="yes">
        <source>%n batch-record write(s) wait for the catalogue; they are written in order when it is back.</source>
        <translation>
            <numerusform>%n scrittura del registro di lotto attende il catalogo; viene scritta in ordine al suo ritorno.</numerusform>
            <numerusform>%n scritture del registro di lotto attendono il catalogo; vengono scritte in ordine al suo ritorno.</numerusform>
        </translation>
    </message>
    <message>
        <source>The job was not started: no line took it; the event log says why.</source>
        <translation>Il lavoro non è stato avviato: nessuna linea lo ha preso; il registro eventi dice perché.</translation>
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
        <source>message sent</source>
        <translation>messaggio inviato</translation>
    </message>
    <message>
        <source>print parameters</source>
        <translation>parametri di stampa</translation>
    </message>
    <message>
        <source>start</source>
        <translation>avvio</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>arresto</translation>
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
        <translation>messaggio salvato</translation>
    </message>
    <message>
        <source>command failed</source>
        <translation>comando non riuscito</translation>
    </message>
    <message>
        <source>journal recovered</source>
        <translation>registro ripristinato</translation>
    </message>
    <message>
        <source>sign-in</source>
        <translation>accesso</translation>
    </message>
    <message>
        <source>sign-in refused</source>
        <translation>accesso rifiutato</translation>
    </message>
    <message>
        <source>sign-out</source>
        <translation>disconnessione</translation>
    </message>
    <message>
        <source>users on</source>
        <translation>utenti attivati</translation>
    </message>
    <message>
        <source>users off</source>
        <translation>utenti disattivati</translation>
    </message>
    <message>
        <source>user set</source>
        <translation>utente impostato</translation>
    </message>
    <message>
        <source>user removed</source>
        <translation>utente rimosso</translation>
    </message>
    <message>
        <source>idle time</source>
        <translation>tempo di inattività</translation>
    </message>
    <message>
        <source>administrator created</source>
        <translation>amministratore creato</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Codificatori</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
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
    <message>
        <source>Jobs</source>
        <translation>Lavori</translation>
    </message>
    <message>
        <source>Show or hide the jobs view</source>
        <translation>Mostra o nascondi i lavori</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message>
        <source>Can not find the extern data file!</source>
        <translation>Impossibile trovare il file dei dati esterni!</translation>
    </message>
    <message>
        <source>The columns in the file don't match the extern items you create!</source>
        <translation>Le colonne del file non corrispondono ai campi esterni creati!</translation>
    </message>
    <message>
        <source>Unknown Error!</source>
        <translation>Errore sconosciuto!</translation>
    </message>
    <message>
        <source>The extern data file is a device or a pipe, not a plain file!</source>
        <translation>Il file dei dati esterni è un dispositivo o una pipe, non un file normale!</translation>
    </message>
    <message>
        <source>The extern data file is larger than %1 MiB!</source>
        <translation>Il file dei dati esterni supera %1 MiB!</translation>
    </message>
    <message>
        <source>The extern data file has a line longer than %1 bytes!</source>
        <translation>Il file dei dati esterni ha una riga più lunga di %1 byte!</translation>
    </message>
    <message>
        <source>Qt Drawing</source>
        <translation>File messaggio</translation>
    </message>
    <message>
        <source>t</source>
        <translation>File dati</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Impossibile scrivere il file %1:
%2.</translation>
    </message>
    <message>
        <source>Cannot read print file %1:
%2.</source>
        <translation>Impossibile leggere il file di stampa %1:
%2.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>Il file supera %1 MiB</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>Non è un file normale</translation>
    </message>
    <message>
        <source>File %1 is empty.</source>
        <translation>Il file %1 è vuoto.</translation>
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
    <message>
        <source>%1, read back %2</source>
        <translation>%1, riletto alle %2</translation>
    </message>
    <message>
        <source>%1, read back %2: not the message sent
sent SHA-256 %3
held SHA-256 %4</source>
        <translation>%1, riletto alle %2: non è il messaggio inviato
inviato SHA-256 %3
nel codificatore SHA-256 %4</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>%1: no read-back since %2 (sent SHA-256 %3)</source>
        <translation>%1: nessuna rilettura dalle %2 (inviato SHA-256 %3)</translation>
    </message>
    <message>
        <source>%1, waiting for the read-back</source>
        <translation>%1, in attesa della rilettura</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Preflight</name>
    <message>
        <source>left</source>
        <translation>sinistro</translation>
    </message>
    <message>
        <source>top</source>
        <translation>superiore</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>inferiore</translation>
    </message>
    <message>
        <source>Reaches past the %1 edge of the print area: that part is not printed.</source>
        <translation>Supera il bordo %1 dell'area di stampa: quella parte non viene stampata.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Lies on the band of head %1, which the head mask leaves out: that part is not printed.</source>
        <translation>Cade nella fascia della testina %1, esclusa dalla maschera delle testine: quella parte non viene stampata.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The content is more than the symbol holds at its size: %1</source>
        <translation>Il contenuto supera quanto il simbolo contiene a questa dimensione: %1</translation>
    </message>
    <message>
        <source>The GS1 data is refused: %1</source>
        <translation>I dati GS1 sono rifiutati: %1</translation>
    </message>
    <message>
        <source>The content cannot be encoded: %1</source>
        <translation>Il contenuto non può essere codificato: %1</translation>
    </message>
    <message>
        <source>A module is %1 dots wide, not a whole number of dots: the coder prints bars of uneven width. Choose a scale whose module is whole dots.</source>
        <translation>Un modulo è largo %1 punti, non un numero intero: il codificatore stampa barre di larghezza irregolare. Scegliere una scala con modulo di punti interi.</translation>
    </message>
    <message>
        <source>The font "%1" is neither installed nor in the fonts folder.</source>
        <translation>Il carattere "%1" non è installato né nella cartella dei caratteri.</translation>
    </message>
    <message>
        <source>No picture was chosen: the placeholder would print.</source>
        <translation>Nessuna immagine scelta: verrebbe stampato il segnaposto.</translation>
    </message>
    <message>
        <source>The picture %1 is not in the picture folder.</source>
        <translation>L'immagine %1 non è nella cartella delle immagini.</translation>
    </message>
    <message>
        <source>Text "%1"</source>
        <translation>Testo "%1"</translation>
    </message>
    <message>
        <source>Date "%1"</source>
        <translation>Data "%1"</translation>
    </message>
    <message>
        <source>Serial number "%1"</source>
        <translation>Numero di serie "%1"</translation>
    </message>
    <message>
        <source>Shift code "%1"</source>
        <translation>Codice turno "%1"</translation>
    </message>
    <message>
        <source>Barcode "%1"</source>
        <translation>Codice a barre "%1"</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Immagine %1</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Data file</source>
        <translation>File dati</translation>
    </message>
    <message>
        <source>The data file "%1" is not there: the data fields print nothing.</source>
        <translation>Il file dati "%1" non c'è: i campi dati non stampano nulla.</translation>
    </message>
    <message>
        <source>{{%1}} is neither a standard placeholder nor a field of the product: a job of it cannot fill it.</source>
        <translation>{{%1}} non è un segnaposto standard né un campo del prodotto: un lavoro non può compilarlo.</translation>
    </message>
    <message>
        <source>{{%1}} is no standard placeholder: only a product with a field of that name can fill it.</source>
        <translation>{{%1}} non è un segnaposto standard: solo un prodotto con un campo di quel nome può compilarlo.</translation>
    </message>
    <message>
        <source>The field %1 ({{%2}}): %3.</source>
        <translation>Il campo %1 ({{%2}}): %3.</translation>
    </message>
    <message>
        <source>Filled with %1: %2</source>
        <translation>Compilato con %1: %2</translation>
    </message>
</context>
<context>
    <name>PreflightDialog</name>
    <message>
        <source>Pre-flight check</source>
        <translation>Controllo preliminare</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 problema</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problemi</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is sent:</source>
        <translation>Il controllo preliminare ha trovato %1 in %2 prima dell'invio:</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is saved:</source>
        <translation>Il controllo preliminare ha trovato %1 in %2 prima del salvataggio:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Invia comunque</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Salva comunque</translation>
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
    <name>PrintPreviewDialog</name>
    <message>
        <source>Preview at</source>
        <translation>Anteprima al</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Conteggio</translation>
    </message>
    <message>
        <source>as now</source>
        <translation>come ora</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Adesso</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Copy the designer's message again</source>
        <translation>Copia di nuovo il messaggio dell'editor</translation>
    </message>
    <message>
        <source>Next changes of the printed text</source>
        <translation>Prossime modifiche del testo stampato</translation>
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
        <translation>Prima</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>(by the time)</source>
        <translation>(in base all'ora)</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 da %2</translation>
    </message>
    <message>
        <source>Changes every hour: %1</source>
        <translation>Cambia ogni ora: %1</translation>
    </message>
    <message>
        <source>Changes every minute: %1</source>
        <translation>Cambia ogni minuto: %1</translation>
    </message>
    <message>
        <source>Changes every second: %1</source>
        <translation>Cambia ogni secondo: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing in the message changes with the date within %n year(s).</source>
        <translation>
            <numerusform>Nulla nel messaggio cambia con la data entro %n anno.</numerusform>
            <numerusform>Nulla nel messaggio cambia con la data entro %n anni.</numerusform>
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
        <translation>Codice turno %1</translation>
    </message>
    <message>
        <source>midnight</source>
        <translation>mezzanotte</translation>
    </message>
    <message>
        <source>month end</source>
        <translation>fine mese</translation>
    </message>
    <message>
        <source>29 February</source>
        <translation>29 febbraio</translation>
    </message>
    <message>
        <source>shift change</source>
        <translation>cambio turno</translation>
    </message>
</context>
<context>
    <name>ProductsDialog</name>
    <message>
        <source>Products</source>
        <translation>Prodotti</translation>
    </message>
    <message>
        <source>Search code, GTIN or name</source>
        <translation>Cerca codice, GTIN o nome</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
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
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Approve...</source>
        <translation>Approva...</translation>
    </message>
    <message>
        <source>Shelf life</source>
        <translation>Durata di conservazione</translation>
    </message>
    <message>
        <source>30 days, 18 months, 18 months, end of month</source>
        <translation>30 days, 18 months, 18 months, end of month</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Codificatori</translation>
    </message>
    <message>
        <source>Line *; 127.0.0.*</source>
        <translation>Line *; 127.0.0.*</translation>
    </message>
    <message>
        <source>Job fields</source>
        <translation>Campi del lavoro</translation>
    </message>
    <message>
        <source>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</source>
        <translation>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importa CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Esporta CSV...</translation>
    </message>
    <message>
        <source>Batch records...</source>
        <translation>Registri di lotto...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The products cannot be read: %1</source>
        <translation>Impossibile leggere i prodotti: %1</translation>
    </message>
    <message>
        <source>no products</source>
        <translation>nessun prodotto</translation>
    </message>
    <message>
        <source>%1-%2 of %3</source>
        <translation>%1-%2 di %3</translation>
    </message>
    <message>
        <source>new product</source>
        <translation>nuovo prodotto</translation>
    </message>
    <message>
        <source>saved by %1, %2 (revision %3)</source>
        <translation>salvato da %1, %2 (revisione %3)</translation>
    </message>
    <message>
        <source>check digit good: %1</source>
        <translation>cifra di controllo corretta: %1</translation>
    </message>
    <message>
        <source>%1 is not saved: %2</source>
        <translation>%1 non salvato: %2</translation>
    </message>
    <message>
        <source>%1 saved.</source>
        <translation>%1 salvato.</translation>
    </message>
    <message>
        <source>Approve a template</source>
        <translation>Approva un modello</translation>
    </message>
    <message>
        <source>%1 approved.</source>
        <translation>%1 approvato.</translation>
    </message>
    <message>
        <source>Import products</source>
        <translation>Importa prodotti</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>Nulla importato: %1</translation>
    </message>
    <message>
        <source>%1 products imported, %2 rows refused.</source>
        <translation>%1 prodotti importati, %2 righe rifiutate.</translation>
    </message>
    <message>
        <source>line %1 (%2): %3</source>
        <translation>riga %1 (%2): %3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>Columns ignored: %1</source>
        <translation>Colonne ignorate: %1</translation>
    </message>
    <message>
        <source>Export products</source>
        <translation>Esporta prodotti</translation>
    </message>
    <message>
        <source>Not exported: %1</source>
        <translation>Non esportato: %1</translation>
    </message>
    <message>
        <source>Products exported to %1.</source>
        <translation>Prodotti esportati in %1.</translation>
    </message>
    <message>
        <source>Confirming scan of the packaging required</source>
        <translation>Scansione di conferma dell'imballaggio obbligatoria</translation>
    </message>
    <message>
        <source>A job of this product starts only after a scan of the packaging on the line shows the product's GTIN.</source>
        <translation>Un lavoro di questo prodotto parte solo dopo che una scansione dell'imballaggio mostra il suo GTIN.</translation>
    </message>
</context>
<context>
    <name>ProductsLink</name>
    <message>
        <source>Products</source>
        <translation>Prodotti</translation>
    </message>
    <message>
        <source>Products, template approvals and batch records</source>
        <translation>Prodotti, approvazione dei modelli e registri di lotto</translation>
    </message>
    <message>
        <source>The catalogue is not open (%1); it is tried again.</source>
        <translation>Il catalogo non è aperto (%1); si riprova.</translation>
    </message>
    <message>
        <source>the catalogue is not open</source>
        <translation>il catalogo non è aperto</translation>
    </message>
    <message>
        <source>The save of %1 is not in the catalogue (%2): anyone may sign this version.</source>
        <translation>Il salvataggio di %1 non è nel catalogo (%2): chiunque può firmare questa versione.</translation>
    </message>
</context>
<context>
    <name>ReaderAlarmBar</name>
    <message>
        <source>Sign in as a Supervisor to handle the code readers.</source>
        <translation>Accedere come Supervisor per gestire i lettori di codici.</translation>
    </message>
    <message>
        <source>Only a Supervisor or Administrator may acknowledge a reader alarm or start a challenge test; %1 is signed in as %2.</source>
        <translation>Solo un Supervisor o un Administrator può confermare un allarme del lettore o avviare un test di verifica; %1 ha eseguito l'accesso come %2.</translation>
    </message>
    <message>
        <source>Reader alarm: %1</source>
        <translation>Allarme del lettore: %1</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>%1: challenge test running; let up to %2 wrong or missing codes pass</source>
        <translation>%1: test di verifica in corso; lasciare passare fino a %2 codici errati o mancanti</translation>
    </message>
    <message>
        <source>%1: No passed challenge test today</source>
        <translation>%1: nessun test di verifica superato oggi</translation>
    </message>
    <message>
        <source>Start challenge test</source>
        <translation>Avvia test di verifica</translation>
    </message>
</context>
<context>
    <name>RemoteJobs</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>codificatore scollegato</translation>
    </message>
    <message>
        <source>%1: its line is not heard of</source>
        <translation>%1: nessuna notizia dalla sua linea</translation>
    </message>
    <message>
        <source>%1: sent, its line has not taken it up</source>
        <translation>%1: inviato, la sua linea non lo ha ancora preso</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Lot %1: job %2 runs on this PC's coders; sent to their lines for %3.</source>
        <translation>Lotto %1: il lavoro %2 gira sui codificatori di questo PC; inviato alle loro linee per %3.</translation>
    </message>
    <message>
        <source>Lot %1: no coder of this PC; sent to their lines for %2.</source>
        <translation>Lotto %1: nessun codificatore di questo PC; inviato alle loro linee per %2.</translation>
    </message>
    <message>
        <source>Not started: no line says a coder of the job is verified.</source>
        <translation>Non avviato: nessuna linea dice che un codificatore del lavoro è verificato.</translation>
    </message>
    <message>
        <source>The job of the lines' coders was not ended: %1</source>
        <translation>Il lavoro dei codificatori delle linee non è stato terminato: %1</translation>
    </message>
</context>
<context>
    <name>RemoteLines</name>
    <message>
        <source>%1 for %2 on %3 not sent: %4</source>
        <translation>%1 per %2 su %3 non inviato: %4</translation>
    </message>
    <message>
        <source>its line is not heard of</source>
        <translation>nessuna notizia dalla sua linea</translation>
    </message>
    <message>
        <source>this window follows no line</source>
        <translation>questa finestra non segue alcuna linea</translation>
    </message>
    <message>
        <source>%1 sent to %2 on %3</source>
        <translation>%1 inviato a %2 su %3</translation>
    </message>
    <message>
        <source>%1 for %2 on %3: %4</source>
        <translation>%1 per %2 su %3: %4</translation>
    </message>
    <message>
        <source>Job start</source>
        <translation>Avvio lavoro</translation>
    </message>
    <message>
        <source>Job end</source>
        <translation>Fine lavoro</translation>
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
    <message>
        <source>run jobs</source>
        <translation>eseguire lavori</translation>
    </message>
    <message>
        <source>edit products</source>
        <translation>modificare i prodotti</translation>
    </message>
    <message>
        <source>sign templates</source>
        <translation>firmare i modelli</translation>
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
        <translation>N. contatore</translation>
    </message>
    <message>
        <source>System Base</source>
        <translation>Base numerica</translation>
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
        <translation>Cifre</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Prefisso</translation>
    </message>
    <message>
        <source>Counter%1</source>
        <translation>Contatore %1</translation>
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
    <message>
        <source>send messages outside a job</source>
        <translation>inviare messaggi fuori da un lavoro</translation>
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
        <translation>Codice turno</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenuto</translation>
    </message>
    <message>
        <source>Time (24 hours)</source>
        <translation>Ora (24 ore)</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
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
    <name>SignatureDialog</name>
    <message>
        <source>Approve a template</source>
        <translation>Approva un modello</translation>
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
        <source>Meaning</source>
        <translation>Significato</translation>
    </message>
    <message>
        <source>You sign %1, SHA-256 %2: give your name and password again.</source>
        <translation>Si firma %1, SHA-256 %2: inserire di nuovo nome e password.</translation>
    </message>
    <message>
        <source>Users are off: the approval of %1, SHA-256 %2, is recorded under the system login and marked unsigned.</source>
        <translation>Utenti disattivati: l'approvazione di %1, SHA-256 %2, è registrata con l'utente di sistema e segnata come non firmata.</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>Cannot create the folder %1 in %2.</source>
        <translation>Impossibile creare la cartella %1 in %2.</translation>
    </message>
    <message>
        <source>%1 was not sent: it does not load as a message (%2).</source>
        <translation>%1 non inviato: non si apre come messaggio (%2).</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found: %2</source>
        <translation>%1 non inviato: il controllo preliminare ha trovato: %2</translation>
    </message>
    <message>
        <source>%1 was not sent despite its findings: %2</source>
        <translation>%1 non inviato nonostante i problemi accettati: %2</translation>
    </message>
</context>
<context>
    <name>StationSettings</name>
    <message>
        <source>not a plain file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>larger than %1 KiB</source>
        <translation>più grande di %1 KiB</translation>
    </message>
    <message>
        <source>no such settings file</source>
        <translation>file di impostazioni inesistente</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>non leggibile (%1)</translation>
    </message>
    <message>
        <source>[server] port must be a number from 1 to 65535, not "%1"</source>
        <translation>[server] port deve essere un numero da 1 a 65535, non "%1"</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 non leggibile (%2)</translation>
    </message>
    <message>
        <source>%1 is a link; change the file it names</source>
        <translation>%1 è un collegamento; modificare il file a cui punta</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 non scrivibile (%2)</translation>
    </message>
    <message>
        <source>The port holds until the program ends: %1.</source>
        <translation>La porta vale fino alla chiusura del programma: %1.</translation>
    </message>
    <message>
        <source>The name holds until the program ends: %1.</source>
        <translation>Il nome vale fino alla chiusura del programma: %1.</translation>
    </message>
    <message>
        <source>The remark names of this account are used, but not yet kept in the settings: %1.</source>
        <translation>Si usano i nomi di questo account, ma non sono ancora salvati nelle impostazioni: %1.</translation>
    </message>
    <message>
        <source>[jobs] enabled must be true or false, not "%1"</source>
        <translation>[jobs] enabled deve essere true o false, non "%1"</translation>
    </message>
</context>
<context>
    <name>TemplateSamples</name>
    <message>
        <source>Lot</source>
        <translation>Lotto</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Ordine</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Prodotto</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Production date</source>
        <translation>Data di produzione</translation>
    </message>
    <message>
        <source>Best before</source>
        <translation>Da consumarsi entro</translation>
    </message>
    <message>
        <source>no sample could be made that matches its pattern %1, so it is checked with "A1"</source>
        <translation>non è stato possibile creare un esempio conforme al modello %1, quindi si verifica con "A1"</translation>
    </message>
</context>
<context>
    <name>TemplateSigning</name>
    <message>
        <source>Approved for production</source>
        <translation>Approvato per la produzione</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 non leggibile (%2)</translation>
    </message>
    <message>
        <source>A signature needs its meaning.</source>
        <translation>La firma richiede il suo significato.</translation>
    </message>
    <message>
        <source>Only the user signed in (%1) may sign here.</source>
        <translation>Solo l'utente che ha eseguito l'accesso (%1) può firmare qui.</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Not signed: %1</source>
        <translation>Non firmato: %1</translation>
    </message>
    <message>
        <source>Not signed: only a Supervisor or an Administrator may approve templates.</source>
        <translation>Non firmato: solo un Supervisore o un Amministratore può approvare i modelli.</translation>
    </message>
    <message>
        <source>The approval is stored, but not in the journal: %1</source>
        <translation>L'approvazione è salvata, ma non nel registro: %1</translation>
    </message>
    <message>
        <source>%1 by %2 (unsigned: users are off), %3, SHA-256 %4</source>
        <translation>%1 da %2 (non firmato: utenti disattivati), %3, SHA-256 %4</translation>
    </message>
    <message>
        <source>%1, signed by %2, %3, SHA-256 %4</source>
        <translation>%1, firmato da %2, %3, SHA-256 %4</translation>
    </message>
    <message>
        <source>not approved: %1</source>
        <translation>non approvato: %1</translation>
    </message>
    <message>
        <source>not approved (SHA-256 %1)</source>
        <translation>non approvato (SHA-256 %1)</translation>
    </message>
    <message>
        <source>approval unknown: %1</source>
        <translation>approvazione sconosciuta: %1</translation>
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
        <translation>Contenuto</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>Dati esterni</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>Inserisci campo</translation>
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
        <translation>Formato data</translation>
    </message>
    <message>
        <source>"yyyy" means year ,"MM" means month,"dd" means days.
e.g. "yyyy/MM/dd"  -&gt; "2021/05/20"

"hh" means hours ,"mm" means minutes,"ss" measn seconds.
e.g. ''hh:mm:ss" -&gt; "08:08:08"

Coustom date and other date format please see the instructions.</source>
        <translation>"yyyy" è l'anno, "MM" il mese, "dd" il giorno.
ad es. "yyyy/MM/dd" -&gt; "2021/05/20"

"hh" sono le ore, "mm" i minuti, "ss" i secondi.
ad es. "hh:mm:ss" -&gt; "08:08:08"

Per altri formati di data vedere le istruzioni.</translation>
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
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Vaild Days</source>
        <translation>Giorni di validità</translation>
    </message>
    <message>
        <source>Best before of the product</source>
        <translation>Scadenza del prodotto</translation>
    </message>
    <message>
        <source>In a product's template: a job gives this date the product's shelf life; the days above are what the designer shows meanwhile.</source>
        <translation>Nel modello di un prodotto: il lavoro dà a questa data la durata del prodotto; i giorni sopra sono ciò che il designer mostra nel frattempo.</translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message>
        <source>Nobody can sign in until an administrator runs "KorvexControl --create-admin NAME" in this folder.</source>
        <translation>Nessuno può accedere finché un amministratore non esegue "KorvexControl --create-admin NAME" in questa cartella.</translation>
    </message>
    <message>
        <source>The users file %1 %2. %3</source>
        <translation>Il file utenti %1 %2. %3</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>non è leggibile</translation>
    </message>
    <message>
        <source>belongs to another account</source>
        <translation>appartiene a un altro account</translation>
    </message>
    <message>
        <source>may be read or written by other accounts</source>
        <translation>può essere letto o scritto da altri account</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>è troppo grande</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>non leggibile (%1)</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>è danneggiato</translation>
    </message>
    <message>
        <source>names no administrator</source>
        <translation>non indica alcun amministratore</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a link, which is not followed</source>
        <translation>Impossibile scrivere %1: è un collegamento, che non viene seguito</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: its permissions cannot be set</source>
        <translation>Impossibile scrivere %1: non se ne possono impostare i permessi</translation>
    </message>
    <message>
        <source>A user name cannot be empty.</source>
        <translation>Il nome utente non può essere vuoto.</translation>
    </message>
    <message>
        <source>A user name has at most %1 characters.</source>
        <translation>Il nome utente ha al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>A user name cannot begin or end with a space.</source>
        <translation>Il nome utente non può iniziare o finire con uno spazio.</translation>
    </message>
    <message>
        <source>A user name cannot hold control characters.</source>
        <translation>Il nome utente non può contenere caratteri di controllo.</translation>
    </message>
    <message>
        <source>A user name cannot hold / or \.</source>
        <translation>Il nome utente non può contenere / o \.</translation>
    </message>
    <message>
        <source>A password cannot be empty.</source>
        <translation>La password non può essere vuota.</translation>
    </message>
    <message>
        <source>%1 is the last administrator.</source>
        <translation>%1 è l'ultimo amministratore.</translation>
    </message>
    <message>
        <source>There is no user %1.</source>
        <translation>L'utente %1 non esiste.</translation>
    </message>
    <message>
        <source>%1 is locked for %2 more seconds after %3 wrong passwords.</source>
        <translation>%1 è bloccato per altri %2 secondi dopo %3 password errate.</translation>
    </message>
    <message>
        <source>Wrong name or password. %1 is locked for a minute.</source>
        <translation>Nome o password errati. %1 è bloccato per un minuto.</translation>
    </message>
    <message>
        <source>Wrong name or password.</source>
        <translation>Nome o password errati.</translation>
    </message>
    <message>
        <source>%1 is a link to %2 that cannot be removed; nothing changed.</source>
        <translation>%1 è un collegamento a %2 che non si può rimuovere; non è cambiato nulla.</translation>
    </message>
    <message>
        <source>%1 was a link to %2: the link is removed and %1 written anew; %2 is left as it was.</source>
        <translation>%1 era un collegamento a %2: il collegamento è stato rimosso e %1 riscritto; %2 resta com'era.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; nothing changed.</source>
        <translation>%1 non è un file normale; non è cambiato nulla.</translation>
    </message>
    <message>
        <source>%1 cannot be read; nothing changed.</source>
        <translation>%1 non è leggibile; non è cambiato nulla.</translation>
    </message>
    <message>
        <source>%1 belonged to another account, who could have put any user there: it is written anew without its users.</source>
        <translation>%1 apparteneva a un altro account, che poteva inserire qualsiasi utente: è stato riscritto senza i suoi utenti.</translation>
    </message>
    <message>
        <source>%1 could be written by other accounts, who could have put any user there: it is written anew without its users.</source>
        <translation>%1 era scrivibile da altri account, che potevano inserire qualsiasi utente: è stato riscritto senza i suoi utenti.</translation>
    </message>
    <message>
        <source>%1 was damaged: it is written anew without its users.</source>
        <translation>%1 era danneggiato: è stato riscritto senza i suoi utenti.</translation>
    </message>
    <message>
        <source>%1 could be read by other accounts: it is now readable by its owner only. The users kept should change their passwords, whose hashes could be read.</source>
        <translation>%1 era leggibile da altri account: ora è leggibile solo dal proprietario. Gli utenti mantenuti devono cambiare la password, i cui hash potevano essere letti.</translation>
    </message>
    <message>
        <source>The other users are kept: %1.</source>
        <translation>Gli altri utenti sono mantenuti: %1.</translation>
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
<context>
    <name>ParameterChange</name>
    <message>
        <source>spray mode</source>
        <translation>modalità di stampa</translation>
    </message>
    <message>
        <source>device value 1</source>
        <translation>valore dispositivo 1</translation>
    </message>
    <message>
        <source>device value 2</source>
        <translation>valore dispositivo 2</translation>
    </message>
    <message>
        <source>resolution</source>
        <translation>risoluzione</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>trigger</translation>
    </message>
    <message>
        <source>head range</source>
        <translation>intervallo testine</translation>
    </message>
    <message>
        <source>splice</source>
        <translation>giunzione</translation>
    </message>
    <message>
        <source>heads</source>
        <translation>testine</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>direzione</translation>
    </message>
    <message>
        <source>head 1 offset</source>
        <translation>offset testina 1</translation>
    </message>
    <message>
        <source>head 2 offset</source>
        <translation>offset testina 2</translation>
    </message>
    <message>
        <source>head 3 offset</source>
        <translation>offset testina 3</translation>
    </message>
    <message>
        <source>head 4 offset</source>
        <translation>offset testina 4</translation>
    </message>
    <message>
        <source>head 1 direction</source>
        <translation>direzione testina 1</translation>
    </message>
    <message>
        <source>head 2 direction</source>
        <translation>direzione testina 2</translation>
    </message>
    <message>
        <source>head 3 direction</source>
        <translation>direzione testina 3</translation>
    </message>
    <message>
        <source>head 4 direction</source>
        <translation>direzione testina 4</translation>
    </message>
    <message>
        <source>encoder</source>
        <translation>encoder</translation>
    </message>
    <message>
        <source>beep</source>
        <translation>segnale acustico</translation>
    </message>
    <message>
        <source>encoder pulses</source>
        <translation>impulsi encoder</translation>
    </message>
    <message>
        <source>encoder diameter</source>
        <translation>diametro encoder</translation>
    </message>
    <message>
        <source>line speed</source>
        <translation>velocità linea</translation>
    </message>
    <message>
        <source>signal interval</source>
        <translation>intervallo segnale</translation>
    </message>
    <message>
        <source>device value 3</source>
        <translation>valore dispositivo 3</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>per revolution</source>
        <translation>per giro</translation>
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
        <translation>avanti</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>indietro</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>capovolto</translation>
    </message>
    <message>
        <source>rev/inv</source>
        <translation>ind./capov.</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>codice %1</translation>
    </message>
    <message>
        <source>left</source>
        <translation>sinistra</translation>
    </message>
    <message>
        <source>right</source>
        <translation>destra</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>alta qualità</translation>
    </message>
    <message>
        <source>high speed</source>
        <translation>alta velocità</translation>
    </message>
    <message>
        <source>external signal</source>
        <translation>segnale esterno</translation>
    </message>
    <message>
        <source>internal signal</source>
        <translation>segnale interno</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>on</source>
        <translation>sì</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reimposta</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignora</translation>
    </message>
</context>
</TS>
