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
    <name>BarcodeSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Edit the content line by line</source>
        <translation>Edit the content line by line</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Tenths: 20 is scale 2.0</source>
        <translation>Tenths: 20 is scale 2.0</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>Show Text</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Data Mode</source>
        <translation>Data Mode</translation>
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
        <translation>External Data</translation>
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
        <translation>QR Code (ISO 18004)</translation>
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
        <translation>Insert field</translation>
    </message>
</context>
<context>
    <name>BatchRecordPdf</name>
    <message>
        <source>the message is too large to draw</source>
        <translation>the message is too large to draw</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 cannot be written (%2)</translation>
    </message>
    <message>
        <source>Batch record of job %1</source>
        <translation>Batch record of job %1</translation>
    </message>
    <message>
        <source>Batch record: job %1</source>
        <translation>Batch record: job %1</translation>
    </message>
    <message>
        <source>Product: %1 %2</source>
        <translation>Product: %1 %2</translation>
    </message>
    <message>
        <source>Order: %1    Lot: %2</source>
        <translation>Order: %1    Lot: %2</translation>
    </message>
    <message>
        <source>Started: %1 by %2</source>
        <translation>Started: %1 by %2</translation>
    </message>
    <message>
        <source>Ended: not yet</source>
        <translation>Ended: not yet</translation>
    </message>
    <message>
        <source>Ended: %1 by %2</source>
        <translation>Ended: %1 by %2</translation>
    </message>
    <message>
        <source>Field values</source>
        <translation>Field values</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2</source>
        <translation>%1, SHA-256 %2</translation>
    </message>
    <message>
        <source>Signature: %1</source>
        <translation>Signature: %1</translation>
    </message>
    <message>
        <source>Message sent</source>
        <translation>Message sent</translation>
    </message>
    <message>
        <source>SHA-256 %1</source>
        <translation>SHA-256 %1</translation>
    </message>
    <message>
        <source>(no picture: the message sent is no longer in the folder of jobs)</source>
        <translation>(no picture: the message sent is no longer in the folder of jobs)</translation>
    </message>
    <message>
        <source>(no picture: %1)</source>
        <translation>(no picture: %1)</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Coders</translation>
    </message>
    <message>
        <source>%1 %2: %3 at %4; read back %5</source>
        <translation>%1 %2: %3 at %4; read back %5</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nothing</translation>
    </message>
    <message>
        <source>    started %1, stopped %2</source>
        <translation>    started %1, stopped %2</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 cannot be written</translation>
    </message>
    <message>
        <source>Code readers</source>
        <translation>Code readers</translation>
    </message>
    <message>
        <source>%1, reader %2: %3 good, %4 bad, %5 no read, %6 not compared</source>
        <translation>%1, reader %2: %3 good, %4 bad, %5 no read, %6 not compared</translation>
    </message>
    <message>
        <source>Challenge test of %1, reader %2, %3 at %4 by %5 after %6 reads%7</source>
        <translation>Challenge test of %1, reader %2, %3 at %4 by %5 after %6 reads%7</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>failed</translation>
    </message>
</context>
<context>
    <name>BatchRecordsDialog</name>
    <message>
        <source>Batch records</source>
        <translation>Batch records</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Ended</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Export PDF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message numerus="yes">
        <source>%n jobs</source>
        <translation>
            <numerusform>%n job</numerusform>
            <numerusform>%n jobs</numerusform>
        </translation>
    </message>
    <message>
        <source>The batch records cannot be read: %1</source>
        <translation>The batch records cannot be read: %1</translation>
    </message>
    <message>
        <source>Template %1: %2
Message sent: SHA-256 %3</source>
        <translation>Template %1: %2
Message sent: SHA-256 %3</translation>
    </message>
    <message>
        <source>run without an approval</source>
        <translation>run without an approval</translation>
    </message>
    <message>
        <source>Export the batch record</source>
        <translation>Export the batch record</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 cannot be written (%2)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>PDF files (*.pdf);;All files (*)</translation>
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
    <message>
        <source>Job: %1</source>
        <translation>Job: %1</translation>
    </message>
    <message>
        <source>Lot: %1</source>
        <translation>Lot: %1</translation>
    </message>
    <message>
        <source>Job state: %1</source>
        <translation>Job state: %1</translation>
    </message>
    <message>
        <source>Line: %1</source>
        <translation>Line: %1</translation>
    </message>
    <message>
        <source>Not heard of: the last values known</source>
        <translation>Not heard from: the last values known</translation>
    </message>
</context>
<context>
    <name>CommandJournal</name>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1 is not saved: the journal cannot be written (%2).</source>
        <translation>%1 is not saved: the journal cannot be written (%2).</translation>
    </message>
    <message>
        <source>%1 was saved, but: %2</source>
        <translation>%1 was saved, but: %2</translation>
    </message>
    <message>
        <source>The journal cannot be used: %1</source>
        <translation>The journal cannot be used: %1</translation>
    </message>
    <message>
        <source>Not done: its journal line cannot be written (%1)</source>
        <translation>Not done: its journal line cannot be written (%1)</translation>
    </message>
    <message>
        <source>Not in the journal (%1): %2</source>
        <translation>Not in the journal (%1): %2</translation>
    </message>
    <message>
        <source>%1, %2 bytes, SHA-256 %3</source>
        <translation>%1, %2 bytes, SHA-256 %3</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2 → %3</source>
        <translation>%1, SHA-256 %2 → %3</translation>
    </message>
    <message>
        <source>%1 cut-off line(s) recorded</source>
        <translation>%1 cut-off line(s) recorded</translation>
    </message>
    <message>
        <source>%1 line(s) that are no journal lines recorded</source>
        <translation>%1 line(s) that are no journal lines recorded</translation>
    </message>
    <message>
        <source>line %1 changed after its head named it</source>
        <translation>line %1 changed after its head named it</translation>
    </message>
    <message>
        <source>lines %1 to %2 never named by the head</source>
        <translation>lines %1 to %2 never named by the head</translation>
    </message>
    <message>
        <source>head %1</source>
        <translation>head %1</translation>
    </message>
    <message>
        <source>first administrator %1</source>
        <translation>first administrator %1</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>over %1, broker account %2, user as claimed</source>
        <translation>over %1, broker account %2, user as claimed</translation>
    </message>
    <message>
        <source>over %1, broker account %2</source>
        <translation>over %1, broker account %2</translation>
    </message>
