<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Tidewell</source>
        <translation>Tidewell</translation>
    </message>
    <message>
        <source>Copyright (C) Zavro. All rights reserved.</source>
        <translation>Copyright (C) Zavro. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Music database powered by ACRcloud</source>
        <translation>Base de données musicale : ACRcloud</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Assistance :</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Site web :</translation>
    </message>
</context>
<context>
    <name>CAnalyReport</name>
    <message>
        <source>Unrecognized Songs</source>
        <translation>Morceaux non reconnus</translation>
    </message>
    <message>
        <source>Songs Without Album Artwork</source>
        <translation>Morceaux sans pochette</translation>
    </message>
    <message>
        <source>Songs Without Artist</source>
        <translation>Morceaux sans artiste</translation>
    </message>
    <message>
        <source>Songs Without Album</source>
        <translation>Morceaux sans album</translation>
    </message>
    <message>
        <source>Songs Without Original Files</source>
        <translation>Morceaux sans fichier d&apos;origine</translation>
    </message>
    <message>
        <source>Song title</source>
        <translation>Titre du morceau</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artiste</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Congratulations, your music library is 100% cleaned!</source>
        <translation>Félicitations, votre bibliothèque musicale est propre à 100 % !</translation>
    </message>
</context>
<context>
    <name>CBugReport</name>
    <message>
        <source>BugReport</source>
        <translation>Rapport de bug</translation>
    </message>
    <message>
        <source>Your Name:</source>
        <translation>Votre nom :</translation>
    </message>
    <message>
        <source>~description here!</source>
        <translation>Décrivez le problème ici.</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Invalid e-mail, please enter a correct one.</source>
        <translation>Adresse e-mail non valide, veuillez en saisir une correcte.</translation>
    </message>
    <message>
        <source>The report includes the program&apos;s logs, its settings and your whole iTunes library file.</source>
        <translation>Le rapport contient les journaux du programme, ses réglages et l’intégralité de votre fichier de bibliothèque iTunes.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
</context>
<context>
    <name>CBugReportSender</name>
    <message>
        <source>Bug Report</source>
        <translation>Rapport de bogue</translation>
    </message>
    <message>
        <source>Please attach this file to an email to %1:
%2</source>
        <translation>Veuillez joindre ce fichier à un e-mail adressé à %1 :
%2</translation>
    </message>
    <message>
        <source>The report&apos;s files could not be packed. Send the description alone?</source>
        <translation>Les fichiers du rapport n’ont pas pu être compressés. Envoyer la description seule ?</translation>
    </message>
    <message>
        <source>The bug report was sent. Thank you.</source>
        <translation>Le rapport de bogue a été envoyé. Merci.</translation>
    </message>
    <message>
        <source>The bug report could not be sent.</source>
        <translation>Le rapport de bogue n’a pas pu être envoyé.</translation>
    </message>
    <message numerus="yes">
        <source>%n bug report(s) could not be sent before the program closed. They are kept in this folder; please attach their files to an email to %1:
%2</source>
        <translation>
            <numerusform>%n rapport de bogue n’a pas pu être envoyé avant la fermeture du programme. Il est conservé dans ce dossier ; veuillez joindre ses fichiers à un e-mail adressé à %1 :
