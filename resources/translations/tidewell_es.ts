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
    <name>CAnalyReport</name>
    <message>
        <source>Unrecognized Songs</source>
        <translation>Canciones sin reconocer</translation>
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
        <source>Song title</source>
        <translation>Título de la canción</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Duración</translation>
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
        <source>Congratulations, your music library is 100% cleaned!</source>
        <translation>¡Enhorabuena, su biblioteca musical está 100 % limpia!</translation>
    </message>
</context>
<context>
    <name>CBugReport</name>
    <message>
        <source>BugReport</source>
        <translation>Informe de error</translation>
    </message>
    <message>
        <source>Your Name:</source>
        <translation>Su nombre:</translation>
    </message>
    <message>
        <source>~description here!</source>
        <translation>Describa el problema aquí.</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Invalid e-mail, please enter a correct one.</source>
        <translation>Correo no válido; introduzca uno correcto.</translation>
    </message>
    <message>
        <source>The report includes the program&apos;s logs, its settings and your whole iTunes library file.</source>
        <translation>El informe incluye los registros del programa, su configuración y todo su archivo de biblioteca de iTunes.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
</context>
<context>
    <name>CBugReportSender</name>
    <message>
        <source>Bug Report</source>
        <translation>Informe de errores</translation>
    </message>
    <message>
        <source>Please attach this file to an email to %1:
%2</source>
        <translation>Adjunte este archivo a un correo electrónico para %1:
%2</translation>
    </message>
    <message>
        <source>The report&apos;s files could not be packed. Send the description alone?</source>
        <translation>No se pudieron empaquetar los archivos del informe. ¿Enviar solo la descripción?</translation>
    </message>
    <message>
        <source>The bug report was sent. Thank you.</source>
        <translation>El informe de errores se ha enviado. Gracias.</translation>
    </message>
    <message>
        <source>The bug report could not be sent.</source>
        <translation>No se pudo enviar el informe de errores.</translation>
    </message>
    <message numerus="yes">
        <source>%n bug report(s) could not be sent before the program closed. They are kept in this folder; please attach their files to an email to %1:
%2</source>
        <translation>
            <numerusform>%n informe de errores no se pudo enviar antes de cerrar el programa. Se guarda en esta carpeta; adjunte sus archivos a un correo electrónico para %1:
%2</numerusform>
            <numerusform>%n informes de errores no se pudieron enviar antes de cerrar el programa. Se guardan en esta carpeta; adjunte sus archivos a un correo electrónico para %1:
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
            <numerusform>Se escaneó %n canción</numerusform>
            <numerusform>Se escanearon %n canciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without artwork.</source>
        <translation>
            <numerusform>%n sin carátula.</numerusform>
            <numerusform>%n sin carátula.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without artwork.</source>
        <translation>
            <numerusform>Se corrigió %n canción sin carátula.</numerusform>
            <numerusform>Se corrigieron %n canciones sin carátula.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n song(s) not fixed.</source>
        <translation>
            <numerusform>Queda %n sin corregir.</numerusform>
            <numerusform>Quedan %n sin corregir.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without artist.</source>
        <translation>
            <numerusform>%n sin artista.</numerusform>
            <numerusform>%n sin artista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without artist.</source>
        <translation>
            <numerusform>Se corrigió %n canción sin artista.</numerusform>
            <numerusform>Se corrigieron %n canciones sin artista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without album.</source>
        <translation>
            <numerusform>%n sin álbum.</numerusform>
            <numerusform>%n sin álbum.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without album.</source>
        <translation>
            <numerusform>Se corrigió %n canción sin álbum.</numerusform>
            <numerusform>Se corrigieron %n canciones sin álbum.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) unwritable,check them if exist in your computer.</source>
        <translation>
            <numerusform>%n no se puede escribir. Compruebe si existe en su equipo.</numerusform>
            <numerusform>%n no se pueden escribir. Compruebe si existen en su equipo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unwritable song(s) not fixed，please check them if exist in your computer.</source>
        <translation>
            <numerusform>%n canción que no se puede escribir sin corregir. Compruebe si existe en su equipo.</numerusform>
            <numerusform>%n canciones que no se pueden escribir sin corregir. Compruebe si existen en su equipo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n problem(s).</source>
        <translation>
            <numerusform>Se corrigió %n problema.</numerusform>
            <numerusform>Se corrigieron %n problemas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n song(s) unrecognized.</source>
        <translation>
            <numerusform>Queda %n canción sin reconocer.</numerusform>
            <numerusform>Quedan %n canciones sin reconocer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s)</source>
        <translation>
            <numerusform>Se corrigió %n canción</numerusform>
            <numerusform>Se corrigieron %n canciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s).</source>
        <translation>
            <numerusform>%n problema.</numerusform>
            <numerusform>%n problemas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n problem(s) not fixed.</source>
        <translation>
            <numerusform>Queda %n problema sin corregir.</numerusform>
            <numerusform>Quedan %n problemas sin corregir.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>found %n duplicate(s).</source>
        <translation>
            <numerusform>se encontró %n duplicado.</numerusform>
            <numerusform>se encontraron %n duplicados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n duplicate(s). If not sure to remove, you can undo the removal.</source>
        <translation>
            <numerusform>Se eliminó %n duplicado. Si no está seguro, puede deshacer la eliminación.</numerusform>
            <numerusform>Se eliminaron %n duplicados. Si no está seguro, puede deshacer la eliminación.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s)</source>
        <translation>
            <numerusform>%n duplicado</numerusform>
            <numerusform>%n duplicados</numerusform>
        </translation>
    </message>
    <message>
        <source>Tidewell will clear the duplicates removal
