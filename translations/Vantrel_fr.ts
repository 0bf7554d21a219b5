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
        <translation>Un navigateur de fichiers qui liste chaque dossier qu’il peut lire, éléments cachés et système compris, affiche les fichiers en texte, en vidage hexadécimal ou en images, et confie le reste aux applications du bureau.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure (GPL-3.0-or-later).</translation>
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
        <translation>Ouvrir</translation>
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
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Goes forward again to the folder left with Back</source>
        <translation>Revient au dossier quitté avec Retour</translation>
    </message>
    <message>
        <source>Goes up to the parent folder</source>
        <translation>Remonte au dossier parent</translation>
    </message>
    <message>
        <source>Jump to a name</source>
        <translation>Aller à un nom</translation>
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
        <translation>Changer l’ordre</translation>
    </message>
    <message>
        <source>Reverse order</source>
        <translation>Inverser l’ordre</translation>
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
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>Goes to your home folder</source>
        <translation>Va à votre dossier personnel</translation>
    </message>
    <message>
        <source>Type a path</source>
        <translation>Saisir un chemin</translation>
    </message>
    <message>
        <source>Turns the path into a field to type a folder or file in</source>
        <translation>Transforme le chemin en champ où saisir un dossier ou un fichier</translation>
    </message>
    <message>
        <source>Show places</source>
        <translation>Afficher les emplacements</translation>
    </message>
    <message>
        <source>Shows or hides the places: home, standard folders, volumes, bookmarks</source>
        <translation>Affiche ou masque les emplacements&#xa0;: dossier personnel, dossiers standard, volumes, signets</translation>
    </message>
    <message>
        <source>Go to places</source>
        <translation>Aller aux emplacements</translation>
    </message>
    <message>
        <source>Moves the keyboard to the places; Escape comes back to the list</source>
        <translation>Place le clavier dans les emplacements&#xa0;; Échap revient à la liste</translation>
    </message>
    <message>
        <source>Bookmark this folder</source>
        <translation>Ajouter ce dossier aux signets</translation>
    </message>
    <message>
        <source>Adds the open folder to the bookmarks in the places</source>
        <translation>Ajoute le dossier ouvert aux signets des emplacements</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Reads the folder again</source>
        <translation>Relit le dossier</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Shows only the names that hold the typed text; Escape clears it</source>
        <translation>N’affiche que les noms contenant le texte saisi&#xa0;; Échap l’efface</translation>
    </message>
    <message>
        <source>Show hidden entries</source>
        <translation>Afficher les fichiers cachés</translation>
    </message>
    <message>
        <source>Shows or hides the entries whose names begin with a dot</source>
        <translation>Affiche ou masque les éléments dont le nom commence par un point</translation>
    </message>
    <message>
        <source>List hidden last</source>
        <translation>Fichiers cachés en dernier</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Trier par nom</translation>
    </message>
    <message>
        <source>Sort by size</source>
        <translation>Trier par taille</translation>
    </message>
    <message>
        <source>Sort by date</source>
        <translation>Trier par date</translation>
    </message>
    <message>
        <source>Sort by type</source>
        <translation>Trier par type</translation>
    </message>
    <message>
        <source>Entry menu</source>
        <translation>Menu de l’élément</translation>
    </message>
    <message>
        <source>Opens the menu of the chosen entry</source>
        <translation>Ouvre le menu de l’élément choisi</translation>
    </message>
    <message>
        <source>Opens the menu: sort order, hidden entries, remembering the folder, about</source>
        <translation>Ouvre le menu&#xa0;: ordre de tri, fichiers cachés, mémorisation du dossier, à propos</translation>
    </message>
    <message>
        <source>Switches between folders first and folders among files</source>
        <translation>Bascule entre dossiers en premier et dossiers parmi les fichiers</translation>
    </message>
    <message>
        <source>Reverses the order</source>
        <translation>Inverse l’ordre</translation>
    </message>
    <message>
        <source>Folders among files</source>
        <translation>Dossiers parmi les fichiers</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Décroissant</translation>
    </message>
    <message>
        <source>%1 no longer exists; showing the nearest folder above it.</source>
        <translation>%1 n’existe plus&#xa0;; affichage du dossier parent le plus proche.</translation>
    </message>
    <message>
        <source>%1 cannot be read; showing the nearest folder above it.</source>
        <translation>Impossible de lire %1&#xa0;; affichage du dossier parent le plus proche.</translation>
    </message>
    <message>
        <source>broken link → %1</source>
        <translation>lien cassé → %1</translation>
    </message>
    <message>
        <source>modified %1</source>
        <translation>modifié %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>%1 (no match)</source>
        <translation>%1 (aucune correspondance)</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>text file</source>
        <translation>fichier texte</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>image</translation>
    </message>
    <message>
        <source>audio file</source>
        <translation>fichier audio</translation>
    </message>
    <message>
        <source>video</source>
        <translation>vidéo</translation>
    </message>
    <message>
        <source>archive</source>
        <translation>archive</translation>
    </message>
    <message>
        <source>program</source>
        <translation>programme</translation>
    </message>
    <message>
        <source>link</source>
        <translation>lien</translation>
    </message>
    <message>
        <source>broken link</source>
        <translation>lien cassé</translation>
    </message>
    <message>
        <source>pipe</source>
        <translation>tube</translation>
    </message>
    <message>
        <source>device</source>
        <translation>périphérique</translation>
    </message>
    <message>
        <source>socket</source>
        <translation>socket</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>today %1</source>
        <translation>aujourd’hui à %1</translation>
    </message>
    <message>
        <source>yesterday %1</source>
        <translation>hier à %1</translation>
    </message>
    <message>
        <source>Part of a name</source>
        <translation>Partie d’un nom</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Clear the filter</source>
        <translation>Effacer le filtre</translation>
    </message>
    <message>
        <source>This folder no longer exists</source>
        <translation>Ce dossier n’existe plus</translation>
    </message>
    <message>
        <source>No name holds “%1”.</source>
        <translation>Aucun nom ne contient «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Only hidden entries are here (%1 shows them).</source>
        <translation>Il n’y a ici que des fichiers cachés (%1 les affiche).</translation>
    </message>
    <message>
        <source>Sorts by this column; again to reverse</source>
        <translation>Trie selon cette colonne&#xa0;; à nouveau pour inverser</translation>
    </message>
    <message>
        <source>This name is not valid UTF-8; its odd bytes show as %1</source>
        <translation>Ce nom n’est pas en UTF-8 valide ; ses octets invalides s’affichent sous la forme %1</translation>
    </message>
    <message>
        <source>%1 does not exist; showing the nearest folder above it.</source>
        <translation>%1 n’existe pas&#xa0;; affichage du dossier parent le plus proche.</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n entries</source>
        <translation>
            <numerusform>Coller %n entrée</numerusform>
            <numerusform>Coller %n entrées</numerusform>
        </translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Puts the chosen entries on the clipboard, to be moved where they are pasted</source>
        <translation>Met les entrées choisies dans le presse-papiers, pour les déplacer là où elles seront collées</translation>
    </message>
    <message>
        <source>Puts the chosen entries on the clipboard, to be copied where they are pasted</source>
        <translation>Met les entrées choisies dans le presse-papiers, pour les copier là où elles seront collées</translation>
    </message>
    <message>
        <source>Copies or moves the entries on the clipboard into the folder shown</source>
        <translation>Copie ou déplace les entrées du presse-papiers dans le dossier affiché</translation>
    </message>
    <message>
        <source>Chooses every entry shown; Escape chooses none, Ctrl+click and Shift+click choose more</source>
        <translation>Choisit toutes les entrées affichées ; Échap n’en choisit aucune, Ctrl+clic et Maj+clic en choisissent plus</translation>
    </message>
    <message>
        <source>List view</source>
        <translation>Vue en liste</translation>
    </message>
    <message>
        <source>Shows the entries as a list with their size, date and type</source>
        <translation>Affiche les entrées en liste avec leur taille, leur date et leur type</translation>
    </message>
    <message>
        <source>Grid view</source>
        <translation>Vue en grille</translation>
    </message>
    <message>
        <source>Shows the entries as icons, pictures as thumbnails</source>
        <translation>Affiche les entrées en icônes, les images en vignettes</translation>
    </message>
    <message>
        <source>Open a terminal here</source>
        <translation>Ouvrir un terminal ici</translation>
    </message>
    <message>
        <source>Opens the desktop&apos;s terminal in the folder shown</source>
        <translation>Ouvre le terminal du bureau dans le dossier affiché</translation>
    </message>
    <message>
        <source>Thumbnails in the list</source>
        <translation>Vignettes dans la liste</translation>
    </message>
    <message>
        <source>Shows pictures in the list as small thumbnails instead of icons</source>
        <translation>Affiche les images de la liste en petites vignettes au lieu d&apos;icônes</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]... [FOLDER | FILE | URL]</source>
        <translation>Utilisation&#xa0;: %1 [OPTION]... [DOSSIER | FICHIER | URL]</translation>
    </message>
    <message>
        <source>Browses the folders and files of this computer. Opens FOLDER, or the
