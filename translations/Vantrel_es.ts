<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Acerca de Vantrel</translation>
    </message>
    <message>
        <source>Show another</source>
        <translation>Mostrar otra</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>A file browser that lists every folder it may read, hidden and system entries included, shows files as text, as a hex dump or as pictures, and hands the rest to the desktop&apos;s applications.</source>
        <translation>Un explorador de archivos que lista todas las carpetas que puede leer, incluidos los elementos ocultos y del sistema, muestra los archivos como texto, como volcado hexadecimal o como imágenes, y pasa el resto a las aplicaciones del escritorio.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior (GPL-3.0-or-later).</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source>This folder does not exist.</source>
        <translation>Esta carpeta no existe.</translation>
    </message>
    <message>
        <source>This folder cannot be read: you do not have permission.</source>
        <translation>No se puede leer esta carpeta: no tiene permiso.</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Esta carpeta está vacía.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Folders first</source>
        <translation>Carpetas primero</translation>
    </message>
    <message>
        <source>Remember last folder</source>
        <translation>Recordar la última carpeta</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Vantrel</translation>
    </message>
    <message>
        <source>no access</source>
        <translation>sin acceso</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Opens the chosen folder or file</source>
        <translation>Abre la carpeta o el archivo elegido</translation>
    </message>
    <message>
        <source>Goes back to the previous folder</source>
        <translation>Vuelve a la carpeta anterior</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Goes forward again to the folder left with Back</source>
        <translation>Avanza de nuevo a la carpeta que se dejó con Atrás</translation>
    </message>
    <message>
        <source>Goes up to the parent folder</source>
        <translation>Sube a la carpeta superior</translation>
    </message>
    <message>
        <source>Jump to a name</source>
        <translation>Saltar a un nombre</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Jumps to the next name that starts with the typed letters</source>
        <translation>Salta al siguiente nombre que empieza por las letras escritas</translation>
    </message>
    <message>
        <source>Switch order</source>
        <translation>Cambiar orden</translation>
    </message>
    <message>
        <source>Reverse order</source>
        <translation>Invertir orden</translation>
    </message>
    <message>
        <source>Copies the open file to Documents</source>
        <translation>Copia el archivo abierto en Documentos</translation>
    </message>
    <message>
        <source>Closes this page</source>
        <translation>Cierra esta página</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Carpeta personal</translation>
    </message>
    <message>
        <source>Goes to your home folder</source>
        <translation>Va a su carpeta personal</translation>
    </message>
    <message>
        <source>Type a path</source>
        <translation>Escribir una ruta</translation>
    </message>
    <message>
        <source>Turns the path into a field to type a folder or file in</source>
        <translation>Convierte la ruta en un campo para escribir una carpeta o un archivo</translation>
    </message>
    <message>
        <source>Show places</source>
        <translation>Mostrar lugares</translation>
    </message>
    <message>
        <source>Shows or hides the places: home, standard folders, volumes, bookmarks</source>
        <translation>Muestra u oculta los lugares: carpeta personal, carpetas estándar, volúmenes, marcadores</translation>
    </message>
    <message>
        <source>Go to places</source>
        <translation>Ir a los lugares</translation>
    </message>
    <message>
        <source>Moves the keyboard to the places; Escape comes back to the list</source>
        <translation>Lleva el teclado a los lugares; Esc vuelve a la lista</translation>
    </message>
    <message>
        <source>Bookmark this folder</source>
        <translation>Añadir a marcadores</translation>
    </message>
    <message>
        <source>Adds the open folder to the bookmarks in the places</source>
        <translation>Añade la carpeta abierta a los marcadores de los lugares</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Reads the folder again</source>
        <translation>Vuelve a leer la carpeta</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Shows only the names that hold the typed text; Escape clears it</source>
        <translation>Muestra solo los nombres que contienen el texto escrito; Esc lo borra</translation>
    </message>
    <message>
        <source>Show hidden entries</source>
        <translation>Mostrar archivos ocultos</translation>
    </message>
    <message>
        <source>Shows or hides the entries whose names begin with a dot</source>
        <translation>Muestra u oculta los elementos cuyo nombre empieza por un punto</translation>
    </message>
    <message>
        <source>List hidden last</source>
        <translation>Ocultos al final</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Ordenar por nombre</translation>
    </message>
    <message>
        <source>Sort by size</source>
        <translation>Ordenar por tamaño</translation>
    </message>
    <message>
        <source>Sort by date</source>
        <translation>Ordenar por fecha</translation>
    </message>
    <message>
        <source>Sort by type</source>
        <translation>Ordenar por tipo</translation>
    </message>
    <message>
        <source>Entry menu</source>
        <translation>Menú del elemento</translation>
    </message>
    <message>
        <source>Opens the menu of the chosen entry</source>
        <translation>Abre el menú del elemento elegido</translation>
    </message>
    <message>
        <source>Opens the menu: sort order, hidden entries, remembering the folder, about</source>
        <translation>Abre el menú: orden, elementos ocultos, recordar la carpeta, acerca de</translation>
    </message>
    <message>
        <source>Switches between folders first and folders among files</source>
        <translation>Alterna entre carpetas primero y carpetas entre los archivos</translation>
    </message>
    <message>
        <source>Reverses the order</source>
        <translation>Invierte el orden</translation>
    </message>
    <message>
        <source>Folders among files</source>
        <translation>Carpetas entre archivos</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <source>%1 no longer exists; showing the nearest folder above it.</source>
        <translation>%1 ya no existe; se muestra la carpeta superior más cercana.</translation>
    </message>
    <message>
        <source>%1 cannot be read; showing the nearest folder above it.</source>
        <translation>No se puede leer %1; se muestra la carpeta superior más cercana.</translation>
    </message>
    <message>
        <source>broken link → %1</source>
        <translation>enlace roto → %1</translation>
    </message>
    <message>
        <source>modified %1</source>
        <translation>modificado %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>%1 (no match)</source>
        <translation>%1 (sin coincidencias)</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>text file</source>
        <translation>archivo de texto</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>imagen</translation>
    </message>
    <message>
        <source>audio file</source>
        <translation>archivo de audio</translation>
    </message>
    <message>
        <source>video</source>
        <translation>vídeo</translation>
    </message>
    <message>
        <source>archive</source>
        <translation>archivo comprimido</translation>
    </message>
    <message>
        <source>program</source>
        <translation>programa</translation>
    </message>
    <message>
        <source>link</source>
        <translation>enlace</translation>
    </message>
    <message>
        <source>broken link</source>
        <translation>enlace roto</translation>
    </message>
    <message>
        <source>pipe</source>
        <translation>tubería</translation>
    </message>
    <message>
        <source>device</source>
        <translation>dispositivo</translation>
    </message>
    <message>
        <source>socket</source>
        <translation>socket</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>today %1</source>
        <translation>hoy %1</translation>
    </message>
    <message>
        <source>yesterday %1</source>
        <translation>ayer %1</translation>
    </message>
    <message>
        <source>Part of a name</source>
        <translation>Parte de un nombre</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Clear the filter</source>
        <translation>Borrar el filtro</translation>
    </message>
    <message>
        <source>This folder no longer exists</source>
        <translation>Esta carpeta ya no existe</translation>
    </message>
    <message>
        <source>No name holds “%1”.</source>
        <translation>Ningún nombre contiene «%1».</translation>
    </message>
    <message>
        <source>Only hidden entries are here (%1 shows them).</source>
        <translation>Aquí solo hay elementos ocultos (%1 los muestra).</translation>
    </message>
    <message>
        <source>Sorts by this column; again to reverse</source>
        <translation>Ordena por esta columna; otra vez para invertir</translation>
    </message>
    <message>
        <source>This name is not valid UTF-8; its odd bytes show as %1</source>
        <translation>Este nombre no es UTF-8 válido; sus bytes extraños se muestran como %1</translation>
    </message>
    <message>
        <source>%1 does not exist; showing the nearest folder above it.</source>
        <translation>%1 no existe; se muestra la carpeta superior más cercana.</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n entries</source>
        <translation>
            <numerusform>Pegar %n entrada</numerusform>
            <numerusform>Pegar %n entradas</numerusform>
        </translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Puts the chosen entries on the clipboard, to be moved where they are pasted</source>
        <translation>Pone las entradas elegidas en el portapapeles, para moverlas donde se peguen</translation>
    </message>
    <message>
        <source>Puts the chosen entries on the clipboard, to be copied where they are pasted</source>
        <translation>Pone las entradas elegidas en el portapapeles, para copiarlas donde se peguen</translation>
    </message>
    <message>
        <source>Copies or moves the entries on the clipboard into the folder shown</source>
        <translation>Copia o mueve las entradas del portapapeles a la carpeta mostrada</translation>
    </message>
    <message>
        <source>Chooses every entry shown; Escape chooses none, Ctrl+click and Shift+click choose more</source>
        <translation>Elige todas las entradas mostradas; Escape no elige ninguna, Ctrl+clic y Mayús+clic eligen más</translation>
    </message>
    <message>
        <source>List view</source>
        <translation>Vista de lista</translation>
    </message>
    <message>
        <source>Shows the entries as a list with their size, date and type</source>
        <translation>Muestra las entradas como una lista con su tamaño, fecha y tipo</translation>
    </message>
    <message>
        <source>Grid view</source>
        <translation>Vista de cuadrícula</translation>
    </message>
    <message>
        <source>Shows the entries as icons, pictures as thumbnails</source>
        <translation>Muestra las entradas como iconos y las imágenes como miniaturas</translation>
    </message>
    <message>
        <source>Open a terminal here</source>
        <translation>Abrir un terminal aquí</translation>
    </message>
    <message>
        <source>Opens the desktop&apos;s terminal in the folder shown</source>
        <translation>Abre el terminal del escritorio en la carpeta mostrada</translation>
    </message>
    <message>
        <source>Thumbnails in the list</source>
        <translation>Miniaturas en la lista</translation>
    </message>
    <message>
        <source>Shows pictures in the list as small thumbnails instead of icons</source>
        <translation>Muestra las imágenes de la lista como miniaturas pequeñas en lugar de iconos</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]... [FOLDER | FILE | URL]</source>
        <translation>Uso: %1 [OPCIÓN]... [CARPETA | ARCHIVO | URL]</translation>
    </message>
    <message>
        <source>Browses the folders and files of this computer. Opens FOLDER, or the
