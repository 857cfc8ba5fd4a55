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
        <translation>Music database powered by ACRCloud</translation>
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
    <name>CAnalyReport</name>
    <message>
        <source>Unrecognized Songs</source>
        <translation>Unrecognized Songs</translation>
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
        <source>Song title</source>
        <translation>Song title</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
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
        <source>Congratulations, your music library is 100% cleaned!</source>
        <translation>Congratulations, your music library is 100% cleaned!</translation>
    </message>
</context>
<context>
    <name>CBugReport</name>
    <message>
        <source>BugReport</source>
        <translation>Bug Report</translation>
    </message>
    <message>
        <source>Your Name:</source>
        <translation>Your Name:</translation>
    </message>
    <message>
        <source>~description here!</source>
        <translation>Describe the problem here.</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Invalid e-mail, please enter a correct one.</source>
        <translation>Invalid e-mail, please enter a correct one.</translation>
    </message>
    <message>
        <source>The report includes the program&apos;s logs, its settings and your whole iTunes library file.</source>
        <translation>The report includes the program&apos;s logs, its settings and your whole iTunes library file.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
</context>
<context>
    <name>CBugReportSender</name>
    <message>
        <source>Bug Report</source>
        <translation>Bug Report</translation>
    </message>
    <message>
        <source>Please attach this file to an email to %1:
%2</source>
        <translation>Please attach this file to an email to %1:
%2</translation>
    </message>
    <message>
        <source>The report&apos;s files could not be packed. Send the description alone?</source>
        <translation>The report&apos;s files could not be packed. Send the description alone?</translation>
    </message>
    <message>
        <source>The bug report was sent. Thank you.</source>
        <translation>The bug report was sent. Thank you.</translation>
    </message>
    <message>
        <source>The bug report could not be sent.</source>
        <translation>The bug report could not be sent.</translation>
    </message>
    <message numerus="yes">
        <source>%n bug report(s) could not be sent before the program closed. They are kept in this folder; please attach their files to an email to %1:
%2</source>
        <translation>
            <numerusform>%n bug report could not be sent before the program closed. It is kept in this folder; please attach its files to an email to %1:
%2</numerusform>
            <numerusform>%n bug reports could not be sent before the program closed. They are kept in this folder; please attach their files to an email to %1:
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
            <numerusform>Scanned %n song</numerusform>
            <numerusform>Scanned %n songs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without artwork.</source>
        <translation>
            <numerusform>%n song without artwork.</numerusform>
            <numerusform>%n songs without artwork.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without artwork.</source>
        <translation>
            <numerusform>Fixed %n song without artwork.</numerusform>
            <numerusform>Fixed %n songs without artwork.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n song(s) not fixed.</source>
        <translation>
            <numerusform>Still %n song not fixed.</numerusform>
            <numerusform>Still %n songs not fixed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without artist.</source>
        <translation>
            <numerusform>%n song without artist.</numerusform>
            <numerusform>%n songs without artist.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without artist.</source>
        <translation>
            <numerusform>Fixed %n song without artist.</numerusform>
            <numerusform>Fixed %n songs without artist.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without album.</source>
        <translation>
            <numerusform>%n song without album.</numerusform>
            <numerusform>%n songs without album.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without album.</source>
        <translation>
            <numerusform>Fixed %n song without album.</numerusform>
            <numerusform>Fixed %n songs without album.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) unwritable,check them if exist in your computer.</source>
        <translation>
            <numerusform>%n song cannot be written. Please check that it exists on your computer.</numerusform>
            <numerusform>%n songs cannot be written. Please check that they exist on your computer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unwritable song(s) not fixed，please check them if exist in your computer.</source>
        <translation>
            <numerusform>%n song could not be written and was not fixed. Please check that it exists on your computer.</numerusform>
            <numerusform>%n songs could not be written and were not fixed. Please check that they exist on your computer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n problem(s).</source>
        <translation>
            <numerusform>Fixed %n problem.</numerusform>
            <numerusform>Fixed %n problems.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n song(s) unrecognized.</source>
        <translation>
            <numerusform>Still %n song unrecognized.</numerusform>
            <numerusform>Still %n songs unrecognized.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s)</source>
        <translation>
            <numerusform>Fixed %n song</numerusform>
            <numerusform>Fixed %n songs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s).</source>
        <translation>
            <numerusform>%n problem.</numerusform>
            <numerusform>%n problems.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n problem(s) not fixed.</source>
        <translation>
            <numerusform>Still %n problem not fixed.</numerusform>
            <numerusform>Still %n problems not fixed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>found %n duplicate(s).</source>
        <translation>
            <numerusform>found %n duplicate.</numerusform>
            <numerusform>found %n duplicates.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n duplicate(s). If not sure to remove, you can undo the removal.</source>
        <translation>
            <numerusform>Removed %n duplicate. If you change your mind, you can restore it.</numerusform>
            <numerusform>Removed %n duplicates. If you change your mind, you can restore them.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s)</source>
        <translation>
            <numerusform>%n duplicate</numerusform>
            <numerusform>%n duplicates</numerusform>
        </translation>
    </message>
    <message>
        <source>Tidewell will clear the duplicates removal
