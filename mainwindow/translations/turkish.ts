<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name>AccessControl</name>
    <message>
        <source>%1 was signed out: no input for %2 minutes.</source>
        <translation>%1 oturumu kapatıldı: %2 dakika işlem yok.</translation>
    </message>
    <message>
        <source>&lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation>&lt;a href="users"&gt;Kullanıcılar&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Nobody can sign in: see the event log</source>
        <translation>Kimse oturum açamıyor: olay günlüğüne bakın</translation>
    </message>
    <message>
        <source>Nobody signed in · &lt;a href="signin"&gt;Sign in&lt;/a&gt;</source>
        <translation>Oturum açan yok · &lt;a href="signin"&gt;Oturum aç&lt;/a&gt;</translation>
    </message>
    <message>
        <source>%1 (%2) · &lt;a href="signout"&gt;Sign out&lt;/a&gt;</source>
        <translation>%1 (%2) · &lt;a href="signout"&gt;Oturumu kapat&lt;/a&gt;</translation>
    </message>
    <message>
        <source> · &lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation> · &lt;a href="users"&gt;Kullanıcılar&lt;/a&gt;</translation>
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
        <translation>İçerik</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Edit the content line by line</source>
        <translation>İçeriği satır satır düzenle</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Yükseklik</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Ölçek</translation>
    </message>
    <message>
        <source>Tenths: 20 is scale 2.0</source>
        <translation>Onda bir: 20, 2.0 ölçektir</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>Metni göster</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Data Mode</source>
        <translation>Veri modu</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standart</translation>
    </message>
    <message>
        <source>GS1</source>
        <translation>GS1</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>Harici veri</translation>
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
        <translation>QR kod (ISO 18004)</translation>
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
        <translation>Alan ekle</translation>
    </message>
</context>
<context>
    <name>BatchRecordPdf</name>
    <message>
        <source>the message is too large to draw</source>
        <translation>mesaj çizilemeyecek kadar büyük</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 yazılamıyor (%2)</translation>
    </message>
    <message>
        <source>Batch record of job %1</source>
        <translation>%1 işinin parti kaydı</translation>
    </message>
    <message>
        <source>Batch record: job %1</source>
        <translation>Parti kaydı: iş %1</translation>
    </message>
    <message>
        <source>Product: %1 %2</source>
        <translation>Ürün: %1 %2</translation>
    </message>
    <message>
        <source>Order: %1    Lot: %2</source>
        <translation>Sipariş: %1    Lot: %2</translation>
    </message>
    <message>
        <source>Started: %1 by %2</source>
        <translation>Başladı: %1, %2</translation>
    </message>
    <message>
        <source>Ended: not yet</source>
        <translation>Bitti: henüz değil</translation>
    </message>
    <message>
        <source>Ended: %1 by %2</source>
        <translation>Bitti: %1, %2</translation>
    </message>
    <message>
        <source>Field values</source>
        <translation>Alan değerleri</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Şablon</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2</source>
        <translation>%1, SHA-256 %2</translation>
    </message>
    <message>
        <source>Signature: %1</source>
        <translation>İmza: %1</translation>
    </message>
    <message>
        <source>Message sent</source>
        <translation>Gönderilen mesaj</translation>
    </message>
    <message>
        <source>SHA-256 %1</source>
        <translation>SHA-256 %1</translation>
    </message>
    <message>
        <source>(no picture: the message sent is no longer in the folder of jobs)</source>
        <translation>(resim yok: gönderilen mesaj artık iş klasöründe değil)</translation>
    </message>
    <message>
        <source>(no picture: %1)</source>
        <translation>(resim yok: %1)</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Kodlayıcılar</translation>
    </message>
    <message>
        <source>%1 %2: %3 at %4; read back %5</source>
        <translation>%1 %2: %3, %4; geri okunan %5</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>hiçbir şey</translation>
    </message>
    <message>
        <source>    started %1, stopped %2</source>
        <translation>    başladı %1, durdu %2</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 yazılamıyor</translation>
    </message>
    <message>
        <source>Code readers</source>
        <translation>Kod okuyucuları</translation>
    </message>
    <message>
        <source>%1, reader %2: %3 good, %4 bad, %5 no read, %6 not compared</source>
        <translation>%1, okuyucu %2: %3 doğru, %4 yanlış, %5 okunamadı, %6 karşılaştırılmadı</translation>
    </message>
    <message>
        <source>Challenge test of %1, reader %2, %3 at %4 by %5 after %6 reads%7</source>
        <translation>%1 doğrulama testi, okuyucu %2, %4 tarihinde %3, %5, %6 okumadan sonra%7</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>geçti</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>başarısız</translation>
    </message>
</context>
<context>
    <name>BatchRecordsDialog</name>
    <message>
        <source>Batch records</source>
        <translation>Parti kayıtları</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Bul</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>İş</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Başladı</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Ürün</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Sipariş</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV dışa aktar...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>PDF dışa aktar...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message numerus="yes">
        <source>%n jobs</source>
        <translation>
            <numerusform>%n iş</numerusform>
        </translation>
    </message>
    <message>
        <source>The batch records cannot be read: %1</source>
        <translation>Parti kayıtları okunamıyor: %1</translation>
    </message>
    <message>
        <source>Template %1: %2
Message sent: SHA-256 %3</source>
        <translation>Şablon %1: %2
Gönderilen mesaj: SHA-256 %3</translation>
    </message>
    <message>
        <source>run without an approval</source>
        <translation>onaysız çalıştırıldı</translation>
    </message>
    <message>
        <source>Export the batch record</source>
        <translation>Parti kaydını dışa aktar</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV dosyaları (*.csv);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 yazılamıyor (%2)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>PDF dosyaları (*.pdf);;Tüm dosyalar (*)</translation>
    </message>
</context>
<context>
    <name>ChangeMyDeviceBtnRemarkNameDialog</name>
    <message>
        <source>Remark Name</source>
        <translation>Takma ad</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>Adı değiştir</translation>
    </message>
</context>
<context>
    <name>CoderListModel</name>
    <message>
        <source>printing</source>
        <translation>yazdırıyor</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>hazır</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>durdu</translation>
    </message>
    <message>
        <source>IP: %1</source>
        <translation>IP: %1</translation>
    </message>
    <message>
        <source>Remark name: %1</source>
        <translation>Takma ad: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>Durum: %1</translation>
    </message>
    <message>
        <source>Current file: %1</source>
        <translation>Geçerli dosya: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>Job: %1</source>
        <translation>İş: %1</translation>
    </message>
    <message>
        <source>Lot: %1</source>
        <translation>Parti: %1</translation>
    </message>
    <message>
        <source>Job state: %1</source>
        <translation>İş durumu: %1</translation>
    </message>
    <message>
        <source>Line: %1</source>
        <translation>Hat: %1</translation>
    </message>
    <message>
        <source>Not heard of: the last values known</source>
        <translation>Haber alınamıyor: bilinen son değerler</translation>
    </message>
</context>
<context>
    <name>CommandJournal</name>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>%1 is not saved: the journal cannot be written (%2).</source>
        <translation>%1 kaydedilmedi: kayıt defteri yazılamıyor (%2).</translation>
    </message>
    <message>
        <source>%1 was saved, but: %2</source>
        <translation>%1 kaydedildi, ancak: %2</translation>
    </message>
    <message>
        <source>The journal cannot be used: %1</source>
        <translation>Kayıt defteri kullanılamıyor: %1</translation>
    </message>
    <message>
        <source>Not done: its journal line cannot be written (%1)</source>
        <translation>Yapılmadı: kayıt defteri satırı yazılamıyor (%1)</translation>
    </message>
    <message>
        <source>Not in the journal (%1): %2</source>
        <translation>Kayıt defterinde yok (%1): %2</translation>
    </message>
    <message>
        <source>%1, %2 bytes, SHA-256 %3</source>
        <translation>%1, %2 bayt, SHA-256 %3</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>değişmedi</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2 → %3</source>
        <translation>%1, SHA-256 %2 → %3</translation>
    </message>
    <message>
        <source>%1 cut-off line(s) recorded</source>
        <translation>%1 kesik satır kaydedildi</translation>
    </message>
    <message>
        <source>%1 line(s) that are no journal lines recorded</source>
        <translation>kayıt defteri satırı olmayan %1 satır kaydedildi</translation>
    </message>
    <message>
        <source>line %1 changed after its head named it</source>
        <translation>%1. satır, başlık onu belirttikten sonra değişti</translation>
    </message>
    <message>
        <source>lines %1 to %2 never named by the head</source>
        <translation>%1-%2. satırlar başlıkta hiç belirtilmedi</translation>
    </message>
    <message>
        <source>head %1</source>
        <translation>başlık %1</translation>
    </message>
    <message>
        <source>first administrator %1</source>
        <translation>ilk yönetici %1</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 dakika</translation>
    </message>
    <message>
        <source>over %1, broker account %2, user as claimed</source>
        <translation>%1 üzerinden, aracı hesabı %2, beyan edilen kullanıcı</translation>
    </message>
    <message>
        <source>over %1, broker account %2</source>
        <translation>%1 üzerinden, aracı hesabı %2</translation>
    </message>