folder of FILE with FILE selected; a file:// URL may stand for either.
Without one, the folder you were in last opens.

  -h, --help            show this help and exit
  -v, --version         show the version and exit
      --caller-dir=DIR  take a relative path from DIR

Qt&apos;s own options (-platform NAME, -reverse and others) are passed on to Qt.</source>
        <translation>Explora las carpetas y los archivos de este equipo. Abre CARPETA, o la carpeta
de ARCHIVO con ARCHIVO seleccionado; una URL file:// puede indicar cualquiera
de los dos. Sin ninguno, se abre la última carpeta en la que estuvo.

  -h, --help                muestra esta ayuda y sale
  -v, --version             muestra la versión y sale
      --caller-dir=CARPETA  toma una ruta relativa a partir de CARPETA

Las opciones propias de Qt (-platform NOMBRE, -reverse y otras) se pasan a Qt.</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;</source>
        <translation>%1: opción desconocida «%2»</translation>
    </message>
    <message>
        <source>%1: option &apos;%2&apos; needs a value</source>
        <translation>%1: la opción «%2» necesita un valor</translation>
    </message>
    <message>
        <source>%1: %2 is not a folder or file on this computer</source>
        <translation>%1: %2 no es una carpeta ni un archivo de este equipo</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation>Pruebe «%1 --help» para saber más.</translation>
    </message>
    <message numerus="yes">
        <source>%1: only the first path is opened; %n more left aside</source>
        <translation>
            <numerusform>%1: solo se abre la primera ruta; se deja de lado %n más</numerusform>
            <numerusform>%1: solo se abre la primera ruta; se dejan de lado %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CopyBar</name>
    <message>
        <source>Waiting for %1, which does not answer.</source>
        <translation>Esperando a %1, que no responde.</translation>
    </message>
    <message>
        <source>Starting the copy</source>
        <translation>Iniciando la copia</translation>
    </message>
