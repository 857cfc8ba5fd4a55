<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CAbout</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Tidewell</source>
        <translation>Tidewell</translation>
    </message>
    <message>
        <source>Copyright (C) Zavro. All rights reserved.</source>
        <translation>Copyright (C) Zavro. Все права защищены.</translation>
    </message>
    <message>
        <source>Music database powered by ACRcloud</source>
        <translation>Музыкальная база данных: ACRcloud</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Поддержка:</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Веб-сайт:</translation>
    </message>
</context>
<context>
    <name>CAnalyReport</name>
    <message>
        <source>Unrecognized Songs</source>
        <translation>Нераспознанные песни</translation>
    </message>
    <message>
        <source>Songs Without Album Artwork</source>
        <translation>Песни без обложки альбома</translation>
    </message>
    <message>
        <source>Songs Without Artist</source>
        <translation>Песни без артиста</translation>
    </message>
    <message>
        <source>Songs Without Album</source>
        <translation>Песни без альбома</translation>
    </message>
    <message>
        <source>Songs Without Original Files</source>
        <translation>Песни без исходных файлов</translation>
    </message>
    <message>
        <source>Song title</source>
        <translation>Название песни</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Артист</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Альбом</translation>
    </message>
    <message>
        <source>Congratulations, your music library is 100% cleaned!</source>
        <translation>Поздравляем, ваша медиатека приведена в порядок на 100%!</translation>
    </message>
</context>
<context>
    <name>CBugReport</name>
    <message>
        <source>BugReport</source>
        <translation>Отчёт об ошибке</translation>
    </message>
    <message>
        <source>Your Name:</source>
        <translation>Ваше имя:</translation>
    </message>
    <message>
        <source>~description here!</source>
        <translation>Опишите проблему здесь.</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Invalid e-mail, please enter a correct one.</source>
        <translation>Неверный адрес эл. почты, введите правильный.</translation>
    </message>
    <message>
        <source>The report includes the program&apos;s logs, its settings and your whole iTunes library file.</source>
        <translation>Отчёт содержит журналы программы, её настройки и весь файл вашей медиатеки iTunes.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Эл. почта</translation>
    </message>
</context>
<context>
    <name>CBugReportSender</name>
    <message>
        <source>Bug Report</source>
        <translation>Отчёт об ошибке</translation>
    </message>
    <message>
        <source>Please attach this file to an email to %1:
%2</source>
        <translation>Приложите этот файл к письму на адрес %1:
%2</translation>
    </message>
    <message>
        <source>The report&apos;s files could not be packed. Send the description alone?</source>
        <translation>Не удалось упаковать файлы отчёта. Отправить только описание?</translation>
    </message>
    <message>
        <source>The bug report was sent. Thank you.</source>
        <translation>Отчёт об ошибке отправлен. Спасибо.</translation>
    </message>
    <message>
        <source>The bug report could not be sent.</source>
        <translation>Не удалось отправить отчёт об ошибке.</translation>
    </message>
    <message numerus="yes">
        <source>%n bug report(s) could not be sent before the program closed. They are kept in this folder; please attach their files to an email to %1:
%2</source>
        <translation>
            <numerusform>%n отчёт об ошибке не удалось отправить до закрытия программы. Он сохранён в этой папке; приложите его файлы к письму на адрес %1:
%2</numerusform>
            <numerusform>%n отчёта об ошибке не удалось отправить до закрытия программы. Они сохранены в этой папке; приложите их файлы к письму на адрес %1:
%2</numerusform>
            <numerusform>%n отчётов об ошибке не удалось отправить до закрытия программы. Они сохранены в этой папке; приложите их файлы к письму на адрес %1:
