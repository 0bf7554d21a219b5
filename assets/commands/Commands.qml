// SPDX-License-Identifier: GPL-3.0-or-later
pragma Singleton
import QtQml
import Vantrel.Scene

// Every command of the scene, declared once: its words, keys and icon.
// Where a command acts, a Command binds its declaration to whether it
// applies and what it does; buttons, menu entries, tool tips and the About
// page read the words and keys from here.
QtObject {
    readonly property CommandInfo open: CommandInfo {
        name: "open"; text: qsTranslate("Browser", "Open"); keys: ["Return"]; local: true
        tip: qsTranslate("Browser", "Opens the chosen folder or file")
    }
    readonly property CommandInfo back: CommandInfo {
        name: "back"; text: qsTranslate("Browser", "Back"); keys: ["Alt+Left"]
        tip: qsTranslate("Browser", "Goes back to the previous folder")
        iconName: "go-previous"; glyph: "\u2190"
    }
    readonly property CommandInfo forward: CommandInfo {
        name: "forward"; text: qsTranslate("Browser", "Forward"); keys: ["Alt+Right"]
        tip: qsTranslate("Browser", "Goes forward again to the folder left with Back")
        iconName: "go-next"; glyph: "\u2192"
    }
    readonly property CommandInfo up: CommandInfo {
        name: "up"; text: qsTranslate("Browser", "Up"); keys: ["Alt+Up", "Backspace"]
        tip: qsTranslate("Browser", "Goes up to the parent folder")
        iconName: "go-up"; glyph: "\u2191"
    }
    readonly property CommandInfo home: CommandInfo {
        name: "home"; text: qsTranslate("Browser", "Home"); keys: ["Alt+Home"]
        tip: qsTranslate("Browser", "Goes to your home folder")
        iconName: "go-home"; glyph: "\u2302"
    }
    readonly property CommandInfo editPath: CommandInfo {
        name: "editPath"; text: qsTranslate("Browser", "Type a path"); keys: ["Ctrl+L"]
        tip: qsTranslate("Browser", "Turns the path into a field to type a folder or file in")
    }
    readonly property CommandInfo places: CommandInfo {
        name: "places"; text: qsTranslate("Browser", "Show places"); keys: ["F9"]
        tip: qsTranslate("Browser", "Shows or hides the places: home, standard folders, volumes, bookmarks")
        iconName: "sidebar-show"; glyph: "\u2630"
    }
    readonly property CommandInfo focusPlaces: CommandInfo {
        name: "focusPlaces"; text: qsTranslate("Browser", "Go to places"); keys: ["Ctrl+F6"]
        tip: qsTranslate("Browser", "Moves the keyboard to the places; Escape comes back to the list")
    }
    readonly property CommandInfo bookmark: CommandInfo {
        name: "bookmark"; text: qsTranslate("Browser", "Bookmark this folder"); keys: ["Ctrl+D"]
        tip: qsTranslate("Browser", "Adds the open folder to the bookmarks in the places")
        iconName: "bookmark-new"; glyph: "\u2605"
    }
    readonly property CommandInfo reload: CommandInfo {
        name: "reload"; text: qsTranslate("Browser", "Reload"); keys: ["F5"]
        tip: qsTranslate("Browser", "Reads the folder again")
        iconName: "view-refresh"; glyph: "\u21BB"
    }
    readonly property CommandInfo filter: CommandInfo {
        name: "filter"; text: qsTranslate("Browser", "Filter"); keys: ["Ctrl+F", "/"]
        tip: qsTranslate("Browser", "Shows only the names that hold the typed text; Escape clears it")
        iconName: "edit-find"; glyph: "\u2315"
    }
    readonly property CommandInfo showHidden: CommandInfo {
        name: "showHidden"; text: qsTranslate("Browser", "Show hidden entries"); keys: ["Ctrl+H"]
        tip: qsTranslate("Browser", "Shows or hides the entries whose names begin with a dot")
    }
    readonly property CommandInfo hiddenLast: CommandInfo {
        name: "hiddenLast"; text: qsTranslate("Browser", "List hidden last")
    }
    readonly property CommandInfo sortName: CommandInfo {
        name: "sortName"; text: qsTranslate("Browser", "Sort by name"); keys: ["Ctrl+Alt+1"]
    }
    readonly property CommandInfo sortSize: CommandInfo {
        name: "sortSize"; text: qsTranslate("Browser", "Sort by size"); keys: ["Ctrl+Alt+2"]
    }
    readonly property CommandInfo sortDate: CommandInfo {
        name: "sortDate"; text: qsTranslate("Browser", "Sort by date"); keys: ["Ctrl+Alt+3"]
    }
    readonly property CommandInfo sortType: CommandInfo {
        name: "sortType"; text: qsTranslate("Browser", "Sort by type"); keys: ["Ctrl+Alt+4"]
    }
    readonly property CommandInfo listView: CommandInfo {
        name: "listView"; text: qsTranslate("Browser", "List view"); keys: ["Ctrl+1"]
        tip: qsTranslate("Browser", "Shows the entries as a list with their size, date and type")
        iconName: "view-list-details"; glyph: "\u2630"
    }
    readonly property CommandInfo gridView: CommandInfo {
        name: "gridView"; text: qsTranslate("Browser", "Grid view"); keys: ["Ctrl+2"]
        tip: qsTranslate("Browser", "Shows the entries as icons, pictures as thumbnails")
        iconName: "view-list-icons"; glyph: "\u25a6"
    }
    readonly property CommandInfo listThumbnails: CommandInfo {
        name: "listThumbnails"; text: qsTranslate("Browser", "Thumbnails in the list")
        tip: qsTranslate("Browser", "Shows pictures in the list as small thumbnails instead of icons")
    }
    readonly property CommandInfo terminal: CommandInfo {
        name: "terminal"; text: qsTranslate("Browser", "Open a terminal here"); keys: ["Shift+F4"]
        tip: qsTranslate("Browser", "Opens the desktop's terminal in the folder shown")
        iconName: "utilities-terminal"; glyph: ">_"
    }
    readonly property CommandInfo entryMenu: CommandInfo {
        name: "entryMenu"; text: qsTranslate("Browser", "Entry menu"); keys: ["Menu", "Shift+F10"]; local: true
        tip: qsTranslate("Browser", "Opens the menu of the chosen entry")
    }
    readonly property CommandInfo typeAhead: CommandInfo {
        name: "typeAhead"; text: qsTranslate("Browser", "Jump to a name"); local: true; keyLabel: qsTranslate("Browser", "Typing")
        tip: qsTranslate("Browser", "Jumps to the next name that starts with the typed letters")
    }
    readonly property CommandInfo menu: CommandInfo {
        name: "menu"; text: qsTranslate("Browser", "Menu"); keys: ["F10"]
        tip: qsTranslate("Browser", "Opens the menu: sort order, hidden entries, remembering the folder, about")
        iconName: "open-menu"; glyph: "\u22EE"
    }
    readonly property CommandInfo switchOrder: CommandInfo {
        name: "switchOrder"; text: qsTranslate("Browser", "Switch order"); keys: ["Ctrl+K"]
        tip: qsTranslate("Browser", "Switches between folders first and folders among files")
    }
    readonly property CommandInfo switchDirection: CommandInfo {
        name: "switchDirection"; text: qsTranslate("Browser", "Reverse order"); keys: ["Ctrl+R"]
        tip: qsTranslate("Browser", "Reverses the order")
    }
    readonly property CommandInfo foldersFirst: CommandInfo {
        name: "foldersFirst"; text: qsTranslate("Browser", "Folders first")
    }
    readonly property CommandInfo byName: CommandInfo {
        name: "byName"; text: qsTranslate("Browser", "Folders among files")
    }
    readonly property CommandInfo ascending: CommandInfo {
        name: "ascending"; text: qsTranslate("Browser", "Ascending")
    }
    readonly property CommandInfo descending: CommandInfo {
        name: "descending"; text: qsTranslate("Browser", "Descending")
    }
    readonly property CommandInfo rememberFolder: CommandInfo {
        name: "rememberFolder"; text: qsTranslate("Browser", "Remember last folder")
    }
    readonly property CommandInfo about: CommandInfo {
        name: "about"; text: qsTranslate("Browser", "About")
    }
    readonly property CommandInfo copy: CommandInfo {
        name: "copy"; text: qsTranslate("TextView", "Copy to Documents"); keys: ["Ctrl+S"]
        tip: qsTranslate("Browser", "Copies the open file to Documents")
        iconName: "edit-copy"; glyph: "\u2750"
    }
    readonly property CommandInfo openWith: CommandInfo {
        name: "openWith"; text: qsTranslate("Viewers", "Open with the default application"); keys: ["Shift+Return"]
        tip: qsTranslate("Viewers", "Hands the chosen file to the desktop's application for its type")
        iconName: "document-open"
    }
    readonly property CommandInfo viewText: CommandInfo {
        name: "viewText"; text: qsTranslate("Viewers", "View as text"); keys: ["Ctrl+T"]
        tip: qsTranslate("Viewers", "Shows the chosen file as text, whatever it holds")
    }
    readonly property CommandInfo viewHex: CommandInfo {
        name: "viewHex"; text: qsTranslate("Viewers", "View as hex"); keys: ["Ctrl+Shift+H"]
        tip: qsTranslate("Viewers", "Shows the chosen file's bytes in hexadecimal")
    }
    readonly property CommandInfo copyEntry: CommandInfo {
        name: "copyEntry"; text: qsTranslate("TextView", "Copy to Documents"); keys: ["Ctrl+S"]
        tip: qsTranslate("Viewers", "Copies the chosen file to Documents")
        iconName: "edit-copy"; glyph: "\u2750"
    }
    readonly property CommandInfo showInFolder: CommandInfo {
        name: "showInFolder"; text: qsTranslate("Search", "Show in its folder"); keys: ["Ctrl+Return"]; local: true
        tip: qsTranslate("Search", "Opens the folder that holds the found entry, with the entry chosen")
        iconName: "folder-open"
    }
    readonly property CommandInfo properties: CommandInfo {
        name: "properties"; text: qsTranslate("Viewers", "Properties"); keys: ["Alt+Return"]
        tip: qsTranslate("Viewers", "Shows size, times, owner, permissions and type of the chosen entry")
        iconName: "document-properties"
    }
    readonly property CommandInfo cancelCopy: CommandInfo {
        name: "cancelCopy"; text: qsTranslate("Viewers", "Cancel")
        tip: qsTranslate("Viewers", "Stops the copy to Documents; nothing of it is left")
        iconName: "process-stop"; glyph: "\u00d7"
    }
    readonly property CommandInfo close: CommandInfo {
        name: "close"; text: qsTranslate("Browser", "Back"); keys: ["Esc", "Backspace", "Alt+Left"]
        tip: qsTranslate("Browser", "Closes this page")
        iconName: "go-previous"; glyph: "\u2190"
    }
    readonly property CommandInfo zoomOut: CommandInfo {
        name: "zoomOut"; text: qsTranslate("ImageView", "Zoom out"); keys: ["-"]; glyph: "\u2212"
        iconName: "zoom-out"
    }
    readonly property CommandInfo zoomIn: CommandInfo {
        name: "zoomIn"; text: qsTranslate("ImageView", "Zoom in"); keys: ["+", "="]; glyph: "+"
        iconName: "zoom-in"
    }
    readonly property CommandInfo actualSize: CommandInfo {
        name: "actualSize"; text: qsTranslate("ImageView", "Actual size"); keys: ["1"]; glyph: "1:1"
        tip: qsTranslate("ImageView", "One image pixel per screen pixel")
        iconName: "zoom-original"
    }
    readonly property CommandInfo fit: CommandInfo {
        name: "fit"; text: qsTranslate("ImageView", "Fit"); keys: ["0"]; glyph: "\u2922"
        tip: qsTranslate("ImageView", "Fit the image to the window")
        iconName: "zoom-fit-best"
    }
    readonly property CommandInfo fill: CommandInfo {
        name: "fill"; text: qsTranslate("ImageView", "Zoom to window"); keys: ["W"]; glyph: "\u2194"
        tip: qsTranslate("ImageView", "Fills the window, also enlarging a small picture")
        iconName: "zoom-fit-width"
    }
    readonly property CommandInfo previousPicture: CommandInfo {
        name: "previousPicture"; text: qsTranslate("ImageView", "Previous picture"); keys: ["Left", "PgUp"]; glyph: "\u25c0"
        tip: qsTranslate("ImageView", "Shows the previous picture of the folder")
        iconName: "go-previous-view"
    }
    readonly property CommandInfo nextPicture: CommandInfo {
        name: "nextPicture"; text: qsTranslate("ImageView", "Next picture"); keys: ["Right", "PgDown"]; glyph: "\u25b6"
        tip: qsTranslate("ImageView", "Shows the next picture of the folder")
        iconName: "go-next-view"
    }
    readonly property CommandInfo find: CommandInfo {
        name: "find"; text: qsTranslate("TextView", "Find"); keys: ["Ctrl+F"]; glyph: "\u2315"
        tip: qsTranslate("TextView", "Finds words in the text")
        iconName: "edit-find"
    }
    readonly property CommandInfo findNext: CommandInfo {
        name: "findNext"; text: qsTranslate("TextView", "Find next"); keys: ["F3"]; glyph: "\u2193"
        tip: qsTranslate("TextView", "Goes to the next place the words are found")
        iconName: "go-down-search"
    }
    readonly property CommandInfo findPrevious: CommandInfo {
        name: "findPrevious"; text: qsTranslate("TextView", "Find previous"); keys: ["Shift+F3"]; glyph: "\u2191"
        tip: qsTranslate("TextView", "Goes to the previous place the words are found")
        iconName: "go-up-search"
    }
    readonly property CommandInfo wrap: CommandInfo {
        name: "wrap"; text: qsTranslate("TextView", "Wrap lines"); keys: ["Alt+W"]; glyph: "\u21b5"
        tip: qsTranslate("TextView", "Breaks long lines at the window's edge, or not")
        iconName: "format-text-direction-ltr"
    }
    readonly property CommandInfo selectAll: CommandInfo {
        name: "selectAll"; text: qsTranslate("TextView", "Select all"); keys: ["Ctrl+A"]; local: true
        tip: qsTranslate("TextView", "Selects the whole text; Shift with the arrows selects part of it")
    }
    readonly property CommandInfo copyText: CommandInfo {
        name: "copyText"; text: qsTranslate("TextView", "Copy"); keys: ["Ctrl+C"]; local: true
        tip: qsTranslate("TextView", "Copies the selected text to the clipboard")
    }

    // The commands that change files.
    readonly property CommandInfo rename: CommandInfo {
        name: "rename"; text: qsTranslate("Files", "Rename"); keys: ["F2"]
        tip: qsTranslate("Files", "Edits the chosen entry's name in place; Enter renames, Escape keeps it")
        iconName: "edit-rename"
    }
    readonly property CommandInfo newFolder: CommandInfo {
        name: "newFolder"; text: qsTranslate("Files", "New folder"); keys: ["Ctrl+Shift+N"]
        tip: qsTranslate("Files", "Makes a folder in the open folder")
        iconName: "folder-new"
    }
    readonly property CommandInfo trash: CommandInfo {
        name: "trash"; text: qsTranslate("Files", "Move to trash"); keys: ["Delete"]
        tip: qsTranslate("Files", "Moves the chosen entries to the trash, from where they can be restored")
        iconName: "user-trash"
    }
    readonly property CommandInfo deletePermanently: CommandInfo {
        name: "deletePermanently"; text: qsTranslate("Files", "Delete permanently"); keys: ["Shift+Delete"]
        tip: qsTranslate("Files", "Deletes the chosen entries for good, after asking")
        iconName: "edit-delete"
    }
    readonly property CommandInfo restore: CommandInfo {
        name: "restore"; text: qsTranslate("Files", "Restore"); keys: ["Ctrl+Return"]
        tip: qsTranslate("Files", "Puts the chosen entries of the trash back where they were")
        iconName: "edit-undo"
    }
    readonly property CommandInfo emptyTrash: CommandInfo {
        name: "emptyTrash"; text: qsTranslate("Files", "Empty trash")
        tip: qsTranslate("Files", "Deletes everything in the trash for good, after asking")
        iconName: "trash-empty"
    }
    readonly property CommandInfo undo: CommandInfo {
        name: "undo"; text: qsTranslate("Files", "Undo"); keys: ["Ctrl+Z"]
        tip: qsTranslate("Files", "Takes back your last rename, new folder, trash or restore")
        iconName: "edit-undo"; glyph: "\u21B6"
    }
    readonly property CommandInfo redo: CommandInfo {
        name: "redo"; text: qsTranslate("Files", "Redo"); keys: ["Ctrl+Shift+Z"]
        tip: qsTranslate("Files", "Makes again the step Undo took back")
        iconName: "edit-redo"; glyph: "\u21B7"
    }

    // Entries on the system clipboard, and choosing them.
    readonly property CommandInfo cut: CommandInfo {
        name: "cut"; text: qsTranslate("Browser", "Cut"); keys: ["Ctrl+X"]
        tip: qsTranslate("Browser", "Puts the chosen entries on the clipboard, to be moved where they are pasted")
        iconName: "edit-cut"; glyph: "\u2702"
    }
    readonly property CommandInfo copyEntries: CommandInfo {
        name: "copyEntries"; text: qsTranslate("Browser", "Copy"); keys: ["Ctrl+C"]
        tip: qsTranslate("Browser", "Puts the chosen entries on the clipboard, to be copied where they are pasted")
        iconName: "edit-copy"; glyph: "\u2750"
    }
    readonly property CommandInfo paste: CommandInfo {
        name: "paste"; text: qsTranslate("Browser", "Paste"); keys: ["Ctrl+V"]
        tip: qsTranslate("Browser", "Copies or moves the entries on the clipboard into the folder shown")
        iconName: "edit-paste"; glyph: "\u2398"
    }
    readonly property CommandInfo selectEntries: CommandInfo {
        name: "selectEntries"; text: qsTranslate("Browser", "Select all"); keys: ["Ctrl+A"]
        tip: qsTranslate("Browser", "Chooses every entry shown; Escape chooses none, Ctrl+click and Shift+click choose more")
    }

    // In the order the About page lists them.
    readonly property list<CommandInfo> all: [rename, newFolder, trash, deletePermanently, restore,
        emptyTrash, undo, redo, open, entryMenu, openWith, viewText, viewHex, properties,
        cut, copyEntries, paste, selectEntries,
        copyEntry, showInFolder, up, back, forward, home, editPath, reload, typeAhead, filter, showHidden,
        sortName, sortSize, sortDate, sortType, listView, gridView, terminal, places, focusPlaces, bookmark, switchOrder,
        switchDirection, menu, copy, cancelCopy, find, findNext, findPrevious, wrap, selectAll,
        copyText, zoomIn, zoomOut, actualSize, fit, fill, previousPicture, nextPicture, close]
}