folder of FILE with FILE selected; a file:// URL may stand for either.
Without one, the folder you were in last opens.

  -h, --help            show this help and exit
  -v, --version         show the version and exit
      --caller-dir=DIR  take a relative path from DIR

Qt&apos;s own options (-platform NAME, -reverse and others) are passed on to Qt.</source>
        <translation>Parcourt les dossiers et les fichiers de cet ordinateur. Ouvre DOSSIER, ou le
dossier de FICHIER avec FICHIER sélectionné&#xa0;; une URL file:// peut désigner
l’un ou l’autre. Sans argument, le dernier dossier où vous étiez s’ouvre.

  -h, --help                affiche cette aide et quitte
  -v, --version             affiche la version et quitte
      --caller-dir=DOSSIER  prend un chemin relatif à partir de DOSSIER

Les options propres à Qt (-platform NOM, -reverse et d’autres) sont transmises
à Qt.</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;</source>
        <translation>%1&#xa0;: option inconnue «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1: option &apos;%2&apos; needs a value</source>
        <translation>%1&#xa0;: l’option «&#xa0;%2&#xa0;» demande une valeur</translation>
    </message>
    <message>
        <source>%1: %2 is not a folder or file on this computer</source>
        <translation>%1&#xa0;: %2 n’est ni un dossier ni un fichier de cet ordinateur</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour en savoir plus.</translation>
    </message>
    <message numerus="yes">
        <source>%1: only the first path is opened; %n more left aside</source>
        <translation>
            <numerusform>%1&#xa0;: seul le premier chemin est ouvert&#xa0;; %n autre est laissé de côté</numerusform>
            <numerusform>%1&#xa0;: seul le premier chemin est ouvert&#xa0;; %n autres sont laissés de côté</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CopyBar</name>
    <message>
        <source>Waiting for %1, which does not answer.</source>
        <translation>En attente de %1, qui ne répond pas.</translation>
    </message>
    <message>
        <source>Starting the copy</source>
        <translation>Début de la copie</translation>
    </message>
