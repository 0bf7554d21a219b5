// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Vantrel
import Vantrel.Scene

// Rename, new folder, trash and delete on the chosen entries, and taking
// those steps back; the work runs off the UI thread and what it did shows
// in the step bar. The commands apply while the browser is on top.
Item {
    id: steps

    required property bool active
    required property Navigation navigation
    required property EntryList list
    // Null until the grid is first shown; untyped, so that it is not read
    // before.
    required property var grid
    readonly property bool gridShown: grid !== null && grid.visible
    // The list or the grid, whichever is shown.
    readonly property Flickable view: gridShown ? grid : list
    // Undo and redo apply also where the browser is not on top (the trash).
    property bool alsoActive: false
    readonly property EntrySelection selection: navigation.selection
    readonly property FileOperations operations: ops
    readonly property FileHistory history: fileHistory

    // The step under way the bar follows, its progress, and what came of
    // the last one.
    property int request: 0
    property string doing: ""
    property double done: 0
    property double total: -1
    property string notice: ""

    // Keys typed in the places are theirs: Delete there drops a bookmark.
    // While a name is edited, F2 and Delete are the field's.
    readonly property bool keysHere: {
        if (prompts.editing)
            return false
        for (let item = Window.activeFocusItem; item; item = item.parent) {
            if (item.objectName === "placesPane")
                return false
        }
        return true
    }

    // The entries chosen, else the one the keyboard is on.
    function chosenPaths() {
        const chosen = selection.selectedPaths
        if (chosen.length > 0)
            return chosen
        return selection.currentPath !== "" ? [selection.currentPath] : []
    }
    function shownName(path) {
        return SceneTools.displayName(path.replace(/\/+$/, "").replace(/^.*\//, ""))
    }
    function follow(id, words, paths) {
        asking[id] = paths || []
        request = id
        doing = words
        done = 0
        total = -1
        notice = ""
    }
    // The open folder read anew, with path chosen once it is listed; the
    // folder is not left, so the filter and the view stay as they were.
    function show(path) {
        if (path === "" || !navigation.samePlace(PathTools.parentOf(path), navigation.folder))
            return
        navigation.model.reload()
        selection.selectPath(path)
    }

    // The name of the chosen entry made editable on its row.
    function startRename() {
        const path = selection.currentPath
        const row = selection.currentRow
        if (path === "" || row < 0)
            return
        if (gridShown)
            grid.positionViewAtIndex(row, GridView.Contain)
        else
            list.positionViewAtIndex(row, ListView.Contain)
        prompts.edit(path, path.replace(/\/+$/, "").replace(/^.*\//, ""))
    }
    function ask(question, confirm, then) {
        prompts.ask(question, confirm, then, Window.activeFocusItem)
    }
    // The keyboard back to the entries, after an editor or a dialog.
    function giveKeysBack() {
        if (active)
            view.forceActiveFocus()
    }
    function trash(paths) {
        if (paths.length === 0)
            return
        follow(ops.trash(paths), qsTranslate("Files", "Moving %n entries to the trash", "", paths.length), paths)
    }
    function deletePermanently(paths, then) {
        if (paths.length === 0)
            return
        const question = paths.length === 1
            ? qsTranslate("Files", "Delete “%1” permanently?").arg(shownName(paths[0]))
            : qsTranslate("Files", "Delete %n entries permanently?", "", paths.length)
        steps.ask(question, qsTranslate("Files", "Delete"), () => {
            follow(ops.deletePermanently(paths), qsTranslate("Files", "Deleting %n entries", "", paths.length), paths)
        })
    }
    function restore(trashedPaths, targets) {
        if (trashedPaths.length === 0)
            return
        follow(ops.restore(trashedPaths, targets || []),
               qsTranslate("Files", "Restoring %n entries", "", trashedPaths.length), trashedPaths)
    }
    function emptyTrash() {
        steps.ask(qsTranslate("Files", "Delete everything in the trash permanently?"),
                      qsTranslate("Files", "Empty trash"),
                      () => follow(ops.emptyTrash(), qsTranslate("Files", "Emptying the trash")))
    }

    function finish(id, kind, results) {
        if (id === request) {
            request = 0
            doing = ""
        }
        const asked = asking[id] || []
        delete asking[id]
        const first = results.length > 0 ? results[0] : null
        const made = results.filter(r => r.ok)
        // One entry is named, more are counted.
        const firstMade = results.findIndex(r => r.ok)
        const one = made.length !== 1 ? ""
            : shownName(kind === FileOperations.Restore ? made[0].path : asked[firstMade] || made[0].path)
        if (kind === FileOperations.Rename) {
            if (first.ok) {
                prompts.stopEditing()
                show(first.path)
            } else if (prompts.editor) {
                prompts.editor.refuse(first.message)
            }
            return
        }
        if (kind === FileOperations.NewFolder) {
            if (first.ok) {
                prompts.closeName()
                show(first.path)
            } else if (prompts.nameDialog) {
                prompts.nameDialog.refusal = first.message
            }
            return
        }
        notice = words.notice(kind, one, results)
        if (kind === FileOperations.Trash || kind === FileOperations.Delete)
            navigation.model.reload()
        // A name taken again: offer to restore beside it.
        const index = results.findIndex(r => r.errorName === "Exists" && r.alternative !== "")
        if (kind === FileOperations.Restore && index >= 0) {
            const taken = results[index]
            const from = asked[index]
            steps.ask(qsTranslate("Files", "“%1” is taken in %2. Restore it as “%3”?")
                          .arg(shownName(taken.path)).arg(SceneTools.displayName(PathTools.parentOf(taken.path)))
                          .arg(shownName(taken.alternative)),
                          qsTranslate("Files", "Restore"), () => steps.restore([from], [taken.alternative]))
        }
        // No trash there: offer to delete for good instead.
        const stayed = results.filter(r => r.errorName === "NoTrash").map(r => r.path)
        if (kind === FileOperations.Trash && stayed.length > 0)
            deletePermanently(stayed)
    }
    // The entries each step under way was asked for, in order.
    property var asking: ({})
    readonly property StepWords words: StepWords { }

    FileHistory {
        id: fileHistory
        onFinished: (undone, ok, message, paths) => {
            steps.notice = message
            if (ok && paths.length > 0)
                steps.show(paths[0])
        }
    }
    FileOperations {
        id: ops
        history: fileHistory
        onProgress: (id, done, total) => {
            if (id === steps.request) {
                steps.done = done
                steps.total = total
            }
        }
        onFinished: (id, kind, results) => steps.finish(id, kind, results)
    }

    StepPrompts {
        id: prompts
        operations: ops
        navigation: steps.navigation
        selection: steps.selection
        list: steps.list
        grid: steps.grid
        onClosed: steps.giveKeysBack()
    }

    readonly property Command rename: Command {
        info: Commands.rename
        enabled: steps.active && steps.keysHere && steps.selection.currentPath !== ""
        onTriggered: steps.startRename()
    }
    readonly property Command newFolder: Command {
        info: Commands.newFolder
        enabled: steps.active && steps.navigation.folder !== ""
        onTriggered: prompts.askName()
    }
    readonly property Command trashCommand: Command {
        info: Commands.trash
        enabled: steps.active && steps.keysHere && steps.selection.currentPath !== ""
        onTriggered: steps.trash(steps.chosenPaths())
    }
    readonly property Command deleteCommand: Command {
        info: Commands.deletePermanently
        enabled: steps.active && steps.keysHere && steps.selection.currentPath !== ""
        onTriggered: steps.deletePermanently(steps.chosenPaths())
    }
    readonly property Command undo: Command {
        info: Commands.undo
        text: fileHistory.undoText
        enabled: (steps.active || steps.alsoActive) && fileHistory.canUndo
        onTriggered: fileHistory.undo()
    }
    readonly property Command redo: Command {
        info: Commands.redo
        text: fileHistory.redoText
        enabled: (steps.active || steps.alsoActive) && fileHistory.canRedo
        onTriggered: fileHistory.redo()
    }
}
