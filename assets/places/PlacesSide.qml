// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel
import Vantrel.Scene

// The places beside the listing, or in a drawer that slides in over it in a
// narrow window; with the commands that show them, hand them the keyboard
// and bookmark the open folder, which apply while the browser is on top.
Item {
    id: side

    required property bool active
    required property bool narrow
    // The folder the browser shows, marked among the places.
    required property string folder
    readonly property bool beside: !narrow && pane.shown

    // A place was chosen: the browser is to open it.
    signal chosen(string path)
    // The Trash place was chosen.
    signal trashChosen()
    // The keyboard goes back to the listing.
    signal done()

    function recheck() {
        pane.places.recheck()
    }

    readonly property Command toggleCommand: Command {
        info: Commands.places
        enabled: side.active
        onTriggered: {
            if (!side.narrow) {
                pane.shown = !pane.shown
                if (!pane.shown)
                    side.done()
            } else if (drawer.opened) {
                drawer.close()
            } else {
                drawer.open()
            }
        }
    }
    readonly property Command focusCommand: Command {
        info: Commands.focusPlaces
        enabled: side.active
        onTriggered: {
            if (side.narrow) {
                drawer.open()
            } else {
                pane.shown = true
                pane.list.forceActiveFocus()
            }
        }
    }
    readonly property Command bookmarkCommand: Command {
        info: Commands.bookmark
        enabled: side.active
        onTriggered: pane.addBookmark(side.folder)
    }

    onNarrowChanged: drawer.close()

    Rectangle {
        anchors.right: parent.right
        width: Services.ui.du(0.1)
        height: parent.height
        visible: side.beside
        color: side.palette.mid
    }

    Drawer {
        id: drawer
        objectName: "placesDrawer"
        edge: Qt.LeftEdge
        width: Math.min(side.Window.width * 0.8, Services.ui.du(28))
        height: side.Window.height
        interactive: side.narrow && side.active
        focus: true
        onOpened: pane.list.forceActiveFocus()
        onClosed: if (side.active) side.done()
    }

    PlacesPane {
        id: pane
        parent: side.narrow ? drawer.contentItem as Item : side
        anchors.fill: parent
        anchors.rightMargin: side.narrow ? 0 : Services.ui.du(0.1)
        visible: side.narrow || side.beside
        folder: side.folder
        onChosen: (path) => {
            if (path === pane.places.trashPath)
                side.trashChosen()
            else
                side.chosen(path)
            drawer.close()
            side.done()
        }
        onDone: {
            drawer.close()
            side.done()
        }
    }
}
