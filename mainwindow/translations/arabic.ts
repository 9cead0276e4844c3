<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>AccessControl</name>
    <message>
        <source>%1 was signed out: no input for %2 minutes.</source>
        <translation>تم تسجيل خروج %1: لا إدخال منذ %2 دقيقة.</translation>
    </message>
    <message>
        <source>&lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation>&lt;a href="users"&gt;المستخدمون&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Nobody can sign in: see the event log</source>
        <translation>لا يمكن لأحد تسجيل الدخول: راجع سجل الأحداث</translation>
    </message>
    <message>
        <source>Nobody signed in · &lt;a href="signin"&gt;Sign in&lt;/a&gt;</source>
        <translation>لم يسجّل أحد الدخول · &lt;a href="signin"&gt;تسجيل الدخول&lt;/a&gt;</translation>
    </message>
    <message>
        <source>%1 (%2) · &lt;a href="signout"&gt;Sign out&lt;/a&gt;</source>
        <translation>%1 (%2) · &lt;a href="signout"&gt;تسجيل الخروج&lt;/a&gt;</translation>
    </message>
    <message>
        <source> · &lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation> · &lt;a href="users"&gt;المستخدمون&lt;/a&gt;</translation>
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
        <translation>المحتوى</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Edit the content line by line</source>
        <translation>تحرير المحتوى سطرًا بسطر</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>المقياس</translation>
    </message>
    <message>
        <source>Tenths: 20 is scale 2.0</source>
        <translation>أعشار: 20 تعني المقياس 2.0</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>إظهار النص</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Data Mode</source>
        <translation>وضع البيانات</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>قياسي</translation>
    </message>
    <message>
        <source>GS1</source>
        <translation>GS1</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>بيانات خارجية</translation>
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
        <translation>رمز QR (ISO 18004)</translation>
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
        <translation>إدراج حقل</translation>
    </message>
</context>
<context>
    <name>BatchRecordPdf</name>
    <message>
        <source>the message is too large to draw</source>
        <translation>الرسالة أكبر من أن تُرسم</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>تتعذّر الكتابة في %1 (%2)</translation>
    </message>
    <message>
        <source>Batch record of job %1</source>
        <translation>سجل دفعة المهمة %1</translation>
    </message>
    <message>
        <source>Batch record: job %1</source>
        <translation>سجل الدفعة: المهمة %1</translation>
    </message>
    <message>
        <source>Product: %1 %2</source>
        <translation>المنتج: %1 %2</translation>
    </message>
    <message>
        <source>Order: %1    Lot: %2</source>
        <translation>الطلب: %1    التشغيلة: %2</translation>
    </message>
    <message>
        <source>Started: %1 by %2</source>
        <translation>البدء: %1 بواسطة %2</translation>
    </message>
    <message>
        <source>Ended: not yet</source>
        <translation>الانتهاء: ليس بعد</translation>
    </message>
    <message>
        <source>Ended: %1 by %2</source>
        <translation>الانتهاء: %1 بواسطة %2</translation>
    </message>
    <message>
        <source>Field values</source>
        <translation>قيم الحقول</translation>
    </message>
    <message>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>القالب</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2</source>
        <translation>%1، SHA-256 %2</translation>
    </message>
    <message>
        <source>Signature: %1</source>
        <translation>التوقيع: %1</translation>
    </message>
    <message>
        <source>Message sent</source>
        <translation>الرسالة المرسلة</translation>
    </message>
    <message>
        <source>SHA-256 %1</source>
        <translation>SHA-256 %1</translation>
    </message>
    <message>
        <source>(no picture: the message sent is no longer in the folder of jobs)</source>
        <translation>(لا صورة: الرسالة المرسلة لم تعد في مجلد المهام)</translation>
    </message>
    <message>
        <source>(no picture: %1)</source>
        <translation>(لا صورة: %1)</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>الطابعات</translation>
    </message>
    <message>
        <source>%1 %2: %3 at %4; read back %5</source>
        <translation>%1 %2: %3 في %4؛ المقروء %5</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>    started %1, stopped %2</source>
        <translation>    بدأ %1، توقّف %2</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>تتعذّر كتابة %1</translation>
    </message>
    <message>
        <source>Code readers</source>
        <translation>قارئات الرموز</translation>
    </message>
    <message>
        <source>%1, reader %2: %3 good, %4 bad, %5 no read, %6 not compared</source>
        <translation>%1، القارئ %2: %3 صحيح، %4 خاطئ، %5 غير مقروء، %6 دون مقارنة</translation>
    </message>
    <message>
        <source>Challenge test of %1, reader %2, %3 at %4 by %5 after %6 reads%7</source>
        <translation>اختبار التحقق لـ %1، القارئ %2، %3 في %4 بواسطة %5 بعد %6 قراءات%7</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>ناجح</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>فاشل</translation>
    </message>
</context>
<context>
    <name>BatchRecordsDialog</name>
    <message>
        <source>Batch records</source>
        <translation>سجلات الدفعات</translation>
    </message>
    <message>
        <source>From</source>
        <translation>من</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>To</source>
        <translation>إلى</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>التشغيلة</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>المهمة</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>البدء</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>المنتج</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>الطلب</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>الانتهاء</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>تصدير CSV...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>تصدير PDF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message numerus="yes">
        <source>%n jobs</source>
        <translation>
            <numerusform>لا مهام (%n)</numerusform>
            <numerusform>مهمة واحدة</numerusform>
            <numerusform>مهمتان</numerusform>
            <numerusform>%n مهام</numerusform>
            <numerusform>%n مهمة</numerusform>
            <numerusform>%n مهمة</numerusform>
        </translation>
    </message>
    <message>
        <source>The batch records cannot be read: %1</source>
        <translation>تتعذّر قراءة سجلات الدفعات: %1</translation>
    </message>
    <message>
        <source>Template %1: %2
Message sent: SHA-256 %3</source>
        <translation>القالب %1: %2
الرسالة المرسلة: SHA-256 %3</translation>
    </message>
    <message>
        <source>run without an approval</source>
        <translation>شُغّل بلا اعتماد</translation>
    </message>
    <message>
        <source>Export the batch record</source>
        <translation>تصدير سجل الدفعة</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>ملفات CSV (*.csv);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>تتعذّر الكتابة في %1 (%2)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>ملفات PDF (*.pdf);;كل الملفات (*)</translation>
    </message>
</context>
<context>
    <name>ChangeMyDeviceBtnRemarkNameDialog</name>
    <message>
        <source>Remark Name</source>
        <translation>الاسم المستعار</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>تغيير الاسم</translation>
    </message>
</context>
<context>
    <name>CoderListModel</name>
    <message>
        <source>printing</source>
        <translation>يطبع</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>متوقف</translation>
    </message>
    <message>
        <source>IP: %1</source>
        <translation>IP: %1</translation>
    </message>
    <message>
        <source>Remark name: %1</source>
        <translation>الاسم المستعار: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>الحالة: %1</translation>
    </message>
    <message>
        <source>Current file: %1</source>
        <translation>الملف الحالي: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Job: %1</source>
        <translation>المهمة: %1</translation>
    </message>
    <message>
        <source>Lot: %1</source>
        <translation>الدفعة: %1</translation>
    </message>
    <message>
        <source>Job state: %1</source>
        <translation>حالة المهمة: %1</translation>
    </message>
    <message>
        <source>Line: %1</source>
        <translation>الخط: %1</translation>
    </message>
    <message>
        <source>Not heard of: the last values known</source>
        <translation>لا أخبار: آخر القيم المعروفة</translation>
    </message>
</context>
<context>
    <name>CommandJournal</name>
    <message>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>%1 is not saved: the journal cannot be written (%2).</source>
        <translation>لم يُحفظ %1: تتعذّر الكتابة في السجل (%2).</translation>
    </message>
    <message>
        <source>%1 was saved, but: %2</source>
        <translation>حُفظ %1، لكن: %2</translation>
    </message>
    <message>
        <source>The journal cannot be used: %1</source>
        <translation>لا يمكن استخدام السجل: %1</translation>
    </message>
    <message>
        <source>Not done: its journal line cannot be written (%1)</source>
        <translation>لم يُنفَّذ: تتعذّر كتابة سطره في السجل (%1)</translation>
    </message>
    <message>
        <source>Not in the journal (%1): %2</source>
        <translation>ليس في السجل (%1): %2</translation>
    </message>
    <message>
        <source>%1, %2 bytes, SHA-256 %3</source>
        <translation>%1، %2 بايت، SHA-256 %3</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>دون تغيير</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2 → %3</source>
        <translation>%1، SHA-256 %2 → %3</translation>
    </message>
    <message>
        <source>%1 cut-off line(s) recorded</source>
        <translation>سُجّل %1 سطر مقطوع</translation>
    </message>
    <message>
        <source>%1 line(s) that are no journal lines recorded</source>
        <translation>سُجّل %1 سطر ليس من أسطر السجل</translation>
    </message>
    <message>
        <source>line %1 changed after its head named it</source>
        <translation>تغيّر السطر %1 بعد أن سمّاه الرأس</translation>
    </message>
    <message>
        <source>lines %1 to %2 never named by the head</source>
        <translation>الأسطر من %1 إلى %2 لم يسمّها الرأس قط</translation>
    </message>
    <message>
        <source>head %1</source>
        <translation>الرأس %1</translation>
    </message>
    <message>
        <source>first administrator %1</source>
        <translation>أول مسؤول %1</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 دقيقة</translation>
    </message>
    <message>
        <source>over %1, broker account %2, user as claimed</source>
        <translation>عبر %1، حساب الوسيط %2، المستخدم كما ادُّعي</translation>
    </message>
    <message>
        <source>over %1, broker account %2</source>
        <translation>عبر %1، حساب الوسيط %2</translation>
    </message>
