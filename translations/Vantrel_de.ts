<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Über Vantrel</translation>
    </message>
    <message>
        <source>Show another</source>
        <translation>Anderes Bild zeigen</translation>
    </message>
    <message>
        <source>A file browser that lists every folder it may read, hidden and system entries included, and shows files as text or as pictures.</source>
        <translation>Ein Dateibrowser, der jeden Ordner auflistet, den er lesen darf, versteckte und Systemeinträge eingeschlossen, und Dateien als Text oder als Bild anzeigt.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source>This folder does not exist.</source>
        <translation>Dieser Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>This folder cannot be read: you do not have permission.</source>
        <translation>Dieser Ordner kann nicht gelesen werden: Sie haben keine Berechtigung.</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Dieser Ordner ist leer.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Folders first</source>
        <translation>Ordner zuerst</translation>
    </message>
    <message>
        <source>Remember last folder</source>
        <translation>Letzten Ordner merken</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Vantrel</translation>
    </message>
    <message>
        <source>no access</source>
        <translation>kein Zugriff</translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the chosen folder or file</source>
        <translation>Öffnet den gewählten Ordner oder die gewählte Datei</translation>
    </message>
    <message>
        <source>Goes back to the previous folder</source>
        <translation>Kehrt zum vorherigen Ordner zurück</translation>
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
        <translation>Wechselt zum übergeordneten Ordner</translation>
    </message>
    <message>
        <source>Jump to a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Tippen</translation>
    </message>
    <message>
        <source>Jumps to the next name that starts with the typed letters</source>
        <translation>Springt zum nächsten Namen, der mit den getippten Buchstaben beginnt</translation>
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
        <translation>Kopiert die geöffnete Datei in „Dokumente“</translation>
    </message>
    <message>
        <source>Closes this page</source>
        <translation>Schließt diese Seite</translation>
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
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3%</source>
        <translation>%1 × %2 Pixel, %3&#xa0;%</translation>
    </message>
    <message>
        <source>This image cannot be shown.</source>
        <translation>Dieses Bild kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>This file no longer exists.</source>
        <translation>Diese Datei existiert nicht mehr.</translation>
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
        <translation>Strg</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished">Nach oben</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Eingabetaste</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished">Menü</translation>
    </message>
</context>
<context>
    <name>TextView</name>
    <message>
        <source>This file cannot be opened.</source>
        <translation>Diese Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>This file no longer exists.</source>
        <translation>Diese Datei existiert nicht mehr.</translation>
    </message>
    <message>
        <source>This file is empty.</source>
        <translation>Diese Datei ist leer.</translation>
    </message>
    <message>
        <source>There is no text to show: the file begins with a zero byte.</source>
        <translation>Kein Text zum Anzeigen: Die Datei beginnt mit einem Nullbyte.</translation>
    </message>
    <message>
        <source>There is no text to show.</source>
        <translation>Kein Text zum Anzeigen.</translation>
    </message>
    <message>
        <source>Only the first %1 of the file&apos;s %2 bytes are shown.</source>
        <translation>Nur die ersten %1 der %2 Bytes der Datei werden angezeigt.</translation>
    </message>
    <message>
        <source>Could not copy: this file no longer exists.</source>
        <translation>Kopieren fehlgeschlagen: Diese Datei existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Copied to Documents.</source>
        <translation>In „Dokumente“ kopiert.</translation>
    </message>
    <message>
        <source>Could not copy to Documents (a file of that name may already be there).</source>
        <translation>Kopieren in „Dokumente“ fehlgeschlagen (dort liegt vielleicht schon eine gleichnamige Datei).</translation>
    </message>
    <message>
        <source>Copy to Documents</source>
        <translation>In Dokumente kopieren</translation>
    </message>
    <message>
        <source>Only the first %1 of the file&apos;s %2 bytes are shown: the text stops at a zero byte.</source>
        <translation>Nur die ersten %1 der %2 Bytes der Datei werden angezeigt: der Text endet an einem Nullbyte.</translation>
    </message>
</context>
</TS>
