import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import bb.cascades 1.0 as BB

// A picture, fitted to the window or zoomed, decoded off the main thread.
Page {
    id: imageView
    objectName: "imageView"

    property string path
    readonly property string fileName: path.substring(path.lastIndexOf("/") + 1)

    // Fitted follows the window; otherwise zoom is the scale, 1 being actual size.
    property bool fitted: true
    property real zoom: 1
    readonly property real minZoom: 0.02
    readonly property real maxZoom: 32
    readonly property real fitScale: image.implicitWidth > 0 && image.implicitHeight > 0
            ? Math.min(flick.width / image.implicitWidth, flick.height / image.implicitHeight) : 1
    readonly property real shownScale: fitted ? fitScale : zoom
    property string copyStatus: ""

    focus: true

    function close() {
        // Once popped, this page no longer knows its view.
        const view = StackView.view
        view.pop()
        view.get(0).list.forceActiveFocus()
    }

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

    function copyToDocuments() {
        if (!BB.FileSystem.exists(path))
            copyStatus = qsTr("Could not copy: this file no longer exists.")
        else if (_vantrel.copy(path))
            copyStatus = qsTr("Copied to Documents.")
        else
            copyStatus = qsTr("Could not copy to Documents (a file of that name may already be there).")
    }

    function scrollBy(dx, dy) {
        flick.contentX = Math.max(0, Math.min(flick.contentWidth - flick.width, flick.contentX + dx))
        flick.contentY = Math.max(0, Math.min(flick.contentHeight - flick.height, flick.contentY + dy))
    }

    StackView.onActivated: forceActiveFocus()

    Keys.onPressed: (event) => {
        const alt = event.modifiers & Qt.AltModifier
        const step = _ui.du(4)
        if (event.key === Qt.Key_Escape || event.key === Qt.Key_Backspace
                || (alt && event.key === Qt.Key_Left))
            close()
        else if ((event.modifiers & Qt.ControlModifier) && event.key === Qt.Key_S)
            copyToDocuments()
        else if (event.key === Qt.Key_Plus || event.key === Qt.Key_Equal)
            zoomBy(1.25)
        else if (event.key === Qt.Key_Minus)
            zoomBy(0.8)
        else if (event.key === Qt.Key_1)
            zoomTo(1)
        else if (event.key === Qt.Key_0)
            fitted = true
        else if (event.key === Qt.Key_Left)
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

    header: ToolBar {
        RowLayout {
            anchors.fill: parent
            spacing: _ui.du(0.4)

            ToolButton {
                objectName: "imageBack"
                text: qsTr("Back")
                icon.name: "go-previous"
                focusPolicy: Qt.NoFocus
                onClicked: imageView.close()
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Back to the folder listing (Escape, Alt+Left)")
            }
            Label {
                Layout.fillWidth: true
                text: imageView.fileName
                elide: Text.ElideMiddle
                font.bold: true
                verticalAlignment: Text.AlignVCenter
            }
            ToolButton {
                text: qsTr("\u2212")
                enabled: image.status === Image.Ready && imageView.shownScale > imageView.minZoom
                focusPolicy: Qt.NoFocus
                onClicked: imageView.zoomBy(0.8)
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Zoom out (-, Ctrl+wheel)")
            }
            ToolButton {
                text: qsTr("+")
                enabled: image.status === Image.Ready && imageView.shownScale < imageView.maxZoom
                focusPolicy: Qt.NoFocus
                onClicked: imageView.zoomBy(1.25)
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Zoom in (+, Ctrl+wheel)")
            }
            ToolButton {
                text: qsTr("Actual size")
                enabled: image.status === Image.Ready
                focusPolicy: Qt.NoFocus
                onClicked: imageView.zoomTo(1)
                ToolTip.visible: hovered
                ToolTip.text: qsTr("One image pixel per screen pixel (1)")
            }
            ToolButton {
                text: qsTr("Fit")
                enabled: image.status === Image.Ready
                checkable: true
                checked: imageView.fitted
                focusPolicy: Qt.NoFocus
                onClicked: imageView.fitted = true
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Fit the image to the window (0)")
            }
            ToolButton {
                objectName: "imageCopy"
                text: qsTr("Copy to Documents")
                focusPolicy: Qt.NoFocus
                onClicked: imageView.copyToDocuments()
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Copy this file into the shared Documents folder")
            }
        }
    }

    footer: ToolBar {
        RowLayout {
            anchors.fill: parent
            spacing: _ui.du(1)
            Label {
                Layout.leftMargin: _ui.du(1)
                visible: image.status === Image.Ready
                text: qsTr("%1 \u00d7 %2 pixels, %3%").arg(image.implicitWidth)
                        .arg(image.implicitHeight).arg(Math.round(imageView.shownScale * 100))
                opacity: 0.75
            }
            Label {
                objectName: "imageCopyStatus"
                Layout.fillWidth: true
                text: imageView.copyStatus
                elide: Text.ElideRight
                font.bold: true
            }
        }
    }

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
        text: BB.FileSystem.exists(imageView.path) ? qsTr("This image cannot be shown.")
                                                   : qsTr("This file no longer exists.")
        font.pixelSize: _ui.du(1.8)
        opacity: 0.75
    }
}