</context>
<context>
    <name>FileHistory</name>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Could not undo %1: %2</source>
        <translation>No se pudo deshacer %1: %2</translation>
    </message>
    <message>
        <source>Could not redo %1: %2</source>
        <translation>No se pudo rehacer %1: %2</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Un nombre no puede estar vacío.</translation>
    </message>
    <message>
        <source>A name cannot contain “/”.</source>
        <translation>Un nombre no puede contener «/».</translation>
    </message>
    <message>
        <source>“.” and “..” cannot be used as names.</source>
        <translation>«.» y «..» no se pueden usar como nombres.</translation>
    </message>
    <message>
        <source>“%1” already exists.</source>
        <translation>«%1» ya existe.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>«%1» ya no existe.</translation>
    </message>
    <message>
        <source>You may not change “%1”.</source>
        <translation>No tiene permiso para cambiar «%1».</translation>
    </message>
    <message>
        <source>“%1” is on a read-only volume.</source>
        <translation>«%1» está en un volumen de solo lectura.</translation>
    </message>
    <message>
        <source>The volume holding “%1” has no trash you can use.</source>
        <translation>El volumen que contiene «%1» no tiene una papelera que pueda usar.</translation>
    </message>
    <message>
        <source>“%1” is in the trash already.</source>
        <translation>«%1» ya está en la papelera.</translation>
    </message>
    <message>
        <source>Where “%1” came from is not known.</source>
        <translation>No se sabe de dónde viene «%1».</translation>
    </message>
    <message>
        <source>“%1” would have to go to another volume.</source>
        <translation>«%1» tendría que ir a otro volumen.</translation>
    </message>
    <message>
        <source>The folder “%1” is no longer empty.</source>
        <translation>La carpeta «%1» ya no está vacía.</translation>
    </message>
    <message>
        <source>“%1” has changed since.</source>
        <translation>«%1» ha cambiado desde entonces.</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>«%1» está en uso.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation>«%1»: %2</translation>
    </message>