</context>
<context>
    <name>CommandText</name>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Print parameters</source>
        <translation>Baskı ayarları</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Remark name</source>
        <translation>Takma ad</translation>
    </message>
    <message>
        <source>over MQTT</source>
        <translation>MQTT üzerinden</translation>
    </message>
    <message>
        <source>claimed user %1</source>
        <translation>beyan edilen kullanıcı %1</translation>
    </message>
    <message>
        <source>sent unchanged</source>
        <translation>değişmeden gönderildi</translation>
    </message>
    <message>
        <source>no coder</source>
        <translation>kodlayıcı yok</translation>
    </message>
    <message>
        <source>%1 coders</source>
        <translation>%1 kodlayıcı</translation>
    </message>
    <message>
        <source>%1 sent to %2</source>
        <translation>%1, %2 hedefine gönderildi</translation>
    </message>
    <message>
        <source>Print parameters sent to %1 (its own were not reported before)</source>
        <translation>Baskı ayarları %1 hedefine gönderildi (öncekiler bildirilmemişti)</translation>
    </message>
    <message>
        <source>Print parameters of %1: %2</source>
        <translation>%1 baskı ayarları: %2</translation>
    </message>
    <message>
        <source>Port changed from %1 to %2</source>
        <translation>Port %1 yerine %2 oldu</translation>
    </message>
    <message>
        <source>Remark name of %1 removed (was %2)</source>
        <translation>%1 takma adı kaldırıldı (eskisi %2)</translation>
    </message>
    <message>
        <source>%1 named %2</source>
        <translation>%1 adı %2 oldu</translation>
    </message>
    <message>
        <source>%1 renamed from %2 to %3</source>
        <translation>%1 adı %2 yerine %3 oldu</translation>
    </message>
</context>
<context>
    <name>ControlStatusBar</name>
    <message>
        <source>Listening on port %1</source>
        <translation>%1 portu dinleniyor</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Dinlenmiyor</translation>
    </message>
    <message numerus="yes">
        <source>%n coder(s) connected</source>
        <translation>
            <numerusform>%n kodlayıcı bağlı</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesignHistory</name>
    <message>
        <source>content</source>
        <translation>içerik</translation>
    </message>
    <message>
        <source>external data</source>
        <translation>harici veri</translation>
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
        <translation>döndürme</translation>
    </message>
    <message>
        <source>font</source>
        <translation>yazı tipi</translation>
    </message>
    <message>
        <source>font size</source>
        <translation>yazı boyutu</translation>
    </message>
    <message>
        <source>letter spacing</source>
        <translation>harf aralığı</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>kalın</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>italik</translation>
    </message>
    <message>
        <source>underline</source>
        <translation>altı çizili</translation>
    </message>
    <message>
        <source>format</source>
        <translation>biçim</translation>
    </message>
    <message>
        <source>valid days</source>
        <translation>geçerlilik günü</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>sayaç</translation>
    </message>
    <message>
        <source>base</source>
        <translation>taban</translation>
    </message>
    <message>
        <source>digits</source>
        <translation>basamak</translation>
    </message>
    <message>
        <source>fill character</source>
        <translation>dolgu karakteri</translation>
    </message>
    <message>
        <source>symbology</source>
        <translation>kod türü</translation>
    </message>
    <message>
        <source>height</source>
        <translation>yükseklik</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>ölçek</translation>
    </message>
    <message>
        <source>text line</source>
        <translation>metin satırı</translation>
    </message>
    <message>
        <source>size</source>
        <translation>boyut</translation>
    </message>
    <message>
        <source>data mode</source>
        <translation>veri modu</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>resim</translation>
    </message>
    <message>
        <source>shift table</source>
        <translation>vardiya tablosu</translation>
    </message>
    <message>
        <source>properties</source>
        <translation>özellikler</translation>
    </message>
    <message>
        <source>best before of the product</source>
        <translation>ürünün son kullanma tarihi</translation>
    </message>
</context>
<context>
    <name>DesignTemplate</name>
    <message>
        <source>the catalogue is not open</source>
        <translation>katalog açık değil</translation>
    </message>
    <message>
        <source>%1: %2 by %3 (unsigned: users are off), %4</source>
        <translation>%1: %2, %3 (imzasız: kullanıcılar kapalı), %4</translation>
    </message>
    <message>
        <source>%1: %2, signed by %3, %4</source>
        <translation>%1: %2, imzalayan %3, %4</translation>
    </message>
    <message>
        <source>%1: not approved</source>
        <translation>%1: onaylanmadı</translation>
    </message>
    <message>
        <source>%1: approval unknown (%2)</source>
        <translation>%1: onay bilinmiyor (%2)</translation>
    </message>
    <message>
        <source>The template of %1. The version a save writes must be signed before a job may run it.</source>
        <translation>%1 şablonu. Kaydın yazdığı sürüm, bir iş onu kullanmadan önce imzalanmalıdır.</translation>
    </message>
</context>
<context>
    <name>DesignUndo</name>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seri numarası</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Resim</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Barkod</translation>
    </message>
    <message>
        <source>Shift code</source>
        <translation>Vardiya kodu</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Öğe</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 ekle</translation>
    </message>
    <message numerus="yes">
        <source>Add %n item(s)</source>
        <translation>
            <numerusform>%n öğe ekle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n item(s)</source>
        <translation>
            <numerusform>%n öğe sil</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 taşı</translation>
    </message>
    <message numerus="yes">
        <source>Move %n item(s)</source>
        <translation>
            <numerusform>%n öğe taşı</numerusform>
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
        <translation>"%1" adlı kodlayıcı için klasör yok</translation>
    </message>
    <message>
        <source>%1 leads through a link; no folder is made</source>
        <translation>%1 bir bağlantıdan geçiyor; klasör oluşturulmadı</translation>
    </message>
    <message>
        <source>cannot create folder %1</source>
        <translation>%1 klasörü oluşturulamıyor</translation>
    </message>
    <message>
        <source>unsafe file name "%1" refused</source>
        <translation>güvenli olmayan dosya adı "%1" reddedildi</translation>
    </message>
    <message>
        <source>file name of %1 bytes refused, at most %2</source>
        <translation>%1 baytlık dosya adı reddedildi, en fazla %2</translation>
    </message>
    <message>
        <source>%1 leads through a link; nothing is written</source>
        <translation>%1 bir bağlantıdan geçiyor; hiçbir şey yazılmadı</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
</context>
<context>
    <name>DeviceListPanel</name>
    <message>
        <source>Filter: name, IP, state</source>
        <translation>Filtre: ad, IP, durum</translation>
    </message>
    <message>
        <source>Compact rows</source>
        <translation>Sıkı satırlar</translation>
    </message>
    <message>
        <source>%1 %2: click to show only them</source>
        <translation>%1 %2: yalnızca bunları göstermek için tıklayın</translation>
    </message>
    <message>
        <source>Remark Name</source>
        <translation>Takma ad</translation>
    </message>
</context>
<context>
    <name>EditWidget</name>
    <message>
        <source>Editor</source>
        <translation>Düzenleyici</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Ana</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>SN</source>
        <translation>Seri no</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Resim</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Barkod</translation>
    </message>
    <message>
        <source>Shiftcode</source>
        <translation>Vardiya kodu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+wheel up)</source>
        <translation>Yakınlaştır (Ctrl + tekerlek yukarı)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uzaklaştır</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+wheel down)</source>
        <translation>Uzaklaştır (Ctrl + tekerlek aşağı)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Sığdır</translation>
    </message>
    <message>
        <source>Fit the message to the window</source>
        <translation>Mesajı pencereye sığdır</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>One screen pixel per dot</source>
        <translation>Nokta başına bir ekran pikseli</translation>
    </message>
    <message>
        <source>Preview at</source>
        <translation>Önizleme zamanı</translation>
    </message>
    <message>
        <source>What the message prints at a chosen date, time and shift</source>
        <translation>Mesajın seçilen tarih, saat ve vardiyada ne basacağı</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Gelişmiş</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Geri al: %1</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Geri alınacak işlem yok</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Yinele: %1</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Yinelenecek işlem yok</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Dosyayı kaydet</translation>
    </message>
    <message>
        <source>Spray Files (*.spr)</source>
        <translation>Spray dosyaları (*.spr)</translation>
    </message>
    <message>
        <source>the new message</source>
        <translation>yeni mesaj</translation>
    </message>
    <message>
        <source>The message has been changed.
