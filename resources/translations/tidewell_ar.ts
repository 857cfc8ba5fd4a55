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
    <name>CAnalyReport</name>
    <message>
        <source>Unrecognized Songs</source>
        <translation>أغانٍ غير معروفة</translation>
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
        <source>Song title</source>
        <translation>عنوان الأغنية</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>المدة</translation>
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
        <source>Congratulations, your music library is 100% cleaned!</source>
        <translation>تهانينا، مكتبة الموسيقى لديك نظيفة بنسبة 100%!</translation>
    </message>
</context>
<context>
    <name>CBugReport</name>
    <message>
        <source>BugReport</source>
        <translation>تقرير خطأ</translation>
    </message>
    <message>
        <source>Your Name:</source>
        <translation>اسمك:</translation>
    </message>
    <message>
        <source>~description here!</source>
        <translation>اكتب وصف المشكلة هنا.</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Invalid e-mail, please enter a correct one.</source>
        <translation>البريد الإلكتروني غير صالح، يرجى إدخال عنوان صحيح.</translation>
    </message>
    <message>
        <source>The report includes the program&apos;s logs, its settings and your whole iTunes library file.</source>
        <translation>يتضمن التقرير سجلات البرنامج وإعداداته وملف مكتبة iTunes الخاص بك بالكامل.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
</context>
<context>
    <name>CBugReportSender</name>
    <message>
        <source>Bug Report</source>
        <translation>الإبلاغ عن خطأ</translation>
    </message>
    <message>
        <source>Please attach this file to an email to %1:
%2</source>
        <translation>يرجى إرفاق هذا الملف برسالة بريد إلكتروني إلى %1:
%2</translation>
    </message>
    <message>
        <source>The report&apos;s files could not be packed. Send the description alone?</source>
        <translation>تعذّر ضغط ملفات التقرير. هل تريد إرسال الوصف وحده؟</translation>
    </message>
    <message>
        <source>The bug report was sent. Thank you.</source>
        <translation>تم إرسال تقرير الخطأ. شكرًا لك.</translation>
    </message>
    <message>
        <source>The bug report could not be sent.</source>
        <translation>تعذّر إرسال تقرير الخطأ.</translation>
    </message>
    <message numerus="yes">
        <source>%n bug report(s) could not be sent before the program closed. They are kept in this folder; please attach their files to an email to %1:
%2</source>
        <translation>
            <numerusform>تعذّر إرسال %n تقرير خطأ قبل إغلاق البرنامج. وهي محفوظة في هذا المجلد؛ يرجى إرفاق ملفاتها برسالة بريد إلكتروني إلى %1:
%2</numerusform>
            <numerusform>تعذّر إرسال تقرير خطأ واحد (%n) قبل إغلاق البرنامج. وهو محفوظ في هذا المجلد؛ يرجى إرفاق ملفاته برسالة بريد إلكتروني إلى %1:
%2</numerusform>
            <numerusform>تعذّر إرسال تقريري خطأ (%n) قبل إغلاق البرنامج. وهما محفوظان في هذا المجلد؛ يرجى إرفاق ملفاتهما برسالة بريد إلكتروني إلى %1:
%2</numerusform>
            <numerusform>تعذّر إرسال %n تقارير خطأ قبل إغلاق البرنامج. وهي محفوظة في هذا المجلد؛ يرجى إرفاق ملفاتها برسالة بريد إلكتروني إلى %1:
%2</numerusform>
            <numerusform>تعذّر إرسال %n تقريرًا عن الأخطاء قبل إغلاق البرنامج. وهي محفوظة في هذا المجلد؛ يرجى إرفاق ملفاتها برسالة بريد إلكتروني إلى %1:
%2</numerusform>
            <numerusform>تعذّر إرسال %n تقرير خطأ قبل إغلاق البرنامج. وهي محفوظة في هذا المجلد؛ يرجى إرفاق ملفاتها برسالة بريد إلكتروني إلى %1:
