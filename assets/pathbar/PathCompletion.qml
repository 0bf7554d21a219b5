// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Vantrel.Scene

// The folders that complete a typed path, under the field. The field keeps
// the keyboard and moves currentIndex with Up and Down.
Popup {
    id: completion
    objectName: "pathCompletion"

    property var suggestions: []
    property alias currentIndex: view.currentIndex
    readonly property int count: view.count
    // A pointer press on a suggestion must not end the editing.
    readonly property bool choosing: view.pressedInside

    // A suggestion was clicked.
    signal picked(string text)

    focus: false
    padding: Services.ui.du(0.1)
    closePolicy: Popup.CloseOnPressOutsideParent
    height: Math.min(view.contentHeight + 2 * padding, Services.ui.du(24))

    ListView {
        id: view
        property bool pressedInside: false
        anchors.fill: parent
        clip: true
        model: completion.suggestions
        highlightMoveDuration: 0
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { }
        Accessible.role: Accessible.List
        Accessible.name: qsTr("Suggestions")
        delegate: ItemDelegate {
            required property string modelData
            required property int index
            width: ListView.view.width
            text: modelData.replace(/\/$/, "").replace(/^.*\//, "") + "/"
            highlighted: ListView.isCurrentItem
            focusPolicy: Qt.NoFocus
            Accessible.name: modelData
            onPressed: view.pressedInside = true
            onReleased: view.pressedInside = false
            onClicked: completion.picked(modelData)
        }
    }
}