Do you want to save your changes?</source>
        <translation>Mesaj değişti.
Değişiklikler kaydedilsin mi?</translation>
    </message>
</context>
<context>
    <name>FieldMenu</name>
    <message>
        <source>Insert field</source>
        <translation>Alan ekle</translation>
    </message>
    <message>
        <source>Insert a placeholder that a job fills</source>
        <translation>İşin dolduracağı bir yer tutucu ekle</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>Copy for coder %1 failed: %2</source>
        <translation>%1 kodlayıcısı için kopya başarısız: %2</translation>
    </message>
    <message>
        <source>Listening for coders on port %1</source>
        <translation>Kodlayıcılar %1 portunda bekleniyor</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. No coder can connect; choose another port and press "Built".</source>
        <translation>%1 portu dinlenemiyor: %2. Hiçbir kodlayıcı bağlanamaz; başka bir port seçip "Portu aç" düğmesine basın.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <translation>%1 portu dinlenemiyor: %2.</translation>
    </message>
    <message>
        <source>Back to port %1.</source>
        <translation>%1 portuna dönüldü.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. Nothing was sent.</source>
        <translation>%1 okunamıyor: %2. Hiçbir şey gönderilmedi.</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>Normal bir dosya değil</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>Dosya %1 MiB'den büyük</translation>
    </message>
    <message>
        <source>Cannot send %1: %2. Nothing was sent.</source>
        <translation>%1 gönderilemiyor: %2. Hiçbir şey gönderilmedi.</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took %2.</source>
        <translation>%1 kodlayıcısı %2 dosyasını almadan bağlantısı koptu.</translation>
    </message>
    <message>
        <source>Coder %1 did not report its message after %2 was sent: not verified.</source>
        <translation>%2 gönderildikten sonra %1 kodlayıcısı mesajını bildirmedi: doğrulanmadı.</translation>
    </message>
    <message>
        <source>A remark name cannot hold control characters. The name stays as it was.</source>
        <translation>Takma ad kontrol karakteri içeremez. Ad olduğu gibi kalır.</translation>
    </message>
    <message>
        <source>%1: no coder chosen; nothing was sent.</source>
        <translation>%1: kodlayıcı seçilmedi; hiçbir şey gönderilmedi.</translation>
    </message>
    <message>
        <source>Not started: %1 Nothing was sent.</source>
        <translation>Başlatılmadı: %1 Hiçbir şey gönderilmedi.</translation>
    </message>
    <message>
        <source>%1. The port stays as it was.</source>
        <translation>%1. Port olduğu gibi kalır.</translation>
    </message>
    <message>
        <source>%1. The name stays as it was.</source>
        <translation>%1. Ad olduğu gibi kalır.</translation>
    </message>
    <message>
        <source>%1. Nothing was sent.</source>
        <translation>%1. Hiçbir şey gönderilmedi.</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took the command.</source>
        <translation>%1 kodlayıcısı komutu almadan bağlantısı koptu.</translation>
    </message>
    <message>
        <source>Coder %1 connected</source>
        <translation>%1 kodlayıcısı bağlandı</translation>
    </message>
    <message>
        <source>Coder %1 disconnected</source>
        <translation>%1 kodlayıcısının bağlantısı kesildi</translation>
    </message>
    <message>
        <source>Current file of coder %1 not stored: %2</source>
        <translation>%1 kodlayıcısının geçerli dosyası saklanmadı: %2</translation>
    </message>
    <message>
        <source>Coder %1 holds another message than was sent: sent %2 (SHA-256 %3), holds %4 (SHA-256 %5).</source>
        <translation>%1 kodlayıcısında gönderilenden farklı bir mesaj var: gönderilen %2 (SHA-256 %3), içindeki %4 (SHA-256 %5).</translation>
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
        <translation>Döndür</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Yazı tipi</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Text Space</source>
        <translation>Aralık</translation>
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
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Operator's Manual</source>
        <translation>Operatör kılavuzu</translation>
    </message>
    <message>
        <source>The operator's manual is not installed (looked in %1).</source>
        <translation>Operatör kılavuzu kurulu değil (%1 içinde arandı).</translation>
    </message>
    <message>
        <source>The operator's manual could not be opened: no browser took %1.</source>
        <translation>Operatör kılavuzu açılamadı: %1 adresini açan tarayıcı yok.</translation>
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
        <translation>Resim seç</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Genişlik</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Yükseklik</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Resimler (%1)</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>[window] language "%1" is none of %2; the desktop's language is used.</source>
        <translation>[window] language "%1", %2 dillerinden biri değil; masaüstünün dili kullanılıyor.</translation>
    </message>
</context>
<context>
    <name>JobScan</name>
    <message>
        <source>Scan the packaging on the line: a job of %1 starts only when it shows GTIN %2.</source>
        <translation>Hattaki ambalajı okutun: %1 işi yalnızca ambalajda GTIN %2 varsa başlar.</translation>
    </message>
    <message>
        <source>%1 (character %2)</source>
        <translation>%1 (%2. karakter)</translation>
    </message>
    <message>
        <source>The scan holds no GTIN (01): %1</source>
        <translation>Okutulan kodda GTIN (01) yok: %1</translation>
    </message>
    <message>
        <source>No product has the GTIN %1.</source>
        <translation>GTIN %1 olan ürün yok.</translation>
    </message>
    <message>
        <source>Lot %1 from the scan.</source>
        <translation>Parti %1 okutulan koddan.</translation>
    </message>
    <message>
        <source>Production date %1 from the scan.</source>
        <translation>Üretim tarihi %1 okutulan koddan.</translation>
    </message>
    <message>
        <source>the best-before date (15) %1</source>
        <translation>tavsiye edilen tüketim tarihi (15) %1</translation>
    </message>
    <message>
        <source>the expiry date (17) %1</source>
        <translation>son kullanma tarihi (17) %1</translation>
    </message>
    <message>
        <source>Check the packaging: %1 is not %2, which the shelf life of %3 (%4) gives.</source>
        <translation>Ambalajı kontrol edin: %1, %3 ürününün raf ömrünün (%4) verdiği %2 değil.</translation>
    </message>
    <message>
        <source>Packaging confirmed: GTIN %1.</source>
        <translation>Ambalaj doğrulandı: GTIN %1.</translation>
    </message>
    <message>
        <source>The packaging scanned (GTIN %1) is not that of %2 (GTIN %3): the job does not start.</source>
        <translation>Okutulan ambalaj (GTIN %1), %2 ürününe (GTIN %3) ait değil: iş başlamaz.</translation>
    </message>
</context>
<context>
    <name>JobsPanel</name>
    <message>
        <source>Jobs</source>
        <translation>İşler</translation>
    </message>
    <message>
        <source>Search products by code, GTIN or name</source>
        <translation>Ürün ara: kod, GTIN veya ad</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Type or scan the GTIN, then Enter</source>
        <translation>GTIN'i yazın veya okutun, sonra Enter</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Ürün</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Sipariş</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Start job</source>
        <translation>İşi başlat</translation>
    </message>
    <message>
        <source>Start printing</source>
        <translation>Baskıyı başlat</translation>
    </message>
    <message>
        <source>End job</source>
        <translation>İşi bitir</translation>
    </message>
    <message>
        <source>This window runs no jobs: it has no catalogue.</source>
        <translation>Bu pencere iş çalıştırmaz: kataloğu yok.</translation>
    </message>
    <message>
        <source>The catalogue (%1) is not open; no job starts until it is.</source>
        <translation>Katalog (%1) açık değil; açılana kadar hiçbir iş başlamaz.</translation>
    </message>
    <message>
        <source>Products cannot be listed: %1</source>
        <translation>Ürünler listelenemiyor: %1</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>seçilmedi</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>YYYY-AA-GG</translation>
    </message>
    <message>
        <source>Coders: none checked in the device list</source>
        <translation>Kodlayıcılar: cihaz listesinde işaretli yok</translation>
    </message>
    <message>
        <source>Coders: %1</source>
        <translation>Kodlayıcılar: %1</translation>
    </message>
    <message>
        <source>Not allowed for this product: %1</source>
        <translation>Bu ürün için izin verilmiyor: %1</translation>
    </message>
    <message>
        <source>Choose a product first.</source>
        <translation>Önce bir ürün seçin.</translation>
    </message>
    <message>
        <source>Check the coders of the job in the device list first.</source>
        <translation>Önce cihaz listesinde işin kodlayıcılarını işaretleyin.</translation>
    </message>
    <message>
        <source>The job was not started: %1</source>
        <translation>İş başlatılmadı: %1</translation>
    </message>
    <message>
        <source>Job %1 started: %2, order %3, lot %4.</source>
        <translation>%1 işi başladı: %2, sipariş %3, parti %4.</translation>
    </message>
    <message>
        <source>No job is running in this view.</source>
        <translation>Bu görünümde çalışan iş yok.</translation>
    </message>
    <message>
        <source>Not started: no coder of job %1 is verified.</source>
        <translation>Başlatılmadı: %1 işinin hiçbir kodlayıcısı doğrulanmadı.</translation>
    </message>
    <message>
        <source>Job %1 was not ended: %2</source>
        <translation>%1 işi bitirilmedi: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Job %1 ended.</source>
        <translation>%1 işi bitti.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>bağlantısı kopan kodlayıcı</translation>
    </message>
    <message>
        <source>not in the job</source>
        <translation>işte değil</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>gönderiliyor</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>doğrulandı</translation>
    </message>
    <message>
        <source>running</source>
        <translation>çalışıyor</translation>
    </message>
    <message>
        <source>mismatch</source>
        <translation>uyuşmuyor</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>doğrulanmadı</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Ambalaj</translation>
    </message>
    <message>
        <source>Scan the packaging on the line, then Enter</source>
        <translation>Hattaki ambalajı okutun, sonra Enter</translation>
    </message>
    <message numerus="yes">
        <source>%n batch-record write(s) wait for the catalogue; they are written in order when it is back.</source>
        <translation>
            <numerusform>%n parti kaydı yazımı kataloğu bekliyor; katalog dönünce sırayla yazılır.</numerusform>
        </translation>
    </message>
    <message>
        <source>The job was not started: no line took it; the event log says why.</source>
        <translation>İş başlatılmadı: hiçbir hat kabul etmedi; nedeni olay günlüğünde.</translation>
    </message>
