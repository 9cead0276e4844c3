<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="zh_CN">
<context>
    <name>QApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>النافذة الرئيسية</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>شريط الأدوات</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>عداد</translation>
    </message>
    <message>
        <source>序号1</source>
        <translation>عداد 1</translation>
    </message>
    <message>
        <source>序号2</source>
        <translation>عداد 2</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>صورة</translation>
    </message>
    <message>
        <source>条形码</source>
        <translation>باركود</translation>
    </message>
    <message>
        <source>二维码</source>
        <translation>رمز QR</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>平台</source>
        <translation>المنصة</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>خروج</translation>
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
        <translation>برنامج التحرير</translation>
    </message>
    <message>
        <source>Spray/Untitled.spr</source>
        <translation>Spray/بلا عنوان.spr</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>فتح ملف</translation>
    </message>
    <message>
        <source>Spr Files(*.spr )</source>
        <translation>ملفات Spr (*.spr )</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>حفظ الملف</translation>
    </message>
    <message>
        <source>*.spr</source>
        <translation>*.spr</translation>
    </message>
    <message>
        <source>删除文件</source>
        <translation>حذف ملف</translation>
    </message>
    <message>
        <source>打开图片</source>
        <translation>فتح صورة</translation>
    </message>
    <message>
        <source>Image Files(*.jpg *.bmp)</source>
        <translation>ملفات الصور (*.jpg *.bmp)</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>تعذّر فتح الملف: %1</translation>
    </message>
    <message>
        <source>文件不是有效的信息文件：%1</source>
        <translation>الملف ليس ملف رسالة صالحًا: %1</translation>
    </message>
    <message>
        <source>无法删除文件：%1
%2</source>
        <translation>تعذّر حذف الملف: %1
%2</translation>
    </message>
    <message>
        <source>%1 有未保存的修改，是否保存？</source>
        <translation>يحتوي %1 على تغييرات غير محفوظة. هل تريد حفظها؟</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>عدم الحفظ</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>撤销：%1</source>
        <translation>تراجع: %1</translation>
    </message>
    <message>
        <source>重做：%1</source>
        <translation>إعادة: %1</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>نقل</translation>
    </message>
    <message>
        <source>修改内容</source>
        <translation>تغيير المحتوى</translation>
    </message>
    <message>
        <source>修改属性</source>
        <translation>تغيير الخصائص</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>操作手册</source>
        <translation>دليل المشغل</translation>
    </message>
    <message>
        <source>找不到操作手册。</source>
        <translation>دليل المشغل غير مثبت.</translation>
    </message>
    <message>
        <source>无法打开操作手册：%1</source>
        <translation>تعذر فتح دليل المشغل: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>条码格式错误，本条码为13位阿拉伯数字！</source>
        <translation>خطأ في تنسيق الباركود: يتكون هذا الباركود من 13 رقمًا عربيًا!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码为8位阿拉伯数字！</source>
        <translation>خطأ في تنسيق الباركود: يتكون هذا الباركود من 8 أرقام عربية!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码内容仅包含数字与大写字母及部分符号！</source>
        <translation>خطأ في تنسيق الباركود: لا يقبل هذا الباركود إلا الأرقام والحروف اللاتينية الكبيرة وبعض الرموز!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码为12位阿拉伯数字！</source>
        <translation>خطأ في تنسيق الباركود: يتكون هذا الباركود من 12 رقمًا عربيًا!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码内容仅包含数字与英文字母及部分符号！</source>
        <translation>خطأ في تنسيق الباركود: لا يقبل هذا الباركود إلا الأرقام والحروف اللاتينية وبعض الرموز!</translation>
    </message>
    <message>
        <source>条码格式错误！</source>
        <translation>خطأ في تنسيق الباركود!</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>文件保存失败：%1
%2</source>
        <translation>تعذّر حفظ الملف: %1
%2</translation>
    </message>
    <message>
        <source>内容无效的条码：%1</source>
        <translation>باركودات محتواها غير صالح: %1</translation>
    </message>
    <message>
        <source>……另有 %1 个</source>
        <translation>…و%1 أخرى</translation>
    </message>
</context>
<context>
    <name>textSetting</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
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
        <translation>التدوير</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>التباعد</translation>
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
        <translation>FZ رفيع جدًا</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>نقطي تقليدي</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>نقطي صيني</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 نقاط دائرية</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 نقاط مربعة</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 نقاط دائرية</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>نقطي شائع</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>عربي</translation>
    </message>
</context>
<context>
    <name>timeSetting</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
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
        <translation>التدوير</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>التباعد</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>تغيير</translation>
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
        <translation>FZ رفيع جدًا</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>نقطي تقليدي</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>نقطي صيني</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 نقاط دائرية</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 نقاط مربعة</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 نقاط دائرية</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>نقطي شائع</translation>
    </message>
