// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
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
    // Made when the window is first narrow; untyped, so that its type is
    // not read before.
    property var drawer: null

    // A place was chosen: the browser is to open it.
    signal chosen(string path)
    // The Trash place was chosen.
    signal trashChosen()
    // The keyboard goes back to the listing.
    signal done()

    function recheck() {
        pane.places.recheck()
    }
    function closeDrawer() {
        if (side.drawer)
            side.drawer.close()
    }

    readonly property Command toggleCommand: Command {
        info: Commands.places
        enabled: side.active
        onTriggered: {
            if (!side.narrow) {
                pane.shown = !pane.shown
                if (!pane.shown)
                    side.done()
            } else if (side.drawer.opened) {
                side.drawer.close()
            } else {
                side.drawer.open()
            }
        }
    }
    readonly property Command focusCommand: Command {
        info: Commands.focusPlaces
        enabled: side.active
        onTriggered: {
            if (side.narrow) {
                side.drawer.open()
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

    function makeDrawer() {
        if (narrow && !drawer)
            drawer = Qt.createComponent(Qt.resolvedUrl("PlacesDrawer.qml"))
                     .createObject(side, { side: side, pane: pane })
    }
    onNarrowChanged: {
        closeDrawer()
        makeDrawer()
    }
    Component.onCompleted: makeDrawer()

    Rectangle {
        anchors.right: parent.right
        width: Services.ui.du(0.1)
        height: parent.height
        visible: side.beside
        color: side.palette.mid
    }


    PlacesPane {
        id: pane
        parent: side.narrow && side.drawer ? side.drawer.contentItem as Item : side
        anchors.fill: parent
        anchors.rightMargin: side.narrow ? 0 : Services.ui.du(0.1)
        visible: side.narrow || side.beside
        folder: side.folder
        onChosen: (path) => {
            if (path === pane.places.trashPath)
                side.trashChosen()
            else
                side.chosen(path)
            side.closeDrawer()
            side.done()
        }
        onDone: {
            side.closeDrawer()
            side.done()
        }
    }
}