</context>
<context>
    <name>JournalDock</name>
    <message>
        <source>Journal</source>
        <translation>Kayıt defteri</translation>
    </message>
    <message>
        <source>Show or hide the journal of what was done</source>
        <translation>Yapılanların kaydını göster veya gizle</translation>
    </message>
</context>
<context>
    <name>JournalView</name>
    <message>
        <source>message sent</source>
        <translation>mesaj gönderildi</translation>
    </message>
    <message>
        <source>print parameters</source>
        <translation>baskı ayarları</translation>
    </message>
    <message>
        <source>start</source>
        <translation>başlatma</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>durdurma</translation>
    </message>
    <message>
        <source>port</source>
        <translation>port</translation>
    </message>
    <message>
        <source>remark name</source>
        <translation>takma ad</translation>
    </message>
    <message>
        <source>message saved</source>
        <translation>mesaj kaydedildi</translation>
    </message>
    <message>
        <source>command failed</source>
        <translation>komut başarısız</translation>
    </message>
    <message>
        <source>journal recovered</source>
        <translation>kayıt defteri kurtarıldı</translation>
    </message>
    <message>
        <source>sign-in</source>
        <translation>oturum açma</translation>
    </message>
    <message>
        <source>sign-in refused</source>
        <translation>oturum açma reddedildi</translation>
    </message>
    <message>
        <source>sign-out</source>
        <translation>oturum kapatma</translation>
    </message>
    <message>
        <source>users on</source>
        <translation>kullanıcılar açıldı</translation>
    </message>
    <message>
        <source>users off</source>
        <translation>kullanıcılar kapatıldı</translation>
    </message>
    <message>
        <source>user set</source>
        <translation>kullanıcı ayarlandı</translation>
    </message>
    <message>
        <source>user removed</source>
        <translation>kullanıcı kaldırıldı</translation>
    </message>
    <message>
        <source>idle time</source>
        <translation>boşta kalma süresi</translation>
    </message>
    <message>
        <source>administrator created</source>
        <translation>yönetici oluşturuldu</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zaman</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>İşlem</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Kodlayıcılar</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Ayrıntılar</translation>
    </message>
    <message>
        <source>%1 (claimed)</source>
        <translation>%1 (beyan edilen)</translation>
    </message>
    <message>
        <source>Coder: IP or name</source>
        <translation>Kodlayıcı: IP veya ad</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>Tüm kullanıcılar</translation>
    </message>
    <message>
        <source>All actions</source>
        <translation>Tüm işlemler</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bitiş</translation>
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
        <translation>Ana</translation>
    </message>
    <message>
        <source>Apply Print Parameter</source>
        <translation>Baskı ayarlarını uygula</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Multi Select</source>
        <translation>Çoklu seçim</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>Sunucu portu</translation>
    </message>
    <message>
        <source>Built</source>
        <translation>Portu aç</translation>
    </message>
    <message>
        <source>File Manage</source>
        <translation>Dosyalar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Cihazlar</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Dosya listesi</translation>
    </message>
    <message>
        <source>Print parameters not loaded: %1</source>
        <translation>Baskı ayarları yüklenmedi: %1</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>You must select a file! </source>
        <translation>Bir dosya seçmelisiniz!</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found problems.</source>
        <translation>%1 gönderilmedi: ön kontrol sorun buldu.</translation>
    </message>
    <message>
        <source>"%1" is not a port: enter a number from 1 to 65535. The server keeps running as it was.</source>
        <translation>"%1" bir port değil: 1 ile 65535 arasında bir sayı girin. Sunucu olduğu gibi çalışıyor.</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>İşler</translation>
    </message>
    <message>
        <source>Show or hide the jobs view</source>
        <translation>İşleri göster veya gizle</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message>
        <source>Can not find the extern data file!</source>
        <translation>Harici veri dosyası bulunamadı!</translation>
    </message>
    <message>
        <source>The columns in the file don't match the extern items you create!</source>
        <translation>Dosyadaki sütunlar oluşturduğunuz harici alanlarla eşleşmiyor!</translation>
    </message>
    <message>
        <source>Unknown Error!</source>
        <translation>Bilinmeyen hata!</translation>
    </message>
    <message>
        <source>The extern data file is a device or a pipe, not a plain file!</source>
        <translation>Harici veri dosyası normal bir dosya değil, bir aygıt veya boru!</translation>
    </message>
    <message>
        <source>The extern data file is larger than %1 MiB!</source>
        <translation>Harici veri dosyası %1 MiB'den büyük!</translation>
    </message>
    <message>
        <source>The extern data file has a line longer than %1 bytes!</source>
        <translation>Harici veri dosyasında %1 bayttan uzun bir satır var!</translation>
    </message>
    <message>
        <source>Qt Drawing</source>
        <translation>Mesaj dosyası</translation>
    </message>
    <message>
        <source>t</source>
        <translation>Veri dosyası</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>%1 dosyası yazılamıyor:
%2.</translation>
    </message>
    <message>
        <source>Cannot read print file %1:
%2.</source>
        <translation>%1 baskı dosyası okunamıyor:
%2.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>Dosya %1 MiB'den büyük</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>Normal bir dosya değil</translation>
    </message>
    <message>
        <source>File %1 is empty.</source>
        <translation>%1 dosyası boş.</translation>
    </message>
</context>
<context>
    <name>MessagePreview</name>
    <message>
        <source>Current message of %1</source>
        <translation>%1 geçerli mesajı</translation>
    </message>
    <message>
        <source>Current message of %1 (%2)</source>
        <translation>%1 (%2) geçerli mesajı</translation>
    </message>
    <message>
        <source>Current message of coder %1: %2</source>
        <translation>%1 kodlayıcısının geçerli mesajı: %2</translation>
    </message>
    <message>
        <source>%1, read back %2</source>
        <translation>%1, %2 saatinde geri okundu</translation>
    </message>
    <message>
        <source>%1, read back %2: not the message sent
sent SHA-256 %3
held SHA-256 %4</source>
        <translation>%1, %2 saatinde geri okundu: gönderilen mesaj değil
