import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// A picture, checked and decoded off the UI thread at the size shown; full
// resolution only when zoomed past that; animations play.
ViewerPage {
    id: imageView
    objectName: "imageView"
    part: "image"

    property string how: "auto"
    // From ImageLoader.probe; null until the header has been read.
    property var info: null
    readonly property bool known: info !== null && info.ok === true
    readonly property int pictureWidth: known ? info.width : 0
    readonly property int pictureHeight: known ? info.height : 0
    readonly property bool animated: known && info.animated === true
    // Fitted follows the window, never enlarging unless filling is asked;
    // otherwise zoom is the scale, 1 being actual size.
    property bool fitted: true
    property bool filling: false
    property real zoom: 1
    readonly property real minZoom: 0.02
    readonly property real maxZoom: 32
    readonly property real windowScale: pictureWidth > 0 && pictureHeight > 0
            ? Math.min(flick.width / pictureWidth, flick.height / pictureHeight) : 1
    readonly property real fitScale: filling ? windowScale : Math.min(1, windowScale)
    readonly property real shownScale: fitted ? fitScale : zoom
    // Decoded at the window's size in device pixels, at most the picture's.
    readonly property real decodedScale: Math.min(1, windowScale * Screen.devicePixelRatio)
    readonly property bool fullSize: known && !animated && info.fullAllowed === true
            && shownScale * Screen.devicePixelRatio > decodedScale + 0.001
    readonly property int shownStatus: animated ? movie.status : image.status
    readonly property bool ready: shownStatus === Image.Ready
    readonly property string failure: {
        if (info !== null && !info.ok)
            return info.missing ? qsTr("This file no longer exists.")
                                : qsTr("This picture cannot be shown: %1").arg(info.error)
        if (shownStatus === Image.Error)
            return FileSystem.exists(path) ? qsTr("This picture cannot be shown: %1").arg(qsTr("it cannot be decoded"))
                                           : qsTr("This file no longer exists.")
        return ""
    }

    note: ready ? qsTr("%1 \u00d7 %2 pixels, %3%").arg(pictureWidth).arg(pictureHeight)
                  .arg(Math.round(shownScale * 100)) : ""

    // Every part of the path is escaped, so "#", "?" and "%" stay in the name.
    function fileUrl(localPath) {
        const parts = localPath.replace(/^\/+/, "/").split("/")
        return "file://" + parts.map(encodeURIComponent).join("/")
    }

    // Zooms about the middle of what is in view.
    function zoomTo(scale) {
        const middleX = (flick.contentX + flick.width / 2) / flick.contentWidth
        const middleY = (flick.contentY + flick.height / 2) / flick.contentHeight
        zoom = Math.max(minZoom, Math.min(maxZoom, scale))
        fitted = false
        flick.contentX = middleX * flick.contentWidth - flick.width / 2
        flick.contentY = middleY * flick.contentHeight - flick.height / 2
        flick.returnToBounds()
    }

    function zoomBy(factor) {
        zoomTo(shownScale * factor)
    }

    function scrollBy(dx, dy) {
        flick.contentX = Math.max(0, Math.min(flick.contentWidth - flick.width, flick.contentX + dx))
        flick.contentY = Math.max(0, Math.min(flick.contentHeight - flick.height, flick.contentY + dy))
    }

    function show(newPath) {
        info = null
        fitted = true
        path = newPath
        loader.requestProbe(newPath)
    }

    // The previous (-1) or next (1) picture of the folder.
    function step(direction) {
        const next = loader.neighbours(path)[direction < 0 ? "previous" : "next"]
        if (next)
            show(next)
    }

    Component.onCompleted: loader.requestProbe(path)
    StackView.onActivated: forceActiveFocus()

    ImageLoader {
        id: loader
        onProbed: (probedPath, probed) => {
            if (probedPath === imageView.path)
                imageView.info = probed
        }
    }

    readonly property bool canZoom: ready && onTop
    readonly property Command zoomInCommand: Command {
        info: Commands.zoomIn; enabled: imageView.canZoom
        onTriggered: imageView.zoomBy(1.25)
    }
    readonly property Command zoomOutCommand: Command {
        info: Commands.zoomOut; enabled: imageView.canZoom
        onTriggered: imageView.zoomBy(0.8)
    }
    readonly property Command actualSizeCommand: Command {
        info: Commands.actualSize; enabled: imageView.canZoom
        onTriggered: imageView.zoomTo(1)
    }
    readonly property Command fitCommand: Command {
        info: Commands.fit; enabled: imageView.canZoom
        onTriggered: {
            imageView.fitted = true
            imageView.filling = false
        }
    }
    readonly property Command fillCommand: Command {
        info: Commands.fill; enabled: imageView.canZoom
        onTriggered: {
            imageView.fitted = true
            imageView.filling = true
        }
    }
    readonly property Command previousCommand: Command {
        info: Commands.previousPicture; enabled: imageView.onTop
        onTriggered: imageView.step(-1)
    }
    readonly property Command nextCommand: Command {
        info: Commands.nextPicture; enabled: imageView.onTop
        onTriggered: imageView.step(1)
    }

    // Up and Down move the picture; the commands have their own keys.
    Keys.onPressed: (event) => {
        const step = Services.ui.du(4)
        if (event.modifiers & (Qt.AltModifier | Qt.ControlModifier))
            return
        if (event.key === Qt.Key_Up)
            scrollBy(0, -step)
        else if (event.key === Qt.Key_Down)
            scrollBy(0, step)
        else
            return
        event.accepted = true
    }

    tools: [
        CommandButton { command: imageView.previousCommand; compact: true; visible: !imageView.compact },
        CommandButton { command: imageView.nextCommand; compact: true; visible: !imageView.compact },
        CommandButton { command: imageView.zoomOutCommand; compact: true },
        CommandButton { command: imageView.zoomInCommand; compact: true },
        CommandButton { command: imageView.actualSizeCommand; compact: true },
        CommandButton { command: imageView.fitCommand; compact: true; highlighted: imageView.fitted && !imageView.filling },
        CommandButton { command: imageView.fillCommand; compact: true; highlighted: imageView.fitted && imageView.filling; visible: !imageView.compact }
    ]

    Flickable {
        id: flick
        anchors.fill: parent
        clip: true
        contentWidth: Math.max(width, imageView.pictureWidth * imageView.shownScale)
        contentHeight: Math.max(height, imageView.pictureHeight * imageView.shownScale)
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { }
        ScrollBar.horizontal: ScrollBar { }

        Image {
            id: image
            objectName: "picture"
            visible: imageView.known && !imageView.animated
            width: imageView.pictureWidth * imageView.shownScale
            height: imageView.pictureHeight * imageView.shownScale
            x: (flick.contentWidth - width) / 2
            y: (flick.contentHeight - height) / 2
            // Not before the window's size is known: an empty sourceSize means full size.
            source: visible && imageView.decodedScale > 0 ? loader.imageUrl(imageView.path, imageView.fullSize) : ""
            sourceSize.width: imageView.fullSize ? 0 : Math.ceil(imageView.pictureWidth * imageView.decodedScale)
            sourceSize.height: imageView.fullSize ? 0 : Math.ceil(imageView.pictureHeight * imageView.decodedScale)
            asynchronous: true
            // The file may have changed since it was last opened.
            cache: false
            fillMode: Image.Stretch
            smooth: true
            mipmap: true
        }

        AnimatedImage {
            id: movie
            objectName: "movie"
            visible: imageView.animated
            width: imageView.pictureWidth * imageView.shownScale
            height: imageView.pictureHeight * imageView.shownScale
            x: (flick.contentWidth - width) / 2
            y: (flick.contentHeight - height) / 2
            source: visible ? imageView.fileUrl(imageView.path) : ""
            asynchronous: true
            cache: false
            playing: true
        }

        WheelHandler {
            acceptedModifiers: Qt.ControlModifier
            onWheel: (event) => imageView.zoomBy(Math.pow(1.25, event.angleDelta.y / 120))
        }
    }

    BusyMark {
        anchors.centerIn: parent
        busy: imageView.failure === "" && (imageView.info === null || imageView.shownStatus === Image.Loading)
        width: Services.ui.du(4)
        height: Services.ui.du(4)
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: parent.width - Services.ui.du(4)
        visible: imageView.failure !== ""
        spacing: Services.ui.du(1)
        Label {
            objectName: "imageMessage"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: imageView.failure
            font.pixelSize: Services.ui.du(1.8)
            opacity: 0.75
        }
        Button {
            objectName: "imageAsHex"
            Layout.alignment: Qt.AlignHCenter
            visible: imageView.info !== null && !imageView.info.missing
            text: Commands.viewHex.text
            onClicked: imageView.openRequested(imageView.path, "hex")
        }
    }
}