%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCountTexts</name>
    <message>
        <source>%1, %2</source>
        <comment>two clauses of one sentence</comment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences of one message</comment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>Scanned %n song(s)</source>
        <translation>
            <numerusform>تم فحص %n أغنية</numerusform>
            <numerusform>تم فحص أغنية واحدة</numerusform>
            <numerusform>تم فحص أغنيتين</numerusform>
            <numerusform>تم فحص %n أغانٍ</numerusform>
            <numerusform>تم فحص %n أغنية</numerusform>
            <numerusform>تم فحص %n أغنية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without artwork.</source>
        <translation>
            <numerusform>منها %n أغنية بلا صورة ألبوم.</numerusform>
            <numerusform>منها أغنية واحدة بلا صورة ألبوم.</numerusform>
            <numerusform>منها أغنيتان بلا صورة ألبوم.</numerusform>
            <numerusform>منها %n أغانٍ بلا صورة ألبوم.</numerusform>
            <numerusform>منها %n أغنية بلا صورة ألبوم.</numerusform>
            <numerusform>منها %n أغنية بلا صورة ألبوم.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without artwork.</source>
        <translation>
            <numerusform>تم إصلاح %n أغنية بلا صورة ألبوم.</numerusform>
            <numerusform>تم إصلاح أغنية واحدة بلا صورة ألبوم.</numerusform>
            <numerusform>تم إصلاح أغنيتين بلا صورة ألبوم.</numerusform>
            <numerusform>تم إصلاح %n أغانٍ بلا صورة ألبوم.</numerusform>
            <numerusform>تم إصلاح %n أغنية بلا صورة ألبوم.</numerusform>
            <numerusform>تم إصلاح %n أغنية بلا صورة ألبوم.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n song(s) not fixed.</source>
        <translation>
            <numerusform>ما زالت %n أغنية دون إصلاح.</numerusform>
            <numerusform>ما زالت أغنية واحدة دون إصلاح.</numerusform>
            <numerusform>ما زالت أغنيتان دون إصلاح.</numerusform>
            <numerusform>ما زالت %n أغانٍ دون إصلاح.</numerusform>
            <numerusform>ما زالت %n أغنية دون إصلاح.</numerusform>
            <numerusform>ما زالت %n أغنية دون إصلاح.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without artist.</source>
        <translation>
            <numerusform>منها %n أغنية بلا فنان.</numerusform>
            <numerusform>منها أغنية واحدة بلا فنان.</numerusform>
            <numerusform>منها أغنيتان بلا فنان.</numerusform>
            <numerusform>منها %n أغانٍ بلا فنان.</numerusform>
            <numerusform>منها %n أغنية بلا فنان.</numerusform>
            <numerusform>منها %n أغنية بلا فنان.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without artist.</source>
        <translation>
            <numerusform>تم إصلاح %n أغنية بلا فنان.</numerusform>
            <numerusform>تم إصلاح أغنية واحدة بلا فنان.</numerusform>
            <numerusform>تم إصلاح أغنيتين بلا فنان.</numerusform>
            <numerusform>تم إصلاح %n أغانٍ بلا فنان.</numerusform>
            <numerusform>تم إصلاح %n أغنية بلا فنان.</numerusform>
            <numerusform>تم إصلاح %n أغنية بلا فنان.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without album.</source>
        <translation>
            <numerusform>منها %n أغنية بلا ألبوم.</numerusform>
            <numerusform>منها أغنية واحدة بلا ألبوم.</numerusform>
            <numerusform>منها أغنيتان بلا ألبوم.</numerusform>
            <numerusform>منها %n أغانٍ بلا ألبوم.</numerusform>
            <numerusform>منها %n أغنية بلا ألبوم.</numerusform>
            <numerusform>منها %n أغنية بلا ألبوم.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without album.</source>
        <translation>
            <numerusform>تم إصلاح %n أغنية بلا ألبوم.</numerusform>
            <numerusform>تم إصلاح أغنية واحدة بلا ألبوم.</numerusform>
            <numerusform>تم إصلاح أغنيتين بلا ألبوم.</numerusform>
            <numerusform>تم إصلاح %n أغانٍ بلا ألبوم.</numerusform>
            <numerusform>تم إصلاح %n أغنية بلا ألبوم.</numerusform>
            <numerusform>تم إصلاح %n أغنية بلا ألبوم.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) unwritable,check them if exist in your computer.</source>
        <translation>
            <numerusform>وتتعذر الكتابة إلى %n أغنية. تحقق من وجودها على جهازك.</numerusform>
            <numerusform>وتتعذر الكتابة إلى أغنية واحدة. تحقق من وجودها على جهازك.</numerusform>
            <numerusform>وتتعذر الكتابة إلى أغنيتين. تحقق من وجودهما على جهازك.</numerusform>
            <numerusform>وتتعذر الكتابة إلى %n أغانٍ. تحقق من وجودها على جهازك.</numerusform>
            <numerusform>وتتعذر الكتابة إلى %n أغنية. تحقق من وجودها على جهازك.</numerusform>
            <numerusform>وتتعذر الكتابة إلى %n أغنية. تحقق من وجودها على جهازك.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unwritable song(s) not fixed，please check them if exist in your computer.</source>
        <translation>
            <numerusform>لم يتم إصلاح %n أغنية تتعذر الكتابة إليها، يرجى التحقق من وجودها على جهازك.</numerusform>
            <numerusform>لم يتم إصلاح أغنية واحدة تتعذر الكتابة إليها، يرجى التحقق من وجودها على جهازك.</numerusform>
            <numerusform>لم يتم إصلاح أغنيتين تتعذر الكتابة إليهما، يرجى التحقق من وجودهما على جهازك.</numerusform>
            <numerusform>لم يتم إصلاح %n أغانٍ تتعذر الكتابة إليها، يرجى التحقق من وجودها على جهازك.</numerusform>
            <numerusform>لم يتم إصلاح %n أغنية تتعذر الكتابة إليها، يرجى التحقق من وجودها على جهازك.</numerusform>
            <numerusform>لم يتم إصلاح %n أغنية تتعذر الكتابة إليها، يرجى التحقق من وجودها على جهازك.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n problem(s).</source>
        <translation>
            <numerusform>تم إصلاح %n مشكلة.</numerusform>
            <numerusform>تم إصلاح مشكلة واحدة.</numerusform>
            <numerusform>تم إصلاح مشكلتين.</numerusform>
            <numerusform>تم إصلاح %n مشكلات.</numerusform>
            <numerusform>تم إصلاح %n مشكلة.</numerusform>
            <numerusform>تم إصلاح %n مشكلة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n song(s) unrecognized.</source>
        <translation>
            <numerusform>ما زالت %n أغنية غير معروفة.</numerusform>
            <numerusform>ما زالت أغنية واحدة غير معروفة.</numerusform>
            <numerusform>ما زالت أغنيتان غير معروفتين.</numerusform>
            <numerusform>ما زالت %n أغانٍ غير معروفة.</numerusform>
            <numerusform>ما زالت %n أغنية غير معروفة.</numerusform>
            <numerusform>ما زالت %n أغنية غير معروفة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s)</source>
        <translation>
            <numerusform>تم إصلاح %n أغنية</numerusform>
            <numerusform>تم إصلاح أغنية واحدة</numerusform>
            <numerusform>تم إصلاح أغنيتين</numerusform>
            <numerusform>تم إصلاح %n أغانٍ</numerusform>
            <numerusform>تم إصلاح %n أغنية</numerusform>
            <numerusform>تم إصلاح %n أغنية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s).</source>
        <translation>
            <numerusform>و%n مشكلة.</numerusform>
            <numerusform>ومشكلة واحدة.</numerusform>
            <numerusform>ومشكلتين.</numerusform>
            <numerusform>و%n مشكلات.</numerusform>
            <numerusform>و%n مشكلة.</numerusform>
            <numerusform>و%n مشكلة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n problem(s) not fixed.</source>
        <translation>
            <numerusform>ما زالت %n مشكلة دون إصلاح.</numerusform>
            <numerusform>ما زالت مشكلة واحدة دون إصلاح.</numerusform>
            <numerusform>ما زالت مشكلتان دون إصلاح.</numerusform>
            <numerusform>ما زالت %n مشكلات دون إصلاح.</numerusform>
            <numerusform>ما زالت %n مشكلة دون إصلاح.</numerusform>
            <numerusform>ما زالت %n مشكلة دون إصلاح.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>found %n duplicate(s).</source>
        <translation>
            <numerusform>ولم يُعثر على أي تكرار.</numerusform>
            <numerusform>وعُثر على تكرار واحد.</numerusform>
            <numerusform>وعُثر على تكرارين.</numerusform>
            <numerusform>وعُثر على %n تكرارات.</numerusform>
            <numerusform>وعُثر على %n تكرارًا.</numerusform>
            <numerusform>وعُثر على %n تكرار.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n duplicate(s). If not sure to remove, you can undo the removal.</source>
        <translation>
            <numerusform>لم تتم إزالة أي تكرار. إذا لم تكن متأكدًا، يمكنك التراجع عن الإزالة.</numerusform>
            <numerusform>تمت إزالة تكرار واحد. إذا لم تكن متأكدًا، يمكنك التراجع عن الإزالة.</numerusform>
            <numerusform>تمت إزالة تكرارين. إذا لم تكن متأكدًا، يمكنك التراجع عن الإزالة.</numerusform>
            <numerusform>تمت إزالة %n تكرارات. إذا لم تكن متأكدًا، يمكنك التراجع عن الإزالة.</numerusform>
            <numerusform>تمت إزالة %n تكرارًا. إذا لم تكن متأكدًا، يمكنك التراجع عن الإزالة.</numerusform>
            <numerusform>تمت إزالة %n تكرار. إذا لم تكن متأكدًا، يمكنك التراجع عن الإزالة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s)</source>
        <translation>
            <numerusform>لا تكرارات</numerusform>
            <numerusform>تكرار واحد</numerusform>
            <numerusform>تكراران</numerusform>
            <numerusform>%n تكرارات</numerusform>
            <numerusform>%n تكرارًا</numerusform>
            <numerusform>%n تكرار</numerusform>
        </translation>
    </message>
    <message>
        <source>Tidewell will clear the duplicates removal
