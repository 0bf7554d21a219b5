// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vantrel
import Vantrel.Scene

// The folder listing: the places beside it, the tool bar above it, the
// entries; keeps where the person has been and what they chose, and
// carries out the commands on them while it is on top.
Page {
    id: browser

    // The scene's: the entry commands copy with it.
    required property Copier copier

    // The scene is to show a file: how is "auto", "external", "text" or "hex".
    signal openRequested(string path, string how)
    signal propertiesRequested(string path)
    signal severalRequested(var paths)
    signal showAbout()
    signal showTrash()

    readonly property FolderModel entries: navigation.model
    readonly property EntrySelection selection: navigation.selection
    readonly property string folder: navigation.folder
    readonly property bool atRoot: navigation.atRoot
    readonly property alias notice: navigation.notice
    readonly property alias navigation: navigation
    property alias kindFirst: kept.kindFirst
    property alias ascending: kept.ascending
    property alias rememberFolder: kept.rememberFolder
    property alias sortBy: kept.sortBy
    property alias showHidden: kept.showHidden
    property alias hiddenLast: kept.hiddenLast
    property alias listThumbnails: kept.listThumbnails
    property alias list: list
    readonly property FileSteps steps: fileSteps
    readonly property bool onTop: StackView.status === StackView.Active
                                  || StackView.status === StackView.Activating
    // Too narrow for the places beside the list: they slide in instead.
    readonly property bool narrow: width < Services.ui.du(60)

    title: atRoot ? "/" : PathTools.shownName(folder.replace(/\/+$/, "").replace(/^.*\//, ""))
    focus: true
    padding: 0

    // Lists a folder; remember keeps the folder being left for Back.
    function open(path, remember, selectPath) {
        navigation.open(path, remember, selectPath)
    }
    // Makes the entry for path current, or the first entry when none is;
    // waits for the listing when it is still being read.
    function select(path) {
        navigation.selection.selectPath(path)
    }
    function sortByColumn(key) {
        if (kept.sortBy === key)
            kept.ascending = !kept.ascending
        else
            kept.sortBy = key
    }
    function openEntry(entry) {
        if (entry.isDir)
            open(entry.completePath, true, "")
        else if (entry.completePath)
            openRequested(entry.completePath, "auto")
    }
    // Whether each place is there, looked at again (a copy made a folder).
    function recheckPlaces() {
        places.recheck()
    }
    // The menu of an entry (FolderModel.get) at x, y in the browser.
    function showEntryMenu(entry, x, y) {
        entryCommands.menuEntry = entry
        entryMenu.popup(browser, x, y)
        entryMenu.currentIndex = 0
    }

    Component.onCompleted: kept.restored = true
    onFolderChanged: {
        kept.folder = folder
        if (navigation.started)
            kept.folderShown(folder)
    }
    onActiveFocusChanged: if (activeFocus) list.forceActiveFocus()
    StackView.onActivated: list.forceActiveFocus()

    BrowserSettings { id: kept }
    Navigation {
        id: navigation
        active: browser.onTop
        kept: kept
        filterText: filterBar.below ? "" : filterBar.text
        onLeaving: filterBar.clear()
    }
    SeeCommands {
        id: see
        active: browser.onTop
        folder: browser.folder
        kept: kept
        onSaid: (message) => folderStatus.say(message)
    }
    ChoiceCommands {
        id: choices
        active: browser.onTop
        kept: kept
    }
    EntryCommands {
        id: entryCommands
        active: browser.onTop
        chosenPath: results.active ? results.currentPath : navigation.selection.currentPath
        selection: navigation.selection
        copier: browser.copier
        onOpenRequested: (path, how) => browser.openRequested(path, how)
        onPropertiesRequested: (path) => browser.propertiesRequested(path)
        onSeveralRequested: (paths) => browser.severalRequested(paths)
        onFolderRequested: (path) => navigation.open(path, true, "")
        onShowRequested: (entry) => browser.open(entry.path, true, entry.completePath)
    }

    // Above the listing: the rename editor lies over a row.
    FileSteps {
        id: fileSteps
        z: 1
        active: browser.onTop
        navigation: navigation
        list: list
        grid: grid
    }

    ManageCommands {
        id: manageCommands
        active: browser.onTop
        selection: navigation.selection
        folder: browser.folder
    }

    // The commands on the browser's own parts.
    Command {
        id: filterCommand
        info: Commands.filter; enabled: browser.onTop
        onTriggered: filterBar.start()
    }
    Command {
        id: editPathCommand
        info: Commands.editPath; enabled: browser.onTop
        onTriggered: bar.editPath()
    }
    Command {
        id: menuCommand
        info: Commands.menu; enabled: browser.onTop
        onTriggered: {
            menu.popup(bar.menuButton, 0, bar.menuButton.height)
            menu.currentIndex = 0
        }
    }
    Command {
        id: aboutCommand
        info: Commands.about; enabled: browser.onTop
        onTriggered: browser.showAbout()
    }

    BrowserMenu {
        id: menu
        navigation: navigation
        steps: fileSteps
        choices: choices
        kept: kept
        filterCommand: filterCommand
        aboutCommand: aboutCommand
        manage: manageCommands
        see: see
        onClosed: list.forceActiveFocus()
    }
    EntryMenu {
        id: entryMenu
        objectName: "entryMenu"
        commands: entryCommands
        manage: manageCommands
        steps: fileSteps
        onClosed: if (browser.onTop) (results.active ? results : list).forceActiveFocus()
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        PlacesSide {
            id: places
            Layout.fillHeight: true
            Layout.preferredWidth: beside ? Math.min(Services.ui.du(24), browser.width / 3) : 0
            active: browser.onTop
            narrow: browser.narrow
            folder: browser.folder
            onChosen: (path) => browser.open(path, true, "")
            onTrashChosen: browser.showTrash()
            onDone: list.forceActiveFocus()
        }

        ColumnLayout {
            id: listing
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 0

            BrowserBar {
                id: bar
                Layout.fillWidth: true
                navigation: navigation
                placesCommand: places.toggleCommand
                menuCommand: menuCommand
                viewCommand: see.otherView
                onOpenRequested: (path, select) => browser.open(path, true, select)
                onDone: list.forceActiveFocus()
            }
            Label {
                objectName: "startNotice"
                Layout.fillWidth: true
                visible: text !== ""
                text: browser.notice
                elide: Text.ElideMiddle
                padding: Services.ui.du(0.8)
                background: Rectangle { color: Qt.rgba(0.85, 0.51, 0.17, 0.2) }
            }
            FilterBar {
                id: filterBar
                Layout.fillWidth: true
                shown: navigation.model.count
                total: navigation.model.unfilteredCount
                onDone: (results.active ? results : list).forceActiveFocus()
            }
            EntryHeader {
                Layout.fillWidth: true
                list: list
                sortBy: kept.sortBy
                ascending: kept.ascending
                onSortRequested: (key) => browser.sortByColumn(key)
            }
            SearchResults {
                id: results
                Layout.fillWidth: true
                Layout.fillHeight: true
                visible: active
                active: filterBar.below && filterBar.text !== ""
                folder: browser.folder
                query: filterBar.text
                showHidden: kept.showHidden
                contents: filterBar.contents
                crossFileSystems: filterBar.crossFileSystems
                onContextMenuRequested: (entry, x, y) => {
                    const at = mapToItem(browser, x, y)
                    browser.showEntryMenu(entry, at.x, at.y)
                }
                onOpenRequested: (entry) => browser.openEntry(entry)
                onShowRequested: (entry) => browser.open(entry.path, true, entry.completePath)
                onCloseRequested: {
                    filterBar.clear()
                    list.forceActiveFocus()
                }
            }
            EntryList {
                id: list
                Layout.fillWidth: true
                Layout.fillHeight: true
                visible: !results.active && kept.viewMode !== "grid"
                selection: navigation.selection
                thumbnails: kept.listThumbnails
                keptName: kept.nameColumn > 0 ? Services.ui.du(kept.nameColumn) : 0
                keptSize: Services.ui.du(kept.sizeColumn)
                keptDate: Services.ui.du(kept.dateColumn)
                keptType: Services.ui.du(kept.typeColumn)
                onColumnResized: (key, width) => kept.setColumn(key, width)
                filtered: filterBar.text !== ""
                onFilterCleared: filterBar.clear()
                onActivated: (index) => browser.openEntry(navigation.model.get(index))
                onContextMenuRequested: (index, x, y) => {
                    const at = mapToItem(browser, x, y)
                    browser.showEntryMenu(navigation.model.get(index), at.x, at.y)
                }
            }
            EntryGrid {
                id: grid
                Layout.fillWidth: true
                Layout.fillHeight: true
                visible: !results.active && kept.viewMode === "grid"
                selection: navigation.selection
                onActivated: (index) => browser.openEntry(navigation.model.get(index))
                onContextMenuRequested: (index, x, y) => {
                    const at = mapToItem(browser, x, y)
                    browser.showEntryMenu(navigation.model.get(index), at.x, at.y)
                }
            }
            StepBar {
                Layout.fillWidth: true
                steps: fileSteps
            }
            // The keyboard given to the list goes to the grid while it is shown.
            Connections {
                target: list
                function onActiveFocusChanged() { if (list.activeFocus && grid.visible) grid.forceActiveFocus() }
            }
            // The view switched: the one shown takes the keyboard the other had.
            Connections {
                target: kept
                function onViewModeChanged() { if (browser.onTop) viewSwitched.restart() }
            }
            Timer {
                id: viewSwitched
                interval: 0
                onTriggered: fileSteps.giveKeysBack()
            }
            // The folder's figures; the selection's sit beside them.
            RowLayout {
                id: statusRow
                Layout.fillWidth: true
                FolderStatusLine {
                    id: folderStatus
                    Layout.fillWidth: true
                    model: navigation.model
                }
                SelectionStatus {
                    selection: navigation.selection
                    figures: folderStatus.status
                }
            }
        }
    }

    FolderMessage {
        x: listing.x + (listing.width - width) / 2
        readonly property Item entries: grid.visible ? grid : list
        y: listing.y + entries.y + (entries.height - height) / 2
        width: listing.width - Services.ui.du(4)
        navigation: navigation
    }
}
