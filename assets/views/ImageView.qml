// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

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
    readonly property string failure: picture.status !== Picture.Error ? ""
            : picture.missing ? qsTr("This file no longer exists.")
                              : qsTr("This picture cannot be shown: %1").arg(picture.error)
    // A neighbour is being looked for; steps asked meanwhile wait here.
    property bool stepping: false
    property int queuedSteps: 0

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
            visible: !picture.missing
            text: Commands.viewHex.text
            onClicked: imageView.openRequested(imageView.path, "hex")
        }
    }
}