history that exists over %1 in %2.</source>
        <translation>سيمسح Tidewell خلال %2 سجل إزالة
التكرارات الأقدم من %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>history older than</comment>
        <translation>
            <numerusform>%n يوم</numerusform>
            <numerusform>يوم واحد</numerusform>
            <numerusform>يومين</numerusform>
            <numerusform>%n أيام</numerusform>
            <numerusform>%n يومًا</numerusform>
            <numerusform>%n يوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <comment>cleared in</comment>
        <translation>
            <numerusform>%n ثانية</numerusform>
            <numerusform>ثانية واحدة</numerusform>
            <numerusform>ثانيتين</numerusform>
            <numerusform>%n ثوانٍ</numerusform>
            <numerusform>%n ثانية</numerusform>
            <numerusform>%n ثانية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n missing song(s) from the library.</source>
        <translation>
            <numerusform>لم تتم إزالة أي أغنية مفقودة من المكتبة.</numerusform>
            <numerusform>تمت إزالة أغنية مفقودة واحدة من المكتبة.</numerusform>
            <numerusform>تمت إزالة أغنيتين مفقودتين من المكتبة.</numerusform>
            <numerusform>تمت إزالة %n أغانٍ مفقودة من المكتبة.</numerusform>
            <numerusform>تمت إزالة %n أغنية مفقودة من المكتبة.</numerusform>
            <numerusform>تمت إزالة %n أغنية مفقودة من المكتبة.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDesktopHandOver</name>
    <message>
        <source>No email program could be opened. Please write to:
%1</source>
        <translation>تعذر فتح برنامج البريد الإلكتروني. يرجى المراسلة على:
%1</translation>
    </message>
    <message>
        <source>No web browser could be opened. Please visit:
%1</source>
        <translation>تعذر فتح متصفح الويب. يرجى زيارة:
%1</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>تعذر فتح مدير الملفات. المجلد هو:
%1</translation>
    </message>
</context>
<context>
    <name>CDuplicate</name>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>المسار</translation>
    </message>
    <message>
        <source>    Remove File</source>
        <translation>    إزالة الملف</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>المدة</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>معدل البت</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all files?</source>
        <translation>هل تريد بالتأكيد إزالة جميع الملفات؟</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Restore music failed</source>
        <translation>فشلت استعادة الموسيقى</translation>
    </message>
    <message>
        <source>Undo remove failed. No remove history found
in the Zavro_Recycle Bin.</source>
        <translation>فشل التراجع عن الإزالة. لا يوجد سجل إزالة
في Zavro_Recycle Bin.</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>The song could not be restored. It is still in the recycle folder:
%1</source>
        <translation>تعذّرت استعادة الأغنية. لا تزال في مجلد المحذوفات:
%1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 ميغابايت</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 كيلوبت/ث</translation>
    </message>
    <message>
        <source>The song&apos;s entry could not be given back to the library. Its file is in place and stays in the library through another entry:
%1</source>
        <translation>تعذّرت إعادة إدخال الأغنية إلى المكتبة. ملفها في مكانه ويبقى في المكتبة عبر إدخال آخر:
%1</translation>
    </message>
    <message>
        <source>The removal could not be saved in the working database:
%1
The removed copies are in the recycle folder. Click Remove to save it.</source>
        <translation>تعذر حفظ الإزالة في قاعدة بيانات العمل:
%1
النسخ المُزالة موجودة في مجلد المحذوفات. انقر «إزالة» لحفظها.</translation>
    </message>
    <message>
        <source>Remove music failed</source>
        <translation>فشلت الإزالة</translation>
    </message>
</context>
<context>
    <name>CDuplicateWidget</name>
    <message>
        <source>Low</source>
        <translation>منخفضة</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>متوسطة</translation>
    </message>
    <message>
        <source>High</source>
        <translation>عالية</translation>
    </message>
    <message>
        <source>Please choose one scanning
mode to search duplicates.</source>
        <translation>يرجى اختيار وضع فحص
للبحث عن التكرارات.</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>فحص سريع</translation>
    </message>
    <message>
        <source>Deep Scan</source>
        <translation>فحص عميق</translation>
    </message>
    <message>
        <source>It might take some time to
determine duplicates with acoustic
fingerprint. Please be patient.</source>
        <translation>قد يستغرق تحديد التكرارات
بالبصمة الصوتية بعض الوقت.
يرجى التحلي بالصبر.</translation>
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
        <source>File size</source>
        <translation>حجم الملف</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>المدة</translation>
    </message>
    <message>
        <source>Match Degree: </source>
        <translation>درجة التطابق: </translation>
    </message>
    <message>
        <source>   Show Remove History</source>
        <translation>سجل الإزالة</translation>
    </message>
</context>
<context>
    <name>CDuptOptWidget</name>
    <message>
        <source>    Name</source>
        <translation>    الاسم</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>المسار</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>حجم الملف</translation>
    </message>
    <message>
        <source>Scan iTunes</source>
        <translation>فحص iTunes</translation>
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
        <source>Open Files And Folders</source>
        <translation>فتح الملفات والمجلدات</translation>
    </message>
    <message>
        <source>Music Files(%1)</source>
        <translation>ملفات الموسيقى(%1)</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 ميغابايت</translation>
    </message>
</context>
<context>
    <name>CFailedTreeWidget</name>
    <message>
        <source>Check All</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>إلغاء تحديد الكل</translation>
    </message>
    <message>
        <source>Check selected</source>
        <translation>تأشير العناصر المحددة</translation>
    </message>
    <message>
        <source>Uncheck selected</source>
        <translation>إلغاء تأشير العناصر المحددة</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>إظهار في المجلد</translation>
    </message>
</context>
<context>
    <name>CGeneralWidget</name>
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
    <name>CHistoryOptWidget</name>
    <message>
        <source>Automatically clear the duplicates removal history that exists over</source>
        <translation>مسح سجل إزالة التكرارات تلقائيًا بعد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message numerus="yes">
        <source>day(s).</source>
        <comment>after the number of days</comment>
        <translation>
            <numerusform>يوم.</numerusform>
            <numerusform>يوم.</numerusform>
            <numerusform>يوم.</numerusform>
            <numerusform>أيام.</numerusform>
            <numerusform>يومًا.</numerusform>
            <numerusform>يوم.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLabelArtwork</name>
    <message>
        <source>Playback failure!</source>
        <translation>فشل التشغيل!</translation>
    </message>