history that exists over %1 in %2.</source>
        <translation>Tidewell will clear the removal history older
than %1 in %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>history older than</comment>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <comment>cleared in</comment>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n missing song(s) from the library.</source>
        <translation>
            <numerusform>%n missing song was removed from the library.</numerusform>
            <numerusform>%n missing songs were removed from the library.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDesktopHandOver</name>
    <message>
        <source>No email program could be opened. Please write to:
%1</source>
        <translation>No email program could be opened. Please write to:
%1</translation>
    </message>
    <message>
        <source>No web browser could be opened. Please visit:
%1</source>
        <translation>No web browser could be opened. Please visit:
%1</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>No file manager could be opened. The folder is:
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
        <translation>Path</translation>
    </message>
    <message>
        <source>    Remove File</source>
        <translation>    Remove File</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
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
        <translation>Are you sure you want to remove all the checked files?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Restore music failed</source>
        <translation>The song could not be restored.</translation>
    </message>
    <message>
        <source>Undo remove failed. No remove history found
in the Zavro_Recycle Bin.</source>
        <translation>The removal could not be undone. No removal history
was found in the Zavro_Recycle Bin.</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>Sure</translation>
    </message>
    <message>
        <source>The song could not be restored. It is still in the recycle folder:
%1</source>
        <translation>The song could not be restored. It is still in the recycle folder:
%1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbps</translation>
    </message>
    <message>
        <source>The song&apos;s entry could not be given back to the library. Its file is in place and stays in the library through another entry:
%1</source>
        <translation>The song&apos;s entry could not be given back to the library. Its file is in place and stays in the library through another entry:
%1</translation>
    </message>
    <message>
        <source>The removal could not be saved in the working database:
%1
The removed copies are in the recycle folder. Click Remove to save it.</source>
        <translation>The removal could not be saved in the working database:
%1
The removed copies are in the recycle folder. Click Remove to save it.</translation>
    </message>
    <message>
        <source>Remove music failed</source>
        <translation>Remove music failed</translation>
    </message>
</context>
<context>
    <name>CDuplicateWidget</name>
    <message>
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message>
        <source>Please choose one scanning
mode to search duplicates.</source>
        <translation>Please choose a scan mode
to search for duplicates.</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>Quick Scan</translation>
    </message>
    <message>
        <source>Deep Scan</source>
        <translation>Deep Scan</translation>
    </message>
    <message>
        <source>It might take some time to
determine duplicates with acoustic
fingerprint. Please be patient.</source>
        <translation>Finding duplicates by acoustic