%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCountTexts</name>
    <message>
        <source>%1, %2</source>
        <comment>two clauses of one sentence</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences of one message</comment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>Scanned %n song(s)</source>
        <translation>
            <numerusform>Проверена %n песня</numerusform>
            <numerusform>Проверено %n песни</numerusform>
            <numerusform>Проверено %n песен</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without artwork.</source>
        <translation>
            <numerusform>%n песня без обложки.</numerusform>
            <numerusform>%n песни без обложки.</numerusform>
            <numerusform>%n песен без обложки.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without artwork.</source>
        <translation>
            <numerusform>Исправлена %n песня без обложки.</numerusform>
            <numerusform>Исправлено %n песни без обложки.</numerusform>
            <numerusform>Исправлено %n песен без обложки.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n song(s) not fixed.</source>
        <translation>
            <numerusform>Ещё %n песня не исправлена.</numerusform>
            <numerusform>Ещё %n песни не исправлены.</numerusform>
            <numerusform>Ещё %n песен не исправлено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without artist.</source>
        <translation>
            <numerusform>%n песня без артиста.</numerusform>
            <numerusform>%n песни без артиста.</numerusform>
            <numerusform>%n песен без артиста.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without artist.</source>
        <translation>
            <numerusform>Исправлена %n песня без артиста.</numerusform>
            <numerusform>Исправлено %n песни без артиста.</numerusform>
            <numerusform>Исправлено %n песен без артиста.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without album.</source>
        <translation>
            <numerusform>%n песня без альбома.</numerusform>
            <numerusform>%n песни без альбома.</numerusform>
            <numerusform>%n песен без альбома.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without album.</source>
        <translation>
            <numerusform>Исправлена %n песня без альбома.</numerusform>
            <numerusform>Исправлено %n песни без альбома.</numerusform>
            <numerusform>Исправлено %n песен без альбома.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) unwritable,check them if exist in your computer.</source>
        <translation>
            <numerusform>%n песня недоступна для записи. Проверьте, есть ли она на компьютере.</numerusform>
            <numerusform>%n песни недоступны для записи. Проверьте, есть ли они на компьютере.</numerusform>
            <numerusform>%n песен недоступно для записи. Проверьте, есть ли они на компьютере.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unwritable song(s) not fixed，please check them if exist in your computer.</source>
        <translation>
            <numerusform>%n песня, недоступная для записи, не исправлена. Проверьте, есть ли она на компьютере.</numerusform>
            <numerusform>%n песни, недоступные для записи, не исправлены. Проверьте, есть ли они на компьютере.</numerusform>
            <numerusform>%n песен, недоступных для записи, не исправлено. Проверьте, есть ли они на компьютере.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n problem(s).</source>
        <translation>
            <numerusform>Исправлена %n проблема.</numerusform>
            <numerusform>Исправлено %n проблемы.</numerusform>
            <numerusform>Исправлено %n проблем.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n song(s) unrecognized.</source>
        <translation>
            <numerusform>Ещё %n песня не распознана.</numerusform>
            <numerusform>Ещё %n песни не распознаны.</numerusform>
            <numerusform>Ещё %n песен не распознано.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s)</source>
        <translation>
            <numerusform>Исправлена %n песня</numerusform>
            <numerusform>Исправлено %n песни</numerusform>
            <numerusform>Исправлено %n песен</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s).</source>
        <translation>
            <numerusform>%n проблема.</numerusform>
            <numerusform>%n проблемы.</numerusform>
            <numerusform>%n проблем.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n problem(s) not fixed.</source>
        <translation>
            <numerusform>Ещё %n проблема не исправлена.</numerusform>
            <numerusform>Ещё %n проблемы не исправлены.</numerusform>
            <numerusform>Ещё %n проблем не исправлено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>found %n duplicate(s).</source>
        <translation>
            <numerusform>найден %n дубликат.</numerusform>
            <numerusform>найдено %n дубликата.</numerusform>
            <numerusform>найдено %n дубликатов.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n duplicate(s). If not sure to remove, you can undo the removal.</source>
        <translation>
            <numerusform>Удалён %n дубликат. Если вы не уверены, удаление можно отменить.</numerusform>
            <numerusform>Удалено %n дубликата. Если вы не уверены, удаление можно отменить.</numerusform>
            <numerusform>Удалено %n дубликатов. Если вы не уверены, удаление можно отменить.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s)</source>
        <translation>
            <numerusform>%n дубликат</numerusform>
            <numerusform>%n дубликата</numerusform>
            <numerusform>%n дубликатов</numerusform>
        </translation>
    </message>
    <message>
        <source>Tidewell will clear the duplicates removal
history that exists over %1 in %2.</source>
        <translation>Через %2 Tidewell очистит историю удаления
дубликатов старше %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>history older than</comment>
        <translation>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <comment>cleared in</comment>
        <translation>
            <numerusform>%n секунду</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n missing song(s) from the library.</source>
        <translation>
            <numerusform>%n отсутствующая песня удалена из медиатеки.</numerusform>
            <numerusform>%n отсутствующие песни удалены из медиатеки.</numerusform>
            <numerusform>%n отсутствующих песен удалено из медиатеки.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDesktopHandOver</name>
    <message>
        <source>No email program could be opened. Please write to:
%1</source>
        <translation>Не удалось открыть почтовую программу. Напишите по адресу:
%1</translation>
    </message>
    <message>
        <source>No web browser could be opened. Please visit:
%1</source>
        <translation>Не удалось открыть веб-браузер. Откройте страницу:
%1</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>Не удалось открыть файловый менеджер. Папка находится здесь:
%1</translation>
    </message>
