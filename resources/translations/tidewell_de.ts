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
    <name>CAnalyReport</name>
    <message>
        <source>Unrecognized Songs</source>
        <translation>Nicht erkannte Titel</translation>
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
        <source>Song title</source>
        <translation>Titelname</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Dauer</translation>
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
        <source>Congratulations, your music library is 100% cleaned!</source>
        <translation>Glückwunsch, Ihre Musikbibliothek ist zu 100 % aufgeräumt!</translation>
    </message>
</context>
<context>
    <name>CBugReport</name>
    <message>
        <source>BugReport</source>
        <translation>Fehlerbericht</translation>
    </message>
    <message>
        <source>Your Name:</source>
        <translation>Ihr Name:</translation>
    </message>
    <message>
        <source>~description here!</source>
        <translation>Beschreiben Sie das Problem hier.</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Invalid e-mail, please enter a correct one.</source>
        <translation>Ungültige E-Mail-Adresse, bitte geben Sie eine gültige ein.</translation>
    </message>
    <message>
        <source>The report includes the program&apos;s logs, its settings and your whole iTunes library file.</source>
        <translation>Der Bericht enthält die Protokolle des Programms, seine Einstellungen und Ihre gesamte iTunes-Mediathekdatei.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
</context>
<context>
    <name>CBugReportSender</name>
    <message>
        <source>Bug Report</source>
        <translation>Fehlerbericht</translation>
    </message>
    <message>
        <source>Please attach this file to an email to %1:
%2</source>
        <translation>Bitte hängen Sie diese Datei an eine E-Mail an %1 an:
%2</translation>
    </message>
    <message>
        <source>The report&apos;s files could not be packed. Send the description alone?</source>
        <translation>Die Dateien des Berichts konnten nicht gepackt werden. Nur die Beschreibung senden?</translation>
    </message>
    <message>
        <source>The bug report was sent. Thank you.</source>
        <translation>Der Fehlerbericht wurde gesendet. Vielen Dank.</translation>
    </message>
    <message>
        <source>The bug report could not be sent.</source>
        <translation>Der Fehlerbericht konnte nicht gesendet werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n bug report(s) could not be sent before the program closed. They are kept in this folder; please attach their files to an email to %1:
%2</source>
        <translation>
            <numerusform>%n Fehlerbericht konnte vor dem Beenden des Programms nicht gesendet werden. Er liegt in diesem Ordner; bitte hängen Sie seine Dateien an eine E-Mail an %1 an:
