// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Vantrel
import Vantrel.Scene

// A path as a row of buttons, one per folder; when they do not fit, the
// first folders give way whole to a "…" that leads to the last of them, so
// that no name is ever cut and the open folder always shows.
Item {
    id: segments
    objectName: "pathSegments"

    required property string path
    // The first folder shown; those before it are behind the "…".
    property int firstShown: 0
    readonly property bool cut: firstShown > 0
    readonly property var parts: PathTools.segments(path)

    signal chosen(string path)
    // A click beside the buttons.
    signal emptyClicked()

    implicitHeight: row.implicitHeight
    clip: true

    // From the open folder up, as many whole folders as fit with the "…"
    // before them; all of them when the whole path fits.
    function fit() {
        const count = repeater.count
        let needed = 0
        for (let i = 0; i < count; ++i) {
            const item = repeater.itemAt(i)
            if (!item)
                return
            needed += item.implicitWidth
        }
        if (needed <= width) {
            firstShown = 0
            return
        }
        let first = count - 1
        let used = ellipsis.implicitWidth + (first >= 0 ? repeater.itemAt(first).implicitWidth : 0)
        while (first > 1 && used + repeater.itemAt(first - 1).implicitWidth <= width)
            used += repeater.itemAt(--first).implicitWidth
        firstShown = Math.max(0, first)
    }
    // Once the buttons have their sizes: after a burst of changes, one fit.
    Timer {
        id: refit
        interval: 0
        onTriggered: segments.fit()
    }
    onWidthChanged: refit.restart()
    onPartsChanged: refit.restart()

    MouseArea {
        anchors.fill: parent
        onClicked: segments.emptyClicked()
    }

    Row {
        id: row
        anchors.verticalCenter: parent.verticalCenter
        FlatToolButton {
            id: ellipsis
            objectName: "pathEllipsis"
            visible: segments.cut
            anchors.verticalCenter: parent.verticalCenter
            text: "\u2026"
            focusPolicy: Qt.NoFocus
            padding: Services.ui.du(0.4)
            readonly property var hidden: segments.cut ? segments.parts[segments.firstShown - 1] : null
            Accessible.name: hidden ? qsTr("Go to %1").arg(hidden.path) : ""
            ToolTip.visible: hovered && hidden !== null
            ToolTip.text: hidden ? PathTools.shownPath(hidden.path) : ""
            onClicked: if (hidden) segments.chosen(hidden.path)
        }
        Repeater {
            id: repeater
            model: segments.parts
            onItemAdded: refit.restart()
            Row {
                id: segment
                required property var modelData
                required property int index
                anchors.verticalCenter: parent.verticalCenter
                visible: index >= segments.firstShown
                onImplicitWidthChanged: refit.restart()
                Label {
                    visible: segment.index > 1
                    anchors.verticalCenter: parent.verticalCenter
                    text: "/"
                    opacity: 0.5
                }
                FlatToolButton {
                    objectName: "segment" + segment.index
                    text: segment.modelData.name
                    font.bold: segment.index === repeater.count - 1
                    focusPolicy: Qt.NoFocus
                    padding: Services.ui.du(0.4)
                    Accessible.name: qsTr("Go to %1").arg(segment.modelData.path)
                    onClicked: segments.chosen(segment.modelData.path)
                    // Entries dropped on a folder of the path go into it.
                    EntryDropArea {
                        anchors.fill: parent
                        folder: segment.modelData.path
                    }
                }
            }
        }
    }
}