</context>
<context>
    <name>FileStep</name>
    <message>
        <source>rename “%1” → “%2”</source>
        <translation>cambiar el nombre «%1» → «%2»</translation>
    </message>
    <message>
        <source>new folder “%1”</source>
        <translation>carpeta nueva «%1»</translation>
    </message>
    <message>
        <source>restore “%1”</source>
        <translation>restaurar «%1»</translation>
    </message>
    <message>
        <source>trash “%1”</source>
        <translation>mover «%1» a la papelera</translation>
    </message>
    <message numerus="yes">
        <source>restore %n entries</source>
        <translation>
            <numerusform>restaurar %n elemento</numerusform>
            <numerusform>restaurar %n elementos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>trash %n entries</source>
        <translation>
            <numerusform>mover %n elemento a la papelera</numerusform>
            <numerusform>mover %n elementos a la papelera</numerusform>
        </translation>
    </message>
    <message>
        <source>move “%1” to “%2”</source>
        <translation>mover «%1» a «%2»</translation>
    </message>
    <message numerus="yes">
        <source>move %n entries to “%1”</source>
        <translation>
            <numerusform>mover %n elemento a «%1»</numerusform>
            <numerusform>mover %n elementos a «%1»</numerusform>
        </translation>
    </message>
    <message>
        <source>copy “%1” to “%2”</source>
        <translation>copiar «%1» a «%2»</translation>
    </message>
    <message numerus="yes">
        <source>copy %n entries to “%1”</source>
        <translation>
            <numerusform>copiar %n elemento a «%1»</numerusform>
            <numerusform>copiar %n elementos a «%1»</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Edits the chosen entry&apos;s name in place; Enter renames, Escape keeps it</source>
        <translation>Edita el nombre del elemento elegido en su sitio; Intro lo cambia, Escape lo conserva</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Carpeta nueva</translation>
    </message>
    <message>
        <source>Makes a folder in the open folder</source>
        <translation>Crea una carpeta en la carpeta abierta</translation>
    </message>
    <message>
        <source>Move to trash</source>
        <translation>Mover a la papelera</translation>
    </message>
    <message>
        <source>Moves the chosen entries to the trash, from where they can be restored</source>
        <translation>Mueve los elementos elegidos a la papelera, desde donde se pueden restaurar</translation>
    </message>
    <message>
        <source>Delete permanently</source>
        <translation>Eliminar definitivamente</translation>
    </message>
    <message>
        <source>Deletes the chosen entries for good, after asking</source>
        <translation>Elimina definitivamente los elementos elegidos, tras preguntar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Puts the chosen entries of the trash back where they were</source>
        <translation>Devuelve los elementos elegidos de la papelera adonde estaban</translation>
    </message>
    <message>
        <source>Empty trash</source>
        <translation>Vaciar la papelera</translation>
    </message>
    <message>
        <source>Deletes everything in the trash for good, after asking</source>
        <translation>Elimina definitivamente todo lo que hay en la papelera, tras preguntar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Takes back your last rename, new folder, trash or restore</source>
        <translation>Deshace su último cambio de nombre, carpeta nueva, envío a la papelera o restauración</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Makes again the step Undo took back</source>
        <translation>Vuelve a hacer el paso que Deshacer anuló</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Name of the new folder</source>
        <translation>Nombre de la carpeta nueva</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nombre nuevo</translation>
    </message>
    <message numerus="yes">
        <source>Moving %n entries to the trash</source>
        <translation>
            <numerusform>Moviendo %n elemento a la papelera</numerusform>
            <numerusform>Moviendo %n elementos a la papelera</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete “%1” permanently?</source>
        <translation>¿Eliminar «%1» definitivamente?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n entries permanently?</source>
        <translation>
            <numerusform>¿Eliminar %n elemento definitivamente?</numerusform>
            <numerusform>¿Eliminar %n elementos definitivamente?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleting %n entries</source>
        <translation>
            <numerusform>Eliminando %n elemento</numerusform>
            <numerusform>Eliminando %n elementos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restoring %n entries</source>
        <translation>
            <numerusform>Restaurando %n elemento</numerusform>
            <numerusform>Restaurando %n elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete everything in the trash permanently?</source>
        <translation>¿Eliminar definitivamente todo lo que hay en la papelera?</translation>
    </message>
    <message>
        <source>Emptying the trash</source>
        <translation>Vaciando la papelera</translation>
    </message>
    <message numerus="yes">
        <source>%n more could not be done</source>
        <translation>
            <numerusform>%n más no se pudo hacer</numerusform>
            <numerusform>%n más no se pudieron hacer</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” moved to the trash</source>
        <translation>«%1» movido a la papelera</translation>
    </message>
    <message numerus="yes">
        <source>%n entries moved to the trash</source>
        <translation>
            <numerusform>%n elemento movido a la papelera</numerusform>
            <numerusform>%n elementos movidos a la papelera</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” deleted</source>
        <translation>«%1» eliminado</translation>
    </message>
    <message numerus="yes">
        <source>%n entries deleted</source>
        <translation>
            <numerusform>%n elemento eliminado</numerusform>
            <numerusform>%n elementos eliminados</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” restored</source>
        <translation>«%1» restaurado</translation>
    </message>
    <message numerus="yes">
        <source>%n entries restored</source>
        <translation>
            <numerusform>%n elemento restaurado</numerusform>
            <numerusform>%n elementos restaurados</numerusform>
        </translation>
    </message>
    <message>
        <source>The trash is empty</source>
        <translation>La papelera está vacía</translation>
    </message>
    <message>
        <source>“%1” is taken in %2. Restore it as “%3”?</source>
        <translation>«%1» ya existe en %2. ¿Restaurarlo como «%3»?</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>origin unknown</source>
        <translation>origen desconocido</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papelera</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n elemento</numerusform>
            <numerusform>%n elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>Counting…</source>
        <translation>Contando…</translation>
    </message>
    <message>
        <source>Chosen</source>
        <translation>Elegidos</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Contenido</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n carpeta</numerusform>
            <numerusform>%n carpetas</numerusform>
        </translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message>
        <source>On disk</source>
        <translation>En disco</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation>Ilegibles</translation>
    </message>
    <message numerus="yes">
        <source>%n entries could not be read; the totals are at least these</source>
        <translation>
            <numerusform>%n elemento no se pudo leer; los totales son al menos estos</numerusform>
            <numerusform>%n elementos no se pudieron leer; los totales son al menos estos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FolderStatus</name>
    <message>
        <source>%1 free</source>
        <translation>%1 libres</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries</source>
        <translation>
            <numerusform>%Ln elemento</numerusform>
            <numerusform>%Ln elementos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln hidden</source>
        <translation>
            <numerusform>%1, %Ln oculto</numerusform>
            <numerusform>%1, %Ln ocultos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln selected</source>
        <translation>
            <numerusform>%Ln seleccionado</numerusform>
            <numerusform>%Ln seleccionados</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Actual size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3%</source>
        <translation>%1 × %2 píxeles, %3&#xa0;%</translation>
    </message>
    <message>
        <source>This file no longer exists.</source>
        <translation>Este archivo ya no existe.</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>One image pixel per screen pixel</source>
        <translation>Un píxel de la imagen por cada píxel de la pantalla</translation>
    </message>
    <message>
        <source>Fit the image to the window</source>
        <translation>Ajustar la imagen a la ventana</translation>
    </message>
    <message>
        <source>Zoom to window</source>
        <translation>Llenar la ventana</translation>
    </message>
    <message>
        <source>Fills the window, also enlarging a small picture</source>
        <translation>Llena la ventana, ampliando también una imagen pequeña</translation>
    </message>
    <message>
        <source>Previous picture</source>
        <translation>Imagen anterior</translation>
    </message>
    <message>
        <source>Shows the previous picture of the folder</source>
        <translation>Muestra la imagen anterior de la carpeta</translation>
    </message>
    <message>
        <source>Next picture</source>
        <translation>Imagen siguiente</translation>
    </message>
    <message>
        <source>Shows the next picture of the folder</source>
        <translation>Muestra la imagen siguiente de la carpeta</translation>
    </message>
    <message>
        <source>This picture cannot be shown: %1</source>
        <translation>No se puede mostrar esta imagen: %1</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation type="vanished">no se puede decodificar</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>an entry of that name is there</source>
        <translation>ya hay una entrada con ese nombre</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>sin permiso</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the destination does not accept that name</source>
        <translation>el destino no acepta ese nombre</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>ya no existe</translation>
    </message>
    <message>
        <source>it changed while it was moved</source>
        <translation>cambió mientras se movía</translation>
    </message>
    <message>
        <source>pipes, devices and sockets are not copied</source>
        <translation>las tuberías, dispositivos y sockets no se copian</translation>
    </message>
    <message>
        <source>a folder cannot go into itself</source>
        <translation>una carpeta no puede ir dentro de sí misma</translation>
    </message>
    <message>
        <source>it is already there</source>
        <translation>ya está ahí</translation>
    </message>
    <message>
        <source>the folder contains itself</source>
        <translation>la carpeta se contiene a sí misma</translation>
    </message>
    <message>
        <source>the destination folder no longer exists</source>
        <translation>la carpeta de destino ya no existe</translation>
    </message>
    <message>
        <source>an error</source>
        <translation>un error</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message numerus="yes">
        <source>%n s left</source>
        <translation>
            <numerusform>queda %n s</numerusform>
            <numerusform>quedan %n s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min left</source>
        <translation>
            <numerusform>queda %n min</numerusform>
            <numerusform>quedan %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n h left</source>
        <translation>
            <numerusform>queda %n h</numerusform>
            <numerusform>quedan %n h</numerusform>
        </translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n entries</source>
        <translation>
            <numerusform>%1 de %n entrada</numerusform>
            <numerusform>%1 de %n entradas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>contando…</translation>
    </message>
    <message>
        <source>writing to disk…</source>
        <translation>escribiendo en el disco…</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>“%1” is already there.</source>
        <translation>«%1» ya está ahí.</translation>
    </message>
    <message>
        <source>“%1” could not be done: %2</source>
        <translation>«%1» no se pudo procesar: %2</translation>
    </message>
    <message>
        <source>There: %1. New: %2.</source>
        <translation>Existente: %1. Nuevo: %2.</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Aplicar a todo</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>Jobs are running</source>
        <translation>Hay tareas en curso</translation>
    </message>
    <message>
        <source>Stopping the jobs; nothing is left half done…</source>
        <translation>Deteniendo las tareas; nada queda a medias…</translation>
    </message>
    <message numerus="yes">
        <source>Jobs still running: %n. Stop them and leave?</source>
        <translation>
            <numerusform>Tareas en curso: %n. ¿Detenerlas y salir?</numerusform>
            <numerusform>Tareas en curso: %n. ¿Detenerlas y salir?</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation>Seguir trabajando</translation>
    </message>
    <message>
        <source>Stop and leave</source>
        <translation>Detener y salir</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Your settings could not be saved: %1</source>
        <translation>No se pudo guardar la configuración: %1</translation>
    </message>
    <message>
        <source>Your settings file could not be read; it was kept as %1 and the settings start afresh.</source>
        <translation>No se pudo leer el archivo de configuración; se conservó como %1 y la configuración empieza de cero.</translation>
    </message>
    <message>
        <source>Your settings file could not be read (%1); it will be kept aside before anything is saved.</source>
        <translation>No se pudo leer el archivo de configuración (%1); se apartará antes de guardar nada.</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Descartar</translation>
    </message>