%2</numerusform>
            <numerusform>%n Fehlerberichte konnten vor dem Beenden des Programms nicht gesendet werden. Sie liegen in diesem Ordner; bitte hängen Sie ihre Dateien an eine E-Mail an %1 an:
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
            <numerusform>%n Titel durchsucht</numerusform>
            <numerusform>%n Titel durchsucht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without artwork.</source>
        <translation>
            <numerusform>%n Titel ohne Cover.</numerusform>
            <numerusform>%n Titel ohne Cover.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without artwork.</source>
        <translation>
            <numerusform>%n Titel ohne Cover repariert.</numerusform>
            <numerusform>%n Titel ohne Cover repariert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n song(s) not fixed.</source>
        <translation>
            <numerusform>%n Titel noch nicht repariert.</numerusform>
            <numerusform>%n Titel noch nicht repariert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without artist.</source>
        <translation>
            <numerusform>%n Titel ohne Interpret.</numerusform>
            <numerusform>%n Titel ohne Interpret.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without artist.</source>
        <translation>
            <numerusform>%n Titel ohne Interpret repariert.</numerusform>
            <numerusform>%n Titel ohne Interpret repariert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without album.</source>
        <translation>
            <numerusform>%n Titel ohne Album.</numerusform>
            <numerusform>%n Titel ohne Album.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without album.</source>
        <translation>
            <numerusform>%n Titel ohne Album repariert.</numerusform>
            <numerusform>%n Titel ohne Album repariert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) unwritable,check them if exist in your computer.</source>
        <translation>
            <numerusform>%n Titel nicht beschreibbar. Prüfen Sie, ob er auf Ihrem Computer vorhanden ist.</numerusform>
            <numerusform>%n Titel nicht beschreibbar. Prüfen Sie, ob sie auf Ihrem Computer vorhanden sind.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unwritable song(s) not fixed，please check them if exist in your computer.</source>
        <translation>
            <numerusform>%n nicht beschreibbarer Titel nicht repariert. Bitte prüfen Sie, ob er auf Ihrem Computer vorhanden ist.</numerusform>
            <numerusform>%n nicht beschreibbare Titel nicht repariert. Bitte prüfen Sie, ob sie auf Ihrem Computer vorhanden sind.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n problem(s).</source>
        <translation>
            <numerusform>%n Problem behoben.</numerusform>
            <numerusform>%n Probleme behoben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n song(s) unrecognized.</source>
        <translation>
            <numerusform>%n Titel noch nicht erkannt.</numerusform>
            <numerusform>%n Titel noch nicht erkannt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s)</source>
        <translation>
            <numerusform>%n Titel repariert</numerusform>
            <numerusform>%n Titel repariert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s).</source>
        <translation>
            <numerusform>%n Problem behoben.</numerusform>
            <numerusform>%n Probleme behoben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n problem(s) not fixed.</source>
        <translation>
            <numerusform>Noch %n Problem offen.</numerusform>
            <numerusform>Noch %n Probleme offen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>found %n duplicate(s).</source>
        <translation>
            <numerusform>%n Duplikat gefunden.</numerusform>
            <numerusform>%n Duplikate gefunden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n duplicate(s). If not sure to remove, you can undo the removal.</source>
        <translation>
            <numerusform>%n Duplikat entfernt. Falls Sie unsicher sind, können Sie das Entfernen rückgängig machen.</numerusform>
            <numerusform>%n Duplikate entfernt. Falls Sie unsicher sind, können Sie das Entfernen rückgängig machen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s)</source>
        <translation>
            <numerusform>%n Duplikat</numerusform>
            <numerusform>%n Duplikate</numerusform>
        </translation>
    </message>
    <message>
        <source>Tidewell will clear the duplicates removal
history that exists over %1 in %2.</source>
        <translation>Tidewell löscht in %2 den Verlauf
entfernter Duplikate, der älter als %1 ist.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>history older than</comment>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <comment>cleared in</comment>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n missing song(s) from the library.</source>
        <translation>
            <numerusform>%n fehlender Titel wurde aus der Mediathek entfernt.</numerusform>
            <numerusform>%n fehlende Titel wurden aus der Mediathek entfernt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDesktopHandOver</name>
    <message>
        <source>No email program could be opened. Please write to:
%1</source>
        <translation>Es konnte kein E-Mail-Programm geöffnet werden. Bitte schreiben Sie an:
%1</translation>
    </message>
    <message>
        <source>No web browser could be opened. Please visit:
%1</source>
        <translation>Es konnte kein Webbrowser geöffnet werden. Bitte besuchen Sie:
%1</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>Es konnte kein Dateimanager geöffnet werden. Der Ordner ist:
%1</translation>
    </message>
</context>
<context>
    <name>CDuplicate</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>    Remove File</source>
        <translation>    Datei entfernen</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all files?</source>
        <translation>Möchten Sie wirklich alle Dateien entfernen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Restore music failed</source>
        <translation>Wiederherstellen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Undo remove failed. No remove history found
in the Zavro_Recycle Bin.</source>
        <translation>Rückgängig fehlgeschlagen. Kein Verlauf im
Zavro_Recycle Bin gefunden.</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The song could not be restored. It is still in the recycle folder:
%1</source>
        <translation>Der Titel konnte nicht wiederhergestellt werden. Er liegt noch im Papierkorb-Ordner:
%1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>The song&apos;s entry could not be given back to the library. Its file is in place and stays in the library through another entry:
%1</source>
        <translation>Der Eintrag des Titels konnte nicht in die Mediathek zurückgegeben werden. Seine Datei liegt an ihrem Platz und bleibt über einen anderen Eintrag in der Mediathek:
%1</translation>
    </message>
    <message>
        <source>The removal could not be saved in the working database:
