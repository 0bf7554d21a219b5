import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel.Scene

// The browser's tool bar: places, Back, Forward, Up, Home, the folder's path, the busy
// mark and the menu. Narrow windows keep the icons only.
ToolBar {
    id: bar
    required property Actions actions
    required property string folder
    property bool busy: false
    readonly property bool compact: width < _ui.du(60)

    // The menu button was pressed or its keys typed.
    signal menuRequested(Item anchor)
    // A path was typed or a part of it clicked; the typing is over.
    signal openRequested(string folder, string select)
    signal done()

    RowLayout {
        anchors.fill: parent
        spacing: _ui.du(0.4)

        CommandButton { command: bar.actions.places; compact: true }
        CommandButton { command: bar.actions.back; compact: bar.compact }
        CommandButton { command: bar.actions.forward; compact: true }
        CommandButton { command: bar.actions.up; compact: bar.compact }
        CommandButton { command: bar.actions.home; compact: true }
        PathBar {
            actions: bar.actions
            folder: bar.folder
            onOpenRequested: (folder, select) => bar.openRequested(folder, select)
            onDone: bar.done()
        }
        BusyMark {
            objectName: "busyMark"
            busy: bar.busy
            Layout.preferredHeight: _ui.du(2.4)
            Layout.preferredWidth: _ui.du(2.4)
        }
        CommandButton {
            id: menuButton
            objectName: "menuButton"
            command: bar.actions.menu
            compact: true
        }
    }

    Connections {
        target: bar.actions.menu
        function onTriggered() { bar.menuRequested(menuButton) }
    }
}