</context>
<context>
    <name>CommandText</name>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Print parameters</source>
        <translation>إعدادات الطباعة</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>المنفذ</translation>
    </message>
    <message>
        <source>Remark name</source>
        <translation>الاسم المستعار</translation>
    </message>
    <message>
        <source>over MQTT</source>
        <translation>عبر MQTT</translation>
    </message>
    <message>
        <source>claimed user %1</source>
        <translation>المستخدم المُدّعى %1</translation>
    </message>
    <message>
        <source>sent unchanged</source>
        <translation>أُرسلت دون تغيير</translation>
    </message>
    <message>
        <source>no coder</source>
        <translation>لا طابعة</translation>
    </message>
    <message>
        <source>%1 coders</source>
        <translation>%1 طابعات</translation>
    </message>
    <message>
        <source>%1 sent to %2</source>
        <translation>أُرسل %1 إلى %2</translation>
    </message>
    <message>
        <source>Print parameters sent to %1 (its own were not reported before)</source>
        <translation>أُرسلت إعدادات الطباعة إلى %1 (لم تُبلَّغ إعداداتها من قبل)</translation>
    </message>
    <message>
        <source>Print parameters of %1: %2</source>
        <translation>إعدادات طباعة %1: %2</translation>
    </message>
    <message>
        <source>Port changed from %1 to %2</source>
        <translation>تغيّر المنفذ من %1 إلى %2</translation>
    </message>
    <message>
        <source>Remark name of %1 removed (was %2)</source>
        <translation>أُزيل الاسم المستعار لـ %1 (كان %2)</translation>
    </message>
    <message>
        <source>%1 named %2</source>
        <translation>سُمّي %1 باسم %2</translation>
    </message>
    <message>
        <source>%1 renamed from %2 to %3</source>
        <translation>أُعيدت تسمية %1 من %2 إلى %3</translation>
    </message>
</context>
<context>
    <name>ControlStatusBar</name>
    <message>
        <source>Listening on port %1</source>
        <translation>الاستماع على المنفذ %1</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>لا استماع</translation>
    </message>
    <message numerus="yes">
        <source>%n coder(s) connected</source>
        <translation>
            <numerusform>لا طابعات متصلة (%n)</numerusform>
            <numerusform>طابعة واحدة متصلة</numerusform>
            <numerusform>طابعتان متصلتان</numerusform>
            <numerusform>%n طابعات متصلة</numerusform>
            <numerusform>%n طابعة متصلة</numerusform>
            <numerusform>%n طابعة متصلة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesignHistory</name>
    <message>
        <source>content</source>
        <translation>المحتوى</translation>
    </message>
    <message>
        <source>external data</source>
        <translation>البيانات الخارجية</translation>
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
        <translation>التدوير</translation>
    </message>
    <message>
        <source>font</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>font size</source>
        <translation>حجم الخط</translation>
    </message>
    <message>
        <source>letter spacing</source>
        <translation>تباعد الأحرف</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>غامق</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>مائل</translation>
    </message>
    <message>
        <source>underline</source>
        <translation>تسطير</translation>
    </message>
    <message>
        <source>format</source>
        <translation>التنسيق</translation>
    </message>
    <message>
        <source>valid days</source>
        <translation>أيام الصلاحية</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>العداد</translation>
    </message>
    <message>
        <source>base</source>
        <translation>الأساس</translation>
    </message>
    <message>
        <source>digits</source>
        <translation>الخانات</translation>
    </message>
    <message>
        <source>fill character</source>
        <translation>محرف الحشو</translation>
    </message>
    <message>
        <source>symbology</source>
        <translation>نوع الرمز</translation>
    </message>
    <message>
        <source>height</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>المقياس</translation>
    </message>
    <message>
        <source>text line</source>
        <translation>سطر النص</translation>
    </message>
    <message>
        <source>size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>data mode</source>
        <translation>وضع البيانات</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>shift table</source>
        <translation>جدول الورديات</translation>
    </message>
    <message>
        <source>properties</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <source>best before of the product</source>
        <translation>تاريخ صلاحية المنتج</translation>
    </message>
</context>
<context>
    <name>DesignTemplate</name>
    <message>
        <source>the catalogue is not open</source>
        <translation>الكتالوج غير مفتوح</translation>
    </message>
    <message>
        <source>%1: %2 by %3 (unsigned: users are off), %4</source>
        <translation>%1: %2 بواسطة %3 (غير موقّع: المستخدمون معطّلون)، %4</translation>
    </message>
    <message>
        <source>%1: %2, signed by %3, %4</source>
        <translation>%1: %2، وقّعه %3، %4</translation>
    </message>
    <message>
        <source>%1: not approved</source>
        <translation>%1: غير معتمد</translation>
    </message>
    <message>
        <source>%1: approval unknown (%2)</source>
        <translation>%1: الاعتماد غير معروف (%2)</translation>
    </message>
    <message>
        <source>The template of %1. The version a save writes must be signed before a job may run it.</source>
        <translation>قالب %1. يجب توقيع النسخة التي يكتبها الحفظ قبل أن تستخدمها مهمة.</translation>
    </message>
</context>
<context>
    <name>DesignUndo</name>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>رقم تسلسلي</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>صورة</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>باركود</translation>
    </message>
    <message>
        <source>Shift code</source>
        <translation>رمز الوردية</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>العنصر</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>إضافة %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n item(s)</source>
        <translation>
            <numerusform>إضافة %n عنصر</numerusform>
            <numerusform>إضافة عنصر واحد</numerusform>
            <numerusform>إضافة عنصرين</numerusform>
            <numerusform>إضافة %n عناصر</numerusform>
            <numerusform>إضافة %n عنصرًا</numerusform>
            <numerusform>إضافة %n عنصر</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n item(s)</source>
        <translation>
            <numerusform>حذف %n عنصر</numerusform>
            <numerusform>حذف عنصر واحد</numerusform>
            <numerusform>حذف عنصرين</numerusform>
            <numerusform>حذف %n عناصر</numerusform>
            <numerusform>حذف %n عنصرًا</numerusform>
            <numerusform>حذف %n عنصر</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>نقل %1</translation>
    </message>
    <message numerus="yes">
        <source>Move %n item(s)</source>
        <translation>
            <numerusform>نقل %n عنصر</numerusform>
            <numerusform>نقل عنصر واحد</numerusform>
            <numerusform>نقل عنصرين</numerusform>
            <numerusform>نقل %n عناصر</numerusform>
            <numerusform>نقل %n عنصرًا</numerusform>
            <numerusform>نقل %n عنصر</numerusform>
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
        <translation>لا مجلد لطابعة باسم "%1"</translation>
    </message>
    <message>
        <source>%1 leads through a link; no folder is made</source>
        <translation>%1 يمر عبر رابط؛ لا يُنشأ مجلد</translation>
    </message>
    <message>
        <source>cannot create folder %1</source>
        <translation>تعذّر إنشاء المجلد %1</translation>
    </message>
    <message>
        <source>unsafe file name "%1" refused</source>
        <translation>رُفض اسم الملف غير الآمن "%1"</translation>
    </message>
    <message>
        <source>file name of %1 bytes refused, at most %2</source>
        <translation>رُفض اسم ملف من %1 بايت، الحد %2</translation>
    </message>
    <message>
        <source>%1 leads through a link; nothing is written</source>
        <translation>%1 يمر عبر رابط؛ لا يُكتب شيء</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>تتعذّر كتابة %1: %2</translation>
    </message>
</context>
<context>
    <name>DeviceListPanel</name>
    <message>
        <source>Filter: name, IP, state</source>
        <translation>تصفية: الاسم، IP، الحالة</translation>
    </message>
    <message>
        <source>Compact rows</source>
        <translation>صفوف مضغوطة</translation>
    </message>
    <message>
        <source>%1 %2: click to show only them</source>
        <translation>%1 %2: انقر لعرضها وحدها</translation>
    </message>
    <message>
        <source>Remark Name</source>
        <translation>الاسم المستعار</translation>
    </message>
</context>
<context>
    <name>EditWidget</name>
    <message>
        <source>Editor</source>
        <translation>المحرر</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>الرئيسية</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>SN</source>
        <translation>رقم تسلسلي</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>صورة</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>باركود</translation>
    </message>
    <message>
        <source>Shiftcode</source>
        <translation>رمز الوردية</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>View</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+wheel up)</source>
        <translation>تكبير (Ctrl + العجلة لأعلى)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+wheel down)</source>
        <translation>تصغير (Ctrl + العجلة لأسفل)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>ملاءمة</translation>
    </message>
    <message>
        <source>Fit the message to the window</source>
        <translation>ملاءمة الرسالة للنافذة</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>One screen pixel per dot</source>
        <translation>بكسل شاشة واحد لكل نقطة</translation>
    </message>
    <message>
        <source>Preview at</source>
        <translation>معاينة في</translation>
    </message>
    <message>
        <source>What the message prints at a chosen date, time and shift</source>
        <translation>ما تطبعه الرسالة في التاريخ والوقت والوردية المختارة</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>متقدم</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>تراجع: %1</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>لا شيء للتراجع عنه</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>إعادة: %1</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>لا شيء لإعادته</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>حفظ الملف</translation>
    </message>
    <message>
        <source>Spray Files (*.spr)</source>
        <translation>ملفات Spray (*.spr)</translation>
    </message>
    <message>
        <source>the new message</source>
        <translation>الرسالة الجديدة</translation>
    </message>
    <message>
        <source>The message has been changed.
