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
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>A file browser that lists every folder it may read, hidden and system entries included, shows files as text, as a hex dump or as pictures, and hands the rest to the desktop&apos;s applications.</source>
        <translation>Ein Dateibrowser, der jeden lesbaren Ordner auflistet, ausgeblendete und Systemeinträge eingeschlossen, Dateien als Text, als Hex-Ansicht oder als Bilder anzeigt und alles Übrige an die Anwendungen der Arbeitsumgebung übergibt.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder neuer (GPL-3.0-or-later).</translation>
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
        <translation>Öffnen</translation>
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
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Goes forward again to the folder left with Back</source>
        <translation>Geht wieder vorwärts zu dem Ordner, der mit „Zurück“ verlassen wurde</translation>
    </message>
    <message>
        <source>Goes up to the parent folder</source>
        <translation>Wechselt zum übergeordneten Ordner</translation>
    </message>
    <message>
        <source>Jump to a name</source>
        <translation>Zu einem Namen springen</translation>
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
        <translation>Reihenfolge wechseln</translation>
    </message>
    <message>
        <source>Reverse order</source>
        <translation>Umgekehrte Reihenfolge</translation>
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
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Goes to your home folder</source>
        <translation>Wechselt zu Ihrem persönlichen Ordner</translation>
    </message>
    <message>
        <source>Type a path</source>
        <translation>Pfad eingeben</translation>
    </message>
    <message>
        <source>Turns the path into a field to type a folder or file in</source>
        <translation>Macht den Pfad zu einem Feld, in das Sie einen Ordner oder eine Datei eingeben können</translation>
    </message>
    <message>
        <source>Show places</source>
        <translation>Orte anzeigen</translation>
    </message>
    <message>
        <source>Shows or hides the places: home, standard folders, volumes, bookmarks</source>
        <translation>Zeigt oder verbirgt die Orte: persönlicher Ordner, Standardordner, Datenträger, Lesezeichen</translation>
    </message>
    <message>
        <source>Go to places</source>
        <translation>Zu den Orten</translation>
    </message>
    <message>
        <source>Moves the keyboard to the places; Escape comes back to the list</source>
        <translation>Verschiebt den Tastaturfokus zu den Orten; Esc kehrt zur Liste zurück</translation>
    </message>
    <message>
        <source>Bookmark this folder</source>
        <translation>Lesezeichen für diesen Ordner</translation>
    </message>
    <message>
        <source>Adds the open folder to the bookmarks in the places</source>
        <translation>Fügt den geöffneten Ordner zu den Lesezeichen in den Orten hinzu</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Reads the folder again</source>
        <translation>Liest den Ordner erneut ein</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Shows only the names that hold the typed text; Escape clears it</source>
        <translation>Zeigt nur die Namen, die den eingegebenen Text enthalten; Esc leert den Filter</translation>
    </message>
    <message>
        <source>Show hidden entries</source>
        <translation>Ausgeblendete Einträge anzeigen</translation>
    </message>
    <message>
        <source>Shows or hides the entries whose names begin with a dot</source>
        <translation>Zeigt oder verbirgt die Einträge, deren Namen mit einem Punkt beginnen</translation>
    </message>
    <message>
        <source>List hidden last</source>
        <translation>Ausgeblendete zuletzt</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Nach Name sortieren</translation>
    </message>
    <message>
        <source>Sort by size</source>
        <translation>Nach Größe sortieren</translation>
    </message>
    <message>
        <source>Sort by date</source>
        <translation>Nach Datum sortieren</translation>
    </message>
    <message>
        <source>Sort by type</source>
        <translation>Nach Typ sortieren</translation>
    </message>
    <message>
        <source>Entry menu</source>
        <translation>Eintragsmenü</translation>
    </message>
    <message>
        <source>Opens the menu of the chosen entry</source>
        <translation>Öffnet das Menü des gewählten Eintrags</translation>
    </message>
    <message>
        <source>Opens the menu: sort order, hidden entries, remembering the folder, about</source>
        <translation>Öffnet das Menü: Sortierung, ausgeblendete Einträge, letzten Ordner merken, Über</translation>
    </message>
    <message>
        <source>Switches between folders first and folders among files</source>
        <translation>Wechselt zwischen „Ordner zuerst“ und „Ordner zwischen Dateien“</translation>
    </message>
    <message>
        <source>Reverses the order</source>
        <translation>Kehrt die Reihenfolge um</translation>
    </message>
    <message>
        <source>Folders among files</source>
        <translation>Ordner zwischen Dateien</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Aufsteigend</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>%1 no longer exists; showing the nearest folder above it.</source>
        <translation>%1 existiert nicht mehr; der nächste übergeordnete Ordner wird angezeigt.</translation>
    </message>
    <message>
        <source>%1 cannot be read; showing the nearest folder above it.</source>
        <translation>%1 kann nicht gelesen werden; der nächste übergeordnete Ordner wird angezeigt.</translation>
    </message>
    <message>
        <source>broken link → %1</source>
        <translation>defekte Verknüpfung → %1</translation>
    </message>
    <message>
        <source>modified %1</source>
        <translation>geändert %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>%1 (no match)</source>
        <translation>%1 (kein Treffer)</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>text file</source>
        <translation>Textdatei</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>audio file</source>
        <translation>Audiodatei</translation>
    </message>
    <message>
        <source>video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>link</source>
        <translation>Verknüpfung</translation>
    </message>
    <message>
        <source>broken link</source>
        <translation>defekte Verknüpfung</translation>
    </message>
    <message>
        <source>pipe</source>
        <translation>Pipe</translation>
    </message>
    <message>
        <source>device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>socket</source>
        <translation>Socket</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>today %1</source>
        <translation>heute %1</translation>
    </message>
    <message>
        <source>yesterday %1</source>
        <translation>gestern %1</translation>
    </message>
    <message>
        <source>Part of a name</source>
        <translation>Teil eines Namens</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Clear the filter</source>
        <translation>Filter leeren</translation>
    </message>
    <message>
        <source>This folder no longer exists</source>
        <translation>Dieser Ordner existiert nicht mehr</translation>
    </message>
    <message>
        <source>No name holds “%1”.</source>
        <translation>Kein Name enthält „%1“.</translation>
    </message>
    <message>
        <source>Only hidden entries are here (%1 shows them).</source>
        <translation>Hier gibt es nur ausgeblendete Einträge (%1 zeigt sie an).</translation>
    </message>
    <message>
        <source>Sorts by this column; again to reverse</source>
        <translation>Sortiert nach dieser Spalte; erneut zum Umkehren</translation>
    </message>
    <message>
        <source>This name is not valid UTF-8; its odd bytes show as %1</source>
        <translation>Dieser Name ist kein gültiges UTF-8; seine ungültigen Bytes erscheinen als %1</translation>
    </message>
    <message>
        <source>%1 does not exist; showing the nearest folder above it.</source>
        <translation>%1 existiert nicht; der nächste übergeordnete Ordner wird angezeigt.</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n entries</source>
        <translation>
            <numerusform>%n Eintrag einfügen</numerusform>
            <numerusform>%n Einträge einfügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Puts the chosen entries on the clipboard, to be moved where they are pasted</source>
        <translation>Legt die gewählten Einträge in die Zwischenablage, um sie beim Einfügen zu verschieben</translation>
    </message>
    <message>
        <source>Puts the chosen entries on the clipboard, to be copied where they are pasted</source>
        <translation>Legt die gewählten Einträge in die Zwischenablage, um sie beim Einfügen zu kopieren</translation>
    </message>
    <message>
        <source>Copies or moves the entries on the clipboard into the folder shown</source>
        <translation>Kopiert oder verschiebt die Einträge der Zwischenablage in den gezeigten Ordner</translation>
    </message>
    <message>
        <source>Chooses every entry shown; Escape chooses none, Ctrl+click and Shift+click choose more</source>
        <translation>Wählt alle gezeigten Einträge; Escape wählt keinen, Strg+Klick und Umschalt+Klick wählen mehr</translation>
    </message>
    <message>
        <source>List view</source>
        <translation>Listenansicht</translation>
    </message>
    <message>
        <source>Shows the entries as a list with their size, date and type</source>
        <translation>Zeigt die Einträge als Liste mit Größe, Datum und Typ</translation>
    </message>
    <message>
        <source>Grid view</source>
        <translation>Rasteransicht</translation>
    </message>
    <message>
        <source>Shows the entries as icons, pictures as thumbnails</source>
        <translation>Zeigt die Einträge als Symbole, Bilder als Vorschaubilder</translation>
    </message>
    <message>
        <source>Open a terminal here</source>
        <translation>Terminal hier öffnen</translation>
    </message>
    <message>
        <source>Opens the desktop&apos;s terminal in the folder shown</source>
        <translation>Öffnet das Terminal der Arbeitsumgebung im angezeigten Ordner</translation>
    </message>
    <message>
        <source>Thumbnails in the list</source>
        <translation>Vorschaubilder in der Liste</translation>
    </message>
    <message>
        <source>Shows pictures in the list as small thumbnails instead of icons</source>
        <translation>Zeigt Bilder in der Liste als kleine Vorschaubilder statt als Symbole</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]... [FOLDER | FILE | URL]</source>
        <translation>Aufruf: %1 [OPTION]... [ORDNER | DATEI | URL]</translation>
    </message>
    <message>
        <source>Browses the folders and files of this computer. Opens FOLDER, or the
