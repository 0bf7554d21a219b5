import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel

// A file's text, read-only, or the reason there is none.
ViewerPage {
    id: textView
    objectName: "textView"
    part: "text"

    property string content: ""
    // Set instead of content when there is nothing to show; failed marks an error.
    property string message: ""
    property string reason: ""
    property bool failed: false
    // The text shown stops at a zero byte before the file ends.
    property bool stoppedAtZero: false

    function load() {
        const errorPrefix = "Can't open file: "
        const text = _vantrel.loadFile(path)
        const size = FileSystem.fileSize(path)
        // A readable file may itself begin with the error's words; its size
        // then matches the text.
        if (text.startsWith(errorPrefix)
                && !(FileSystem.isReadable(path) && size === text.length)) {
            failed = true
            message = qsTr("This file cannot be opened.")
            reason = text.substring(errorPrefix.length)
        } else if (text === "" && !FileSystem.exists(path)) {
            message = qsTr("This file no longer exists.")
        } else if (text === "") {
            message = size === 0 ? qsTr("This file is empty.")
                    : size > 0 ? qsTr("There is no text to show: the file begins with a zero byte.")
                    : qsTr("There is no text to show.")
        } else {
            content = text
            // The reader returns at most 1 MiB; shorter text stopped at a zero byte.
            const capped = text.length === 1024 * 1024
            stoppedAtZero = size > text.length && !capped
            const shown = Number(text.length).toLocaleString(Qt.locale(), "f", 0)
            const total = Number(size).toLocaleString(Qt.locale(), "f", 0)
            if (size > text.length)
                note = capped ? qsTr("Only the first %1 of the file's %2 bytes are shown.").arg(shown).arg(total)
                              : qsTr("Only the first %1 of the file's %2 bytes are shown: the text stops at a zero byte.").arg(shown).arg(total)
        }
    }

    function scrollBy(dx, dy) {
        const f = scroller.contentItem as Flickable
        f.contentX = Math.max(0, Math.min(f.contentWidth - f.width, f.contentX + dx))
        f.contentY = Math.max(0, Math.min(f.contentHeight - f.height, f.contentY + dy))
    }

    // Moving through the text; the commands have their own keys.
    function handleKey(event) {
        const line = metrics.height
        const page = Math.max(line, scroller.height - line)
        const far = 1e9
        if (message !== "" || (event.modifiers & (Qt.ShiftModifier | Qt.AltModifier | Qt.ControlModifier)))
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
            scrollBy(-far, -far)
        else if (event.key === Qt.Key_End)
            scrollBy(-far, far)
        else
            return
        event.accepted = true
    }

    Component.onCompleted: load()
    StackView.onActivated: message === "" ? area.forceActiveFocus() : textView.forceActiveFocus()
    Keys.onPressed: (event) => handleKey(event)

    FontMetrics {
        id: metrics
        font: area.font
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
            Keys.onPressed: (event) => {
                if (!textView.actions.handle(event))
                    textView.handleKey(event)
            }
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