</context>
<context>
    <name>OpenPage</name>
    <message>
        <source>This file no longer exists.</source>
        <translation>Este archivo ya no existe.</translation>
    </message>
    <message>
        <source>This is a %1; it is never handed to another application.</source>
        <translation>Esto es de tipo %1; nunca se pasa a otra aplicación.</translation>
    </message>
    <message>
        <source>This file is a program. Opening it runs:</source>
        <translation>Este archivo es un programa. Abrirlo ejecuta:</translation>
    </message>
    <message>
        <source>No application is set to open %1 files</source>
        <translation>No hay ninguna aplicación configurada para abrir archivos %1</translation>
    </message>
    <message>
        <source>The desktop could not open this file.</source>
        <translation>El escritorio no pudo abrir este archivo.</translation>
    </message>
    <message>
        <source>Run it</source>
        <translation>Ejecutarlo</translation>
    </message>
    <message>
        <source>Waiting for %1, which does not answer.</source>
        <translation>Esperando a %1, que no responde.</translation>
    </message>
    <message>
        <source>This file changed after it was shown. Opening it now runs:</source>
        <translation>Este archivo cambió después de mostrarse. Abrirlo ahora ejecuta:</translation>
    </message>
    <message>
        <source>This entry is not run: the desktop might read it otherwise than shown.</source>
        <translation>Esta entrada no se ejecuta: el escritorio podría leerla de otro modo que como se muestra.</translation>
    </message>
    <message>
        <source>This desktop does not open files in other applications.</source>
        <translation>Este escritorio no abre archivos en otras aplicaciones.</translation>
    </message>
    <message>
        <source>This link leads to %1, which does not exist.</source>
        <translation>Este enlace lleva a %1, que no existe.</translation>
    </message>