</context>
<context>
    <name>CommandText</name>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Print parameters</source>
        <translation>Print parameters</translation>
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
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Remark name</source>
        <translation>Remark name</translation>
    </message>
    <message>
        <source>over MQTT</source>
        <translation>over MQTT</translation>
    </message>
    <message>
        <source>claimed user %1</source>
        <translation>claimed user %1</translation>
    </message>
    <message>
        <source>sent unchanged</source>
        <translation>sent unchanged</translation>
    </message>
    <message>
        <source>no coder</source>
        <translation>no coder</translation>
    </message>
    <message>
        <source>%1 coders</source>
        <translation>%1 coders</translation>
    </message>
    <message>
        <source>%1 sent to %2</source>
        <translation>%1 sent to %2</translation>
    </message>
    <message>
        <source>Print parameters sent to %1 (its own were not reported before)</source>
        <translation>Print parameters sent to %1 (its own were not reported before)</translation>
    </message>
    <message>
        <source>Print parameters of %1: %2</source>
        <translation>Print parameters of %1: %2</translation>
    </message>
    <message>
        <source>Port changed from %1 to %2</source>
        <translation>Port changed from %1 to %2</translation>
    </message>
    <message>
        <source>Remark name of %1 removed (was %2)</source>
        <translation>Remark name of %1 removed (was %2)</translation>
    </message>
    <message>
        <source>%1 named %2</source>
        <translation>%1 named %2</translation>
    </message>
    <message>
        <source>%1 renamed from %2 to %3</source>
        <translation>%1 renamed from %2 to %3</translation>
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
    <name>DesignHistory</name>
    <message>
        <source>content</source>
        <translation>content</translation>
    </message>
    <message>
        <source>external data</source>
        <translation>external data</translation>
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
        <translation>rotation</translation>
    </message>
    <message>
        <source>font</source>
        <translation>font</translation>
    </message>
    <message>
        <source>font size</source>
        <translation>font size</translation>
    </message>
    <message>
        <source>letter spacing</source>
        <translation>letter spacing</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>bold</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>italic</translation>
    </message>
    <message>
        <source>underline</source>
        <translation>underline</translation>
    </message>
    <message>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <source>valid days</source>
        <translation>valid days</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>counter</translation>
    </message>
    <message>
        <source>base</source>
        <translation>base</translation>
    </message>
    <message>
        <source>digits</source>
        <translation>digits</translation>
    </message>
    <message>
        <source>fill character</source>
        <translation>fill character</translation>
    </message>
    <message>
        <source>symbology</source>
        <translation>symbology</translation>
    </message>
    <message>
        <source>height</source>
        <translation>height</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>scale</translation>
    </message>
    <message>
        <source>text line</source>
        <translation>text line</translation>
    </message>
    <message>
        <source>size</source>
        <translation>size</translation>
    </message>
    <message>
        <source>data mode</source>
        <translation>data mode</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>picture</translation>
    </message>
    <message>
        <source>shift table</source>
        <translation>shift table</translation>
    </message>
    <message>
        <source>properties</source>
        <translation>properties</translation>
    </message>
    <message>
        <source>best before of the product</source>
        <translation>best before of the product</translation>
    </message>
</context>
<context>
    <name>DesignTemplate</name>
    <message>
        <source>the catalogue is not open</source>
        <translation>the catalogue is not open</translation>
    </message>
    <message>
        <source>%1: %2 by %3 (unsigned: users are off), %4</source>
        <translation>%1: %2 by %3 (unsigned: users are off), %4</translation>
    </message>
    <message>
        <source>%1: %2, signed by %3, %4</source>
        <translation>%1: %2, signed by %3, %4</translation>
    </message>
    <message>
        <source>%1: not approved</source>
        <translation>%1: not approved</translation>
    </message>
    <message>
        <source>%1: approval unknown (%2)</source>
        <translation>%1: approval unknown (%2)</translation>
    </message>
    <message>
        <source>The template of %1. The version a save writes must be signed before a job may run it.</source>
        <translation>The template of %1. The version a save writes must be signed before a job may run it.</translation>
    </message>
</context>
<context>
    <name>DesignUndo</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>Shift code</source>
        <translation>Shift code</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Add %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n item(s)</source>
        <translation>
            <numerusform>Add %n item</numerusform>
            <numerusform>Add %n items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n item(s)</source>
        <translation>
            <numerusform>Delete %n item</numerusform>
            <numerusform>Delete %n items</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Move %1</translation>
    </message>
    <message numerus="yes">
        <source>Move %n item(s)</source>
        <translation>
            <numerusform>Move %n item</numerusform>
            <numerusform>Move %n items</numerusform>
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
        <translation>no folder for a coder named "%1"</translation>
    </message>
    <message>
        <source>%1 leads through a link; no folder is made</source>
        <translation>%1 leads through a link; no folder is made</translation>
    </message>
    <message>
        <source>cannot create folder %1</source>
        <translation>cannot create folder %1</translation>
    </message>
    <message>
        <source>unsafe file name "%1" refused</source>
        <translation>unsafe file name "%1" refused</translation>
    </message>
    <message>
        <source>file name of %1 bytes refused, at most %2</source>
        <translation>file name of %1 bytes refused, at most %2</translation>
    </message>
    <message>
        <source>%1 leads through a link; nothing is written</source>
        <translation>%1 leads through a link; nothing is written</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
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
    <name>EditWidget</name>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>SN</source>
        <translation>Serial No.</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>Shiftcode</source>
        <translation>Shift Code</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+wheel up)</source>
        <translation>Zoom in (Ctrl+wheel up)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+wheel down)</source>
        <translation>Zoom out (Ctrl+wheel down)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Fit the message to the window</source>
        <translation>Fit the message to the window</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>One screen pixel per dot</source>
        <translation>One screen pixel per dot</translation>
    </message>
    <message>
        <source>Preview at</source>
        <translation>Preview at</translation>
    </message>
    <message>
        <source>What the message prints at a chosen date, time and shift</source>
        <translation>What the message prints at a chosen date, time and shift</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nothing to undo</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nothing to redo</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Spray Files (*.spr)</source>
        <translation>Spray Files (*.spr)</translation>
    </message>
    <message>
        <source>the new message</source>
        <translation>the new message</translation>
    </message>
    <message>
        <source>The message has been changed.