fingerprint may take some time.
Please be patient.</translation>
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
        <source>File size</source>
        <translation>File size</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Match Degree: </source>
        <translation>Match level: </translation>
    </message>
    <message>
        <source>   Show Remove History</source>
        <translation>   Show Removal History</translation>
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
        <translation>Path</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>File Size</translation>
    </message>
    <message>
        <source>Scan iTunes</source>
        <translation>Scan iTunes</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Open Files And Folders</source>
        <translation>Open Files And Folders</translation>
    </message>
    <message>
        <source>Music Files(%1)</source>
        <translation>Music Files (%1)</translation>
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
        <translation>Check All</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>Uncheck All</translation>
    </message>
    <message>
        <source>Check selected</source>
        <translation>Check Selected</translation>
    </message>
    <message>
        <source>Uncheck selected</source>
        <translation>Uncheck Selected</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Show in Folder</translation>
    </message>
</context>
<context>
    <name>CGeneralWidget</name>
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
        <translation>Replace the songs&apos; original tags</translation>
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
        <translation>     Replace the songs&apos; original tags with the new information
     from our server. This corrects wrong tags, but also
     overwrites some of your own custom entries.</translation>
    </message>
</context>
<context>
    <name>CHistoryOptWidget</name>
    <message>
        <source>Automatically clear the duplicates removal history that exists over</source>
        <translation>Automatically clear removal history older than</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>day(s).</source>
        <comment>after the number of days</comment>
        <translation>
            <numerusform>day.</numerusform>
            <numerusform>days.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLabelArtwork</name>
    <message>
        <source>Playback failure!</source>
        <translation>The song could not be played.</translation>
    </message>