</context>
<context>
    <name>cntSetting</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
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
        <translation>التدوير</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>التباعد</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>الخانات</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>العداد</translation>
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
        <translation>FZ رفيع جدًا</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>نقطي تقليدي</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>نقطي صيني</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 نقاط دائرية</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 نقاط مربعة</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 نقاط دائرية</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>نقطي شائع</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>خانة واحدة</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>خانتان</translation>
    </message>
    <message>
        <source>3位</source>
        <translation>3 خانات</translation>
    </message>
    <message>
        <source>4位</source>
        <translation>4 خانات</translation>
    </message>
    <message>
        <source>5位</source>
        <translation>5 خانات</translation>
    </message>
    <message>
        <source>6位</source>
        <translation>6 خانات</translation>
    </message>
    <message>
        <source>7位</source>
        <translation>7 خانات</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8 خانات</translation>
    </message>
    <message>
        <source>计数器1</source>
        <translation>العداد 1</translation>
    </message>
    <message>
        <source>计数器2</source>
        <translation>العداد 2</translation>
    </message>
</context>
<context>
    <name>cnt2Setting</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
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
        <translation>التدوير</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>التباعد</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>الخانات</translation>
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
        <translation>نقطي صيني</translation>
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
        <translation>نقطي تقليدي</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 نقاط دائرية</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 نقاط مربعة</translation>
    </message>
    <message>
        <source>7点阵双点</source>
        <translation>7 نقاط مزدوجة</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 نقاط دائرية</translation>
    </message>
    <message>
        <source>11点阵圆点</source>
        <translation>11 نقطة دائرية</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>نقطي شائع</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>خانة واحدة</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>خانتان</translation>
    </message>
    <message>
        <source>3位</source>
        <translation>3 خانات</translation>
    </message>
    <message>
        <source>4位</source>
        <translation>4 خانات</translation>
    </message>
    <message>
        <source>5位</source>
        <translation>5 خانات</translation>
    </message>
    <message>
        <source>6位</source>
        <translation>6 خانات</translation>
    </message>
    <message>
        <source>7位</source>
        <translation>7 خانات</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8 خانات</translation>
    </message>
</context>
<context>
    <name>barSetting</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
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
        <translation>التدوير</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>显示数字</source>
        <translation>إظهار الأرقام</translation>
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
        <translation>نموذج</translation>
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
        <translation>التدوير</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>选择图形</source>
        <translation>اختيار صورة</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>اسم الملف</translation>
    </message>
    <message>
        <source>反 色</source>
        <translation>عكس الألوان</translation>
    </message>
</context>
<context>
    <name>QRCodeSetting</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
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
        <translation>التدوير</translation>
    </message>
    <message>
        <source>缩放</source>
        <translation>التحجيم</translation>
    </message>
    <message>
        <source>精度</source>
        <translation>مستوى التصحيح</translation>
    </message>
    <message>
        <source>边长</source>
        <translation>طول الضلع</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>متغير</translation>
    </message>
    <message>
        <source>低</source>
        <translation>منخفض</translation>
    </message>
    <message>
        <source>中</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>高</source>
        <translation>عالٍ</translation>
    </message>
    <message>
        <source>精准</source>
        <translation>الأعلى</translation>
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
        <translation>تنسيق الوقت</translation>
    </message>
    <message>
        <source>快速设置:</source>
        <translation>إعداد سريع:</translation>
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
        <translation>إعدادات التنسيق</translation>
    </message>
    <message>
        <source>年:</source>
        <translation>السنة:</translation>
    </message>
    <message>
        <source>月:</source>
        <translation>الشهر:</translation>
    </message>
    <message>
        <source>日:</source>
        <translation>اليوم:</translation>
    </message>
    <message>
        <source>时:</source>
        <translation>الساعة:</translation>
    </message>
    <message>
        <source>分:</source>
        <translation>الدقيقة:</translation>
    </message>
    <message>
        <source>秒:</source>
        <translation>الثانية:</translation>
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
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>后缀</source>
        <translation>اللاحقة</translation>
    </message>
    <message>
        <source>顺序</source>
        <translation>الترتيب</translation>
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
        <translation>年 (سنة)</translation>
    </message>
    <message>
        <source>月</source>
        <translation>月 (شهر)</translation>
    </message>
    <message>
        <source>日</source>
        <translation>日 (يوم)</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>مسافة</translation>
    </message>
    <message>
        <source>双空格</source>
        <translation>مسافتان</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>时</source>
        <translation>时 (ساعة)</translation>
    </message>
    <message>
        <source>分</source>
        <translation>分 (دقيقة)</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>秒 (ثانية)</translation>
    </message>
    <message>
        <source>2016/07/01 08:30:00</source>
        <translation>2016/07/01 08:30:00</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>التنسيق:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>معاينة</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>leave the part out</comment>
        <translation>إغفال</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>no suffix</comment>
        <translation>بلا لاحقة</translation>
    </message>
</context>
<context>
    <name>QRCodeDynamicStyleDialog</name>
    <message>
        <source>Dialog</source>
        <translation>رمز QR متغير</translation>
    </message>
    <message>
        <source>计数器类型</source>
        <translation>نوع العداد</translation>
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
        <translation>إعداد الوقت</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>diagramTextItem</name>
    <message>
        <source>Input text</source>
        <translation>أدخل النص</translation>
    </message>
</context>
</TS>