</context>
<context>
    <name>CDuplicate</name>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>    Remove File</source>
        <translation>    Удалить файл</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Битрейт</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all files?</source>
        <translation>Удалить все файлы?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Restore music failed</source>
        <translation>Не удалось восстановить музыку</translation>
    </message>
    <message>
        <source>Undo remove failed. No remove history found
in the Zavro_Recycle Bin.</source>
        <translation>Не удалось отменить удаление. В Zavro_Recycle Bin
нет истории удаления.</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>The song could not be restored. It is still in the recycle folder:
%1</source>
        <translation>Не удалось восстановить песню. Она по-прежнему в папке корзины:
%1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 кбит/с</translation>
    </message>
    <message>
        <source>The song&apos;s entry could not be given back to the library. Its file is in place and stays in the library through another entry:
%1</source>
        <translation>Не удалось вернуть запись песни в медиатеку. Её файл на месте и остаётся в медиатеке через другую запись:
%1</translation>
    </message>
    <message>
        <source>The removal could not be saved in the working database:
%1
The removed copies are in the recycle folder. Click Remove to save it.</source>
        <translation>Удаление не удалось сохранить в рабочей базе данных:
%1
Удалённые копии находятся в папке корзины. Сохраните через «Удалить».</translation>
    </message>
    <message>
        <source>Remove music failed</source>
        <translation>Не удалось удалить</translation>
    </message>
</context>
<context>
    <name>CDuplicateWidget</name>
    <message>
        <source>Low</source>
        <translation>Низкая</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средняя</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокая</translation>
    </message>
    <message>
        <source>Please choose one scanning
mode to search duplicates.</source>
        <translation>Выберите способ поиска
дубликатов.</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>Быстрый поиск</translation>
    </message>
    <message>
        <source>Deep Scan</source>
        <translation>Глубокий поиск</translation>
    </message>
    <message>
        <source>It might take some time to
determine duplicates with acoustic
fingerprint. Please be patient.</source>
        <translation>Поиск дубликатов по акустическому
отпечатку может занять время.
Пожалуйста, подождите.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Артист</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Альбом</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Размер файла</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Match Degree: </source>
        <translation>Совпадение: </translation>
    </message>
    <message>
        <source>   Show Remove History</source>
        <translation>   История удаления</translation>
    </message>
</context>
<context>
    <name>CDuptOptWidget</name>
    <message>
        <source>    Name</source>
        <translation>    Название</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Размер файла</translation>
    </message>
    <message>
        <source>Scan iTunes</source>
        <translation>Проверить iTunes</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Open Files And Folders</source>
        <translation>Открыть файлы и папки</translation>
    </message>
    <message>
        <source>Music Files(%1)</source>
        <translation>Музыкальные файлы(%1)</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
</context>
<context>
    <name>CFailedTreeWidget</name>
    <message>
        <source>Check All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>Снять все</translation>
    </message>
    <message>
        <source>Check selected</source>
        <translation>Отметить выбранные</translation>
    </message>
    <message>
        <source>Uncheck selected</source>
        <translation>Снять с выбранных</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Показать в папке</translation>
    </message>
</context>
<context>
    <name>CGeneralWidget</name>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>Fix:</source>
        <translation>Исправлять:</translation>
    </message>
    <message>
        <source>Songs Without Album Artwork</source>
        <translation>Песни без обложки альбома</translation>
    </message>
    <message>
        <source>Songs Without Artist</source>
        <translation>Песни без артиста</translation>
    </message>
    <message>
        <source>Songs Without Album</source>
        <translation>Песни без альбома</translation>
    </message>
    <message>
        <source>Songs Without Original Files</source>
        <translation>Песни без исходных файлов</translation>
    </message>
    <message>
        <source>Replace original songs meta</source>
        <translation>Заменять исходные метаданные песен</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Артист</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Альбом</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Жанр</translation>
    </message>
    <message>
        <source>     Replace original songs meta with the new information from our server.
     This will help to modify wrong songs meta, and also overwrite some
     personal customized records.</source>
        <translation>     Заменяет исходные метаданные песен новыми данными
     с нашего сервера. Это исправит неверные метаданные,
     но также перезапишет записи, изменённые вами вручную.</translation>
    </message>
</context>
<context>
    <name>CHistoryOptWidget</name>
    <message>
        <source>Automatically clear the duplicates removal history that exists over</source>
        <translation>Автоматически очищать историю удаления старше</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message numerus="yes">
        <source>day(s).</source>
        <comment>after the number of days</comment>
        <translation>
            <numerusform>дня.</numerusform>
            <numerusform>дней.</numerusform>
            <numerusform>дней.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLabelArtwork</name>
    <message>
        <source>Playback failure!</source>
        <translation>Ошибка воспроизведения!</translation>
    </message>