folder of FILE with FILE selected; a file:// URL may stand for either.
Without one, the folder you were in last opens.

  -h, --help            show this help and exit
  -v, --version         show the version and exit
      --caller-dir=DIR  take a relative path from DIR

Qt&apos;s own options (-platform NAME, -reverse and others) are passed on to Qt.</source>
        <translation>Durchsucht die Ordner und Dateien dieses Computers. Öffnet ORDNER oder den
Ordner von DATEI, mit DATEI ausgewählt; eine file://-URL kann für beides stehen.
Ohne Angabe öffnet sich der Ordner, in dem Sie zuletzt waren.

  -h, --help               diese Hilfe zeigen und beenden
  -v, --version            die Version zeigen und beenden
      --caller-dir=ORDNER  einen relativen Pfad von ORDNER aus nehmen

Die eigenen Optionen von Qt (-platform NAME, -reverse und andere) werden an Qt
weitergegeben.</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;</source>
        <translation>%1: unbekannte Option &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1: option &apos;%2&apos; needs a value</source>
        <translation>%1: Option &apos;%2&apos; braucht einen Wert</translation>
    </message>
    <message>
        <source>%1: %2 is not a folder or file on this computer</source>
        <translation>%1: %2 ist weder ein Ordner noch eine Datei auf diesem Computer</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation>Mehr dazu mit &apos;%1 --help&apos;.</translation>
    </message>
    <message numerus="yes">
        <source>%1: only the first path is opened; %n more left aside</source>
        <translation>
            <numerusform>%1: nur der erste Pfad wird geöffnet; %n weiterer bleibt unbeachtet</numerusform>
            <numerusform>%1: nur der erste Pfad wird geöffnet; %n weitere bleiben unbeachtet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CopyBar</name>
    <message>
        <source>Waiting for %1, which does not answer.</source>
        <translation>Warte auf %1, das nicht antwortet.</translation>
    </message>
    <message>
        <source>Starting the copy</source>
        <translation>Kopie wird begonnen</translation>
    </message>
