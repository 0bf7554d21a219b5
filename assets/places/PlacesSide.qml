// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
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
    // Whether the pane shows beside the listing, kept in the settings. Kept
    // here, so that the first frame keeps the pane's room before it is made.
    property bool shown: true
    readonly property bool beside: !narrow && shown
    // The pane, made over the frames after the first (untyped, so that it is
    // not even read before); made at once when a command needs it sooner.
    readonly property var pane: paneLoader.item
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
        if (side.pane)
            side.pane.places.recheck()
    }
    function madePane() {
        paneLoader.asynchronous = false
        return paneLoader.item
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
                side.shown = !side.shown
                if (!side.shown)
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
                side.shown = true
                side.madePane().list.forceActiveFocus()
            }
        }
    }
    readonly property Command bookmarkCommand: Command {
        info: Commands.bookmark
        enabled: side.active
        onTriggered: side.madePane().addBookmark(side.folder)
    }

    function makeDrawer() {
        if (narrow && !drawer)
            drawer = Qt.createComponent(Qt.resolvedUrl("PlacesDrawer.qml"))
                     .createObject(side, { side: side, pane: side.madePane() })
    }
    onNarrowChanged: {
        closeDrawer()
        makeDrawer()
    }
    property bool restored: false
    Component.onCompleted: {
        const stored = Services.settings.value("placesShown", true)
        shown = typeof stored === "boolean" ? stored : true
        restored = true
        makeDrawer()
    }
    onShownChanged: if (restored) Services.settings.setValue("placesShown", shown)

    Rectangle {
        anchors.right: parent.right
        width: Services.ui.du(0.1)
        height: parent.height
        visible: side.beside
        color: side.palette.mid
    }

    Loader {
        id: paneLoader
        parent: side.narrow && side.drawer ? side.drawer.contentItem as Item : side
        anchors.fill: parent
        anchors.rightMargin: side.narrow ? 0 : Services.ui.du(0.1)
        visible: side.narrow || side.beside
        asynchronous: true
        source: Qt.resolvedUrl("PlacesPane.qml")
        onLoaded: paneLoader.item.folder = Qt.binding(() => side.folder)
    }
    Connections {
        target: side.pane
        function onChosen(path) {
            if (path === side.pane.places.trashPath)
                side.trashChosen()
            else
                side.chosen(path)
            side.closeDrawer()
            side.done()
        }
        function onDone() {
            side.closeDrawer()
            side.done()
        }
    }
}
