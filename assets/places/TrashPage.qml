// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// Everything in the trash, newest first, with where it came from and when.
// Restore puts the chosen entries back; Delete removes them for good, and
// Empty trash everything, each after asking. Ctrl or Shift with a click,
// Space or the arrows choose several.
Page {
    id: page
    objectName: "trashPage"

    required property FileSteps steps
    readonly property bool onTop: StackView.status === StackView.Active
                                  || StackView.status === StackView.Activating
    // The trashed paths chosen, besides the row the keyboard is on.
    property var chosen: []

    title: qsTranslate("Files", "Trash")
    focus: true

    function isChosen(path) {
        return chosen.indexOf(path) >= 0
    }
    function choose(row, how) {
        const path = trash.data(trash.index(row, 0), TrashModel.TrashedPathRole)
        if (how === "toggle")
            chosen = isChosen(path) ? chosen.filter(p => p !== path) : chosen.concat([path])
        else if (how === "add")
            chosen = isChosen(path) ? chosen : chosen.concat([path])
        else
            chosen = []
        list.currentIndex = row
    }
    // The chosen entries in the list's order, else the one the keyboard is on.
    function chosenPaths() {
        const paths = []
        for (let i = 0; i < trash.count; ++i) {
            const path = trash.data(trash.index(i, 0), TrashModel.TrashedPathRole)
            if (isChosen(path))
                paths.push(path)
        }
        if (paths.length === 0 && list.currentItem)
            paths.push((list.currentItem as TrashDelegate).trashedPath)
        return paths
    }

    onActiveFocusChanged: if (activeFocus) list.forceActiveFocus()
    StackView.onActivated: list.forceActiveFocus()

    TrashModel {
        id: trash
        objectName: "trashModel"
        // Entries gone from the trash are no longer chosen.
        onCountChanged: page.chosen = page.chosen.filter(p => trash.indexOf(p) >= 0)
    }

    Command {
        id: closeCommand
        info: Commands.close; enabled: page.onTop
        onTriggered: page.StackView.view.pop()
    }
    Command {
        id: restoreCommand
        info: Commands.restore
        enabled: page.onTop && list.currentIndex >= 0
        onTriggered: page.steps.restore(page.chosenPaths())
    }
    Command {
        id: deleteCommand
        info: Commands.deletePermanently
        enabled: page.onTop && list.currentIndex >= 0
        onTriggered: page.steps.deletePermanently(page.chosenPaths())
    }
    Command {
        id: emptyCommand
        info: Commands.emptyTrash
        enabled: page.onTop && trash.count > 0
        onTriggered: page.steps.emptyTrash()
    }

    header: ToolBar {
        RowLayout {
            anchors.fill: parent
            CommandButton { objectName: "trashBack"; command: closeCommand }
            Label {
                Layout.fillWidth: true
                text: page.title
                font.bold: true
                elide: Text.ElideRight
            }
            CommandButton { objectName: "trashRestore"; command: restoreCommand }
            CommandButton { objectName: "trashDelete"; command: deleteCommand }
            CommandButton { objectName: "trashEmpty"; command: emptyCommand }
        }
    }
    footer: StepBar { steps: page.steps }

    ListView {
        id: list
        objectName: "trashList"
        anchors.fill: parent
        model: trash
        clip: true
        focus: true
        keyNavigationEnabled: true
        highlightMoveDuration: 0
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { }
        Accessible.role: Accessible.List
        Accessible.name: page.title
        onCountChanged: if (currentIndex < 0 && count > 0) currentIndex = 0

        delegate: TrashDelegate {
            id: trashRow
            chosen: page.isChosen(trashRow.trashedPath)
            compact: trashRow.ListView.view.width < Services.ui.du(60)
            onMenuRequested: (x, y) => {
                if (!page.isChosen(trashRow.trashedPath))
                    page.choose(trashRow.index, "")
                menu.popup(trashRow, x, y)
            }
            TapHandler {
                onTapped: (point) => page.choose(trashRow.index, point.modifiers & Qt.ControlModifier ? "toggle" : "")
            }
            // The current row has the keyboard: Space chooses it rather
            // than pressing it as a button.
            Keys.onSpacePressed: page.choose(trashRow.index, "toggle")
        }

        Keys.onPressed: (event) => {
            const shift = event.modifiers & Qt.ShiftModifier
            if (event.key === Qt.Key_Delete && !shift)
                deleteCommand.trigger()
            else if (event.key === Qt.Key_Space)
                page.choose(list.currentIndex, "toggle")
            else if (event.key === Qt.Key_A && (event.modifiers & Qt.ControlModifier))
                page.chosen = Array.from({ length: trash.count },
                                         (_, i) => trash.data(trash.index(i, 0), TrashModel.TrashedPathRole))
            else if ((event.key === Qt.Key_Down || event.key === Qt.Key_Up) && shift) {
                page.choose(list.currentIndex, "add")
                page.choose(Math.max(0, Math.min(trash.count - 1, list.currentIndex + (event.key === Qt.Key_Down ? 1 : -1))), "add")
            } else if (event.key === Qt.Key_Menu && list.currentItem)
                menu.popup(list.currentItem, list.currentItem.width / 3, list.currentItem.height / 2)
            else
                return
            event.accepted = true
        }
    }

    Label {
        objectName: "trashEmptyText"
        anchors.centerIn: parent
        visible: trash.count === 0 && !trash.loading
        text: qsTranslate("Files", "The trash is empty")
        opacity: 0.6
    }

    Menu {
        id: menu
        objectName: "trashMenu"
        CommandMenuItem { command: restoreCommand }
        CommandMenuItem { command: deleteCommand }
        MenuSeparator { }
        CommandMenuItem { command: emptyCommand }
        onClosed: list.forceActiveFocus()
    }
}
