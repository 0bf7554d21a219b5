import QtQuick
import QtQuick.Controls

// The entries of a folder: arrows, pages, Home and End move; a click
// selects; a double click or Enter asks to open; typing jumps to a name.
ListView {
    id: list
    objectName: "entryList"

    // The entry at index is to be opened.
    signal activated(int index)

    // When the last entry was opened: the rest of the double click that
    // opened it must not act on the row that comes under the pointer.
    property double openedAt: 0

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

    clip: true
    focus: true
    keyNavigationEnabled: true
    highlightMoveDuration: 0
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar { }

    TypeAhead { id: typeAhead }

    Keys.onPressed: (event) => {
        const plain = !(event.modifiers & (Qt.ControlModifier | Qt.AltModifier | Qt.MetaModifier))
        if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
            activate(currentIndex)
        else if (event.key === Qt.Key_Home)
            currentIndex = count > 0 ? 0 : -1
        else if (event.key === Qt.Key_End)
            currentIndex = count - 1
        else if (event.key === Qt.Key_PageDown)
            currentIndex = Math.min(count - 1, currentIndex + pageRows())
        else if (event.key === Qt.Key_PageUp)
            currentIndex = Math.max(count > 0 ? 0 : -1, currentIndex - pageRows())
        else if (plain && event.text.length === 1 && event.text > " " && model)
            currentIndex = typeAhead.find(event.text, count,
                                          i => list.model.data([i]).fileName, currentIndex)
        else
            return
        positionViewAtIndex(currentIndex, ListView.Contain)
        event.accepted = true
    }

    delegate: EntryDelegate {
        readonly property EntryList entries: ListView.view as EntryList
        property double pressedAt: 0
        onPressed: pressedAt = Date.now()
        onClicked: if (entries.pressedSinceOpening(pressedAt)) entries.currentIndex = index
        onDoubleClicked: if (entries.pressedSinceOpening(pressedAt)) entries.activate(index)
    }
}
