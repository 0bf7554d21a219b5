// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Vantrel
import Vantrel.Scene

// A path as a row of buttons, one per folder; when they do not fit, the
// first ones give way so that the last stay in sight.
Item {
    id: segments
    objectName: "pathSegments"

    required property string path
    readonly property bool cut: row.width > width

    signal chosen(string path)
    // A click beside the buttons.
    signal emptyClicked()

    implicitHeight: row.implicitHeight
    clip: true

    MouseArea {
        anchors.fill: parent
        onClicked: segments.emptyClicked()
    }

    Row {
        id: row
        x: segments.cut ? segments.width - width : 0
        anchors.verticalCenter: parent.verticalCenter
        Repeater {
            id: repeater
            model: PathTools.segments(segments.path)
            Row {
                id: segment
                required property var modelData
                required property int index
                anchors.verticalCenter: parent.verticalCenter
                Label {
                    visible: segment.index > 1
                    anchors.verticalCenter: parent.verticalCenter
                    text: "/"
                    opacity: 0.5
                }
                ToolButton {
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

    // The start of a cut path.
    Label {
        visible: segments.cut
        anchors.verticalCenter: parent.verticalCenter
        leftPadding: Services.ui.du(0.3)
        rightPadding: Services.ui.du(0.3)
        text: "\u2026"
        font.bold: true
        background: Rectangle { color: segments.palette.window }
    }
}
