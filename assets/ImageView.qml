import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel

// A picture, read once and decoded off the UI thread at the size drawn (zoom
// included, never beyond its own); animations play.
ViewerPage {
    id: imageView
    objectName: "imageView"
    part: "image"
    keepsStatusLine: true

    property string how: "auto"
    // The folder's listing, for the neighbours in the order and filter shown.
    property FolderModel entries: null
    readonly property bool known: picture.pictureSize.width > 0
    readonly property int pictureWidth: picture.pictureSize.width
    readonly property int pictureHeight: picture.pictureSize.height
    readonly property bool animated: picture.animated
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
    readonly property bool ready: picture.status === Picture.Ready
    // A neighbour is being looked for; steps asked meanwhile wait here.
    property bool stepping: false
    property int queuedSteps: 0
    readonly property string failure: picture.status !== Picture.Error ? ""
            : picture.missing ? qsTr("This file no longer exists.")
                              : qsTr("This picture cannot be shown: %1").arg(picture.error)

    note: ready ? qsTr("%1 \u00d7 %2 pixels, %3%").arg(pictureWidth).arg(pictureHeight)
                  .arg(Math.round(shownScale * 100)) : ""

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
        fitted = true
        path = newPath
    }

    // The previous (-1) or next (1) picture, in the order the list shows;
    // the answer comes in onStepFound.
    function step(direction) {
        // Keys pressed while a step is looked for are taken one by one.
        if (stepping) {
            queuedSteps += direction
            return
        }
        stepping = true
        loader.requestStep(path, direction, entries ? entries.pictureCandidates(path, direction) : [])
    }

    StackView.onActivated: forceActiveFocus()

    ImageLoader {
        id: loader
        onStepFound: (from, direction, found) => {
            if (from !== imageView.path)
                return
            imageView.stepping = false
            if (found !== "")
                imageView.show(found)
            const queued = found !== "" ? imageView.queuedSteps : 0
            imageView.queuedSteps = 0
            if (queued !== 0) {
                imageView.step(queued < 0 ? -1 : 1)
                imageView.queuedSteps = queued - (queued < 0 ? -1 : 1)
            }
        }
    }

    Binding { target: imageView.actions; property: "canZoom"; value: imageView.ready; when: imageView.onTop }
    Binding { target: imageView.actions; property: "canStep"; value: true; when: imageView.onTop }
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
        function onTriggered() { imageView.fitted = true; imageView.filling = false }
    }
    Connections {
        target: imageView.actions.fill
        enabled: imageView.onTop
        function onTriggered() { imageView.fitted = true; imageView.filling = true }
    }
    Connections {
        target: imageView.actions.previousPicture
        enabled: imageView.onTop
        function onTriggered() { imageView.step(-1) }
    }
    Connections {
        target: imageView.actions.nextPicture
        enabled: imageView.onTop
        function onTriggered() { imageView.step(1) }
    }

    // Up and Down move the picture; the commands have their own keys.
    Keys.onPressed: (event) => {
        const step = _ui.du(4)
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
        CommandButton { command: imageView.actions.previousPicture; compact: true; visible: !imageView.compact },
        CommandButton { command: imageView.actions.nextPicture; compact: true; visible: !imageView.compact },
        CommandButton { command: imageView.actions.zoomOut; compact: true },
        CommandButton { command: imageView.actions.zoomIn; compact: true },
        CommandButton { command: imageView.actions.actualSize; compact: true },
        CommandButton { command: imageView.actions.fit; compact: true; highlighted: imageView.fitted && !imageView.filling },
        CommandButton { command: imageView.actions.fill; compact: true; highlighted: imageView.fitted && imageView.filling; visible: !imageView.compact }
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

        Picture {
            id: picture
            objectName: "picture"
            path: imageView.path
            width: imageView.pictureWidth * imageView.shownScale
            height: imageView.pictureHeight * imageView.shownScale
            x: (flick.contentWidth - width) / 2
            y: (flick.contentHeight - height) / 2
            // Decoded at the size drawn, in device pixels; the item never
            // decodes beyond the picture's own size.
            sourceSize.width: Math.ceil(width * Screen.devicePixelRatio)
            sourceSize.height: Math.ceil(height * Screen.devicePixelRatio)
            smooth: true
        }

        WheelHandler {
            acceptedModifiers: Qt.ControlModifier
            onWheel: (event) => imageView.zoomBy(Math.pow(1.25, event.angleDelta.y / 120))
        }
    }

    BusyMark {
        anchors.centerIn: parent
        busy: picture.status === Picture.Loading
        width: _ui.du(4)
        height: _ui.du(4)
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: parent.width - _ui.du(4)
        visible: imageView.failure !== ""
        spacing: _ui.du(1)
        Label {
            objectName: "imageMessage"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: imageView.failure
            font.pixelSize: _ui.du(1.8)
        }
        Button {
            objectName: "imageAsHex"
            Layout.alignment: Qt.AlignHCenter
            visible: !picture.missing
            text: imageView.actions.viewHex.text
            onClicked: imageView.openRequested(imageView.path, "hex")
        }
    }
}
