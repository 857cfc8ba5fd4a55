<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Tidewell</source>
        <translation>Tidewell</translation>
    </message>
    <message>
        <source>Copyright (C) Zavro. All rights reserved.</source>
        <translation>Copyright (C) Zavro. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Music database powered by ACRcloud</source>
        <translation>Base de datos musical de ACRcloud</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Soporte:</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Página web:</translation>
    </message>
</context>
<context>
    <name>CGeneralWidget</name>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Spainsh</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Portugués (BR)</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Fix:</source>
        <translation>Corregir:</translation>
    </message>
    <message>
        <source>Songs Without Album Artwork</source>
        <translation>Canciones sin carátula</translation>
    </message>
    <message>
        <source>Songs Without Artist</source>
        <translation>Canciones sin artista</translation>
    </message>
    <message>
        <source>Songs Without Album</source>
        <translation>Canciones sin álbum</translation>
    </message>
    <message>
        <source>Songs Without Original Files</source>
        <translation>Canciones sin archivo original</translation>
    </message>
    <message>
        <source>Replace original songs meta</source>
        <translation>Reemplazar los metadatos originales</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artista</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Álbum</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>     Replace original songs meta with the new information from our server.
     This will help to modify wrong songs meta, and also overwrite some
     personal customized records.</source>
        <translation>     Reemplaza los metadatos originales con la nueva información
     de nuestro servidor. Así se corrigen los metadatos erróneos,
     pero también se sobrescriben datos personalizados.</translation>
    </message>
</context>
<context>
    <name>CMessgboxEx</name>
    <message>
        <source>Are you sure you want to remove the duplicates?
</source>
        <translation>¿Seguro que desea eliminar los duplicados?
</translation>
    </message>
    <message>
        <source>Don&apos;t show it again.</source>
        <translation>No volver a mostrar.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CNetWidget</name>
    <message>
        <source>Proxy type:</source>
        <translation>Tipo de proxy:</translation>
    </message>
    <message>
        <source>Proxy host:</source>
        <translation>Host del proxy:</translation>
    </message>
    <message>
        <source>Proxy port:</source>
        <translation>Puerto del proxy:</translation>
    </message>
    <message>
        <source>Proxy name:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Proxy password:</source>
        <translation>Contraseña:</translation>
    </message>
</context>
<context>
    <name>COption</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualización</translation>
    </message>
</context>
<context>
    <name>CTreeItemTool</name>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Cancel Skip</source>
        <translation>No omitir</translation>
    </message>
</context>
<context>
    <name>CUpdateWidget</name>
    <message>
        <source>Enable automatic update check.</source>
        <translation>Buscar actualizaciones automáticamente.</translation>
    </message>
    <message>
        <source>Update every day</source>
        <translation>Buscar cada día</translation>
    </message>
    <message>
        <source>Update every week</source>
        <translation>Buscar cada semana</translation>
    </message>
    <message>
        <source>Update every month</source>
        <translation>Buscar cada mes</translation>
    </message>
    <message>
        <source>Number of days between update checks (At least 1 days)</source>
        <translation>Días entre búsquedas (mínimo 1)</translation>
    </message>
</context>
<context>
    <name>CWarnMessage</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>%1.%2.%3 (compilación %4)</translation>
    </message>
</context>
<context>
    <name>WhatsNew</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
</context>
</TS>