Do you want to save your changes?</source>
        <translation>تغيّرت الرسالة.
هل تريد حفظ التغييرات؟</translation>
    </message>
</context>
<context>
    <name>FieldMenu</name>
    <message>
        <source>Insert field</source>
        <translation>إدراج حقل</translation>
    </message>
    <message>
        <source>Insert a placeholder that a job fills</source>
        <translation>إدراج عنصر نائب تملؤه المهمة</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>Copy for coder %1 failed: %2</source>
        <translation>فشل حفظ النسخة للطابعة %1: %2</translation>
    </message>
    <message>
        <source>Listening for coders on port %1</source>
        <translation>بانتظار الطابعات على المنفذ %1</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. No coder can connect; choose another port and press "Built".</source>
        <translation>تعذّر الاستماع على المنفذ %1: %2. لا يمكن لأي طابعة الاتصال؛ اختر منفذًا آخر واضغط "فتح المنفذ".</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <translation>تعذّر الاستماع على المنفذ %1: %2.</translation>
    </message>
    <message>
        <source>Back to port %1.</source>
        <translation>العودة إلى المنفذ %1.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. Nothing was sent.</source>
        <translation>تعذّرت قراءة %1: %2. لم يُرسَل شيء.</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>الملف أكبر من %1 MiB</translation>
    </message>
    <message>
        <source>Cannot send %1: %2. Nothing was sent.</source>
        <translation>تعذّر إرسال %1: %2. لم يُرسَل شيء.</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took %2.</source>
        <translation>انقطعت الطابعة %1 قبل أن تستلم %2.</translation>
    </message>
    <message>
        <source>Coder %1 did not report its message after %2 was sent: not verified.</source>
        <translation>لم تُبلغ الطابعة %1 عن رسالتها بعد إرسال %2: لم يُتحقَّق.</translation>
    </message>
    <message>
        <source>A remark name cannot hold control characters. The name stays as it was.</source>
        <translation>لا يمكن أن يحتوي الاسم المستعار على محارف تحكم. يبقى الاسم كما كان.</translation>
    </message>
    <message>
        <source>%1: no coder chosen; nothing was sent.</source>
        <translation>%1: لم تُختر طابعة؛ لم يُرسَل شيء.</translation>
    </message>
    <message>
        <source>Not started: %1 Nothing was sent.</source>
        <translation>لم يبدأ: %1 لم يُرسَل شيء.</translation>
    </message>
    <message>
        <source>%1. The port stays as it was.</source>
        <translation>%1. يبقى المنفذ كما كان.</translation>
    </message>
    <message>
        <source>%1. The name stays as it was.</source>
        <translation>%1. يبقى الاسم كما كان.</translation>
    </message>
    <message>
        <source>%1. Nothing was sent.</source>
        <translation>%1. لم يُرسَل شيء.</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took the command.</source>
        <translation>انقطعت الطابعة %1 قبل أن تستلم الأمر.</translation>
    </message>
    <message>
        <source>Coder %1 connected</source>
        <translation>اتصلت الطابعة %1</translation>
    </message>
    <message>
        <source>Coder %1 disconnected</source>
        <translation>انقطع اتصال الطابعة %1</translation>
    </message>
    <message>
        <source>Current file of coder %1 not stored: %2</source>
        <translation>لم يُحفظ الملف الحالي للطابعة %1: %2</translation>
    </message>
    <message>
        <source>Coder %1 holds another message than was sent: sent %2 (SHA-256 %3), holds %4 (SHA-256 %5).</source>
        <translation>تحمل الطابعة %1 رسالة غير التي أُرسلت: أُرسلت %2 (SHA-256 %3)، وتحمل %4 (SHA-256 %5).</translation>
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
        <translation>تدوير</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>حجم الخط</translation>
    </message>
    <message>
        <source>Text Space</source>
        <translation>التباعد</translation>
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
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Operator's Manual</source>
        <translation>دليل المشغل</translation>
    </message>
    <message>
        <source>The operator's manual is not installed (looked in %1).</source>
        <translation>دليل المشغل غير مثبت (تم البحث في %1).</translation>
    </message>
    <message>
        <source>The operator's manual could not be opened: no browser took %1.</source>
        <translation>تعذّر فتح دليل المشغل: لم يفتح أي متصفح %1.</translation>
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
        <translation>اختيار صورة</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>الصور (%1)</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>[window] language "%1" is none of %2; the desktop's language is used.</source>
        <translation>[window] language "%1" ليست من %2؛ تُستخدم لغة سطح المكتب.</translation>
    </message>
</context>
<context>
    <name>JobScan</name>
    <message>
        <source>Scan the packaging on the line: a job of %1 starts only when it shows GTIN %2.</source>
        <translation>امسح العبوة على الخط: لا تبدأ مهمة %1 إلا إذا أظهرت GTIN %2.</translation>
    </message>
    <message>
        <source>%1 (character %2)</source>
        <translation>%1 (الحرف %2)</translation>
    </message>
    <message>
        <source>The scan holds no GTIN (01): %1</source>
        <translation>لا يحتوي المسح على GTIN (01): %1</translation>
    </message>
    <message>
        <source>No product has the GTIN %1.</source>
        <translation>لا يوجد منتج برقم GTIN %1.</translation>
    </message>
    <message>
        <source>Lot %1 from the scan.</source>
        <translation>الدفعة %1 من المسح.</translation>
    </message>
    <message>
        <source>Production date %1 from the scan.</source>
        <translation>تاريخ الإنتاج %1 من المسح.</translation>
    </message>
    <message>
        <source>the best-before date (15) %1</source>
        <translation>تاريخ الأفضلية (15) %1</translation>
    </message>
    <message>
        <source>the expiry date (17) %1</source>
        <translation>تاريخ انتهاء الصلاحية (17) %1</translation>
    </message>
    <message>
        <source>Check the packaging: %1 is not %2, which the shelf life of %3 (%4) gives.</source>
        <translation>افحص العبوة: %1 ليس %2 الذي تعطيه مدة صلاحية %3 (%4).</translation>
    </message>
    <message>
        <source>Packaging confirmed: GTIN %1.</source>
        <translation>تم تأكيد العبوة: GTIN %1.</translation>
    </message>
    <message>
        <source>The packaging scanned (GTIN %1) is not that of %2 (GTIN %3): the job does not start.</source>
        <translation>العبوة الممسوحة (GTIN %1) ليست عبوة %2 (GTIN %3): لن تبدأ المهمة.</translation>
    </message>
