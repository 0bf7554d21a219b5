// SPDX-License-Identifier: GPL-3.0-or-later
import QtQml
import Vantrel
import Vantrel.Scene

// The commands on how the folder is seen and where else it opens: list or
// grid, thumbnails in the list, and a terminal in it. They apply while the browser is on top.
QtObject {
    id: see
    required property bool active
    required property string folder
    required property BrowserSettings kept
    // Something to tell the person for a moment (a terminal that could not start).
    signal said(string message)

    readonly property Terminal terminal: Terminal { }
    readonly property Command openTerminal: Command {
        info: Commands.terminal; enabled: see.active && see.folder !== ""
        onTriggered: if (!see.terminal.openIn(see.folder)) see.said(see.terminal.error)
    }
    readonly property Command listView: Command {
        info: Commands.listView; enabled: see.active
        onTriggered: see.kept.viewMode = "list"
    }
    readonly property Command gridView: Command {
        info: Commands.gridView; enabled: see.active
        onTriggered: see.kept.viewMode = "grid"
    }
    readonly property Command listThumbnails: Command {
        info: Commands.listThumbnails; enabled: see.active
        onTriggered: see.kept.listThumbnails = !see.kept.listThumbnails
    }
    // The bar's switch: the view that is not shown.
    readonly property Command otherView: see.kept.viewMode === "grid" ? listView : gridView
}