Do you want to save your changes?</source>
        <translation>The message has been changed.
Do you want to save your changes?</translation>
    </message>
</context>
<context>
    <name>FieldMenu</name>
    <message>
        <source>Insert field</source>
        <translation>Insert field</translation>
    </message>
    <message>
        <source>Insert a placeholder that a job fills</source>
        <translation>Insert a placeholder that a job fills</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>Copy for coder %1 failed: %2</source>
        <translation>Copy for coder %1 failed: %2</translation>
    </message>
    <message>
        <source>Listening for coders on port %1</source>
        <translation>Listening for coders on port %1</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. No coder can connect; choose another port and press "Built".</source>
        <translation>Cannot listen on port %1: %2. No coder can connect; choose another port and press "Open Port".</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <translation>Cannot listen on port %1: %2.</translation>
    </message>
    <message>
        <source>Back to port %1.</source>
        <translation>Back to port %1.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. Nothing was sent.</source>
        <translation>Cannot read %1: %2. Nothing was sent.</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>Not a plain file</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>The file is larger than %1 MiB</translation>
    </message>
    <message>
        <source>Cannot send %1: %2. Nothing was sent.</source>
        <translation>Cannot send %1: %2. Nothing was sent.</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took %2.</source>
        <translation>Coder %1 was dropped before it took %2.</translation>
    </message>
    <message>
        <source>Coder %1 did not report its message after %2 was sent: not verified.</source>
        <translation>Coder %1 did not report its message after %2 was sent: not verified.</translation>
    </message>
    <message>
        <source>A remark name cannot hold control characters. The name stays as it was.</source>
        <translation>A remark name cannot hold control characters. The name stays as it was.</translation>
    </message>
    <message>
        <source>%1: no coder chosen; nothing was sent.</source>
        <translation>%1: no coder chosen; nothing was sent.</translation>
    </message>
    <message>
        <source>Not started: %1 Nothing was sent.</source>
        <translation>Not started: %1 Nothing was sent.</translation>
    </message>
    <message>
        <source>%1. The port stays as it was.</source>
        <translation>%1. The port stays as it was.</translation>
    </message>
    <message>
        <source>%1. The name stays as it was.</source>
        <translation>%1. The name stays as it was.</translation>
    </message>
    <message>
        <source>%1. Nothing was sent.</source>
        <translation>%1. Nothing was sent.</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took the command.</source>
        <translation>Coder %1 was dropped before it took the command.</translation>
    </message>
    <message>
        <source>Coder %1 connected</source>
        <translation>Coder %1 connected</translation>
    </message>
    <message>
        <source>Coder %1 disconnected</source>
        <translation>Coder %1 disconnected</translation>
    </message>
    <message>
        <source>Current file of coder %1 not stored: %2</source>
        <translation>Current file of coder %1 not stored: %2</translation>
    </message>
    <message>
        <source>Coder %1 holds another message than was sent: sent %2 (SHA-256 %3), holds %4 (SHA-256 %5).</source>
        <translation>Coder %1 holds another message than was sent: sent %2 (SHA-256 %3), holds %4 (SHA-256 %5).</translation>
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
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Font Size</translation>
    </message>
    <message>
        <source>Text Space</source>
        <translation>Letter Spacing</translation>
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
        <translation>Help</translation>
    </message>
    <message>
        <source>Operator's Manual</source>
        <translation>Operator's Manual</translation>
    </message>
    <message>
        <source>The operator's manual is not installed (looked in %1).</source>
        <translation>The operator's manual is not installed (looked in %1).</translation>
    </message>
    <message>
        <source>The operator's manual could not be opened: no browser took %1.</source>
        <translation>The operator's manual could not be opened: no browser took %1.</translation>
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
        <translation>Select Image</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Images (%1)</translation>
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
    <name>JobScan</name>
    <message>
        <source>Scan the packaging on the line: a job of %1 starts only when it shows GTIN %2.</source>
        <translation>Scan the packaging on the line: a job of %1 starts only when it shows GTIN %2.</translation>
    </message>
    <message>
        <source>%1 (character %2)</source>
        <translation>%1 (character %2)</translation>
    </message>
    <message>
        <source>The scan holds no GTIN (01): %1</source>
        <translation>The scan holds no GTIN (01): %1</translation>
    </message>
    <message>
        <source>No product has the GTIN %1.</source>
        <translation>No product has the GTIN %1.</translation>
    </message>
    <message>
        <source>Lot %1 from the scan.</source>
        <translation>Lot %1 from the scan.</translation>
    </message>
    <message>
        <source>Production date %1 from the scan.</source>
        <translation>Production date %1 from the scan.</translation>
    </message>
    <message>
        <source>the best-before date (15) %1</source>
        <translation>the best-before date (15) %1</translation>
    </message>
    <message>
        <source>the expiry date (17) %1</source>
        <translation>the expiry date (17) %1</translation>
    </message>
    <message>
        <source>Check the packaging: %1 is not %2, which the shelf life of %3 (%4) gives.</source>
        <translation>Check the packaging: %1 is not %2, which the shelf life of %3 (%4) gives.</translation>
    </message>
    <message>
        <source>Packaging confirmed: GTIN %1.</source>
        <translation>Packaging confirmed: GTIN %1.</translation>
    </message>
    <message>
        <source>The packaging scanned (GTIN %1) is not that of %2 (GTIN %3): the job does not start.</source>
        <translation>The packaging scanned (GTIN %1) is not that of %2 (GTIN %3): the job does not start.</translation>
    </message>
