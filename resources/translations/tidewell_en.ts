<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CAbout</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Tidewell</source>
        <translation>Tidewell</translation>
    </message>
    <message>
        <source>Copyright (C) Zavro. All rights reserved.</source>
        <translation>Copyright (C) Zavro. All rights reserved.</translation>
    </message>
    <message>
        <source>Music database powered by ACRcloud</source>
        <translation>Music database powered by ACRcloud</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Support:</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Home Page:</translation>
    </message>
</context>
<context>
    <name>CGeneralWidget</name>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Spainsh</source>
        <translation>Spainsh</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brazil</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabic</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Fix:</source>
        <translation>Fix:</translation>
    </message>
    <message>
        <source>Songs Without Album Artwork</source>
        <translation>Songs Without Album Artwork</translation>
    </message>
    <message>
        <source>Songs Without Artist</source>
        <translation>Songs Without Artist</translation>
    </message>
    <message>
        <source>Songs Without Album</source>
        <translation>Songs Without Album</translation>
    </message>
    <message>
        <source>Songs Without Original Files</source>
        <translation>Songs Without Original Files</translation>
    </message>
    <message>
        <source>Replace original songs meta</source>
        <translation>Replace original songs meta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artist</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>     Replace original songs meta with the new information from our server.
     This will help to modify wrong songs meta, and also overwrite some
     personal customized records.</source>
        <translation>     Replace original songs meta with the new information
     from our server. This will help to modify wrong songs
     meta, and also overwrite some personal customized
     records.</translation>
    </message>
</context>
<context>
    <name>CMessgboxEx</name>
    <message>
        <source>Are you sure you want to remove the duplicates?
</source>
        <translation>Are you sure you want to remove the duplicates?
</translation>
    </message>
    <message>
        <source>Don&apos;t show it again.</source>
        <translation>Don&apos;t show it again.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CNetWidget</name>
    <message>
        <source>Proxy type:</source>
        <translation>Proxy type:</translation>
    </message>
    <message>
        <source>Proxy host:</source>
        <translation>Proxy host:</translation>
    </message>
    <message>
        <source>Proxy port:</source>
        <translation>Proxy port:</translation>
    </message>
    <message>
        <source>Proxy name:</source>
        <translation>Proxy name:</translation>
    </message>
    <message>
        <source>Proxy password:</source>
        <translation>Proxy password:</translation>
    </message>
</context>
<context>
    <name>COption</name>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
</context>
<context>
    <name>CTreeItemTool</name>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Cancel Skip</source>
        <translation>Cancel Skip</translation>
    </message>
</context>
<context>
    <name>CUpdateWidget</name>
    <message>
        <source>Enable automatic update check.</source>
        <translation>Enable automatic update check.</translation>
    </message>
    <message>
        <source>Update every day</source>
        <translation>Update every day</translation>
    </message>
    <message>
        <source>Update every week</source>
        <translation>Update every week</translation>
    </message>
    <message>
        <source>Update every month</source>
        <translation>Update every month</translation>
    </message>
    <message>
        <source>Number of days between update checks (At least 1 days)</source>
        <translation>Number of days between update checks (At least 1 days)</translation>
    </message>
</context>
<context>
    <name>CWarnMessage</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>%1.%2.%3 (Build %4)</translation>
    </message>
</context>
<context>
    <name>WhatsNew</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
</context>
</TS>