</context>
<context>
    <name>FileHistory</name>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Could not undo %1: %2</source>
        <translation>%1 konnte nicht rückgängig gemacht werden: %2</translation>
    </message>
    <message>
        <source>Could not redo %1: %2</source>
        <translation>%1 konnte nicht wiederholt werden: %2</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Ein Name darf nicht leer sein.</translation>
    </message>
    <message>
        <source>A name cannot contain “/”.</source>
        <translation>Ein Name darf kein „/“ enthalten.</translation>
    </message>
    <message>
        <source>“.” and “..” cannot be used as names.</source>
        <translation>„.“ und „..“ können nicht als Namen verwendet werden.</translation>
    </message>
    <message>
        <source>“%1” already exists.</source>
        <translation>„%1“ existiert bereits.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>„%1“ existiert nicht mehr.</translation>
    </message>
    <message>
        <source>You may not change “%1”.</source>
        <translation>Sie dürfen „%1“ nicht ändern.</translation>
    </message>
    <message>
        <source>“%1” is on a read-only volume.</source>
        <translation>„%1“ liegt auf einem schreibgeschützten Datenträger.</translation>
    </message>
    <message>
        <source>The volume holding “%1” has no trash you can use.</source>
        <translation>Der Datenträger mit „%1“ hat keinen Papierkorb, den Sie benutzen können.</translation>
    </message>
    <message>
        <source>“%1” is in the trash already.</source>
        <translation>„%1“ ist bereits im Papierkorb.</translation>
    </message>
    <message>
        <source>Where “%1” came from is not known.</source>
        <translation>Woher „%1“ stammt, ist nicht bekannt.</translation>
    </message>
    <message>
        <source>“%1” would have to go to another volume.</source>
        <translation>„%1“ müsste auf einen anderen Datenträger.</translation>
    </message>
    <message>
        <source>The folder “%1” is no longer empty.</source>
        <translation>Der Ordner „%1“ ist nicht mehr leer.</translation>
    </message>
    <message>
        <source>“%1” has changed since.</source>
        <translation>„%1“ wurde inzwischen geändert.</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>„%1“ wird gerade verwendet.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation>„%1“: %2</translation>
    </message>