</context>
<context>
    <name>FileHistory</name>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Could not undo %1: %2</source>
        <translation>Impossible d’annuler « %1 » : %2</translation>
    </message>
    <message>
        <source>Could not redo %1: %2</source>
        <translation>Impossible de rétablir « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Un nom ne peut pas être vide.</translation>
    </message>
    <message>
        <source>A name cannot contain “/”.</source>
        <translation>Un nom ne peut pas contenir « / ».</translation>
    </message>
    <message>
        <source>“.” and “..” cannot be used as names.</source>
        <translation>« . » et « .. » ne peuvent pas servir de noms.</translation>
    </message>
    <message>
        <source>“%1” already exists.</source>
        <translation>« %1 » existe déjà.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>« %1 » n’existe plus.</translation>
    </message>
    <message>
        <source>You may not change “%1”.</source>
        <translation>Vous n’avez pas le droit de modifier « %1 ».</translation>
    </message>
    <message>
        <source>“%1” is on a read-only volume.</source>
        <translation>« %1 » se trouve sur un volume en lecture seule.</translation>
    </message>
    <message>
        <source>The volume holding “%1” has no trash you can use.</source>
        <translation>Le volume qui contient « %1 » n’a pas de corbeille que vous puissiez utiliser.</translation>
    </message>
    <message>
        <source>“%1” is in the trash already.</source>
        <translation>« %1 » est déjà dans la corbeille.</translation>
    </message>
    <message>
        <source>Where “%1” came from is not known.</source>
        <translation>On ne sait pas d’où vient « %1 ».</translation>
    </message>
    <message>
        <source>“%1” would have to go to another volume.</source>
        <translation>« %1 » devrait aller sur un autre volume.</translation>
    </message>
    <message>
        <source>The folder “%1” is no longer empty.</source>
        <translation>Le dossier « %1 » n’est plus vide.</translation>
    </message>
    <message>
        <source>“%1” has changed since.</source>
        <translation>« %1 » a changé depuis.</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>« %1 » est en cours d’utilisation.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation>« %1 » : %2</translation>
    </message>
