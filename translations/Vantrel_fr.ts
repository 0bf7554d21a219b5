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
        <source>A file browser that lists every folder it may read, hidden and system entries included, and shows files as text or as pictures.</source>
        <translation>Un explorateur de fichiers qui liste chaque dossier qu’il peut lire, éléments cachés et système compris, et affiche les fichiers sous forme de texte ou d’image.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
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
        <source>This image cannot be shown.</source>
        <translation>Impossible d’afficher cette image.</translation>
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
        <source>There is no text to show: the file begins with a zero byte.</source>
        <translation>Aucun texte à afficher&#xa0;: le fichier commence par un octet nul.</translation>
    </message>
    <message>
        <source>There is no text to show.</source>
        <translation>Aucun texte à afficher.</translation>
    </message>
    <message>
        <source>Only the first %1 of the file&apos;s %2 bytes are shown.</source>
        <translation>Seuls les %1 premiers des %2 octets du fichier sont affichés.</translation>
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
        <source>Could not copy to Documents (a file of that name may already be there).</source>
        <translation>Copie dans Documents impossible (un fichier du même nom s’y trouve peut-être déjà).</translation>
    </message>
    <message>
        <source>Copy to Documents</source>
        <translation>Copier dans Documents</translation>
    </message>
    <message>
        <source>Only the first %1 of the file&apos;s %2 bytes are shown: the text stops at a zero byte.</source>
        <translation>Seuls les %1 premiers des %2 octets du fichier sont affichés : le texte s’arrête à un octet nul.</translation>
    </message>
</context>
</TS>