</context>
<context>
    <name>JobsPanel</name>
    <message>
        <source>Jobs</source>
        <translation>المهام</translation>
    </message>
    <message>
        <source>Search products by code, GTIN or name</source>
        <translation>ابحث عن المنتجات بالرمز أو GTIN أو الاسم</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Type or scan the GTIN, then Enter</source>
        <translation>اكتب GTIN أو امسحه ثم اضغط Enter</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>المنتج</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>الطلب</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>التشغيلة</translation>
    </message>
    <message>
        <source>Start job</source>
        <translation>بدء المهمة</translation>
    </message>
    <message>
        <source>Start printing</source>
        <translation>بدء الطباعة</translation>
    </message>
    <message>
        <source>End job</source>
        <translation>إنهاء المهمة</translation>
    </message>
    <message>
        <source>This window runs no jobs: it has no catalogue.</source>
        <translation>لا تشغّل هذه النافذة مهامًا: لا يوجد كتالوج.</translation>
    </message>
    <message>
        <source>The catalogue (%1) is not open; no job starts until it is.</source>
        <translation>الكتالوج (%1) غير مفتوح؛ لا تبدأ أي مهمة حتى يُفتح.</translation>
    </message>
    <message>
        <source>Products cannot be listed: %1</source>
        <translation>تعذّر عرض المنتجات: %1</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>لم يُختر</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Coders: none checked in the device list</source>
        <translation>الطابعات: لم يُحدَّد أي منها في قائمة الأجهزة</translation>
    </message>
    <message>
        <source>Coders: %1</source>
        <translation>الطابعات: %1</translation>
    </message>
    <message>
        <source>Not allowed for this product: %1</source>
        <translation>غير مسموح بها لهذا المنتج: %1</translation>
    </message>
    <message>
        <source>Choose a product first.</source>
        <translation>اختر منتجًا أولًا.</translation>
    </message>
    <message>
        <source>Check the coders of the job in the device list first.</source>
        <translation>حدّد أولًا طابعات المهمة في قائمة الأجهزة.</translation>
    </message>
    <message>
        <source>The job was not started: %1</source>
        <translation>لم تبدأ المهمة: %1</translation>
    </message>
    <message>
        <source>Job %1 started: %2, order %3, lot %4.</source>
        <translation>بدأت المهمة %1: %2، الطلب %3، الدفعة %4.</translation>
    </message>
    <message>
        <source>No job is running in this view.</source>
        <translation>لا توجد مهمة جارية في هذا العرض.</translation>
    </message>
    <message>
        <source>Not started: no coder of job %1 is verified.</source>
        <translation>لم يبدأ: لم يُتحقَّق من أي طابعة في المهمة %1.</translation>
    </message>
    <message>
        <source>Job %1 was not ended: %2</source>
        <translation>لم تنتهِ المهمة %1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Job %1 ended.</source>
        <translation>انتهت المهمة %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>طابعة منقطعة</translation>
    </message>
    <message>
        <source>not in the job</source>
        <translation>ليست في المهمة</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>جارٍ الإرسال</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>تم التحقق</translation>
    </message>
    <message>
        <source>running</source>
        <translation>قيد التشغيل</translation>
    </message>
    <message>
        <source>mismatch</source>
        <translation>غير مطابق</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>لم يُتحقَّق</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>العبوة</translation>
    </message>
    <message>
        <source>Scan the packaging on the line, then Enter</source>
        <translation>امسح العبوة على الخط ثم اضغط Enter</translation>
    </message>
    <message numerus="yes">
        <source>%n batch-record write(s) wait for the catalogue; they are written in order when it is back.</source>
        <translation>
            <numerusform>لا كتابات (%n) في سجل الدفعات تنتظر الكتالوج.</numerusform>
            <numerusform>كتابة واحدة في سجل الدفعات تنتظر الكتالوج؛ تُكتب بالترتيب عند عودته.</numerusform>
            <numerusform>كتابتان في سجل الدفعات تنتظران الكتالوج؛ تُكتبان بالترتيب عند عودته.</numerusform>
            <numerusform>%n كتابات في سجل الدفعات تنتظر الكتالوج؛ تُكتب بالترتيب عند عودته.</numerusform>
            <numerusform>%n كتابة في سجل الدفعات تنتظر الكتالوج؛ تُكتب بالترتيب عند عودته.</numerusform>
            <numerusform>%n كتابة في سجل الدفعات تنتظر الكتالوج؛ تُكتب بالترتيب عند عودته.</numerusform>
        </translation>
    </message>
    <message>
        <source>The job was not started: no line took it; the event log says why.</source>
        <translation>لم تبدأ المهمة: لم يتسلّمها أي خط؛ سجل الأحداث يذكر السبب.</translation>
    </message>
</context>
<context>
    <name>JournalDock</name>
    <message>
        <source>Journal</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>Show or hide the journal of what was done</source>
        <translation>إظهار أو إخفاء سجل ما تم</translation>
    </message>
</context>
<context>
    <name>JournalView</name>
    <message>
        <source>message sent</source>
        <translation>أُرسلت رسالة</translation>
    </message>
    <message>
        <source>print parameters</source>
        <translation>إعدادات الطباعة</translation>
    </message>
    <message>
        <source>start</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>port</source>
        <translation>المنفذ</translation>
    </message>
    <message>
        <source>remark name</source>
        <translation>الاسم المستعار</translation>
    </message>
    <message>
        <source>message saved</source>
        <translation>حُفظت رسالة</translation>
    </message>
    <message>
        <source>command failed</source>
        <translation>فشل الأمر</translation>
    </message>
    <message>
        <source>journal recovered</source>
        <translation>استُعيد السجل</translation>
    </message>
    <message>
        <source>sign-in</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <source>sign-in refused</source>
        <translation>رُفض تسجيل الدخول</translation>
    </message>
    <message>
        <source>sign-out</source>
        <translation>تسجيل الخروج</translation>
    </message>
    <message>
        <source>users on</source>
        <translation>تفعيل المستخدمين</translation>
    </message>
    <message>
        <source>users off</source>
        <translation>إيقاف المستخدمين</translation>
    </message>
    <message>
        <source>user set</source>
        <translation>تعيين مستخدم</translation>
    </message>
    <message>
        <source>user removed</source>
        <translation>إزالة مستخدم</translation>
    </message>
    <message>
        <source>idle time</source>
        <translation>مدة الخمول</translation>
    </message>
    <message>
        <source>administrator created</source>
        <translation>أُنشئ مسؤول</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>User</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>الحاسوب</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>الإجراء</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>الطابعات</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>التفاصيل</translation>
    </message>
    <message>
        <source>%1 (claimed)</source>
        <translation>%1 (مُدّعى)</translation>
    </message>
    <message>
        <source>Coder: IP or name</source>
        <translation>الطابعة: IP أو الاسم</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>كل المستخدمين</translation>
    </message>
    <message>
        <source>All actions</source>
        <translation>كل الإجراءات</translation>
    </message>
    <message>
        <source>From</source>
        <translation>من</translation>
    </message>
    <message>
        <source>to</source>
        <translation>إلى</translation>
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
        <translation>الرئيسية</translation>
    </message>
    <message>
        <source>Apply Print Parameter</source>
        <translation>تطبيق إعدادات الطباعة</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Multi Select</source>
        <translation>تحديد متعدد</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>منفذ الخادم</translation>
    </message>
    <message>
        <source>Built</source>
        <translation>فتح المنفذ</translation>
    </message>
    <message>
        <source>File Manage</source>
        <translation>الملفات</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>الأجهزة</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>قائمة الملفات</translation>
    </message>
    <message>
        <source>Print parameters not loaded: %1</source>
        <translation>لم تُحمَّل إعدادات الطباعة: %1</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>You must select a file! </source>
        <translation>يجب اختيار ملف!</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found problems.</source>
        <translation>لم يُرسَل %1: وجد الفحص المسبق مشكلات.</translation>
    </message>
    <message>
        <source>"%1" is not a port: enter a number from 1 to 65535. The server keeps running as it was.</source>
        <translation>"%1" ليس منفذًا: أدخل رقمًا من 1 إلى 65535. يبقى الخادم يعمل كما كان.</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>المهام</translation>
    </message>
    <message>
        <source>Show or hide the jobs view</source>
        <translation>إظهار عرض المهام أو إخفاؤه</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message>
        <source>Can not find the extern data file!</source>
        <translation>تعذّر العثور على ملف البيانات الخارجية!</translation>
    </message>
    <message>
        <source>The columns in the file don't match the extern items you create!</source>
        <translation>أعمدة الملف لا تطابق حقول البيانات الخارجية التي أنشأتها!</translation>
    </message>
    <message>
        <source>Unknown Error!</source>
        <translation>خطأ غير معروف!</translation>
    </message>
    <message>
        <source>The extern data file is a device or a pipe, not a plain file!</source>
        <translation>ملف البيانات الخارجية جهاز أو أنبوب، لا ملف عادي!</translation>
    </message>
    <message>
        <source>The extern data file is larger than %1 MiB!</source>
        <translation>ملف البيانات الخارجية أكبر من %1 MiB!</translation>
    </message>
    <message>
        <source>The extern data file has a line longer than %1 bytes!</source>
        <translation>في ملف البيانات الخارجية سطر أطول من %1 بايت!</translation>
    </message>
    <message>
        <source>Qt Drawing</source>
        <translation>ملف الرسالة</translation>
    </message>
    <message>
        <source>t</source>
        <translation>ملف البيانات</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>تتعذّر كتابة الملف %1:
%2.</translation>
    </message>
    <message>
        <source>Cannot read print file %1:
%2.</source>
        <translation>تتعذّر قراءة ملف الطباعة %1:
%2.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>الملف أكبر من %1 MiB</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>File %1 is empty.</source>
        <translation>الملف %1 فارغ.</translation>
    </message>
</context>
<context>
    <name>MessagePreview</name>
    <message>
        <source>Current message of %1</source>
        <translation>الرسالة الحالية لـ %1</translation>
    </message>
    <message>
        <source>Current message of %1 (%2)</source>
        <translation>الرسالة الحالية لـ %1 (%2)</translation>
    </message>
    <message>
        <source>Current message of coder %1: %2</source>
        <translation>الرسالة الحالية للطابعة %1: %2</translation>
    </message>
    <message>
        <source>%1, read back %2</source>
        <translation>%1، قُرئ مجددًا في %2</translation>
    </message>
    <message>
        <source>%1, read back %2: not the message sent
sent SHA-256 %3
held SHA-256 %4</source>
        <translation>%1، قُرئ مجددًا في %2: ليست الرسالة المرسلة