gönderilen SHA-256 %3
kodlayıcıdaki SHA-256 %4</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>%1: no read-back since %2 (sent SHA-256 %3)</source>
        <translation>%1: %2 saatinden beri geri okuma yok (gönderilen SHA-256 %3)</translation>
    </message>
    <message>
        <source>%1, waiting for the read-back</source>
        <translation>%1, geri okuma bekleniyor</translation>
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
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>Preflight</name>
    <message>
        <source>left</source>
        <translation>sol</translation>
    </message>
    <message>
        <source>top</source>
        <translation>üst</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>alt</translation>
    </message>
    <message>
        <source>Reaches past the %1 edge of the print area: that part is not printed.</source>
        <translation>Baskı alanının %1 kenarını aşıyor: o kısım basılmaz.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> ve </translation>
    </message>
    <message>
        <source>Lies on the band of head %1, which the head mask leaves out: that part is not printed.</source>
        <translation>Kafa maskesinin dışarıda bıraktığı %1. kafanın bandında: o kısım basılmaz.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The content is more than the symbol holds at its size: %1</source>
        <translation>İçerik, bu boyuttaki kodun alabileceğinden fazla: %1</translation>
    </message>
    <message>
        <source>The GS1 data is refused: %1</source>
        <translation>GS1 verisi reddedildi: %1</translation>
    </message>
    <message>
        <source>The content cannot be encoded: %1</source>
        <translation>İçerik kodlanamıyor: %1</translation>
    </message>
    <message>
        <source>A module is %1 dots wide, not a whole number of dots: the coder prints bars of uneven width. Choose a scale whose module is whole dots.</source>
        <translation>Bir modül %1 nokta genişliğinde, tam sayı değil: kodlayıcı eşit olmayan genişlikte çubuklar basar. Modülü tam nokta olan bir ölçek seçin.</translation>
    </message>
    <message>
        <source>The font "%1" is neither installed nor in the fonts folder.</source>
        <translation>"%1" yazı tipi ne yüklü ne de yazı tipleri klasöründe.</translation>
    </message>
    <message>
        <source>No picture was chosen: the placeholder would print.</source>
        <translation>Resim seçilmedi: yer tutucu basılır.</translation>
    </message>
    <message>
        <source>The picture %1 is not in the picture folder.</source>
        <translation>%1 resmi resim klasöründe yok.</translation>
    </message>
    <message>
        <source>Text "%1"</source>
        <translation>Metin "%1"</translation>
    </message>
    <message>
        <source>Date "%1"</source>
        <translation>Tarih "%1"</translation>
    </message>
    <message>
        <source>Serial number "%1"</source>
        <translation>Seri numarası "%1"</translation>
    </message>
    <message>
        <source>Shift code "%1"</source>
        <translation>Vardiya kodu "%1"</translation>
    </message>
    <message>
        <source>Barcode "%1"</source>
        <translation>Barkod "%1"</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Resim</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Resim %1</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mesaj</translation>
    </message>
    <message>
        <source>Data file</source>
        <translation>Veri dosyası</translation>
    </message>
    <message>
        <source>The data file "%1" is not there: the data fields print nothing.</source>
        <translation>"%1" veri dosyası yok: veri alanları hiçbir şey basmaz.</translation>
    </message>
    <message>
        <source>{{%1}} is neither a standard placeholder nor a field of the product: a job of it cannot fill it.</source>
        <translation>{{%1}} ne standart bir yer tutucu ne de ürünün bir alanı: iş onu dolduramaz.</translation>
    </message>
    <message>
        <source>{{%1}} is no standard placeholder: only a product with a field of that name can fill it.</source>
        <translation>{{%1}} standart bir yer tutucu değil: yalnızca bu adda alanı olan bir ürün doldurabilir.</translation>
    </message>
    <message>
        <source>The field %1 ({{%2}}): %3.</source>
        <translation>%1 alanı ({{%2}}): %3.</translation>
    </message>
    <message>
        <source>Filled with %1: %2</source>
        <translation>%1 ile doldurulunca: %2</translation>
    </message>
</context>
<context>
    <name>PreflightDialog</name>
    <message>
        <source>Pre-flight check</source>
        <translation>Ön kontrol</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 sorun</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 sorun</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is sent:</source>
        <translation>Ön kontrol, gönderilmeden önce %2 içinde %1 buldu:</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is saved:</source>
        <translation>Ön kontrol, kaydedilmeden önce %2 içinde %1 buldu:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Öğe</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Bulgu</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Yine de gönder</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Yine de kaydet</translation>
    </message>
</context>
<context>
    <name>PrintParameterWidget</name>
    <message>
        <source>Print Parameters</source>
        <translation>Baskı ayarları</translation>
    </message>
    <message>
        <source>Print Head Offset(mm)</source>
        <translation>Kafa kaydırma (mm)</translation>
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
        <translation>Tetik modu</translation>
    </message>
    <message>
        <source>Spray Mode</source>
        <translation>Püskürtme modu</translation>
    </message>
    <message>
        <source>Dpi</source>
        <translation>Çözünürlük (dpi)</translation>
    </message>
    <message>
        <source>Singal Interval</source>
        <translation>Sinyal aralığı</translation>
    </message>
    <message>
        <source>Print Head Set</source>
        <translation>Baskı kafaları</translation>
    </message>
    <message>
        <source>Splice</source>
        <translation>Birleştirme</translation>
    </message>
    <message>
        <source>Single Head Print Direct</source>
        <translation>Tek kafa yönü</translation>
    </message>
    <message>
        <source>Print Direct</source>
        <translation>Baskı yönü</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Ters</translation>
    </message>
    <message>
        <source>Rev/Inv</source>
        <translation>Geri/Ters</translation>
    </message>
    <message>
        <source>Encoder</source>
        <translation>Enkoder</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Production Line Speed(m/min)</source>
        <translation>Hat hızı (m/min)</translation>
    </message>
    <message>
        <source>PPR</source>
        <translation>PPR</translation>
    </message>
    <message>
        <source>Diameter(mm)</source>
        <translation>Çap (mm)</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>Bilinmiyor (%1)</translation>
    </message>
    <message>
        <source>Internal Singal</source>
        <translation>Dahili sinyal</translation>
    </message>
    <message>
        <source>External Singal</source>
        <translation>Harici sinyal</translation>
    </message>
    <message>
        <source>Left Spary</source>
        <translation>Sol püskürtme</translation>
    </message>
    <message>
        <source>Right Spary</source>
        <translation>Sağ püskürtme</translation>
    </message>
    <message>
        <source>Hight Quanlity</source>
        <translation>Yüksek kalite</translation>
    </message>
    <message>
        <source>Hight Speed</source>
        <translation>Yüksek hız</translation>
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
        <translation>Parametre yanıtı yok sayıldı: %1 bayt alındı, parametre bloğu %2 bayt.</translation>
    </message>
</context>
<context>
    <name>PrintPreviewDialog</name>
    <message>
        <source>Preview at</source>
        <translation>Önizleme zamanı</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Vardiya</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Sayım</translation>
    </message>
    <message>
        <source>as now</source>
        <translation>şimdiki gibi</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Şimdi</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Yenile</translation>
    </message>
    <message>
        <source>Copy the designer's message again</source>
        <translation>Tasarımcıdaki mesajı yeniden kopyala</translation>
    </message>
    <message>
        <source>Next changes of the printed text</source>
        <translation>Basılan metnin sonraki değişiklikleri</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Ne zaman</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Sınır</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Alan</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Önce</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Sonra</translation>
    </message>
    <message>
        <source>(by the time)</source>
        <translation>(saate göre)</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%2 itibarıyla %1</translation>
    </message>
    <message>
        <source>Changes every hour: %1</source>
        <translation>Her saat değişir: %1</translation>
    </message>
    <message>
        <source>Changes every minute: %1</source>
        <translation>Her dakika değişir: %1</translation>
    </message>
    <message>
        <source>Changes every second: %1</source>
        <translation>Her saniye değişir: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing in the message changes with the date within %n year(s).</source>
        <translation>
            <numerusform>Mesajda %n yıl içinde tarihle değişen bir şey yok.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PrintTimeline</name>
    <message>
        <source>Date %1 (%2)</source>
        <translation>Tarih %1 (%2)</translation>
    </message>
    <message>
        <source>Shift code %1</source>
        <translation>Vardiya kodu %1</translation>
    </message>
    <message>
        <source>midnight</source>
        <translation>gece yarısı</translation>
    </message>
    <message>
        <source>month end</source>
        <translation>ay sonu</translation>
    </message>
    <message>
        <source>29 February</source>
        <translation>29 Şubat</translation>
    </message>
    <message>
        <source>shift change</source>
        <translation>vardiya değişimi</translation>
    </message>