</context>
<context>
    <name>FileStep</name>
    <message>
        <source>rename “%1” → “%2”</source>
        <translation>renommer « %1 » → « %2 »</translation>
    </message>
    <message>
        <source>new folder “%1”</source>
        <translation>nouveau dossier « %1 »</translation>
    </message>
    <message>
        <source>restore “%1”</source>
        <translation>restaurer « %1 »</translation>
    </message>
    <message>
        <source>trash “%1”</source>
        <translation>mettre « %1 » à la corbeille</translation>
    </message>
    <message numerus="yes">
        <source>restore %n entries</source>
        <translation>
            <numerusform>restaurer %n élément</numerusform>
            <numerusform>restaurer %n éléments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>trash %n entries</source>
        <translation>
            <numerusform>mettre %n élément à la corbeille</numerusform>
            <numerusform>mettre %n éléments à la corbeille</numerusform>
        </translation>
    </message>
    <message>
        <source>move “%1” to “%2”</source>
        <translation>déplacer « %1 » vers « %2 »</translation>
    </message>
    <message numerus="yes">
        <source>move %n entries to “%1”</source>
        <translation>
            <numerusform>déplacer %n élément vers « %1 »</numerusform>
            <numerusform>déplacer %n éléments vers « %1 »</numerusform>
        </translation>
    </message>
    <message>
        <source>copy “%1” to “%2”</source>
        <translation>copier « %1 » vers « %2 »</translation>
    </message>
    <message numerus="yes">
        <source>copy %n entries to “%1”</source>
        <translation>
            <numerusform>copier %n élément vers « %1 »</numerusform>
            <numerusform>copier %n éléments vers « %1 »</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Edits the chosen entry&apos;s name in place; Enter renames, Escape keeps it</source>
        <translation>Modifie le nom de l’élément choisi sur place ; Entrée renomme, Échap le garde</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Makes a folder in the open folder</source>
        <translation>Crée un dossier dans le dossier ouvert</translation>
    </message>
    <message>
        <source>Move to trash</source>
        <translation>Mettre à la corbeille</translation>
    </message>
    <message>
        <source>Moves the chosen entries to the trash, from where they can be restored</source>
        <translation>Met les éléments choisis à la corbeille, d’où ils peuvent être restaurés</translation>
    </message>
    <message>
        <source>Delete permanently</source>
        <translation>Supprimer définitivement</translation>
    </message>
    <message>
        <source>Deletes the chosen entries for good, after asking</source>
        <translation>Supprime définitivement les éléments choisis, après confirmation</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Puts the chosen entries of the trash back where they were</source>
        <translation>Remet les éléments choisis de la corbeille là où ils étaient</translation>
    </message>
    <message>
        <source>Empty trash</source>
        <translation>Vider la corbeille</translation>
    </message>
    <message>
        <source>Deletes everything in the trash for good, after asking</source>
        <translation>Supprime définitivement tout le contenu de la corbeille, après confirmation</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Takes back your last rename, new folder, trash or restore</source>
        <translation>Annule votre dernier renommage, nouveau dossier, mise à la corbeille ou restauration</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Makes again the step Undo took back</source>
        <translation>Refait l’étape qu’Annuler a défaite</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>En êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Name of the new folder</source>
        <translation>Nom du nouveau dossier</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message numerus="yes">
        <source>Moving %n entries to the trash</source>
        <translation>
            <numerusform>Mise à la corbeille de %n élément</numerusform>
            <numerusform>Mise à la corbeille de %n éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete “%1” permanently?</source>
        <translation>Supprimer « %1 » définitivement ?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n entries permanently?</source>
        <translation>
            <numerusform>Supprimer %n élément définitivement ?</numerusform>
            <numerusform>Supprimer %n éléments définitivement ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleting %n entries</source>
        <translation>
            <numerusform>Suppression de %n élément</numerusform>
            <numerusform>Suppression de %n éléments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restoring %n entries</source>
        <translation>
            <numerusform>Restauration de %n élément</numerusform>
            <numerusform>Restauration de %n éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete everything in the trash permanently?</source>
        <translation>Supprimer définitivement tout le contenu de la corbeille ?</translation>
    </message>
    <message>
        <source>Emptying the trash</source>
        <translation>Vidage de la corbeille</translation>
    </message>
    <message numerus="yes">
        <source>%n more could not be done</source>
        <translation>
            <numerusform>%n autre n’a pas pu être traité</numerusform>
            <numerusform>%n autres n’ont pas pu être traités</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” moved to the trash</source>
        <translation>« %1 » mis à la corbeille</translation>
    </message>
    <message numerus="yes">
        <source>%n entries moved to the trash</source>
        <translation>
            <numerusform>%n élément mis à la corbeille</numerusform>
            <numerusform>%n éléments mis à la corbeille</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” deleted</source>
        <translation>« %1 » supprimé</translation>
    </message>
    <message numerus="yes">
        <source>%n entries deleted</source>
        <translation>
            <numerusform>%n élément supprimé</numerusform>
            <numerusform>%n éléments supprimés</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” restored</source>
        <translation>« %1 » restauré</translation>
    </message>
    <message numerus="yes">
        <source>%n entries restored</source>
        <translation>
            <numerusform>%n élément restauré</numerusform>
            <numerusform>%n éléments restaurés</numerusform>
        </translation>
    </message>
    <message>
        <source>The trash is empty</source>
        <translation>La corbeille est vide</translation>
    </message>
    <message>
        <source>“%1” is taken in %2. Restore it as “%3”?</source>
        <translation>« %1 » est déjà pris dans %2. Le restaurer sous le nom « %3 » ?</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>origin unknown</source>
        <translation>origine inconnue</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Corbeille</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n élément</numerusform>
            <numerusform>%n éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>Counting…</source>
        <translation>Comptage…</translation>
    </message>
    <message>
        <source>Chosen</source>
        <translation>Choisis</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Contenu</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n dossier</numerusform>
            <numerusform>%n dossiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 octets)</translation>
    </message>
    <message>
        <source>On disk</source>
        <translation>Sur le disque</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation>Illisibles</translation>
    </message>
    <message numerus="yes">
        <source>%n entries could not be read; the totals are at least these</source>
        <translation>
            <numerusform>%n élément n’a pas pu être lu ; les totaux sont au moins ceux-ci</numerusform>
            <numerusform>%n éléments n’ont pas pu être lus ; les totaux sont au moins ceux-ci</numerusform>
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
            <numerusform>%Ln élément</numerusform>
            <numerusform>%Ln éléments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln hidden</source>
        <translation>
            <numerusform>%1, %Ln masqué</numerusform>
            <numerusform>%1, %Ln masqués</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln selected</source>
        <translation>
            <numerusform>%Ln sélectionné</numerusform>
            <numerusform>%Ln sélectionnés</numerusform>
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
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>One image pixel per screen pixel</source>
        <translation>Un pixel de l’image par pixel de l’écran</translation>
    </message>
    <message>
        <source>Fit the image to the window</source>
        <translation>Ajuster l’image à la fenêtre</translation>
    </message>
    <message>
        <source>Zoom to window</source>
        <translation>Remplir la fenêtre</translation>
    </message>
    <message>
        <source>Fills the window, also enlarging a small picture</source>
        <translation>Remplit la fenêtre, quitte à agrandir une petite image</translation>
    </message>
    <message>
        <source>Previous picture</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Shows the previous picture of the folder</source>
        <translation>Affiche l’image précédente du dossier</translation>
    </message>
    <message>
        <source>Next picture</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Shows the next picture of the folder</source>
        <translation>Affiche l’image suivante du dossier</translation>
    </message>
    <message>
        <source>This picture cannot be shown: %1</source>
        <translation>Impossible d’afficher cette image&#xa0;: %1</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation type="vanished">elle ne peut pas être décodée</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>an entry of that name is there</source>
        <translation>une entrée de ce nom existe déjà</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the destination does not accept that name</source>
        <translation>la destination n’accepte pas ce nom</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>il n’existe plus</translation>
    </message>
    <message>
        <source>it changed while it was moved</source>
        <translation>il a changé pendant le déplacement</translation>
    </message>
    <message>
        <source>pipes, devices and sockets are not copied</source>
        <translation>les tubes, périphériques et sockets ne sont pas copiés</translation>
    </message>
    <message>
        <source>a folder cannot go into itself</source>
        <translation>un dossier ne peut pas aller dans lui-même</translation>
    </message>
    <message>
        <source>it is already there</source>
        <translation>il y est déjà</translation>
    </message>
    <message>
        <source>the folder contains itself</source>
        <translation>le dossier se contient lui-même</translation>
    </message>
    <message>
        <source>the destination folder no longer exists</source>
        <translation>le dossier de destination n’existe plus</translation>
    </message>
    <message>
        <source>an error</source>
        <translation>une erreur</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message numerus="yes">
        <source>%n s left</source>
        <translation>
            <numerusform>%n s restante</numerusform>
            <numerusform>%n s restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min left</source>
        <translation>
            <numerusform>%n min restante</numerusform>
            <numerusform>%n min restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n h left</source>
        <translation>
            <numerusform>%n h restante</numerusform>
            <numerusform>%n h restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n entries</source>
        <translation>
            <numerusform>%1 sur %n entrée</numerusform>
            <numerusform>%1 sur %n entrées</numerusform>
        </translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>décompte…</translation>
    </message>
    <message>
        <source>writing to disk…</source>
        <translation>écriture sur le disque…</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Garder les deux</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>“%1” is already there.</source>
        <translation>« %1 » y est déjà.</translation>
    </message>
    <message>
        <source>“%1” could not be done: %2</source>
        <translation>« %1 » n’a pas pu être traité : %2</translation>
    </message>
    <message>
        <source>There: %1. New: %2.</source>
        <translation>Existant : %1. Nouveau : %2.</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Appliquer à tout</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>Tâches</translation>
    </message>
    <message>
        <source>Jobs are running</source>
        <translation>Des tâches sont en cours</translation>
    </message>
    <message>
        <source>Stopping the jobs; nothing is left half done…</source>
        <translation>Arrêt des tâches ; rien ne reste à moitié fait…</translation>
    </message>
    <message numerus="yes">
        <source>Jobs still running: %n. Stop them and leave?</source>
        <translation>
            <numerusform>Tâches en cours : %n. Les arrêter et quitter ?</numerusform>
            <numerusform>Tâches en cours : %n. Les arrêter et quitter ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Stop and leave</source>
        <translation>Arrêter et quitter</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Your settings could not be saved: %1</source>
        <translation>Impossible d’enregistrer vos paramètres&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your settings file could not be read; it was kept as %1 and the settings start afresh.</source>
        <translation>Impossible de lire votre fichier de paramètres&#xa0;; il a été conservé sous %1 et les paramètres repartent de zéro.</translation>
    </message>
    <message>
        <source>Your settings file could not be read (%1); it will be kept aside before anything is saved.</source>
        <translation>Impossible de lire votre fichier de paramètres (%1)&#xa0;; il sera mis de côté avant tout enregistrement.</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>OpenPage</name>
    <message>
        <source>This file no longer exists.</source>
        <translation>Ce fichier n’existe plus.</translation>
    </message>
    <message>
        <source>This is a %1; it is never handed to another application.</source>
        <translation>Cet élément est de type «&#xa0;%1&#xa0;»&#xa0;; il n’est jamais confié à une autre application.</translation>
    </message>
    <message>
        <source>This file is a program. Opening it runs:</source>
        <translation>Ce fichier est un programme. L’ouvrir exécute&#xa0;:</translation>
    </message>
    <message>
        <source>No application is set to open %1 files</source>
        <translation>Aucune application n’est définie pour ouvrir les fichiers %1</translation>
    </message>
    <message>
        <source>The desktop could not open this file.</source>
        <translation>Le bureau n’a pas pu ouvrir ce fichier.</translation>
    </message>
    <message>
        <source>Run it</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Waiting for %1, which does not answer.</source>
        <translation>En attente de %1, qui ne répond pas.</translation>
    </message>
    <message>
        <source>This file changed after it was shown. Opening it now runs:</source>
        <translation>Ce fichier a changé après avoir été affiché. L’ouvrir maintenant exécute :</translation>
    </message>
    <message>
        <source>This entry is not run: the desktop might read it otherwise than shown.</source>
        <translation>Cette entrée n’est pas exécutée : le bureau pourrait la lire autrement qu’elle n’est affichée.</translation>
    </message>
    <message>
        <source>This desktop does not open files in other applications.</source>
        <translation>Ce bureau n’ouvre pas de fichiers dans d’autres applications.</translation>
    </message>
    <message>
        <source>This link leads to %1, which does not exist.</source>
        <translation>Ce lien mène à %1, qui n’existe pas.</translation>
    </message>