</context>
<context>
    <name>JobsPanel</name>
    <message>
        <source>Jobs</source>
        <translation>Jobs</translation>
    </message>
    <message>
        <source>Search products by code, GTIN or name</source>
        <translation>Search products by code, GTIN or name</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Type or scan the GTIN, then Enter</source>
        <translation>Type or scan the GTIN, then Enter</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Start job</source>
        <translation>Start job</translation>
    </message>
    <message>
        <source>Start printing</source>
        <translation>Start printing</translation>
    </message>
    <message>
        <source>End job</source>
        <translation>End job</translation>
    </message>
    <message>
        <source>This window runs no jobs: it has no catalogue.</source>
        <translation>This window runs no jobs: it has no catalogue.</translation>
    </message>
    <message>
        <source>The catalogue (%1) is not open; no job starts until it is.</source>
        <translation>The catalogue (%1) is not open; no job starts until it is.</translation>
    </message>
    <message>
        <source>Products cannot be listed: %1</source>
        <translation>Products cannot be listed: %1</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>none chosen</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Coders: none checked in the device list</source>
        <translation>Coders: none checked in the device list</translation>
    </message>
    <message>
        <source>Coders: %1</source>
        <translation>Coders: %1</translation>
    </message>
    <message>
        <source>Not allowed for this product: %1</source>
        <translation>Not allowed for this product: %1</translation>
    </message>
    <message>
        <source>Choose a product first.</source>
        <translation>Choose a product first.</translation>
    </message>
    <message>
        <source>Check the coders of the job in the device list first.</source>
        <translation>Check the coders of the job in the device list first.</translation>
    </message>
    <message>
        <source>The job was not started: %1</source>
        <translation>The job was not started: %1</translation>
    </message>
    <message>
        <source>Job %1 started: %2, order %3, lot %4.</source>
        <translation>Job %1 started: %2, order %3, lot %4.</translation>
    </message>
    <message>
        <source>No job is running in this view.</source>
        <translation>No job is running in this view.</translation>
    </message>
    <message>
        <source>Not started: no coder of job %1 is verified.</source>
        <translation>Not started: no coder of job %1 is verified.</translation>
    </message>
    <message>
        <source>Job %1 was not ended: %2</source>
        <translation>Job %1 was not ended: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Job %1 ended.</source>
        <translation>Job %1 ended.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>a coder gone</translation>
    </message>
    <message>
        <source>not in the job</source>
        <translation>not in the job</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>sending</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verified</translation>
    </message>
    <message>
        <source>running</source>
        <translation>running</translation>
    </message>
    <message>
        <source>mismatch</source>
        <translation>mismatch</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>not verified</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Packaging</translation>
    </message>
    <message>
        <source>Scan the packaging on the line, then Enter</source>
        <translation>Scan the packaging on the line, then Enter</translation>
    </message>
    <message numerus="yes">
        <source>%n batch-record write(s) wait for the catalogue; they are written in order when it is back.</source>
        <translation>
            <numerusform>%n batch-record write waits for the catalogue; it is written in order when it is back.</numerusform>
            <numerusform>%n batch-record writes wait for the catalogue; they are written in order when it is back.</numerusform>
        </translation>
    </message>
    <message>
        <source>The job was not started: no line took it; the event log says why.</source>
        <translation>The job was not started: no line took it; the event log says why.</translation>
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
        <source>message sent</source>
        <translation>message sent</translation>
    </message>
    <message>
        <source>print parameters</source>
        <translation>print parameters</translation>
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
        <source>port</source>
        <translation>port</translation>
    </message>
    <message>
        <source>remark name</source>
        <translation>remark name</translation>
    </message>
    <message>
        <source>message saved</source>
        <translation>message saved</translation>
    </message>
    <message>
        <source>command failed</source>
        <translation>command failed</translation>
    </message>
    <message>
        <source>journal recovered</source>
        <translation>journal recovered</translation>
    </message>
    <message>
        <source>sign-in</source>
        <translation>sign-in</translation>
    </message>
    <message>
        <source>sign-in refused</source>
        <translation>sign-in refused</translation>
    </message>
    <message>
        <source>sign-out</source>
        <translation>sign-out</translation>
    </message>
    <message>
        <source>users on</source>
        <translation>users on</translation>
    </message>
    <message>
        <source>users off</source>
        <translation>users off</translation>
    </message>
    <message>
        <source>user set</source>
        <translation>user set</translation>
    </message>
    <message>
        <source>user removed</source>
        <translation>user removed</translation>
    </message>
    <message>
        <source>idle time</source>
        <translation>idle time</translation>
    </message>
    <message>
        <source>administrator created</source>
        <translation>administrator created</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Coders</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
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
    <message>
        <source>Jobs</source>
        <translation>Jobs</translation>
    </message>
    <message>
        <source>Show or hide the jobs view</source>
        <translation>Show or hide the jobs view</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message>
        <source>Can not find the extern data file!</source>
        <translation>Cannot find the external data file!</translation>
    </message>
    <message>
        <source>The columns in the file don't match the extern items you create!</source>
        <translation>The columns in the file don't match the external fields you made!</translation>
    </message>
    <message>
        <source>Unknown Error!</source>
        <translation>Unknown error!</translation>
    </message>
    <message>
        <source>The extern data file is a device or a pipe, not a plain file!</source>
        <translation>The external data file is a device or a pipe, not a plain file!</translation>
    </message>
    <message>
        <source>The extern data file is larger than %1 MiB!</source>
        <translation>The external data file is larger than %1 MiB!</translation>
    </message>
    <message>
        <source>The extern data file has a line longer than %1 bytes!</source>
        <translation>The external data file has a line longer than %1 bytes!</translation>
    </message>
    <message>
        <source>Qt Drawing</source>
        <translation>Message file</translation>
    </message>
    <message>
        <source>t</source>
        <translation>Data file</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Cannot write file %1:
%2.</translation>
    </message>
    <message>
        <source>Cannot read print file %1:
%2.</source>
        <translation>Cannot read print file %1:
%2.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>The file is larger than %1 MiB</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>Not a plain file</translation>
    </message>
    <message>
        <source>File %1 is empty.</source>
        <translation>File %1 is empty.</translation>
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
    <message>
        <source>%1, read back %2</source>
        <translation>%1, read back %2</translation>
    </message>
    <message>
        <source>%1, read back %2: not the message sent
sent SHA-256 %3
held SHA-256 %4</source>
        <translation>%1, read back %2: not the message sent
