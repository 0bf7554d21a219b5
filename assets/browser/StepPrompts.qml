// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import Vantrel
import Vantrel.Scene

// What the steps on files ask of the person: a question before what cannot
// be taken back, the name of a new folder, an entry's new name over its
// row. None shows in the first frame, so each is made when first needed.
Item {
    id: prompts

    required property FileOperations operations
    required property Navigation navigation
    required property EntrySelection selection
    required property EntryList list
    // Null until the grid is first shown; untyped, so that it is not read
    // before.
    required property var grid
    readonly property bool gridShown: grid !== null && grid.visible
    // Made from their files when first needed, and untyped, so that none of
    // them, nor the dialogs and fields they are made of, is read before.
    property var asker: null
    property var nameDialog: null
    property var editor: null
    readonly property bool editing: editor !== null && editor.visible

    // A dialog or the editor closed: the keyboard goes back to the entries.
    signal closed()

    // from: the item with the keyboard when asked.
    function ask(question, confirm, then, from) {
        if (!prompts.asker)
            prompts.asker = prompts.make("../common/AskDialog.qml", {})
        prompts.asker.ask(question, confirm, then, from)
    }
    function askName() {
        if (!prompts.nameDialog) {
            prompts.nameDialog = prompts.make("NameDialog.qml", { operations: prompts.operations })
            prompts.nameDialog.submitted.connect(
                (name) => prompts.operations.makeFolder(prompts.navigation.folder, name))
            prompts.nameDialog.closed.connect(prompts.closed)
        }
        prompts.nameDialog.start()
    }
    function closeName() {
        if (prompts.nameDialog)
            prompts.nameDialog.close()
    }
    // The name of the entry at path made editable on its row.
    function edit(path, name) {
        if (!prompts.editor) {
            prompts.editor = prompts.make("../entries/RenameEditor.qml", { operations: prompts.operations })
            prompts.editor.view = Qt.binding(() => prompts.gridShown ? prompts.grid : prompts.list)
            prompts.editor.nameItem = Qt.binding(
                () => prompts.gridShown ? prompts.grid.currentName : prompts.list.currentName)
            prompts.editor.wide = Qt.binding(() => !prompts.gridShown)
            prompts.editor.submitted.connect((path, name) => prompts.operations.rename(path, name))
            prompts.editor.closed.connect(prompts.closed)
        }
        prompts.editor.start(path, name)
    }
    function stopEditing() {
        if (prompts.editor)
            prompts.editor.stop()
    }
    function make(file, properties) {
        return Qt.createComponent(Qt.resolvedUrl(file)).createObject(prompts, properties)
    }

    Connections {
        target: prompts.grid
        enabled: prompts.editor !== null
        function onCurrentMoved() { prompts.editor.place() }
    }
    Connections {
        target: prompts.list
        enabled: prompts.editor !== null
        function onCurrentMoved() { prompts.editor.place() }
    }
    Connections {
        target: prompts.navigation
        function onLeaving() { prompts.stopEditing() }
    }
    // Another entry chosen (a click, or the entry gone) ends the editing.
    Connections {
        target: prompts.selection
        enabled: prompts.editing
        function onCurrentChanged() {
            const editor = prompts.editor
            if (!editor.waiting && prompts.selection.currentPath !== editor.path)
                editor.stop()
        }
    }
}