</context>
<context>
    <name>CMainUI</name>
    <message>
        <source>Music List Score: </source>
        <translation>Library score: </translation>
    </message>
    <message>
        <source>Scanning Library: </source>
        <translation>Scanning library: </translation>
    </message>
    <message>
        <source>Refix</source>
        <translation>Refix</translation>
    </message>
    <message>
        <source>You can </source>
        <translation>You can </translation>
    </message>
    <message>
        <source>Apply Result</source>
        <translation>Apply Result</translation>
    </message>
    <message>
        <source> now, or </source>
        <translation> now, or </translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Save Project</translation>
    </message>
    <message>
        <source> to continue next time.</source>
        <translation> to continue next time.</translation>
    </message>
    <message>
        <source>   Pause</source>
        <translation>   Pause</translation>
    </message>
    <message>
        <source>   Fix All</source>
        <translation>   Fix All</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>  Try Again</source>
        <translation>  Try Again</translation>
    </message>
    <message>
        <source>   Scan</source>
        <translation>   Scan</translation>
    </message>
    <message>
        <source>   Remove</source>
        <translation>   Remove</translation>
    </message>
    <message>
        <source>  Home</source>
        <translation>  Home</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation>Welcome!</translation>
    </message>
    <message>
        <source>Tidewell is the only tool you need to tidy your music library!</source>
        <translation>Tidewell is the only tool you need to tidy your music library!</translation>
    </message>
    <message>
        <source>Library Music</source>
        <translation>Library Music</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>EULA</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>Bug Report</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Let Tidewell help you clean-up duplicate songs in your music library!</source>
        <translation>Let Tidewell help you clean up the duplicate songs in your music library!</translation>
    </message>
    <message>
        <source>Drag-and-drop or Add music files or folder(s) to find duplicates.</source>
        <translation>Drag and drop or add music files or folders to find duplicates.</translation>
    </message>
    <message>
        <source>   Continue</source>
        <translation>   Continue</translation>
    </message>
    <message>
        <source>Paused. Wanna continue and explore the world of music?</source>
        <translation>Paused. Do you want to continue and explore the world of music?</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Loading, please wait...</translation>
    </message>
    <message>
        <source>%1  %2  %3</source>
        <translation>%1  %2  %3</translation>
    </message>
    <message>
        <source>Analyzing Library: </source>
        <translation>Analyzing library: </translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>Paused.</translation>
    </message>
    <message>
        <source>Fixing Songs Without Album Artwork: %1</source>
        <translation>Fixing Songs Without Album Artwork: %1</translation>
    </message>
    <message>
        <source>Fixing Songs Without Album: %1</source>
        <translation>Fixing Songs Without Album: %1</translation>
    </message>
    <message>
        <source>Fixing Songs Without Artist: %1</source>
        <translation>Fixing Songs Without Artist: %1</translation>
    </message>
    <message>
        <source>Fixing unrecognized song: %1</source>
        <translation>Fixing unrecognized song: %1</translation>
    </message>
    <message>
        <source>Continue to fix, please wait a moment.</source>
        <translation>Continuing to fix, please wait a moment.</translation>
    </message>
    <message>
        <source>Paused. Wanna continue and experience a new library?</source>
        <translation>Paused. Do you want to continue and enjoy a renewed library?</translation>
    </message>
    <message>
        <source>Applying the results, please wait a moment.</source>
        <translation>Applying the results, please wait a moment.</translation>
    </message>
    <message>
        <source>Removing duplicates music, please wait...</source>
        <translation>Removing duplicate songs, please wait...</translation>
    </message>
    <message>
        <source>Continue to apply the results,please wait a moment.</source>
        <translation>Continuing to apply the results, please wait a moment.</translation>
    </message>
    <message>
        <source>Uh, mess library. It is urgent to clean up your music now. Let&apos;s start.</source>
        <translation>Uh, messy library. It is urgent to clean up your music now. Let&apos;s start.</translation>
    </message>
    <message>
        <source>Dear, how mess your library is. May I help you clean up it?</source>
        <translation>Dear, what a mess your library is. May I help you clean it up?</translation>
    </message>
    <message>
        <source>Oops, music library in chaos! Go ahead to clean up them now.</source>
        <translation>Oops, music library in chaos! Go ahead and clean it up now.</translation>
    </message>
    <message>
        <source>It looks OK. But the library looks incomplete. Why not Fix All and perfect them?</source>
        <translation>It looks OK, but the library is incomplete. Why not use Fix All and perfect it?</translation>
    </message>
    <message>
        <source>Looks OK but you&apos;d better clean up your library soon. Why not let me help you, darling?</source>
        <translation>Looks OK but you&apos;d better clean up your library soon. Why not let me help you, darling?</translation>
    </message>
    <message>
        <source>Oh, dear, just slow down and take care of your lovely songs. They need your attention.</source>
        <translation>Oh, dear, just slow down and take care of your lovely songs. They need your attention.</translation>
    </message>
    <message>
        <source>Nice library list. Take a little time will make it more charming. Go to Fix All.</source>
        <translation>Nice library. A little time will make it even more charming. Go to Fix All.</translation>
    </message>
    <message>
        <source>How considerate you are. I can not wait to listen to them any more.</source>
        <translation>How considerate you are. I can&apos;t wait to listen to them.</translation>
    </message>
    <message>
        <source>I can&apos;t believe!  You get such a good result. Wanna break the record?</source>
        <translation>I can&apos;t believe it! You got such a good result. Do you want to break the record?</translation>
    </message>
    <message>
        <source>Almost perfect. Only one click will organize them well. Just go!</source>
        <translation>Almost perfect. One click will put them in order. Just go!</translation>
    </message>
    <message>
        <source>You won&apos;t believe me. Few songs are incomplete. Just one click will recover them.</source>
        <translation>You won&apos;t believe me. A few songs are incomplete. Just one click will recover them.</translation>
    </message>
    <message>
        <source>Aha, excellent. But I have the magic power to make it better. Wanna experience?</source>
        <translation>Aha, excellent. But I have the magic to make it even better. Want to see?</translation>
    </message>
    <message>
        <source>Congrats! Your library looks great now. You can apply all the results now.</source>
        <translation>Congrats! Your library looks great now. You can apply all the results now.</translation>
    </message>
    <message>
        <source>Relax now. Let me take you to start a great music feast.</source>
        <translation>Relax now. Let me treat you to a great music feast.</translation>
    </message>
    <message>
        <source>Well done. You have defeated most of other computers. Just enjoy your music now.</source>
        <translation>Well done. Your library beats most others. Just enjoy your music now.</translation>
    </message>
    <message>
        <source>Results applyed.</source>
        <translation>Results applied.</translation>
    </message>
    <message>
        <source>Results applyed. You can try fix again.</source>
        <translation>Results applied. You can try to fix the rest again.</translation>
    </message>
    <message>
        <source>Congratulations, your music library is 100% cleaned!</source>
        <translation>Congratulations, your music library is 100% cleaned!</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Hah, no duplicaites on your PC. Satisfied?</source>
        <translation>Hah, no duplicates on your PC. Satisfied?</translation>
    </message>
    <message>
        <source>Huh! I&apos;m having a day off--no duplicates found today.</source>
        <translation>Huh! I&apos;m having a day off: no duplicates found today.</translation>
    </message>
    <message>
        <source>We&apos;re double checked everything. You&apos;re clear now.</source>
        <translation>We&apos;ve double-checked everything. You&apos;re clear now.</translation>
    </message>
    <message>
        <source>You won&apos;t believe me, but there are no duplicates on your PC.</source>
        <translation>You won&apos;t believe me, but there are no duplicates on your PC.</translation>
    </message>
    <message>
        <source>Wow. It looks like someone knew I&apos;ll scan all files and cleaned them up in advance.</source>
        <translation>Wow. It looks like someone knew I would scan all the files and cleaned them up in advance.</translation>
    </message>
    <message>
        <source>Unbelievable! No unrecognized songs or duplicates found!</source>
        <translation>Unbelievable! No unrecognized songs or duplicates found!</translation>
    </message>
    <message>
        <source>Hah, nothing found. You must be playing &quot;hide-and-seek&quot; with me.</source>
        <translation>Hah, nothing found. You must be playing &quot;hide-and-seek&quot; with me.</translation>
    </message>
    <message>
        <source>No songs detected in iTunes. Please check and try again.</source>
        <translation>No songs detected in iTunes. Please check and try again.</translation>
    </message>
    <message>
        <source>No music files found. Please go back and try again.</source>
        <translation>No music files found. Please go back and try again.</translation>
    </message>
    <message>
        <source>Invalid project file. Please go back and try again.</source>
        <translation>Invalid project file. Please go back and try again.</translation>
    </message>
    <message>
        <source>Congratulations! Duplicates has been removed successfully.</source>
        <translation>Congratulations! The duplicates have been removed.</translation>
    </message>
    <message>
        <source>Some duplicates could not be moved. Click Remove to try again.</source>
        <translation>Some duplicates could not be moved. Click Remove to try again.</translation>
    </message>
    <message>
        <source>Duplicates found. Let me help you remove them and keep your library clean.</source>
        <translation>Duplicates found. Let me help you remove them and keep your library clean.</translation>
    </message>
    <message>
        <source>Dear, why not let me help you clean up duplicates immediately?</source>
        <translation>Dear, why not let me help you clean up duplicates immediately?</translation>
    </message>
    <message>
        <source>Duplicates appeared. Wanna tidy them and make your library clean?</source>
        <translation>Duplicates found. Do you want to tidy them up and make your library clean?</translation>
    </message>
    <message>
        <source>Duplicates found. Click Remove to clean up duplicates easily.</source>
        <translation>Duplicates found. Click Remove to clean up duplicates easily.</translation>
    </message>
    <message>
        <source>Save Result</source>
        <translation>Save Result</translation>
    </message>
    <message>
        <source>The project could not be saved. Please choose another folder and try again.</source>
        <translation>The project could not be saved. Please choose another folder and try again.</translation>
    </message>
    <message>
        <source>Select Library XML File</source>
        <translation>Select Library XML File</translation>
    </message>
    <message>
        <source>Start to Clean iTunes</source>
        <translation>Start Cleaning iTunes</translation>
    </message>
    <message>
        <source>Tidewell is cleaning up duplicate songs.</source>
        <translation>Tidewell is cleaning up duplicate songs.</translation>
    </message>
    <message>
        <source>Continue to scan music library,please wait a moment.</source>
        <translation>Continuing to scan the music library, please wait a moment.</translation>
    </message>
    <message>
        <source>Do you want to apply new results?</source>
        <translation>Do you want to apply new results?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>Oops! An error occurred in loading iTunes
