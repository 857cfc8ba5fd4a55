<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Tidewell</source>
        <translation>Tidewell</translation>
    </message>
    <message>
        <source>Copyright (C) Zavro. All rights reserved.</source>
        <translation>Copyright (C) Zavro. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Music database powered by ACRcloud</source>
        <translation>Musikdatenbank von ACRcloud</translation>
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
        <translation>Homepage:</translation>
    </message>
</context>
<context>
    <name>CGeneralWidget</name>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Spainsh</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasilianisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Fix:</source>
        <translation>Reparieren:</translation>
    </message>
    <message>
        <source>Songs Without Album Artwork</source>
        <translation>Titel ohne Albumcover</translation>
    </message>
    <message>
        <source>Songs Without Artist</source>
        <translation>Titel ohne Interpret</translation>
    </message>
    <message>
        <source>Songs Without Album</source>
        <translation>Titel ohne Album</translation>
    </message>
    <message>
        <source>Songs Without Original Files</source>
        <translation>Titel ohne Originaldatei</translation>
    </message>
    <message>
        <source>Replace original songs meta</source>
        <translation>Originale Metadaten ersetzen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>     Replace original songs meta with the new information from our server.
     This will help to modify wrong songs meta, and also overwrite some
     personal customized records.</source>
        <translation>     Ersetzt die originalen Metadaten der Titel durch die neuen
     Angaben von unserem Server. So werden falsche Angaben
     korrigiert, aber auch eigene Einträge überschrieben.</translation>
    </message>
</context>
<context>
    <name>CMessgboxEx</name>
    <message>
        <source>Are you sure you want to remove the duplicates?
</source>
        <translation>Möchten Sie die Duplikate wirklich entfernen?
</translation>
    </message>
    <message>
        <source>Don&apos;t show it again.</source>
        <translation>Nicht mehr anzeigen.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CNetWidget</name>
    <message>
        <source>Proxy type:</source>
        <translation>Proxy-Typ:</translation>
    </message>
    <message>
        <source>Proxy host:</source>
        <translation>Proxy-Server:</translation>
    </message>
    <message>
        <source>Proxy port:</source>
        <translation>Proxy-Port:</translation>
    </message>
    <message>
        <source>Proxy name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Proxy password:</source>
        <translation>Passwort:</translation>
    </message>
</context>
<context>
    <name>COption</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisierung</translation>
    </message>
</context>
<context>
    <name>CTreeItemTool</name>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Cancel Skip</source>
        <translation>Nicht überspringen</translation>
    </message>
</context>
<context>
    <name>CUpdateWidget</name>
    <message>
        <source>Enable automatic update check.</source>
        <translation>Automatisch nach Updates suchen.</translation>
    </message>
    <message>
        <source>Update every day</source>
        <translation>Jeden Tag prüfen</translation>
    </message>
    <message>
        <source>Update every week</source>
        <translation>Jede Woche prüfen</translation>
    </message>
    <message>
        <source>Update every month</source>
        <translation>Jeden Monat prüfen</translation>
    </message>
    <message>
        <source>Number of days between update checks (At least 1 days)</source>
        <translation>Tage zwischen zwei Prüfungen (mind. 1)</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
</TS>