</context>
<context>
    <name>FileStep</name>
    <message>
        <source>rename “%1” → “%2”</source>
        <translation>Umbenennen „%1“ → „%2“</translation>
    </message>
    <message>
        <source>new folder “%1”</source>
        <translation>neuer Ordner „%1“</translation>
    </message>
    <message>
        <source>restore “%1”</source>
        <translation>Wiederherstellen von „%1“</translation>
    </message>
    <message>
        <source>trash “%1”</source>
        <translation>„%1“ in den Papierkorb</translation>
    </message>
    <message numerus="yes">
        <source>restore %n entries</source>
        <translation>
            <numerusform>Wiederherstellen von %n Eintrag</numerusform>
            <numerusform>Wiederherstellen von %n Einträgen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>trash %n entries</source>
        <translation>
            <numerusform>%n Eintrag in den Papierkorb</numerusform>
            <numerusform>%n Einträge in den Papierkorb</numerusform>
        </translation>
    </message>
    <message>
        <source>move “%1” to “%2”</source>
        <translation>Verschieben von „%1“ nach „%2“</translation>
    </message>
    <message numerus="yes">
        <source>move %n entries to “%1”</source>
        <translation>
            <numerusform>Verschieben von %n Eintrag nach „%1“</numerusform>
            <numerusform>Verschieben von %n Einträgen nach „%1“</numerusform>
        </translation>
    </message>
    <message>
        <source>copy “%1” to “%2”</source>
        <translation>Kopieren von „%1“ nach „%2“</translation>
    </message>
    <message numerus="yes">
        <source>copy %n entries to “%1”</source>
        <translation>
            <numerusform>Kopieren von %n Eintrag nach „%1“</numerusform>
            <numerusform>Kopieren von %n Einträgen nach „%1“</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Edits the chosen entry&apos;s name in place; Enter renames, Escape keeps it</source>
        <translation>Bearbeitet den Namen des gewählten Eintrags direkt; Eingabe benennt um, Escape behält ihn</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Makes a folder in the open folder</source>
        <translation>Legt im geöffneten Ordner einen Ordner an</translation>
    </message>
    <message>
        <source>Move to trash</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Moves the chosen entries to the trash, from where they can be restored</source>
        <translation>Verschiebt die gewählten Einträge in den Papierkorb, aus dem sie sich wiederherstellen lassen</translation>
    </message>
    <message>
        <source>Delete permanently</source>
        <translation>Endgültig löschen</translation>
    </message>
    <message>
        <source>Deletes the chosen entries for good, after asking</source>
        <translation>Löscht die gewählten Einträge nach Rückfrage endgültig</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Puts the chosen entries of the trash back where they were</source>
        <translation>Legt die gewählten Einträge des Papierkorbs dorthin zurück, wo sie waren</translation>
    </message>
    <message>
        <source>Empty trash</source>
        <translation>Papierkorb leeren</translation>
    </message>
    <message>
        <source>Deletes everything in the trash for good, after asking</source>
        <translation>Löscht nach Rückfrage alles im Papierkorb endgültig</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Takes back your last rename, new folder, trash or restore</source>
        <translation>Nimmt Ihr letztes Umbenennen, Anlegen, Wegwerfen oder Wiederherstellen zurück</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Makes again the step Undo took back</source>
        <translation>Führt den rückgängig gemachten Schritt erneut aus</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>Name of the new folder</source>
        <translation>Name des neuen Ordners</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
    <message numerus="yes">
        <source>Moving %n entries to the trash</source>
        <translation>
            <numerusform>%n Eintrag wird in den Papierkorb verschoben</numerusform>
            <numerusform>%n Einträge werden in den Papierkorb verschoben</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete “%1” permanently?</source>
        <translation>„%1“ endgültig löschen?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n entries permanently?</source>
        <translation>
            <numerusform>%n Eintrag endgültig löschen?</numerusform>
            <numerusform>%n Einträge endgültig löschen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleting %n entries</source>
        <translation>
            <numerusform>%n Eintrag wird gelöscht</numerusform>
            <numerusform>%n Einträge werden gelöscht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restoring %n entries</source>
        <translation>
            <numerusform>%n Eintrag wird wiederhergestellt</numerusform>
            <numerusform>%n Einträge werden wiederhergestellt</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete everything in the trash permanently?</source>
        <translation>Alles im Papierkorb endgültig löschen?</translation>
    </message>
    <message>
        <source>Emptying the trash</source>
        <translation>Papierkorb wird geleert</translation>
    </message>
    <message numerus="yes">
        <source>%n more could not be done</source>
        <translation>
            <numerusform>%n weiterer Eintrag ging nicht</numerusform>
            <numerusform>%n weitere Einträge gingen nicht</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” moved to the trash</source>
        <translation>„%1“ in den Papierkorb verschoben</translation>
    </message>
    <message numerus="yes">
        <source>%n entries moved to the trash</source>
        <translation>
            <numerusform>%n Eintrag in den Papierkorb verschoben</numerusform>
            <numerusform>%n Einträge in den Papierkorb verschoben</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” deleted</source>
        <translation>„%1“ gelöscht</translation>
    </message>
    <message numerus="yes">
        <source>%n entries deleted</source>
        <translation>
            <numerusform>%n Eintrag gelöscht</numerusform>
            <numerusform>%n Einträge gelöscht</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” restored</source>
        <translation>„%1“ wiederhergestellt</translation>
    </message>
    <message numerus="yes">
        <source>%n entries restored</source>
        <translation>
            <numerusform>%n Eintrag wiederhergestellt</numerusform>
            <numerusform>%n Einträge wiederhergestellt</numerusform>
        </translation>
    </message>
    <message>
        <source>The trash is empty</source>
        <translation>Der Papierkorb ist leer</translation>
    </message>
    <message>
        <source>“%1” is taken in %2. Restore it as “%3”?</source>
        <translation>„%1“ ist in %2 bereits vergeben. Als „%3“ wiederherstellen?</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>origin unknown</source>
        <translation>Herkunft unbekannt</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>Counting…</source>
        <translation>Wird gezählt …</translation>
    </message>
    <message>
        <source>Chosen</source>
        <translation>Gewählt</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Darin</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n Ordner</numerusform>
            <numerusform>%n Ordner</numerusform>
        </translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 Byte)</translation>
    </message>
    <message>
        <source>On disk</source>
        <translation>Auf dem Datenträger</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation>Nicht lesbar</translation>
    </message>
    <message numerus="yes">
        <source>%n entries could not be read; the totals are at least these</source>
        <translation>
            <numerusform>%n Eintrag war nicht lesbar; die Summen sind mindestens diese</numerusform>
            <numerusform>%n Einträge waren nicht lesbar; die Summen sind mindestens diese</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FolderStatus</name>
    <message>
        <source>%1 free</source>
        <translation>%1 frei</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries</source>
        <translation>
            <numerusform>%Ln Eintrag</numerusform>
            <numerusform>%Ln Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln hidden</source>
        <translation>
            <numerusform>%1, %Ln ausgeblendet</numerusform>
            <numerusform>%1, %Ln ausgeblendet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln selected</source>
        <translation>
            <numerusform>%Ln ausgewählt</numerusform>
            <numerusform>%Ln ausgewählt</numerusform>
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
        <source>This file no longer exists.</source>
        <translation>Diese Datei existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>One image pixel per screen pixel</source>
        <translation>Ein Bildpixel pro Bildschirmpixel</translation>
    </message>
    <message>
        <source>Fit the image to the window</source>
        <translation>Bild in das Fenster einpassen</translation>
    </message>
    <message>
        <source>Zoom to window</source>
        <translation>Fenster füllen</translation>
    </message>
    <message>
        <source>Fills the window, also enlarging a small picture</source>
        <translation>Füllt das Fenster und vergrößert dabei auch ein kleines Bild</translation>
    </message>
    <message>
        <source>Previous picture</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message>
        <source>Shows the previous picture of the folder</source>
        <translation>Zeigt das vorherige Bild des Ordners</translation>
    </message>
    <message>
        <source>Next picture</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <source>Shows the next picture of the folder</source>
        <translation>Zeigt das nächste Bild des Ordners</translation>
    </message>
    <message>
        <source>This picture cannot be shown: %1</source>
        <translation>Dieses Bild kann nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation type="vanished">es kann nicht dekodiert werden</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>an entry of that name is there</source>
        <translation>ein Eintrag dieses Namens ist schon da</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>keine Berechtigung</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the destination does not accept that name</source>
        <translation>das Ziel nimmt diesen Namen nicht an</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>es existiert nicht mehr</translation>
    </message>
    <message>
        <source>it changed while it was moved</source>
        <translation>es hat sich beim Verschieben geändert</translation>
    </message>
    <message>
        <source>pipes, devices and sockets are not copied</source>
        <translation>Pipes, Geräte und Sockets werden nicht kopiert</translation>
    </message>
    <message>
        <source>a folder cannot go into itself</source>
        <translation>ein Ordner kann nicht in sich selbst</translation>
    </message>
    <message>
        <source>it is already there</source>
        <translation>es ist schon dort</translation>
    </message>
    <message>
        <source>the folder contains itself</source>
        <translation>der Ordner enthält sich selbst</translation>
    </message>
    <message>
        <source>the destination folder no longer exists</source>
        <translation>der Zielordner existiert nicht mehr</translation>
    </message>
    <message>
        <source>an error</source>
        <translation>ein Fehler</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message numerus="yes">
        <source>%n s left</source>
        <translation>
            <numerusform>noch %n s</numerusform>
            <numerusform>noch %n s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min left</source>
        <translation>
            <numerusform>noch %n min</numerusform>
            <numerusform>noch %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n h left</source>
        <translation>
            <numerusform>noch %n h</numerusform>
            <numerusform>noch %n h</numerusform>
        </translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n entries</source>
        <translation>
            <numerusform>%1 von %n Eintrag</numerusform>
            <numerusform>%1 von %n Einträgen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>wird gezählt…</translation>
    </message>
    <message>
        <source>writing to disk…</source>
        <translation>wird auf die Platte geschrieben…</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>“%1” is already there.</source>
        <translation>„%1“ ist schon dort.</translation>
    </message>
    <message>
        <source>“%1” could not be done: %2</source>
        <translation>„%1“ ging nicht: %2</translation>
    </message>
    <message>
        <source>There: %1. New: %2.</source>
        <translation>Vorhanden: %1. Neu: %2.</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Für alle übernehmen</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>Aufträge</translation>
    </message>
    <message>
        <source>Jobs are running</source>
        <translation>Aufträge laufen</translation>
    </message>
    <message>
        <source>Stopping the jobs; nothing is left half done…</source>
        <translation>Die Aufträge werden angehalten; nichts bleibt halb fertig…</translation>
    </message>
    <message numerus="yes">
        <source>Jobs still running: %n. Stop them and leave?</source>
        <translation>
            <numerusform>Noch laufende Aufträge: %n. Anhalten und beenden?</numerusform>
            <numerusform>Noch laufende Aufträge: %n. Anhalten und beenden?</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation>Weiterarbeiten</translation>
    </message>
    <message>
        <source>Stop and leave</source>
        <translation>Anhalten und beenden</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Your settings could not be saved: %1</source>
        <translation>Ihre Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Your settings file could not be read; it was kept as %1 and the settings start afresh.</source>
        <translation>Ihre Einstellungsdatei konnte nicht gelesen werden; sie wurde als %1 aufbewahrt, und die Einstellungen beginnen von vorn.</translation>
    </message>
    <message>
        <source>Your settings file could not be read (%1); it will be kept aside before anything is saved.</source>
        <translation>Ihre Einstellungsdatei konnte nicht gelesen werden (%1); sie wird beiseitegelegt, bevor etwas gespeichert wird.</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>OpenPage</name>
    <message>
        <source>This file no longer exists.</source>
        <translation>Diese Datei existiert nicht mehr.</translation>
    </message>
    <message>
        <source>This is a %1; it is never handed to another application.</source>
        <translation>Dies ist ein Eintrag vom Typ %1; er wird nie an eine andere Anwendung übergeben.</translation>
    </message>
    <message>
        <source>This file is a program. Opening it runs:</source>
        <translation>Diese Datei ist ein Programm. Beim Öffnen wird ausgeführt:</translation>
    </message>
    <message>
        <source>No application is set to open %1 files</source>
        <translation>Für Dateien vom Typ %1 ist keine Anwendung festgelegt</translation>
    </message>
    <message>
        <source>The desktop could not open this file.</source>
        <translation>Die Arbeitsumgebung konnte diese Datei nicht öffnen.</translation>
    </message>
    <message>
        <source>Run it</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Waiting for %1, which does not answer.</source>
        <translation>Warte auf %1, das nicht antwortet.</translation>
    </message>
    <message>
        <source>This file changed after it was shown. Opening it now runs:</source>
        <translation>Diese Datei hat sich geändert, nachdem sie angezeigt wurde. Beim Öffnen wird jetzt ausgeführt:</translation>
    </message>
    <message>
        <source>This entry is not run: the desktop might read it otherwise than shown.</source>
        <translation>Dieser Eintrag wird nicht ausgeführt: Die Arbeitsumgebung könnte ihn anders lesen als angezeigt.</translation>
    </message>
    <message>
        <source>This desktop does not open files in other applications.</source>
        <translation>Diese Arbeitsumgebung öffnet keine Dateien in anderen Anwendungen.</translation>
    </message>
    <message>
        <source>This link leads to %1, which does not exist.</source>
        <translation>Diese Verknüpfung führt zu %1, das nicht existiert.</translation>
    </message>