library. Please set in iTunes: Preference&gt;
Advance&gt;Share iTunes Library XML with other
application,and Click Try Again to continue.</source>
        <translation>Oops! The iTunes library file could not be read.
Please make sure it is a valid iTunes library
file, then click Try Again to continue.</translation>
    </message>
    <message>
        <source>Scanning music, please wait a moment...</source>
        <translation>Scanning music, please wait a moment...</translation>
    </message>
    <message>
        <source>Preparing report, please wait a moment...</source>
        <translation>Preparing report, please wait a moment...</translation>
    </message>
    <message>
        <source>Unbelievable, no music files found! Wanna try again?</source>
        <translation>Unbelievable, no music files found! Do you want to try again?</translation>
    </message>
    <message>
        <source>Hah,nothing found. You must be playing &quot;hide-and-seek&quot; with me.</source>
        <translation>Hah, nothing found. You must be playing &quot;hide-and-seek&quot; with me.</translation>
    </message>
    <message>
        <source>Congratulations, music library cleaning finished!</source>
        <translation>Congratulations, music library cleaning finished!</translation>
    </message>
    <message>
        <source>Processing failed songs list, please wait...</source>
        <translation>Processing the list of failed songs, please wait...</translation>
    </message>
    <message>
        <source>Are you sure you want to replace songs meta