</context>
<context>
    <name>ProductsDialog</name>
    <message>
        <source>Products</source>
        <translation>Ürünler</translation>
    </message>
    <message>
        <source>Search code, GTIN or name</source>
        <translation>Kod, GTIN veya ad ara</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Önceki</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Sonraki</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Şablon</translation>
    </message>
    <message>
        <source>Approve...</source>
        <translation>Onayla...</translation>
    </message>
    <message>
        <source>Shelf life</source>
        <translation>Raf ömrü</translation>
    </message>
    <message>
        <source>30 days, 18 months, 18 months, end of month</source>
        <translation>30 days, 18 months, 18 months, end of month</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Kodlayıcılar</translation>
    </message>
    <message>
        <source>Line *; 127.0.0.*</source>
        <translation>Line *; 127.0.0.*</translation>
    </message>
    <message>
        <source>Job fields</source>
        <translation>İş alanları</translation>
    </message>
    <message>
        <source>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</source>
        <translation>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>CSV içe aktar...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV dışa aktar...</translation>
    </message>
    <message>
        <source>Batch records...</source>
        <translation>Parti kayıtları...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV dosyaları (*.csv);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>The products cannot be read: %1</source>
        <translation>Ürünler okunamıyor: %1</translation>
    </message>
    <message>
        <source>no products</source>
        <translation>ürün yok</translation>
    </message>
    <message>
        <source>%1-%2 of %3</source>
        <translation>%1-%2 / %3</translation>
    </message>
    <message>
        <source>new product</source>
        <translation>yeni ürün</translation>
    </message>
    <message>
        <source>saved by %1, %2 (revision %3)</source>
        <translation>%1 kaydetti, %2 (revizyon %3)</translation>
    </message>
    <message>
        <source>check digit good: %1</source>
        <translation>kontrol basamağı doğru: %1</translation>
    </message>
    <message>
        <source>%1 is not saved: %2</source>
        <translation>%1 kaydedilmedi: %2</translation>
    </message>
    <message>
        <source>%1 saved.</source>
        <translation>%1 kaydedildi.</translation>
    </message>
    <message>
        <source>Approve a template</source>
        <translation>Şablon onayla</translation>
    </message>
    <message>
        <source>%1 approved.</source>
        <translation>%1 onaylandı.</translation>
    </message>
    <message>
        <source>Import products</source>
        <translation>Ürünleri içe aktar</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>Hiçbir şey içe aktarılmadı: %1</translation>
    </message>
    <message>
        <source>%1 products imported, %2 rows refused.</source>
        <translation>%1 ürün içe aktarıldı, %2 satır reddedildi.</translation>
    </message>
    <message>
        <source>line %1 (%2): %3</source>
        <translation>satır %1 (%2): %3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ve %1 tane daha</translation>
    </message>
    <message>
        <source>Columns ignored: %1</source>
        <translation>Yok sayılan sütunlar: %1</translation>
    </message>
    <message>
        <source>Export products</source>
        <translation>Ürünleri dışa aktar</translation>
    </message>
    <message>
        <source>Not exported: %1</source>
        <translation>Dışa aktarılmadı: %1</translation>
    </message>
    <message>
        <source>Products exported to %1.</source>
        <translation>Ürünler %1 dosyasına aktarıldı.</translation>
    </message>
    <message>
        <source>Confirming scan of the packaging required</source>
        <translation>Ambalajın doğrulama okutması gerekli</translation>
    </message>
    <message>
        <source>A job of this product starts only after a scan of the packaging on the line shows the product's GTIN.</source>
        <translation>Bu ürünün işi, hattaki ambalajın okutması ürünün GTIN'ini gösterdikten sonra başlar.</translation>
    </message>
</context>
<context>
    <name>ProductsLink</name>
    <message>
        <source>Products</source>
        <translation>Ürünler</translation>
    </message>
    <message>
        <source>Products, template approvals and batch records</source>
        <translation>Ürünler, şablon onayları ve parti kayıtları</translation>
    </message>
    <message>
        <source>The catalogue is not open (%1); it is tried again.</source>
        <translation>Katalog açık değil (%1); yeniden denenecek.</translation>
    </message>
    <message>
        <source>the catalogue is not open</source>
        <translation>katalog açık değil</translation>
    </message>
    <message>
        <source>The save of %1 is not in the catalogue (%2): anyone may sign this version.</source>
        <translation>%1 kaydı katalogda yok (%2): bu sürümü herkes imzalayabilir.</translation>
    </message>
</context>
<context>
    <name>ReaderAlarmBar</name>
    <message>
        <source>Sign in as a Supervisor to handle the code readers.</source>
        <translation>Kod okuyucularını yönetmek için Supervisor olarak oturum açın.</translation>
    </message>
    <message>
        <source>Only a Supervisor or Administrator may acknowledge a reader alarm or start a challenge test; %1 is signed in as %2.</source>
        <translation>Okuyucu alarmını yalnızca bir Supervisor veya Administrator onaylayabilir ya da doğrulama testi başlatabilir; %1, %2 olarak oturum açtı.</translation>
    </message>
    <message>
        <source>Reader alarm: %1</source>
        <translation>Okuyucu alarmı: %1</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Onayla</translation>
    </message>
    <message>
        <source>%1: challenge test running; let up to %2 wrong or missing codes pass</source>
        <translation>%1: doğrulama testi sürüyor; en çok %2 yanlış veya eksik kodun geçmesine izin verin</translation>
    </message>
    <message>
        <source>%1: No passed challenge test today</source>
        <translation>%1: Bugün geçilmiş doğrulama testi yok</translation>
    </message>
    <message>
        <source>Start challenge test</source>
        <translation>Doğrulama testini başlat</translation>
    </message>
</context>
<context>
    <name>RemoteJobs</name>
    <message>
        <source>%1 on %2</source>
        <translation>%2 üzerindeki %1</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>bağlantısı kopan kodlayıcı</translation>
    </message>
    <message>
        <source>%1: its line is not heard of</source>
        <translation>%1: hattından haber alınamıyor</translation>
    </message>
    <message>
        <source>%1: sent, its line has not taken it up</source>
        <translation>%1: gönderildi, hattı henüz üstlenmedi</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Lot %1: job %2 runs on this PC's coders; sent to their lines for %3.</source>
        <translation>Parti %1: iş %2 bu PC'nin kodlayıcılarında çalışıyor; %3 için hatlarına gönderildi.</translation>
    </message>
    <message>
        <source>Lot %1: no coder of this PC; sent to their lines for %2.</source>
        <translation>Parti %1: bu PC'nin kodlayıcısı yok; %2 için hatlarına gönderildi.</translation>
    </message>
    <message>
        <source>Not started: no line says a coder of the job is verified.</source>
        <translation>Başlatılmadı: hiçbir hat işin bir kodlayıcısının doğrulandığını bildirmiyor.</translation>
    </message>
    <message>
        <source>The job of the lines' coders was not ended: %1</source>
        <translation>Hatların kodlayıcılarının işi bitirilmedi: %1</translation>
    </message>
</context>
<context>
    <name>RemoteLines</name>
    <message>
        <source>%1 for %2 on %3 not sent: %4</source>
        <translation>%3 üzerindeki %2 için %1 gönderilmedi: %4</translation>
    </message>
    <message>
        <source>its line is not heard of</source>
        <translation>hattından haber alınamıyor</translation>
    </message>
    <message>
        <source>this window follows no line</source>
        <translation>bu pencere hiçbir hattı izlemiyor</translation>
    </message>
    <message>
        <source>%1 sent to %2 on %3</source>
        <translation>%1, %3 üzerindeki %2 cihazına gönderildi</translation>
    </message>
    <message>
        <source>%1 for %2 on %3: %4</source>
        <translation>%3 üzerindeki %2 için %1: %4</translation>
    </message>
    <message>
        <source>Job start</source>
        <translation>İş başlatma</translation>
    </message>
    <message>
        <source>Job end</source>
        <translation>İş bitirme</translation>
    </message>
</context>
<context>
    <name>Roles</name>
    <message>
        <source>Operator</source>
        <translation>Operatör</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Sorumlu</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Yönetici</translation>
    </message>
    <message>
        <source>start</source>
        <translation>başlatma</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>durdurma</translation>
    </message>
    <message>
        <source>send messages</source>
        <translation>mesaj gönderme</translation>
    </message>
    <message>
        <source>send a message despite its pre-flight findings</source>
        <translation>ön kontrol bulgularına rağmen mesaj gönderme</translation>
    </message>
    <message>
        <source>edit messages</source>
        <translation>mesaj düzenleme</translation>
    </message>
    <message>
        <source>change print parameters</source>
        <translation>baskı ayarlarını değiştirme</translation>
    </message>
    <message>
        <source>name coders</source>
        <translation>kodlayıcılara ad verme</translation>
    </message>
    <message>
        <source>change the port</source>
        <translation>portu değiştirme</translation>
    </message>
    <message>
        <source>manage users</source>
        <translation>kullanıcıları yönetme</translation>
    </message>
    <message>
        <source>change the journal's settings</source>
        <translation>kayıt defteri ayarlarını değiştirme</translation>
    </message>
    <message>
        <source>run jobs</source>
        <translation>iş çalıştırma</translation>
    </message>
    <message>
        <source>edit products</source>
        <translation>ürün düzenleme</translation>
    </message>
    <message>
        <source>sign templates</source>
        <translation>şablon imzalama</translation>
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
        <translation>Sayaç no</translation>
    </message>
    <message>
        <source>System Base</source>
        <translation>Sayı tabanı</translation>
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
        <translation>Basamak</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Önek</translation>
    </message>
    <message>
        <source>Counter%1</source>
        <translation>Sayaç %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Sign in to %1.</source>
        <translation>%1 için oturum açın.</translation>
    </message>
    <message>
        <source>Only a %1 may %2; %3 is signed in as %4.</source>
        <translation>%2 yalnızca %1 yetkisindedir; %3, %4 olarak oturum açtı.</translation>
    </message>
    <message>
        <source>Users are on already.</source>
        <translation>Kullanıcılar zaten açık.</translation>
    </message>
    <message>
        <source>send messages outside a job</source>
        <translation>iş dışında mesaj gönderme</translation>
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
        <translation>Vardiya kodu</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Yenile</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>İçerik</translation>
    </message>
    <message>
        <source>Time (24 hours)</source>
        <translation>Saat (24 saat)</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Saat</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign in</source>
        <translation>Oturum aç</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Users are on: sign in to work with the coders.</source>
        <translation>Kullanıcılar açık: kodlayıcılarla çalışmak için oturum açın.</translation>
    </message>