</context>
<context>
    <name>CMainUI</name>
    <message>
        <source>Music List Score: </source>
        <translation>تقييم قائمة الموسيقى: </translation>
    </message>
    <message>
        <source>Scanning Library: </source>
        <translation>جارٍ فحص المكتبة: </translation>
    </message>
    <message>
        <source>Refix</source>
        <translation>إعادة الإصلاح</translation>
    </message>
    <message>
        <source>You can </source>
        <translation>يمكنك </translation>
    </message>
    <message>
        <source>Apply Result</source>
        <translation>تطبيق النتيجة</translation>
    </message>
    <message>
        <source> now, or </source>
        <translation> الآن، أو </translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>حفظ المشروع</translation>
    </message>
    <message>
        <source> to continue next time.</source>
        <translation> للمتابعة لاحقًا.</translation>
    </message>
    <message>
        <source>   Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>   Fix All</source>
        <translation>إصلاح الكل</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>  Try Again</source>
        <translation>أعد المحاولة</translation>
    </message>
    <message>
        <source>   Scan</source>
        <translation>فحص</translation>
    </message>
    <message>
        <source>   Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>  Home</source>
        <translation>الرئيسية</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation>مرحبًا!</translation>
    </message>
    <message>
        <source>Tidewell is the only tool you need to tidy your music library!</source>
        <translation>‏Tidewell هو كل ما تحتاجه لترتيب مكتبة الموسيقى لديك!</translation>
    </message>
    <message>
        <source>Library Music</source>
        <translation>موسيقى المكتبة</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>المساعدة</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>الدعم</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>اتفاقية الترخيص</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>الإبلاغ عن خطأ</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>التحقق من وجود تحديثات</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Let Tidewell help you clean-up duplicate songs in your music library!</source>
        <translation>دع Tidewell يساعدك في تنظيف الأغاني المكررة في مكتبتك!</translation>
    </message>
    <message>
        <source>Drag-and-drop or Add music files or folder(s) to find duplicates.</source>
        <translation>اسحب ملفات الموسيقى أو المجلدات وأفلتها أو أضفها للعثور على التكرارات.</translation>
    </message>
    <message>
        <source>   Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Paused. Wanna continue and explore the world of music?</source>
        <translation>متوقف مؤقتًا. هل تريد المتابعة واستكشاف عالم الموسيقى؟</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>جارٍ التحميل، يرجى الانتظار...</translation>
    </message>
    <message>
        <source>%1  %2  %3</source>
        <translation>%1  %2  %3</translation>
    </message>
    <message>
        <source>Analyzing Library: </source>
        <translation>جارٍ تحليل المكتبة: </translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>متوقف مؤقتًا.</translation>
    </message>
    <message>
        <source>Fixing Songs Without Album Artwork: %1</source>
        <translation>جارٍ إصلاح الأغاني بلا صورة ألبوم: %1</translation>
    </message>
    <message>
        <source>Fixing Songs Without Album: %1</source>
        <translation>جارٍ إصلاح الأغاني بلا ألبوم: %1</translation>
    </message>
    <message>
        <source>Fixing Songs Without Artist: %1</source>
        <translation>جارٍ إصلاح الأغاني بلا فنان: %1</translation>
    </message>
    <message>
        <source>Fixing unrecognized song: %1</source>
        <translation>جارٍ إصلاح أغنية غير معروفة: %1</translation>
    </message>
    <message>
        <source>Continue to fix, please wait a moment.</source>
        <translation>جارٍ متابعة الإصلاح، يرجى الانتظار قليلًا.</translation>
    </message>
    <message>
        <source>Paused. Wanna continue and experience a new library?</source>
        <translation>متوقف مؤقتًا. هل تريد المتابعة وتجربة مكتبة جديدة؟</translation>
    </message>
    <message>
        <source>Applying the results, please wait a moment.</source>
        <translation>جارٍ تطبيق النتائج، يرجى الانتظار قليلًا.</translation>
    </message>
    <message>
        <source>Removing duplicates music, please wait...</source>
        <translation>جارٍ إزالة الأغاني المكررة، يرجى الانتظار...</translation>
    </message>
    <message>
        <source>Continue to apply the results,please wait a moment.</source>
        <translation>جارٍ متابعة تطبيق النتائج، يرجى الانتظار قليلًا.</translation>
    </message>
    <message>
        <source>Uh, mess library. It is urgent to clean up your music now. Let&apos;s start.</source>
        <translation>أوه، المكتبة فوضوية. يجب ترتيب موسيقاك الآن. هيا نبدأ.</translation>
    </message>
    <message>
        <source>Dear, how mess your library is. May I help you clean up it?</source>
        <translation>يا إلهي، ما أكثر الفوضى في مكتبتك! هل أساعدك في ترتيبها؟</translation>
    </message>
    <message>
        <source>Oops, music library in chaos! Go ahead to clean up them now.</source>
        <translation>عفوًا، مكتبة الموسيقى في فوضى! رتّبها الآن.</translation>
    </message>
    <message>
        <source>It looks OK. But the library looks incomplete. Why not Fix All and perfect them?</source>
        <translation>تبدو جيدة، لكن المكتبة غير مكتملة. لماذا لا تصلح الكل وتجعلها مثالية؟</translation>
    </message>
    <message>
        <source>Looks OK but you&apos;d better clean up your library soon. Why not let me help you, darling?</source>
        <translation>تبدو جيدة، لكن من الأفضل ترتيب مكتبتك قريبًا. هل تسمح لي بمساعدتك يا عزيزي؟</translation>
    </message>
    <message>
        <source>Oh, dear, just slow down and take care of your lovely songs. They need your attention.</source>
        <translation>تمهّل قليلًا واعتنِ بأغانيك الجميلة، فهي تحتاج إلى اهتمامك.</translation>
    </message>
    <message>
        <source>Nice library list. Take a little time will make it more charming. Go to Fix All.</source>
        <translation>مكتبة جميلة. القليل من الوقت سيجعلها أروع. اختر إصلاح الكل.</translation>
    </message>
    <message>
        <source>How considerate you are. I can not wait to listen to them any more.</source>
        <translation>كم أنت مهتم! لا أطيق الانتظار للاستماع إليها.</translation>
    </message>
    <message>
        <source>I can&apos;t believe!  You get such a good result. Wanna break the record?</source>
        <translation>لا أصدق!  نتيجة رائعة. هل تريد تحطيم الرقم القياسي؟</translation>
    </message>
    <message>
        <source>Almost perfect. Only one click will organize them well. Just go!</source>
        <translation>شبه مثالية. نقرة واحدة تكفي لترتيبها. هيا!</translation>
    </message>
    <message>
        <source>You won&apos;t believe me. Few songs are incomplete. Just one click will recover them.</source>
        <translation>لن تصدقني. بضع أغانٍ فقط غير مكتملة، ونقرة واحدة تصلحها.</translation>
    </message>
    <message>
        <source>Aha, excellent. But I have the magic power to make it better. Wanna experience?</source>
        <translation>رائع! لكن لديّ قوة سحرية لجعلها أفضل. هل تريد التجربة؟</translation>
    </message>
    <message>
        <source>Congrats! Your library looks great now. You can apply all the results now.</source>
        <translation>تهانينا! مكتبتك رائعة الآن. يمكنك تطبيق جميع النتائج الآن.</translation>
    </message>
    <message>
        <source>Relax now. Let me take you to start a great music feast.</source>
        <translation>استرخِ الآن، ودعني آخذك إلى وليمة موسيقية رائعة.</translation>
    </message>
    <message>
        <source>Well done. You have defeated most of other computers. Just enjoy your music now.</source>
        <translation>أحسنت! لقد تفوقت على معظم الأجهزة الأخرى. استمتع بموسيقاك الآن.</translation>
    </message>
    <message>
        <source>Results applyed.</source>
        <translation>تم تطبيق النتائج.</translation>
    </message>
    <message>
        <source>Results applyed. You can try fix again.</source>
        <translation>تم تطبيق النتائج. يمكنك محاولة الإصلاح مرة أخرى.</translation>
    </message>
    <message>
        <source>Congratulations, your music library is 100% cleaned!</source>
        <translation>تهانينا، مكتبة الموسيقى لديك نظيفة بنسبة 100%!</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Hah, no duplicaites on your PC. Satisfied?</source>
        <translation>ها، لا توجد أغانٍ مكررة على جهازك. هل أنت راضٍ؟</translation>
    </message>
    <message>
        <source>Huh! I&apos;m having a day off--no duplicates found today.</source>
        <translation>آه! لديّ يوم إجازة، لم يُعثر على أي تكرار اليوم.</translation>
    </message>
    <message>
        <source>We&apos;re double checked everything. You&apos;re clear now.</source>
        <translation>لقد تحققنا من كل شيء مرتين. كل شيء سليم الآن.</translation>
    </message>
    <message>
        <source>You won&apos;t believe me, but there are no duplicates on your PC.</source>
        <translation>لن تصدقني، لكن لا توجد أغانٍ مكررة على جهازك.</translation>
    </message>
    <message>
        <source>Wow. It looks like someone knew I&apos;ll scan all files and cleaned them up in advance.</source>
        <translation>رائع! يبدو أن أحدهم عرف أنني سأفحص كل الملفات فرتّبها مسبقًا.</translation>
    </message>
    <message>
        <source>Unbelievable! No unrecognized songs or duplicates found!</source>
        <translation>لا يصدق! لا أغانٍ غير معروفة ولا مكررة!</translation>
    </message>
    <message>
        <source>Hah, nothing found. You must be playing &quot;hide-and-seek&quot; with me.</source>
        <translation>ها، لم يُعثر على شيء. لا بد أنك تلعب معي &quot;الغميضة&quot;.</translation>
    </message>
    <message>
        <source>No songs detected in iTunes. Please check and try again.</source>
        <translation>لم يتم العثور على أغانٍ في iTunes. يرجى التحقق والمحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>No music files found. Please go back and try again.</source>
        <translation>لم يتم العثور على ملفات موسيقى. يرجى الرجوع والمحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>Invalid project file. Please go back and try again.</source>
        <translation>ملف المشروع غير صالح. يرجى الرجوع والمحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>Congratulations! Duplicates has been removed successfully.</source>
        <translation>تهانينا! تمت إزالة التكرارات بنجاح.</translation>
    </message>
    <message>
        <source>Some duplicates could not be moved. Click Remove to try again.</source>
        <translation>تعذّر نقل بعض التكرارات. انقر «إزالة» للمحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>Duplicates found. Let me help you remove them and keep your library clean.</source>
        <translation>تم العثور على تكرارات. دعني أساعدك في إزالتها والحفاظ على مكتبتك نظيفة.</translation>
    </message>
    <message>
        <source>Dear, why not let me help you clean up duplicates immediately?</source>
        <translation>عزيزي، لماذا لا تدعني أساعدك في تنظيف التكرارات فورًا؟</translation>
    </message>
    <message>
        <source>Duplicates appeared. Wanna tidy them and make your library clean?</source>
        <translation>ظهرت تكرارات. هل تريد ترتيبها وتنظيف مكتبتك؟</translation>
    </message>
    <message>
        <source>Duplicates found. Click Remove to clean up duplicates easily.</source>
        <translation>تم العثور على تكرارات. انقر إزالة لتنظيفها بسهولة.</translation>
    </message>
    <message>
        <source>Save Result</source>
        <translation>حفظ النتيجة</translation>
    </message>
    <message>
        <source>The project could not be saved. Please choose another folder and try again.</source>
        <translation>تعذر حفظ المشروع. يرجى اختيار مجلد آخر والمحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>Select Library XML File</source>
        <translation>اختيار ملف XML للمكتبة</translation>
    </message>
    <message>
        <source>Start to Clean iTunes</source>
        <translation>تنظيف iTunes</translation>
    </message>
    <message>
        <source>Tidewell is cleaning up duplicate songs.</source>
        <translation>يقوم Tidewell بتنظيف الأغاني المكررة.</translation>
    </message>
    <message>
        <source>Continue to scan music library,please wait a moment.</source>
        <translation>جارٍ متابعة فحص مكتبة الموسيقى، يرجى الانتظار قليلًا.</translation>
    </message>
    <message>
        <source>Do you want to apply new results?</source>
        <translation>هل تريد تطبيق النتائج الجديدة؟</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>Oops! An error occurred in loading iTunes