history that exists over %1 in %2.</source>
        <translation>Tidewell borrará en %2 el historial de
duplicados eliminados con más de %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>history older than</comment>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <comment>cleared in</comment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n missing song(s) from the library.</source>
        <translation>
            <numerusform>Se quitó %n canción que faltaba de la biblioteca.</numerusform>
            <numerusform>Se quitaron %n canciones que faltaban de la biblioteca.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDesktopHandOver</name>
    <message>
        <source>No email program could be opened. Please write to:
%1</source>
        <translation>No se pudo abrir ningún programa de correo. Escriba a:
%1</translation>
    </message>
    <message>
        <source>No web browser could be opened. Please visit:
%1</source>
        <translation>No se pudo abrir ningún navegador web. Visite:
%1</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>No se pudo abrir ningún administrador de archivos. La carpeta es:
%1</translation>
    </message>
</context>
<context>
    <name>CDuplicate</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>    Remove File</source>
        <translation>    Eliminar archivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all files?</source>
        <translation>¿Seguro que desea eliminar todos los archivos?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Restore music failed</source>
        <translation>No se pudo restaurar la música</translation>
    </message>
    <message>
        <source>Undo remove failed. No remove history found
in the Zavro_Recycle Bin.</source>
        <translation>No se pudo deshacer. No hay historial de
eliminación en Zavro_Recycle Bin.</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The song could not be restored. It is still in the recycle folder:
%1</source>
        <translation>No se pudo restaurar la canción. Sigue en la carpeta de reciclaje:
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
        <translation>No se pudo devolver la entrada de la canción a la biblioteca. Su archivo está en su sitio y sigue en la biblioteca a través de otra entrada:
%1</translation>
    </message>
    <message>
        <source>The removal could not be saved in the working database:
%1
The removed copies are in the recycle folder. Click Remove to save it.</source>
        <translation>No se pudo guardar la eliminación en la base de datos de trabajo:
%1
Las copias eliminadas están en la carpeta de reciclaje. Guárdela con Eliminar.</translation>
    </message>
    <message>
        <source>Remove music failed</source>
        <translation>Error al eliminar</translation>
    </message>
</context>
<context>
    <name>CDuplicateWidget</name>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Please choose one scanning
mode to search duplicates.</source>
        <translation>Elija un modo de escaneo
para buscar duplicados.</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>Escaneo rápido</translation>
    </message>
    <message>
        <source>Deep Scan</source>
        <translation>Escaneo profundo</translation>
    </message>
    <message>
        <source>It might take some time to
determine duplicates with acoustic
fingerprint. Please be patient.</source>
        <translation>Detectar duplicados con huella
acústica puede tardar un poco.
Tenga paciencia.</translation>
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
        <source>File size</source>
        <translation>Tamaño del archivo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Match Degree: </source>
        <translation>Coincidencia: </translation>
    </message>
    <message>
        <source>   Show Remove History</source>
        <translation>   Ver historial</translation>
    </message>
