import QtQuick
import QtQuick.Controls
import Vantrel
import Vantrel.Scene

// The entries of a folder: arrows, pages, Home and End move; a click
// selects; a double click or Enter asks to open; typing jumps to a name;
// the right button, the Menu key or Shift+F10 ask for the entry's menu.
ListView {
    id: list
    objectName: "entryList"

    // The entry at index is to be opened.
    signal activated(int index)
    // The menu of the entry at index is wanted, at x, y in the list.
    signal contextMenuRequested(int index, real x, real y)

    // When the last entry was opened: the rest of the double click that
    // opened it must not act on the row that comes under the pointer.
    property double openedAt: 0
    // Narrow: the name and one line of detail below it.
    readonly property bool compact: width < _ui.du(60)
    readonly property real sizeWidth: _ui.du(9)
    readonly property real dateWidth: _ui.du(15)
    readonly property real typeWidth: _ui.du(12)
    property alias typeAhead: typeAhead

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

    function pageRows() {
        return Math.max(1, Math.floor(height / _ui.du(4)))
    }

    // The entry for path current, or the first entry when none is.
    function selectPath(path) {
        const model = list.model as FolderModel
        const found = path === "" ? -1 : model.indexOfPath(path)
        currentIndex = found >= 0 ? found : (model.count > 0 ? 0 : -1)
        if (found >= 0)
            positionViewAtIndex(found, ListView.Contain)
    }
    // The same, once the rows of the folder being read arrive.
    function selectWhenListed(path) {
        awaitedPath = path
        awaiting = true
    }
    property bool awaiting: false
    property string awaitedPath: ""

    function requestMenu(index) {
        const row = itemAtIndex(index)
        if (row)
            contextMenuRequested(index, row.x - contentX + row.width / 3, row.y - contentY + row.height / 2)
    }

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

    // A folder newly opened selects what it was opened for; a change of
    // the rows keeps the selected entry, and the view where it was.
    Connections {
        target: list.model as FolderModel
        function onLoaded() {
            list.selectPath(list.awaiting ? list.awaitedPath : "")
            list.awaiting = false
        }
        property string keptPath: ""
        property int keptIndex: -1
        function onAboutToReload() {
            const current = list.currentItem as EntryDelegate
            keptPath = current ? current.completePath : ""
            keptIndex = list.currentIndex
        }
        function onReloaded() {
            if (list.awaiting) {
                onLoaded()
                return
            }
            // The view kept its place through the change; only a selected
            // entry that moved away is followed.
            const model = list.model as FolderModel
            const found = keptPath === "" ? -1 : model.indexOfPath(keptPath)
            const index = found >= 0 ? found : Math.min(keptIndex, list.count - 1)
            list.positionViewAtIndex(index, ListView.Contain)
            list.currentIndex = index
        }
    }

    Keys.onPressed: (event) => {
        const plain = !(event.modifiers & (Qt.ControlModifier | Qt.AltModifier | Qt.MetaModifier))
        if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
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
        else if (plain && event.text.length === 1 && event.text > " " && model)
            currentIndex = typeAhead.find(event.text, model as FolderModel, currentIndex)
        else
            return
        positionViewAtIndex(currentIndex, ListView.Contain)
        event.accepted = true
    }

    delegate: EntryDelegate {
        readonly property EntryList entries: ListView.view as EntryList
        property double pressedAt: 0
        compact: entries.compact
        sizeWidth: entries.sizeWidth
        dateWidth: entries.dateWidth
        typeWidth: entries.typeWidth
        onPressed: pressedAt = Date.now()
        ListView.onReused: pressedAt = 0 // a pooled row starts afresh
        onClicked: if (entries.pressedSinceOpening(pressedAt)) entries.currentIndex = index
        onDoubleClicked: if (entries.pressedSinceOpening(pressedAt)) entries.activate(index)
        onMenuRequested: (x, y) => {
            entries.currentIndex = index
            const at = mapToItem(entries, x, y)
            entries.contextMenuRequested(index, at.x, at.y)
        }
    }

    // What was typed, for a moment; red when nothing starts with it.
    Label {
        objectName: "typedText"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: _ui.du(1)
        visible: typeAhead.typed !== ""
        text: typeAhead.missed ? qsTranslate("Browser", "%1 (no match)").arg(typeAhead.typed) : typeAhead.typed
        color: typeAhead.missed ? "#c0392b" : palette.text
        padding: _ui.du(0.6)
        background: Rectangle {
            color: list.palette.base
            border.color: typeAhead.missed ? "#c0392b" : list.palette.mid
            radius: _ui.du(0.4)
        }
    }
}
