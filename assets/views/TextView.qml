// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// A file's text, read-only, read off the UI thread; binary content as a hex
// dump; or the reason there is none.
ViewerPage {
    id: textView
    objectName: "textView"
    part: "text"

    // "auto": text, or hex for binary content; "text" or "hex" as asked.
    property string how: "auto"
    readonly property alias loader: loader
    readonly property string content: loader.status === TextLoader.Ready ? loader.text : ""
    // Set instead of content when there is nothing to show; failed marks an error.
    readonly property string message: {
        if (loader.status === TextLoader.Error)
            return loader.missing ? qsTr("This file no longer exists.") : qsTr("This file cannot be opened.")
        if (loader.status === TextLoader.Ready && loader.text === "")
            return qsTr("This file is empty.")
        return ""
    }
    readonly property string reason: loader.status === TextLoader.Error && !loader.missing ? loader.error : ""
    readonly property bool failed: loader.status === TextLoader.Error && !loader.missing
    property bool wrapped: false
    property bool finding: false
    // The last search found nothing.
    property bool notFound: false

    note: {
        if (loader.status !== TextLoader.Ready || loader.text === "")
            return ""
        let kind = loader.isBinary ? qsTr("Hex") : loader.encoding
        if (loader.brokenLines > 0)
            kind += ", " + qsTr("%n long line(s) broken for display", "", loader.brokenLines)
        if (!loader.truncated)
            return kind
        return qsTr("%1 \u2014 only the first %2 of the file's %3 are shown.").arg(kind)
            .arg(SceneTools.formatSize(loader.shownBytes)).arg(SceneTools.formatSize(loader.fileSize))
    }

    // Selects the next (or previous) place the words of the find field are,
    // going round at the end; the search ignores case.
    // from: where to start instead of after (before) the selection.
    function find(forward, from) {
        const needle = findField.text.toLowerCase()
        if (needle === "" || content === "")
            return -1
        const text = area.text.toLowerCase()
        if (from === undefined)
            from = forward ? (area.selectedText !== "" ? area.selectionEnd : area.cursorPosition)
                           : area.selectionStart - 1
        let at = forward ? text.indexOf(needle, from) : (from < 0 ? -1 : text.lastIndexOf(needle, from))
        if (at < 0)
            at = forward ? text.indexOf(needle) : text.lastIndexOf(needle)
        notFound = at < 0
        if (at < 0)
            return -1
        area.select(at, at + needle.length)
        reveal(at)
        return at
    }

    function reveal(position) {
        const r = area.positionToRectangle(position)
        if (r.y < flick.contentY || r.y + r.height > flick.contentY + flick.height)
            flick.contentY = Math.max(0, Math.min(flick.contentHeight - flick.height, r.y - flick.height / 3))
        if (r.x < flick.contentX || r.x > flick.contentX + flick.width)
            flick.contentX = Math.max(0, Math.min(flick.contentWidth - flick.width, r.x - flick.width / 3))
    }

    function scrollBy(dx, dy) {
        flick.contentX = Math.max(0, Math.min(flick.contentWidth - flick.width, flick.contentX + dx))
        flick.contentY = Math.max(0, Math.min(flick.contentHeight - flick.height, flick.contentY + dy))
    }

    // Moving through the text; with Shift the arrows extend the selection.
    function handleKey(event) {
        const line = metrics.height
        const page = Math.max(line, flick.height - line)
        const moves = {
            [Qt.Key_Up]: [0, -line], [Qt.Key_Down]: [0, line],
            [Qt.Key_Left]: [-metrics.averageCharacterWidth * 4, 0],
            [Qt.Key_Right]: [metrics.averageCharacterWidth * 4, 0],
            [Qt.Key_PageUp]: [0, -page], [Qt.Key_PageDown]: [0, page], [Qt.Key_Space]: [0, page],
            [Qt.Key_Home]: [-1e9, -1e9], [Qt.Key_End]: [-1e9, 1e9]
        }
        if (message !== "" || (event.modifiers & (Qt.ShiftModifier | Qt.AltModifier | Qt.ControlModifier))
                || !(event.key in moves))
            return
        scrollBy(moves[event.key][0], moves[event.key][1])
        event.accepted = true
    }

    Component.onCompleted: {
        loader.mode = how === "hex" ? TextLoader.Hex : how === "text" ? TextLoader.Text : TextLoader.Auto
        loader.load(path)
    }
    Component.onDestruction: loader.cancel()
    StackView.onActivated: content !== "" ? area.forceActiveFocus() : textView.forceActiveFocus()
    onContentChanged: if (content !== "" && onTop) area.forceActiveFocus()
    Keys.onPressed: (event) => handleKey(event)
    // The flickable sizes the text only when its own size changes: the new
    // wrap would wait for the next resize.
    onWrappedChanged: area.width = wrapped ? flick.width : Math.max(flick.width, area.implicitWidth)

    readonly property bool canFind: content !== "" && onTop
    commands: [closeCommand, copyCommand, findCommand, findNextCommand, findPreviousCommand, wrapCommand]
    readonly property Command findCommand: Command {
        info: Commands.find; enabled: textView.canFind
        onTriggered: {
            textView.finding = true
            findField.forceActiveFocus()
            findField.selectAll()
        }
    }
    readonly property Command findNextCommand: Command {
        info: Commands.findNext; enabled: textView.canFind
        onTriggered: textView.find(true)
    }
    readonly property Command findPreviousCommand: Command {
        info: Commands.findPrevious; enabled: textView.canFind
        onTriggered: textView.find(false)
    }
    readonly property Command wrapCommand: Command {
        info: Commands.wrap; enabled: textView.canFind
        onTriggered: textView.wrapped = !textView.wrapped
    }

    TextLoader { id: loader }

    tools: [
        CommandButton { command: textView.findCommand; compact: true },
        CommandButton { objectName: "textWrap"; command: textView.wrapCommand; compact: true; highlighted: textView.wrapped }
    ]

    FontMetrics {
        id: metrics
        font: area.font
    }

    RowLayout {
        id: findBar
        visible: textView.finding
        width: parent.width
        height: visible ? implicitHeight : 0
        spacing: Services.ui.du(0.4)
        TextField {
            id: findField
            objectName: "findField"
            Layout.fillWidth: true
            Layout.leftMargin: Services.ui.du(0.5)
            placeholderText: Commands.find.text
            color: textView.notFound ? "red" : palette.text
            // Escape closes the bar, before the scene's shortcut closes the view.
            Keys.onShortcutOverride: (event) => event.accepted = event.key === Qt.Key_Escape
            // Typing refines the match in place.
            onTextEdited: textView.find(true, area.selectedText !== "" ? area.selectionStart : area.cursorPosition)
            Keys.onPressed: (event) => {
                if (event.key === Qt.Key_Escape) {
                    textView.finding = false
                    area.forceActiveFocus()
                    event.accepted = true
                } else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                    textView.find(!(event.modifiers & Qt.ShiftModifier))
                    event.accepted = true
                }
            }
        }
        CommandButton { command: textView.findPreviousCommand; compact: true }
        CommandButton { command: textView.findNextCommand; compact: true }
    }

    Flickable {
        id: flick
        objectName: "textScroll"
        anchors.top: findBar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        visible: textView.content !== ""
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AlwaysOn }
        ScrollBar.horizontal: ScrollBar { policy: textView.wrapped ? ScrollBar.AsNeeded : ScrollBar.AlwaysOn }

        TextArea.flickable: TextArea {
            id: area
            objectName: "textArea"
            textFormat: TextEdit.PlainText
            readOnly: true
            selectByMouse: true
            selectByKeyboard: true
            persistentSelection: true
            wrapMode: textView.wrapped ? TextEdit.WrapAtWordBoundaryOrAnywhere : TextEdit.NoWrap
            font.family: "monospace"
            Keys.onPressed: (event) => {
                if (!textView.handle(event))
                    textView.handleKey(event)
            }
        }
    }

    TextFeeder {
        id: feeder
        objectName: "textFeeder"
        area: area
        text: textView.content
    }

    BusyMark {
        anchors.centerIn: parent
        busy: loader.busy
        width: Services.ui.du(4)
        height: Services.ui.du(4)
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: parent.width - Services.ui.du(4)
        visible: textView.message !== ""
        spacing: Services.ui.du(1)

        Label {
            objectName: "textMessage"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: textView.message
            font.pixelSize: Services.ui.du(1.8)
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