</context>
<context>
    <name>PathBar</name>
    <message>
        <source>Path: %1</source>
        <translation>Ruta: %1</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>No existe la carpeta: %1</translation>
    </message>
    <message>
        <source>Folder or file to go to</source>
        <translation>Carpeta o archivo al que ir</translation>
    </message>
</context>
<context>
    <name>PathCompletion</name>
    <message>
        <source>Suggestions</source>
        <translation>Sugerencias</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>the file is no longer there</source>
        <translation>el archivo ya no está</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>you may not read this file</source>
        <translation>no tiene permiso para leer este archivo</translation>
    </message>
    <message>
        <source>the file could not be read (%1)</source>
        <translation>no se pudo leer el archivo (%1)</translation>
    </message>
    <message>
        <source>its content is not a picture format this program reads</source>
        <translation>su contenido no es un formato de imagen que este programa sepa leer</translation>
    </message>
    <message>
        <source>its data is damaged or cut short</source>
        <translation>sus datos están dañados o incompletos</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>at %1 × %2 pixels it needs %3 MiB, more than the %4 MiB this computer allows for pictures</source>
        <translation>a %1 × %2 píxeles necesita %3 MiB, más de los %4 MiB que este equipo permite para imágenes</translation>
    </message>
</context>
<context>
    <name>PlaceDelegate</name>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 ya no existe</translation>
    </message>
    <message>
        <source>bookmark, folder is gone</source>
        <translation>marcador, la carpeta ya no existe</translation>
    </message>
    <message>
        <source>bookmark</source>
        <translation>marcador</translation>
    </message>
    <message>
        <source>open now</source>
        <translation>abierto ahora</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove bookmark %1</source>
        <translation>Quitar marcador %1</translation>
    </message>
    <message>
        <source>Removes this bookmark (Delete)</source>
        <translation>Quita este marcador (Supr)</translation>
    </message>
    <message>
        <source>not answering</source>
        <translation>no responde</translation>
    </message>
    <message>
        <source>bookmark, waiting for its folder to answer</source>
        <translation>marcador, esperando respuesta de su carpeta</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>%1 free</source>
        <translation>%1 libres</translation>
    </message>
    <message>
        <source>Shared documents</source>
        <translation>Documentos compartidos</translation>
    </message>
    <message>
        <source>Root folder</source>
        <translation>Carpeta raíz</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Carpeta personal</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Descargas</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
</context>
<context>
    <name>PlacesList</name>
    <message>
        <source>Places</source>
        <translation>Lugares</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volúmenes</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marcadores</translation>
    </message>
</context>
<context>
    <name>PropertiesPage</name>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation type="vanished">%1 (%2 bytes)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>Último acceso</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permisos</translation>
    </message>
    <message>
        <source>Link to</source>
        <translation>Enlace a</translation>
    </message>
    <message>
        <source>This link is broken: its target does not exist.</source>
        <translation type="vanished">Este enlace está roto: su destino no existe.</translation>
    </message>
    <message>
        <source>This file no longer exists.</source>
        <translation>Este archivo ya no existe.</translation>
    </message>
    <message>
        <source>Go to target</source>
        <translation>Ir al destino</translation>
    </message>
    <message>
        <source>This link is broken: %1 does not exist.</source>
        <translation>Este enlace está roto: %1 no existe.</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayús</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
