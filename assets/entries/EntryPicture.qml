// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Vantrel
import Vantrel.Scene

// A row's icon, or the picture's own thumbnail in its place when thumbnails
// are wanted; the icon stays until the thumbnail is drawn, and stays for
// good when there is none (a normal case, not a fault).
Item {
    id: picture
    property bool thumbnails: false
    property string path: ""
    property var modified
    property alias kind: icon.kind
    property alias iconNames: icon.iconNames
    property alias isDir: icon.isDir
    property alias accent: icon.accent
    property alias ink: icon.ink
    readonly property bool wanted: thumbnails && !isDir && kind !== "folder" && path !== ""
                                   && Thumbnails.likely(path)
    readonly property bool drawn: thumb.status === Image.Ready && thumb.implicitWidth > 0

    EntryIcon {
        id: icon
        anchors.fill: parent
        visible: !picture.drawn
    }
    Image {
        id: thumb
        objectName: "listThumbnail"
        anchors.fill: parent
        visible: picture.drawn
        asynchronous: true
        cache: false
        fillMode: Image.PreserveAspectFit
        sourceSize.width: width
        sourceSize.height: height
        source: picture.wanted ? Thumbnails.source(picture.path, picture.modified) : ""
    }
}
