// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel.Scene

// The browser's tool bar: places, Back, Forward, Up, Home, the folder's path,
// the busy mark and the menu. Narrow windows keep the icons only.
ToolBar {
    id: bar
    required property Navigation navigation
    required property Command placesCommand
    required property Command menuCommand
    // List or grid: the one not shown.
    required property Command viewCommand
    readonly property bool compact: width < Services.ui.du(60)
    readonly property Item menuButton: menuButton

    // A path was typed or a part of it clicked; the typing is over.
    signal openRequested(string folder, string select)
    signal done()

    function editPath() {
        pathBar.edit()
    }

    RowLayout {
        anchors.fill: parent
        spacing: Services.ui.du(0.4)

        CommandButton { command: bar.placesCommand; compact: true }
        CommandButton { command: bar.navigation.back; compact: bar.compact }
        CommandButton { command: bar.navigation.forward; compact: true }
        CommandButton { command: bar.navigation.up; compact: bar.compact }
        CommandButton { command: bar.navigation.home; compact: true }
        PathBar {
            id: pathBar
            folder: bar.navigation.folder
            onOpenRequested: (folder, select) => bar.openRequested(folder, select)
            onDone: bar.done()
        }
        BusyMark {
            objectName: "busyMark"
            busy: bar.navigation.model.running
            Layout.preferredHeight: Services.ui.du(2.4)
            Layout.preferredWidth: Services.ui.du(2.4)
        }
        CommandButton {
            objectName: "viewSwitch"
            command: bar.viewCommand
            compact: true
        }
        CommandButton {
            id: menuButton
            objectName: "menuButton"
            command: bar.menuCommand
            compact: true
        }
    }
}