and apply the result?</source>
        <translation>Are you sure you want to replace the songs&apos; tags
and apply the result?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Are you sure you want to back to Home?</source>
        <translation>Are you sure you want to go back to Home?</translation>
    </message>
    <message>
        <source>Are you sure you want to back to Home? If back, the scanning results will not be saved.</source>
        <translation>Are you sure you want to go back to Home? If you do, the scan results will not be saved.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <comment>menu entry</comment>
        <translation>Save Project</translation>
    </message>
    <message>
        <source>No song could be fixed this time. You can edit the songs yourself or try fix again.</source>
        <translation>No song could be fixed this time. You can edit the songs yourself or try to fix them again.</translation>
    </message>
    <message>
        <source>No music files found in the folders and files you added. Please add others and try again.</source>
        <translation>No music files found in the folders and files you added. Please add others and try again.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>The recognition service could not be reached. Please check your internet connection and try fix again.</source>
        <translation>The recognition service could not be reached. Please check your internet connection and try to fix again.</translation>
    </message>
    <message>
        <source>Some songs could not be fixed this time. You can edit them yourself or try fix again.</source>
        <translation>Some songs could not be fixed this time. You can edit them yourself or try to fix them again.</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) could not be moved to the recycle folder:
%1
Click Remove to try again.</source>
        <translation>
            <numerusform>%n duplicate could not be moved to the recycle folder:
%1
Click Remove to try again.</numerusform>
            <numerusform>%n duplicates could not be moved to the recycle folder:
%1
Click Remove to try again.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is nothing to scan yet. Add music files or folders, or drop them here, then click Scan.</source>
        <translation>There is nothing to scan yet. Add music files or folders, or drop them here, then click Scan.</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) could not be moved. Click Remove to try again.</source>
        <translation>
            <numerusform>%n duplicate could not be moved. Click Remove to try again.</numerusform>
            <numerusform>%n duplicates could not be moved. Click Remove to try again.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) could not be written: %1.</source>
        <translation>
            <numerusform>%n song could not be written: %1.</numerusform>
            <numerusform>%n songs could not be written: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) were written to their files, but the library file could not be saved: %1.</source>
        <translation>
            <numerusform>%n song was written to its file, but the library file could not be saved: %1.</numerusform>
            <numerusform>%n songs were written to their files, but the library file could not be saved: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) whose file is missing could not be removed from the library: %1.</source>
        <translation>
            <numerusform>%n song whose file is missing could not be removed from the library: %1.</numerusform>
            <numerusform>%n songs whose files are missing could not be removed from the library: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The working database could not be saved: %1.</source>
        <translation>The working database could not be saved: %1.</translation>
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
    <name>CModifyMusicInfo</name>
    <message>
        <source>Orginal Tag</source>
        <translation>Original Tag</translation>
    </message>
    <message>
        <source>New Tag</source>
        <translation>New Tag</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artist:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre:</translation>
    </message>
    <message>
        <source>Please, music title cannot be empty.</source>
        <translation>The song title cannot be empty.</translation>
    </message>
    <message>
        <source>Sorry, the file you dragged-in is not a valid
