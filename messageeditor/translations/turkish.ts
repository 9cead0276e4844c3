<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>Ana pencere</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Araç çubuğu</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Zaman</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>Sayaç</translation>
    </message>
    <message>
        <source>序号1</source>
        <translation>Sayaç 1</translation>
    </message>
    <message>
        <source>序号2</source>
        <translation>Sayaç 2</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Resim</translation>
    </message>
    <message>
        <source>条形码</source>
        <translation>Barkod</translation>
    </message>
    <message>
        <source>二维码</source>
        <translation>QR kod</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Düzen</translation>
    </message>
    <message>
        <source>平台</source>
        <translation>Platform</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Farklı kaydet</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Type A</source>
        <translation>Type A</translation>
    </message>
    <message>
        <source>Type B</source>
        <translation>Type B</translation>
    </message>
    <message>
        <source>Type C</source>
        <translation>Type C</translation>
    </message>
    <message>
        <source>Type D</source>
        <translation>Type D</translation>
    </message>
    <message>
        <source>编辑软件</source>
        <translation>Düzenleme yazılımı</translation>
    </message>
    <message>
        <source>Spray/Untitled.spr</source>
        <translation>Spray/Adsız.spr</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Dosya aç</translation>
    </message>
    <message>
        <source>Spr Files(*.spr )</source>
        <translation>Spr dosyaları (*.spr )</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Dosyayı kaydet</translation>
    </message>
    <message>
        <source>*.spr</source>
        <translation>*.spr</translation>
    </message>
    <message>
        <source>删除文件</source>
        <translation>Dosyayı sil</translation>
    </message>
    <message>
        <source>打开图片</source>
        <translation>Resim aç</translation>
    </message>
    <message>
        <source>Image Files(*.jpg *.bmp)</source>
        <translation>Resim dosyaları (*.jpg *.bmp)</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Dosya açılamadı: %1</translation>
    </message>
    <message>
        <source>文件不是有效的信息文件：%1</source>
        <translation>Dosya geçerli bir mesaj dosyası değil: %1</translation>
    </message>
    <message>
        <source>无法删除文件：%1
%2</source>
        <translation>Dosya silinemedi: %1
%2</translation>
    </message>
    <message>
        <source>%1 有未保存的修改，是否保存？</source>
        <translation>%1 içinde kaydedilmemiş değişiklikler var. Kaydedilsin mi?</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Kaydetme</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>撤销：%1</source>
        <translation>Geri al: %1</translation>
    </message>
    <message>
        <source>重做：%1</source>
        <translation>Yinele: %1</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Taşı</translation>
    </message>
    <message>
        <source>修改内容</source>
        <translation>İçeriği değiştir</translation>
    </message>
    <message>
        <source>修改属性</source>
        <translation>Özellikleri değiştir</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>操作手册</source>
        <translation>Operatör kılavuzu</translation>
    </message>
    <message>
        <source>找不到操作手册。</source>
        <translation>Operatör kılavuzu kurulu değil.</translation>
    </message>
    <message>
        <source>无法打开操作手册：%1</source>
        <translation>Operatör kılavuzu açılamıyor: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>条码格式错误，本条码为13位阿拉伯数字！</source>
        <translation>Barkod biçimi hatası: bu barkod 13 haneli Arap rakamlarından oluşur!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码为8位阿拉伯数字！</source>
        <translation>Barkod biçimi hatası: bu barkod 8 haneli Arap rakamlarından oluşur!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码内容仅包含数字与大写字母及部分符号！</source>
        <translation>Barkod biçimi hatası: bu barkod yalnızca rakam, büyük harf ve bazı simgeler içerebilir!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码为12位阿拉伯数字！</source>
        <translation>Barkod biçimi hatası: bu barkod 12 haneli Arap rakamlarından oluşur!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码内容仅包含数字与英文字母及部分符号！</source>
        <translation>Barkod biçimi hatası: bu barkod yalnızca rakam, Latin harfleri ve bazı simgeler içerebilir!</translation>
    </message>
    <message>
        <source>条码格式错误！</source>
        <translation>Barkod biçimi hatası!</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Onayla</translation>
    </message>
    <message>
        <source>文件保存失败：%1