</context>
<context>
    <name>SignatureDialog</name>
    <message>
        <source>Approve a template</source>
        <translation>Şablon onayla</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Anlamı</translation>
    </message>
    <message>
        <source>You sign %1, SHA-256 %2: give your name and password again.</source>
        <translation>%1, SHA-256 %2 imzalıyorsunuz: adınızı ve parolanızı yeniden girin.</translation>
    </message>
    <message>
        <source>Users are off: the approval of %1, SHA-256 %2, is recorded under the system login and marked unsigned.</source>
        <translation>Kullanıcılar kapalı: %1, SHA-256 %2 onayı sistem oturumuyla kaydedilir ve imzasız olarak işaretlenir.</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>Cannot create the folder %1 in %2.</source>
        <translation>%2 içinde %1 klasörü oluşturulamıyor.</translation>
    </message>
    <message>
        <source>%1 was not sent: it does not load as a message (%2).</source>
        <translation>%1 gönderilmedi: mesaj olarak açılmıyor (%2).</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found: %2</source>
        <translation>%1 gönderilmedi: ön kontrol şunu buldu: %2</translation>
    </message>
    <message>
        <source>%1 was not sent despite its findings: %2</source>
        <translation>%1, bulgulara rağmen gönderilemedi: %2</translation>
    </message>
</context>
<context>
    <name>StationSettings</name>
    <message>
        <source>not a plain file</source>
        <translation>normal bir dosya değil</translation>
    </message>
    <message>
        <source>larger than %1 KiB</source>
        <translation>%1 KiB'den büyük</translation>
    </message>
    <message>
        <source>no such settings file</source>
        <translation>böyle bir ayar dosyası yok</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>okunamıyor (%1)</translation>
    </message>
    <message>
        <source>[server] port must be a number from 1 to 65535, not "%1"</source>
        <translation>[server] port 1 ile 65535 arasında bir sayı olmalı, "%1" değil</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 okunamıyor (%2)</translation>
    </message>
    <message>
        <source>%1 is a link; change the file it names</source>
        <translation>%1 bir bağlantı; gösterdiği dosyayı değiştirin</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 yazılamıyor (%2)</translation>
    </message>
    <message>
        <source>The port holds until the program ends: %1.</source>
        <translation>Port program kapanana kadar geçerli: %1.</translation>
    </message>
    <message>
        <source>The name holds until the program ends: %1.</source>
        <translation>Ad program kapanana kadar geçerli: %1.</translation>
    </message>
    <message>
        <source>The remark names of this account are used, but not yet kept in the settings: %1.</source>
        <translation>Bu hesabın takma adları kullanılıyor, ancak henüz ayarlara kaydedilmedi: %1.</translation>
    </message>
    <message>
        <source>[jobs] enabled must be true or false, not "%1"</source>
        <translation>[jobs] enabled true veya false olmalı, "%1" değil</translation>
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
        <translation>Sipariş</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Ürün</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Production date</source>
        <translation>Üretim tarihi</translation>
    </message>
    <message>
        <source>Best before</source>
        <translation>Son kullanma</translation>
    </message>
    <message>
        <source>no sample could be made that matches its pattern %1, so it is checked with "A1"</source>
        <translation>%1 desenine uyan bir örnek oluşturulamadı, bu yüzden "A1" ile denetleniyor</translation>
    </message>
</context>
<context>
    <name>TemplateSigning</name>
    <message>
        <source>Approved for production</source>
        <translation>Üretim için onaylandı</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 okunamıyor (%2)</translation>
    </message>
    <message>
        <source>A signature needs its meaning.</source>
        <translation>İmzanın anlamı girilmeli.</translation>
    </message>
    <message>
        <source>Only the user signed in (%1) may sign here.</source>
        <translation>Burada yalnızca oturum açan kullanıcı (%1) imzalayabilir.</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>kimse</translation>
    </message>
    <message>
        <source>Not signed: %1</source>
        <translation>İmzalanmadı: %1</translation>
    </message>
    <message>
        <source>Not signed: only a Supervisor or an Administrator may approve templates.</source>
        <translation>İmzalanmadı: şablonları yalnızca Sorumlu veya Yönetici onaylayabilir.</translation>
    </message>
    <message>
        <source>The approval is stored, but not in the journal: %1</source>
        <translation>Onay kaydedildi, ancak kayıt defterine yazılmadı: %1</translation>
    </message>
    <message>
        <source>%1 by %2 (unsigned: users are off), %3, SHA-256 %4</source>
        <translation>%1, %2 (imzasız: kullanıcılar kapalı), %3, SHA-256 %4</translation>
    </message>
    <message>
        <source>%1, signed by %2, %3, SHA-256 %4</source>
        <translation>%1, imzalayan %2, %3, SHA-256 %4</translation>
    </message>
    <message>
        <source>not approved: %1</source>
        <translation>onaylanmadı: %1</translation>
    </message>
    <message>
        <source>not approved (SHA-256 %1)</source>
        <translation>onaylanmadı (SHA-256 %1)</translation>
    </message>
    <message>
        <source>approval unknown: %1</source>
        <translation>onay bilinmiyor: %1</translation>
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
        <translation>İçerik</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>Harici veri</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>Alan ekle</translation>
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
        <translation>Tarih biçimi</translation>
    </message>
    <message>
        <source>"yyyy" means year ,"MM" means month,"dd" means days.
e.g. "yyyy/MM/dd"  -&gt; "2021/05/20"

"hh" means hours ,"mm" means minutes,"ss" measn seconds.
e.g. ''hh:mm:ss" -&gt; "08:08:08"

Coustom date and other date format please see the instructions.</source>
        <translation>"yyyy" yıl, "MM" ay, "dd" gün demektir.
ör. "yyyy/MM/dd" -&gt; "2021/05/20"

"hh" saat, "mm" dakika, "ss" saniye demektir.
ör. "hh:mm:ss" -&gt; "08:08:08"

