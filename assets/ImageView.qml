import QtQuick
import QtQuick.Controls
import Vantrel

// A picture, fitted to the window or zoomed, decoded off the main thread.
ViewerPage {
    id: imageView
    objectName: "imageView"
    part: "image"

    // Fitted follows the window; otherwise zoom is the scale, 1 being actual size.
    property bool fitted: true
    property real zoom: 1
    readonly property real minZoom: 0.02
    readonly property real maxZoom: 32
    readonly property real fitScale: image.implicitWidth > 0 && image.implicitHeight > 0
            ? Math.min(flick.width / image.implicitWidth, flick.height / image.implicitHeight) : 1
    readonly property real shownScale: fitted ? fitScale : zoom
    readonly property bool ready: image.status === Image.Ready

    note: ready ? qsTr("%1 \u00d7 %2 pixels, %3%").arg(image.implicitWidth)
                  .arg(image.implicitHeight).arg(Math.round(shownScale * 100)) : ""

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

    StackView.onActivated: forceActiveFocus()

    Binding { target: imageView.actions; property: "canZoom"; value: imageView.ready }
    Connections {
        target: imageView.actions.zoomIn
        enabled: imageView.onTop
        function onTriggered() { imageView.zoomBy(1.25) }
    }
    Connections {
        target: imageView.actions.zoomOut
        enabled: imageView.onTop
        function onTriggered() { imageView.zoomBy(0.8) }
    }
    Connections {
        target: imageView.actions.actualSize
        enabled: imageView.onTop
        function onTriggered() { imageView.zoomTo(1) }
    }
    Connections {
        target: imageView.actions.fit
        enabled: imageView.onTop
        function onTriggered() { imageView.fitted = true }
    }

    // The arrows move the picture; the commands have their own keys.
    Keys.onPressed: (event) => {
        const step = _ui.du(4)
        if (event.modifiers & (Qt.AltModifier | Qt.ControlModifier))
            return
        if (event.key === Qt.Key_Left)
            scrollBy(-step, 0)
        else if (event.key === Qt.Key_Right)
            scrollBy(step, 0)
        else if (event.key === Qt.Key_Up)
            scrollBy(0, -step)
        else if (event.key === Qt.Key_Down)
            scrollBy(0, step)
        else
            return
        event.accepted = true
    }

    tools: [
        CommandButton { command: imageView.actions.zoomOut; compact: true },
        CommandButton { command: imageView.actions.zoomIn; compact: true },
        CommandButton { command: imageView.actions.actualSize; compact: true },
        CommandButton { command: imageView.actions.fit; compact: true; highlighted: imageView.fitted }
    ]

    Flickable {
        id: flick
        anchors.fill: parent
        clip: true
        contentWidth: Math.max(width, image.width)
        contentHeight: Math.max(height, image.height)
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { }
        ScrollBar.horizontal: ScrollBar { }

        Image {
            id: image
            objectName: "picture"
            x: (flick.contentWidth - width) / 2
            y: (flick.contentHeight - height) / 2
            width: implicitWidth * imageView.shownScale
            height: implicitHeight * imageView.shownScale
            source: imageView.fileUrl(imageView.path)
            asynchronous: true
            // The file may have changed since it was last opened.
            cache: false
            autoTransform: true
            fillMode: Image.PreserveAspectFit
            smooth: true
            mipmap: true
        }

        WheelHandler {
            acceptedModifiers: Qt.ControlModifier
            onWheel: (event) => imageView.zoomBy(Math.pow(1.25, event.angleDelta.y / 120))
        }
    }

    BusyIndicator {
        anchors.centerIn: parent
        running: image.status === Image.Loading
        visible: running
        width: _ui.du(4)
        height: _ui.du(4)
    }

    Label {
        objectName: "imageMessage"
        anchors.centerIn: parent
        width: parent.width - _ui.du(4)
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        visible: image.status === Image.Error
        text: FileSystem.exists(imageView.path) ? qsTr("This image cannot be shown.")
                                                   : qsTr("This file no longer exists.")
        font.pixelSize: _ui.du(1.8)
        opacity: 0.75
    }
}