</context>
<context>
    <name>CMainUI</name>
    <message>
        <source>Music List Score: </source>
        <translation>Оценка медиатеки: </translation>
    </message>
    <message>
        <source>Scanning Library: </source>
        <translation>Сканирование медиатеки: </translation>
    </message>
    <message>
        <source>Refix</source>
        <translation>Исправить снова</translation>
    </message>
    <message>
        <source>You can </source>
        <translation>Можно </translation>
    </message>
    <message>
        <source>Apply Result</source>
        <translation>применить результат</translation>
    </message>
    <message>
        <source> now, or </source>
        <translation> или </translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>сохранить проект</translation>
    </message>
    <message>
        <source> to continue next time.</source>
        <translation> на потом.</translation>
    </message>
    <message>
        <source>   Pause</source>
        <translation>   Пауза</translation>
    </message>
    <message>
        <source>   Fix All</source>
        <translation>   Исправить всё</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>  Try Again</source>
        <translation>  Повторить</translation>
    </message>
    <message>
        <source>   Scan</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>   Remove</source>
        <translation>   Удалить</translation>
    </message>
    <message>
        <source>  Home</source>
        <translation>  Главная</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation>Добро пожаловать!</translation>
    </message>
    <message>
        <source>Tidewell is the only tool you need to tidy your music library!</source>
        <translation>Tidewell — всё, что нужно для порядка в вашей медиатеке!</translation>
    </message>
    <message>
        <source>Library Music</source>
        <translation>Музыка медиатеки</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Веб-сайт</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Лицензионное соглашение</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>Сообщить об ошибке</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Let Tidewell help you clean-up duplicate songs in your music library!</source>
        <translation>Tidewell поможет убрать дубликаты песен из вашей медиатеки!</translation>
    </message>
    <message>
        <source>Drag-and-drop or Add music files or folder(s) to find duplicates.</source>
        <translation>Перетащите или добавьте файлы/папки для поиска дубликатов.</translation>
    </message>
    <message>
        <source>   Continue</source>
        <translation>   Продолжить</translation>
    </message>
    <message>
        <source>Paused. Wanna continue and explore the world of music?</source>
        <translation>Пауза. Продолжим открывать мир музыки?</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Загрузка, подождите...</translation>
    </message>
    <message>
        <source>%1  %2  %3</source>
        <translation>%1  %2  %3</translation>
    </message>
    <message>
        <source>Analyzing Library: </source>
        <translation>Анализ медиатеки: </translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>Пауза.</translation>
    </message>
    <message>
        <source>Fixing Songs Without Album Artwork: %1</source>
        <translation>Исправление песен без обложки: %1</translation>
    </message>
    <message>
        <source>Fixing Songs Without Album: %1</source>
        <translation>Исправление песен без альбома: %1</translation>
    </message>
    <message>
        <source>Fixing Songs Without Artist: %1</source>
        <translation>Исправление песен без артиста: %1</translation>
    </message>
    <message>
        <source>Fixing unrecognized song: %1</source>
        <translation>Исправление нераспознанной песни: %1</translation>
    </message>
    <message>
        <source>Continue to fix, please wait a moment.</source>
        <translation>Исправление продолжается, подождите немного.</translation>
    </message>
    <message>
        <source>Paused. Wanna continue and experience a new library?</source>
        <translation>Пауза. Продолжим и посмотрим на обновлённую медиатеку?</translation>
    </message>
    <message>
        <source>Applying the results, please wait a moment.</source>
        <translation>Применение результатов, подождите немного.</translation>
    </message>
    <message>
        <source>Removing duplicates music, please wait...</source>
        <translation>Удаление дубликатов, подождите...</translation>
    </message>
    <message>
        <source>Continue to apply the results,please wait a moment.</source>
        <translation>Применение результатов продолжается, подождите немного.</translation>
    </message>
    <message>
        <source>Uh, mess library. It is urgent to clean up your music now. Let&apos;s start.</source>
        <translation>Ох, ну и беспорядок! Пора срочно навести порядок. Начнём!</translation>
    </message>
    <message>
        <source>Dear, how mess your library is. May I help you clean up it?</source>
        <translation>Ох, какой беспорядок в медиатеке. Помочь навести порядок?</translation>
    </message>
    <message>
        <source>Oops, music library in chaos! Go ahead to clean up them now.</source>
        <translation>Ой, в медиатеке хаос! Давайте наведём порядок прямо сейчас.</translation>
    </message>
    <message>
        <source>It looks OK. But the library looks incomplete. Why not Fix All and perfect them?</source>
        <translation>Неплохо, но медиатека неполная. Почему бы не исправить всё и довести её до идеала?</translation>
    </message>
    <message>
        <source>Looks OK but you&apos;d better clean up your library soon. Why not let me help you, darling?</source>
        <translation>Неплохо, но медиатеку стоит скоро привести в порядок. Позвольте помочь, дорогой друг?</translation>
    </message>
    <message>
        <source>Oh, dear, just slow down and take care of your lovely songs. They need your attention.</source>
        <translation>Не спешите и позаботьтесь о своих любимых песнях. Им нужно ваше внимание.</translation>
    </message>
    <message>
        <source>Nice library list. Take a little time will make it more charming. Go to Fix All.</source>
        <translation>Хорошая медиатека. Немного усилий, и она станет ещё лучше. Исправьте всё!</translation>
    </message>
    <message>
        <source>How considerate you are. I can not wait to listen to them any more.</source>
        <translation>Как вы заботливы! Мне уже не терпится их послушать.</translation>
    </message>
    <message>
        <source>I can&apos;t believe!  You get such a good result. Wanna break the record?</source>
        <translation>Не верится!  Такой хороший результат. Побьём рекорд?</translation>
    </message>
    <message>
        <source>Almost perfect. Only one click will organize them well. Just go!</source>
        <translation>Почти идеально. Один щелчок, и всё будет в порядке. Вперёд!</translation>
    </message>
    <message>
        <source>You won&apos;t believe me. Few songs are incomplete. Just one click will recover them.</source>
        <translation>Не поверите: неполных песен совсем немного. Один щелчок — и они исправлены.</translation>
    </message>
    <message>
        <source>Aha, excellent. But I have the magic power to make it better. Wanna experience?</source>
        <translation>Ага, отлично. Но я умею делать ещё лучше. Попробуем?</translation>
    </message>
    <message>
        <source>Congrats! Your library looks great now. You can apply all the results now.</source>
        <translation>Поздравляем! Медиатека выглядит отлично. Теперь можно применить все результаты.</translation>
    </message>
    <message>
        <source>Relax now. Let me take you to start a great music feast.</source>
        <translation>Расслабьтесь. Начинаем большой музыкальный праздник.</translation>
    </message>
    <message>
        <source>Well done. You have defeated most of other computers. Just enjoy your music now.</source>
        <translation>Отлично! Вы обошли большинство других компьютеров. Наслаждайтесь музыкой.</translation>
    </message>
    <message>
        <source>Results applyed.</source>
        <translation>Результаты применены.</translation>
    </message>
    <message>
        <source>Results applyed. You can try fix again.</source>
        <translation>Результаты применены. Можно попробовать исправить снова.</translation>
    </message>
    <message>
        <source>Congratulations, your music library is 100% cleaned!</source>
        <translation>Поздравляем, ваша медиатека приведена в порядок на 100%!</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Hah, no duplicaites on your PC. Satisfied?</source>
        <translation>Ха, на вашем компьютере нет дубликатов. Довольны?</translation>
    </message>
    <message>
        <source>Huh! I&apos;m having a day off--no duplicates found today.</source>
        <translation>О! У меня сегодня выходной — дубликатов не найдено.</translation>
    </message>
    <message>
        <source>We&apos;re double checked everything. You&apos;re clear now.</source>
        <translation>Мы всё перепроверили. У вас полный порядок.</translation>
    </message>
    <message>
        <source>You won&apos;t believe me, but there are no duplicates on your PC.</source>
        <translation>Не поверите, но на вашем компьютере нет дубликатов.</translation>
    </message>
    <message>
        <source>Wow. It looks like someone knew I&apos;ll scan all files and cleaned them up in advance.</source>
        <translation>Ого. Похоже, кто-то знал о проверке и заранее навёл порядок.</translation>
    </message>
    <message>
        <source>Unbelievable! No unrecognized songs or duplicates found!</source>
        <translation>Невероятно! Ни нераспознанных песен, ни дубликатов!</translation>
    </message>
    <message>
        <source>Hah, nothing found. You must be playing &quot;hide-and-seek&quot; with me.</source>
        <translation>Ха, ничего не найдено. Вы, наверное, играете со мной в «прятки».</translation>
    </message>
    <message>
        <source>No songs detected in iTunes. Please check and try again.</source>
        <translation>В iTunes не найдено песен. Проверьте и повторите попытку.</translation>
    </message>
    <message>
        <source>No music files found. Please go back and try again.</source>
        <translation>Музыкальные файлы не найдены. Вернитесь и повторите попытку.</translation>
    </message>
    <message>
        <source>Invalid project file. Please go back and try again.</source>
        <translation>Недопустимый файл проекта. Вернитесь и повторите попытку.</translation>
    </message>
    <message>
        <source>Congratulations! Duplicates has been removed successfully.</source>
        <translation>Поздравляем! Дубликаты успешно удалены.</translation>
    </message>
    <message>
        <source>Some duplicates could not be moved. Click Remove to try again.</source>
        <translation>Часть дубликатов не перемещена. Повторите через «Удалить».</translation>
    </message>
    <message>
        <source>Duplicates found. Let me help you remove them and keep your library clean.</source>
        <translation>Найдены дубликаты. Давайте удалим их и сохраним порядок в медиатеке.</translation>
    </message>
    <message>
        <source>Dear, why not let me help you clean up duplicates immediately?</source>
        <translation>Может, позволите мне сразу убрать дубликаты?</translation>
    </message>
    <message>
        <source>Duplicates appeared. Wanna tidy them and make your library clean?</source>
        <translation>Появились дубликаты. Уберём их и наведём порядок?</translation>
    </message>
    <message>
        <source>Duplicates found. Click Remove to clean up duplicates easily.</source>
        <translation>Найдены дубликаты. Нажмите «Удалить», чтобы легко их убрать.</translation>
    </message>
    <message>
        <source>Save Result</source>
        <translation>Сохранить результат</translation>
    </message>
    <message>
        <source>The project could not be saved. Please choose another folder and try again.</source>
        <translation>Не удалось сохранить проект. Выберите другую папку и повторите попытку.</translation>
    </message>
    <message>
        <source>Select Library XML File</source>
        <translation>Выбрать XML</translation>
    </message>
    <message>
        <source>Start to Clean iTunes</source>
        <translation>Очистить iTunes</translation>
    </message>
    <message>
        <source>Tidewell is cleaning up duplicate songs.</source>
        <translation>Tidewell удаляет дубликаты песен.</translation>
    </message>
    <message>
        <source>Continue to scan music library,please wait a moment.</source>
        <translation>Сканирование медиатеки продолжается, подождите немного.</translation>
    </message>
    <message>
        <source>Do you want to apply new results?</source>
        <translation>Применить новые результаты?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Oops! An error occurred in loading iTunes