المرسلة SHA-256 %3
في الطابعة SHA-256 %4</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>%1: no read-back since %2 (sent SHA-256 %3)</source>
        <translation>%1: لا قراءة مجددة منذ %2 (المرسلة SHA-256 %3)</translation>
    </message>
    <message>
        <source>%1, waiting for the read-back</source>
        <translation>%1، في انتظار القراءة المجددة</translation>
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
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>Preflight</name>
    <message>
        <source>left</source>
        <translation>اليسرى</translation>
    </message>
    <message>
        <source>top</source>
        <translation>العليا</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>السفلى</translation>
    </message>
    <message>
        <source>Reaches past the %1 edge of the print area: that part is not printed.</source>
        <translation>يتجاوز الحافة %1 لمنطقة الطباعة: ذلك الجزء لا يُطبع.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> و</translation>
    </message>
    <message>
        <source>Lies on the band of head %1, which the head mask leaves out: that part is not printed.</source>
        <translation>يقع على شريط الرأس %1 الذي يستبعده قناع الرؤوس: ذلك الجزء لا يُطبع.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
    <message>
        <source>The content is more than the symbol holds at its size: %1</source>
        <translation>المحتوى أكبر مما يسعه الرمز بحجمه: %1</translation>
    </message>
    <message>
        <source>The GS1 data is refused: %1</source>
        <translation>رُفضت بيانات GS1: %1</translation>
    </message>
    <message>
        <source>The content cannot be encoded: %1</source>
        <translation>يتعذّر ترميز المحتوى: %1</translation>
    </message>
    <message>
        <source>A module is %1 dots wide, not a whole number of dots: the coder prints bars of uneven width. Choose a scale whose module is whole dots.</source>
        <translation>عرض الوحدة %1 نقطة، وهو ليس عددًا صحيحًا: تطبع الطابعة أشرطة غير متساوية العرض. اختر مقياسًا تكون وحدته نقاطًا كاملة.</translation>
    </message>
    <message>
        <source>The font "%1" is neither installed nor in the fonts folder.</source>
        <translation>الخط "%1" غير مثبّت وليس في مجلد الخطوط.</translation>
    </message>
    <message>
        <source>No picture was chosen: the placeholder would print.</source>
        <translation>لم تُختر صورة: سيُطبع العنصر النائب.</translation>
    </message>
    <message>
        <source>The picture %1 is not in the picture folder.</source>
        <translation>الصورة %1 ليست في مجلد الصور.</translation>
    </message>
    <message>
        <source>Text "%1"</source>
        <translation>النص "%1"</translation>
    </message>
    <message>
        <source>Date "%1"</source>
        <translation>التاريخ "%1"</translation>
    </message>
    <message>
        <source>Serial number "%1"</source>
        <translation>الرقم التسلسلي "%1"</translation>
    </message>
    <message>
        <source>Shift code "%1"</source>
        <translation>رمز الوردية "%1"</translation>
    </message>
    <message>
        <source>Barcode "%1"</source>
        <translation>الباركود "%1"</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>صورة</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>الصورة %1</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>الرسالة</translation>
    </message>
    <message>
        <source>Data file</source>
        <translation>ملف البيانات</translation>
    </message>
    <message>
        <source>The data file "%1" is not there: the data fields print nothing.</source>
        <translation>ملف البيانات "%1" غير موجود: حقول البيانات لا تطبع شيئًا.</translation>
    </message>
    <message>
        <source>{{%1}} is neither a standard placeholder nor a field of the product: a job of it cannot fill it.</source>
        <translation>{{%1}} ليس عنصرًا نائبًا قياسيًا ولا حقلًا للمنتج: لا تستطيع المهمة ملأه.</translation>
    </message>
    <message>
        <source>{{%1}} is no standard placeholder: only a product with a field of that name can fill it.</source>
        <translation>{{%1}} ليس عنصرًا نائبًا قياسيًا: لا يملؤه إلا منتج له حقل بهذا الاسم.</translation>
    </message>
    <message>
        <source>The field %1 ({{%2}}): %3.</source>
        <translation>الحقل %1 ({{%2}}): %3.</translation>
    </message>
    <message>
        <source>Filled with %1: %2</source>
        <translation>عند الملء بـ %1: %2</translation>
    </message>
</context>
<context>
    <name>PreflightDialog</name>
    <message>
        <source>Pre-flight check</source>
        <translation>الفحص المسبق</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>مشكلة واحدة</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 مشكلات</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is sent:</source>
        <translation>وجد الفحص المسبق %1 في %2 قبل إرساله:</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is saved:</source>
        <translation>وجد الفحص المسبق %1 في %2 قبل حفظه:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>العنصر</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>الملاحظة</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>إرسال على أي حال</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>حفظ على أي حال</translation>
    </message>
</context>
<context>
    <name>PrintParameterWidget</name>
    <message>
        <source>Print Parameters</source>
        <translation>إعدادات الطباعة</translation>
    </message>
    <message>
        <source>Print Head Offset(mm)</source>
        <translation>إزاحة رأس الطباعة (mm)</translation>
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
        <translation>وضع التشغيل</translation>
    </message>
    <message>
        <source>Spray Mode</source>
        <translation>وضع الرش</translation>
    </message>
    <message>
        <source>Dpi</source>
        <translation>الدقة (dpi)</translation>
    </message>
    <message>
        <source>Singal Interval</source>
        <translation>فاصل الإشارة</translation>
    </message>
    <message>
        <source>Print Head Set</source>
        <translation>رؤوس الطباعة</translation>
    </message>
    <message>
        <source>Splice</source>
        <translation>الوصل</translation>
    </message>
    <message>
        <source>Single Head Print Direct</source>
        <translation>اتجاه الرأس الواحد</translation>
    </message>
    <message>
        <source>Print Direct</source>
        <translation>اتجاه الطباعة</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>أمامي</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>عكسي</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>مقلوب</translation>
    </message>
    <message>
        <source>Rev/Inv</source>
        <translation>عكسي/مقلوب</translation>
    </message>
    <message>
        <source>Encoder</source>
        <translation>المشفّر</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>صفير</translation>
    </message>
    <message>
        <source>Production Line Speed(m/min)</source>
        <translation>سرعة خط الإنتاج (m/min)</translation>
    </message>
    <message>
        <source>PPR</source>
        <translation>PPR</translation>
    </message>
    <message>
        <source>Diameter(mm)</source>
        <translation>القطر (mm)</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>غير معروف (%1)</translation>
    </message>
    <message>
        <source>Internal Singal</source>
        <translation>إشارة داخلية</translation>
    </message>
    <message>
        <source>External Singal</source>
        <translation>إشارة خارجية</translation>
    </message>
    <message>
        <source>Left Spary</source>
        <translation>رش يسار</translation>
    </message>
    <message>
        <source>Right Spary</source>
        <translation>رش يمين</translation>
    </message>
    <message>
        <source>Hight Quanlity</source>
        <translation>جودة عالية</translation>
    </message>
    <message>
        <source>Hight Speed</source>
        <translation>سرعة عالية</translation>
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
        <translation>تم تجاهل رد الإعدادات: استُلم %1 بايت، وكتلة الإعدادات %2 بايت.</translation>
    </message>
</context>
<context>
    <name>PrintPreviewDialog</name>
    <message>
        <source>Preview at</source>
        <translation>معاينة في</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>الوردية</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>العدد</translation>
    </message>
    <message>
        <source>as now</source>
        <translation>كالآن</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>الآن</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Copy the designer's message again</source>
        <translation>نسخ رسالة المصمم مجددًا</translation>
    </message>
    <message>
        <source>Next changes of the printed text</source>
        <translation>التغييرات التالية في النص المطبوع</translation>
    </message>
    <message>
        <source>When</source>
        <translation>متى</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>الحد</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>الحقل</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>قبل</translation>
    </message>
    <message>
        <source>After</source>
        <translation>بعد</translation>
    </message>
    <message>
        <source>(by the time)</source>
        <translation>(حسب الوقت)</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <source>Changes every hour: %1</source>
        <translation>يتغير كل ساعة: %1</translation>
    </message>
    <message>
        <source>Changes every minute: %1</source>
        <translation>يتغير كل دقيقة: %1</translation>
    </message>
    <message>
        <source>Changes every second: %1</source>
        <translation>يتغير كل ثانية: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing in the message changes with the date within %n year(s).</source>
        <translation>
            <numerusform>لا شيء في الرسالة يتغير مع التاريخ خلال أقل من سنة (%n).</numerusform>
            <numerusform>لا شيء في الرسالة يتغير مع التاريخ خلال سنة واحدة.</numerusform>
            <numerusform>لا شيء في الرسالة يتغير مع التاريخ خلال سنتين.</numerusform>
            <numerusform>لا شيء في الرسالة يتغير مع التاريخ خلال %n سنوات.</numerusform>
            <numerusform>لا شيء في الرسالة يتغير مع التاريخ خلال %n سنة.</numerusform>
            <numerusform>لا شيء في الرسالة يتغير مع التاريخ خلال %n سنة.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PrintTimeline</name>
    <message>
        <source>Date %1 (%2)</source>
        <translation>التاريخ %1 (%2)</translation>
    </message>
    <message>
        <source>Shift code %1</source>
        <translation>رمز الوردية %1</translation>
    </message>
    <message>
        <source>midnight</source>
        <translation>منتصف الليل</translation>
    </message>
    <message>
        <source>month end</source>
        <translation>نهاية الشهر</translation>
    </message>
    <message>
        <source>29 February</source>
        <translation>29 فبراير</translation>
    </message>
    <message>
        <source>shift change</source>
        <translation>تغيير الوردية</translation>
    </message>
