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
            <numerusform>%n kodlayıcı bağlı</numerusform>
        </translation>
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
    <name>InterfaceLanguage</name>
    <message>
        <source>[window] language "%1" is none of %2; the desktop's language is used.</source>
        <translation>[window] language "%1", %2 dillerinden biri değil; masaüstünün dili kullanılıyor.</translation>
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
</TS>