library. Please set in iTunes: Preference&gt;
Advance&gt;Share iTunes Library XML with other
application,and Click Try Again to continue.</source>
        <translation>Ой! Не удалось прочитать файл медиатеки iTunes.
Убедитесь, что это действительный файл медиатеки
iTunes, и нажмите «Повторить».</translation>
    </message>
    <message>
        <source>Scanning music, please wait a moment...</source>
        <translation>Сканирование музыки, подождите немного...</translation>
    </message>
    <message>
        <source>Preparing report, please wait a moment...</source>
        <translation>Подготовка отчёта, подождите немного...</translation>
    </message>
    <message>
        <source>Unbelievable, no music files found! Wanna try again?</source>
        <translation>Невероятно, музыкальные файлы не найдены! Попробуем ещё раз?</translation>
    </message>
    <message>
        <source>Hah,nothing found. You must be playing &quot;hide-and-seek&quot; with me.</source>
        <translation>Ха, ничего не найдено. Вы, наверное, играете со мной в «прятки».</translation>
    </message>
    <message>
        <source>Congratulations, music library cleaning finished!</source>
        <translation>Поздравляем, наведение порядка в медиатеке завершено!</translation>
    </message>
    <message>
        <source>Processing failed songs list, please wait...</source>
        <translation>Обработка списка неудачных песен, подождите...</translation>
    </message>
    <message>
        <source>Are you sure you want to replace songs meta