</context>
<context>
    <name>PathBar</name>
    <message>
        <source>Path: %1</source>
        <translation>Pfad: %1</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>Ordner nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Folder or file to go to</source>
        <translation>Ordner oder Datei, zu der gewechselt werden soll</translation>
    </message>
</context>
<context>
    <name>PathCompletion</name>
    <message>
        <source>Suggestions</source>
        <translation>Vorschläge</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>the file is no longer there</source>
        <translation>die Datei ist nicht mehr da</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>you may not read this file</source>
        <translation>Sie dürfen diese Datei nicht lesen</translation>
    </message>
    <message>
        <source>the file could not be read (%1)</source>
        <translation>die Datei konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>its content is not a picture format this program reads</source>
        <translation>sein Inhalt ist kein Bildformat, das dieses Programm liest</translation>
    </message>
    <message>
        <source>its data is damaged or cut short</source>
        <translation>seine Daten sind beschädigt oder unvollständig</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es ist zu groß</translation>
    </message>
    <message>
        <source>at %1 × %2 pixels it needs %3 MiB, more than the %4 MiB this computer allows for pictures</source>
        <translation>bei %1 × %2 Pixeln braucht es %3 MiB, mehr als die %4 MiB, die dieser Computer Bildern zugesteht</translation>
    </message>