%2</numerusform>
            <numerusform>%n rapports de bogue n’ont pas pu être envoyés avant la fermeture du programme. Ils sont conservés dans ce dossier ; veuillez joindre leurs fichiers à un e-mail adressé à %1 :
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
            <numerusform>%n morceau analysé</numerusform>
            <numerusform>%n morceaux analysés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without artwork.</source>
        <translation>
            <numerusform>%n sans pochette.</numerusform>
            <numerusform>%n sans pochette.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without artwork.</source>
        <translation>
            <numerusform>%n morceau sans pochette corrigé.</numerusform>
            <numerusform>%n morceaux sans pochette corrigés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n song(s) not fixed.</source>
        <translation>
            <numerusform>Encore %n non corrigé.</numerusform>
            <numerusform>Encore %n non corrigés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without artist.</source>
        <translation>
            <numerusform>%n sans artiste.</numerusform>
            <numerusform>%n sans artiste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without artist.</source>
        <translation>
            <numerusform>%n morceau sans artiste corrigé.</numerusform>
            <numerusform>%n morceaux sans artiste corrigés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without album.</source>
        <translation>
            <numerusform>%n sans album.</numerusform>
            <numerusform>%n sans album.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without album.</source>
        <translation>
            <numerusform>%n morceau sans album corrigé.</numerusform>
            <numerusform>%n morceaux sans album corrigés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) unwritable,check them if exist in your computer.</source>
        <translation>
            <numerusform>%n non modifiable. Vérifiez qu&apos;il existe sur votre ordinateur.</numerusform>
            <numerusform>%n non modifiables. Vérifiez qu&apos;ils existent sur votre ordinateur.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unwritable song(s) not fixed，please check them if exist in your computer.</source>
        <translation>
            <numerusform>%n morceau non modifiable non corrigé, vérifiez qu&apos;il existe sur votre ordinateur.</numerusform>
            <numerusform>%n morceaux non modifiables non corrigés, vérifiez qu&apos;ils existent sur votre ordinateur.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n problem(s).</source>
        <translation>
            <numerusform>%n problème corrigé.</numerusform>
            <numerusform>%n problèmes corrigés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n song(s) unrecognized.</source>
        <translation>
            <numerusform>Encore %n morceau non reconnu.</numerusform>
            <numerusform>Encore %n morceaux non reconnus.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s)</source>
        <translation>
            <numerusform>%n morceau corrigé</numerusform>
            <numerusform>%n morceaux corrigés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s).</source>
        <translation>
            <numerusform>%n problème.</numerusform>
            <numerusform>%n problèmes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n problem(s) not fixed.</source>
        <translation>
            <numerusform>Encore %n problème non corrigé.</numerusform>
            <numerusform>Encore %n problèmes non corrigés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>found %n duplicate(s).</source>
        <translation>
            <numerusform>%n doublon trouvé.</numerusform>
            <numerusform>%n doublons trouvés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n duplicate(s). If not sure to remove, you can undo the removal.</source>
        <translation>
            <numerusform>%n doublon supprimé. En cas de doute, vous pouvez annuler la suppression.</numerusform>
            <numerusform>%n doublons supprimés. En cas de doute, vous pouvez annuler la suppression.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s)</source>
        <translation>
            <numerusform>%n doublon</numerusform>
            <numerusform>%n doublons</numerusform>
        </translation>
    </message>
    <message>
        <source>Tidewell will clear the duplicates removal
history that exists over %1 in %2.</source>
        <translation>Tidewell effacera dans %2 l&apos;historique
des doublons supprimés depuis plus de %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>history older than</comment>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <comment>cleared in</comment>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n missing song(s) from the library.</source>
        <translation>
            <numerusform>%n morceau manquant a été retiré de la bibliothèque.</numerusform>
            <numerusform>%n morceaux manquants ont été retirés de la bibliothèque.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDesktopHandOver</name>
    <message>
        <source>No email program could be opened. Please write to:
%1</source>
        <translation>Aucun logiciel de messagerie n’a pu être ouvert. Écrivez à :
%1</translation>
    </message>
    <message>
        <source>No web browser could be opened. Please visit:
%1</source>
        <translation>Aucun navigateur web n’a pu être ouvert. Rendez-vous sur :
%1</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>Aucun gestionnaire de fichiers n’a pu être ouvert. Le dossier est :
%1</translation>
    </message>
</context>
<context>
    <name>CDuplicate</name>
    <message>
        <source>Name</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>    Remove File</source>
        <translation>    Supprimer le fichier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all files?</source>
        <translation>Voulez-vous vraiment supprimer tous les fichiers ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Restore music failed</source>
        <translation>Échec de la restauration</translation>
    </message>
    <message>
        <source>Undo remove failed. No remove history found
in the Zavro_Recycle Bin.</source>
        <translation>Échec de l&apos;annulation. Aucun historique de
suppression dans Zavro_Recycle Bin.</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The song could not be restored. It is still in the recycle folder:
%1</source>
        <translation>Impossible de restaurer le morceau. Il se trouve toujours dans le dossier de recyclage :
%1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>The song&apos;s entry could not be given back to the library. Its file is in place and stays in the library through another entry:
%1</source>
        <translation>Impossible de rendre à la bibliothèque l’entrée du morceau. Son fichier est à sa place et reste dans la bibliothèque par une autre entrée :
%1</translation>
    </message>
    <message>
        <source>The removal could not be saved in the working database:
%1
The removed copies are in the recycle folder. Click Remove to save it.</source>
        <translation>La suppression n&apos;a pas pu être enregistrée dans la base de données de travail :
%1
Les copies supprimées sont dans le dossier de recyclage. Enregistrez-la avec Supprimer.</translation>
    </message>
    <message>
        <source>Remove music failed</source>
        <translation>Échec de la suppression</translation>
    </message>
