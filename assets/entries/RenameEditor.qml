// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel
import Vantrel.Scene

// The name of the current row made editable, with the name selected up to
// its extension. Enter asks for the rename, Escape or leaving it gives up; a
// name that cannot be used says why beside it and the editor stays.
// It lies over the view rather than in it: a row the view recycles cannot
// take the keyboard along, and whoever opened it gives the keyboard back
// when it closes.
TextField {
    id: editor
    objectName: "renameEditor"

    required property FileOperations operations
    // The list or the grid whose current row is edited, and where that
    // row's name is drawn; a list's row gives the editor its width.
    property Flickable view: null
    property Item nameItem: null
    property bool wide: true
    // The entry being renamed, and its name as the system holds it (odd
    // bytes kept, so that what is not edited stays as it was).
    property string path: ""
    property string original: ""
    // Why the last try was refused, until the name changes.
    property string refusal: ""
    // Waiting for the answer to a rename.
    property bool waiting: false
    readonly property string reason: {
        const check = operations.checkName(text)
        return check.ok ? refusal : check.message
    }

    signal submitted(string path, string name)
    signal closed()

    // Opens on the current row of the view.
    function start(entryPath, name) {
        path = entryPath
        original = name
        refusal = ""
        waiting = false
        text = name
        const dot = name.lastIndexOf(".")
        visible = true
        place()
        select(0, dot > 0 ? dot : name.length)
        forceActiveFocus()
    }
    // Over the name of the view's current row, which may have scrolled or
    // been made anew since.
    function place() {
        const name = nameItem
        if (!visible || !name || !view)
            return
        const at = name.mapToItem(parent, 0, 0)
        const box = view.mapToItem(parent, 0, 0)
        width = wide ? Math.max(Services.ui.du(20), box.x + view.width - at.x + leftPadding - Services.ui.du(1))
                     : Math.max(name.width, Services.ui.du(16))
        x = wide ? at.x - leftPadding : Math.max(box.x, at.x + (name.width - width) / 2)
        y = at.y + (Math.min(name.height, Services.ui.du(4)) - height) / 2
        // A row scrolled out of sight takes the editor with it.
        const inside = y + height > box.y && y < box.y + view.height
        opacity = inside ? 1 : 0
    }
    function stop() {
        if (!visible)
            return
        waiting = false
        visible = false
        closed()
    }
    function refuse(message) {
        waiting = false
        refusal = message
    }

    visible: false
    selectByMouse: true
    Accessible.name: qsTranslate("Files", "New name")

    onTextChanged: refusal = ""
    onNameItemChanged: place()
    onAccepted: {
        if (waiting || reason !== "")
            return
        if (text === original) {
            stop()
            return
        }
        waiting = true
        submitted(path, text)
    }
    Keys.onEscapePressed: stop()
    // A click elsewhere gives up.
    onActiveFocusChanged: if (!activeFocus && visible && !waiting) stop()

    Connections {
        target: editor.view
        enabled: editor.visible
        ignoreUnknownSignals: true
        function onContentYChanged() { editor.place() }
        function onContentXChanged() { editor.place() }
        function onWidthChanged() { editor.place() }
        function onHeightChanged() { editor.place() }
    }

    ToolTip {
        objectName: "renameReason"
        parent: editor
        visible: editor.visible && editor.reason !== ""
        text: editor.reason
        y: editor.height
    }
}