</context>
<context>
    <name>CDuptOptWidget</name>
    <message>
        <source>    Name</source>
        <translation>    Nombre</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamaño del archivo</translation>
    </message>
    <message>
        <source>Scan iTunes</source>
        <translation>Escanear iTunes</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Open Files And Folders</source>
        <translation>Abrir archivos y carpetas</translation>
    </message>
    <message>
        <source>Music Files(%1)</source>
        <translation>Archivos de música(%1)</translation>
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
        <translation>Marcar todo</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>Desmarcar todo</translation>
    </message>
    <message>
        <source>Check selected</source>
        <translation>Marcar selección</translation>
    </message>
    <message>
        <source>Uncheck selected</source>
        <translation>Desmarcar selección</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar en carpeta</translation>
    </message>
</context>
<context>
    <name>CGeneralWidget</name>
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
    <name>CHistoryOptWidget</name>
    <message>
        <source>Automatically clear the duplicates removal history that exists over</source>
        <translation>Borrar automáticamente el historial con más de</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message numerus="yes">
        <source>day(s).</source>
        <comment>after the number of days</comment>
        <translation>
            <numerusform>día.</numerusform>
            <numerusform>días.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLabelArtwork</name>
    <message>
        <source>Playback failure!</source>
        <translation>¡Error de reproducción!</translation>
    </message>