</context>
<context>
    <name>CDuplicateWidget</name>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevée</translation>
    </message>
    <message>
        <source>Please choose one scanning
mode to search duplicates.</source>
        <translation>Choisissez un mode d&apos;analyse
pour chercher les doublons.</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>Analyse rapide</translation>
    </message>
    <message>
        <source>Deep Scan</source>
        <translation>Analyse approfondie</translation>
    </message>
    <message>
        <source>It might take some time to
determine duplicates with acoustic
fingerprint. Please be patient.</source>
        <translation>Détecter les doublons par empreinte
acoustique peut prendre du temps.
Merci de patienter.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artiste</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Taille du fichier</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Match Degree: </source>
        <translation>Correspondance : </translation>
    </message>
    <message>
        <source>   Show Remove History</source>
        <translation>   Historique</translation>
    </message>
</context>
<context>
    <name>CDuptOptWidget</name>
    <message>
        <source>    Name</source>
        <translation>    Nom</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille du fichier</translation>
    </message>
    <message>
        <source>Scan iTunes</source>
        <translation>Analyser iTunes</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Open Files And Folders</source>
        <translation>Ouvrir des fichiers et dossiers</translation>
    </message>
    <message>
        <source>Music Files(%1)</source>
        <translation>Fichiers musicaux(%1)</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
</context>
<context>
    <name>CFailedTreeWidget</name>
    <message>
        <source>Check All</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>Tout décocher</translation>
    </message>
    <message>
        <source>Check selected</source>
        <translation>Cocher la sélection</translation>
    </message>
    <message>
        <source>Uncheck selected</source>
        <translation>Décocher la sélection</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
</context>
<context>
    <name>CGeneralWidget</name>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Fix:</source>
        <translation>Corriger :</translation>
    </message>
    <message>
        <source>Songs Without Album Artwork</source>
        <translation>Morceaux sans pochette d&apos;album</translation>
    </message>
    <message>
        <source>Songs Without Artist</source>
        <translation>Morceaux sans artiste</translation>
    </message>
    <message>
        <source>Songs Without Album</source>
        <translation>Morceaux sans album</translation>
    </message>
    <message>
        <source>Songs Without Original Files</source>
        <translation>Morceaux sans fichier d&apos;origine</translation>
    </message>
    <message>
        <source>Replace original songs meta</source>
        <translation>Remplacer les métadonnées d&apos;origine</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artiste</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>     Replace original songs meta with the new information from our server.
     This will help to modify wrong songs meta, and also overwrite some
     personal customized records.</source>
        <translation>     Remplace les métadonnées d&apos;origine par les nouvelles
     informations de notre serveur. Cela corrige les métadonnées
     erronées, mais écrase aussi vos données personnalisées.</translation>
    </message>
</context>
<context>
    <name>CHistoryOptWidget</name>
    <message>
        <source>Automatically clear the duplicates removal history that exists over</source>
        <translation>Effacer automatiquement l&apos;historique au-delà de</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>day(s).</source>
        <comment>after the number of days</comment>
        <translation>
            <numerusform>jour.</numerusform>
            <numerusform>jours.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLabelArtwork</name>
    <message>
        <source>Playback failure!</source>
        <translation>Échec de la lecture !</translation>
    </message>