sent SHA-256 %3
held SHA-256 %4</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>%1: no read-back since %2 (sent SHA-256 %3)</source>
        <translation>%1: no read-back since %2 (sent SHA-256 %3)</translation>
    </message>
    <message>
        <source>%1, waiting for the read-back</source>
        <translation>%1, waiting for the read-back</translation>
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
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Preflight</name>
    <message>
        <source>left</source>
        <translation>left</translation>
    </message>
    <message>
        <source>top</source>
        <translation>top</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>Reaches past the %1 edge of the print area: that part is not printed.</source>
        <translation>Reaches past the %1 edge of the print area: that part is not printed.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Lies on the band of head %1, which the head mask leaves out: that part is not printed.</source>
        <translation>Lies on the band of head %1, which the head mask leaves out: that part is not printed.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The content is more than the symbol holds at its size: %1</source>
        <translation>The content is more than the symbol holds at its size: %1</translation>
    </message>
    <message>
        <source>The GS1 data is refused: %1</source>
        <translation>The GS1 data is refused: %1</translation>
    </message>
    <message>
        <source>The content cannot be encoded: %1</source>
        <translation>The content cannot be encoded: %1</translation>
    </message>
    <message>
        <source>A module is %1 dots wide, not a whole number of dots: the coder prints bars of uneven width. Choose a scale whose module is whole dots.</source>
        <translation>A module is %1 dots wide, not a whole number of dots: the coder prints bars of uneven width. Choose a scale whose module is whole dots.</translation>
    </message>
    <message>
        <source>The font "%1" is neither installed nor in the fonts folder.</source>
        <translation>The font "%1" is neither installed nor in the fonts folder.</translation>
    </message>
    <message>
        <source>No picture was chosen: the placeholder would print.</source>
        <translation>No picture was chosen: the placeholder would print.</translation>
    </message>
    <message>
        <source>The picture %1 is not in the picture folder.</source>
        <translation>The picture %1 is not in the picture folder.</translation>
    </message>
    <message>
        <source>Text "%1"</source>
        <translation>Text "%1"</translation>
    </message>
    <message>
        <source>Date "%1"</source>
        <translation>Date "%1"</translation>
    </message>
    <message>
        <source>Serial number "%1"</source>
        <translation>Serial number "%1"</translation>
    </message>
    <message>
        <source>Shift code "%1"</source>
        <translation>Shift code "%1"</translation>
    </message>
    <message>
        <source>Barcode "%1"</source>
        <translation>Barcode "%1"</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Picture %1</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Data file</source>
        <translation>Data file</translation>
    </message>
    <message>
        <source>The data file "%1" is not there: the data fields print nothing.</source>
        <translation>The data file "%1" is not there: the data fields print nothing.</translation>
    </message>
    <message>
        <source>{{%1}} is neither a standard placeholder nor a field of the product: a job of it cannot fill it.</source>
        <translation>{{%1}} is neither a standard placeholder nor a field of the product: a job of it cannot fill it.</translation>
    </message>
    <message>
        <source>{{%1}} is no standard placeholder: only a product with a field of that name can fill it.</source>
        <translation>{{%1}} is no standard placeholder: only a product with a field of that name can fill it.</translation>
    </message>
    <message>
        <source>The field %1 ({{%2}}): %3.</source>
        <translation>The field %1 ({{%2}}): %3.</translation>
    </message>
    <message>
        <source>Filled with %1: %2</source>
        <translation>Filled with %1: %2</translation>
    </message>
</context>
<context>
    <name>PreflightDialog</name>
    <message>
        <source>Pre-flight check</source>
        <translation>Pre-flight check</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 problem</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problems</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is sent:</source>
        <translation>The pre-flight check found %1 in %2 before it is sent:</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is saved:</source>
        <translation>The pre-flight check found %1 in %2 before it is saved:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Finding</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Send anyway</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Save anyway</translation>
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
    <name>PrintPreviewDialog</name>
    <message>
        <source>Preview at</source>
        <translation>Preview at</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>as now</source>
        <translation>as now</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Copy the designer's message again</source>
        <translation>Copy the designer's message again</translation>
    </message>
    <message>
        <source>Next changes of the printed text</source>
        <translation>Next changes of the printed text</translation>
    </message>
    <message>
        <source>When</source>
        <translation>When</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Boundary</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>After</source>
        <translation>After</translation>
    </message>
    <message>
        <source>(by the time)</source>
        <translation>(by the time)</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 from %2</translation>
    </message>
    <message>
        <source>Changes every hour: %1</source>
        <translation>Changes every hour: %1</translation>
    </message>
    <message>
        <source>Changes every minute: %1</source>
        <translation>Changes every minute: %1</translation>
    </message>
    <message>
        <source>Changes every second: %1</source>
        <translation>Changes every second: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing in the message changes with the date within %n year(s).</source>
        <translation>
            <numerusform>Nothing in the message changes with the date within %n year.</numerusform>
            <numerusform>Nothing in the message changes with the date within %n years.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PrintTimeline</name>
    <message>
        <source>Date %1 (%2)</source>
        <translation>Date %1 (%2)</translation>
    </message>
    <message>
        <source>Shift code %1</source>
        <translation>Shift code %1</translation>
    </message>
    <message>
        <source>midnight</source>
        <translation>midnight</translation>
    </message>
    <message>
        <source>month end</source>
        <translation>month end</translation>
    </message>
    <message>
        <source>29 February</source>
        <translation>29 February</translation>
    </message>
    <message>
        <source>shift change</source>
        <translation>shift change</translation>
    </message>