</context>
<context>
    <name>SceneTools</name>
    <message numerus="yes">
        <source>%1 byte(s)</source>
        <comment>a file&apos;s size</comment>
        <translation>
            <numerusform>%1 byte</numerusform>
            <numerusform>%1 bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>Search results</source>
        <translation>Resultados de la búsqueda</translation>
    </message>
    <message>
        <source>Show in its folder</source>
        <translation>Mostrar en su carpeta</translation>
    </message>
    <message>
        <source>in this folder</source>
        <translation>en esta carpeta</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>found in its text</source>
        <translation>encontrado en su texto</translation>
    </message>
    <message numerus="yes">
        <source>Searching… %n folders looked through</source>
        <translation>
            <numerusform>Buscando… %n carpeta revisada</numerusform>
            <numerusform>Buscando… %n carpetas revisadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing below this folder matches</source>
        <translation>Nada bajo esta carpeta coincide</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n results are shown</source>
        <translation>
            <numerusform>Solo se muestra el primer resultado</numerusform>
            <numerusform>Solo se muestran los primeros %n resultados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <translation>
            <numerusform>%n encontrado</numerusform>
            <numerusform>%n encontrados</numerusform>
        </translation>
    </message>
    <message>
        <source>Below this folder</source>
        <translation>Bajo esta carpeta</translation>
    </message>
    <message>
        <source>Searches every folder below this one for the typed name; * and ? stand for any letters</source>
        <translation>Busca el nombre escrito en todas las carpetas bajo esta; * y ? representan cualquier letra</translation>
    </message>
    <message>
        <source>Opens the folder that holds the found entry, with the entry chosen</source>
        <translation>Abre la carpeta que contiene la entrada encontrada, con la entrada elegida</translation>
    </message>
    <message>
        <source>In contents</source>
        <translation>En el contenido</translation>
    </message>
    <message>
        <source>Also finds text files that hold the typed words, up to 1 MiB each</source>
        <translation>Encuentra también archivos de texto de hasta 1 MiB que contienen las palabras escritas</translation>
    </message>
    <message>
        <source>Other drives</source>
        <translation>Otras unidades</translation>
    </message>
    <message>
        <source>Also searches the drives and file systems mounted below this folder</source>
        <translation>Busca también en las unidades y sistemas de archivos montados bajo esta carpeta</translation>
    </message>
</context>
<context>
    <name>Segments</name>
    <message>
        <source>Go to %1</source>
        <translation>Ir a %1</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>This folder no longer exists</source>
        <translation>Esta carpeta ya no existe</translation>
    </message>
    <message>
        <source>No terminal found: install one, or name yours in $TERMINAL</source>
        <translation>No se encontró ningún terminal: instale uno o indique el suyo en $TERMINAL</translation>
    </message>
    <message>
        <source>The terminal could not be started: %1</source>
        <translation>No se pudo iniciar el terminal: %1</translation>
    </message>