</context>
<context>
    <name>CMainUI</name>
    <message>
        <source>Music List Score: </source>
        <translation>Score de la liste : </translation>
    </message>
    <message>
        <source>Scanning Library: </source>
        <translation>Parcours de la bibliothèque : </translation>
    </message>
    <message>
        <source>Refix</source>
        <translation>Corriger à nouveau</translation>
    </message>
    <message>
        <source>You can </source>
        <translation>Vous pouvez </translation>
    </message>
    <message>
        <source>Apply Result</source>
        <translation>appliquer le résultat</translation>
    </message>
    <message>
        <source> now, or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>enregistrer le projet</translation>
    </message>
    <message>
        <source> to continue next time.</source>
        <translation> pour plus tard.</translation>
    </message>
    <message>
        <source>   Pause</source>
        <translation>   Pause</translation>
    </message>
    <message>
        <source>   Fix All</source>
        <translation>   Tout corriger</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>  Try Again</source>
        <translation>  Réessayer</translation>
    </message>
    <message>
        <source>   Scan</source>
        <translation>   Analyser</translation>
    </message>
    <message>
        <source>   Remove</source>
        <translation>   Supprimer</translation>
    </message>
    <message>
        <source>  Home</source>
        <translation>  Accueil</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation>Bienvenue !</translation>
    </message>
    <message>
        <source>Tidewell is the only tool you need to tidy your music library!</source>
        <translation>Tidewell est le seul outil dont vous avez besoin pour ranger votre bibliothèque musicale !</translation>
    </message>
    <message>
        <source>Library Music</source>
        <translation>Musique de la bibliothèque</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Contrat de licence</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>Signaler un bug</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Let Tidewell help you clean-up duplicate songs in your music library!</source>
        <translation>Laissez Tidewell supprimer les doublons de votre bibliothèque musicale !</translation>
    </message>
    <message>
        <source>Drag-and-drop or Add music files or folder(s) to find duplicates.</source>
        <translation>Déposez ou ajoutez des fichiers pour trouver les doublons.</translation>
    </message>
    <message>
        <source>   Continue</source>
        <translation>   Continuer</translation>
    </message>
    <message>
        <source>Paused. Wanna continue and explore the world of music?</source>
        <translation>En pause. On continue à explorer le monde de la musique ?</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Chargement, veuillez patienter...</translation>
    </message>
    <message>
        <source>%1  %2  %3</source>
        <translation>%1  %2  %3</translation>
    </message>
    <message>
        <source>Analyzing Library: </source>
        <translation>Analyse de la bibliothèque : </translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>En pause.</translation>
    </message>
    <message>
        <source>Fixing Songs Without Album Artwork: %1</source>
        <translation>Correction des morceaux sans pochette : %1</translation>
    </message>
    <message>
        <source>Fixing Songs Without Album: %1</source>
        <translation>Correction des morceaux sans album : %1</translation>
    </message>
    <message>
        <source>Fixing Songs Without Artist: %1</source>
        <translation>Correction des morceaux sans artiste : %1</translation>
    </message>
    <message>
        <source>Fixing unrecognized song: %1</source>
        <translation>Correction du morceau non reconnu : %1</translation>
    </message>
    <message>
        <source>Continue to fix, please wait a moment.</source>
        <translation>La correction continue, veuillez patienter.</translation>
    </message>
    <message>
        <source>Paused. Wanna continue and experience a new library?</source>
        <translation>En pause. On continue pour découvrir une bibliothèque toute neuve ?</translation>
    </message>
    <message>
        <source>Applying the results, please wait a moment.</source>
        <translation>Application des résultats, veuillez patienter.</translation>
    </message>
    <message>
        <source>Removing duplicates music, please wait...</source>
        <translation>Suppression des doublons, veuillez patienter...</translation>
    </message>
    <message>
        <source>Continue to apply the results,please wait a moment.</source>
        <translation>L&apos;application des résultats continue, veuillez patienter.</translation>
    </message>
    <message>
        <source>Uh, mess library. It is urgent to clean up your music now. Let&apos;s start.</source>
        <translation>Aïe, quel désordre. Il est urgent de ranger votre musique. C&apos;est parti.</translation>
    </message>
    <message>
        <source>Dear, how mess your library is. May I help you clean up it?</source>
        <translation>Oh là là, quel désordre dans votre bibliothèque. Je peux vous aider à la ranger ?</translation>
    </message>
    <message>
        <source>Oops, music library in chaos! Go ahead to clean up them now.</source>
        <translation>Oups, la bibliothèque est en plein chaos ! Rangez-la dès maintenant.</translation>
    </message>
    <message>
        <source>It looks OK. But the library looks incomplete. Why not Fix All and perfect them?</source>
        <translation>Ça a l&apos;air correct, mais la bibliothèque semble incomplète. Pourquoi ne pas tout corriger ?</translation>
    </message>
    <message>
        <source>Looks OK but you&apos;d better clean up your library soon. Why not let me help you, darling?</source>
        <translation>Ça va, mais vous devriez ranger votre bibliothèque bientôt. Je peux vous aider, mon cher ?</translation>
    </message>
    <message>
        <source>Oh, dear, just slow down and take care of your lovely songs. They need your attention.</source>
        <translation>Oh, prenez le temps de soigner vos jolis morceaux. Ils ont besoin de votre attention.</translation>
    </message>
    <message>
        <source>Nice library list. Take a little time will make it more charming. Go to Fix All.</source>
        <translation>Belle bibliothèque. Un petit effort la rendra encore plus charmante. Corrigez tout.</translation>
    </message>
    <message>
        <source>How considerate you are. I can not wait to listen to them any more.</source>
        <translation>Quelle attention ! J&apos;ai hâte de les écouter.</translation>
    </message>
    <message>
        <source>I can&apos;t believe!  You get such a good result. Wanna break the record?</source>
        <translation>Incroyable !  Un si bon résultat. Envie de battre le record ?</translation>
    </message>
    <message>
        <source>Almost perfect. Only one click will organize them well. Just go!</source>
        <translation>Presque parfait. Un seul clic suffit pour tout ranger. Allez-y !</translation>
    </message>
    <message>
        <source>You won&apos;t believe me. Few songs are incomplete. Just one click will recover them.</source>
        <translation>Vous ne me croirez pas : peu de morceaux sont incomplets. Un clic suffit à les corriger.</translation>
    </message>
    <message>
        <source>Aha, excellent. But I have the magic power to make it better. Wanna experience?</source>
        <translation>Excellent. Mais j’ai le pouvoir magique de faire encore mieux. On essaie ?</translation>
    </message>
    <message>
        <source>Congrats! Your library looks great now. You can apply all the results now.</source>
        <translation>Bravo ! Votre bibliothèque est superbe. Vous pouvez appliquer tous les résultats.</translation>
    </message>
    <message>
        <source>Relax now. Let me take you to start a great music feast.</source>
        <translation>Détendez-vous. Place à un grand festin musical.</translation>
    </message>
    <message>
        <source>Well done. You have defeated most of other computers. Just enjoy your music now.</source>
        <translation>Bien joué. Vous avez battu la plupart des autres ordinateurs. Profitez de votre musique.</translation>
    </message>
    <message>
        <source>Results applyed.</source>
        <translation>Résultats appliqués.</translation>
    </message>
    <message>
        <source>Results applyed. You can try fix again.</source>
        <translation>Résultats appliqués. Vous pouvez relancer la correction.</translation>
    </message>
    <message>
        <source>Congratulations, your music library is 100% cleaned!</source>
        <translation>Félicitations, votre bibliothèque musicale est propre à 100 % !</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Hah, no duplicaites on your PC. Satisfied?</source>
        <translation>Ha, aucun doublon sur votre PC. Satisfait ?</translation>
    </message>
    <message>
        <source>Huh! I&apos;m having a day off--no duplicates found today.</source>
        <translation>Tiens ! Jour de congé : aucun doublon aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>We&apos;re double checked everything. You&apos;re clear now.</source>
        <translation>Nous avons tout vérifié deux fois. Tout est en ordre.</translation>
    </message>
    <message>
        <source>You won&apos;t believe me, but there are no duplicates on your PC.</source>
        <translation>Vous ne me croirez pas, mais il n&apos;y a aucun doublon sur votre PC.</translation>
    </message>
    <message>
        <source>Wow. It looks like someone knew I&apos;ll scan all files and cleaned them up in advance.</source>
        <translation>Waouh. On dirait que quelqu&apos;un savait que j&apos;allais tout analyser et a rangé avant.</translation>
    </message>
    <message>
        <source>Unbelievable! No unrecognized songs or duplicates found!</source>
        <translation>Incroyable ! Aucun morceau non reconnu ni doublon !</translation>
    </message>
    <message>
        <source>Hah, nothing found. You must be playing &quot;hide-and-seek&quot; with me.</source>
        <translation>Ha, rien trouvé. Vous jouez à « cache-cache » avec moi, c&apos;est ça ?</translation>
    </message>
    <message>
        <source>No songs detected in iTunes. Please check and try again.</source>
        <translation>Aucun morceau détecté dans iTunes. Vérifiez et réessayez.</translation>
    </message>
    <message>
        <source>No music files found. Please go back and try again.</source>
        <translation>Aucun fichier musical trouvé. Revenez en arrière et réessayez.</translation>
    </message>
    <message>
        <source>Invalid project file. Please go back and try again.</source>
        <translation>Fichier de projet non valide. Revenez en arrière et réessayez.</translation>
    </message>
    <message>
        <source>Congratulations! Duplicates has been removed successfully.</source>
        <translation>Félicitations ! Les doublons ont bien été supprimés.</translation>
    </message>
    <message>
        <source>Some duplicates could not be moved. Click Remove to try again.</source>
        <translation>Certains doublons n&apos;ont pas été déplacés. Réessayez avec Supprimer.</translation>
    </message>
    <message>
        <source>Duplicates found. Let me help you remove them and keep your library clean.</source>
        <translation>Doublons trouvés. Je vous aide à les supprimer pour garder une bibliothèque propre.</translation>
    </message>
    <message>
        <source>Dear, why not let me help you clean up duplicates immediately?</source>
        <translation>Et si je vous aidais à supprimer les doublons tout de suite ?</translation>
    </message>
    <message>
        <source>Duplicates appeared. Wanna tidy them and make your library clean?</source>
        <translation>Des doublons sont apparus. On les range pour une bibliothèque propre ?</translation>
    </message>
    <message>
        <source>Duplicates found. Click Remove to clean up duplicates easily.</source>
        <translation>Doublons trouvés. Cliquez sur Supprimer pour les éliminer facilement.</translation>
    </message>
    <message>
        <source>Save Result</source>
        <translation>Enregistrer le résultat</translation>
    </message>
    <message>
        <source>The project could not be saved. Please choose another folder and try again.</source>
        <translation>Impossible d&apos;enregistrer le projet. Choisissez un autre dossier et réessayez.</translation>
    </message>
    <message>
        <source>Select Library XML File</source>
        <translation>Choisir le XML</translation>
    </message>
    <message>
        <source>Start to Clean iTunes</source>
        <translation>Nettoyer iTunes</translation>
    </message>
    <message>
        <source>Tidewell is cleaning up duplicate songs.</source>
        <translation>Tidewell supprime les morceaux en double.</translation>
    </message>
    <message>
        <source>Continue to scan music library,please wait a moment.</source>
        <translation>L&apos;analyse de la bibliothèque continue, veuillez patienter.</translation>
    </message>
    <message>
        <source>Do you want to apply new results?</source>
        <translation>Voulez-vous appliquer les nouveaux résultats ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Oops! An error occurred in loading iTunes
