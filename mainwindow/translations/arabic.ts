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
    <name>InterfaceLanguage</name>
    <message>
        <source>[window] language "%1" is none of %2; the desktop's language is used.</source>
        <translation>[window] language "%1" ليست من %2؛ تُستخدم لغة سطح المكتب.</translation>
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
</TS>