</context>
<context>
    <name>PlaceDelegate</name>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 existiert nicht mehr</translation>
    </message>
    <message>
        <source>bookmark, folder is gone</source>
        <translation>Lesezeichen, Ordner existiert nicht mehr</translation>
    </message>
    <message>
        <source>bookmark</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>open now</source>
        <translation>derzeit geöffnet</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove bookmark %1</source>
        <translation>Lesezeichen %1 entfernen</translation>
    </message>
    <message>
        <source>Removes this bookmark (Delete)</source>
        <translation>Entfernt dieses Lesezeichen (Entf)</translation>
    </message>
    <message>
        <source>not answering</source>
        <translation>antwortet nicht</translation>
    </message>
    <message>
        <source>bookmark, waiting for its folder to answer</source>
        <translation>Lesezeichen, wartet auf Antwort seines Ordners</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>%1 free</source>
        <translation>%1 frei</translation>
    </message>
    <message>
        <source>Shared documents</source>
        <translation>Gemeinsame Dokumente</translation>
    </message>
    <message>
        <source>Root folder</source>
        <translation>Basisordner</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Schreibtisch</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
</context>
<context>
    <name>PlacesList</name>
    <message>
        <source>Places</source>
        <translation>Orte</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
</context>
<context>
    <name>PropertiesPage</name>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation type="vanished">%1 (%2 Byte)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>Letzter Zugriff</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eigentümer</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Berechtigungen</translation>
    </message>
    <message>
        <source>Link to</source>
        <translation>Verknüpfung zu</translation>
    </message>
    <message>
        <source>This link is broken: its target does not exist.</source>
        <translation type="vanished">Diese Verknüpfung ist defekt: Ihr Ziel existiert nicht.</translation>
    </message>
    <message>
        <source>This file no longer exists.</source>
        <translation>Diese Datei existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Go to target</source>
        <translation>Zum Ziel wechseln</translation>
    </message>
    <message>
        <source>This link is broken: %1 does not exist.</source>
        <translation>Diese Verknüpfung ist defekt: %1 existiert nicht.</translation>
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
        <translation>Hoch</translation>
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
        <translation>Menü</translation>
    </message>
