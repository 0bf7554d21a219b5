// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Vantrel.Scene

// The folder's entries as a list or a grid, or what a search below it has
// found. The first frame shows one of them: the grid and the search results
// are read and made when first shown, and are null till then (untyped, so
// that neither file is read before).
ColumnLayout {
    id: views

    required property Navigation navigation
    required property BrowserSettings kept
    required property FilterBar filterBar
    required property string folder
    readonly property alias list: list
    property var results: null
    property var grid: null
    readonly property bool searching: filterBar.below && filterBar.text !== ""
    readonly property bool gridShown: !searching && kept.viewMode === "grid"
    // The list or the grid, whichever shows the folder.
    readonly property Item entries: gridShown && grid ? grid : list
    // What takes the keyboard when it comes back to the entries.
    readonly property Item shown: searching && results ? results : entries

    // An entry (FolderModel.get or SearchModel.get) is to be opened.
    signal openRequested(var entry)
    // A search result is to be shown in its folder.
    signal showRequested(var entry)
    // The menu of an entry is wanted, at x, y in item.
    signal menuRequested(var entry, Item item, real x, real y)

    spacing: 0

    // Where the search results show, once made.
    Item {
        id: resultsPlace
        Layout.fillWidth: true
        Layout.fillHeight: true
        visible: views.searching
    }
    EntryList {
        id: list
        Layout.fillWidth: true
        Layout.fillHeight: true
        visible: !views.searching && views.kept.viewMode !== "grid"
        selection: views.navigation.selection
        // A hidden view asks for no thumbnails.
        thumbnails: views.kept.listThumbnails && list.visible
        keptName: views.kept.nameColumn > 0 ? Services.ui.du(views.kept.nameColumn) : 0
        keptSize: Services.ui.du(views.kept.sizeColumn)
        keptDate: Services.ui.du(views.kept.dateColumn)
        keptType: Services.ui.du(views.kept.typeColumn)
        onColumnResized: (key, width) => views.kept.setColumn(key, width)
        filtered: views.filterBar.text !== ""
        onFilterCleared: views.filterBar.clear()
        onActivated: (index) => views.openRequested(views.navigation.model.get(index))
        onContextMenuRequested: (index, x, y) => views.menuRequested(views.navigation.model.get(index), list, x, y)
    }
    Item {
        id: gridPlace
        Layout.fillWidth: true
        Layout.fillHeight: true
        visible: views.gridShown
    }
    // The keyboard given to the list goes to the grid while it is shown.
    Connections {
        target: list
        function onActiveFocusChanged() {
            if (list.activeFocus && views.gridShown && views.grid)
                views.grid.forceActiveFocus()
        }
    }

    function make() {
        if (searching && !results)
            results = makeResults()
        if (gridShown && !grid)
            grid = makeGrid()
    }
    onSearchingChanged: make()
    onGridShownChanged: make()
    Component.onCompleted: make()

    function makeResults() {
        const found = Qt.createComponent(Qt.resolvedUrl("../search/SearchResults.qml")).createObject(resultsPlace)
        found.anchors.fill = resultsPlace
        found.active = Qt.binding(() => views.searching)
        found.folder = Qt.binding(() => views.folder)
        found.query = Qt.binding(() => views.filterBar.text)
        found.showHidden = Qt.binding(() => views.kept.showHidden)
        found.contents = Qt.binding(() => views.filterBar.contents)
        found.crossFileSystems = Qt.binding(() => views.filterBar.crossFileSystems)
        found.contextMenuRequested.connect((entry, x, y) => views.menuRequested(entry, found, x, y))
        found.openRequested.connect((entry) => views.openRequested(entry))
        found.showRequested.connect((entry) => views.showRequested(entry))
        found.closeRequested.connect(() => {
            views.filterBar.clear()
            list.forceActiveFocus()
        })
        return found
    }
    function makeGrid() {
        const made = Qt.createComponent(Qt.resolvedUrl("../entries/EntryGrid.qml"))
                     .createObject(gridPlace, { selection: views.navigation.selection })
        made.anchors.fill = gridPlace
        made.thumbnails = Qt.binding(() => views.gridShown)
        made.activated.connect((index) => views.openRequested(views.navigation.model.get(index)))
        made.contextMenuRequested.connect(
            (index, x, y) => views.menuRequested(views.navigation.model.get(index), made, x, y))
        return made
    }
}