</context>
<context>
    <name>ProductsDialog</name>
    <message>
        <source>Products</source>
        <translation>Products</translation>
    </message>
    <message>
        <source>Search code, GTIN or name</source>
        <translation>Search code, GTIN or name</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>Approve...</source>
        <translation>Approve...</translation>
    </message>
    <message>
        <source>Shelf life</source>
        <translation>Shelf life</translation>
    </message>
    <message>
        <source>30 days, 18 months, 18 months, end of month</source>
        <translation>30 days, 18 months, 18 months, end of month</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Coders</translation>
    </message>
    <message>
        <source>Line *; 127.0.0.*</source>
        <translation>Line *; 127.0.0.*</translation>
    </message>
    <message>
        <source>Job fields</source>
        <translation>Job fields</translation>
    </message>
    <message>
        <source>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</source>
        <translation>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Import CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>Batch records...</source>
        <translation>Batch records...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>The products cannot be read: %1</source>
        <translation>The products cannot be read: %1</translation>
    </message>
    <message>
        <source>no products</source>
        <translation>no products</translation>
    </message>
    <message>
        <source>%1-%2 of %3</source>
        <translation>%1-%2 of %3</translation>
    </message>
    <message>
        <source>new product</source>
        <translation>new product</translation>
    </message>
    <message>
        <source>saved by %1, %2 (revision %3)</source>
        <translation>saved by %1, %2 (revision %3)</translation>
    </message>
    <message>
        <source>check digit good: %1</source>
        <translation>check digit good: %1</translation>
    </message>
    <message>
        <source>%1 is not saved: %2</source>
        <translation>%1 is not saved: %2</translation>
    </message>
    <message>
        <source>%1 saved.</source>
        <translation>%1 saved.</translation>
    </message>
    <message>
        <source>Approve a template</source>
        <translation>Approve a template</translation>
    </message>
    <message>
        <source>%1 approved.</source>
        <translation>%1 approved.</translation>
    </message>
    <message>
        <source>Import products</source>
        <translation>Import products</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>Nothing imported: %1</translation>
    </message>
    <message>
        <source>%1 products imported, %2 rows refused.</source>
        <translation>%1 products imported, %2 rows refused.</translation>
    </message>
    <message>
        <source>line %1 (%2): %3</source>
        <translation>line %1 (%2): %3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>Columns ignored: %1</source>
        <translation>Columns ignored: %1</translation>
    </message>
    <message>
        <source>Export products</source>
        <translation>Export products</translation>
    </message>
    <message>
        <source>Not exported: %1</source>
        <translation>Not exported: %1</translation>
    </message>
    <message>
        <source>Products exported to %1.</source>
        <translation>Products exported to %1.</translation>
    </message>
    <message>
        <source>Confirming scan of the packaging required</source>
        <translation>Confirming scan of the packaging required</translation>
    </message>
    <message>
        <source>A job of this product starts only after a scan of the packaging on the line shows the product's GTIN.</source>
        <translation>A job of this product starts only after a scan of the packaging on the line shows the product's GTIN.</translation>
    </message>
</context>
<context>
    <name>ProductsLink</name>
    <message>
        <source>Products</source>
        <translation>Products</translation>
    </message>
    <message>
        <source>Products, template approvals and batch records</source>
        <translation>Products, template approvals and batch records</translation>
    </message>
    <message>
        <source>The catalogue is not open (%1); it is tried again.</source>
        <translation>The catalogue is not open (%1); it is tried again.</translation>
    </message>
    <message>
        <source>the catalogue is not open</source>
        <translation>the catalogue is not open</translation>
    </message>
    <message>
        <source>The save of %1 is not in the catalogue (%2): anyone may sign this version.</source>
        <translation>The save of %1 is not in the catalogue (%2): anyone may sign this version.</translation>
    </message>
</context>
<context>
    <name>ReaderAlarmBar</name>
    <message>
        <source>Sign in as a Supervisor to handle the code readers.</source>
        <translation>Sign in as a Supervisor to handle the code readers.</translation>
    </message>
    <message>
        <source>Only a Supervisor or Administrator may acknowledge a reader alarm or start a challenge test; %1 is signed in as %2.</source>
        <translation>Only a Supervisor or Administrator may acknowledge a reader alarm or start a challenge test; %1 is signed in as %2.</translation>
    </message>
    <message>
        <source>Reader alarm: %1</source>
        <translation>Reader alarm: %1</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Acknowledge</translation>
    </message>
    <message>
        <source>%1: challenge test running; let up to %2 wrong or missing codes pass</source>
        <translation>%1: challenge test running; let up to %2 wrong or missing codes pass</translation>
    </message>
    <message>
        <source>%1: No passed challenge test today</source>
        <translation>%1: No passed challenge test today</translation>
    </message>
    <message>
        <source>Start challenge test</source>
        <translation>Start challenge test</translation>
    </message>
</context>
<context>
    <name>RemoteJobs</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 on %2</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>a coder gone</translation>
    </message>
    <message>
        <source>%1: its line is not heard of</source>
        <translation>%1: its line is not heard from</translation>
    </message>
    <message>
        <source>%1: sent, its line has not taken it up</source>
        <translation>%1: sent, its line has not taken it up yet</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Lot %1: job %2 runs on this PC's coders; sent to their lines for %3.</source>
        <translation>Lot %1: job %2 runs on this PC's coders; sent to their lines for %3.</translation>
    </message>
    <message>
        <source>Lot %1: no coder of this PC; sent to their lines for %2.</source>
        <translation>Lot %1: no coder of this PC; sent to their lines for %2.</translation>
    </message>
    <message>
        <source>Not started: no line says a coder of the job is verified.</source>
        <translation>Not started: no line says a coder of the job is verified.</translation>
    </message>
    <message>
        <source>The job of the lines' coders was not ended: %1</source>
        <translation>The job of the lines' coders was not ended: %1</translation>
    </message>
</context>
<context>
    <name>RemoteLines</name>
    <message>
        <source>%1 for %2 on %3 not sent: %4</source>
        <translation>%1 for %2 on %3 not sent: %4</translation>
    </message>
    <message>
        <source>its line is not heard of</source>
        <translation>its line is not heard from</translation>
    </message>
    <message>
        <source>this window follows no line</source>
        <translation>this window follows no line</translation>
    </message>
    <message>
        <source>%1 sent to %2 on %3</source>
        <translation>%1 sent to %2 on %3</translation>
    </message>
    <message>
        <source>%1 for %2 on %3: %4</source>
        <translation>%1 for %2 on %3: %4</translation>
    </message>
    <message>
        <source>Job start</source>
        <translation>Job start</translation>
    </message>
    <message>
        <source>Job end</source>
        <translation>Job end</translation>
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
    <message>
        <source>run jobs</source>
        <translation>run jobs</translation>
    </message>
    <message>
        <source>edit products</source>
        <translation>edit products</translation>
    </message>
    <message>
        <source>sign templates</source>
        <translation>sign templates</translation>
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
        <translation>Counter ID</translation>
    </message>
    <message>
        <source>System Base</source>
        <translation>Number Base</translation>
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
        <translation>Digits</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Prefix</translation>
    </message>
    <message>
        <source>Counter%1</source>
        <translation>Counter %1</translation>
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
    <message>
        <source>send messages outside a job</source>
        <translation>send messages outside a job</translation>
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
        <translation>Shift code</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>Time (24 hours)</source>
        <translation>Time (24 hours)</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
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
    <name>SignatureDialog</name>
    <message>
        <source>Approve a template</source>
        <translation>Approve a template</translation>
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
        <source>Meaning</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>You sign %1, SHA-256 %2: give your name and password again.</source>
        <translation>You sign %1, SHA-256 %2: give your name and password again.</translation>
    </message>
    <message>
        <source>Users are off: the approval of %1, SHA-256 %2, is recorded under the system login and marked unsigned.</source>
        <translation>Users are off: the approval of %1, SHA-256 %2, is recorded under the system login and marked unsigned.</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>Cannot create the folder %1 in %2.</source>
        <translation>Cannot create the folder %1 in %2.</translation>
    </message>
    <message>
        <source>%1 was not sent: it does not load as a message (%2).</source>
        <translation>%1 was not sent: it does not load as a message (%2).</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found: %2</source>
        <translation>%1 was not sent: the pre-flight check found: %2</translation>
    </message>
    <message>
        <source>%1 was not sent despite its findings: %2</source>
        <translation>%1 was not sent despite its findings: %2</translation>
    </message>
