// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Vantrel
import Vantrel.Scene

// The commands that act on one entry: the one the context menu was opened
// for while it is open, else the one chosen in the list or among the search
// results. They apply while the browser is on top; the scene carries out
// what they ask for.
QtObject {
    id: commands

    required property bool active
    // The entry chosen where the keyboard is: the list's or a search result.
    required property string chosenPath
    // The folder's entries chosen together, for their properties at once.
    required property EntrySelection selection
    required property Copier copier

    // The scene is to show path: how is "auto", "external", "text" or "hex".
    signal openRequested(string path, string how)
    signal propertiesRequested(string path)
    // Properties of several entries chosen together.
    signal severalRequested(var paths)
    signal folderRequested(string path)
    // A search result (SearchModel.get) is to be shown in its folder.
    signal showRequested(var entry)

    // The entry the context menu is open for (FolderModel.get or
    // SearchModel.get), or null.
    property var menuEntry: null
    readonly property string menuPath: menuEntry ? menuEntry.completePath : ""
    // Found by a search, so in a folder of its own.
    readonly property bool menuFound: menuEntry !== null && menuEntry.relativeFolder !== undefined

    function entryPath() {
        return menuPath !== "" ? menuPath : chosenPath
    }

    function run(how) {
        const path = entryPath()
        if (path === "")
            return
        const chosen = Array.from(commands.selection.selectedPaths)
        if (how === "properties" && chosen.length > 1 && chosen.indexOf(path) >= 0)
            severalRequested(chosen)
        else if (how === "properties")
            propertiesRequested(path)
        else if (how === "copy")
            copier.copy(path)
        else
            openRequested(path, how)
    }

    // Open from the context menu; Enter in the list opens on its own.
    readonly property Command open: Command {
        info: Commands.open
        enabled: commands.active && commands.menuPath !== ""
        onTriggered: {
            if (commands.menuEntry.isDir)
                commands.folderRequested(commands.menuPath)
            else
                commands.openRequested(commands.menuPath, "auto")
        }
    }
    readonly property Command openWith: Command {
        info: Commands.openWith; enabled: commands.active
        onTriggered: commands.run("external")
    }
    readonly property Command viewText: Command {
        info: Commands.viewText; enabled: commands.active
        onTriggered: commands.run("text")
    }
    readonly property Command viewHex: Command {
        info: Commands.viewHex; enabled: commands.active
        onTriggered: commands.run("hex")
    }
    readonly property Command copyEntry: Command {
        info: Commands.copyEntry; enabled: commands.active
        onTriggered: commands.run("copy")
    }
    readonly property Command showInFolder: Command {
        info: Commands.showInFolder
        enabled: commands.active && commands.menuFound
        onTriggered: commands.showRequested(commands.menuEntry)
    }
    readonly property Command properties: Command {
        info: Commands.properties; enabled: commands.active
        onTriggered: commands.run("properties")
    }
}