</context>
<context>
    <name>CMainUI</name>
    <message>
        <source>Music List Score: </source>
        <translation>Puntuación de la lista: </translation>
    </message>
    <message>
        <source>Scanning Library: </source>
        <translation>Escaneando la biblioteca: </translation>
    </message>
    <message>
        <source>Refix</source>
        <translation>Corregir de nuevo</translation>
    </message>
    <message>
        <source>You can </source>
        <translation>Puede </translation>
    </message>
    <message>
        <source>Apply Result</source>
        <translation>aplicar el resultado</translation>
    </message>
    <message>
        <source> now, or </source>
        <translation> ahora o </translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>guardar el proyecto</translation>
    </message>
    <message>
        <source> to continue next time.</source>
        <translation> y seguir después.</translation>
    </message>
    <message>
        <source>   Pause</source>
        <translation>   Pausa</translation>
    </message>
    <message>
        <source>   Fix All</source>
        <translation>   Corregir todo</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>  Try Again</source>
        <translation>  Reintentar</translation>
    </message>
    <message>
        <source>   Scan</source>
        <translation>   Escanear</translation>
    </message>
    <message>
        <source>   Remove</source>
        <translation>   Eliminar</translation>
    </message>
    <message>
        <source>  Home</source>
        <translation>  Inicio</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation>¡Bienvenido!</translation>
    </message>
    <message>
        <source>Tidewell is the only tool you need to tidy your music library!</source>
        <translation>¡Tidewell es todo lo que necesita para ordenar su biblioteca musical!</translation>
    </message>
    <message>
        <source>Library Music</source>
        <translation>Música de la biblioteca</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Contrato de licencia</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>Informar de un error</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Let Tidewell help you clean-up duplicate songs in your music library!</source>
        <translation>¡Deje que Tidewell elimine las canciones duplicadas de su biblioteca!</translation>
    </message>
    <message>
        <source>Drag-and-drop or Add music files or folder(s) to find duplicates.</source>
        <translation>Arrastre o añada archivos de música o carpetas para buscar duplicados.</translation>
    </message>
    <message>
        <source>   Continue</source>
        <translation>   Continuar</translation>
    </message>
    <message>
        <source>Paused. Wanna continue and explore the world of music?</source>
        <translation>En pausa. ¿Seguimos explorando el mundo de la música?</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Cargando, espere...</translation>
    </message>
    <message>
        <source>%1  %2  %3</source>
        <translation>%1  %2  %3</translation>
    </message>
    <message>
        <source>Analyzing Library: </source>
        <translation>Analizando la biblioteca: </translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>En pausa.</translation>
    </message>
    <message>
        <source>Fixing Songs Without Album Artwork: %1</source>
        <translation>Corrigiendo canciones sin carátula: %1</translation>
    </message>
    <message>
        <source>Fixing Songs Without Album: %1</source>
        <translation>Corrigiendo canciones sin álbum: %1</translation>
    </message>
    <message>
        <source>Fixing Songs Without Artist: %1</source>
        <translation>Corrigiendo canciones sin artista: %1</translation>
    </message>
    <message>
        <source>Fixing unrecognized song: %1</source>
        <translation>Corrigiendo canción no reconocida: %1</translation>
    </message>
    <message>
        <source>Continue to fix, please wait a moment.</source>
        <translation>Se sigue corrigiendo, espere un momento.</translation>
    </message>
    <message>
        <source>Paused. Wanna continue and experience a new library?</source>
        <translation>En pausa. ¿Seguimos y estrenamos una biblioteca nueva?</translation>
    </message>
    <message>
        <source>Applying the results, please wait a moment.</source>
        <translation>Aplicando los resultados, espere un momento.</translation>
    </message>
    <message>
        <source>Removing duplicates music, please wait...</source>
        <translation>Eliminando duplicados, espere...</translation>
    </message>
    <message>
        <source>Continue to apply the results,please wait a moment.</source>
        <translation>Se siguen aplicando los resultados, espere un momento.</translation>
    </message>
    <message>
        <source>Uh, mess library. It is urgent to clean up your music now. Let&apos;s start.</source>
        <translation>Uf, qué desorden. Urge ordenar su música. Empecemos.</translation>
    </message>
    <message>
        <source>Dear, how mess your library is. May I help you clean up it?</source>
        <translation>Vaya, qué desordenada está su biblioteca. ¿Le ayudo a ordenarla?</translation>
    </message>
    <message>
        <source>Oops, music library in chaos! Go ahead to clean up them now.</source>
        <translation>¡Ups, la biblioteca es un caos! Ordénela ahora mismo.</translation>
    </message>
    <message>
        <source>It looks OK. But the library looks incomplete. Why not Fix All and perfect them?</source>
        <translation>Se ve bien, pero la biblioteca parece incompleta. ¿Por qué no corregirlo todo y dejarla perfecta?</translation>
    </message>
    <message>
        <source>Looks OK but you&apos;d better clean up your library soon. Why not let me help you, darling?</source>
        <translation>Se ve bien, pero conviene ordenar pronto su biblioteca. ¿Me deja ayudarle, cariño?</translation>
    </message>
    <message>
        <source>Oh, dear, just slow down and take care of your lovely songs. They need your attention.</source>
        <translation>Ay, vaya más despacio y cuide sus canciones favoritas. Necesitan su atención.</translation>
    </message>
    <message>
        <source>Nice library list. Take a little time will make it more charming. Go to Fix All.</source>
        <translation>Buena biblioteca. Con un poco de tiempo quedará aún mejor. Corrija todo.</translation>
    </message>
    <message>
        <source>How considerate you are. I can not wait to listen to them any more.</source>
        <translation>Qué detallista es usted. Ya no puedo esperar para escucharlas.</translation>
    </message>
    <message>
        <source>I can&apos;t believe!  You get such a good result. Wanna break the record?</source>
        <translation>¡Increíble!  Qué buen resultado. ¿Quiere batir el récord?</translation>
    </message>
    <message>
        <source>Almost perfect. Only one click will organize them well. Just go!</source>
        <translation>Casi perfecto. Un solo clic basta para ordenarlo todo. ¡Adelante!</translation>
    </message>
    <message>
        <source>You won&apos;t believe me. Few songs are incomplete. Just one click will recover them.</source>
        <translation>No me lo creerá: pocas canciones están incompletas. Un clic las recupera.</translation>
    </message>
    <message>
        <source>Aha, excellent. But I have the magic power to make it better. Wanna experience?</source>
        <translation>Ajá, excelente. Pero tengo el poder mágico de mejorarlo. ¿Lo prueba?</translation>
    </message>
    <message>
        <source>Congrats! Your library looks great now. You can apply all the results now.</source>
        <translation>¡Enhorabuena! Su biblioteca luce genial. Ya puede aplicar todos los resultados.</translation>
    </message>
    <message>
        <source>Relax now. Let me take you to start a great music feast.</source>
        <translation>Relájese. Le invito a un gran festín musical.</translation>
    </message>
    <message>
        <source>Well done. You have defeated most of other computers. Just enjoy your music now.</source>
        <translation>Bien hecho. Ha superado a la mayoría de los equipos. Disfrute de su música.</translation>
    </message>
    <message>
        <source>Results applyed.</source>
        <translation>Resultados aplicados.</translation>
    </message>
    <message>
        <source>Results applyed. You can try fix again.</source>
        <translation>Resultados aplicados. Puede intentar corregir de nuevo.</translation>
    </message>
    <message>
        <source>Congratulations, your music library is 100% cleaned!</source>
        <translation>¡Enhorabuena, su biblioteca musical está 100 % limpia!</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Hah, no duplicaites on your PC. Satisfied?</source>
        <translation>Ja, no hay duplicados en su PC. ¿Satisfecho?</translation>
    </message>
    <message>
        <source>Huh! I&apos;m having a day off--no duplicates found today.</source>
        <translation>¡Vaya! Hoy tengo el día libre: no hay duplicados.</translation>
    </message>
    <message>
        <source>We&apos;re double checked everything. You&apos;re clear now.</source>
        <translation>Lo hemos comprobado todo dos veces. Todo en orden.</translation>
    </message>
    <message>
        <source>You won&apos;t believe me, but there are no duplicates on your PC.</source>
        <translation>No me lo creerá, pero no hay duplicados en su PC.</translation>
    </message>
    <message>
        <source>Wow. It looks like someone knew I&apos;ll scan all files and cleaned them up in advance.</source>
        <translation>Vaya. Parece que alguien sabía que lo escanearía todo y lo ordenó antes.</translation>
    </message>
    <message>
        <source>Unbelievable! No unrecognized songs or duplicates found!</source>
        <translation>¡Increíble! ¡No hay canciones sin reconocer ni duplicados!</translation>
    </message>
    <message>
        <source>Hah, nothing found. You must be playing &quot;hide-and-seek&quot; with me.</source>
        <translation>Ja, no hay nada. Debe de estar jugando al «escondite» conmigo.</translation>
    </message>
    <message>
        <source>No songs detected in iTunes. Please check and try again.</source>
        <translation>No se detectaron canciones en iTunes. Compruébelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>No music files found. Please go back and try again.</source>
        <translation>No se encontraron archivos de música. Vuelva e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Invalid project file. Please go back and try again.</source>
        <translation>Archivo de proyecto no válido. Vuelva e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Congratulations! Duplicates has been removed successfully.</source>
        <translation>¡Enhorabuena! Los duplicados se eliminaron correctamente.</translation>
    </message>
    <message>
        <source>Some duplicates could not be moved. Click Remove to try again.</source>
        <translation>No se pudieron mover algunos duplicados. Reintente con Eliminar.</translation>
    </message>
    <message>
        <source>Duplicates found. Let me help you remove them and keep your library clean.</source>
        <translation>Se encontraron duplicados. Le ayudo a eliminarlos y mantener su biblioteca limpia.</translation>
    </message>
    <message>
        <source>Dear, why not let me help you clean up duplicates immediately?</source>
        <translation>¿Por qué no me deja eliminar los duplicados ahora mismo?</translation>
    </message>
    <message>
        <source>Duplicates appeared. Wanna tidy them and make your library clean?</source>
        <translation>Aparecieron duplicados. ¿Los ordenamos y dejamos limpia su biblioteca?</translation>
    </message>
    <message>
        <source>Duplicates found. Click Remove to clean up duplicates easily.</source>
        <translation>Se encontraron duplicados. Pulse Eliminar para quitarlos fácilmente.</translation>
    </message>
    <message>
        <source>Save Result</source>
        <translation>Guardar resultado</translation>
    </message>
    <message>
        <source>The project could not be saved. Please choose another folder and try again.</source>
        <translation>No se pudo guardar el proyecto. Elija otra carpeta e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Select Library XML File</source>
        <translation>Elegir XML</translation>
    </message>
    <message>
        <source>Start to Clean iTunes</source>
        <translation>Limpiar iTunes</translation>
    </message>
    <message>
        <source>Tidewell is cleaning up duplicate songs.</source>
        <translation>Tidewell está eliminando las canciones duplicadas.</translation>
    </message>
    <message>
        <source>Continue to scan music library,please wait a moment.</source>
        <translation>Se sigue escaneando la biblioteca musical, espere un momento.</translation>
    </message>
    <message>
        <source>Do you want to apply new results?</source>
        <translation>¿Desea aplicar los nuevos resultados?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Oops! An error occurred in loading iTunes