</context>
<context>
    <name>PathBar</name>
    <message>
        <source>Path: %1</source>
        <translation>Chemin&#xa0;: %1</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>Dossier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Folder or file to go to</source>
        <translation>Dossier ou fichier où aller</translation>
    </message>
</context>
<context>
    <name>PathCompletion</name>
    <message>
        <source>Suggestions</source>
        <translation>Suggestions</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>the file is no longer there</source>
        <translation>le fichier n’existe plus</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>you may not read this file</source>
        <translation>vous n’avez pas le droit de lire ce fichier</translation>
    </message>
    <message>
        <source>the file could not be read (%1)</source>
        <translation>le fichier n’a pas pu être lu (%1)</translation>
    </message>
    <message>
        <source>its content is not a picture format this program reads</source>
        <translation>son contenu n’est pas un format d’image que ce programme sait lire</translation>
    </message>
    <message>
        <source>its data is damaged or cut short</source>
        <translation>ses données sont endommagées ou tronquées</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>elle est trop grande</translation>
    </message>
    <message>
        <source>at %1 × %2 pixels it needs %3 MiB, more than the %4 MiB this computer allows for pictures</source>
        <translation>à %1 × %2 pixels, elle demande %3 Mio, plus que les %4 Mio que cet ordinateur accorde aux images</translation>
    </message>
