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
    <name>CGeneralWidget</name>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Spainsh</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Portugais (BR)</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
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
        <translation>Jours entre deux vérifications (1 min.)</translation>
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
