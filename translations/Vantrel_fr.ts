<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>À propos de Vantrel</translation>
    </message>
    <message>
        <source>Show another</source>
        <translation>Afficher une autre</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>A file browser that lists every folder it may read, hidden and system entries included, shows files as text, as a hex dump or as pictures, and hands the rest to the desktop&apos;s applications.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source>This folder does not exist.</source>
        <translation>Ce dossier n’existe pas.</translation>
    </message>
    <message>
        <source>This folder cannot be read: you do not have permission.</source>
        <translation>Impossible de lire ce dossier&#xa0;: vous n’en avez pas l’autorisation.</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Ce dossier est vide.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Dossier parent</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Folders first</source>
        <translation>Dossiers en premier</translation>
    </message>
    <message>
        <source>Remember last folder</source>
        <translation>Retenir le dernier dossier</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos de Vantrel</translation>
    </message>
    <message>
        <source>no access</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the chosen folder or file</source>
        <translation>Ouvre le dossier ou le fichier choisi</translation>
    </message>
    <message>
        <source>Goes back to the previous folder</source>
        <translation>Revient au dossier précédent</translation>
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
        <translation>Remonte au dossier parent</translation>
    </message>
    <message>
        <source>Jump to a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Jumps to the next name that starts with the typed letters</source>
        <translation>Passe au nom suivant qui commence par les lettres tapées</translation>
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
        <translation>Copie le fichier ouvert dans Documents</translation>
    </message>
    <message>
        <source>Closes this page</source>
        <translation>Ferme cette page</translation>
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
        <source>Type a path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns the path into a field to type a folder or file in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows or hides the places: home, standard folders, volumes, bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves the keyboard to the places; Escape comes back to the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bookmark this folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the open folder to the bookmarks in the places</source>
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
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3%</source>
        <translation>%1 × %2 pixels, %3&#xa0;%</translation>
    </message>
    <message>
        <source>This file no longer exists.</source>
        <translation>Ce fichier n’existe plus.</translation>
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
    <message>
        <source>Zoom to window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fills the window, also enlarging a small picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the previous picture of the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the next picture of the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This picture cannot be shown: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Your settings could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings file could not be read; it was kept as %1 and the settings start afresh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings file could not be read (%1); it will be kept aside before anything is saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenPage</name>
    <message>
        <source>This file no longer exists.</source>
        <translation type="unfinished">Ce fichier n’existe plus.</translation>
    </message>
    <message>
        <source>This is a %1; it is never handed to another application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is a program. Opening it runs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No application is set to open %1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop could not open this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PathBar</name>
    <message>
        <source>Path: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder or file to go to</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PathCompletion</name>
    <message>
        <source>Suggestions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaceDelegate</name>
    <message>
        <source>%1 no longer exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bookmark, folder is gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove bookmark %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes this bookmark (Delete)</source>
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
    <name>PlacesList</name>
    <message>
        <source>Places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PropertiesPage</name>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
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
        <source>Accessed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This link is broken: its target does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file no longer exists.</source>
        <translation type="unfinished">Ce fichier n’existe plus.</translation>
    </message>
    <message>
        <source>Go to target</source>
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
        <translation>Maj</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished">Dossier parent</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished">Menu</translation>
    </message>
</context>
<context>
    <name>Segments</name>
    <message>
        <source>Go to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextView</name>
    <message>
        <source>This file cannot be opened.</source>
        <translation>Impossible d’ouvrir ce fichier.</translation>
    </message>
    <message>
        <source>This file no longer exists.</source>
        <translation>Ce fichier n’existe plus.</translation>
    </message>
    <message>
        <source>This file is empty.</source>
        <translation>Ce fichier est vide.</translation>
    </message>
    <message>
        <source>Could not copy: this file no longer exists.</source>
        <translation>Copie impossible&#xa0;: ce fichier n’existe plus.</translation>
    </message>
    <message>
        <source>Copied to Documents.</source>
        <translation>Copié dans Documents.</translation>
    </message>
    <message>
        <source>Copy to Documents</source>
        <translation>Copier dans Documents</translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finds words in the text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes to the next place the words are found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes to the previous place the words are found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrap lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breaks long lines at the window&apos;s edge, or not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selects the whole text; Shift with the arrows selects part of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the selected text to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not copy: a file of that name is already in Documents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not copy: no permission.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not copy: the disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not copy: this is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not copy: Documents is a link, not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy was cancelled; nothing was left behind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not copy: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not copy to Documents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — only the first %2 of the file&apos;s %3 are shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Viewers</name>
    <message>
        <source>Open with the default application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hands the chosen file to the desktop&apos;s application for its type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the chosen file as text, whatever it holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View as hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the chosen file&apos;s bytes in hexadecimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the chosen file to Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows size, times, owner, permissions and type of the chosen entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops the copy to Documents; nothing of it is left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2, %3/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy is still running.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