library. Please set in iTunes: Preference&gt;
Advance&gt;Share iTunes Library XML with other
application,and Click Try Again to continue.</source>
        <translation>Oups ! Le fichier de la bibliothèque iTunes n&apos;a pas pu
être lu. Vérifiez qu&apos;il s&apos;agit d&apos;un fichier de bibliothèque
iTunes valide, puis cliquez sur Réessayer.</translation>
    </message>
    <message>
        <source>Scanning music, please wait a moment...</source>
        <translation>Analyse de la musique, veuillez patienter...</translation>
    </message>
    <message>
        <source>Preparing report, please wait a moment...</source>
        <translation>Préparation du rapport, veuillez patienter...</translation>
    </message>
    <message>
        <source>Unbelievable, no music files found! Wanna try again?</source>
        <translation>Incroyable, aucun fichier musical trouvé ! On réessaie ?</translation>
    </message>
    <message>
        <source>Hah,nothing found. You must be playing &quot;hide-and-seek&quot; with me.</source>
        <translation>Ha, rien trouvé. Vous jouez à « cache-cache » avec moi, c&apos;est ça ?</translation>
    </message>
    <message>
        <source>Congratulations, music library cleaning finished!</source>
        <translation>Félicitations, le nettoyage de la bibliothèque est terminé !</translation>
    </message>
    <message>
        <source>Processing failed songs list, please wait...</source>
        <translation>Traitement de la liste des morceaux en échec, veuillez patienter...</translation>
    </message>
    <message>
        <source>Are you sure you want to replace songs meta
