import QtQuick
import Vantrel
import Vantrel.Scene

// The commands that act on one entry: the one the context menu was opened
// for while it is open, else the one chosen in the list.
Item {
    id: commands

    required property Actions actions
    required property Browser browser
    required property Copier copier
    // Where the context menu opens.
    required property Item menuParent

    signal openRequested(string path, string how)
    signal propertiesRequested(string path)
    signal folderRequested(string path)
    signal menuClosed()

    // The entry the context menu was opened for, while its commands run.
    property string menuPath: ""

    function entryPath() {
        if (menuPath !== "")
            return menuPath
        const current = browser ? browser.list.currentItem as EntryDelegate : null
        return current ? current.completePath : ""
    }

    function showMenu(entry, x, y) {
        entryMenu.entry = entry
        menuPath = entry.completePath
        entryMenu.popup(menuParent, x, y)
    }

    function run(how) {
        const path = entryPath()
        if (path === "")
            return
        if (how === "properties")
            propertiesRequested(path)
        else if (how === "copy")
            copier.copy(path)
        else
            openRequested(path, how)
    }

    Connections {
        target: commands.actions.openWith
        function onTriggered() { commands.run("external") }
    }
    Connections {
        target: commands.actions.viewText
        function onTriggered() { commands.run("text") }
    }
    Connections {
        target: commands.actions.viewHex
        function onTriggered() { commands.run("hex") }
    }
    Connections {
        target: commands.actions.properties
        function onTriggered() { commands.run("properties") }
    }
    Connections {
        target: commands.actions.copyEntry
        function onTriggered() { commands.run("copy") }
    }
    Connections {
        target: commands.actions.cancelCopy
        function onTriggered() { commands.copier.cancel() }
    }
    // Raised by the browser for right click, the Menu key and Shift+F10.
    Connections {
        target: commands.browser
        ignoreUnknownSignals: true
        function onEntryMenuRequested(entry, x, y) { commands.showMenu(entry, x, y) }
    }
    // Open from the context menu; Enter in the list opens on its own.
    Connections {
        target: commands.actions.open
        function onTriggered() {
            if (commands.menuPath === "")
                return
            if (entryMenu.entry.isDir)
                commands.folderRequested(commands.menuPath)
            else
                commands.openRequested(commands.menuPath, "auto")
        }
    }

    EntryMenu {
        id: entryMenu
        objectName: "entryMenu"
        actions: commands.actions
        // Its commands have run by now.
        onClosed: {
            commands.menuPath = ""
            commands.menuClosed()
        }
    }
}
