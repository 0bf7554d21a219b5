// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel.Scene

// The places sliding in over the listing in a narrow window; made when the
// window is first narrow.
Drawer {
    id: drawer
    required property PlacesSide side
    required property PlacesPane pane

    objectName: "placesDrawer"
    edge: Qt.LeftEdge
    width: Math.min(drawer.side.Window.width * 0.8, Services.ui.du(28))
    height: drawer.side.Window.height
    interactive: drawer.side.narrow && drawer.side.active
    focus: true
    onOpened: drawer.pane.list.forceActiveFocus()
    onClosed: if (drawer.side.active) drawer.side.done()
}