library. Please set in iTunes: Preference&gt;
Advance&gt;Share iTunes Library XML with other
application,and Click Try Again to continue.</source>
        <translation>¡Ups! No se pudo leer el archivo de la biblioteca
de iTunes. Compruebe que sea un archivo de biblioteca
de iTunes válido y pulse Reintentar.</translation>
    </message>
    <message>
        <source>Scanning music, please wait a moment...</source>
        <translation>Escaneando la música, espere un momento...</translation>
    </message>
    <message>
        <source>Preparing report, please wait a moment...</source>
        <translation>Preparando el informe, espere un momento...</translation>
    </message>
    <message>
        <source>Unbelievable, no music files found! Wanna try again?</source>
        <translation>¡Increíble, no se encontraron archivos de música! ¿Lo intenta de nuevo?</translation>
    </message>
    <message>
        <source>Hah,nothing found. You must be playing &quot;hide-and-seek&quot; with me.</source>
        <translation>Ja, no hay nada. Debe de estar jugando al «escondite» conmigo.</translation>
    </message>
    <message>
        <source>Congratulations, music library cleaning finished!</source>
        <translation>¡Enhorabuena, la limpieza de la biblioteca ha terminado!</translation>
    </message>
    <message>
        <source>Processing failed songs list, please wait...</source>
        <translation>Procesando la lista de canciones fallidas, espere...</translation>
    </message>
    <message>
        <source>Are you sure you want to replace songs meta