%1
The removed copies are in the recycle folder. Click Remove to save it.</source>
        <translation>Das Entfernen konnte nicht in der Arbeitsdatenbank gespeichert werden:
%1
Die entfernten Kopien liegen im Papierkorb-Ordner. Entfernen speichert es erneut.</translation>
    </message>
    <message>
        <source>Remove music failed</source>
        <translation>Entfernen fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>CDuplicateWidget</name>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Please choose one scanning
mode to search duplicates.</source>
        <translation>Bitte wählen Sie eine Suchart
für die Duplikatsuche.</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>Schnellsuche</translation>
    </message>
    <message>
        <source>Deep Scan</source>
        <translation>Tiefensuche</translation>
    </message>
    <message>
        <source>It might take some time to
determine duplicates with acoustic
fingerprint. Please be patient.</source>
        <translation>Das Erkennen von Duplikaten per
akustischem Fingerabdruck kann
etwas dauern. Bitte Geduld.</translation>
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
        <source>File size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Match Degree: </source>
        <translation>Übereinstimmung: </translation>
    </message>
    <message>
        <source>   Show Remove History</source>
        <translation>   Entfernte anzeigen</translation>
    </message>
</context>
<context>
    <name>CDuptOptWidget</name>
    <message>
        <source>    Name</source>
        <translation>    Name</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Scan iTunes</source>
        <translation>iTunes durchsuchen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Open Files And Folders</source>
        <translation>Dateien und Ordner öffnen</translation>
    </message>
    <message>
        <source>Music Files(%1)</source>
        <translation>Musikdateien(%1)</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
</context>
<context>
    <name>CFailedTreeWidget</name>
    <message>
        <source>Check All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>Check selected</source>
        <translation>Markierte auswählen</translation>
    </message>
    <message>
        <source>Uncheck selected</source>
        <translation>Markierte abwählen</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
</context>
<context>
    <name>CGeneralWidget</name>
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
    <name>CHistoryOptWidget</name>
    <message>
        <source>Automatically clear the duplicates removal history that exists over</source>
        <translation>Verlauf entfernter Duplikate automatisch löschen nach</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>day(s).</source>
        <comment>after the number of days</comment>
        <translation>
            <numerusform>Tag.</numerusform>
            <numerusform>Tagen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLabelArtwork</name>
    <message>
        <source>Playback failure!</source>
        <translation>Wiedergabe fehlgeschlagen!</translation>
    </message>
