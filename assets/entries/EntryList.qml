// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Vantrel
import Vantrel.Scene

// The entries of a folder: arrows, pages, Home and End move; a click
// selects, Ctrl+click and Shift+click (and Shift with the moving keys)
// choose more, Escape none; a double click or Enter asks to open; typing
// jumps to a name; the right button, the Menu key or Shift+F10 ask for the
// entry's menu. Entries drag out as files and drop onto folder rows.
ListView {
    id: list
    objectName: "entryList"

    required property EntrySelection selection

    // The entry at index is to be opened.
    signal activated(int index)
    // The menu of the entry at index is wanted, at x, y in the list.
    signal contextMenuRequested(int index, real x, real y)
    // A filter narrows the rows; Escape asks to clear it.
    property bool filtered: false
    signal filterCleared()

    // When the last entry was opened: the rest of the double click that
    // opened it must not act on the row that comes under the pointer.
    property double openedAt: 0
    // Narrow: the name and one line of detail below it.
    readonly property bool compact: width < Services.ui.du(60)
    // The widths the columns are kept at (the browser sets them); a name
    // width of 0 fills what the others leave.
    property real keptName: 0
    property real keptSize: Services.ui.du(9)
    property real keptDate: Services.ui.du(15)
    property real keptType: Services.ui.du(12)
    // The column whose edge is being dragged, and its width meanwhile.
    property string resizing: ""
    property real resizingWidth: 0
    // Where the name column starts in a row, past the icon; the header's
    // names stand above the rows' words.
    readonly property real rowPadding: Services.ui.du(1)
    readonly property real iconSize: Services.ui.du(2.4)
    readonly property real columnGap: Services.ui.du(1)
    readonly property real nameInset: rowPadding + iconSize + columnGap
    readonly property real sizeWidth: resizing === "size" ? resizingWidth : keptSize
    readonly property real dateWidth: resizing === "date" ? resizingWidth : keptDate
    readonly property real typeWidth: resizing === "type" ? resizingWidth : keptType
    // The name takes at most what the other columns leave, so that none of
    // them is pushed out of sight.
    readonly property real nameRoom: width - nameInset - rowPadding - sizeWidth - dateWidth - typeWidth - 3 * columnGap
    readonly property real nameWidth: Math.max(Services.ui.du(12),
                                               Math.min(resizing === "name" ? resizingWidth
                                                        : keptName > 0 ? keptName : nameRoom, nameRoom))
    // A column's edge was let go, or fitted, at width.
    signal columnResized(string key, real width)
    property alias typeAhead: typeAhead
    // Pictures show small thumbnails in place of their icons.
    property bool thumbnails: false
    // Where the current row's name is drawn: the rename editor lies over it,
    // and follows it when a row put in or taken out above moves it.
    readonly property Item currentName: (currentItem as EntryDelegate)?.nameItem ?? null
    signal currentMoved()
    Connections {
        target: list.currentItem
        function onYChanged() { list.currentMoved() }
    }

    function activate(index) {
        if (index < 0 || index >= count)
            return
        openedAt = Date.now()
        activated(index)
    }

    // Whether a click pressed at that moment began after the last opening.
    function pressedSinceOpening(pressedAt) {
        return pressedAt > openedAt
    }

    // The widest words of a column among the rows in view, as their labels
    // draw them. Rows made ahead of the scrolling, or kept for reuse, are
    // left out: which of them exist depends on what happened before, and
    // the same double click must always give the same width.
    function widestText(key) {
        forceLayout()
        let widest = 0
        const rows = contentItem.children
        for (let i = 0; i < rows.length; ++i) {
            const row = rows[i]
            if (!row.visible || row.columnWidth === undefined
                    || row.y + row.height <= contentY || row.y >= contentY + height)
                continue
            widest = Math.max(widest, row.columnWidth(key))
        }
        return Math.ceil(widest)
    }

    function pageRows() {
        return Math.max(1, Math.floor(height / Services.ui.du(4)))
    }

    // The row a moving key goes to from the current one.
    function rowFor(key) {
        switch (key) {
        case Qt.Key_Up: return Math.max(0, currentIndex - 1)
        case Qt.Key_Down: return Math.min(count - 1, currentIndex + 1)
        case Qt.Key_Home: return 0
        case Qt.Key_End: return count - 1
        case Qt.Key_PageUp: return Math.max(0, currentIndex - pageRows())
        case Qt.Key_PageDown: return Math.min(count - 1, currentIndex + pageRows())
        }
        return -1
    }

    // What a drag from the row at index takes: the chosen entries when it
    // is one of them, else that entry.
    function dragPaths(index) {
        if (selection.isSelected(index))
            return selection.selectedPaths
        const entry = model.get(index)
        return entry && entry.completePath ? [entry.completePath] : []
    }

    function requestMenu(index) {
        const row = itemAtIndex(index)
        if (row)
            contextMenuRequested(index, row.x - contentX + row.width / 3, row.y - contentY + row.height / 2)
    }

    model: selection.model
    clip: true
    focus: true
    keyNavigationEnabled: true
    highlightMoveDuration: 0
    reuseItems: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar { }
    Accessible.role: Accessible.List
    Accessible.name: qsTranslate("Browser", "Entries")

    TypeAhead { id: typeAhead }

    // The entry chosen comes from the selection, which follows its entry
    // when the rows move; the view's own following of a move is not the
    // person's choice and does not reach it.
    property bool following: false
    function follow() {
        following = true
        currentIndex = selection.currentRow
        following = false
        if (currentIndex >= 0)
            positionViewAtIndex(currentIndex, ListView.Contain)
    }
    onCurrentIndexChanged: if (!following) selection.currentRow = currentIndex
    Component.onCompleted: follow()
    // A bar shown over the entries (the filter) or a lower window keeps
    // the chosen entry whole in sight when it was before.
    property real heightBefore: 0
    onHeightChanged: {
        const chosen = currentItem
        if (chosen && height < heightBefore && chosen.y >= contentY - 0.5
                && chosen.y + chosen.height <= contentY + heightBefore + 0.5)
            positionViewAtIndex(currentIndex, ListView.Contain)
        heightBefore = height
    }
    Connections {
        target: list.selection
        function onCurrentChanged() { list.follow() }
    }

    Keys.onPressed: (event) => {
        const plain = !(event.modifiers & (Qt.ControlModifier | Qt.AltModifier | Qt.MetaModifier))
        if (event.modifiers === Qt.ShiftModifier && rowFor(event.key) >= 0 && count > 0) {
            selection.extendTo(rowFor(event.key))
        } else if (event.key === Qt.Key_Escape && filtered) {
            filterCleared()
        } else if (event.key === Qt.Key_Escape && event.modifiers === Qt.NoModifier && selection.count > 0) {
            selection.clear()
        } else if (event.key === Qt.Key_Space && event.modifiers === Qt.ControlModifier) {
            selection.toggle(currentIndex)
        // Shift+Enter and Alt+Enter are commands of their own.
        } else if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
                 && !(event.modifiers & (Qt.ShiftModifier | Qt.AltModifier)))
            activate(currentIndex)
        else if (event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && event.modifiers === Qt.ShiftModifier))
            requestMenu(currentIndex)
        else if (event.key === Qt.Key_Home)
            currentIndex = count > 0 ? 0 : -1
        else if (event.key === Qt.Key_End)
            currentIndex = count - 1
        else if (event.key === Qt.Key_PageDown)
            currentIndex = Math.min(count - 1, currentIndex + pageRows())
        else if (event.key === Qt.Key_PageUp)
            currentIndex = Math.max(count > 0 ? 0 : -1, currentIndex - pageRows())
        // "/" opens the filter; no name holds one.
        else if (plain && event.text.length === 1 && event.text > " " && event.text !== "/" && model)
            currentIndex = typeAhead.find(event.text, model as FolderModel, currentIndex)
        else
            return
        positionViewAtIndex(currentIndex, ListView.Contain)
        event.accepted = true
    }

    delegate: EntryDelegate {
        id: entryRow
        readonly property EntryList entries: ListView.view as EntryList
        property double pressedAt: 0
        compact: entries.compact
        thumbnails: entries.thumbnails
        nameWidth: entries.nameWidth
        columnGap: entries.columnGap
        iconSize: entries.iconSize
        leftPadding: entries.rowPadding
        rightPadding: entries.rowPadding
        sizeWidth: entries.sizeWidth
        dateWidth: entries.dateWidth
        typeWidth: entries.typeWidth
        onPressed: pressedAt = Date.now()
        ListView.onReused: pressedAt = 0 // a pooled row starts afresh

        // Dragged with the mouse, the row carries its files out as a URI
        // list, to this window or another program.
        DragHandler {
            id: dragger
            target: null
            acceptedDevices: PointerDevice.Mouse
            grabPermissions: PointerHandler.CanTakeOverFromAnything
        }
        Drag.active: dragger.active
        Drag.dragType: Drag.Automatic
        Drag.supportedActions: Qt.CopyAction | Qt.MoveAction
        Drag.mimeData: dragger.active ? { "text/uri-list": FileClipboard.uriList(entries.dragPaths(index)) } : {}
        EntryDropArea {
            objectName: "rowDrop"
            anchors.fill: parent
            enabled: entryRow.isDir
            folder: entryRow.completePath
        }
        // A chosen row is drawn chosen; the current one has a frame.
        highlighted: entries.selection.count >= 0 && entries.selection.isSelected(index)
        onClicked: {
            if (!entries.pressedSinceOpening(pressedAt))
                return
            const held = FileClipboard.heldKeys()
            if (held & Qt.ControlModifier)
                entries.selection.toggle(index)
            else if (held & Qt.ShiftModifier)
                entries.selection.extendTo(index)
            else
                entries.selection.select(index)
        }
        onDoubleClicked: if (entries.pressedSinceOpening(pressedAt)) entries.activate(index)
        onMenuRequested: (x, y) => {
            // The menu of a chosen entry acts on all that are chosen.
            if (!entries.selection.isSelected(index))
                entries.selection.select(index)
            const at = mapToItem(entries, x, y)
            entries.contextMenuRequested(index, at.x, at.y)
        }
    }

    // Drops beside the folder rows go into the folder shown.
    EntryDropArea {
        objectName: "listDrop"
        parent: list
        anchors.fill: parent
        z: -1
        folder: list.model ? (list.model as FolderModel).folder : ""
    }

    // What was typed, for a moment; red when nothing starts with it.
    Label {
        objectName: "typedText"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: Services.ui.du(1)
        visible: typeAhead.typed !== ""
        text: typeAhead.missed ? qsTranslate("Browser", "%1 (no match)").arg(typeAhead.typed) : typeAhead.typed
        color: typeAhead.missed ? "#c0392b" : palette.text
        padding: Services.ui.du(0.6)
        background: Rectangle {
            color: list.palette.base
            border.color: typeAhead.missed ? "#c0392b" : list.palette.mid
            radius: Services.ui.du(0.4)
        }
    }
}
