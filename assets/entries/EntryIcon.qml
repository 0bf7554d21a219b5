// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.impl
import Vantrel
import Vantrel.Scene

// A listing entry's icon: the desktop theme's for its kind, or a drawn one
// when the theme has none.
Item {
    id: icon
    // A kind as FolderModel names it.
    property string kind: "file"
    // A link to a folder looks like a folder.
    property bool isDir: false
    property color ink: "#5f6b7a"
    property color accent: "#2a8fbd"
    readonly property real lineHeight: Math.max(Services.ui.du(0.1), height / 16)
    readonly property bool folderShape: kind === "folder" || (kind === "link" && isDir)
    readonly property var themeNames: ({
        folder: "folder", text: "text-x-generic", image: "image-x-generic",
        audio: "audio-x-generic", video: "video-x-generic", archive: "package-x-generic",
        program: "application-x-executable", link: isDir ? "folder" : "inode-symlink",
        brokenLink: "emblem-unreadable", pipe: "inode-fifo", device: "inode-chardevice",
        socket: "inode-socket", file: "text-x-generic"
    })
    // The theme's names for the entry's MIME type, best first (FolderModel's iconNames).
    property var iconNames: []
    readonly property string themeName: {
        const best = iconNames.length > 0 ? SceneTools.themeIcon(iconNames) : ""
        return best !== "" && !folderShape ? best : themeNames[kind] || "text-x-generic"
    }
    readonly property bool themed: SceneTools.hasThemeIcon(themeName)
    // Drawn on the sheet for the kinds without a picture of their own.
    readonly property var glyphs: ({
        audio: "\u266A", video: "\u25B6", archive: "\u25A4", program: "\u2699",
        pipe: "|", device: "\u2301", socket: "\u2300", brokenLink: "?"
    })

    implicitWidth: Services.ui.du(2.4)
    implicitHeight: Services.ui.du(2.4)

    IconImage {
        anchors.fill: parent
        visible: icon.themed
        name: icon.themed ? icon.themeName : ""
        sourceSize.width: icon.width
        sourceSize.height: icon.height
    }

    // Drawn only where the theme has no icon; most rows never need it.
    // A folder: a tab above a body.
    MadeLater {
        anchors.fill: parent
        wanted: !icon.themed && icon.folderShape
        visible: wanted
        component: Component {
            Item {
                anchors.fill: parent
                Rectangle {
                    x: icon.width * 0.08
                    y: icon.height * 0.16
                    width: icon.width * 0.4
                    height: icon.height * 0.2
                    radius: width / 8
                    color: Qt.darker(icon.accent, 1.2)
                }
                Rectangle {
                    x: icon.width * 0.08
                    y: icon.height * 0.28
                    width: icon.width * 0.84
                    height: icon.height * 0.56
                    radius: width / 10
                    color: icon.accent
                }
            }
        }
    }
    // Anything else: a sheet with lines, a picture or a glyph.
    MadeLater {
        anchors.fill: parent
        wanted: !icon.themed && !icon.folderShape
        visible: wanted
        component: Component {
            Rectangle {
                x: icon.width * 0.2
                y: icon.height * 0.08
                width: icon.width * 0.6
                height: icon.height * 0.84
                radius: width / 10
                color: "transparent"
                border.color: icon.ink
                border.width: Math.max(Services.ui.du(0.1), icon.width / 16)

                Column {
                    visible: icon.kind === "text" || icon.kind === "file" || icon.kind === "link"
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
                Text {
                    visible: text !== ""
                    anchors.centerIn: parent
                    text: icon.glyphs[icon.kind] || ""
                    color: icon.ink
                    font.pixelSize: parent.height * 0.55
                    font.bold: true
                }
            }
        }
    }

    // Link: an arrow badge in the corner; red and crossed when it leads nowhere.
    MadeLater {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        width: icon.width * 0.5
        height: width
        wanted: icon.kind === "link" || icon.kind === "brokenLink"
        visible: wanted
        component: Component {
            Rectangle {
                anchors.fill: parent
                radius: width / 2
                color: icon.kind === "brokenLink" ? "#c0392b" : "#d9822b"
                Text {
                    anchors.centerIn: parent
                    text: icon.kind === "brokenLink" ? "\u2715" : icon.kind === "link" ? "\u2197" : ""
                    color: "white"
                    font.pixelSize: parent.height * 0.8
                    font.bold: true
                }
            }
        }
    }
}