%2</source>
        <translation>Dosya kaydedilemedi: %1
%2</translation>
    </message>
    <message>
        <source>内容无效的条码：%1</source>
        <translation>İçeriği geçersiz barkodlar: %1</translation>
    </message>
    <message>
        <source>……另有 %1 个</source>
        <translation>…ve %1 tane daha</translation>
    </message>
</context>
<context>
    <name>textSetting</name>
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
        <source>旋转</source>
        <translation>Döndürme</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Yazı tipi</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Aralık</translation>
    </message>
    <message>
        <source>宋体</source>
        <translation>SimSun</translation>
    </message>
    <message>
        <source>黑体</source>
        <translation>SimHei</translation>
    </message>
    <message>
        <source>微软雅黑</source>
        <translation>Microsoft YaHei</translation>
    </message>
    <message>
        <source>楷体</source>
        <translation>KaiTi</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>华文彩云</source>
        <translation>STCaiyun</translation>
    </message>
    <message>
        <source>隶体</source>
        <translation>LiSu</translation>
    </message>
    <message>
        <source>方正超细</source>
        <translation>FZ ultra ince</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>Nokta matris geleneksel</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>Nokta matris Çince</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 nokta yuvarlak</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 nokta kare</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 nokta yuvarlak</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Genel nokta matris</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arapça</translation>
    </message>
</context>
<context>
    <name>timeSetting</name>
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
        <source>旋转</source>
        <translation>Döndürme</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Yazı tipi</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Aralık</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>宋体</source>
        <translation>SimSun</translation>
    </message>
    <message>
        <source>黑体</source>
        <translation>SimHei</translation>
    </message>
    <message>
        <source>微软雅黑</source>
        <translation>Microsoft YaHei</translation>
    </message>
    <message>
        <source>楷体</source>
        <translation>KaiTi</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>华文彩云</source>
        <translation>STCaiyun</translation>
    </message>
    <message>
        <source>隶体</source>
        <translation>LiSu</translation>
    </message>
    <message>
        <source>方正超细</source>
        <translation>FZ ultra ince</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>Nokta matris geleneksel</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>Nokta matris Çince</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 nokta yuvarlak</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 nokta kare</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 nokta yuvarlak</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Genel nokta matris</translation>
    </message>
</context>
<context>
    <name>cntSetting</name>
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
        <source>旋转</source>
        <translation>Döndürme</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Yazı tipi</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Aralık</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Basamak</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Sayaç</translation>
    </message>
    <message>
        <source>宋体</source>
        <translation>SimSun</translation>
    </message>
    <message>
        <source>黑体</source>
        <translation>SimHei</translation>
    </message>
    <message>
        <source>微软雅黑</source>
        <translation>Microsoft YaHei</translation>
    </message>
    <message>
        <source>楷体</source>
        <translation>KaiTi</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>华文彩云</source>
        <translation>STCaiyun</translation>
    </message>
    <message>
        <source>隶体</source>
        <translation>LiSu</translation>
    </message>
    <message>
        <source>方正超细</source>
        <translation>FZ ultra ince</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>Nokta matris geleneksel</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>Nokta matris Çince</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 nokta yuvarlak</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 nokta kare</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 nokta yuvarlak</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Genel nokta matris</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>1 basamak</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>2 basamak</translation>
    </message>
    <message>
        <source>3位</source>
        <translation>3 basamak</translation>
    </message>
    <message>
        <source>4位</source>
        <translation>4 basamak</translation>
    </message>
    <message>
        <source>5位</source>
        <translation>5 basamak</translation>
    </message>
    <message>
        <source>6位</source>
        <translation>6 basamak</translation>
    </message>
    <message>
        <source>7位</source>
        <translation>7 basamak</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8 basamak</translation>
    </message>
    <message>
        <source>计数器1</source>
        <translation>Sayaç 1</translation>
    </message>
    <message>
        <source>计数器2</source>
        <translation>Sayaç 2</translation>
    </message>