image file.</source>
        <translation>Sorry, the file you dragged in is not a valid
image file.</translation>
    </message>
    <message>
        <source>Sorry, the changes to this song could not be saved.</source>
        <translation>Sorry, the changes to this song could not be saved.</translation>
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
    <message>
        <source>None</source>
        <translation>None</translation>
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
    <name>CRangeValidator</name>
    <message>
        <source>Enter a number from %1 to %2.</source>
        <translation>Enter a number from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>%1 is already running. Please use its open window.</source>
        <translation>%1 is already running. Please use its open window.</translation>
    </message>
</context>
<context>
    <name>CStartUI</name>
    <message>
        <source>Start to Clean iTunes</source>
        <translation>Start Cleaning iTunes</translation>
    </message>
    <message>
        <source>Open Music Files</source>
        <translation>Open Music Files</translation>
    </message>
    <message>
        <source>Load Saved Result</source>
        <translation>Load Saved Result</translation>
    </message>
    <message>
        <source>Clean-up Duplicates</source>
        <translation>Clean Up Duplicates</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
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
        <translation>Continue</translation>
    </message>
    <message>
        <source>Last fixing project was interrupted
unexpectedly. Do you want to continue it?</source>
        <translation>Your last fixing session was interrupted
unexpectedly. Do you want to continue it?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Open Library.xml</source>
        <translation>Open Library.xml</translation>
    </message>
    <message>
        <source>Open Files And Folders</source>
        <translation>Open Files And Folders</translation>
    </message>
    <message>
        <source>Music Files(%1)</source>
        <translation>Music Files (%1)</translation>
    </message>
    <message>
        <source>Open Result File</source>
        <translation>Open Result File</translation>
    </message>
    <message>
        <source>Select Library XML File</source>
        <translation>Select Library XML File</translation>
    </message>
    <message>
        <source>Recycle folder</source>
        <translation>Recycle folder</translation>
    </message>
    <message>
        <source>Tidewell was ended while it moved songs into or out of the recycle folder. The copies it moved remain there:
%1</source>
        <translation>Tidewell was ended while it moved songs into or out of the recycle folder. The copies it moved remain there:
%1</translation>
    </message>
</context>
<context>
    <name>CTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
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
    <name>CUpdateCheck</name>
    <message>
        <source>A new version of %1 found! 
Current version: %2
New version: %3

Would you like to update the product?</source>
        <translation>A new version of %1 is available!
Current version: %2
New version: %3

Would you like to update?</translation>
    </message>
    <message>
        <source>You are using the newest version.</source>
        <translation>You are using the newest version.</translation>
    </message>
    <message>
        <source>Failed to find product record.</source>
        <translation>No update information was found for this product.</translation>
    </message>
    <message>
        <source>Failed to connect the server. 
Please check the validity of the proxy.</source>
        <translation>Could not connect to the server.
Please check your proxy settings.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unknown error.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Failed to connect the server. 
Please check your network connection.</source>
        <translation>Could not connect to the server.
Please check your network connection.</translation>
    </message>
    <message>
        <source>A new version of %1 found! 
Current version: %2
New version: %3

The update server gave no web address to download it from.</source>
        <translation>A new version of %1 found! 
Current version: %2
New version: %3

The update server gave no web address to download it from.</translation>
    </message>
    <message>
        <source>The update server did not send the update information (HTTP status %1).</source>
        <translation>The update server did not send the update information (HTTP status %1).</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read as update information.</source>
        <translation>The update server&apos;s answer could not be read as update information.</translation>
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
        <translation>Number of days between update checks (at least 1)</translation>
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
        <translation>files (*.zavrodata)</translation>
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
        <translation>The bug report could not be sent. Would you like to send it by email yourself?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Unknown %1</source>
        <translation>Unknown %1</translation>
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