</context>
<context>
    <name>CMainUI</name>
    <message>
        <source>Music List Score: </source>
        <translation>Bewertung der Musikliste: </translation>
    </message>
    <message>
        <source>Scanning Library: </source>
        <translation>Bibliothek wird durchsucht: </translation>
    </message>
    <message>
        <source>Refix</source>
        <translation>Erneut reparieren</translation>
    </message>
    <message>
        <source>You can </source>
        <translation>Jetzt </translation>
    </message>
    <message>
        <source>Apply Result</source>
        <translation>Ergebnis übernehmen</translation>
    </message>
    <message>
        <source> now, or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source> to continue next time.</source>
        <translation> und später fortfahren.</translation>
    </message>
    <message>
        <source>   Pause</source>
        <translation>   Pause</translation>
    </message>
    <message>
        <source>   Fix All</source>
        <translation>   Alles reparieren</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>  Try Again</source>
        <translation>  Wiederholen</translation>
    </message>
    <message>
        <source>   Scan</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>   Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>  Home</source>
        <translation>  Start</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation>Willkommen!</translation>
    </message>
    <message>
        <source>Tidewell is the only tool you need to tidy your music library!</source>
        <translation>Tidewell ist alles, was Sie zum Aufräumen Ihrer Musikbibliothek brauchen!</translation>
    </message>
    <message>
        <source>Library Music</source>
        <translation>Musik der Bibliothek</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Lizenzvertrag</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>Fehlerbericht</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Let Tidewell help you clean-up duplicate songs in your music library!</source>
        <translation>Tidewell hilft Ihnen, doppelte Titel aus Ihrer Musikbibliothek zu entfernen!</translation>
    </message>
    <message>
        <source>Drag-and-drop or Add music files or folder(s) to find duplicates.</source>
        <translation>Dateien/Ordner ablegen oder hinzufügen und Duplikate finden.</translation>
    </message>
    <message>
        <source>   Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Paused. Wanna continue and explore the world of music?</source>
        <translation>Angehalten. Weitermachen und die Welt der Musik entdecken?</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Wird geladen, bitte warten...</translation>
    </message>
    <message>
        <source>%1  %2  %3</source>
        <translation>%1  %2  %3</translation>
    </message>
    <message>
        <source>Analyzing Library: </source>
        <translation>Bibliothek wird analysiert: </translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <source>Fixing Songs Without Album Artwork: %1</source>
        <translation>Titel ohne Albumcover werden repariert: %1</translation>
    </message>
    <message>
        <source>Fixing Songs Without Album: %1</source>
        <translation>Titel ohne Album werden repariert: %1</translation>
    </message>
    <message>
        <source>Fixing Songs Without Artist: %1</source>
        <translation>Titel ohne Interpret werden repariert: %1</translation>
    </message>
    <message>
        <source>Fixing unrecognized song: %1</source>
        <translation>Nicht erkannter Titel wird repariert: %1</translation>
    </message>
    <message>
        <source>Continue to fix, please wait a moment.</source>
        <translation>Die Reparatur läuft weiter, bitte einen Moment warten.</translation>
    </message>
    <message>
        <source>Paused. Wanna continue and experience a new library?</source>
        <translation>Angehalten. Weitermachen und eine neue Bibliothek erleben?</translation>
    </message>
    <message>
        <source>Applying the results, please wait a moment.</source>
        <translation>Die Ergebnisse werden übernommen, bitte einen Moment warten.</translation>
    </message>
    <message>
        <source>Removing duplicates music, please wait...</source>
        <translation>Duplikate werden entfernt, bitte warten...</translation>
    </message>
    <message>
        <source>Continue to apply the results,please wait a moment.</source>
        <translation>Die Ergebnisse werden weiter übernommen, bitte einen Moment warten.</translation>
    </message>
    <message>
        <source>Uh, mess library. It is urgent to clean up your music now. Let&apos;s start.</source>
        <translation>Oje, was für ein Durcheinander. Ihre Musik muss dringend aufgeräumt werden. Los geht’s.</translation>
    </message>
    <message>
        <source>Dear, how mess your library is. May I help you clean up it?</source>
        <translation>Meine Güte, ist Ihre Bibliothek unordentlich. Darf ich beim Aufräumen helfen?</translation>
    </message>
    <message>
        <source>Oops, music library in chaos! Go ahead to clean up them now.</source>
        <translation>Hoppla, die Musikbibliothek ist im Chaos! Räumen Sie sie jetzt auf.</translation>
    </message>
    <message>
        <source>It looks OK. But the library looks incomplete. Why not Fix All and perfect them?</source>
        <translation>Sieht gut aus, aber die Bibliothek wirkt unvollständig. Warum nicht alles reparieren und perfektionieren?</translation>
    </message>
    <message>
        <source>Looks OK but you&apos;d better clean up your library soon. Why not let me help you, darling?</source>
        <translation>Sieht gut aus, aber Sie sollten die Bibliothek bald aufräumen. Darf ich Ihnen dabei helfen?</translation>
    </message>
    <message>
        <source>Oh, dear, just slow down and take care of your lovely songs. They need your attention.</source>
        <translation>Ach je, nehmen Sie sich Zeit für Ihre schönen Titel. Sie brauchen Ihre Aufmerksamkeit.</translation>
    </message>
    <message>
        <source>Nice library list. Take a little time will make it more charming. Go to Fix All.</source>
        <translation>Schöne Bibliothek. Mit ein wenig Zeit wird sie noch schöner. Alles reparieren!</translation>
    </message>
    <message>
        <source>How considerate you are. I can not wait to listen to them any more.</source>
        <translation>Wie aufmerksam von Ihnen. Ich kann es kaum erwarten, sie zu hören.</translation>
    </message>
    <message>
        <source>I can&apos;t believe!  You get such a good result. Wanna break the record?</source>
        <translation>Unglaublich!  So ein gutes Ergebnis. Wollen Sie den Rekord brechen?</translation>
    </message>
    <message>
        <source>Almost perfect. Only one click will organize them well. Just go!</source>
        <translation>Fast perfekt. Ein Klick genügt zum Aufräumen. Los!</translation>
    </message>
    <message>
        <source>You won&apos;t believe me. Few songs are incomplete. Just one click will recover them.</source>
        <translation>Kaum zu glauben: Nur wenige Titel sind unvollständig. Ein Klick stellt sie wieder her.</translation>
    </message>
    <message>
        <source>Aha, excellent. But I have the magic power to make it better. Wanna experience?</source>
        <translation>Aha, ausgezeichnet. Aber ich kann es noch besser machen. Ausprobieren?</translation>
    </message>
    <message>
        <source>Congrats! Your library looks great now. You can apply all the results now.</source>
        <translation>Glückwunsch! Ihre Bibliothek sieht jetzt toll aus. Sie können alle Ergebnisse übernehmen.</translation>
    </message>
    <message>
        <source>Relax now. Let me take you to start a great music feast.</source>
        <translation>Entspannen Sie sich. Jetzt beginnt ein großes Musikfest.</translation>
    </message>
    <message>
        <source>Well done. You have defeated most of other computers. Just enjoy your music now.</source>
        <translation>Gut gemacht. Sie haben die meisten anderen Computer übertroffen. Genießen Sie Ihre Musik.</translation>
    </message>
    <message>
        <source>Results applyed.</source>
        <translation>Ergebnisse übernommen.</translation>
    </message>
    <message>
        <source>Results applyed. You can try fix again.</source>
        <translation>Ergebnisse übernommen. Sie können erneut reparieren.</translation>
    </message>
    <message>
        <source>Congratulations, your music library is 100% cleaned!</source>
        <translation>Glückwunsch, Ihre Musikbibliothek ist zu 100 % aufgeräumt!</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Hah, no duplicaites on your PC. Satisfied?</source>
        <translation>Ha, keine Duplikate auf Ihrem PC. Zufrieden?</translation>
    </message>
    <message>
        <source>Huh! I&apos;m having a day off--no duplicates found today.</source>
        <translation>Oh! Heute habe ich frei – keine Duplikate gefunden.</translation>
    </message>
    <message>
        <source>We&apos;re double checked everything. You&apos;re clear now.</source>
        <translation>Wir haben alles doppelt geprüft. Alles sauber.</translation>
    </message>
    <message>
        <source>You won&apos;t believe me, but there are no duplicates on your PC.</source>
        <translation>Kaum zu glauben, aber auf Ihrem PC gibt es keine Duplikate.</translation>
    </message>
    <message>
        <source>Wow. It looks like someone knew I&apos;ll scan all files and cleaned them up in advance.</source>
        <translation>Wow. Als hätte jemand gewusst, dass ich alles durchsuche, und vorher aufgeräumt.</translation>
    </message>
    <message>
        <source>Unbelievable! No unrecognized songs or duplicates found!</source>
        <translation>Unglaublich! Keine unbekannten Titel und keine Duplikate gefunden!</translation>
    </message>
    <message>
        <source>Hah, nothing found. You must be playing &quot;hide-and-seek&quot; with me.</source>
        <translation>Ha, nichts gefunden. Sie spielen wohl „Verstecken“ mit mir.</translation>
    </message>
    <message>
        <source>No songs detected in iTunes. Please check and try again.</source>
        <translation>Keine Titel in iTunes gefunden. Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>No music files found. Please go back and try again.</source>
        <translation>Keine Musikdateien gefunden. Bitte zurückgehen und erneut versuchen.</translation>
    </message>
    <message>
        <source>Invalid project file. Please go back and try again.</source>
        <translation>Ungültige Projektdatei. Bitte zurückgehen und erneut versuchen.</translation>
    </message>
    <message>
        <source>Congratulations! Duplicates has been removed successfully.</source>
        <translation>Glückwunsch! Die Duplikate wurden entfernt.</translation>
    </message>
    <message>
        <source>Some duplicates could not be moved. Click Remove to try again.</source>
        <translation>Einige Duplikate wurden nicht verschoben. Entfernen versucht es erneut.</translation>
    </message>
    <message>
        <source>Duplicates found. Let me help you remove them and keep your library clean.</source>
        <translation>Duplikate gefunden. Ich helfe beim Entfernen, damit Ihre Bibliothek sauber bleibt.</translation>
    </message>
    <message>
        <source>Dear, why not let me help you clean up duplicates immediately?</source>
        <translation>Soll ich die Duplikate gleich für Sie entfernen?</translation>
    </message>
    <message>
        <source>Duplicates appeared. Wanna tidy them and make your library clean?</source>
        <translation>Duplikate entdeckt. Aufräumen und die Bibliothek sauber machen?</translation>
    </message>
    <message>
        <source>Duplicates found. Click Remove to clean up duplicates easily.</source>
        <translation>Duplikate gefunden. Klicken Sie auf Entfernen, um sie einfach zu beseitigen.</translation>
    </message>
    <message>
        <source>Save Result</source>
        <translation>Ergebnis speichern</translation>
    </message>
    <message>
        <source>The project could not be saved. Please choose another folder and try again.</source>
        <translation>Das Projekt konnte nicht gespeichert werden. Bitte wählen Sie einen anderen Ordner und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Select Library XML File</source>
        <translation>Mediathek-XML wählen</translation>
    </message>
    <message>
        <source>Start to Clean iTunes</source>
        <translation>iTunes aufräumen</translation>
    </message>
    <message>
        <source>Tidewell is cleaning up duplicate songs.</source>
        <translation>Tidewell entfernt doppelte Titel.</translation>
    </message>
    <message>
        <source>Continue to scan music library,please wait a moment.</source>
        <translation>Die Musikbibliothek wird weiter durchsucht, bitte einen Moment warten.</translation>
    </message>
    <message>
        <source>Do you want to apply new results?</source>
        <translation>Möchten Sie die neuen Ergebnisse übernehmen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Oops! An error occurred in loading iTunes