</context>
<context>
    <name>ProductsDialog</name>
    <message>
        <source>Products</source>
        <translation>المنتجات</translation>
    </message>
    <message>
        <source>Search code, GTIN or name</source>
        <translation>البحث بالرمز أو GTIN أو الاسم</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>الرمز</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>السابق</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>القالب</translation>
    </message>
    <message>
        <source>Approve...</source>
        <translation>اعتماد...</translation>
    </message>
    <message>
        <source>Shelf life</source>
        <translation>مدة الصلاحية</translation>
    </message>
    <message>
        <source>30 days, 18 months, 18 months, end of month</source>
        <translation>30 days, 18 months, 18 months, end of month</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>الطابعات</translation>
    </message>
    <message>
        <source>Line *; 127.0.0.*</source>
        <translation>Line *; 127.0.0.*</translation>
    </message>
    <message>
        <source>Job fields</source>
        <translation>حقول المهمة</translation>
    </message>
    <message>
        <source>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</source>
        <translation>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>استيراد CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>تصدير CSV...</translation>
    </message>
    <message>
        <source>Batch records...</source>
        <translation>سجلات الدفعات...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>ملفات CSV (*.csv);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>The products cannot be read: %1</source>
        <translation>تتعذّر قراءة المنتجات: %1</translation>
    </message>
    <message>
        <source>no products</source>
        <translation>لا منتجات</translation>
    </message>
    <message>
        <source>%1-%2 of %3</source>
        <translation>%1-%2 من %3</translation>
    </message>
    <message>
        <source>new product</source>
        <translation>منتج جديد</translation>
    </message>
    <message>
        <source>saved by %1, %2 (revision %3)</source>
        <translation>حفظه %1، %2 (المراجعة %3)</translation>
    </message>
    <message>
        <source>check digit good: %1</source>
        <translation>رقم التحقق صحيح: %1</translation>
    </message>
    <message>
        <source>%1 is not saved: %2</source>
        <translation>لم يُحفظ %1: %2</translation>
    </message>
    <message>
        <source>%1 saved.</source>
        <translation>حُفظ %1.</translation>
    </message>
    <message>
        <source>Approve a template</source>
        <translation>اعتماد قالب</translation>
    </message>
    <message>
        <source>%1 approved.</source>
        <translation>اعتُمد %1.</translation>
    </message>
    <message>
        <source>Import products</source>
        <translation>استيراد المنتجات</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>لم يُستورد شيء: %1</translation>
    </message>
    <message>
        <source>%1 products imported, %2 rows refused.</source>
        <translation>استُورد %1 منتج، ورُفض %2 صف.</translation>
    </message>
    <message>
        <source>line %1 (%2): %3</source>
        <translation>السطر %1 (%2): %3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>و%1 أخرى</translation>
    </message>
    <message>
        <source>Columns ignored: %1</source>
        <translation>أعمدة متجاهلة: %1</translation>
    </message>
    <message>
        <source>Export products</source>
        <translation>تصدير المنتجات</translation>
    </message>
    <message>
        <source>Not exported: %1</source>
        <translation>لم يُصدَّر: %1</translation>
    </message>
    <message>
        <source>Products exported to %1.</source>
        <translation>صُدّرت المنتجات إلى %1.</translation>
    </message>
    <message>
        <source>Confirming scan of the packaging required</source>
        <translation>يلزم مسح العبوة للتأكيد</translation>
    </message>
    <message>
        <source>A job of this product starts only after a scan of the packaging on the line shows the product's GTIN.</source>
        <translation>لا تبدأ مهمة هذا المنتج إلا بعد أن يُظهر مسح العبوة على الخط رقم GTIN الخاص بالمنتج.</translation>
    </message>
</context>
<context>
    <name>ProductsLink</name>
    <message>
        <source>Products</source>
        <translation>المنتجات</translation>
    </message>
    <message>
        <source>Products, template approvals and batch records</source>
        <translation>المنتجات واعتماد القوالب وسجلات الدفعات</translation>
    </message>
    <message>
        <source>The catalogue is not open (%1); it is tried again.</source>
        <translation>الكتالوج غير مفتوح (%1)؛ ستُعاد المحاولة.</translation>
    </message>
    <message>
        <source>the catalogue is not open</source>
        <translation>الكتالوج غير مفتوح</translation>
    </message>
    <message>
        <source>The save of %1 is not in the catalogue (%2): anyone may sign this version.</source>
        <translation>حفظ %1 غير مسجّل في الكتالوج (%2): يمكن لأي شخص توقيع هذه النسخة.</translation>
    </message>
</context>
<context>
    <name>ReaderAlarmBar</name>
    <message>
        <source>Sign in as a Supervisor to handle the code readers.</source>
        <translation>سجّل الدخول بصفة Supervisor لإدارة قارئات الرموز.</translation>
    </message>
    <message>
        <source>Only a Supervisor or Administrator may acknowledge a reader alarm or start a challenge test; %1 is signed in as %2.</source>
        <translation>لا يقر إنذار القارئ أو يبدأ اختبار التحقق إلا Supervisor أو Administrator؛ %1 مسجّل الدخول بصفة %2.</translation>
    </message>
    <message>
        <source>Reader alarm: %1</source>
        <translation>إنذار القارئ: %1</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>إقرار</translation>
    </message>
    <message>
        <source>%1: challenge test running; let up to %2 wrong or missing codes pass</source>
        <translation>%1: اختبار التحقق جارٍ؛ اسمح بمرور ما يصل إلى %2 من الرموز الخاطئة أو المفقودة</translation>
    </message>
    <message>
        <source>%1: No passed challenge test today</source>
        <translation>%1: لا يوجد اختبار تحقق ناجح اليوم</translation>
    </message>
    <message>
        <source>Start challenge test</source>
        <translation>بدء اختبار التحقق</translation>
    </message>
</context>
<context>
    <name>RemoteJobs</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 على %2</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>طابعة منقطعة</translation>
    </message>
    <message>
        <source>%1: its line is not heard of</source>
        <translation>%1: لا أخبار من خطه</translation>
    </message>
    <message>
        <source>%1: sent, its line has not taken it up</source>
        <translation>%1: أُرسل، ولم يتسلّمه خطه بعد</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Lot %1: job %2 runs on this PC's coders; sent to their lines for %3.</source>
        <translation>الدفعة %1: المهمة %2 تعمل على طابعات هذا الحاسوب؛ أُرسلت إلى خطوطها من أجل %3.</translation>
    </message>
    <message>
        <source>Lot %1: no coder of this PC; sent to their lines for %2.</source>
        <translation>الدفعة %1: لا طابعة من هذا الحاسوب؛ أُرسلت إلى خطوطها من أجل %2.</translation>
    </message>
    <message>
        <source>Not started: no line says a coder of the job is verified.</source>
        <translation>لم يبدأ: لا يذكر أي خط أن طابعة من المهمة تم التحقق منها.</translation>
    </message>
    <message>
        <source>The job of the lines' coders was not ended: %1</source>
        <translation>لم تُنهَ مهمة طابعات الخطوط: %1</translation>
    </message>
</context>
<context>
    <name>RemoteLines</name>
    <message>
        <source>%1 for %2 on %3 not sent: %4</source>
        <translation>لم يُرسل %1 إلى %2 على %3: %4</translation>
    </message>
    <message>
        <source>its line is not heard of</source>
        <translation>لا أخبار من خطه</translation>
    </message>
    <message>
        <source>this window follows no line</source>
        <translation>هذه النافذة لا تتابع أي خط</translation>
    </message>
    <message>
        <source>%1 sent to %2 on %3</source>
        <translation>أُرسل %1 إلى %2 على %3</translation>
    </message>
    <message>
        <source>%1 for %2 on %3: %4</source>
        <translation>%1 إلى %2 على %3: %4</translation>
    </message>
    <message>
        <source>Job start</source>
        <translation>بدء المهمة</translation>
    </message>
    <message>
        <source>Job end</source>
        <translation>إنهاء المهمة</translation>
    </message>
</context>
<context>
    <name>Roles</name>
    <message>
        <source>Operator</source>
        <translation>مشغّل</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>مشرف</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>مسؤول</translation>
    </message>
    <message>
        <source>start</source>
        <translation>التشغيل</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>الإيقاف</translation>
    </message>
    <message>
        <source>send messages</source>
        <translation>إرسال الرسائل</translation>
    </message>
    <message>
        <source>send a message despite its pre-flight findings</source>
        <translation>إرسال رسالة رغم نتائج الفحص المسبق</translation>
    </message>
    <message>
        <source>edit messages</source>
        <translation>تحرير الرسائل</translation>
    </message>
    <message>
        <source>change print parameters</source>
        <translation>تغيير إعدادات الطباعة</translation>
    </message>
    <message>
        <source>name coders</source>
        <translation>تسمية الطابعات</translation>
    </message>
    <message>
        <source>change the port</source>
        <translation>تغيير المنفذ</translation>
    </message>
    <message>
        <source>manage users</source>
        <translation>إدارة المستخدمين</translation>
    </message>
    <message>
        <source>change the journal's settings</source>
        <translation>تغيير إعدادات السجل</translation>
    </message>
    <message>
        <source>run jobs</source>
        <translation>تشغيل المهام</translation>
    </message>
    <message>
        <source>edit products</source>
        <translation>تحرير المنتجات</translation>
    </message>
    <message>
        <source>sign templates</source>
        <translation>توقيع القوالب</translation>
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
        <translation>رقم العداد</translation>
    </message>
    <message>
        <source>System Base</source>
        <translation>أساس العد</translation>
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
        <translation>الخانات</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>البادئة</translation>
    </message>
    <message>
        <source>Counter%1</source>
        <translation>العداد %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Sign in to %1.</source>
        <translation>سجّل الدخول من أجل %1.</translation>
    </message>
    <message>
        <source>Only a %1 may %2; %3 is signed in as %4.</source>
        <translation>لا يحق %2 إلا لـ %1؛ %3 مسجّل الدخول بصفة %4.</translation>
    </message>
    <message>
        <source>Users are on already.</source>
        <translation>المستخدمون مفعّلون بالفعل.</translation>
    </message>
    <message>
        <source>send messages outside a job</source>
        <translation>إرسال الرسائل خارج مهمة</translation>
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
        <translation>رمز الوردية</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>المحتوى</translation>
    </message>
    <message>
        <source>Time (24 hours)</source>
        <translation>الوقت (24 ساعة)</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>الرمز</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign in</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <source>User</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>Users are on: sign in to work with the coders.</source>
        <translation>المستخدمون مفعّلون: سجّل الدخول للعمل مع الطابعات.</translation>
    </message>
