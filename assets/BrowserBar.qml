import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// The browser's tool bar: Back, Forward, Up, the folder's path, the busy
// mark and the menu. Narrow windows keep the icons only.
ToolBar {
    id: bar
    required property Actions actions
    required property string folder
    property bool busy: false
    readonly property bool compact: width < _ui.du(60)

    // The menu button was pressed or its keys typed.
    signal menuRequested(Item anchor)

    RowLayout {
        anchors.fill: parent
        spacing: _ui.du(0.4)

        CommandButton { command: bar.actions.back; compact: bar.compact }
        CommandButton { command: bar.actions.forward; compact: true }
        CommandButton { command: bar.actions.up; compact: bar.compact }
        Label {
            objectName: "pathLabel"
            Layout.fillWidth: true
            text: bar.folder === "//" ? "/" : bar.folder
            elide: Text.ElideMiddle
            font.bold: true
            verticalAlignment: Text.AlignVCenter
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
