// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Vantrel.Scene

// The grip at the right edge of a column name: dragged, the column follows
// the pointer; let go, the width is kept.
MouseArea {
    id: edge
    required property HeaderButton column
    required property EntryList list
    readonly property string key: column.key
    property real startX: 0
    property real startWidth: 0
    property bool moved: false
    // The press that made a double click fits the column; it drags nothing,
    // or a slip of the hand would put back the width it had before.
    property bool fitting: false

    signal fitRequested()

    objectName: "edge_" + key
    width: Services.ui.du(1.2)
    cursorShape: Qt.SplitHCursor
    preventStealing: true

    // In the window: the grip itself moves with the edge.
    function sceneX(mouse) {
        return mapToItem(null, mouse.x, 0).x
    }
    onPressed: (mouse) => {
        startX = sceneX(mouse)
        startWidth = column.width
        moved = false
        fitting = false
    }
    onPositionChanged: (mouse) => {
        if (!pressed || fitting)
            return
        const wanted = Math.max(Services.ui.du(4), startWidth + sceneX(mouse) - startX)
        if (!moved && Math.abs(wanted - startWidth) < 1)
            return
        moved = true
        list.resizingWidth = wanted
        list.resizing = key
    }
    onReleased: {
        if (moved)
            list.columnResized(key, list.resizingWidth)
        list.resizing = ""
        moved = false
        fitting = false
    }
    onCanceled: {
        list.resizing = ""
        moved = false
        fitting = false
    }
    onDoubleClicked: {
        fitting = true
        moved = false
        fitRequested()
    }
}