</context>
<context>
    <name>PlaceDelegate</name>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 n’existe plus</translation>
    </message>
    <message>
        <source>bookmark, folder is gone</source>
        <translation>signet, le dossier a disparu</translation>
    </message>
    <message>
        <source>bookmark</source>
        <translation>signet</translation>
    </message>
    <message>
        <source>open now</source>
        <translation>ouvert actuellement</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove bookmark %1</source>
        <translation>Retirer le signet %1</translation>
    </message>
    <message>
        <source>Removes this bookmark (Delete)</source>
        <translation>Retire ce signet (Suppr)</translation>
    </message>
    <message>
        <source>not answering</source>
        <translation>ne répond pas</translation>
    </message>
    <message>
        <source>bookmark, waiting for its folder to answer</source>
        <translation>signet, en attente de la réponse de son dossier</translation>
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
        <translation>Documents partagés</translation>
    </message>
    <message>
        <source>Root folder</source>
        <translation>Dossier racine</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
</context>
<context>
    <name>PlacesList</name>
    <message>
        <source>Places</source>
        <translation>Emplacements</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volumes</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Signets</translation>
    </message>
</context>
<context>
    <name>PropertiesPage</name>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation type="vanished">%1 (%2 octets)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>Consulté</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permissions</translation>
    </message>
    <message>
        <source>Link to</source>
        <translation>Lien vers</translation>
    </message>
    <message>
        <source>This link is broken: its target does not exist.</source>
        <translation type="vanished">Ce lien est cassé&#xa0;: sa cible n’existe pas.</translation>
    </message>
    <message>
        <source>This file no longer exists.</source>
        <translation>Ce fichier n’existe plus.</translation>
    </message>
    <message>
        <source>Go to target</source>
        <translation>Aller à la cible</translation>
    </message>
    <message>
        <source>This link is broken: %1 does not exist.</source>
        <translation>Ce lien est cassé : %1 n’existe pas.</translation>
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
        <translation>Haut</translation>
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
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>SceneTools</name>
    <message numerus="yes">
        <source>%1 byte(s)</source>
        <comment>a file&apos;s size</comment>
        <translation>
            <numerusform>%1 octet</numerusform>
            <numerusform>%1 octets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>Search results</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <source>Show in its folder</source>
        <translation>Afficher dans son dossier</translation>
    </message>
    <message>
        <source>in this folder</source>
        <translation>dans ce dossier</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>dans %1</translation>
    </message>
    <message>
        <source>found in its text</source>
        <translation>trouvé dans son texte</translation>
    </message>
    <message numerus="yes">
        <source>Searching… %n folders looked through</source>
        <translation>
            <numerusform>Recherche… %n dossier parcouru</numerusform>
            <numerusform>Recherche… %n dossiers parcourus</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing below this folder matches</source>
        <translation>Rien ne correspond sous ce dossier</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n results are shown</source>
        <translation>
            <numerusform>Seul le premier résultat est affiché</numerusform>
            <numerusform>Seuls les %n premiers résultats sont affichés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <translation>
            <numerusform>%n trouvé</numerusform>
            <numerusform>%n trouvés</numerusform>
        </translation>
    </message>
    <message>
        <source>Below this folder</source>
        <translation>Sous ce dossier</translation>
    </message>
    <message>
        <source>Searches every folder below this one for the typed name; * and ? stand for any letters</source>
        <translation>Cherche le nom tapé dans tous les dossiers sous celui-ci ; * et ? remplacent n&apos;importe quelles lettres</translation>
    </message>
    <message>
        <source>Opens the folder that holds the found entry, with the entry chosen</source>
        <translation>Ouvre le dossier qui contient l&apos;élément trouvé, avec l&apos;élément choisi</translation>
    </message>
    <message>
        <source>In contents</source>
        <translation>Dans le contenu</translation>
    </message>
    <message>
        <source>Also finds text files that hold the typed words, up to 1 MiB each</source>
        <translation>Trouve aussi les fichiers texte d&apos;au plus 1 Mio qui contiennent les mots saisis</translation>
    </message>
    <message>
        <source>Other drives</source>
        <translation>Autres lecteurs</translation>
    </message>
    <message>
        <source>Also searches the drives and file systems mounted below this folder</source>
        <translation>Cherche aussi dans les lecteurs et systèmes de fichiers montés sous ce dossier</translation>
    </message>