</context>
<context>
    <name>StationSettings</name>
    <message>
        <source>not a plain file</source>
        <translation>not a plain file</translation>
    </message>
    <message>
        <source>larger than %1 KiB</source>
        <translation>larger than %1 KiB</translation>
    </message>
    <message>
        <source>no such settings file</source>
        <translation>no such settings file</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>cannot be read (%1)</translation>
    </message>
    <message>
        <source>[server] port must be a number from 1 to 65535, not "%1"</source>
        <translation>[server] port must be a number from 1 to 65535, not "%1"</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 cannot be read (%2)</translation>
    </message>
    <message>
        <source>%1 is a link; change the file it names</source>
        <translation>%1 is a link; change the file it names</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 cannot be written (%2)</translation>
    </message>
    <message>
        <source>The port holds until the program ends: %1.</source>
        <translation>The port holds until the program ends: %1.</translation>
    </message>
    <message>
        <source>The name holds until the program ends: %1.</source>
        <translation>The name holds until the program ends: %1.</translation>
    </message>
    <message>
        <source>The remark names of this account are used, but not yet kept in the settings: %1.</source>
        <translation>The remark names of this account are used, but not yet kept in the settings: %1.</translation>
    </message>
    <message>
        <source>[jobs] enabled must be true or false, not "%1"</source>
        <translation>[jobs] enabled must be true or false, not "%1"</translation>
    </message>
</context>
<context>
    <name>TemplateSamples</name>
    <message>
        <source>Lot</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Production date</source>
        <translation>Production date</translation>
    </message>
    <message>
        <source>Best before</source>
        <translation>Best before</translation>
    </message>
    <message>
        <source>no sample could be made that matches its pattern %1, so it is checked with "A1"</source>
        <translation>no sample could be made that matches its pattern %1, so it is checked with "A1"</translation>
    </message>
</context>
<context>
    <name>TemplateSigning</name>
    <message>
        <source>Approved for production</source>
        <translation>Approved for production</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 cannot be read (%2)</translation>
    </message>
    <message>
        <source>A signature needs its meaning.</source>
        <translation>A signature needs its meaning.</translation>
    </message>
    <message>
        <source>Only the user signed in (%1) may sign here.</source>
        <translation>Only the user signed in (%1) may sign here.</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>nobody</translation>
    </message>
    <message>
        <source>Not signed: %1</source>
        <translation>Not signed: %1</translation>
    </message>
    <message>
        <source>Not signed: only a Supervisor or an Administrator may approve templates.</source>
        <translation>Not signed: only a Supervisor or an Administrator may approve templates.</translation>
    </message>
    <message>
        <source>The approval is stored, but not in the journal: %1</source>
        <translation>The approval is stored, but not in the journal: %1</translation>
    </message>
    <message>
        <source>%1 by %2 (unsigned: users are off), %3, SHA-256 %4</source>
        <translation>%1 by %2 (unsigned: users are off), %3, SHA-256 %4</translation>
    </message>
    <message>
        <source>%1, signed by %2, %3, SHA-256 %4</source>
        <translation>%1, signed by %2, %3, SHA-256 %4</translation>
    </message>
    <message>
        <source>not approved: %1</source>
        <translation>not approved: %1</translation>
    </message>
    <message>
        <source>not approved (SHA-256 %1)</source>
        <translation>not approved (SHA-256 %1)</translation>
    </message>
    <message>
        <source>approval unknown: %1</source>
        <translation>approval unknown: %1</translation>
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
        <translation>Content</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>External Data</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>Insert field</translation>
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
        <translation>Date Format</translation>
    </message>
    <message>
        <source>"yyyy" means year ,"MM" means month,"dd" means days.
e.g. "yyyy/MM/dd"  -&gt; "2021/05/20"

"hh" means hours ,"mm" means minutes,"ss" measn seconds.
e.g. ''hh:mm:ss" -&gt; "08:08:08"

Coustom date and other date format please see the instructions.</source>
        <translation>"yyyy" means year, "MM" means month, "dd" means day.
e.g. "yyyy/MM/dd" -&gt; "2021/05/20"

"hh" means hours, "mm" means minutes, "ss" means seconds.
e.g. "hh:mm:ss" -&gt; "08:08:08"