Diğer tarih biçimleri için talimatlara bakın.</translation>
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
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Vaild Days</source>
        <translation>Geçerlilik günü</translation>
    </message>
    <message>
        <source>Best before of the product</source>
        <translation>Ürünün son kullanma tarihi</translation>
    </message>
    <message>
        <source>In a product's template: a job gives this date the product's shelf life; the days above are what the designer shows meanwhile.</source>
        <translation>Bir ürünün şablonunda: iş bu tarihe ürünün raf ömrünü verir; yukarıdaki günler tasarımcının o zamana kadar gösterdiğidir.</translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message>
        <source>Nobody can sign in until an administrator runs "KorvexControl --create-admin NAME" in this folder.</source>
        <translation>Bir yönetici bu klasörde "KorvexControl --create-admin NAME" çalıştırana kadar kimse oturum açamaz.</translation>
    </message>
    <message>
        <source>The users file %1 %2. %3</source>
        <translation>Kullanıcı dosyası %1: %2. %3</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>normal bir dosya değil</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>okunamıyor</translation>
    </message>
    <message>
        <source>belongs to another account</source>
        <translation>başka bir hesaba ait</translation>
    </message>
    <message>
        <source>may be read or written by other accounts</source>
        <translation>başka hesaplarca okunabilir veya yazılabilir</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>çok büyük</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>okunamıyor (%1)</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>bozuk</translation>
    </message>
    <message>
        <source>names no administrator</source>
        <translation>hiçbir yönetici içermiyor</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a link, which is not followed</source>
        <translation>%1 yazılamıyor: bu bir bağlantı ve izlenmez</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: its permissions cannot be set</source>
        <translation>%1 yazılamıyor: izinleri ayarlanamıyor</translation>
    </message>
    <message>
        <source>A user name cannot be empty.</source>
        <translation>Kullanıcı adı boş olamaz.</translation>
    </message>
    <message>
        <source>A user name has at most %1 characters.</source>
        <translation>Kullanıcı adı en fazla %1 karakterdir.</translation>
    </message>
    <message>
        <source>A user name cannot begin or end with a space.</source>
        <translation>Kullanıcı adı boşlukla başlayamaz veya bitemez.</translation>
    </message>
    <message>
        <source>A user name cannot hold control characters.</source>
        <translation>Kullanıcı adı kontrol karakteri içeremez.</translation>
    </message>
    <message>
        <source>A user name cannot hold / or \.</source>
        <translation>Kullanıcı adı / veya \ içeremez.</translation>
    </message>
    <message>
        <source>A password cannot be empty.</source>
        <translation>Parola boş olamaz.</translation>
    </message>
    <message>
        <source>%1 is the last administrator.</source>
        <translation>%1 son yönetici.</translation>
    </message>
    <message>
        <source>There is no user %1.</source>
        <translation>%1 adlı kullanıcı yok.</translation>
    </message>
    <message>
        <source>%1 is locked for %2 more seconds after %3 wrong passwords.</source>
        <translation>%1, %3 yanlış paroladan sonra %2 saniye daha kilitli.</translation>
    </message>
    <message>
        <source>Wrong name or password. %1 is locked for a minute.</source>
        <translation>Ad veya parola yanlış. %1 bir dakika kilitlendi.</translation>
    </message>
    <message>
        <source>Wrong name or password.</source>
        <translation>Ad veya parola yanlış.</translation>
    </message>
    <message>
        <source>%1 is a link to %2 that cannot be removed; nothing changed.</source>
        <translation>%1, %2 hedefine kaldırılamayan bir bağlantı; hiçbir şey değişmedi.</translation>
    </message>
    <message>
        <source>%1 was a link to %2: the link is removed and %1 written anew; %2 is left as it was.</source>
        <translation>%1, %2 hedefine bir bağlantıydı: bağlantı kaldırıldı ve %1 yeniden yazıldı; %2 olduğu gibi kaldı.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; nothing changed.</source>
        <translation>%1 normal bir dosya değil; hiçbir şey değişmedi.</translation>
    </message>
    <message>
        <source>%1 cannot be read; nothing changed.</source>
        <translation>%1 okunamıyor; hiçbir şey değişmedi.</translation>
    </message>
    <message>
        <source>%1 belonged to another account, who could have put any user there: it is written anew without its users.</source>
        <translation>%1 başka bir hesaba aitti ve oraya herhangi bir kullanıcı eklenmiş olabilir: kullanıcıları olmadan yeniden yazıldı.</translation>
    </message>
    <message>
        <source>%1 could be written by other accounts, who could have put any user there: it is written anew without its users.</source>
        <translation>%1 başka hesaplarca yazılabiliyordu ve oraya herhangi bir kullanıcı eklenmiş olabilir: kullanıcıları olmadan yeniden yazıldı.</translation>
    </message>
    <message>
        <source>%1 was damaged: it is written anew without its users.</source>
        <translation>%1 bozuktu: kullanıcıları olmadan yeniden yazıldı.</translation>
    </message>
    <message>
        <source>%1 could be read by other accounts: it is now readable by its owner only. The users kept should change their passwords, whose hashes could be read.</source>
        <translation>%1 başka hesaplarca okunabiliyordu: artık yalnızca sahibi okuyabilir. Kalan kullanıcılar, karmaları okunmuş olabileceğinden parolalarını değiştirmeli.</translation>
    </message>
    <message>
        <source>The other users are kept: %1.</source>
        <translation>Diğer kullanıcılar korundu: %1.</translation>
    </message>
</context>
<context>
    <name>UsersDialog</name>
    <message>
        <source>Switch users on</source>
        <translation>Kullanıcıları aç</translation>
    </message>
    <message>
        <source>Add or change</source>
        <translation>Ekle veya değiştir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ayarla</translation>
    </message>
    <message>
        <source>Switch users off</source>
        <translation>Kullanıcıları kapat</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Kullanıcılar</translation>
    </message>
    <message>
        <source> min</source>
        <translation> dk</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rol</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Tekrar</translation>
    </message>
    <message>
        <source>Sign out after</source>
        <translation>Oturumu kapatma süresi</translation>
    </message>
    <message>
        <source>without input</source>
        <translation>işlem yapılmazsa</translation>
    </message>
    <message>
        <source>Whoever is signed in is signed out after %1 minutes without input.</source>
        <translation>Oturum açan kişinin oturumu %1 dakika işlem yapılmazsa kapatılır.</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything, as one operator.</source>
        <translation>Kullanıcılar kapalı: herkes tek bir operatör gibi her şeyi yapabilir.</translation>
    </message>
    <message>
        <source>Users are on. Operators start, stop and send messages; supervisors also edit messages, print parameters and coder names; administrators also the port, the users and the journal.</source>
        <translation>Kullanıcılar açık. Operatörler başlatır, durdurur ve mesaj gönderir; sorumlular ayrıca mesajları, baskı ayarlarını ve kodlayıcı adlarını düzenler; yöneticiler ayrıca portu, kullanıcıları ve kayıt defterini yönetir.</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything. Switching them on creates the first administrator, who is signed in at once.</source>
        <translation>Kullanıcılar kapalı: herkes her şeyi yapabilir. Açıldığında ilk yönetici oluşturulur ve hemen oturum açar.</translation>
    </message>
    <message>
        <source>The two passwords differ or are empty.</source>
        <translation>İki parola farklı veya boş.</translation>
    </message>
    <message>
        <source>Users are on; %1 is signed in as administrator.</source>
        <translation>Kullanıcılar açık; %1 yönetici olarak oturum açtı.</translation>
    </message>
    <message>
        <source>%1 is a %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 is removed.</source>
        <translation>%1 kaldırıldı.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1; the defaults are used.</source>
        <translation>%1; varsayılanlar kullanılıyor.</translation>
    </message>
</context>
<context>
    <name>ParameterChange</name>
    <message>
        <source>spray mode</source>
        <translation>püskürtme modu</translation>
    </message>
    <message>
        <source>device value 1</source>
        <translation>cihaz değeri 1</translation>
    </message>
    <message>
        <source>device value 2</source>
        <translation>cihaz değeri 2</translation>
    </message>
    <message>
        <source>resolution</source>
        <translation>çözünürlük</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>tetik</translation>
    </message>
    <message>
        <source>head range</source>
        <translation>kafa aralığı</translation>
    </message>
    <message>
        <source>splice</source>
        <translation>birleştirme</translation>
    </message>
    <message>
        <source>heads</source>
        <translation>kafalar</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>yön</translation>
    </message>
    <message>
        <source>head 1 offset</source>
        <translation>kafa 1 kaydırma</translation>
    </message>
    <message>
        <source>head 2 offset</source>
        <translation>kafa 2 kaydırma</translation>
    </message>
    <message>
        <source>head 3 offset</source>
        <translation>kafa 3 kaydırma</translation>
    </message>
    <message>
        <source>head 4 offset</source>
        <translation>kafa 4 kaydırma</translation>
    </message>
    <message>
        <source>head 1 direction</source>
        <translation>kafa 1 yönü</translation>
    </message>
    <message>
        <source>head 2 direction</source>
        <translation>kafa 2 yönü</translation>
    </message>
    <message>
        <source>head 3 direction</source>
        <translation>kafa 3 yönü</translation>
    </message>
    <message>
        <source>head 4 direction</source>
        <translation>kafa 4 yönü</translation>
    </message>
    <message>
        <source>encoder</source>
        <translation>enkoder</translation>
    </message>
    <message>
        <source>beep</source>
        <translation>bip</translation>
    </message>
    <message>
        <source>encoder pulses</source>
        <translation>enkoder darbeleri</translation>
    </message>
    <message>
        <source>encoder diameter</source>
        <translation>enkoder çapı</translation>
    </message>
    <message>
        <source>line speed</source>
        <translation>hat hızı</translation>
    </message>
    <message>
        <source>signal interval</source>
        <translation>sinyal aralığı</translation>
    </message>
    <message>
        <source>device value 3</source>
        <translation>cihaz değeri 3</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>per revolution</source>
        <translation>tur başına</translation>
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
        <translation>ileri</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>geri</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>ters</translation>
    </message>
    <message>
        <source>rev/inv</source>
        <translation>geri/ters</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>kod %1</translation>
    </message>
    <message>
        <source>left</source>
        <translation>sol</translation>
    </message>
    <message>
        <source>right</source>
        <translation>sağ</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>yüksek kalite</translation>
    </message>
    <message>
        <source>high speed</source>
        <translation>yüksek hız</translation>
    </message>
    <message>
        <source>external signal</source>
        <translation>harici sinyal</translation>
    </message>
    <message>
        <source>internal signal</source>
        <translation>dahili sinyal</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>on</source>
        <translation>açık</translation>
    </message>
    <message>
        <source>off</source>
        <translation>kapalı</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Kaydetme</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yeniden dene</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Yok say</translation>
    </message>
</context>
</TS>
