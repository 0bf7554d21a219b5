// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Vantrel
import Vantrel.Scene

// Where entries dragged from this window or another program land: they
// move within one file system and are copied to another; Ctrl copies,
// Shift moves. Framed while something is held over it.
DropArea {
    id: area

    // The folder the entries go into.
    required property string folder

    // Starts the job for paths dropped with modifiers held; false when
    // nothing would change (an entry onto its own folder or onto itself).
    function take(paths, modifiers) {
        const into = folder.replace(/\/+$/, "")
        const chosen = []
        for (const path of paths) {
            const clean = path.replace(/\/+$/, "")
            const parent = clean.substring(0, clean.lastIndexOf("/"))
            if (clean !== into && (parent !== into || (modifiers & Qt.ControlModifier)))
                chosen.push(clean)
        }
        if (chosen.length === 0 || folder === "")
            return false
        JobQueue.drop(chosen, folder, modifiers)
        return true
    }

    keys: ["text/uri-list"]
    onDropped: (drop) => {
        const modifiers = FileClipboard.heldKeys()
        if (take(FileClipboard.pathsOfUriList(drop.getDataAsString("text/uri-list")), modifiers))
            drop.accept(modifiers & Qt.ControlModifier ? Qt.CopyAction : Qt.MoveAction)
    }

    // The frame is made while something is held over it.
    Loader {
        anchors.fill: parent
        active: area.containsDrag
        sourceComponent: Component {
            Rectangle {
                SystemPalette { id: colors }
                color: "transparent"
                border.color: colors.highlight
                border.width: Math.max(2, Services.ui.du(0.25))
                radius: Services.ui.du(0.4)
            }
        }
    }
}
