// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Vantrel.Scene

// The folder's entries as a list or a grid, or what a search below it has
// found. The first frame shows one of them: the grid and the search results
// are made when first shown, and are null till then.
ColumnLayout {
    id: views

    required property Navigation navigation
    required property BrowserSettings kept
    required property FilterBar filterBar
    required property string folder
    readonly property alias list: list
    property SearchResults results: null
    property EntryGrid grid: null
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
        thumbnails: views.kept.listThumbnails
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
            results = resultsComponent.createObject(resultsPlace)
        if (gridShown && !grid)
            grid = gridComponent.createObject(gridPlace)
    }
    onSearchingChanged: make()
    onGridShownChanged: make()
    Component.onCompleted: make()

    Component {
        id: resultsComponent
        SearchResults {
            id: found
            anchors.fill: parent
            active: views.searching
            folder: views.folder
            query: views.filterBar.text
            showHidden: views.kept.showHidden
            contents: views.filterBar.contents
            crossFileSystems: views.filterBar.crossFileSystems
            onContextMenuRequested: (entry, x, y) => views.menuRequested(entry, found, x, y)
            onOpenRequested: (entry) => views.openRequested(entry)
            onShowRequested: (entry) => views.showRequested(entry)
            onCloseRequested: {
                views.filterBar.clear()
                list.forceActiveFocus()
            }
        }
    }
    Component {
        id: gridComponent
        EntryGrid {
            id: grid
            anchors.fill: parent
            selection: views.navigation.selection
            onActivated: (index) => views.openRequested(views.navigation.model.get(index))
            onContextMenuRequested: (index, x, y) => views.menuRequested(views.navigation.model.get(index), grid, x, y)
        }
    }
}