and apply the result?</source>
        <translation>Voulez-vous vraiment remplacer les métadonnées
et appliquer le résultat ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Are you sure you want to back to Home?</source>
        <translation>Voulez-vous vraiment revenir à l&apos;accueil ?</translation>
    </message>
    <message>
        <source>Are you sure you want to back to Home? If back, the scanning results will not be saved.</source>
        <translation>Voulez-vous vraiment revenir à l&apos;accueil ? Les résultats de l&apos;analyse ne seront pas enregistrés.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <comment>menu entry</comment>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>No song could be fixed this time. You can edit the songs yourself or try fix again.</source>
        <translation>Aucun morceau n&apos;a pu être corrigé cette fois. Vous pouvez modifier les morceaux vous-même ou réessayer la correction.</translation>
    </message>
    <message>
        <source>No music files found in the folders and files you added. Please add others and try again.</source>
        <translation>Aucun fichier de musique trouvé dans les dossiers et fichiers ajoutés. Ajoutez-en d&apos;autres et réessayez.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>The recognition service could not be reached. Please check your internet connection and try fix again.</source>
        <translation>Le service de reconnaissance est injoignable. Vérifiez votre connexion Internet et relancez la correction.</translation>
    </message>
    <message>
        <source>Some songs could not be fixed this time. You can edit them yourself or try fix again.</source>
        <translation>Certains morceaux n’ont pas pu être corrigés cette fois. Vous pouvez les modifier vous-même ou réessayer.</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) could not be moved to the recycle folder:
%1
Click Remove to try again.</source>
        <translation>
            <numerusform>%n doublon n&apos;a pas pu être déplacé dans le dossier de recyclage :
%1
Cliquez sur Supprimer pour réessayer.</numerusform>
            <numerusform>%n doublons n&apos;ont pas pu être déplacés dans le dossier de recyclage :
%1
Cliquez sur Supprimer pour réessayer.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is nothing to scan yet. Add music files or folders, or drop them here, then click Scan.</source>
        <translation>Il n&apos;y a encore rien à analyser. Ajoutez des fichiers ou des dossiers de musique, ou déposez-les ici, puis cliquez sur Analyser.</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) could not be moved. Click Remove to try again.</source>
        <translation>
            <numerusform>%n doublon n&apos;a pas pu être déplacé. Réessayez avec Supprimer.</numerusform>
            <numerusform>%n doublons n&apos;ont pas pu être déplacés. Réessayez avec Supprimer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) could not be written: %1.</source>
        <translation>
            <numerusform>%n morceau n&apos;a pas pu être écrit : %1.</numerusform>
            <numerusform>%n morceaux n&apos;ont pas pu être écrits : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) were written to their files, but the library file could not be saved: %1.</source>
        <translation>
            <numerusform>%n morceau a été écrit dans son fichier, mais le fichier de bibliothèque n&apos;a pas pu être enregistré : %1.</numerusform>
            <numerusform>%n morceaux ont été écrits dans leurs fichiers, mais le fichier de bibliothèque n&apos;a pas pu être enregistré : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) whose file is missing could not be removed from the library: %1.</source>
        <translation>
            <numerusform>%n morceau dont le fichier est introuvable n&apos;a pas pu être retiré de la bibliothèque : %1.</numerusform>
            <numerusform>%n morceaux dont les fichiers sont introuvables n&apos;ont pas pu être retirés de la bibliothèque : %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The working database could not be saved: %1.</source>
        <translation>La base de données de travail n&apos;a pas pu être enregistrée : %1.</translation>
    </message>
</context>
<context>
    <name>CMessgboxEx</name>
    <message>
        <source>Are you sure you want to remove the duplicates?
</source>
        <translation>Voulez-vous vraiment supprimer les doublons ?
</translation>
    </message>
    <message>
        <source>Don&apos;t show it again.</source>
        <translation>Ne plus afficher.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CModifyMusicInfo</name>
    <message>
        <source>Orginal Tag</source>
        <translation>Tag d&apos;origine</translation>
    </message>
    <message>
        <source>New Tag</source>
        <translation>Nouveau tag</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artiste :</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album :</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année :</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre :</translation>
    </message>
    <message>
        <source>Please, music title cannot be empty.</source>
        <translation>Le titre du morceau ne peut pas être vide.</translation>
    </message>
    <message>
        <source>Sorry, the file you dragged-in is not a valid
image file.</source>
        <translation>Désolé, le fichier déposé n&apos;est pas une
image valide.</translation>
    </message>
    <message>
        <source>Sorry, the changes to this song could not be saved.</source>
        <translation>Désolé, les modifications de ce morceau n&apos;ont pas pu être enregistrées.</translation>
    </message>
</context>
<context>
    <name>CNetWidget</name>
    <message>
        <source>Proxy type:</source>
        <translation>Type de proxy :</translation>
    </message>
    <message>
        <source>Proxy host:</source>
        <translation>Hôte du proxy :</translation>
    </message>
    <message>
        <source>Proxy port:</source>
        <translation>Port du proxy :</translation>
    </message>
    <message>
        <source>Proxy name:</source>
        <translation>Nom d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>Proxy password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
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
        <translation>Préférences</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
</context>
<context>
    <name>CRangeValidator</name>
    <message>
        <source>Enter a number from %1 to %2.</source>
        <translation>Saisissez un nombre de %1 à %2.</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>%1 is already running. Please use its open window.</source>
        <translation>%1 est déjà en cours d&apos;exécution. Utilisez sa fenêtre ouverte.</translation>
    </message>