</context>
<context>
    <name>Segments</name>
    <message>
        <source>Go to %1</source>
        <translation>Aller à %1</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>This folder no longer exists</source>
        <translation>Ce dossier n’existe plus</translation>
    </message>
    <message>
        <source>No terminal found: install one, or name yours in $TERMINAL</source>
        <translation>Aucun terminal trouvé&#xa0;: installez-en un, ou indiquez le vôtre dans $TERMINAL</translation>
    </message>
    <message>
        <source>The terminal could not be started: %1</source>
        <translation>Le terminal n’a pas pu être lancé&#xa0;: %1</translation>
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
        <translation type="vanished">Copié dans Documents.</translation>
    </message>
    <message>
        <source>Copy to Documents</source>
        <translation>Copier dans Documents</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Finds words in the text</source>
        <translation>Recherche des mots dans le texte</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Rechercher le suivant</translation>
    </message>
    <message>
        <source>Goes to the next place the words are found</source>
        <translation>Va à l’occurrence suivante</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Rechercher le précédent</translation>
    </message>
    <message>
        <source>Goes to the previous place the words are found</source>
        <translation>Va à l’occurrence précédente</translation>
    </message>
    <message>
        <source>Wrap lines</source>
        <translation>Retour à la ligne</translation>
    </message>
    <message>
        <source>Breaks long lines at the window&apos;s edge, or not</source>
        <translation>Coupe ou non les longues lignes au bord de la fenêtre</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Selects the whole text; Shift with the arrows selects part of it</source>
        <translation>Sélectionne tout le texte&#xa0;; Maj avec les flèches en sélectionne une partie</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copies the selected text to the clipboard</source>
        <translation>Copie le texte sélectionné dans le presse-papiers</translation>
    </message>
    <message>
        <source>Could not copy: a file of that name is already in Documents.</source>
        <translation>Copie impossible&#xa0;: un fichier de ce nom existe déjà dans Documents.</translation>
    </message>
    <message>
        <source>Could not copy: no permission.</source>
        <translation>Copie impossible&#xa0;: autorisation refusée.</translation>
    </message>
    <message>
        <source>Could not copy: the disk is full.</source>
        <translation>Copie impossible&#xa0;: le disque est plein.</translation>
    </message>
    <message>
        <source>Could not copy: this is not a regular file.</source>
        <translation>Copie impossible&#xa0;: ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Could not copy: Documents is a link, not a folder.</source>
        <translation>Copie impossible&#xa0;: Documents est un lien, pas un dossier.</translation>
    </message>
    <message>
        <source>The copy was cancelled; nothing was left behind.</source>
        <translation>La copie a été annulée&#xa0;; rien n’a été laissé.</translation>
    </message>
    <message>
        <source>Could not copy: %1</source>
        <translation>Copie impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not copy to Documents.</source>
        <translation>Impossible de copier dans Documents.</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hexa</translation>
    </message>
    <message>
        <source>%1 — only the first %2 of the file&apos;s %3 are shown.</source>
        <translation>%1 — seuls les %2 premiers des %3 du fichier sont affichés.</translation>
    </message>
    <message>
        <source>Could not copy: the file changed while it was copied.</source>
        <translation>Copie impossible : le fichier a changé pendant la copie.</translation>
    </message>
    <message numerus="yes">
        <source>%n long line(s) broken for display</source>
        <translation>
            <numerusform>%n ligne longue coupée pour l’affichage</numerusform>
            <numerusform>%n lignes longues coupées pour l’affichage</numerusform>
        </translation>
    </message>
    <message>
        <source>Copied to %1.</source>
        <translation>Copié dans %1.</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Copying “%1” to Documents</source>
        <translation>Copie de « %1 » dans Documents</translation>
    </message>
    <message>
        <source>Copied to Documents.</source>
        <translation>Copié dans Documents.</translation>
    </message>
    <message>
        <source>Cancelled; nothing was left half done.</source>
        <translation>Annulé ; rien n’est resté à moitié fait.</translation>
    </message>
    <message>
        <source>Could not copy: %1</source>
        <translation>Copie impossible : %1</translation>
    </message>
    <message>
        <source>Could not move: %1</source>
        <translation>Déplacement impossible : %1</translation>
    </message>
    <message>
        <source>Moving “%1” to %2</source>
        <translation>Déplacement de « %1 » vers %2</translation>
    </message>
    <message>
        <source>Copying “%1” to %2</source>
        <translation>Copie de « %1 » vers %2</translation>
    </message>
    <message numerus="yes">
        <source>Moving %n entries to %1</source>
        <translation>
            <numerusform>Déplacement de %n entrée vers %1</numerusform>
            <numerusform>Déplacement de %n entrées vers %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying %n entries to %1</source>
        <translation>
            <numerusform>Copie de %n entrée vers %1</numerusform>
            <numerusform>Copie de %n entrées vers %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after moving %n of %1; the rest is where it was.</source>
        <translation>
            <numerusform>Annulé après en avoir déplacé %n sur %1 ; le reste est où il était.</numerusform>
            <numerusform>Annulé après en avoir déplacé %n sur %1 ; le reste est où il était.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after copying %n of %1; nothing was left half done.</source>
        <translation>
            <numerusform>Annulé après en avoir copié %n sur %1 ; rien n’est resté à moitié fait.</numerusform>
            <numerusform>Annulé après en avoir copié %n sur %1 ; rien n’est resté à moitié fait.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n entries.</source>
        <translation>
            <numerusform>%n entrée déplacée.</numerusform>
            <numerusform>%n entrées déplacées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n entries.</source>
        <translation>
            <numerusform>%n entrée copiée.</numerusform>
            <numerusform>%n entrées copiées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n of %1.</source>
        <translation>
            <numerusform>%n sur %1 déplacée.</numerusform>
            <numerusform>%n sur %1 déplacées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n of %1.</source>
        <translation>
            <numerusform>%n sur %1 copiée.</numerusform>
            <numerusform>%n sur %1 copiées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left where it was (%1).</source>
        <translation>
            <numerusform>%n est resté à sa place (%1).</numerusform>
            <numerusform>%n sont restés à leur place (%1).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Viewers</name>
    <message>
        <source>Open with the default application</source>
        <translation>Ouvrir avec l’application par défaut</translation>
    </message>
    <message>
        <source>Hands the chosen file to the desktop&apos;s application for its type</source>
        <translation>Confie le fichier choisi à l’application du bureau associée à son type</translation>
    </message>
    <message>
        <source>View as text</source>
        <translation>Afficher en texte</translation>
    </message>
    <message>
        <source>Shows the chosen file as text, whatever it holds</source>
        <translation>Affiche le fichier choisi en texte, quel que soit son contenu</translation>
    </message>
    <message>
        <source>View as hex</source>
        <translation>Afficher en hexa</translation>
    </message>
    <message>
        <source>Shows the chosen file&apos;s bytes in hexadecimal</source>
        <translation>Affiche les octets du fichier choisi en hexadécimal</translation>
    </message>
    <message>
        <source>Copies the chosen file to Documents</source>
        <translation>Copie le fichier choisi dans Documents</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Shows size, times, owner, permissions and type of the chosen entry</source>
        <translation>Affiche la taille, les dates, le propriétaire, les permissions et le type de l’élément choisi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stops the copy to Documents; nothing of it is left</source>
        <translation>Arrête la copie dans Documents&#xa0;; il n’en reste rien</translation>
    </message>
    <message>
        <source>%1 of %2, %3/s</source>
        <translation>%1 sur %2, %3/s</translation>
    </message>
    <message>
        <source>Another copy is still running.</source>
        <translation>Une autre copie est encore en cours.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Show the copy</source>
        <translation>Afficher la copie</translation>
    </message>
</context>
</TS>
