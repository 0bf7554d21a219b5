import QtQuick

// A small drawn icon for a listing entry, so the scene needs no icon theme.
Item {
    id: icon
    property string kind: "file" // "folder", "file" or "image"
    property bool link: false
    property color ink: "#5f6b7a"
    property color accent: "#2a8fbd"
    readonly property real lineHeight: Math.max(_ui.du(0.1), height / 16)

    implicitWidth: _ui.du(2.4)
    implicitHeight: _ui.du(2.4)

    // Folder: a tab above a body.
    Rectangle {
        visible: icon.kind === "folder"
        x: icon.width * 0.08
        y: icon.height * 0.16
        width: icon.width * 0.4
        height: icon.height * 0.2
        radius: width / 8
        color: Qt.darker(icon.accent, 1.2)
    }
    Rectangle {
        visible: icon.kind === "folder"
        x: icon.width * 0.08
        y: icon.height * 0.28
        width: icon.width * 0.84
        height: icon.height * 0.56
        radius: width / 10
        color: icon.accent
    }

    // File: a sheet with lines; an image gets a small picture instead.
    Rectangle {
        visible: icon.kind !== "folder"
        x: icon.width * 0.2
        y: icon.height * 0.08
        width: icon.width * 0.6
        height: icon.height * 0.84
        radius: width / 10
        color: "transparent"
        border.color: icon.ink
        border.width: Math.max(_ui.du(0.1), icon.width / 16)

        Column {
            visible: icon.kind === "file"
            anchors.centerIn: parent
            spacing: parent.height * 0.12
            Rectangle { width: icon.width * 0.34; height: icon.lineHeight; color: icon.ink }
            Rectangle { width: icon.width * 0.34; height: icon.lineHeight; color: icon.ink }
            Rectangle { width: icon.width * 0.34; height: icon.lineHeight; color: icon.ink }
        }
        Rectangle {
            visible: icon.kind === "image"
            anchors.centerIn: parent
            width: parent.width * 0.62
            height: parent.height * 0.45
            radius: width / 10
            color: icon.accent
        }
    }

    // Link: an arrow badge in the corner, over either shape.
    Rectangle {
        visible: icon.link
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        width: icon.width * 0.5
        height: width
        radius: width / 2
        color: "#d9822b"
        Text {
            anchors.centerIn: parent
            text: "\u2197"
            color: "white"
            font.pixelSize: parent.height * 0.8
            font.bold: true
        }
    }
}