library. Please set in iTunes: Preference&gt;
Advance&gt;Share iTunes Library XML with other
application,and Click Try Again to continue.</source>
        <translation>Hoppla! Die iTunes-Mediathekdatei konnte nicht
gelesen werden. Prüfen Sie, ob es eine gültige
iTunes-Mediathekdatei ist, und klicken Sie auf „Wiederholen“.</translation>
    </message>
    <message>
        <source>Scanning music, please wait a moment...</source>
        <translation>Musik wird durchsucht, bitte einen Moment warten...</translation>
    </message>
    <message>
        <source>Preparing report, please wait a moment...</source>
        <translation>Bericht wird vorbereitet, bitte einen Moment warten...</translation>
    </message>
    <message>
        <source>Unbelievable, no music files found! Wanna try again?</source>
        <translation>Unglaublich, keine Musikdateien gefunden! Noch einmal versuchen?</translation>
    </message>
    <message>
        <source>Hah,nothing found. You must be playing &quot;hide-and-seek&quot; with me.</source>
        <translation>Ha, nichts gefunden. Sie spielen wohl „Verstecken“ mit mir.</translation>
    </message>
    <message>
        <source>Congratulations, music library cleaning finished!</source>
        <translation>Glückwunsch, die Musikbibliothek ist aufgeräumt!</translation>
    </message>
    <message>
        <source>Processing failed songs list, please wait...</source>
        <translation>Liste der fehlgeschlagenen Titel wird verarbeitet, bitte warten...</translation>
    </message>
    <message>
        <source>Are you sure you want to replace songs meta