</context>
<context>
    <name>SceneTools</name>
    <message numerus="yes">
        <source>%1 byte(s)</source>
        <comment>a file&apos;s size</comment>
        <translation>
            <numerusform>%1 Byte</numerusform>
            <numerusform>%1 Byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>Show in its folder</source>
        <translation>In seinem Ordner zeigen</translation>
    </message>
    <message>
        <source>in this folder</source>
        <translation>in diesem Ordner</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>found in its text</source>
        <translation>im Text gefunden</translation>
    </message>
    <message numerus="yes">
        <source>Searching… %n folders looked through</source>
        <translation>
            <numerusform>Suche … %n Ordner durchsucht</numerusform>
            <numerusform>Suche … %n Ordner durchsucht</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing below this folder matches</source>
        <translation>Nichts unterhalb dieses Ordners passt</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n results are shown</source>
        <translation>
            <numerusform>Nur das erste Ergebnis wird gezeigt</numerusform>
            <numerusform>Nur die ersten %n Ergebnisse werden gezeigt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <translation>
            <numerusform>%n gefunden</numerusform>
            <numerusform>%n gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Below this folder</source>
        <translation>Unterhalb dieses Ordners</translation>
    </message>
    <message>
        <source>Searches every folder below this one for the typed name; * and ? stand for any letters</source>
        <translation>Durchsucht jeden Ordner unterhalb dieses Ordners nach dem eingegebenen Namen; * und ? stehen für beliebige Zeichen</translation>
    </message>
    <message>
        <source>Opens the folder that holds the found entry, with the entry chosen</source>
        <translation>Öffnet den Ordner, der den gefundenen Eintrag enthält, und wählt den Eintrag aus</translation>
    </message>
    <message>
        <source>In contents</source>
        <translation>Im Inhalt</translation>
    </message>
    <message>
        <source>Also finds text files that hold the typed words, up to 1 MiB each</source>
        <translation>Findet auch Textdateien bis je 1 MiB, die die eingegebenen Wörter enthalten</translation>
    </message>
    <message>
        <source>Other drives</source>
        <translation>Andere Laufwerke</translation>
    </message>
    <message>
        <source>Also searches the drives and file systems mounted below this folder</source>
        <translation>Durchsucht auch die unter diesem Ordner eingehängten Laufwerke und Dateisysteme</translation>
    </message>