and apply the result?</source>
        <translation>Заменить метаданные песен
и применить результат?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Are you sure you want to back to Home?</source>
        <translation>Вернуться на главную?</translation>
    </message>
    <message>
        <source>Are you sure you want to back to Home? If back, the scanning results will not be saved.</source>
        <translation>Вернуться на главную? Результаты сканирования не будут сохранены.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <comment>menu entry</comment>
        <translation>Сохранить проект</translation>
    </message>
    <message>
        <source>No song could be fixed this time. You can edit the songs yourself or try fix again.</source>
        <translation>На этот раз не удалось исправить ни одной песни. Вы можете отредактировать песни сами или попробовать исправить ещё раз.</translation>
    </message>
    <message>
        <source>No music files found in the folders and files you added. Please add others and try again.</source>
        <translation>В добавленных папках и файлах не найдено музыкальных файлов. Добавьте другие и повторите попытку.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 и ещё %n</numerusform>
            <numerusform>%1 и ещё %n</numerusform>
            <numerusform>%1 и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The recognition service could not be reached. Please check your internet connection and try fix again.</source>
        <translation>Не удалось связаться со службой распознавания. Проверьте подключение к интернету и повторите исправление.</translation>
    </message>
    <message>
        <source>Some songs could not be fixed this time. You can edit them yourself or try fix again.</source>
        <translation>На этот раз некоторые песни исправить не удалось. Отредактируйте их сами или повторите исправление.</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) could not be moved to the recycle folder:
%1
Click Remove to try again.</source>
        <translation>
            <numerusform>Не удалось переместить %n дубликат в папку корзины:
%1
Нажмите «Удалить», чтобы повторить.</numerusform>
            <numerusform>Не удалось переместить %n дубликата в папку корзины:
%1
Нажмите «Удалить», чтобы повторить.</numerusform>
            <numerusform>Не удалось переместить %n дубликатов в папку корзины:
%1
Нажмите «Удалить», чтобы повторить.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is nothing to scan yet. Add music files or folders, or drop them here, then click Scan.</source>
        <translation>Пока нечего проверять. Добавьте музыкальные файлы или папки либо перетащите их сюда, затем нажмите «Поиск».</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) could not be moved. Click Remove to try again.</source>
        <translation>
            <numerusform>Не удалось переместить %n дубликат. Повторите через «Удалить».</numerusform>
            <numerusform>Не удалось переместить %n дубликата. Повторите через «Удалить».</numerusform>
            <numerusform>Не удалось переместить %n дубликатов. Повторите через «Удалить».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) could not be written: %1.</source>
        <translation>
            <numerusform>Не удалось записать %n песню: %1.</numerusform>
            <numerusform>Не удалось записать %n песни: %1.</numerusform>
            <numerusform>Не удалось записать %n песен: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) were written to their files, but the library file could not be saved: %1.</source>
        <translation>
            <numerusform>%n песня записана в свой файл, но файл медиатеки сохранить не удалось: %1.</numerusform>
            <numerusform>%n песни записаны в свои файлы, но файл медиатеки сохранить не удалось: %1.</numerusform>
            <numerusform>%n песен записано в свои файлы, но файл медиатеки сохранить не удалось: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) whose file is missing could not be removed from the library: %1.</source>
        <translation>
            <numerusform>Не удалось удалить из медиатеки %n песню без файла: %1.</numerusform>
            <numerusform>Не удалось удалить из медиатеки %n песни без файлов: %1.</numerusform>
            <numerusform>Не удалось удалить из медиатеки %n песен без файлов: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The working database could not be saved: %1.</source>
        <translation>Не удалось сохранить рабочую базу данных: %1.</translation>
    </message>
</context>
<context>
    <name>CMessgboxEx</name>
    <message>
        <source>Are you sure you want to remove the duplicates?
</source>
        <translation>Вы действительно хотите удалить дубликаты?
</translation>
    </message>
    <message>
        <source>Don&apos;t show it again.</source>
        <translation>Больше не показывать.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CModifyMusicInfo</name>
    <message>
        <source>Orginal Tag</source>
        <translation>Исходный тег</translation>
    </message>
    <message>
        <source>New Tag</source>
        <translation>Новый тег</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Артист:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Альбом:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Год:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Жанр:</translation>
    </message>
    <message>
        <source>Please, music title cannot be empty.</source>
        <translation>Название песни не может быть пустым.</translation>
    </message>
    <message>
        <source>Sorry, the file you dragged-in is not a valid
image file.</source>
        <translation>К сожалению, перетащенный файл не является
допустимым изображением.</translation>
    </message>
    <message>
        <source>Sorry, the changes to this song could not be saved.</source>
        <translation>К сожалению, не удалось сохранить изменения этой песни.</translation>
    </message>
</context>
<context>
    <name>CNetWidget</name>
    <message>
        <source>Proxy type:</source>
        <translation>Тип прокси:</translation>
    </message>
    <message>
        <source>Proxy host:</source>
        <translation>Хост прокси:</translation>
    </message>
    <message>
        <source>Proxy port:</source>
        <translation>Порт прокси:</translation>
    </message>
    <message>
        <source>Proxy name:</source>
        <translation>Имя пользователя:</translation>
    </message>
    <message>
        <source>Proxy password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
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
        <translation>Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновление</translation>
    </message>
</context>
<context>
    <name>CRangeValidator</name>
    <message>
        <source>Enter a number from %1 to %2.</source>
        <translation>Введите число от %1 до %2.</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>%1 is already running. Please use its open window.</source>
        <translation>%1 уже запущен. Используйте его открытое окно.</translation>
    </message>