and apply the result?</source>
        <translation>Möchten Sie die Metadaten der Titel wirklich ersetzen
und das Ergebnis übernehmen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Are you sure you want to back to Home?</source>
        <translation>Möchten Sie wirklich zur Startseite zurück?</translation>
    </message>
    <message>
        <source>Are you sure you want to back to Home? If back, the scanning results will not be saved.</source>
        <translation>Möchten Sie wirklich zur Startseite zurück? Dann werden die Suchergebnisse nicht gespeichert.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <comment>menu entry</comment>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>No song could be fixed this time. You can edit the songs yourself or try fix again.</source>
        <translation>Diesmal konnte kein Titel repariert werden. Sie können die Titel selbst bearbeiten oder die Reparatur erneut versuchen.</translation>
    </message>
    <message>
        <source>No music files found in the folders and files you added. Please add others and try again.</source>
        <translation>In den hinzugefügten Ordnern und Dateien wurden keine Musikdateien gefunden. Bitte fügen Sie andere hinzu und versuchen Sie es erneut.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weiterer</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>The recognition service could not be reached. Please check your internet connection and try fix again.</source>
        <translation>Der Erkennungsdienst war nicht erreichbar. Bitte prüfen Sie Ihre Internetverbindung und reparieren Sie erneut.</translation>
    </message>
    <message>
        <source>Some songs could not be fixed this time. You can edit them yourself or try fix again.</source>
        <translation>Einige Titel konnten diesmal nicht repariert werden. Sie können sie selbst bearbeiten oder erneut reparieren.</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) could not be moved to the recycle folder:
%1
Click Remove to try again.</source>
        <translation>
            <numerusform>%n Duplikat konnte nicht in den Papierkorb-Ordner verschoben werden:
%1
Klicken Sie auf Entfernen, um es erneut zu versuchen.</numerusform>
            <numerusform>%n Duplikate konnten nicht in den Papierkorb-Ordner verschoben werden:
%1
Klicken Sie auf Entfernen, um es erneut zu versuchen.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is nothing to scan yet. Add music files or folders, or drop them here, then click Scan.</source>
        <translation>Es gibt noch nichts zu durchsuchen. Fügen Sie Musikdateien oder Ordner hinzu oder ziehen Sie sie hierher, und klicken Sie dann auf Suchen.</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) could not be moved. Click Remove to try again.</source>
        <translation>
            <numerusform>%n Duplikat konnte nicht verschoben werden. Entfernen versucht es erneut.</numerusform>
            <numerusform>%n Duplikate konnten nicht verschoben werden. Entfernen versucht es erneut.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) could not be written: %1.</source>
        <translation>
            <numerusform>%n Titel konnte nicht geschrieben werden: %1.</numerusform>
            <numerusform>%n Titel konnten nicht geschrieben werden: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) were written to their files, but the library file could not be saved: %1.</source>
        <translation>
            <numerusform>%n Titel wurde in seine Datei geschrieben, aber die Mediathekdatei konnte nicht gespeichert werden: %1.</numerusform>
            <numerusform>%n Titel wurden in ihre Dateien geschrieben, aber die Mediathekdatei konnte nicht gespeichert werden: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) whose file is missing could not be removed from the library: %1.</source>
        <translation>
            <numerusform>%n Titel, dessen Datei fehlt, konnte nicht aus der Mediathek entfernt werden: %1.</numerusform>
            <numerusform>%n Titel, deren Dateien fehlen, konnten nicht aus der Mediathek entfernt werden: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The working database could not be saved: %1.</source>
        <translation>Die Arbeitsdatenbank konnte nicht gespeichert werden: %1.</translation>
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
    <name>CModifyMusicInfo</name>
    <message>
        <source>Orginal Tag</source>
        <translation>Original-Tags</translation>
    </message>
    <message>
        <source>New Tag</source>
        <translation>Neue Tags</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Interpret:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre:</translation>
    </message>
    <message>
        <source>Please, music title cannot be empty.</source>
        <translation>Der Titelname darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Sorry, the file you dragged-in is not a valid
image file.</source>
        <translation>Die hineingezogene Datei ist leider keine gültige
Bilddatei.</translation>
    </message>
    <message>
        <source>Sorry, the changes to this song could not be saved.</source>
        <translation>Die Änderungen an diesem Titel konnten leider nicht gespeichert werden.</translation>
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
    <message>
        <source>None</source>
        <translation>Keiner</translation>
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
    <name>CRangeValidator</name>
    <message>
        <source>Enter a number from %1 to %2.</source>
        <translation>Geben Sie eine Zahl von %1 bis %2 ein.</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>%1 is already running. Please use its open window.</source>
        <translation>%1 läuft bereits. Bitte verwenden Sie das geöffnete Fenster.</translation>
    </message>
