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
    <name>CGeneralWidget</name>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Spainsh</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Бразильский</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабский</translation>
    </message>
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
        <translation>Песни без исполнителя</translation>
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