</context>
<context>
    <name>CStartUI</name>
    <message>
        <source>Start to Clean iTunes</source>
        <translation>Очистить iTunes</translation>
    </message>
    <message>
        <source>Open Music Files</source>
        <translation>Открыть музыку</translation>
    </message>
    <message>
        <source>Load Saved Result</source>
        <translation>Открыть результат</translation>
    </message>
    <message>
        <source>Clean-up Duplicates</source>
        <translation>Удалить дубликаты</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
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
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Last fixing project was interrupted
unexpectedly. Do you want to continue it?</source>
        <translation>Последнее исправление было неожиданно
прервано. Продолжить его?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Open Library.xml</source>
        <translation>Открыть Library.xml</translation>
    </message>
    <message>
        <source>Open Files And Folders</source>
        <translation>Открыть файлы и папки</translation>
    </message>
    <message>
        <source>Music Files(%1)</source>
        <translation>Музыкальные файлы(%1)</translation>
    </message>
    <message>
        <source>Open Result File</source>
        <translation>Открыть файл результата</translation>
    </message>
    <message>
        <source>Select Library XML File</source>
        <translation>Выбрать XML</translation>
    </message>
    <message>
        <source>Recycle folder</source>
        <translation>Папка корзины</translation>
    </message>
    <message>
        <source>Tidewell was ended while it moved songs into or out of the recycle folder. The copies it moved remain there:
%1</source>
        <translation>Tidewell был завершён, когда перемещал песни в папку корзины или из неё. Перемещённые копии остались там:
%1</translation>
    </message>
</context>
<context>
    <name>CTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
</context>
<context>
    <name>CTreeItemTool</name>
    <message>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Cancel Skip</source>
        <translation>Не пропускать</translation>
    </message>
</context>
<context>
    <name>CUpdateCheck</name>
    <message>
        <source>A new version of %1 found! 
Current version: %2
New version: %3

Would you like to update the product?</source>
        <translation>Найдена новая версия %1! 
Текущая версия: %2
Новая версия: %3

Обновить программу?</translation>
    </message>
    <message>
        <source>You are using the newest version.</source>
        <translation>У вас установлена последняя версия.</translation>
    </message>
    <message>
        <source>Failed to find product record.</source>
        <translation>Сведения о продукте не найдены.</translation>
    </message>
    <message>
        <source>Failed to connect the server. 
Please check the validity of the proxy.</source>
        <translation>Не удалось подключиться к серверу. 
Проверьте настройки прокси.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Неизвестная ошибка.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>Failed to connect the server. 
Please check your network connection.</source>
        <translation>Не удалось подключиться к серверу. 
Проверьте подключение к сети.</translation>
    </message>
    <message>
        <source>A new version of %1 found! 
Current version: %2
New version: %3

The update server gave no web address to download it from.</source>
        <translation>Найдена новая версия %1! 
Текущая версия: %2
Новая версия: %3

Сервер обновлений не указал веб-адрес для загрузки.</translation>
    </message>
    <message>
        <source>The update server did not send the update information (HTTP status %1).</source>
        <translation>Сервер обновлений не прислал сведения об обновлении (код HTTP %1).</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read as update information.</source>
        <translation>Ответ сервера обновлений не удалось прочитать как сведения об обновлении.</translation>
    </message>
</context>
<context>
    <name>CUpdateWidget</name>
    <message>
        <source>Enable automatic update check.</source>
        <translation>Автоматически проверять обновления.</translation>
    </message>
    <message>
        <source>Update every day</source>
        <translation>Проверять каждый день</translation>
    </message>
    <message>
        <source>Update every week</source>
        <translation>Проверять каждую неделю</translation>
    </message>
    <message>
        <source>Update every month</source>
        <translation>Проверять каждый месяц</translation>
    </message>
    <message>
        <source>Number of days between update checks (At least 1 days)</source>
        <translation>Дней между проверками (не менее 1)</translation>
    </message>
</context>
<context>
    <name>CWarnMessage</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>files (*.zavrodata)</source>
        <translation>Файлы проекта (*.zavrodata)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Bug sending failed. Would you like to send the bug via email manually?</source>
        <translation>Не удалось отправить отчёт. Отправить его по эл. почте вручную?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Unknown %1</source>
        <translation>%1 неизвестен</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>%1.%2.%3 (Build %4)</source>
        <translation>%1.%2.%3 (сборка %4)</translation>
    </message>
</context>
<context>
    <name>WhatsNew</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
</context>
</TS>
