<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CAbout</name>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Tidewell</source>
        <translation>Tidewell</translation>
    </message>
    <message>
        <source>Copyright (C) Zavro. All rights reserved.</source>
        <translation>حقوق النشر (C) Zavro. جميع الحقوق محفوظة.</translation>
    </message>
    <message>
        <source>Music database powered by ACRcloud</source>
        <translation>قاعدة بيانات الموسيقى من ACRcloud</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>الإصدار:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>الدعم:</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>الموقع:</translation>
    </message>
</context>
<context>
    <name>CGeneralWidget</name>
    <message>
        <source>English</source>
        <translation>الإنجليزية</translation>
    </message>
    <message>
        <source>German</source>
        <translation>الألمانية</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>اليابانية</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>الروسية</translation>
    </message>
    <message>
        <source>Spainsh</source>
        <translation>الإسبانية</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>البرازيلية</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>العربية</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>اللغة:</translation>
    </message>
    <message>
        <source>Fix:</source>
        <translation>إصلاح:</translation>
    </message>
    <message>
        <source>Songs Without Album Artwork</source>
        <translation>أغانٍ بلا صورة ألبوم</translation>
    </message>
    <message>
        <source>Songs Without Artist</source>
        <translation>أغانٍ بلا فنان</translation>
    </message>
    <message>
        <source>Songs Without Album</source>
        <translation>أغانٍ بلا ألبوم</translation>
    </message>
    <message>
        <source>Songs Without Original Files</source>
        <translation>أغانٍ بلا ملفات أصلية</translation>
    </message>
    <message>
        <source>Replace original songs meta</source>
        <translation>استبدال البيانات الوصفية الأصلية للأغاني</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>الفنان</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>الألبوم</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>السنة</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>     Replace original songs meta with the new information from our server.
     This will help to modify wrong songs meta, and also overwrite some
     personal customized records.</source>
        <translation>     يستبدل البيانات الوصفية الأصلية للأغاني بالمعلومات الجديدة من خادمنا.
     يساعد ذلك على تصحيح البيانات الخاطئة، لكنه يستبدل أيضًا
     بعض السجلات التي خصصتها بنفسك.</translation>
    </message>
</context>
<context>
    <name>CMessgboxEx</name>
    <message>
        <source>Are you sure you want to remove the duplicates?
</source>
        <translation>هل تريد بالتأكيد إزالة الأغاني المكررة؟
</translation>
    </message>
    <message>
        <source>Don&apos;t show it again.</source>
        <translation>لا تعرض هذا مرة أخرى.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>CNetWidget</name>
    <message>
        <source>Proxy type:</source>
        <translation>نوع الوكيل:</translation>
    </message>
    <message>
        <source>Proxy host:</source>
        <translation>مضيف الوكيل:</translation>
    </message>
    <message>
        <source>Proxy port:</source>
        <translation>منفذ الوكيل:</translation>
    </message>
    <message>
        <source>Proxy name:</source>
        <translation>اسم المستخدم:</translation>
    </message>
    <message>
        <source>Proxy password:</source>
        <translation>كلمة المرور:</translation>
    </message>
</context>
<context>
    <name>COption</name>
    <message>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>الشبكة</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>التحديث</translation>
    </message>
</context>
<context>
    <name>CTreeItemTool</name>
    <message>
        <source>Skip</source>
        <translation>تخطي</translation>
    </message>
    <message>
        <source>Cancel Skip</source>
        <translation>إلغاء التخطي</translation>
    </message>
</context>
<context>
    <name>CUpdateWidget</name>
    <message>
        <source>Enable automatic update check.</source>
        <translation>التحقق من التحديثات تلقائيًا.</translation>
    </message>
    <message>
        <source>Update every day</source>
        <translation>التحقق كل يوم</translation>
    </message>
    <message>
        <source>Update every week</source>
        <translation>التحقق كل أسبوع</translation>
    </message>
    <message>
        <source>Update every month</source>
        <translation>التحقق كل شهر</translation>
    </message>
    <message>
        <source>Number of days between update checks (At least 1 days)</source>
        <translation>عدد الأيام بين عمليات التحقق (1 على الأقل)</translation>
    </message>
</context>
<context>
    <name>CWarnMessage</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Tidewell</source>
        <translation>Tidewell</translation>
    </message>
    <message>
        <source>Tidewell %1</source>
        <translation>Tidewell %1</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>%1.%2.%3 (Build %4)</source>
        <translation>%1.%2.%3 (البناء %4)</translation>
    </message>
</context>
<context>
    <name>WhatsNew</name>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
</context>
</TS>