</context>
<context>
    <name>CStartUI</name>
    <message>
        <source>Start to Clean iTunes</source>
        <translation>iTunes aufräumen</translation>
    </message>
    <message>
        <source>Open Music Files</source>
        <translation>Musikdateien öffnen</translation>
    </message>
    <message>
        <source>Load Saved Result</source>
        <translation>Ergebnis laden</translation>
    </message>
    <message>
        <source>Clean-up Duplicates</source>
        <translation>Duplikate entfernen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
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
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Last fixing project was interrupted
unexpectedly. Do you want to continue it?</source>
        <translation>Die letzte Reparatur wurde unerwartet
unterbrochen. Möchten Sie sie fortsetzen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open Library.xml</source>
        <translation>Library.xml öffnen</translation>
    </message>
    <message>
        <source>Open Files And Folders</source>
        <translation>Dateien und Ordner öffnen</translation>
    </message>
    <message>
        <source>Music Files(%1)</source>
        <translation>Musikdateien(%1)</translation>
    </message>
    <message>
        <source>Open Result File</source>
        <translation>Ergebnisdatei öffnen</translation>
    </message>
    <message>
        <source>Select Library XML File</source>
        <translation>Mediathek-XML wählen</translation>
    </message>
    <message>
        <source>Recycle folder</source>
        <translation>Papierkorb-Ordner</translation>
    </message>
    <message>
        <source>Tidewell was ended while it moved songs into or out of the recycle folder. The copies it moved remain there:
%1</source>
        <translation>Tidewell wurde beendet, während es Titel in den Papierkorb-Ordner oder aus ihm heraus verschob. Die verschobenen Kopien liegen weiterhin dort:
%1</translation>
    </message>
</context>
<context>
    <name>CTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
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
    <name>CUpdateCheck</name>
    <message>
        <source>A new version of %1 found! 
Current version: %2
New version: %3

Would you like to update the product?</source>
        <translation>Eine neue Version von %1 ist verfügbar! 
Aktuelle Version: %2
Neue Version: %3

Möchten Sie das Produkt aktualisieren?</translation>
    </message>
    <message>
        <source>You are using the newest version.</source>
        <translation>Sie verwenden die neueste Version.</translation>
    </message>
    <message>
        <source>Failed to find product record.</source>
        <translation>Produkteintrag nicht gefunden.</translation>
    </message>
    <message>
        <source>Failed to connect the server. 
Please check the validity of the proxy.</source>
        <translation>Verbindung zum Server fehlgeschlagen. 
Bitte prüfen Sie die Proxy-Einstellungen.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Failed to connect the server. 
Please check your network connection.</source>
        <translation>Verbindung zum Server fehlgeschlagen. 
Bitte prüfen Sie Ihre Netzwerkverbindung.</translation>
    </message>
    <message>
        <source>A new version of %1 found! 
Current version: %2
New version: %3

The update server gave no web address to download it from.</source>
        <translation>Eine neue Version von %1 ist verfügbar! 
Aktuelle Version: %2
Neue Version: %3

Der Update-Server nannte keine Webadresse zum Herunterladen.</translation>
    </message>
    <message>
        <source>The update server did not send the update information (HTTP status %1).</source>
        <translation>Der Update-Server hat die Update-Informationen nicht gesendet (HTTP-Status %1).</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read as update information.</source>
        <translation>Die Antwort des Update-Servers ließ sich nicht als Update-Information lesen.</translation>
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
    <name>FileDialogs</name>
    <message>
        <source>files (*.zavrodata)</source>
        <translation>Projektdateien (*.zavrodata)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Bug sending failed. Would you like to send the bug via email manually?</source>
        <translation>Der Fehlerbericht konnte nicht gesendet werden. Möchten Sie ihn selbst per E-Mail senden?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Unknown %1</source>
        <translation>%1 unbekannt</translation>
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