library. Please set in iTunes: Preference&gt;
Advance&gt;Share iTunes Library XML with other
application,and Click Try Again to continue.</source>
        <translation>عفوًا! تعذرت قراءة ملف مكتبة iTunes.
تأكد من أنه ملف مكتبة iTunes صالح،
ثم انقر «أعد المحاولة».</translation>
    </message>
    <message>
        <source>Scanning music, please wait a moment...</source>
        <translation>جارٍ فحص الموسيقى، يرجى الانتظار قليلًا...</translation>
    </message>
    <message>
        <source>Preparing report, please wait a moment...</source>
        <translation>جارٍ إعداد التقرير، يرجى الانتظار قليلًا...</translation>
    </message>
    <message>
        <source>Unbelievable, no music files found! Wanna try again?</source>
        <translation>لا يصدق، لم يُعثر على ملفات موسيقى! هل تريد المحاولة مرة أخرى؟</translation>
    </message>
    <message>
        <source>Hah,nothing found. You must be playing &quot;hide-and-seek&quot; with me.</source>
        <translation>ها، لم يُعثر على شيء. لا بد أنك تلعب معي &quot;الغميضة&quot;.</translation>
    </message>
    <message>
        <source>Congratulations, music library cleaning finished!</source>
        <translation>تهانينا، اكتمل تنظيف مكتبة الموسيقى!</translation>
    </message>
    <message>
        <source>Processing failed songs list, please wait...</source>
        <translation>جارٍ معالجة قائمة الأغاني التي تعذّر إصلاحها، يرجى الانتظار...</translation>
    </message>
    <message>
        <source>Are you sure you want to replace songs meta
and apply the result?</source>
        <translation>هل تريد بالتأكيد استبدال البيانات الوصفية للأغاني