and apply the result?</source>
        <translation>¿Seguro que desea reemplazar los metadatos
y aplicar el resultado?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Are you sure you want to back to Home?</source>
        <translation>¿Seguro que desea volver al inicio?</translation>
    </message>
    <message>
        <source>Are you sure you want to back to Home? If back, the scanning results will not be saved.</source>
        <translation>¿Seguro que desea volver al inicio? Si vuelve, no se guardarán los resultados del escaneo.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <comment>menu entry</comment>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>No song could be fixed this time. You can edit the songs yourself or try fix again.</source>
        <translation>Esta vez no se pudo corregir ninguna canción. Puede editar las canciones usted mismo o volver a intentar la corrección.</translation>
    </message>
    <message>
        <source>No music files found in the folders and files you added. Please add others and try again.</source>
        <translation>No se encontraron archivos de música en las carpetas y archivos que añadió. Añada otros e inténtelo de nuevo.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>The recognition service could not be reached. Please check your internet connection and try fix again.</source>
        <translation>No se pudo contactar con el servicio de reconocimiento. Compruebe su conexión a internet y vuelva a corregir.</translation>
    </message>
    <message>
        <source>Some songs could not be fixed this time. You can edit them yourself or try fix again.</source>
        <translation>Esta vez no se pudieron corregir algunas canciones. Puede editarlas usted mismo o volver a intentarlo.</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) could not be moved to the recycle folder:
%1
Click Remove to try again.</source>
        <translation>
            <numerusform>No se pudo mover %n duplicado a la carpeta de reciclaje:
%1
Haga clic en Eliminar para volver a intentarlo.</numerusform>
            <numerusform>No se pudieron mover %n duplicados a la carpeta de reciclaje:
%1
Haga clic en Eliminar para volver a intentarlo.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is nothing to scan yet. Add music files or folders, or drop them here, then click Scan.</source>
        <translation>Todavía no hay nada que escanear. Añada archivos o carpetas de música, o suéltelos aquí, y luego haga clic en Escanear.</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) could not be moved. Click Remove to try again.</source>
        <translation>
            <numerusform>No se pudo mover %n duplicado. Reintente con Eliminar.</numerusform>
            <numerusform>No se pudieron mover %n duplicados. Reintente con Eliminar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) could not be written: %1.</source>
        <translation>
            <numerusform>No se pudo escribir %n canción: %1.</numerusform>
            <numerusform>No se pudieron escribir %n canciones: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) were written to their files, but the library file could not be saved: %1.</source>
        <translation>
            <numerusform>%n canción se escribió en su archivo, pero no se pudo guardar el archivo de biblioteca: %1.</numerusform>
            <numerusform>%n canciones se escribieron en sus archivos, pero no se pudo guardar el archivo de biblioteca: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) whose file is missing could not be removed from the library: %1.</source>
        <translation>
            <numerusform>No se pudo quitar de la biblioteca %n canción cuyo archivo falta: %1.</numerusform>
            <numerusform>No se pudieron quitar de la biblioteca %n canciones cuyos archivos faltan: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The working database could not be saved: %1.</source>
        <translation>No se pudo guardar la base de datos de trabajo: %1.</translation>
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
    <name>CModifyMusicInfo</name>
    <message>
        <source>Orginal Tag</source>
        <translation>Etiqueta original</translation>
    </message>
    <message>
        <source>New Tag</source>
        <translation>Etiqueta nueva</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artista:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Álbum:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Género:</translation>
    </message>
    <message>
        <source>Please, music title cannot be empty.</source>
        <translation>El título de la canción no puede estar vacío.</translation>
    </message>
    <message>
        <source>Sorry, the file you dragged-in is not a valid