For custom and other date formats, see the instructions.</translation>
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
        <translation>Clear</translation>
    </message>
    <message>
        <source>Vaild Days</source>
        <translation>Valid Days</translation>
    </message>
    <message>
        <source>Best before of the product</source>
        <translation>Best before of the product</translation>
    </message>
    <message>
        <source>In a product's template: a job gives this date the product's shelf life; the days above are what the designer shows meanwhile.</source>
        <translation>In a product's template: a job gives this date the product's shelf life; the days above are what the designer shows meanwhile.</translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message>
        <source>Nobody can sign in until an administrator runs "KorvexControl --create-admin NAME" in this folder.</source>
        <translation>Nobody can sign in until an administrator runs "KorvexControl --create-admin NAME" in this folder.</translation>
    </message>
    <message>
        <source>The users file %1 %2. %3</source>
        <translation>The users file %1 %2. %3</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>is not a plain file</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>belongs to another account</source>
        <translation>belongs to another account</translation>
    </message>
    <message>
        <source>may be read or written by other accounts</source>
        <translation>may be read or written by other accounts</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>is too large</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>cannot be read (%1)</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>is damaged</translation>
    </message>
    <message>
        <source>names no administrator</source>
        <translation>names no administrator</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a link, which is not followed</source>
        <translation>Cannot write %1: it is a link, which is not followed</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: its permissions cannot be set</source>
        <translation>Cannot write %1: its permissions cannot be set</translation>
    </message>
    <message>
        <source>A user name cannot be empty.</source>
        <translation>A user name cannot be empty.</translation>
    </message>
    <message>
        <source>A user name has at most %1 characters.</source>
        <translation>A user name has at most %1 characters.</translation>
    </message>
    <message>
        <source>A user name cannot begin or end with a space.</source>
        <translation>A user name cannot begin or end with a space.</translation>
    </message>
    <message>
        <source>A user name cannot hold control characters.</source>
        <translation>A user name cannot hold control characters.</translation>
    </message>
    <message>
        <source>A user name cannot hold / or \.</source>
        <translation>A user name cannot hold / or \.</translation>
    </message>
    <message>
        <source>A password cannot be empty.</source>
        <translation>A password cannot be empty.</translation>
    </message>
    <message>
        <source>%1 is the last administrator.</source>
        <translation>%1 is the last administrator.</translation>
    </message>
    <message>
        <source>There is no user %1.</source>
        <translation>There is no user %1.</translation>
    </message>
    <message>
        <source>%1 is locked for %2 more seconds after %3 wrong passwords.</source>
        <translation>%1 is locked for %2 more seconds after %3 wrong passwords.</translation>
    </message>
    <message>
        <source>Wrong name or password. %1 is locked for a minute.</source>
        <translation>Wrong name or password. %1 is locked for a minute.</translation>
    </message>
    <message>
        <source>Wrong name or password.</source>
        <translation>Wrong name or password.</translation>
    </message>
    <message>
        <source>%1 is a link to %2 that cannot be removed; nothing changed.</source>
        <translation>%1 is a link to %2 that cannot be removed; nothing changed.</translation>
    </message>
    <message>
        <source>%1 was a link to %2: the link is removed and %1 written anew; %2 is left as it was.</source>
        <translation>%1 was a link to %2: the link is removed and %1 written anew; %2 is left as it was.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; nothing changed.</source>
        <translation>%1 is not a plain file; nothing changed.</translation>
    </message>
    <message>
        <source>%1 cannot be read; nothing changed.</source>
        <translation>%1 cannot be read; nothing changed.</translation>
    </message>
    <message>
        <source>%1 belonged to another account, who could have put any user there: it is written anew without its users.</source>
        <translation>%1 belonged to another account, who could have put any user there: it is written anew without its users.</translation>
    </message>
    <message>
        <source>%1 could be written by other accounts, who could have put any user there: it is written anew without its users.</source>
        <translation>%1 could be written by other accounts, who could have put any user there: it is written anew without its users.</translation>
    </message>
    <message>
        <source>%1 was damaged: it is written anew without its users.</source>
        <translation>%1 was damaged: it is written anew without its users.</translation>
    </message>
    <message>
        <source>%1 could be read by other accounts: it is now readable by its owner only. The users kept should change their passwords, whose hashes could be read.</source>
        <translation>%1 could be read by other accounts: it is now readable by its owner only. The users kept should change their passwords, whose hashes could be read.</translation>
    </message>
    <message>
        <source>The other users are kept: %1.</source>
        <translation>The other users are kept: %1.</translation>
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
<context>
    <name>ParameterChange</name>
    <message>
        <source>spray mode</source>
        <translation>spray mode</translation>
    </message>
    <message>
        <source>device value 1</source>
        <translation>device value 1</translation>
    </message>
    <message>
        <source>device value 2</source>
        <translation>device value 2</translation>
    </message>
    <message>
        <source>resolution</source>
        <translation>resolution</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>trigger</translation>
    </message>
    <message>
        <source>head range</source>
        <translation>head range</translation>
    </message>
    <message>
        <source>splice</source>
        <translation>splice</translation>
    </message>
    <message>
        <source>heads</source>
        <translation>heads</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>direction</translation>
    </message>
    <message>
        <source>head 1 offset</source>
        <translation>head 1 offset</translation>
    </message>
    <message>
        <source>head 2 offset</source>
        <translation>head 2 offset</translation>
    </message>
    <message>
        <source>head 3 offset</source>
        <translation>head 3 offset</translation>
    </message>
    <message>
        <source>head 4 offset</source>
        <translation>head 4 offset</translation>
    </message>
    <message>
        <source>head 1 direction</source>
        <translation>head 1 direction</translation>
    </message>
    <message>
        <source>head 2 direction</source>
        <translation>head 2 direction</translation>
    </message>
    <message>
        <source>head 3 direction</source>
        <translation>head 3 direction</translation>
    </message>
    <message>
        <source>head 4 direction</source>
        <translation>head 4 direction</translation>
    </message>
    <message>
        <source>encoder</source>
        <translation>encoder</translation>
    </message>
    <message>
        <source>beep</source>
        <translation>beep</translation>
    </message>
    <message>
        <source>encoder pulses</source>
        <translation>encoder pulses</translation>
    </message>
    <message>
        <source>encoder diameter</source>
        <translation>encoder diameter</translation>
    </message>
    <message>
        <source>line speed</source>
        <translation>line speed</translation>
    </message>
    <message>
        <source>signal interval</source>
        <translation>signal interval</translation>
    </message>
    <message>
        <source>device value 3</source>
        <translation>device value 3</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>per revolution</source>
        <translation>per revolution</translation>
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
        <translation>forward</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>reverse</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>inverse</translation>
    </message>
    <message>
        <source>rev/inv</source>
        <translation>rev/inv</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>code %1</translation>
    </message>
    <message>
        <source>left</source>
        <translation>left</translation>
    </message>
    <message>
        <source>right</source>
        <translation>right</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>high quality</translation>
    </message>
    <message>
        <source>high speed</source>
        <translation>high speed</translation>
    </message>
    <message>
        <source>external signal</source>
        <translation>external signal</translation>
    </message>
    <message>
        <source>internal signal</source>
        <translation>internal signal</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>on</source>
        <translation>on</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
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
        <translation>Save</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
</context>
</TS>