</context>
<context>
    <name>CStartUI</name>
    <message>
        <source>Start to Clean iTunes</source>
        <translation>Nettoyer iTunes</translation>
    </message>
    <message>
        <source>Open Music Files</source>
        <translation>Ouvrir des musiques</translation>
    </message>
    <message>
        <source>Load Saved Result</source>
        <translation>Ouvrir un résultat</translation>
    </message>
    <message>
        <source>Clean-up Duplicates</source>
        <translation>Nettoyer les doublons</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
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
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Last fixing project was interrupted
unexpectedly. Do you want to continue it?</source>
        <translation>La dernière correction a été interrompue
de façon inattendue. Voulez-vous la reprendre ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open Library.xml</source>
        <translation>Ouvrir Library.xml</translation>
    </message>
    <message>
        <source>Open Files And Folders</source>
        <translation>Ouvrir des fichiers et dossiers</translation>
    </message>
    <message>
        <source>Music Files(%1)</source>
        <translation>Fichiers musicaux(%1)</translation>
    </message>
    <message>
        <source>Open Result File</source>
        <translation>Ouvrir un fichier de résultat</translation>
    </message>
    <message>
        <source>Select Library XML File</source>
        <translation>Choisir le XML</translation>
    </message>
    <message>
        <source>Recycle folder</source>
        <translation>Dossier de recyclage</translation>
    </message>
    <message>
        <source>Tidewell was ended while it moved songs into or out of the recycle folder. The copies it moved remain there:
%1</source>
        <translation>Tidewell a été arrêté pendant qu'il déplaçait des morceaux vers le dossier de recyclage ou hors de celui-ci. Les copies déplacées s'y trouvent toujours :
%1</translation>
    </message>
</context>
<context>
    <name>CTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Cancel Skip</source>
        <translation>Ne pas ignorer</translation>
    </message>
</context>
<context>
    <name>CUpdateCheck</name>
    <message>
        <source>A new version of %1 found! 
Current version: %2
New version: %3

Would you like to update the product?</source>
        <translation>Une nouvelle version de %1 est disponible ! 
Version actuelle : %2
Nouvelle version : %3

Voulez-vous mettre à jour le produit ?</translation>
    </message>
    <message>
        <source>You are using the newest version.</source>
        <translation>Vous utilisez la dernière version.</translation>
    </message>
    <message>
        <source>Failed to find product record.</source>
        <translation>Fiche produit introuvable.</translation>
    </message>
    <message>
        <source>Failed to connect the server. 
Please check the validity of the proxy.</source>
        <translation>Impossible de se connecter au serveur. 
Vérifiez les paramètres du proxy.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Failed to connect the server. 
Please check your network connection.</source>
        <translation>Impossible de se connecter au serveur. 
Vérifiez votre connexion réseau.</translation>
    </message>
    <message>
        <source>A new version of %1 found! 
Current version: %2
New version: %3

The update server gave no web address to download it from.</source>
        <translation>Une nouvelle version de %1 est disponible ! 
Version actuelle : %2
Nouvelle version : %3

Le serveur de mise à jour n&apos;a indiqué aucune adresse web pour la télécharger.</translation>
    </message>
    <message>
        <source>The update server did not send the update information (HTTP status %1).</source>
        <translation>Le serveur de mise à jour n&apos;a pas envoyé les informations de mise à jour (statut HTTP %1).</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read as update information.</source>
        <translation>La réponse du serveur de mise à jour n&apos;a pas pu être lue comme des informations de mise à jour.</translation>
    </message>
</context>
<context>
    <name>CUpdateWidget</name>
    <message>
        <source>Enable automatic update check.</source>
        <translation>Rechercher les mises à jour automatiquement.</translation>
    </message>
    <message>
        <source>Update every day</source>
        <translation>Vérifier chaque jour</translation>
    </message>
    <message>
        <source>Update every week</source>
        <translation>Vérifier chaque semaine</translation>
    </message>
    <message>
        <source>Update every month</source>
        <translation>Vérifier chaque mois</translation>
    </message>
    <message>
        <source>Number of days between update checks (At least 1 days)</source>
        <translation>Jours entre deux vérifications (au moins 1)</translation>
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
        <translation>Fichiers de projet (*.zavrodata)</translation>
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
        <translation>L&apos;envoi du rapport a échoué. Voulez-vous l&apos;envoyer vous-même par e-mail ?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Unknown %1</source>
        <translation>%1 inconnu</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>%1.%2.%3 (Build %4)</source>
        <translation>%1.%2.%3 (build %4)</translation>
    </message>
</context>
<context>
    <name>WhatsNew</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
</context>
</TS>