</context>
<context>
    <name>Segments</name>
    <message>
        <source>Go to %1</source>
        <translation>Zu %1 wechseln</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>This folder no longer exists</source>
        <translation>Dieser Ordner existiert nicht mehr</translation>
    </message>
    <message>
        <source>No terminal found: install one, or name yours in $TERMINAL</source>
        <translation>Kein Terminal gefunden: Installieren Sie eines, oder nennen Sie Ihres in $TERMINAL</translation>
    </message>
    <message>
        <source>The terminal could not be started: %1</source>
        <translation>Das Terminal konnte nicht gestartet werden: %1</translation>
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
        <source>Could not copy: this file no longer exists.</source>
        <translation>Kopieren fehlgeschlagen: Diese Datei existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Copied to Documents.</source>
        <translation type="vanished">In „Dokumente“ kopiert.</translation>
    </message>
    <message>
        <source>Copy to Documents</source>
        <translation>In Dokumente kopieren</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Finds words in the text</source>
        <translation>Sucht Wörter im Text</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Goes to the next place the words are found</source>
        <translation>Springt zur nächsten Fundstelle</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message>
        <source>Goes to the previous place the words are found</source>
        <translation>Springt zur vorherigen Fundstelle</translation>
    </message>
    <message>
        <source>Wrap lines</source>
        <translation>Zeilen umbrechen</translation>
    </message>
    <message>
        <source>Breaks long lines at the window&apos;s edge, or not</source>
        <translation>Bricht lange Zeilen am Fensterrand um – oder nicht</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Selects the whole text; Shift with the arrows selects part of it</source>
        <translation>Wählt den gesamten Text aus; Umschalt mit den Pfeiltasten wählt einen Teil aus</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copies the selected text to the clipboard</source>
        <translation>Kopiert den ausgewählten Text in die Zwischenablage</translation>
    </message>
    <message>
        <source>Could not copy: a file of that name is already in Documents.</source>
        <translation>Kopieren fehlgeschlagen: In „Dokumente“ gibt es bereits eine Datei mit diesem Namen.</translation>
    </message>
    <message>
        <source>Could not copy: no permission.</source>
        <translation>Kopieren fehlgeschlagen: keine Berechtigung.</translation>
    </message>
    <message>
        <source>Could not copy: the disk is full.</source>
        <translation>Kopieren fehlgeschlagen: Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>Could not copy: this is not a regular file.</source>
        <translation>Kopieren fehlgeschlagen: Dies ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>Could not copy: Documents is a link, not a folder.</source>
        <translation>Kopieren fehlgeschlagen: „Dokumente“ ist eine Verknüpfung, kein Ordner.</translation>
    </message>
    <message>
        <source>The copy was cancelled; nothing was left behind.</source>
        <translation>Das Kopieren wurde abgebrochen; es ist nichts zurückgeblieben.</translation>
    </message>
    <message>
        <source>Could not copy: %1</source>
        <translation>Kopieren fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Could not copy to Documents.</source>
        <translation>Kopieren in „Dokumente“ fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>%1 — only the first %2 of the file&apos;s %3 are shown.</source>
        <translation>%1 – nur die ersten %2 der %3 der Datei werden angezeigt.</translation>
    </message>
    <message>
        <source>Could not copy: the file changed while it was copied.</source>
        <translation>Kopieren fehlgeschlagen: Die Datei hat sich beim Kopieren geändert.</translation>
    </message>
    <message numerus="yes">
        <source>%n long line(s) broken for display</source>
        <translation>
            <numerusform>%n lange Zeile für die Anzeige umbrochen</numerusform>
            <numerusform>%n lange Zeilen für die Anzeige umbrochen</numerusform>
        </translation>
    </message>
    <message>
        <source>Copied to %1.</source>
        <translation>Nach %1 kopiert.</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Copying “%1” to Documents</source>
        <translation>„%1“ wird nach Dokumente kopiert</translation>
    </message>
    <message>
        <source>Copied to Documents.</source>
        <translation>Nach Dokumente kopiert.</translation>
    </message>
    <message>
        <source>Cancelled; nothing was left half done.</source>
        <translation>Abgebrochen; nichts blieb halb fertig.</translation>
    </message>
    <message>
        <source>Could not copy: %1</source>
        <translation>Kopieren nicht möglich: %1</translation>
    </message>
    <message>
        <source>Could not move: %1</source>
        <translation>Verschieben nicht möglich: %1</translation>
    </message>
    <message>
        <source>Moving “%1” to %2</source>
        <translation>„%1“ wird nach %2 verschoben</translation>
    </message>
    <message>
        <source>Copying “%1” to %2</source>
        <translation>„%1“ wird nach %2 kopiert</translation>
    </message>
    <message numerus="yes">
        <source>Moving %n entries to %1</source>
        <translation>
            <numerusform>%n Eintrag wird nach %1 verschoben</numerusform>
            <numerusform>%n Einträge werden nach %1 verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying %n entries to %1</source>
        <translation>
            <numerusform>%n Eintrag wird nach %1 kopiert</numerusform>
            <numerusform>%n Einträge werden nach %1 kopiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after moving %n of %1; the rest is where it was.</source>
        <translation>
            <numerusform>Abgebrochen nach %n von %1 verschobenen; der Rest ist, wo er war.</numerusform>
            <numerusform>Abgebrochen nach %n von %1 verschobenen; der Rest ist, wo er war.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after copying %n of %1; nothing was left half done.</source>
        <translation>
            <numerusform>Abgebrochen nach %n von %1 kopierten; nichts blieb halb fertig.</numerusform>
            <numerusform>Abgebrochen nach %n von %1 kopierten; nichts blieb halb fertig.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n entries.</source>
        <translation>
            <numerusform>%n Eintrag verschoben.</numerusform>
            <numerusform>%n Einträge verschoben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n entries.</source>
        <translation>
            <numerusform>%n Eintrag kopiert.</numerusform>
            <numerusform>%n Einträge kopiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n of %1.</source>
        <translation>
            <numerusform>%n von %1 verschoben.</numerusform>
            <numerusform>%n von %1 verschoben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n of %1.</source>
        <translation>
            <numerusform>%n von %1 kopiert.</numerusform>
            <numerusform>%n von %1 kopiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left where it was (%1).</source>
        <translation>
            <numerusform>%n blieb, wo er war (%1).</numerusform>
            <numerusform>%n blieben, wo sie waren (%1).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Viewers</name>
    <message>
        <source>Open with the default application</source>
        <translation>Mit Standardanwendung öffnen</translation>
    </message>
    <message>
        <source>Hands the chosen file to the desktop&apos;s application for its type</source>
        <translation>Übergibt die gewählte Datei an die Anwendung, die die Arbeitsumgebung für ihren Typ vorsieht</translation>
    </message>
    <message>
        <source>View as text</source>
        <translation>Als Text anzeigen</translation>
    </message>
    <message>
        <source>Shows the chosen file as text, whatever it holds</source>
        <translation>Zeigt die gewählte Datei als Text an, egal was sie enthält</translation>
    </message>
    <message>
        <source>View as hex</source>
        <translation>Als Hex anzeigen</translation>
    </message>
    <message>
        <source>Shows the chosen file&apos;s bytes in hexadecimal</source>
        <translation>Zeigt die Bytes der gewählten Datei hexadezimal an</translation>
    </message>
    <message>
        <source>Copies the chosen file to Documents</source>
        <translation>Kopiert die gewählte Datei in „Dokumente“</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Shows size, times, owner, permissions and type of the chosen entry</source>
        <translation>Zeigt Größe, Zeitstempel, Eigentümer, Berechtigungen und Typ des gewählten Eintrags</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stops the copy to Documents; nothing of it is left</source>
        <translation>Bricht das Kopieren in „Dokumente“ ab; nichts davon bleibt zurück</translation>
    </message>
    <message>
        <source>%1 of %2, %3/s</source>
        <translation>%1 von %2, %3/s</translation>
    </message>
    <message>
        <source>Another copy is still running.</source>
        <translation>Ein anderer Kopiervorgang läuft noch.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Show the copy</source>
        <translation>Die Kopie zeigen</translation>
    </message>
</context>
</TS>
