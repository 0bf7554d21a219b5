import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import bb.cascades 1.0 as BB

// What the application is, with one of its app images and the keys it knows.
Page {
    id: about
    objectName: "aboutPage"

    property string appImage: _myApps.getRandomAppImage()

    // One entry per key, what it does next to it.
    readonly property var keys: [
        { keys: qsTr("Enter"), action: qsTr("Opens the chosen folder or file") },
        { keys: qsTr("Backspace, Alt+Up"), action: qsTr("Goes up to the parent folder") },
        { keys: qsTr("Alt+Left"), action: qsTr("Goes back to the previous folder") },
        { keys: qsTr("Typing"), action: qsTr("Jumps to the next name that starts with the typed letters") },
        { keys: qsTr("Ctrl+K"), action: qsTr("Switches between folders first and plain name order") },
        { keys: qsTr("Ctrl+R"), action: qsTr("Reverses the name order") },
        { keys: qsTr("F10, Menu"), action: qsTr("Opens the menu: sort order, remembering the folder, about") },
        { keys: qsTr("Ctrl+S"), action: qsTr("Copies the open file to Documents") },
        { keys: qsTr("Escape"), action: qsTr("Closes this page") }
    ]

    focus: true

    function close() {
        // Once popped, this page no longer knows its view.
        const view = StackView.view
        view.pop()
        view.get(0).list.forceActiveFocus()
    }

    // A draw can repeat the image on show; a few more draws usually differ.
    function drawAnother() {
        let next = _myApps.getRandomAppImage()
        for (let i = 0; i < 4 && next !== "" && next === appImage; ++i)
            next = _myApps.getRandomAppImage()
        appImage = next
    }

    StackView.onActivated: forceActiveFocus()

    Keys.onPressed: (event) => {
        const alt = event.modifiers & Qt.AltModifier
        if (event.key === Qt.Key_Escape || event.key === Qt.Key_Backspace
                || (alt && event.key === Qt.Key_Left)) {
            event.accepted = true
            about.close()
        }
    }

    header: ToolBar {
        RowLayout {
            anchors.fill: parent
            spacing: _ui.du(0.4)

            ToolButton {
                objectName: "aboutBack"
                text: qsTr("Back")
                icon.name: "go-previous"
                focusPolicy: Qt.NoFocus
                onClicked: about.close()
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Back to the folder listing (Escape, Alt+Left)")
            }
            Label {
                Layout.fillWidth: true
                text: qsTr("About")
                elide: Text.ElideRight
                font.bold: true
                verticalAlignment: Text.AlignVCenter
            }
        }
    }

    Flickable {
        id: flick
        anchors.fill: parent
        contentHeight: column.implicitHeight + 2 * column.y
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { }

        ColumnLayout {
            id: column
            x: _ui.du(2)
            y: _ui.du(2)
            width: flick.width - 2 * x
            spacing: _ui.du(1.2)

            Image {
                id: image
                objectName: "appImage"
                Layout.alignment: Qt.AlignHCenter
                Layout.preferredWidth: _ui.du(12)
                Layout.preferredHeight: _ui.du(12)
                visible: about.appImage !== ""
                // Given as text: the blanks a name may hold become %20 in
                // the url, and the asset lookup decodes them again.
                source: about.appImage
                sourceSize.width: _ui.du(12)
                sourceSize.height: _ui.du(12)
                fillMode: Image.PreserveAspectFit
                smooth: true
            }
            Button {
                objectName: "showAnother"
                Layout.alignment: Qt.AlignHCenter
                visible: about.appImage !== ""
                text: qsTr("Show another")
                onClicked: about.drawAnother()
            }
            Label {
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: Qt.application.displayName
                font.bold: true
                font.pixelSize: _ui.du(2.4)
            }
            Label {
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: qsTr("A file browser that lists every folder it may read, hidden and system entries included, and shows files as text or as pictures.")
            }
            Label {
                Layout.topMargin: _ui.du(1)
                text: qsTr("Keyboard")
                font.bold: true
            }
            Repeater {
                model: about.keys
                RowLayout {
                    required property var modelData
                    Layout.fillWidth: true
                    spacing: _ui.du(2)
                    Label {
                        Layout.preferredWidth: _ui.du(18)
                        Layout.alignment: Qt.AlignTop
                        text: modelData.keys
                        font.bold: true
                        wrapMode: Text.WordWrap
                    }
                    Label {
                        Layout.fillWidth: true
                        text: modelData.action
                        wrapMode: Text.WordWrap
                    }
                }
            }
        }
    }
}