</context>
<context>
    <name>cnt2Setting</name>
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
        <source>旋转</source>
        <translation>Döndürme</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Yazı tipi</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Aralık</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Basamak</translation>
    </message>
    <message>
        <source>宋体</source>
        <translation>SimSun</translation>
    </message>
    <message>
        <source>黑体</source>
        <translation>SimHei</translation>
    </message>
    <message>
        <source>微软雅黑</source>
        <translation>Microsoft YaHei</translation>
    </message>
    <message>
        <source>楷体</source>
        <translation>KaiTi</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>Nokta matris Çince</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>华文彩云</source>
        <translation>STCaiyun</translation>
    </message>
    <message>
        <source>隶体</source>
        <translation>LiSu</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>Nokta matris geleneksel</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 nokta yuvarlak</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 nokta kare</translation>
    </message>
    <message>
        <source>7点阵双点</source>
        <translation>7 nokta çift</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 nokta yuvarlak</translation>
    </message>
    <message>
        <source>11点阵圆点</source>
        <translation>11 nokta yuvarlak</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Genel nokta matris</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>1 basamak</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>2 basamak</translation>
    </message>
    <message>
        <source>3位</source>
        <translation>3 basamak</translation>
    </message>
    <message>
        <source>4位</source>
        <translation>4 basamak</translation>
    </message>
    <message>
        <source>5位</source>
        <translation>5 basamak</translation>
    </message>
    <message>
        <source>6位</source>
        <translation>6 basamak</translation>
    </message>
    <message>
        <source>7位</source>
        <translation>7 basamak</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8 basamak</translation>
    </message>
</context>
<context>
    <name>barSetting</name>
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
        <source>旋转</source>
        <translation>Döndürme</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Yükseklik</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>显示数字</source>
        <translation>Rakamları göster</translation>
    </message>
    <message>
        <source>EAN13</source>
        <translation>EAN13</translation>
    </message>
    <message>
        <source>EAN8</source>
        <translation>EAN8</translation>
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
        <source>UPCA</source>
        <translation>UPCA</translation>
    </message>
    <message>
        <source>UPCE</source>
        <translation>UPCE</translation>
    </message>
    <message>
        <source>Code_128</source>
        <translation>Code_128</translation>
    </message>
</context>
<context>
    <name>imageSetting</name>
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
        <source>旋转</source>
        <translation>Döndürme</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Genişlik</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Yükseklik</translation>
    </message>
    <message>
        <source>选择图形</source>
        <translation>Resim seç</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>Dosya adı</translation>
    </message>
    <message>
        <source>反 色</source>
        <translation>Ters çevir</translation>
    </message>
</context>
<context>
    <name>QRCodeSetting</name>
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
        <source>旋转</source>
        <translation>Döndürme</translation>
    </message>
    <message>
        <source>缩放</source>
        <translation>Ölçek</translation>
    </message>
    <message>
        <source>精度</source>
        <translation>Düzeltme</translation>
    </message>
    <message>
        <source>边长</source>
        <translation>Kenar</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Değişken</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Düşük</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Yüksek</translation>
    </message>
    <message>
        <source>精准</source>
        <translation>En yüksek</translation>
    </message>
    <message>
        <source>21px</source>
        <translation>21px</translation>
    </message>
    <message>
        <source>25px</source>
        <translation>25px</translation>
    </message>
    <message>
        <source>29px</source>
        <translation>29px</translation>
    </message>
    <message>
        <source>33px</source>
        <translation>33px</translation>
    </message>
    <message>
        <source>37px</source>
        <translation>37px</translation>
    </message>
