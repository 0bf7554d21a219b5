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
    // Null until the grid is first shown.
    required property EntryGrid grid
    readonly property bool gridShown: grid !== null && grid.visible
    property AskDialog asker: null
    property NameDialog nameDialog: null
    property RenameEditor editor: null
    readonly property bool editing: editor !== null && editor.visible

    // A dialog or the editor closed: the keyboard goes back to the entries.
    signal closed()

    // from: the item with the keyboard when asked.
    function ask(question, confirm, then, from) {
        if (!asker)
            asker = askComponent.createObject(prompts)
        asker.ask(question, confirm, then, from)
    }
    function askName() {
        if (!nameDialog)
            nameDialog = nameComponent.createObject(prompts)
        nameDialog.start()
    }
    function closeName() {
        if (nameDialog)
            nameDialog.close()
    }
    // The name of the entry at path made editable on its row.
    function edit(path, name) {
        if (!editor)
            editor = editorComponent.createObject(prompts)
        editor.start(path, name)
    }
    function stopEditing() {
        if (editor)
            editor.stop()
    }

    Component {
        id: askComponent
        AskDialog { }
    }
    Component {
        id: nameComponent
        NameDialog {
            operations: prompts.operations
            onSubmitted: (name) => prompts.operations.makeFolder(prompts.navigation.folder, name)
            onClosed: prompts.closed()
        }
    }
    Component {
        id: editorComponent
        RenameEditor {
            view: prompts.gridShown ? prompts.grid : prompts.list
            nameItem: prompts.gridShown ? prompts.grid.currentName : prompts.list.currentName
            wide: !prompts.gridShown
            operations: prompts.operations
            onSubmitted: (path, name) => prompts.operations.rename(path, name)
            onClosed: prompts.closed()
        }
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
