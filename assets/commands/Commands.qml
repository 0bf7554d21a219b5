import QtQuick
import QtQuick.Controls
import Vantrel
import Vantrel.Scene

// Every command of the scene, written once. The page that carries a command
// out listens to its triggered signal; buttons, menu entries, tool tips and
// the About page's key list read their words and keys from here.
Item {
    id: actions

    // The browser is on top; otherwise a view is.
    property bool browsing: true
    // Set by the page on top.
    property bool canBack: false
    property bool canForward: false
    property bool canUp: false
    property bool canZoom: false
    // Set by the text view and the image view.
    property bool canFind: false
    property bool canStep: false
    property bool copying: false

    readonly property Command open: Command {
        text: qsTranslate("Browser", "Open"); keys: ["Return"]; local: true
        tip: qsTranslate("Browser", "Opens the chosen folder or file")
    }
    readonly property Command back: Command {
        text: qsTranslate("Browser", "Back"); keys: ["Alt+Left"]
        tip: qsTranslate("Browser", "Goes back to the previous folder")
        icon.name: "go-previous"; glyph: "\u2190"
        enabled: actions.browsing && actions.canBack
    }
    readonly property Command forward: Command {
        text: qsTranslate("Browser", "Forward"); keys: ["Alt+Right"]
        tip: qsTranslate("Browser", "Goes forward again to the folder left with Back")
        icon.name: "go-next"; glyph: "\u2192"
        enabled: actions.browsing && actions.canForward
    }
    readonly property Command up: Command {
        text: qsTranslate("Browser", "Up"); keys: ["Alt+Up", "Backspace"]
        tip: qsTranslate("Browser", "Goes up to the parent folder")
        icon.name: "go-up"; glyph: "\u2191"
        enabled: actions.browsing && actions.canUp
    }
    readonly property Command home: Command {
        text: qsTranslate("Browser", "Home"); keys: ["Alt+Home"]
        tip: qsTranslate("Browser", "Goes to your home folder")
        icon.name: "go-home"; glyph: "\u2302"
        enabled: actions.browsing
    }
    readonly property Command editPath: Command {
        text: qsTranslate("Browser", "Type a path"); keys: ["Ctrl+L"]
        tip: qsTranslate("Browser", "Turns the path into a field to type a folder or file in")
        enabled: actions.browsing
    }
    readonly property Command places: Command {
        text: qsTranslate("Browser", "Show places"); keys: ["F9"]
        tip: qsTranslate("Browser", "Shows or hides the places: home, standard folders, volumes, bookmarks")
        icon.name: "sidebar-show"; glyph: "\u2630"
        enabled: actions.browsing
    }
    readonly property Command focusPlaces: Command {
        text: qsTranslate("Browser", "Go to places"); keys: ["Ctrl+F6"]
        tip: qsTranslate("Browser", "Moves the keyboard to the places; Escape comes back to the list")
        enabled: actions.browsing
    }
    readonly property Command bookmark: Command {
        text: qsTranslate("Browser", "Bookmark this folder"); keys: ["Ctrl+D"]
        tip: qsTranslate("Browser", "Adds the open folder to the bookmarks in the places")
        icon.name: "bookmark-new"; glyph: "\u2605"
        enabled: actions.browsing
    }
    readonly property Command reload: Command {
        text: qsTranslate("Browser", "Reload"); keys: ["F5"]
        tip: qsTranslate("Browser", "Reads the folder again")
        icon.name: "view-refresh"; glyph: "\u21BB"
        enabled: actions.browsing
    }
    readonly property Command filter: Command {
        text: qsTranslate("Browser", "Filter"); keys: ["Ctrl+F", "/"]
        tip: qsTranslate("Browser", "Shows only the names that hold the typed text; Escape clears it")
        icon.name: "edit-find"; glyph: "\u2315"
        enabled: actions.browsing
    }
    readonly property Command showHidden: Command {
        text: qsTranslate("Browser", "Show hidden entries"); keys: ["Ctrl+H"]
        tip: qsTranslate("Browser", "Shows or hides the entries whose names begin with a dot")
        enabled: actions.browsing
    }
    readonly property Command hiddenLast: Command {
        text: qsTranslate("Browser", "List hidden last"); enabled: actions.browsing
    }
    readonly property Command sortName: Command {
        text: qsTranslate("Browser", "Sort by name"); keys: ["Ctrl+1"]; enabled: actions.browsing
    }
    readonly property Command sortSize: Command {
        text: qsTranslate("Browser", "Sort by size"); keys: ["Ctrl+2"]; enabled: actions.browsing
    }
    readonly property Command sortDate: Command {
        text: qsTranslate("Browser", "Sort by date"); keys: ["Ctrl+3"]; enabled: actions.browsing
    }
    readonly property Command sortType: Command {
        text: qsTranslate("Browser", "Sort by type"); keys: ["Ctrl+4"]; enabled: actions.browsing
    }
    readonly property Command entryMenu: Command {
        text: qsTranslate("Browser", "Entry menu"); keys: ["Menu", "Shift+F10"]; local: true
        tip: qsTranslate("Browser", "Opens the menu of the chosen entry")
    }
    readonly property Command typeAhead: Command {
        text: qsTranslate("Browser", "Jump to a name"); local: true; keyLabel: qsTranslate("Browser", "Typing")
        tip: qsTranslate("Browser", "Jumps to the next name that starts with the typed letters")
    }
    readonly property Command menu: Command {
        text: qsTranslate("Browser", "Menu"); keys: ["F10"]
        tip: qsTranslate("Browser", "Opens the menu: sort order, hidden entries, remembering the folder, about")
        icon.name: "open-menu"; glyph: "\u22EE"
        enabled: actions.browsing
    }
    readonly property Command switchOrder: Command {
        text: qsTranslate("Browser", "Switch order"); keys: ["Ctrl+K"]
        tip: qsTranslate("Browser", "Switches between folders first and folders among files")
        enabled: actions.browsing
    }
    readonly property Command switchDirection: Command {
        text: qsTranslate("Browser", "Reverse order"); keys: ["Ctrl+R"]
        tip: qsTranslate("Browser", "Reverses the order")
        enabled: actions.browsing
    }
    readonly property Command foldersFirst: Command {
        text: qsTranslate("Browser", "Folders first"); enabled: actions.browsing
    }
    readonly property Command byName: Command {
        text: qsTranslate("Browser", "Folders among files"); enabled: actions.browsing
    }
    readonly property Command ascending: Command {
        text: qsTranslate("Browser", "Ascending"); enabled: actions.browsing
    }
    readonly property Command descending: Command {
        text: qsTranslate("Browser", "Descending"); enabled: actions.browsing
    }
    readonly property Command rememberFolder: Command {
        text: qsTranslate("Browser", "Remember last folder"); enabled: actions.browsing
    }
    readonly property Command about: Command {
        text: qsTranslate("Browser", "About"); enabled: actions.browsing
    }
    readonly property Command copy: Command {
        text: qsTranslate("TextView", "Copy to Documents"); keys: ["Ctrl+S"]
        tip: qsTranslate("Browser", "Copies the open file to Documents")
        icon.name: "edit-copy"; glyph: "\u2750"
        enabled: !actions.browsing
    }
    readonly property Command openWith: Command {
        text: qsTranslate("Viewers", "Open with the default application"); keys: ["Shift+Return"]
        tip: qsTranslate("Viewers", "Hands the chosen file to the desktop's application for its type")
        icon.name: "document-open"; enabled: actions.browsing
    }
    readonly property Command viewText: Command {
        text: qsTranslate("Viewers", "View as text"); keys: ["Ctrl+T"]
        tip: qsTranslate("Viewers", "Shows the chosen file as text, whatever it holds")
        enabled: actions.browsing
    }
    readonly property Command viewHex: Command {
        text: qsTranslate("Viewers", "View as hex"); keys: ["Ctrl+Shift+H"]
        tip: qsTranslate("Viewers", "Shows the chosen file's bytes in hexadecimal")
        enabled: actions.browsing
    }
    readonly property Command copyEntry: Command {
        text: qsTranslate("TextView", "Copy to Documents"); keys: ["Ctrl+S"]
        tip: qsTranslate("Viewers", "Copies the chosen file to Documents")
        icon.name: "edit-copy"; glyph: "\u2750"
        enabled: actions.browsing
    }
    readonly property Command properties: Command {
        text: qsTranslate("Viewers", "Properties"); keys: ["Alt+Return"]
        tip: qsTranslate("Viewers", "Shows size, times, owner, permissions and type of the chosen entry")
        icon.name: "document-properties"; enabled: actions.browsing
    }
    readonly property Command cancelCopy: Command {
        text: qsTranslate("Viewers", "Cancel")
        tip: qsTranslate("Viewers", "Stops the copy to Documents; nothing of it is left")
        icon.name: "process-stop"; glyph: "\u00d7"
        enabled: actions.copying
    }
    readonly property Command close: Command {
        text: qsTranslate("Browser", "Back"); keys: ["Esc", "Backspace", "Alt+Left"]
        tip: qsTranslate("Browser", "Closes this page")
        icon.name: "go-previous"; glyph: "\u2190"
        enabled: !actions.browsing
    }
    readonly property Command zoomOut: Command {
        text: qsTranslate("ImageView", "Zoom out"); keys: ["-"]; glyph: "\u2212"
        icon.name: "zoom-out"; enabled: !actions.browsing && actions.canZoom
    }
    readonly property Command zoomIn: Command {
        text: qsTranslate("ImageView", "Zoom in"); keys: ["+", "="]; glyph: "+"
        icon.name: "zoom-in"; enabled: !actions.browsing && actions.canZoom
    }
    readonly property Command actualSize: Command {
        text: qsTranslate("ImageView", "Actual size"); keys: ["1"]; glyph: "1:1"
        tip: qsTranslate("ImageView", "One image pixel per screen pixel")
        icon.name: "zoom-original"; enabled: !actions.browsing && actions.canZoom
    }
    readonly property Command fit: Command {
        text: qsTranslate("ImageView", "Fit"); keys: ["0"]; glyph: "\u2922"
        tip: qsTranslate("ImageView", "Fit the image to the window")
        icon.name: "zoom-fit-best"; enabled: !actions.browsing && actions.canZoom
    }
    readonly property Command fill: Command {
        text: qsTranslate("ImageView", "Zoom to window"); keys: ["W"]; glyph: "\u2194"
        tip: qsTranslate("ImageView", "Fills the window, also enlarging a small picture")
        icon.name: "zoom-fit-width"; enabled: !actions.browsing && actions.canZoom
    }
    readonly property Command previousPicture: Command {
        text: qsTranslate("ImageView", "Previous picture"); keys: ["Left", "PgUp"]; glyph: "\u25c0"
        tip: qsTranslate("ImageView", "Shows the previous picture of the folder")
        icon.name: "go-previous-view"; enabled: !actions.browsing && actions.canStep
    }
    readonly property Command nextPicture: Command {
        text: qsTranslate("ImageView", "Next picture"); keys: ["Right", "PgDown"]; glyph: "\u25b6"
        tip: qsTranslate("ImageView", "Shows the next picture of the folder")
        icon.name: "go-next-view"; enabled: !actions.browsing && actions.canStep
    }
    readonly property Command find: Command {
        text: qsTranslate("TextView", "Find"); keys: ["Ctrl+F"]; glyph: "\u2315"
        tip: qsTranslate("TextView", "Finds words in the text")
        icon.name: "edit-find"; enabled: !actions.browsing && actions.canFind
    }
    readonly property Command findNext: Command {
        text: qsTranslate("TextView", "Find next"); keys: ["F3"]; glyph: "\u2193"
        tip: qsTranslate("TextView", "Goes to the next place the words are found")
        icon.name: "go-down-search"; enabled: !actions.browsing && actions.canFind
    }
    readonly property Command findPrevious: Command {
        text: qsTranslate("TextView", "Find previous"); keys: ["Shift+F3"]; glyph: "\u2191"
        tip: qsTranslate("TextView", "Goes to the previous place the words are found")
        icon.name: "go-up-search"; enabled: !actions.browsing && actions.canFind
    }
    readonly property Command wrap: Command {
        text: qsTranslate("TextView", "Wrap lines"); keys: ["Alt+W"]; glyph: "\u21b5"
        tip: qsTranslate("TextView", "Breaks long lines at the window's edge, or not")
        icon.name: "format-text-direction-ltr"; enabled: !actions.browsing && actions.canFind
    }
    readonly property Command selectAll: Command {
        text: qsTranslate("TextView", "Select all"); keys: ["Ctrl+A"]; local: true
        tip: qsTranslate("TextView", "Selects the whole text; Shift with the arrows selects part of it")
    }
    readonly property Command copyText: Command {
        text: qsTranslate("TextView", "Copy"); keys: ["Ctrl+C"]; local: true
        tip: qsTranslate("TextView", "Copies the selected text to the clipboard")
    }

    // In the order the About page lists them.
    readonly property var all: [open, entryMenu, openWith, viewText, viewHex, properties,
        copyEntry, up, back, forward, home, editPath, reload, typeAhead, filter, showHidden,
        sortName, sortSize, sortDate, sortType, places, focusPlaces, bookmark, switchOrder,
        switchDirection, menu, copy, cancelCopy, find, findNext, findPrevious, wrap, selectAll,
        copyText, zoomIn, zoomOut, actualSize, fit, fill, previousPicture, nextPicture, close]

    // A text field takes the keys it knows before the shortcuts see them;
    // it hands them on through this. True when a command took the key.
    function handle(event) {
        for (const command of all) {
            if (!command.local && command.enabled
                    && SceneTools.matches(command.keys, event.key, event.modifiers)) {
                command.trigger()
                event.accepted = true
                return true
            }
        }
        return false
    }

    Repeater {
        model: actions.all.filter(command => !command.local && command.keys.length > 0)
        Item {
            id: binding
            required property Command modelData
            Shortcut {
                sequences: binding.modelData.keys
                enabled: binding.modelData.enabled
                onActivated: binding.modelData.trigger()
            }
        }
    }
}