</context>
<context>
    <name>setTimeModeDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Saat biçimi</translation>
    </message>
    <message>
        <source>快速设置:</source>
        <translation>Hızlı ayar:</translation>
    </message>
    <message>
        <source>yyyy年</source>
        <translation>yyyy年</translation>
    </message>
    <message>
        <source>yy年</source>
        <translation>yy年</translation>
    </message>
    <message>
        <source>yyyy</source>
        <translation>yyyy</translation>
    </message>
    <message>
        <source>yyyy/MM</source>
        <translation>yyyy/MM</translation>
    </message>
    <message>
        <source>yy/MM</source>
        <translation>yy/MM</translation>
    </message>
    <message>
        <source>yyyy.MM</source>
        <translation>yyyy.MM</translation>
    </message>
    <message>
        <source>yyyy年MM月</source>
        <translation>yyyy年MM月</translation>
    </message>
    <message>
        <source>yyyy/MM/dd</source>
        <translation>yyyy/MM/dd</translation>
    </message>
    <message>
        <source>yy/MM/dd</source>
        <translation>yy/MM/dd</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>yy-MM-dd</source>
        <translation>yy-MM-dd</translation>
    </message>
    <message>
        <source>yyyy年MM月dd日</source>
        <translation>yyyy年MM月dd日</translation>
    </message>
    <message>
        <source>yyyyMMdd</source>
        <translation>yyyyMMdd</translation>
    </message>
    <message>
        <source>yyyy/MM/dd hh时</source>
        <translation>yyyy/MM/dd hh时</translation>
    </message>
    <message>
        <source>yy/MM/dd  hh时</source>
        <translation>yy/MM/dd  hh时</translation>
    </message>
    <message>
        <source>yyyy/MM/dd  hh:mm</source>
        <translation>yyyy/MM/dd  hh:mm</translation>
    </message>
    <message>
        <source>yy/MM/dd  hh:mm</source>
        <translation>yy/MM/dd  hh:mm</translation>
    </message>
    <message>
        <source>yyyy/MM/dd hh:mm:ss</source>
        <translation>yyyy/MM/dd hh:mm:ss</translation>
    </message>
    <message>
        <source>yy/MM/dd hh:mm:ss</source>
        <translation>yy/MM/dd hh:mm:ss</translation>
    </message>
    <message>
        <source>yyyy-MM-dd hh:mm:ss</source>
        <translation>yyyy-MM-dd hh:mm:ss</translation>
    </message>
    <message>
        <source>yy-MM-dd hh:mm:ss</source>
        <translation>yy-MM-dd hh:mm:ss</translation>
    </message>
    <message>
        <source>yyyy年MM月dd日 hh时mm分ss秒</source>
        <translation>yyyy年MM月dd日 hh时mm分ss秒</translation>
    </message>
    <message>
        <source>hh:mm:ss</source>
        <translation>hh:mm:ss</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>hh:mm</source>
        <translation>hh:mm</translation>
    </message>
    <message>
        <source>格式设置</source>
        <translation>Biçim ayarları</translation>
    </message>
    <message>
        <source>年:</source>
        <translation>Yıl:</translation>
    </message>
    <message>
        <source>月:</source>
        <translation>Ay:</translation>
    </message>
    <message>
        <source>日:</source>
        <translation>Gün:</translation>
    </message>
    <message>
        <source>时:</source>
        <translation>Saat:</translation>
    </message>
    <message>
        <source>分:</source>
        <translation>Dakika:</translation>
    </message>
    <message>
        <source>秒:</source>
        <translation>Saniye:</translation>
    </message>
    <message>
        <source>yy</source>
        <translation>yy</translation>
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
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>后缀</source>
        <translation>Sonek</translation>
    </message>
    <message>
        <source>顺序</source>
        <translation>Sıra</translation>
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
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>年</source>
        <translation>年 (yıl)</translation>
    </message>
    <message>
        <source>月</source>
        <translation>月 (ay)</translation>
    </message>
    <message>
        <source>日</source>
        <translation>日 (gün)</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>Boşluk</translation>
    </message>
    <message>
        <source>双空格</source>
        <translation>Çift boşluk</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>时</source>
        <translation>时 (saat)</translation>
    </message>
    <message>
        <source>分</source>
        <translation>分 (dakika)</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>秒 (saniye)</translation>
    </message>
    <message>
        <source>2016/07/01 08:30:00</source>
        <translation>2016/07/01 08:30:00</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>Biçim:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Önizleme</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>leave the part out</comment>
        <translation>Gösterme</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>no suffix</comment>
        <translation>Soneksiz</translation>
    </message>
</context>
<context>
    <name>QRCodeDynamicStyleDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Değişken QR kod</translation>
    </message>
    <message>
        <source>计数器类型</source>
        <translation>Sayaç türü</translation>
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
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>时间设置</source>
        <translation>Saat ayarı</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>diagramTextItem</name>
    <message>
        <source>Input text</source>
        <translation>Metin girin</translation>
    </message>
</context>
</TS>