</context>
<context>
    <name>SignatureDialog</name>
    <message>
        <source>Approve a template</source>
        <translation>اعتماد قالب</translation>
    </message>
    <message>
        <source>User</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>معنى التوقيع</translation>
    </message>
    <message>
        <source>You sign %1, SHA-256 %2: give your name and password again.</source>
        <translation>أنت توقّع %1، SHA-256 %2: أدخل اسمك وكلمة المرور مرة أخرى.</translation>
    </message>
    <message>
        <source>Users are off: the approval of %1, SHA-256 %2, is recorded under the system login and marked unsigned.</source>
        <translation>المستخدمون معطّلون: يُسجَّل اعتماد %1، SHA-256 %2، باسم دخول النظام ويُعلَّم بأنه غير موقّع.</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>Cannot create the folder %1 in %2.</source>
        <translation>تعذّر إنشاء المجلد %1 في %2.</translation>
    </message>
    <message>
        <source>%1 was not sent: it does not load as a message (%2).</source>
        <translation>لم يُرسَل %1: لا يُفتح كرسالة (%2).</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found: %2</source>
        <translation>لم يُرسَل %1: وجد الفحص المسبق: %2</translation>
    </message>
    <message>
        <source>%1 was not sent despite its findings: %2</source>
        <translation>لم يُرسَل %1 رغم قبول نتائج الفحص: %2</translation>
    </message>
</context>
<context>
    <name>StationSettings</name>
    <message>
        <source>not a plain file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>larger than %1 KiB</source>
        <translation>أكبر من %1 KiB</translation>
    </message>
    <message>
        <source>no such settings file</source>
        <translation>لا يوجد ملف إعدادات كهذا</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>تتعذّر قراءته (%1)</translation>
    </message>
    <message>
        <source>[server] port must be a number from 1 to 65535, not "%1"</source>
        <translation>[server] port يجب أن يكون رقمًا من 1 إلى 65535، لا "%1"</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>تتعذّر قراءة %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is a link; change the file it names</source>
        <translation>%1 رابط؛ غيّر الملف الذي يشير إليه</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>تتعذّر الكتابة في %1 (%2)</translation>
    </message>
    <message>
        <source>The port holds until the program ends: %1.</source>
        <translation>يسري المنفذ حتى إغلاق البرنامج: %1.</translation>
    </message>
    <message>
        <source>The name holds until the program ends: %1.</source>
        <translation>يسري الاسم حتى إغلاق البرنامج: %1.</translation>
    </message>
    <message>
        <source>The remark names of this account are used, but not yet kept in the settings: %1.</source>
        <translation>تُستخدم الأسماء المستعارة لهذا الحساب، لكنها لم تُحفظ في الإعدادات بعد: %1.</translation>
    </message>
    <message>
        <source>[jobs] enabled must be true or false, not "%1"</source>
        <translation>[jobs] enabled يجب أن تكون true أو false، لا "%1"</translation>
    </message>
</context>
<context>
    <name>TemplateSamples</name>
    <message>
        <source>Lot</source>
        <translation>التشغيلة</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>الطلب</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>المنتج</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Production date</source>
        <translation>تاريخ الإنتاج</translation>
    </message>
    <message>
        <source>Best before</source>
        <translation>يفضل استخدامه قبل</translation>
    </message>
    <message>
        <source>no sample could be made that matches its pattern %1, so it is checked with "A1"</source>
        <translation>تعذّر إنشاء عينة تطابق نمطه %1، لذا يُفحص بالقيمة "A1"</translation>
    </message>
</context>
<context>
    <name>TemplateSigning</name>
    <message>
        <source>Approved for production</source>
        <translation>معتمد للإنتاج</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>تتعذّر قراءة %1 (%2)</translation>
    </message>
    <message>
        <source>A signature needs its meaning.</source>
        <translation>يحتاج التوقيع إلى معناه.</translation>
    </message>
    <message>
        <source>Only the user signed in (%1) may sign here.</source>
        <translation>لا يوقّع هنا إلا المستخدم المسجّل الدخول (%1).</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>لا أحد</translation>
    </message>
    <message>
        <source>Not signed: %1</source>
        <translation>لم يُوقَّع: %1</translation>
    </message>
    <message>
        <source>Not signed: only a Supervisor or an Administrator may approve templates.</source>
        <translation>لم يُوقَّع: لا يعتمد القوالب إلا مشرف أو مسؤول.</translation>
    </message>
    <message>
        <source>The approval is stored, but not in the journal: %1</source>
        <translation>حُفظ الاعتماد، لكن ليس في السجل: %1</translation>
    </message>
    <message>
        <source>%1 by %2 (unsigned: users are off), %3, SHA-256 %4</source>
        <translation>%1 بواسطة %2 (غير موقّع: المستخدمون معطّلون)، %3، SHA-256 %4</translation>
    </message>
    <message>
        <source>%1, signed by %2, %3, SHA-256 %4</source>
        <translation>%1، وقّعه %2، %3، SHA-256 %4</translation>
    </message>
    <message>
        <source>not approved: %1</source>
        <translation>غير معتمد: %1</translation>
    </message>
    <message>
        <source>not approved (SHA-256 %1)</source>
        <translation>غير معتمد (SHA-256 %1)</translation>
    </message>
    <message>
        <source>approval unknown: %1</source>
        <translation>الاعتماد غير معروف: %1</translation>
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
        <translation>المحتوى</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>بيانات خارجية</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>إدراج حقل</translation>
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
        <translation>تنسيق التاريخ</translation>
    </message>
    <message>
        <source>"yyyy" means year ,"MM" means month,"dd" means days.
e.g. "yyyy/MM/dd"  -&gt; "2021/05/20"

"hh" means hours ,"mm" means minutes,"ss" measn seconds.
e.g. ''hh:mm:ss" -&gt; "08:08:08"

Coustom date and other date format please see the instructions.</source>
        <translation>"yyyy" تعني السنة، و"MM" الشهر، و"dd" اليوم.
مثلًا "yyyy/MM/dd" -&gt; "2021/05/20"

"hh" تعني الساعات، و"mm" الدقائق، و"ss" الثواني.
مثلًا "hh:mm:ss" -&gt; "08:08:08"