image file.</source>
        <translation>Lo sentimos, el archivo arrastrado no es una
imagen válida.</translation>
    </message>
    <message>
        <source>Sorry, the changes to this song could not be saved.</source>
        <translation>Lo sentimos, no se pudieron guardar los cambios de esta canción.</translation>
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
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
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
    <name>CRangeValidator</name>
    <message>
        <source>Enter a number from %1 to %2.</source>
        <translation>Introduzca un número del %1 al %2.</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>%1 is already running. Please use its open window.</source>
        <translation>%1 ya se está ejecutando. Use la ventana que ya está abierta.</translation>
    </message>
</context>
<context>
    <name>CStartUI</name>
    <message>
        <source>Start to Clean iTunes</source>
        <translation>Limpiar iTunes</translation>
    </message>
    <message>
        <source>Open Music Files</source>
        <translation>Abrir música</translation>
    </message>
    <message>
        <source>Load Saved Result</source>
        <translation>Cargar resultado</translation>
    </message>
    <message>
        <source>Clean-up Duplicates</source>
        <translation>Limpiar duplicados</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
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
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Last fixing project was interrupted
unexpectedly. Do you want to continue it?</source>
        <translation>La última corrección se interrumpió
inesperadamente. ¿Desea continuarla?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open Library.xml</source>
        <translation>Abrir Library.xml</translation>
    </message>
    <message>
        <source>Open Files And Folders</source>
        <translation>Abrir archivos y carpetas</translation>
    </message>
    <message>
        <source>Music Files(%1)</source>
        <translation>Archivos de música(%1)</translation>
    </message>
    <message>
        <source>Open Result File</source>
        <translation>Abrir archivo de resultados</translation>
    </message>
    <message>
        <source>Select Library XML File</source>
        <translation>Elegir XML</translation>
    </message>
    <message>
        <source>Recycle folder</source>
        <translation>Carpeta de reciclaje</translation>
    </message>
    <message>
        <source>Tidewell was ended while it moved songs into or out of the recycle folder. The copies it moved remain there:
%1</source>
        <translation>Tidewell se cerró mientras movía canciones a la carpeta de reciclaje o desde ella. Las copias movidas siguen allí:
%1</translation>
    </message>
</context>
<context>
    <name>CTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
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
    <name>CUpdateCheck</name>
    <message>
        <source>A new version of %1 found! 
Current version: %2
New version: %3

Would you like to update the product?</source>
        <translation>¡Hay una nueva versión de %1! 
Versión actual: %2
Versión nueva: %3

¿Desea actualizar el producto?</translation>
    </message>
    <message>
        <source>You are using the newest version.</source>
        <translation>Está usando la versión más reciente.</translation>
    </message>
    <message>
        <source>Failed to find product record.</source>
        <translation>No se encontró el registro del producto.</translation>
    </message>
    <message>
        <source>Failed to connect the server. 
Please check the validity of the proxy.</source>
        <translation>No se pudo conectar con el servidor. 
Compruebe la configuración del proxy.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Error desconocido.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Failed to connect the server. 
Please check your network connection.</source>
        <translation>No se pudo conectar con el servidor. 
Compruebe su conexión de red.</translation>
    </message>
    <message>
        <source>A new version of %1 found! 
Current version: %2
New version: %3

The update server gave no web address to download it from.</source>
        <translation>¡Hay una nueva versión de %1! 
Versión actual: %2
Versión nueva: %3

El servidor de actualizaciones no indicó ninguna dirección web para descargarla.</translation>
    </message>
    <message>
        <source>The update server did not send the update information (HTTP status %1).</source>
        <translation>El servidor de actualizaciones no envió la información de actualización (estado HTTP %1).</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read as update information.</source>
        <translation>La respuesta del servidor de actualizaciones no se pudo leer como información de actualización.</translation>
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
    <name>FileDialogs</name>
    <message>
        <source>files (*.zavrodata)</source>
        <translation>Archivos de proyecto (*.zavrodata)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Bug sending failed. Would you like to send the bug via email manually?</source>
        <translation>No se pudo enviar el informe. ¿Desea enviarlo manualmente por correo?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Unknown %1</source>
        <translation>%1 desconocido</translation>
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