</context>
<context>
    <name>TextView</name>
    <message>
        <source>This file cannot be opened.</source>
        <translation>No se puede abrir este archivo.</translation>
    </message>
    <message>
        <source>This file no longer exists.</source>
        <translation>Este archivo ya no existe.</translation>
    </message>
    <message>
        <source>This file is empty.</source>
        <translation>Este archivo está vacío.</translation>
    </message>
    <message>
        <source>Could not copy: this file no longer exists.</source>
        <translation>No se pudo copiar: este archivo ya no existe.</translation>
    </message>
    <message>
        <source>Copied to Documents.</source>
        <translation type="vanished">Copiado en Documentos.</translation>
    </message>
    <message>
        <source>Copy to Documents</source>
        <translation>Copiar a Documentos</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Finds words in the text</source>
        <translation>Busca palabras en el texto</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>Goes to the next place the words are found</source>
        <translation>Va al siguiente lugar donde aparecen las palabras</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Buscar anterior</translation>
    </message>
    <message>
        <source>Goes to the previous place the words are found</source>
        <translation>Va al lugar anterior donde aparecen las palabras</translation>
    </message>
    <message>
        <source>Wrap lines</source>
        <translation>Ajustar líneas</translation>
    </message>
    <message>
        <source>Breaks long lines at the window&apos;s edge, or not</source>
        <translation>Parte las líneas largas en el borde de la ventana, o no</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Selects the whole text; Shift with the arrows selects part of it</source>
        <translation>Selecciona todo el texto; Mayús con las flechas selecciona una parte</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copies the selected text to the clipboard</source>
        <translation>Copia el texto seleccionado al portapapeles</translation>
    </message>
    <message>
        <source>Could not copy: a file of that name is already in Documents.</source>
        <translation>No se pudo copiar: ya hay un archivo con ese nombre en Documentos.</translation>
    </message>
    <message>
        <source>Could not copy: no permission.</source>
        <translation>No se pudo copiar: no tiene permiso.</translation>
    </message>
    <message>
        <source>Could not copy: the disk is full.</source>
        <translation>No se pudo copiar: el disco está lleno.</translation>
    </message>
    <message>
        <source>Could not copy: this is not a regular file.</source>
        <translation>No se pudo copiar: no es un archivo normal.</translation>
    </message>
    <message>
        <source>Could not copy: Documents is a link, not a folder.</source>
        <translation>No se pudo copiar: Documentos es un enlace, no una carpeta.</translation>
    </message>
    <message>
        <source>The copy was cancelled; nothing was left behind.</source>
        <translation>Se canceló la copia; no quedó nada.</translation>
    </message>
    <message>
        <source>Could not copy: %1</source>
        <translation>No se pudo copiar: %1</translation>
    </message>
    <message>
        <source>Could not copy to Documents.</source>
        <translation>No se pudo copiar a Documentos.</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>%1 — only the first %2 of the file&apos;s %3 are shown.</source>
        <translation>%1 — solo se muestran los primeros %2 de los %3 del archivo.</translation>
    </message>
    <message>
        <source>Could not copy: the file changed while it was copied.</source>
        <translation>No se pudo copiar: el archivo cambió mientras se copiaba.</translation>
    </message>
    <message numerus="yes">
        <source>%n long line(s) broken for display</source>
        <translation>
            <numerusform>%n línea larga partida para mostrarla</numerusform>
            <numerusform>%n líneas largas partidas para mostrarlas</numerusform>
        </translation>
    </message>
    <message>
        <source>Copied to %1.</source>
        <translation>Copiado en %1.</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Copying “%1” to Documents</source>
        <translation>Copiando «%1» a Documentos</translation>
    </message>
    <message>
        <source>Copied to Documents.</source>
        <translation>Copiado a Documentos.</translation>
    </message>
    <message>
        <source>Cancelled; nothing was left half done.</source>
        <translation>Cancelado; nada quedó a medias.</translation>
    </message>
    <message>
        <source>Could not copy: %1</source>
        <translation>No se pudo copiar: %1</translation>
    </message>
    <message>
        <source>Could not move: %1</source>
        <translation>No se pudo mover: %1</translation>
    </message>
    <message>
        <source>Moving “%1” to %2</source>
        <translation>Moviendo «%1» a %2</translation>
    </message>
    <message>
        <source>Copying “%1” to %2</source>
        <translation>Copiando «%1» a %2</translation>
    </message>
    <message numerus="yes">
        <source>Moving %n entries to %1</source>
        <translation>
            <numerusform>Moviendo %n entrada a %1</numerusform>
            <numerusform>Moviendo %n entradas a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying %n entries to %1</source>
        <translation>
            <numerusform>Copiando %n entrada a %1</numerusform>
            <numerusform>Copiando %n entradas a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after moving %n of %1; the rest is where it was.</source>
        <translation>
            <numerusform>Cancelado tras mover %n de %1; el resto sigue donde estaba.</numerusform>
            <numerusform>Cancelado tras mover %n de %1; el resto sigue donde estaba.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after copying %n of %1; nothing was left half done.</source>
        <translation>
            <numerusform>Cancelado tras copiar %n de %1; nada quedó a medias.</numerusform>
            <numerusform>Cancelado tras copiar %n de %1; nada quedó a medias.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n entries.</source>
        <translation>
            <numerusform>%n entrada movida.</numerusform>
            <numerusform>%n entradas movidas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n entries.</source>
        <translation>
            <numerusform>%n entrada copiada.</numerusform>
            <numerusform>%n entradas copiadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n of %1.</source>
        <translation>
            <numerusform>%n de %1 movida.</numerusform>
            <numerusform>%n de %1 movidas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n of %1.</source>
        <translation>
            <numerusform>%n de %1 copiada.</numerusform>
            <numerusform>%n de %1 copiadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left where it was (%1).</source>
        <translation>
            <numerusform>%n se quedó donde estaba (%1).</numerusform>
            <numerusform>%n se quedaron donde estaban (%1).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Viewers</name>
    <message>
        <source>Open with the default application</source>
        <translation>Abrir con la aplicación predeterminada</translation>
    </message>
    <message>
        <source>Hands the chosen file to the desktop&apos;s application for its type</source>
        <translation>Pasa el archivo elegido a la aplicación del escritorio para su tipo</translation>
    </message>
    <message>
        <source>View as text</source>
        <translation>Ver como texto</translation>
    </message>
    <message>
        <source>Shows the chosen file as text, whatever it holds</source>
        <translation>Muestra el archivo elegido como texto, contenga lo que contenga</translation>
    </message>
    <message>
        <source>View as hex</source>
        <translation>Ver en hexadecimal</translation>
    </message>
    <message>
        <source>Shows the chosen file&apos;s bytes in hexadecimal</source>
        <translation>Muestra los bytes del archivo elegido en hexadecimal</translation>
    </message>
    <message>
        <source>Copies the chosen file to Documents</source>
        <translation>Copia el archivo elegido en Documentos</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Shows size, times, owner, permissions and type of the chosen entry</source>
        <translation>Muestra el tamaño, las fechas, el propietario, los permisos y el tipo del elemento elegido</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stops the copy to Documents; nothing of it is left</source>
        <translation>Detiene la copia a Documentos; no queda nada de ella</translation>
    </message>
    <message>
        <source>%1 of %2, %3/s</source>
        <translation>%1 de %2, %3/s</translation>
    </message>
    <message>
        <source>Another copy is still running.</source>
        <translation>Ya hay otra copia en curso.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Show the copy</source>
        <translation>Mostrar la copia</translation>
    </message>
</context>
</TS>
