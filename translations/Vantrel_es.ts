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
        <source>A file browser that lists every folder it may read, hidden and system entries included, and shows files as text or as pictures.</source>
        <translation>Un explorador de archivos que lista todas las carpetas que puede leer, incluidas las entradas ocultas y del sistema, y muestra los archivos como texto o como imagen.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes forward again to the folder left with Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes up to the parent folder</source>
        <translation>Sube a la carpeta superior</translation>
    </message>
    <message>
        <source>Jump to a name</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse order</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes to your home folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the folder again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows only the names that hold the typed text; Escape clears it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show hidden entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows or hides the entries whose names begin with a dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List hidden last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the menu of the chosen entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the menu: sort order, hidden entries, remembering the folder, about</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switches between folders first and folders among files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverses the order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders among files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no longer exists; showing the nearest folder above it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read; showing the nearest folder above it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>broken link → %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>modified %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This name is not valid UTF-8; its odd bytes show as <byte value="x0"/>NN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (no match)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>audio file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>broken link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>today %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yesterday %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part of a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder no longer exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No name holds “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only hidden entries are here (%1 shows them).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorts by this column; again to reverse</source>
        <translation type="unfinished"></translation>
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
        <source>This image cannot be shown.</source>
        <translation>No se puede mostrar esta imagen.</translation>
    </message>
    <message>
        <source>This file no longer exists.</source>
        <translation>Este archivo ya no existe.</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One image pixel per screen pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit the image to the window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>%1 free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Root folder</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished">Subir</translation>
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
        <translation type="unfinished">Menú</translation>
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
        <source>There is no text to show: the file begins with a zero byte.</source>
        <translation>No hay texto que mostrar: el archivo empieza por un byte nulo.</translation>
    </message>
    <message>
        <source>There is no text to show.</source>
        <translation>No hay texto que mostrar.</translation>
    </message>
    <message>
        <source>Only the first %1 of the file&apos;s %2 bytes are shown.</source>
        <translation>Solo se muestran los primeros %1 de los %2 bytes del archivo.</translation>
    </message>
    <message>
        <source>Could not copy: this file no longer exists.</source>
        <translation>No se pudo copiar: este archivo ya no existe.</translation>
    </message>
    <message>
        <source>Copied to Documents.</source>
        <translation>Copiado en Documentos.</translation>
    </message>
    <message>
        <source>Could not copy to Documents (a file of that name may already be there).</source>
        <translation>No se pudo copiar a Documentos (puede que ya haya allí un archivo con ese nombre).</translation>
    </message>
    <message>
        <source>Copy to Documents</source>
        <translation>Copiar a Documentos</translation>
    </message>
    <message>
        <source>Only the first %1 of the file&apos;s %2 bytes are shown: the text stops at a zero byte.</source>
        <translation>Solo se muestran los primeros %1 de los %2 bytes del archivo: el texto termina en un byte nulo.</translation>
    </message>
</context>
</TS>