وتطبيق النتيجة؟</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Are you sure you want to back to Home?</source>
        <translation>هل تريد بالتأكيد العودة إلى الرئيسية؟</translation>
    </message>
    <message>
        <source>Are you sure you want to back to Home? If back, the scanning results will not be saved.</source>
        <translation>هل تريد بالتأكيد العودة إلى الرئيسية؟ إذا عدت فلن تُحفظ نتائج الفحص.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <comment>menu entry</comment>
        <translation>حفظ المشروع</translation>
    </message>
    <message>
        <source>No song could be fixed this time. You can edit the songs yourself or try fix again.</source>
        <translation>لم يتمكن البرنامج من إصلاح أي أغنية هذه المرة. يمكنك تعديل الأغاني بنفسك أو محاولة الإصلاح مرة أخرى.</translation>
    </message>
    <message>
        <source>No music files found in the folders and files you added. Please add others and try again.</source>
        <translation>لم يتم العثور على ملفات موسيقى في المجلدات والملفات التي أضفتها. يرجى إضافة غيرها والمحاولة مرة أخرى.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 و%n أخرى</numerusform>
            <numerusform>%1 و%n أخرى</numerusform>
            <numerusform>%1 و%n أخرى</numerusform>
            <numerusform>%1 و%n أخرى</numerusform>
            <numerusform>%1 و%n أخرى</numerusform>
            <numerusform>%1 و%n أخرى</numerusform>
        </translation>
    </message>
    <message>
        <source>The recognition service could not be reached. Please check your internet connection and try fix again.</source>
        <translation>تعذر الوصول إلى خدمة التعرف. يرجى التحقق من اتصالك بالإنترنت ثم محاولة الإصلاح مرة أخرى.</translation>
    </message>
    <message>
        <source>Some songs could not be fixed this time. You can edit them yourself or try fix again.</source>
        <translation>تعذر إصلاح بعض الأغاني هذه المرة. يمكنك تعديلها بنفسك أو محاولة الإصلاح مرة أخرى.</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) could not be moved to the recycle folder:
%1
Click Remove to try again.</source>
        <translation>
            <numerusform>تعذّر نقل %n نسخة مكررة إلى مجلد المحذوفات:
%1
انقر «إزالة» للمحاولة مرة أخرى.</numerusform>
            <numerusform>تعذّر نقل %n نسخة مكررة إلى مجلد المحذوفات:
%1
انقر «إزالة» للمحاولة مرة أخرى.</numerusform>
            <numerusform>تعذّر نقل نسختين مكررتين إلى مجلد المحذوفات:
%1
انقر «إزالة» للمحاولة مرة أخرى.</numerusform>
            <numerusform>تعذّر نقل %n نسخ مكررة إلى مجلد المحذوفات:
%1
انقر «إزالة» للمحاولة مرة أخرى.</numerusform>
            <numerusform>تعذّر نقل %n نسخة مكررة إلى مجلد المحذوفات:
%1
انقر «إزالة» للمحاولة مرة أخرى.</numerusform>
            <numerusform>تعذّر نقل %n نسخة مكررة إلى مجلد المحذوفات:
%1
انقر «إزالة» للمحاولة مرة أخرى.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is nothing to scan yet. Add music files or folders, or drop them here, then click Scan.</source>
        <translation>لا يوجد شيء للفحص بعد. أضف ملفات أو مجلدات موسيقى، أو أفلتها هنا، ثم انقر «فحص».</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) could not be moved. Click Remove to try again.</source>
        <translation>
            <numerusform>تعذّر نقل %n نسخة مكررة. انقر «إزالة» للمحاولة مرة أخرى.</numerusform>
            <numerusform>تعذّر نقل %n نسخة مكررة. انقر «إزالة» للمحاولة مرة أخرى.</numerusform>
            <numerusform>تعذّر نقل نسختين مكررتين. انقر «إزالة» للمحاولة مرة أخرى.</numerusform>
            <numerusform>تعذّر نقل %n نسخ مكررة. انقر «إزالة» للمحاولة مرة أخرى.</numerusform>
            <numerusform>تعذّر نقل %n نسخة مكررة. انقر «إزالة» للمحاولة مرة أخرى.</numerusform>
            <numerusform>تعذّر نقل %n نسخة مكررة. انقر «إزالة» للمحاولة مرة أخرى.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) could not be written: %1.</source>
        <translation>
            <numerusform>تعذرت كتابة %n أغنية: %1.</numerusform>
            <numerusform>تعذرت كتابة %n أغنية: %1.</numerusform>
            <numerusform>تعذرت كتابة أغنيتين: %1.</numerusform>
            <numerusform>تعذرت كتابة %n أغانٍ: %1.</numerusform>
            <numerusform>تعذرت كتابة %n أغنية: %1.</numerusform>
            <numerusform>تعذرت كتابة %n أغنية: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) were written to their files, but the library file could not be saved: %1.</source>
        <translation>
            <numerusform>كُتبت %n أغنية في ملفها، لكن تعذر حفظ ملف المكتبة: %1.</numerusform>
            <numerusform>كُتبت %n أغنية في ملفها، لكن تعذر حفظ ملف المكتبة: %1.</numerusform>
            <numerusform>كُتبت أغنيتان في ملفيهما، لكن تعذر حفظ ملف المكتبة: %1.</numerusform>
            <numerusform>كُتبت %n أغانٍ في ملفاتها، لكن تعذر حفظ ملف المكتبة: %1.</numerusform>
            <numerusform>كُتبت %n أغنية في ملفاتها، لكن تعذر حفظ ملف المكتبة: %1.</numerusform>
            <numerusform>كُتبت %n أغنية في ملفاتها، لكن تعذر حفظ ملف المكتبة: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) whose file is missing could not be removed from the library: %1.</source>
        <translation>
            <numerusform>تعذرت إزالة %n أغنية مفقودة الملف من المكتبة: %1.</numerusform>
            <numerusform>تعذرت إزالة %n أغنية مفقودة الملف من المكتبة: %1.</numerusform>
            <numerusform>تعذرت إزالة أغنيتين مفقودتي الملف من المكتبة: %1.</numerusform>
            <numerusform>تعذرت إزالة %n أغانٍ مفقودة الملفات من المكتبة: %1.</numerusform>
            <numerusform>تعذرت إزالة %n أغنية مفقودة الملفات من المكتبة: %1.</numerusform>
            <numerusform>تعذرت إزالة %n أغنية مفقودة الملفات من المكتبة: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The working database could not be saved: %1.</source>
        <translation>تعذر حفظ قاعدة بيانات العمل: %1.</translation>
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
    <name>CModifyMusicInfo</name>
    <message>
        <source>Orginal Tag</source>
        <translation>الوسم الأصلي</translation>
    </message>
    <message>
        <source>New Tag</source>
        <translation>الوسم الجديد</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>الفنان:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>الألبوم:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>السنة:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Please, music title cannot be empty.</source>
        <translation>لا يمكن أن يكون عنوان الأغنية فارغًا.</translation>
    </message>
    <message>
        <source>Sorry, the file you dragged-in is not a valid
