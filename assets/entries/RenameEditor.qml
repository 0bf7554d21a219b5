// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel
import Vantrel.Scene

// The name of one row made editable, with the name selected up to its
// extension. Enter asks for the rename, Escape or leaving it gives up; a
// name that cannot be used says why beside it and the editor stays.
TextField {
    id: editor
    objectName: "renameEditor"

    required property FileOperations operations
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

    // Opens on the name shown in nameItem (a row's), over it.
    function start(nameItem, entryPath, name) {
        const at = nameItem.mapToItem(parent, 0, 0)
        x = at.x - leftPadding
        y = at.y + (nameItem.height - height) / 2
        width = Math.max(Services.ui.du(20), parent.width - x - Services.ui.du(1))
        path = entryPath
        original = name
        refusal = ""
        waiting = false
        text = name
        const dot = name.lastIndexOf(".")
        select(0, dot > 0 ? dot : name.length)
        visible = true
        forceActiveFocus()
    }
    function stop() {
        if (!visible)
            return
        waiting = false
        // The list's scope must not hand the keyboard back to a hidden editor.
        focus = false
        visible = false
        closed()
    }
    function refuse(message) {
        waiting = false
        refusal = message
    }

    visible: false
    z: 10
    selectByMouse: true
    Accessible.name: qsTranslate("Files", "New name")

    onTextChanged: refusal = ""
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

    ToolTip {
        objectName: "renameReason"
        parent: editor
        visible: editor.visible && editor.reason !== ""
        text: editor.reason
        y: editor.height
    }
}