لتنسيقات التاريخ الأخرى راجع التعليمات.</translation>
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
        <translation>مسح</translation>
    </message>
    <message>
        <source>Vaild Days</source>
        <translation>أيام الصلاحية</translation>
    </message>
    <message>
        <source>Best before of the product</source>
        <translation>تاريخ صلاحية المنتج</translation>
    </message>
    <message>
        <source>In a product's template: a job gives this date the product's shelf life; the days above are what the designer shows meanwhile.</source>
        <translation>في قالب منتج: تمنح المهمة هذا التاريخ مدة صلاحية المنتج؛ والأيام أعلاه هي ما يعرضه المصمم في هذه الأثناء.</translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message>
        <source>Nobody can sign in until an administrator runs "KorvexControl --create-admin NAME" in this folder.</source>
        <translation>لا يمكن لأحد تسجيل الدخول حتى يشغّل مسؤول "KorvexControl --create-admin NAME" في هذا المجلد.</translation>
    </message>
    <message>
        <source>The users file %1 %2. %3</source>
        <translation>ملف المستخدمين %1 %2. %3</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>تتعذّر قراءته</translation>
    </message>
    <message>
        <source>belongs to another account</source>
        <translation>يخص حسابًا آخر</translation>
    </message>
    <message>
        <source>may be read or written by other accounts</source>
        <translation>يمكن لحسابات أخرى قراءته أو الكتابة فيه</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>كبير جدًا</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>تتعذّر قراءته (%1)</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>تالف</translation>
    </message>
    <message>
        <source>names no administrator</source>
        <translation>لا يسمّي أي مسؤول</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a link, which is not followed</source>
        <translation>تتعذّر كتابة %1: إنه رابط، ولا يُتبَع</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>تتعذّر كتابة %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: its permissions cannot be set</source>
        <translation>تتعذّر كتابة %1: لا يمكن ضبط أذوناته</translation>
    </message>
    <message>
        <source>A user name cannot be empty.</source>
        <translation>لا يمكن أن يكون اسم المستخدم فارغًا.</translation>
    </message>
    <message>
        <source>A user name has at most %1 characters.</source>
        <translation>اسم المستخدم %1 محرفًا على الأكثر.</translation>
    </message>
    <message>
        <source>A user name cannot begin or end with a space.</source>
        <translation>لا يمكن أن يبدأ اسم المستخدم أو ينتهي بمسافة.</translation>
    </message>
    <message>
        <source>A user name cannot hold control characters.</source>
        <translation>لا يمكن أن يحتوي اسم المستخدم على محارف تحكم.</translation>
    </message>
    <message>
        <source>A user name cannot hold / or \.</source>
        <translation>لا يمكن أن يحتوي اسم المستخدم على / أو \.</translation>
    </message>
    <message>
        <source>A password cannot be empty.</source>
        <translation>لا يمكن أن تكون كلمة المرور فارغة.</translation>
    </message>
    <message>
        <source>%1 is the last administrator.</source>
        <translation>%1 هو آخر مسؤول.</translation>
    </message>
    <message>
        <source>There is no user %1.</source>
        <translation>لا يوجد مستخدم %1.</translation>
    </message>
    <message>
        <source>%1 is locked for %2 more seconds after %3 wrong passwords.</source>
        <translation>%1 مقفل لمدة %2 ثانية أخرى بعد %3 كلمات مرور خاطئة.</translation>
    </message>
    <message>
        <source>Wrong name or password. %1 is locked for a minute.</source>
        <translation>الاسم أو كلمة المرور خاطئة. %1 مقفل لمدة دقيقة.</translation>
    </message>
    <message>
        <source>Wrong name or password.</source>
        <translation>الاسم أو كلمة المرور خاطئة.</translation>
    </message>
    <message>
        <source>%1 is a link to %2 that cannot be removed; nothing changed.</source>
        <translation>%1 رابط إلى %2 لا يمكن إزالته؛ لم يتغيّر شيء.</translation>
    </message>
    <message>
        <source>%1 was a link to %2: the link is removed and %1 written anew; %2 is left as it was.</source>
        <translation>كان %1 رابطًا إلى %2: أُزيل الرابط وكُتب %1 من جديد؛ وبقي %2 كما كان.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; nothing changed.</source>
        <translation>%1 ليس ملفًا عاديًا؛ لم يتغيّر شيء.</translation>
    </message>
    <message>
        <source>%1 cannot be read; nothing changed.</source>
        <translation>تتعذّر قراءة %1؛ لم يتغيّر شيء.</translation>
    </message>
    <message>
        <source>%1 belonged to another account, who could have put any user there: it is written anew without its users.</source>
        <translation>كان %1 يخص حسابًا آخر كان بوسعه إضافة أي مستخدم: كُتب من جديد بلا مستخدميه.</translation>
    </message>
    <message>
        <source>%1 could be written by other accounts, who could have put any user there: it is written anew without its users.</source>
        <translation>كان بوسع حسابات أخرى الكتابة في %1 وإضافة أي مستخدم: كُتب من جديد بلا مستخدميه.</translation>
    </message>
    <message>
        <source>%1 was damaged: it is written anew without its users.</source>
        <translation>كان %1 تالفًا: كُتب من جديد بلا مستخدميه.</translation>
    </message>
    <message>
        <source>%1 could be read by other accounts: it is now readable by its owner only. The users kept should change their passwords, whose hashes could be read.</source>
        <translation>كان بوسع حسابات أخرى قراءة %1: صار الآن لمالكه وحده. على المستخدمين الباقين تغيير كلمات مرورهم، إذ ربما قُرئت بصماتها.</translation>
    </message>
    <message>
        <source>The other users are kept: %1.</source>
        <translation>بقي المستخدمون الآخرون: %1.</translation>
    </message>
</context>
<context>
    <name>UsersDialog</name>
    <message>
        <source>Switch users on</source>
        <translation>تفعيل المستخدمين</translation>
    </message>
    <message>
        <source>Add or change</source>
        <translation>إضافة أو تغيير</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>تعيين</translation>
    </message>
    <message>
        <source>Switch users off</source>
        <translation>إيقاف المستخدمين</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>المستخدمون</translation>
    </message>
    <message>
        <source> min</source>
        <translation> د</translation>
    </message>
    <message>
        <source>User</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>الدور</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>تكرار</translation>
    </message>
    <message>
        <source>Sign out after</source>
        <translation>تسجيل الخروج بعد</translation>
    </message>
    <message>
        <source>without input</source>
        <translation>بلا إدخال</translation>
    </message>
    <message>
        <source>Whoever is signed in is signed out after %1 minutes without input.</source>
        <translation>يُسجَّل خروج المستخدم بعد %1 دقيقة بلا إدخال.</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything, as one operator.</source>
        <translation>المستخدمون غير مفعّلين: يمكن للجميع فعل كل شيء، كمشغّل واحد.</translation>
    </message>
    <message>
        <source>Users are on. Operators start, stop and send messages; supervisors also edit messages, print parameters and coder names; administrators also the port, the users and the journal.</source>
        <translation>المستخدمون مفعّلون. يشغّل المشغّلون الطابعات ويوقفونها ويرسلون الرسائل؛ ويحرّر المشرفون أيضًا الرسائل وإعدادات الطباعة وأسماء الطابعات؛ ويدير المسؤولون أيضًا المنفذ والمستخدمين والسجل.</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything. Switching them on creates the first administrator, who is signed in at once.</source>
        <translation>المستخدمون غير مفعّلين: يمكن للجميع فعل كل شيء. تفعيلهم ينشئ أول مسؤول، ويُسجَّل دخوله فورًا.</translation>
    </message>
    <message>
        <source>The two passwords differ or are empty.</source>
        <translation>كلمتا المرور مختلفتان أو فارغتان.</translation>
    </message>
    <message>
        <source>Users are on; %1 is signed in as administrator.</source>
        <translation>المستخدمون مفعّلون؛ %1 مسجّل الدخول بصفة مسؤول.</translation>
    </message>
    <message>
        <source>%1 is a %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 is removed.</source>
        <translation>أُزيل %1.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1; the defaults are used.</source>
        <translation>%1؛ تُستخدم القيم الافتراضية.</translation>
    </message>
</context>
<context>
    <name>ParameterChange</name>
    <message>
        <source>spray mode</source>
        <translation>وضع الرش</translation>
    </message>
    <message>
        <source>device value 1</source>
        <translation>قيمة الجهاز 1</translation>
    </message>
    <message>
        <source>device value 2</source>
        <translation>قيمة الجهاز 2</translation>
    </message>
    <message>
        <source>resolution</source>
        <translation>الدقة</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>التشغيل</translation>
    </message>
    <message>
        <source>head range</source>
        <translation>نطاق الرؤوس</translation>
    </message>
    <message>
        <source>splice</source>
        <translation>الوصل</translation>
    </message>
    <message>
        <source>heads</source>
        <translation>الرؤوس</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>الاتجاه</translation>
    </message>
    <message>
        <source>head 1 offset</source>
        <translation>إزاحة الرأس 1</translation>
    </message>
    <message>
        <source>head 2 offset</source>
        <translation>إزاحة الرأس 2</translation>
    </message>
    <message>
        <source>head 3 offset</source>
        <translation>إزاحة الرأس 3</translation>
    </message>
    <message>
        <source>head 4 offset</source>
        <translation>إزاحة الرأس 4</translation>
    </message>
    <message>
        <source>head 1 direction</source>
        <translation>اتجاه الرأس 1</translation>
    </message>
    <message>
        <source>head 2 direction</source>
        <translation>اتجاه الرأس 2</translation>
    </message>
    <message>
        <source>head 3 direction</source>
        <translation>اتجاه الرأس 3</translation>
    </message>
    <message>
        <source>head 4 direction</source>
        <translation>اتجاه الرأس 4</translation>
    </message>
    <message>
        <source>encoder</source>
        <translation>المشفّر</translation>
    </message>
    <message>
        <source>beep</source>
        <translation>الصفير</translation>
    </message>
    <message>
        <source>encoder pulses</source>
        <translation>نبضات المشفّر</translation>
    </message>
    <message>
        <source>encoder diameter</source>
        <translation>قطر المشفّر</translation>
    </message>
    <message>
        <source>line speed</source>
        <translation>سرعة الخط</translation>
    </message>
    <message>
        <source>signal interval</source>
        <translation>فاصل الإشارة</translation>
    </message>
    <message>
        <source>device value 3</source>
        <translation>قيمة الجهاز 3</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>per revolution</source>
        <translation>لكل دورة</translation>
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
        <translation>أمامي</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>عكسي</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>مقلوب</translation>
    </message>
    <message>
        <source>rev/inv</source>
        <translation>عكسي/مقلوب</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>الرمز %1</translation>
    </message>
    <message>
        <source>left</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>right</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>جودة عالية</translation>
    </message>
    <message>
        <source>high speed</source>
        <translation>سرعة عالية</translation>
    </message>
    <message>
        <source>external signal</source>
        <translation>إشارة خارجية</translation>
    </message>
    <message>
        <source>internal signal</source>
        <translation>إشارة داخلية</translation>
    </message>
    <message>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>on</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>off</source>
        <translation>إيقاف</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة تعيين</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>إجهاض</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>تجاهل</translation>
    </message>
</context>
</TS>