image file.</source>
        <translation>عذرًا، الملف الذي سحبته ليس
ملف صورة صالحًا.</translation>
    </message>
    <message>
        <source>Sorry, the changes to this song could not be saved.</source>
        <translation>عذرًا، تعذر حفظ التغييرات على هذه الأغنية.</translation>
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
    <message>
        <source>None</source>
        <translation>لا يوجد</translation>
    </message>
    <message>
        <source>Http</source>
        <translation>HTTP</translation>
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
    <name>CRangeValidator</name>
    <message>
        <source>Enter a number from %1 to %2.</source>
        <translation>أدخل رقمًا من %1 إلى %2.</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>%1 is already running. Please use its open window.</source>
        <translation>%1 قيد التشغيل بالفعل. يرجى استخدام نافذته المفتوحة.</translation>
    </message>
</context>
<context>
    <name>CStartUI</name>
    <message>
        <source>Start to Clean iTunes</source>
        <translation>تنظيف iTunes</translation>
    </message>
    <message>
        <source>Open Music Files</source>
        <translation>فتح ملفات الموسيقى</translation>
    </message>
    <message>
        <source>Load Saved Result</source>
        <translation>تحميل نتيجة محفوظة</translation>
    </message>
    <message>
        <source>Clean-up Duplicates</source>
        <translation>تنظيف التكرارات</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Last fixing project was interrupted
unexpectedly. Do you want to continue it?</source>
        <translation>توقف مشروع الإصلاح الأخير
بشكل غير متوقع. هل تريد متابعته؟</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Open Library.xml</source>
        <translation>فتح Library.xml</translation>
    </message>
    <message>
        <source>Open Files And Folders</source>
        <translation>فتح الملفات والمجلدات</translation>
    </message>
    <message>
        <source>Music Files(%1)</source>
        <translation>ملفات الموسيقى(%1)</translation>
    </message>
    <message>
        <source>Open Result File</source>
        <translation>فتح ملف النتيجة</translation>
    </message>
    <message>
        <source>Select Library XML File</source>
        <translation>اختيار ملف XML للمكتبة</translation>
    </message>
    <message>
        <source>Recycle folder</source>
        <translation>مجلد المحذوفات</translation>
    </message>
    <message>
        <source>Tidewell was ended while it moved songs into or out of the recycle folder. The copies it moved remain there:
%1</source>
        <translation>أُغلق Tidewell أثناء نقل الأغاني إلى مجلد المحذوفات أو منه. لا تزال النسخ المنقولة هناك:
%1</translation>
    </message>
</context>
<context>
    <name>CTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>القائمة</translation>
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
    <name>CUpdateCheck</name>
    <message>
        <source>A new version of %1 found! 
Current version: %2
New version: %3

Would you like to update the product?</source>
        <translation>تم العثور على إصدار جديد من %1!
الإصدار الحالي: %2
الإصدار الجديد: %3

هل تريد تحديث المنتج؟</translation>
    </message>
    <message>
        <source>You are using the newest version.</source>
        <translation>أنت تستخدم أحدث إصدار.</translation>
    </message>
    <message>
        <source>Failed to find product record.</source>
        <translation>تعذر العثور على سجل المنتج.</translation>
    </message>
    <message>
        <source>Failed to connect the server. 
Please check the validity of the proxy.</source>
        <translation>تعذر الاتصال بالخادم.
يرجى التحقق من صحة إعدادات الوكيل.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>خطأ غير معروف.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>Failed to connect the server. 
Please check your network connection.</source>
        <translation>تعذر الاتصال بالخادم. 
يرجى التحقق من اتصالك بالشبكة.</translation>
    </message>
    <message>
        <source>A new version of %1 found! 
Current version: %2
New version: %3

The update server gave no web address to download it from.</source>
        <translation>تم العثور على إصدار جديد من %1!
الإصدار الحالي: %2
الإصدار الجديد: %3

لم يقدم خادم التحديث عنوان ويب لتنزيله.</translation>
    </message>
    <message>
        <source>The update server did not send the update information (HTTP status %1).</source>
        <translation>لم يرسل خادم التحديث معلومات التحديث (رمز الحالة HTTP %1).</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read as update information.</source>
        <translation>تعذرت قراءة رد خادم التحديث كمعلومات تحديث.</translation>
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
    <name>FileDialogs</name>
    <message>
        <source>files (*.zavrodata)</source>
        <translation>ملفات المشروع (*.zavrodata)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Bug sending failed. Would you like to send the bug via email manually?</source>
        <translation>فشل إرسال التقرير. هل تريد إرساله يدويًا عبر البريد الإلكتروني؟</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Unknown %1</source>
        <translation>%1 غير معروف</translation>
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
