import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import bb.cascades 1.0 as BB

// A file's text, read-only, or the reason there is none.
Page {
    id: textView
    objectName: "textView"

    property string path
    readonly property string fileName: path.substring(path.lastIndexOf("/") + 1)

    property string content: ""
    // Set instead of content when there is nothing to show; failed marks an error.
    property string message: ""
    property string reason: ""
    property bool failed: false
    property string note: ""
    property string copyStatus: ""

    focus: true

    function close() {
        // Once popped, this page no longer knows its view.
        const view = StackView.view
        view.pop()
        view.get(0).list.forceActiveFocus()
    }

    function load() {
        const errorPrefix = "Can't open file: "
        const text = _vantrel.loadFile(path)
        const size = BB.FileSystem.fileSize(path)
        // A readable file may itself begin with the error's words; its size
        // then matches the text.
        if (text.startsWith(errorPrefix)
                && !(BB.FileSystem.isReadable(path) && size === text.length)) {
            failed = true
            message = qsTr("This file cannot be opened.")
            reason = text.substring(errorPrefix.length)
        } else if (text === "" && !BB.FileSystem.exists(path)) {
            message = qsTr("This file no longer exists.")
        } else if (text === "") {
            message = size === 0 ? qsTr("This file is empty.")
                    : size > 0 ? qsTr("There is no text to show: the file begins with a zero byte.")
                    : qsTr("There is no text to show.")
        } else {
            content = text
            // The reader returns at most 1 MiB; shorter text stopped at a zero byte.
            const capped = text.length === 1024 * 1024
            const shown = Number(text.length).toLocaleString(Qt.locale(), "f", 0)
            const total = Number(size).toLocaleString(Qt.locale(), "f", 0)
            if (size > text.length)
                note = capped ? qsTr("Only the first %1 of the file's %2 bytes are shown.").arg(shown).arg(total)
                              : qsTr("Only the first %1 of the file's %2 bytes are shown: the text stops at a zero byte.").arg(shown).arg(total)
        }
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
        const f = scroller.contentItem
        f.contentX = Math.max(0, Math.min(f.contentWidth - f.width, f.contentX + dx))
        f.contentY = Math.max(0, Math.min(f.contentHeight - f.height, f.contentY + dy))
    }

    function handleKey(event) {
        const alt = event.modifiers & Qt.AltModifier
        const line = metrics.height
        const page = Math.max(line, scroller.height - line)
        if (event.key === Qt.Key_Escape || event.key === Qt.Key_Backspace
                || (alt && event.key === Qt.Key_Left))
            close()
        else if ((event.modifiers & Qt.ControlModifier) && event.key === Qt.Key_S)
            copyToDocuments()
        else if (message !== "" || (event.modifiers & Qt.ShiftModifier))
            return // with Shift the arrows extend the selection
        else if (event.key === Qt.Key_Up)
            scrollBy(0, -line)
        else if (event.key === Qt.Key_Down)
            scrollBy(0, line)
        else if (event.key === Qt.Key_Left)
            scrollBy(-metrics.averageCharacterWidth * 4, 0)
        else if (event.key === Qt.Key_Right)
            scrollBy(metrics.averageCharacterWidth * 4, 0)
        else if (event.key === Qt.Key_PageUp)
            scrollBy(0, -page)
        else if (event.key === Qt.Key_PageDown || event.key === Qt.Key_Space)
            scrollBy(0, page)
        else if (event.key === Qt.Key_Home)
            scrollBy(-scroller.contentItem.contentWidth, -scroller.contentItem.contentHeight)
        else if (event.key === Qt.Key_End)
            scrollBy(-scroller.contentItem.contentWidth, scroller.contentItem.contentHeight)
        else
            return
        event.accepted = true
    }

    Component.onCompleted: load()
    StackView.onActivated: (message === "" ? area : textView).forceActiveFocus()
    Keys.onPressed: (event) => handleKey(event)

    FontMetrics {
        id: metrics
        font: area.font
    }

    header: ToolBar {
        RowLayout {
            anchors.fill: parent
            spacing: _ui.du(0.4)

            ToolButton {
                objectName: "textBack"
                text: qsTr("Back")
                icon.name: "go-previous"
                focusPolicy: Qt.NoFocus
                onClicked: textView.close()
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Back to the folder listing (Escape, Alt+Left)")
            }
            Label {
                Layout.fillWidth: true
                text: textView.fileName
                elide: Text.ElideMiddle
                font.bold: true
                verticalAlignment: Text.AlignVCenter
            }
            ToolButton {
                objectName: "textCopy"
                text: qsTr("Copy to Documents")
                focusPolicy: Qt.NoFocus
                onClicked: textView.copyToDocuments()
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Copy this file into the shared Documents folder")
            }
        }
    }

    footer: ToolBar {
        visible: textView.note !== "" || textView.copyStatus !== ""
        ColumnLayout {
            anchors.fill: parent
            spacing: 0
            Label {
                objectName: "textNote"
                Layout.fillWidth: true
                Layout.leftMargin: _ui.du(1)
                visible: text !== ""
                text: textView.note
                elide: Text.ElideRight
            }
            Label {
                objectName: "textCopyStatus"
                Layout.fillWidth: true
                Layout.leftMargin: _ui.du(1)
                visible: text !== ""
                text: textView.copyStatus
                elide: Text.ElideRight
                font.bold: true
            }
        }
    }

    ScrollView {
        id: scroller
        anchors.fill: parent
        visible: textView.message === ""

        TextArea {
            id: area
            objectName: "textArea"
            text: textView.content
            textFormat: TextEdit.PlainText
            readOnly: true
            selectByMouse: true
            wrapMode: TextEdit.NoWrap
            font.family: "monospace"
            Keys.onPressed: (event) => textView.handleKey(event)
        }
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: parent.width - _ui.du(4)
        visible: textView.message !== ""
        spacing: _ui.du(1)

        Label {
            objectName: "textMessage"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: textView.message
            font.pixelSize: _ui.du(1.8)
            font.bold: textView.failed
            opacity: textView.failed ? 1 : 0.75
        }
        Label {
            objectName: "textReason"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            visible: text !== ""
            text: textView.reason
            opacity: 0.75
        }
    }
}
